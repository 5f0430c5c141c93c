#include "model/operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace km32;

namespace {
const double kPi = std::acos(-1.0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CasUnaire {
    uint8_t code;
    double x;
    bool erreur;
    double attendu; // ignored on error
};

TEST(Operations, UnaryCodes) {
    const CasUnaire cas[] = {
        {1, 2.5, false, -2.5},
        {2, 4, false, 0.25},
        {2, 9e-11, true, 0},
        {3, 1e18, false, 1e36},
        {3, 1.1e18, true, 0},
        {4, 1e12, false, 1e36},
        {4, -1.1e12, true, 0},
        {5, 5, false, 120},
        {5, 34, true, 0},
        {5, 4.5, true, 0},
        {5, -1, true, 0},
        {6, 1, false, 0},
        {11, 2, false, std::sqrt(2.0)},
        {11, -1e-300, true, 0},
        {14, kPi / 4, false, 1},
        {14, kPi / 2, true, 0},
        {15, 1.0000001, true, 0},
        {15, 0.5, false, kPi / 3},
        {16, 0.5, false, kPi / 6},
        {16, -1.5, true, 0},
        {18, -25, false, 0},
        {18, -20, false, 0},
        {18, 21, true, 0},
        {18, 1, false, std::exp(1.0)},
        {19, 1e-11, true, 0},
        {19, std::exp(2.0), false, 2},
        {20, -2.5, false, -3},
        {20, 2.9999995, false, 3},
        {20, 2.999998, false, 2},
        {21, -3, false, 3},
    };
    for (const CasUnaire& c : cas) {
        double r = 123.0;
        bool e = !c.erreur;
        calculeFonctionUnaire(c.code, r, e, c.x);
        EXPECT_EQ(e, c.erreur) << "code " << int(c.code) << " x " << c.x;
        if (c.erreur)
            EXPECT_EQ(r, 123.0) << "code " << int(c.code) << ": result must stay untouched";
        else
            EXPECT_NEAR(r, c.attendu, 1e-12 * std::max(1.0, std::fabs(c.attendu))) << "code " << int(c.code);
    }
    // Codes without an operation leave both outputs alone.
    for (uint8_t code : {0, 7, 10, 22, 200}) {
        double r = 5;
        bool e = true;
        calculeFonctionUnaire(code, r, e, 1.0);
        EXPECT_EQ(r, 5);
        EXPECT_EQ(e, code >= 7 && code <= 10 ? false : true);
    }
}

struct CasBinaire {
    uint8_t code;
    double a, b;
    bool erreur;
    double attendu;
};

TEST(Operations, BinaryCodes) {
    const CasBinaire cas[] = {
        {31, 1, 2, false, 3},
        {31, 1.1e36, 0, true, 0},
        {32, 1, 3, false, -2},
        {32, 0, -1.1e36, true, 0},
        {33, 3, -4, false, -12},
        {33, 1.1e18, 1, true, 0},
        {34, 1, 4, false, 0.25},
        {34, 1, 1e-13, true, 0},
        {34, 1, 1e-18, true, 0},
        {35, 2, 2, false, 1},
        {36, 2, 2, false, 0},
        {37, 3, 2, false, 1},
        {38, 3, 2, false, 0},
        {39, 2, 2, false, 1},
        {40, 3, 2, false, 0},
        {41, 0, 0, true, 0},
        {41, -2, 3, false, -8},
        {41, 2, -2, false, 0.25},
        {41, 2e6, -1, true, 0},
        {41, 2, 2.6, false, 8},
        {41, 2, 2.5, false, 4},
        {41, 2, kNaN, true, 0},
        {41, 0.5, 1e12, false, 0},
        {41, 1, -1e12, false, 1},
        {42, 2, 0.5, false, std::sqrt(2.0)},
        {42, -8, 1.0 / 3, true, 0},
        {42, 2, 3, false, 8},
        {42, 10, 20.5, true, 0},
        {43, 1, 2, false, 1},
        {44, 1, 2, false, 2},
        {45, 5, 2, false, 20},
        {45, 2, 5, true, 0},
        {46, 5, 2, false, 10},
        {46, 129, 1, true, 0},
        {46, 128, 127, false, 128},
        {47, 1, 1, false, 1},
        {47, 1, 2, false, 0},
        {48, 0, 1, false, 1},
        {48, 0, 2, false, 0},
    };
    for (const CasBinaire& c : cas) {
        double r = 123.0;
        bool e = !c.erreur;
        calculeOperationBinaire(c.code, r, e, c.a, c.b);
        EXPECT_EQ(e, c.erreur) << "code " << int(c.code) << " a " << c.a << " b " << c.b;
        if (c.erreur)
            EXPECT_EQ(r, 123.0) << "code " << int(c.code);
        else
            EXPECT_NEAR(r, c.attendu, 1e-12 * std::max(1.0, std::fabs(c.attendu))) << "code " << int(c.code);
    }
}

TEST(Operations, MinAndMaxGiveTheSecondOperandOnTies) {
    double r = 0;
    bool e = false;
    calculeOperationBinaire(43, r, e, 0.0, -0.0);
    EXPECT_TRUE(std::signbit(r));
    calculeOperationBinaire(44, r, e, -0.0, 0.0);
    EXPECT_FALSE(std::signbit(r));
}

TEST(Operations, IntegerPowerSteps) {
    struct Cas {
        int32_t n;
        double x;
        bool erreur;
        double attendu;
    } cas[] = {
        {0, 0, true, 1},
        {0, 5, false, 1},
        {3, -2, false, -8},
        {4, -2, false, 16},
        {-2, 4, false, 0.0625},
        {2, 1e5, false, 1e10},
        {2, 1e6, true, 0},
        {2, 1.0000001e6, true, 0},
        {11, 10, true, 0},
        {10, 10, false, 1e10},
        {-40, 10, true, 0},
        {31, 1.5, false, std::pow(1.5, 31)},
        {40, 1e-7, false, 0},
        {35, -1.1, false, -std::pow(1.1, 35)},
        {30, 2, true, 0},
        {std::numeric_limits<int32_t>::min(), 2, true, 0},
        {std::numeric_limits<int32_t>::max(), -1, false, -1},
    };
    for (const auto& c : cas) {
        double r = -1;
        bool e = false;
        puissanceEntiere(c.n, r, e, c.x);
        EXPECT_EQ(e, c.erreur) << c.n << " " << c.x;
        if (!c.erreur) {
            EXPECT_NEAR(r, c.attendu, 1e-9 * std::max(1.0, std::fabs(c.attendu))) << c.n << " " << c.x;
        }
    }
    // The exponential route snaps small integral results: 1^40 is exactly 1.
    double r = 0;
    bool e = true;
    puissanceEntiere(40, r, e, 1.0);
    EXPECT_FALSE(e);
    EXPECT_EQ(r, 1.0);
}

// Exact factorials and binomial coefficients by integer arithmetic.
unsigned __int128 factorielleExacte(int n) {
    unsigned __int128 f = 1;
    for (int k = 2; k <= n; ++k)
        f *= k;
    return f;
}
// Pascal's triangle: exact binomial coefficients up to n = 128.
unsigned __int128 binomialExact(int n, int p) {
    static unsigned __int128 t[129][129] = {};
    if (t[0][0] == 0)
        for (int i = 0; i <= 128; ++i) {
            t[i][0] = t[i][i] = 1;
            for (int j = 1; j < i; ++j)
                t[i][j] = t[i - 1][j - 1] + t[i - 1][j];
        }
    return t[n][p];
}

TEST(Operations, FactorialsAgainstIntegerProducts) {
    for (int n = 0; n <= 33; ++n) {
        double r = 0;
        bool e = true;
        factorielle(r, e, n + 1e-7);
        ASSERT_FALSE(e) << n;
        const double exact = double(factorielleExacte(n));
        EXPECT_NEAR(r, exact, exact * 1e-15) << n;
    }
    for (double x : {-0.4, 33.6, 34.0, 35.0, 2.00001, kNaN}) {
        double r = 7;
        bool e = false;
        factorielle(r, e, x);
        EXPECT_TRUE(e) << x;
    }
    double r = 0;
    bool e = true;
    factorielle(r, e, -0.0000001); // rounds to 0 within the tolerance
    EXPECT_FALSE(e);
    EXPECT_EQ(r, 1);
}

TEST(Operations, CombinationsAgainstExactBinomials) {
    for (int n = 0; n <= 128; n += 7)
        for (int p = 0; p <= n; p += 3) {
            double r = 0;
            bool e = true;
            combinaisons(r, e, n, p);
            ASSERT_FALSE(e) << n << " " << p;
            const double exact = double(binomialExact(n, p));
            EXPECT_NEAR(r, exact, exact * 1e-14) << n << " " << p;
        }
    double r = 0;
    bool e = true;
    combinaisons(r, e, 128, 64);
    EXPECT_FALSE(e);
    EXPECT_NEAR(r, double(binomialExact(128, 64)), double(binomialExact(128, 64)) * 1e-14);
    for (auto [n, p] : {std::pair{129.0, 0.0}, {5.0, 6.0}, {-1.0, 0.0}, {5.5, 2.0}, {5.0, kNaN}}) {
        combinaisons(r, e, n, p);
        EXPECT_TRUE(e) << n << " " << p;
    }
}

TEST(Operations, ArrangementsAndTheirOverflowLimit) {
    double r = 0;
    bool e = true;
    arrangements(r, e, 10, 0);
    EXPECT_FALSE(e);
    EXPECT_EQ(r, 1);
    arrangements(r, e, 20, 20);
    EXPECT_FALSE(e);
    EXPECT_EQ(r, double(factorielleExacte(20)));
    // 35 factors overflow the limit of 7e37 on the way; the partial product is kept.
    arrangements(r, e, 35, 35);
    EXPECT_TRUE(e);
    EXPECT_LE(r, 7e37);
    EXPECT_GT(r, 1e30);
    for (auto [n, p] : {std::pair{30001.0, 1.0}, {3.0, -1.0}, {3.0000011, 1.0}}) {
        arrangements(r, e, n, p);
        EXPECT_TRUE(e) << n << " " << p;
    }
}

TEST(Operations, TolerantArcCosine) {
    EXPECT_EQ(arcCosinus(1.0000001), 0.0);
    EXPECT_DOUBLE_EQ(arcCosinus(-1.0000001), kPi);
    for (double x : {-0.99, -0.7, -0.3, 0.0, 0.3, 0.69, 0.7, 0.95, 1 - 1e-9})
        EXPECT_NEAR(arcCosinus(x), std::acos(x), 1e-12) << x;
}

TEST(Operations, Arities) {
    const struct {
        uint8_t code;
        int arite;
    } cas[] = {{0, 0},   {1, 1},   {30, 1},  {31, 2},  {50, 2},  {51, 1},  {52, 1},  {53, 0},
               {70, 0},  {71, 2},  {74, 2},  {75, 0},  {101, 1}, {111, 2}, {112, 2}, {113, 0},
               {121, 2}, {123, 2}, {131, 2}, {134, 2}, {141, 2}, {142, 2}, {161, 2}, {164, 2},
               {165, 0}, {181, 1}, {182, 1}, {183, 0}, {255, 0}};
    for (const auto& c : cas)
        EXPECT_EQ(ariteOperation(c.code), c.arite) << int(c.code);
}

TEST(Operations, BoundedRoundingAndSaturation) {
    const struct {
        double x;
        int32_t attendu;
    } cas[] = {{2.5, 2},       {3.5, 4},         {-2.5, -2},      {1048320.4, 1048320},
               {2e9, 1048320}, {-3e9, -1048320}, {kNaN, -1048320}};
    for (const auto& c : cas)
        EXPECT_EQ(arrondiBorne(c.x), c.attendu) << c.x;
    EXPECT_EQ(entier32Sature(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(entier32Sature(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(entier32Sature(kNaN), 0);
    EXPECT_EQ(entier32Sature(-7.5), -8);
}

TEST(Operations, PlaneHelpers) {
    EXPECT_DOUBLE_EQ(distancePointsEcran(0, 0, 3, 4), 5);
    EXPECT_EQ(distancePointsEcran(10001, 0, 0, 0), 10000.0);
    EXPECT_DOUBLE_EQ(distancePointsEcran(0, 50000, 0, 0), 50000); // only x is bounded
    double a = 3, b = 4;
    normalise2(a, b);
    EXPECT_DOUBLE_EQ(a, 0.6);
    EXPECT_DOUBLE_EQ(b, 0.8);
    // Distance of (1, 5) to the line through (2, 1) along (0.6, 0.8): |w x d|.
    const double wx = 1 - 2, wy = 5 - 1;
    EXPECT_NEAR(distanceALaDroite2(1, 5, 2, 1, 0.6, 0.8), std::fabs(wx * 0.8 - wy * 0.6), 1e-12);
}

struct CasCoupe {
    int32_t x1, y1, x2, y2;
    int resultat;
    int32_t rx1, ry1, rx2, ry2;
};

TEST(Operations, SegmentClippedToRectangle) {
    // Rectangle 0..100 x 0..50 (top 0, bottom 50).
    const CasCoupe cas[] = {
        {10, 10, 10, 10, 1, 10, 10, 10, 10},       // a point inside
        {-5, 10, -5, 10, 0, -5, 10, -5, 10},       // a point outside
        {10, 10, 90, 40, 1, 10, 10, 90, 40},       // inside
        {20, -10, 20, 80, 2, 20, 0, 20, 50},       // vertical through
        {120, -10, 120, 80, 0, 120, -10, 120, 80}, // vertical right of it
        {20, -10, 20, -5, 0, 20, -10, 20, -5},     // vertical above: clamps to one point
        {-10, 20, 200, 20, 2, 0, 20, 100, 20},     // horizontal through
        {-10, -10, -5, 60, 0, -10, -10, -5, 60},   // both left
        {-10, 25, 110, 25, 2, 0, 25, 100, 25},     // horizontal
        {-50, 0, 150, 50, 2, 0, 12, 100, 38},      // crosses left and right sides
        {50, -10, 60, 60, 2, 51, 0, 59, 50},       // crosses top and bottom
        {50, 25, 150, 35, 2, 50, 25, 100, 30},     // end 2 right of the rectangle
        {150, 35, 50, 25, 2, 100, 30, 50, 25},     // the same reversed: ends come back in place
        {50, 25, 200, 125, 2, 50, 25, 88, 50},     // leaves through the bottom before the right side
        {50, 25, 60, 80, 2, 50, 25, 55, 50},       // end 2 below
        {50, 25, 40, -25, 2, 50, 25, 45, 0},       // end 2 above
        {0, 25, -40, 30, 0, 0, 25, -40, 30},       // leaves from the left edge itself
    };
    for (const CasCoupe& c : cas) {
        int32_t x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        EXPECT_EQ(coupeSegmentAuRectangle(x1, y1, x2, y2, 0, 0, 100, 50), c.resultat)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
        if (c.resultat != 0) {
            EXPECT_EQ(x1, c.rx1);
            EXPECT_EQ(y1, c.ry1);
            EXPECT_EQ(x2, c.rx2);
            EXPECT_EQ(y2, c.ry2);
        }
    }
}

} // namespace
