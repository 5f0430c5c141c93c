#pragma once
// Sampling and hatching shared by the builders of the drawing data: circles
// sampled with the box and solid rules, the chords of hatched circles and
// faces, the parallels of hatched spheres.
#include <vector>

#include "drawing/element_solide.h"
#include "model/calcul/geometrie.h"

namespace km32 {

// Samples C + r cos(t) U + r sin(t) V for t = k angle / pas, k = 0..pas,
// keeping the points inside the box and the limiting solid; a rejected point
// makes the next kept one start a new piece. False when more than `maximum`
// points would be kept.
bool echantillonneCercle(const TfigureKalmetra& f, int limite, calcul::V3 C, calcul::V3 U, calcul::V3 V,
                         double r, int pas, double angle, std::vector<TentreeLigne>& ligne,
                         std::size_t maximum = kMaxPointsLigne);

// Two unit vectors across the unit axis a, a x u = v.
void baseOrthogonale(calcul::V3 a, calcul::V3& u, calcul::V3& v);

// The direction across the chords for a fill pattern (2 horizontal, 3
// vertical, 4 diagonal, 5 reverse diagonal), from the unit vectors U and V.
calcul::V3 directionHachures(uint8_t motif, calcul::V3 U, calcul::V3 V);

// Chords of a hatched disc of centre C, radius r, in the plane of unit U and
// V: fills the block; false when no chord survives (or there is no room for one).
bool hachureCercle(const TfigureKalmetra& f, int limite, uint8_t motif, calcul::V3 C, calcul::V3 U,
                   calcul::V3 V, double r, double pasMinimal, TblocSegments& bloc);

// Chords of a hatched convex face given by its corners in order.
void hachureFace(const TfigureKalmetra& f, int limite, uint8_t motif, const calcul::V3* sommets, int nombre,
                 calcul::V3 normale, TblocSegments& bloc);

// Parallels of a hatched sphere of centre C and radius r.
void parallelesSphere(const TfigureKalmetra& f, int limite, uint8_t motif, calcul::V3 C, double r,
                      TparallelesSphere& p);

} // namespace km32
