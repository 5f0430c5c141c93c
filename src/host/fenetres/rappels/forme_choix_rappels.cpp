#include "host/fenetres/rappels/forme_choix_rappels.h"

#include <algorithm>
#include <string>

#include "platform/fenetres.h"
#include "platform/geometrie.h"
#include "platform/messages.h"
#include "sibling/texte_math.h"

namespace km32 {

namespace p = platform;

namespace {

// The picker of window fenetre, while it is open.
TFenRaPour* choixDeFenetre(p::Fenetre fenetre) {
    TFenRaPour* c = choixRappels();
    return c && c->fenetre == fenetre ? c : nullptr;
}

p::FormeLiee etatForme(p::Fenetre fenetre) {
    p::FormeLiee forme;
    const TFenRaPour* c = choixDeFenetre(fenetre);
    if (!c) return forme;
    // A picker squeezed beside its dialog may be narrower than its row of
    // buttons: each button keeps the part of it inside the window.
    const p::Rectangle client = p::rectangleClient(fenetre);
    const auto bouton = [&](uint32_t tag, const p::Rectangle& cadre, const std::string& libelle) {
        const p::Rectangle visible = p::intersectionRectangles(cadre, client);
        if (!visible.estVide()) forme.boutons.push_back({.tag = tag, .cadre = visible, .libelle = libelle});
    };
    bouton(kTagRappelsOk, c->cadreOk, "Ok");
    bouton(kTagRappelsAnnuler, c->cadreAnnuler, c->legendeAnnuler);
    if (c->aideVisible) bouton(kTagRappelsAide, c->cadreAide, c->legendeAide);
    p::ListeLiee liste;
    liste.numero = kListeChoixRappels;
    liste.cadre = c->cadreListe;
    liste.multiple = c->selectionMultiple;
    // The list does not take the focus by itself: a toolkit list that does
    // selects its first line, which the picker would take as the user's
    // pick. The keys go to the picker's window (Escape and F4 cancel).
    liste.courant = false;
    for (std::size_t k = 0; k < c->items.size(); ++k)
        liste.lignes.push_back(
            {.cellules = {lectureTexteMath(c->items[k].texte, true)}, .selectionnee = c->selection[k]});
    forme.listes.push_back(std::move(liste));
    return forme;
}

void clicSurLigne(p::Fenetre fenetre, std::size_t ligne) {
    p::envoieMessage(fenetre, p::WM_COMMAND, kTagRappelsClic, int32_t(ligne));
}

// The toolkit's selection reached by the clicks the picker takes: with
// several lines allowed, a click on each line whose state differs turns it
// over; with one line, a click on the line newly selected. The picker keeps
// one line selected, so a selection emptied by the toolkit changes nothing.
void choisitLignes(p::Fenetre fenetre, int numero, const std::vector<bool>& selection) {
    const TFenRaPour* c = choixDeFenetre(fenetre);
    if (!c || numero != kListeChoixRappels) return;
    const std::size_t n = std::min(selection.size(), c->selection.size());
    if (c->selectionMultiple) {
        for (std::size_t k = 0; k < n; ++k) {
            c = choixDeFenetre(fenetre);
            if (c && selection[k] != c->selection[k]) clicSurLigne(fenetre, k);
        }
        return;
    }
    for (std::size_t k = 0; k < n; ++k)
        if (selection[k] && !c->selection[k]) {
            clicSurLigne(fenetre, k);
            return;
        }
}

// A line activated in the toolkit (double click or Enter) ends the pick as
// the picker's double click does.
void activeLigne(p::Fenetre fenetre, int numero, int ligne) {
    const TFenRaPour* c = choixDeFenetre(fenetre);
    if (!c || numero != kListeChoixRappels || ligne < 0 || ligne >= int(c->items.size())) return;
    p::envoieMessage(fenetre, p::WM_COMMAND, kTagRappelsDoubleClic, ligne);
}

} // namespace

void lieFormeChoixRappels(const TFenRaPour& c) {
    const p::Fenetre fenetre = c.fenetre;
    p::OperationsForme o;
    o.etat = [fenetre] { return etatForme(fenetre); };
    o.choisitLignes = [fenetre](int numero, const std::vector<bool>& selection) {
        choisitLignes(fenetre, numero, selection);
    };
    o.activeLigne = [fenetre](int numero, int ligne) { activeLigne(fenetre, numero, ligne); };
    p::inscritFormeLiee(fenetre, std::move(o));
}

} // namespace km32
