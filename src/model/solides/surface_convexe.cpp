#include "model/solides/surface_convexe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "base/erreur.h"
#include "model/solides/orientation_exacte.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

struct Triangle {
    std::array<int, 3> s; // counter-clockwise seen from outside
    bool vivant = true;
};

// The triangles of one hull being built, and for each directed edge u -> v
// the triangle that holds it (-1 for none).
struct Triangulation {
    const TPolyedre& p;
    std::vector<Triangle> triangles;
    std::vector<int> parArete; // (u, v) at u * taille + v
    int taille;

    explicit Triangulation(const TPolyedre& poly) : p(poly), taille(poly.nombreSommets + 1) {
        parArete.assign(std::size_t(taille * taille), -1);
    }
    int& triangleDe(int u, int v) { return parArete[std::size_t(u * taille + v)]; }
    const Tvecteur3& V(int k) const { return sommet(p, k); }

    // Whether q lies strictly on the outer side of triangle t.
    bool voit(int t, int q) const {
        const auto& s = triangles[std::size_t(t)].s;
        return orientationExacte(V(s[0]), V(s[1]), V(s[2]), V(q)) > 0;
    }
    void ajoute(int a, int b, int c) {
        const int t = int(triangles.size());
        triangles.push_back({{a, b, c}});
        triangleDe(a, b) = t;
        triangleDe(b, c) = t;
        triangleDe(c, a) = t;
    }
    void retire(int t) {
        Triangle& T = triangles[std::size_t(t)];
        T.vivant = false;
        for (int k = 0; k < 3; ++k)
            if (triangleDe(T.s[k], T.s[(k + 1) % 3]) == t) triangleDe(T.s[k], T.s[(k + 1) % 3]) = -1;
    }

    // The tetrahedron a, b, c, d, each face turned so that the fourth point
    // lies behind it.
    void tetraedre(int a, int b, int c, int d) {
        const std::array<std::array<int, 4>, 4> faces = {
            {{a, b, c, d}, {a, d, b, c}, {b, d, c, a}, {c, d, a, b}}};
        for (const auto& f : faces) {
            const int o = orientationExacte(V(f[0]), V(f[1]), V(f[2]), V(f[3]));
            if (o == 0) throw ErreurInterne("hull: first tetrahedron is flat");
            if (o > 0)
                ajoute(f[0], f[2], f[1]);
            else
                ajoute(f[0], f[1], f[2]);
        }
    }

    // Adds q: the triangles it sees go, and each edge of their border gets
    // a triangle to q. A point that sees no triangle lies inside or on the
    // surface and is left out.
    void ajoutePoint(int q) {
        std::vector<int> vus;
        for (int t = 0; t < int(triangles.size()); ++t)
            if (triangles[std::size_t(t)].vivant && voit(t, q)) vus.push_back(t);
        if (vus.empty()) return;
        std::vector<char> estVu(triangles.size(), 0);
        for (int t : vus)
            estVu[std::size_t(t)] = 1;
        std::vector<std::array<int, 2>> horizon;
        for (int t : vus) {
            const auto& s = triangles[std::size_t(t)].s;
            for (int k = 0; k < 3; ++k) {
                const int u = s[k], v = s[(k + 1) % 3];
                const int voisin = triangleDe(v, u);
                if (voisin < 0) throw ErreurInterne("hull: open triangulated surface");
                if (!estVu[std::size_t(voisin)]) horizon.push_back({u, v});
            }
        }
        for (int t : vus)
            retire(t);
        for (const auto& h : horizon)
            ajoute(h[0], h[1], q);
    }
};

Tvecteur3 normaleDe(const TPolyedre& p, const std::array<int, 3>& s) {
    return vectoriel(moins(sommet(p, s[1]), sommet(p, s[0])), moins(sommet(p, s[2]), sommet(p, s[0])));
}

// The border of a set of triangles, as one cycle, or empty when it is not
// one simple cycle.
std::vector<int> bordDe(const Triangulation& T, const std::vector<int>& region,
                        const std::vector<int>& faceDe, int f) {
    std::vector<int> suivant(std::size_t(T.taille), 0);
    int depart = 0, nombre = 0;
    for (int t : region) {
        const auto& s = T.triangles[std::size_t(t)].s;
        for (int k = 0; k < 3; ++k) {
            const int u = s[k], v = s[(k + 1) % 3];
            const int autre = T.parArete[std::size_t(v * T.taille + u)];
            if (autre >= 0 && faceDe[std::size_t(autre)] == f) continue;
            if (suivant[std::size_t(u)] != 0) return {}; // the border passes twice through u
            suivant[std::size_t(u)] = v;
            depart = u;
            ++nombre;
        }
    }
    std::vector<int> bord;
    int u = depart;
    do {
        bord.push_back(u);
        u = suivant[std::size_t(u)];
    } while (u != depart && u != 0 && int(bord.size()) <= nombre);
    if (u != depart || int(bord.size()) != nombre) return {};
    return bord;
}

} // namespace

