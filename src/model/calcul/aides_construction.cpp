#include "model/calcul/aides_construction.h"

#include <numbers>

#include "model/calcul/geometrie.h"
#include "model/catalogue.h"
#include "model/calcul/raisons.h"
#include "model/operations.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;

// ---- Points ----

void milieuDesPoints(const TfigureKalmetra& f, int i, int j, double& x, double& y, double& z) {
    double x1, y1, z1, x2, y2, z2;
    deuxPointsObjet(f, i, j, x1, y1, z1, x2, y2, z2);
    x = (x1 + x2) / 2;
    y = (y1 + y2) / 2;
    z = (z1 + z2) / 2;
}

void barycentreDeDeuxPoints(TfigureKalmetra& f, int i, int j, int n, double wi, double wj) {
    const V3 p = (1.0 / (wi + wj)) * (wi * pointObjet(f, i) + wj * pointObjet(f, j));
    ecritV3DepuisZero(f, n, 0, p);
}

void barycentreDeTroisPoints(TfigureKalmetra& f, int i, int j, int k, int n, double wi, double wj,
                             double wk) {
    const V3 p =
        (1.0 / (wi + wj + wk)) * (wi * pointObjet(f, i) + wj * pointObjet(f, j) + wk * pointObjet(f, k));
    ecritV3DepuisZero(f, n, 0, p);
}

bool pointsConfondus(const TfigureKalmetra& f, int i, int j) {
    return normeDirectionObjet(f, i, j) < 1e-6;
}

bool segmentsConfondus(const TfigureKalmetra& f, int i1, int j1, int i2, int j2, double e) {
    V3 p1, q1, p2, q2;
    deuxPointsObjet(f, i1, j1, p1.x, p1.y, p1.z, q1.x, q1.y, q1.z);
    deuxPointsObjet(f, i2, j2, p2.x, p2.y, p2.z, q2.x, q2.y, q2.z);
    if (norme(p2 - p1) < e && norme(q2 - q1) < e) return true;
    return norme(q2 - p1) < e && norme(p2 - q1) < e;
}

// ---- Triangle ----

void centreDuTriangle(TfigureKalmetra& f, int n) {
    const int a1 = parentDepuisZero(f, n, 0), a2 = parentDepuisZero(f, n, 1), a3 = parentDepuisZero(f, n, 2);
    V3 normale;
    double d = 0;
    if (!planOperande(f, a1, a2, a3, normale, d)) {
        rendIndefini(f, n, raison::kPointsAlignes);
        return;
    }
    d = -d; // normale.X = d on the plane
    const TObjetFigure& o = objet(f, n);
    const bool cercle = o.nature == kNatureCercle;
    if (cercle) ecritV3DepuisZero(f, n, 3, normale);
    const V3 A1 = pointObjet(f, a1), A2 = pointObjet(f, a2), A3 = pointObjet(f, a3);
    V3 centre;
    if (o.codeConstruction == construction::kCercleInscrit) {
        barycentreDeTroisPoints(f, a1, a2, a3, n, norme(A3 - A2), norme(A3 - A1), norme(A2 - A1));
        centre = pointObjet(f, n);
    } else {
        V3 u = A2 - A1, v = A3 - A1;
        unitaire(u);
        unitaire(v);
        double c1, c2;
        if (o.codeConstruction == construction::kOrthocentre) {
            c1 = scalaire(u, A3);
            c2 = scalaire(v, A2);
        } else {
            c1 = scalaire(u, 0.5 * (A1 + A2));
            c2 = scalaire(v, 0.5 * (A1 + A3));
        }
        // u.X = c1, v.X = c2, n.X = d by Cramer's rule.
        const V3 vn = vectoriel(v, normale), nu = vectoriel(normale, u), uv = vectoriel(u, v);
        const double det = scalaire(u, vn);
        centre = (1.0 / det) * (c1 * vn + c2 * nu + d * uv);
        ecritV3DepuisZero(f, n, 0, centre);
    }
    if (!cercle) return;
    V3 surCercle = A1;
    if (o.codeConstruction == construction::kCercleInscrit) {
        // The foot of the centre on the line A1A2.
        V3 u = A2 - A1;
        unitaire(u);
        surCercle = A1 + scalaire(centre - A1, u) * u;
    }
    ecritV3DepuisZero(f, n, 7, surCercle);
    valeurDepuisZero(f, n, 6) = norme(surCercle - centre);
}

double distancePointDroite(const TfigureKalmetra& f, int p, int a, int b, bool& nul) {
    double dx, dy, dz;
    directionUnitaire(f, a, b, nul, dx, dy, dz);
    if (nul) return 0;
    const V3 w = pointObjet(f, p) - pointObjet(f, a);
    return distanceALaDroite(w.x, w.y, w.z, dx, dy, dz);
}

