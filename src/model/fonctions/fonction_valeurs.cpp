#include "model/fonctions/fonction_valeurs.h"

#include <cmath>

#include <algorithm>
#include <string>

#include "base/texte.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/fonctions/fonctions.h"
#include "model/nombres_texte.h"

namespace km32 {

namespace {

constexpr double kEps = 1e-6;
constexpr uint16_t kErreurSyntaxe = 563;         // "La syntaxe d'une expression\rest incorrecte."
constexpr uint16_t kErreurDonneeManquante = 539; // "Il manque une donnée."
constexpr uint16_t kErreurValeur = 624;          // "Valeur incorrecte: #1"
constexpr uint16_t kErreurSaturee = 535;         // "Structure saturée"
constexpr uint16_t kDernierAvertissement = 532;  // errors above end the parsing
constexpr std::size_t kLongueurElement = 80;

// The first index i (from 2) with x[i] >= x; the table holds x within
// (x[1], x[count]).
int premierIndiceAuDela(const TFonctionTable& t, double x) {
    int i = 2;
    while (i < t.nombrePoints && t.x[std::size_t(i)] < x)
        ++i;
    return i;
}

// Moves points debut..count up one place and writes (x, y) at debut.
void insere(TFonctionTable& t, int debut, double x, double y) {
    for (int k = t.nombrePoints; k >= debut; --k) {
        t.x[std::size_t(k + 1)] = t.x[std::size_t(k)];
        t.y[std::size_t(k + 1)] = t.y[std::size_t(k)];
    }
    t.x[std::size_t(debut)] = x;
    t.y[std::size_t(debut)] = y;
    ++t.nombrePoints;
}

// A coordinate: an expression while the host's lines run, else a plain
// number. A number too large for a double (1e999) reads as infinite, and an
// infinite abscissa breaks the order of the table: refused as an expression
// that divides by 0 is.
bool coordonnee(const TfigureKalmetra& f, std::string_view texte, double& v) {
    if (f.lignesHoteEnCours) {
        uint16_t erreur = 0;
        evalueExpressionTexte(f, texte, 1, erreur, v);
        return erreur == 0 && std::isfinite(v);
    }
    bool ok = false;
    v = reelDeTexteVerifie(texte, ok);
    return ok && std::isfinite(v);
}

// The position of the parenthesis that closes the first "(" of s; npos
// when there is none.
std::size_t parentheseFermante(std::string_view s) {
    const std::size_t ouvrante = s.find('(');
    if (ouvrante == std::string_view::npos) return std::string_view::npos;
    int profondeur = 0;
    for (std::size_t k = ouvrante; k < s.size(); ++k) {
        if (s[k] == '(') ++profondeur;
        if (s[k] == ')' && --profondeur == 0) return k;
    }
    return std::string_view::npos;
}

// The first "," of s outside parentheses; npos when there is none.
std::size_t virguleHorsParentheses(std::string_view s) {
    int profondeur = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '(') ++profondeur;
        if (s[k] == ')') --profondeur;
        if (s[k] == ',' && profondeur == 0) return k;
    }
    return std::string_view::npos;
}

void remplaceTout(std::string& s, std::string_view quoi, std::string_view par) {
    for (std::size_t p = s.find(quoi); p != std::string::npos; p = s.find(quoi, p + par.size()))
        s.replace(p, quoi.size(), par);
}

TFonctionTable* tableDeEmplacement(const TfigureKalmetra& f, uint8_t emplacement) {
    TFonction* fonction = fonctionDeEmplacement(f, emplacement);
    return fonction ? fonction->table.get() : nullptr;
}

} // namespace

void evalueFonctionTable(const TFonctionTable& t, uint8_t& nonDefini, double& resultat, double x) {
    resultat = 0;
    const int n = t.nombrePoints;
    if (n == 0 || x < t.xmin - kEps || x > t.xmax + kEps) {
        nonDefini = 1;
        return;
    }
    if (x <= t.xmin) {
        resultat = t.y[1];
        return;
    }
    if (x >= t.xmax) {
        resultat = t.y[std::size_t(n)];
        return;
    }
    const std::size_t i = std::size_t(premierIndiceAuDela(t, x));
    const double x0 = t.x[i - 1], x1 = t.x[i], y0 = t.y[i - 1], y1 = t.y[i];
    if (t.interpolation) {
        resultat = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
    } else if (x < x0 + kEps) {
        resultat = y0;
    } else if (x > x1 - kEps) {
        resultat = y1;
    } else {
        nonDefini = 1;
    }
}

