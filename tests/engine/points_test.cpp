// Point constructions against closed-form geometry, and their undefined
// cases with the reason phrases.
#include <gtest/gtest.h>

#include <numbers>

#include "banc_calcul.h"
#include "model/calcul/points.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

constexpr int kOx = 8, kOz = 10, kOxy = 11;

class Points : public BancCalcul {
  protected:
    double dist(P3 a, P3 b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }
    double scal(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
    P3 moins(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
};

TEST_F(Points, IntersectionOfTwoLines) {
    const int A = point(0, 0, 0), B = point(1, 1, 0), C = point(0, 2, 0), D = point(2, 0, 0);
    attendPoint(pt(calcule(c::kIntersectionDroites, {A, B, C, D})), {1, 1, 0});
    // The same lines given as line objects.
    const int L1 = droite(A, B), L2 = droite(C, D);
    attendPoint(pt(calcule(c::kIntersectionDroites, {L1, 0, L2, 0})), {1, 1, 0});

    const int E = point(0, 1, 0), F = point(1, 2, 0), G = point(0, 1, 1), H = point(1, 0, 1);
    struct Cas {
        std::initializer_list<int> parents;
        uint16_t raison;
    } cas[] = {
        {{A, B, E, F}, 477}, // parallel
        {{A, B, G, H}, 479}, // skew
        {{A, A, C, D}, 454}, // a line of two coincident points
        {{A, B, C, C}, 454},
    };
    for (const Cas& k : cas)
        EXPECT_EQ(raison(calcule(c::kIntersectionDroites, k.parents)), k.raison);
}

TEST_F(Points, IntersectionOfALineAndAPlane) {
    const int A = point(0, 0, 0), B = point(1, 1, 1);
    const int Pz = plan(0, 0, 1, -2);
    const int P1 = point(0, 0, 2), P2 = point(1, 0, 2), P3p = point(0, 1, 2), P4 = point(2, 0, 2);
    attendPoint(pt(calcule(c::kIntersectionDroitePlan, {A, B, Pz, 0, 0})), {2, 2, 2});
    attendPoint(pt(calcule(c::kIntersectionDroitePlan, {A, B, P1, P2, P3p})), {2, 2, 2});
    const int C = point(1, 0, 0);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroitePlan, {A, C, Pz, 0, 0})), 480);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroitePlan, {A, B, P1, P2, P4})), 476);
    EXPECT_EQ(raison(calcule(c::kIntersectionDroitePlan, {A, A, Pz, 0, 0})), 454);
}

TEST_F(Points, ProjectionsAndSymmetries) {
    const int P = point(1, 2, 3), C = point(1, 1, 1);
    const int O = 7; // the built-in origin
    const int dir = point(0, 1, 1);
    struct Cas {
        uint8_t code;
        std::initializer_list<int> parents;
        P3 attendu;
    } cas[] = {
        {c::kProjeteSurDroite, {P, kOx, 0}, {1, 0, 0}},
        {c::kImageParSymetrieAxiale, {P, kOx, 0}, {1, -2, -3}},
        {c::kProjeteSurPlan, {P, kOxy, 0, 0}, {1, 2, 0}},
        {c::kImageParSymetriePlan, {P, kOxy, 0, 0}, {1, 2, -3}},
        {c::kProjeteParallelement, {P, kOxy, 0, 0, O, dir}, {1, -1, 0}},
        {c::kImageParSymetrieCentrale, {P, C}, {1, 0, -1}},
        {c::kImageParTranslationTransformant, {P, O, C}, {2, 3, 4}},
    };
    for (const Cas& k : cas) {
        const int n = calcule(k.code, k.parents);
        EXPECT_TRUE(defini(n)) << int(k.code);
        attendPoint(pt(n), k.attendu);
    }
    EXPECT_EQ(raison(calcule(c::kProjeteParallelement, {P, kOxy, 0, 0, O, point(1, 1, 0)})), 481);
    EXPECT_EQ(raison(calcule(c::kProjeteSurDroite, {P, C, C})), 454);
    EXPECT_EQ(raison(calcule(c::kProjeteSurPlan, {P, O, C, point(2, 2, 2)})), 476);
}

