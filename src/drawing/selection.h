#pragma once
// Picking: which object of a figure lies under a mouse position of its
// drawing window. Only what is on the screen counts: the display elements of
// the figure's display list. Objects are searched family by family (texts of
// the top band, points, lines, polygons and polyhedra, curves, solids); the
// nearest object of a family wins, and a later family takes over only when
// its object is clearly nearer. The search is limited to the objects the
// current designation allows (designation.h).
#include <cstdint>
#include <optional>

#include "model/figure.h"

namespace km32 {

// The style code selected in the style palette: the palette gives it when
// it opens (until then, style 0).
using StyleDeLaPalette = uint8_t (*)();

struct EtatSelection {
    // The pick unit in pixels: 3 % of the desktop width, rounded, fixed when
    // the library is loaded.
    int32_t toleranceDesignation = 31;
    // What the last pick was allowed to find.
    TEnsembleObjets ensembleDesignable;
    // The designation rule of the open construction dialog's current field:
    // the dialog registers it when it opens and whenever its current line
    // changes, and clears it when it closes. While the dialog is open and
    // none is registered, every drawable object may be picked.
    std::optional<uint16_t> regleDuDialogue;
    StyleDeLaPalette styleDeLaPalette = nullptr;
};
EtatSelection& etatSelection();
// Back to the defaults, the tolerance taken from the current desktop.
void reinitialiseSelection();
// round(desktop width x 0.03): the load-time step.
void fixeToleranceDesignation();

// The style code selected in the palette (0 when none).
uint8_t styleChoisiDansPalette();

// Distance in pixels from (px, py) to the screen segment AB: to A when A = B
// or when the point projects before A, to B beyond B, else to the line AB.
double distancePointSegmentEcran(double px, double py, double ax, double ay, double bx, double by);

// The object under the mouse position (x, y in pixels of the drawing
// window), 0 for none.
uint8_t objetSousSouris(TfigureKalmetra& f, int32_t x, int32_t y);

} // namespace km32