bool ajoutePointFonctionTable(TFonctionTable& t, double x, double y) {
    const int n = t.nombrePoints;
    if (n == 0) {
        t.nombrePoints = 1;
        t.x[1] = x;
        t.y[1] = y;
        t.xmin = t.xmax = x;
        return true;
    }
    if (x > t.xmax + kEps) {
        if (n >= kMaxPointsFonctionTable) return false;
        insere(t, n + 1, x, y);
        t.xmax = x;
        return true;
    }
    if (x < t.xmin - kEps) {
        if (n >= kMaxPointsFonctionTable) return false;
        insere(t, 1, x, y);
        t.xmin = x;
        return true;
    }
    if (x > t.xmax - kEps) {
        t.y[std::size_t(n)] = y;
        return true;
    }
    if (x < t.xmin + kEps) {
        t.y[1] = y;
        return true;
    }
    const int i = premierIndiceAuDela(t, x);
    if (x < t.x[std::size_t(i - 1)] + kEps) {
        t.y[std::size_t(i - 1)] = y;
    } else if (x > t.x[std::size_t(i)] - kEps) {
        t.y[std::size_t(i)] = y;
    } else {
        if (n >= kMaxPointsFonctionTable) return false;
        insere(t, i, x, y);
    }
    return true;
}

void otePointsFonctionTable(TFonctionTable& t, double a, double b) {
    const int n = t.nombrePoints;
    if (n == 0) return;
    const double bas = std::min(a, b), haut = std::max(a, b);
    if (bas > t.xmax + kEps || haut < t.xmin - kEps) return;
    int i = 1;
    while (i <= n && t.x[std::size_t(i)] + kEps < bas)
        ++i;
    int j = n;
    while (j >= 1 && t.x[std::size_t(j)] - kEps > haut)
        --j;
    if (i > j) return;
    const int otes = j - i + 1;
    for (int k = j + 1; k <= n; ++k) {
        t.x[std::size_t(k - otes)] = t.x[std::size_t(k)];
        t.y[std::size_t(k - otes)] = t.y[std::size_t(k)];
    }
    t.nombrePoints = uint16_t(n - otes);
    if (t.nombrePoints > 0) {
        t.xmin = t.x[1];
        t.xmax = t.x[t.nombrePoints];
    }
}

void ajoutePointsDeTexte(TfigureKalmetra& f, uint8_t emplacement, std::string_view texte, uint16_t& erreur) {
    TFonctionTable* t = tableDeEmplacement(f, emplacement);
    if (!t) {
        erreur = kErreurSyntaxe;
        return;
    }
    std::string_view reste = texte;
    while (!reste.empty() && erreur < kDernierAvertissement) {
        const std::size_t debut = reste.find_first_not_of(" ,");
        if (debut == std::string_view::npos) return;
        reste.remove_prefix(debut);
        const std::size_t fermante = parentheseFermante(reste);
        if (fermante == std::string_view::npos) {
            erreur = kErreurSyntaxe;
            return;
        }
        const std::string_view element = reste.substr(0, fermante + 1);
        reste.remove_prefix(fermante + 1);
        if (element.front() != '(') {
            erreur = kErreurSyntaxe;
            return;
        }
        const std::string_view dedans = element.substr(1, element.size() - 2);
        if (element.size() > kLongueurElement) {
            // Too long to be one point: refused as a whole rather than cut.
            nomErreur1() = coupe(dedans, kLongueurElement);
            erreur = kErreurValeur;
            return;
        }
        if (dedans.empty()) {
            erreur = kErreurDonneeManquante;
            return;
        }
        const std::size_t virgule = virguleHorsParentheses(dedans);
        if (virgule == std::string_view::npos) {
            erreur = kErreurSyntaxe;
            return;
        }
        double x = 0, y = 0;
        if (!coordonnee(f, dedans.substr(0, virgule), x) || !coordonnee(f, dedans.substr(virgule + 1), y)) {
            nomErreur1() = std::string(dedans);
            erreur = kErreurValeur;
            return;
        }
        if (!ajoutePointFonctionTable(*t, x, y)) {
            erreur = kErreurSaturee;
            return;
        }
    }
}

void otePointsDeTexte(TfigureKalmetra& f, uint8_t emplacement, std::string_view texte, uint16_t& erreur) {
    TFonctionTable* t = tableDeEmplacement(f, emplacement);
    if (!t) {
        erreur = kErreurSyntaxe;
        return;
    }
    std::string s;
    for (char c : texte)
        if (c != ' ') s += c;
    if (s.empty()) return;
    s += ',';
    // The ends of the table as they are before any removal.
    remplaceTout(s, "-inf", texteDeReel(t->xmin));
    remplaceTout(s, "+inf", texteDeReel(t->xmax));
    while (!s.empty()) {
        const std::size_t virgule = s.find(',');
        std::string element = s.substr(0, virgule);
        s.erase(0, virgule + 1);
        if (element.size() + 1 > kLongueurElement) {
            nomErreur1() = coupe(element, kLongueurElement);
            erreur = kErreurValeur;
            return;
        }
        while (element.find("...") != std::string::npos)
            remplaceTout(element, "...", "..");
        const std::size_t points = element.find("..");
        const std::string premier = element.substr(0, points);
        const std::string second = points == std::string::npos ? premier : element.substr(points + 2);
        double a = 0, b = 0;
        evalueExpressionTexte(f, premier, 1, erreur, a);
        if (erreur != 0) return;
        evalueExpressionTexte(f, second, 1, erreur, b);
        if (erreur != 0) return;
        otePointsFonctionTable(*t, a, b);
    }
}

} // namespace km32
