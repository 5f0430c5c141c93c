#pragma once
// The route of a keyboard shortcut typed in a window shown inside a top-level
// window. A key pressed with Ctrl while a control of such a window's form
// has the keyboard, and that the control leaves, goes first to that window
// (an annex's Ctrl+Z undoes there, not in the figure under it), then to the
// top-level window as WM_TOUCHE_HOTE (the host's shortcuts), then nowhere.
#include <cstdint>

#include "platform/messages.h"

namespace km32::platform {

// wParam: the virtual-key code; an answer other than 0 takes the key.
constexpr uint32_t WM_RACCOURCI = WM_USER + 2001;

} // namespace km32::platform
