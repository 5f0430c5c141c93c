// Key-bound command objects and their timers on the virtual clock, and the
// figure clock, on figures read from texts.
#include "clavier_banc.h"
#include "drawing/bloc_dessin.h"
#include "drawing/commandes_touches.h"
#include "drawing/creation_iterative.h"
#include "host/fenetres/tableau_valeurs.h"
#include "km32.h"
#include "platform/boites.h"

#include <algorithm>
#include "platform/horloge.h"
#include "platform/minuteries.h"

namespace km32::essai {
namespace {

// x is a random real in [0; 1]; H assigns it at random; R repeats H three
// times, 500 ms apart; K makes P the keyboard's free object.
const char* const kCommandes = "Figure Kalmetra\r\n"
                               "x réel libre de [0,1]\r\n"
                               "P point libre dans l'espace\r\n"
                               "h (touche H) affectation aléatoire de x\r\n"
                               "r (touche R) répéter 3 fois: h (délai 500 ms)\r\n"
                               "s (touche K) sélection de P pour pilotage au clavier\r\n"
                               "Fin de la figure";

class CommandesTouches : public BancClavier {
  protected:
    // Random assignments notified so far (cause 4).
    int aleatoires() const {
        int n = 0;
        for (const Avis& a : avis)
            n += a.code == 1036;
        return n;
    }
};

TEST_F(CommandesTouches, AKeyRunsTheCommandsBoundToIt) {
    TfigureKalmetra& f = figure(1, kCommandes);
    f.modifiee = 0;
    EXPECT_EQ(caractere(1, 'k'), 1);
    EXPECT_EQ(f.objetLibreActif, numero(f, "P"));
    EXPECT_EQ(f.modifiee, 1);
    EXPECT_EQ(caractere(1, 'h'), 1);
    EXPECT_EQ(aleatoires(), 1);
    EXPECT_EQ(f.dernierLibreBouge, numero(f, "x"));
    // A key bound to nothing is not handled and changes nothing.
    f.modifiee = 0;
    EXPECT_EQ(caractere(1, 'z'), 0);
    EXPECT_EQ(f.modifiee, 0);
}

TEST_F(CommandesTouches, ARepetitionTicksWithTheClockAndStopsByItself) {
    TfigureKalmetra& f = figure(1, kCommandes);
    const int r = numero(f, "r");
    EXPECT_EQ(caractere(1, 'r'), 1);
    EXPECT_TRUE(platform::minuterieExiste(f.fenetreDessin, uint32_t(r)));
    EXPECT_EQ(f.minuteriesCommandesActives, 1);
    platform::avance(499);
    EXPECT_EQ(aleatoires(), 0);
    for (int fois = 1; fois <= 3; ++fois) {
        platform::avance(fois == 1 ? 1 : 500);
        EXPECT_EQ(aleatoires(), fois);
    }
    EXPECT_FALSE(platform::minuterieExiste(f.fenetreDessin, uint32_t(r)));
    EXPECT_EQ(f.minuteriesCommandesActives, 0);
    platform::avance(5000);
    EXPECT_EQ(aleatoires(), 3);
}

TEST_F(CommandesTouches, TheSameKeyStopsARunningRepetition) {
    TfigureKalmetra& f = figure(1, kCommandes);
    caractere(1, 'r');
    platform::avance(500);
    EXPECT_EQ(aleatoires(), 1);
    caractere(1, 'r');
    EXPECT_FALSE(platform::minuterieExiste(f.fenetreDessin, uint32_t(numero(f, "r"))));
    platform::avance(5000);
    EXPECT_EQ(aleatoires(), 1);
}

TEST_F(CommandesTouches, EscapeStopsEveryTimer) {
    TfigureKalmetra& f = figure(1, kCommandes);
    caractere(1, 'r');
    EXPECT_EQ(caractere(1, 'T', true), 0); // Shift+T starts the clock
    EXPECT_EQ(f.horlogeEnMarche, 1);
    EXPECT_EQ(touche(1, platform::VK_ESCAPE), 1);
    EXPECT_EQ(f.horlogeEnMarche, 0);
    EXPECT_EQ(f.minuteriesCommandesActives, 0);
    platform::avance(5000);
    EXPECT_EQ(aleatoires(), 0);
}

// Two repetitions of the same rhythm, started together, tick together: each
// keeps its rhythm and runs its ten times in one second, alone or with the
// figure clock ticking at the same rhythm beside them.
TEST_F(CommandesTouches, RepetitionsThatTickTogetherEachKeepTheirRhythm) {
    for (const bool horloge : {false, true}) {
        SCOPED_TRACE(horloge ? "with the figure clock" : "without the clock");
        const int16_t n = horloge ? 2 : 1;
        avis.clear();
        TfigureKalmetra& f = figure(n, "Figure Kalmetra\r\n"
                                       "x réel libre de [0,1]\r\n"
                                       "y réel libre de [0,1]\r\n"
                                       "h (touche H) affectation aléatoire de x\r\n"
                                       "g (touche G) affectation aléatoire de y\r\n"
                                       "r (touche R) répéter 10 fois: h (délai 100 ms)\r\n"
                                       "q (touche Q) répéter 10 fois: g (délai 100 ms)\r\n"
                                       "Fin de la figure");
        platform::fixeHeureVirtuelle(3600);
        if (horloge) {
            caractere(n, 'T', true);
            ASSERT_EQ(f.intervalleHorloge, 100);
        }
        caractere(n, 'r');
        caractere(n, 'q');
        auto fois = [&](const char* nom) { return valeurDepuisZero(f, numero(f, nom), 2); };
        for (int k = 1; k <= 10; ++k) {
            platform::avance(100);
            EXPECT_EQ(fois("r"), k) << k * 100 << " ms";
            EXPECT_EQ(fois("q"), k) << k * 100 << " ms";
            if (horloge) {
                EXPECT_NEAR(valeurObjet(f, 3, 1), 3600 + 0.1 * k, 1e-9) << k * 100 << " ms";
            }
        }
        EXPECT_EQ(f.minuteriesCommandesActives, 0);
        EXPECT_EQ(aleatoires(), 20);
        if (horloge) {
            EXPECT_EQ(f.horlogeEnMarche, 1);
        }
    }
}

// The clock sets the built-in `time` to the time of day at each tick, and
// what depends on it follows.
TEST_F(CommandesTouches, TheFigureClockAdvancesTime) {
    TfigureKalmetra& f = figure(1, "Figure Kalmetra\r\n"
                                   "u = 2*time\r\n"
                                   "Fin de la figure");
    platform::fixeHeureVirtuelle(3600);
    caractere(1, 'T', true);
    ASSERT_EQ(f.horlogeEnMarche, 1);
    ASSERT_EQ(f.intervalleHorloge, 100);
    // Ticks every 100 ms: the last one at 200 ms.
    platform::avance(250);
    EXPECT_NEAR(valeurObjet(f, 3, 1), 3600.2, 1e-9);
    EXPECT_NEAR(v(f, "u"), 7200.4, 1e-9);
    platform::avance(500);
    EXPECT_NEAR(valeurObjet(f, 3, 1), 3600.7, 1e-9);
    EXPECT_EQ(f.dernierLibreBouge, 3);
    ASSERT_FALSE(avis.empty());
    EXPECT_EQ(avis.back().code, 1037u);
}

// P1 is the midpoint of [AB]; each press of I copies the last copy with
// the object it was built on replaced: P(k+1) is the midpoint of [A P(k)].
const char* const kIteration = "Figure Kalmetra\r\n"
                               "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                               "B point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                               "P1 milieu du segment [AB]\r\n"
                               "c (touche I) itération: P1 en remplaçant B respectivement par P1\r\n"
                               "Fin de la figure";

TEST_F(CommandesTouches, IterativeCreationCopiesTheGroupThenTheCopies) {
    TfigureKalmetra& f = figure(1, kIteration);
    const int objets = f.nombreObjets;
    EXPECT_EQ(caractere(1, 'i'), 1);
    ASSERT_EQ(f.nombreObjets, objets + 1);
    const int p2 = numero(f, "P2");
    ASSERT_NE(p2, 0);
    // The midpoint of A (0, 0, 0) and P1 (0, 2, 0).
    EXPECT_DOUBLE_EQ(v(f, "P2", 2), 1.0);
    EXPECT_DOUBLE_EQ(v(f, "P2", 1), 0.0);
    EXPECT_DOUBLE_EQ(v(f, "P2", 3), 0.0);
    EXPECT_EQ(objet(f, p2).codeConstruction, objet(f, numero(f, "P1")).codeConstruction);
    // The command now copies P2, replacing P1 by P2.
    const int i = numero(f, "c");
    EXPECT_EQ(parentObjet(f, i, 1), p2);
    EXPECT_EQ(parentObjet(f, i, 2), numero(f, "P1"));
    EXPECT_EQ(parentObjet(f, i, 3), p2);
    caractere(1, 'i');
    caractere(1, 'i');
    EXPECT_DOUBLE_EQ(v(f, "P3", 2), 0.5);
    EXPECT_DOUBLE_EQ(v(f, "P4", 2), 0.25);
    // The copies follow what they were built from.
    EXPECT_NE(elementDessin(f, numero(f, "P4")), nullptr);
    EXPECT_EQ(f.nombreObjets, objets + 3);
}

TEST_F(CommandesTouches, IterativeCreationDoesNothingWhenItCannot) {
    // A copy named past four characters, and a run in trace mode.
    std::string texte = kIteration;
    for (const char* nom : {"P1 ", "P1]", " P1\r", "par P1"}) {
        const std::string depuis = nom, vers = std::string(nom).replace(depuis.find("P1"), 2, "P999");
        for (std::size_t k = texte.find(depuis); k != std::string::npos;
             k = texte.find(depuis, k + vers.size()))
            texte.replace(k, depuis.size(), vers);
    }
    TfigureKalmetra& f = figure(1, texte);
    ASSERT_NE(numero(f, "P999"), 0);
    const int objets = f.nombreObjets;
    const double valeurs = v(f, "P999", 2);
    EXPECT_EQ(caractere(1, 'i'), 1);
    EXPECT_EQ(f.nombreObjets, objets);
    EXPECT_EQ(parentObjet(f, numero(f, "c"), 1), numero(f, "P999"));
    EXPECT_EQ(v(f, "P999", 2), valeurs);
    EXPECT_TRUE(platform::boitesDemandees().empty());

    TearDown();
    SetUp();
    TfigureKalmetra& g = figure(1, kIteration);
    g.modeTrace = 1;
    caractere(1, 'i');
    EXPECT_EQ(numero(g, "P2"), 0);
}

// A group of two objects: P1 and x1, whose formula has constants and
// operand bytes; B and a are replaced by the copies.
const char* const kIterationDouble =
    "Figure Kalmetra\r\n"
    "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
    "B point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
    "P1 milieu du segment [AB]\r\n"
    "a réel libre de [0,10]\r\n"
    "x1 = 2*a+1.5\r\n"
    "c (touche I) itération: P1, x1 en remplaçant B, a respectivement par P1, x1\r\n"
    "Fin de la figure";

TEST_F(CommandesTouches, IterativeCreationTestsTheRoomOfEveryTableBeforeCopying) {
    // The tables a run fills, each with its capacity.
    struct Table {
        const char* nom;
        uint16_t TfigureKalmetra::*compte;
        int capacite;
    };
    const Table tables[] = {
        {"values", &TfigureKalmetra::valeursUtilisees, kMaxValeurs},
        {"parents", &TfigureKalmetra::parentsUtilises, kMaxParents},
        {"expressions", &TfigureKalmetra::expressionsUtilisees, kMaxExpressions},
        {"operand bytes", &TfigureKalmetra::octetsOperandesUtilises, kMaxOctetsOperandes},
        {"constants", &TfigureKalmetra::constantesUtilisees, kMaxConstantes},
    };
    // What one run really takes from each table, measured on a run that
    // has room.
    std::vector<int> pris;
    {
        TfigureKalmetra& f = figure(1, kIterationDouble);
        ASSERT_EQ(objet(f, numero(f, "c")).premierEchantillon, 2);
        std::vector<int> avant;
        for (const Table& t : tables)
            avant.push_back(f.*t.compte);
        caractere(1, 'i');
        ASSERT_NE(numero(f, "P2"), 0);
        ASSERT_NE(numero(f, "x2"), 0);
        // x2 = 2 * x1 + 1.5 with x1 = 2 * a + 1.5.
        EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(1, "x2"), 2 * KMValeurScalaireDouble(1, "x1") + 1.5);
        for (std::size_t k = 0; k < std::size(tables); ++k) {
            pris.push_back(f.*tables[k].compte - avant[k]);
            EXPECT_GT(pris.back(), 0) << tables[k].nom;
        }
    }
    // With exactly that room left the run copies the group; with one entry
    // less it does nothing at all, silently.
    for (std::size_t k = 0; k < std::size(tables); ++k)
        for (const int manque : {0, 1}) {
            TearDown();
            SetUp();
            TfigureKalmetra& f = figure(1, kIterationDouble);
            const int objets = f.nombreObjets;
            const int c = numero(f, "c");
            const uint16_t plein = uint16_t(tables[k].capacite - pris[k] + manque);
            ASSERT_GE(plein, f.*tables[k].compte);
            f.*tables[k].compte = plein;
            caractere(1, 'i');
            const std::string cas = std::string(tables[k].nom) + (manque ? " one short" : " just enough");
            EXPECT_EQ(numero(f, "P2") != 0, manque == 0) << cas;
            EXPECT_EQ(f.nombreObjets, objets + (manque ? 0 : 2)) << cas;
            if (manque) {
                EXPECT_EQ(f.*tables[k].compte, plein) << cas;
                EXPECT_EQ(parentObjet(f, c, 1), numero(f, "P1")) << cas;
                EXPECT_EQ(parentObjet(f, c, 2), numero(f, "x1")) << cas;
            }
            EXPECT_TRUE(platform::boitesDemandees().empty()) << cas;
        }
}

TEST(NomsDeCopie, TheTrailingNumberGrowsPastTheNamesTaken) {
    struct Cas {
        const char* nom;
        std::vector<std::string> pris;
        const char* copie;
    } const cas[] = {
        {"P1", {"P1"}, "P2"},        {"P1", {"P1", "P2", "P3"}, "P4"},
        {"A", {"A"}, "A1"},          {"A", {"A", "A1"}, "A2"},
        {"u'", {"u'"}, "u'1"},       {"P9", {"P9"}, "P10"},
        {"P999", {"P999"}, "P1000"}, // five characters: the command refuses it
    };
    for (const Cas& c : cas) {
        auto pris = [&](const std::string& n) {
            return std::find(c.pris.begin(), c.pris.end(), n) != c.pris.end();
        };
        EXPECT_EQ(nomUniqueDeCopie(c.nom, pris), c.copie) << c.nom;
    }
}

TEST_F(CommandesTouches, TheTableOfValuesCommandOpensItsWindow) {
    TfigureKalmetra& f =
        figure(1, "Figure Kalmetra\r\n"
                  "x réel libre de [0,1]\r\n"
                  "y réel libre de [0,5]\r\n"
                  "t (touche V) tableau de (x,2) (y,3) à partir de 0 (pas 0.1) (10 lignes)\r\n"
                  "Fin de la figure");
    etatRepartiteur().derniereCommandeRefusee = 0;
    // The key's message runs the command: its window is shown, nothing refused.
    TMessageFigure m{platform::WM_CHAR, 'v', 0, 0};
    EXPECT_EQ(traiteMessageKMParNumero(1, m), 1);
    EXPECT_NE(m.resultat, KM_REFUSE);
    EXPECT_EQ(etatRepartiteur().derniereCommandeRefusee, 0u);
    const TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->objetCommande, numero(f, "t"));
    EXPECT_EQ(t->cellules.size(), 11u); // the names and ten rows
    // Asked again while it is open, the table only comes forward.
    EXPECT_FALSE(afficheTableauDeValeurs(int16_t(f.numeroFigure), numero(f, "t")));
    EXPECT_EQ(fenetreTableauDeValeurs(), t);
}

} // namespace
} // namespace km32::essai
