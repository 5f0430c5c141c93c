#pragma once
// Bringing one object of a figure up to date: the one entry every other
// subsystem uses to recompute an object.
#include "model/figure.h"

namespace km32 {

// Computes object n (1 to 255) from its construction, parents and parameter
// expressions, or marks it undefined with the reason. A prototype result
// goes to the prototype road; a locus (37, 219) to its sampling
// (model/lieux.h); every other object to calculeObjetGeneral. An
// internal error during the computation (a failed index check) leaves the
// object undefined, never escapes.
void calculeObjet(TfigureKalmetra& f, int n);

// The computation of an object that is no prototype result: the check of
// its antecedents, then the route of its construction code. A locus keeps
// its values here (the sampling of a locus uses this entry).
void calculeObjetGeneral(TfigureKalmetra& f, int n);

// Sets the undefined byte of n when it has an undefined antecedent (reason
// 437) or is a given object (reason untouched), clears it otherwise. A table
// of values (code 127) is not undefined because a shown object is; a locus
// is not undefined because its traced point is.
void verifieAntecedents(TfigureKalmetra& f, int n);

// Recomputes, in increasing order, the objects from 14 on whose sampling
// depends on the figure's bounds and scale: parametric curves (23), loci
// of a point (37) and graphs of functions of one variable (131).
void recalculeObjetsParticuliers(TfigureKalmetra& f);

} // namespace km32
