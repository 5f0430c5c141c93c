#pragma once
// The work record of one creation line: the operands still to be read, the
// parameter expressions read from them, the object record being built with
// its name, initial values and parents, the target object and the error.
// The creation of an object from a line allocates one and frees it before
// it returns; the construction steps, the operand readers and the
// installation fill and read it.
#include <array>
#include <cstdint>
#include <string>

#include "model/analyse_expression.h"
#include "model/figure.h"
#include "text/operandes_objets.h"

namespace km32 {

constexpr int kMaxExpressionsLigne = 10;
constexpr int kMaxValeursLigne = 40;

struct TLigneAnalysee {
    // Two working bytes, cleared before each construction: the first is set
    // when a parameter expression uses a length, the second when the unit of
    // length has been read as an argument.
    uint8_t besoinUnite = 0;
    uint8_t uniteDonnee = 0;
    uint8_t depuisTexte = 0; // 1: a line of figure text, 0: the command dialog
    uint16_t codeConstruction = 0;
    // 0 none; below 532 a validity reason (the object is built but not
    // valid); above 532 the line is refused; 534 refused without a message.
    uint16_t erreur = 0;
    uint8_t modeLecture = 1; // 1 ordinary, 2 a figure file, 4 the command dialog
    std::string arguments;   // the ";"-separated operands still to read (at most 255)

    uint8_t nombreExpressions = 0;
    std::array<TAnalyseExpression, kMaxExpressionsLigne + 1> expressions{}; // 1 to 10

    TObjetFigure nouvelObjet;
    std::string nomNouvelObjet;                         // at most 80
    std::array<double, kMaxValeursLigne + 1> valeurs{}; // 1 to 40
    std::string texteAffiche;                           // text of a text display (code 126), at most 80
    std::string texteNom;                               // name, or name, blank and label; at most 80

    uint8_t objetCible = 0; // above the object count for a new object, else the one redefined
    uint8_t nombreParents = 0;
    TListeObjets parents{}; // 1 to 250
    uint8_t resultatReserve = 0;
    uint8_t resultatInvalide = 0; // 1 when the creation left an invalid object
};

// Checked access, counted from 1 (ErreurInterne out of range).
TAnalyseExpression& expressionLigne(TLigneAnalysee& l, int k);
double& valeurLigne(TLigneAnalysee& l, int k);
uint8_t& parentLigne(TLigneAnalysee& l, int k);

// The value of a parameter expression that the compiler found constant.
double valeurConstanteExpression(const TAnalyseExpression& a);

// Appends a parent; 535 (the list holds 250) refuses through ErreurInterne.
void ajouteParentLigne(TLigneAnalysee& l, uint8_t objet);

} // namespace km32
