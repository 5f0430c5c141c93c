#include "model/objets_figure.h"

#include <cassert>
#include <cmath>

#include "base/texte.h"
#include "model/catalogue.h"
#include "model/index_noms.h"
#include "model/operations.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {
constexpr std::size_t kLongueurNom = 80;
constexpr std::size_t kLongueurNomCherche = 10;

bool estLigneADeuxPoints(uint8_t code) {
    return code == 30 || code == 33 || code == 34;
}

// The object's slice of the object-name text (name, blank, label).
std::string_view trancheNom(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    const std::string& t = f.texteDesNoms;
    if (o.longueurNom == 0 || o.debutNom < 1 || o.debutNom > t.size()) return {};
    return std::string_view(t).substr(o.debutNom - 1, o.longueurNom);
}
} // namespace

double valeurObjet(const TfigureKalmetra& f, int i, int k) {
    return valeur(f, objet(f, i).premiereValeur + k - 1);
}
double& valeurObjet(TfigureKalmetra& f, int i, int k) {
    return valeur(f, objet(f, i).premiereValeur + k - 1);
}
uint8_t parentObjet(const TfigureKalmetra& f, int i, int k) {
    return parent(f, objet(f, i).premierParent + k - 1);
}
uint8_t& parentObjet(TfigureKalmetra& f, int i, int k) {
    return parent(f, objet(f, i).premierParent + k - 1);
}
double valeurDepuisZero(const TfigureKalmetra& f, int i, int k) {
    return valeur(f, objet(f, i).premiereValeur + k);
}
double& valeurDepuisZero(TfigureKalmetra& f, int i, int k) {
    return valeur(f, objet(f, i).premiereValeur + k);
}
uint8_t parentDepuisZero(const TfigureKalmetra& f, int i, int k) {
    return parent(f, objet(f, i).premierParent + k);
}
uint8_t& parentDepuisZero(TfigureKalmetra& f, int i, int k) {
    return parent(f, objet(f, i).premierParent + k);
}

int numeroExpressionObjet(const TfigureKalmetra& f, int i, int k) {
    const int n = objet(f, i).premiereExpression + k - 1;
    verifieIndice(n, 0, 65535, "parameter expression number");
    return n;
}

int convexeLimitant(const TfigureKalmetra& f, int i) {
    const int limite = objet(f, i).objetLimite;
    if (limite == 0 || objet(f, limite).codeConstruction != construction::kPatron) return limite;
    return parentObjet(f, limite, 1);
}

double uniteDeLongueurObjet(const TfigureKalmetra& f, int i) {
    const uint8_t u = objet(f, i).uniteLongueur;
    return u == 0 ? 1.0 : valeurDepuisZero(f, u, 0);
}

std::size_t longueurTexteDesNoms(const TfigureKalmetra& f) {
    return f.texteDesNoms.size();
}
std::size_t longueurTexteDesFormules(const TfigureKalmetra& f) {
    return f.texteDesFormules.size();
}

std::string nomObjet(const TfigureKalmetra& f, int i) {
    if (i <= 0 || i > f.nombreObjets) return {};
    const TObjetFigure& o = objet(f, i);
    if (estLigneADeuxPoints(o.codeConstruction)) {
        const int p0 = parentDepuisZero(f, i, 0), p1 = parentDepuisZero(f, i, 1);
        // Parents always come before their object; anything else is not followed.
        if (p0 < i && p1 < i) return coupe(nomObjet(f, p0) + nomObjet(f, p1), kLongueurNom);
    }
    const std::string_view tranche = trancheNom(f, i);
    return coupe(tranche.substr(0, tranche.find(' ')), kLongueurNom);
}

std::string texteEtiquetteObjet(const TfigureKalmetra& f, int i) {
    if (i <= 0 || i > f.nombreObjets) return {};
    const uint8_t nature = objet(f, i).nature;
    if (nature != kNaturePoint && nature != kNatureAffichage) return {};
    const std::string_view tranche = trancheNom(f, i);
    const std::size_t blanc = tranche.find(' ');
    if (blanc == std::string_view::npos) return {};
    return coupe(tranche.substr(blanc + 1), kLongueurNom);
}

std::string nomObjetOuVecteur(const TfigureKalmetra& f, int i) {
    if (i > 0 && i <= f.nombreObjets && objet(f, i).nature == kNatureVecteur)
        return coupe("vec(" + nomObjet(f, i) + ")", kLongueurNom);
    return nomObjet(f, i);
}

std::string nomObjetNotation(const TfigureKalmetra& f, int i) {
    if (i > 0 && i <= f.nombreObjets) {
        switch (objet(f, i).codeConstruction) {
        case 30:
            return coupe("(" + nomObjet(f, i) + ")", kLongueurNom);
        case 33:
            return coupe("[" + nomObjet(f, i) + ")", kLongueurNom);
        case 34:
            return coupe("[" + nomObjet(f, i) + "]", kLongueurNom);
        }
    }
    return nomObjetOuVecteur(f, i);
}

