#pragma once
// The language switch for the whole system, as the host and the sibling ask
// for it: the figures' pop-up menus built in another language are destroyed
// (they are rebuilt with the new captions; the language already applied
// keeps them), then both libraries take the language.
#include <cstdint>

namespace km32 {

// 1 French, 2 English, 3 German; other values change nothing.
void appliqueLangueKM(uint16_t langue);

} // namespace km32
