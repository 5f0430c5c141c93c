#include "host/fenetres/dialogue/forme_dialogue.h"

#include <utility>

#include "base/texte.h"
#include "platform/formes_liees.h"

namespace km32 {

namespace p = platform;

namespace {

// The dialog's state as the backend shows it: each visible field with its
// text and whether it is the current one, and each button laid out.
p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TFenDialog* d = fenetreDialogue();
    if (!d) return forme;
    for (int k = 1; k <= kChampsDialogue; ++k) {
        const TChampDialogue& c = d->champs[std::size_t(k)];
        if (c.visible)
            forme.champs.push_back(
                {.numero = k, .cadre = c.cadre, .texte = c.texte, .courant = d->ligneCourante == k});
    }
    const auto bouton = [&](uint32_t tag, const p::Rectangle& cadre, const std::string& libelle) {
        if (cadre.largeur() > 0 && cadre.hauteur() > 0)
            forme.boutons.push_back({.tag = tag, .cadre = cadre, .libelle = libelle});
    };
    // In the order Tab goes after the fields: the expression button, the
    // reminders button, Help, Cancel, OK (the lists come last).
    if (d->boutonExpressionVisible) bouton(kTagExpression, d->boutonExpression, "...");
    bouton(kTagRappels, d->boutonRappels, kLegendeRappels);
    bouton(kTagAide, d->boutonAide, d->legendeAide);
    bouton(kTagAnnuler, d->boutonAnnuler, d->legendeAnnuler);
    bouton(kTagOk, d->boutonOk, "OK");
    // The option list and the unit list, numbered by their tags.
    for (const auto& [tag, liste] :
         {std::pair{kTagListeOptions, &d->listeOptions}, std::pair{kTagListeUnites, &d->listeUnites}}) {
        if (!liste->visible) continue;
        p::ComboLie combo;
        combo.numero = int(tag);
        combo.cadre = liste->cadre;
        combo.elements = liste->entrees;
        combo.choisi = liste->choix;
        forme.combos.push_back(std::move(combo));
    }
    return forme;
}

// The text typed in the toolkit's entry becomes the field's, caret at its
// end, when it fits the field.
void changeTexte(int numero, const std::string& texte) {
    TFenDialog* d = fenetreDialogue();
    if (!d || numero < 1 || numero > kChampsDialogue) return;
    TChampDialogue& c = d->champs[std::size_t(numero)];
    if (!c.visible || texte.size() > c.longueurMax) return;
    c.texte = texte;
    c.curseur = uint32_t(texte.size());
    c.debutSelection = c.curseur;
    c.longueurSelection = 0;
    p::invalideFenetre(d->fenetre);
}

// An entry that takes the focus makes its field the current one, as a click
// in the field does.
void prendFocus(int numero) {
    TFenDialog* d = fenetreDialogue();
    if (!d || numero < 1 || numero > kChampsDialogue || d->ligneCourante == numero) return;
    p::envoieMessage(d->fenetre, p::WM_COMMAND, uint32_t(numero), 0);
}

// The entry chosen in a toolkit's combo goes to the dialog as the choice
// of its list does, by the list's tag.
void choisitElement(int numero, int element) {
    TFenDialog* d = fenetreDialogue();
    if (!d || (numero != int(kTagListeOptions) && numero != int(kTagListeUnites))) return;
    p::envoieMessage(d->fenetre, p::WM_COMMAND, uint32_t(numero), element);
}

} // namespace

void lieFormeDialogue(const TFenDialog& d) {
    p::OperationsForme o;
    o.etat = etatForme;
    o.changeTexte = changeTexte;
    o.prendFocus = prendFocus;
    o.choisitElement = choisitElement;
    p::inscritFormeLiee(d.fenetre, std::move(o));
}

} // namespace km32
