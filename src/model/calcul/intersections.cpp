// Intersections of a line with a circle or a sphere and of two circles: one
// chosen solution, or the second point when the first is given.
#include "model/calcul/aides_construction.h"
#include "model/calcul/raisons.h"
#include "model/calcul/ronds.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;

namespace {

// The line of the first two parents of n; false (n undefined, 454) when its
// direction is null.
bool droiteDesParents(TfigureKalmetra& f, int n, V3& p0, V3& u) {
    if (droiteUnitaire(f, parentObjet(f, n, 1), parentObjet(f, n, 2), p0, u)) return true;
    rendIndefini(f, n, raison::kPointsConfondus);
    return false;
}

// sqrt of a discriminant; a value between -1e-6 and 0 counts as 0. False
// below -1e-6.
bool racineTolerante(double delta, double& racine) {
    if (delta < -1e-6) return false;
    racine = delta < 0 ? 0 : std::sqrt(delta);
    return true;
}

bool sontColineaires(V3 a, V3 b) {
    return vecteursColineaires(a.x, a.y, a.z, b.x, b.y, b.z);
}

// Solves the two plane equations n1.X + d1 = 0 and n2.X + d2 = 0 with the
// coordinate of w's largest component set to 0.
V3 pointDeLaDroiteCommune(const Tcercle& c1, const Tcercle& c2, V3 w) {
    // (p, q) the two kept coordinates of each normal.
    auto resous = [&](double p1, double q1, double p2, double q2, double& s, double& t) {
        const double det = p1 * q2 - q1 * p2;
        s = (-c1.d * q2 + c2.d * q1) / det;
        t = (-p1 * c2.d + p2 * c1.d) / det;
    };
    V3 q;
    const int dominante = composanteDominante(w);
    if (dominante == 0)
        resous(c1.normale.y, c1.normale.z, c2.normale.y, c2.normale.z, q.y, q.z);
    else if (dominante == 1)
        resous(c1.normale.x, c1.normale.z, c2.normale.x, c2.normale.z, q.x, q.z);
    else
        resous(c1.normale.x, c1.normale.y, c2.normale.x, c2.normale.y, q.x, q.y);
    return q;
}

} // namespace

void intersectionDroiteCercle(TfigureKalmetra& f, int n) {
    V3 p0, u;
    if (!droiteDesParents(f, n, p0, u)) return;
    const Tcercle c = cercleObjet(f, parentObjet(f, n, 3));
    const bool premiere = estPremiereSolution(objet(f, n));
    const double un = scalaire(u, c.normale);
    if (std::fabs(un) <= 1e-6) {
        // The line is parallel to the circle's plane: it must lie in it.
        if (std::fabs(scalaire(c.normale, p0) + c.d) > 1e-6) {
            rendIndefini(f, n, raison::kDroiteCercle);
            return;
        }
        const V3 w = p0 - c.centre;
        const double t0 = scalaire(u, w);
        double racine = 0;
        if (!racineTolerante(c.rayon * c.rayon + t0 * t0 - scalaire(w, w), racine)) {
            rendIndefini(f, n, raison::kDroiteCercle);
            return;
        }
        const double t = premiere ? -t0 + racine : -t0 - racine;
        ecritV3(f, n, 1, p0 + t * u);
        return;
    }
    // The line crosses the plane at a single point.
    const V3 m = p0 + (-(scalaire(c.normale, p0) + c.d) / un) * u;
    if (std::fabs(norme(m - c.centre) - c.rayon) > 1e-6) {
        rendIndefini(f, n, raison::kDroiteCercle);
        return;
    }
    if (!premiere) {
        rendIndefini(f, n, raison::kDroiteCercleUnPoint);
        return;
    }
    ecritV3(f, n, 1, m);
}

void secondPointDroiteCercle(TfigureKalmetra& f, int n) {
    V3 p0, u;
    if (!droiteDesParents(f, n, p0, u)) return;
    const Tcercle c = cercleObjet(f, parentObjet(f, n, 3));
    const V3 m = pointObjet(f, parentObjet(f, n, 4));
    if (!sontColineaires(u, m - p0) || !surCercle(c, m)) {
        rendIndefini(f, n, raison::kPremierPointHors);
        return;
    }
    if (std::fabs(scalaire(u, c.normale)) > 1e-6) {
        rendIndefini(f, n, raison::kDroiteCercleUnPoint);
        return;
    }
    ecritV3(f, n, 1, m - (2 * scalaire(u, m - c.centre)) * u);
}

void secondPointDroiteSphere(TfigureKalmetra& f, int n) {
    V3 p0, u;
    if (!droiteDesParents(f, n, p0, u)) return;
    const Tsphere s = sphereObjet(f, parentObjet(f, n, 3));
    const V3 m = pointObjet(f, parentObjet(f, n, 4));
    if (!sontColineaires(u, m - p0) || std::fabs(norme(m - s.centre) - s.rayon) > 1e-6) {
        rendIndefini(f, n, raison::kPremierPointHors);
        return;
    }
    ecritV3(f, n, 1, m - (2 * scalaire(u, m - s.centre)) * u);
}

