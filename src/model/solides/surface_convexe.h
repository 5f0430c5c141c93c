#pragma once
// The faces of the convex hull of some vertices of a polyhedron record,
// found in two steps so that every face agrees with its neighbours:
//  1. the hull is triangulated exactly (points added one by one, the side of
//     a point to a triangle given by orientationExacte), which always gives
//     a closed convex surface, each triangle edge shared by two triangles;
//  2. from the largest triangle down, each face grows across its sides one
//     neighbouring triangle at a time, kept while the grown face still fits
//     its plane (fitted again each time): every vertex of its triangles
//     within eps of it, no point more than eps above it, and its border one
//     simple cycle that does not bend inwards by more than eps. Each point
//     is then set against each face's plane once, and that one answer is
//     used everywhere.
// The hull builder (enveloppes.cpp) then names corners, points on sides and
// inner points from how many faces hold each vertex.
#include <cmath>
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

// Whether a point lies on a plane of the hull: within eps of it. Every "on
// the plane" of the space and plane hulls is decided here.
inline bool surPlanEnveloppe(const TPlanOriente& q, const Tvecteur3& v, double eps) {
    return std::fabs(q.a * v.x + q.b * v.y + q.c * v.z + q.d) <= eps;
}

// The hull of the vertices in pris (numbers 1 to the vertex count). Among
// them, a, b, c, d must not be coplanar: the caller finds them.
SurfaceConvexe surfaceConvexe(const TPolyedre& p, const TEnsembleSommets& pris, int a, int b, int c, int d,
                              double eps);

} // namespace km32
