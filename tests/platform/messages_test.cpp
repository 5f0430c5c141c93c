// The message loop and the timers, scenario by scenario, checked against the
// log of what the window procedures received.
#include "platform/messages.h"

#include <gtest/gtest.h>

#include "banc_fenetres.h"
#include "platform/minuteries.h"

namespace km32::platform::essai {
namespace {

using Log = std::vector<std::string>;

struct Scenario {
    const char* nom;
    // Runs with two visible windows A and B (100 x 100) at virtual time 0.
    std::function<void(Monde&, Fenetre a, Fenetre b)> script;
    Log attendu;
};

const Scenario kScenarios[] = {
    {"posted messages are delivered first in, first out",
     [](Monde&, Fenetre a, Fenetre b) {
         posteMessage(a, WM_USER + 1, 10, 20);
         posteMessage(b, WM_USER + 2);
         posteMessage(a, WM_USER + 3);
         distribueJusquAuRepos();
     },
     {"A:user+1 10 20", "B:user+2 0 0", "A:user+3 0 0"}},

    {"posted messages come before paints, paints before ticks",
     [](Monde&, Fenetre a, Fenetre b) {
         lanceMinuterie(a, 7, 10);
         avanceHorloge(10);
         invalideFenetre(b);
         posteMessage(a, WM_USER + 1);
         distribueJusquAuRepos();
     },
     {"A:user+1 0 0", "B:paint", "A:timer 7 @10"}},

    {"a window is painted once however often invalidated, in order of first invalidation",
     [](Monde&, Fenetre a, Fenetre b) {
         invalideRectangle(b, {0, 0, 5, 5});
         invalideFenetre(a);
         invalideRectangle(b, {10, 10, 20, 20});
         invalideFenetre(a);
         distribueJusquAuRepos();
     },
     {"B:paint", "A:paint"}},

    {"a hidden window waits to be shown before it is painted",
     [](Monde& m, Fenetre, Fenetre b) {
         afficheFenetre(b, false);
         invalideFenetre(b);
         distribueJusquAuRepos();
         m.note("shown");
         afficheFenetre(b, true);
         distribueJusquAuRepos();
     },
     {"shown", "B:paint"}},

    {"send calls at once and nests",
     [](Monde& m, Fenetre a, Fenetre b) {
         m.reaction = [&m, a, b](Fenetre f, uint32_t msg, uint32_t, int32_t) -> int32_t {
             if (f == a && msg == WM_USER + 1)
                 m.note("A got " + std::to_string(envoieMessage(b, WM_USER + 2)));
             if (f == b && msg == WM_USER + 2) return envoieMessage(a, WM_USER + 3) + 40;
             if (f == a && msg == WM_USER + 3) return 2;
             return 0;
         };
         posteMessage(b, WM_USER + 9);
         m.note("sent " + std::to_string(envoieMessage(a, WM_USER + 1)));
     },
     {"A:user+1 0 0", "B:user+2 0 0", "A:user+3 0 0", "A got 42", "sent 0"}},

    {"a message posted during a delivery waits its turn",
     [](Monde& m, Fenetre a, Fenetre b) {
         m.reaction = [b](Fenetre, uint32_t msg, uint32_t, int32_t) -> int32_t {
             if (msg == WM_USER + 1) posteMessage(b, WM_USER + 9);
             return 0;
         };
         posteMessage(a, WM_USER + 1);
         posteMessage(a, WM_USER + 2);
         distribueJusquAuRepos();
     },
     {"A:user+1 0 0", "A:user+2 0 0", "B:user+9 0 0"}},

    {"purge drops the window's messages of the range only",
     [](Monde& m, Fenetre a, Fenetre b) {
         posteMessage(a, WM_MOUSEMOVE);
         posteMessage(a, WM_LBUTTONDOWN);
         posteMessage(a, WM_KEYDOWN, 65);
         posteMessage(b, WM_LBUTTONDOWN, 1);
         posteMessage(a, WM_RBUTTONUP);
         m.note("purged " + std::to_string(purgeMessages(a, WM_MOUSEFIRST, WM_MOUSELAST)));
         distribueJusquAuRepos();
     },
     {"purged 3", "A:256 65 0", "B:513 1 0"}},

    {"peek with removal takes the first match of window and range",
     [](Monde& m, Fenetre a, Fenetre b) {
         posteMessage(a, WM_USER + 1);
         posteMessage(b, WM_USER + 3);
         posteMessage(a, WM_USER + 3, 1);
         posteMessage(a, WM_USER + 3, 2);
         auto vu = regardeMessage(a, WM_USER + 2, WM_USER + 5, true);
         m.note("took " + m.ligne(vu->fenetre, vu->message, vu->wParam, vu->lParam));
         auto laisse = regardeMessage(kAucuneFenetre, 0, 0, false);
         m.note("left " + m.ligne(laisse->fenetre, laisse->message, laisse->wParam, laisse->lParam));
         m.note(regardeMessage(a, WM_USER + 4, WM_USER + 9, true) ? "found" : "none");
         distribueJusquAuRepos();
     },
     {"took A:user+3 1 0", "left A:user+1 0 0", "none", "A:user+1 0 0", "B:user+3 0 0", "A:user+3 2 0"}},

    {"purging timer messages drops the pending tick but not the timer",
     [](Monde& m, Fenetre a, Fenetre) {
         lanceMinuterie(a, 1, 50);
         avanceHorloge(50);
         m.note("purged " + std::to_string(purgeMessages(a, WM_TIMER, WM_TIMER)));
         avance(49);
         m.note("t=99");
         avance(1);
     },
     {"purged 1", "t=99", "A:timer 1 @100"}},

    {"purging the ticks of some timers leaves the others theirs",
     [](Monde& m, Fenetre a, Fenetre b) {
         lanceMinuterie(a, 1, 50);
         lanceMinuterie(a, 2, 50);
         lanceMinuterie(a, 3, 50);
         lanceMinuterie(b, 1, 50);
         avanceHorloge(50);
         posteMessage(a, WM_TIMER, 2);
         posteMessage(a, WM_TIMER, 3);
         m.note("purged " + std::to_string(purgeTicks(a, 1, 2)));
         distribueJusquAuRepos();
     },
     {"purged 3", "A:timer 3 @50", "A:timer 3 @50", "B:timer 1 @50"}},

    {"setting a timer again re-arms it from now",
     [](Monde& m, Fenetre a, Fenetre) {
         lanceMinuterie(a, 1, 100);
         avance(60);
         lanceMinuterie(a, 1, 100);
         avance(60);
         m.note("t=120");
         avance(40);
     },
     {"t=120", "A:timer 1 @160"}},

    {"killing a timer removes its pending tick",
     [](Monde& m, Fenetre a, Fenetre) {
         lanceMinuterie(a, 1, 10);
         avanceHorloge(30);
         m.note(arreteMinuterie(a, 1) ? "killed" : "not running");
         m.note(arreteMinuterie(a, 1) ? "killed" : "not running");
         avance(100);
     },
     {"killed", "not running"}},

    {"a late loop finds one tick per timer, and the timers keep their rhythm",
     [](Monde&, Fenetre a, Fenetre b) {
         lanceMinuterie(a, 1, 10);
         lanceMinuterie(b, 1, 20);
         avanceHorloge(95);
         distribueJusquAuRepos();
         avance(4);
         avance(1);
         avance(20);
     },
     {"A:timer 1 @95", "B:timer 1 @95", "A:timer 1 @100", "B:timer 1 @100", "A:timer 1 @110",
      "B:timer 1 @120", "A:timer 1 @120"}},

    {"advance delivers every tick at its time, in time order",
     [](Monde&, Fenetre a, Fenetre b) {
         lanceMinuterie(a, 1, 30);
         lanceMinuterie(b, 2, 20);
         lanceMinuterie(a, 3, 50);
         avance(60);
     },
     {"B:timer 2 @20", "A:timer 1 @30", "B:timer 2 @40", "A:timer 3 @50", "A:timer 1 @60", "B:timer 2 @60"}},

    {"what a tick posts is delivered before the next tick",
     [](Monde& m, Fenetre a, Fenetre b) {
         m.reaction = [b](Fenetre, uint32_t msg, uint32_t, int32_t) -> int32_t {
             if (msg == WM_TIMER) posteMessage(b, WM_USER + 7);
             return 0;
         };
         lanceMinuterie(a, 1, 10);
         avance(20);
     },
     {"A:timer 1 @10", "B:user+7 0 0", "A:timer 1 @20", "B:user+7 0 0"}},

    {"a too short interval ticks every 10 ms",
     [](Monde& m, Fenetre a, Fenetre) {
         lanceMinuterie(a, 3, 0);
         m.note("interval " + std::to_string(intervalleMinuterie(a, 3)));
         avance(25);
     },
     {"interval 10", "A:timer 3 @10", "A:timer 3 @20"}},
};

TEST(BoucleDeMessages, Scenarios) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.nom);
        Monde m;
        Fenetre a = m.cree("A");
        Fenetre b = m.cree("B");
        s.script(m, a, b);
        EXPECT_EQ(m.journal, s.attendu);
    }
}