bool nomObjetEst(const TfigureKalmetra& f, int i, std::string_view nom) {
    if (i <= 0 || i > f.nombreObjets) return nom.empty();
    const TObjetFigure& o = objet(f, i);
    // A line named by two points: the rare case, by the full name.
    if (estLigneADeuxPoints(o.codeConstruction)) return nomObjet(f, i) == nom;
    const std::string_view tranche = trancheNom(f, i);
    return tranche.substr(0, tranche.find(' ')).substr(0, kLongueurNom) == nom;
}

bool nomObjetOuVecteurEst(const TfigureKalmetra& f, int i, std::string_view nom) {
    if (i > 0 && i <= f.nombreObjets && objet(f, i).nature == kNatureVecteur)
        return nomObjetOuVecteur(f, i) == nom;
    return nomObjetEst(f, i, nom);
}

std::string nomObjetInverse(const TfigureKalmetra& f, int i) {
    return coupe(nomObjet(f, parentDepuisZero(f, i, 1)) + nomObjet(f, parentDepuisZero(f, i, 0)),
                 kLongueurNom);
}

void oteTexteNomObjet(TfigureKalmetra& f, int i) {
    TObjetFigure& o = objet(f, i);
    const std::size_t debut = o.debutNom, longueur = o.longueurNom;
    o.longueurNom = 0;
    if (debut < 1 || longueur == 0 || debut - 1 + longueur > f.texteDesNoms.size()) return;
    for (int j = 1; j <= f.nombreObjets; ++j) {
        const TObjetFigure& autre = objet(f, j);
        if (j != i && autre.longueurNom > 0 && autre.debutNom < debut + longueur &&
            debut < std::size_t(autre.debutNom) + autre.longueurNom)
            return; // shared: the text stays for the other object
    }
    f.texteDesNoms.erase(debut - 1, longueur);
    for (int j = 1; j <= f.nombreObjets; ++j) {
        TObjetFigure& autre = objet(f, j);
        if (j != i && autre.longueurNom > 0 && autre.debutNom > debut)
            autre.debutNom = uint16_t(autre.debutNom - longueur);
    }
}

void changeTexteNomObjet(TfigureKalmetra& f, int i, const std::string& texte) {
    oteTexteNomObjet(f, i);
    TObjetFigure& o = objet(f, i);
    o.debutNom = uint16_t(f.texteDesNoms.size() + 1);
    o.longueurNom = uint8_t(texte.size());
    f.texteDesNoms += texte;
}

namespace {
// The lookups below read the index of names; these scans give the same
// answers from the figure itself, for a figure whose records the index
// cannot read, and to check the index in debug builds.
int numeroDeNomEtTypeParParcours(const TfigureKalmetra& f, std::string_view cherche, uint8_t nature) {
    for (int n = 1; n <= f.nombreObjets; ++n)
        if (objet(f, n).nature == nature && nomObjetEst(f, n, cherche)) return n;
    return 0;
}

int numeroDeNotationParParcours(const TfigureKalmetra& f, std::string_view cherche) {
    for (int n = f.nombreObjets; n >= 1; --n)
        if (!estLigneADeuxPoints(objet(f, n).codeConstruction) && nomObjetOuVecteurEst(f, n, cherche))
            return n;
    for (int n = f.nombreObjets; n >= 1; --n)
        if (nomObjetOuVecteurEst(f, n, cherche)) return n;
    return 0;
}
} // namespace

int numeroObjetDeNomEtType(const TfigureKalmetra& f, std::string_view nom, uint8_t nature) {
    const std::string_view cherche = nom.substr(0, kLongueurNomCherche);
    const IndexNoms* index = indexNomsAJour(f);
    if (index == nullptr) return numeroDeNomEtTypeParParcours(f, cherche, nature);
    int trouve = 0;
    for (uint8_t n : objetsDeNom(*index, cherche))
        if (index->entrees[n].nature == nature) {
            trouve = n;
            break;
        }
    assert(trouve == numeroDeNomEtTypeParParcours(f, cherche, nature));
    return trouve;
}

std::vector<uint8_t> objetsNommes(const TfigureKalmetra& f, std::string_view nom) {
    const std::string_view cherche = nom.substr(0, kLongueurNomCherche);
    const auto parParcours = [&] {
        std::vector<uint8_t> objets;
        for (int n = 1; n <= f.nombreObjets; ++n)
            if (nomObjetEst(f, n, cherche)) objets.push_back(uint8_t(n));
        return objets;
    };
    const IndexNoms* index = indexNomsAJour(f);
    if (index == nullptr) return parParcours();
    const std::span<const uint8_t> indexes = objetsDeNom(*index, cherche);
    std::vector<uint8_t> objets(indexes.begin(), indexes.end());
    assert(objets == parParcours());
    return objets;
}

