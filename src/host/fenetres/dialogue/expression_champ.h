#pragma once
// The expression field of the construction dialog in mathematical form, as
// the expression button shows it. The field is read the way its command
// reads it: the expression of a function or of a curve in the variables
// given by the other answers, a plane equation in X, Y and Z, the term of a
// sequence, and the lists of (object, coefficient) pairs of a barycentre or
// a table of values.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

// The math text of line k of the record; erreur is the phrase of a text
// that cannot be read (from 533 on the text is not shown).
std::string expressionDuChampCourant(const TfigureKalmetra& f, const TDialogueObjet& d, int k,
                                     uint16_t& erreur);

} // namespace km32
