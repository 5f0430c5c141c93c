// Hulls of points that sit within the tolerance of a solid's corners, faces
// and edges: whatever side of a plane the rounding puts each point, the
// faces must agree with one another and the solid keep its volume.
#include "aides_solides.h"

#include <algorithm>
#include <random>

#include "model/solides/mesures_solides.h"
#include "model/solides/orientation_exacte.h"

using namespace km32;
using namespace km32::essais;

namespace {

namespace c = construction;

// A solid with lattice corners, the lattice points in it (a whole-number
// test, so that the points on its faces and edges are there too) and its
// volume in closed form.
struct SolideDuReseau {
    std::vector<Tvecteur3> coins;
    std::vector<Tvecteur3> pointsDedans;
    double volume;
    double aire; // of its surface
};

double aireTriangle(const Tvecteur3& a, const Tvecteur3& b, const Tvecteur3& c) {
    const Tvecteur3 u{b.x - a.x, b.y - a.y, b.z - a.z}, v{c.x - a.x, c.y - a.y, c.z - a.z};
    return std::hypot(u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x) / 2;
}

SolideDuReseau solideAuHasard(std::mt19937& alea) {
    std::uniform_int_distribution<int> cote(1, 3), forme(0, 2);
    const int a = cote(alea), b = cote(alea), h = cote(alea);
    SolideDuReseau s;
    std::vector<std::array<int, 3>> dedans;
    switch (forme(alea)) {
    case 0: // box a x b x h
        s.coins = cube(1);
        for (auto& q : s.coins)
            q = {q.x * a, q.y * b, q.z * h};
        s.volume = a * b * h;
        s.aire = 2.0 * (a * b + a * h + b * h);
        for (int x = 0; x <= a; ++x)
            for (int y = 0; y <= b; ++y)
                for (int z = 0; z <= h; ++z)
                    dedans.push_back({x, y, z});
        break;
    case 1: { // pyramid on the rectangle a x b, apex above a point of it
        std::uniform_int_distribution<int> ax(0, a), by(0, b);
        const int px = ax(alea), py = by(alea);
        s.coins = {{0, 0, 0},
                   {double(a), 0, 0},
                   {double(a), double(b), 0},
                   {0, double(b), 0},
                   {double(px), double(py), double(h)}};
        s.volume = a * b * h / 3.0;
        s.aire = a * b;
        for (int k = 0; k < 4; ++k)
            s.aire += aireTriangle(s.coins[std::size_t(k)], s.coins[std::size_t((k + 1) % 4)], s.coins[4]);
        // At height z the section is the base shrunk towards the apex.
        for (int x = 0; x <= a; ++x)
            for (int y = 0; y <= b; ++y)
                for (int z = 0; z <= h; ++z)
                    if (x * h >= px * z && x * h <= px * z + a * (h - z) && y * h >= py * z &&
                        y * h <= py * z + b * (h - z))
                        dedans.push_back({x, y, z});
        break;
    }
    default: // corner tetrahedron
        s.coins = {{0, 0, 0}, {double(a), 0, 0}, {0, double(b), 0}, {0, 0, double(h)}};
        s.volume = a * b * h / 6.0;
        s.aire = (a * b + a * h + b * h) / 2.0 + aireTriangle(s.coins[1], s.coins[2], s.coins[3]);
        for (int x = 0; x <= a; ++x)
            for (int y = 0; y <= b; ++y)
                for (int z = 0; z <= h; ++z)
                    if (x * b * h + y * a * h + z * a * b <= a * b * h) dedans.push_back({x, y, z});
        break;
    }
    for (const auto& q : dedans)
        s.pointsDedans.push_back({double(q[0]), double(q[1]), double(q[2])});
    return s;
}

// Each coordinate moved by at most 5e-7, half the tolerance.
std::vector<Tvecteur3> bouge(std::vector<Tvecteur3> points, std::mt19937& alea) {
    std::uniform_real_distribution<double> ecart(-5e-7, 5e-7);
    for (auto& q : points)
        q = {q.x + ecart(alea), q.y + ecart(alea), q.z + ecart(alea)};
    return points;
}

TEST(EnveloppeArrondie, LatticeSolidsMovedWithinTheToleranceKeepAClosedHullAndTheirVolume) {
    std::mt19937 alea(5000);
    for (int essai = 0; essai < 1500; ++essai) {
        const SolideDuReseau s = solideAuHasard(alea);
        // The solid's own corners (a user's list), and a hull of some of its
        // lattice points with every corner among them.
        std::vector<Tvecteur3> points = s.pointsDedans;
        std::shuffle(points.begin(), points.end(), alea);
        points.resize(std::min<std::size_t>(points.size(), 30));
        points.insert(points.end(), s.coins.begin(), s.coins.end());
        std::shuffle(points.begin(), points.end(), alea);
        for (const bool liste : {true, false}) {
            const std::vector<Tvecteur3> donnes = bouge(liste ? s.coins : points, alea);
            SCOPED_TRACE(::testing::Message()
                         << "trial " << essai << (liste ? " corners" : " lattice points"));
            EnveloppeCalculee r = calculeEnveloppe(donnes, liste, false);
            ASSERT_EQ(r.nonDefini, 0) << r.raison;
            verifieEnveloppe(*r.p, donnes);
            // Each point within 8.7e-7 of the solid and each face within
            // 1e-6 of its points: the volume moves by at most the surface
            // times their sum (1e-5 for the small solids).
            EXPECT_NEAR(volumeDesFaces(*r.p), s.volume, std::max(1e-5, s.aire * 1.87e-6));
            if (liste) {
                EXPECT_EQ(r.p->nombreSommets, int(s.coins.size()));
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// Lattice polygons of a tilted plane (a rectangle or a right triangle in
// the plane spanned by (1,0,1) and (0,1,1)) and their lattice points, each
// moved by up to 3e-7 along both directions of the plane (at most 7.3e-7)
// and 1e-7 off it, so that the plane through any three far apart keeps them
// all within 1e-6: a hull polygon keeps its area and every point on its
// plane and inside its sides.
TEST(EnveloppeArrondie, LatticePolygonsMovedWithinTheToleranceKeepTheirArea) {
    std::mt19937 alea(135);
    std::uniform_int_distribution<int> cote(1, 3), forme(0, 1);
    std::uniform_real_distribution<double> ecartPlan(-3e-7, 3e-7), ecartNormal(-1e-7, 1e-7);
    const double aireMaille = std::sqrt(3.0); // |(1,0,1) x (0,1,1)|
    for (int essai = 0; essai < 1500; ++essai) {
        const int a = cote(alea), b = cote(alea);
        const bool triangle = forme(alea) == 1;
        std::vector<Tvecteur3> coins, points;
        auto dans = [](int u, int v) { return Tvecteur3{double(u), double(v), double(u + v)}; };
        if (triangle)
            coins = {dans(0, 0), dans(a, 0), dans(0, b)};
        else
            coins = {dans(0, 0), dans(a, 0), dans(a, b), dans(0, b)};
        for (int u = 0; u <= a; ++u)
            for (int v = 0; v <= b; ++v)
                if (!triangle || u * b + v * a <= a * b) points.push_back(dans(u, v));
        std::shuffle(points.begin(), points.end(), alea);
        const double aire = (triangle ? 0.5 : 1.0) * a * b * aireMaille;
        for (const bool liste : {true, false}) {
            std::vector<Tvecteur3> donnes = liste ? coins : points;
            for (auto& q : donnes) {
                const double s = ecartPlan(alea), t = ecartPlan(alea), h = ecartNormal(alea) / std::sqrt(3.0);
                q = {q.x + s - h, q.y + t - h, q.z + s + t + h};
            }
            SCOPED_TRACE(::testing::Message()
                         << "trial " << essai << (liste ? " corners" : " lattice points"));
            const EnveloppeCalculee r = calculeEnveloppe(donnes, liste, true);
            ASSERT_EQ(r.nonDefini, 0) << r.raison;
            const TPolyedre& p = *r.p;
            const TFace& F = p.faces[1];
            EXPECT_EQ(p.nombreAretes, F.nombreSommets);
            if (liste) {
                EXPECT_EQ(p.nombreSommets, int(coins.size()));
            }
            // Its area from Newell's normal of the cycle.
            const Tvecteur3 n = normaleNewell(p, F);
            EXPECT_NEAR(std::hypot(n.x, n.y, n.z) / 2, aire, 1e-5);
            verifiePolygoneContient(p, donnes, 1e-6);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// Five corners of a pyramid typed with seven decimals: rounded they give
// the pyramid on the quadrilateral (1,0,0) (0,1,0) (0,2,0) (2,2,0) with apex
// (2,1,2), of volume 2.5 x 2 / 3.
TEST(EnveloppeArrondie, FiveCornersTypedWithSevenDecimalsGiveTheirPyramid) {
    FigureSolides F;
    const std::vector<Tvecteur3> coins = {{0.9999996739, 0.0000001123, -0.0000003804},
                                          {0.0000002871, 1.0000003516, 0.0000001942},
                                          {2.0000001377, 0.9999997122, 2.0000003358},
                                          {-0.0000003125, 2.0000002264, -0.0000002717},
                                          {1.9999996583, 2.0000003930, 0.0000003345}};
    std::vector<int> points;
    const char* noms[] = {"A", "B", "C", "D", "E"};
    for (std::size_t k = 0; k < coins.size(); ++k)
        points.push_back(F.point(noms[k], coins[k].x, coins[k].y, coins[k].z));
    for (const uint8_t code : {c::kPolyedreEnveloppe, c::kPolyedreConvexe}) {
        SCOPED_TRACE(int(code));
        const int q = F.ajoute(kNaturePolyedreConvexe, code, code == c::kPolyedreConvexe ? "Q" : "P",
                               std::vector<double>{}, points);
        calculeDonneesPolyedre(F.f, q);
        ASSERT_EQ(F.f.objets[q].nonDefini, 0) << F.f.objets[q].raison;
        EXPECT_EQ(F.polyedre(q).nombreSommets, 5);
        EXPECT_EQ(F.polyedre(q).nombreAretes, 8);
        EXPECT_EQ(F.polyedre(q).nombreFaces, 5);
        verifieEnveloppe(F.polyedre(q), coins);
        EXPECT_NEAR(volumeSolide(F.f, q), 5.0 / 3, 1e-5);
    }
}

// The exact side of a point against the sign of the determinant computed
// in whole numbers: coordinates are multiples of 2^-20 (so each is exact),
// a quarter of the cases made coplanar on purpose.
TEST(OrientationExacte, AgreesWithTheDeterminantInWholeNumbers) {
    std::mt19937 alea(3);
    std::uniform_int_distribution<int64_t> entier(-(int64_t(1) << 24), int64_t(1) << 24);
    std::uniform_int_distribution<int> petit(-3, 3);
    const double unite = std::ldexp(1.0, -20);
    int nuls = 0;
    for (int essai = 0; essai < 20000; ++essai) {
        std::array<std::array<int64_t, 3>, 4> e{};
        for (int i = 0; i < 3; ++i)
            for (auto& x : e[std::size_t(i)])
                x = entier(alea);
        if (essai % 4 == 0) {
            const int s = petit(alea), t = petit(alea);
            for (int j = 0; j < 3; ++j)
                e[3][std::size_t(j)] = e[0][std::size_t(j)] +
                                       s * (e[1][std::size_t(j)] - e[0][std::size_t(j)]) +
                                       t * (e[2][std::size_t(j)] - e[0][std::size_t(j)]);
        } else {
            for (auto& x : e[3])
                x = entier(alea);
        }
        __int128 r[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r[i][j] = e[std::size_t(i + 1)][std::size_t(j)] - e[0][std::size_t(j)];
        const __int128 det = r[0][0] * (r[1][1] * r[2][2] - r[1][2] * r[2][1]) +
                             r[0][1] * (r[1][2] * r[2][0] - r[1][0] * r[2][2]) +
                             r[0][2] * (r[1][0] * r[2][1] - r[1][1] * r[2][0]);
        const int attendu = det > 0 ? 1 : det < 0 ? -1 : 0;
        nuls += attendu == 0;
        auto V = [&](int i) {
            return Tvecteur3{double(e[std::size_t(i)][0]) * unite, double(e[std::size_t(i)][1]) * unite,
                             double(e[std::size_t(i)][2]) * unite};
        };
        ASSERT_EQ(orientationExacte(V(0), V(1), V(2), V(3)), attendu) << "case " << essai;
    }
    EXPECT_GE(nuls, 5000);
}

} // namespace
