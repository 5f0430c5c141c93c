#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "../engine/banc_calcul.h"
#include "model/constructions_codes.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/patron.h"
#include "model/solides/polyedres.h"
#include "model/solides/vue_solides.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

// The cross product written out, independent of the library's.
Tvecteur3 vectorielEssai(const Tvecteur3& a, const Tvecteur3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double scal(const Tvecteur3& a, const Tvecteur3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
double distance(const Tvecteur3& a, const Tvecteur3& b) {
    const Tvecteur3 d = moins(a, b);
    return std::sqrt(scal(d, d));
}
Tvecteur3 normale(const TFace& F) {
    return {F.plan.a, F.plan.b, F.plan.c};
}
Tvecteur3 centre(const TPolyedre& p, int g) {
    const TFace& F = p.faces[g];
    Tvecteur3 m;
    for (int j = 1; j <= F.nombreSommets; ++j) {
        const Tvecteur3& s = p.sommets[F.cycle[j]];
        m = {m.x + s.x / F.nombreSommets, m.y + s.y / F.nombreSommets, m.z + s.z / F.nombreSommets};
    }
    return m;
}

struct Solide {
    const char* nom;
    std::vector<Tvecteur3> sommets;
    int faces, aretes;
    std::vector<double> airesFaces; // sorted
};

const Solide kCube = {
    "cube",
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}, {1, 1, 1}},
    6,
    12,
    {1, 1, 1, 1, 1, 1}};
const Solide kTetraedre = {
    "tetraedre", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 4, 6, {0.5, 0.5, 0.5, std::sqrt(3.0) / 2}};

// Nets computed by the engine, from a polyhedron given by its vertices.
class Patron : public BancCalcul {
  protected:
    int solide(uint8_t code, std::initializer_list<int> parents, std::initializer_list<double> valeurs = {}) {
        const int n = ajoute(code, parents, valeurs);
        TObjetFigure& o = f.objets[std::size_t(n)];
        o.emplacementSolide = ajouteDonneesPolyedre(f, o.nature);
        return n;
    }
    int polyedre(const Solide& s) {
        std::vector<int> points;
        for (const auto& v : s.sommets)
            points.push_back(point(v.x, v.y, v.z));
        const int q = solide(c::kPolyedreConvexe, {});
        TObjetFigure& o = f.objets[std::size_t(q)];
        o.nombreParents = uint8_t(points.size());
        for (int p : points)
            f.parents[std::size_t(++f.parentsUtilises)] = uint8_t(p);
        calculeObjet(f, q);
        return q;
    }
    int patron(int q, double t) {
        const int n = solide(c::kPatron, {q}, {t});
        calculeObjet(f, n);
        return n;
    }
    const TPolyedre& geometrie(int n) { return patronDe(donneesPolyedreObjet(f, n)).geometrie; }
    const TPolyedre& record(int q) { return polyedreDe(donneesPolyedreObjet(f, q)); }
};

// The unfolding is rigid face by face, each face hangs on its origin face by
// their common side, and the angle between their normals closes from the
// polyhedron's exterior angle at t = 0 to nothing at t = 1.
TEST_F(Patron, OuvertureRigideAutourDesCharnieres) {
    for (const Solide* s : {&kCube, &kTetraedre}) {
        const int q = polyedre(*s);
        ASSERT_TRUE(defini(q)) << s->nom;
        const TPolyedre& P = record(q);
        ASSERT_EQ(P.nombreFaces, s->faces);
        for (double t : {0.0, 0.3, 0.5, 1.0}) {
            SCOPED_TRACE(std::string(s->nom) + " t=" + std::to_string(t));
            const int n = patron(q, t);
            ASSERT_TRUE(defini(n));
            const TPolyedre& N = geometrie(n);
            ASSERT_EQ(N.nombreFaces, s->faces);
            EXPECT_EQ(N.nombreSommets, 2 * s->aretes); // every face's own corners
            // Closed: the polyhedron's edges; open: the hinges once, the cuts twice.
            EXPECT_EQ(N.nombreAretes, t == 0 ? s->aretes : 2 * s->aretes - (s->faces - 1));

            std::vector<double> aires;
            for (int g = 1; g <= N.nombreFaces; ++g) {
                const TFace &G = P.faces[g], &H = N.faces[g];
                ASSERT_EQ(H.nombreSommets, G.nombreSommets);
                aires.push_back(aireFace(N, g));
                for (int i = 1; i <= G.nombreSommets; ++i) {
                    EXPECT_NEAR(scal(normale(H), N.sommets[H.cycle[i]]) + H.plan.d, 0, 1e-9);
                    for (int j = i + 1; j <= G.nombreSommets; ++j)
                        EXPECT_NEAR(distance(N.sommets[H.cycle[i]], N.sommets[H.cycle[j]]),
                                    distance(P.sommets[G.cycle[i]], P.sommets[G.cycle[j]]), 1e-9);
                }
                if (g == 1) continue;
                const int o = G.faceOrigine, k = G.positionOrigine;
                ASSERT_GE(o, 1);
                ASSERT_LT(o, g);
                // The hinge: g's cycle starts with the origin's side k reversed.
                const TFace& O = N.faces[o];
                EXPECT_NEAR(distance(N.sommets[H.cycle[1]], N.sommets[O.cycle[k + 1]]), 0, 1e-9);
                EXPECT_NEAR(distance(N.sommets[H.cycle[2]], N.sommets[O.cycle[k]]), 0, 1e-9);
                const double avant = std::acos(scal(normale(G), normale(P.faces[o])));
                EXPECT_NEAR(std::acos(std::min(1.0, scal(normale(H), normale(O)))), (1 - t) * avant, 1e-7);
            }
            std::sort(aires.begin(), aires.end());
            for (std::size_t g = 0; g < aires.size(); ++g)
                EXPECT_NEAR(aires[g], s->airesFaces[g], 1e-9);
        }
    }
}

