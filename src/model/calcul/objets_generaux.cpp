#include "model/calcul/objets_generaux.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/calcul/aides_construction.h"
#include "model/calcul/outils_calcul.h"
#include "model/calcul/raisons.h"
#include "model/catalogue.h"
#include "model/parametres_expression.h"
#include "model/solides/constructions_polyedres.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/solides_ronds.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;
namespace c = construction;

namespace {

// ---- Planes ----

void ecritPlan(TfigureKalmetra& f, int n, V3 normale, V3 point) {
    ecritV3(f, n, 1, normale);
    valeurObjet(f, n, 4) = -scalaire(normale, point);
}

// Unit direction of a line operand, or n undefined with 454.
bool directionOuRaison(TfigureKalmetra& f, int n, int a, int b, V3& u) {
    V3 point;
    return droiteOuRaison(f, n, a, b, point, u, raison::kPointsConfondus);
}

void planParallelePlan(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[2], p[3], p[4], normale, D, raison::kPlanNonValide)) return;
    ecritPlan(f, n, normale, pointObjet(f, p[1]));
}

void planPerpendiculaireDroite(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 u;
    if (!directionOuRaison(f, n, p[2], p[3], u)) return;
    ecritPlan(f, n, u, pointObjet(f, p[1]));
}

void planMediateur(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 u, m;
    directionObjet(f, p[1], p[2], u.x, u.y, u.z);
    if (!unitaire(u)) return rendIndefini(f, n, raison::kPointsConfondusSegment);
    milieuDesPoints(f, p[1], p[2], m.x, m.y, m.z);
    ecritPlan(f, n, u, m);
}

void planParalleleDroites(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 u, v;
    if (!directionOuRaison(f, n, p[2], p[3], u) || !directionOuRaison(f, n, p[4], p[5], v)) return;
    V3 normale = vectoriel(u, v);
    if (!unitaire(normale)) return rendIndefini(f, n, raison::kDroitesParalleles);
    ecritPlan(f, n, normale, pointObjet(f, p[1]));
}

void planTroisPoints(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], normale, D, raison::kPlanNonValide)) return;
    ecritPlan(f, n, normale, pointObjet(f, p[1]));
}

void planPointDroite(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 u;
    if (!directionOuRaison(f, n, p[2], p[3], u)) return;
    const V3 P1 = pointObjet(f, p[1]);
    V3 normale = vectoriel(u, pointObjet(f, p[2]) - P1);
    if (!unitaire(normale)) return rendIndefini(f, n, raison::kPointSurDroite);
    ecritPlan(f, n, normale, P1);
}

void planDeuxDroites(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 u, v;
    if (!directionOuRaison(f, n, p[1], p[2], u) || !directionOuRaison(f, n, p[3], p[4], v)) return;
    const V3 P1 = pointObjet(f, p[1]);
    const V3 w = pointObjet(f, p[3]) - P1;
    V3 normale = vectoriel(u, v);
    if (unitaire(normale)) {
        if (std::fabs(scalaire(normale, w)) > 1e-8) return rendIndefini(f, n, raison::kDroitesNonCoplanaires);
    } else {
        // Parallel lines: the plane through both.
        normale = vectoriel(u, w);
        if (!unitaire(normale)) return rendIndefini(f, n, raison::kDroitesConfondues);
    }
    ecritPlan(f, n, normale, P1);
}

// a x + b y + c z + d = 0 in frame P1.
void planEquation(TfigureKalmetra& f, int n, const Tparents& p) {
    // Values 5 to 8 are the equation's values at (1,0,0), (0,1,0), (0,0,1)
    // and (0,0,0): the coefficients are their differences with the last.
    for (int k = 2; k <= 5; ++k)
        if (!lisParametre(f, n, k, k + 3)) return;
    const double d = valeurObjet(f, n, 8), a = valeurObjet(f, n, 5) - d, b = valeurObjet(f, n, 6) - d,
                 cc = valeurObjet(f, n, 7) - d;
    const V3 coefficients{a, b, cc};
    if (norme(coefficients) < 1e-10) return rendIndefini(f, n, raison::kCoefficientsNuls);
    V3 q, Q, u, U, V;
    pointDuPlan(q.x, q.y, q.z, a, b, cc, d);
    pointDeCoordonneesDansRepere(f, p[1], q.x, q.y, q.z, Q.x, Q.y, Q.z);
    vecteurOrthogonal(u.x, u.y, u.z, a, b, cc);
    const V3 v = vectoriel(coefficients, u);
    vecteurDeComposantesDansRepere(f, p[1], u.x, u.y, u.z, U.x, U.y, U.z);
    vecteurDeComposantesDansRepere(f, p[1], v.x, v.y, v.z, V.x, V.y, V.z);
    V3 normale = vectoriel(U, V);
    if (!unitaire(normale)) return rendIndefini(f, n, raison::kRepereCoplanaire);
    ecritPlan(f, n, normale, Q);
}

