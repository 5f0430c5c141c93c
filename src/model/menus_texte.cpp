#include "model/menus_texte.h"

namespace km32 {

namespace p = platform;

int positionMenuDeTexte(p::Menu menu, const std::string& texte) {
    const int n = p::nombreElementsMenu(menu);
    for (int k = 0; k < n; ++k)
        if (p::libelleElementMenu(menu, k, kLongueurLibelleMenu) == texte) return k;
    return -1;
}

p::Menu sousMenuDeTexte(p::Menu menu, const std::string& texte) {
    const int n = p::nombreElementsMenu(menu);
    for (int k = 0; k < n; ++k) {
        if (p::libelleElementMenu(menu, k, kLongueurLibelleMenu) == texte) return menu;
        const p::Menu sous = p::sousMenuElement(menu, k);
        if (p::nombreElementsMenu(sous) > 0)
            if (const p::Menu trouve = sousMenuDeTexte(sous, texte)) return trouve;
    }
    return p::kAucunMenu;
}

} // namespace km32
