#pragma once
// The general constructions that are neither points, lines, circles nor
// transformations: planes, frames, vectors, units of length, numbers and
// measures, displays, key commands and the hand-off of solids to their
// records. Each computes object n by its construction code once its
// antecedents are known to be defined; a failure leaves n undefined with its
// reason, the values written before the failing test stay written.
#include "model/figure.h"

namespace km32 {

// Planes (kind 28): values 1 to 3 the unit normal n, value 4 = -(n.point).
void calculePlan(TfigureKalmetra& f, int n);
// Frames (55), units of length (56), vectors (57, 58), numbers (53, 44, 45)
// and the measures, which go to the measure computation.
void calculeRepereOuNombre(TfigureKalmetra& f, int n);
// Displays (kind 17): the number of decimals in value 3, then what they show.
void calculeAffichage(TfigureKalmetra& f, int n);
// Key commands with values (kind 20).
void calculeCommande(TfigureKalmetra& f, int n);
// Solids: parameters into values, then the record of the solid.
void calculeSolide(TfigureKalmetra& f, int n);

} // namespace km32