void planMuniDuRepere(TfigureKalmetra& f, int n, const Tparents& p) {
    if (!lisParametre(f, n, 1, 5) || !lisParametre(f, n, 2, 8)) return;
    V3 normale = vectoriel(lisV3(f, n, 5), lisV3(f, n, 8));
    if (!unitaire(normale)) return rendIndefini(f, n, raison::kVecteursRepereColineaires);
    const V3 origine = pointObjet(f, p[1]);
    ecritPlan(f, n, normale, origine);
    ecritV3(f, n, 11, origine);
}

// ---- Frames, units, vectors, numbers ----

void repere(TfigureKalmetra& f, int n, const Tparents& p) {
    for (int k = 1; k <= 3; ++k)
        if (!lisParametre(f, n, k, 3 * k + 1)) return;
    ecritV3(f, n, 1, pointObjet(f, p[1]));
    const double det = scalaire(lisV3(f, n, 4), vectoriel(lisV3(f, n, 7), lisV3(f, n, 10)));
    if (std::fabs(det) < 1e-6) rendIndefini(f, n, raison::kRepereCoplanaire);
}

void uniteDeLongueur(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 2)) return;
    const double l = norme(lisV3(f, n, 2));
    if (l < 1e-10) return rendIndefini(f, n, raison::kVecteurNul);
    valeurObjet(f, n, 1) = l;
}

void vecteurCoordonnees(TfigureKalmetra& f, int n, const Tparents& p) {
    for (int k = 1; k <= 3; ++k)
        if (!lisParametre(f, n, k, k + 3)) return;
    V3 v;
    vecteurDeComposantesDansRepere(f, p[1], valeurObjet(f, n, 4), valeurObjet(f, n, 5), valeurObjet(f, n, 6),
                                   v.x, v.y, v.z);
    ecritV3(f, n, 1, v);
}

// A free integer in [a, b]: the free position (value 4) gives a + (b - a) t,
// rounded and brought back into the interval; the position follows.
void entierLibre(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 2) || !lisParametre(f, n, 2, 3)) return;
    const double a = valeurObjet(f, n, 2), b = valeurObjet(f, n, 3);
    const double bas = std::min(a, b), haut = std::max(a, b);
    if (bas < -1e9 || haut > 1e9) return rendIndefini(f, n, raison::kBornesIncorrectes);
    double x = a + (b - a) * valeurObjet(f, n, 4);
    if (!(std::fabs(x) <= 30000)) return rendIndefini(f, n, raison::kHorsLimites);
    x = std::round(x);
    if (x < bas) x += 1;
    if (x > haut) x -= 1;
    if (x < bas || x > haut) return rendIndefini(f, n, raison::kHorsLimites);
    valeurObjet(f, n, 1) = x;
    if (b != a) valeurObjet(f, n, 4) = (x - a) / (b - a);
}

void reelLibre(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 2) || !lisParametre(f, n, 2, 3)) return;
    const double a = valeurObjet(f, n, 2), b = valeurObjet(f, n, 3);
    valeurObjet(f, n, 1) = a + (b - a) * valeurObjet(f, n, 4);
}

// ---- Displays ----

bool lisDecimales(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 3)) return false;
    valeurObjet(f, n, 3) = std::round(std::clamp(valeurObjet(f, n, 3), 0.0, 6.0));
    return true;
}

// ---- Commands ----

// x lies within 1e-8 of an integer of [bas, haut].
bool entierDans(double x, double bas, double haut) {
    const double r = std::round(x);
    return std::fabs(x - r) <= 1e-8 && r >= bas && r <= haut;
}

