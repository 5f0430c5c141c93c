#include "host/fenetres/rappels/forme_rappels.h"

#include <algorithm>

#include "sibling/texte_math.h"

namespace km32 {

namespace p = platform;

namespace {

p::FormeLiee etatForme(p::Fenetre fenetre) {
    p::FormeLiee forme;
    const TKMrappels* r = fenetreRappels();
    if (!r || r->fenetre != fenetre) return forme;
    for (const auto& [cadre, texte] : labelsVisibles(*r))
        forme.etiquettes.push_back({.cadre = cadre, .texte = *texte});
    p::ListeLiee liste;
    liste.numero = kListeRappels;
    liste.cadre = r->cadreListe;
    liste.courant = true;
    for (std::size_t k = 0; k < r->items.size(); ++k) {
        const bool titre =
            std::find(r->lignesTitres.begin(), r->lignesTitres.end(), int(k)) != r->lignesTitres.end();
        liste.lignes.push_back({.cellules = {lectureTexteMath(r->items[k].texte)}, .niveau = titre ? 0 : 1});
    }
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
