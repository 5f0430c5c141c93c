#include "model/calcul/droites_cercles.h"

#include <cmath>

#include "model/calcul/aides_construction.h"
#include "model/calcul/courbes.h"
#include "model/calcul/outils_calcul.h"
#include "model/calcul/raisons.h"
#include "model/calcul/ronds.h"
#include "model/catalogue.h"
#include "model/solides/constructions_polyedres.h"
#include "model/solides/mesures_solides.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;
namespace c = construction;

namespace {

V3 orthogonal(V3 v) {
    V3 w;
    vecteurOrthogonal(w.x, w.y, w.z, v.x, v.y, v.z);
    return w;
}

// ---- Straight objects ----

// Line or ray through the points (P1, P2): the point is written before the
// direction is tested.
void droiteDeuxPoints(TfigureKalmetra& f, int n, const Tparents& p, uint16_t raison) {
    ecritV3(f, n, 1, pointObjet(f, p[1]));
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison)) return;
    ecritV3(f, n, 4, u);
}

void segmentNomme(TfigureKalmetra& f, int n, const Tparents& p) {
    ecritV3(f, n, 1, pointObjet(f, p[1]));
    ecritV3(f, n, 4, pointObjet(f, p[2]));
}

void parallele(TfigureKalmetra& f, int n, const Tparents& p) {
    ecritV3(f, n, 1, pointObjet(f, p[3]));
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    ecritV3(f, n, 4, u);
}

// Through M, towards the foot H of M on the line.
void perpendiculaire(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    const V3 M = pointObjet(f, p[3]);
    const V3 H = point + scalaire(u, M - point) * u;
    V3 d = H - M;
    if (!unitaire(d)) return rendIndefini(f, n, raison::kPointSurDroite);
    ecritV3(f, n, 1, M);
    ecritV3(f, n, 4, d);
}

void bissectrice(TfigureKalmetra& f, int n, const Tparents& p) {
    const V3 sommet = pointObjet(f, p[2]);
    V3 u1 = pointObjet(f, p[1]) - sommet, u2 = pointObjet(f, p[3]) - sommet;
    if (!unitaire(u1) || !unitaire(u2)) return rendIndefini(f, n, raison::kAngleNonDefini);
    V3 d = u1 + u2;
    if (!unitaire(d)) return rendIndefini(f, n, raison::kBissectrice);
    ecritV3(f, n, 1, sommet);
    ecritV3(f, n, 4, d);
}

void imageDroite(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    V3 v, q;
    imageVecteurParTransformation(f, p[3], u.x, u.y, u.z, v.x, v.y, v.z);
    // A degenerate map flattens the direction: nothing more precise to say.
    if (!unitaire(v)) return rendIndefini(f, n, raison::kCalculImpossible);
    imageParTransformation(f, p[3], point.x, point.y, point.z, q.x, q.y, q.z);
    ecritV3(f, n, 1, q);
    ecritV3(f, n, 4, v);
}

void droiteVecteurDirecteur(TfigureKalmetra& f, int n, const Tparents& p) {
    if (!lisParametre(f, n, 1, 4)) return;
    ecritV3(f, n, 1, pointObjet(f, p[1]));
    V3 u = lisV3(f, n, 4);
    if (!unitaire(u)) return rendIndefini(f, n, raison::kVecteurDirecteurNul);
    ecritV3(f, n, 4, u);
}

void perpendiculairePlan(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], normale, D, raison::kPlanNonValide)) return;
    ecritV3(f, n, 1, pointObjet(f, p[4]));
    ecritV3(f, n, 4, normale);
}