double enRadians(const TfigureKalmetra& f, int n, double angle) {
    return angleEnDegres(objet(f, n)) ? angle * std::numbers::pi / 180 : angle;
}

void commandeRepeter(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1)) return;
    if (!entierDans(valeurObjet(f, n, 1), 1, 100000000)) rendIndefini(f, n, raison::kHorsLimites);
}

void commandeVueDeFace(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], normale, D, raison::kPlanNonValide)) return;
    ecritV3(f, n, 1, normale);
    // The number of steps follows its expression (a constant one was also
    // stored when the line was read): the turn takes as many steps as it
    // is worth when the key is pressed.
    lisParametre(f, n, 1, 4);
}

void commandeRotationRelative(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1) || !lisParametre(f, n, 2, 5)) return;
    V3 axe = lisV3(f, n, 1);
    if (!unitaire(axe)) return rendIndefini(f, n, raison::kVecteurAxialNul);
    ecritV3(f, n, 1, axe);
    valeurObjet(f, n, 4) = enRadians(f, n, valeurObjet(f, n, 5));
}

void commandeRotationAbsolue(TfigureKalmetra& f, int n) {
    for (int k = 1; k <= 4; ++k)
        if (!lisParametre(f, n, k, k + 4)) return;
    V3 axe = lisV3(f, n, 5);
    if (!unitaire(axe)) return rendIndefini(f, n, raison::kVecteurAxialNul);
    ecritV3(f, n, 1, axe);
    valeurObjet(f, n, 4) = enRadians(f, n, valeurObjet(f, n, 8));
}

void commandeProjectionOblique(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1) || !lisParametre(f, n, 2, 2)) return;
    if (std::fabs(valeurObjet(f, n, 1)) > 2 || std::fabs(valeurObjet(f, n, 2)) > 2)
        rendIndefini(f, n, raison::kHorsLimites);
}

// A table of values: start, step, number of lines, then the decimals of the
// column of each parent.
void commandeTableau(TfigureKalmetra& f, int n) {
    for (int k = 1; k <= 3; ++k)
        if (!lisParametre(f, n, k, k)) return;
    for (int i = 1; i <= objet(f, n).nombreParents; ++i)
        if (!lisParametre(f, n, i + 3, i + 3)) return;
    if (!entierDans(valeurObjet(f, n, 3), 1, 500)) return rendIndefini(f, n, raison::kHorsLimites);
    for (int i = 1; i <= objet(f, n).nombreParents; ++i)
        if (!entierDans(valeurObjet(f, n, i + 3), -0.1, 6.1)) return rendIndefini(f, n, raison::kHorsLimites);
}

// ---- Solids ----

// The record is filled only when the object has one; a solid without a slot
// cannot be computed.
bool aUnEnregistrement(TfigureKalmetra& f, int n) {
    if (objet(f, n).emplacementSolide != 0) return true;
    rendIndefini(f, n, raison::kCalculImpossible);
    return false;
}

void sphere(TfigureKalmetra& f, int n, const Tparents& p) {
    if (!lisParametre(f, n, 1, 5)) return;
    const double r = valeurObjet(f, n, 5);
    if (r < 1e-10) return rendIndefini(f, n, raison::kRayonNonPositif);
    ecritV3(f, n, 1, pointObjet(f, p[1]));
    valeurObjet(f, n, 4) = r * uniteDeLongueurObjet(f, n);
    if (aUnEnregistrement(f, n)) calculeDonneesSphere(f, n);
}

void prismeOuPyramide(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1) || !lisParametre(f, n, 2, 2)) return;
    const double h = valeurObjet(f, n, 1);
    if (h < 1e-6) return rendIndefini(f, n, raison::kHauteurNonPositive);
    valeurObjet(f, n, 3) = h * uniteDeLongueurObjet(f, n);
    if (aUnEnregistrement(f, n)) calculeDonneesPolyedre(f, n);
}

// The net of a polyhedron, opened by its coefficient: 0 closed, 1 flat.
void patron(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1)) return;
    const double t = valeurObjet(f, n, 1);
    if (!(t >= 0 && t <= 1)) return rendIndefini(f, n, raison::kHorsLimites);
    if (aUnEnregistrement(f, n)) calculeDonneesPolyedre(f, n);
}

