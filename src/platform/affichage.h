#pragma once
// Which backend shows the windows. The headless one (every window a model,
// menus and boxes scripted, the clock virtual in tests) is the default; a
// build made with the toolkit also has a real one that shows every
// top-level window of the layer on screen, with its menus, boxes and file
// dialogs, and turns the user's mouse and keys into messages. The choice is
// made once, when the library starts.
#include "platform/fenetres.h"

namespace km32::platform {

// True when this build has the real backend.
bool affichageReelCompile();
// Switches to the real backend: false (and nothing changes) when the build
// lacks it or no display can be opened. Once on, it stays on.
bool demarreAffichageReel();
// True once the real backend runs.
bool affichageReel();
// Runs the toolkit's main loop (messages, paints and timers of the layer
// included) until quitteBoucleAffichage. Without the real backend there are
// no events to wait for: it delivers what is ready now (posted messages,
// paints, the ticks of the timers that are due) and returns, so a host that
// calls it from a loop of its own gets the library's deferred work.
void boucleAffichage();
void quitteBoucleAffichage();
// Handles the toolkit's events that wait (input, paints, the layer's messages
// and due timers) and returns without waiting: for a host that runs its own
// loop and for tests. Nothing without the real backend.
void traiteEvenementsAffichage();
// Puts on screen at once what was painted into the window's surface (and its
// children's), without handling any event or message: for a paint that must
// be seen before the caller returns. Nothing without the real backend.
void presenteFenetre(Fenetre f);

} // namespace km32::platform
