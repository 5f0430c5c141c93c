// The isolated plane as a host reaches it: the line, Escape, command 199 and
// the dialog of 199. Each road must leave the drawing, the text written back
// and the menu mark in agreement, in French and in English.
#include <cmath>

#include "etats_figure_banc.h"

namespace km32::essais {
namespace {

// The plane ABC is z = 1. D lies in it, E does not; [AB] lies in it, [BE]
// does not.
const char* const kFigure = "A point de coordonnées (0,0,1) dans le repère Rxyz\r\n"
                            "B point de coordonnées (2,0,1) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,2,1) dans le repère Rxyz\r\n"
                            "D point de coordonnées (0.5,0.5,1) dans le repère Rxyz\r\n"
                            "E point de coordonnées (1,1,3) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "t segment [BE]\r\n";
constexpr std::initializer_list<const char*> kNoms = {"A", "B", "C", "D", "E", "s", "t"};
constexpr const char* kTout = "A B C D E s t";
constexpr const char* kDansLePlan = "A B C D s";
constexpr uint16_t kPhraseIsole = 2242, kPhraseParDefaut = 2241, kPhraseFaceMaintenu = 2243;
constexpr uint16_t kPhraseOui = 4405, kPhraseNon = 4406;

class PlanIsoleHote : public BancEtatsFigure, public ::testing::WithParamInterface<int16_t> {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        figureDeTexte(kFigure);
        KMappliqueLangue(GetParam());
    }
    void attendIsole() {
        EXPECT_EQ(dessines(kNoms), kDansLePlan);
        EXPECT_TRUE(texteContientLigne(phrase(kPhraseIsole, "ABC"))) << texte();
        EXPECT_FALSE(texteContientLigne(phrase(kPhraseParDefaut, "ABC")));
        EXPECT_TRUE(marquee(199));
        // z = 1: the unit normal is (0, 0, 1) or its opposite, d = -z.
        EXPECT_NEAR(std::fabs(fig().planIsole[2]), 1, 1e-12);
        EXPECT_NEAR(fig().distancePlanIsole * fig().planIsole[2], -1, 1e-12);
    }
    void attendLibre() {
        EXPECT_EQ(dessines(kNoms), kTout);
        EXPECT_TRUE(texteContientLigne(phrase(kPhraseParDefaut, "ABC"))) << texte();
        EXPECT_FALSE(texteContientLigne(phrase(kPhraseIsole, "ABC")));
        EXPECT_FALSE(marquee(199));
        // A later menu update marks nothing again.
        // A later menu update marks nothing again: "Plan de face maintenu de
        // face" and its opposite each update the menu.
        ligne(phrase(kPhraseFaceMaintenu));
        ligne(phrase(2304));
        EXPECT_FALSE(marquee(199));
        EXPECT_EQ(dessines(kNoms), kTout);
    }
    // Command 199 through its dialog: plane ABC, the turn answered by oui.
    void isoleParLeDialogue(bool oui) {
        ASSERT_FALSE(marquee(199));
        commande(199);
        ASSERT_NE(fenetreDialogue(), nullptr);
        // The turn answer starts on the figure's turn setting, not on the
        // front-plane setting.
        const TListeDialogue& l = fenetreDialogue()->listeOptions;
        ASSERT_EQ(l.entrees.size(), 2u);
        EXPECT_EQ(l.entrees[0], phrase(fig().tourneVersPlanIsole ? kPhraseOui : kPhraseNon));
        remplit(1, "ABC");
        choisitOption(phrase(oui ? kPhraseOui : kPhraseNon));
        valide();
        ASSERT_EQ(fenetreDialogue(), nullptr) << derniereBoite();
    }
};

TEST_P(PlanIsoleHote, EveryRoadOnAndOffAgreesOnDrawingTextAndMenu) {
    ASSERT_EQ(dessines(kNoms), kTout);
    ASSERT_FALSE(marquee(199));

    ligne(phrase(kPhraseIsole, "ABC"));
    ASSERT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
    attendIsole();
    EXPECT_EQ(KMKeyDown(n, platform::VK_ESCAPE), 0);
    attendLibre();

    ligne(phrase(kPhraseIsole, "ABC"));
    attendIsole();
    commande(199); // on: switches it off
    attendLibre();

    isoleParLeDialogue(false);
    attendIsole();
    EXPECT_FALSE(texteContientLigne(phrase(kPhraseFaceMaintenu)));
    commande(199);
    attendLibre();

    ligne(phrase(2300)); // "Ne plus isoler un plan" on a figure already free
    attendLibre();
}

// Yes to the turn: the view looks along the plane's normal, the answer is
// kept as the isolated plane's own setting (the next dialog offers it
// first), and the front plane stays as it was.
TEST_P(PlanIsoleHote, TheTurnAnswerTurnsTheViewAndIsTheIsolatedPlanesOwn) {
    fig().tourneVersPlanIsole = 0;
    isoleParLeDialogue(true);
    attendIsole();
    EXPECT_NEAR(std::fabs(fig().directionVue[2]), 1, 1e-9);
    EXPECT_EQ(fig().planDeFaceMaintenu, 0);
    EXPECT_FALSE(marquee(200));
    EXPECT_FALSE(texteContientLigne(phrase(kPhraseFaceMaintenu)));
    EXPECT_EQ(fig().tourneVersPlanIsole, 1);
    commande(199);
    attendLibre();
    isoleParLeDialogue(false);
    EXPECT_EQ(fig().tourneVersPlanIsole, 0);
    attendIsole();
}

INSTANTIATE_TEST_SUITE_P(Langues, PlanIsoleHote, ::testing::Values(int16_t(1), int16_t(2)));

} // namespace
} // namespace km32::essais
