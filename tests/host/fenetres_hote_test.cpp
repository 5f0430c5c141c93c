#include <cmath>
#include "banc_hote.h"
#include "host/fenetre_figure.h"
#include "host/fenetre_mere.h"
#include "host/textes_hote.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "platform/entrees.h"
#include "platform/horloge.h"
#include "platform/minuteries.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

using FenetresHote = BancHote;
namespace p = platform;

TEST_F(FenetresHote, TheMotherWindowLivesFromStartToEndWithItsHandleInTheSharedTable) {
    const p::Fenetre mere = TQTableDesVariablesPartagees()->fenetreMereKM;
    ASSERT_NE(mere, 0u);
    EXPECT_TRUE(p::estFenetre(mere));
    EXPECT_FALSE(p::estAffichee(mere));
    EXPECT_EQ(p::titreFenetre(mere), "FenetreMereDLL");
    KMTermine();
    EXPECT_EQ(TQTableDesVariablesPartagees()->fenetreMereKM, 0u);
    EXPECT_FALSE(p::estFenetre(mere));
    KMInitialise();
    EXPECT_TRUE(p::estFenetre(TQTableDesVariablesPartagees()->fenetreMereKM));
}

TEST_F(FenetresHote, TheHostTimerFollowsTheHostWindow) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    TKMFen& forme = *formeDeNumero(1);
    EXPECT_EQ(forme.rectangleHote, (p::Rectangle{100, 100, 500, 400}));

    // Hidden form: the new rectangle is taken at the next tick, not before.
    p::placeFenetre(hote, {150, 120, 450, 420});
    p::avance(399);
    EXPECT_EQ(forme.rectangleHote, (p::Rectangle{100, 100, 500, 400}));
    p::avance(1);
    EXPECT_EQ(forme.rectangleHote, (p::Rectangle{150, 120, 450, 420}));

    // Shown form: a move hides it and the figure is drawn into the host window again.
    activeFormeFigure(1);
    EXPECT_TRUE(p::estAffichee(forme.fenetre));
    EXPECT_EQ(p::parentFenetre(forme.fenetre), hote);
    EXPECT_EQ(p::cadreFenetre(forme.fenetre), (p::Rectangle{0, 0, 300, 300}));
    EXPECT_EQ(figure(1).fenetreDessin, forme.fenetre);
    EXPECT_EQ(figure(1).fenetreProprietaire, hote);
    p::avance(400);
    EXPECT_TRUE(p::estAffichee(forme.fenetre)); // nothing moved
    p::placeFenetre(hote, {0, 0, 300, 300});
    p::avance(400);
    EXPECT_FALSE(p::estAffichee(forme.fenetre));
    EXPECT_EQ(figure(1).fenetreDessin, hote);
}

TEST_F(FenetresHote, LosingActivationTellsTheHostOfAModifiedFigureUnlessABoxIsOpen) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    const p::Fenetre autre = creeHote({600, 0, 700, 100});
    struct Cas {
        uint8_t modifiee;
        uint8_t boiteOuverte;
        bool avisAttendu;
    };
    for (const Cas c : {Cas{1, 0, true}, Cas{0, 0, false}, Cas{1, 1, false}}) {
        avis.clear();
        KMMouseDown(1, 1, 0, 10, 10); // activates the figure
        const p::Fenetre forme = formeDeNumero(1)->fenetre;
        ASSERT_EQ(p::fenetreActive(), forme);
        figure(1).modifiee = c.modifiee;
        etatMessages().boiteMessageOuverte = c.boiteOuverte;
        p::activeFenetre(autre);
        p::distribueJusquAuRepos();
        etatMessages().boiteMessageOuverte = 0;
        EXPECT_EQ(avis.size(), c.avisAttendu ? 1u : 0u);
        if (c.avisAttendu) {
            EXPECT_EQ(avis[0], (Avis{kAvisFigureModifiee, 0}));
        }
        // The form hides once the activation change is over (not while a box is open).
        EXPECT_EQ(p::estAffichee(forme), c.boiteOuverte == 1);
        desactiveFormeFigure(1);
    }
}

TEST_F(FenetresHote, ShiftAltClickAndMouseCode5SendTheHostCode2048) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    KMMouseDown(1, 1, 5, 20.4f, 30.6f);
    ASSERT_EQ(avis.size(), 1u);
    EXPECT_EQ(avis[0], (Avis{kAvisMajAltClic, 0}));

    avis.clear();
    p::fixeModificateurs(true, false, true);
    p::envoieMessage(formeDeNumero(1)->fenetre, p::WM_LBUTTONDOWN, 0, p::lParamDeCoordonnees(5, 5));
    p::fixeModificateurs(false, false, false);
    ASSERT_EQ(avis.size(), 1u);
    EXPECT_EQ(avis[0].code, kAvisMajAltClic);
}

