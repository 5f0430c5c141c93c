// The geometric primitives of the property tests and their tolerance.
#include <cmath>

#include "model/evaluation_expression.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/vecteurs.h"
#include "properties/predicats_test.h"
#include "properties/primitives_test.h"

namespace km32 {

namespace {
double& tolerance() {
    static double t = 0;
    return t;
}
} // namespace

void fixeToleranceTest(uint8_t t) {
    tolerance() = double(t);
}
double toleranceTest() {
    return tolerance();
}

double borneAngle(double fixe) {
    const double t = toleranceTest();
    return t == 0 ? fixe : 0.01 * t;
}

double borneDistance(const TfigureKalmetra& f, double fixe) {
    const double t = toleranceTest();
    if (t == 0) return fixe;
    // A figure whose view was never laid out has no unit on the screen: its
    // tolerance is then read in model units rather than divided by zero.
    const double p = f.longueurUnitePixels > 0 ? f.longueurUnitePixels : 1.0;
    return t / p;
}

bool estIndefini(const TfigureKalmetra& f, int i) {
    if (i < 1 || i > f.nombreObjets) return true;
    return objet(f, i).nonDefini != 0;
}

V3Test pointObjet(const TfigureKalmetra& f, int i) {
    return {valeurDepuisZero(f, i, 0), valeurDepuisZero(f, i, 1), valeurDepuisZero(f, i, 2)};
}

V3Test moins(const V3Test& a, const V3Test& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

V3Test vectoriel(const V3Test& u, const V3Test& v) {
    V3Test w;
    produitVectoriel(w.x, w.y, w.z, u.x, u.y, u.z, v.x, v.y, v.z);
    return w;
}

double scalaire(const V3Test& u, const V3Test& v) {
    return u.x * v.x + u.y * v.y + u.z * v.z;
}

double longueur(const V3Test& u) {
    return norme3(u.x, u.y, u.z);
}

bool unitaire(V3Test& u) {
    const double n = longueur(u);
    if (n < 1e-10) return false;
    u = {u.x / n, u.y / n, u.z / n};
    return true;
}

bool directionDe(const TfigureKalmetra& f, int a, int b, V3Test& u) {
    bool nul = false;
    directionUnitaire(f, a, b, nul, u.x, u.y, u.z);
    return !nul;
}

bool droiteDe(const TfigureKalmetra& f, int a, int b, TDroiteTest& d) {
    if (estIndefini(f, a) || (b != 0 && estIndefini(f, b))) return false;
    d.origine = pointObjet(f, a);
    if (!directionDe(f, a, b, d.direction)) return false;
    d.second = b != 0 ? pointObjet(f, b)
                      : V3Test{d.origine.x + d.direction.x, d.origine.y + d.direction.y,
                               d.origine.z + d.direction.z};
    return true;
}

bool planDe(const TfigureKalmetra& f, int a, int b, int c, TPlanTest& p) {
    if (estIndefini(f, a)) return false;
    if (b != 0 || c != 0) {
        if (estIndefini(f, b) || estIndefini(f, c)) return false;
    } else if (objet(f, a).nature != kNaturePlan) {
        return false;
    }
    bool nul = false;
    normalePlan(f, a, b, nul, p.d, p.normale.x, p.normale.y, p.normale.z, c);
    if (nul) return false;
    if (b == 0 && c == 0) {
        // A plane object keeps a unit normal; make sure of it all the same.
        const double n = longueur(p.normale);
        p.normale = {p.normale.x / n, p.normale.y / n, p.normale.z / n};
        p.d /= n;
    }
    return true;
}

bool colineairesAvecTolerance(const V3Test& u, const V3Test& v) {
    const V3Test w = vectoriel(u, v);
    const double b = 0.01 * toleranceTest();
    return std::fabs(w.x) < b && std::fabs(w.y) < b && std::fabs(w.z) < b;
}

bool colineaires(const V3Test& u, const V3Test& v) {
    return toleranceTest() == 0 ? vecteursColineaires(u.x, u.y, u.z, v.x, v.y, v.z)
                                : colineairesAvecTolerance(u, v);
}

namespace {
bool memeSensSurUneComposante(const V3Test& u, const V3Test& v, double seuil) {
    if (std::fabs(v.x) < seuil) return u.y * v.y > 0;
    return u.x * v.x > 0;
}
} // namespace

bool memeSensColineaires(const V3Test& u, const V3Test& v) {
    return vecteursColineaires(u.x, u.y, u.z, v.x, v.y, v.z) && memeSensSurUneComposante(u, v, 0.0001);
}

bool memeSensAvecTolerance(const V3Test& u, const V3Test& v) {
    return colineairesAvecTolerance(u, v) && memeSensSurUneComposante(u, v, 0.01 * toleranceTest());
}

bool memeSens(const V3Test& u, const V3Test& v) {
    // A vector along z alone has no x or y to judge its sense by: its z
    // component decides then.
    if (std::fabs(v.x) < 0.0001 && std::fabs(v.y) < 0.0001 && std::fabs(u.x) < 0.0001 &&
        std::fabs(u.y) < 0.0001)
        return colineaires(u, v) && u.z * v.z > 0;
    return toleranceTest() == 0 ? memeSensColineaires(u, v) : memeSensAvecTolerance(u, v);
}

bool orthogonauxAvecTolerance(const V3Test& u, const V3Test& v) {
    return std::fabs(scalaire(u, v)) < borneAngle(0.0001);
}

bool pointsConfondusAvecTolerance(const TfigureKalmetra& f, int a, int b) {
    return normeDirectionObjet(f, a, b) < borneDistance(f, 0.0001);
}

bool pointSurDroiteTest(const V3Test& p, const TDroiteTest& d, double borne) {
    // The length of w x d, not the root of |w|^2 - (w.d)^2: far from the
    // origin of the line that difference loses the small distances the
    // tests compare against 1e-6 to rounding.
    return longueur(vectoriel(moins(p, d.origine), d.direction)) < borne;
}

bool pointSurDroite(const TfigureKalmetra& f, int p, int a, int b) {
    if (estIndefini(f, p)) return false;
    TDroiteTest d;
    if (!droiteDe(f, a, b, d)) return false;
    return pointSurDroiteTest(pointObjet(f, p), d, borneDistance(f, 0.0001));
}

bool pointSurDemiDroite(const TfigureKalmetra& f, int p, int a, int b) {
    if (estIndefini(f, p) || estIndefini(f, a) || (b != 0 && estIndefini(f, b))) return false;
    V3Test ap = moins(pointObjet(f, p), pointObjet(f, a));
    if (!unitaire(ap)) return true;
    TDroiteTest d;
    if (!droiteDe(f, a, b, d)) return false;
    return pointSurDroiteTest(pointObjet(f, p), d, borneDistance(f, 0.000001)) && memeSens(ap, d.direction);
}

bool pointSurSegment(const TfigureKalmetra& f, int p, int a, int b) {
    if (estIndefini(f, p) || estIndefini(f, a) || (b != 0 && estIndefini(f, b))) return false;
    const V3Test P = pointObjet(f, p), A = pointObjet(f, a);
    // A segment object carries its second end in its values 3 to 5 (from 0).
    const V3Test B =
        b != 0 ? pointObjet(f, b)
               : V3Test{valeurDepuisZero(f, a, 3), valeurDepuisZero(f, a, 4), valeurDepuisZero(f, a, 5)};
    V3Test ap = moins(P, A), pb = moins(B, P), ab = moins(B, A);
    if (!unitaire(ap) || !unitaire(pb)) return true;
    if (!unitaire(ab)) return false;
    const TDroiteTest d{A, ab, B};
    return pointSurDroiteTest(P, d, borneDistance(f, 0.000001)) && memeSens(ap, pb);
}

bool pointSurPlanTest(const V3Test& p, const TPlanTest& plan) {
    return std::fabs(scalaire(plan.normale, p) + plan.d) < borneAngle(0.000001);
}

bool pointSurPlan(const TfigureKalmetra& f, int p, int a, int b, int c) {
    if (estIndefini(f, p)) return false;
    TPlanTest plan;
    if (!planDe(f, a, b, c, plan)) return false;
    return pointSurPlanTest(pointObjet(f, p), plan);
}

V3Test imageParTransformation(const TfigureKalmetra& f, const V3Test& p, int t) {
    return {valeurDepuisZero(f, t, 0) + p.x * valeurDepuisZero(f, t, 1) + p.y * valeurDepuisZero(f, t, 2) +
                p.z * valeurDepuisZero(f, t, 3),
            valeurDepuisZero(f, t, 4) + p.x * valeurDepuisZero(f, t, 5) + p.y * valeurDepuisZero(f, t, 6) +
                p.z * valeurDepuisZero(f, t, 7),
            valeurDepuisZero(f, t, 8) + p.x * valeurDepuisZero(f, t, 9) + p.y * valeurDepuisZero(f, t, 10) +
                p.z * valeurDepuisZero(f, t, 11)};
}

bool valeursEgales(const double* a, const double* b, int n, double borne) {
    for (int k = 0; k < n; ++k)
        if (!(std::fabs(a[k] - b[k]) < borne)) return false;
    return true;
}

bool valeursObjetsEgales(const TfigureKalmetra& f, int i, int j, double borne, int n) {
    if (n > 12) n = 12;
    const int m = std::min({n, int(objet(f, i).nombreValeurs), int(objet(f, j).nombreValeurs)});
    if (objet(f, i).nombreValeurs != objet(f, j).nombreValeurs && m < n) return false;
    for (int k = 0; k < m; ++k)
        if (!(std::fabs(valeurDepuisZero(f, i, k) - valeurDepuisZero(f, j, k)) < borne)) return false;
    return true;
}

namespace {
// The value of a function or sequence object at x; false when undefined.
bool valeurFonction(const TfigureKalmetra& f, int objetFonction, double x, double& y) {
    if (estIndefini(f, objetFonction)) return false;
    const EvaluateurFonctionObjet e = evaluateurFonctionObjet();
    if (!e) return false;
    return e(f, objetFonction, x, 0, 0, y) && std::isfinite(y);
}

bool memeValeur(const TfigureKalmetra& f, int u, int v, double x, double borne) {
    double a = 0, b = 0;
    const bool da = valeurFonction(f, u, x, a), db = valeurFonction(f, v, x, b);
    if (!da && !db) return true;
    if (da != db) return false;
    return std::fabs(a - b) < borne;
}
} // namespace

bool fonctionsEgalesSurIntervalle(const TfigureKalmetra& f, int u, int v, double a, double b, double N,
                                  double borne) {
    const double n = arrondiPair(N);
    if (!(n >= 1)) return false;
    if (b < a) std::swap(a, b);
    if (n == 1) return memeValeur(f, u, v, a, borne);
    const int nombre = int(std::min(n, 100000.0));
    for (int m = 0; m < nombre; ++m)
        if (!memeValeur(f, u, v, a + m * (b - a) / (nombre - 1), borne)) return false;
    return true;
}

bool suitesEgalesSurIntervalle(const TfigureKalmetra& f, int u, int v, double a, double b, double borne) {
    double debut = arrondiPair(a), fin = arrondiPair(b);
    if (fin < debut) std::swap(debut, fin);
    if (fin - debut > 100000) fin = debut + 100000;
    for (double k = debut; k <= fin; k += 1)
        if (!memeValeur(f, u, v, k, borne)) return false;
    return true;
}

} // namespace km32
