#pragma once
// The comment window (annex code 136): the figure's comment shown read-only
// as mathematical text in a paint box, the window sized to the text's
// measure within fixed bounds.
#include <cstdint>
#include <string>

#include "sibling/codes_annexes.h"
#include "platform/geometrie.h"
#include "text/execution_texte.h"
#include "sibling/texte_math.h"

namespace km32 {

struct TKMFenCommentaire {
    uint32_t fenetre = 0;
    uint32_t boitePeinture = 0; // the paint box, a child of the window
    uint8_t numeroFigure = 0;
    std::string texte; // the window's own copy of the comment
    EncombrementTQ mesure;
    platform::Rectangle cadreBoite; // in the client area
    int32_t largeurClient = 0, hauteurClient = 0;
    bool defilementHorizontal = false, defilementVertical = false;
};

// Opens the window on the figure's comment (an empty text when it has
// none); nothing when the figure does not exist or the annex slot is
// refused. The open window, nullptr when none.
void KMAfficheCommentairePourNumero(int16_t numero);
TKMFenCommentaire* fenetreCommentaire();

// Draws the comment into the paint box.
void PaintBox1Paint(TKMFenCommentaire& c);
// True when the window may close at once (the annex is being closed);
// otherwise the mother window is asked to close it.
bool FormCloseQuery(TKMFenCommentaire& c);

void reinitialiseFenetreCommentaire();

} // namespace km32
