// PLACEHOLDER until the prototype table holds prototypes.
//
// A prototype line replays the prototype's given objects; the executor asks
// for them through EtatExecuteur::trouvePrototype. The table of prototypes
// has no records yet, so no prototype is found and the line is refused
// without a message of its own. The prototype module replaces this
// function when it fills the table.
#include "text/executeur_construction.h"

namespace km32 {

TInterfacePrototype* prototypeDeFigure(TfigureKalmetra&, uint8_t) {
    return nullptr;
}

} // namespace km32
