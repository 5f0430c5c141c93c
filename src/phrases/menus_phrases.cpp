#include "phrases/menus_phrases.h"

#include "model/menus_texte.h"
#include "phrases/phrase.h"

namespace km32 {

namespace p = platform;

namespace {

// The menu and position of the item captioned by the phrase; false when none.
bool itemDePhrase(p::Menu menu, uint16_t numero, p::Menu& conteneur, int& position) {
    char tampon[256];
    phraseEnPChar(numero, tampon);
    const std::string libelle(tampon);
    conteneur = sousMenuDeTexte(menu, libelle);
    if (conteneur == p::kAucunMenu) return false;
    position = positionMenuDeTexte(conteneur, libelle);
    return position >= 0;
}

void activeItem(p::Menu menu, uint16_t numero, uint32_t drapeaux) {
    p::Menu conteneur = p::kAucunMenu;
    int position = -1;
    if (itemDePhrase(menu, numero, conteneur, position))
        p::activeElementMenu(conteneur, uint32_t(position), p::MF_BYPOSITION | drapeaux);
}

void cocheItem(p::Menu menu, uint16_t numero, uint32_t drapeaux) {
    p::Menu conteneur = p::kAucunMenu;
    int position = -1;
    if (itemDePhrase(menu, numero, conteneur, position))
        p::cocheElementMenu(conteneur, uint32_t(position), p::MF_BYPOSITION | drapeaux);
}

} // namespace

void griseItemMenu(p::Menu menu, uint16_t numero) {
    activeItem(menu, numero, p::MF_GRAYED);
}

void activeItemMenu(p::Menu menu, uint16_t numero) {
    activeItem(menu, numero, p::MF_ENABLED);
}

void cocheItemMenu(p::Menu menu, uint16_t numero) {
    cocheItem(menu, numero, p::MF_CHECKED);
}

void decocheItemMenu(p::Menu menu, uint16_t numero) {
    cocheItem(menu, numero, p::MF_UNCHECKED);
}

void videMenu(p::Menu& menu) {
    if (!p::estMenu(menu)) return;
    // The first entry goes each time: a sub-menu it opens is emptied and
    // destroyed first, so the menu is destroyed with its last entry.
    while (p::nombreElementsMenu(menu) > 0) {
        p::Menu sous = p::sousMenuElement(menu, 0);
        if (sous != p::kAucunMenu) videMenu(sous);
        p::supprimeElementMenu(menu, 0);
    }
    p::detruitMenu(menu);
    menu = p::kAucunMenu;
}

} // namespace km32
