// Whole figure texts read into a figure, in the three languages.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "banc_texte.h"
#include "text/langue_texte.h"

namespace km32::essai {
namespace {

// One figure in three languages: a tetrahedron-like set of points, a
// midpoint, a line, a plane, a sphere, the intersection of the line with
// the plane, a convex polyhedron, a number by expression, a style line and
// a comment section.
const char* const kFigureFr = "Figure Kalmetra\r\n"
                              "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                              "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                              "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                              "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                              "M milieu du segment [BD]\r\n"
                              "d droite (AM)\r\n"
                              "p plan (BCD)\r\n"
                              "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                              "I point d'intersection de la droite d et du plan p\r\n"
                              "T polyèdre convexe de sommets A,B,C,D\r\n"
                              "r = AB+AC/2\r\n"
                              "Dessin de M: rouge, tireté\r\n"
                              "Commentaire\r\n"
                              "Un tétraèdre.\r\n"
                              "Fin de la figure";
const char* const kFigureEn = "Kalmetra figure (English)\r\n"
                              "A point with coordinates (0,0,0) in coordinate system Rxyz\r\n"
                              "B point with coordinates (4,0,0) in coordinate system Rxyz\r\n"
                              "C point with coordinates (0,4,0) in coordinate system Rxyz\r\n"
                              "D point with coordinates (1,1,6) in coordinate system Rxyz\r\n"
                              "M midpoint of segment [BD]\r\n"
                              "d line (AM)\r\n"
                              "p plane (BCD)\r\n"
                              "s sphere with center A and radius 2 (length unit Uxyz)\r\n"
                              "I intersection point of line d and plane p\r\n"
                              "T convex polyhedron with vertices A,B,C,D\r\n"
                              "r = AB+AC/2\r\n"
                              "Drawing of M: red, dashed\r\n"
                              "Comments\r\n"
                              "Un tétraèdre.\r\n"
                              "End of the figure";
const char* const kFigureDe = "Kalmetra Figur (Deutsch)\r\n"
                              "A Punkt mit den Koordinaten (0,0,0) im Koordinatensystem Rxyz\r\n"
                              "B Punkt mit den Koordinaten (4,0,0) im Koordinatensystem Rxyz\r\n"
                              "C Punkt mit den Koordinaten (0,4,0) im Koordinatensystem Rxyz\r\n"
                              "D Punkt mit den Koordinaten (1,1,6) im Koordinatensystem Rxyz\r\n"
                              "M Mittelpunkt der Strecke [BD]\r\n"
                              "d Gerade (AM)\r\n"
                              "p Ebene (BCD)\r\n"
                              "s Kugeloberfläche (Kugelmittelpunkt A, Kugelradius 2) (Längenmass Uxyz)\r\n"
                              "I Schnittpunkt der Geraden d mit der Ebene p\r\n"
                              "T konvexes Polyeder mit Ecken A,B,C,D\r\n"
                              "r = AB+AC/2\r\n"
                              "Zeichnung von M: rot, gestrichelt\r\n"
                              "Kommentar\r\n"
                              "Un tétraèdre.\r\n"
                              "Ende der Figur";

// The intersection of line (AM) with plane (BCD), worked by hand: with
// M = (2.5, 0.5, 3), points of (AM) are t M; the plane through B, C, D has
// normal (BC x BD) and passes through B.
P3 intersectionAttendue() {
    const double M[3] = {2.5, 0.5, 3};
    const double B[3] = {4, 0, 0}, C[3] = {0, 4, 0}, D[3] = {1, 1, 6};
    const double u[3] = {C[0] - B[0], C[1] - B[1], C[2] - B[2]};
    const double v[3] = {D[0] - B[0], D[1] - B[1], D[2] - B[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double t = (n[0] * B[0] + n[1] * B[1] + n[2] * B[2]) / (n[0] * M[0] + n[1] * M[1] + n[2] * M[2]);
    return {t * M[0], t * M[1], t * M[2]};
}

class TexteFigure : public BancTexte, public ::testing::WithParamInterface<const char*> {};

TEST_P(TexteFigure, RunsWholeIntoObjectsWithTheirGeometry) {
    ASSERT_EQ(lis(GetParam()), 0) << (platform::boitesDemandees().empty()
                                          ? ""
                                          : platform::boitesDemandees()[0].texte);
    EXPECT_TRUE(platform::boitesDemandees().empty());
    EXPECT_EQ(noms(), "A B C D M d p s I T r");
    for (const char* n : {"A", "B", "C", "D", "M", "d", "p", "s", "I", "T", "r"})
        EXPECT_TRUE(defini(n)) << n;
    attendPoint(pt("M"), 2.5, 0.5, 3);
    const P3 i = intersectionAttendue();
    attendPoint(pt("I"), i.x, i.y, i.z, 1e-9);
    EXPECT_NEAR(val("r"), 4 + 2, 1e-12);
    // The sphere's centre and radius.
    const int s = numero("s");
    EXPECT_NEAR(valeurObjet(f, s, 4), 2, 1e-12);
    // The style line: a point drawn from afresh (normal mark), dashed, red.
    const TObjetFigure& m = objet(f, numero("M"));
    EXPECT_EQ(m.style.drapeaux, 0x0400 | 0x0100);
    EXPECT_EQ(m.style.rouge, 255);
    EXPECT_EQ(m.style.vert, 0);
    // The comment section, without the line breaks in front of the end line.
    ASSERT_TRUE(f.texteCommentaire);
    EXPECT_EQ(*f.texteCommentaire, windows1252DeUtf8("Un tétraèdre."));
}

INSTANTIATE_TEST_SUITE_P(TroisLangues, TexteFigure, ::testing::Values(kFigureFr, kFigureEn, kFigureDe));

TEST_F(BancTexte, SameFigureInThreeLanguagesGivesTheSameValues) {
    std::vector<std::vector<double>> valeurs;
    for (const char* texte : {kFigureFr, kFigureEn, kFigureDe}) {
        reinitialiseFigure(f);
        ASSERT_EQ(lis(texte), 0);
        valeurs.emplace_back(f.valeurs.begin() + 1, f.valeurs.begin() + 1 + f.valeursUtilisees);
    }
    EXPECT_EQ(valeurs[0], valeurs[1]);
    EXPECT_EQ(valeurs[0], valeurs[2]);
}

TEST_F(BancTexte, LanguageOfTheUserComesBackAfterAText) {
    ASSERT_EQ(lis(kFigureDe), 0);
    // French is applied again: a French line is recognised.
    EXPECT_EQ(ligne("N milieu du segment [AB]"), 0);
    attendPoint(pt("N"), 2, 0, 0);
}

} // namespace
} // namespace km32::essai
