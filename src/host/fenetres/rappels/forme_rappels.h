#pragma once
// The reminders window's labels and list described to the platform layer
// (formes_liees.h), so that a real backend shows them as the toolkit's own
// labels and list: the four headings and the reminders of each group under
// its heading, every line read as plain text, all of them shown at once as
// in the window's own list (a tree would open on its headings alone). The
// list only shows: the window takes no selection.
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "platform/formes_liees.h"

namespace km32 {

// The number of the window's list in its form.
constexpr int kListeRappels = 1;

void lieFormeRappels(const TKMrappels& r);

} // namespace km32
