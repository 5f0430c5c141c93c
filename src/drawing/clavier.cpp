#include "drawing/clavier.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "drawing/bloc_dessin.h"
#include "drawing/clavier_partage.h"
#include "drawing/donnees_dessin.h"
#include "drawing/rafraichissement.h"
#include "drawing/traces.h"
#include "model/calcul/aides_construction.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/calcul/geometrie.h"
#include "model/calcul/ronds.h"
#include "model/catalogue.h"
#include "model/fenetres_figure.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/services_dessin.h"
#include "model/solides/parties_cachees.h"
#include "platform/messages.h"
#include "text/garde_demarrage.h"

namespace km32 {

namespace c = construction;

namespace {

// The step of a free object: its last value.
double& pas(TfigureKalmetra& f, int i) {
    return valeurDepuisZero(f, i, objet(f, i).nombreValeurs - 1);
}

double entierAuMoins1(double v) {
    const double r = std::round(v);
    return r < 1 ? 1 : r;
}

// Parent k of i counted from 0; 0 when i has fewer parents.
int parentN(const TfigureKalmetra& f, int i, int k) {
    return k < objet(f, i).nombreParents ? parentDepuisZero(f, i, k) : 0;
}

// A parameter that must stay in [0, 1] (bas only: no upper bound); false
// when the step is refused at a bound.
bool borneFraction(double& p, double ancien, double s, bool haut) {
    if (s > 0 && haut) {
        if (ancien >= 1) return false;
        if (p > 1) p = 1;
    } else if (s < 0) {
        if (ancien <= 0) return false;
        if (p < 0) p = 0;
    }
    return true;
}

// The parameter of a real variable in an interval, looping or not.
bool borneIntervalle(double& p, double ancien, double s, bool boucle) {
    if (!boucle) return borneFraction(p, ancien, s, true);
    if (p > 1)
        p -= 1;
    else if (p < 0)
        p = p >= -1e-10 ? 0 : p + 1;
    return true;
}

// An integer variable in an interval looping past an end: its value wraps
// within the integers of the interval; false when it holds fewer than two.
bool boucleEntier(double& p, double bas, double haut) {
    double lo = bas, hi = haut;
    if (lo > hi) std::swap(lo, hi);
    double a = std::round(lo);
    if (lo - 1e-10 > a) a += 1;
    double b = std::round(hi);
    if (hi + 1e-10 < b) b -= 1;
    const double n = b - a + 1 < 0 ? 0 : b - a + 1;
    if (n < 2) return false;
    const double x = std::round(bas + p * (haut - bas));
    const double m = a + std::fmod(std::fmod(x - a, n) + n, n);
    p = (m - bas) / (haut - bas);
    return true;
}

// The change itself, by construction code; false when refused.
bool appliquePas(TfigureKalmetra& f, int a, uint8_t d, double s) {
    TObjetFigure& o = objet(f, a);
    const double signe = (d % 2 == 0) ? 1.0 : -1.0;
    auto ajoute = [&](int k, double sg) { valeurDepuisZero(f, a, k) += sg * s; };
    switch (o.codeConstruction) {
    case c::kReelLibre:
    case c::kEntierLibre:
        ajoute(0, signe);
        return true;
    case c::kPointLibreAbscisseEntiere:
    case c::kPointLibreSurDroite:
    case c::kPointLibreSurCercle:
        ajoute(3, signe);
        return true;
    case c::kPointLibreSurSegment:
    case c::kPointLibreSurDemiDroite:
    case c::kPointLibreSurArc: {
        const double ancien = valeurDepuisZero(f, a, 3);
        double p = ancien + signe * s;
        if (!borneFraction(p, ancien, signe * s, o.codeConstruction != c::kPointLibreSurDemiDroite))
            return false;
        valeurDepuisZero(f, a, 3) = p;
        return true;
    }
    case c::kPointLibreCoordonneesEntieres: {
        static constexpr std::array<int, 6> k{5, 5, 4, 4, 3, 3};
        static constexpr std::array<double, 6> sg{1, -1, 1, -1, -1, 1};
        ajoute(k[std::size_t(d - 2)], sg[std::size_t(d - 2)]);
        return true;
    }
    case c::kPointLibreDansEspace: {
        static constexpr std::array<int, 6> k{2, 2, 1, 1, 0, 0};
        static constexpr std::array<double, 6> sg{1, -1, 1, -1, -1, 1};
        ajoute(k[std::size_t(d - 2)], sg[std::size_t(d - 2)]);
        return true;
    }
    case c::kPointLibreDansPlan:
    case c::kPointLibreDansPolygone:
        if (d <= 3)
            ajoute(4, signe);
        else if (d <= 5)
            ajoute(3, signe);
        return true;
    case c::kPointLibreSurSphere: {
        double& longitude = valeurDepuisZero(f, a, 3);
        double& latitude = valeurDepuisZero(f, a, 4);
        if (d <= 3) {
            if (d == 2) {
                if (latitude >= 90) return false;
                latitude = std::min(latitude + s, 90.0);
            } else {
                if (latitude <= -90) return false;
                latitude = std::max(latitude - s, -90.0);
            }
        } else if (d <= 5) {
            if (std::fabs(latitude) >= 90) return false;
            longitude += signe * s;
            if (longitude > 180)
                longitude -= 360;
            else if (longitude <= -180)
                longitude += 360;
        }
        return true;
    }
    case c::kReelLibreIntervalle: {
        const double ancien = valeurDepuisZero(f, a, 3);
        double p = ancien + signe * s;
        if (!borneIntervalle(p, ancien, signe * s, pilotageEnBoucle(o))) return false;
        valeurDepuisZero(f, a, 3) = p;
        return true;
    }
    case c::kEntierLibreIntervalle: {
        const double bas = valeurDepuisZero(f, a, 1), haut = valeurDepuisZero(f, a, 2);
        if (std::fabs(s) > 1e8 || bas == haut) return false;
        const double ancien = valeurDepuisZero(f, a, 3);
        double p = ancien + signe * s / std::fabs(haut - bas);
        if (!pilotageEnBoucle(o)) {
            if (!borneFraction(p, ancien, signe, true)) return false;
        } else if (p > 1 || p < 0) {
            if (!boucleEntier(p, bas, haut)) return false;
        }
        valeurDepuisZero(f, a, 3) = p;
        return true;
    }
    default:
        return false;
    }
}

// After a step of a glued free point in space: it stays on the object it
// is glued to when it can reach it. False when the step is lost (the point
// was on an undefined object): the host hears of nothing.
bool apresPasColle(TfigureKalmetra& f, int a, const calcul::V3& ancien) {
    const int G = objet(f, a).pointColle;
    recalculeDependantsObjetActif(f);
    if (!objet(f, G).nonDefini) {
        const calcul::V3 nouveau = calcul::pointObjet(f, a);
        calcul::ecritV3DepuisZero(f, a, 0, calcul::pointObjet(f, G));
        recalculeDependantsObjetActif(f);
        if (!objet(f, G).nonDefini && pointsConfondus(f, a, G)) {
            TEnsembleObjets S;
            entraineLesPointsColles(f, S);
            rafraichitEnsembleModifie(f, S);
        } else {
            calcul::ecritV3DepuisZero(f, a, 0, nouveau);
            recalculeDependantsObjetActif(f);
            rafraichitApresDeplacement(f);
        }
    } else {
        const calcul::V3 g = calcul::pointObjet(f, G);
        const calcul::V3 e = ancien - g;
        if (std::sqrt(e.x * e.x + e.y * e.y + e.z * e.z) < 1e-6) {
            // The step is lost.
            calcul::ecritV3DepuisZero(f, a, 0, ancien);
            recalculeDependantsObjetActif(f);
            return false;
        }
        rafraichitApresDeplacement(f);
    }
    return true;
}

} // namespace

double incrementObjetLibre(const TfigureKalmetra& f) {
    const int a = f.objetLibreActif;
    if (a == 0 || objet(f, a).nonDefini) return 1.0;
    const TObjetFigure& o = objet(f, a);
    const bool autreUnite = pasEnUniteAlternative(o);
    switch (o.codeConstruction) {
    case c::kPointLibreAbscisseEntiere:
    case c::kEntierLibreIntervalle:
        return entierAuMoins1(valeurDepuisZero(f, a, 4));
    case c::kPointLibreCoordonneesEntieres:
        return entierAuMoins1(valeurDepuisZero(f, a, 6));
    case c::kPointLibreSurSegment: {
        const double v = valeurDepuisZero(f, a, 4);
        if (!autreUnite) return v;
        const double l = normeDirectionObjet(f, parentN(f, a, 0), parentN(f, a, 1));
        return l > 0 ? v / l : v;
    }
    case c::kPointLibreSurDemiDroite:
    case c::kPointLibreSurDroite: {
        const double v = valeurDepuisZero(f, a, 4);
        if (autreUnite) return v;
        const double l = normeDirectionObjet(f, parentN(f, a, 0), parentN(f, a, 1));
        return l > 0 ? v / l : v;
    }
    case c::kPointLibreSurCercle: {
        const double v = valeurDepuisZero(f, a, 4);
        if (!autreUnite) return v * 2 * kPi;
        const double r = calcul::cercleObjet(f, parentN(f, a, 0)).rayon;
        return r > 0 ? v / r : v;
    }
    case c::kPointLibreSurArc: {
        const double v = valeurDepuisZero(f, a, 4);
        if (!autreUnite) return v;
        const int arc = parentN(f, a, 0);
        const calcul::V3 r = calcul::lisV3DepuisZero(f, arc, 7) - calcul::lisV3DepuisZero(f, arc, 0);
        const double longueur = std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z) * valeurDepuisZero(f, arc, 10);
        return longueur != 0 ? v / longueur : v;
    }
    case c::kReelLibreIntervalle: {
        const double e = std::fabs(valeurDepuisZero(f, a, 2) - valeurDepuisZero(f, a, 1));
        return e == 0 ? 0 : valeurDepuisZero(f, a, 4) / e;
    }
    case c::kReelLibre:
        return valeurDepuisZero(f, a, 1);
    case c::kEntierLibre:
        return std::round(valeurDepuisZero(f, a, 1));
    case c::kPointLibreDansEspace:
        return valeurDepuisZero(f, a, 3);
    case c::kPointLibreDansPlan:
    case c::kPointLibreDansPolygone:
        return valeurDepuisZero(f, a, 5);
    case c::kPointLibreSurSphere: {
        const double v = valeurDepuisZero(f, a, 5);
        if (!autreUnite) return v;
        const double r = calcul::sphereObjet(f, parentN(f, a, 0)).rayon;
        return r > 0 ? v / r * 180 / kPi : v;
    }
    default:
        return 1.0;
    }
}