// The line common to two planes a_i x + b_i y + c_i z + d_i = 0: its point
// has a zero coordinate on the largest component of the direction, the
// other two by Cramer's rule.
void intersectionPlans(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 n1, n2;
    double d1 = 0, d2 = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], n1, d1, raison::kPlanNonValide)) return;
    if (!planOuRaison(f, n, p[4], p[5], p[6], n2, d2, raison::kPlanNonValide)) return;
    V3 u = vectoriel(n1, n2);
    if (!unitaire(u)) return rendIndefini(f, n, raison::kPlansNonSecants);
    const double a1 = n1.x, b1 = n1.y, c1 = n1.z, a2 = n2.x, b2 = n2.y, c2 = n2.z;
    const int dominante = composanteDominante(u);
    V3 q;
    if (dominante == 0) {
        const double det = b1 * c2 - b2 * c1;
        q = {0, (c1 * d2 - c2 * d1) / det, (b2 * d1 - b1 * d2) / det};
    } else if (dominante == 1) {
        const double det = c1 * a2 - c2 * a1;
        q = {(c2 * d1 - c1 * d2) / det, 0, (a1 * d2 - a2 * d1) / det};
    } else {
        const double det = a1 * b2 - a2 * b1;
        q = {(b1 * d2 - b2 * d1) / det, (a2 * d1 - a1 * d2) / det, 0};
    }
    ecritV3(f, n, 4, u);
    ecritV3(f, n, 1, q);
}

void droiteMunieDuRepere(TfigureKalmetra& f, int n, const Tparents& p) {
    if (!lisParametre(f, n, 1, 7)) return;
    for (int k = 2; k <= 4; ++k)
        if (!lisParametre(f, n, k, 8 + k)) return;
    ecritV3(f, n, 1, pointObjet(f, p[1]));
    V3 u = lisV3(f, n, 7);
    if (!unitaire(u)) return rendIndefini(f, n, raison::kVecteurDeBaseNul);
    ecritV3(f, n, 4, u);
}

// ---- Circles ----

void ecritCercle(TfigureKalmetra& f, int n, V3 centre, V3 normale, double rayon, V3 point) {
    ecritV3(f, n, 1, centre);
    ecritV3(f, n, 4, normale);
    valeurObjet(f, n, 7) = rayon;
    ecritV3(f, n, 8, point);
}

void cercleCentreRayon(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], normale, D, raison::kPlanNonValide)) return;
    const V3 centre = pointObjet(f, p[4]);
    if (std::fabs(scalaire(normale, centre) + D) > 1e-6) return rendIndefini(f, n, raison::kCentreHorsPlan);
    if (!lisParametre(f, n, 1, 11)) return;
    const double r = valeurObjet(f, n, 11);
    if (r < 1e-10) return rendIndefini(f, n, raison::kRayonNonPositif);
    const double rayon = r * uniteDeLongueurObjet(f, n);
    ecritCercle(f, n, centre, normale, rayon, centre + rayon * orthogonal(normale));
}

void cercleCentrePoint(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], normale, D, raison::kPlanNonValide)) return;
    const V3 centre = pointObjet(f, p[4]), q = pointObjet(f, p[5]);
    if (std::fabs(scalaire(normale, centre) + D) > 1e-6) return rendIndefini(f, n, raison::kCentreHorsPlan);
    if (std::fabs(scalaire(normale, q) + D) > 1e-6) return rendIndefini(f, n, raison::kPointHorsPlan);
    const double rayon = norme(q - centre);
    if (rayon == 0) return rendIndefini(f, n, raison::kCentreEtPoint);
    ecritCercle(f, n, centre, normale, rayon, q);
}

// The foot, the direction and the point are written before the radius test.
void cercleAxe(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    const V3 q = pointObjet(f, p[3]);
    const V3 H = point + scalaire(u, q - point) * u;
    ecritV3(f, n, 4, u);
    ecritV3(f, n, 8, q);
    ecritV3(f, n, 1, H);
    const double rayon = norme(q - H);
    if (rayon == 0) return rendIndefini(f, n, raison::kPointSurAxe);
    valeurObjet(f, n, 7) = rayon;
}

void sectionSphere(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[2], p[3], p[4], normale, D, raison::kPlanNonValide)) return;
    const Tsphere s = sphereObjet(f, p[1]);
    const double delta = scalaire(normale, s.centre) + D;
    const double rho2 = s.rayon * s.rayon - delta * delta;
    if (rho2 <= 0) return rendIndefini(f, n, raison::kPlanSphere);
    const double rho = std::sqrt(rho2);
    const V3 centre = s.centre - delta * normale;
    ecritCercle(f, n, centre, normale, rho, centre + rho * orthogonal(normale));
}

