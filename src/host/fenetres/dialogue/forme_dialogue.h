#pragma once
// The construction dialog's fields and buttons described to the platform
// layer (formes_liees.h), so that a real backend shows them as the toolkit's
// own entries and buttons bound to the dialog's record.
#include "host/fenetres/dialogue/fenetre_dialogue.h"

namespace km32 {

void lieFormeDialogue(const TFenDialog& d);

} // namespace km32
