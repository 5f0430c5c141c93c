#pragma once
// Helpers of the solid tests: a figure built by hand, vertex lists of known
// solids and the invariants every convex hull must satisfy.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

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
        Tvecteur3 n{};
        for (int k = 1; k <= fa.nombreSommets; ++k) {
            const Tvecteur3& A = p.sommets[fa.cycle[k]];
            const Tvecteur3& B = p.sommets[fa.cycle[k + 1]];
            EXPECT_NEAR(valeurPlan(fa.plan, A), 0, 1e-6);
            n.x += (A.y - B.y) * (A.z + B.z);
            n.y += (A.z - B.z) * (A.x + B.x);
            n.z += (A.x - B.x) * (A.y + B.y);
        }
        // Newell's normal of the cycle points the way of the face normal.
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
