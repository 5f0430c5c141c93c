#pragma once
// The menu filter box's controls described to the platform layer
// (formes_liees.h), so that a real backend shows them as the toolkit's own
// widgets bound to the box: the two titles as labels, the allowed and the
// forbidden commands as multi-selection lists (lines dragged from one onto
// the other move as the button between them moves them), and the five buttons.
#include "host/filtre_menus.h"

namespace km32 {

// The numbers of the two lists in the form.
constexpr int kListeLieeAutorises = 1, kListeLieeInterdits = 2;

void lieFormeFiltreMenus(const TBoiteFiltreMenu& b);

} // namespace km32
