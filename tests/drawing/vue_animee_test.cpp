// The animated rotation, its steps and waits on the virtual clock, and the
// turn asked by a mouse move.
#include "drawing/historique_vues.h"
#include "drawing/vue_animee.h"
#include "drawing/vue_projection.h"
#include "drawing/vue_rotation_souris.h"
#include "model/operations.h"
#include "platform/horloge.h"
#include "platform/messages.h"
#include "vue_banc.h"

namespace km32::essai {
namespace {

class RotationAnimee : public BancVue {
  protected:
    // A registered figure with a drawing window.
    TfigureKalmetra& figureAvecFenetre() {
        TfigureKalmetra& g = figureInscrite(1);
        g.fenetreDessin = platform::creeFenetre(
            0, {0, 0, 491, 263}, [](platform::Fenetre, uint32_t, uint32_t, int32_t) -> int32_t { return 0; },
            false);
        g.anglesVue[0] = g.anglesVue[1] = g.anglesVue[2] = 0;
        calculeProjection(g);
        journalVue().clear();
        return g;
    }
    static double ecart(const TfigureKalmetra& g, double x, double y, double z) {
        const double* d = g.directionVue;
        return arcCosinus(d[0] * x + d[1] * y + d[2] * z);
    }
};

// The call takes all its steps, one repaint each, and waits one timer
// interval after each (virtual time moves by as much).
TEST_F(RotationAnimee, EveryStepIsTakenInsideTheCall) {
    TfigureKalmetra& g = figureAvecFenetre();
    const int64_t debut = platform::maintenantMs();
    ASSERT_TRUE(animeRotationVue(g, 4, 0, 0, 1, true));
    EXPECT_NEAR(ecart(g, 0, 0, 1), 0, 1e-9);
    EXPECT_EQ(std::count(journalVue().begin(), journalVue().end(), "repeint"), 4);
    const int64_t duree = platform::maintenantMs() - debut;
    EXPECT_GE(duree, 4 * 100);
    EXPECT_LE(duree, 4 * 102);
    // The final view, and only it, is remembered.
    ASSERT_TRUE(g.historiqueVues);
    EXPECT_EQ(g.historiqueVues->nombre, 1);
    EXPECT_EQ(g.historiqueVues->entrees[1][1], g.anglesVue[1]);
    // Nothing is left to run afterwards.
    const double fin[3] = {g.anglesVue[0], g.anglesVue[1], g.anglesVue[2]};
    platform::avance(1000);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(g.anglesVue[k], fin[k]);
}

// The wait follows the figure's clock interval and survives midnight.
TEST_F(RotationAnimee, TheWaitFollowsTheClockIntervalAcrossMidnight) {
    TfigureKalmetra& g = figureAvecFenetre();
    g.intervalleHorloge = 250;
    platform::fixeHeureVirtuelle(86400 - 0.1);
    double precedent = platform::heureDuJourEnSecondes();
    const int64_t debut = platform::maintenantMs();
    attendIntervalleTimer(g, precedent);
    // The time of day went back to 0.15 s at midnight: the wait still ends,
    // and the next one counts from there.
    EXPECT_LE(platform::maintenantMs() - debut, 251);
    EXPECT_LT(precedent, 1);
    const int64_t milieu = platform::maintenantMs();
    attendIntervalleTimer(g, precedent);
    EXPECT_GE(platform::maintenantMs() - milieu, 250);
    EXPECT_LE(platform::maintenantMs() - milieu, 252);
}

TEST_F(RotationAnimee, TheOppositeAxisGivesTheSameTurn) {
    TfigureKalmetra& g = figureAvecFenetre();
    // Looking along +x, an axis pointing away from the viewer is reversed.
    ASSERT_TRUE(animeRotationVue(g, 3, -0.2, 0.6, 0.7));
    const double n = std::sqrt(0.04 + 0.36 + 0.49);
    EXPECT_NEAR(ecart(g, 0.2 / n, -0.6 / n, -0.7 / n), 0, 1e-7);
    EXPECT_FALSE(g.historiqueVues); // not asked to remember
}

TEST_F(RotationAnimee, AlongTheLineOfSightOnlyRepaints) {
    TfigureKalmetra& g = figureAvecFenetre();
    const int64_t debut = platform::maintenantMs();
    ASSERT_TRUE(animeRotationVue(g, 10, -2, 0, 0));
    EXPECT_EQ(platform::maintenantMs(), debut);
    EXPECT_NEAR(g.anglesVue[0], 0, 1e-12);
    EXPECT_NEAR(g.anglesVue[1], 0, 1e-12);
    EXPECT_NEAR(g.anglesVue[2], 0, 1e-12);
    EXPECT_EQ(std::count(journalVue().begin(), journalVue().end(), "repeint"), 1);
}

TEST_F(RotationAnimee, RefusalsAndAFigureWithoutWindow) {
    TfigureKalmetra& g = figureAvecFenetre();
    EXPECT_FALSE(animeRotationVue(g, 5, 0, 0, 0));
    EXPECT_FALSE(animeRotationVue(g, 5, NAN, 0, 1));
    EXPECT_TRUE(journalVue().empty());
    // No step: the turn is shared among none, nothing turns or waits, and
    // the view as it stands is what is remembered.
    const double angles[3] = {g.anglesVue[0], g.anglesVue[1], g.anglesVue[2]};
    const int64_t debut = platform::maintenantMs();
    ASSERT_TRUE(animeRotationVue(g, 0, 0, 1, 0, true));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(g.anglesVue[k], angles[k]) << k;
    EXPECT_EQ(platform::maintenantMs(), debut);
    EXPECT_TRUE(journalVue().empty());
    ASSERT_TRUE(g.historiqueVues);
    EXPECT_EQ(g.historiqueVues->nombre, 1);
    // One step turns all the way.
    ASSERT_TRUE(animeRotationVue(g, 1, 0, 1, 0));
    EXPECT_NEAR(ecart(g, 0, 1, 0), 0, 1e-9);
    // A figure outside the table turns all the same.
    ASSERT_TRUE(animeRotationVue(*f, 6, 0, 0, 1));
    EXPECT_NEAR(ecart(*f, 0, 0, 1), 0, 1e-9);
}

TEST(RotationSouris, AngleAndSnappedDirectionOfAMove) {
    const double diag = std::hypot(300.0, 400.0);
    const struct {
        double dx, dy;
        double axe[2];
    } cas[] = {
        {50, 0, {1, 0}},
        {-50, 9, {-1, 0}},
        {10, 60, {0, 1}},
        {0, -30, {0, -1}},
        {30, 40, {0.6, 0.8}},
        {-40, 30, {-0.8, 0.6}},
        {50, 10, {0.98058067569092, 0.19611613513818}},
        {-6, 30, {-0.19611613513818, 0.98058067569092}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        TrotationSouris r;
        ASSERT_TRUE(rotationParDeplacementSouris(c.dx, c.dy, 300, 400, r));
        EXPECT_NEAR(r.angle, 3 * std::pow(std::hypot(c.dx, c.dy) / diag, 1.3), 1e-12);
        EXPECT_NEAR(r.axe[0], c.axe[0], 1e-12);
        EXPECT_NEAR(r.axe[1], c.axe[1], 1e-12);
        EXPECT_EQ(r.axe[2], 0);
    }
    TrotationSouris r;
    EXPECT_FALSE(rotationParDeplacementSouris(0.6, 0.7, 300, 400, r)); // shorter than a pixel
    EXPECT_FALSE(rotationParDeplacementSouris(NAN, 5, 300, 400, r));
    EXPECT_FALSE(rotationParDeplacementSouris(5, 5, 0, 0, r));
}

TEST(RotationSouris, TurnAboutTheLineOfSight) {
    TrotationSouris r;
    // A quarter turn counterclockwise on the screen (y downwards).
    ASSERT_TRUE(rotationPlanDeFaceSouris({100, 50}, {150, 100}, 100, 100, r));
    EXPECT_NEAR(r.angle, std::numbers::pi / 2, 1e-12);
    EXPECT_EQ(r.axe[2], 1);
    ASSERT_TRUE(rotationPlanDeFaceSouris({150, 100}, {100, 50}, 100, 100, r));
    EXPECT_EQ(r.axe[2], -1);
    // A tiny turn is slowed down tenfold.
    ASSERT_TRUE(rotationPlanDeFaceSouris({1000, 1001}, {1000, 1000}, 0, 0, r));
    EXPECT_NEAR(
        r.angle,
        std::acos((1000.0 * 1000 + 1001.0 * 1000) / (std::hypot(1000, 1001) * std::hypot(1000, 1000))) / 10,
        1e-9);
    EXPECT_FALSE(rotationPlanDeFaceSouris({100, 100}, {150, 100}, 100, 100.5, r));
}

} // namespace
} // namespace km32::essai
