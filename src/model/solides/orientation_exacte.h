#pragma once
// The side of a point with respect to the plane through three others, given
// exactly: the sign of det(b - a, c - a, d - a) for the coordinates as they
// are stored, with no rounding. A floating-point value decides when it is
// far enough from 0 for its rounding not to matter; otherwise the
// determinant is computed again in whole numbers. The hull builder relies on
// it to build a triangulated hull that is always a closed convex surface.
#include "model/vecteurs.h"

namespace km32 {

// +1 when d lies on the side the normal (b - a) x (c - a) points to, -1 on
// the other side, 0 when the four points are coplanar. Coordinates must be
// finite.
int orientationExacte(const Tvecteur3& a, const Tvecteur3& b, const Tvecteur3& c, const Tvecteur3& d);

} // namespace km32
