// The opening of a prototype's construction from the pop-up menu. The
// construction dialog asks for the given objects of the prototype; until
// that dialog is in the library the choice is refused (the host sees the
// refusal in the message's result).
#include "host/prototypes_menu.h"
#include "host/repartiteur.h"

namespace km32 {

uint8_t ouvreConstructionPrototype(TfigureKalmetra& f, uint8_t emplacement) {
    return commandeNonDisponible(f, kPremiereCommandePrototype - 1 + emplacement);
}

} // namespace km32
