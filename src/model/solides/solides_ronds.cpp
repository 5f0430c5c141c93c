#include "model/solides/solides_ronds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "model/constructions_codes.h"
#include "model/objets_figure.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

Tvecteur3 pointObjet(const TfigureKalmetra& f, int i) {
    return {valeurObjet(f, i, 1), valeurObjet(f, i, 2), valeurObjet(f, i, 3)};
}

void indefini(TfigureKalmetra& f, int i, uint16_t raison) {
    TObjetFigure& o = objet(f, i);
    o.nonDefini = 1;
    o.raison = raison;
}

} // namespace

void calculeDonneesSolideRond(TfigureKalmetra& f, int i) {
    namespace c = construction;
    TDonneesSolideRond& s = solideRondDe(donneesPolyedreObjet(f, i));
    const TObjetFigure& o = objet(f, i);
    double R = 0, r = 0;
    Tvecteur3 B, B2;
    switch (o.codeConstruction) {
    case c::kCylindre: {
        R = r = valeurObjet(f, i, 1);
        const int second = o.nombreParents >= 2 ? parentObjet(f, i, 2) : 0;
        deuxPointsObjet(f, parentObjet(f, i, 1), second, B.x, B.y, B.z, B2.x, B2.y, B2.z);
        break;
    }
    case c::kCone:
        R = valeurObjet(f, i, 1);
        r = 0;
        B = pointObjet(f, parentObjet(f, i, 2));
        B2 = pointObjet(f, parentObjet(f, i, 1));
        break;
    case c::kTroncDeCone:
        R = valeurObjet(f, i, 1);
        r = valeurObjet(f, i, 2);
        B = pointObjet(f, parentObjet(f, i, 1));
        B2 = pointObjet(f, parentObjet(f, i, 2));
        break;
    default:
        // A given solid keeps the record its text gave it.
        return;
    }
    const double unite = uniteDeLongueurObjet(f, i);
    R *= unite;
    r *= unite;
    if (r > R) {
        std::swap(R, r);
        std::swap(B, B2);
    }
    if (R < 1e-10) return indefini(f, i, kRaisonRayonNonPositif);
    s.cone = std::fabs(r) < 1e-10;
    if (s.cone) r = 0;
    if (r < 0) return indefini(f, i, kRaisonRayonNonPositif);
    const Tvecteur3 axe = moins(B, B2);
    const double H = norme3(axe.x, axe.y, axe.z);
    if (H <= 1e-10) return indefini(f, i, kRaisonHauteurNonPositive);

    s.base = B;
    s.autreCentre = B2;
    s.axe = axe;
    s.hauteur = H;
    s.cylindre = R - r < 0.000001;
    if (s.cylindre) {
        s.cone = 0;
        r = R;
        s.h1 = H;
        s.h2 = 0;
        s.sommet = B2;
    } else if (s.cone) {
        s.sommet = B2;
        s.h1 = H;
        s.h2 = 0;
    } else {
        s.h2 = r * H / (R - r);
        s.h1 = H + s.h2;
        s.sommet = combine(B, s.h1 / H, moins(B2, B));
    }
    s.R = R;
    s.R2 = R * R;
    s.r = r;
    s.r2 = r * r;
    s.a = {axe.x / H, axe.y / H, axe.z / H};
    s.constanteBase = -scalaire(s.a, B);
    vecteurOrthogonal(s.u.x, s.u.y, s.u.z, s.a.x, s.a.y, s.a.z);
    s.constanteU = -scalaire(s.u, B);
    produitVectoriel(s.w.x, s.w.y, s.w.z, s.u.x, s.u.y, s.u.z, s.a.x, s.a.y, s.a.z);
    s.constanteW = -scalaire(s.w, B2);
    s.pointBaseU = combine(B, R, s.u);
    s.pointBaseW = combine(B, R, s.w);
    s.pointPetiteBaseU = combine(B2, r, s.u);
    s.pointPetiteBaseW = combine(B2, r, s.w);
    s.Ru = combine({}, R, s.u);
    s.Rw = combine({}, R, s.w);
    s.ru = combine({}, r, s.u);
    s.rw = combine({}, r, s.w);
    if (!s.cylindre) {
        s.cosinus = s.h1 / std::sqrt(s.h1 * s.h1 + s.R2);
        s.k = s.cosinus * s.cosinus;
    } else {
        s.cosinus = 0;
        s.k = 0;
    }
}

