// Key-bound command objects and their timers on the virtual clock, and the
// figure clock, on figures read from texts.
#include "clavier_banc.h"
#include "drawing/commandes_touches.h"
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

} // namespace
} // namespace km32::essai
