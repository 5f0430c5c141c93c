#include "model/vecteurs.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace km32;

namespace {
using M3 = std::array<std::array<double, 3>, 3>;

// Rotation matrices written out directly, to check the frame code another way.
M3 rotX(double t) {
    return {{{1, 0, 0}, {0, std::cos(t), -std::sin(t)}, {0, std::sin(t), std::cos(t)}}};
}
M3 rotY(double t) {
    return {{{std::cos(t), 0, std::sin(t)}, {0, 1, 0}, {-std::sin(t), 0, std::cos(t)}}};
}
M3 rotZ(double t) {
    return {{{std::cos(t), -std::sin(t), 0}, {std::sin(t), std::cos(t), 0}, {0, 0, 1}}};
}
M3 mul(const M3& a, const M3& b) {
    M3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r[i][j] += a[i][k] * b[k][j];
    return r;
}

void expectVec(const Tvecteur3& v, double x, double y, double z, double tol = 1e-12) {
    EXPECT_NEAR(v.x, x, tol);
    EXPECT_NEAR(v.y, y, tol);
    EXPECT_NEAR(v.z, z, tol);
}

TEST(Vecteurs, ProductsAndDeterminant) {
    double x, y, z;
    produitVectoriel(x, y, z, 1, 2, 3, 4, 5, 6);
    EXPECT_EQ(x, -3);
    EXPECT_EQ(y, 6);
    EXPECT_EQ(z, -3);
    EXPECT_EQ(produitScalaire(1, 2, 3, 4, 5, 6), 32);
    // The determinant equals the triple product u . (v x w).
    produitVectoriel(x, y, z, 0, 1, 4, 5, 6, 0);
    EXPECT_DOUBLE_EQ(determinant3(1, 2, 3, 0, 1, 4, 5, 6, 0), produitScalaire(1, 2, 3, x, y, z));
}

TEST(Vecteurs, LinearSystem) {
    // Columns u, v, w; solution (1, -2, 3) gives r = u - 2 v + 3 w.
    const double u[3] = {2, 1, 0}, v[3] = {0, 1, 3}, w[3] = {1, 0, 1};
    double r[3];
    for (int i = 0; i < 3; ++i)
        r[i] = u[i] - 2 * v[i] + 3 * w[i];
    double x = 0, y = 0, z = 0;
    bool ok = false;
    resoutSysteme3(x, y, z, ok, r[0], r[1], r[2], u[0], u[1], u[2], v[0], v[1], v[2], w[0], w[1], w[2]);
    ASSERT_TRUE(ok);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, -2, 1e-12);
    EXPECT_NEAR(z, 3, 1e-12);
    // A singular system changes nothing.
    x = y = z = 9;
    resoutSysteme3(x, y, z, ok, 1, 2, 3, 1, 2, 3, 2, 4, 6, 0, 0, 1);
    EXPECT_FALSE(ok);
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, 9);
    EXPECT_EQ(z, 9);
}

TEST(Vecteurs, Tolerances) {
    double x = 1e-11, y = 0, z = 0;
    EXPECT_FALSE(normaliseSiNonNul(x, y, z));
    EXPECT_EQ(x, 1e-11);
    x = 1e-10;
    EXPECT_TRUE(normaliseSiNonNul(x, y, z));
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_TRUE(vecteursColineaires(1, 0, 0, 1, 1e-9, 0));
    EXPECT_FALSE(vecteursColineaires(1, 0, 0, 1, 1e-7, 0));
    EXPECT_TRUE(estVecteurNul(9e-7, 0, 0));
    EXPECT_FALSE(estVecteurNul(0, 1e-6, 0));
    EXPECT_TRUE(pointSurPlan(0, 0, 1, -2, 5, 7, 2 + 9e-7));
    EXPECT_FALSE(pointSurPlan(0, 0, 1, -2, 5, 7, 2 + 2e-6));
    EXPECT_TRUE(plansConfondus(1, 2, 3, 4, -1, -2, -3, -4));
    EXPECT_TRUE(plansConfondus(1, 2, 3, 4, 1, 2, 3, 4 + 5e-7));
    EXPECT_FALSE(plansConfondus(1, 2, 3, 4, 2, 4, 6, 8));
    // Distance of (0, 3, 4) to the x axis.
    EXPECT_DOUBLE_EQ(distanceALaDroite(7, 3, 4, 1, 0, 0), 5);
}

TEST(Vecteurs, RodriguesAgainstRotationMatrices) {
    const double t = 0.7;
    const struct {
        double ax, ay, az;
        M3 m;
    } axes[] = {{1, 0, 0, rotX(t)}, {0, 1, 0, rotY(t)}, {0, 0, 1, rotZ(t)}};
    for (const auto& a : axes) {
        double x = 0.3, y = -1.2, z = 2.5;
        tourneVecteurAutourAxe(x, y, z, a.ax, a.ay, a.az, std::cos(t), std::sin(t));
        EXPECT_NEAR(x, a.m[0][0] * 0.3 + a.m[0][1] * -1.2 + a.m[0][2] * 2.5, 1e-12);
        EXPECT_NEAR(y, a.m[1][0] * 0.3 + a.m[1][1] * -1.2 + a.m[1][2] * 2.5, 1e-12);
        EXPECT_NEAR(z, a.m[2][0] * 0.3 + a.m[2][1] * -1.2 + a.m[2][2] * 2.5, 1e-12);
    }
    // A third of a turn about (1,1,1)/sqrt 3 permutes the axes: x -> y -> z.
    const double s = 1 / std::sqrt(3.0);
    double x = 1, y = 0, z = 0;
    tourneVecteurAutourAxe(x, y, z, s, s, s, std::cos(2 * M_PI / 3), std::sin(2 * M_PI / 3));
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 1, 1e-12);
    EXPECT_NEAR(z, 0, 1e-12);
}

