#pragma once
// Dragging a free object under its constraint. A left press on a free
// object grabs it; each mouse move then turns the mouse position into new
// free values, so that the object moves along the line, circle, arc, plane
// or sphere it is bound to, or in the plane parallel to the screen, while
// its dependants follow. The constraint lives in the figure's drag state
// (TetatGlisser), which the mouse entry points (souris.h) create and end.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// The free object drawn less than 20 pixels from (x, y), 0 for none. Among
// positions less than 4 pixels apart the later object wins.
uint8_t objetLibreSousCurseur(TfigureKalmetra& f, int32_t x, int32_t y);
// Grabs the free object under the mouse (lParam: x low, y high) and
// prepares its constraint; nothing when nothing valid is there.
void saisitObjetLibre(TfigureKalmetra& f, int32_t lParam);
// One drag step after a mouse move (the mouse is in the drag state).
void glisseObjetLibre(TfigureKalmetra& f);
// Writes a step's new values into the active free object and refreshes.
void appliqueValeursGlissees(TfigureKalmetra& f);
// The point lies outside the figure's box, or is drawn outside the drawing
// area shrunk by 2 pixels (and below the band).
bool horsZoneDeDessin(const TfigureKalmetra& f, double x, double y, double z);

} // namespace km32
