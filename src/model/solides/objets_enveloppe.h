#pragma once
// The objects a convex hull of points may take: points and polygons for a
// hull polygon, and also polyhedra for a hull polyhedron. The reading of a
// hull's line and the computation of the hull both ask here, so that a hull
// of another object gets the same reason whichever road made it.
#include <cstdint>

namespace km32 {

constexpr uint16_t kRaisonPasPointNiPolygone = 449;           // a hull polygon of another object
constexpr uint16_t kRaisonPasPointNiPolygoneNiPolyedre = 453; // a hull polyhedron of another object

// Whether an object of that construction code may be taken by a hull polygon
// (enveloppePolygone) or a hull polyhedron.
bool estConstructionDEnveloppe(uint8_t code, bool enveloppePolygone);

} // namespace km32
