#pragma once
// One step of the construction of an object from a creation line: the
// argument is read as what the step number says (the name of the new
// object, an existing object of a kind, points, a line, a plane, an
// expression, a dummy variable, a keyword, a key, a text or a list of
// objects), checked for what the construction needs, and stored in the
// line's operands (its parents), expression slots, value slots or in the
// record of the new object.
//
// Steps 1 to 50 name the new object, the step number being its kind;
// steps 51 to 110 read an operand. a, b and c are operand numbers,
// expression-slot numbers or value-slot numbers depending on the step.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

struct TLigneAnalysee;

constexpr uint16_t kErreurDistanceNegative = 549;
constexpr uint16_t kErreurVariableInterdite = 567;
constexpr uint16_t kErreurPasPilote = 601;
constexpr uint16_t kErreurDroiteSansRepere = 623;
constexpr uint16_t kErreurUniteAngle = 625;
constexpr uint16_t kErreurPlanSansRepere = 660;
constexpr uint16_t kErreurPasConvexe = 661;
constexpr uint16_t kErreurPasSolide = 662;
constexpr uint16_t kErreurAvecSans = 674;
constexpr uint16_t kErreurVariablesMemeNom = 677;

// Does nothing once the line's error is a refusal; otherwise trims the
// argument and runs the step.
void creeObjetDeConstruction(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t etape, std::string argument,
                             uint8_t a = 0, uint8_t b = 0, uint8_t c = 0);

// The type letter the expression steps hand to the compiler.
inline char typeExpressionDeEtape(uint8_t etape) {
    return char(etape);
}

} // namespace km32
