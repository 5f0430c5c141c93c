// Filling a compiled function record from its object's parameter
// expression: the flags of the short forms, the code, the constants, the
// values of the operand objects and the records of operand functions.
#include <cmath>

#include "base/erreur.h"
#include "model/catalogue.h"
#include "model/fonctions/fonctions.h"
#include "model/objets_figure.h"
#include "model/operations.h"

namespace km32 {

namespace {

bool estNatureFonction(uint8_t nature) {
    return nature == kNatureFonction || nature == kNatureSuite || nature == kNatureFonction2Variables ||
           nature == kNatureFonction3Variables;
}

// The record of object n when it is of the kind; nullptr otherwise.
TFonction* fonctionDuGenre(const TfigureKalmetra& f, int n, uint8_t genre) {
    TFonction* fonction = fonctionDeObjet(f, n);
    if (!fonction || fonction->genre != genre || !fonction->compilee) return nullptr;
    return fonction;
}

void oublieSousFonctions(TFonctionCompilee& c) {
    for (int j = 1; j <= kMaxSousFonctions; ++j) {
        if (c.sousFonctions[std::size_t(j)] && c.sousFonctionsPossedees[std::size_t(j)])
            libereFonction(c.sousFonctions[std::size_t(j)]);
        c.sousFonctions[std::size_t(j)] = nullptr;
        c.sousFonctionsPossedees[std::size_t(j)] = 0;
    }
}

// Steps common to the three kinds once the kind's own start is done; the
// defining expression is the object's parameter expression numero.
void prepareCode(TfigureKalmetra& f, int n, TFonction& fonction, int numero, int indiceConstante) {
    TFonctionCompilee& c = *fonction.compilee;
    const TExpressionParametre& e = expressionParametre(f, numeroExpressionObjet(f, n, numero));
    c.constante = e.constante;
    c.renvoieX = c.renvoieY = c.renvoieZ = 0;
    c.identite = c.periodeDeux = 0;
    c.debut = c.fin = 0;
    if (c.constante) {
        c.valeurConstante = valeurObjet(f, n, indiceConstante);
        return;
    }

    const int longueur = e.nombreOctets;
    verifieIndice(longueur, 4, kMaxOctetsCode, "byte list of a function");
    c.code.fill(0);
    for (int p = 1; p <= longueur; ++p)
        c.code[std::size_t(p)] = octetOperande(f, e.debutOctets + p - 1);
    c.nombreObjets = c.code[2];
    c.nombreVariables = c.code[3];

    if (longueur < c.nombreObjets + c.nombreVariables + 5) {
        // No instruction: a single object (a constant) or a single variable.
        if (c.nombreObjets == 1) {
            c.constante = 1;
            c.valeurConstante = valeurObjet(f, c.code[4], 1);
            return;
        }
        const int v = fonction.genre == kSuiteRecurrente ? c.code[std::size_t(longueur)] : c.code[4];
        switch (fonction.genre) {
        case kFonctionCompilee:
            c.renvoieX = v == 1;
            c.renvoieY = v == 2;
            c.renvoieZ = v == 3;
            break;
        case kSuiteExplicite:
            c.identite = 1;
            break;
        default:
            if (v == 1) c.identite = 1;
            if (v == 2) {
                // u(n) = u(n-1): the last initial term forever.
                c.constante = 1;
                c.valeurConstante = c.ordreDeux ? c.deuxiemeTerme : c.premierTerme;
            }
            if (v == 3) c.periodeDeux = 1;
            break;
        }
        return;
    }

    for (int j = 1; j <= e.nombreConstantes; ++j) {
        verifieIndice(12 + j, kCasePremiereConstante, kCaseDerniereConstante, "constant of a function");
        c.cases[std::size_t(12 + j)] = constanteExpression(f, e.premiereConstante + j - 1);
    }
    int casee = kCasePremierObjet;
    for (int j = 1; j <= c.nombreObjets; ++j) {
        const int o = c.code[std::size_t(3 + j)];
        const TObjetFigure& operande = objet(f, o);
        if (estNatureFonction(operande.nature)) {
            if (j <= kMaxSousFonctions) c.sousFonctions[std::size_t(j)] = fonctionDeObjet(f, o);
            continue;
        }
        const int composantes =
            (operande.nature == kNaturePoint || operande.nature == kNatureVecteur) ? 3 : 1;
        verifieIndice(casee + composantes - 1, kCasePremierObjet, kCaseDernierObjet, "object of a function");
        for (int k = 1; k <= composantes; ++k)
            c.cases[std::size_t(casee++)] = valeurObjet(f, o, k);
    }
    c.debut = uint8_t(c.nombreObjets + c.nombreVariables + 4);
    c.fin = uint8_t(longueur);
    c.cases[0] = uniteDeLongueurObjet(f, n);
}

} // namespace

bool prepareFonctionCompilee(TfigureKalmetra& f, int n) {
    TFonction* fonction = fonctionDuGenre(f, n, kFonctionCompilee);
    if (!fonction) return false;
    oublieSousFonctions(*fonction->compilee);
    fonction->indiceDebut = 0;
    prepareCode(f, n, *fonction, 1, 1);
    return true;
}

bool prepareSuite(TfigureKalmetra& f, int n) {
    TFonction* fonction = fonctionDuGenre(f, n, kSuiteExplicite);
    if (!fonction) return false;
    oublieSousFonctions(*fonction->compilee);
    fonction->indiceDebut = arrondiBorne(valeurObjet(f, n, 1));
    prepareCode(f, n, *fonction, 2, 2);
    return true;
}

bool prepareSuiteRecurrente(TfigureKalmetra& f, int n) {
    TFonction* fonction = fonctionDuGenre(f, n, kSuiteRecurrente);
    if (!fonction) return false;
    TFonctionCompilee& c = *fonction->compilee;
    oublieSousFonctions(c);
    fonction->indiceDebut = arrondiBorne(valeurObjet(f, n, 1));
    c.ordreDeux = objet(f, n).codeConstruction == construction::kSuitePremiersTermes;
    c.premierTerme = valeurObjet(f, n, 6);
    if (c.ordreDeux) c.deuxiemeTerme = valeurObjet(f, n, 7);
    c.indiceEchec = 0;
    c.dernierIndice = fonction->indiceDebut + (c.ordreDeux ? 1 : 0);
    c.dernierTerme = c.ordreDeux ? c.deuxiemeTerme : c.premierTerme;
    if (c.ordreDeux) c.avantDernierTerme = c.premierTerme;
    prepareCode(f, n, *fonction, 2, 2);
    return true;
}

} // namespace km32
