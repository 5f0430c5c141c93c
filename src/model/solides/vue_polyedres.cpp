// View of convex polyhedra, polygons and polyhedron nets: faces turned to
// the viewer, front edges, and the hiding planes whose intersection is the
// region the solid hides.
#include <cmath>

#include "model/solides/vue_solides.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

double valeur(const TPlanOriente& q, double x, double y, double z) {
    return q.a * x + q.b * y + q.c * z + q.d;
}
double valeur(const TPlanVue& q, double x, double y, double z) {
    return q.n.x * x + q.n.y * y + q.n.z * z + q.c;
}
bool faceTournee(const TPolyedre& p, int k) {
    return k >= 1 && k <= p.nombreFaces && face(p, k).tourneeVersObservateur != 0;
}

// The plane through the edge AB along the viewing direction, with the point g
// on its inner side; false when the edge runs along the view.
bool planSilhouette(const Tvecteur3& A, const Tvecteur3& B, const Tvecteur3& d, const Tvecteur3& g,
                    Tvecteur3& n, double& c) {
    n = vectoriel(moins(A, B), d);
    if (!normaliseSiNonNul(n.x, n.y, n.z)) return false;
    c = -scalaire(n, A);
    if (scalaire(n, g) + c >= 0) {
        n = {-n.x, -n.y, -n.z};
        c = -c;
    }
    return true;
}

} // namespace

Tvecteur3 directionVisee(const TfigureKalmetra& f) {
    Tvecteur3 u, v, w;
    repereDAngles(u, v, w, f.anglesVue[0], f.anglesVue[1], f.anglesVue[2]);
    Tvecteur3 d = vectoriel({u.y, v.y, w.y}, {u.z, v.z, w.z});
    if (!normaliseSiNonNul(d.x, d.y, d.z)) d = {1, 0, 0};
    return d;
}

void prepareVuePolyedre(TPolyedre& p, const TfigureKalmetra& f) {
    const Tvecteur3 d = directionVisee(f);
    const double echelle = f.echelle;
    int n = 0;
    bool sature = false;
    auto ajoute = [&](const Tvecteur3& normale, double c) {
        if (n + 1 > kMaxPlansCachants) {
            sature = true;
            return;
        }
        ++n;
        p.plansCachants[n] = {normale.x, normale.y, normale.z, c};
    };
    verifieIndice(p.nombreFaces, 0, kMaxFacesPolyedre, "polyhedron face count");
    verifieIndice(p.nombreAretes, 0, kMaxAretesPolyedre, "polyhedron edge count");
    for (int k = 1; k <= p.nombreFaces; ++k) {
        TFace& F = face(p, k);
        const Tvecteur3 normale = {F.plan.a, F.plan.b, F.plan.c};
        F.tourneeVersObservateur = scalaire(normale, d) > 0.0001;
        if (F.tourneeVersObservateur) ajoute(normale, F.plan.d);
    }
    for (int e = 1; e <= p.nombreAretes; ++e) {
        TArete& ar = arete(p, e);
        const bool t1 = faceTournee(p, ar.premiereFace), t2 = faceTournee(p, ar.secondeFace);
        ar.deFace = (t1 || t2 || p.polygone) ? 1 : 0;
        if (t1 == t2) continue;
        Tvecteur3 normale;
        double c = 0;
        if (planSilhouette(sommet(p, ar.premierSommet), sommet(p, ar.secondSommet), d, p.centreGravite,
                           normale, c))
            ajoute(normale, c);
    }
    // Too many planes: dropping some would hide more than the solid does, so
    // the solid hides nothing rather than too much.
    p.nombrePlansCachants = sature ? 0 : uint8_t(n);
    for (int k = 1; k <= p.nombrePlansCachants; ++k)
        p.plansCachants[k].d = p.plansCachants[k].d * echelle + 1.0;
}

bool pointCachePolyedre(const TPolyedre& p, double x, double y, double z) {
    const int n = p.nombrePlansCachants;
    if (n == 0) return false;
    verifieIndice(n, 1, kMaxPlansCachants, "hiding planes");
    if (p.polygone) {
        if (valeur(p.plansCachants[1], x, y, z) > -4.0) return false;
        for (int k = 2; k <= n; ++k)
            if (valeur(p.plansCachants[k], x, y, z) > 1.0) return false;
        return true;
    }
    for (int k = 1; k <= n; ++k)
        if (valeur(p.plansCachants[k], x, y, z) > -4.0) return false;
    return true;
}

void intervalleCachePolyedre(const TPolyedre& p, TsegmentCoupe& s) {
    const int n = p.nombrePlansCachants;
    if (n == 0) return;
    verifieIndice(n, 1, kMaxPlansCachants, "hiding planes");
    double a = 0, b = 1;
    for (int k = 1; k <= n; ++k) {
        const TPlanOriente& q = p.plansCachants[k];
        const double e = q.a * s.D.x + q.b * s.D.y + q.c * s.D.z;
        const double h = valeur(q, s.P.x, s.P.y, s.P.z);
        if (!coupeIntervallePlan(e, h, 10.0, -5.0, a, b)) return;
    }
    ajouteIntervalleCache(s, a, b);
}

