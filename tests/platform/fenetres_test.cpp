// Windows: activation and focus order, destruction, coordinates, placement.
#include "platform/fenetres.h"

#include <gtest/gtest.h>

#include "banc_fenetres.h"
#include "platform/entrees.h"
#include "platform/minuteries.h"

namespace km32::platform::essai {
namespace {

using Log = std::vector<std::string>;

TEST(Fenetres, TheLosingWindowHearsOfActivationFirst) {
    Monde m;
    Fenetre a = m.cree("A");
    Fenetre b = m.cree("B");
    EXPECT_EQ(activeFenetre(a), kAucuneFenetre);
    EXPECT_EQ(activeFenetre(b), a);
    EXPECT_EQ(activeFenetre(b), b);  // already active: nothing sent
    EXPECT_EQ(activeFenetre(99), b); // unknown: nothing changes
    EXPECT_EQ(activeFenetre(kAucuneFenetre), b);
    EXPECT_EQ(m.journal, (Log{"A:activate 1 0", "A:activate 0 B", "B:activate 1 A", "B:activate 0 0"}));
    EXPECT_EQ(fenetreActive(), kAucuneFenetre);
}

TEST(Fenetres, ActivationChangedByTheLosingWindowStands) {
    Monde m;
    Fenetre a = m.cree("A");
    Fenetre b = m.cree("B");
    Fenetre c = m.cree("C");
    activeFenetre(a);
    m.reaction = [a, c](Fenetre f, uint32_t msg, uint32_t w, int32_t) -> int32_t {
        if (f == a && msg == WM_ACTIVATE && w == WA_INACTIVE) activeFenetre(c);
        return 0;
    };
    m.journal.clear();
    activeFenetre(b);
    EXPECT_EQ(m.journal, (Log{"A:activate 0 B", "B:activate 0 C", "C:activate 1 B"}));
    EXPECT_EQ(fenetreActive(), c);
}

TEST(Fenetres, FocusMovesWithKillBeforeSet) {
    Monde m;
    Fenetre a = m.cree("A");
    Fenetre b = m.cree("B");
    donneFocus(a);
    EXPECT_EQ(donneFocus(b), a);
    EXPECT_EQ(fenetreFocus(), b);
    EXPECT_EQ(m.journal, (Log{"A:setfocus 0", "A:killfocus B", "B:setfocus A"}));
}

TEST(Fenetres, DestroyingAWindowDestroysItsFamilyAndWhatWaitsForIt) {
    Monde m;
    Fenetre autre = m.cree("O");
    Fenetre p = m.cree("P");
    Fenetre c1 = m.cree("C1", p);
    Fenetre g = m.cree("G", c1);
    Fenetre c2 = m.cree("C2", p);
    posteMessage(c2, WM_USER + 1);
    posteMessage(autre, WM_USER + 2);
    invalideFenetre(c1);
    lanceMinuterie(g, 271, 10);
    lanceMinuterie(autre, 272, 400);
    activeFenetre(c1);
    donneFocus(g);
    captureSouris(c2);
    m.journal.clear();

    EXPECT_TRUE(detruitFenetre(p));
    EXPECT_EQ(m.journal, (Log{"P:destroy", "C1:destroy", "G:destroy", "C2:destroy"}));
    for (Fenetre f : {p, c1, g, c2})
        EXPECT_FALSE(estFenetre(f));
    EXPECT_EQ(nombreDeFenetres(), 1u);
    EXPECT_EQ(fenetreActive(), kAucuneFenetre);
    EXPECT_EQ(fenetreFocus(), kAucuneFenetre);
    EXPECT_EQ(fenetreCapture(), kAucuneFenetre);
    EXPECT_FALSE(minuterieExiste(g, 271));
    EXPECT_TRUE(minuterieExiste(autre, 272));
    EXPECT_EQ(nombreMessagesPostes(), 1u);

    // Refused quietly afterwards: nothing reaches a procedure.
    m.journal.clear();
    EXPECT_FALSE(detruitFenetre(p));
    EXPECT_FALSE(posteMessage(c2, WM_USER));
    EXPECT_EQ(envoieMessage(c1, WM_USER, 1, 2), 0);
    EXPECT_FALSE(lanceMinuterie(g, 1, 10));
    EXPECT_FALSE(invalideFenetre(c1));
    EXPECT_EQ(captureSouris(g), kAucuneFenetre);
    avance(1000);
    EXPECT_EQ(m.journal, (Log{"O:user+2 0 0", "O:timer 272 @400", "O:timer 272 @800"}));

    // A new window never gets an old handle.
    Fenetre nouvelle = m.cree("N");
    for (Fenetre f : {autre, p, c1, g, c2})
        EXPECT_NE(nouvelle, f);
}

TEST(Fenetres, AWindowMayDestroyItselfOrItsParentWhileHandlingAMessage) {
    Monde m;
    Fenetre p = m.cree("P");
    Fenetre a = m.cree("A", p);
    Fenetre b = m.cree("B", p);
    m.reaction = [&m, p](Fenetre f, uint32_t msg, uint32_t, int32_t) -> int32_t {
        if (msg == WM_CLOSE) {
            m.note(detruitFenetre(f) ? "closed" : "not closed");
            m.note(estFenetre(f) ? "still there" : "gone");
        }
        if (msg == WM_USER + 1) detruitFenetre(p);
        if (msg == WM_DESTROY) m.note(detruitFenetre(f) ? "again" : "refused");
        return 0;
    };
    envoieMessage(a, WM_CLOSE);
    posteMessage(b, WM_USER + 1);
    distribueJusquAuRepos();
    EXPECT_EQ(m.journal, (Log{"A:16 0 0", "A:destroy", "refused", "closed", "gone", "B:user+1 0 0",
                              "P:destroy", "refused", "B:destroy", "refused"}));
    EXPECT_EQ(nombreDeFenetres(), 0u);
}

TEST(Fenetres, CreationRefusedByTheProcedure) {
    Monde m;
    auto refuse = [&m](Fenetre, uint32_t msg, uint32_t, int32_t) -> int32_t {
        m.note(msg == WM_CREATE ? "create" : msg == WM_DESTROY ? "destroy" : "other");
        return msg == WM_CREATE ? -1 : 0;
    };
    Fenetre f = creeFenetre(kAucuneFenetre, {0, 0, 10, 10}, refuse, true);
    EXPECT_EQ(f, kAucuneFenetre);
    EXPECT_EQ(m.journal, (Log{"create", "destroy"}));
    EXPECT_EQ(nombreDeFenetres(), 0u);
    EXPECT_EQ(creeFenetre(99, {0, 0, 10, 10}, nullptr, true), kAucuneFenetre); // unknown parent
}

TEST(Fenetres, ClientAndScreenCoordinates) {
    Monde m;
    Fenetre p = m.cree("P", kAucuneFenetre, {100, 50, 500, 450});
    Fenetre c = m.cree("C", p, {10, 20, 110, 80});
    Fenetre g = m.cree("G", c, {5, 6, 25, 26});
    EXPECT_EQ(rectangleClient(c), (Rectangle{0, 0, 100, 60}));
    EXPECT_EQ(rectangleEcran(c), (Rectangle{110, 70, 210, 130}));
    EXPECT_EQ(rectangleEcran(g), (Rectangle{115, 76, 135, 96}));
    EXPECT_EQ(clientVersEcran(g, {1, 2}), (Point{116, 78}));
    EXPECT_EQ(ecranVersClient(g, {116, 78}), (Point{1, 2}));
    EXPECT_EQ(ecranVersClient(c, {0, 0}), (Point{-110, -70}));
    EXPECT_EQ(ancetreRacine(g), p);
    EXPECT_EQ(ancetreRacine(p), p);
    EXPECT_EQ(clientVersEcran(99, {3, 4}), (Point{3, 4}));
}

TEST(Fenetres, MovingAndSizingTellTheWindow) {
    Monde m;
    Fenetre a = m.cree("A", kAucuneFenetre, {0, 0, 100, 100});
    placeFenetre(a, {10, 20, 110, 120}); // moved only
    distribueJusquAuRepos();
    placeFenetre(a, {10, 20, 60, 50}); // sized only: repainted
    distribueJusquAuRepos();
    placeFenetre(a, {0, 0, -5, 10}); // a negative width counts as 0
    EXPECT_EQ(m.journal, (Log{"A:move 10 20", "A:size 50 30", "A:paint", "A:move 0 0", "A:size 0 10"}));
    EXPECT_EQ(cadreFenetre(a), (Rectangle{0, 0, 0, 10}));
}

TEST(Fenetres, ParentsNeverFormACycle) {
    Monde m;
    Fenetre p = m.cree("P");
    Fenetre c = m.cree("C", p);
    Fenetre g = m.cree("G", c);
    Fenetre h = m.cree("H");
    EXPECT_FALSE(changeParent(p, g));
    EXPECT_FALSE(changeParent(p, p));
    EXPECT_FALSE(changeParent(p, 99));
    EXPECT_TRUE(changeParent(c, h));
    EXPECT_EQ(parentFenetre(c), h);
    EXPECT_TRUE(enfantsFenetre(p).empty());
    EXPECT_EQ(enfantsFenetre(h), std::vector<Fenetre>{c});
    EXPECT_TRUE(estDescendant(g, h));
    EXPECT_TRUE(changeParent(c, kAucuneFenetre));
    EXPECT_EQ(ancetreRacine(g), c);
}

TEST(Fenetres, OnlyVisibleWindowsArePainted) {
    Monde m;
    Fenetre p = m.cree("P");
    Fenetre c = m.cree("C", p);
    afficheFenetre(p, false);
    invalideFenetre(c);
    EXPECT_TRUE(estAffichee(c));
    EXPECT_FALSE(estVisible(c));
    EXPECT_FALSE(metAJourFenetre(c));
    distribueJusquAuRepos();
    EXPECT_TRUE(m.journal.empty());
    afficheFenetre(p, true);
    EXPECT_TRUE(metAJourFenetre(c)); // painted at once, not queued
    EXPECT_EQ(m.journal, (Log{"C:paint"}));
    distribueJusquAuRepos();
    EXPECT_EQ(m.journal, (Log{"C:paint", "P:paint"}));
}

} // namespace
} // namespace km32::platform::essai
