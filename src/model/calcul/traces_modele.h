#pragma once
// The figure's trace modes, model side: the set of objects whose successive
// positions are kept on screen, entering and leaving the two trace modes,
// and the thick-lines switch. The drawing of the traces belongs to the
// drawing subsystem.
#include "model/figure.h"

namespace km32 {

// The traced set := the parents of object i (empty when it has none).
void fixeObjetsTraces(TfigureKalmetra& f, int i);
// Sets the traced mark (style bit 12) on every object of the traced set.
void marqueObjetsTraces(TfigureKalmetra& f);
// Trace mode on with a new trace table and the traced marks, when it is off
// and the traced set is not empty.
void entreeModeTrace(TfigureKalmetra& f);
// Trace-on-demand mode on with a new trace table, on the same conditions.
void entreeModeTraceALaDemande(TfigureKalmetra& f);
// Both modes off, the marks cleared, the trace table freed and the screen
// repainted; nothing when neither mode is on.
void sortieModeTrace(TfigureKalmetra& f);
// Inverts the thick-lines setting and redraws the figure.
void basculeTraitsEpais(TfigureKalmetra& f);

} // namespace km32
