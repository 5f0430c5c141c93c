#pragma once
// Operand access of the compiled-expression interpreter: at the current
// code position pc, the byte at pc names the result slot, the byte at pc + 1
// the first operand and the byte at pc + 2 the second. A vector operand
// takes three consecutive slots x, y, z. Slots and code positions are
// checked (slots 1 to 180, positions 1 to 200).
#include "model/evaluation_expression.h"

namespace km32 {

double operandeA0(const TExpressionCompilee& e);
double operandeA1(const TExpressionCompilee& e);
double operandeA2(const TExpressionCompilee& e);
double operandeB0(const TExpressionCompilee& e);
double operandeB1(const TExpressionCompilee& e);
double operandeB2(const TExpressionCompilee& e);
void fixeResultat(TExpressionCompilee& e, double x);
void fixeResultatVecteur(TExpressionCompilee& e, double x, double y, double z);

} // namespace km32
