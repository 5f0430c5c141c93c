// The figure's keys as a host hands them over (KMKeyDown for a virtual key,
// KMKeyPress for a character, traiteMessageKMParNumero for a command): the
// standard views and the initial view, turning and panning the view, the
// zoom keys, help, Escape, the repeat command and the keys that open the
// figure's windows.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "drawing/vue_operations.h"
#include "etats_figure_banc.h"
#include "model/fenetres_figure.h"
#include "platform/aide.h"
#include "platform/entrees.h"
#include "platform/minuteries.h"
#include "sibling/codes_annexes.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

constexpr double kPi = std::numbers::pi;
const char* const kFigure = "A point de coordonnées (1,2,3) dans le repère Rxyz\r\n"
                            "B point de coordonnées (-2,1,0.5) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n";

class ToucheVueHote : public BancEtatsFigure {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        figureDeTexte(kFigure);
    }
    void TearDown() override {
        p::fixeModificateurs(false, false, false);
        BancEtatsFigure::TearDown();
    }
    // A virtual key with the modifiers held, as the host's window gets it.
    uint8_t toucheHote(uint32_t vk, bool maj = false, bool ctrl = false) {
        p::fixeModificateurs(maj, ctrl, false);
        const uint8_t r = KMKeyDown(n, uint16_t(vk));
        p::fixeModificateurs(false, false, false);
        p::distribueJusquAuRepos();
        return r;
    }
    uint8_t caractereHote(char c, bool maj = false) {
        p::fixeModificateurs(maj, false, false);
        const uint8_t r = KMKeyPress(n, uint8_t(c));
        p::fixeModificateurs(false, false, false);
        p::distribueJusquAuRepos();
        return r;
    }
    // A view away from every standard one, the figure then unchanged.
    void vueQuelconque() {
        fixeVueEtMemorise(fig(), 0.4, 0.3, 0.2);
        fig().modifiee = 0;
    }
    void attendAngles(double v, double h, double fr) {
        EXPECT_NEAR(fig().anglesVue[0], v, 1e-12);
        EXPECT_NEAR(fig().anglesVue[1], h, 1e-12);
        EXPECT_NEAR(fig().anglesVue[2], fr, 1e-12);
    }
    // Where A is drawn: the view as the user sees it.
    p::Point ecranA() { return ecran(pt("A")); }
};

TEST_F(ToucheVueHote, StandardAndInitialViewKeysNeedTheirCommand) {
    const double initiale[3] = {0.1, -0.7, 0.25};
    for (int k = 0; k < 3; ++k)
        fig().anglesVueInitiale[k] = initiale[k];
    struct Cas {
        const char* nom;
        uint32_t touche;
        bool maj, ctrl;
        uint32_t commande;
        double angles[3];
    };
    const Cas cas[] = {
        {"F7", p::VK_F1 + 6, false, false, 179, {0, 0, 0}},
        {"F8", p::VK_F1 + 7, false, false, 152, {0, kPi / 2, kPi / 2}},
        {"F9", p::VK_F1 + 8, false, false, 195, {-kPi / 2, 0, 0}},
        {"Shift+F1", p::VK_F1, true, false, 177, {initiale[0], initiale[1], initiale[2]}},
        {"Ctrl+F1", p::VK_F1, false, true, 177, {initiale[0], initiale[1], initiale[2]}},
        {"Shift+Ctrl+F1", p::VK_F1, true, true, 177, {initiale[0], initiale[1], initiale[2]}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        vueQuelconque();
        EXPECT_EQ(toucheHote(c.touche, c.maj, c.ctrl), 1);
        attendAngles(c.angles[0], c.angles[1], c.angles[2]);
        EXPECT_EQ(KMfigureModifiee(n), 1);

        // The command forbidden in the figure's menus: the key does nothing.
        fig().commandesAutorisees.reset(c.commande);
        vueQuelconque();
        EXPECT_EQ(toucheHote(c.touche, c.maj, c.ctrl), 0);
        attendAngles(0.4, 0.3, 0.2);
        EXPECT_EQ(KMfigureModifiee(n), 0);
        fig().commandesAutorisees.set(c.commande);
    }
}

TEST_F(ToucheVueHote, ShiftArrowsTurnByTheKeyboardStepAboutAFixedAxis) {
    // 72 steps of 5 degrees about one axis are a whole turn: the figure is
    // seen as before; one step and its opposite cancel out.
    struct Cas {
        const char* nom;
        uint32_t touche, inverse;
    };
    const Cas cas[] = {
        {"Shift+Right", p::VK_RIGHT, p::VK_LEFT},
        {"Shift+Down", p::VK_DOWN, p::VK_UP},
        {"Shift+Page Up", p::VK_PRIOR, p::VK_NEXT},
    };
    ASSERT_DOUBLE_EQ(fig().pasClavier, 5.0);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        vueQuelconque();
        const p::Point depart = ecranA();
        EXPECT_EQ(toucheHote(c.touche, true), 1);
        EXPECT_NE(ecranA(), depart);
        EXPECT_EQ(toucheHote(c.inverse, true), 1);
        EXPECT_NEAR(ecranA().x, depart.x, 2);
        EXPECT_NEAR(ecranA().y, depart.y, 2);
        for (int k = 0; k < 72; ++k)
            ASSERT_EQ(toucheHote(c.touche, true), 1) << k;
        EXPECT_NEAR(ecranA().x, depart.x, 2);
        EXPECT_NEAR(ecranA().y, depart.y, 2);
        // Half a turn shows the figure mirrored about the turning axis: A
        // moves.
        for (int k = 0; k < 36; ++k)
            toucheHote(c.touche, true);
        EXPECT_NE(ecranA(), depart);
    }
}

