#include "aides_solides.h"

#include <algorithm>
#include <numbers>
#include <utility>
#include <random>

using namespace km32;
using namespace km32::essais;

namespace {

struct SolideConnu {
    const char* nom;
    std::vector<Tvecteur3> sommets;
    int V, E, F;
};

std::vector<SolideConnu> solidesConnus() {
    const double s = std::sqrt(3.0) / 2;
    std::vector<Tvecteur3> prisme;
    for (int k = 0; k < 6; ++k) {
        const double t = std::numbers::pi * k / 3;
        prisme.push_back({std::cos(t), std::sin(t), 0});
        prisme.push_back({std::cos(t), std::sin(t), 2});
    }
    return {
        {"cube", cube(2), 8, 12, 6},
        {"tetrahedron", {{0, 0, 0}, {1, 0, 0}, {0.5, s, 0}, {0.5, s / 3, std::sqrt(2.0 / 3)}}, 4, 6, 4},
        {"octahedron", {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}, 6, 12, 8},
        {"hexagonal prism", prisme, 12, 18, 8},
        {"square pyramid", {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 3}}, 5, 8, 5},
    };
}

// The hull of the points built in a record of its own, with the undefined
// flag and the reason the builder leaves.
struct Enveloppe {
    std::unique_ptr<TPolyedre> p;
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
};
Enveloppe enveloppeDe(const std::vector<Tvecteur3>& points, bool donneParSommets = false) {
    Enveloppe e{std::make_unique<TPolyedre>()};
    remplit(*e.p, points);
    e.p->donneParSommets = donneParSommets ? 1 : 0;
    enveloppeConvexe3D(*e.p, e.nonDefini, e.raison);
    return e;
}

TEST(EnveloppeConvexe, SolidesConnus) {
    for (const auto& s : solidesConnus()) {
        SCOPED_TRACE(s.nom);
        auto [p, nonDefini, raison] = enveloppeDe(s.sommets, true);
        ASSERT_EQ(nonDefini, 0) << raison;
        EXPECT_EQ(p->nombreSommets, s.V);
        EXPECT_EQ(p->nombreAretes, s.E);
        EXPECT_EQ(p->nombreFaces, s.F);
        verifieEnveloppe(*p, s.sommets);
    }
}

// n points on the unit sphere in general position, from a seeded generator.
std::vector<Tvecteur3> pointsSurSphere(int n, std::mt19937& alea) {
    std::normal_distribution<double> normale;
    std::vector<Tvecteur3> points;
    for (int k = 0; k < n; ++k) {
        double x = normale(alea), y = normale(alea), z = normale(alea);
        const double r = std::sqrt(x * x + y * y + z * z);
        points.push_back({x / r, y / r, z / r});
    }
    return points;
}

TEST(EnveloppeConvexe, PointsAleatoiresSurUneSphereEtALInterieur) {
    std::mt19937 alea(12345);
    std::uniform_real_distribution<double> uniforme(-0.5, 0.5);
    std::vector<Tvecteur3> points = pointsSurSphere(40, alea);
    // Inner points are dropped silently when the list is not the user's own.
    for (int k = 0; k < 20; ++k)
        points.push_back({uniforme(alea), uniforme(alea), uniforme(alea)});
    auto [p, nonDefini, raison] = enveloppeDe(points);
    ASSERT_EQ(nonDefini, 0) << raison;
    EXPECT_EQ(p->nombreSommets, 40);
    // Points on a sphere in general position: every face is a triangle.
    EXPECT_EQ(p->nombreFaces, 2 * 40 - 4);
    verifieEnveloppe(*p, points);
}

