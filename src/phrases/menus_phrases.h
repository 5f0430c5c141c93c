#pragma once
// Menu items found by their caption phrase: the item whose caption is the
// phrase of a number in the applied language ("&" included) is greyed,
// enabled, checked or unchecked, in whichever sub-menu holds it. Nothing
// happens when no item has that caption (a caption over 44 characters is
// never found).
#include <cstdint>

#include "platform/menus.h"

namespace km32 {

void griseItemMenu(platform::Menu menu, uint16_t numero);
void activeItemMenu(platform::Menu menu, uint16_t numero);
void cocheItemMenu(platform::Menu menu, uint16_t numero);
void decocheItemMenu(platform::Menu menu, uint16_t numero);

// Empties a menu with all its sub-menus and destroys it; the handle becomes
// kAucunMenu. Nothing for a handle that is not a menu.
void videMenu(platform::Menu& menu);

} // namespace km32