TEST_F(ToucheVueHote, TurningKeysStopWhereTheViewMayNotTurn) {
    // The front plane kept: the arrows with Shift do nothing, Page Up and
    // Page Down still turn in the plane of the screen.
    EXPECT_EQ(commande(200), 0);
    ASSERT_EQ(fig().planDeFaceMaintenu, 1);
    vueQuelconque();
    const p::Point depart = ecranA();
    for (uint32_t vk : {p::VK_UP, p::VK_DOWN, p::VK_LEFT, p::VK_RIGHT})
        EXPECT_EQ(toucheHote(vk, true), 0) << vk;
    EXPECT_EQ(ecranA(), depart);
    EXPECT_EQ(toucheHote(p::VK_NEXT, true), 1);
    EXPECT_NE(ecranA(), depart);
    commande(200);

    // View changes forbidden by the figure text: no key turns it.
    ligne(phrase(2246));
    ASSERT_EQ(fig().changementVuePermis, 0);
    vueQuelconque();
    const p::Point fige = ecranA();
    for (uint32_t vk : {p::VK_UP, p::VK_DOWN, p::VK_LEFT, p::VK_RIGHT, p::VK_PRIOR, p::VK_NEXT})
        EXPECT_EQ(toucheHote(vk, true), 0) << vk;
    EXPECT_EQ(ecranA(), fige);
}

