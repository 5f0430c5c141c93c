#pragma once
// Helpers of the solid tests: a figure built by hand, vertex lists of known
// solids and the invariants every convex hull must satisfy.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/erreur.h"
#include "figure_essai.h"
#include "model/constructions_codes.h"
#include "model/figure.h"
#include "model/solides/constructions_polyedres.h"
#include "model/solides/enveloppes.h"
#include "model/solides/polyedres.h"

namespace km32::essais {

// A figure whose user objects are added one by one from object 14.
struct FigureSolides {
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;

    int ajoute(uint8_t nature, uint8_t code, const std::string& nom,
               std::initializer_list<double> valeurs = {}, std::initializer_list<int> parents = {}) {
        return ajoute(nature, code, nom, std::vector<double>(valeurs), std::vector<int>(parents));
    }
    int ajoute(uint8_t nature, uint8_t code, const std::string& nom, const std::vector<double>& valeurs,
               const std::vector<int>& parents) {
        const int n = essais::ajouteObjetNomme(f, nature, code, nom, std::span<const double>(valeurs),
                                               std::span<const int>(parents));
        TObjetFigure& o = f.objets[n];
        const uint8_t slot = ajouteDonneesPolyedre(f, nature);
        o.emplacementSolide = slot;
        return n;
    }
    int point(const std::string& nom, double x, double y, double z) {
        return ajoute(kNaturePoint, 1, nom, {x, y, z});
    }
    TPolyedre& polyedre(int objet) { return polyedreDe(donneesPolyedreObjet(f, objet)); }
    // The unit cube ABCDEFGH given by its vertices (code 181), computed.
    int cubeUnite();
};

inline std::vector<Tvecteur3> cube(double a = 1) {
    std::vector<Tvecteur3> v;
    for (int k = 0; k < 8; ++k)
        v.push_back({a * (k & 1), a * ((k >> 1) & 1), a * ((k >> 2) & 1)});
    return v;
}

inline int FigureSolides::cubeUnite() {
    std::vector<int> s;
    const char* noms[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    const auto v = cube(1);
    for (int k = 0; k < 8; ++k)
        s.push_back(point(noms[k], v[k].x, v[k].y, v[k].z));
    const int q =
        ajoute(kNaturePolyedreConvexe, construction::kPolyedreConvexe, "Q", std::vector<double>{}, s);
    calculeDonneesPolyedre(f, q);
    return q;
}

inline void remplit(TPolyedre& p, const std::vector<Tvecteur3>& sommets) {
    p.nombreSommets = uint8_t(sommets.size());
    for (std::size_t k = 0; k < sommets.size(); ++k)
        p.sommets[k + 1] = sommets[k];
    Tvecteur3 g;
    for (const auto& s : sommets) {
        g.x += s.x / sommets.size();
        g.y += s.y / sommets.size();
        g.z += s.z / sommets.size();
    }
    p.centreGravite = g;
}

inline double valeurPlan(const TPlanOriente& q, const Tvecteur3& v) {
    return q.a * v.x + q.b * v.y + q.c * v.z + q.d;
}

// Newell's normal of a face's cycle: the face's normal, twice its area long.
inline Tvecteur3 normaleNewell(const TPolyedre& p, const TFace& F) {
    Tvecteur3 n{};
    for (int k = 1; k <= F.nombreSommets; ++k) {
        const Tvecteur3& A = p.sommets[F.cycle[k]];
        const Tvecteur3& B = p.sommets[F.cycle[k + 1]];
        n.x += (A.y - B.y) * (A.z + B.z);
        n.y += (A.z - B.z) * (A.x + B.x);
        n.z += (A.x - B.x) * (A.y + B.y);
    }
    return n;
}

// The volume enclosed by the faces, each cut into a fan of triangles
// (divergence theorem).
inline double volumeDesFaces(const TPolyedre& p) {
    double v = 0;
    for (int f = 1; f <= p.nombreFaces; ++f) {
        const TFace& F = p.faces[f];
        const Tvecteur3& a = p.sommets[F.cycle[1]];
        for (int k = 2; k < F.nombreSommets; ++k) {
            const Tvecteur3& b = p.sommets[F.cycle[k]];
            const Tvecteur3& d = p.sommets[F.cycle[k + 1]];
            v += (a.x * (b.y * d.z - b.z * d.y) + a.y * (b.z * d.x - b.x * d.z) +
                  a.z * (b.x * d.y - b.y * d.x)) /
                 6;
        }
    }
    return v;
}

// Every point on a polygon record's plane (face 1) and inside each of its
// sides (face 2 + e for side e), within tol.
inline void verifiePolygoneContient(const TPolyedre& p, const std::vector<Tvecteur3>& points, double tol) {
    const TFace& F = p.faces[1];
    for (const Tvecteur3& q : points) {
        EXPECT_NEAR(valeurPlan(F.plan, q), 0, tol);
        for (int e = 1; e <= F.nombreSommets; ++e)
            EXPECT_LE(valeurPlan(p.faces[2 + e].plan, q), tol) << "side " << e;
    }
}

// A hull computed from a list of points, as a user's vertex list or not, in
// space or in a plane. An internal error is what the caller would turn into
// "Un calcul est impossible.": reported here as a failure, and the object
// left undefined with reason 0.
struct EnveloppeCalculee {
    std::unique_ptr<TPolyedre> p = std::make_unique<TPolyedre>();
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
};
inline EnveloppeCalculee calculeEnveloppe(const std::vector<Tvecteur3>& points, bool donneParSommets,
                                          bool polygone) {
    EnveloppeCalculee r;
    remplit(*r.p, points);
    r.p->donneParSommets = donneParSommets ? 1 : 0;
    r.p->polygone = polygone ? 1 : 0;
    try {
        if (polygone)
            enveloppeConvexePlane(*r.p, r.nonDefini, r.raison);
        else
            enveloppeConvexe3D(*r.p, r.nonDefini, r.raison);
    } catch (const ErreurInterne& e) {
        ADD_FAILURE() << e.what();
        r.nonDefini = 1;
    }
    return r;
}

// Euler's formula, every edge once with two distinct faces that hold it as a
// side, every face's corners on its plane and turning counter-clockwise round
// its unit outward normal, every given point inside or on the hull.
inline void verifieEnveloppe(const TPolyedre& p, const std::vector<Tvecteur3>& points) {
    const int V = p.nombreSommets, E = p.nombreAretes, F = p.nombreFaces;
    EXPECT_EQ(V - E + F, 2);
    for (int e = 1; e <= E; ++e) {
        const TArete& a = p.aretes[e];
        EXPECT_GT(a.premierSommet, a.secondSommet) << "edge " << e;
        EXPECT_NE(a.premiereFace, a.secondeFace) << "edge " << e;
        for (int e2 = e + 1; e2 <= E; ++e2)
            EXPECT_FALSE(p.aretes[e2].premierSommet == a.premierSommet &&
                         p.aretes[e2].secondSommet == a.secondSommet)
                << "edge " << e << " repeated as " << e2;
        for (int f : {a.premiereFace, a.secondeFace}) {
            const TFace& fa = p.faces[f];
            bool cote = false;
            for (int k = 1; k <= fa.nombreSommets; ++k) {
                const int s1 = fa.cycle[k], s2 = fa.cycle[k + 1];
                cote |= (std::max(s1, s2) == a.premierSommet && std::min(s1, s2) == a.secondSommet);
            }
            EXPECT_TRUE(cote) << "edge " << e << " is no side of face " << f;
        }
    }
    int cotes = 0;
    for (int f = 1; f <= F; ++f) {
        const TFace& fa = p.faces[f];
        cotes += fa.nombreSommets;
        EXPECT_GE(fa.nombreSommets, 3);
        EXPECT_EQ(fa.cycle[fa.nombreSommets + 1], fa.cycle[1]);
        EXPECT_NEAR(std::hypot(fa.plan.a, fa.plan.b, fa.plan.c), 1, 1e-9);
        for (int k = 1; k <= fa.nombreSommets; ++k)
            EXPECT_NEAR(valeurPlan(fa.plan, p.sommets[fa.cycle[k]]), 0, 1e-6);
        // Newell's normal of the cycle points the way of the face normal.
        const Tvecteur3 n = normaleNewell(p, fa);
        EXPECT_GT(n.x * fa.plan.a + n.y * fa.plan.b + n.z * fa.plan.c, 0) << "face " << f;
        // Outward: the centre of gravity of the vertices lies behind.
        Tvecteur3 g{};
        for (int v = 1; v <= V; ++v) {
            g.x += p.sommets[v].x / V;
            g.y += p.sommets[v].y / V;
            g.z += p.sommets[v].z / V;
        }
        EXPECT_LT(valeurPlan(fa.plan, g), 0) << "face " << f;
        for (const auto& q : points)
            EXPECT_LE(valeurPlan(fa.plan, q), 1e-6) << "face " << f;
    }
    EXPECT_EQ(cotes, 2 * E);
}

} // namespace km32::essais
