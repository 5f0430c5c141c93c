// What an instance takes from the inner result of its prototype, by the
// result's kind: the grid of a surface, the record of a solid, a function.
// The expected values are worked out from the given objects.
#include <cmath>

#include "banc_prototypes.h"
#include "drawing/element_solide.h"
#include "drawing/rafraichissement.h"
#include "model/fonctions/fonctions.h"
#include "model/maillages.h"
#include "model/solides/mesures_solides.h"

namespace km32::essai {
namespace {

class ResultatsPrototypes : public BancPrototypes {};

// The graph of (x, y) -> a x y over [-1, 1] x [-2, 2] in a given frame.
TEST_F(ResultatsPrototypes, ASurfaceResultBringsItsGridAndIsDrawn) {
    const std::vector<std::string> lignes = {
        "Début de [Nappe]",
        "R repère donné",
        "a réel donné",
        "h fonction: (x,y)|->a*x*y",
        "G graphe de h sur [-1,1] x [-2,2] (5 x 6 points, repère R)",
        "Description de l'interface",
        "G nappe dans R de coefficient a",
        "Repère:",
        "Coefficient:",
        "Nappe:",
        "Fin de [Nappe]",
        "O point de coordonnées (1,2,3) dans le repère Rxyz",
        "F repère (O,vec(j),vec(i),vec(k))",
        "S nappe dans F de coefficient 2",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    const int s = numero("S");
    ASSERT_TRUE(defini("S"));
    const TMaillage* m = maillageDeObjet(f, s);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->nx, 5);
    ASSERT_EQ(m->ny, 6);
    // Point (i, j) of the grid: u = -1 + i/2, v = -2 + 4j/5, and in F
    // (origin (1, 2, 3), i' = (0, 1, 0), j' = (1, 0, 0), k' = (0, 0, 1)) the
    // point O + u i' + v j' + 2uv k'.
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 6; ++j) {
            const double u = -1 + i / 2.0, v = -2 + 4.0 * j / 5;
            const std::size_t k = std::size_t(i * 6 + j + 1);
            EXPECT_EQ(m->nonDefini[k], 0) << k;
            EXPECT_NEAR(m->x[k], 1 + v, 1e-5) << k;
            EXPECT_NEAR(m->y[k], 2 + u, 1e-5) << k;
            EXPECT_NEAR(m->z[k], 3 + 2 * u * v, 1e-5) << k;
        }
    reconstruitDessin(f);
    const TElementSolide* e = elementSolide(f, s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->genre, kElementMaillage);
    EXPECT_EQ(complementDe(*e).grille.lignes, 5);
    EXPECT_EQ(complementDe(*e).grille.colonnes, 6);
    EXPECT_EQ(complementDe(*e).grille.complet, 1);
}

// A solid result: the pyramid of a square base of circumradius r and height
// h has the volume 2 r^2 h / 3; a number and a function result follow their
// given number.
TEST_F(ResultatsPrototypes, SolidsValuesAndFunctionsOfTheResult) {
    const std::vector<std::string> lignes = {
        "Début de [Pyramide]",
        "A point donné",
        "B point donné",
        "C point donné",
        "Y pyramide régulière d'axe (AB), hauteur 3, base de sommet C à 4 côtés (unité de longueur Uxyz)",
        "Description de l'interface",
        "Y pyramide sur A, B, C",
        "Pied:",
        "Direction:",
        "Sommet de la base:",
        "Pyramide:",
        "Fin de [Pyramide]",
        "Début de [Droite]",
        "a réel donné",
        "h fonction: x|->a*x+1",
        "Description de l'interface",
        "h droite de pente a",
        "Pente:",
        "Fonction:",
        "Fin de [Droite]",
        "P point de coordonnées (1,1,0) dans le repère Rxyz",
        "Q point de coordonnées (1,1,6) dans le repère Rxyz",
        "K point de coordonnées (4,5,0) dans le repère Rxyz",
        "Y pyramide sur P, Q, K",
        "v volume du solide Y (unité de longueur Uxyz)",
        "g droite de pente 3",
        "w = g(2)",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    ASSERT_TRUE(defini("Y"));
    EXPECT_NEAR(val("v"), 2 * 25 * 3 / 3.0, 1e-9);
    EXPECT_NEAR(volumeSolide(f, numero("Y")), 50, 1e-9);
    ASSERT_TRUE(defini("g"));
    EXPECT_NEAR(val("w"), 3 * 2 + 1, 1e-12);
    // Moving the base's vertex changes the instance: circumradius 2.
    ASSERT_EQ(ligne("K point de coordonnées (3,1,0) dans le repère Rxyz"), 0) << dernierMessage();
    EXPECT_NEAR(val("v"), 2 * 4 * 3 / 3.0, 1e-9);
}

} // namespace
} // namespace km32::essai
