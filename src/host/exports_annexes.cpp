// Exported functions: the figure text editor and the comment window.
#include "km32.h"

#include "host/exports_commun.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fenetre_commentaire.h"

extern "C" {

KM32_EXPORT void KMAfficheEditeurFigure(int16_t numero) {
    km32::appelFigureSansResultat(numero, [&] { km32::KMAfficheEditeurFigurePourNumero(numero); });
}

KM32_EXPORT void KMAfficheCommentaire(int16_t numero) {
    km32::appelFigureSansResultat(numero, [&] { km32::KMAfficheCommentairePourNumero(numero); });
}

} // extern "C"
