// Animated view turns as a host reaches them (a key command object through
// KMKeyPress and KMExecuteCommande, the front-plane dialog of command 198),
// with no message loop run between: every turn ends on the plane's normal
// within the call, repainting at each step, and leaves its final view on the
// view history and in the text.
#include <cmath>

#include "drawing/rafraichissement.h"
#include "etats_figure_banc.h"
#include "platform/horloge.h"
#include "platform/surfaces_fenetres.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "A point de coordonnées (1,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (0,1,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,0,1) dans le repère Rxyz\r\n"
                            "F1 (touche F) vue de face du plan oxy en 2 étape(s)\r\n"
                            "G1 (touche G) vue de face du plan ABC en 5 étape(s)\r\n";

int& repeints() {
    static int n = 0;
    return n;
}
p::ContexteDessin* contexteCompte(uint32_t fenetre) {
    ++repeints();
    return p::contexteDeFenetre(fenetre);
}

class VueAnimeeHote : public BancEtatsFigure, public ::testing::WithParamInterface<int16_t> {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        figureDeTexte(kFigure);
        KMappliqueLangue(GetParam());
        etatRafraichissement().contexteDeFenetre = contexteCompte;
    }
    void TearDown() override {
        etatRafraichissement().contexteDeFenetre = p::contexteDeFenetre;
        BancEtatsFigure::TearDown();
    }
    int historique() { return fig().historiqueVues ? fig().historiqueVues->nombre : 0; }
    // Runs the turn and checks what it must leave: the viewer looks along
    // the unit normal (x, y, z), at least `etapes` repaints and as many
    // timer intervals went by inside the call, one more view on the history.
    template <class Tour> void attendTour(Tour tour, int etapes, double x, double y, double z) {
        const int h = historique();
        const int64_t debut = p::maintenantMs();
        repeints() = 0;
        const double* d = fig().directionVue;
        ASSERT_GT(std::fabs(d[0] * x + d[1] * y + d[2] * z), 0.1) << "already there";
        ASSERT_LT(std::fabs(d[0] * x + d[1] * y + d[2] * z), 0.99) << "already there";
        tour();
        EXPECT_NEAR(std::fabs(d[0] * x + d[1] * y + d[2] * z), 1, 1e-9);
        EXPECT_GE(repeints(), etapes);
        EXPECT_GE(p::maintenantMs() - debut, int64_t(etapes) * fig().intervalleHorloge);
        EXPECT_EQ(historique(), h + 1);
        EXPECT_FALSE(marquee(99)); // nothing keeps running
        // The text holds the final view: read again, it looks the same way.
        const double avant[3] = {d[0], d[1], d[2]};
        const std::string t = texte();
        KMExecuterTexte(n, t.c_str());
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(fig().directionVue[k], avant[k], 1e-4) << k;
    }
};

TEST_P(VueAnimeeHote, EveryRoadTurnsAllTheWayWithinTheCall) {
    const double r3 = 1 / std::sqrt(3.0);
    // The key f: the plane oxy, normal (0, 0, 1), in 2 steps.
    attendTour([&] { KMKeyPress(n, 'f'); }, 2, 0, 0, 1);
    // The command by name: the plane ABC, x + y + z = 1, in 5 steps.
    attendTour([&] { KMExecuteCommande(n, "G1"); }, 5, r3, r3, r3);
    // The front-plane dialog (command 198): plane oxz in 3 steps.
    attendTour(
        [&] {
            commande(198);
            ASSERT_NE(fenetreDialogue(), nullptr);
            remplit(1, "oxz");
            remplit(2, "3");
            valide();
            EXPECT_EQ(fenetreDialogue(), nullptr) << derniereBoite();
        },
        3, 0, 1, 0);
    // The dialog stored the front plane and its steps: they are written.
    // (the plane oxz is written by its axes in the frame's order, ozx).
    std::string l = phrase(2240, "ozx");
    l.replace(l.find("#2"), 2, "3");
    EXPECT_TRUE(texteContientLigne(l)) << texte();
}

// A front view whose step count is an expression worth 0 shares the turn
// among no step: the view does not move and no time passes, by its key or by
// its name; the view as it stands goes on the history. The same command in
// m + 2 steps turns all the way to the plane's normal.
class VueDeFaceSansEtape : public BancEtatsFigure {};

TEST_F(VueDeFaceSansEtape, ZeroStepsTurnNothing) {
    figureDeTexte(std::string(kFigure) + "m = 0\r\n"
                                         "H1 (touche H) vue de face du plan ABC en m étape(s)\r\n"
                                         "J1 (touche J) vue de face du plan ABC en m+2 étape(s)\r\n");
    const double* d = fig().directionVue;
    const double avant[3] = {d[0], d[1], d[2]};
    const double r3 = 1 / std::sqrt(3.0);
    ASSERT_LT(std::fabs(d[0] * r3 + d[1] * r3 + d[2] * r3), 0.99) << "already there";
    auto historique = [&] { return fig().historiqueVues ? fig().historiqueVues->nombre : 0; };
    for (int essai = 0; essai < 2; ++essai) {
        const int h = historique();
        const int64_t debut = p::maintenantMs();
        if (essai == 0)
            KMKeyPress(n, 'h');
        else
            KMExecuteCommande(n, "H1");
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(d[k], avant[k]) << essai << " " << k;
        EXPECT_EQ(p::maintenantMs(), debut) << essai;
        EXPECT_EQ(historique(), h + 1) << essai;
    }
    const int64_t debut = p::maintenantMs();
    KMKeyPress(n, 'j');
    EXPECT_NEAR(std::fabs(d[0] * r3 + d[1] * r3 + d[2] * r3), 1, 1e-9);
    EXPECT_GE(p::maintenantMs() - debut, int64_t(2) * fig().intervalleHorloge);
}

INSTANTIATE_TEST_SUITE_P(Langues, VueAnimeeHote, ::testing::Values(int16_t(1), int16_t(2)));

} // namespace
} // namespace km32::essais
