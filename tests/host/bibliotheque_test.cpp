#include "host/bibliotheque.h"

#include <gtest/gtest.h>

#include "sibling/table_partagee.h"
#include "text/ligne_figure.h"
#include "text/reconnaissance.h"

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

namespace km32 {
namespace {

// After the start, a line of the applied language is recognised: the
// keywords and the pattern table were built from the real phrases.
TEST(Bibliotheque, StartBuildsThePatternsOfTheAppliedLanguage) {
    reinitialiseBibliotheque();
    initialiseBibliotheque();
    ASSERT_NE(tableDesModeles(), nullptr);
    TLigneFigure ligne;
    ligne.ligne = "M milieu du segment [AB]";
    prepareLigneFigure(ligne);
    reconnaitLigne(ligne);
    EXPECT_EQ(ligne.erreur, 0);
    EXPECT_EQ(ligne.codeLigne, 2016);
    EXPECT_EQ(ligne.arguments[1], "[AB]");
    EXPECT_EQ(ligne.arguments[2], "M");
    termineBibliotheque();
    EXPECT_EQ(tableDesModeles(), nullptr);
}

} // namespace
} // namespace km32
