// View of cylinders, cones and frustums: the planes that bound the region the
// solid hides (its contour seen along the view, the base planes, the plane of
// its two contour generators) and the point and segment tests built on them.
// All view quantities are in integer model units.
#include <algorithm>
#include <cmath>

#include "model/solides/vue_solides.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

double val(const TPlanVue& q, const Tvecteur3& X) {
    return scalaire(q.n, X) + q.c;
}
// The plane of normal n through the point M (model units), in view units.
TPlanVue planPar(const Tvecteur3& n, const Tvecteur3& M, double echelle) {
    return {n, -scalaire(n, M) * echelle};
}

// The plane through the apex containing the view direction and the
// generator G0 G1, turned so that the point inside lies on its negative side.
TPlanVue planGeneratrice(const Tvecteur3& d, const Tvecteur3& G0, const Tvecteur3& G1, const Tvecteur3& A,
                         const Tvecteur3& dedans, double echelle) {
    Tvecteur3 n = vectoriel(d, moins(G1, G0));
    if (!normaliseSiNonNul(n.x, n.y, n.z)) return {{0, 0, 0}, -2.0}; // no bound
    TPlanVue q = planPar(n, A, echelle);
    if (val(q, fois(echelle, dedans)) > 0) q = {fois(-1, n), -q.c};
    return q;
}

} // namespace

void prepareVueSolideRond(TDonneesSolideRond& r, const TfigureKalmetra& f) {
    TVueSolideRond& v = r.vue;
    const double s = f.echelle;
    const Tvecteur3 d = directionVisee(f);
    const Tvecteur3& a = r.a;
    v.Rp = r.R * s, v.rp = r.r * s;
    v.Rp2 = v.Rp * v.Rp, v.rp2 = v.rp * v.rp;
    v.Rm = v.Rp - 1, v.rm = v.rp - 1;
    v.Rm2 = v.Rm * v.Rm, v.rm2 = v.rm * v.rm;
    v.Hp = r.hauteur * s, v.h1p = r.h1 * s;
    v.Hm = v.Hp - 1, v.h1m = v.h1p - 1;

    double cosS = scalaire(a, d);
    v.traversVue = std::fabs(cosS) < 1e-6;
    if (v.traversVue) cosS = 0;
    v.versObservateur = cosS >= 0;
    v.aPrime = v.traversVue ? Tvecteur3{} : fois(1 / cosS, d);
    double c = std::fabs(cosS);
    v.axe = v.versObservateur ? a : fois(-1, a);
    v.selonVue = c > 0.999999;
    if (v.selonVue) c = 1;
    v.cosinus = c;
    v.sinus = std::sqrt(std::max(0.0, 1 - c * c));

    Tvecteur3 nE;
    if (v.selonVue) {
        vecteurOrthogonal(nE.x, nE.y, nE.z, a.x, a.y, a.z);
    } else {
        nE = vectoriel(d, a);
        normalise3(nE.x, nE.y, nE.z);
    }
    v.E = planPar(nE, r.base, s);
    Tvecteur3 nQ = v.selonVue ? vectoriel(nE, d) : moins(a, fois(cosS, d));
    normalise3(nQ.x, nQ.y, nQ.z);
    if (!v.selonVue && scalaire(nQ, moins(r.sommet, r.base)) > 0) nQ = fois(-1, nQ);
    v.Q = planPar(nQ, r.base, s);

    const bool coneOuTronc = !r.cylindre;
    if (!coneOuTronc || v.traversVue)
        v.sansContour = 0;
    else if (v.selonVue)
        v.sansContour = 1;
    else
        v.sansContour = std::fabs(v.sinus * r.h1 / c) < r.R + 1e-6;
    v.qHaut = r.R * c * s;
    v.qBas = v.sansContour ? -v.qHaut : (-r.hauteur * v.sinus - r.r * c) * s;

    // Contour tangent points on the two bases.
    Tvecteur3 T = r.base;
    double l = r.R;
    if (coneOuTronc && !v.traversVue && !v.sansContour) {
        // The shadow of the apex along the view on the base plane.
        const Tvecteur3 ombre = plus(r.sommet, fois(r.h1, v.aPrime));
        Tvecteur3 e = moins(ombre, r.base);
        const double m = norme3(e.x, e.y, e.z);
        normalise3(e.x, e.y, e.z);
        T = plus(r.base, fois(r.R2 / m, e));
        l = std::sqrt(std::max(0.0, r.R2 - (r.R2 / m) * (r.R2 / m)));
    }
    for (int k = 0; k < 2; ++k) {
        const Tvecteur3 G = plus(T, fois(k == 0 ? l : -l, nE));
        v.tangenteBase[k] = G;
        if (r.cylindre)
            v.tangentePetite[k] = plus(G, moins(r.autreCentre, r.base));
        else
            v.tangentePetite[k] = plus(r.sommet, fois(r.h2 / r.h1, moins(G, r.sommet)));
    }
    // Inside the solid: the middle of its axis.
    const Tvecteur3 milieu = fois(0.5, plus(r.base, r.autreCentre));
    v.F1 = planGeneratrice(d, v.tangentePetite[0], v.tangenteBase[0], r.sommet, milieu, s);
    v.F2 = planGeneratrice(d, v.tangentePetite[1], v.tangenteBase[1], r.sommet, milieu, s);
    v.S = {a, r.constanteBase * s};
    Tvecteur3 nW = vectoriel(a, nE);
    if (scalaire(nW, d) < 0) nW = fois(-1, nW);
    v.W = planPar(nW, r.base, s);
    v.baseVue = fois(s, r.base);
    v.autreCentreVue = fois(s, r.autreCentre);
    // The plane of the two contour generators; what lies behind it is hidden.
    Tvecteur3 nV = r.cylindre ? vectoriel(v.axe, nE) : vectoriel(nE, moins(r.sommet, T));
    if (!normaliseSiNonNul(nV.x, nV.y, nV.z)) nV = d;
    if (scalaire(nV, d) < 0) nV = fois(-1, nV);
    v.V = planPar(nV, r.sommet, s);
    v.seuil1 = val(v.Q, fois(s, v.tangenteBase[0]));
    v.seuil2 = val(v.Q, fois(s, v.tangentePetite[0]));
}

