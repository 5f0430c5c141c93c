// Intersections of lines with circles and spheres and of two circles, the
// first-solution flag, and the second point when the first is given.
#include <gtest/gtest.h>

#include <cmath>

#include "banc_calcul.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

class Intersections : public BancCalcul {
  protected:
    // Both solutions of a two-point construction: the first, then the second.
    std::pair<int, int> deuxSolutions(uint8_t code, std::initializer_list<int> parents) {
        const int un = ajoute(code, parents), deux = ajoute(code, parents);
        premiereSolution(un, true);
        calculeObjet(f, un);
        calculeObjet(f, deux);
        return {un, deux};
    }
};

TEST_F(Intersections, LineAndCircle) {
    const int K = cercle({0, 0, 0}, {0, 0, 1}, 5, {1, 0, 0});
    struct Cas {
        P3 a, b;
        uint16_t raison1, raison2;
        P3 un, deux;
    } cas[] = {
        {{-10, 3, 0}, {10, 3, 0}, 0, 0, {4, 3, 0}, {-4, 3, 0}}, // a chord in the circle's plane
        {{10, 3, 0}, {-10, 3, 0}, 0, 0, {-4, 3, 0}, {4, 3, 0}}, // the other way round
        {{-1, 5, 0}, {1, 5, 0}, 0, 0, {0, 5, 0}, {0, 5, 0}},    // tangent
        {{-1, 5 + 1e-8, 0}, {1, 5 + 1e-8, 0}, 0, 0, {0, 5 + 1e-8, 0}, {0, 5 + 1e-8, 0}},
        {{-1, 6, 0}, {1, 6, 0}, 446, 446, {}, {}},      // outside
        {{-1, 0, 1}, {1, 0, 1}, 446, 446, {}, {}},      // parallel to the plane, off it
        {{3, 4, -1}, {3, 4, 1}, 0, 457, {3, 4, 0}, {}}, // crossing the plane on the circle
        {{0, 0, -1}, {0, 0, 1}, 446, 446, {}, {}},      // crossing the plane inside
    };
    for (const Cas& k : cas) {
        const int A = point(k.a.x, k.a.y, k.a.z), B = point(k.b.x, k.b.y, k.b.z);
        const auto [un, deux] = deuxSolutions(c::kIntersectionDroiteCercle, {A, B, K});
        EXPECT_EQ(raison(un), k.raison1) << k.a.y;
        EXPECT_EQ(raison(deux), k.raison2) << k.a.y;
        if (k.raison1 == 0) attendPoint(pt(un), k.un);
        if (k.raison2 == 0) attendPoint(pt(deux), k.deux);
    }
    const int A = point(1, 1, 0);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteCercle, {A, A, K})), 454);
}

TEST_F(Intersections, SecondPointOfALineAndACircle) {
    const int K = cercle({0, 0, 0}, {0, 0, 1}, 5, {1, 0, 0});
    const int A = point(-10, 3, 0), B = point(10, 3, 0);
    const int M = point(4, 3, 0), Hors = point(2, 3, 0), Ailleurs = point(3, 4, 0);
    attendPoint(pt(calcule(c::kIntersectionDroiteCercleAutreQue, {A, B, K, M})), {-4, 3, 0});
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteCercleAutreQue, {A, B, K, Hors})), 458);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteCercleAutreQue, {A, B, K, Ailleurs})), 458);
    const int C = point(3, 4, -1), D = point(3, 4, 1);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteCercleAutreQue, {C, D, K, Ailleurs})), 457);
}

TEST_F(Intersections, TwoCoplanarCircles) {
    const double r3 = std::sqrt(3.0);
    const int K1 = cercle({0, 0, 0}, {0, 0, 1}, 2, {1, 0, 0});
    struct Cas {
        P3 centre2;
        double rayon2;
        uint16_t raison;
        P3 un, deux;
    } cas[] = {
        // Through each other's centres: solution 1 on the side of N1 x (O2 - O1).
        {{2, 0, 0}, 2, 0, {1, r3, 0}, {1, -r3, 0}},
        {{-2, 0, 0}, 2, 0, {-1, -r3, 0}, {-1, r3, 0}},
        {{4, 0, 0}, 2, 0, {2, 0, 0}, {2, 0, 0}}, // tangent
        {{5, 0, 0}, 2, 447, {}, {}},
        {{0, 0, 0}, 1, 447, {}, {}}, // concentric
        {{1, 0, 1}, 2, 447, {}, {}}, // parallel planes
    };
    for (const Cas& k : cas) {
        const int K2 = cercle(k.centre2, {0, 0, 1}, k.rayon2, {0, 1, 0});
        const auto [un, deux] = deuxSolutions(c::kIntersectionCercles, {K1, K2});
        EXPECT_EQ(raison(un), k.raison) << k.centre2.x;
        EXPECT_EQ(raison(deux), k.raison) << k.centre2.x;
        if (k.raison != 0) continue;
        attendPoint(pt(un), k.un);
        attendPoint(pt(deux), k.deux);
    }
}

