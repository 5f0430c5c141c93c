#pragma once
// The keys of a figure: a virtual key (WM_KEYDOWN) or a character (WM_CHAR)
// becomes a key code, and the key code its action: the keyboard step of the
// active free object, the step sizes, the view keys, stopping timers and
// trace modes, or the command objects bound to the key. Also the tick of the
// figure clock (timer 271), which sets the built-in object `time`.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Modifier keys as the last key message saw them, and whether the carriage
// return that follows an Enter key is still to be dropped.
struct TetatClavier {
    uint8_t maj = 0, ctrl = 0, alt = 0;
    uint8_t avaleEntree = 0;
};
TetatClavier& etatClavier();
void reinitialiseClavier();

// Key translations: 1 when the key was handled.
uint8_t traiteToucheEnfoncee(TfigureKalmetra& f, uint32_t touche);
uint8_t traiteCaractere(TfigureKalmetra& f, uint32_t caractere);
// The action of a key code (2 to 7 the directions, 27 Escape, 129 to 154
// Ctrl+A to Ctrl+Z, 211 to 247 function, shifted and control keys, other
// values upper-case characters).
uint8_t actionDeTouche(TfigureKalmetra& f, uint8_t code);

// A WM_TIMER of the figure below 272: a repetition command's tick, else the
// figure clock's.
uint8_t topHorlogeOuCommande(TfigureKalmetra& f, uint32_t minuterie);

} // namespace km32
