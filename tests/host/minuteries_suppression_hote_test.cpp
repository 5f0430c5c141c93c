// Running repetition commands and the other object numbers a figure keeps,
// across a deletion or a move of objects below them, driven as a host
// drives the figure (keys, the line "Supprimer", the picker of command 92)
// on the virtual clock. Each repetition goes on ticking for its own command
// until its count is reached, a deleted command's timer ends, and once all
// have ended no timer of a command is left.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "etats_figure_banc.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/fenetres_figure.h"
#include "platform/minuteries.h"
#include "text/ordre_objets.h"

namespace km32::essais {
namespace {

namespace p = platform;

// X stands below the commands and depends on nothing; r repeats h (which
// moves x) five times every 100 ms, q repeats g (which moves y) three times
// every 70 ms.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "X point de coordonnées (1,2,3) dans le repère Rxyz\r\n"
                            "x réel libre de [0,1]\r\n"
                            "y réel libre de [0,1]\r\n"
                            "h (touche H) affectation aléatoire de x\r\n"
                            "g (touche G) affectation aléatoire de y\r\n"
                            "r (touche R) répéter 5 fois: h (délai 100 ms)\r\n"
                            "q (touche Q) répéter 3 fois: g (délai 70 ms)\r\n"
                            "Fin de la figure";

class MinuteriesSuppression : public BancEtatsFigure {
  protected:
    uint32_t fenetre() { return fenetreDeLaFigure(fig()); }
    // Timers of commands (ids below the figure clock's) that run.
    int minuteriesDeCommandes() { return p::nombreMinuteriesDe(fenetre(), kPremierUtilisateur, kMaxObjets); }
    // Runs of a repetition command so far (its counter).
    double fois(const std::string& nom) { return valeurDepuisZero(fig(), numero(nom), 2); }
    void supprimeParLePicker(const std::string& nom) {
        commande(92);
        TFenRaPour* c = choixRappels();
        ASSERT_NE(c, nullptr);
        int ligne = -1;
        for (std::size_t k = 0; k < c->objets.size(); ++k)
            if (c->objets[k] == numero(nom)) ligne = int(k);
        ASSERT_GE(ligne, 0);
        p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsClic, ligne);
        p::envoieMessage(c->fenetre, p::WM_COMMAND, kTagRappelsOk, 0);
        p::distribueJusquAuRepos();
    }
    struct Route {
        const char* quoi;
        std::function<void(const std::string&)> supprime;
    };
    std::vector<Route> routes() {
        return {
            {"the picker of command 92", [this](const std::string& nom) { supprimeParLePicker(nom); }},
            {"the line Supprimer",
             [this](const std::string& nom) { KMExecuteLigneFig(n, ("Supprimer " + nom).c_str()); }},
            {"the line Supprimer with the redraw",
             [this](const std::string& nom) {
                 KMExecuteLigneFigEtRedessine(n, ("Supprimer " + nom).c_str());
             }},
        };
    }
};

// Both repetitions run when X, below them, goes: each goes on for its own
// command and stops at its own count, and no command's timer is left.
TEST_F(MinuteriesSuppression, RepetitionsRunningAcrossADeletionBelowThemKeepTheirOwnCount) {
    figureDeTexte(kFigure);
    for (const Route& route : routes()) {
        SCOPED_TRACE(route.quoi);
        refaitFigure(kFigure);
        KMKeyPress(n, 'r');
        KMKeyPress(n, 'q');
        ASSERT_EQ(minuteriesDeCommandes(), 2);
        p::avance(100);
        EXPECT_EQ(fois("r"), 1);
        EXPECT_EQ(fois("q"), 1);
        const int rAvant = numero("r");

        route.supprime("X");
        ASSERT_EQ(numero("X"), 0);
        ASSERT_EQ(numero("r"), rAvant - 1);
        EXPECT_TRUE(p::minuterieExiste(fenetre(), uint32_t(numero("r"))));
        EXPECT_TRUE(p::minuterieExiste(fenetre(), uint32_t(numero("q"))));
        EXPECT_EQ(minuteriesDeCommandes(), 2);
        EXPECT_EQ(fig().minuteriesCommandesActives, 1);

        // Each timer keeps its rhythm: q's next tick comes at 140 ms and its
        // last at 210 ms, r's at 200 ms.
        p::avance(50);
        EXPECT_EQ(fois("r"), 1);
        EXPECT_EQ(fois("q"), 2);
        p::avance(100);
        EXPECT_EQ(fois("r"), 2);
        EXPECT_EQ(fois("q"), 3);
        EXPECT_EQ(minuteriesDeCommandes(), 1);
        p::avance(1000);
        EXPECT_EQ(fois("r"), 5);
        EXPECT_EQ(fois("q"), 3);
        EXPECT_EQ(minuteriesDeCommandes(), 0);
        EXPECT_EQ(fig().minuteriesCommandesActives, 0);
    }
}

// The command that goes (itself, or as a dependant of what it repeats) ends
// its timer; the other one, now at the deleted command's number, is not
// driven by it.
TEST_F(MinuteriesSuppression, ADeletedRepetitionsTimerEnds) {
    figureDeTexte(kFigure);
    struct Cas {
        const char* supprime;
        const char* reste;
        bool resteEnMarche;
    };
    const Cas cas[] = {{"r", "q", false}, {"h", "q", true}, {"q", "r", false}, {"g", "r", true}};
    for (const Route& route : routes())
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(route.quoi) + ", deleting " + c.supprime);
            refaitFigure(kFigure);
            const std::string reste = c.reste;
            const std::string autre = reste == "q" ? "r" : "q";
            KMKeyPress(n, autre[0]);
            if (c.resteEnMarche) KMKeyPress(n, reste[0]);
            p::avance(100);
            route.supprime(c.supprime);
            ASSERT_EQ(numero(autre), 0);
            EXPECT_EQ(minuteriesDeCommandes(), c.resteEnMarche ? 1 : 0);
            EXPECT_EQ(fig().minuteriesCommandesActives, c.resteEnMarche ? 1 : 0);
            const double avant = fois(reste);
            p::avance(2000);
            EXPECT_EQ(fois(reste), c.resteEnMarche ? (reste == "r" ? 5 : 3) : avant);
            EXPECT_EQ(minuteriesDeCommandes(), 0);
            EXPECT_EQ(fig().minuteriesCommandesActives, 0);
        }
}

