// PLACEHOLDER until the renderer exists: painting a figure draws nothing.
// The renderer deletes this file when it defines dessineFigure.
#include "drawing/rafraichissement.h"

namespace km32 {

void dessineFigure(TfigureKalmetra&, platform::ContexteDessin&) {}

} // namespace km32
