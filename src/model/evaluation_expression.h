#pragma once
// Compiled expressions and their evaluation: a record built once from a
// byte list and the figure's current values, run on doubles; the one-call
// evaluation of an expression text.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/analyse_expression.h"
#include "model/evaluation_noyau.h"

namespace km32 {

struct TfigureKalmetra;

struct TExpressionCompilee {
    uint8_t erreur = 0; // nonzero: the record is not run
    uint8_t arret = 0;  // a computation was impossible: the value does not exist
    uint8_t debut = 0;  // position of the first instruction
    uint8_t fin = 0;    // length of the byte list
    uint8_t nombreObjets = 0;
    uint8_t nombreVariables = 0;
    uint8_t operandeNonDefini = 0; // an object read by the expression is undefined
    double unite = 1;
    TcasesExpression cases{};
    TcodeExpression code{};
    uint16_t caseVariable = kCasePremiereVariable; // slot of the curve parameter
    uint8_t nombreArguments = 0;
    uint8_t codeOperation = 0;
    uint8_t position = 0;
    double resultatChargement = 0;
};

// How a function object of the figure is evaluated at (x, y, z): true and
// the value when it is defined. The function objects install it; without
// one, every call of a function object is impossible.
using EvaluateurFonctionObjet = bool (*)(const TfigureKalmetra& f, int objet, double x, double y, double z,
                                         double& resultat);
void fixeEvaluateurFonctionObjet(EvaluateurFonctionObjet evaluateur);
EvaluateurFonctionObjet evaluateurFonctionObjet();

// Value of the unit of length the figure's expressions use.
double uniteDeLongueurFigure(const TfigureKalmetra& f);

// Builds the record from a compile and the figure's current values.
void creeExpressionCompilee(const TfigureKalmetra& f, const TAnalyseExpression& a, TExpressionCompilee& e);
// Runs the record: the value is slot 1 (1 to 3 for a vector) unless arret.
void evalueExpressionCompilee(const TfigureKalmetra& f, TExpressionCompilee& e);

// Compiles a text ("names;expression" declares up to three number variables)
// with the required kind; erreur is the phrase number, 0 on success.
void prepareAnalyseExpression(const TfigureKalmetra& f, std::string_view texte, uint8_t modeAcces,
                              uint16_t& erreur, TAnalyseExpression& a, uint8_t genreRequis);
// Compiles and evaluates a number expression; 566 when its value does not
// exist, and the value 0 on every failure.
void evalueExpressionTexte(const TfigureKalmetra& f, std::string_view texte, uint8_t modeAcces,
                           uint16_t& erreur, double& valeur);

// Record for the parameter-expression record numero of the object being
// computed: a constant record is not run (erreur 1) and slot 1 holds the
// object's value indiceValeur; an expression that is its variable alone
// has the variable slot 1.
void prepareExpressionDeParametre(const TfigureKalmetra& f, int objet, int indiceValeur, int numero,
                                  TExpressionCompilee& e);

} // namespace km32