TEST(EnveloppeConvexe, AllTheVerticesARecordHoldsWithMostOfThemInside) {
    // 160 points, the most a record holds: 40 corners on a sphere shuffled
    // among 120 inner points, so that the renumbering moves corners from the
    // far end of the list down to its start.
    std::mt19937 alea(160);
    std::vector<Tvecteur3> points = pointsSurSphere(40, alea);
    std::uniform_real_distribution<double> uniforme(-0.5, 0.5);
    for (int k = 0; k < 120; ++k)
        points.push_back({uniforme(alea), uniforme(alea), uniforme(alea)});
    std::shuffle(points.begin(), points.end(), alea);
    auto [p, nonDefini, raison] = enveloppeDe(points);
    ASSERT_EQ(nonDefini, 0) << raison;
    EXPECT_EQ(p->nombreSommets, 40);
    EXPECT_EQ(p->nombreFaces, 2 * 40 - 4);
    EXPECT_EQ(p->nombreAretes, 3 * 40 - 6);
    verifieEnveloppe(*p, points);
    // Every corner is a point of the sphere, and no corner is left twice.
    for (int v = 1; v <= p->nombreSommets; ++v) {
        const Tvecteur3& s = sommet(*p, v);
        EXPECT_NEAR(s.x * s.x + s.y * s.y + s.z * s.z, 1.0, 1e-12) << v;
    }
    // The neighbour sets name the renumbered vertices only.
    for (int v = 1; v <= kMaxSommetsPolyedre; ++v) {
        const TEnsembleSommets& voisins = std::as_const(p->voisins)[std::size_t(v)];
        if (v > p->nombreSommets) {
            EXPECT_TRUE(voisins.none()) << v;
            continue;
        }
        EXPECT_GE(voisins.count(), 3u) << v;
        for (int w = p->nombreSommets + 1; w < 256; ++w)
            EXPECT_FALSE(voisins.test(std::size_t(w))) << v << " " << w;
    }
}

TEST(EnveloppeConvexe, MoreThan80FacesIsRefusedWithItsReason) {
    // 43 points on a sphere: 2 x 43 - 4 = 82 triangles, 123 edges (within
    // their 160): the face limit is the one passed.
    std::mt19937 alea(43);
    auto [p, nonDefini, raison] = enveloppeDe(pointsSurSphere(43, alea));
    EXPECT_EQ(nonDefini, 1);
    EXPECT_EQ(raison, kRaisonTropDeFaces);
    EXPECT_EQ(p->nombreFaces, kMaxFacesPolyedre);
    // 42 points give exactly 80 faces.
    std::mt19937 alea42(42);
    auto q = std::make_unique<TPolyedre>();
    remplit(*q, pointsSurSphere(42, alea42));
    nonDefini = 0;
    enveloppeConvexe3D(*q, nonDefini, raison);
    ASSERT_EQ(nonDefini, 0) << raison;
    EXPECT_EQ(q->nombreFaces, kMaxFacesPolyedre);
}

TEST(EnveloppeConvexe, PointsNonCoinsAbandonnesSansListeUtilisateur) {
    // A pyramid with the midpoint of a base side and a duplicated apex, as a
    // construction's list: both are dropped, the vertices renumbered.
    std::vector<Tvecteur3> v = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 3}, {1, 1, 3}};
    auto [p, nonDefini, raison] = enveloppeDe(v);
    ASSERT_EQ(nonDefini, 0) << raison;
    EXPECT_EQ(p->nombreSommets, 5);
    EXPECT_EQ(p->nombreAretes, 8);
    verifieEnveloppe(*p, v);
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(p->sommets[k].x == 1 && p->sommets[k].y == 0) << "the midpoint is still a vertex";
}

struct Refus {
    const char* cas;
    bool polygone;
    std::vector<Tvecteur3> sommets;
    uint16_t raison;
    uint8_t octet1, octet2, octet3;
};

