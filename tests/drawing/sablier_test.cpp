// The hourglass: the wait cursor with the mouse captured while the library
// works, the previous cursor back and the mouse messages of the wait dropped
// afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "drawing/rendu_styles.h"
#include "model/services_dessin.h"
#include "platform/curseurs.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/plateforme.h"

namespace km32::essai {
namespace {

namespace p = platform;

class Sablier : public ::testing::Test {
  protected:
    Sablier() {
        p::reinitialisePlateforme();
        initialiseDessin();
        fenetre = p::creeFenetre(
            0, {0, 0, 200, 100},
            [this](p::Fenetre, uint32_t m, uint32_t, int32_t) {
                recus.push_back(m);
                return 0;
            },
            true);
    }
    ~Sablier() override {
        p::reinitialisePlateforme();
        initialiseDessin();
    }
    p::Fenetre fenetre = 0;
    std::vector<uint32_t> recus;
};

TEST_F(Sablier, TheWaitCursorHoldsTheMouseUntilItIsRemoved) {
    p::changeCurseur(p::kCurseurKM);
    afficheSablier(fenetre);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurSablier);
    EXPECT_EQ(p::fenetreCapture(), fenetre);
    // A second call while it is on keeps the first cursor to give back.
    afficheSablier(fenetre);
    // Clicks and moves during the work are dropped; other messages stay.
    p::posteMessage(fenetre, p::WM_LBUTTONDOWN, 0, 0);
    p::posteMessage(fenetre, p::WM_MOUSEMOVE, 0, 0);
    p::posteMessage(fenetre, p::WM_COMMAND, 5, 0);
    retireSablier(fenetre);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurKM);
    EXPECT_EQ(p::fenetreCapture(), p::kAucuneFenetre);
    p::distribueJusquAuRepos();
    EXPECT_EQ(std::count(recus.begin(), recus.end(), p::WM_COMMAND), 1);
    EXPECT_EQ(std::count(recus.begin(), recus.end(), p::WM_LBUTTONDOWN), 0);
    EXPECT_EQ(std::count(recus.begin(), recus.end(), p::WM_MOUSEMOVE), 0);
    // Removed again: nothing happens.
    p::changeCurseur(p::kCurseurCroix);
    retireSablier(fenetre);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurCroix);
}

TEST_F(Sablier, WithoutAWindowOrAKeptCursor) {
    p::changeCurseur(p::kCurseurKM);
    afficheSablier(0); // no window: nothing
    EXPECT_EQ(p::curseurCourant(), p::kCurseurKM);
    EXPECT_EQ(p::fenetreCapture(), p::kAucuneFenetre);
    // No cursor was shown before: the arrow comes back.
    p::changeCurseur(p::kAucunCurseur);
    afficheSablier(fenetre);
    retireSablier(fenetre);
    EXPECT_EQ(p::curseurCourant(), p::kCurseurFleche);
}

} // namespace
} // namespace km32::essai
