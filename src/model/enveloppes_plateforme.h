#pragma once
// Thin wrappers over the platform's device contexts and windows, in the form
// the rest of the library calls them: device contexts by their 32-bit handle
// (as the figure record keeps them), windows by theirs. A handle that names
// no device context makes a drawing call do nothing.
#include <cstdint>

#include "platform/geometrie.h"

namespace km32 {

void deplaceVers(uint32_t dc, int32_t x, int32_t y);
// The window extent as (cy shl 16) + cx; 0 for an unknown context.
uint32_t etendueFenetre(uint32_t dc);
void fixeEtendueFenetre(uint32_t dc, int32_t cx, int32_t cy);
void fixeOrigineFenetre(uint32_t dc, int32_t x, int32_t y);
void fixeEtendueEcran(uint32_t dc, int32_t cx, int32_t cy);
void decaleOrigineEcran(uint32_t dc, int32_t dx, int32_t dy);
// The top-most ancestor of the window; 0 when the window has no parent.
uint32_t fenetreRacine(uint32_t fenetre);
// Takes the window of a form out of its parent, making it a top-level
// window; nothing when it has no parent or names no window.
void detacheFenetre(uint32_t fenetre);

} // namespace km32
