// Exported function of the reminders window.
#include "km32.h"

#include "host/exports_commun.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "model/table_figures.h"

extern "C" {

KM32_EXPORT void KMAfficheRappels(int16_t numero) {
    km32::appelFigureSansResultat(numero, [&] { km32::afficheRappels(numero); });
}

} // extern "C"