SurfaceConvexe surfaceConvexe(const TPolyedre& p, const TEnsembleSommets& pris, int a, int b, int c, int d,
                              double eps) {
    Triangulation T(p);
    T.tetraedre(a, b, c, d);
    for (int q = 1; q <= p.nombreSommets; ++q)
        if (pris.test(std::size_t(q)) && q != a && q != b && q != c && q != d) T.ajoutePoint(q);

    std::vector<int> vivants;
    SurfaceConvexe r;
    for (int t = 0; t < int(T.triangles.size()); ++t) {
        if (!T.triangles[std::size_t(t)].vivant) continue;
        vivants.push_back(t);
        for (int s : T.triangles[std::size_t(t)].s)
            r.sommetsDeSurface.set(std::size_t(s));
    }
    // Largest triangles first: their planes are the best known.
    std::vector<double> aire(T.triangles.size(), 0);
    for (int t : vivants) {
        const Tvecteur3 n = normaleDe(p, T.triangles[std::size_t(t)].s);
        aire[std::size_t(t)] = norme3(n.x, n.y, n.z);
    }
    std::stable_sort(vivants.begin(), vivants.end(),
                     [&](int x, int y) { return aire[std::size_t(x)] > aire[std::size_t(y)]; });

    std::vector<int> faceDe(T.triangles.size(), -1);
    auto planDuTriangle = [&](int t) {
        const auto& s = T.triangles[std::size_t(t)].s;
        const Tvecteur3 n = normaleDe(p, s);
        const double l = norme3(n.x, n.y, n.z);
        const Tvecteur3 u{n.x / l, n.y / l, n.z / l};
        return TPlanOriente{u.x, u.y, u.z, -scalaire(u, sommet(p, s[0]))};
    };
    auto surLePlan = [&](const TPlanOriente& q) {
        TEnsembleSommets s;
        for (int v = 1; v <= p.nombreSommets; ++v) {
            if (!pris.test(std::size_t(v))) continue;
            const Tvecteur3& P = sommet(p, v);
            if (std::fabs(q.a * P.x + q.b * P.y + q.c * P.z + q.d) <= eps) s.set(std::size_t(v));
        }
        return s;
    };
    for (int graine : vivants) {
        if (faceDe[std::size_t(graine)] >= 0) continue;
        const int f = int(r.faces.size());
        FaceSurface F;
        F.plan = planDuTriangle(graine);
        F.surPlan = surLePlan(F.plan);
        // Neighbouring triangles whose corners are all on the plane.
        std::vector<int> region{graine};
        faceDe[std::size_t(graine)] = f;
        for (std::size_t i = 0; i < region.size(); ++i) {
            const auto& s = T.triangles[std::size_t(region[i])].s;
            for (int k = 0; k < 3; ++k) {
                const int voisin = T.triangleDe(s[(k + 1) % 3], s[k]);
                if (voisin < 0 || faceDe[std::size_t(voisin)] >= 0) continue;
                const auto& w = T.triangles[std::size_t(voisin)].s;
                if (!F.surPlan.test(std::size_t(w[0])) || !F.surPlan.test(std::size_t(w[1])) ||
                    !F.surPlan.test(std::size_t(w[2])))
                    continue;
                faceDe[std::size_t(voisin)] = f;
                region.push_back(voisin);
            }
        }
        F.bord = bordDe(T, region, faceDe, f);
        if (!F.bord.empty()) {
            r.faces.push_back(std::move(F));
            continue;
        }
        // Not one simple cycle: each triangle is a face of its own.
        for (std::size_t i = 0; i < region.size(); ++i) {
            const int t = region[i];
            FaceSurface G;
            G.plan = planDuTriangle(t);
            G.surPlan = surLePlan(G.plan);
            const auto& s = T.triangles[std::size_t(t)].s;
            G.bord = {s[0], s[1], s[2]};
            faceDe[std::size_t(t)] = int(r.faces.size());
            r.faces.push_back(std::move(G));
        }
    }
    return r;
}

} // namespace km32
