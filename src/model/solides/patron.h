#pragma once
// The net of a convex polyhedron: its faces unfolded about the tree of hinge
// edges the space hull left behind (each face was reached from another one
// across one edge). The opening t turns every face about its hinge by t times
// the angle between its normal and its origin face's normal: t = 0 leaves the
// polyhedron closed, t = 1 lays every face flat in the plane of face 1.
//
// The net's vertices are each face's own copies of its corners, face by face
// in the polyhedron's face order. An edge whose two faces still meet (a hinge,
// or any edge of the closed net) appears once with both faces, in the copies
// of the lower-numbered face; the other sides appear once per face, with that
// face as both of their faces.
#include <cstdint>

#include "model/figure.h"
#include "model/solides/polyedres.h"

namespace km32 {

constexpr uint16_t kRaisonSommetsPatron = 498; // more than 160 vertex copies

// Builds the net of polyedre opened by ouverture (0 to 1) into patron's
// geometry, flags and opening; its view data is left as it is. Returns 0, or
// the reason when the net does not fit (498 vertices, 459 edges).
uint16_t construitPatron(const TPolyedre& polyedre, double ouverture, TDonneesPatron& patron);

// The net object's record from the polyhedron record of its first parent and
// its opening (value 1). The object is left undefined when the parent has no
// computed polyhedron record or the net does not fit.
void calculeDonneesPatron(TfigureKalmetra& f, int objet);

} // namespace km32
