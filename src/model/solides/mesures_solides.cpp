#include "model/solides/mesures_solides.h"

#include <cmath>
#include <numbers>

#include "model/objets_figure.h"
#include "model/solides/solides_ronds.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

constexpr double pi = std::numbers::pi;

Tvecteur3 valeurs3(const TfigureKalmetra& f, int i, int k) {
    return {valeurObjet(f, i, k), valeurObjet(f, i, k + 1), valeurObjet(f, i, k + 2)};
}
double valeurPlan(const TPlanOriente& q, const Tvecteur3& v) {
    return q.a * v.x + q.b * v.y + q.c * v.z + q.d;
}

// The faces a point must lie behind: the faces, and for a polygon its side
// planes too.
int facesTestees(const TPolyedre& p) {
    const int n = p.polygone ? p.nombreFaces + p.nombreAretes : p.nombreFaces;
    verifieIndice(n, 0, kMaxFacesPolyedre, "polyhedron face count");
    return n;
}

} // namespace

void calculeDonneesCercle(TfigureKalmetra& f, int i) {
    TDonneesCercle& c = cercleDe(donneesPolyedreObjet(f, i));
    c.centre = valeurs3(f, i, 1);
    c.point = valeurs3(f, i, 8);
    c.normale = valeurs3(f, i, 4);
    c.d = -scalaire(c.normale, c.centre);
    c.rayon = valeurObjet(f, i, 7);
    c.u = moins(c.point, c.centre);
    produitVectoriel(c.v.x, c.v.y, c.v.z, c.normale.x, c.normale.y, c.normale.z, c.u.x, c.u.y, c.u.z);
}

void calculeDonneesSphere(TfigureKalmetra& f, int i) {
    TDonneesSphere& s = sphereDe(donneesPolyedreObjet(f, i));
    s.centre = valeurs3(f, i, 1);
    s.rayon = valeurObjet(f, i, 4);
}

double aireFace(const TPolyedre& p, int k) {
    const TFace& F = face(p, k);
    if (F.nombreSommets < 3) return 0;
    const Tvecteur3& P1 = sommet(p, sommetCycle(F, 1));
    double aire = 0;
    for (int j = 3; j <= F.nombreSommets; ++j) {
        const Tvecteur3 u = moins(sommet(p, sommetCycle(F, j - 1)), P1);
        const Tvecteur3 v = moins(sommet(p, sommetCycle(F, j)), P1);
        Tvecteur3 w;
        produitVectoriel(w.x, w.y, w.z, u.x, u.y, u.z, v.x, v.y, v.z);
        aire += norme3(w.x, w.y, w.z);
    }
    return aire / 2;
}

double perimetrePolygone(const TPolyedre& p) {
    const TFace& F = face(p, 1);
    double l = 0;
    for (int k = 1; k <= F.nombreSommets; ++k) {
        const Tvecteur3 d = moins(sommet(p, sommetCycle(F, k + 1)), sommet(p, sommetCycle(F, k)));
        l += norme3(d.x, d.y, d.z);
    }
    return l;
}

namespace {
double airePolyedre(const TPolyedre& p) {
    if (p.polygone) return aireFace(p, 1);
    double a = 0;
    for (int k = 1; k <= p.nombreFaces; ++k)
        a += aireFace(p, k);
    return a;
}
double volumePolyedre(const TPolyedre& p) {
    double v = 0;
    for (int k = 1; k <= p.nombreFaces; ++k)
        v += std::fabs(valeurPlan(face(p, k).plan, p.centreGravite)) * aireFace(p, k);
    return v / 3;
}
} // namespace

double aireSolide(const TfigureKalmetra& f, int i) {
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, i);
    switch (d.genre) {
    case kGenrePolyedre:
        return airePolyedre(polyedreDe(d));
    case kGenreSphere: {
        const double r = sphereDe(d).rayon;
        return 4 * pi * r * r;
    }
    case kGenreCercle: {
        const double r = cercleDe(d).rayon;
        return pi * r * r;
    }
    case kGenrePatron:
        return airePolyedre(polyedreDe(donneesPolyedreObjet(f, parentObjet(f, i, 1))));
    case kGenreSolideRond:
        return aireSolideRond(solideRondDe(d));
    default:
        return 0;
    }
}

double volumeSolide(const TfigureKalmetra& f, int i) {
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, i);
    switch (d.genre) {
    case kGenrePolyedre:
        return volumePolyedre(polyedreDe(d));
    case kGenreSphere: {
        const double r = sphereDe(d).rayon;
        return 4 * pi * r * r * r / 3;
    }
    case kGenreSolideRond:
        return volumeSolideRond(solideRondDe(d));
    default:
        return 0;
    }
}

