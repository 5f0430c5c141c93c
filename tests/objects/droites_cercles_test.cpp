// Lines, planes and circles against elementary geometry, and the reasons of
// the undefined cases.
#include <cmath>
#include <vector>

#include "../engine/banc_calcul.h"
#include "model/solides/polyedres.h"

namespace km32::essais {
namespace {

namespace c = construction;

double dot(P3 a, P3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 moins(P3 a, P3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
P3 lis(const TfigureKalmetra& f, int i, int k) {
    return {valeurObjet(f, i, k), valeurObjet(f, i, k + 1), valeurObjet(f, i, k + 2)};
}
double longueur(P3 a) {
    return std::sqrt(dot(a, a));
}

class DroitesCercles : public BancCalcul {};

TEST_F(DroitesCercles, PerpendicularFromAPointMeetsTheLineAtTheFoot) {
    const P3 a{1, 2, 0}, b{4, -1, 3}, m{0, 5, 5};
    const int A = point(a.x, a.y, a.z), B = point(b.x, b.y, b.z), M = point(m.x, m.y, m.z);
    const int d = calcule(c::kPerpendiculaireDroite, {A, B, M});
    ASSERT_TRUE(defini(d));
    // The foot of M: a + t (b - a), t = (m - a).(b - a) / |b - a|^2.
    const P3 ab = moins(b, a);
    const double t = dot(moins(m, a), ab) / dot(ab, ab);
    const P3 h{a.x + t * ab.x, a.y + t * ab.y, a.z + t * ab.z};
    const P3 mh = moins(h, m);
    attendPoint(pt(d), m);
    attendPoint(lis(f, d, 4), {mh.x / longueur(mh), mh.y / longueur(mh), mh.z / longueur(mh)});
    EXPECT_NEAR(dot(lis(f, d, 4), ab), 0, 1e-12);
}

TEST_F(DroitesCercles, TwoPlanesMeetInALineLyingInBoth) {
    const struct {
        double a1, b1, c1, d1, a2, b2, c2, d2;
    } cas[] = {{1, 1, 1, -3, 1, -1, 0, 0}, {0, 0, 1, -2, 0, 1, 0, 5}, {3, 0, -1, 1, 1, 2, 2, -4}};
    for (const auto& k : cas) {
        const int p1 = plan(k.a1, k.b1, k.c1, k.d1), p2 = plan(k.a2, k.b2, k.c2, k.d2);
        const int d = calcule(c::kIntersectionPlans, {p1, 0, 0, p2, 0, 0});
        ASSERT_TRUE(defini(d));
        const P3 q = pt(d), u = lis(f, d, 4);
        EXPECT_NEAR(k.a1 * q.x + k.b1 * q.y + k.c1 * q.z + k.d1, 0, 1e-9);
        EXPECT_NEAR(k.a2 * q.x + k.b2 * q.y + k.c2 * q.z + k.d2, 0, 1e-9);
        EXPECT_NEAR(dot(u, {k.a1, k.b1, k.c1}), 0, 1e-12);
        EXPECT_NEAR(dot(u, {k.a2, k.b2, k.c2}), 0, 1e-12);
        EXPECT_NEAR(longueur(u), 1, 1e-12);
    }
}

TEST_F(DroitesCercles, CirclesOfARightTriangle) {
    // The 3-4-5 triangle: circumradius 2.5 about the hypotenuse's midpoint,
    // inradius (3 + 4 - 5) / 2 = 1 about (1, 1).
    const int A = point(0, 0, 0), B = point(3, 0, 0), C = point(0, 4, 0);
    const int circ = calcule(c::kCercleCirconscrit, {A, B, C});
    const int insc = calcule(c::kCercleInscrit, {A, B, C});
    attendPoint(pt(circ), {1.5, 2, 0});
    EXPECT_NEAR(valeurObjet(f, circ, 7), 2.5, 1e-12);
    attendPoint(pt(insc), {1, 1, 0});
    EXPECT_NEAR(valeurObjet(f, insc, 7), 1, 1e-12);
    EXPECT_NEAR(std::fabs(valeurObjet(f, insc, 6)), 1, 1e-12);
}

TEST_F(DroitesCercles, SphereAndPlaneCircleHasRadiusFromPythagoras) {
    const int S = sphere({1, 2, 3}, 5);
    const struct {
        double z; // the plane z = zz
        double rayon;
    } cas[] = {{1, std::sqrt(25.0 - 4)}, {3, 5}, {7, 3}};
    for (const auto& k : cas) {
        const int C = calcule(c::kSectionSphere, {S, plan(0, 0, 1, -k.z), 0, 0});
        ASSERT_TRUE(defini(C));
        attendPoint(pt(C), {1, 2, k.z});
        EXPECT_NEAR(valeurObjet(f, C, 7), k.rayon, 1e-12);
        // The start point lies on the circle.
        EXPECT_NEAR(longueur(moins(lis(f, C, 8), pt(C))), k.rayon, 1e-12);
    }
}

TEST_F(DroitesCercles, TwoSpheresMeetInACircle) {
    const int S1 = sphere({0, 0, 0}, 5), S2 = sphere({6, 0, 0}, 5), S3 = sphere({0, 0, 4}, 3);
    const int C = calcule(c::kIntersectionSpheres, {S1, S2});
    attendPoint(pt(C), {3, 0, 0});
    attendPoint(lis(f, C, 4), {1, 0, 0});
    EXPECT_NEAR(valeurObjet(f, C, 7), 4, 1e-12);
    // 0 + a = (25 - 9 + 16) / 8 = 4 along z, radius sqrt(25 - 16) = 3.
    const int D = calcule(c::kIntersectionSpheres, {S1, S3});
    attendPoint(pt(D), {0, 0, 4});
    EXPECT_NEAR(valeurObjet(f, D, 7), 3, 1e-12);
}

TEST_F(DroitesCercles, CircleByCentreAndRadiusScalesByTheUnitAndUpdatesItsRecord) {
    const int U = ajoute(c::kUniteDeLongueur, {}, {3, 3, 0, 0});
    const int O = point(1, 1, 0);
    const int C =
        ajoute(c::kCercleCentreRayon, {plan(0, 0, 1, 0), 0, 0, O}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2});
    f.objets[std::size_t(C)].uniteLongueur = uint8_t(U);
    f.objets[std::size_t(C)].emplacementSolide = ajouteDonneesPolyedre(f, kNatureCercle);
    calculeObjet(f, C);
    ASSERT_TRUE(defini(C));
    EXPECT_EQ(valeurObjet(f, C, 7), 6);
    EXPECT_EQ(valeurObjet(f, C, 11), 2);
    EXPECT_NEAR(longueur(moins(lis(f, C, 8), {1, 1, 0})), 6, 1e-12);
    const TDonneesCercle& r = cercleDe(donneesPolyedreObjet(f, C));
    EXPECT_EQ(r.rayon, 6);
    EXPECT_EQ(r.centre.x, 1);
}

TEST_F(DroitesCercles, CircleByAxisAndPoint) {
    const int A = point(0, 0, 0), B = point(0, 0, 2), Q = point(3, 4, 7);
    const int C = calcule(c::kCercleAxe, {A, B, Q});
    attendPoint(pt(C), {0, 0, 7});
    EXPECT_NEAR(valeurObjet(f, C, 7), 5, 1e-12);
}

TEST_F(DroitesCercles, BisectorOfAnAngle) {
    const int A = point(2, 0, 0), O = point(0, 0, 0), B = point(0, 5, 0), D = point(7, 0, 0);
    const int d = calcule(c::kBissectrice, {A, O, B});
    attendPoint(lis(f, d, 4), {std::sqrt(0.5), std::sqrt(0.5), 0});
    // A on the ray from O through D: the bisector is that ray's line.
    const int e = calcule(c::kBissectrice, {A, O, D});
    attendPoint(lis(f, e, 4), {1, 0, 0});
}

TEST_F(DroitesCercles, UndefinedCasesGiveTheirReasons) {
    const int A = point(0, 0, 0), A2 = point(0, 0, 0), B = point(1, 0, 0), C = point(-1, 0, 0),
              D = point(2, 0, 0), E = point(0, 1, 0);
    const int z0 = plan(0, 0, 1, 0), z0bis = plan(0, 0, 2, 0), z1 = plan(0, 0, 1, -1);
    const int S1 = sphere({0, 0, 0}, 1), S2 = sphere({2, 0, 0}, 1), S3 = sphere({0, 0, 0}, 2);
    const int Hors5 = point(0, 0, 1e-5), Hors7 = point(0, 0, 1e-7);
    const CasRaison cas[] = {
        {c::kDemiDroite, {A, A2}, {}, 433},
        {c::kDroite, {A, A2}, {}, 454},
        {c::kDemiDroiteOriginePassantPar, {A, A2}, {}, 454},
        {c::kBissectrice, {B, A, C}, {}, 483},
        {c::kBissectrice, {B, A, A2}, {}, 443},
        {c::kPerpendiculaireDroite, {A, B, D}, {}, 452},
        {c::kIntersectionPlans, {z0, 0, 0, z1, 0, 0}, {}, 482},
        {c::kIntersectionPlans, {z0, 0, 0, z0bis, 0, 0}, {}, 482},
        {c::kIntersectionPlans, {A, B, D, z1, 0, 0}, {}, 476},
        {c::kDroiteVecteurDirecteur, {A}, {0, 0, 0, 0, 0, 0}, 455},
        {c::kCercleCentreRayon, {z0, 0, 0, Hors5}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 484},
        {c::kCercleCentreRayon, {z0, 0, 0, Hors7}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 0},
        {c::kCercleCentreRayon, {z0, 0, 0, A}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 466},
        {c::kCercleCentrePassantPar, {z0, 0, 0, A, A2}, {}, 486},
        {c::kCercleCentrePassantPar, {z0, 0, 0, A, Hors5}, {}, 485},
        {c::kCercleAxe, {A, B, D}, {}, 487},
        {c::kSectionSphere, {S1, z1, 0, 0}, {}, 488},
        {c::kIntersectionSpheres, {S1, S2}, {}, 507},
        {c::kIntersectionSpheres, {S1, S3}, {}, 507},
        {c::kCercleCirconscrit, {A, B, D}, {}, 435},
        {c::kPerpendiculairePlan, {A, B, D, E}, {}, 476},
    };
    for (const auto& k : cas) {
        const int n = calcule(k.code, k.parents, k.valeurs);
        EXPECT_EQ(raison(n), k.raison) << int(k.code);
    }
}

} // namespace
} // namespace km32::essais
