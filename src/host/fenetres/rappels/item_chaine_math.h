#pragma once
// One line of a reminder list: a mathematical text with its measure, drawn
// through the sibling library's math text.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/contexte_dessin.h"
#include "platform/mesures_texte.h"

namespace km32 {

struct TItemChaineMath {
    int32_t largeur = 0;
    int32_t dessus = 0, dessous = 0; // extents about the base line
    std::string texte;
    int32_t hauteur() const { return dessous - dessus; }
};

// The item of a text, measured at the current size.
TItemChaineMath creeItemChaineMath(std::string_view texte);
// The room the item's line takes in a list: the measure of its math text,
// or, where a window backend shows the list with the plain reading of the
// text, the toolkit's line when that needs more.
platform::TailleControle tailleLigneItem(const TItemChaineMath& item);
// Draws the item's text at (x, y) pixels, the reference point of the
// sibling's math text (the base line of the first line).
void dessineItemChaineMath(const TItemChaineMath& item, platform::ContexteDessin& dc,
                           platform::Couleur couleurExpression, platform::Couleur couleurTexte, double x,
                           double y);

} // namespace km32
