#pragma once
// The colour of an object computed from its three colour-source objects.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Recomputes the colour of object n from the values of its red, green and
// blue source objects; an undefined source or a value outside -0.1 .. 255.1
// marks the colour not valid.
void couleurParScalaires(TfigureKalmetra& f, uint8_t n);

// True when the prototype keeps the colour given by its own result (the
// colour is then not recomputed). The prototype module gives its body.
bool couleurDuResultatDePrototype(const TfigureKalmetra& f, uint8_t numeroPrototype);

} // namespace km32