bool deplaceObjetLibreClavier(TfigureKalmetra& f, uint8_t direction) {
    const int a = f.objetLibreActif;
    if (a == 0 || a > f.nombreObjets || direction < 2 || direction > 7) return false;
    TObjetFigure& o = objet(f, a);
    if (o.nonDefini) return false;
    const double s = incrementObjetLibre(f);
    const calcul::V3 ancien = calcul::pointObjet(f, a);
    // A step after which a stored start line would no longer run is refused.
    GardeDemarrage demarrage(f);
    if (!appliquePas(f, a, direction, s)) return false;
    if (o.codeConstruction == c::kPointLibreDansEspace && o.pointColle != 0) {
        // The host hears of the step only once it is kept.
        const bool bouge = apresPasColle(f, a, ancien);
        if (!demarrage.accepte(a)) return false;
        if (bouge) {
            f.dernierLibreBouge = uint8_t(a);
            notifieHoteEtPublie(f, kCauseClavier);
        }
        return true;
    }
    TEnsembleObjets S;
    S.set(std::size_t(a));
    recalculeDependants(f, S);
    if (!demarrage.accepte(a)) return false;
    f.modifiee = 1;
    f.dernierLibreBouge = uint8_t(a);
    notifieHoteEtPublie(f, kCauseClavier);
    return true;
}

