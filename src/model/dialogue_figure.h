#pragma once
// The lines of a figure's construction dialog, as the model fills them.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Appends an answer line: its prompt phrase, the width of its field (0: no
// field) and the designation rule of its answer; rule 98 marks an expression
// field. Its answer stays as it is, so that a pre-filled answer survives. A
// twelfth line is refused with the internal error (the record holds 11).
void ajouteLigneDialogue(TDialogueObjet& dialogue, uint16_t phraseInvite, uint8_t longueurReponse,
                         uint16_t genreReponse);
// The last added line puts its field under its prompt instead of beside it.
void reponseSousInvite(TDialogueObjet& dialogue);

} // namespace km32
