// View of spheres (the ball hides what lies behind it) and of circles (the
// disc they bound hides what lies behind it).
#include <algorithm>
#include <cmath>

#include "model/solides/vue_solides.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {} // namespace

void prepareVueSphere(TDonneesSphere& sp, const TfigureKalmetra& f) {
    TVueSphere& v = sp.vue;
    const double s = f.echelle;
    v.d = directionVisee(f);
    v.centre = fois(s, sp.centre);
    v.cd = -scalaire(v.d, v.centre);
    v.rayon2 = (sp.rayon * s) * (sp.rayon * s);
    v.R1 = sp.rayon * s - 1;
    v.R12 = v.R1 * v.R1;
    vecteurOrthogonal(v.u.x, v.u.y, v.u.z, v.d.x, v.d.y, v.d.z);
    produitVectoriel(v.w.x, v.w.y, v.w.z, v.u.x, v.u.y, v.u.z, v.d.x, v.d.y, v.d.z);
    v.cu = -scalaire(v.u, v.centre);
    v.cw = -scalaire(v.w, v.centre);
}

bool pointCacheSphere(const TDonneesSphere& sp, double x, double y, double z) {
    const TVueSphere& v = sp.vue;
    const Tvecteur3 p = {x, y, z};
    const double e1 = std::fabs(scalaire(v.u, p) + v.cu), e2 = std::fabs(scalaire(v.w, p) + v.cw);
    const double e3 = scalaire(v.d, p) + v.cd;
    if (e1 >= v.R1 || e2 >= v.R1 || e3 >= v.R1 || e1 * e1 + e2 * e2 >= v.R12) return false;
    return e3 < -1.0 || e3 * e3 + e1 * e1 + e2 * e2 < v.R12;
}

void intervalleCacheSphere(const TDonneesSphere& sp, TsegmentCoupe& s) {
    const TVueSphere& v = sp.vue;
    const Tvecteur3& D = s.D;
    const double e = scalaire(v.d, D);
    const Tvecteur3 W = moins(s.P, v.centre);
    const double h = scalaire(W, v.d);
    const double c0 = scalaire(W, W) - v.rayon2;
    const double B = scalaire(D, W), DD = scalaire(D, D);
    const double Bp = B - e * h, Ap = DD - e * e;
    if (Ap <= 1e-9 || DD <= 0) return; // along the line of sight: seen as a point
    // The crossings of the cylinder of the outline along the view.
    const double q = Bp * Bp - (c0 - h * h) * Ap;
    if (q < 1.0) return;
    const double t1 = (-Bp - std::sqrt(q)) / Ap;
    if (t1 >= 1) return;
    const double t2 = (-Bp + std::sqrt(q)) / Ap;
    if (t2 <= 0) return;
    const bool f1 = t1 * e + h > 1.0, f2 = t2 * e + h > 1.0; // in front of the centre plane
    double a, b;
    if (!f1 && !f2) {
        a = t1 > 0 ? t1 : 0;
        b = t2 < 1 ? t2 : 1;
    } else {
        // Where the segment is in front of the centre plane, only the ball hides.
        const double q2 = B * B - DD * c0;
        if (q2 < 1.0) return;
        a = f1 ? (-B - std::sqrt(q2)) / DD : t1;
        b = f2 ? (-B + std::sqrt(q2)) / DD : t2;
        a = std::max(a, 0.0);
        b = std::min(b, 1.0);
    }
    ajouteIntervalleCache(s, a, b);
}

void prepareVueCercle(TDonneesCercle& c, const TfigureKalmetra& f) {
    TVueCercle& v = c.vue;
    const double s = f.echelle;
    const Tvecteur3 d = directionVisee(f);
    double k = scalaire(c.normale, d);
    c.visible = std::fabs(k) > 0.0001;
    if (!c.visible) return;
    if (k > 0) {
        v.n = c.normale;
        v.c = c.d;
    } else {
        v.n = fois(-1, c.normale);
        v.c = -c.d;
        k = -k;
    }
    v.m = fois(1 / k, d);
    v.c *= s;
    v.rayon2 = (c.rayon * s) * (c.rayon * s);
    v.centre = fois(s, c.centre);
}

bool pointCacheCercle(const TDonneesCercle& c, double x, double y, double z) {
    if (!c.visible) return false;
    const TVueCercle& v = c.vue;
    const Tvecteur3 p = {x, y, z};
    const double e = scalaire(v.n, p) + v.c;
    if (e > -1.0) return false;
    const Tvecteur3 q = moins(moins(p, fois(e, v.m)), v.centre);
    return scalaire(q, q) < v.rayon2;
}

void intervalleCacheCercle(const TDonneesCercle& c, TsegmentCoupe& s) {
    if (!c.visible) return;
    const TVueCercle& v = c.vue;
    double a = 0, b = 1;
    const double e = scalaire(v.n, s.D), h = scalaire(v.n, s.P) + v.c;
    if (std::fabs(e) < 1.0) {
        if (h >= -1.0) return;
    } else {
        const double t = -h / e;
        if (e > 0) {
            if (t < a) return;
            if (t < b) b = t;
        } else if (t > a) {
            if (t > b) return;
            a = t;
        }
    }
    // The disc, followed along the line of sight.
    const Tvecteur3 U = moins(s.D, fois(e, v.m));
    const Tvecteur3 W = moins(moins(s.P, fois(h, v.m)), v.centre);
    const double B = scalaire(W, U), A = scalaire(U, U);
    if (A <= 1e-9) return;
    const double q = B * B - (scalaire(W, W) - v.rayon2) * A;
    if (q < 1.0) return;
    const double t1 = (-B - std::sqrt(q)) / A;
    if (t1 >= b) return;
    if (t1 > a) a = t1;
    const double t2 = (-B + std::sqrt(q)) / A;
    if (t2 <= a) return;
    if (t2 < b) b = t2;
    ajouteIntervalleCache(s, a, b);
}

} // namespace km32
