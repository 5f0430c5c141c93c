#pragma once
// Propagation of a change through a figure: the objects that depend on a
// set, their recomputation in construction order with the refresh of the
// drawing, the reading and writing of the free values of a set of objects,
// and the recomputation after each move of the active free object.
//
// Every object comes after the objects it depends on, so one upward pass
// finds all dependants.
#include <array>
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Adds to the set every object from 14 on with an antecedent in the set; the
// pass runs upward, so dependants of dependants come in the same pass.
void ajouteDependants(const TfigureKalmetra& f, TEnsembleObjets& ensemble);

// Recomputes what depends on the set (and the displays of "val(" texts),
// lets glued points follow, rebuilds the drawing data and repaints; marks
// the figure modified. Nothing for an empty set.
void recalculeDependants(TfigureKalmetra& f, const TEnsembleObjets& ensemble);

// Free points in space glued to an object of the set follow it: each moves
// onto its object, it and its dependants are recomputed and join the set;
// one that cannot reach its object (still apart after the move) goes back
// where it was. The object `sauf` (0: none) is left where it is.
void suitLesPointsColles(TfigureKalmetra& f, TEnsembleObjets& ensemble, int sauf = 0);

// True when one of the objects whose values colour o (its colour sources) is
// in the set, or, for sourceCouleurMarquee, depends on the active free object.
bool sourceCouleurDans(const TObjetFigure& o, const TEnsembleObjets& ensemble);
bool sourceCouleurMarquee(const TfigureKalmetra& f, const TObjetFigure& o);

// The free values of a set of objects, in object order and in each object's
// layout (up to 40 values; an object whose values would not all fit is not
// read and ends the reading).
constexpr int kMaxValeursLibres = 40;
using TvaleursLibres = std::array<double, kMaxValeursLibres>;
void litValeursObjetsLibres(const TfigureKalmetra& f, const TEnsembleObjets& ensemble,
                            TvaleursLibres& valeurs, uint8_t& nombre);
// Writes back nombre values read by litValeursObjetsLibres, then recomputes:
// with the refresh (recalculeDependants) when redessiner is true, otherwise
// only the closure of the set by calculeObjet.
void affecteValeursObjetsLibres(TfigureKalmetra& f, const TEnsembleObjets& ensemble,
                                const TvaleursLibres& valeurs, uint8_t nombre, bool redessiner);

// The dependants of the active free object, marked once when it becomes
// active (flag kDrapeauDependDeObjetLibreActif): cleared on objects 14 on,
// set on the active object and on every later object with a marked
// antecedent, except a locus driven by the active object itself.
void marqueDependantsObjetActif(TfigureKalmetra& f);
// After each move of the active free object: computes the marked objects
// from the active one on, curves last (a curve is recomputed when it or its
// limiting object is marked). Allocates nothing.
void recalculeDependantsObjetActif(TfigureKalmetra& f);

} // namespace km32
