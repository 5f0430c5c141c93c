#pragma once
// Searching a menu by caption. A caption is compared exactly (case, accents
// and "&" count) with the entry's caption as the platform returns it, at most
// 44 characters: a longer text is never found.
#include <string>

#include "platform/menus.h"

namespace km32 {

// Longest caption the searches read from an entry.
constexpr std::size_t kLongueurLibelleMenu = 44;

// The position of the first entry of the menu whose caption equals the text;
// -1 when none, and for no menu.
int positionMenuDeTexte(platform::Menu menu, const std::string& texte);
// The first menu, searching depth first from this one into its sub-menus (an
// entry's non-empty sub-menu is searched before the next position), that
// holds an entry with that caption; kAucunMenu when none.
platform::Menu sousMenuDeTexte(platform::Menu menu, const std::string& texte);

} // namespace km32
