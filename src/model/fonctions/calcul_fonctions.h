#pragma once
// The computation of function and sequence objects by the engine: their
// records are prepared again from their parameter expressions, and the
// index of the first zero term of a sequence becomes a number.
#include "model/figure.h"

namespace km32 {

// Functions of 1, 2 and 3 variables (54, 216, 217).
void calculeFonction(TfigureKalmetra& f, int n);
// Sequences: explicit (101), recurrent of order 1 (102) and 2 (103). The
// first index must be an integer from 0 to 30000 (else 469).
void calculeSuite(TfigureKalmetra& f, int n);
// Index of the first zero term of a sequence (129); 510 when none is found.
void calculeIndicePremierTermeNul(TfigureKalmetra& f, int n);

} // namespace km32
