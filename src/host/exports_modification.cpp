// Exported function: the host's function told when a figure's modified flag
// changes.
#include "km32.h"

#include "model/avis_modification.h"
#include "host/exports_commun.h"

extern "C" {

KM32_EXPORT void KMInstalleAvisModification(KMAvisModification avis) {
    km32::appelProtegeSansResultat([&] { km32::installeAvisModification(avis); });
}
}
