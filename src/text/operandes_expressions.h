#pragma once
// Operands that carry expressions: the parameter expressions of a creation
// line, weighted points of a barycentre, the variables of a table of
// values, the values of direct assignments, the two bounds of an interval,
// lists of numbers, and the defining expression of a sequence. Each
// expression is compiled into a slot of the line record (1 to 10); the
// value of an expression found constant is kept among the line's values.
//
// Error word and nomErreur1 as in text/noms_objets.h; the line's error word
// is the one of the record.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

struct TLigneAnalysee;

constexpr uint16_t kErreurSommeCoefficientsNulle = 544;
constexpr uint16_t kErreurSyntaxeExpression = 563;
constexpr uint16_t kErreurBorneManquante = 572;
constexpr uint16_t kErreurDefinitionSuite = 575;
constexpr uint16_t kErreurValeurIncorrecte = 624;
constexpr uint16_t kErreurPremiereVariableLibre = 671;

// Position (from 1) just after the ")" that closes the first parenthesis
// group; 0 when none. A ")" before any "(" is passed over.
std::size_t finPremierGroupeParentheses(std::string_view texte);
// Position (from 1) of the first blank outside parentheses within the first
// longueurMax characters; 0 when none.
std::size_t premierBlancHorsParentheses(std::string_view texte, std::size_t longueurMax = 255);

// Compiles slot k of the line: type "L" a vector, "T" a relation, "P" one
// variable, "m" two, "n" three, any other letter a number of no variable.
// The codes of the variables are placed by the caller.
void compileExpressionParametre(const TfigureKalmetra& f, TLigneAnalysee& ligne, char type, int k);

// Barycentre: "(A,2) (B,1)" from the next argument.
void litPointsPonderes(const TfigureKalmetra& f, TLigneAnalysee& ligne);
// Table of values: "(x,2) (y,0)", from slot 4; whole parameters 0 to 6.
void litVariablesDuTableau(const TfigureKalmetra& f, TLigneAnalysee& ligne);
// Direct assignments: one value per object already read into the parents
// (a point name for a point, an expression otherwise).
void litValeursAffectations(const TfigureKalmetra& f, TLigneAnalysee& ligne);
// Two bounds into slots e, e + 1 and values v, v + 1; constant bounds are
// put in increasing order.
void litBornes(const TfigureKalmetra& f, TLigneAnalysee& ligne, std::string_view intervalle, int e, int v);

// Numbers written as a list (at most 40), each item evaluated: 635 at the 41st.
void evalueListeExpressions(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                            std::array<double, 41>& valeurs, uint8_t& nombre, uint16_t& erreur);

// Math-text forms of the same lists, shown while a dialog prepares its
// fields: the text is replaced by its math text cut to longueurMax (a point
// P as "\P;s:P\", an expression through ecritExpressionEnTexteMath). On
// the first refusal the text holds what was not yet read.
// "(A,2) (B,1)": 539 for an empty text, 563 for a malformed item.
void listePointsPonderesEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax,
                                    uint16_t& erreur);
// "A B 2*k": each item a point name or an expression.
void listePointsEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax,
                            uint16_t& erreur);
// "1 k+2": each item an expression.
void listeExpressionsEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax,
                                 uint16_t& erreur);

// The defining expression of a sequence (constructions 101 to 103): the
// argument text holds the definition, ";" and the one-letter name last.
void analyseDefinitionDeSuite(const TfigureKalmetra& f, TLigneAnalysee& ligne);

} // namespace km32