bool pointDansSolideRondModele(const TDonneesSolideRond& s, double x, double y, double z) {
    const Tvecteur3 X = {x, y, z};
    const double niveau = scalaire(s.a, X) + s.constanteBase;
    if (niveau > 1e-6 || niveau < -s.hauteur - 1e-6) return false;
    const Tvecteur3 W = moins(X, s.base);
    const double d2 = scalaire(W, W) - niveau * niveau;
    if (s.cylindre) return d2 < (s.R + 1e-6) * (s.R + 1e-6);
    const double rayon = niveau / s.h1 + 1.000001;
    return d2 < s.R2 * rayon * rayon;
}

void coupeSegmentSolideRond(const TDonneesSolideRond& s, double& x1, double& y1, double& z1, double& x2,
                            double& y2, double& z2, bool& vide) {
    vide = true;
    const Tvecteur3 P = {x1, y1, z1};
    const Tvecteur3 D = {x2 - x1, y2 - y1, z2 - z1};
    const double DD = scalaire(D, D);
    if (DD < 1e-20) {
        vide = !pointDansSolideRondModele(s, x1, y1, z1);
        return;
    }
    const double s0 = scalaire(s.a, P) + s.constanteBase;
    const double ds = scalaire(s.a, D);
    double tmin = 0, tmax = 1;

    if (std::fabs(ds) >= 1e-6) {
        // The slab -H <= s <= 0.
        const double tBase = -s0 / ds, tAutre = (-s.hauteur - s0) / ds;
        if (ds > 0) {
            tmin = std::max(tmin, tAutre);
            tmax = std::min(tmax, tBase);
        } else {
            tmin = std::max(tmin, tBase);
            tmax = std::min(tmax, tAutre);
        }
        if (tmin > tmax) return;
        const double uP = scalaire(s.u, P) + s.constanteU, vP = scalaire(s.w, P) + s.constanteW;
        const double du = scalaire(s.u, D), dv = scalaire(s.w, D);
        if (s.cylindre) {
            const double a = du * du + dv * dv;
            if (a >= 1e-10) {
                const double b = uP * du + vP * dv;
                const double disc = b * b - (uP * uP + vP * vP - s.R2) * a;
                if (disc < 1e-10) return;
                const double t1 = (-b - std::sqrt(disc)) / a, t2 = (-b + std::sqrt(disc)) / a;
                if (t1 > tmax || t2 < tmin) return;
                tmin = std::max(tmin, t1);
                tmax = std::min(tmax, t2);
            } else if (uP * uP + vP * vP > (s.R + 1e-6) * (s.R + 1e-6)) {
                return;
            }
        } else {
            // Lateral surface k |Y + t Dv|^2 = (w0 + t ds)^2, Y from the apex.
            const double w0 = s0 + s.h1;
            const Tvecteur3 Y = {uP, vP, w0}, Dv = {du, dv, ds};
            const double DvDv = scalaire(Dv, Dv), YDv = scalaire(Y, Dv), YY = scalaire(Y, Y);
            const double Qa = s.k - ds * ds / DvDv;
            const double Qb = (s.k * YDv - w0 * ds) / DvDv;
            const double Qc = (s.k * YY - w0 * w0) / DvDv;
            const double nY = std::sqrt(YY);
            if (nY < 1e-6 || 1 - std::fabs(YDv) / (nY * std::sqrt(DvDv)) < 1e-8) {
                // The segment's line passes through the apex.
                if (Qa >= 1e-5) return;
            } else if (std::fabs(Qa) >= 1e-5) {
                const double disc = Qb * Qb - Qa * Qc;
                if (disc < 1e-8) return;
                const double t1 = (-Qb - std::sqrt(disc)) / Qa, t2 = (-Qb + std::sqrt(disc)) / Qa;
                if (Qa > 0) {
                    if (t1 > tmax || std::max(tmin, t1) > t2) return;
                    tmin = std::max(tmin, t1);
                    tmax = std::min(tmax, t2);
                } else if (ds <= 0) {
                    if (t2 < tmin) return;
                    tmax = std::min(tmax, t2);
                } else {
                    if (t1 > tmax) return;
                    tmin = std::max(tmin, t1);
                }
            } else if (std::fabs(Qb) < 1e-20) {
                if (Qc > 0) return;
            } else {
                const double t = -Qc / (2 * Qb);
                if (ds <= 0) {
                    if (t < tmin) return;
                    tmax = std::min(tmax, t);
                } else {
                    if (t > tmax) return;
                    tmin = std::max(tmin, t);
                }
            }
            if (tmin > tmax) return;
        }
        const Tvecteur3 A = combine(P, tmin, D), B = combine(P, tmax, D);
        x1 = A.x, y1 = A.y, z1 = A.z;
        x2 = B.x, y2 = B.y, z2 = B.z;
        vide = false;
        return;
    }

    // The segment lies in a plane parallel to the bases.
    if (s0 < -s.hauteur - 1e-6 || s0 > 1e-6) return;
    const double rho = s.cylindre ? s.R : s.R * (s0 / s.h1 + 1);
    // The disc of the solid in that plane, centred on the axis.
    coupeSegmentABoule(combine(s.base, s0, s.a), rho, x1, y1, z1, x2, y2, z2, vide);
}

