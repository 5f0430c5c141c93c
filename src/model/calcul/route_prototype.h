#pragma once
// The prototype road of the computation: a prototype result is computed by
// running the prototype's inner figure on copies of its given objects.
#include "model/figure.h"

namespace km32 {

// Object n is the result of a prototype and its antecedents are defined.
void calculeResultatPrototype(TfigureKalmetra& f, int n);

} // namespace km32
