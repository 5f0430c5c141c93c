#include "model/calcul/operandes_expression.h"

#include "base/erreur.h"

namespace km32 {

namespace {

// Slot named by the code byte at pc + decalage, plus composante.
int caseNommee(const TExpressionCompilee& e, int decalage, int composante) {
    const int pc = e.position + decalage;
    verifieIndice(pc, 1, kMaxOctetsCode, "code position");
    const int s = e.code[std::size_t(pc)] + composante;
    verifieIndice(s, 1, kNombreCases, "expression slot");
    return s;
}

double lit(const TExpressionCompilee& e, int decalage, int composante) {
    return e.cases[std::size_t(caseNommee(e, decalage, composante))];
}

} // namespace

double operandeA0(const TExpressionCompilee& e) {
    return lit(e, 1, 0);
}
double operandeA1(const TExpressionCompilee& e) {
    return lit(e, 1, 1);
}
double operandeA2(const TExpressionCompilee& e) {
    return lit(e, 1, 2);
}
double operandeB0(const TExpressionCompilee& e) {
    return lit(e, 2, 0);
}
double operandeB1(const TExpressionCompilee& e) {
    return lit(e, 2, 1);
}
double operandeB2(const TExpressionCompilee& e) {
    return lit(e, 2, 2);
}

void fixeResultat(TExpressionCompilee& e, double x) {
    e.cases[std::size_t(caseNommee(e, 0, 0))] = x;
}

void fixeResultatVecteur(TExpressionCompilee& e, double x, double y, double z) {
    fixeResultat(e, x);
    e.cases[std::size_t(caseNommee(e, 0, 1))] = y;
    e.cases[std::size_t(caseNommee(e, 0, 2))] = z;
}

} // namespace km32
