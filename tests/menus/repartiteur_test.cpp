// The dispatcher: commands routed to their handlers, keys translated into
// key actions, the figure clock, and the "Dialog:" lines of the host.
#include <cmath>
#include <numbers>

#include "banc_menus.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/filtre_menus.h"
#include "model/fenetres_figure.h"
#include "platform/boites.h"
#include "sibling/table_partagee.h"
#include "platform/entrees.h"
#include "platform/horloge.h"
#include "platform/minuteries.h"

namespace km32::essais {
namespace {

namespace p = platform;

class Repartiteur : public BancMenus {
  protected:
    uint8_t commande(uint32_t k) {
        TMessageFigure m{p::WM_COMMAND, k, 0, 0};
        return traiteMessageKMParNumero(1, m);
    }
    uint8_t touche(uint32_t vk, bool maj = false, bool ctrl = false) {
        p::fixeModificateurs(maj, ctrl, false);
        TMessageFigure m{p::WM_KEYDOWN, vk, 0, 0};
        const uint8_t r = traiteMessageKMParNumero(1, m);
        p::fixeModificateurs(false, false, false);
        return r;
    }
    uint8_t caractere(uint32_t c, bool maj = false) {
        p::fixeModificateurs(maj, false, false);
        TMessageFigure m{p::WM_CHAR, c, 0, 0};
        const uint8_t r = traiteMessageKMParNumero(1, m);
        p::fixeModificateurs(false, false, false);
        return r;
    }
};

TEST_F(Repartiteur, CommandsReachTheirHandlers) {
    struct Cas {
        uint32_t commande;
        uint8_t (*lit)(const TfigureKalmetra&);
    };
    const Cas cas[] = {
        {80, [](const TfigureKalmetra& g) { return g.nomsPointsAffiches; }},
        {117, [](const TfigureKalmetra& g) { return g.traitsEpais; }},
        {183, [](const TfigureKalmetra& g) { return g.filDeFer; }},
        {215, [](const TfigureKalmetra& g) { return g.partiesCacheesPointillees; }},
        {121, [](const TfigureKalmetra& g) { return g.imageLimitee; }},
        {200, [](const TfigureKalmetra& g) { return g.planDeFaceMaintenu; }},
        {193, [](const TfigureKalmetra& g) { return g.projectionOblique; }},
        {99, [](const TfigureKalmetra& g) { return g.horlogeEnMarche; }},
        {178, [](const TfigureKalmetra& g) { return uint8_t(estDessine(g.objets[1].style)); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commande);
        const uint8_t avant = c.lit(f());
        commande(c.commande);
        EXPECT_NE(c.lit(f()), avant);
        commande(c.commande);
        EXPECT_EQ(c.lit(f()), avant);
    }
    // Thick lines become the shared default.
    commande(117);
    EXPECT_EQ(TQTableDesVariablesPartagees()->traitsEpaisDefaut, 1);
}

TEST_F(Repartiteur, ViewCommandsTurnAndScaleTheView) {
    commande(179);
    EXPECT_NEAR(f().anglesVue[0], 0, 1e-12);
    EXPECT_NEAR(f().anglesVue[1], 0, 1e-12);
    commande(152);
    EXPECT_NEAR(f().anglesVue[1], std::numbers::pi / 2, 1e-12);
    EXPECT_NEAR(f().anglesVue[2], std::numbers::pi / 2, 1e-12);
    commande(171); // back to the previous view
    EXPECT_NEAR(f().anglesVue[1], 0, 1e-12);
    const double zoom = f().uniteSurPetiteDimension;
    commande(86);
    EXPECT_NEAR(f().uniteSurPetiteDimension, zoom * 1.05, 1e-12);
    commande(87);
    EXPECT_NEAR(f().uniteSurPetiteDimension, zoom, 1e-12);
}

TEST_F(Repartiteur, ForbiddenViewTogglesAndTheDialogCommands) {
    f().commandesAutorisees.reset(80);
    commande(80);
    EXPECT_EQ(f().nomsPointsAffiches, 1);
    // Construction commands and 301 open the construction dialog, a
    // prototype command only for a prototype the figure has.
    for (uint32_t k : {1u, 301u}) {
        EXPECT_EQ(commande(k), 0);
        ASSERT_NE(fenetreDialogue(), nullptr) << k;
        EXPECT_EQ(f().commandeDialogue, k);
        fenetreDialogue()->annule = true;
        fermeDialogue(*fenetreDialogue());
        platform::distribueJusquAuRepos();
        EXPECT_EQ(fenetreDialogue(), nullptr);
    }
    EXPECT_EQ(commande(1001), 0);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    const int refusees = etatRepartiteur().commandesRefusees;
    EXPECT_EQ(commande(0), 0);
    EXPECT_EQ(commande(290), 0);
    EXPECT_EQ(etatRepartiteur().commandesRefusees, refusees);
}

TEST_F(Repartiteur, TraceModesNeedATracedSet) {
    EXPECT_EQ(commande(82), 0);
    EXPECT_EQ(f().modeTrace, 0);
    ASSERT_FALSE(p::boitesDemandees().empty());
    EXPECT_EQ(p::boitesDemandees().back().titre, phraseDeNumero(11265));
    f().ensembleTrace.set(7);
    EXPECT_EQ(commande(82), 1);
    EXPECT_EQ(f().modeTrace, 1);
    const p::Menu m = menuConstruitDeLaFigure(f());
    EXPECT_TRUE(coche(m, 82));
    EXPECT_TRUE(grise(m, 83));
    // Escape leaves the trace mode.
    EXPECT_EQ(touche(p::VK_ESCAPE), 1);
    EXPECT_EQ(f().modeTrace, 0);
    EXPECT_FALSE(coche(m, 82));
}

TEST_F(Repartiteur, KeysBecomeKeyActions) {
    // Shift+N toggles the names, F7 the front view, Shift+Right turns the view.
    EXPECT_EQ(caractere('n', true), 1);
    EXPECT_EQ(f().nomsPointsAffiches, 0);
    EXPECT_EQ(caractere('n'), 0); // without Shift: the key commands (none)
    EXPECT_EQ(f().nomsPointsAffiches, 0);
    EXPECT_EQ(touche(p::VK_F1 + 6), 1);
    EXPECT_NEAR(f().anglesVue[0], 0, 1e-12);
    const double h = f().anglesVue[0];
    EXPECT_EQ(touche(p::VK_RIGHT, true), 1);
    EXPECT_NE(f().anglesVue[0], h);
    // A forbidden key code, and every key during a drag, do nothing.
    f().touchesInterdites.set(221);
    f().anglesVue[0] = 1;
    EXPECT_EQ(touche(p::VK_F1 + 6), 0);
    EXPECT_EQ(f().anglesVue[0], 1);
    f().touchesInterdites.reset();
    f().etatGlisser = std::make_unique<TetatGlisser>();
    EXPECT_EQ(touche(p::VK_F1 + 6), 0);
    f().etatGlisser.reset();
}

TEST_F(Repartiteur, EnterSwallowsItsCarriageReturn) {
    EXPECT_EQ(touche(p::VK_RETURN), 1);
    EXPECT_TRUE(etatRepartiteur().avaleEntree);
    EXPECT_EQ(caractere('\r'), 0);
    EXPECT_FALSE(etatRepartiteur().avaleEntree);
}

TEST_F(Repartiteur, CtrlPlusShowsTheViewStep) {
    EXPECT_EQ(touche(p::VK_ADD), 0); // without Ctrl: nothing
    EXPECT_EQ(touche(p::VK_ADD, false, true), 1);
    EXPECT_TRUE(etatRepartiteur().modeChangementValeur);
    EXPECT_EQ(f().boiteValeurDemandee, 1);
    EXPECT_EQ(f().texteBoiteValeur, "5\xB0");
    // Without an active free object the plain '+' does nothing.
    reinitialiseRepartiteur();
    f().boiteValeurDemandee = 0;
    EXPECT_EQ(caractere('+'), 0);
    EXPECT_EQ(f().boiteValeurDemandee, 0);
}

TEST_F(Repartiteur, CtrlBRepeatsTheLastCommand) {
    f().derniereCommande = 117;
    EXPECT_EQ(caractere(2), 1); // Ctrl+B
    EXPECT_EQ(dernierMessage(f()).wParam, 117u);
    p::distribueJusquAuRepos();
    EXPECT_EQ(f().traitsEpais, 1);
    f().derniereCommande = 0;
    EXPECT_EQ(caractere(2), 0);
}

TEST_F(Repartiteur, TimersAboveTheClockAreRefused) {
    TMessageFigure m{p::WM_TIMER, 272, 0, 0};
    EXPECT_EQ(traiteMessageKMParNumero(1, m), 0);
    EXPECT_EQ(traiteMessageKMParNumero(9, m), 0); // no figure
}

TEST_F(Repartiteur, TheClockFollowsTheVirtualTime) {
    const TObjetFigure& temps = f().objets[3];
    p::fixeHeureVirtuelle(3600.0);
    EXPECT_EQ(caractere('t', true), 0); // Shift+T starts the clock
    EXPECT_EQ(f().horlogeEnMarche, 1);
    p::avance(250);
    EXPECT_NEAR(f().valeurs[temps.premiereValeur], 3600.2, 1e-9); // ticks at 100 and 200 ms
    EXPECT_EQ(f().dernierLibreBouge, 3);
    p::avance(1000);
    EXPECT_NEAR(f().valeurs[temps.premiereValeur], 3601.2, 1e-9);
    caractere('t', true);
    EXPECT_EQ(f().horlogeEnMarche, 0);
    EXPECT_FALSE(p::minuterieExiste(fenetreDeLaFigure(f()), 271));
    p::avance(500);
    EXPECT_NEAR(f().valeurs[temps.premiereValeur], 3601.2, 1e-9);
}

TEST_F(Repartiteur, DesignationsApplyToThePendingCommand) {
    const int a = ajouteNombre(1, "a", 1, 74);
    const int b = ajouteNombre(1, "b", 2, 74);
    struct Cas {
        uint16_t commande;
        uint16_t masque;
        bool pose;
    };
    const Cas cas[] = {{96, 0x10, true}, {97, 0x10, false}, {107, 8, true},
                       {108, 8, false},  {110, 4, true},    {109, 4, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commande);
        commande(c.commande);
        EXPECT_EQ(f().commandeDesignation, c.commande);
        f().ensembleDesigne.set(a);
        appliqueDesignation(f());
        EXPECT_EQ((f().objets[a].drapeaux & c.masque) != 0, c.pose);
        EXPECT_EQ(f().objets[b].drapeaux & c.masque, 0);
        EXPECT_EQ(f().commandeDesignation, 0);
        EXPECT_EQ(f().derniereCommande, c.commande);
        EXPECT_TRUE(f().ensembleDesigne.none());
    }
    commande(84);
    f().ensembleDesigne.set(b);
    appliqueDesignation(f());
    EXPECT_TRUE(f().ensembleTrace.test(b));
    commande(84); // nothing designated: the traced set empties
    appliqueDesignation(f());
    EXPECT_TRUE(f().ensembleTrace.none());
}

TEST_F(Repartiteur, DialogLinesRunTheCommandOfAMenuCode) {
    KMExecuteLigneFigEtRedessine(1, "Dialog: 4-12");
    EXPECT_EQ(f().filDeFer, 1);
    KMExecuteLigneFigEtRedessine(1, "Dialog: 9-9");
    EXPECT_EQ(f().filDeFer, 1);
}

class FiltreMenus : public BancMenus {};

TEST_F(FiltreMenus, ForbiddingAHeadingMovesItsWholeSubMenu) {
    TMessageFigure m{platform::WM_COMMAND, 114, 0, 0};
    traiteMessageKMParNumero(1, m);
    TBoiteFiltreMenu* b = boiteFiltreMenu();
    ASSERT_TRUE(b);
    EXPECT_TRUE(b->listeInterdits.empty());
    EXPECT_EQ(b->libelles.front().substr(0, 2), "2 ");
    auto selectionne = [b](uint16_t k) {
        for (std::size_t i = 0; i < b->listeAutorises.size(); ++i)
            if (b->listeAutorises[i] == k) b->selectionAutorises[i] = true;
    };
    BoutonInterditClick(*b); // nothing selected: nothing moves
    EXPECT_TRUE(b->listeInterdits.empty());
    selectionne(262);
    BoutonInterditClick(*b);
    EXPECT_EQ(b->listeInterdits.size(), 11u); // the heading and its ten commands
    // A heading stays allowed while one of its commands is.
    selectionne(94);
    BoutonInterditClick(*b);
    EXPECT_NE(std::find(b->listeAutorises.begin(), b->listeAutorises.end(), 235), b->listeAutorises.end());
    BoutonOkClick(*b);
    p::distribueJusquAuRepos();
    EXPECT_EQ(boiteFiltreMenu(), nullptr);
    EXPECT_FALSE(f().commandesAutorisees.test(193));
    EXPECT_FALSE(f().commandesAutorisees.test(94));
    EXPECT_EQ(p::nombreElementsMenu(menuConstruitDeLaFigure(f())), 5);
}

TEST_F(FiltreMenus, CancelLeavesTheFigureAsItWas) {
    const TEnsembleCommandes avant = f().commandesAutorisees;
    TMessageFigure m{platform::WM_COMMAND, 114, 0, 0};
    traiteMessageKMParNumero(1, m);
    TBoiteFiltreMenu* b = boiteFiltreMenu();
    ASSERT_TRUE(b);
    b->selectionAutorises.assign(b->selectionAutorises.size(), true);
    BoutonInterditClick(*b);
    EXPECT_TRUE(b->listeAutorises.empty());
    EXPECT_TRUE(toucheFiltre(*b, p::VK_ESCAPE));
    p::distribueJusquAuRepos();
    EXPECT_EQ(boiteFiltreMenu(), nullptr);
    EXPECT_EQ(f().commandesAutorisees, avant);
}

} // namespace
} // namespace km32::essais
