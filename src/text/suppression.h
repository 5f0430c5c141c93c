#pragma once
// Deleting objects: a set of user objects goes with every object built from
// them; the tables are compacted and every object number the figure stores
// is renumbered, so that the figure is as if the other objects had been
// created alone. Also the protection of a set of objects.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kErreurSuppressionProtegee = 573; // "La suppression de #1 entraînerait..."

// The guarded deletion (the host's delete command, the property tests):
// refused (573 shown, nothing deleted) when a protected object would go
// with the set; takes an undo snapshot first, redraws and marks the figure
// modified. False for an empty set, a refusal, or no snapshot.
bool detruitEnsembleObjets(TfigureKalmetra& f, TEnsembleObjets ensemble);
// The plain deletion of a figure-text line: the set with its dependants,
// with no protection test, no snapshot and no redraw.
void supprimeObjetsEtDependants(TfigureKalmetra& f, TEnsembleObjets ensemble);
// Removes object k (14 to the count): its shares of the tables, its record
// and every stored reference to it; the numbers above k drop by one.
void renumeroteApresDestruction(TfigureKalmetra& f, int k);
// Protects (on) or unprotects the objects of the set, after an undo
// snapshot; false for an empty set.
bool protegeObjets(TfigureKalmetra& f, const TEnsembleObjets& ensemble, bool active);

} // namespace km32
