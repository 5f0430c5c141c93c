#pragma once
// Labels of points as the renderer draws them (a plain name with its
// subscript, or a label text as mathematical text), and the separation of
// overlapping names. Their boxes are measured and placed with the display
// list (drawing/textes_dessin.h).
#include <cstdint>
#include <string>

#include "drawing/bloc_dessin.h"
#include "platform/contexte_dessin.h"

namespace km32 {

// Draws the label of a point element at its box position (scaled in scaled
// drawing), when that position lies in the clip rectangle.
void dessineTexteEtiquette(platform::ContexteDessin& dc, const TelementDessin& e, platform::Couleur couleur);

// Moves the names of points so that their boxes do not overlap, marks the
// figure modified when some name was considered, and repaints; true when a
// box moved.
bool separeNomsDesPoints(TfigureKalmetra& f);

} // namespace km32
