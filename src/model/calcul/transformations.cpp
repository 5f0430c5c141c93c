#include "model/calcul/transformations.h"

#include <cmath>

#include "model/calcul/aides_construction.h"
#include "model/calcul/outils_calcul.h"
#include "model/calcul/raisons.h"
#include "model/catalogue.h"
#include "model/operations.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;
namespace c = construction;

namespace {

// A 3 x 3 linear part and a translation.
struct Taffine {
    V3 t;
    double r[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

void ecritAffine(TfigureKalmetra& f, int n, const Taffine& a) {
    const double t[3] = {a.t.x, a.t.y, a.t.z};
    for (int ligne = 0; ligne < 3; ++ligne) {
        valeurObjet(f, n, 4 * ligne + 1) = t[ligne];
        for (int col = 0; col < 3; ++col)
            valeurObjet(f, n, 4 * ligne + 2 + col) = a.r[ligne][col];
    }
}

Taffine lisAffine(const TfigureKalmetra& f, int n) {
    Taffine a;
    double t[3];
    for (int ligne = 0; ligne < 3; ++ligne) {
        t[ligne] = valeurObjet(f, n, 4 * ligne + 1);
        for (int col = 0; col < 3; ++col)
            a.r[ligne][col] = valeurObjet(f, n, 4 * ligne + 2 + col);
    }
    a.t = {t[0], t[1], t[2]};
    return a;
}

// t = translation, R = I.
Taffine translation(V3 v) {
    Taffine a;
    a.t = v;
    return a;
}

// R = k I, t = (1 - k) centre.
Taffine homothetie(V3 centre, double k) {
    Taffine a;
    a.t = (1 - k) * centre;
    for (int i = 0; i < 3; ++i)
        a.r[i][i] = k;
    return a;
}

// R = s u u^T + d I.
Taffine produitExterieur(V3 u, double s, double d) {
    const double v[3] = {u.x, u.y, u.z};
    Taffine a;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            a.r[i][j] = s * v[i] * v[j] + (i == j ? d : 0);
    return a;
}

void translationVecteur(TfigureKalmetra& f, int n) {
    if (!lisParametre(f, n, 1, 1)) return;
    ecritAffine(f, n, translation(lisV3(f, n, 1)));
}

void translationTransformant(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 v;
    directionObjet(f, p[1], p[2], v.x, v.y, v.z);
    ecritAffine(f, n, translation(v));
}

void symetrieCentrale(TfigureKalmetra& f, int n, const Tparents& p) {
    ecritAffine(f, n, homothetie(pointObjet(f, p[1]), -1));
}

// Half-turn about the line: R = 2 u u^T - I, t = 2 (p - (u.p) u).
void symetrieAxiale(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    Taffine a = produitExterieur(u, 2, -1);
    a.t = 2.0 * (point - scalaire(u, point) * u);
    ecritAffine(f, n, a);
}

// Reflection in the plane n.X + D = 0: R = I - 2 n n^T, t = -2 D n.
void symetriePlan(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 normale;
    double D = 0;
    if (!planOuRaison(f, n, p[1], p[2], p[3], normale, D, raison::kPlanNonValide)) return;
    Taffine a = produitExterieur(normale, -2, 1);
    a.t = (-2 * D) * normale;
    ecritAffine(f, n, a);
}

void homothetieRapport(TfigureKalmetra& f, int n, const Tparents& p) {
    if (!lisParametre(f, n, 1, 2)) return;
    const double k = valeurObjet(f, n, 2);
    if (std::fabs(k) < 1e-6) return rendIndefini(f, n, raison::kRapportNul);
    ecritAffine(f, n, homothetie(pointObjet(f, p[1]), k));
}

void homothetieTransformant(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 u, v;
    directionObjet(f, p[1], p[2], u.x, u.y, u.z);
    directionObjet(f, p[1], p[3], v.x, v.y, v.z);
    if (norme(u) < 1e-10 || norme(v) < 1e-10) return rendIndefini(f, n, raison::kRapportIncalculable);
    if (!vecteursColineaires(u.x, u.y, u.z, v.x, v.y, v.z))
        return rendIndefini(f, n, raison::kPointsNonAlignes);
    // The ratio on the component of u of largest magnitude.
    const int c = composanteDominante(u);
    const double k = c == 0 ? v.x / u.x : c == 1 ? v.y / u.y : v.z / u.z;
    if (std::fabs(k) > 1e10) return rendIndefini(f, n, raison::kRapportHorsLimites);
    if (std::fabs(k) < 1e-10) return rendIndefini(f, n, raison::kRapportNul);
    ecritAffine(f, n, homothetie(pointObjet(f, p[1]), k));
}

// T2 after T1: t = t2 + R2 t1, R = R2 R1.
void composee(TfigureKalmetra& f, int n, const Tparents& p) {
    const Taffine a = lisAffine(f, p[1]), b = lisAffine(f, p[2]);
    Taffine r;
    const double t1[3] = {a.t.x, a.t.y, a.t.z}, t2[3] = {b.t.x, b.t.y, b.t.z};
    double t[3];
    for (int i = 0; i < 3; ++i) {
        t[i] = t2[i];
        for (int j = 0; j < 3; ++j) {
            t[i] += b.r[i][j] * t1[j];
            double s = 0;
            for (int k = 0; k < 3; ++k)
                s += b.r[i][k] * a.r[k][j];
            r.r[i][j] = s;
        }
    }
    r.t = {t[0], t[1], t[2]};
    ecritAffine(f, n, r);
}

void rotationAngle(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    if (!lisParametre(f, n, 1, 13)) return;
    calculeRotationAxeAngle(f, n, u.x, u.y, u.z, valeurObjet(f, n, 13));
}

// The rotation about the axis that brings the half-plane of P3 onto the
// half-plane of P4. The angle is in radians whatever the object's angle unit.
void rotationPoints(TfigureKalmetra& f, int n, const Tparents& p) {
    V3 point, u;
    if (!droiteOuRaison(f, n, p[1], p[2], point, u, raison::kPointsConfondus)) return;
    V3 va, vb;
    directionObjet(f, p[1], p[3], va.x, va.y, va.z);
    directionObjet(f, p[1], p[4], vb.x, vb.y, vb.z);
    V3 a = vectoriel(va, u), b = vectoriel(vb, u);
    if (!unitaire(a) || !unitaire(b)) return rendIndefini(f, n, raison::kAngleRotation);
    double angle = arcCosinus(scalaire(a, b));
    if (scalaire(u, vectoriel(a, b)) < 0) angle = -angle;
    fixeMatriceRotation(f, n, u.x, u.y, u.z, std::sin(angle), std::cos(angle));
}

} // namespace

void calculeTransformation(TfigureKalmetra& f, int n) {
    const Tparents p = parentsDe(f, n);
    switch (objet(f, n).codeConstruction) {
    case c::kTranslation:
        return translationVecteur(f, n);
    case c::kTranslationTransformant:
        return translationTransformant(f, n, p);
    case c::kSymetrieCentrale:
        return symetrieCentrale(f, n, p);
    case c::kSymetrieAxiale:
        return symetrieAxiale(f, n, p);
    case c::kSymetriePlan:
        return symetriePlan(f, n, p);
    case c::kHomothetieRapport:
        return homothetieRapport(f, n, p);
    case c::kHomothetieTransformant:
        return homothetieTransformant(f, n, p);
    case c::kComposee:
        return composee(f, n, p);
    case c::kRotationAngle:
        return rotationAngle(f, n, p);
    case c::kRotationPoints:
        return rotationPoints(f, n, p);
    default:
        objet(f, n).nonDefini = 1;
    }
}

} // namespace km32
