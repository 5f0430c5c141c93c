#pragma once
// Scaled drawing: every device coordinate the renderer computes is multiplied
// by the scale factor (etatRendu().facteurEchelle while modeEchelle is on), so
// that a figure painted for the clipboard or a printer comes out at a size
// given in millimetres. Pen widths and texts keep their size: texts of the
// band are drawn unscaled, labels at scaled positions.
#include <cstdint>

#include "model/figure.h"
#include "platform/contexte_dessin.h"

namespace km32 {

// n times the scale factor, rounded and clamped to +-1048320.
int32_t echelleEntier(int32_t n);
// Both corners, when scaled drawing is on (else unchanged).
void echelleRectangle(platform::Rect& r);

// Paints the figure into dc in scaled mode with that factor (and in one
// colour when asked): dc is the figure's current context for the paint, the
// zones of the display list are scaled during it and unscaled again after.
// pixel: the device units of one screen pixel for pens, dots, dash steps and
// texts (1 for the clipboard and the printer, where they keep their size in
// device units). The caller sets the copying or printing flag that chooses
// the zone.
void peintFigureAEchelle(TfigureKalmetra& f, platform::ContexteDessin& dc, double facteur, bool monochrome,
                         double pixel = 1.0);

} // namespace km32
