#pragma once
// The refresh cycle of a figure: which layers are rebuilt after which change
// (drawing data, visible polyhedra, display elements), and the painting of
// the display list through an off-screen bitmap copied to the figure's
// drawing window or to a device context given by the host.
#include <memory>
#include <cstdint>

#include "model/figure.h"
#include "platform/surfaces_fenetres.h"

namespace km32 {

namespace platform {
class ContexteDessin;
}

// Paints the whole figure from its display list into a device context (the
// renderer defines it).
void dessineFigure(TfigureKalmetra& f, platform::ContexteDessin& dc);

// Every layer under the display list: drawing data, visible polyhedra,
// isolated-plane marks, display elements.
void reconstruitDessin(TfigureKalmetra& f);
// The full refresh after any change of objects or settings.
void redessineFigure(TfigureKalmetra& f);
// The partial refresh after a drag or a keyboard move of the active free object.
void rafraichitApresDeplacement(TfigureKalmetra& f);
// The same after a change of a set of objects (a keyboard step with the
// glued points that followed).
void rafraichitEnsembleModifie(TfigureKalmetra& f, const TEnsembleObjets& ensemble);

// Painting: into the figure's drawing window, into a caller's context, or
// for a figure number (1 to 64; nothing otherwise).
void repeintFigureEcran(TfigureKalmetra& f);
void repeintFigureDansContexte(TfigureKalmetra& f, platform::ContexteDessin& dc);
void repeintFigureKMparNumero(int16_t numero, uint32_t contexte);

// Band height in pixels (at most drawing height - 5, at least 3).
void fixeHauteurBandeau(TfigureKalmetra& f, int32_t hauteur);
// Moves a text element's box, kept inside the band.
void deplaceBoiteTexte(TfigureKalmetra& f, int n, int32_t x, int32_t y);

// The device context of a window: by default the window's surface of the
// platform (surfaces_fenetres.h); a host or a test may give its own. Returns
// null when the window has none.
using ContexteDeFenetre = platform::ContexteDessin* (*)(uint32_t fenetre);
// The painter of a figure: dessineFigure unless a test watches the paint.
using DessinateurFigure = void (*)(TfigureKalmetra& f, platform::ContexteDessin& dc);
struct TetatRafraichissement {
    ContexteDeFenetre contexteDeFenetre = platform::contexteDeFenetre;
    DessinateurFigure dessine = dessineFigure;
    // The off-screen picture of the last paint and its device context, kept
    // for the next paint of the same size (a new picture at every mouse move
    // would cost more than drawing the figure). Recording paints (tests)
    // take a picture of their own.
    std::unique_ptr<platform::Bitmap> horsEcran;
    std::unique_ptr<platform::ContexteDessin> contexteHorsEcran;
};
TetatRafraichissement& etatRafraichissement();
void reinitialiseRafraichissement();

} // namespace km32
