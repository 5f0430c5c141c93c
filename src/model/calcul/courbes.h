#pragma once
// Sampling of curve objects: a parametric curve in a frame (code 23) and the
// graph of a function of one variable in a plane (code 131).
#include "model/figure.h"

namespace km32 {

// Curve n: value 1 the number of samples (an integer 2 to 1000, else reason
// 557), values 3 and 4 the parameter bounds (equal: reason 465). The valid
// samples go to the object's sample records and their count to value 2; the
// curve is undefined, with no reason stored, when none is valid. Its bounds
// and count must already be in its values.
void calculeCourbe(TfigureKalmetra& f, int n);

} // namespace km32
