#pragma once
// The style palette's controls described to the platform layer
// (formes_liees.h), so that a real backend shows them as the toolkit's own
// widgets bound to the palette: the "R", "?" and "X" buttons and the
// headings of the groups of cells as labels, and the words of drawn / not
// drawn as labels over their cells and the sample. The 59 cells, the sample and
// the colour strip are pictures of styles, not controls: they stay the
// palette's own painting under the widgets, and a click on them reaches the
// palette's window as before.
#include "host/fenetres/palette_styles.h"

namespace km32 {

void lieFormePalette(const TFenetreStyle& s);

} // namespace km32
