// Lengths given in a unit of length other than Uxyz: every construction takes
// its length times the unit exactly once. The unit U3 is half of Uxyz, so a
// length of 4 in U3 is 2 in Uxyz; the expected sizes are closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "../runner/banc_texte.h"

namespace km32::essai {
namespace {

class UnitesDeLongueur : public BancTexte {};

TEST_F(UnitesDeLongueur, EachLengthIsScaledOnce) {
    // The axis (AB) is vertical through A; C is at distance 5 from it in the
    // base plane z = 0.
    std::string texte = "Figure Kalmetra\r\n"
                        "A point de coordonnées (1,1,0) dans le repère Rxyz\r\n"
                        "B point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                        "C point de coordonnées (4,5,0) dans le repère Rxyz\r\n"
                        "U3 unité de longueur (vecteur unitaire 0.5*vec(j))\r\n";
    const double pi = std::numbers::pi;
    const struct {
        const char* construction; // the object X, built in U3
        const char* mesure;       // the number m, read in Uxyz
        double attendu;
    } cas[] = {
        // A square of circumradius 5 (area 50), height 6 in U3 = 3.
        {"X pyramide régulière d'axe (AB), hauteur 6, base de sommet C à 4 côtés (unité de longueur U3)",
         "m volume du solide X (unité de longueur Uxyz)", 50 * 3 / 3.0},
        {"X prisme régulier d'axe (AB), hauteur 6, base de sommet C à 4 côtés (unité de longueur U3)",
         "m volume du solide X (unité de longueur Uxyz)", 50 * 3},
        {"X sphère de centre A et de rayon 4 (unité de longueur U3)",
         "m volume du solide X (unité de longueur Uxyz)", 4 * pi * 8 / 3},
        {"X cylindre de rayon 2 et d'axe le segment [AB] (unité de longueur U3)",
         "m volume du solide X (unité de longueur Uxyz)", pi * 1 * 6},
        {"X cône de sommet B et de base de centre A et de rayon 4 (unité de longueur U3)",
         "m volume du solide X (unité de longueur Uxyz)", pi * 4 * 6 / 3},
        {"X tronc de cône de bases (A, 4) et (B, 2) (unité de longueur U3)",
         "m volume du solide X (unité de longueur Uxyz)", pi * 6 / 3 * (4 + 2 + 1)},
        {"X cercle de centre A et de rayon 4 dans le plan oxy (unité U3)",
         "m rayon de X (unité de longueur Uxyz)", 2},
        {"X point sur demi-droite [AB), distance à l'origine 4 (unité de longueur U3)",
         "m cote du point X (repère Rxyz)", 2},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.construction);
        reinitialiseFigure(f);
        ASSERT_EQ(lis(texte + c.construction + "\r\n" + c.mesure + "\r\nFin de la figure"), 0);
        EXPECT_TRUE(defini("X"));
        ASSERT_TRUE(defini("m"));
        EXPECT_NEAR(val("m"), c.attendu, 1e-9);
    }
}

} // namespace
} // namespace km32::essai