void intersectionDroiteSphere(TfigureKalmetra& f, int n) {
    V3 p0, u;
    if (!droiteDesParents(f, n, p0, u)) return;
    const Tsphere s = sphereObjet(f, parentObjet(f, n, 3));
    const V3 w = s.centre - p0;
    const double t0 = scalaire(u, w);
    double racine = 0;
    if (!racineTolerante(s.rayon * s.rayon + t0 * t0 - scalaire(w, w), racine)) {
        rendIndefini(f, n, raison::kDroiteSphere);
        return;
    }
    const double t = estPremiereSolution(objet(f, n)) ? t0 + racine : t0 - racine;
    ecritV3(f, n, 1, p0 + t * u);
}

void intersectionDeuxCercles(TfigureKalmetra& f, int n) {
    const Tcercle c1 = cercleObjet(f, parentObjet(f, n, 1)), c2 = cercleObjet(f, parentObjet(f, n, 2));
    const bool premiere = estPremiereSolution(objet(f, n));
    const V3 D = c2.centre - c1.centre;
    const double r1c = c1.rayon * c1.rayon, r2c = c2.rayon * c2.rayon;
    V3 w = vectoriel(c1.normale, c2.normale);
    if (!unitaire(w)) {
        // Parallel planes: the circles must be coplanar and not concentric.
        w = vectoriel(c1.normale, D);
        if (!unitaire(w) || std::fabs(scalaire(c1.normale, D)) > 1e-6) {
            rendIndefini(f, n, raison::kDeuxCercles);
            return;
        }
        const double L = norme(D);
        const double a = (r1c - r2c + L * L) / (2 * L);
        double h = 0;
        if (!racineTolerante(r1c - a * a, h)) {
            rendIndefini(f, n, raison::kDeuxCercles);
            return;
        }
        ecritV3(f, n, 1, c1.centre + (a / L) * D + (premiere ? h : -h) * w);
        return;
    }
    if (std::fabs(scalaire(w, D)) >= 1e-6) {
        // The circles can only share one point of the common line.
        const V3 q = pointDeLaDroiteCommune(c1, c2, w);
        const V3 e = q - c1.centre;
        const double t0 = scalaire(w, e);
        double h = 0;
        if (!racineTolerante(r1c + t0 * t0 - scalaire(e, e), h)) {
            rendIndefini(f, n, raison::kDeuxCercles);
            return;
        }
        V3 p = q + (h - t0) * w;
        if (!(std::fabs(norme(p - c2.centre) - c2.rayon) < 1e-6)) {
            p = q + (-t0 - h) * w;
            if (!(std::fabs(norme(p - c2.centre) - c2.rayon) < 1e-6)) {
                rendIndefini(f, n, raison::kDeuxCercles);
                return;
            }
        }
        if (!premiere) {
            rendIndefini(f, n, raison::kCerclesUnPoint);
            return;
        }
        ecritV3(f, n, 1, p);
        return;
    }
    // Both chords lie on the common line with the same midpoint.
    V3 v = vectoriel(c1.normale, w);
    unitaire(v);
    const double t = -(scalaire(c2.normale, c1.centre) + c2.d) / scalaire(c2.normale, v);
    const V3 F = c1.centre + t * v;
    const double h2 = r1c - t * t;
    double h = 0;
    if (!racineTolerante(h2, h)) {
        rendIndefini(f, n, raison::kDeuxCercles);
        return;
    }
    const V3 fo = F - c2.centre;
    if (std::fabs(r2c - scalaire(fo, fo) - h2) > 1e-6) {
        rendIndefini(f, n, raison::kDeuxCercles);
        return;
    }
    ecritV3(f, n, 1, F + (premiere ? h : -h) * w);
}

void secondPointDeuxCercles(TfigureKalmetra& f, int n) {
    const Tcercle c1 = cercleObjet(f, parentObjet(f, n, 1)), c2 = cercleObjet(f, parentObjet(f, n, 2));
    const V3 m = pointObjet(f, parentObjet(f, n, 3));
    if (!surCercle(c1, m) || !surCercle(c2, m)) {
        rendIndefini(f, n, raison::kPremierPointHors);
        return;
    }
    const V3 D = c2.centre - c1.centre;
    V3 w = vectoriel(c1.normale, c2.normale);
    if (!unitaire(w)) {
        w = vectoriel(c1.normale, D);
        if (!unitaire(w)) {
            rendIndefini(f, n, raison::kDeuxCercles);
            return;
        }
    } else if (std::fabs(scalaire(w, D)) > 1e-6) {
        rendIndefini(f, n, raison::kCerclesUnPoint);
        return;
    }
    ecritV3(f, n, 1, m - (2 * scalaire(w, m - c1.centre)) * w);
}

} // namespace km32