namespace {

// Which test decides a point once it lies in the slabs.
enum class Epreuve { aucune, rayon, rayonEtCone, cone, lateral, plan, disque1, disque2 };

struct Choix {
    Epreuve premiere = Epreuve::aucune;
    Epreuve seconde = Epreuve::aucune; // hidden when either holds
};

Choix choixEpreuve(const TDonneesSolideRond& r, double q, double sv) {
    const TVueSolideRond& v = r.vue;
    const bool vers = v.versObservateur;
    if (v.selonVue) {
        if (r.cylindre || vers || sv > -1) return {Epreuve::rayon, Epreuve::aucune};
        return {Epreuve::rayonEtCone, Epreuve::aucune};
    }
    if (v.traversVue) return {Epreuve::plan, Epreuve::lateral};
    if (v.sansContour) return {(vers || sv > -1) ? Epreuve::disque1 : Epreuve::cone, Epreuve::aucune};
    if (q <= v.seuil1) {
        if (r.cone || q >= v.seuil2) return {Epreuve::plan, Epreuve::lateral};
        return {(!vers || sv < -v.Hm) ? Epreuve::disque2 : Epreuve::lateral, Epreuve::aucune};
    }
    return {(vers || sv > -1) ? Epreuve::disque1 : Epreuve::lateral, Epreuve::aucune};
}

bool epreuvePoint(const TDonneesSolideRond& r, Epreuve ep, const Tvecteur3& X, double e, double sv) {
    const TVueSolideRond& v = r.vue;
    const double w = val(v.W, X);
    const double rho2 = e * e + w * w, rho = std::sqrt(rho2);
    const auto cone = [&] { return rho / v.Rm - sv / v.h1m < 0.9999; };
    switch (ep) {
    case Epreuve::rayon:
        return rho2 < v.Rm2;
    case Epreuve::rayonEtCone:
        return rho <= v.Rm && cone();
    case Epreuve::cone:
        return cone();
    case Epreuve::lateral:
        return r.cylindre ? rho / v.Rm < 0.9999 : cone();
    case Epreuve::plan:
        return val(v.V, X) < 0;
    case Epreuve::disque1: {
        const Tvecteur3 Y = moins(moins(X, fois(sv, v.aPrime)), v.baseVue);
        return scalaire(Y, Y) < v.Rm2;
    }
    case Epreuve::disque2: {
        if (v.rm <= 0) return false;
        const Tvecteur3 Y = moins(moins(X, fois(sv + v.Hp, v.aPrime)), v.autreCentreVue);
        return scalaire(Y, Y) < v.rm2;
    }
    default:
        return false;
    }
}

} // namespace