// ---- Transformations ----

void fixeMatriceRotation(TfigureKalmetra& f, int n, double ux, double uy, double uz, double s, double c) {
    const double t = 1 - c;
    const double r[3][3] = {
        {ux * ux * t + c, t * ux * uy - s * uz, t * ux * uz + s * uy},
        {t * ux * uy + s * uz, uy * uy * t + c, t * uy * uz - s * ux},
        {t * ux * uz - s * uy, t * uy * uz + s * ux, uz * uz * t + c},
    };
    const V3 p = pointObjet(f, parentDepuisZero(f, n, 0));
    const double pv[3] = {p.x, p.y, p.z};
    for (int ligne = 0; ligne < 3; ++ligne) {
        const double rp = r[ligne][0] * pv[0] + r[ligne][1] * pv[1] + r[ligne][2] * pv[2];
        valeurDepuisZero(f, n, 4 * ligne) = pv[ligne] - rp;
        for (int col = 0; col < 3; ++col)
            valeurDepuisZero(f, n, 4 * ligne + 1 + col) = r[ligne][col];
    }
}

void calculeRotationAxeAngle(TfigureKalmetra& f, int n, double ux, double uy, double uz, double angle) {
    if (angleEnDegres(objet(f, n))) angle *= std::numbers::pi / 180;
    fixeMatriceRotation(f, n, ux, uy, uz, std::sin(angle), std::cos(angle));
}

void imageParTransformation(const TfigureKalmetra& f, int n, double x, double y, double z, double& xi,
                            double& yi, double& zi) {
    double r[3];
    for (int ligne = 0; ligne < 3; ++ligne) {
        const int k = 4 * ligne;
        r[ligne] = valeurDepuisZero(f, n, k) + valeurDepuisZero(f, n, k + 1) * x +
                   valeurDepuisZero(f, n, k + 2) * y + valeurDepuisZero(f, n, k + 3) * z;
    }
    xi = r[0];
    yi = r[1];
    zi = r[2];
}

void imageVecteurParTransformation(const TfigureKalmetra& f, int n, double x, double y, double z, double& xi,
                                   double& yi, double& zi) {
    double r[3];
    for (int ligne = 0; ligne < 3; ++ligne) {
        const int k = 4 * ligne;
        r[ligne] = valeurDepuisZero(f, n, k + 1) * x + valeurDepuisZero(f, n, k + 2) * y +
                   valeurDepuisZero(f, n, k + 3) * z;
    }
    xi = r[0];
    yi = r[1];
    zi = r[2];
}

void calculeRotationAxeDeuxPoints(TfigureKalmetra& f, int n) {
    V3 p0, u;
    if (!droiteUnitaire(f, parentDepuisZero(f, n, 0), parentDepuisZero(f, n, 1), p0, u)) {
        rendIndefini(f, n, raison::kPointsConfondus);
        return;
    }
    const V3 A = pointObjet(f, parentDepuisZero(f, n, 2)), B = pointObjet(f, parentDepuisZero(f, n, 3));
    const V3 H = p0 + scalaire(u, A - p0) * u;
    const double r = norme(A - H);
    if (r < 1e-10) {
        rendIndefini(f, n, raison::kPointSurAxe);
        return;
    }
    if (!(std::fabs(scalaire(u, B) - scalaire(u, A)) < 1e-6)) {
        rendIndefini(f, n, raison::kPlansPerpendiculaires);
        return;
    }
    const V3 e1 = (1.0 / r) * (A - H), e2 = (1.0 / r) * (B - H);
    if (!(std::fabs(norme(e2) - 1) < 1e-6)) {
        rendIndefini(f, n, raison::kNonEquidistants);
        return;
    }
    // The angle swept from A to B turning about u (counterclockwise seen from
    // the tip of u), the way points on the arc are placed: Ω + cos φ r + sin φ (u x r).
    // The arc cosine is exactly 0 when B is at A (within its 1e-10 on the
    // cosine); the sine there is rounding noise of either sign and would
    // make B = A sweep a whole turn. Only an angle found is turned round.
    double angle = arcCosinus(scalaire(e1, e2));
    if (angle > 0 && scalaire(e2, vectoriel(u, e1)) < 0) angle = 2 * std::numbers::pi - angle;
    ecritV3DepuisZero(f, n, 0, H);
    ecritV3DepuisZero(f, n, 3, u);
    valeurDepuisZero(f, n, 6) = r;
    ecritV3DepuisZero(f, n, 7, A);
    valeurDepuisZero(f, n, 10) = angle;
}

