// Trial moves of the free objects and the lists of free objects to move.
#include "properties/essais_libres.h"

#include <cmath>
#include <vector>

#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "platform/hasard.h"

namespace km32 {

namespace {

// Pi to single precision, as the trials have always drawn their angles: a
// given seed keeps giving the same trials.
constexpr double kPiSimple = 3.1415927;
constexpr double kDeuxPi = 6.2831854;
// A window draw or a walk kept in the drawing that does not end by itself
// stops after this many tries, keeping the old value.
constexpr int kEssaisMax = 10000;

int8_t signeAuHasard() {
    return platform::entierAuHasard(2) == 0 ? -1 : 1;
}

double hasardNonNul() {
    double r = platform::reelAuHasard();
    while (r == 0)
        r = platform::reelAuHasard();
    return r;
}

// The state of one entry during one call.
struct TPas {
    TfigureKalmetra& f;
    int objet;
    int8_t& direction; // the entry's stored direction
    int8_t s;          // the direction used now
    int32_t niveau;
    int32_t diviseur;
    bool aleatoire;

    // Walk with bounce on [lo, hi] of value k (from 0).
    void marche(int k, double pas, double lo, double hi) {
        const double ancien = valeurDepuisZero(f, objet, k);
        const double nouveau = ancien + pas;
        if (nouveau >= lo && nouveau <= hi) {
            valeurDepuisZero(f, objet, k) = nouveau;
        } else {
            direction = int8_t(-direction);
            valeurDepuisZero(f, objet, k) = ancien - pas;
        }
    }

    // A draw repeated until it falls strictly within the window of the old value.
    template <class Tirage> void tirageFenetre(int k, double fenetre, Tirage tirage) {
        const double ancien = valeurDepuisZero(f, objet, k);
        for (int essai = 0; essai < kEssaisMax; ++essai) {
            const double candidat = tirage();
            if (std::fabs(candidat - ancien) < fenetre) {
                valeurDepuisZero(f, objet, k) = candidat;
                return;
            }
        }
    }