TEST_F(ToucheVueHote, ShiftCtrlArrowsMoveTheViewByFivePixels) {
    struct Cas {
        const char* nom;
        uint32_t touche;
        int dx, dy;
    };
    const Cas cas[] = {
        {"Up", p::VK_UP, 0, -5},
        {"Down", p::VK_DOWN, 0, 5},
        {"Left", p::VK_LEFT, -5, 0},
        {"Right", p::VK_RIGHT, 5, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        fig().modifiee = 0;
        const double fx = fig().fractionsCentre[0], fy = fig().fractionsCentre[1];
        EXPECT_EQ(toucheHote(c.touche, true, true), 1);
        EXPECT_NEAR(fig().fractionsCentre[0], fx + c.dx / double(fig().largeurImage), 1e-12);
        EXPECT_NEAR(fig().fractionsCentre[1], fy + c.dy / double(fig().hauteurImage), 1e-12);
        EXPECT_EQ(KMfigureModifiee(n), 1);
    }
    // Ctrl alone with an arrow is the arrow itself: with no active free
    // object nothing moves.
    const double fx = fig().fractionsCentre[0];
    EXPECT_EQ(toucheHote(p::VK_RIGHT, false, true), 0);
    EXPECT_EQ(fig().fractionsCentre[0], fx);
}

TEST_F(ToucheVueHote, AngleBracketsZoomWhenTheirCommandIsAllowed) {
    const double zoom = fig().uniteSurPetiteDimension;
    EXPECT_EQ(caractereHote('>'), 1);
    EXPECT_NEAR(fig().uniteSurPetiteDimension, zoom * 1.05, 1e-12);
    EXPECT_EQ(caractereHote('<'), 1);
    EXPECT_NEAR(fig().uniteSurPetiteDimension, zoom, 1e-12);
    fig().commandesAutorisees.reset(86);
    fig().commandesAutorisees.reset(87);
    EXPECT_EQ(caractereHote('>'), 0);
    EXPECT_EQ(caractereHote('<'), 0);
    EXPECT_NEAR(fig().uniteSurPetiteDimension, zoom, 1e-12);
}

TEST_F(ToucheVueHote, AZoomFromATextIsKeptWithinTheBoundsThatTheKeysKeep) {
    // Each road that reads the zoom line: a file opened by its name, a text
    // run in the figure, a line typed by the user.
    const struct {
        const char* valeur;
        double zoom;
    } cas[] = {{"0", kZoomMinimal},      {"-2", kZoomMinimal}, {"0.00001", kZoomMinimal},
               {"0.0001", kZoomMinimal}, {"0.25", 0.25},       {"10000", kZoomMaximal},
               {"100000", kZoomMaximal}};
    const std::filesystem::path fichier = std::filesystem::path(testing::TempDir()) / "zoom_borne.kmf";
    for (const auto& c : cas) {
        const std::string ligneZoom =
            windows1252DeUtf8("Uxyz par rapport à la petite dimension de la fenêtre: ") + c.valeur;
        for (const char* route : {"file", "text", "typed line"}) {
            SCOPED_TRACE(testing::Message() << c.valeur << " from a " << route);
            int16_t m = n;
            const std::string texte = "Figure Kalmetra\r\n" + ligneZoom + "\r\nFin de la figure";
            if (std::string(route) == "file") {
                std::ofstream(fichier, std::ios::binary) << texte;
                m = KMCreeFigEtRenvoieNumero(hote, fichier.string().c_str(), nullptr, nullptr);
                ASSERT_GT(m, 0);
                EXPECT_EQ(KMLigneEnErreur(m), 0);
            } else if (std::string(route) == "text") {
                KMExecuterTexte(n, texte.c_str());
                EXPECT_EQ(KMLigneEnErreur(n), 0);
            } else {
                ligne(ligneZoom);
                EXPECT_EQ(KMLigneEnErreur(n), 0);
            }
            TfigureKalmetra& f = *figureDeNumero(m);
            EXPECT_DOUBLE_EQ(f.uniteSurPetiteDimension, c.zoom);
            // A picture: a positive scale and finite projection coefficients.
            EXPECT_GT(f.echelle, 0);
            for (double k : f.coefficientsProjection)
                EXPECT_TRUE(std::isfinite(k));
            if (m != n) KMDetruitFigure(m);
        }
    }
    std::filesystem::remove(fichier);
}

TEST_F(ToucheVueHote, AtTheZoomBoundsOnlyTheStepBackIsTaken) {
    // At a bound, the step beyond it is refused and the one back taken; a
    // zoom left outside the bounds takes the step towards them only.
    const struct {
        const char* nom;
        double zoom;
        char touche;
        bool pris;
    } cas[] = {
        {"at the least, <", kZoomMinimal, '<', false},
        {"at the least, >", kZoomMinimal, '>', true},
        {"at the most, >", kZoomMaximal, '>', false},
        {"at the most, <", kZoomMaximal, '<', true},
        {"above the most, <", 2 * kZoomMaximal, '<', true},
        {"above the most, >", 2 * kZoomMaximal, '>', false},
        {"below the least, >", kZoomMinimal / 2, '>', true},
        {"below the least, <", kZoomMinimal / 2, '<', false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        fig().uniteSurPetiteDimension = c.zoom;
        EXPECT_EQ(caractereHote(c.touche), c.pris ? 1 : 0);
        const double facteur = c.touche == '>' ? 1.05 : 1 / 1.05;
        EXPECT_DOUBLE_EQ(fig().uniteSurPetiteDimension, c.pris ? c.zoom * facteur : c.zoom);
    }
}

TEST_F(ToucheVueHote, HelpKeysOpenTheContentsOrTheReplayTopic) {
    struct Cas {
        const char* nom;
        bool parCaractere;
    };
    for (const Cas& c : {Cas{"?", true}, Cas{"F1", false}}) {
        SCOPED_TRACE(c.nom);
        for (const bool rejeu : {false, true}) {
            if (rejeu) commande(94);
            ASSERT_EQ(fig().modePasAPas, rejeu ? 1 : 0);
            p::aidesDemandees().clear();
            EXPECT_EQ(c.parCaractere ? caractereHote('?') : toucheHote(p::VK_F1), 1);
            ASSERT_EQ(p::aidesDemandees().size(), 1u);
            const p::DemandeAide& d = p::aidesDemandees()[0];
            EXPECT_EQ(d.fenetre, fig().fenetreDessin);
            EXPECT_EQ(d.commande, rejeu ? 1u : 3u);
            if (rejeu) {
                EXPECT_EQ(d.donnee, 94u);
            }
            // Escape leaves the replay and answers 0.
            if (rejeu) {
                EXPECT_EQ(toucheHote(p::VK_ESCAPE), 0);
                EXPECT_EQ(fig().modePasAPas, 0);
            }
        }
    }
}

TEST_F(ToucheVueHote, EscapeStopsTheClockFirstThenHasNothingToDo) {
    EXPECT_EQ(caractereHote('T', true), 0); // Shift+T starts the clock
    ASSERT_EQ(fig().horlogeEnMarche, 1);
    EXPECT_TRUE(p::minuterieExiste(fenetreDeLaFigure(fig()), 271));
    EXPECT_EQ(toucheHote(p::VK_ESCAPE), 1);
    EXPECT_EQ(fig().horlogeEnMarche, 0);
    EXPECT_FALSE(p::minuterieExiste(fenetreDeLaFigure(fig()), 271));
    EXPECT_EQ(toucheHote(p::VK_ESCAPE), 0);
}

TEST_F(ToucheVueHote, RepeatRunsTheLastCommandAndNothingWithoutOne) {
    const std::string avant = texte();
    fig().derniereCommande = 0;
    EXPECT_EQ(commande(81), 1);
    EXPECT_EQ(texte(), avant);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(fig().traitsEpais, 0);
    // The last command thick lines: repeated, it switches them on, and once
    // more off.
    fig().derniereCommande = 117;
    EXPECT_EQ(commande(81), 1);
    EXPECT_EQ(fig().traitsEpais, 1);
    EXPECT_EQ(caractereHote(2), 1); // Ctrl+B
    EXPECT_EQ(fig().traitsEpais, 0);
    // Nothing is repeated while the clock runs.
    caractereHote('T', true);
    EXPECT_EQ(commande(81), 0);
    EXPECT_EQ(caractereHote(2), 0);
    EXPECT_EQ(fig().traitsEpais, 0);
}

TEST_F(ToucheVueHote, KeysOpenTheFiguresWindowsAndWaitWhileOneIsOpen) {
    const TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    // F2: the reminders window of the figure.
    EXPECT_EQ(toucheHote(p::VK_F1 + 1), 0);
    EXPECT_EQ(t.codeAnnexe, kAnnexeRappels);
    // While it is open the figure's keys wait.
    vueQuelconque();
    EXPECT_EQ(toucheHote(p::VK_F1 + 6), 0);
    attendAngles(0.4, 0.3, 0.2);
    EXPECT_EQ(caractereHote('>'), 0);
    // And so does the figure clock: a tick of timer 271 changes no time.
    const TObjetFigure& temps = objet(fig(), 3);
    fig().valeurs[temps.premiereValeur] = -1;
    KMMessage tic{p::WM_TIMER, 271, 0, 0};
    EXPECT_EQ(traiteMessageKMParNumero(n, &tic), 0);
    EXPECT_EQ(fig().valeurs[temps.premiereValeur], -1);
    p::envoieMessage(t.fenetreMereKM, p::WM_USER + 1053, 0, 0);
    p::distribueJusquAuRepos();
    ASSERT_EQ(t.codeAnnexe, 0);
    // Closed: the tick sets the time of day again.
    EXPECT_EQ(traiteMessageKMParNumero(n, &tic), 1);
    EXPECT_GE(fig().valeurs[temps.premiereValeur], 0);

    // Two of Ctrl, Shift and Alt with E held: the figure text editor.
    p::fixeToucheEnfoncee('E', true);
    p::fixeModificateurs(true, true, false);
    EXPECT_EQ(KMKeyDown(n, 'E'), 1);
    p::fixeModificateurs(false, false, false);
    p::fixeToucheEnfoncee('E', false);
    p::distribueJusquAuRepos();
    EXPECT_EQ(t.codeAnnexe, kAnnexeEditeurFigure);
    p::envoieMessage(t.fenetreMereKM, p::WM_USER + 1053, 0, 0);
    p::distribueJusquAuRepos();

    // Ctrl+M: the modify dialog (command 91) on the drawing window.
    EXPECT_EQ(caractereHote(13 /* Ctrl+M */), 1);
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fig().commandeDialogue, 91);
    EXPECT_EQ(t.codeAnnexe, kAnnexeDialogue);
}

} // namespace
} // namespace km32::essais