TEST_F(Points, ImagesByParameters) {
    const int P = point(1, 2, 3), C = point(1, 1, 1);
    // Translation by a vector, homothety by a ratio.
    attendPoint(pt(calcule(c::kImageParTranslation, {P}, {0, 0, 0, 1, -1, 2})), {2, 1, 5});
    attendPoint(pt(calcule(c::kImageParHomothetieRapport, {P, C}, {0, 0, 0, -2})), {1, -1, -3});
    EXPECT_EQ(raison(calcule(c::kImageParHomothetieRapport, {P, C}, {0, 0, 0, 0})), 439);
    // Rotation about oz by a quarter turn, in radians and in degrees.
    const int Q = point(1, 0, 5);
    attendPoint(pt(calcule(c::kImageParRotation, {Q, kOz, 0}, {0, 0, 0, std::numbers::pi / 2})), {0, 1, 5});
    const int R = ajoute(c::kImageParRotation, {Q, kOz, 0}, {0, 0, 0, 90});
    changeDrapeauObjet(f.objets[R], kDrapeauAngleEnDegres, true);
    calculeObjet(f, R);
    attendPoint(pt(R), {0, 1, 5});
    // An existing transformation: t = (1, 2, 3), R a quarter turn about z.
    const int T = ajoute(c::kComposee, {}, {1, 0, -1, 0, 2, 1, 0, 0, 3, 0, 0, 1});
    attendPoint(pt(calcule(c::kImagePointParTransformation, {P, T})), {-1, 3, 6});
}

TEST_F(Points, HomothetyGivenByAPointAndItsImage) {
    const int O = point(0, 0, 0), U = point(1, 0, 0), P = point(0, 1, 0);
    struct Cas {
        P3 image;
        uint16_t raison;
        P3 attendu;
    } cas[] = {
        {{3, 0, 0}, 0, {0, 3, 0}},
        {{-0.5, 0, 0}, 0, {0, -0.5, 0}},
        {{1e10, 0, 0}, 0, {0, 1e10, 0}}, // the largest ratio accepted
        {{2e10, 0, 0}, 474, {}},
        {{0, 0, 0}, 473, {}}, // the image is the centre
        {{1, 1, 0}, 436, {}}, // not aligned
    };
    for (const Cas& k : cas) {
        const int I = point(k.image.x, k.image.y, k.image.z);
        const int n = calcule(c::kImageParHomothetieTransformant, {P, O, U, I});
        EXPECT_EQ(raison(n), k.raison) << k.image.x;
        if (k.raison == 0) attendPoint(pt(n), k.attendu);
    }
    EXPECT_EQ(raison(calcule(c::kImageParHomothetieTransformant, {P, O, O, U})), 473);
}

TEST_F(Points, CentresOfARightTriangle) {
    const int A = point(0, 0, 0), B = point(4, 0, 0), C = point(0, 3, 0);
    struct Cas {
        uint8_t code;
        P3 attendu;
    } cas[] = {
        {c::kCentreDeGravite, {4.0 / 3, 1, 0}},
        {c::kCentreCercleCirconscrit, {2, 1.5, 0}}, // midpoint of the hypotenuse
        {c::kOrthocentre, {0, 0, 0}},               // the right angle
        {c::kCentreCercleInscrit, {1, 1, 0}},       // r = (3 + 4 - 5) / 2
    };
    const int D = point(8, 0, 0);
    for (const Cas& k : cas) {
        attendPoint(pt(calcule(k.code, {A, B, C})), k.attendu);
        EXPECT_EQ(raison(calcule(k.code, {A, B, D})), 435) << int(k.code);
    }
}

