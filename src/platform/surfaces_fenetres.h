#pragma once
// The drawing surface of a window: an off-screen bitmap of the window's client
// size that keeps a recording of what is drawn, with a device context that
// draws into it. What a paint leaves in a window can so be read back as
// pixels or as the list of primitives (a screenshot of the window).
//
// A surface is created the first time a window's context is asked for, made
// again (blank) at the new size when the window's client size has changed,
// and dropped when the window is destroyed.
#include <cstddef>

#include "platform/fenetres.h"

namespace km32::platform {

class Bitmap;
class ContexteDessin;

// The device context of the window's surface; nullptr for an unknown window.
// The pointer stays good until the window is resized or destroyed.
ContexteDessin* contexteDeFenetre(Fenetre f);
// The surface itself (pixels and recording), by the same rules.
const Bitmap* surfaceDeFenetre(Fenetre f);

// The surface the window has now, made by an earlier paint; nullptr when it
// has none or when the window's size changed since (nothing is created).
const Bitmap* surfaceExistante(Fenetre f);

// Drops the surface of a window (the window is being destroyed).
void oublieSurfaceFenetre(Fenetre f);
// Windows that have a surface now.
std::size_t nombreDeSurfaces();
// Drops every surface (tests, unload).
void reinitialiseSurfacesFenetres();

} // namespace km32::platform