TEST_F(FenetresHote, TheDoubleClicksOwnPressIsSwallowedNotTheNextOne) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    KMMouseDown(1, 1, 0, 10, 10); // activates the figure
    const p::Fenetre forme = formeDeNumero(1)->fenetre;
    // The menu opens and closes without a choice; the press of the double
    // click is taken with it, so nothing waits to swallow the next press.
    p::envoieMessage(forme, p::WM_LBUTTONDBLCLK, p::MK_LBUTTON, p::lParamDeCoordonnees(30, 40));
    EXPECT_EQ(formeDeNumero(1)->doubleClicEnAttente, 0);
    EXPECT_EQ(formeDeNumero(1)->message.message, p::WM_LBUTTONDOWN);
    EXPECT_EQ(formeDeNumero(1)->message.lParam, p::lParamDeCoordonnees(30, 40));
}

TEST_F(FenetresHote, MouseButtonsReachTheDispatcherThroughTheFormRecord) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    struct Cas {
        int16_t bouton;
        float x, y;
        uint32_t message;
        int32_t lParam;
    };
    const Cas cas[] = {{1, 12.4f, 7.6f, p::WM_LBUTTONUP, p::lParamDeCoordonnees(12, 8)},
                       {2, -3.0f, 40000.0f, p::WM_RBUTTONUP, int32_t((40000u << 16) | 0u)},
                       {1, 65535.4f, 0.2f, p::WM_LBUTTONUP, int32_t(0xFFFFu)}};
    for (const Cas& c : cas) {
        EXPECT_EQ(KMMouseUp(1, c.bouton, 0, c.x, c.y), 1);
        EXPECT_EQ(formeDeNumero(1)->message.message, c.message);
        EXPECT_EQ(formeDeNumero(1)->message.lParam, c.lParam);
    }
    formeDeNumero(1)->message = {};
    EXPECT_EQ(KMMouseUp(1, 3, 0, 1, 1), 0); // no such button: ignored
    EXPECT_EQ(formeDeNumero(1)->message.message, 0u);
    // Beyond what a word carries, or not a number: refused, nothing sent.
    const float refusees[][2] = {{65535.6f, 1}, {1, 1e9f}, {std::nanf(""), 1}};
    for (const auto& r : refusees) {
        EXPECT_EQ(KMMouseUp(1, 1, 0, r[0], r[1]), 0);
        EXPECT_EQ(KMMouseMove(1, 0, 0, r[0], r[1]), 0);
        EXPECT_EQ(formeDeNumero(1)->message.message, 0u);
    }
    KMMessage m{p::WM_TIMER, kMinuterieSuiviHote, 0, 0};
    EXPECT_EQ(::traiteMessageKMParNumero(1, &m), 0);
}

TEST_F(FenetresHote, StoredExtraLinesWaitTenTicksAndATimerOfAGoneFigureStops) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 2);
    const p::Fenetre mere = TQTableDesVariablesPartagees()->fenetreMereKM;
    const uint32_t id1 = (1u << 16) + 1, id2 = (2u << 16) + 1;
    p::posteMessage(mere, kMessageLignesDifferees, 0, int32_t(id1));
    p::avance(500);
    p::posteMessage(mere, kMessageLignesDifferees, 0, int32_t(id2));
    p::avance(1);
    EXPECT_EQ(etatFenetreMere().decomptes[1], 5);
    EXPECT_EQ(etatFenetreMere().decomptes[2], 10);
    p::avance(499);
    EXPECT_FALSE(p::minuterieExiste(mere, id1)); // ran at one second
    EXPECT_EQ(etatFenetreMere().decomptes[1], 0);
    EXPECT_TRUE(p::minuterieExiste(mere, id2));
    KMDetruitFigure(2);
    p::avance(100);
    EXPECT_FALSE(p::minuterieExiste(mere, id2));
    for (uint32_t id : etatFenetreMere().minuteries)
        EXPECT_EQ(id, 0u);
    // Not a request of this kind: nothing starts.
    p::posteMessage(mere, kMessageLignesDifferees, 0, int32_t((1u << 16) + 2));
    p::avance(1);
    EXPECT_FALSE(p::minuterieExiste(mere, (1u << 16) + 2));
}

int montrees = 0, fermees = 0;
void montre() {
    ++montrees;
}
void ferme() {
    ++fermees;
    EXPECT_EQ(TQTableDesVariablesPartagees()->annexeEnFermeture, 1);
}