TEST_F(Points, CentresOfATriangleInSpace) {
    const P3 a{1, 2, 3}, b{4, 0, 1}, cc{-1, 5, 2};
    const int A = point(a.x, a.y, a.z), B = point(b.x, b.y, b.z), C = point(cc.x, cc.y, cc.z);
    const P3 normale{(b.y - a.y) * (cc.z - a.z) - (b.z - a.z) * (cc.y - a.y),
                     (b.z - a.z) * (cc.x - a.x) - (b.x - a.x) * (cc.z - a.z),
                     (b.x - a.x) * (cc.y - a.y) - (b.y - a.y) * (cc.x - a.x)};
    auto dansLePlan = [&](P3 p) { EXPECT_NEAR(scal(moins(p, a), normale), 0, 1e-9); };

    const P3 o = pt(calcule(c::kCentreCercleCirconscrit, {A, B, C}));
    dansLePlan(o);
    EXPECT_NEAR(dist(o, a), dist(o, b), 1e-9);
    EXPECT_NEAR(dist(o, a), dist(o, cc), 1e-9);

    const P3 h = pt(calcule(c::kOrthocentre, {A, B, C}));
    dansLePlan(h);
    EXPECT_NEAR(scal(moins(h, a), moins(b, cc)), 0, 1e-9);
    EXPECT_NEAR(scal(moins(h, b), moins(a, cc)), 0, 1e-9);

    // The incentre is at the same distance from the three sides.
    const P3 i = pt(calcule(c::kCentreCercleInscrit, {A, B, C}));
    dansLePlan(i);
    auto aLaDroite = [&](P3 p, P3 q) {
        const P3 u = moins(q, p), w = moins(i, p);
        const double t = scal(w, u) / scal(u, u);
        return dist(i, {p.x + t * u.x, p.y + t * u.y, p.z + t * u.z});
    };
    EXPECT_NEAR(aLaDroite(a, b), aLaDroite(b, cc), 1e-9);
    EXPECT_NEAR(aLaDroite(a, b), aLaDroite(a, cc), 1e-9);

    // Euler: the centroid lies a third of the way from the circumcentre to the orthocentre.
    const P3 g = pt(calcule(c::kCentreDeGravite, {A, B, C}));
    attendPoint(g, {o.x + (h.x - o.x) / 3, o.y + (h.y - o.y) / 3, o.z + (h.z - o.z) / 3});
}

TEST_F(Points, MidpointsAndBarycentres) {
    const int A = point(0, 0, 0), B = point(4, 0, 0), C = point(0, 4, 8);
    attendPoint(pt(calcule(c::kMilieuSegment, {A, C})), {0, 2, 4});
    const int S = ajoute(c::kSegment, {B, C}, {4, 0, 0, 0, 4, 8});
    attendPoint(pt(calcule(c::kMilieuSegment, {S, 0})), {2, 2, 4});

    auto barycentre = [&](std::initializer_list<int> points, std::initializer_list<double> valeurs) {
        const int n = ajoute(c::kBarycentre, points, valeurs);
        unParametreParParent(n);
        calculeObjet(f, n);
        return n;
    };
    attendPoint(pt(barycentre({A, B, C}, {0, 0, 0, 2, 1, 1})), {1, 1, 2});
    attendPoint(pt(barycentre({B, C}, {0, 0, 0, 1, 1})), {2, 2, 4});
    EXPECT_EQ(raison(barycentre({B, C}, {0, 0, 0, 1, -1})), 438);
}

TEST_F(Points, PointOnARayAtADistance) {
    const int A = point(1, 1, 1), B = point(1, 1, 3);
    struct Cas {
        int a, b;
        double t;
        uint16_t raison;
        P3 attendu;
    } cas[] = {
        {A, B, 2.5, 0, {1, 1, 3.5}}, {A, B, 0, 0, {1, 1, 1}}, {A, B, -1, 440, {}},
        {A, A, 1, 433, {}},          {A, A, -1, 440, {}}, // the sign is tested first
    };
    for (const Cas& k : cas) {
        const int n = calcule(c::kPointSurDemiDroiteADistance, {k.a, k.b}, {0, 0, 0, k.t});
        EXPECT_EQ(raison(n), k.raison) << k.t;
        if (k.raison == 0) attendPoint(pt(n), k.attendu);
    }
}