TEST(Vecteurs, FrameFromAnglesAndBack) {
    Tvecteur3 u, v, w;
    repereDAngles(u, v, w, 0, 0, 0);
    expectVec(u, 1, 0, 0);
    expectVec(v, 0, 1, 0);
    expectVec(w, 0, 0, 1);
    double t1 = 9, t2 = 9, t3 = 9;
    anglesDeRepere(t1, t2, t3, u, v, w);
    EXPECT_EQ(t1, 0);
    EXPECT_EQ(t2, 0);
    EXPECT_EQ(t3, 0);

    const double angles[][3] = {{-0.3490658503988659, 0.4363323129985824, 0},
                                {0.5, -0.4, 1.2},
                                {-2.5, 1.3, -3.0},
                                {3.0, -1.4, 0.1},
                                {0, 0, 2.9}};
    for (const auto& a : angles) {
        repereDAngles(u, v, w, a[0], a[1], a[2]);
        // The frame is Rx(t3) Ry(t2) Rz(t1) applied to the identity: columns of the product.
        const M3 m = mul(rotX(a[2]), mul(rotY(a[1]), rotZ(a[0])));
        expectVec(u, m[0][0], m[1][0], m[2][0]);
        expectVec(v, m[0][1], m[1][1], m[2][1]);
        expectVec(w, m[0][2], m[1][2], m[2][2]);
        anglesDeRepere(t1, t2, t3, u, v, w);
        EXPECT_NEAR(t1, a[0], 1e-9);
        EXPECT_NEAR(t2, a[1], 1e-9);
        EXPECT_NEAR(t3, a[2], 1e-9);
    }
}

TEST(Vecteurs, TurningAnglesAboutAnAxis) {
    // Turning the identity view by t about z only changes the first angle.
    double t1 = 0, t2 = 0, t3 = 0;
    tourneAnglesAutourAxe(t1, t2, t3, 0, 0, 1, 0.4);
    EXPECT_NEAR(t1, 0.4, 1e-12);
    EXPECT_NEAR(t2, 0, 1e-12);
    EXPECT_NEAR(t3, 0, 1e-12);
    // In general the result is the frame turned: compare the frames.
    t1 = 0.2, t2 = -0.3, t3 = 0.5;
    Tvecteur3 u, v, w;
    repereDAngles(u, v, w, t1, t2, t3);
    const double s = 1 / std::sqrt(2.0);
    tourneRepereAutourAxe(u, v, w, 0.8, s, 0, s);
    tourneAnglesAutourAxe(t1, t2, t3, s, 0, s, 0.8);
    Tvecteur3 u2, v2, w2;
    repereDAngles(u2, v2, w2, t1, t2, t3);
    expectVec(u2, u.x, u.y, u.z, 1e-9);
    expectVec(w2, w.x, w.y, w.z, 1e-9);
}

TEST(Vecteurs, OrthogonalVectorsAndBases) {
    const double vs[][3] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {1, 2, 3}, {-3, 0.5, 0.5}, {1, 1, 1}};
    for (const auto& v : vs) {
        double x, y, z;
        vecteurOrthogonal(x, y, z, v[0], v[1], v[2]);
        EXPECT_NEAR(norme3(x, y, z), 1, 1e-12);
        EXPECT_NEAR(produitScalaire(x, y, z, v[0], v[1], v[2]), 0, 1e-12);
    }
    double x, y, z;
    vecteurOrthogonal(x, y, z, 0, 0, 1);
    EXPECT_EQ(z, 0);
    // Ties pick z before y before x: (1,1,1) is crossed with the z axis.
    vecteurOrthogonal(x, y, z, 1, 1, 1);
    EXPECT_NEAR(x, -1 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(y, 1 / std::sqrt(2.0), 1e-12);
    EXPECT_EQ(z, 0);

    Tvecteur3 u, w;
    const double n = 1 / std::sqrt(14.0);
    baseOrthonormee(u, w, n, 2 * n, 3 * n);
    EXPECT_NEAR(norme3(w.x, w.y, w.z), 1, 1e-12);
    EXPECT_NEAR(produitScalaire(u.x, u.y, u.z, w.x, w.y, w.z), 0, 1e-12);
    EXPECT_NEAR(produitScalaire(n, 2 * n, 3 * n, w.x, w.y, w.z), 0, 1e-12);
}

TEST(Vecteurs, PlaneFrames) {
    const struct {
        double a, b, c, d;
        double x, y, z;
    } cas[] = {
        {2, 1, 1, -4, 2, 0, 0}, {1, 2, 1, -4, 0, 2, 0}, {1, 1, 1, -3, 0, 0, 3}, {1, 1, 0, -2, 0, 2, 0}};
    for (const auto& c : cas) {
        double x, y, z;
        pointDuPlan(x, y, z, c.a, c.b, c.c, c.d);
        EXPECT_DOUBLE_EQ(x, c.x);
        EXPECT_DOUBLE_EQ(y, c.y);
        EXPECT_DOUBLE_EQ(z, c.z);
    }
    Tvecteur3 o, e1, e2;
    repereDuPlan(o, e1, e2, 0, 0, 1, -5);
    expectVec(o, 0, 0, 5);
    EXPECT_NEAR(e1.z, 0, 1e-12);
    EXPECT_NEAR(e2.z, 0, 1e-12);
    EXPECT_NEAR(produitScalaire(e1.x, e1.y, e1.z, e2.x, e2.y, e2.z), 0, 1e-12);
}

} // namespace