TEST_F(Patron, FermeEtPlat) {
    for (const Solide* s : {&kCube, &kTetraedre}) {
        SCOPED_TRACE(s->nom);
        const int q = polyedre(*s);
        const TPolyedre& P = record(q);

        // Closed: every copy sits on the vertex it was copied from, every edge
        // joins two different faces.
        const int n0 = patron(q, 0);
        const TPolyedre& N0 = geometrie(n0);
        EXPECT_EQ(patronDe(donneesPolyedreObjet(f, n0)).ferme, 1);
        for (int g = 1; g <= N0.nombreFaces; ++g)
            for (int j = 1; j <= N0.faces[g].nombreSommets; ++j)
                EXPECT_NEAR(distance(N0.sommets[N0.faces[g].cycle[j]], P.sommets[P.faces[g].cycle[j]]), 0,
                            1e-12);
        for (int e = 1; e <= N0.nombreAretes; ++e)
            EXPECT_NE(N0.aretes[e].premiereFace, N0.aretes[e].secondeFace);

        // Flat: one plane, every face turned the way of face 1, each face on
        // the far side of its hinge from its origin face (unfolded, not folded
        // back onto it).
        const int n1 = patron(q, 1);
        const TPolyedre& N1 = geometrie(n1);
        EXPECT_EQ(patronDe(donneesPolyedreObjet(f, n1)).plat, 1);
        const TFace& F1 = N1.faces[1];
        for (int v = 1; v <= N1.nombreSommets; ++v)
            EXPECT_NEAR(scal(normale(F1), N1.sommets[v]) + F1.plan.d, 0, 1e-9) << "vertex " << v;
        double total = 0;
        for (int g = 1; g <= N1.nombreFaces; ++g) {
            const TFace& H = N1.faces[g];
            total += aireFace(N1, g);
            EXPECT_NEAR(scal(normale(H), normale(F1)), 1, 1e-9);
            if (g == 1) continue;
            const Tvecteur3 &A = N1.sommets[H.cycle[1]], &B = N1.sommets[H.cycle[2]];
            const Tvecteur3 ab = moins(B, A);
            auto cote = [&](const Tvecteur3& m) { return scal(normale(F1), vectorielEssai(ab, moins(m, A))); };
            EXPECT_LT(cote(centre(N1, g)) * cote(centre(N1, H.faceOrigine)), 0) << "face " << g;
        }
        EXPECT_NEAR(total, aireSolide(f, q), 1e-9);
        EXPECT_NEAR(aireSolide(f, n1), aireSolide(f, q), 1e-12);
        EXPECT_EQ(volumeSolide(f, n1), 0);
    }
}

TEST_F(Patron, LesSixCarresDuCubeAPlatNeSeRecouvrentPas) {
    // The flat unit squares keep the grid of face 1: distinct centres mean
    // disjoint squares, so the net covers an area of 6.
    const int q = polyedre(kCube);
    const TPolyedre& N = geometrie(patron(q, 1));
    for (int g = 1; g <= 6; ++g)
        for (int h = g + 1; h <= 6; ++h)
            EXPECT_GT(distance(centre(N, g), centre(N, h)), 0.99) << g << " " << h;
}