// Undo reads the figure's text again, which holds no running timer: the
// repetitions that ran end with the state left, instead of ticking on for
// commands that no longer run.
TEST_F(MinuteriesSuppression, UndoEndsTheRepetitionsThatRan) {
    figureDeTexte(kFigure);
    KMKeyPress(n, 'r');
    KMKeyPress(n, 'q');
    p::avance(100);
    supprimeParLePicker("X");
    ASSERT_EQ(numero("X"), 0);
    ASSERT_EQ(minuteriesDeCommandes(), 2);

    commande(93);
    ASSERT_NE(numero("X"), 0);
    EXPECT_EQ(minuteriesDeCommandes(), 0);
    EXPECT_EQ(fig().minuteriesCommandesActives, 0);
    const double r = fois("r"), q = fois("q");
    p::avance(2000);
    EXPECT_EQ(fois("r"), r);
    EXPECT_EQ(fois("q"), q);
    EXPECT_EQ(minuteriesDeCommandes(), 0);
}

// The reordering after a redefinition moves objects the same way: X moved
// past the commands takes each of them one place down, and their timers
// follow.
TEST_F(MinuteriesSuppression, RepetitionsRunningWhileObjectsMoveFollowTheirCommands) {
    figureDeTexte(kFigure);
    KMKeyPress(n, 'r');
    KMKeyPress(n, 'q');
    p::avance(100);
    const int r = numero("r"), q = numero("q");
    deplaceObjet(fig(), numero("X"), fig().nombreObjets);
    ASSERT_EQ(numero("r"), r - 1);
    ASSERT_EQ(numero("q"), q - 1);
    EXPECT_TRUE(p::minuterieExiste(fenetre(), uint32_t(r - 1)));
    EXPECT_TRUE(p::minuterieExiste(fenetre(), uint32_t(q - 1)));
    EXPECT_FALSE(p::minuterieExiste(fenetre(), uint32_t(q)));
    p::avance(2000);
    EXPECT_EQ(fois("r"), 5);
    EXPECT_EQ(fois("q"), 3);
    EXPECT_EQ(minuteriesDeCommandes(), 0);
    EXPECT_EQ(fig().minuteriesCommandesActives, 0);
}

