// Exported functions: the figure text editor, the comment window, and what
// the editors hold that is not applied yet.
#include "km32.h"

#include "host/exports_commun.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fenetre_commentaire.h"

extern "C" {

KM32_EXPORT void KMAfficheEditeurFigure(int16_t numero) {
    km32::appelFigureSansResultat(numero, [&] { km32::KMAfficheEditeurFigurePourNumero(numero); });
}

KM32_EXPORT void KMAfficheCommentaire(int16_t numero) {
    km32::appelFigureSansResultat(numero, [&] { km32::KMAfficheCommentairePourNumero(numero); });
}

KM32_EXPORT int32_t KMTexteNonApplique(int16_t numero) {
    return km32::appelFigure(numero, int32_t(0), [&]() -> int32_t {
        const km32::TFenetreEditeur* e = km32::fenetreEditeur();
        if (e && e->numeroFigure == numero && (e->texteModifie || e->autreTexteModifie)) return 1;
        const km32::TFenEditCom* c = km32::editeurCommentaire();
        if (c && c->numeroFigure == numero && c->modifie) return 2;
        return 0;
    });
}

} // extern "C"