bool pointDansSolideRond(const TDonneesSolideRond& r, double x, double y, double z) {
    const TVueSolideRond& v = r.vue;
    const Tvecteur3 X = {x, y, z};
    const double e = std::fabs(val(v.E, X));
    if (e > v.Rm) return false;
    const double q = val(v.Q, X);
    if (q < v.qBas + 1 || q > v.qHaut - 1) return false;
    if (!r.cylindre && !v.sansContour && (val(v.F1, X) > -1 || val(v.F2, X) > -1)) return false;
    const double sv = val(v.S, X);
    if (v.versObservateur ? sv > -1 : sv < 1 - v.Hp) return false;
    const Choix c = choixEpreuve(r, q, sv);
    return epreuvePoint(r, c.premiere, X, e, sv) || epreuvePoint(r, c.seconde, X, e, sv);
}

namespace {

// A few disjoint parameter intervals.
struct Ensemble {
    int n = 0;
    double a[4] = {}, b[4] = {};
    void ajoute(double u, double v) {
        if (u < v && n < 4) a[n] = u, b[n] = v, ++n;
    }
};

// Where h + e t < 0 within [u, v].
Ensemble lineaireNegatif(double e, double h, double u, double v) {
    Ensemble r;
    if (e == 0) {
        if (h < 0) r.ajoute(u, v);
    } else if (e > 0) {
        r.ajoute(u, std::min(v, -h / e));
    } else {
        r.ajoute(std::max(u, -h / e), v);
    }
    return r;
}

// Where A t^2 + B t + C < 0 within [u, v].
Ensemble quadratiqueNegatif(double A, double B, double C, double u, double v) {
    if (std::fabs(A) <= 1e-12 * std::max({std::fabs(B), std::fabs(C), 1.0}))
        return lineaireNegatif(B, C, u, v);
    Ensemble r;
    const double disc = B * B - 4 * A * C;
    if (disc <= 0) {
        if (A < 0) r.ajoute(u, v);
        return r;
    }
    const double rac = std::sqrt(disc);
    double t1 = (-B - rac) / (2 * A), t2 = (-B + rac) / (2 * A);
    if (t1 > t2) std::swap(t1, t2);
    if (A > 0) {
        r.ajoute(std::max(u, t1), std::min(v, t2));
    } else {
        r.ajoute(u, std::min(v, t1));
        r.ajoute(std::max(u, t2), v);
    }
    return r;
}

Ensemble inter(const Ensemble& x, const Ensemble& y) {
    Ensemble r;
    for (int i = 0; i < x.n; ++i)
        for (int j = 0; j < y.n; ++j)
            r.ajoute(std::max(x.a[i], y.a[j]), std::min(x.b[i], y.b[j]));
    return r;
}

// A linear function of t: h + e t.
struct Lineaire {
    double h = 0, e = 0;
};
Lineaire lineaire(const TPlanVue& q, const Tvecteur3& P, const Tvecteur3& D) {
    return {val(q, P), scalaire(q.n, D)};
}
// |Y0 + t Y1|^2 - k as A t^2 + B t + C.
Ensemble normeInferieure(const Tvecteur3& Y0, const Tvecteur3& Y1, double k, double u, double v) {
    return quadratiqueNegatif(scalaire(Y1, Y1), 2 * scalaire(Y0, Y1), scalaire(Y0, Y0) - k, u, v);
}

Ensemble resoutEpreuve(const TDonneesSolideRond& r, Epreuve ep, const Tvecteur3& P, const Tvecteur3& D,
                       double u, double v) {
    const TVueSolideRond& vue = r.vue;
    const Lineaire e = lineaire(vue.E, P, D), w = lineaire(vue.W, P, D), s = lineaire(vue.S, P, D);
    // rho^2 - k^2 with k = k0 + k1 t.
    const auto rhoMoins = [&](double k0, double k1) {
        return quadratiqueNegatif(e.e * e.e + w.e * w.e - k1 * k1, 2 * (e.h * e.e + w.h * w.e - k0 * k1),
                                  e.h * e.h + w.h * w.h - k0 * k0, u, v);
    };
    // rho < Rm (0.9999 + s / h1m), with the bound positive.
    const auto cone = [&] {
        const double k0 = vue.Rm * (0.9999 + s.h / vue.h1m), k1 = vue.Rm * s.e / vue.h1m;
        return inter(lineaireNegatif(-k1, -k0, u, v), rhoMoins(k0, k1));
    };
    const Tvecteur3 pente = moins(D, fois(s.e, vue.aPrime));
    switch (ep) {
    case Epreuve::rayon:
        return rhoMoins(vue.Rm, 0);
    case Epreuve::rayonEtCone:
        return inter(rhoMoins(vue.Rm, 0), cone());
    case Epreuve::cone:
        return cone();
    case Epreuve::lateral:
        return r.cylindre ? rhoMoins(0.9999 * vue.Rm, 0) : cone();
    case Epreuve::plan: {
        const Lineaire V = lineaire(vue.V, P, D);
        return lineaireNegatif(V.e, V.h, u, v);
    }
    case Epreuve::disque1:
        return normeInferieure(moins(moins(P, fois(s.h, vue.aPrime)), vue.baseVue), pente, vue.Rm2, u, v);
    case Epreuve::disque2:
        if (vue.rm <= 0) return {};
        return normeInferieure(moins(moins(P, fois(s.h + vue.Hp, vue.aPrime)), vue.autreCentreVue), pente,
                               vue.rm2, u, v);
    default:
        return {};
    }
}

// Keeps the part of [a, b] where h + e t <= 0: the crossing narrows it when
// the function changes by two units or more over the segment, otherwise the
// test is taken at the start.
bool borne(double e, double h, double& a, double& b) {
    if (std::fabs(e) >= 2) {
        const double t = -h / e;
        if (e > 0)
            b = std::min(b, t);
        else
            a = std::max(a, t);
        return a <= b;
    }
    return h <= 0;
}

} // namespace

