// Input state, cursors, the virtual clock and the screen metrics.
#include "platform/entrees.h"

#include <gtest/gtest.h>

#include "banc_fenetres.h"
#include "platform/curseurs.h"
#include "platform/ecran.h"
#include "platform/minuteries.h"

namespace km32::platform::essai {
namespace {

using Log = std::vector<std::string>;

TEST(Entrees, ModifierKeysAreWhatTheHostSet) {
    Monde m;
    fixeModificateurs(true, false, true);
    fixeToucheEnfoncee('E', true);
    EXPECT_TRUE(majEnfoncee());
    EXPECT_FALSE(ctrlEnfoncee());
    EXPECT_TRUE(altEnfoncee());
    EXPECT_TRUE(toucheEnfoncee('E'));
    fixeToucheEnfoncee(VK_SHIFT, false);
    EXPECT_FALSE(majEnfoncee());
    reinitialisePlateforme();
    EXPECT_FALSE(altEnfoncee());
    EXPECT_FALSE(toucheEnfoncee('E'));
}

TEST(Entrees, OneWindowHoldsTheCaptureAtATime) {
    Monde m;
    Fenetre a = m.cree("A");
    Fenetre b = m.cree("B");
    EXPECT_EQ(captureSouris(a), kAucuneFenetre);
    EXPECT_EQ(captureSouris(a), a); // already held: nothing sent
    EXPECT_EQ(captureSouris(b), a);
    EXPECT_EQ(fenetreCapture(), b);
    relacheCapture();
    EXPECT_EQ(fenetreCapture(), kAucuneFenetre);
    relacheCapture(); // nobody holds it: nothing sent
    EXPECT_EQ(m.journal, (Log{"A:capturechanged B", "B:capturechanged 0"}));
}

TEST(Curseurs, LoadedByNameInAnyCase) {
    Monde m;
    const struct {
        const char* nom;
        Curseur attendu;
    } cas[] = {{"KM", kCurseurKM},
               {"MAIN", kCurseurMain},
               {"mainPincee", kCurseurMainPincee},
               {"MAINTOURNANTE", kCurseurMainTournante},
               {"mainPlateTournante", kCurseurMainPlateTournante},
               {"MAINS", kAucunCurseur},
               {"", kAucunCurseur}};
    for (const auto& c : cas)
        EXPECT_EQ(chargeCurseur(c.nom), c.attendu) << c.nom;
}

TEST(Curseurs, CurrentCursor) {
    Monde m;
    EXPECT_EQ(curseurCourant(), kCurseurFleche);
    EXPECT_EQ(changeCurseur(kCurseurSablier), kCurseurFleche);
    EXPECT_EQ(changeCurseur(chargeCurseur("KM")), kCurseurSablier);
    EXPECT_EQ(changeCurseur(4242), kCurseurKM); // unknown id: kept
    EXPECT_EQ(curseurCourant(), kCurseurKM);
    EXPECT_EQ(nomCurseur(curseurCourant()), "KM");
}

TEST(Horloge, VirtualTimeOfDay) {
    Monde m;
    EXPECT_EQ(heureDuJourEnSecondes(), 0.0);
    avanceHorloge(3723456); // 1 h 2 min 3.456 s
    EXPECT_DOUBLE_EQ(heureDuJourEnSecondes(), 3723.456);
    fixeHeureVirtuelle(86399.5);
    avanceHorloge(700); // past midnight
    EXPECT_DOUBLE_EQ(heureDuJourEnSecondes(), 0.2);
    avanceHorloge(-50); // never backwards
    EXPECT_EQ(maintenantMs(), 3724156);
}

TEST(Horloge, WaitingMovesTimeButDeliversNothing) {
    Monde m;
    Fenetre a = m.cree("A");
    lanceMinuterie(a, 1, 100);
    attendsMillisecondes(250);
    EXPECT_EQ(maintenantMs(), 250);
    EXPECT_TRUE(m.journal.empty());
    EXPECT_EQ(delaiProchaineMinuterie(), 0);
    distribueJusquAuRepos();
    EXPECT_EQ(m.journal, (Log{"A:timer 1 @250"}));
    EXPECT_EQ(delaiProchaineMinuterie(), 50); // the timer keeps its rhythm: 300 is next
}

TEST(Horloge, OnTheRealClockAdvanceSleepsBetweenTicks) {
    Monde m;
    Fenetre a = m.cree("A");
    utiliseHorlogeVirtuelle(false);
    int ticks = 0;
    m.reaction = [&ticks](Fenetre, uint32_t msg, uint32_t, int32_t) -> int32_t {
        ticks += msg == WM_TIMER;
        return 0;
    };
    const int64_t debut = maintenantMs();
    lanceMinuterie(a, 1, 10);
    avance(30);
    EXPECT_GE(maintenantMs() - debut, 30);
    EXPECT_GE(ticks, 1);
    EXPECT_LE(ticks, 3); // each tick comes at least 10 ms after the one before
}

TEST(Ecran, DefaultsAndConfiguration) {
    Monde m;
    EXPECT_EQ(rectangleBureau(), (Rectangle{0, 0, 1024, 768}));
    EXPECT_EQ(pointsParPouce(), 96);
    configureEcran({1280, 0, -3}); // only sound values are taken
    EXPECT_EQ(largeurBureau(), 1280);
    EXPECT_EQ(hauteurBureau(), 768);
    EXPECT_EQ(pointsParPouce(), 96);
}

} // namespace
} // namespace km32::platform::essai
