// The isolated plane: only what lies in it is drawn, and it follows the
// objects that define it when they move (keyboard, assignment) and keeps its
// place in the drawing through any zoom.
#include "clavier_banc.h"
#include "drawing/bloc_dessin.h"
#include "drawing/vue_operations.h"
#include "text/execution_ligne.h"

namespace km32::essai {
namespace {

// The plane (ABC) is z = 1 until A moves. D lies in it only while it is z = 1
// (D is not on the line BC); E and the segment [BE] are never in it; the
// midpoint M of [AB] and the segment [AB] are always in it.
const char* const kPlanIsole = "Figure Kalmetra\r\n"
                               "A point libre dans l'espace\r\n"
                               "Objet libre A, paramètres: 0, 0, 1\r\n"
                               "B point de coordonnées (2,0,1) dans le repère Rxyz\r\n"
                               "C point de coordonnées (0,2,1) dans le repère Rxyz\r\n"
                               "D point de coordonnées (0.5,0.5,1) dans le repère Rxyz\r\n"
                               "E point de coordonnées (1,1,3) dans le repère Rxyz\r\n"
                               "M milieu du segment [AB]\r\n"
                               "s segment [AB]\r\n"
                               "t segment [BE]\r\n"
                               "Plan ABC isolé\r\n"
                               "Objet libre actif au clavier: A\r\n"
                               "Fin de la figure";

class PlanIsole : public BancClavier {
  protected:
    // The names whose display element exists, in the order given.
    static std::string dessines(const TfigureKalmetra& f, std::initializer_list<const char*> noms) {
        std::string r;
        for (const char* nom : noms)
            if (elementDessin(f, numero(f, nom)) != nullptr) r += std::string(r.empty() ? "" : " ") + nom;
        return r;
    }
    // A line run for real, as the host runs it.
    static uint16_t ligne(TfigureKalmetra& f, const std::string& utf8) {
        return executeLigneDeFigure(&f, windows1252DeUtf8(utf8), 1, 1);
    }
    static constexpr std::initializer_list<const char*> kNoms = {"A", "B", "C", "D", "E", "M", "s", "t"};
};

TEST_F(PlanIsole, OnlyWhatLiesInThePlaneIsDrawn) {
    TfigureKalmetra& f = figure(1, kPlanIsole);
    ASSERT_EQ(f.reglagePlanIsole, 1);
    EXPECT_EQ(f.aucunPlanIsole, 0);
    EXPECT_EQ(dessines(f, kNoms), "A B C D M s");
}

// A keyboard step of A (up by 0.1) tilts the plane: it still holds A, B, C,
// M and [AB], no longer D. Putting A back by an assignment line brings D back.
TEST_F(PlanIsole, ThePlaneFollowsThePointsThatDefineIt) {
    TfigureKalmetra& f = figure(1, kPlanIsole);
    ASSERT_EQ(touche(1, platform::VK_UP), 1);
    ASSERT_NEAR(v(f, "A", 3), 1.1, 1e-12);
    // The plane through (0, 0, 1.1), (2, 0, 1), (0, 2, 1): x + y + 20 z = 22,
    // normalised; its normal keeps the side of z = 1's.
    const double n = std::sqrt(1 + 1 + 400.0);
    EXPECT_NEAR(f.planIsole[0], 1 / n, 1e-12);
    EXPECT_NEAR(f.planIsole[1], 1 / n, 1e-12);
    EXPECT_NEAR(f.planIsole[2], 20 / n, 1e-12);
    EXPECT_NEAR(f.distancePlanIsole, -22 / n, 1e-12);
    EXPECT_EQ(dessines(f, kNoms), "A B C M s");

    ASSERT_EQ(ligne(f, "Affecter le point libre A, coordonnées: (0,0,1) dans le repère Rxyz"), 0);
    ASSERT_NEAR(v(f, "A", 3), 1, 1e-12);
    EXPECT_NEAR(std::fabs(f.planIsole[2]), 1, 1e-12);
    EXPECT_EQ(dessines(f, kNoms), "A B C D M s");
}

// A line of the text that moves A after the plane was isolated: the drawing
// made after the text shows the plane where A now puts it.
TEST_F(PlanIsole, ALaterLineOfTheTextMovesThePlane) {
    std::string texte = kPlanIsole;
    const std::string fin = "Fin de la figure";
    texte.insert(texte.size() - fin.size(), "Objet libre A, paramètres: 0, 0, 1.1\r\n");
    TfigureKalmetra& f = figure(1, texte);
    ASSERT_NEAR(v(f, "A", 3), 1.1, 1e-12);
    EXPECT_NEAR(f.planIsole[2], 20 / std::sqrt(402.0), 1e-12);
    EXPECT_EQ(dessines(f, kNoms), "A B C M s");
}

// Zooming changes the integer units of the drawing; the plane's constant is
// converted with them, so the same objects stay drawn at every scale.
TEST_F(PlanIsole, TheSameObjectsStayDrawnThroughZooms) {
    TfigureKalmetra& f = figure(1, kPlanIsole);
    for (double facteur : {2.0, 2.0, 0.25, 0.5, 3.0}) {
        ASSERT_EQ(changeEchelleVue(f, facteur), 1) << facteur;
        EXPECT_NEAR(f.planIsole[3], f.distancePlanIsole * f.echelle, 1e-6) << facteur;
        EXPECT_EQ(dessines(f, kNoms), "A B C D M s") << facteur;
    }
}

// Three aligned points give no plane: nothing lies in it. When a point
// moves off the line the plane exists again and what lies in it is drawn.
TEST_F(PlanIsole, APlaneOfAlignedPointsHoldsNothingUntilItExists) {
    TfigureKalmetra& f = figure(1, "Figure Kalmetra\r\n"
                                   "A point libre dans l'espace\r\n"
                                   "Objet libre A, paramètres: 1, 1, 1\r\n"
                                   "B point de coordonnées (0,0,1) dans le repère Rxyz\r\n"
                                   "C point de coordonnées (2,2,1) dans le repère Rxyz\r\n"
                                   "D point de coordonnées (0.5,0.5,1) dans le repère Rxyz\r\n"
                                   "E point de coordonnées (1,1,3) dans le repère Rxyz\r\n"
                                   "Plan ABC isolé\r\n"
                                   "Objet libre actif au clavier: A\r\n"
                                   "Fin de la figure");
    EXPECT_EQ(f.aucunPlanIsole, 1);
    EXPECT_EQ(dessines(f, {"A", "B", "C", "D", "E"}), "");
    // A to (1, 0, 1): the plane z = 1 holds A, B, C and D.
    ASSERT_EQ(ligne(f, "Affecter le point libre A, coordonnées: (1,0,1) dans le repère Rxyz"), 0);
    EXPECT_EQ(f.aucunPlanIsole, 0);
    EXPECT_EQ(dessines(f, {"A", "B", "C", "D", "E"}), "A B C D");
    // Back on the line: no plane, nothing drawn.
    ASSERT_EQ(ligne(f, "Affecter le point libre A, coordonnées: (1,1,1) dans le repère Rxyz"), 0);
    EXPECT_EQ(f.aucunPlanIsole, 1);
    EXPECT_EQ(dessines(f, {"A", "B", "C", "D", "E"}), "");
}

} // namespace
} // namespace km32::essai