TEST(BoucleDeMessages, TimerHandlersThatPostEveryTickStillLetTimeRun) {
    Monde m;
    Fenetre a = m.cree("A");
    Fenetre b = m.cree("B");
    m.reaction = [b](Fenetre, uint32_t msg, uint32_t, int32_t) -> int32_t {
        if (msg == WM_TIMER) posteMessage(b, WM_USER + 1);
        return 0;
    };
    lanceMinuterie(a, 271, 100);
    avance(1000);
    EXPECT_EQ(m.journal.size(), 20u); // ten ticks, each followed by its posted message
    EXPECT_EQ(m.journal.back(), "B:user+1 0 0");
    EXPECT_EQ(maintenantMs(), 1000);
}

TEST(BoucleDeMessages, ALoopThatNeverRestsIsCut) {
    Monde m;
    Fenetre a = m.cree("A");
    int recus = 0;
    changeProcedureFenetre(a, [&recus](Fenetre f, uint32_t, uint32_t, int32_t) -> int32_t {
        ++recus;
        posteMessage(f, WM_USER);
        return 0;
    });
    posteMessage(a, WM_USER);
    EXPECT_EQ(distribueJusquAuRepos(50), 50);
    avance(10); // returns although the window keeps posting
    EXPECT_EQ(maintenantMs(), 10);
    EXPECT_GT(recus, 50);
}

