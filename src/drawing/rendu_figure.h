#pragma once
// The renderer: paints a figure from its display list into the figure's
// current device context (the handle in f.contexteDessin). dessineFigure
// (declared in rafraichissement.h) paints everything in order: background
// and background picture, the top band with the text objects, the objects,
// the points over everything else, the band's lines and the host frames.
#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "platform/contexte_dessin.h"

namespace km32 {

// Paints the display element of object n (nothing when it has none).
void dessineElement(TfigureKalmetra& f, platform::ContexteDessin& dc, int n);

// The value box of the + and - keys: its place in the drawing window for a
// text, a cell of the normal font per character and 5 pixels of margin round it.
platform::Rect rectangleBoiteValeur(std::string_view texte);

// Hidden-part computation is on: not wire-frame, and some visible polyhedron.
bool calculPartiesCachees(const TfigureKalmetra& f);
// Hidden pieces of solids are drawn dotted: asked for, and computed.
bool partiesCacheesSolidesPointillees(const TfigureKalmetra& f);

} // namespace km32
