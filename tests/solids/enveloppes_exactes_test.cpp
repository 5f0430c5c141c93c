// Space and plane hulls of points set at, inside and just outside the
// tolerance of a solid's faces, edges and corners, checked against the
// exact hull of the same points computed here in whole numbers: every
// coordinate is a multiple of 2^-27, so that each is exact as a double and
// each side test is an exact sign of a 128-bit determinant.
#include "aides_solides.h"

#include <algorithm>
#include <bitset>
#include <set>
#include <random>

using namespace km32;
using namespace km32::essais;

namespace {

constexpr double kEps = 1e-6;
const double kUnite = std::ldexp(1.0, -27);

using Entier = __int128;
struct PointEntier {
    int64_t x, y, z;
};
struct Vec128 {
    Entier x, y, z;
};

PointEntier versEntier(const Tvecteur3& v) {
    return {int64_t(std::llround(v.x / kUnite)), int64_t(std::llround(v.y / kUnite)),
            int64_t(std::llround(v.z / kUnite))};
}
Tvecteur3 versDouble(const PointEntier& q) {
    return {double(q.x) * kUnite, double(q.y) * kUnite, double(q.z) * kUnite};
}
Vec128 moinsE(const PointEntier& a, const PointEntier& b) {
    return {Entier(a.x) - b.x, Entier(a.y) - b.y, Entier(a.z) - b.z};
}
Vec128 vectorielE(const Vec128& a, const Vec128& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Entier scalaireE(const Vec128& a, const Vec128& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Twice the area of the convex hull of 2D whole-number points (monotone
// chain), exact.
Entier doubleAire2D(std::vector<std::array<Entier, 2>> q) {
    std::sort(q.begin(), q.end());
    q.erase(std::unique(q.begin(), q.end()), q.end());
    if (q.size() < 3) return 0;
    auto tourne = [](const std::array<Entier, 2>& o, const std::array<Entier, 2>& a,
                     const std::array<Entier, 2>& b) {
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
    };
    std::vector<std::array<Entier, 2>> h(2 * q.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < q.size(); ++i) {
        while (k >= 2 && tourne(h[k - 2], h[k - 1], q[i]) <= 0)
            --k;
        h[k++] = q[i];
    }
    for (std::size_t i = q.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && tourne(h[k - 2], h[k - 1], q[i - 1]) <= 0)
            --k;
        h[k++] = q[i - 1];
    }
    Entier a = 0;
    for (std::size_t i = 0; i + 1 < k; ++i)
        a += h[i][0] * h[i + 1][1] - h[i][1] * h[i + 1][0];
    return a;
}

// The area of a set of coplanar points' hull, seen along the normal N.
double aireDansLePlan(const std::vector<PointEntier>& pts, const Vec128& N) {
    const long double nx = (long double)N.x, ny = (long double)N.y, nz = (long double)N.z;
    const long double ax = std::fabs(nx), ay = std::fabs(ny), az = std::fabs(nz);
    std::vector<std::array<Entier, 2>> q;
    long double dominante;
    for (const auto& p : pts) {
        if (az >= ax && az >= ay)
            q.push_back({p.x, p.y});
        else if (ay >= ax)
            q.push_back({p.z, p.x});
        else
            q.push_back({p.y, p.z});
    }
    dominante = std::max({ax, ay, az});
    const long double n = std::sqrt(nx * nx + ny * ny + nz * nz);
    const long double a = std::fabs((long double)doubleAire2D(q)) / 2 * n / dominante;
    return double(a * (long double)kUnite * (long double)kUnite);
}

struct HullExacte {
    double volume = 0, aire = 0;
};

// The exact hull, by brute force: every plane through three points with
// all the points on one side is a face plane; the points on it make the
// face. Volume by the divergence theorem, sum of area x height / 3.
HullExacte hullExacte(const std::vector<Tvecteur3>& points) {
    std::vector<PointEntier> P;
    for (const auto& v : points)
        P.push_back(versEntier(v));
    const std::size_t n = P.size();
    std::set<unsigned long long> vues;
    HullExacte h;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                Vec128 N = vectorielE(moinsE(P[j], P[i]), moinsE(P[k], P[i]));
                if (N.x == 0 && N.y == 0 && N.z == 0) continue;
                int dessus = 0, dessous = 0;
                std::bitset<64> sur;
                for (std::size_t l = 0; l < n && !(dessus && dessous); ++l) {
                    const Entier s = scalaireE(N, moinsE(P[l], P[i]));
                    if (s > 0)
                        ++dessus;
                    else if (s < 0)
                        ++dessous;
                    else
                        sur.set(l);
                }
                if (dessus && dessous) continue;
                if (dessus) N = {-N.x, -N.y, -N.z};
                if (!vues.insert(sur.to_ullong()).second) continue;
                std::vector<PointEntier> face;
                for (std::size_t l = 0; l < n; ++l)
                    if (sur.test(l)) face.push_back(P[l]);
                const double aire = aireDansLePlan(face, N);
                const long double nn =
                    std::sqrt((long double)N.x * (long double)N.x + (long double)N.y * (long double)N.y +
                              (long double)N.z * (long double)N.z);
                const Tvecteur3 o = versDouble(P[i]);
                const long double hauteur =
                    ((long double)N.x * o.x + (long double)N.y * o.y + (long double)N.z * o.z) / nn;
                h.aire += aire;
                h.volume += double(aire * hauteur / 3);
            }
    return h;
}

// The measures of a record: its volume (a fan of each face, divergence
// theorem) and its area (Newell's normal of each face's cycle).
HullExacte mesures(const TPolyedre& p) {
    HullExacte m;
    m.volume = volumeDesFaces(p);
    for (int f = 1; f <= p.nombreFaces; ++f) {
        const Tvecteur3 n = normaleNewell(p, p.faces[f]);
        m.aire += std::hypot(n.x, n.y, n.z) / 2;
    }
    return m;
}

double longueurDesAretes(const TPolyedre& p) {
    double l = 0;
    for (int e = 1; e <= p.nombreAretes; ++e) {
        const Tvecteur3 c = moins(p.sommets[p.aretes[e].premierSommet], p.sommets[p.aretes[e].secondSommet]);
        l += std::hypot(c.x, c.y, c.z);
    }
    return l;
}

// No corner of a face lies more than eps inside the segment joining its
// neighbours: the face is convex within the tolerance. Neighbours closer
// than 100 eps are left out: the tolerance does not fix the direction of
// the segment joining them (the corner between them is the tip of a
// needle, whose inner side is a matter of rounding).
void verifieFacesConvexes(const TPolyedre& p, int faces) {
    for (int f = 1; f <= faces; ++f) {
        const TFace& F = p.faces[f];
        const Tvecteur3 n{F.plan.a, F.plan.b, F.plan.c};
        for (int k = 1; k <= F.nombreSommets; ++k) {
            const Tvecteur3& U = p.sommets[F.cycle[k == 1 ? F.nombreSommets : k - 1]];
            const Tvecteur3& X = p.sommets[F.cycle[k]];
            const Tvecteur3& W = p.sommets[F.cycle[k + 1]];
            const Tvecteur3 c = moins(W, U);
            const double l = std::hypot(c.x, c.y, c.z);
            if (l < 100 * kEps) continue;
            const double rentrant = scalaire(n, vectoriel(c, moins(X, U)));
            EXPECT_LE(rentrant, kEps * l) << "face " << f << " corner " << k;
        }
    }
}

// The same hull: same corners, same cycles.
void memesEnveloppes(const TPolyedre& a, const TPolyedre& b, int faces) {
    ASSERT_EQ(a.nombreSommets, b.nombreSommets);
    ASSERT_EQ(a.nombreFaces, b.nombreFaces);
    EXPECT_EQ(a.nombreAretes, b.nombreAretes);
    for (int v = 1; v <= a.nombreSommets; ++v)
        EXPECT_TRUE(a.sommets[v].x == b.sommets[v].x && a.sommets[v].y == b.sommets[v].y &&
                    a.sommets[v].z == b.sommets[v].z);
    for (int f = 1; f <= faces; ++f) {
        ASSERT_EQ(a.faces[f].nombreSommets, b.faces[f].nombreSommets);
        for (int k = 1; k <= a.faces[f].nombreSommets; ++k)
            EXPECT_EQ(a.faces[f].cycle[k], b.faces[f].cycle[k]);
    }
}

// A lattice solid (a box or a corner tetrahedron) and its faces with their
// outward unit normals.
struct Solide {
    std::vector<Tvecteur3> coins;
    std::vector<std::vector<int>> faces;
    std::vector<Tvecteur3> normales;
};

Tvecteur3 unitaire(const Tvecteur3& v) {
    const double l = std::hypot(v.x, v.y, v.z);
    return {v.x / l, v.y / l, v.z / l};
}

Solide solideAuHasard(std::mt19937& alea) {
    std::uniform_int_distribution<int> cote(1, 10), forme(0, 1);
    const double a = cote(alea), b = cote(alea), c = cote(alea);
    Solide s;
    if (forme(alea) == 0) {
        for (const auto& q : cube(1))
            s.coins.push_back({q.x * a, q.y * b, q.z * c});
        // Corner k has x = k & 1, y = k & 2, z = k & 4.
        s.faces = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};
        s.normales = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    } else {
        s.coins = {{0, 0, 0}, {a, 0, 0}, {0, b, 0}, {0, 0, c}};
        s.faces = {{0, 2, 3}, {0, 1, 3}, {0, 1, 2}, {1, 2, 3}};
        s.normales = {{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}, unitaire({b * c, a * c, a * b})};
    }
    return s;
}

// How far off a face, an edge or a corner a point is put: inside, at and
// just outside the tolerance.
const double kEcarts[] = {-3e-6, -1e-6, -5e-7, 0, 1e-7, 3e-7, 5e-7, 9e-7, 1e-6, 1.1e-6, 1.5e-6, 2e-6, 4e-6};

Tvecteur3 decale(const Tvecteur3& a, const Tvecteur3& b, double k = 1) {
    return {a.x + k * b.x, a.y + k * b.y, a.z + k * b.z};
}

// The solid's corners (up to a number of points in all), then points on its faces, edges and corners moved
// off them by one of the gaps above (and a little along them), on the grid.
std::vector<Tvecteur3> pointsAutour(const Solide& s, int plusGrandNombre, std::mt19937& alea) {
    std::uniform_int_distribution<int> nombre(0, plusGrandNombre - int(s.coins.size())), genre(0, 3),
        ecart(0, int(std::size(kEcarts)) - 1);
    std::uniform_real_distribution<double> u01(0, 1), glisse(-3e-7, 3e-7);
    std::vector<Tvecteur3> points = s.coins;
    const int extra = nombre(alea);
    for (int i = 0; i < extra; ++i) {
        const auto f = std::size_t(std::uniform_int_distribution<int>(0, int(s.faces.size()) - 1)(alea));
        const std::vector<int>& F = s.faces[f];
        const auto k = std::size_t(std::uniform_int_distribution<int>(0, int(F.size()) - 1)(alea));
        const Tvecteur3& A = s.coins[std::size_t(F[k])];
        const Tvecteur3& B = s.coins[std::size_t(F[(k + 1) % F.size()])];
        const Tvecteur3& C = s.coins[std::size_t(F[(k + 2) % F.size()])];
        Tvecteur3 q, n = s.normales[f];
        switch (genre(alea)) {
        case 0: { // on the face
            double x = u01(alea), y = u01(alea);
            if (x + y > 1) x = 1 - x, y = 1 - y;
            q = decale(decale(A, moins(B, A), x), moins(C, A), y);
            break;
        }
        case 1: { // on the edge AB, pushed off along both faces' normals
            q = decale(A, moins(B, A), u01(alea));
            for (std::size_t g = 0; g < s.faces.size(); ++g) {
                const auto& G = s.faces[g];
                if (g != f && std::count(G.begin(), G.end(), F[k]) &&
                    std::count(G.begin(), G.end(), F[(k + 1) % F.size()]))
                    n = unitaire(decale(n, s.normales[g]));
            }
            break;
        }
        case 2: // at corner A
            q = A;
            break;
        default: // anywhere inside
            q = decale(decale(decale(A, moins(B, A), u01(alea) / 3), moins(C, A), u01(alea) / 3),
                       moins(s.coins[std::size_t(s.faces[(f + 1) % s.faces.size()][0])], A), u01(alea) / 3);
            n = {};
            break;
        }
        q = decale(q, n, kEcarts[ecart(alea)]);
        q = decale(q, {glisse(alea), glisse(alea), glisse(alea)});
        points.push_back(q);
    }
    std::shuffle(points.begin(), points.end(), alea);
    for (auto& q : points)
        q = versDouble(versEntier(q));
    return points;
}

TEST(EnveloppeExacte, SpaceHullsOfPointsNearTheToleranceMatchTheExactHull) {
    std::mt19937 alea(55);
    int retraits = 0, refus = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const Solide s = solideAuHasard(alea);
        // Every other set small, so that it often keeps all its points.
        const std::vector<Tvecteur3> points = pointsAutour(s, essai % 2 ? 40 : 10, alea);
        SCOPED_TRACE(::testing::Message() << "trial " << essai << ", " << points.size() << " points");
        const HullExacte exacte = hullExacte(points);
        EnveloppeCalculee r = calculeEnveloppe(points, false, false);
        ASSERT_EQ(r.nonDefini, 0) << r.raison;
        verifieEnveloppe(*r.p, points);
        verifieFacesConvexes(*r.p, r.p->nombreFaces);
        const HullExacte m = mesures(*r.p);
        EXPECT_NEAR(m.volume, exacte.volume, kEps * exacte.aire);
        // A face moves by at most eps (the volume by eps times the area); its
        // sides too, within its plane (the area by eps times the sides).
        EXPECT_NEAR(m.aire, exacte.aire, kEps * (exacte.aire + 2 * longueurDesAretes(*r.p)));
        // The same points given as a user's vertex list: the same solid when
        // the hull kept them all, refused otherwise.
        EnveloppeCalculee u = calculeEnveloppe(points, true, false);
        if (r.p->nombreSommets == int(points.size())) {
            ASSERT_EQ(u.nonDefini, 0) << u.raison;
            memesEnveloppes(*r.p, *u.p, r.p->nombreFaces);
        } else {
            ++retraits;
            EXPECT_EQ(u.nonDefini, 1);
            refus += u.nonDefini;
            EXPECT_TRUE(u.raison == kRaisonInterieurPolyedre || u.raison == kRaisonInterieurFace ||
                        u.raison == kRaisonSurArete || u.raison == kRaisonSommetsConfondus)
                << u.raison;
        }
        if (::testing::Test::HasFailure()) return;
    }
    // Both roads were taken often.
    EXPECT_GE(retraits, 100);
    EXPECT_LE(retraits, 360);
}

