// A sphere whose centre is beyond the integer limit of model units: its
// outline is saturated at the limit like every other coordinate, never
// computed past it (a fuzzed figure text found the overflow).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "drawing/element_solide.h"
#include "figure_dessinee.h"
#include "host/bibliotheque.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "platform/hasard.h"

namespace km32::essais {
namespace {

TEST(SphereLointaine, ItsOutlineStopsAtTheIntegerLimit) {
    initialiseBibliotheque();
    platform::initialiseHasard(1);
    etatMessages().messagesMuets = 1;
    uint16_t ligne = 0;
    auto f = figureDessinee("Figure Kalmetra\r\n"
                            "O point de coordonn\xE9"
                            "es (333330,0,0) dans le rep\xE8re Rxyz\r\n"
                            "S sph\xE8re de centre O et de rayon 3 (unit\xE9 de longueur Uxyz)\r\n",
                            ligne);
    etatMessages().messagesMuets = 0;
    ASSERT_EQ(ligne, 0);
    const int S = numeroObjetDeNotation(*f, "S");
    const TElementSolide* s = elementSolide(*f, S);
    ASSERT_TRUE(s && s->vue && !s->vue->lignes.empty());
    const auto& contour = s->vue->lignes[0].points;
    ASSERT_FALSE(contour.empty());
    const double rayon = 3 * f->echelle;
    for (const TentreeLigne& e : contour) {
        // The centre is held at the limit; the outline lies within a radius
        // of it, on the near side.
        EXPECT_GE(double(e.p.x), std::numeric_limits<int32_t>::max() - rayon - 1);
        EXPECT_LE(std::abs(double(e.p.y)), rayon + 1);
        EXPECT_LE(std::abs(double(e.p.z)), rayon + 1);
    }
}

} // namespace
} // namespace km32::essais
