#pragma once
// The comment editor described to the platform layer (formes_liees.h): its
// two labels, the raw text as a multi-line entry, and its menu as a band of
// buttons under the drawing. The palette row and the drawing stay the
// editor's own painting between them.
#include "host/fenetres/editeur_commentaire.h"

namespace km32 {

constexpr int kChampTexteEditeurCommentaire = 1;

void lieFormeEditeurCommentaire(const TFenEditCom& e);
// The height the band of the menu's buttons needs under the editor's area
// (at least kHauteurBandeEditeurCommentaire).
int32_t hauteurBandeEditeurCommentaire(const TFenEditCom& e);

} // namespace km32