TEST_F(Points, FreePointsOnTheirSupports) {
    const int A = point(1, 0, 0), B = point(3, 2, 0);
    const int S = ajoute(c::kSegment, {A, B}, {1, 0, 0, 3, 2, 0});
    attendPoint(pt(calcule(c::kPointLibreSurSegment, {S, 0}, {0, 0, 0, 0.25})), {1.5, 0.5, 0});
    attendPoint(pt(calcule(c::kPointLibreSurDroite, {A, B}, {0, 0, 0, -1})), {-1, -2, 0});
    attendPoint(pt(calcule(c::kPointLibreAbscisseEntiere, {kOx, 0}, {0, 0, 0, 3})), {3, 0, 0});
    // Coincident ends: still defined on a segment, undefined on a line.
    attendPoint(pt(calcule(c::kPointLibreSurSegment, {A, A}, {0, 0, 0, 0.5})), {1, 0, 0});
    EXPECT_EQ(raison(calcule(c::kPointLibreSurDroite, {A, A}, {0, 0, 0, 0.5})), 454);

    const int K = cercle({1, 1, 1}, {0, 0, 1}, 2, {1, 0, 0});
    attendPoint(pt(calcule(c::kPointLibreSurCercle, {K}, {0, 0, 0, std::numbers::pi / 2})), {1, 3, 1});
    const int Sp = sphere({1, 2, 3}, 2);
    attendPoint(pt(calcule(c::kPointLibreSurSphere, {Sp}, {0, 0, 0, 90, 0})), {1, 4, 3});
    attendPoint(pt(calcule(c::kPointLibreSurSphere, {Sp}, {0, 0, 0, 0, 90})), {1, 2, 5});
    // An arc of half a turn from (1, 0, 0) about z: half-way is (0, 1, 0).
    const int Arc = ajoute(c::kArcDeCercle, {}, {0, 0, 0, 0, 0, 1, 1, 1, 0, 0, std::numbers::pi});
    attendPoint(pt(calcule(c::kPointLibreSurArc, {Arc}, {0, 0, 0, 0.5})), {0, 1, 0});

    const int R = ajoute(c::kRepere, {}, {1, 1, 1, 2, 0, 0, 0, 1, 0, 0, 0, 1});
    attendPoint(pt(calcule(c::kPointLibreCoordonneesEntieres, {R}, {0, 0, 0, 1, 2, 3})), {3, 3, 4});
    attendPoint(pt(calcule(c::kPointLibreCoordonneesEntieres, {1}, {0, 0, 0, 1, 2, 3})), {1, 2, 3});
    attendPoint(pt(calcule(c::kPointCoordonnees, {R}, {0, 0, 0, -1, 0, 1})), {-1, 1, 2});
    attendPoint(pt(calcule(c::kPointAbscisseDansRepere, {A, B}, {0, 0, 0, 0.5})), {2, 1, 0});
}

TEST_F(Points, PointsInAPlane) {
    const int A = point(1, 0, 0), B = point(3, 0, 0), C = point(1, 4, 2);
    attendPoint(pt(calcule(c::kPointLibreDansPlan, {A, B, C}, {0, 0, 0, 0.5, 0.25})), {2, 1, 0.5});
    attendPoint(pt(calcule(c::kPointCoordonneesPlan, {A, B, C}, {0, 0, 0, 0.5, 0.25})), {2, 1, 0.5});
    // A plane with its own frame: the built-in oxy.
    attendPoint(pt(calcule(c::kPointLibreDansPlan, {kOxy, 0, 0}, {0, 0, 0, 2, -3})), {2, -3, 0});
    // A plane known by its equation only: the point lies in it, at the
    // distance its two orthonormal coordinates give from the plane's origin.
    const int Pz = plan(0, 0, 1, -2);
    const P3 p = pt(calcule(c::kPointLibreDansPlan, {Pz, 0, 0}, {0, 0, 0, 3, 4}));
    const P3 q = pt(calcule(c::kPointLibreDansPlan, {Pz, 0, 0}, {0, 0, 0, 0, 0}));
    EXPECT_NEAR(p.z, 2, 1e-12);
    EXPECT_NEAR(q.z, 2, 1e-12);
    EXPECT_NEAR(dist(p, q), 5, 1e-12);
}

} // namespace