bool pointsAlignes(const TfigureKalmetra& f, int i, int j, int k) {
    double ux = 0, uy = 0, uz = 0, vx = 0, vy = 0, vz = 0;
    if (j == 0)
        directionObjet(f, i, 0, ux, uy, uz);
    else
        directionObjet(f, j, i, ux, uy, uz);
    if (k == 0)
        directionObjet(f, i, 0, vx, vy, vz);
    else
        directionObjet(f, k, i, vx, vy, vz);
    return vecteursColineaires(ux, uy, uz, vx, vy, vz);
}

bool pointDansPolyedre(const TPolyedre& p, double x, double y, double z) {
    const Tvecteur3 X = {x, y, z};
    const int n = facesTestees(p);
    for (int k = 1; k <= n; ++k)
        if (valeurPlan(face(p, k).plan, X) > 0.000001) return false;
    return true;
}

bool pointDansSphere(const TDonneesSphere& s, double x, double y, double z) {
    const Tvecteur3 W = moins({x, y, z}, s.centre);
    return norme3(W.x, W.y, W.z) < s.rayon + 0.000001;
}

bool pointDansCercle(const TDonneesCercle& c, double x, double y, double z) {
    const Tvecteur3 X = {x, y, z};
    if (std::fabs(scalaire(c.normale, X) + c.d) >= 0.000001) return false;
    const Tvecteur3 W = moins(X, c.centre);
    return norme3(W.x, W.y, W.z) < c.rayon + 0.000001;
}

void coupeSegmentAuPolyedre(const TPolyedre& p, double& x1, double& y1, double& z1, double& x2, double& y2,
                            double& z2, bool& vide) {
    vide = true;
    const Tvecteur3 P = {x1, y1, z1};
    const Tvecteur3 D = {x2 - x1, y2 - y1, z2 - z1};
    double a = 0, b = 1;
    const int n = facesTestees(p);
    for (int k = 1; k <= n; ++k) {
        const TPlanOriente& q = face(p, k).plan;
        const double h = valeurPlan(q, P);
        const double e = q.a * D.x + q.b * D.y + q.c * D.z;
        if (std::fabs(e) < 0.000001) {
            if (h >= 0.0001) return;
            continue;
        }
        const double t = -h / e;
        if (e > 0) {
            if (t < a) return;
            if (t <= b) b = t;
        } else if (t >= a) {
            if (t > b) return;
            a = t;
        }
    }
    vide = false;
    const Tvecteur3 Q2 = combine(P, b, D), Q1 = combine(P, a, D);
    x2 = Q2.x, y2 = Q2.y, z2 = Q2.z;
    x1 = Q1.x, y1 = Q1.y, z1 = Q1.z;
}

void coupeSegmentASphere(const TDonneesSphere& s, double& x1, double& y1, double& z1, double& x2, double& y2,
                         double& z2, bool& vide) {
    coupeSegmentABoule(s.centre, s.rayon, x1, y1, z1, x2, y2, z2, vide);
}

void coupeSegmentAuCercle(const TDonneesCercle& c, double& x1, double& y1, double& z1, double& x2, double& y2,
                          double& z2, bool& vide) {
    vide = true;
    if (std::fabs(scalaire(c.normale, {x1, y1, z1}) + c.d) > 0.000001 ||
        std::fabs(scalaire(c.normale, {x2, y2, z2}) + c.d) > 0.000001)
        return;
    coupeSegmentABoule(c.centre, c.rayon, x1, y1, z1, x2, y2, z2, vide);
}

bool pointDansSolide(const TfigureKalmetra& f, int n, double x, double y, double z) {
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, n);
    switch (d.genre) {
    case kGenrePolyedre:
        return pointDansPolyedre(polyedreDe(d), x, y, z);
    case kGenreSphere:
        return pointDansSphere(sphereDe(d), x, y, z);
    case kGenreCercle:
        return pointDansCercle(cercleDe(d), x, y, z);
    case kGenreSolideRond:
        return pointDansSolideRondModele(solideRondDe(d), x, y, z);
    default:
        return true;
    }
}

void coupeSegmentAuSolide(const TfigureKalmetra& f, int n, double& x1, double& y1, double& z1, double& x2,
                          double& y2, double& z2, bool& vide) {
    const TDonneesPolyedre& d = donneesPolyedreObjet(f, n);
    switch (d.genre) {
    case kGenrePolyedre:
        return coupeSegmentAuPolyedre(polyedreDe(d), x1, y1, z1, x2, y2, z2, vide);
    case kGenreSphere:
        return coupeSegmentASphere(sphereDe(d), x1, y1, z1, x2, y2, z2, vide);
    case kGenreCercle:
        return coupeSegmentAuCercle(cercleDe(d), x1, y1, z1, x2, y2, z2, vide);
    case kGenreSolideRond:
        return coupeSegmentSolideRond(solideRondDe(d), x1, y1, z1, x2, y2, z2, vide);
    default:
        return;
    }
}

} // namespace km32
