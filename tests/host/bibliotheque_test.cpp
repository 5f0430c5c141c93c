#include "host/bibliotheque.h"

#include <gtest/gtest.h>

#include "sibling/table_partagee.h"

namespace km32 {
namespace {

TEST(Bibliotheque, StartAndEndAreIdempotentAndResetRestoresTheSiblingState) {
    reinitialiseBibliotheque();
    EXPECT_FALSE(bibliothequeInitialisee());
    termineBibliotheque();
    EXPECT_FALSE(bibliothequeInitialisee());
    initialiseBibliotheque();
    initialiseBibliotheque();
    EXPECT_TRUE(bibliothequeInitialisee());
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 1);
    TQTableDesVariablesPartagees()->langueAppliquee = 3;
    termineBibliotheque();
    EXPECT_FALSE(bibliothequeInitialisee());
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 3); // the sibling outlives this library
    reinitialiseBibliotheque();
    EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, 1);
}

} // namespace
} // namespace km32