TEST_F(Intersections, CirclesInTwoPlanes) {
    const double r2 = std::sqrt(2.0);
    // Circle 1 in z = 0; circle 2 in x = 1. The common line is x = 1, z = 0.
    const int K1 = cercle({0, 0, 0}, {0, 0, 1}, r2, {1, 0, 0});
    // Both circles meet the common line at (1, 1, 0) and (1, -1, 0);
    // solution 1 on the side of N1 x N2 = (0, 1, 0).
    const int K2 = cercle({1, 0, 1}, {1, 0, 0}, r2, {0, 1, 0});
    auto [un, deux] = deuxSolutions(c::kIntersectionCercles, {K1, K2});
    attendPoint(pt(un), {1, 1, 0});
    attendPoint(pt(deux), {1, -1, 0});
    attendPoint(pt(calcule(c::kIntersectionCerclesAutreQue, {K1, K2, un})), {1, -1, 0});

    // A circle of x = 1 that touches circle 1 at (1, 1, 0) only.
    const int K3 = cercle({1, 1, 1}, {1, 0, 0}, 1, {0, 1, 0});
    std::tie(un, deux) = deuxSolutions(c::kIntersectionCercles, {K1, K3});
    attendPoint(pt(un), {1, 1, 0});
    EXPECT_EQ(raison(deux), 456);
    const int M = point(1, 1, 0);
    EXPECT_EQ(raison(calcule(c::kIntersectionCerclesAutreQue, {K1, K3, M})), 456);

    const int K4 = cercle({1, 1, 1}, {1, 0, 0}, 0.5, {0, 1, 0});
    std::tie(un, deux) = deuxSolutions(c::kIntersectionCercles, {K1, K4});
    EXPECT_EQ(raison(un), 447);
    EXPECT_EQ(raison(deux), 447);
}

TEST_F(Intersections, SecondPointOfTwoCoplanarCircles) {
    const double r3 = std::sqrt(3.0);
    const int K1 = cercle({0, 0, 0}, {0, 0, 1}, 2, {1, 0, 0});
    const int K2 = cercle({2, 0, 0}, {0, 0, 1}, 2, {0, 1, 0});
    attendPoint(pt(calcule(c::kIntersectionCerclesAutreQue, {K1, K2, point(1, r3, 0)})), {1, -r3, 0});
    EXPECT_EQ(raison(calcule(c::kIntersectionCerclesAutreQue, {K1, K2, point(2, 0, 0)})), 458);
    // The same circle twice: no second point can be chosen.
    const int K3 = cercle({0, 0, 0}, {0, 0, 1}, 2, {0, 1, 0});
    EXPECT_EQ(raison(calcule(c::kIntersectionCerclesAutreQue, {K1, K3, point(2, 0, 0)})), 447);
}

TEST_F(Intersections, LineAndSphere) {
    const int S = sphere({1, 1, 1}, 3);
    struct Cas {
        P3 a, b;
        uint16_t raison;
        P3 un, deux;
    } cas[] = {
        {{-5, 1, 1}, {0, 1, 1}, 0, {4, 1, 1}, {-2, 1, 1}},
        {{0, 4, 1}, {1, 4, 1}, 0, {1, 4, 1}, {1, 4, 1}}, // tangent
        {{0, 4.1, 1}, {1, 4.1, 1}, 499, {}, {}},
    };
    for (const Cas& k : cas) {
        const int A = point(k.a.x, k.a.y, k.a.z), B = point(k.b.x, k.b.y, k.b.z);
        const auto [un, deux] = deuxSolutions(c::kIntersectionDroiteSphere, {A, B, S});
        EXPECT_EQ(raison(un), k.raison);
        EXPECT_EQ(raison(deux), k.raison);
        if (k.raison != 0) continue;
        attendPoint(pt(un), k.un);
        attendPoint(pt(deux), k.deux);
    }
    const int A = point(-5, 1, 1), B = point(0, 1, 1);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteSphere, {A, A, S})), 454);
    attendPoint(pt(calcule(c::kIntersectionDroiteSphereAutreQue, {A, B, S, point(4, 1, 1)})), {-2, 1, 1});
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteSphereAutreQue, {A, B, S, point(3, 1, 1)})), 458);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroiteSphereAutreQue, {A, B, S, point(1, 4, 1)})), 458);
}

} // namespace
