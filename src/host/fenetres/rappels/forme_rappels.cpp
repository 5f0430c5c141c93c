#include "host/fenetres/rappels/forme_rappels.h"

#include "sibling/texte_math.h"

namespace km32 {

namespace p = platform;

namespace {

p::FormeLiee etatForme(p::Fenetre fenetre) {
    p::FormeLiee forme;
    const TKMrappels* r = fenetreRappels();
    if (!r || r->fenetre != fenetre) return forme;
    // The window has no button: it closes by its close box (or Escape).
    forme.caseFermeture = true;
    for (const auto& [cadre, texte] : labelsVisibles(*r))
        forme.etiquettes.push_back({.cadre = cadre, .texte = *texte});
    p::ListeLiee liste;
    liste.numero = kListeRappels;
    liste.cadre = r->cadreListe;
    // Without the focus the toolkit's list shows no line as selected.
    liste.courant = false;
    liste.premiereVisible = r->defilement.premiere;
    for (const TItemChaineMath& item : r->items)
        liste.lignes.push_back({.cellules = {lectureTexteMath(item.texte, true)}});
    forme.listes.push_back(std::move(liste));
    return forme;
}

} // namespace

void lieFormeRappels(const TKMrappels& r) {
    const p::Fenetre fenetre = r.fenetre;
    p::OperationsForme o;
    o.etat = [fenetre] { return etatForme(fenetre); };
    p::inscritFormeLiee(fenetre, std::move(o));
}

} // namespace km32
