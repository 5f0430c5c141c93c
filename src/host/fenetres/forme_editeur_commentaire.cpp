#include "host/fenetres/forme_editeur_commentaire.h"

#include <algorithm>

#include "host/fenetres/bande_commandes.h"
#include "platform/formes_liees.h"

namespace km32 {

namespace p = platform;

namespace {

// The menu's buttons in the band under the editor's area, in the menu's
// order: the edit items, then Apply and Help; the band's bottom.
int32_t disposeBandeEditeur(const TFenEditCom& e, std::vector<p::BoutonLie>& boutons) {
    std::vector<CommandeBande> commandes;
    for (const CommandeEditeurCommentaire c :
         {kEcCopier, kEcColler, kEcCopierDessin, kEcDefaire, kEcSelectionnerTout, kEcAppliquer, kEcAide}) {
        CommandeBande b;
        b.tag = c;
        b.libelle = e.legendesMenu[c];
        commandes.push_back(std::move(b));
    }
    return disposeBande(commandes,
                        {kEcartBande, e.hauteurClient + kEcartBande, e.largeurClient - kEcartBande,
                         e.hauteurClient + e.hauteurBande},
                        boutons);
}

p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TFenEditCom* e = editeurCommentaire();
    if (!e) return forme;
    forme.etiquettes.push_back({e->cadreEnLigne, e->legendeEnLigne});
    forme.etiquettes.push_back({e->cadreDessinee, e->legendeDessinee});
    p::ChampLie champ;
    champ.numero = kChampTexteEditeurCommentaire;
    champ.cadre = e->cadreMemo1;
    champ.texte = e->memo1.texte;
    champ.courant = true;
    champ.multiligne = true;
    // Enter applies, as on the form itself.
    champ.entreeAuFormulaire = true;
    champ.debutSelection = uint32_t(e->memo1.debutSelection);
    champ.longueurSelection = uint32_t(e->memo1.longueurSelection);
    forme.champs.push_back(std::move(champ));
    disposeBandeEditeur(*e, forme.boutons);
    return forme;
}

// The user's text is the editor's: measured and drawn again as a typed
// character would.
void changeTexte(int numero, const std::string& texte) {
    TFenEditCom* e = editeurCommentaire();
    if (e && numero == kChampTexteEditeurCommentaire && changeTexteZone(e->memo1, texte)) Memo1Change(*e);
}

// The caret and selection the user set: a palette cell inserts there.
void changeSelection(int numero, uint32_t debut, uint32_t longueur) {
    TFenEditCom* e = editeurCommentaire();
    if (e && numero == kChampTexteEditeurCommentaire) selectionneZone(e->memo1, debut, longueur);
}

} // namespace

int32_t hauteurBandeEditeurCommentaire(const TFenEditCom& e) {
    std::vector<p::BoutonLie> boutons;
    return std::max(kHauteurBandeEditeurCommentaire,
                    disposeBandeEditeur(e, boutons) - e.hauteurClient + kEcartBande);
}

void lieFormeEditeurCommentaire(const TFenEditCom& e) {
    p::OperationsForme o;
    o.etat = etatForme;
    o.changeTexte = changeTexte;
    o.changeSelection = changeSelection;
    p::inscritFormeLiee(e.fenetre, std::move(o));
}

} // namespace km32
