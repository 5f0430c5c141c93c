// Prototypes defined by blocks and used by later lines: the results against
// geometry computed independently.
#include "banc_prototypes.h"

namespace km32::essai {
namespace {

class Utilisation : public BancPrototypes {};

TEST_F(Utilisation, MilieuDefiniParUnBlocEtUtiliseDeuxFois) {
    const auto lignes = joint(kBlocMilieu, {
                                               "C point de coordonnées (1,2,3) dans le repère Rxyz",
                                               "D point de coordonnées (5,-2,7) dans le repère Rxyz",
                                               "E point de coordonnées (-3,0,1) dans le repère Rxyz",
                                               "I milieu de CD",
                                               "J milieu de IE",
                                           });
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    ASSERT_EQ(nombrePrototypes(), 1);
    EXPECT_EQ(noms(), "C D E I J");
    attendPoint(pt("I"), 3, 0, 5);
    attendPoint(pt("J"), 0, 0, 3);
    EXPECT_TRUE(defini("J"));
}

} // namespace
} // namespace km32::essai
