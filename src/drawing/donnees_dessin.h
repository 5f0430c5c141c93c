#pragma once
// Building the drawing data of objects (see element_solide.h): which objects
// get a record, the builder of each nature, the clipping of segments to the
// figure's box and to a limiting solid, and the rebuilds after a change.
#include <array>
#include <cstdint>

#include "drawing/element_solide.h"
#include "model/calcul/geometrie.h"
#include "model/figure.h"

namespace km32 {

// Rebuilds the drawing data of object n (7 to 255). Nothing for an object
// that is not drawable or is a text; no record when it is undefined, not
// drawn, of a colour not valid, or abandoned by its builder.
void construitElementSolide(TfigureKalmetra& f, int n);
// Every drawable non-text object 7 to N.
void construitElementsSolides(TfigureKalmetra& f);
// After a move of the active free object: the objects that depend on it, or
// whose limiting object does, then the marks of the isolated plane.
void reconstruitElementsMarques(TfigureKalmetra& f);
// The same for the objects of a set, or whose limiting object is in it.
void reconstruitElementsEnsemble(TfigureKalmetra& f, const TEnsembleObjets& ensemble);

// Isolated plane: the in-plane mark of one record, then of every record.
void marqueElementDansPlanIsole(TfigureKalmetra& f, int n);
void marqueElementsDansPlanIsole(TfigureKalmetra& f);

// The nature a record is built for: the object's kind, 50 for a line of
// code 71 (the graduated axes).
uint8_t natureDessin(const TObjetFigure& o);

// The table of cosines and sines of N steps (10 to 999) round the circle,
// made when no drawing record holds it and freed with the last one that
// does: spheres of one radius in one view share it.
std::shared_ptr<const TcercleUnite> cercleUnite(int nombre);

// Clips the segment p1 p2 (model coordinates) to the figure's box, one
// coordinate after the other, then to the limiting solid when limite is a
// defined object; false when nothing is left. The surviving ends come out
// in integer units.
bool coupeSegment(const TfigureKalmetra& f, int limite, double p1[3], double p2[3], TpointEntier& a,
                  TpointEntier& b);

// A point belongs to a cap when its value in the cap's plane is at most this.
constexpr double kToleranceCoteCalotte = 1e-6;
// The sphere and the base plane of spherical cap n (the part of sphere
// parent 5 on the side of point parent 4 of the plane of parents 1 to 3):
// centre, radius and the plane with a unit normal, negative on the cap's
// side. False when a parent is undefined, the plane has no normal or the
// point lies on it.
bool geometrieCalotte(const TfigureKalmetra& f, int n, calcul::V3& centre, double& rayon,
                      std::array<double, 4>& plan);
// The drawing data of spherical cap n: its base circle (the cut of the
// sphere by the plane), the outline samples of its sphere and, when it is
// hatched, the parts of the sphere's parallels on the cap's side. Its
// construction leaves a cap undefined, so that the rebuilds above never
// reach this; it is what they build for a cap that has its geometry.
void construitDonneesCalotte(const TfigureKalmetra& f, int n, TElementSolide& e, bool& abandon);
// Sample counts: round(500 r z) for a circle of radius r at zoom z.
int nombrePasCercle(const TfigureKalmetra& f, double rayon);

} // namespace km32