void intersectionSpheres(TfigureKalmetra& f, int n, const Tparents& p) {
    const Tsphere s1 = sphereObjet(f, p[1]), s2 = sphereObjet(f, p[2]);
    const V3 v = s2.centre - s1.centre;
    const double d = norme(v);
    if (d < 1e-6) return rendIndefini(f, n, raison::kSpheresNonSecantes);
    const double a = (s1.rayon * s1.rayon - s2.rayon * s2.rayon + d * d) / (2 * d);
    const double rho2 = s1.rayon * s1.rayon - a * a;
    if (rho2 <= 0) return rendIndefini(f, n, raison::kSpheresNonSecantes);
    const V3 u = (1.0 / d) * v;
    const V3 centre = pointObjet(f, p[1]) + a * u;
    const double rho = std::sqrt(rho2);
    ecritCercle(f, n, centre, u, rho, centre + rho * orthogonal(u));
}

// ---- Curves ----

// A curve that is not drawn keeps its samples.
void courbe(TfigureKalmetra& f, int n) {
    if (!estDessine(objet(f, n).style)) return;
    if (!lisParametre(f, n, 1, 3) || !lisParametre(f, n, 2, 4) || !lisParametre(f, n, 3, 1)) return;
    calculeCourbe(f, n);
}

// ---- Polygons ----

void polygoneRegulierParametre(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1)) return;
    calculeDonneesPolyedre(f, n);
}

void calculeParCode(TfigureKalmetra& f, int n, const Tparents& p) {
    switch (objet(f, n).codeConstruction) {
    case c::kDroite:
    case c::kDroiteNommee:
    case c::kDemiDroiteOriginePassantPar:
        return droiteDeuxPoints(f, n, p, raison::kPointsConfondus);
    case c::kDemiDroite:
        return droiteDeuxPoints(f, n, p, raison::kPointsConfondus433);
    case c::kSegmentNomme:
        return segmentNomme(f, n, p);
    case c::kParallele:
        return parallele(f, n, p);
    case c::kPerpendiculaireDroite:
        return perpendiculaire(f, n, p);
    case c::kBissectrice:
        return bissectrice(f, n, p);
    case c::kImageDroiteParTransformation:
        return imageDroite(f, n, p);
    case c::kDroiteVecteurDirecteur:
        return droiteVecteurDirecteur(f, n, p);
    case c::kPerpendiculairePlan:
        return perpendiculairePlan(f, n, p);
    case c::kIntersectionPlans:
        return intersectionPlans(f, n, p);
    case c::kDroiteMunieDuRepere:
        return droiteMunieDuRepere(f, n, p);
    case c::kCercleCentreRayon:
        return cercleCentreRayon(f, n, p);
    case c::kCercleCentrePassantPar:
        return cercleCentrePoint(f, n, p);
    case c::kCercleAxe:
        return cercleAxe(f, n, p);
    case c::kSectionSphere:
        return sectionSphere(f, n, p);
    case c::kIntersectionSpheres:
        return intersectionSpheres(f, n, p);
    case c::kCercleCirconscrit:
    case c::kCercleInscrit:
        return centreDuTriangle(f, n);
    case c::kArcDeCercle:
        return calculeRotationAxeDeuxPoints(f, n);
    case c::kCourbeParametree:
    case c::kCourbeY:
        return courbe(f, n);
    case c::kPolygoneEnveloppe:
    case c::kSectionPolyedre:
    case c::kPolygoneConvexe:
    case c::kImagePolygone:
        return calculeDonneesPolyedre(f, n);
    case c::kPolygoneRegulier:
        return polygoneRegulierParametre(f, n);
    case c::kSegment:
    default:
        // The segment "Segment #1" holds its ends as given; other codes
        // reached here keep their values.
        return;
    }
}

} // namespace

void actualiseDonneesCercle(TfigureKalmetra& f, int n) {
    if (objet(f, n).emplacementSolide != 0) calculeDonneesCercle(f, n);
}

void calculeObjetParticulier(TfigureKalmetra& f, int n) {
    calculeParCode(f, n, parentsDe(f, n));
    const TObjetFigure& o = objet(f, n);
    if (o.nature == kNatureCercle && !o.nonDefini) actualiseDonneesCercle(f, n);
}

} // namespace km32
