#pragma once
// Step-by-step replay: the user objects of a figure in construction order,
// walked through one step at a time; the drawing shows the objects up to the
// one of the current step, with that object's definition as a caption.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kPhraseAucunObjetDisponible = 11164;
constexpr uint16_t kPhraseErreurTQ = 11114;

// Switches the replay off when it is on; otherwise lists the objects (no key
// command, no object whose access is forbidden) and starts at step 1, or
// tells that there is nothing to show.
void pasAPas(TfigureKalmetra& f);
// Next and previous step, with a repaint; nothing at the ends or while the
// replay is off.
void etapeSuivante(TfigureKalmetra& f);
void etapePrecedente(TfigureKalmetra& f);
// The last object drawn: the object of the current step during the replay,
// else the last object of the figure.
int dernierObjetDessine(const TfigureKalmetra& f);

} // namespace km32
