#pragma once
// Lines, rays and segments, circles and arcs, and the polygons computed into
// their solid records: the non-point objects whose values follow from their
// parents by a fixed construction.
#include "model/figure.h"

namespace km32 {

// Computes object n by its construction code (its antecedents are defined).
// A straight object gets its point in values 1 to 3 and its unit direction
// (a segment: its second end) in values 4 to 6; a circle its centre, unit
// normal, radius and a point of it in values 1 to 10, and its circle record
// brought up to date. On failure n is undefined with the reason.
void calculeObjetParticulier(TfigureKalmetra& f, int n);

// The circle record of circle n from its values, when n has a solid slot.
void actualiseDonneesCercle(TfigureKalmetra& f, int n);

} // namespace km32
