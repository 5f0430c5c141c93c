#pragma once
// The windows of a figure: a figure either has a host window (it is drawn in
// a form placed in the host's window) or not (it is drawn in a window of its
// own). Window handles are 32-bit ids, 0 for none.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

bool figureSansHote(const TfigureKalmetra& f);
// The drawing window for a figure without host window, else the form window.
uint32_t fenetreDeLaFigure(const TfigureKalmetra& f);

// These four call the platform's window service; their bodies are written
// with the platform window module (not yet part of the library).
struct TrectangleFenetre {
    int32_t gauche = 0, haut = 0, droite = 0, bas = 0;
};
void attacheFenetreAFigure(int16_t numero, uint32_t fenetre);
void activeFenetreFigure(int16_t numero);
TrectangleFenetre rectangleClientFigure(int16_t numero);
int32_t signaleFigureModifiee(TfigureKalmetra& f);

} // namespace km32
