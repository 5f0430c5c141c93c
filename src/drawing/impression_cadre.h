#pragma once
// The drawing zone of a figure and its print frame. The zone is the part of
// the drawing that a paint fills: the whole drawing on screen (less the
// host's frame), or, while the drawing is copied or printed with the print
// frame shown, the part inside that frame. The print frame is kept as four
// fractions of the drawing's width and height (left, top, right, bottom, to
// 1/100) and can be dragged side by side with the mouse.
#include <cstdint>

#include "model/figure.h"
#include "platform/contexte_dessin.h"

namespace km32 {

struct TzoneDessin {
    // The zone: left and top, right and bottom in pixels; and the whole
    // drawing (0, 0, width, height).
    platform::Rect zone;
    platform::Rect complet;
    // Width and height of the zone in pixels (right - left + 1, and one more
    // for a width below the drawing's), its left and top.
    int32_t largeur = 0, hauteur = 0;
    int32_t gauche = 0, haut = 0;
};

struct TetatZoneDessin {
    TzoneDessin zone; // from the last calculeZoneDessin
    // The zone is computed for a printed page: the print frame then keeps a
    // margin of 4 pixels left and top and 2 right and bottom.
    uint8_t impressionEnCours = 0;
};

TetatZoneDessin& etatZoneDessin();
void reinitialiseZoneDessin();

// Computes the zone of the figure (and keeps it as the last zone).
const TzoneDessin& calculeZoneDessin(const TfigureKalmetra& f);

// The print frame in pixels of the drawing: each fraction times the width or
// height, rounded (not clamped).
platform::Rect cadreImpressionEnPixels(const TfigureKalmetra& f);

// The print frame on screen: the frame and a second one 2 pixels inside it,
// with the context's pen, each side clipped to the renderer's clip rectangle.
void dessineCadreImpression(const TfigureKalmetra& f, platform::ContexteDessin& dc);

// Moves one side of the print frame to the mouse: 1 top (takes y), 2 left
// (takes x), 3 bottom (takes y), 4 right (takes x). Sides that cross are
// swapped, the frame stays 2 pixels inside the drawing, and a frame less than
// 20 pixels wide or high is refused. On a change the figure is modified and
// redrawn; returns whether it changed.
bool deplaceCoteCadreImpression(TfigureKalmetra& f, int32_t x, int32_t y, int cote);

} // namespace km32
