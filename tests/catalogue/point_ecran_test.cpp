// Screen points in 1/32 pixel: clamping, rounding to whole pixels and flags.
#include "model/point_ecran.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace km32 {
namespace {

TEST(PointEcran, StoresThirtySecondsOfPixelClamped) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Cas {
        double pixels;
        int32_t stocke;
    };
    const Cas cas[] = {
        {1.5, 48},
        {-2.25, -72},
        {0.5 / 32, 0},
        {1.5 / 32, 2},
        {2.5 / 32, 2},
        {-0.5 / 32, 0},
        {-1.5 / 32, -2},
        {32760.0, 1048320},
        {40000.0, 1048320},
        {-40000.0, -1048320},
        {inf, 1048320},
        {-inf, -1048320},
        {std::nan(""), -1048320},
    };
    for (const Cas& c : cas) {
        TpointEcran p;
        fixePointEcran(p, false, c.pixels, -c.pixels);
        EXPECT_EQ(p.x.en32emes(), c.stocke) << c.pixels;
        EXPECT_EQ(p.y.en32emes(), std::isnan(c.pixels) ? c.stocke : -c.stocke) << c.pixels; // -NaN is NaN
    }
}

TEST(PointEcran, WholePixelsRoundHalvesToEven) {
    struct Cas {
        int32_t v, pixels;
    };
    const Cas cas[] = {{0, 0},   {15, 0},   {16, 0},   {17, 1},   {48, 2},          {80, 2},
                       {-16, 0}, {-17, -1}, {-48, -2}, {-80, -2}, {1048320, 32760}, {-1048320, -32760}};
    for (const Cas& c : cas) {
        TpointEcran p;
        p.x = TcoordonneeEcran::de32emes(c.v);
        p.y = TcoordonneeEcran::de32emes(-c.v);
        EXPECT_EQ(xPointEcran(p), c.pixels) << c.v;
        EXPECT_EQ(yPointEcran(p), -c.pixels) << c.v;
        EXPECT_DOUBLE_EQ(xReelPointEcran(p), c.v / 32.0);
    }
}

TEST(PointEcran, Flags) {
    TpointEcran p;
    fixePointEcran(p, true, 1, 2);
    EXPECT_TRUE(pointEcranNonRelie(p));
    EXPECT_FALSE(pointEcranDefini(p));
    fixePointEcranCache(p, true);
    EXPECT_TRUE(pointEcranCache(p));
    EXPECT_TRUE(pointEcranNonRelie(p));
    fixePointEcranCache(p, false);
    EXPECT_EQ(p.drapeaux, kPointEcranNonRelie);
    fixePointEcran(p, false, 1, 2);
    EXPECT_EQ(p.drapeaux, 0);

    fixePointEcranDefini(p, false, 3, 4);
    EXPECT_EQ(p.drapeaux, kPointEcranDefini);
    EXPECT_EQ(p.x.en32emes(), 96);
    EXPECT_EQ(p.y.en32emes(), 128);
    p.drapeaux |= kPointEcranCache;
    fixePointEcranDefini(p, true, 5, 6); // undefined: flags cleared, position kept
    EXPECT_EQ(p.drapeaux, 0);
    EXPECT_EQ(p.x.en32emes(), 96);
    EXPECT_EQ(p.y.en32emes(), 128);
}

} // namespace
} // namespace km32