    void signeSiAleatoire() {
        if (aleatoire) s = signeAuHasard();
    }
};

} // namespace

int32_t diviseurDeNiveau(int32_t niveau) {
    static constexpr int32_t kDiviseurs[] = {2, 50, 40, 35, 30, 25, 20, 10, 5, 4, 3};
    return niveau >= 1 && niveau <= 10 ? kDiviseurs[niveau] : 2;
}

bool pointHorsDuDessin(const TfigureKalmetra& f, int i, int32_t& x, int32_t& y) {
    const double X = valeurDepuisZero(f, i, 0), Y = valeurDepuisZero(f, i, 1), Z = valeurDepuisZero(f, i, 2);
    if (horsDesBornes(f, X) || horsDesBornes(f, Y) || horsDesBornes(f, Z)) return true;
    const int32_t ex = coordonneeEntiere(f, X), ey = coordonneeEntiere(f, Y), ez = coordonneeEntiere(f, Z);
    x = projetteX(f, ex, ey, ez);
    y = projetteY(f, ex, ey, ez);
    return horsDeLImage(f, x, y);
}

bool essaiHorsDuDessin(TfigureKalmetra& f, int i) {
    // Only the point's own position is asked, and it follows from its
    // parents and its free values alone: it is computed here and its values
    // are put back afterwards, which leaves the figure as it was.
    TObjetFigure& o = objet(f, i);
    const TObjetFigure avant = o;
    std::array<double, 256> valeurs{};
    const int n = o.nombreValeurs;
    for (int k = 0; k < n; ++k)
        valeurs[std::size_t(k)] = valeurDepuisZero(f, i, k);
    calculeObjet(f, i);
    int32_t x = 0, y = 0;
    const bool hors = objet(f, i).nonDefini != 0 || pointHorsDuDessin(f, i, x, y);
    for (int k = 0; k < n; ++k)
        valeurDepuisZero(f, i, k) = valeurs[std::size_t(k)];
    objet(f, i) = avant;
    return hors;
}

namespace {

// The length that one unit of abscissa measures on the point's support.
double longueurAbscisse(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    if (o.nombreParents < 1) return 1;
    const int a = parentDepuisZero(f, i, 0);
    const int b = o.nombreParents >= 2 ? parentDepuisZero(f, i, 1) : 0;
    const double l = normeDirectionObjet(f, a, b);
    return l > 1e-12 ? l : 1;
}

void marcheEntiere(TPas& p, int k, bool& garde) {
    double pas = double(p.niveau);
    const double ancien = valeurDepuisZero(p.f, p.objet, k);
    int rebonds = 0, moities = 0;
    for (int essai = 0; essai < kEssaisMax; ++essai) {
        valeurDepuisZero(p.f, p.objet, k) = ancien + p.s * pas;
        if (!garde || !essaiHorsDuDessin(p.f, p.objet)) return;
        if (rebonds == 0) {
            p.s = int8_t(-p.s);
            p.direction = int8_t(-p.direction);
            rebonds = 1;
        } else {
            pas = std::round(pas / 2);
            p.s = int8_t(-p.s);
            rebonds = 0;
            if (++moities >= 21) return;
        }
    }
}

void marcheAbscisse(TPas& p, bool demiDroite, bool& garde) {
    const double L = longueurAbscisse(p.f, p.objet);
    const double ancien = valeurDepuisZero(p.f, p.objet, 3);
    auto ecrit = [&](double pas) {
        double nouveau = ancien + p.s * pas;
        if (demiDroite && nouveau < 0) {
            p.s = int8_t(-p.s);
            p.direction = int8_t(-p.direction);
            nouveau = ancien + p.s * pas;
        }
        valeurDepuisZero(p.f, p.objet, 3) = nouveau;
    };
    if (!p.aleatoire) {
        double pas = (1 / L) * (5.0 / p.diviseur);
        bool rebond = false;
        for (int essai = 1; essai <= 11; ++essai) {
            ecrit(pas);
            if (!garde || !essaiHorsDuDessin(p.f, p.objet)) return;
            if (rebond) {
                pas /= 2;
                p.s = int8_t(-p.s);
                rebond = false;
            } else {
                rebond = true;
                p.s = int8_t(-p.s);
                p.direction = int8_t(-p.direction);
                double r = platform::reelAuHasard() * p.diviseur;
                if (r == 0) r = 0.75 * p.diviseur;
                pas = (1 / L) * (5 / r);
            }
        }
        valeurDepuisZero(p.f, p.objet, 3) = 0.5;
        return;
    }
    auto tirePas = [&]() {
        double r = demiDroite ? platform::reelAuHasard() * p.diviseur
                              : platform::reelAuHasard() * 2 * p.diviseur - p.diviseur;
        if (r == 0) r = 0.75 * p.diviseur;
        return (1 / L) * (5 / r);
    };
    if (demiDroite) p.s = signeAuHasard();
    double pas = tirePas();
    for (int essai = 0; essai < kEssaisMax; ++essai) {
        if (demiDroite)
            ecrit(pas);
        else
            valeurDepuisZero(p.f, p.objet, 3) = ancien + pas;
        if (!garde || !essaiHorsDuDessin(p.f, p.objet)) return;
        if (demiDroite) p.s = int8_t(-p.s);
        pas = tirePas();
    }
    valeurDepuisZero(p.f, p.objet, 3) = ancien;
}

void deplace(TPas& p, uint8_t code, uint8_t& garde, uint8_t veut, double unitePixels) {
    const double k = double(p.niveau);
    const double div = double(p.diviseur);
    switch (code) {
    case 3:
    case 45:
        if (p.aleatoire)
            p.tirageFenetre(3, 2.5 / div, [] { return platform::reelAuHasard(); });
        else
            p.marche(3, p.s / div, 0, 1);
        break;
    case 189:
        for (int c = 3; c <= 4; ++c) {
            if (p.aleatoire)
                valeurDepuisZero(p.f, p.objet, c) = platform::reelAuHasard();
            else
                p.marche(c, p.s / div, 0, 1);
        }
        break;
    case 206:
        if (p.aleatoire) {
            p.tirageFenetre(3, 2 * k, [] { return platform::reelAuHasard() * 360 - 180; });
            p.tirageFenetre(4, 2 * k, [] { return platform::reelAuHasard() * 180 - 90; });
        } else {
            p.marche(3, k * p.s, -180, 180);
            p.marche(4, k * p.s, -90, 90);
        }
        break;
    case 148:
    case 132: {
        const int premier = code == 148 ? 3 : 0, dernier = code == 148 ? 4 : 2;
        const double echelle = code == 148 ? k / 10 : k / (unitePixels > 0 ? unitePixels : 1);
        for (int c = premier; c <= dernier; ++c) {
            p.signeSiAleatoire();
            valeurDepuisZero(p.f, p.objet, c) += p.s * hasardNonNul() * echelle;
        }
        break;
    }
    case 74: {
        p.signeSiAleatoire();
        const double ancien = valeurDepuisZero(p.f, p.objet, 0);
        const double pas = std::fabs(ancien) < 0.1 ? 0.3 * p.s : p.s * ancien / div;
        valeurDepuisZero(p.f, p.objet, 0) = ancien + pas;
        break;
    }
    case 75:
        p.signeSiAleatoire();
        valeurDepuisZero(p.f, p.objet, 0) += k * p.s;
        break;
    case 44: {
        const double etendue = valeurDepuisZero(p.f, p.objet, 2) - valeurDepuisZero(p.f, p.objet, 1);
        if (etendue == 0) break;
        if (p.aleatoire)
            p.tirageFenetre(3, std::fabs(2 * k / etendue), [] { return platform::reelAuHasard(); });
        else
            p.marche(3, k * p.s / etendue, 0, 1);
        break;
    }
    case 6:
        if (p.aleatoire) {
            p.tirageFenetre(3, 2 * k * kPiSimple / 180,
                            [] { return platform::reelAuHasard() * 6.28 - 3.14; });
        } else {
            p.marche(3, k * p.s * kPiSimple / 180, -10000, 10000);
            double& angle = valeurDepuisZero(p.f, p.objet, 3);
            while (angle > kPiSimple)
                angle -= kDeuxPi;
            while (angle < -kPiSimple)
                angle += kDeuxPi;
        }
        break;
    case 7: {
        const TObjetFigure& o = objet(p.f, p.objet);
        if (o.nombreParents < 1) break;
        const double A = std::fabs(valeurDepuisZero(p.f, parentDepuisZero(p.f, p.objet, 0), 10));
        if (A == 0) break;
        if (p.aleatoire)
            p.tirageFenetre(3, (2 * k / A) * kPiSimple / 180, [] { return platform::reelAuHasard(); });
        else
            p.marche(3, (k / A) * p.s * kPiSimple / 180, 0, 1);
        break;
    }
    case 1:
    case 2:
    case 4:
    case 5: {
        int32_t x = 0, y = 0;
        if (pointHorsDuDessin(p.f, p.objet, x, y)) {
            garde = 0;
        } else if (!garde && veut) {
            garde = 1;
        }
        bool g = garde != 0;
        p.signeSiAleatoire();
        if (code == 1)
            marcheEntiere(p, 3, g);
        else if (code == 2)
            marcheEntiere(p, 3 + platform::entierAuHasard(3), g);
        else
            marcheAbscisse(p, code == 4, g);
        break;
    }
    default:
        break;
    }
}

// Splits a ";"-list into its items.
std::vector<std::string> elements(const std::string& liste) {
    std::vector<std::string> r;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = liste.find(';', debut);
        r.push_back(liste.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }
    return r;
}

} // namespace

void testeParTiragesAleatoires(TfigureKalmetra& f, TEntreesEssai& e, uint8_t nombre,
                               TEnsembleObjets& objetsDeplaces) {
    if (nombre > kMaxEntreesPlan) nombre = kMaxEntreesPlan;
    if (f.nombreObjets < kObjetsPredefinis) return;
    for (int i = kObjetsPredefinis; i <= f.nombreObjets; ++i) {
        const std::string nom = nomObjet(f, i);
        int j = 0;
        for (int k = 1; k <= nombre && j == 0; ++k)
            if (e.noms[std::size_t(k)] == nom) j = k;
        if (j == 0) continue;
        const uint8_t code = objet(f, i).codeConstruction;
        if (!estConstructionLibre(code) || objet(f, i).numeroPrototype != 0) continue;
        objetsDeplaces.set(std::size_t(i));
        int8_t& direction = e.directions[std::size_t(j)][0];
        if (direction != 1 && direction != -1) direction = 1;
        TPas p{f,
               i,
               direction,
               direction,
               e.niveaux[std::size_t(j)],
               diviseurDeNiveau(e.niveaux[std::size_t(j)]),
               e.aleatoire[std::size_t(j)] != 0};
        deplace(p, code, e.dansLeDessin[std::size_t(j)], e.veutLeDessin[std::size_t(j)],
                f.longueurUnitePixels);
    }
}

void listeObjetsLibresSauf(const TfigureKalmetra& f, const std::string& exclus, TNomsObjets& noms,
                           uint8_t& nombre) {
    TEnsembleObjets ensemble;
    if (!exclus.empty())
        for (const std::string& nom : elements(exclus))
            if (const int i = numeroObjetDeNotation(f, nom)) ensemble.set(std::size_t(i));
    nombre = 0;
    for (int i = kObjetsPredefinis; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (ensemble.test(std::size_t(i)) || !estConstructionLibre(o.codeConstruction) ||
            o.numeroPrototype != 0)
            continue;
        if (nombre == kMaxEntreesPlan) break;
        noms[++nombre] = nomObjet(f, i);
    }
}

void listeObjetsLibresNommes(const TfigureKalmetra& f, const std::string& liste, TNomsObjets& noms,
                             uint8_t& nombre) {
    std::vector<std::string> items = elements(liste);
    if (items.size() > std::size_t(kMaxEntreesPlan)) items.resize(kMaxEntreesPlan);
    for (const std::string& item : items) {
        if (item.empty()) {
            nombre = 255;
            return;
        }
    }
    nombre = 0;
    for (int i = kObjetsPredefinis; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.codeConstruction >= 208 || !estConstructionLibre(o.codeConstruction) || o.numeroPrototype != 0)
            continue;
        // One entry per time the name is listed: the entries keep the places
        // of the caller's per-entry settings (a name listed twice is then
        // moved by its first entry).
        const std::string nom = nomObjet(f, i);
        for (const std::string& item : items)
            if (item == nom && nombre < kMaxEntreesPlan) noms[++nombre] = nom;
    }
}

} // namespace km32
