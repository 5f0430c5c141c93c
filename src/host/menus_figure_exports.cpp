// Exported functions of the figure menus.
#include "km32.h"

#include "host/exports_commun.h"
#include "host/menus_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"

extern "C" {

KM32_EXPORT void KMAfficheMenu(int16_t numero) {
    km32::appelFigureSansResultat(numero, [&] { km32::afficheMenuFigure(numero); });
}

KM32_EXPORT uint32_t KMMenuDeLaFigure(int16_t numero) {
    return km32::appelFigure(numero, uint32_t(0), [&] {
        return km32::figureExiste(numero) ? km32::menuDeLaFigure(numero) : uint32_t(0);
    });
}

KM32_EXPORT void KMmiseAjourMenus(int16_t numero, uint8_t* enregistrement) {
    km32::appelFigureSansResultat(numero, [&] {
        if (enregistrement && km32::figureExiste(numero))
            km32::ecritEtatMenus(*km32::figureDeNumero(numero), enregistrement);
    });
}

KM32_EXPORT void KMmiseAjourBoutons(int16_t numero, uint8_t* enregistrement) {
    km32::appelFigureSansResultat(numero, [&] {
        if (enregistrement && km32::figureExiste(numero))
            km32::ecritEtatBoutons(*km32::figureDeNumero(numero), enregistrement);
    });
}
}
