#include "host/fenetres/forme_editeur_figure.h"

#include "host/fenetres/bande_commandes.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr int32_t kLargeurSeparateur = 3, kHauteurEtiquette = 16;

CommandeBande commandeMenu(const TFenetreEditeur& e, CommandeEditeur c) {
    const TElementMenuEditeur& m = e.menu[std::size_t(c)];
    CommandeBande b;
    b.tag = c;
    b.libelle = m.legende;
    b.actif = m.actif;
    return b;
}

// The main menu in its order: the file items (the second text's Open under
// the sub-menu's caption), the edit items, Apply, Help and the phrase list.
std::vector<CommandeBande> bandePrincipale(const TFenetreEditeur& e) {
    std::vector<CommandeBande> r;
    for (const CommandeEditeur c : {kEdCharger, kEdEnregistrer, kEdEnregistrerSous, kEdImprimer})
        r.push_back(commandeMenu(e, c));
    CommandeBande ouvrir = commandeMenu(e, kEdOuvrirAutreTexte);
    ouvrir.libelle = e.legendeAutreTexte + "...";
    r.push_back(ouvrir);
    for (const CommandeEditeur c : {kEdFermerEditeur, kEdAnnuler, kEdCouper, kEdCopier, kEdColler,
                                    kEdSupprimer, kEdSelectionnerTout, kEdAppliquer, kEdAide})
        r.push_back(commandeMenu(e, c));
    CommandeBande liste = commandeMenu(e, kEdListeDesPhrases);
    liste.coche = e.menu[kEdListeDesPhrases].coche ? 1 : 0;
    r.push_back(liste);
    return r;
}

// The second text's items that are shown (its Apply is not).
std::vector<CommandeBande> bandeAutreTexte(const TFenetreEditeur& e) {
    std::vector<CommandeBande> r;
    for (const CommandeEditeur c : {kEdEnregistrerAutreTexte, kEdEnregistrerSousAutreTexte,
                                    kEdImprimerAutreTexte, kEdFermerAutreTexte, kEdAppliquerAutreTexte})
        if (e.menu[std::size_t(c)].visible) r.push_back(commandeMenu(e, c));
    return r;
}

p::ChampLie champ(int numero, const p::Rectangle& cadre, const TZoneTexte& z, bool courant) {
    p::ChampLie c;
    c.numero = numero;
    c.cadre = cadre;
    c.texte = z.texte;
    c.courant = courant;
    c.multiligne = true;
    c.debutSelection = uint32_t(z.debutSelection);
    c.longueurSelection = uint32_t(z.longueurSelection);
    return c;
}

// The band of the menu at the top; under it the text, aligned left when a
// pane takes the right-hand side past the splitter.
p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TFenetreEditeur* e = fenetreEditeur();
    if (!e) return forme;
    const p::Rectangle client = p::rectangleClient(e->fenetre);
    const int32_t basBande =
        disposeBande(bandePrincipale(*e), {kEcartBande, kEcartBande, client.droite - kEcartBande, client.bas},
                     forme.boutons);
    const int32_t haut = basBande + kEcartBande;
    const bool panneau = e->arbreVisible || e->panneauAutreTexteVisible;
    const int32_t droiteTexte =
        panneau && e->largeurMemo > 0 ? std::min(e->largeurMemo, client.droite) : client.droite;
    const bool clavierArbre = e->arbreVisible && e->focusArbre;
    forme.champs.push_back(champ(kChampTexteEditeur, {0, haut, droiteTexte, client.bas}, e->memo,
                                 !e->focusAutreTexte && !clavierArbre));
    const p::Rectangle droite{droiteTexte + kLargeurSeparateur, haut, client.droite, client.bas};
    if (e->arbreVisible) {
        p::ListeLiee arbre;
        arbre.numero = kListeArbreEditeur;
        arbre.cadre = droite;
        arbre.courant = e->focusArbre;
        for (std::size_t i = 0; i < e->arbre.size(); ++i) {
            p::LigneListe l;
            l.cellules = {e->arbre[i].texte};
            l.niveau = e->arbre[i].niveau;
            l.selectionnee = int(i) == e->noeudSelectionne;
            arbre.lignes.push_back(std::move(l));
        }
        forme.listes.push_back(std::move(arbre));
    } else if (e->panneauAutreTexteVisible) {
        // The name's label as high as the toolkit's font needs.
        const p::Rectangle etiquette{
            droite.gauche + kEcartBande, haut, droite.droite - kEcartBande,
            haut + p::auMoins(kHauteurEtiquette, p::tailleEtiquette(e->libelleNomAutreTexte).hauteur)};
        forme.etiquettes.push_back({etiquette, e->libelleNomAutreTexte});
        const int32_t basBandeAutre = disposeBande(
            bandeAutreTexte(*e),
            {etiquette.gauche, etiquette.bas + kEcartBande, etiquette.droite, client.bas}, forme.boutons);
        forme.champs.push_back(champ(kChampAutreTexteEditeur,
                                     {droite.gauche, basBandeAutre + kEcartBande, droite.droite, client.bas},
                                     e->memoAutreTexte, e->focusAutreTexte));
    }
    return forme;
}