// ---- Frames and planes ----

bool composantesDansRepere(const TfigureKalmetra& f, int repere, double x, double y, double z, double& a,
                           double& b, double& c) {
    if (repere == 1) {
        a = x;
        b = y;
        c = z;
        return true;
    }
    const V3 i = lisV3DepuisZero(f, repere, 3), j = lisV3DepuisZero(f, repere, 6),
             k = lisV3DepuisZero(f, repere, 9);
    if (i.y == 0 && i.z == 0 && j.x == 0 && j.z == 0 && k.x == 0 && k.y == 0) {
        if (i.x == 0 || j.y == 0 || k.z == 0) return false;
        a = x / i.x;
        b = y / j.y;
        c = z / k.z;
        return true;
    }
    bool ok = false;
    double sa = 0, sb = 0, sc = 0;
    resoutSysteme3(sa, sb, sc, ok, x, y, z, i.x, i.y, i.z, j.x, j.y, j.z, k.x, k.y, k.z);
    if (!ok) return false;
    a = sa;
    b = sb;
    c = sc;
    return true;
}

bool coordonneesDansRepere(const TfigureKalmetra& f, int repere, double x, double y, double z, double& a,
                           double& b, double& c) {
    if (repere == 1) return composantesDansRepere(f, repere, x, y, z, a, b, c);
    const V3 w = V3{x, y, z} - lisV3DepuisZero(f, repere, 0);
    return composantesDansRepere(f, repere, w.x, w.y, w.z, a, b, c);
}

void vecteurDeComposantesDansRepere(const TfigureKalmetra& f, int repere, double a, double b, double c,
                                    double& x, double& y, double& z) {
    if (repere == 1) {
        x = a;
        y = b;
        z = c;
        return;
    }
    const V3 v = a * lisV3DepuisZero(f, repere, 3) + b * lisV3DepuisZero(f, repere, 6) +
                 c * lisV3DepuisZero(f, repere, 9);
    x = v.x;
    y = v.y;
    z = v.z;
}

void pointDeCoordonneesDansRepere(const TfigureKalmetra& f, int repere, double a, double b, double c,
                                  double& x, double& y, double& z) {
    if (repere == 1) {
        x = a;
        y = b;
        z = c;
        return;
    }
    const V3 p = lisV3DepuisZero(f, repere, 0) + a * lisV3DepuisZero(f, repere, 3) +
                 b * lisV3DepuisZero(f, repere, 6) + c * lisV3DepuisZero(f, repere, 9);
    x = p.x;
    y = p.y;
    z = p.z;
}

bool composantesVecteurObjetDansRepere(const TfigureKalmetra& f, int m, int repere, double& a, double& b,
                                       double& c) {
    if (repere == 1) {
        a = valeurDepuisZero(f, m, 0);
        b = valeurDepuisZero(f, m, 1);
        c = valeurDepuisZero(f, m, 2);
        return true;
    }
    V3 d;
    directionObjet(f, m, 0, d.x, d.y, d.z);
    return composantesDansRepere(f, repere, d.x, d.y, d.z, a, b, c);
}

namespace {
// A plane that carries its own frame: code 166, or a given plane (code 255)
// that the figure marks as having one.
bool planMuniDUnRepere(const TfigureKalmetra& f, int i) {
    const uint8_t code = objet(f, i).codeConstruction;
    return code == construction::kPlanMuniDuRepere ||
           (code == construction::kPlanDonne && f.ensembleSecondeDirection.test(i));
}
} // namespace

void pointDeCoordonneesDansPlan(TfigureKalmetra& f, int premier, int p2, int n, int p3) {
    const double u = valeurDepuisZero(f, n, 3), v = valeurDepuisZero(f, n, 4);
    if (p3 != 0) {
        barycentreDeTroisPoints(f, premier, p2, p3, n, 1 - u - v, u, v);
        return;
    }
    if (planMuniDUnRepere(f, premier)) {
        ecritV3DepuisZero(f, n, 0,
                          lisV3DepuisZero(f, premier, 10) + u * lisV3DepuisZero(f, premier, 4) +
                              v * lisV3DepuisZero(f, premier, 7));
        return;
    }
    Tvecteur3 origine, e1, e2;
    repereDuPlan(origine, e1, e2, valeurDepuisZero(f, premier, 0), valeurDepuisZero(f, premier, 1),
                 valeurDepuisZero(f, premier, 2), valeurDepuisZero(f, premier, 3));
    const V3 o{origine.x, origine.y, origine.z}, a{e1.x, e1.y, e1.z}, b{e2.x, e2.y, e2.z};
    ecritV3DepuisZero(f, n, 0, o + u * a + v * b);
}

} // namespace km32
