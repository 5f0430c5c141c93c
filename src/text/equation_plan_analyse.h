#pragma once
// The equation of a plane in the coordinates X, Y, Z ("2X-Y+3=Z", "X+Y+Z=1",
// "aX+bY=c" with coefficients that do not depend on X, Y, Z), read from the
// next argument of a creation line without any symbolic algebra: the
// equation is rewritten as left-(right), checked to be linear in X, Y, Z and
// evaluated at the four probe points (1,0,0), (0,1,0), (0,0,1), (0,0,0).
#include <cstdint>

namespace km32 {

struct TfigureKalmetra;
struct TLigneAnalysee;

constexpr uint16_t kErreurPasUneEquation = 633; // "L'expression #1\rn'est pas une équation."
constexpr uint16_t kErreurEquationPlan = 658;   // "Equation non valable\rcomme équation de plan."

// Expression slots of the line that the analysis fills: slot 1 the equation
// as written (a relation; its text keeps A, B, C for X, Y, Z and the
// following letters for the objects it reads), slots 2 to 5 the equation's
// value at the four probe points, whose constant values go to the line's
// values 5 to 8. The plane is then a X + b Y + c Z + d = 0 with
// a = f(1,0,0) - f(0,0,0), b = f(0,1,0) - f(0,0,0), c = f(0,0,1) - f(0,0,0)
// and d = f(0,0,0). A probe that reads objects stays an expression, run when
// the plane is computed.
constexpr int kExpressionEquation = 1;
constexpr int kPremiereExpressionSonde = 2;
constexpr int kPremiereValeurSonde = 5;
constexpr int kNombreSondes = 4;

// Reads the line's next argument as the equation of a plane. The line's
// error receives the phrase number of the first failure (the compiler's,
// 633 or 658); a reason below 533 (an undefined object read) is kept and
// the analysis goes on.
void analyseEquation(const TfigureKalmetra& f, TLigneAnalysee& ligne);

} // namespace km32
