#include "model/calcul/route_prototype.h"

#include "model/calcul/table_calcul.h"

namespace km32 {

// Computed by a later step (the prototype table is not written yet).
void calculeResultatPrototype(TfigureKalmetra& f, int n) {
    calculeParEtapeUlterieure(f, n);
}

} // namespace km32
