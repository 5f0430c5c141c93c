#pragma once
// The faces of the convex hull of some vertices of a polyhedron record,
// found in two steps so that every face agrees with its neighbours:
//  1. the hull is triangulated exactly (points added one by one, the side of
//     a point to a triangle given by orientationExacte), which always gives
//     a closed convex surface, each triangle edge shared by two triangles;
//  2. neighbouring triangles are merged into one face while their corners
//     lie within eps of the plane of the face's largest triangle; each point
//     is set against each face's plane once, and that one answer is used
//     everywhere. A merged face that would not be bounded by one simple
//     cycle is left as its triangles.
// The hull builder (enveloppes.cpp) then names corners, points on sides and
// inner points from how many faces hold each vertex.
#include <vector>

#include "model/solides/polyedres.h"

namespace km32 {

struct FaceSurface {
    TPlanOriente plan;        // unit outward normal and constant
    std::vector<int> bord;    // its vertices round it, counter-clockwise seen from outside
    TEnsembleSommets surPlan; // every vertex within eps of the plane (decided once)
};

struct SurfaceConvexe {
    std::vector<FaceSurface> faces;
    TEnsembleSommets sommetsDeSurface; // the vertices of the triangulated hull
};

// The hull of the vertices in pris (numbers 1 to the vertex count). Among
// them, a, b, c, d must not be coplanar: the caller finds them.
SurfaceConvexe surfaceConvexe(const TPolyedre& p, const TEnsembleSommets& pris, int a, int b, int c, int d,
                              double eps);

} // namespace km32
