#pragma once
// The windows of a figure: a figure either has a host window (it is drawn in
// a form placed in the host's window) or not (it is drawn in a window of its
// own). Window handles are 32-bit ids, 0 for none.
#include <cstdint>

#include "model/figure.h"
#include "platform/geometrie.h"

namespace km32 {

bool figureSansHote(const TfigureKalmetra& f);
// The drawing window for a figure without host window, else the form window.
uint32_t fenetreDeLaFigure(const TfigureKalmetra& f);

// Places a window of figure numero: under the shared table's parent of annex
// windows for a figure without host window, else under the figure's owner
// window when it has one. Nothing for an empty slot.
void attacheFenetreAFigure(int16_t numero, uint32_t fenetre);
// Activates the owner window of a hosted figure; nothing for 0, an empty slot
// or a figure without host window.
void activeFenetreFigure(int16_t numero);
// The client rectangle of the owner window of a hosted figure, else of the
// shared table's parent of annex windows.
platform::Rectangle rectangleClientFigure(int16_t numero);
// The figure changed: marks it modified, tells the host's function of the
// flag when it rises (avis_modification.h) and the host window (code 1025
// with WM_KEYUP); the host window's answer, 1 for a figure without host
// window. Only a real change calls it: a pick or a dialog that ends without
// changing the figure calls avertitHoteFigure.
int32_t signaleFigureModifiee(TfigureKalmetra& f);

// Sends the host window the notice 1025 (WM_KEYUP) without marking the
// figure modified: a window of the figure ended, and the host may bring its
// own state up to date (it reads the flag with KMfigureModifiee). The host
// window's answer, 1 for a figure without host window.
int32_t avertitHoteFigure(TfigureKalmetra& f);

} // namespace km32
