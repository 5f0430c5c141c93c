#include "host/fenetres/rappels/item_chaine_math.h"

#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"

namespace km32 {

TItemChaineMath creeItemChaineMath(std::string_view texte) {
    TItemChaineMath item;
    item.texte = std::string(texte);
    const EncombrementTQ e = EncomBrementTexteG(item.texte);
    item.largeur = e.largeur;
    item.dessus = e.dessus;
    item.dessous = e.dessous;
    return item;
}

platform::TailleControle tailleLigneItem(const TItemChaineMath& item) {
    const platform::TailleControle ligne = platform::tailleLigneListe(lectureTexteMath(item.texte, true));
    return {platform::auMoins(item.largeur, ligne.largeur), platform::auMoins(item.hauteur(), ligne.hauteur)};
}

void dessineItemChaineMath(const TItemChaineMath& item, platform::ContexteDessin& dc,
                           platform::Couleur couleurExpression, platform::Couleur couleurTexte, double x,
                           double y) {
    // The sibling places texts in character cells.
    const double l = larg() > 0 ? larg() : 1, h = haut() > 0 ? haut() : 1;
    expformTexteColExpColTxtTypExpTypTxtTaille(dc, item.texte, x / l, y / h, couleurExpression, couleurTexte,
                                               0, 0, kTailleCouranteTQ);
}

} // namespace km32