TEST(EnveloppeConvexe, RefusDUneListeUtilisateur) {
    auto cubeEtCentre = cube(2);
    cubeEtCentre.push_back({1, 1, 1});
    auto cubeDouble = cube(1);
    cubeDouble.push_back({1, 1, 1});
    std::vector<Tvecteur3> grand;
    for (int k = 0; k < 41; ++k)
        grand.push_back(
            {std::cos(2 * std::numbers::pi * k / 41), std::sin(2 * std::numbers::pi * k / 41), 0});
    const std::vector<Refus> cas = {
        {"centre of a cube", false, cubeEtCentre, kRaisonInterieurPolyedre, 9, 0, 0},
        {"duplicated corner", false, cubeDouble, kRaisonSommetsConfondus, 8, 9, 0},
        {"midpoint of a base side",
         false,
         {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 3}, {1, 0, 0}},
         kRaisonSurArete,
         6,
         1,
         2},
        {"coplanar", false, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, kRaisonSommetsCoplanaires, 0, 0, 0},
        {"aligned", false, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}, kRaisonSommetsAlignes, 0, 0, 0},
        {"inside a face",
         false,
         {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 3}, {1, 1, 0}},
         kRaisonInterieurFace,
         6,
         0,
         0},
        {"polygon not flat",
         true,
         {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}},
         kRaisonNonCoplanaires,
         0,
         0,
         0},
        {"inside a polygon",
         true,
         {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 0}},
         kRaisonInterieurPolygone,
         5,
         1,
         0},
        {"polygon of 41 sides", true, grand, kRaisonTropDeCotes, 0, 0, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        auto p = std::make_unique<TPolyedre>();
        remplit(*p, c.sommets);
        p->donneParSommets = 1;
        p->polygone = c.polygone;
        uint8_t nonDefini = 0;
        uint16_t raison = 0;
        if (c.polygone)
            enveloppeConvexePlane(*p, nonDefini, raison);
        else
            enveloppeConvexe3D(*p, nonDefini, raison);
        EXPECT_EQ(nonDefini, 1);
        EXPECT_EQ(raison, c.raison);
        if (c.octet1) {
            EXPECT_EQ(p->octetsErreur[1], c.octet1);
        }
        if (c.raison == kRaisonSurArete) {
            // The two ends of the side, in either order.
            EXPECT_EQ(std::min(p->octetsErreur[2], p->octetsErreur[3]), c.octet2);
            EXPECT_EQ(std::max(p->octetsErreur[2], p->octetsErreur[3]), c.octet3);
        } else if (c.octet2) {
            EXPECT_EQ(p->octetsErreur[2], c.octet2);
        }
    }
}

TEST(EnveloppePlane, FacesMiroirEtPlansLateraux) {
    // A square given with a duplicate and a point on a side: a polygon drops
    // both silently.
    std::vector<Tvecteur3> v = {{0, 0, 1}, {2, 0, 1}, {2, 0, 1}, {2, 2, 1}, {1, 2, 1}, {0, 2, 1}};
    auto p = std::make_unique<TPolyedre>();
    remplit(*p, v);
    p->polygone = 1;
    p->donneParSommets = 1;
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    enveloppeConvexePlane(*p, nonDefini, raison);
    ASSERT_EQ(nonDefini, 0) << raison;
    EXPECT_EQ(p->nombreSommets, 4);
    EXPECT_EQ(p->nombreAretes, 4);
    EXPECT_EQ(p->nombreFaces, 2);
    const TFace& f1 = p->faces[1];
    const TFace& f2 = p->faces[2];
    EXPECT_EQ(f1.nombreSommets, 4);
    EXPECT_NEAR(std::fabs(f1.plan.c), 1, 1e-12);
    EXPECT_EQ(f2.plan.c, -f1.plan.c);
    EXPECT_EQ(f2.plan.d, -f1.plan.d);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(f2.cycle[k], f1.cycle[6 - k]);
    for (int e = 1; e <= 4; ++e) {
        EXPECT_EQ(p->aretes[e].premiereFace, 1);
        EXPECT_EQ(p->aretes[e].secondeFace, 2);
        EXPECT_EQ(p->aretes[e].deFace, 1);
        // Side planes face outward: the square's centre lies behind each,
        // and the side's ends on it.
        const TPlanOriente& q = p->faces[2 + e].plan;
        EXPECT_NEAR(valeurPlan(q, {1, 1, 1}), -1, 1e-12);
        EXPECT_NEAR(valeurPlan(q, p->sommets[f1.cycle[e]]), 0, 1e-12);
        EXPECT_NEAR(valeurPlan(q, p->sommets[f1.cycle[e + 1]]), 0, 1e-12);
    }
}

TEST(EnveloppeConvexe, ReconstructionRepetee) {
    // Building the hull of the same record twice gives the same result: the
    // working sets are cleared each time.
    auto p = std::make_unique<TPolyedre>();
    remplit(*p, cube(1));
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    enveloppeConvexe3D(*p, nonDefini, raison);
    const TPolyedre premier = *p;
    enveloppeConvexe3D(*p, nonDefini, raison);
    ASSERT_EQ(nonDefini, 0);
    EXPECT_EQ(p->nombreAretes, premier.nombreAretes);
    EXPECT_EQ(p->nombreFaces, premier.nombreFaces);
    verifieEnveloppe(*p, cube(1));
}

} // namespace