TEST_F(Patron, CoefficientHorsDeZeroAUnEtParentIndefini) {
    const int q = polyedre(kCube);
    for (double t : {-0.01, 1.01}) {
        const int n = patron(q, t);
        EXPECT_EQ(raison(n), 468) << t;
        EXPECT_EQ(valeurObjet(f, n, 1), t); // the coefficient stays written
    }
    const int n = patron(q, 0.5);
    ASSERT_TRUE(defini(n));
    f.objets[std::size_t(f.parents[f.objets[std::size_t(q)].premierParent])].nonDefini = 1;
    calculeObjet(f, q);
    ASSERT_FALSE(defini(q));
    calculeObjet(f, n);
    EXPECT_EQ(raison(n), 437);
}

TEST_F(Patron, TropDeSommets) {
    // A prism of 30 sides has 60 vertices but 30 x 4 + 2 x 30 corners of faces.
    const int O = point(0, 0, 0), A = point(0, 0, 1), P = point(1, 0, 0);
    const int prisme = solide(c::kPrismeRegulier, {O, A, P}, {1, 30});
    calculeObjet(f, prisme);
    ASSERT_TRUE(defini(prisme));
    EXPECT_EQ(raison(patron(prisme, 0.5)), kRaisonSommetsPatron);
    // With 19 sides, 114 corners: the net computes.
    const int petit = solide(c::kPrismeRegulier, {O, A, P}, {1, 19});
    calculeObjet(f, petit);
    EXPECT_TRUE(defini(patron(petit, 0.5)));
}

TEST_F(Patron, VueDuPatronPlat) {
    // Seen from a direction off its plane, the flat net hides what lies
    // behind each of its faces, not what lies in front nor beside it.
    f.echelle = 100;
    f.anglesVue[0] = 0.3, f.anglesVue[1] = 0.4, f.anglesVue[2] = 0.5;
    const int q = polyedre(kCube);
    const int n = patron(q, 1);
    TDonneesPatron& pa = patronDe(donneesPolyedreObjet(f, n));
    prepareVuePatron(pa, f);
    const Tvecteur3 d = directionVisee(f);
    ASSERT_GT(std::fabs(scal(d, normale(pa.geometrie.faces[1]))), 0.1);
    auto cache = [&](const Tvecteur3& m, double recul) {
        return pointCachePatron(pa, std::round(100 * (m.x - recul * d.x)),
                                std::round(100 * (m.y - recul * d.y)), std::round(100 * (m.z - recul * d.z)));
    };
    for (int g = 1; g <= 6; ++g) {
        const Tvecteur3 m = centre(pa.geometrie, g);
        EXPECT_TRUE(cache(m, 2)) << "face " << g;
        EXPECT_FALSE(cache(m, -2)) << "face " << g;
    }
    EXPECT_FALSE(cache({20, 20, 20}, 2));
}

TEST_F(Patron, VueDuPatronFerme) {
    // Closed, the net hides what the cube hides: its inside and what lies
    // straight behind it, not what lies behind but beside it.
    f.echelle = 100;
    f.anglesVue[0] = 0.3, f.anglesVue[1] = 0.4, f.anglesVue[2] = 0.5;
    const int n = patron(polyedre(kCube), 0);
    TDonneesPatron& pa = patronDe(donneesPolyedreObjet(f, n));
    prepareVuePatron(pa, f);
    const Tvecteur3 d = directionVisee(f);
    Tvecteur3 e = vectorielEssai(d, {0, 0, 1});
    const double l = std::sqrt(scal(e, e));
    e = {e.x / l, e.y / l, e.z / l};
    struct Cas {
        double recul, cote;
        bool cache;
    } cas[] = {{0, 0, true}, {3, 0, true}, {-3, 0, false}, {3, 1.2, false}, {3, -1.2, false}};
    for (const auto& k : cas) {
        const Tvecteur3 m = {0.5 - k.recul * d.x + k.cote * e.x, 0.5 - k.recul * d.y + k.cote * e.y,
                             0.5 - k.recul * d.z + k.cote * e.z};
        EXPECT_EQ(pointCachePatron(pa, std::round(100 * m.x), std::round(100 * m.y), std::round(100 * m.z)),
                  k.cache)
            << k.recul << " " << k.cote;
    }
}

} // namespace