void coupeSegmentABoule(const Tvecteur3& C, double r, double& x1, double& y1, double& z1, double& x2,
                        double& y2, double& z2, bool& vide) {
    vide = true;
    const Tvecteur3 P = {x1, y1, z1};
    const Tvecteur3 D = {x2 - x1, y2 - y1, z2 - z1};
    const Tvecteur3 W = moins(P, C);
    const double B = scalaire(W, D), A = scalaire(D, D), c = scalaire(W, W) - r * r;
    const double q = B * B - c * A;
    if (q < 0.0001 || A == 0) return;
    const double t1 = (-B - std::sqrt(q)) / A, t2 = (-B + std::sqrt(q)) / A;
    if (t2 <= 0 || t1 >= 1) return;
    if (t2 < 1) {
        const Tvecteur3 Q = combine(P, t2, D);
        x2 = Q.x, y2 = Q.y, z2 = Q.z;
    }
    if (t1 > 0) {
        const Tvecteur3 Q = combine(P, t1, D);
        x1 = Q.x, y1 = Q.y, z1 = Q.z;
    }
    vide = false;
}

double aireSolideRond(const TDonneesSolideRond& s) {
    constexpr double pi = std::numbers::pi;
    if (s.cylindre) return 2 * pi * s.R * (s.R + s.hauteur);
    // Bases plus the lateral surface, whose slant height is that of the
    // solid's own side.
    const double ecart = s.R - s.r;
    const double pente = std::sqrt(ecart * ecart + s.hauteur * s.hauteur);
    return pi * (s.R2 + s.r2) + pi * (s.R + s.r) * pente;
}

double volumeSolideRond(const TDonneesSolideRond& s) {
    constexpr double pi = std::numbers::pi;
    if (s.cylindre) return pi * s.R2 * s.hauteur;
    if (s.cone) return pi * s.h1 * s.R2 / 3;
    return pi * (s.h1 * s.R2 - s.h2 * s.r2) / 3;
}

} // namespace km32
