// Exported functions: saving a figure and asking whether it has unsaved
// changes.
#include "km32.h"

#include "base/texte.h"
#include "host/exports_commun.h"
#include "text/sauvegarde_figure.h"

extern "C" {

KM32_EXPORT int32_t KMsauveFigure(int16_t numero, const char* fichier) {
    return km32::appelFigure(numero, int32_t(1), [&]() -> int32_t {
        if (!fichier) return 1;
        return km32::sauveFigure(numero, km32::coupe(fichier, 255));
    });
}

KM32_EXPORT int32_t KMfigureModifiee(int16_t numero) {
    return km32::appelFigure(numero, int32_t(0), [&]() -> int32_t { return km32::figureModifiee(numero); });
}
}
