// Placeholder until the prototype table exists: no prototype keeps its
// result's colour. The prototype module replaces this file with the real
// reader of its flag.
#include "model/couleur_par_scalaires.h"

namespace km32 {

bool couleurDuResultatDePrototype(const TfigureKalmetra&, uint8_t) {
    return false;
}

} // namespace km32
