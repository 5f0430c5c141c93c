// The evaluators of function records: the byte-code interpreter of the
// compiled kinds, explicit and recurrent sequences with their first-zero
// searches, and the function computed by an inner figure.
#include <algorithm>
#include <cmath>

#include "base/garde.h"
#include "model/calcul/calcul_objet.h"
#include "model/evaluation_expression.h"
#include "model/fonctions/fonctions.h"
#include "model/objets_figure.h"
#include "model/operations.h"

namespace km32 {

namespace {

constexpr double kToleranceIndice = 1e-6;
constexpr double kToleranceNul = 1e-10;
// Calls nest only along the objects of a figure (at most 255 of them, and
// inner figures): deeper nesting can only come from a cycle, which gives
// undefined instead of exhausting the stack.
constexpr int kProfondeurMax = 512;

int& profondeurAppels() {
    static int profondeur = 0;
    return profondeur;
}

// Runs the code of a compiled record from its start; true when a
// computation was impossible. Calls go to the record's own sub-functions.
bool executeCode(TFonctionCompilee& c) {
    // The loop gives the arguments of the call, 0 for those not written.
    const auto charge = [&](int rang, int, const double* arguments, double& resultat) {
        if (rang < 1 || rang > kMaxSousFonctions) return false;
        uint8_t nonDefini = 0;
        evalueFonction(c.sousFonctions[std::size_t(rang)], nonDefini, resultat, arguments[0], arguments[1],
                       arguments[2]);
        return nonDefini == 0;
    };
    return executeInstructions(c.cases, c.code, c.debut, c.fin, c.cases[0], charge);
}

void evalueFonctionCompilee(TFonctionCompilee& c, uint8_t& nonDefini, double& resultat, double x, double y,
                            double z) {
    if (c.constante) {
        resultat = c.valeurConstante;
        return;
    }
    if (c.renvoieX || c.renvoieY || c.renvoieZ) {
        resultat = c.renvoieX ? x : c.renvoieY ? y : z;
        return;
    }
    c.cases[4] = x;
    c.cases[5] = y;
    c.cases[6] = z;
    if (executeCode(c)) {
        nonDefini = 1;
        return;
    }
    resultat = c.cases[1];
}

// n: x as an index of the sequence; false when x is not within 1e-6 of an
// integer or is below the first index.
bool indiceDeSuite(const TFonction& fonction, double x, int32_t& n) {
    n = arrondiBorne(x);
    return std::fabs(x - n) <= kToleranceIndice && n >= fonction.indiceDebut;
}

void evalueSuite(TFonction& fonction, uint8_t& nonDefini, double& resultat, double x) {
    TFonctionCompilee& c = *fonction.compilee;
    int32_t n = 0;
    if (!indiceDeSuite(fonction, x, n)) {
        nonDefini = 1;
        return;
    }
    if (c.constante) {
        resultat = c.valeurConstante;
        return;
    }
    if (c.identite) {
        resultat = x;
        return;
    }
    c.indiceEnCours = n;
    c.cases[4] = n;
    if (executeCode(c)) {
        nonDefini = 1;
        return;
    }
    resultat = c.cases[1];
}

// The cache of a recurrent sequence back at its initial terms.
void redemarreCache(const TFonction& fonction, TFonctionCompilee& c) {
    c.dernierIndice = fonction.indiceDebut + (c.ordreDeux ? 1 : 0);
    c.dernierTerme = c.ordreDeux ? c.deuxiemeTerme : c.premierTerme;
    if (c.ordreDeux) c.avantDernierTerme = c.premierTerme;
}

// Computes the terms after the cache, one step each, up to n or up to the
// first term below 1e-10 when jusquAuZero. Returns false on a failing term
// (its index is remembered); otherwise the cache holds the last term
// computed.
bool avanceSuite(TFonctionCompilee& c, int32_t n, bool jusquAuZero) {
    c.cases[5] = c.dernierTerme;
    if (c.ordreDeux) c.cases[6] = c.avantDernierTerme;
    for (int32_t k = c.dernierIndice + 1; k <= n; ++k) {
        c.indiceEnCours = k;
        c.cases[4] = k;
        if (executeCode(c)) {
            c.indiceEchec = k;
            return false;
        }
        if (c.ordreDeux) c.cases[6] = c.cases[5];
        c.cases[5] = c.cases[1];
        c.dernierIndice = k;
        c.dernierTerme = c.cases[1];
        if (c.ordreDeux) c.avantDernierTerme = c.cases[6];
        if (jusquAuZero && std::fabs(c.cases[1]) < kToleranceNul) return true;
    }
    return true;
}

void evalueSuiteRecurrente(TFonction& fonction, uint8_t& nonDefini, double& resultat, double x) {
    TFonctionCompilee& c = *fonction.compilee;
    const int32_t s = fonction.indiceDebut;
    int32_t n = 0;
    if (!indiceDeSuite(fonction, x, n)) {
        nonDefini = 1;
        return;
    }
    if (n == s) {
        resultat = c.premierTerme;
        return;
    }
    if (c.ordreDeux && n == s + 1) {
        resultat = c.deuxiemeTerme;
        return;
    }
    if (c.constante) {
        resultat = c.valeurConstante;
        return;
    }
    if (c.identite) {
        resultat = x;
        return;
    }
    if (c.periodeDeux) {
        resultat = (n - s) % 2 == 0 ? c.premierTerme : c.deuxiemeTerme;
        return;
    }
    if (c.indiceEchec >= 1 && n >= c.indiceEchec) {
        nonDefini = 1;
        return;
    }
    if (n == c.dernierIndice) {
        resultat = c.dernierTerme;
        return;
    }
    if (c.ordreDeux && n == c.dernierIndice - 1) {
        resultat = c.avantDernierTerme;
        return;
    }
    if (n < c.dernierIndice) redemarreCache(fonction, c);
    if (!avanceSuite(c, n, false)) {
        nonDefini = 1;
        return;
    }
    resultat = c.dernierTerme;
}

void premierTermeNulSuite(TFonction& fonction, uint8_t& nonDefini, int32_t& indice) {
    TFonctionCompilee& c = *fonction.compilee;
    const int32_t s = fonction.indiceDebut;
    if (c.constante) {
        if (c.valeurConstante == 0.0)
            indice = s;
        else
            nonDefini = 1;
        return;
    }
    if (c.identite) {
        if (s <= 0)
            indice = 0;
        else
            nonDefini = 1;
        return;
    }
    for (int32_t n = s; n <= kIndiceMaxSuite; ++n) {
        c.indiceEnCours = n;
        c.cases[4] = n;
        if (executeCode(c)) break;
        if (std::fabs(c.cases[1]) < kToleranceNul) {
            indice = n;
            return;
        }
    }
    nonDefini = 1;
}

void premierTermeNulSuiteRecurrente(TFonction& fonction, uint8_t& nonDefini, int32_t& indice) {
    TFonctionCompilee& c = *fonction.compilee;
    const int32_t s = fonction.indiceDebut;
    if (std::fabs(c.premierTerme) < kToleranceNul) {
        indice = s;
        return;
    }
    if (c.ordreDeux && std::fabs(c.deuxiemeTerme) < kToleranceNul) {
        indice = s + 1;
        return;
    }
    if (c.constante || c.identite || c.periodeDeux ||
        (c.indiceEchec >= 1 && c.indiceEchec <= kIndiceMaxSuite)) {
        nonDefini = 1;
        return;
    }
    redemarreCache(fonction, c);
    if (!avanceSuite(c, kIndiceMaxSuite, true) || std::fabs(c.dernierTerme) >= kToleranceNul) {
        nonDefini = 1;
        return;
    }
    indice = c.dernierIndice;
}

void evalueFonctionConstruite(TFonctionConstruite& c, uint8_t& nonDefini, double& resultat, double x,
                              double y, double z) {
    if (!c.figureInterne) {
        nonDefini = 1;
        return;
    }
    TfigureKalmetra& g = *c.figureInterne;
    const double variables[3] = {x, y, z};
    for (int k = 0; k < c.nombreVariables && k < 3; ++k)
        valeur(g, c.indicesVariables[std::size_t(k)]) = variables[k];
    for (int i = std::max<int>(c.premierARecalculer, 1); i <= g.nombreObjets; ++i)
        if (c.aRecalculer.test(std::size_t(i))) calculeObjet(g, i);
    nonDefini = objet(g, g.nombreObjets).nonDefini ? 1 : 0;
    if (!nonDefini) resultat = valeur(g, c.indiceResultat);
}

// The evaluation the figure's compiled expressions use for their calls.
bool evaluateurDeFigure(const TfigureKalmetra& f, int n, double x, double y, double z, double& resultat) {
    if (fonctionDeObjet(f, n) == nullptr) return false;
    uint8_t nonDefini = 0;
    evalueFonctionDeObjet(f, n, nonDefini, resultat, x, y, z);
    return nonDefini == 0;
}

// Installed when the library is loaded.
const bool kEvaluateurInstalle = (installeEvaluateurFonctions(), true);

} // namespace

void installeEvaluateurFonctions() {
    fixeEvaluateurFonctionObjet(evaluateurDeFigure);
}

void evalueFonction(TFonction* fonction, uint8_t& nonDefini, double& resultat, double x, double y, double z) {
    if (!fonction || fonction->genre > kFonctionConstruite || profondeurAppels() >= kProfondeurMax) {
        nonDefini = 1;
        resultat = 0;
        return;
    }
    GardeValeur<int> profondeur(profondeurAppels(), profondeurAppels() + 1);
    try {
        switch (fonction->genre) {
        case kFonctionCompilee:
            evalueFonctionCompilee(*fonction->compilee, nonDefini, resultat, x, y, z);
            return;
        case kSuiteExplicite:
            evalueSuite(*fonction, nonDefini, resultat, x);
            return;
        case kSuiteRecurrente:
            evalueSuiteRecurrente(*fonction, nonDefini, resultat, x);
            return;
        case kFonctionTableValeurs:
            evalueFonctionTable(*fonction->table, nonDefini, resultat, x);
            return;
        case kFonctionConstruite:
            evalueFonctionConstruite(*fonction->construite, nonDefini, resultat, x, y, z);
            return;
        default:
            nonDefini = 1;
            resultat = 0;
            return;
        }
    } catch (const ErreurInterne&) {
        // A byte list that reads outside its slots: the value does not exist.
        nonDefini = 1;
    }
}

void evalueFonctionDeObjet(const TfigureKalmetra& f, int n, uint8_t& nonDefini, double& resultat, double x,
                           double y, double z) {
    evalueFonction(fonctionDeObjet(f, n), nonDefini, resultat, x, y, z);
}

void indicePremierTermeNulDeObjet(const TfigureKalmetra& f, int n, uint8_t& nonDefini, int32_t& indice) {
    TFonction* fonction = fonctionDeObjet(f, n);
    try {
        if (fonction && fonction->genre == kSuiteExplicite)
            return premierTermeNulSuite(*fonction, nonDefini, indice);
        if (fonction && fonction->genre == kSuiteRecurrente)
            return premierTermeNulSuiteRecurrente(*fonction, nonDefini, indice);
    } catch (const ErreurInterne&) {
    }
    nonDefini = 1;
}

} // namespace km32