int numeroObjetDeNotation(const TfigureKalmetra& f, std::string_view nom) {
    const std::string_view cherche = nom.substr(0, kLongueurNomCherche);
    if (!cherche.empty() && (cherche[0] == '(' || cherche[0] == '['))
        return numeroObjetDeCrochets(f, cherche);
    const IndexNoms* index = indexNomsAJour(f);
    if (index == nullptr) return numeroDeNotationParParcours(f, cherche);
    // Points, vectors and the rest win over lines, half-lines and segments of
    // the same name; among either, the last object.
    const std::span<const uint8_t> objets = objetsDeNotation(*index, cherche);
    int trouve = objets.empty() ? 0 : objets.back();
    for (auto k = objets.rbegin(); k != objets.rend(); ++k)
        if (!index->entrees[*k].parPaire) {
            trouve = *k;
            break;
        }
    assert(trouve == numeroDeNotationParParcours(f, cherche));
    return trouve;
}

int numeroObjetDeCrochets(const TfigureKalmetra& f, std::string_view nom) {
    if (nom.size() < 3) return 0;
    const char ouvre = nom.front(), ferme = nom.back();
    if ((ouvre != '(' && ouvre != '[') || (ferme != ')' && ferme != ']')) return 0;
    const std::string_view dedans = nom.substr(1, nom.size() - 2);
    for (int n = 1; n <= f.nombreObjets; ++n) {
        const uint8_t code = objet(f, n).codeConstruction;
        if (!estLigneADeuxPoints(code)) continue;
        const bool parNom = nomObjet(f, n) == dedans;
        const bool parInverse = nomObjetInverse(f, n) == dedans;
        if (ouvre == '(' && ferme == ')' && code == 30 && (parNom || parInverse)) return n;
        if (ouvre == '[' && ferme == ']' && code == 34 && (parNom || parInverse)) return n;
        if (ouvre == '[' && ferme == ')' && code == 33 && parNom) return n;
        if (ouvre == '(' && ferme == ']' && code == 33 && parInverse) return n;
    }
    return 0;
}

bool sansRepereUtilisateur(const TfigureKalmetra& f) {
    for (int n = kObjetsPredefinis + 1; n <= f.nombreObjets; ++n)
        if (objet(f, n).nature == kNatureRepere) return false;
    return true;
}

bool sansUniteDeLongueurAccessible(const TfigureKalmetra& f) {
    for (int n = kObjetsPredefinis + 1; n <= f.nombreObjets; ++n) {
        const TObjetFigure& o = objet(f, n);
        if (o.nature == kNatureUniteDeLongueur && !accesInterdit(o)) return false;
    }
    return true;
}

void directionObjet(const TfigureKalmetra& f, int i, int j, double& x, double& y, double& z) {
    auto difference = [&](int a, int ka, int b, int kb) {
        x = valeurDepuisZero(f, b, kb) - valeurDepuisZero(f, a, ka);
        y = valeurDepuisZero(f, b, kb + 1) - valeurDepuisZero(f, a, ka + 1);
        z = valeurDepuisZero(f, b, kb + 2) - valeurDepuisZero(f, a, ka + 2);
    };
    auto lis = [&](int premier) {
        x = valeurDepuisZero(f, i, premier);
        y = valeurDepuisZero(f, i, premier + 1);
        z = valeurDepuisZero(f, i, premier + 2);
    };
    if (j != 0) {
        difference(i, 0, j, 0);
        return;
    }
    const TObjetFigure& o = objet(f, i);
    switch (o.nature) {
    case kNatureSegment:
        difference(i, 0, i, 3);
        break;
    case kNatureDroite: {
        const bool secondeDirection =
            i > kObjetsPredefinis &&
            (o.codeConstruction == 71 || (o.codeConstruction == 247 && f.ensembleSecondeDirection.test(i)));
        lis(secondeDirection ? 6 : 3);
        break;
    }
    case kNatureDemiDroite:
        lis(3);
        break;
    case kNatureVecteur:
        lis(0);
        break;
    default:
        break;
    }
}

void deuxPointsObjet(const TfigureKalmetra& f, int i, int j, double& x1, double& y1, double& z1, double& x2,
                     double& y2, double& z2) {
    x1 = valeurDepuisZero(f, i, 0);
    y1 = valeurDepuisZero(f, i, 1);
    z1 = valeurDepuisZero(f, i, 2);
    const int autre = j != 0 ? j : i;
    const int premier = j != 0 ? 0 : 3;
    x2 = valeurDepuisZero(f, autre, premier);
    y2 = valeurDepuisZero(f, autre, premier + 1);
    z2 = valeurDepuisZero(f, autre, premier + 2);
}

