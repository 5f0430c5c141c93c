#pragma once
// The construction dialog's fields, buttons and lists described to the
// platform layer (formes_liees.h), so that a real backend shows them as the
// toolkit's own entries, buttons and combo boxes bound to the dialog's
// record. The combos are numbered by their lists' tags (16 the option list,
// 17 the unit list), apart from the fields' numbers 1 to 10.
#include "host/fenetres/dialogue/fenetre_dialogue.h"

namespace km32 {

void lieFormeDialogue(const TFenDialog& d);

} // namespace km32
