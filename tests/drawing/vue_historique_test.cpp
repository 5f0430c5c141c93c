// The view history: pushes, steps back and forth, and the drop of the
// oldest views when it is full.
#include "drawing/historique_vues.h"
#include "vue_banc.h"

namespace km32::essai {
namespace {

class HistoriqueVues : public BancVue {
  protected:
    // Pushes the view (k, -k, 2k) / 1000 radians.
    void pousse(int k) {
        f->anglesVue[0] = k / 1000.0;
        f->anglesVue[1] = -k / 1000.0;
        f->anglesVue[2] = 2 * k / 1000.0;
        memoriseVue(*f);
    }
    int vueMontree() const { return int(std::lround(f->anglesVue[0] * 1000)); }
};

TEST_F(HistoriqueVues, NoHistoryNoStep) {
    EXPECT_FALSE(f->historiqueVues);
    EXPECT_EQ(vuePrecedente(*f), 0);
    EXPECT_EQ(vueSuivante(*f), 0);
    EXPECT_TRUE(journalVue().empty());
}

TEST_F(HistoriqueVues, BackAndForthShowTheRememberedAnglesAndStopAtTheEnds) {
    for (int k = 1; k <= 3; ++k)
        pousse(k);
    EXPECT_EQ(vueSuivante(*f), 0);
    ASSERT_EQ(vuePrecedente(*f), 1);
    EXPECT_EQ(vueMontree(), 2);
    EXPECT_DOUBLE_EQ(f->anglesVue[1], -0.002);
    EXPECT_DOUBLE_EQ(f->anglesVue[2], 0.004);
    // Showing a view rebuilds and repaints as any change of angles.
    EXPECT_EQ(journalVue(),
              (std::vector<std::string>{"polyedres", "libereSaufTextes", "elements", "repeint"}));
    ASSERT_EQ(vuePrecedente(*f), 1);
    EXPECT_EQ(vueMontree(), 1);
    EXPECT_EQ(vuePrecedente(*f), 0);
    EXPECT_EQ(vueMontree(), 1);
    ASSERT_EQ(vueSuivante(*f), 1);
    ASSERT_EQ(vueSuivante(*f), 1);
    EXPECT_EQ(vueMontree(), 3);
    EXPECT_EQ(vueSuivante(*f), 0);
    EXPECT_EQ(f->historiqueVues->nombre, 3); // stepping removes nothing
}

TEST_F(HistoriqueVues, APushAfterSteppingBackGoesAfterTheLastView) {
    for (int k = 1; k <= 4; ++k)
        pousse(k);
    vuePrecedente(*f);
    vuePrecedente(*f);
    pousse(9);
    const ThistoriqueVues& h = *f->historiqueVues;
    EXPECT_EQ(h.nombre, 5);
    EXPECT_EQ(h.courante, 5);
    EXPECT_DOUBLE_EQ(h.entrees[4][0], 0.004);
    EXPECT_DOUBLE_EQ(h.entrees[5][0], 0.009);
    EXPECT_EQ(vueSuivante(*f), 0);
    ASSERT_EQ(vuePrecedente(*f), 1);
    EXPECT_EQ(vueMontree(), 4);
}

TEST_F(HistoriqueVues, TheThousandAndFirstViewDropsTheOldestHundred) {
    for (int k = 1; k <= 1000; ++k)
        pousse(k);
    EXPECT_EQ(f->historiqueVues->nombre, 1000);
    pousse(1001);
    const ThistoriqueVues& h = *f->historiqueVues;
    EXPECT_EQ(h.nombre, 901);
    EXPECT_EQ(h.courante, 901);
    EXPECT_DOUBLE_EQ(h.entrees[1][0], 0.101);
    EXPECT_DOUBLE_EQ(h.entrees[1][2], 0.202);
    EXPECT_DOUBLE_EQ(h.entrees[900][0], 1.000);
    EXPECT_DOUBLE_EQ(h.entrees[901][0], 1.001);
    // Walking back all the way ends on the oldest view kept.
    int pas = 0;
    while (vuePrecedente(*f))
        ++pas;
    EXPECT_EQ(pas, 900);
    EXPECT_EQ(vueMontree(), 101);
}

} // namespace
} // namespace km32::essai
