#include "text/affectation_libres.h"

#include <cmath>
#include <variant>

#include "base/texte.h"
#include "model/annexes_polygones.h"
#include "model/calcul/aides_construction.h"
#include "model/calcul/dependants.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/services_dessin.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/polyedres.h"
#include "model/vecteurs.h"
#include "text/noms_objets.h"

namespace km32 {

namespace {

constexpr double kPi = 3.141592653589793;

double plusProche(double v) {
    return std::round(v);
}

// The side record of object p of the wanted kind; nullptr when there is none.
template <class T> const T* donneesDe(const TfigureKalmetra& f, int p) {
    if (!f.tableDesPolyedres || p < 1 || p > f.nombreObjets) return nullptr;
    const int slot = objet(f, p).emplacementSolide;
    if (slot < 1 || slot > kMaxEmplacementsPolyedres) return nullptr;
    const PDonneesPolyedre& d = f.tableDesPolyedres->donnees[std::size_t(slot)];
    return d ? std::get_if<T>(&d->contenu) : nullptr;
}

// The three values of i from value k (from 0).
Tvecteur3 pointObjet(const TfigureKalmetra& f, int i, int k = 0) {
    return {valeurDepuisZero(f, i, k), valeurDepuisZero(f, i, k + 1), valeurDepuisZero(f, i, k + 2)};
}

// t with target = O + t d on the line of P (and Q); false when refused.
bool parametreSurDroite(const TfigureKalmetra& f, int P, int Q, double x, double y, double z, double& t) {
    const Tvecteur3 O = pointObjet(f, P);
    double dx = 0, dy = 0, dz = 0;
    directionObjet(f, P, Q, dx, dy, dz);
    const double wx = x - O.x, wy = y - O.y, wz = z - O.z;
    if (norme3(dx, dy, dz) < 1e-8 || !vecteursColineaires(wx, wy, wz, dx, dy, dz)) return false;
    if (std::fabs(dx) > 1e-10)
        t = wx / dx;
    else if (std::fabs(dy) > 1e-10)
        t = wy / dy;
    else
        t = wz / dz;
    return true;
}

// Code 148: the coordinates of the target in the frame of the plane.
bool coordonneesDansPlan(const TfigureKalmetra& f, int P, int Q, int T, double x, double y, double z,
                         double& p1, double& p2) {
    bool nul = false;
    double a = 0, b = 0, c = 0, d = 0;
    normalePlan(f, P, Q, nul, d, a, b, c, T);
    if (nul || std::fabs(a * x + b * y + c * z + d) > 1e-6) return false;
    Tvecteur3 O, U, V;
    if (Q != 0) {
        O = pointObjet(f, P);
        directionObjet(f, P, Q, U.x, U.y, U.z);
        directionObjet(f, P, T, V.x, V.y, V.z);
    } else if (objet(f, P).codeConstruction == 166) {
        U = pointObjet(f, P, 4);
        V = pointObjet(f, P, 7);
        O = pointObjet(f, P, 10);
    } else {
        repereDuPlan(O, U, V, a, b, c, d);
    }
    const double w[3] = {x - O.x, y - O.y, z - O.z};
    const double u[3] = {U.x, U.y, U.z};
    const double v[3] = {V.x, V.y, V.z};
    static const int paires[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pr : paires) {
        const int i = pr[0], j = pr[1];
        const double det = u[i] * v[j] - v[i] * u[j];
        if (std::fabs(det) > 1e-6) {
            p1 = (w[i] * v[j] - w[j] * v[i]) / det;
            p2 = (w[j] * u[i] - w[i] * u[j]) / det;
            return true;
        }
    }
    return false;
}

bool variableReelle(const TObjetFigure& o, double a, double b, double x, double& p1) {
    const double d = b - a;
    if (std::fabs(d) < 1e-10) {
        if (std::fabs(x - b) > 1e-10) return false;
        p1 = 0;
        return true;
    }
    p1 = (x - a) / d;
    if (pilotageEnBoucle(o)) {
        p1 -= std::trunc(p1);
        if (p1 < 0) p1 = p1 < -1e-10 ? p1 + 1 : 0;
    }
    return !rameneEntreZeroEtUn(p1);
}

bool variableEntiere(const TfigureKalmetra& f, int k, double a, double b, double x, double& p1) {
    const double d = b - a;
    if (std::fabs(d) < 1e-10) {
        if (std::fabs(x - b) > 1e-10) return false;
        p1 = 0;
        return true;
    }
    if (std::fabs(x) > 1e10) return false;
    double r = plusProche(x);
    if (std::fabs(r - x) > 0.5) return false;
    p1 = (r - a) / d;
    double essai = p1;
    if (!rameneEntreZeroEtUn(essai)) {
        p1 = essai;
        return true;
    }
    if (!pilotageEnBoucle(objet(f, k))) return false;
    int n = 0, bas = 0;
    nombreEntiersEntreValeurs(f, k, n, bas);
    if (n == 0) return false;
    const double q = std::floor((r - bas) / n);
    r -= q * n;
    p1 = (r - a) / d;
    return true;
}

} // namespace

void nombreEntiersEntreValeurs(const TfigureKalmetra& f, int k, int& nombre, int& plusPetit) {
    const double a = valeurDepuisZero(f, k, 1), b = valeurDepuisZero(f, k, 2);
    const double mini = std::min(a, b), maxi = std::max(a, b);
    double bas = plusProche(mini);
    if (bas < mini - 1e-10) bas += 1;
    double haut = plusProche(maxi);
    if (haut > maxi + 1e-10) haut -= 1;
    const double n = haut - bas + 1;
    nombre = n < 0 ? 0 : int(n);
    plusPetit = int(bas);
}

void affecteObjetLibre(const TfigureKalmetra& f, int k, double x, double y, double z, double& p1, double& p2,
                       double& p3, uint16_t& erreur) {
    nomErreur1() = nomObjet(f, k);
    const TObjetFigure& o = objet(f, k);
    if (o.nonDefini) {
        erreur = kErreurAffectationImpossible;
        return;
    }
    if (!estObjetLibre(o)) {
        erreur = kErreurPasLibre;
        return;
    }
    const int P = o.nombreParents >= 1 ? parentDepuisZero(f, k, 0) : 0;
    const int Q = o.nombreParents >= 2 ? parentDepuisZero(f, k, 1) : 0;
    const int T = o.nombreParents >= 3 ? parentDepuisZero(f, k, 2) : 0;
    bool ok = true;
    switch (o.codeConstruction) {
    case 1:
    case 3:
    case 4:
    case 5: {
        double t = 0;
        ok = parametreSurDroite(f, P, Q, x, y, z, t);
        if (!ok) break;
        if (o.codeConstruction == 3) {
            ok = !rameneEntreZeroEtUn(t);
        } else if (o.codeConstruction == 4) {
            ok = t >= -1e-6;
            if (t < 0) t = 0;
        } else if (o.codeConstruction == 1) {
            t = plusProche(t);
        }
        p1 = t;
        break;
    }
    case 2: {
        double a = 0, b = 0, c = 0;
        coordonneesDansRepere(f, P, x, y, z, a, b, c);
        p1 = plusProche(a), p2 = plusProche(b), p3 = plusProche(c);
        ok = std::fabs(p1 - a) <= 0.5 && std::fabs(p2 - b) <= 0.5 && std::fabs(p3 - c) <= 0.5;
        break;
    }
    case 6: {
        const TDonneesCercle* c = donneesDe<TDonneesCercle>(f, P);
        if (c == nullptr) {
            ok = false;
            break;
        }
        const Tvecteur3& n = c->normale;
        ok = std::fabs(n.x * x + n.y * y + n.z * z + c->d) <= 1e-6;
        const double wx = x - c->centre.x, wy = y - c->centre.y, wz = z - c->centre.z;
        const double r = norme3(wx, wy, wz);
        ok = ok && std::fabs(r - c->rayon) <= 1e-6 && r > 0;
        if (!ok) break;
        double angle = arcCosinus((produitScalaire(c->u.x, c->u.y, c->u.z, wx, wy, wz) / r) / c->rayon);
        if (produitScalaire(c->v.x, c->v.y, c->v.z, wx, wy, wz) < 0) angle = -angle;
        p1 = angle;
        break;
    }
    case 7: {
        const Tvecteur3 C = pointObjet(f, P, 0), n = pointObjet(f, P, 3), S = pointObjet(f, P, 7);
        const double rayon = valeurDepuisZero(f, P, 6), ouverture = valeurDepuisZero(f, P, 10);
        const double wx = x - C.x, wy = y - C.y, wz = z - C.z;
        const double r = norme3(wx, wy, wz);
        ok = std::fabs(produitScalaire(n.x, n.y, n.z, wx, wy, wz)) <= 1e-6 && std::fabs(r - rayon) <= 1e-6 &&
             r > 0 && std::fabs(ouverture) > 0;
        if (!ok) break;
        const double ax = S.x - C.x, ay = S.y - C.y, az = S.z - C.z;
        double angle = arcCosinus((produitScalaire(ax, ay, az, wx, wy, wz) / r) / rayon);
        double bx = 0, by = 0, bz = 0;
        produitVectoriel(bx, by, bz, n.x, n.y, n.z, ax, ay, az);
        if (produitScalaire(bx, by, bz, wx, wy, wz) < 0) angle = -angle;
        if (angle < 0) angle += 2 * kPi;
        p1 = angle / ouverture;
        ok = !rameneEntreZeroEtUn(p1);
        break;
    }
    case 44:
        ok = variableEntiere(f, k, valeurDepuisZero(f, k, 1), valeurDepuisZero(f, k, 2), x, p1);
        break;
    case 45:
        ok = variableReelle(o, valeurDepuisZero(f, k, 1), valeurDepuisZero(f, k, 2), x, p1);
        break;
    case 74:
        p1 = x;
        break;
    case 75:
        p1 = arrondiBorne(x);
        ok = std::fabs(x - p1) <= 0.5;
        break;
    case 132:
        p1 = x, p2 = y, p3 = z;
        break;
    case 148:
        ok = coordonneesDansPlan(f, P, Q, T, x, y, z, p1, p2);
        break;
    case 189:
        // The target must lie in the polygon (within a millionth); its plane
        // coordinates come from the point's extension record.
        ok = pointDansSolide(f, P, x, y, z);
        if (ok) coordonneesDansPolygoneAnnexe(f, k, p1, p2, x, y, z);
        break;
    case 206: {
        const TDonneesSphere* s = donneesDe<TDonneesSphere>(f, P);
        if (s == nullptr) {
            ok = false;
            break;
        }
        const double wx = x - s->centre.x, wy = y - s->centre.y, wz = z - s->centre.z;
        const double r = norme3(wx, wy, wz);
        ok = r > 0 && std::fabs(r - s->rayon) <= 1e-6;
        if (!ok) break;
        p2 = 90 - arcCosinus(wz / r) * 180 / kPi;
        if (std::fabs(p2) > 89.999999) {
            p1 = 0;
        } else {
            p1 = arcCosinus((wx / r) / std::cos(p2 * kPi / 180)) * 180 / kPi;
            if (wy < 0) p1 = -p1;
        }
        break;
    }
    default:
        erreur = kErreurPasLibre;
        return;
    }
    if (!ok) erreur = kErreurAffectationImpossible;
}

namespace {

// Looks the free object up (604 when it is not free), then assigns it the
// target and recomputes its dependants.
void affecteCible(TfigureKalmetra& f, int k, double x, double y, double z, bool redessine, uint16_t& erreur) {
    double p[3] = {0, 0, 0};
    affecteObjetLibre(f, k, x, y, z, p[0], p[1], p[2], erreur);
    if (estRefus(erreur)) return;
    erreur = 0;
    TEnsembleObjets ensemble;
    ensemble.set(std::size_t(k));
    TvaleursLibres valeurs{};
    valeurs[0] = p[0], valeurs[1] = p[1], valeurs[2] = p[2];
    affecteValeursObjetsLibres(f, ensemble, valeurs, 3, redessine);
}

int objetLibre(const TfigureKalmetra& f, const std::string& nom, uint8_t nature, uint8_t mode,
               uint16_t& erreur) {
    uint8_t k = 0;
    numeroObjetDeNom(f, nature, coupe(nom, 10), erreur, k, mode);
    if (estRefus(erreur)) return 0;
    if (!estObjetLibre(objet(f, k))) {
        nomErreur1() = coupe(nom, 10);
        erreur = kErreurPasLibre;
        return 0;
    }
    return k;
}

} // namespace

void affecteVariableNumeriqueLibre(TfigureKalmetra& f, const std::string& nom, const std::string& valeur,
                                   uint8_t modeLecture, bool redessine, uint16_t& erreur) {
    erreur = 0;
    const int k = objetLibre(f, nom, kNatureNombreReel, modeLecture, erreur);
    if (k == 0) return;
    double x = 0;
    evalueExpressionTexte(f, coupe(valeur, 80), modeLecture, erreur, x);
    if (estRefus(erreur)) {
        nomErreur1() = coupe(valeur, 80);
        return;
    }
    affecteCible(f, k, x, 0, 0, redessine, erreur);
    if (erreur == 0) publieVariablesPartagees(f);
}

void affectePointLibreSurPoint(TfigureKalmetra& f, const std::string& nom, const std::string& cible,
                               uint8_t modeLecture, bool redessine, uint16_t& erreur) {
    erreur = 0;
    const int k = objetLibre(f, nom, kNaturePoint, modeLecture, erreur);
    if (k == 0) return;
    uint8_t c = 0;
    numeroObjetDeNom(f, kNaturePoint, coupe(cible, 10), erreur, c, modeLecture);
    if (estRefus(erreur)) return;
    affecteCible(f, k, valeurDepuisZero(f, c, 0), valeurDepuisZero(f, c, 1), valeurDepuisZero(f, c, 2),
                 redessine, erreur);
    if (erreur == 0) publieVariablesPartagees(f);
}

void affectePointLibreParCoordonnees(TfigureKalmetra& f, const std::string& nom, const std::string& repere,
                                     const std::string& x, const std::string& y, const std::string& z,
                                     uint8_t modeLecture, bool redessine, uint16_t& erreur) {
    erreur = 0;
    const int k = objetLibre(f, nom, kNaturePoint, modeLecture, erreur);
    if (k == 0) return;
    uint8_t r = 0;
    numeroObjetDeNom(f, kNatureRepere, coupe(repere, 10), erreur, r, modeLecture);
    if (estRefus(erreur)) return;
    double c[3] = {0, 0, 0};
    const std::string* textes[3] = {&x, &y, &z};
    for (int i = 0; i < 3; ++i) {
        evalueExpressionTexte(f, coupe(*textes[i], 80), modeLecture, erreur, c[i]);
        if (estRefus(erreur)) {
            nomErreur1() = coupe(*textes[i], 80);
            return;
        }
    }
    double px = 0, py = 0, pz = 0;
    pointDeCoordonneesDansRepere(f, r, c[0], c[1], c[2], px, py, pz);
    affecteCible(f, k, px, py, pz, redessine, erreur);
}

} // namespace km32
