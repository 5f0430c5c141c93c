#pragma once
// Where each given object of a prototype's instance lives among the
// instance's own operands. A line that uses a prototype names its given
// objects in their order; by its kind, each takes parents of the instance
// (one; two for a segment, a line or a half-line; three for a plane) or one
// parameter expression, whose value the instance keeps in values of its own
// after the result's values (one for a number, three for a vector).
//
// The creation of an instance, its computation, the writer of its line and
// the checks that look for a given object's parents all read these places
// from this one routine, so that none of them reads or writes another
// given object's operands, or values beyond the instance's own.
#include <array>
#include <cstdint>

#include "model/prototypes/prototypes.h"

namespace km32 {

struct TOperandesDonne {
    uint8_t parent = 0;        // its first parent (1..), 0 when it takes none
    uint8_t nombreParents = 0; // 0 to 3
    uint8_t expression = 0;    // its parameter expression (1..), 0 when it takes none
    uint8_t valeur = 0;        // its first value among the instance's, 0 when it keeps none
    uint8_t nombreValeurs = 0; // 0, 1 for a number, 3 for a vector
};

// The operand that names the given object in the instance's line: its
// first parent, or its expression.
inline uint8_t operandeDonne(const TOperandesDonne& d) {
    return d.nombreParents > 0 ? d.parent : d.expression;
}

struct TOperandesInstance {
    std::array<TOperandesDonne, kMaxDonnesPrototype + 1> donnes{}; // given object k, 1 to 9
    int nombreParents = 0;
    int nombreExpressions = 0;
    int nombreValeurs = 0; // the result's values and those the given objects keep
};

// Parents a given object of this kind takes (0 for a number or a vector,
// and for a kind that no given object has).
int parentsDeDonne(uint8_t nature);
// Values the instance keeps for a given object of this kind.
int valeursDeDonne(uint8_t nature);

// The places of the first nombreDonnes (at most 9) given objects, whose
// kinds are natures[1..], in an instance whose result has
// nombreValeursResultat values.
TOperandesInstance operandesInstance(int nombreDonnes, const std::array<uint8_t, 11>& natures,
                                     int nombreValeursResultat);
TOperandesInstance operandesInstance(const TPrototype& p);

} // namespace km32
