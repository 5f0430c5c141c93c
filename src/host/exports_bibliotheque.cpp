// Exported functions: the start and end of the library for a host.
#include "km32.h"

#include "host/bibliotheque.h"
#include "host/exports_commun.h"
#include "host/langue_hote.h"
#include "platform/hasard.h"
#include "text/langue_texte.h"

extern "C" {

KM32_EXPORT void KMInitialise(void) {
    try {
        km32::initialiseBibliotheque();
    } catch (...) {
    }
}

KM32_EXPORT void KMTermine(void) {
    try {
        km32::termineBibliotheque();
    } catch (...) {
    }
}

KM32_EXPORT void KMImposeGraineHasard(uint64_t graine) {
    km32::appelProtegeSansResultat([&] { km32::platform::imposeGraineHasard(graine); });
}

KM32_EXPORT void KMappliqueLangue(int16_t langue) {
    km32::appelProtegeSansResultat([&] {
        if (langue >= 1 && langue <= 3) km32::appliqueLangueKM(uint16_t(langue));
    });
}

KM32_EXPORT int16_t KMLangueDuTexte(const char* texte) {
    int16_t langue = 0;
    km32::appelProtegeSansResultat([&] {
        if (texte) langue = int16_t(km32::langueDuTexteFigure(texte));
    });
    return langue;
}
}
