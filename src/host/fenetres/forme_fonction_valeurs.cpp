#include "host/fenetres/forme_fonction_valeurs.h"

#include <array>
#include <utility>

#include "base/texte.h"
#include "platform/formes_liees.h"

namespace km32 {

namespace p = platform;

namespace {

p::ChampLie champ(int numero, const p::Rectangle& cadre, const std::string& texte, bool courant) {
    // The caret stands after the text, where typing and a proposed
    // antecedent leave it.
    return {.numero = numero,
            .cadre = cadre,
            .texte = texte,
            .courant = courant,
            .debutSelection = uint32_t(texte.size())};
}

// The window's state as the backend shows it: the fields' texts and the
// one that has the keyboard, the grid's rows as the model shows them (the
// empty rows after the last point included) and its selected rows, the
// check box's state and which of undo and redo may be used.
p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TFenetreValFon* v = fenetreFonctionParValeurs();
    if (!v) return forme;
    const auto& l = v->legendes;
    const DispositionGrille& d = v->disposition;
    forme.champs.push_back(champ(kChampNomFonction, d.nom, v->nom, v->focus == ChampGrille::Nom));
    forme.champs.push_back(champ(kChampPointFonction, d.point, v->point, v->focus == ChampGrille::Point));
    forme.etiquettes.push_back({.cadre = d.inviteNom, .texte = l[kLegendeInviteNom]});
    forme.etiquettes.push_back({.cadre = d.invitePoint, .texte = l[kLegendeInvitePoint]});
    const auto bouton = [&](uint32_t tag, const p::Rectangle& cadre, const std::string& libelle, bool actif) {
        forme.boutons.push_back(
            {.tag = tag, .cadre = cadre, .libelle = sansEtCommercial(libelle), .actif = actif});
    };
    bouton(kGrilleInterpolation, d.interpolation, l[kLegendeInterpolation], true);
    forme.boutons.back().coche = v->avecInterpolation ? 1 : 0;
    bouton(kGrilleAjouter, d.ajouter, l[kLegendeAjouter], true);
    // The Edit menu's items, in its order.
    const std::array<std::pair<CommandeGrille, LegendeGrille>, kItemsMenuGrille> menu = {{
        {kGrilleDefaire, kLegendeDefaire},
        {kGrilleRefaire, kLegendeRefaire},
        {kGrilleSelectionnerTout, kLegendeSelectionnerTout},
        {kGrilleCopier, kLegendeCopier},
        {kGrilleColler, kLegendeColler},
        {kGrilleSupprimer, kLegendeSupprimer},
    }};
    for (int rang = 0; rang < kItemsMenuGrille; ++rang) {
        const auto [commande, legende] = menu[std::size_t(rang)];
        const bool actif = commande == kGrilleDefaire   ? v->defaireActif
                           : commande == kGrilleRefaire ? v->refaireActif
                                                        : true;
        bouton(commande, d.menu[std::size_t(rang)], l[legende], actif);
    }
    bouton(kGrilleOk, d.ok, "OK", true);
    bouton(kGrilleAnnuler, d.annuler, l[kLegendeAnnuler], true);
    bouton(kGrilleAide, d.aide, l[kLegendeAide], true);

    p::ListeLiee grille;
    grille.numero = kListePointsFonction;
    grille.cadre = d.grille;
    grille.colonnes = {celluleGrille(*v, 0, 0), celluleGrille(*v, 0, 1)};
    grille.multiple = true;
    grille.courant = v->focus == ChampGrille::Tableau;
    for (int r = 1; r <= v->nombreLignes; ++r)
        grille.lignes.push_back({.cellules = {celluleGrille(*v, r, 0), celluleGrille(*v, r, 1)},
                                 .selectionnee = r >= v->selectionHaut && r <= v->selectionBas && r >= 1});
    forme.listes.push_back(std::move(grille));
    return forme;
}

ChampGrille champDeNumero(int numero) {
    return numero == kChampNomFonction     ? ChampGrille::Nom
           : numero == kChampPointFonction ? ChampGrille::Point
                                           : ChampGrille::Tableau;
}

void changeTexte(int numero, const std::string& texte) {
    TFenetreValFon* v = fenetreFonctionParValeurs();
    if (!v || (numero != kChampNomFonction && numero != kChampPointFonction)) return;
    changeTexteGrille(*v, champDeNumero(numero), texte);
}

// The keys the window takes (Enter adds the point, Up and Down move between
// the fields, Del deletes rows) follow where the keyboard is.
void prendFocus(int numero) {
    TFenetreValFon* v = fenetreFonctionParValeurs();
    if (!v || numero < kChampNomFonction || numero > kListePointsFonction) return;
    v->focus = champDeNumero(numero);
}

// The rows the user selected: the grid selects one range of rows, from the
// first row chosen to the last, as a press stretched over them does.
void choisitLignes(int numero, const std::vector<bool>& selection) {
    TFenetreValFon* v = fenetreFonctionParValeurs();
    if (!v || numero != kListePointsFonction) return;
    int haut = 0, bas = 0;
    for (std::size_t i = 0; i < selection.size(); ++i)
        if (selection[i]) {
            if (haut == 0) haut = int(i) + 1;
            bas = int(i) + 1;
        }
    choisitLignesGrille(*v, haut, bas);
}

} // namespace

void lieFormeFonctionParValeurs(const TFenetreValFon& v) {
    p::OperationsForme o;
    o.etat = etatForme;
    o.changeTexte = changeTexte;
    o.prendFocus = prendFocus;
    o.choisitLignes = choisitLignes;
    p::inscritFormeLiee(v.fenetre, std::move(o));
}

} // namespace km32
