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

// A line of 1/32-pixel screen points drawn by the rules of curves: segments
// between joined points, dots for runs of points joined to nothing and for
// a last point joined to nothing; for a style whose points are not joined,
// one dot of the dot width per point. While hidden parts are computed, a
// joined step with a hidden end is hidden line: drawn as the hidden pieces of
// segments are (dotted pen, dashes when drawing at a scale) when hidden parts
// are shown dotted, left out otherwise, as hidden dots are. The caller sets
// the dot width (etatRendu().taillePoints) and leaves the object's pen
// selected; the object's pen is selected again at the end.
void dessinePolyligneEcran(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TstyleObjet& style,
                           const std::vector<TpointEcran>& points, platform::Couleur couleur);

// Hidden-part computation is on: not wire-frame, and some visible polyhedron.
bool calculPartiesCachees(const TfigureKalmetra& f);
// Hidden pieces of solids are drawn dotted: asked for, and computed.
bool partiesCacheesSolidesPointillees(const TfigureKalmetra& f);

} // namespace km32