TEST(BoucleDeMessages, APaintSeesTheUnionOfWhatWasInvalidated) {
    Monde m;
    Fenetre a = m.cree("A");
    Rectangle vue;
    m.reaction = [&vue, a](Fenetre, uint32_t msg, uint32_t, int32_t) -> int32_t {
        if (msg == WM_PAINT) vue = zoneAPeindre(a);
        return 0;
    };
    invalideRectangle(a, {10, 10, 20, 20});
    invalideRectangle(a, {50, 5, 200, 15}); // cut to the client area
    EXPECT_EQ(zoneInvalide(a), (Rectangle{10, 5, 100, 20}));
    EXPECT_TRUE(distribueUnMessage());
    EXPECT_EQ(vue, (Rectangle{10, 5, 100, 20}));
    EXPECT_FALSE(aPeindre(a));
    EXPECT_TRUE(zoneAPeindre(a).estVide());
    EXPECT_FALSE(distribueUnMessage());
}

TEST(BoucleDeMessages, CoordinatesTravelInLParam) {
    const struct { int32_t x, y; } cas[] = {{0, 0}, {12, 34}, {-1, 5}, {300, -20}, {32767, -32768}};
    for (const auto& c : cas) {
        int32_t l = lParamDeCoordonnees(c.x, c.y);
        EXPECT_EQ(xDeLParam(l), c.x);
        EXPECT_EQ(yDeLParam(l), c.y);
    }
    EXPECT_EQ(lParamDeCoordonnees(3, 2), 0x00020003);
}

} // namespace
} // namespace km32::platform::essai