bool changePasClavier(TfigureKalmetra& f, uint32_t code) {
    static constexpr std::array<double, 13> echelons{90,  45,  30,  10,   5,    2,   1,
                                                     0.5, 0.2, 0.1, 0.05, 0.02, 0.01};
    int rang = -1;
    for (std::size_t k = 0; k < echelons.size(); ++k)
        if (std::fabs(f.pasClavier - echelons[k]) <= 1e-6) rang = int(k);
    if (rang < 0)
        f.pasClavier = 5;
    else if (code == 246)
        f.pasClavier = echelons[std::size_t(rang > 0 ? rang - 1 : 0)];
    else
        f.pasClavier = echelons[std::size_t(rang < int(echelons.size()) - 1 ? rang + 1 : rang)];
    f.modifiee = 1;
    return true;
}

bool multiplieObjetLibreActif(TfigureKalmetra& f, double facteur) {
    const int a = f.objetLibreActif;
    if (a == 0 || a > f.nombreObjets || pasNonModifiable(objet(f, a))) return false;
    if (objet(f, a).nombreValeurs == 0) return false;
    const double ancien = pas(f, a);
    double v = ancien * facteur;
    if (!(std::fabs(v) < 1e6) || std::fabs(v) <= 1e-6) return false;
    switch (objet(f, a).codeConstruction) {
    case c::kPointLibreAbscisseEntiere:
    case c::kPointLibreCoordonneesEntieres:
    case c::kEntierLibreIntervalle:
    case c::kEntierLibre:
        v = entierAuMoins1(v);
        break;
    default:
        break;
    }
    pas(f, a) = v;
    return v != ancien;
}

void prepareObjetActif(TfigureKalmetra& f, int n) {
    if (n < 1 || n > f.nombreObjets || objet(f, n).nonDefini) return;
    // A blocked free object is never the one driven from the keyboard: the
    // figure text's reader refuses it as the active object (621), so the
    // text written would not read back.
    if (estObjetLibreBloque(objet(f, n))) return;
    f.objetLibreActif = uint8_t(n);
    marqueDependantsObjetActif(f);
}

void notifieHoteEtPublie(TfigureKalmetra& f, uint8_t cause) {
    f.causeDernierMouvement = cause;
    if (!figureSansHote(f))
        platform::envoieMessage(f.fenetreHote, platform::WM_KEYUP, kAvisMouvement + cause,
                                int32_t(f.objetLibreActif));
    if (cause != kCausePrise) publieVariablesPartagees(f);
}

void entraineLesPointsColles(TfigureKalmetra& f, TEnsembleObjets& S) {
    const int a = f.objetLibreActif;
    if (a != 0) S.set(std::size_t(a));
    ajouteDependants(f, S);
    suitLesPointsColles(f, S, a);
}

} // namespace km32
