#pragma once
// Computation of point objects from their construction code, parents and
// parameter expressions.
#include "model/figure.h"

namespace km32 {

// Computes point n (kind 1): its values 1 to 3 and the extra values of its
// construction, or marks it undefined with the reason. The caller clears the
// undefined flag first. A code without a point construction leaves the point
// undefined and its reason untouched.
void calculePoint(TfigureKalmetra& f, int n);

} // namespace km32
