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

double valeurPlan(const TPlanOriente& q, const Tvecteur3& v) {
    return q.a * v.x + q.b * v.y + q.c * v.z + q.d;
}

TPlanOriente planDuTriangle(const TPolyedre& p, const std::array<int, 3>& s) {
    const Tvecteur3 n = normaleDe(p, s);
    const double l = norme3(n.x, n.y, n.z);
    const Tvecteur3 u{n.x / l, n.y / l, n.z / l};
    return TPlanOriente{u.x, u.y, u.z, -scalaire(u, sommet(p, s[0]))};
}

// The plane of a face made of triangles, and whether they may make one face.
// The normal is Newell's normal of the border (the border's corners, not
// the inner points, decide the plane: an inner point within eps of it is
// then dropped without tilting it), and the plane lies halfway between the
// border vertices farthest on either side. The triangles make one face when
// every vertex of theirs is within eps of that plane, no point of the record
// (duplicates too) lies more than eps above it, and no vertex of the border lies more than
// eps inside the segment joining its two neighbours (the face stays convex
// within eps: a notch in the border means the triangles around it are
// tilted, and merging across it would bend the face inwards).
// The last test is made only when convexe is set. Answers 0 when they may,
// the first border vertex that bends inwards when only that is wrong, -1
// otherwise.
int planDeFace(const TPolyedre& p, const std::vector<int>& bord, const std::vector<int>& sommets, double eps,
               bool convexe, TPlanOriente& plan) {
    const int tour = int(bord.size());
    if (tour < 3) return -1;
    // Newell's normal, from the border's first vertex to keep the sums small.
    const Tvecteur3& O = sommet(p, bord[0]);
    Tvecteur3 n{};
    for (int k = 0; k < tour; ++k) {
        const Tvecteur3 A = moins(sommet(p, bord[std::size_t(k)]), O);
        const Tvecteur3 B = moins(sommet(p, bord[std::size_t((k + 1) % tour)]), O);
        n.x += (A.y - B.y) * (A.z + B.z);
        n.y += (A.z - B.z) * (A.x + B.x);
        n.z += (A.x - B.x) * (A.y + B.y);
    }
    const double l = norme3(n.x, n.y, n.z);
    if (!(l > 0)) return -1;
    n = {n.x / l, n.y / l, n.z / l};
    double bas = scalaire(n, O), haut = bas;
    for (int v : bord) {
        const double h = scalaire(n, sommet(p, v));
        bas = std::min(bas, h);
        haut = std::max(haut, h);
    }
    plan = {n.x, n.y, n.z, -(bas + haut) / 2};
    for (int v : sommets)
        if (!surPlanEnveloppe(plan, sommet(p, v), eps)) return -1;
    for (int v = 1; v <= p.nombreSommets; ++v)
        if (valeurPlan(plan, sommet(p, v)) > eps) return -1;
    // Each border vertex against the chord of its neighbours, and of the
    // vertices two steps away (a neighbour on a side may be dropped later,
    // and the vertex then stands between the next ones).
    for (int pas = 1; pas <= 2 && convexe; ++pas) {
        if (pas == 2 && tour < 5) break;
        for (int k = 0; k < tour; ++k) {
            const Tvecteur3& U = sommet(p, bord[std::size_t((k + tour - pas) % tour)]);
            const Tvecteur3& X = sommet(p, bord[std::size_t(k)]);
            const Tvecteur3& W = sommet(p, bord[std::size_t((k + pas) % tour)]);
            const Tvecteur3 corde = moins(W, U);
            // Positive when X lies on the inner side of the chord U -> W
            // (the border turns counter-clockwise round n).
            const double rentrant = scalaire(n, vectoriel(corde, moins(X, U)));
            if (rentrant > eps * norme3(corde.x, corde.y, corde.z)) return bord[std::size_t(k)];
        }
    }
    return 0;
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
    auto surLePlan = [&](const TPlanOriente& q) {
        TEnsembleSommets s;
        for (int v = 1; v <= p.nombreSommets; ++v)
            if (pris.test(std::size_t(v)) && surPlanEnveloppe(q, sommet(p, v), eps)) s.set(std::size_t(v));
        return s;
    };
    // Grows face f from its seed, one neighbouring triangle at a time, each
    // kept only when the grown face is still a face (see planDeFace): the
    // plane is fitted again after each triangle, and the triangles refused
    // are tried again until none joins. With convexeAChaquePas the border
    // must stay convex at every step; without it only the finished face
    // must be (the border of a face half grown may bend round a corner of
    // the lattice of its points), and the face is undone when it is not.
    struct Face {
        std::vector<int> region, bord, sommets;
        TPlanOriente plan;
    };
    auto grandit = [&](int graine, int f, bool convexeAChaquePas, Face& F) {
        F.region = {graine};
        faceDe[std::size_t(graine)] = f;
        const auto& s0 = T.triangles[std::size_t(graine)].s;
        F.bord.assign(s0.begin(), s0.end());
        F.sommets = F.bord;
        F.plan = planDuTriangle(p, s0);
        for (bool ajoute = true; ajoute;) {
            ajoute = false;
            for (std::size_t i = 0; i < F.region.size(); ++i) {
                for (int k = 0; k < 3; ++k) {
                    const auto& s = T.triangles[std::size_t(F.region[i])].s;
                    const int voisin = T.triangleDe(s[(k + 1) % 3], s[k]);
                    if (voisin < 0 || faceDe[std::size_t(voisin)] >= 0) continue;
                    // Cheap refusal first: a corner far from the current plane.
                    bool proche = true;
                    for (int x : T.triangles[std::size_t(voisin)].s)
                        proche = proche && std::fabs(valeurPlan(F.plan, sommet(p, x))) <= 4 * eps;
                    if (!proche) continue;
                    // A border that bends inwards at a vertex may close up
                    // when every free triangle round that vertex joins too
                    // (the fan round a point inside the face): tried once.
                    std::vector<int> ajout{voisin};
                    TPlanOriente planEssai;
                    std::vector<int> bordEssai, sommetsEssai;
                    for (int essai = 0; essai < 2; ++essai) {
                        for (int t : ajout)
                            faceDe[std::size_t(t)] = f;
                        const std::size_t avant = F.region.size();
                        F.region.insert(F.region.end(), ajout.begin(), ajout.end());
                        bordEssai = bordDe(T, F.region, faceDe, f);
                        sommetsEssai = F.sommets;
                        for (int t : ajout)
                            for (int x : T.triangles[std::size_t(t)].s)
                                if (std::find(sommetsEssai.begin(), sommetsEssai.end(), x) ==
                                    sommetsEssai.end())
                                    sommetsEssai.push_back(x);
                        const int reponse = bordEssai.empty() ? -1
                                                              : planDeFace(p, bordEssai, sommetsEssai, eps,
                                                                           convexeAChaquePas, planEssai);
                        if (reponse == 0) break;
                        for (int t : ajout)
                            faceDe[std::size_t(t)] = -1;
                        F.region.resize(avant);
                        bordEssai.clear();
                        if (reponse < 0 || essai == 1) break;
                        for (int t : vivants) {
                            const auto& u = T.triangles[std::size_t(t)].s;
                            if (t != voisin && faceDe[std::size_t(t)] < 0 &&
                                std::find(u.begin(), u.end(), reponse) != u.end())
                                ajout.push_back(t);
                        }
                        if (ajout.size() == 1) break;
                    }
                    if (bordEssai.empty()) continue;
                    F.bord = std::move(bordEssai);
                    F.sommets = std::move(sommetsEssai);
                    F.plan = planEssai;
                    ajoute = true;
                }
            }
        }
        if (convexeAChaquePas || F.region.size() == 1) return true;
        TPlanOriente plan;
        if (planDeFace(p, F.bord, F.sommets, eps, true, plan) == 0) return true;
        for (int t : F.region)
            faceDe[std::size_t(t)] = -1;
        return false;
    };
    for (int graine : vivants) {
        if (faceDe[std::size_t(graine)] >= 0) continue;
        const int f = int(r.faces.size());
        Face G;
        if (!grandit(graine, f, false, G)) grandit(graine, f, true, G);
        FaceSurface F;
        F.plan = G.plan;
        F.surPlan = surLePlan(G.plan);
        F.bord = std::move(G.bord);
        r.faces.push_back(std::move(F));
    }
    return r;
}

} // namespace km32
