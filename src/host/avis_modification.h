#pragma once
// The host's function told when a figure's modified flag changes under an
// input of the figure: a drag, a turn of the view, a key, a command of its
// menu, an undo or a redo. The notices of the host window (WM_KEYUP 1025)
// tell of some changes only; a host that shows the flag (a mark in its
// caption) installs this function to follow it on every path.
#include <cstdint>

namespace km32 {

using AvisModification = void (*)(int16_t numero, int32_t modifiee);
// nullptr: nobody is told.
void installeAvisModification(AvisModification avis);
// Tells the installed function that figure numero's flag is now modifiee.
void avisModificationHote(int16_t numero, bool modifiee);

} // namespace km32