TEST_F(FenetresHote, OneAnnexWindowAtATime) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    montrees = fermees = 0;
    inscritOperationsAnnexe(132, {montre, ferme});
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    const p::Fenetre forme1 = formeDeNumero(1)->fenetre;
    const p::Fenetre annexe = creeHote({0, 0, 50, 50});

    ASSERT_TRUE(reserveDialogueCommun(forme1, 1));
    t.fenetreAnnexe = annexe;
    t.codeAnnexe = 132;
    EXPECT_FALSE(reserveDialogueCommun(forme1, 1)); // the same owner: it comes forward
    EXPECT_EQ(montrees, 1);
    EXPECT_EQ(fermees, 0);
    EXPECT_TRUE(reserveDialogueCommun(hote, 2)); // another owner: the open one closes first
    EXPECT_EQ(fermees, 1);
    EXPECT_EQ(t.codeAnnexe, 0);
    EXPECT_EQ(t.annexeEnFermeture, 0);

    // The annex closes itself: the owner figure's form is activated again.
    t.proprietaireAnnexe = forme1;
    t.figureProprietaireAnnexe = 1;
    t.codeAnnexe = 132;
    fenetreCommuneFermee(annexe);
    EXPECT_EQ(fermees, 1); // posted, not yet run
    p::distribueJusquAuRepos();
    EXPECT_EQ(fermees, 2);
    EXPECT_EQ(t.codeAnnexe, 0);
    EXPECT_TRUE(p::estAffichee(forme1));
    oublieOperationsAnnexes();
}

TEST_F(FenetresHote, TheSiblingAsksForALanguage) {
    p::posteMessage(TQTableDesVariablesPartagees()->fenetreMereKM, kMessageAppliqueLangue, 0, 2);
    p::distribueJusquAuRepos();
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 2);
}

TEST(LignesHote, LinesAreReadWithoutCommentsAndTrailingBlanks) {
    // With the number of the line each was read from, as a failing line is
    // reported.
    struct Cas {
        std::string texte;
        std::vector<std::string> lignes;
        std::vector<int> numeros;
    };
    const Cas cas[] = {
        {"A point\r\n% note\r\nB point", {"A point", "B point"}, {1, 3}},
        {"  A point  % la suite\t\r\n\r\n\tB  ", {"A point", "B"}, {1, 3}},
        {"%tout\n%commentaire", {}, {}},
        {"un\rdeux\nt\xE9l", {"un", "deux", "t\xE9l"}, {1, 2, 3}},
        {"% a\n% b\nC point", {"C point"}, {3}},
        {"", {}, {}},
    };
    for (const Cas& c : cas) {
        std::vector<std::string> lues;
        std::vector<int> numeros;
        std::size_t pos = 0;
        int compteur = 1;
        for (std::string l = lisLigneDuTexte(c.texte, pos, compteur); !l.empty();
             l = lisLigneDuTexte(c.texte, pos, compteur)) {
            lues.push_back(l);
            numeros.push_back(compteur);
        }
        EXPECT_EQ(lues, c.lignes) << c.texte;
        EXPECT_EQ(numeros, c.numeros) << c.texte;
    }
    std::size_t pos = 0;
    int compteur = 1;
    EXPECT_EQ(lisLigneDuTexte(std::string(300, 'x'), pos, compteur).size(), 255u);
}

TEST_F(FenetresHote, HostLinesOfLanguagesAndTextNotices) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    const p::Fenetre hote2 = creeHote({0, 0, 10, 10});
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote2, nullptr, nullptr, nullptr), 2);
    struct Cas {
        const char* ligne;
        uint16_t langue;
        std::size_t avis; // 1028 notices received by both hosts
    };
    const Cas cas[] = {
        {"Commentaire: in English please", 2, 0},
        {"Texte en Deutsch", 3, 0},
        {"% back to French", 1, 0},
        {"French", 1, 0},
        {"Affecter la propri\xE9t\xE9 TexteDeLaFigure", 1, 1},
        {"Affecter toutes les propri\xE9t\xE9s TexteDeLaFigure", 1, 2},
    };
    for (const Cas& c : cas) {
        avis.clear();
        KMExecuteLigneFigEtRedessine(1, c.ligne);
        EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, c.langue) << c.ligne;
        EXPECT_EQ(avis.size(), c.avis) << c.ligne;
        for (const Avis& a : avis)
            EXPECT_EQ(a, (Avis{kAvisTexteFigure, 0}));
    }
}

TEST_F(FenetresHote, HostLinesEndWithTheModifiedNotice) {
    ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    KMExecuteLigneFig(1, "A point libre dans l'espace\r\nB point libre dans l'espace");
    ASSERT_EQ(avis.size(), 1u);
    EXPECT_EQ(avis[0], (Avis{kAvisFigureModifiee, 0}));
    EXPECT_EQ(figure(1).lignesHoteEnCours, 0);
}

} // namespace
} // namespace km32::essais
