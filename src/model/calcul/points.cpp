#include "model/calcul/points.h"

#include <numbers>

#include "model/annexes_polygones.h"
#include "model/calcul/aides_construction.h"
#include "model/calcul/geometrie.h"
#include "model/calcul/outils_calcul.h"
#include "model/calcul/parametres.h"
#include "model/calcul/raisons.h"
#include "model/calcul/ronds.h"
#include "model/catalogue.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;
namespace c = construction;

namespace {

bool echoue(TfigureKalmetra& f, int n, uint16_t raison) {
    rendIndefini(f, n, raison);
    return false;
}

// Point on a line operand at abscissa t in the line's frame (d not normalised).
bool pointAbscisse(TfigureKalmetra& f, int n, int a, int b, double t) {
    const Tdroite d = droiteOperande(f, a, b);
    if (norme(d.direction) < 1e-10) return echoue(f, n, raison::kPointsConfondus);
    ecritV3(f, n, 1, d.point + t * d.direction);
    return true;
}

bool surCercleLibre(TfigureKalmetra& f, int n, int cercle) {
    const Tcercle c = cercleObjet(f, cercle);
    const double t = valeurObjet(f, n, 4);
    ecritV3(f, n, 1, c.centre + std::cos(t) * c.u + std::sin(t) * c.v);
    return true;
}

bool surArcLibre(TfigureKalmetra& f, int n, int arc) {
    const V3 centre = lisV3(f, arc, 1), normale = lisV3(f, arc, 4), debut = lisV3(f, arc, 8);
    const double phi = valeurObjet(f, n, 4) * valeurObjet(f, arc, 11);
    const V3 r = debut - centre, w = vectoriel(normale, r);
    ecritV3(f, n, 1, centre + std::cos(phi) * r + std::sin(phi) * w);
    return true;
}

bool surSphereLibre(TfigureKalmetra& f, int n, int sphere) {
    const Tsphere s = sphereObjet(f, sphere);
    const double lambda = valeurObjet(f, n, 4) * std::numbers::pi / 180;
    const double phi = valeurObjet(f, n, 5) * std::numbers::pi / 180;
    const V3 d{s.rayon * std::cos(phi) * std::cos(lambda), s.rayon * std::cos(phi) * std::sin(lambda),
               s.rayon * std::sin(phi)};
    ecritV3(f, n, 1, s.centre + d);
    return true;
}

bool dansRepere(TfigureKalmetra& f, int n, int repere) {
    V3 p;
    pointDeCoordonneesDansRepere(f, repere, valeurObjet(f, n, 4), valeurObjet(f, n, 5), valeurObjet(f, n, 6),
                                 p.x, p.y, p.z);
    ecritV3(f, n, 1, p);
    return true;
}

bool surDemiDroiteADistance(TfigureKalmetra& f, int n, const Tparents& P) {
    if (!lisParametre(f, n, 1, 4)) return false;
    const double t = valeurObjet(f, n, 4);
    if (t < 0) return echoue(f, n, raison::kDistanceNegative);
    V3 origine, u;
    if (!droiteUnitaire(f, P[1], P[2], origine, u)) return echoue(f, n, raison::kPointsConfondus433);
    ecritV3(f, n, 1, origine + (t * uniteDeLongueurObjet(f, n)) * u);
    return true;
}

// Intersection of the lines (P1, P2) and (P3, P4).
bool intersectionDroites(TfigureKalmetra& f, int n, const Tparents& P) {
    V3 a, u, b, v;
    if (!droiteUnitaire(f, P[1], P[2], a, u) || !droiteUnitaire(f, P[3], P[4], b, v))
        return echoue(f, n, raison::kPointsConfondus);
    const V3 w = b - a, cr = vectoriel(u, v);
    if (norme(cr) < 1e-8) return echoue(f, n, raison::kDroitesParalleles);
    if (std::fabs(scalaire(cr, w)) > 1e-8) return echoue(f, n, raison::kDroitesNonCoplanaires);
    const V3 wv = vectoriel(w, v);
    double t;
    if (std::fabs(cr.x) > 1e-10)
        t = wv.x / cr.x;
    else if (std::fabs(cr.y) > 1e-10)
        t = wv.y / cr.y;
    else
        t = wv.z / cr.z;
    ecritV3(f, n, 1, a + t * u);
    return true;
}

bool intersectionDroitePlan(TfigureKalmetra& f, int n, const Tparents& P) {
    V3 a, u, normale;
    double D = 0;
    if (!droiteUnitaire(f, P[1], P[2], a, u)) return echoue(f, n, raison::kPointsConfondus);
    if (!planOperande(f, P[3], P[4], P[5], normale, D)) return echoue(f, n, raison::kPlanNonValide);
    const double nu = scalaire(normale, u);
    if (std::fabs(nu) < 1e-8) return echoue(f, n, raison::kPlanDroiteNonSecants);
    ecritV3(f, n, 1, a + (-(scalaire(normale, a) + D) / nu) * u);
    return true;
}

bool alignes(const TfigureKalmetra& f, const Tparents& P) {
    const V3 a = pointObjet(f, P[1]);
    const V3 u = pointObjet(f, P[2]) - a, v = pointObjet(f, P[3]) - a;
    return vecteursColineaires(u.x, u.y, u.z, v.x, v.y, v.z);
}

bool barycentrePondere(TfigureKalmetra& f, int n) {
    const int nombre = objet(f, n).nombreParents;
    double somme = 0;
    V3 s;
    for (int k = 1; k <= nombre; ++k) {
        if (!lisParametre(f, n, k, k + 3)) return false;
        const double w = valeurObjet(f, n, k + 3);
        somme += w;
        s = s + w * pointObjet(f, parentObjet(f, n, k));
    }
    if (std::fabs(somme) < 1e-10) return echoue(f, n, raison::kSommeNulle);
    ecritV3(f, n, 1, (1.0 / somme) * s);
    return true;
}

// The foot H of point p on the axis (a, b); false when the axis is null.
bool piedSurAxe(const TfigureKalmetra& f, V3 p, int a, int b, V3& h, V3& u) {
    V3 origine;
    if (!droiteUnitaire(f, a, b, origine, u)) return false;
    h = origine + scalaire(p - origine, u) * u;
    return true;
}

bool homothetieParPoints(TfigureKalmetra& f, int n, const Tparents& P) {
    const V3 centre = pointObjet(f, P[2]);
    const V3 u = pointObjet(f, P[3]) - centre, v = pointObjet(f, P[4]) - centre;
    if (norme(u) < 1e-10 || norme(v) < 1e-10) return echoue(f, n, raison::kRapportIncalculable);
    if (!vecteursColineaires(u.x, u.y, u.z, v.x, v.y, v.z)) return echoue(f, n, raison::kPointsNonAlignes);
    // The ratio on the component of u of largest magnitude.
    const int c = composanteDominante(u);
    const double k = c == 0 ? v.x / u.x : c == 1 ? v.y / u.y : v.z / u.z;
    if (std::fabs(k) > 1e10) return echoue(f, n, raison::kRapportHorsLimites);
    if (std::fabs(k) < 1e-10) return echoue(f, n, raison::kRapportNul);
    ecritV3(f, n, 1, centre + k * (pointObjet(f, P[1]) - centre));
    return true;
}

bool rotation(TfigureKalmetra& f, int n, const Tparents& P) {
    if (!lisParametre(f, n, 1, 4)) return false;
    const V3 p = pointObjet(f, P[1]);
    V3 h, u;
    if (!piedSurAxe(f, p, P[2], P[3], h, u)) return echoue(f, n, raison::kPointsConfondus);
    double theta = valeurObjet(f, n, 4);
    if (angleEnDegres(objet(f, n))) theta *= std::numbers::pi / 180;
    const V3 r = p - h, w = vectoriel(u, r);
    ecritV3(f, n, 1, h + std::cos(theta) * r + std::sin(theta) * w);
    return true;
}

// Symmetry (k = -2) or orthogonal projection (k = -1) on the plane (P2, P3, P4).
bool versPlan(TfigureKalmetra& f, int n, const Tparents& P, double facteur) {
    V3 normale;
    double D = 0;
    if (!planOperande(f, P[2], P[3], P[4], normale, D)) return echoue(f, n, raison::kPlanNonValide);
    const V3 p = pointObjet(f, P[1]);
    ecritV3(f, n, 1, p + (facteur * (scalaire(normale, p) + D)) * normale);
    return true;
}

bool projectionParallele(TfigureKalmetra& f, int n, const Tparents& P) {
    V3 normale, origine, u;
    double D = 0;
    if (!planOperande(f, P[2], P[3], P[4], normale, D)) return echoue(f, n, raison::kPlanNonValide);
    if (!droiteUnitaire(f, P[5], P[6], origine, u)) return echoue(f, n, raison::kPointsConfondus);
    const double nu = scalaire(normale, u);
    if (std::fabs(nu) < 1e-8) return echoue(f, n, raison::kDroiteParallelePlan);
    const V3 p = pointObjet(f, P[1]);
    ecritV3(f, n, 1, p + (-(scalaire(normale, p) + D) / nu) * u);
    return true;
}

// The intersection and centre helpers report failure through the object.
bool parAide(TfigureKalmetra& f, int n, void (*aide)(TfigureKalmetra&, int)) {
    aide(f, n);
    return !objet(f, n).nonDefini;
}

// One point construction; false when the point is undefined.
bool calculeSelonCode(TfigureKalmetra& f, int n, uint8_t code) {
    const Tparents P = parentsDe(f, n);
    switch (code) {
    // Free points: their free values are written from outside.
    case c::kPointLibreAbscisseEntiere:
    case c::kPointLibreSurDemiDroite:
    case c::kPointLibreSurDroite:
        return pointAbscisse(f, n, P[1], P[2], valeurObjet(f, n, 4));
    case c::kPointLibreSurSegment: {
        V3 a, b;
        deuxPointsObjet(f, P[1], P[2], a.x, a.y, a.z, b.x, b.y, b.z);
        ecritV3(f, n, 1, a + valeurObjet(f, n, 4) * (b - a));
        return true;
    }
    case c::kPointLibreCoordonneesEntieres:
        return dansRepere(f, n, P[1]);
    case c::kPointLibreSurCercle:
        return surCercleLibre(f, n, P[1]);
    case c::kPointLibreSurArc:
        return surArcLibre(f, n, P[1]);
    case c::kPointLibreSurSphere:
        return surSphereLibre(f, n, P[1]);
    case c::kPointLibreDansEspace:
        return true;
    case c::kPointLibreDansPlan:
        pointDeCoordonneesDansPlan(f, P[1], P[2], n, P[3]);
        return true;
    case c::kPointLibreDansPolygone:
        calculePointLibreDansPolygone(f, n);
        return !objet(f, n).nonDefini;

    // Points given by parameters.
    case c::kPointAbscisseDansRepere:
        return lisParametre(f, n, 1, 4) && pointAbscisse(f, n, P[1], P[2], valeurObjet(f, n, 4));
    case c::kPointSurDemiDroiteADistance:
        return surDemiDroiteADistance(f, n, P);
    case c::kPointCoordonnees:
        return lisParametre(f, n, 1, 4) && lisParametre(f, n, 2, 5) && lisParametre(f, n, 3, 6) &&
               dansRepere(f, n, P[1]);
    case c::kPointCoordonneesPlan:
        if (!lisParametre(f, n, 1, 4) || !lisParametre(f, n, 2, 5)) return false;
        pointDeCoordonneesDansPlan(f, P[1], P[2], n, P[3]);
        return true;
    case c::kImageParTranslation:
        if (!lisParametre(f, n, 1, 4)) return false;
        ecritV3(f, n, 1, pointObjet(f, P[1]) + lisV3(f, n, 4));
        return true;

    // Intersections.
    case c::kIntersectionDroites:
        return intersectionDroites(f, n, P);
    case c::kIntersectionDroitePlan:
        return intersectionDroitePlan(f, n, P);
    case c::kIntersectionDroiteCercle:
        return parAide(f, n, intersectionDroiteCercle);
    case c::kIntersectionDroiteCercleAutreQue:
        return parAide(f, n, secondPointDroiteCercle);
    case c::kIntersectionCercles:
        return parAide(f, n, intersectionDeuxCercles);
    case c::kIntersectionCerclesAutreQue:
        return parAide(f, n, secondPointDeuxCercles);
    case c::kIntersectionDroiteSphere:
        return parAide(f, n, intersectionDroiteSphere);
    case c::kIntersectionDroiteSphereAutreQue:
        return parAide(f, n, secondPointDroiteSphere);

    // Centres and barycentres.
    case c::kMilieuSegment: {
        V3 m;
        milieuDesPoints(f, P[1], P[2], m.x, m.y, m.z);
        ecritV3(f, n, 1, m);
        return true;
    }
    case c::kCentreDeGravite:
        if (alignes(f, P)) return echoue(f, n, raison::kPointsAlignes);
        barycentreDeTroisPoints(f, P[1], P[2], P[3], n, 1, 1, 1);
        return true;
    case c::kCentreCercleInscrit: {
        if (alignes(f, P)) return echoue(f, n, raison::kPointsAlignes);
        const V3 a = pointObjet(f, P[1]), b = pointObjet(f, P[2]), cc = pointObjet(f, P[3]);
        barycentreDeTroisPoints(f, P[1], P[2], P[3], n, norme(cc - b), norme(cc - a), norme(b - a));
        return true;
    }
    case c::kCentreCercleCirconscrit:
    case c::kOrthocentre:
        return parAide(f, n, centreDuTriangle);
    case c::kCentreCercle:
        ecritV3(f, n, 1, cercleObjet(f, P[1]).centre);
        return true;
    case c::kBarycentre:
        return barycentrePondere(f, n);

    // Images by transformations.
    case c::kImageParSymetrieAxiale:
    case c::kProjeteSurDroite: {
        const V3 p = pointObjet(f, P[1]);
        V3 h, u;
        if (!piedSurAxe(f, p, P[2], P[3], h, u)) return echoue(f, n, raison::kPointsConfondus);
        ecritV3(f, n, 1, code == c::kProjeteSurDroite ? h : 2.0 * h - p);
        return true;
    }
    case c::kImageParSymetrieCentrale:
        barycentreDeDeuxPoints(f, P[1], P[2], n, -1, 2);
        return true;
    case c::kImageParHomothetieRapport: {
        if (!lisParametre(f, n, 1, 4)) return false;
        const double k = valeurObjet(f, n, 4);
        if (std::fabs(k) < 1e-10) return echoue(f, n, raison::kRapportNul);
        const V3 centre = pointObjet(f, P[2]);
        ecritV3(f, n, 1, centre + k * (pointObjet(f, P[1]) - centre));
        return true;
    }
    case c::kImageParHomothetieTransformant:
        return homothetieParPoints(f, n, P);
    case c::kImageParTranslationTransformant:
        barycentreDeTroisPoints(f, P[1], P[2], P[3], n, 1, -1, 1);
        return true;
    case c::kImagePointParTransformation: {
        const V3 p = pointObjet(f, P[1]);
        V3 r;
        imageParTransformation(f, P[2], p.x, p.y, p.z, r.x, r.y, r.z);
        ecritV3(f, n, 1, r);
        return true;
    }
    case c::kImageParRotation:
        return rotation(f, n, P);
    case c::kImageParSymetriePlan:
        return versPlan(f, n, P, -2);
    case c::kProjeteSurPlan:
        return versPlan(f, n, P, -1);
    case c::kProjeteParallelement:
        return projectionParallele(f, n, P);
    default:
        objet(f, n).nonDefini = 1;
        return false;
    }
}

} // namespace

void calculePoint(TfigureKalmetra& f, int n) {
    if (!calculeSelonCode(f, n, objet(f, n).codeConstruction)) return;
    reevaluePasObjetLibre(f, n);
}

} // namespace km32