void solideRond(TfigureKalmetra& f, int n, int parametres) {
    for (int k = 1; k <= parametres; ++k)
        if (!lisParametre(f, n, k, k)) return;
    if (aUnEnregistrement(f, n)) calculeDonneesSolideRond(f, n);
}

} // namespace

void calculePlan(TfigureKalmetra& f, int n) {
    const Tparents p = parentsDe(f, n);
    switch (objet(f, n).codeConstruction) {
    case c::kPlanParallelePlan:
        return planParallelePlan(f, n, p);
    case c::kPlanPerpendiculaireDroite:
        return planPerpendiculaireDroite(f, n, p);
    case c::kPlanMediateur:
        return planMediateur(f, n, p);
    case c::kPlanParalleleDroites:
        return planParalleleDroites(f, n, p);
    case c::kPlanNomme:
        return planTroisPoints(f, n, p);
    case c::kPlanPointDroite:
        return planPointDroite(f, n, p);
    case c::kPlanDeuxDroites:
        return planDeuxDroites(f, n, p);
    case c::kPlanEquation:
        return planEquation(f, n, p);
    case c::kPlanMuniDuRepere:
        return planMuniDuRepere(f, n, p);
    default:
        objet(f, n).nonDefini = 1;
    }
}

void calculeRepereOuNombre(TfigureKalmetra& f, int n) {
    const Tparents p = parentsDe(f, n);
    switch (objet(f, n).codeConstruction) {
    case c::kRepere:
        return repere(f, n, p);
    case c::kUniteDeLongueur:
        return uniteDeLongueur(f, n);
    case c::kVecteurEgal:
    case c::kReelEgal:
        lisParametre(f, n, 1, 1);
        return;
    case c::kVecteurCoordonnees:
        return vecteurCoordonnees(f, n, p);
    case c::kEntierLibreIntervalle:
        return entierLibre(f, n);
    case c::kReelLibreIntervalle:
        return reelLibre(f, n);
    default:
        // The measures.
        calculeMesure(f, n);
    }
}

void calculeAffichage(TfigureKalmetra& f, int n) {
    if (!lisDecimales(f, n)) return;
    switch (objet(f, n).codeConstruction) {
    case c::kAffichageLongueur:
        valeurObjet(f, n, 4) =
            normeDirectionObjet(f, parentOuZero(f, n, 1), parentOuZero(f, n, 2)) / uniteDeLongueurObjet(f, n);
        return;
    case c::kAffichageCoordonnees:
        return calculeMesure(f, n);
    case c::kAffichageEquationPlan:
        return calculeEquationPlan(f, n);
    default:
        return; // the display of a scalar: its decimals only
    }
}

void calculeCommande(TfigureKalmetra& f, int n) {
    switch (objet(f, n).codeConstruction) {
    case c::kToucheRepeter:
        return commandeRepeter(f, n);
    case c::kToucheVueDeFace:
        return commandeVueDeFace(f, n, parentsDe(f, n));
    case c::kToucheRotationRelative:
        return commandeRotationRelative(f, n);
    case c::kToucheRotationAbsolue:
        return commandeRotationAbsolue(f, n);
    case c::kToucheProjectionOblique:
        return commandeProjectionOblique(f, n);
    case c::kToucheTableau:
        return commandeTableau(f, n);
    default:
        return;
    }
}

void calculeSolide(TfigureKalmetra& f, int n) {
    switch (objet(f, n).codeConstruction) {
    case c::kSphere:
        return sphere(f, n, parentsDe(f, n));
    case c::kPrismeRegulier:
    case c::kPyramideReguliere:
        return prismeOuPyramide(f, n);
    case c::kPatron:
        return patron(f, n);
    case c::kCylindre:
    case c::kCone:
        return solideRond(f, n, 1);
    case c::kTroncDeCone:
        return solideRond(f, n, 2);
    case c::kCalotte:
        // A cap cut from a sphere by a half-space is not computed.
        marqueObjetIndefini(f, n);
        objet(f, n).raison = raison::kNonPrecise;
        return;
    default:
        // Image, intersections, convex polyhedron and hull of points.
        if (aUnEnregistrement(f, n)) calculeDonneesPolyedre(f, n);
    }
}

} // namespace km32