// Lattice polygons of the plane z = x + y (a rectangle, a right triangle or
// a hexagon), with points on their sides and corners moved within the
// plane by the gaps above, points inside, and every point moved off the
// plane by at most 2e-7.
TEST(EnveloppeExacte, PlaneHullsOfPointsNearTheToleranceMatchTheExactHull) {
    std::mt19937 alea(135);
    std::uniform_int_distribution<int> cote(1, 10), forme(0, 2), genre(0, 2),
        ecart(0, int(std::size(kEcarts)) - 1);
    std::uniform_real_distribution<double> u01(0, 1), horsPlan(-2e-7, 2e-7);
    const Tvecteur3 N = unitaire({-1, -1, 1});
    auto dansLePlan = [](double x, double y) { return Tvecteur3{x, y, x + y}; };
    int retraits = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const double a = cote(alea), b = cote(alea);
        std::vector<Tvecteur3> coins;
        switch (forme(alea)) {
        case 0:
            coins = {dansLePlan(0, 0), dansLePlan(a, 0), dansLePlan(a, b), dansLePlan(0, b)};
            break;
        case 1:
            coins = {dansLePlan(0, 0), dansLePlan(a, 0), dansLePlan(0, b)};
            break;
        default:
            coins = {dansLePlan(a, 0),     dansLePlan(2 * a, b), dansLePlan(2 * a, 2 * b),
                     dansLePlan(a, 3 * b), dansLePlan(0, 2 * b), dansLePlan(0, b)};
            break;
        }
        std::vector<Tvecteur3> points = coins;
        const int extra = std::uniform_int_distribution<int>(0, essai % 2 ? 34 : 4)(alea);
        for (int i = 0; i < extra; ++i) {
            const auto k = std::size_t(std::uniform_int_distribution<int>(0, int(coins.size()) - 1)(alea));
            const Tvecteur3& A = coins[k];
            const Tvecteur3& B = coins[(k + 1) % coins.size()];
            const Tvecteur3& C = coins[(k + 2) % coins.size()];
            // Outward in the plane: the polygons turn counter-clockwise round N.
            const Tvecteur3 dehors = unitaire(vectoriel(moins(B, A), N));
            Tvecteur3 q;
            switch (genre(alea)) {
            case 0: // on the side AB
                q = decale(decale(A, moins(B, A), u01(alea)), dehors, kEcarts[ecart(alea)]);
                break;
            case 1: // at corner B, along the bisector
                q = decale(B, unitaire(decale(dehors, unitaire(vectoriel(moins(C, B), N)))),
                           kEcarts[ecart(alea)]);
                break;
            default: // inside
                q = decale(decale(A, moins(B, A), u01(alea) / 2), moins(C, A), u01(alea) / 2);
                break;
            }
            points.push_back(q);
        }
        std::shuffle(points.begin(), points.end(), alea);
        for (auto& q : points)
            q = versDouble(versEntier(decale(q, N, horsPlan(alea))));
        SCOPED_TRACE(::testing::Message() << "trial " << essai << ", " << points.size() << " points");

        // The exact hull of the points seen along z, its area brought back
        // into the plane (whose normal makes cos = 1 / sqrt 3 with z).
        std::vector<std::array<Entier, 2>> plat;
        for (const auto& q : points) {
            const PointEntier e = versEntier(q);
            plat.push_back({e.x, e.y});
        }
        const double aireExacte =
            double((long double)doubleAire2D(plat) / 2 * kUnite * kUnite) * std::sqrt(3.0);

        EnveloppeCalculee r = calculeEnveloppe(points, false, true);
        ASSERT_EQ(r.nonDefini, 0) << r.raison;
        const TPolyedre& p = *r.p;
        const TFace& F = p.faces[1];
        EXPECT_EQ(p.nombreAretes, F.nombreSommets);
        verifieFacesConvexes(p, 1);
        double aire = 0, perimetre = 0;
        for (int k = 2; k < F.nombreSommets; ++k) {
            const Tvecteur3 u = moins(p.sommets[F.cycle[k]], p.sommets[F.cycle[1]]);
            const Tvecteur3 w = moins(p.sommets[F.cycle[k + 1]], p.sommets[F.cycle[1]]);
            aire += scalaire(vectoriel(u, w), {F.plan.a, F.plan.b, F.plan.c}) / 2;
        }
        for (int k = 1; k <= F.nombreSommets; ++k) {
            const Tvecteur3 c = moins(p.sommets[F.cycle[k + 1]], p.sommets[F.cycle[k]]);
            perimetre += std::hypot(c.x, c.y, c.z);
        }
        EXPECT_NEAR(aire, aireExacte, kEps * perimetre);
        verifiePolygoneContient(p, points, kEps);
        // Given by vertices: the same polygon, or refused for a point inside
        // (a polygon drops the points on its sides on both roads).
        EnveloppeCalculee u = calculeEnveloppe(points, true, true);
        if (u.nonDefini == 0) {
            memesEnveloppes(p, *u.p, 1);
        } else {
            ++retraits;
            EXPECT_EQ(u.raison, kRaisonInterieurPolygone);
            EXPECT_LT(p.nombreSommets, int(points.size()));
        }
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_GE(retraits, 40);
    EXPECT_LE(retraits, 360);
}

} // namespace
