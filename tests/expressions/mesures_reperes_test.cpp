// Coordinates and components in a frame that is moved and turned, and the
// abscissa of a point on a line, checked against values worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../runner/banc_texte.h"

namespace km32::essai {
namespace {

// The frame R: origin O = (1, -2, 3) and the vectors i' = (1, 1, 0),
// j' = (0, 1, 1), k' = (1, 0, 1) (neither orthogonal nor unit). The point
// with coordinates (2, -1, 3) in R is O + 2 i' - j' + 3 k' = (6, -1, 5); the
// vector with components (2, -1, 3) is 2 i' - j' + 3 k' = (5, 1, 2).
const std::vector<std::string> kRepereTourne = {
    "O point de coordonnées (1,-2,3) dans le repère Rxyz",
    "vec(e) (1,1,0) (repère Rxyz)",
    "vec(g) (0,1,1) (repère Rxyz)",
    "vec(h) (1,0,1) (repère Rxyz)",
    "R repère (O,vec(e),vec(g),vec(h))",
    "P point de coordonnées (6,-1,5) dans le repère Rxyz",
    "vec(u) (5,1,2) (repère Rxyz)",
};

class MesuresReperes : public BancTexte {
  protected:
    uint16_t litFigure(std::vector<std::string> lignes, const std::vector<std::string>& suite) {
        lignes.insert(lignes.end(), suite.begin(), suite.end());
        std::string texte = "Figure Kalmetra\r\n";
        for (const std::string& l : lignes)
            texte += l + "\r\n";
        return lis(texte + "Fin de la figure");
    }
};

TEST_F(MesuresReperes, CoordinatesOfAPointAndComponentsOfAVector) {
    ASSERT_EQ(litFigure(kRepereTourne,
                        {
                            "p abscisse du point P (repère R)",
                            "q ordonnée du point P (repère R)",
                            "r cote du point P (repère R)",
                            "a abscisse du vecteur vec(u) (repère R)",
                            "b ordonnée du vecteur vec(u) (repère R)",
                            "c cote du vecteur vec(u) (repère R)",
                            // In the absolute frame both are the values themselves.
                            "x abscisse du point P (repère Rxyz)",
                            "z cote du vecteur vec(u) (repère Rxyz)",
                            "d affichage des coordonnées du point P (repère R) (2 décimales)",
                        }),
              0);
    const struct {
        const char* nom;
        double attendu;
    } cas[] = {{"p", 2}, {"q", -1}, {"r", 3}, {"a", 2}, {"b", -1}, {"c", 3}, {"x", 6}, {"z", 2}};
    for (const auto& c : cas) {
        EXPECT_TRUE(defini(c.nom)) << c.nom;
        EXPECT_NEAR(val(c.nom), c.attendu, 1e-12) << c.nom;
    }
    const int d = numero("d");
    ASSERT_NE(d, 0);
    EXPECT_EQ(objet(f, d).nonDefini, 0);
    EXPECT_NEAR(valeurObjet(f, d, 4), 2, 1e-12);
    EXPECT_NEAR(valeurObjet(f, d, 5), -1, 1e-12);
    EXPECT_NEAR(valeurObjet(f, d, 6), 3, 1e-12);
}

// Moving the frame's origin moves the coordinates of a point by the
// opposite amount in the frame's basis and leaves a vector's components.
TEST_F(MesuresReperes, OnlyPointsFollowTheOrigin) {
    ASSERT_EQ(litFigure(kRepereTourne,
                        {"p abscisse du point P (repère R)", "a abscisse du vecteur vec(u) (repère R)"}),
              0);
    // O moved by i' + k' = (2, 1, 1): P is then O + 1 i' - j' + 2 k'.
    ASSERT_EQ(ligne("O point de coordonnées (3,-1,4) dans le repère Rxyz"), 0);
    EXPECT_NEAR(val("p"), 1, 1e-12);
    EXPECT_NEAR(val("a"), 2, 1e-12);
}

// The abscissa of a point on a line read as a frame (its first point, its
// direction) inverts the point given by its abscissa; off the line there is
// none.
TEST_F(MesuresReperes, AbscissaOfAPointOnALine) {
    ASSERT_EQ(litFigure({"A point de coordonnées (1,2,-1) dans le repère Rxyz",
                         "B point de coordonnées (3,5,1) dans le repère Rxyz", "M milieu du segment [AB]",
                         "N point de coordonnées (2,0,0) dans le repère Rxyz",
                         "Q point d'abscisse -1.5 dans le repère (AB)", "t abscisse de A dans le repère (AB)",
                         "s abscisse de B dans le repère (AB)", "r abscisse de M dans le repère (AB)",
                         "q abscisse de Q dans le repère (AB)", "w abscisse de N dans le repère ox",
                         "m abscisse de M dans le repère ox"},
                        {}),
              0);
    // M = A + t AB.
    const struct {
        const char* nom;
        double attendu;
    } cas[] = {{"t", 0}, {"s", 1}, {"r", 0.5}, {"q", -1.5}, {"w", 2}};
    for (const auto& c : cas) {
        EXPECT_TRUE(defini(c.nom)) << c.nom;
        EXPECT_NEAR(val(c.nom), c.attendu, 1e-12) << c.nom;
    }
    // M = (2, 3.5, 0) is not on ox.
    EXPECT_FALSE(defini("m"));
    EXPECT_EQ(objet(f, numero("m")).raison, 448);
}

} // namespace
} // namespace km32::essai
