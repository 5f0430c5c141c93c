#pragma once
// The drawing surface of a window: an off-screen bitmap of the window's client
// size, with a device context that draws into it. What a paint leaves in a
// window can so be read back as pixels and, when surfaces are recorded, as
// the list of primitives (a screenshot of the window).
//
// Nothing in the library reads a window's recording: only tests do. So
// surfaces keep none unless asked (fixeEnregistrementSurfaces), and a host
// that paints for hours holds its windows' pixels and nothing more.
//
// A surface is created the first time a window's context is asked for, made
// again (blank) at the new size when the window's client size has changed,
// and dropped when the window is destroyed.
#include <cstddef>

#include "platform/contexte_dessin_types.h"
#include "platform/fenetres.h"

namespace km32::platform {

class Bitmap;
class ContexteDessin;

// The device context of the window's surface; nullptr for an unknown window.
// The pointer stays good until the window is resized or destroyed.
ContexteDessin* contexteDeFenetre(Fenetre f);
// The whole paint of a window that shows only a background under its
// controls: its client area filled with the brush, nothing left to paint.
void peintFondFenetre(Fenetre f, const Brosse& brosse);
// The surface itself (pixels and recording), by the same rules.
const Bitmap* surfaceDeFenetre(Fenetre f);

// The surface the window has now, made by an earlier paint; nullptr when it
// has none or when the window's size changed since (nothing is created).
const Bitmap* surfaceExistante(Fenetre f);

// Whether the surfaces made from now on keep a recording (off at first; a
// reset of the platform keeps the choice). Returns the previous choice.
bool fixeEnregistrementSurfaces(bool enregistre);

// Drops the surface of a window (the window is being destroyed).
void oublieSurfaceFenetre(Fenetre f);
// Windows that have a surface now.
std::size_t nombreDeSurfaces();
// Drops every surface (tests, unload).
void reinitialiseSurfacesFenetres();

} // namespace km32::platform
