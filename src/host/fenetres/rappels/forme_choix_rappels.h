#pragma once
// The reminder picker's buttons and list described to the platform layer
// (formes_liees.h), so that a real backend shows them as the toolkit's own
// buttons and list bound to the picker's record: the list's lines are the
// reminders read as plain text, its selection is the picker's, a selection
// or an activated line goes through the picker's own click and double click.
#include "host/fenetres/rappels/choix_rappels.h"
#include "platform/formes_liees.h"

namespace km32 {

// The number of the picker's list in its form.
constexpr int kListeChoixRappels = 1;

void lieFormeChoixRappels(const TFenRaPour& c);

} // namespace km32