bool partiesCacheesSolideRond(const TDonneesSolideRond& r, const Tvecteur3& P, const Tvecteur3& D, double& a,
                              double& b) {
    const TVueSolideRond& v = r.vue;
    const Lineaire e = lineaire(v.E, P, D), q = lineaire(v.Q, P, D), s = lineaire(v.S, P, D);
    // The slabs, in the order of the point test.
    if (!borne(e.e, e.h - v.Rm, a, b) || !borne(-e.e, -e.h - v.Rm, a, b)) return false;
    if (!borne(-q.e, v.qBas + 1 - q.h, a, b) || !borne(q.e, q.h - (v.qHaut - 1), a, b)) return false;
    if (!r.cylindre && !v.sansContour) {
        const Lineaire f1 = lineaire(v.F1, P, D), f2 = lineaire(v.F2, P, D);
        if (!borne(f1.e, f1.h + 1, a, b) || !borne(f2.e, f2.h + 1, a, b)) return false;
    }
    if (v.versObservateur ? !borne(s.e, s.h + 1, a, b) : !borne(-s.e, 1 - v.Hp - s.h, a, b)) return false;

    // The tests change where q or s cross their thresholds: solve each
    // stretch with its own test and keep the hull of what is hidden.
    double coupures[6] = {a, b, 0, 0, 0, 0};
    int n = 2;
    const auto ajouteCoupure = [&](double h, double pente, double seuil) {
        if (pente == 0) return;
        const double t = (seuil - h) / pente;
        if (t > a && t < b) coupures[n++] = t;
    };
    ajouteCoupure(q.h, q.e, v.seuil1);
    ajouteCoupure(q.h, q.e, v.seuil2);
    ajouteCoupure(s.h, s.e, -1);
    ajouteCoupure(s.h, s.e, -v.Hm);
    // At most six cuts: an insertion sort (std::sort on this small array
    // trips a false bounds warning of the compiler at -O2).
    for (int i = 1; i < n; ++i)
        for (int k = i; k > 0 && coupures[k] < coupures[k - 1]; --k)
            std::swap(coupures[k], coupures[k - 1]);
    double bas = 2, haut = -1;
    for (int k = 0; k + 1 < n; ++k) {
        const double u = coupures[k], w = coupures[k + 1];
        if (!(u < w)) continue;
        const double m = (u + w) / 2;
        const Choix c = choixEpreuve(r, q.h + m * q.e, s.h + m * s.e);
        for (Epreuve ep : {c.premiere, c.seconde}) {
            const Ensemble ens = resoutEpreuve(r, ep, P, D, u, w);
            for (int j = 0; j < ens.n; ++j) {
                bas = std::min(bas, ens.a[j]);
                haut = std::max(haut, ens.b[j]);
            }
        }
    }
    if (bas >= haut) return false;
    a = bas;
    b = haut;
    return true;
}

void intervalleCacheSolideRond(const TDonneesSolideRond& r, TsegmentCoupe& s) {
    double a = 0, b = 1;
    if (partiesCacheesSolideRond(r, s.P, s.D, a, b)) ajouteIntervalleCache(s, a, b);
}

} // namespace km32