// The free object moved last, as the host reads it (the export and the
// query line), after a deletion below it and after its own deletion.
TEST_F(MinuteriesSuppression, TheLastMovedFreeObjectFollowsItsObjectOrGoesWithIt) {
    const char* const figure = "Figure Kalmetra\r\n"
                               "A point libre dans l'espace\r\n"
                               "B point libre dans l'espace\r\n"
                               "C point libre dans l'espace\r\n"
                               "Objet libre actif au clavier: B\r\n"
                               "Fin de la figure";
    figureDeTexte(figure);
    const std::string requete = phraseDeNumero(2316);
    struct Cas {
        const char* supprime;
        const char* attendu;
    };
    const Cas cas[] = {{"A", "B"}, {"B", ""}, {"C", "B"}};
    for (const Route& route : routes())
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(route.quoi) + ", deleting " + c.supprime);
            refaitFigure(figure);
            KMKeyDown(n, uint16_t(p::VK_UP));
            p::distribueJusquAuRepos();
            ASSERT_EQ(fig().dernierLibreBouge, numero("B"));
            route.supprime(c.supprime);
            ASSERT_EQ(numero(c.supprime), 0);
            EXPECT_EQ(texteDeBloc(KMDernierLibreBouge(n)), c.attendu);
            EXPECT_EQ(texteDeBloc(KMfournitHandleSurTexte(n, requete.c_str())), c.attendu);
        }
}

// A point glued to another keeps its glue to that point when an object
// below both goes, and loses it when that point goes, in the figure and in
// its text.
TEST_F(MinuteriesSuppression, AGluedPointStaysGluedToItsOwnPoint) {
    const char* const figure = "Figure Kalmetra\r\n"
                               "z réel libre de [0,1]\r\n"
                               "G point de coordonnées (1,1,1) dans le repère Rxyz\r\n"
                               "H point de coordonnées (2,2,2) dans le repère Rxyz\r\n"
                               "P point libre dans l'espace\r\n"
                               "Le point P doit coller au point G\r\n"
                               "Fin de la figure";
    figureDeTexte(figure);
    struct Cas {
        const char* supprime;
        const char* colle; // nullptr: glued to nothing
    };
    const Cas cas[] = {{"z", "G"}, {"G", nullptr}, {"H", "G"}};
    for (const Route& route : routes())
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(route.quoi) + ", deleting " + c.supprime);
            refaitFigure(figure);
            route.supprime(c.supprime);
            ASSERT_EQ(numero(c.supprime), 0);
            ASSERT_NE(numero("P"), 0);
            const int colle = objet(fig(), numero("P")).pointColle;
            EXPECT_EQ(colle, c.colle ? numero(c.colle) : 0);
            const std::string t = texte();
            EXPECT_EQ(t.find("doit coller") != std::string::npos, c.colle != nullptr) << t;
            if (c.colle) {
                EXPECT_NE(t.find("Le point P doit coller au point G\r\n"), std::string::npos) << t;
            }
        }
}

} // namespace
} // namespace km32::essais
