#include "host/forme_filtre_menus.h"

#include "host/filtre_menus_fenetre.h"
#include "platform/formes_liees.h"

namespace km32 {

namespace p = platform;

namespace {

// The box's list of a form's list number, -1 for another number.
int listeDuNumero(int numero) {
    if (numero == kListeLieeAutorises) return kListeAutorises;
    if (numero == kListeLieeInterdits) return kListeInterdits;
    return -1;
}

p::ListeLiee listeLiee(const TBoiteFiltreMenu& b, int k) {
    p::ListeLiee l;
    l.numero = k == kListeAutorises ? kListeLieeAutorises : kListeLieeInterdits;
    l.cadre = b.vues[std::size_t(k)].cadre;
    l.multiple = true;
    // A drag of the selected lines onto the other list moves them, as the
    // button between the lists does.
    l.tagDepot = k == kListeAutorises ? kTagFiltreInterdit : kTagFiltrePermis;
    l.courant = b.listeCourante == k;
    l.premiereVisible = b.vues[std::size_t(k)].defilement.premiere;
    const std::vector<uint16_t>& commandes = commandesDeListe(b, k);
    const std::vector<bool>& selection = selectionDeListe(b, k);
    for (std::size_t i = 0; i < commandes.size(); ++i) {
        p::LigneListe ligne;
        ligne.cellules.push_back(libelleEntreeFiltre(b, commandes[i]));
        ligne.selectionnee = i < selection.size() && selection[i];
        l.lignes.push_back(std::move(ligne));
    }
    return l;
}

// The box as the backend shows it: the titles, the two lists with their
// selections and the buttons, each where the box paints it.
p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TBoiteFiltreMenu* b = boiteFiltreMenu();
    if (!b) return forme;
    // The titles on the box's face, over the titles it paints.
    forme.etiquettes.push_back({.cadre = b->vues[kListeAutorises].cadreTitre,
                                .texte = b->titreAutorises,
                                .fond = p::kFaceFormulaire});
    forme.etiquettes.push_back({.cadre = b->vues[kListeInterdits].cadreTitre,
                                .texte = b->titreInterdits,
                                .fond = p::kFaceFormulaire});
    forme.listes.push_back(listeLiee(*b, kListeAutorises));
    forme.listes.push_back(listeLiee(*b, kListeInterdits));
    for (uint32_t tag = 1; tag <= kNombreBoutonsFiltre; ++tag) {
        p::BoutonLie bouton;
        bouton.tag = tag;
        bouton.cadre = b->boutons[tag];
        bouton.libelle = libelleBoutonFiltre(*b, tag);
        forme.boutons.push_back(std::move(bouton));
    }
    return forme;
}

// The toolkit list's selection becomes the box's, as clicks would make it.
void choisitLignes(int numero, const std::vector<bool>& selection) {
    TBoiteFiltreMenu* b = boiteFiltreMenu();
    const int k = listeDuNumero(numero);
    if (b && k >= 0) choisitLignesFiltre(*b, k, selection);
}

void prendFocus(int numero) {
    TBoiteFiltreMenu* b = boiteFiltreMenu();
    const int k = listeDuNumero(numero);
    if (b && k >= 0) donneFocusListeFiltre(*b, k);
}

} // namespace

void lieFormeFiltreMenus(const TBoiteFiltreMenu& b) {
    p::OperationsForme o;
    o.etat = etatForme;
    o.choisitLignes = choisitLignes;
    o.prendFocus = prendFocus;
    p::inscritFormeLiee(b.fenetre, std::move(o));
}

} // namespace km32
