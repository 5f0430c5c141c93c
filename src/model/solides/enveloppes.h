#pragma once
// Convex hulls of the vertex list of a polyhedron record: the faces, edges
// and vertex cycles are rebuilt. A polyhedron gets the space hull: its faces
// come from an exact triangulated hull merged within the tolerance
// (surface_convexe.h), so that neighbouring faces always agree, and are then
// numbered in the order gift wrapping reaches them (face 1 through the first
// three vertices not aligned, then across the sides of each face in turn).
// A polygon gets the plane hull: an exact hull of its vertices in their
// plane (with both orientations of the plane and one side plane per side).
// Points that are not corners (duplicates, points on a side, inner points)
// are dropped and the vertices renumbered; for a user's own vertex list
// (given by vertices) they are refused with a reason whose vertices the
// error bytes name.
//
// Face cycles turn counter-clockwise round the outward normal.
#include <cstdint>

#include "model/solides/polyedres.h"

namespace km32 {

constexpr double kEpsilonEnveloppe = 1e-6;

// Reasons.
constexpr uint16_t kRaisonTropDAretes = 459; // more than 160 edges
constexpr uint16_t kRaisonTropDeCotes = 460; // more than 40 sides on a face
constexpr uint16_t kRaisonSommetsCoplanaires = 462;
constexpr uint16_t kRaisonTropDeFaces = 463; // more than 80 faces
constexpr uint16_t kRaisonInterieurPolyedre = 494;
constexpr uint16_t kRaisonInterieurPolygone = 496;
constexpr uint16_t kRaisonSommetsAlignes = 501;
constexpr uint16_t kRaisonNonCoplanaires = 502;
constexpr uint16_t kRaisonInterieurFace = 503;
constexpr uint16_t kRaisonSurArete = 508;
constexpr uint16_t kRaisonSommetsConfondus = 509;

// On failure nonDefini is set to 1 and raison to the reason; the record is
// left as far as it was built.
void enveloppeConvexe3D(TPolyedre& p, uint8_t& nonDefini, uint16_t& raison);
void enveloppeConvexePlane(TPolyedre& p, uint8_t& nonDefini, uint16_t& raison);

// A new edge with both faces set to face (the hull builder gives it its
// second face when it reaches it).
void ajouteArete(TPolyedre& p, int a, int b, int face);
// The edge joining a and b, 0 when none.
int numeroArete(const TPolyedre& p, int a, int b);

} // namespace km32
