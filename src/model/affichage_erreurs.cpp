#include "model/affichage_erreurs.h"

namespace km32 {

EtatAffichageErreurs& etatAffichageErreurs() {
    static EtatAffichageErreurs e;
    return e;
}

void reinitialiseAffichageErreurs() {
    etatAffichageErreurs() = EtatAffichageErreurs{};
}

} // namespace km32
