#include "host/fenetre_commentaire.h"

#include "host/fenetres/fenetre_commentaire.h"

namespace km32 {

bool afficheFenetreCommentaire(TfigureKalmetra& f) {
    if (!f.texteCommentaire) return false;
    KMAfficheCommentairePourNumero(int16_t(f.numeroFigure));
    const TKMFenCommentaire* c = fenetreCommentaire();
    return c != nullptr && c->numeroFigure == f.numeroFigure;
}

} // namespace km32
