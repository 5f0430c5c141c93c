// Exported functions: the start and end of the library for a host.
#include "km32.h"

#include "host/bibliotheque.h"

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
}