TZoneTexte* zoneDeChamp(TFenetreEditeur& e, int numero) {
    if (numero == kChampTexteEditeur) return &e.memo;
    if (numero == kChampAutreTexteEditeur && e.panneauAutreTexteVisible) return &e.memoAutreTexte;
    return nullptr;
}

// The user's text goes into the model's text (the edit marks it modified,
// so that closing asks and applying reads it).
void changeTexte(int numero, const std::string& texte) {
    TFenetreEditeur* e = fenetreEditeur();
    if (TZoneTexte* z = e ? zoneDeChamp(*e, numero) : nullptr) changeTexteZone(*z, texte);
}

// The text that takes the focus is the one the edit commands act on; the
// tree that takes it keeps it (the text stays the one edit commands act on).
void prendFocus(int numero) {
    TFenetreEditeur* e = fenetreEditeur();
    if (!e) return;
    if (numero == kListeArbreEditeur) {
        e->focusArbre = e->arbreVisible;
    } else if (zoneDeChamp(*e, numero)) {
        e->focusArbre = false;
        e->focusAutreTexte = numero == kChampAutreTexteEditeur;
    }
}

// The caret and selection the user set: a phrase from the tree goes there.
void changeSelection(int numero, uint32_t debut, uint32_t longueur) {
    TFenetreEditeur* e = fenetreEditeur();
    if (TZoneTexte* z = e ? zoneDeChamp(*e, numero) : nullptr) selectionneZone(*z, debut, longueur);
}

// A press on a node, as the tree's own press: it selects the node, and a
// press on the node already selected inserts its phrase.
void presseNoeud(const TFenetreEditeur& e, int noeud) {
    p::envoieMessage(e.fenetre, kMessageNoeudArbre, uint32_t(noeud), 0);
}

// Choosing a line is a first press; choosing the selected one again does
// nothing (the toolkit tells its selection more than once).
void choisitLignes(int numero, const std::vector<bool>& selection) {
    const TFenetreEditeur* e = fenetreEditeur();
    if (!e || numero != kListeArbreEditeur || !e->arbreVisible) return;
    for (std::size_t i = 0; i < selection.size() && i < e->arbre.size(); ++i) {
        if (!selection[i]) continue;
        if (int(i) != e->noeudSelectionne) presseNoeud(*e, int(i));
        return;
    }
}

// A double click or Enter on a line inserts its phrase as a second press
// does (after the first that selects it, when it was not selected).
void activeLigne(int numero, int ligne) {
    const TFenetreEditeur* e = fenetreEditeur();
    if (!e || numero != kListeArbreEditeur || !e->arbreVisible || ligne < 0 ||
        std::size_t(ligne) >= e->arbre.size())
        return;
    if (e->noeudSelectionne != ligne) presseNoeud(*e, ligne);
    if (const TFenetreEditeur* encore = fenetreEditeur()) presseNoeud(*encore, ligne);
}

} // namespace

void lieFormeEditeurFigure(const TFenetreEditeur& e) {
    p::OperationsForme o;
    o.etat = etatForme;
    o.changeTexte = changeTexte;
    o.prendFocus = prendFocus;
    o.changeSelection = changeSelection;
    o.choisitLignes = choisitLignes;
    o.activeLigne = activeLigne;
    p::inscritFormeLiee(e.fenetre, std::move(o));
}

} // namespace km32