void prepareVuePatron(TDonneesPatron& patron, const TfigureKalmetra& f) {
    TPolyedre& g = patron.geometrie;
    TVuePatron& v = patron.vue;
    const Tvecteur3 d = directionVisee(f);
    const double echelle = f.echelle > 0 ? f.echelle : 1;
    verifieIndice(g.nombreFaces, 0, kMaxFacesPolyedre, "net face count");
    verifieIndice(g.nombreAretes, 0, kMaxAretesPolyedre, "net edge count");
    for (int k = 1; k <= g.nombreFaces; ++k) {
        TFace& F = face(g, k);
        const double kk = F.plan.a * d.x + F.plan.b * d.y + F.plan.c * d.z;
        F.tourneeVersObservateur = kk > 0.0001;
        v.deChamp[k] = std::fabs(kk) <= 0.0001;
        v.plansFace[k] = 0;
        v.premierPlan[k] = 0;
    }
    for (int e = 1; e <= g.nombreAretes; ++e) {
        TArete& ar = arete(g, e);
        ar.deFace = (faceTournee(g, ar.premiereFace) || faceTournee(g, ar.secondeFace)) ? 1 : 0;
    }
    int n = 0;
    auto ajoute = [&](const Tvecteur3& normale, double c) {
        ++n;
        v.plans[n] = {normale, c};
    };
    if (!patron.ferme) {
        const bool platDeChamp = patron.plat && g.nombreFaces >= 1 && v.deChamp[1];
        for (int k = 1; k <= g.nombreFaces && !platDeChamp; ++k) {
            const TFace& F = face(g, k);
            if (v.deChamp[k] || F.nombreSommets < 3) continue;
            // A group that does not fit is left out: that face then hides
            // nothing, and the net hides less, never more.
            if (n + 1 + F.nombreSommets > kMaxPlansCachantsPatron) continue;
            const int premier = n + 1;
            const double signe = F.tourneeVersObservateur ? 1 : -1;
            ajoute({signe * F.plan.a, signe * F.plan.b, signe * F.plan.c}, signe * F.plan.d);
            Tvecteur3 centre;
            for (int j = 1; j <= F.nombreSommets; ++j) {
                const Tvecteur3& S = sommet(g, sommetCycle(F, j));
                centre = {centre.x + S.x / F.nombreSommets, centre.y + S.y / F.nombreSommets,
                          centre.z + S.z / F.nombreSommets};
            }
            for (int j = 1; j <= F.nombreSommets; ++j) {
                Tvecteur3 normale;
                double c = 0;
                if (planSilhouette(sommet(g, sommetCycle(F, j + 1)), sommet(g, sommetCycle(F, j)), d, centre,
                                   normale, c))
                    ajoute(normale, c - 2.0 / echelle);
            }
            v.premierPlan[k] = uint16_t(premier);
            v.plansFace[k] = uint16_t(n - premier + 1);
        }
    } else {
        bool sature = false;
        auto ajouteFerme = [&](const Tvecteur3& normale, double c) {
            if (n + 1 > kMaxPlansCachantsPatron)
                sature = true;
            else
                ajoute(normale, c);
        };
        for (int k = 1; k <= g.nombreFaces; ++k) {
            const TFace& F = face(g, k);
            if (F.tourneeVersObservateur) ajouteFerme({F.plan.a, F.plan.b, F.plan.c}, F.plan.d);
        }
        for (int e = 1; e <= g.nombreAretes; ++e) {
            const TArete& ar = arete(g, e);
            if (faceTournee(g, ar.premiereFace) == faceTournee(g, ar.secondeFace)) continue;
            Tvecteur3 normale;
            double c = 0;
            if (planSilhouette(sommet(g, ar.premierSommet), sommet(g, ar.secondSommet), d, g.centreGravite,
                               normale, c))
                ajouteFerme(normale, c);
        }
        if (sature) n = 0;
    }
    v.nombrePlans = uint16_t(n);
    for (int k = 1; k <= n; ++k)
        v.plans[k].c *= echelle;
}

namespace {
bool dansGroupe(const TVuePatron& v, int premier, int nombre, double x, double y, double z) {
    verifieIndice(premier + nombre - 1, 0, kMaxPlansCachantsPatron, "net hiding planes");
    for (int k = premier; k < premier + nombre; ++k)
        if (valeur(v.plans[k], x, y, z) > -1.0) return false;
    return true;
}
bool clippeGroupe(const TVuePatron& v, int premier, int nombre, const TsegmentCoupe& s, double& a,
                  double& b) {
    verifieIndice(premier + nombre - 1, 0, kMaxPlansCachantsPatron, "net hiding planes");
    a = 0, b = 1;
    for (int k = premier; k < premier + nombre; ++k) {
        const TPlanVue& q = v.plans[k];
        if (!coupeIntervallePlan(scalaire(q.n, s.D), scalaire(q.n, s.P) + q.c, 10.0, -2.0, a, b))
            return false;
    }
    return true;
}
} // namespace

bool pointCachePatron(const TDonneesPatron& patron, double x, double y, double z) {
    const TVuePatron& v = patron.vue;
    if (v.nombrePlans == 0) return false;
    if (patron.ferme) return dansGroupe(v, 1, v.nombrePlans, x, y, z);
    for (int k = 1; k <= patron.geometrie.nombreFaces; ++k)
        if (v.plansFace[k] > 0 && dansGroupe(v, v.premierPlan[k], v.plansFace[k], x, y, z)) return true;
    return false;
}

void intervalleCachePatron(const TDonneesPatron& patron, TsegmentCoupe& s) {
    const TVuePatron& v = patron.vue;
    if (v.nombrePlans == 0) return;
    double a = 0, b = 1;
    if (patron.ferme) {
        if (clippeGroupe(v, 1, v.nombrePlans, s, a, b)) ajouteIntervalleCache(s, a, b);
        return;
    }
    for (int k = 1; k <= patron.geometrie.nombreFaces; ++k)
        if (v.plansFace[k] > 0 && clippeGroupe(v, v.premierPlan[k], v.plansFace[k], s, a, b))
            ajouteIntervalleCache(s, a, b);
}

} // namespace km32