double normeDirectionObjet(const TfigureKalmetra& f, int i, int j) {
    double x = 0, y = 0, z = 0;
    directionObjet(f, i, j, x, y, z);
    return norme3(x, y, z);
}

namespace {
void diviseSiNonNul(bool& nul, double& x, double& y, double& z) {
    const double n = norme3(x, y, z);
    nul = n < 1e-10;
    if (nul) return;
    x /= n;
    y /= n;
    z /= n;
}
} // namespace

void directionUnitaire(const TfigureKalmetra& f, int i, int j, bool& nul, double& x, double& y, double& z) {
    directionObjet(f, i, j, x, y, z);
    diviseSiNonNul(nul, x, y, z);
}

void normaleUnitaire(const TfigureKalmetra& f, int i, int j, bool& nul, double& x, double& y, double& z,
                     int k) {
    if (j == 0) {
        x = valeurDepuisZero(f, i, 0);
        y = valeurDepuisZero(f, i, 1);
        z = valeurDepuisZero(f, i, 2);
        nul = norme3(x, y, z) < 1e-10;
        return;
    }
    double ux = 0, uy = 0, uz = 0, vx = 0, vy = 0, vz = 0;
    directionObjet(f, i, j, ux, uy, uz);
    directionObjet(f, i, k, vx, vy, vz);
    produitVectoriel(x, y, z, ux, uy, uz, vx, vy, vz);
    diviseSiNonNul(nul, x, y, z);
}

void normalePlan(const TfigureKalmetra& f, int i, int j, bool& nul, double& d, double& a, double& b,
                 double& c, int k) {
    normaleUnitaire(f, i, j, nul, a, b, c, k);
    if (j == 0)
        d = valeurDepuisZero(f, i, 3);
    else
        d = -(a * valeurDepuisZero(f, i, 0) + b * valeurDepuisZero(f, i, 1) + c * valeurDepuisZero(f, i, 2));
}

int32_t coordonneeEntiere(const TfigureKalmetra& f, double x) {
    return entier32Sature(x * f.echelle);
}

bool horsDesBornes(const TfigureKalmetra& f, double x) {
    return x < f.borneInferieure || x > f.borneSuperieure;
}

bool horsDeLImage(const TfigureKalmetra& f, int32_t x, int32_t y) {
    return x < 0 || x > f.largeurZoneDessin || y < 0 || y > f.hauteurZoneDessin;
}

bool pointSurPlanIsole(const TfigureKalmetra& f, double X, double Y, double Z) {
    if (f.aucunPlanIsole) return false;
    const double* p = f.planIsole;
    return std::fabs(p[0] * X + p[1] * Y + p[2] * Z + p[3]) < 10;
}

void fixeCoefficientsPlanIsole(TfigureKalmetra& f, double a, double b, double c, double d) {
    f.planIsole[0] = a;
    f.planIsole[1] = b;
    f.planIsole[2] = c;
    f.distancePlanIsole = d;
    f.planIsole[3] = d * f.echelle;
}

TEnsembleObjets ensembleDesAntecedents(const TfigureKalmetra& f, int i) {
    TEnsembleObjets s;
    const TObjetFigure& o = objet(f, i);
    if (o.uniteLongueur != 0) s.set(o.uniteLongueur);
    for (int k = 0; k < o.nombreParents; ++k)
        s.set(parentDepuisZero(f, i, k));
    // The operand list of an expression: result kind, object count m,
    // variable count, then the m object numbers.
    for (int k = 1; k <= o.nombreExpressions; ++k) {
        const TExpressionParametre& e = expressionParametre(f, numeroExpressionObjet(f, i, k));
        if (e.nombreOctets < 2) continue;
        const int m = octetOperande(f, e.debutOctets + 1);
        for (int b = 0; b < m; ++b)
            s.set(octetOperande(f, e.debutOctets + 3 + b));
    }
    s.reset(0);
    return s;
}

std::vector<uint8_t> listeDesAntecedents(const TfigureKalmetra& f, int i) {
    const TEnsembleObjets s = ensembleDesAntecedents(f, i);
    std::vector<uint8_t> liste;
    for (int n = 1; n < i && n <= kMaxObjets; ++n)
        if (s.test(n)) liste.push_back(uint8_t(n));
    return liste;
}

bool aDesAntecedentsUtilisateur(const TfigureKalmetra&, int) {
    return true;
}

void libereTamponFigure(TfigureKalmetra& f) {
    f.tampon.reset();
}

} // namespace km32
