// PLACEHOLDER until the solids are built: the volume (163) and area (165)
// of a solid and the perimeter (208) of a polygon need the polyhedra table.
// The solids replace this file; meanwhile such a measure is undefined.
#include "model/figure.h"
#include "model/parametres_expression.h"

namespace km32 {

void calculeMesureSolide(TfigureKalmetra& f, int n) {
    objet(f, n).nonDefini = 1;
    objet(f, n).raison = 441;
}

} // namespace km32
