#include "host/fenetres/forme_tableau_valeurs.h"

#include "base/texte.h"
#include "platform/formes_liees.h"

namespace km32 {

namespace p = platform;

namespace {

// The window's state as the backend shows it: the menu's items where the
// model takes their clicks, and the grid with its cells as displayed (blanks of
// the alignment and the current decimal separator included) and its
// selected row.
p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
    if (!t) return forme;
    // The window closes by its caption's system menu alone.
    forme.caseFermeture = true;
    forme.boutons.push_back({.tag = kMenuCopierLeTableau,
                             .cadre = t->cadreCopier,
                             .libelle = sansEtCommercial(t->legendeCopier)});
    forme.boutons.push_back({.tag = kMenuUtiliserLaVirgule,
                             .cadre = t->cadreVirgule,
                             .libelle = sansEtCommercial(t->legendeVirgule),
                             .coche = t->virguleDecimale ? 1 : 0});
    p::ListeLiee grille;
    grille.numero = kListeTableauValeurs;
    grille.cadre = t->cadreGrille;
    grille.courant = true; // the window's keys all go to the grid
    // The grid's font is a fixed-width one: the cells' blanks align the
    // numbers on their decimal separator.
    grille.chasseFixe = true;
    if (!t->cellules.empty()) grille.colonnes = t->cellules[0];
    for (std::size_t r = 1; r < t->cellules.size(); ++r)
        grille.lignes.push_back({.cellules = t->cellules[r], .selectionnee = int(r) == t->ligneCourante});
    forme.listes.push_back(std::move(grille));
    return forme;
}

// The row the user chose becomes the selected one, as a click on it makes
// it; a selection left empty keeps the model's row (the grid always has one).
void choisitLignes(int numero, const std::vector<bool>& selection) {
    TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
    if (!t || numero != kListeTableauValeurs) return;
    for (std::size_t i = 0; i < selection.size(); ++i)
        if (selection[i]) {
            choisitLigneTableau(*t, int(i) + 1);
            return;
        }
}

} // namespace

void lieFormeTableauDeValeurs(const TFenetreDuTableauDeValeurs& t) {
    p::OperationsForme o;
    o.etat = etatForme;
    o.choisitLignes = choisitLignes;
    p::inscritFormeLiee(t.fenetre, std::move(o));
}

} // namespace km32
