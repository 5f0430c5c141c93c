#pragma once
// Loci: the trace of a point while a free object, its pilot, runs through
// its whole range (the pilot's value 4: abscissa, fraction or angle of a
// free point on its support, position of a free variable between its
// bounds). Sampling recomputes only the objects between the pilot and the
// traced point that need the one and are needed by the other, and leaves
// every object as it was before.
//
// - Code 37, a curve: parent 1 the traced point, parent 2 the pilot; its
//   parameter expression gives the number of samples n (2 to 1000) into
//   value 1; value 2 receives the number of points kept. The points go to
//   the figure's sample records from the object's first one (at most as many
//   as it reserved), a break flag on each point that starts a new piece.
// - Code 219, a surface: parents 1 and 2 the pilots, parent 3 the traced
//   point; N and M samples (values 1 and 2) into the object's mesh record.
#include <array>
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// The objects to recompute when pilot D moves, for the traced object T (D <
// T): every object after D up to T that depends on D and that T needs, in
// increasing order (entries 1 to nombre of liste). independant is true when T
// does not depend on D; the list is then empty.
using TlisteLieu = std::array<uint8_t, 251>;
void ensembleDesDependants(const TfigureKalmetra& f, int pilote, int trace, bool& independant, int& nombre,
                           TlisteLieu& liste);

// The locus of code 37 (reasons: 472 pilot undefined, 471 traced point
// independent of the pilot, 441 or 451 for the number of samples, 442 when
// no point is kept). A locus that is not drawn is not computed.
void calculeLieuDePoints(TfigureKalmetra& f, int n);

// The locus of code 219 (reasons 472, 471, 441, 451). A sample where the
// traced point is undefined is marked undefined in the mesh record.
void calculeLieuADeuxParametres(TfigureKalmetra& f, int n);

} // namespace km32
