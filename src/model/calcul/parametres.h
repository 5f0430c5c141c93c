#pragma once
// Parameter expressions as the computation reads them: the value of the
// object's k-th parameter expression stored into its value j (three values
// for a vector expression), and the re-evaluation of a free object's step.
#include "model/figure.h"

namespace km32::calcul {

// Stores the value of parameter expression k (from 1) of object n into its
// value j (from 1). False when the evaluation fails: the object is then
// undefined with reason 441 and the caller stops at once.
bool lisParametre(TfigureKalmetra& f, int n, int k, int j);

// A free object re-evaluates its step expression (its last parameter
// expression, into its last value). Nothing for other objects or for an
// object without parameter expressions. False when the evaluation fails.
bool reevaluePasObjetLibre(TfigureKalmetra& f, int n);

} // namespace km32::calcul
