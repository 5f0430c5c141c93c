#pragma once
// Transformations (kind 15): affine maps p' = t + R p kept in twelve values,
// row by row, each row led by its translation component:
// t_x r11 r12 r13  t_y r21 r22 r23  t_z r31 r32 r33.
#include "model/figure.h"

namespace km32 {

// Computes transformation n from its construction code: translations (38,
// 104), central symmetry (40), half-turn about a line (39), symmetry about a
// plane (187), homotheties (41, 42), composition (43) and rotations (159,
// 160). On failure n is undefined with the reason; values already written
// stay.
void calculeTransformation(TfigureKalmetra& f, int n);

} // namespace km32
