#include "host/fenetres/rappels/choix_rappels.h"

#include <algorithm>
#include <tuple>
#include <memory>
#include <optional>

#include "drawing/designation.h"
#include "host/fenetre_figure.h"
#include "host/fenetre_mere.h"
#include "host/juge_modification.h"
#include "host/fenetres/rappels/forme_choix_rappels.h"
#include "host/repartiteur.h"
#include "model/calcul/calcul_objet.h"
#include "model/avis_modification.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "model/services_dessin.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/ecran.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math_dessin.h"
#include "text/descriptions_objets.h"
#include "text/langue_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint8_t VK_F4 = p::VK_F1 + 3;
constexpr uint16_t kCommandePilotage = 77, kCommandeTrace = 84, kCommandePinceau = 88,
                   kCommandeCopieRappels = 106;
constexpr uint32_t kMessageFinDesignation = p::WM_USER + 1001;
constexpr int32_t kFinOk = 1002, kFinAnnulee = 1003, kFinDoubleClic = 1007;
constexpr p::Couleur kBleu = p::rgb(0, 0, 255);
constexpr std::size_t kTailleTexteRappels = 80000;
constexpr uint8_t kStyleDessine = 38; // the style code "&": drawn

struct EtatChoix {
    std::unique_ptr<TFenRaPour> forme;
    bool ouvertPourDialogue = false;
};
EtatChoix& etat() {
    static EtatChoix e;
    return e;
}

bool commandeChoisitObjets(uint16_t k) {
    static const uint16_t commandes[] = {77, 84, 92, 96, 97, 98, 106, 107, 108, 109, 110, 111, 114, 116};
    return std::find(std::begin(commandes), std::end(commandes), k) != std::end(commandes);
}

TfigureKalmetra* figureDuChoix(const TFenRaPour& c) {
    return figureOuRien(c.numeroFigure);
}

void ajouteLigne(TFenRaPour& c, const std::string& texte, uint8_t objet) {
    c.items.push_back(creeItemChaineMath(texte));
    c.objets.push_back(objet);
    c.selection.push_back(false);
    c.largeurMax = std::max(c.largeurMax, tailleLigneItem(c.items.back()).largeur);
}

void videListe(TFenRaPour& c) {
    c.items.clear();
    c.items.reserve(kLignesRappels);
    c.objets.clear();
    c.selection.clear();
    c.largeurMax = 0;
}

void ajouteObjetsDesignables(TFenRaPour& c, const TfigureKalmetra& f) {
    objetsDesignablesPourCommande(f, c.regle, c.designables);
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (c.designables.test(std::size_t(i))) ajouteLigne(c, definitionObjetPourRappel(f, i), uint8_t(i));
}

// The list's line heights after a fill; a new list starts at its first line.
void listeRemplie(TFenRaPour& c) {
    c.defilement.hauteurs.clear();
    for (const TItemChaineMath& item : c.items)
        c.defilement.hauteurs.push_back(tailleLigneItem(item).hauteur);
    fixePremiereLigne(c.defilement, 0);
}

int32_t hauteurVue(const TFenRaPour& c) {
    return c.cadreListe.hauteur();
}

bool contient(const p::Rectangle& r, int32_t x, int32_t y) {
    return x >= r.gauche && x < r.droite && y >= r.haut && y < r.bas;
}

void disposeBoutonsChoix(TFenRaPour& c) {
    int32_t decalage = 0, bas = kCadreBoutonOk.bas;
    for (const auto& [cadre, modele, libelle] :
         {std::tuple{&c.cadreOk, kCadreBoutonOk, std::string("Ok")},
          std::tuple{&c.cadreAnnuler, kCadreBoutonAnnuler, c.legendeAnnuler},
          std::tuple{&c.cadreAide, kCadreBoutonAide, c.legendeAide}}) {
        const p::TailleControle t = p::tailleBouton(libelle);
        const int32_t gauche = modele.gauche + decalage;
        *cadre = {gauche, modele.haut, gauche + p::auMoins(modele.largeur(), t.largeur),
                  modele.haut + p::auMoins(modele.hauteur(), t.hauteur)};
        decalage += cadre->largeur() - modele.largeur();
        bas = std::max(bas, cadre->bas);
    }
    c.hautListe = kHautBoutonsRappels + (bas - kCadreBoutonOk.bas);
}

// A press of the left button: a button of the top row, else the line under
// the point (a second press of a double click on the line).
void clicSouris(TFenRaPour& c, int32_t lParam, bool doubleClic) {
    const int32_t x = p::xDeLParam(lParam), y = p::yDeLParam(lParam);
    if (!doubleClic) {
        if (contient(c.cadreOk, x, y)) {
            BoutonOkClick(c);
            return;
        }
        if (contient(c.cadreAnnuler, x, y)) {
            BoutonAnnulerClick(c);
            return;
        }
        if (c.aideVisible && contient(c.cadreAide, x, y)) {
            BoutonAideClick(c);
            return;
        }
    }
    const int ligne = ligneSousPoint(c, x, y);
    if (ligne < 0) return;
    if (doubleClic)
        ListeRappelsDblClick(c, ligne);
    else
        ListeRappelsClick(c, ligne);
}

// The list scrolled by the window's procedure: drawn again.
void defile(TFenRaPour& c, uint32_t message, uint32_t wParam) {
    const int avant = c.defilement.premiere;
    if (message == p::WM_VSCROLL)
        defileParBarre(c.defilement, hauteurVue(c), wParam);
    else
        defileParMolette(c.defilement, wParam);
    if (c.defilement.premiere != avant) p::invalideFenetre(c.fenetre);
}

int32_t hauteurLignes(const TFenRaPour& c) {
    int32_t h = 0;
    for (const TItemChaineMath& item : c.items)
        h += tailleLigneItem(item).hauteur;
    return h;
}

void montreChoix() {
    if (TFenRaPour* c = choixRappels()) {
        p::afficheFenetre(c->fenetre, true);
        p::donneFocus(c->fenetre);
    }
}

int32_t procedureChoix(p::Fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TFenRaPour* c = choixRappels();
    if (!c) return 0;
    switch (message) {
    case p::WM_PAINT:
        peintChoixRappels(*c);
        return 0;
    case p::WM_SIZE:
        FormResize(*c);
        return 0;
    case p::WM_KEYDOWN:
        return toucheChoixRappels(*c, wParam) ? 0 : 1;
    case p::WM_VSCROLL:
    case p::WM_MOUSEWHEEL:
        defile(*c, message, wParam);
        return 0;
    case p::WM_LBUTTONDOWN:
    case p::WM_LBUTTONDBLCLK:
        clicSouris(*c, lParam, message == p::WM_LBUTTONDBLCLK);
        return 0;
    case p::WM_CLOSE:
        return FormCloseQuery(*c) ? 1 : 0;
    case p::WM_COMMAND:
        switch (wParam) {
        case kTagRappelsOk:
            BoutonOkClick(*c);
            break;
        case kTagRappelsAnnuler:
            BoutonAnnulerClick(*c);
            break;
        case kTagRappelsAide:
            BoutonAideClick(*c);
            break;
        case kTagRappelsClic:
            ListeRappelsClick(*c, lParam);
            break;
        case kTagRappelsDoubleClic:
            ListeRappelsDblClick(*c, lParam);
            break;
        default:
            break;
        }
        return 0;
    default:
        return 0;
    }
}

// OK and double click: the selected objects become the figure's designated
// set and the command takes them. A picker that serves a dialog works for
// the dialog's construction command, which none of the cases below names;
// the style palette's picker works for the brush (88) and restyles the
// objects here, at the end of each pick.
void termineChoix(TFenRaPour& c, bool parOk) {
    const SurveillanceModification surveillance(c.numeroFigure);
    TfigureKalmetra* f = figureDuChoix(c);
    // Choosing again what was already chosen leaves the text, and the flag.
    std::optional<JugeModification> juge;
    if (f) juge.emplace(*f);
    c.figureChangee = false;
    if (f) {
        f->ensembleDesigne.reset();
        for (std::size_t k = 0; k < c.objets.size(); ++k)
            if (c.selection[k] && c.objets[k] != 0) f->ensembleDesigne.set(c.objets[k]);
        if (c.commande == kCommandePinceau) {
            c.figureChangee = f->ensembleDesigne.any();
            if (c.figureChangee) appliqueStyleAuxDesignes(*f);
        } else if (c.commande == kCommandeCopieRappels && !parOk) {
            // A double click only designates: the objects stay designated,
            // nothing is copied.
            f->commandeDesignation = 0;
            f->derniereCommande = c.commande;
        } else if (commandeChoisitObjets(c.commande)) {
            if (c.commande == kCommandeCopieRappels) copieRappelsDesignes(*f);
            f->commandeDesignation = c.commande;
            c.figureChangee = appliqueDesignation(*f);
            if (f->fenetreDessin != 0) redessineFigure(*f);
        }
    }
    c.annule = false;
    c.finParOk = parOk;
    signaleFinChoixRappels(c);
}

} // namespace

TFenRaPour* choixRappels() {
    return etat().forme.get();
}

bool choixRappelsPourDialogue() {
    return etat().forme && etat().ouvertPourDialogue;
}

void choisitRappelPourCommande(int16_t numeroDemande, uint32_t fenetre, uint16_t commande, uint8_t dialogue,
                               uint16_t regle) {
    if (!figureExiste(numeroDemande)) return;
    const int16_t numero = figureDeSaFenetre(numeroDemande);
    TfigureKalmetra& f = *figureDeNumero(numero);
    if (aucunObjetDesignable(f, regle)) {
        afficheMessageType(phraseDeNumero(11164), phraseDeNumero(11114), p::kIconeExclamation);
        return;
    }
    if (!dialogue && !reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    if (etat().forme) return;
    etat().ouvertPourDialogue = dialogue != 0;
    auto c = std::make_unique<TFenRaPour>();
    c->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 0, 395, 168}, procedureChoix, false);
    c->numeroFigure = numero;
    c->commande = commande;
    c->regle = regle;
    c->fenetreDemandeur = fenetre;
    c->pourDialogue = dialogue != 0;
    TFenRaPour& r = *c;
    etat().forme = std::move(c);
    remplitChoixRappels(r);
    lieFormeChoixRappels(r);
    if (!r.pourDialogue) {
        TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
        t.codeAnnexe = kAnnexeChoixRappels;
        t.fenetreAnnexe = r.fenetre;
        inscritOperationsAnnexe(kAnnexeChoixRappels, {montreChoix, fermeChoixRappels});
    }
    montreChoix();
}

void remplitChoixRappels(TFenRaPour& c) {
    TfigureKalmetra* f = figureDuChoix(c);
    if (!f) return;
    videListe(c);
    c.legendeAnnuler = phraseDeNumero(11252);
    c.aideVisible = !c.pourDialogue;
    c.legendeAide = phraseDeNumero(11251);
    disposeBoutonsChoix(c);
    if (commandeChoisitObjets(c.commande)) {
        c.titre = phraseDeNumero(c.commande);
        std::erase(c.titre, '&');
    } else {
        c.titre = phraseDeNumero(11325);
    }
    p::changeTitreFenetre(c.fenetre, c.titre);
    c.selectionMultiple = true;
    const int32_t gauche = c.pourDialogue ? p::cadreFenetre(c.fenetreDemandeur).largeur() + 1 : 1;
    if (c.commande == kCommandePilotage) ajouteLigne(c, phraseDeNumero(4416), 0);
    ajouteObjetsDesignables(c, *f);
    if (c.commande == kCommandePilotage) {
        c.selectionMultiple = false;
        for (std::size_t k = 0; k < c.objets.size(); ++k)
            c.selection[k] = c.objets[k] != 0 && c.objets[k] == f->objetLibreActif;
    } else if (c.commande == kCommandeTrace) {
        for (std::size_t k = 0; k < c.objets.size(); ++k)
            c.selection[k] = c.objets[k] != 0 && f->ensembleTrace.test(c.objets[k]);
    }
    listeRemplie(c);
    // Beside the asking window, ending at the right edge of the figure's
    // client area and 25 pixels above its bottom. The list under the
    // buttons gets the lines' total height, so that every line shows when
    // there is room; the list scrolls when there is not. The window is at
    // least as wide as its row of buttons, so that short reminders leave
    // Cancel and Help within reach.
    const p::Rectangle zone = rectangleClientFigure(c.numeroFigure);
    const int32_t boutons = (c.aideVisible ? c.cadreAide : c.cadreAnnuler).droite + 1;
    int32_t largeur = std::max(c.largeurMax + 15, boutons);
    if (zone.droite > gauche) largeur = std::min(largeur, zone.droite - gauche);
    int32_t hauteur = c.hautListe + hauteurLignes(c) + 2;
    if (zone.bas - 25 > c.hautListe) hauteur = std::min(hauteur, zone.bas - 25);
    p::placeFenetre(c.fenetre, {gauche, 0, gauche + std::max(largeur, 1), std::max(hauteur, 1)});
    FormResize(c);
    attacheFenetreAFigure(c.numeroFigure, c.fenetre);
}

void changeRegleChoixRappels(uint16_t regle) {
    TFenRaPour* c = choixRappels();
    if (!c) return;
    TfigureKalmetra* f = figureDuChoix(*c);
    if (!f || aucunObjetDesignable(*f, regle)) {
        fermeChoixRappels();
        return;
    }
    c->regle = regle;
    videListe(*c);
    ajouteObjetsDesignables(*c, *f);
    listeRemplie(*c);
    p::invalideFenetre(c->fenetre);
}

void fermeChoixRappels() {
    std::unique_ptr<TFenRaPour> c = std::move(etat().forme);
    etat().ouvertPourDialogue = false;
    if (!c) return;
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    const uint8_t occupe = t.annexeEnFermeture;
    t.annexeEnFermeture = 1;
    p::afficheFenetre(c->fenetre, false);
    p::oublieFormeLiee(c->fenetre);
    p::changeParent(c->fenetre, p::kAucuneFenetre);
    p::detruitFenetre(c->fenetre);
    c.reset();
    t.annexeEnFermeture = occupe;
}

void signaleFinChoixRappels(TFenRaPour& c) {
    TfigureKalmetra* f = figureDuChoix(c);
    if (f && !c.annule && c.figureChangee)
        signaleFigureModifiee(*f);
    else if (f && !c.annule && !c.pourDialogue)
        avertitHoteFigure(*f);
    if (c.pourDialogue) {
        const int32_t fin = c.annule ? kFinAnnulee : (c.finParOk ? kFinOk : kFinDoubleClic);
        p::posteMessage(c.fenetreDemandeur, kMessageFinDesignation, 0, fin);
        // The dialog keeps the picker for the next field after a double click.
        if (fin != kFinDoubleClic) fermeChoixRappels();
    } else {
        fenetreCommuneFermee(c.fenetre);
    }
}

void ListeRappelsClick(TFenRaPour& c, int ligne) {
    if (ligne < 0 || ligne >= int(c.selection.size())) return;
    if (c.selectionMultiple) {
        c.selection[std::size_t(ligne)] = !c.selection[std::size_t(ligne)];
    } else {
        std::fill(c.selection.begin(), c.selection.end(), false);
        c.selection[std::size_t(ligne)] = true;
    }
    p::invalideFenetre(c.fenetre);
}

void ListeRappelsDblClick(TFenRaPour& c, int ligne) {
    // The first click of the pair leaves its line selected.
    if (ligne >= 0 && ligne < int(c.selection.size())) {
        if (!c.selectionMultiple) std::fill(c.selection.begin(), c.selection.end(), false);
        c.selection[std::size_t(ligne)] = true;
    }
    termineChoix(c, false);
}

void BoutonOkClick(TFenRaPour& c) {
    termineChoix(c, true);
}

void BoutonAnnulerClick(TFenRaPour& c) {
    c.annule = true;
    signaleFinChoixRappels(c);
}

void BoutonAideClick(TFenRaPour& c) {
    appelleAideKM32(c.fenetre, 1, c.commande);
}

bool toucheChoixRappels(TFenRaPour& c, uint32_t touche) {
    if (touche == p::VK_ESCAPE || touche == VK_F4) {
        BoutonAnnulerClick(c);
        return true;
    }
    const int avant = c.defilement.premiere;
    if (!defileParTouche(c.defilement, hauteurVue(c), touche)) return false;
    if (c.defilement.premiere != avant) p::invalideFenetre(c.fenetre);
    return true;
}

int ligneSousPoint(const TFenRaPour& c, int32_t x, int32_t y) {
    const p::Rectangle lignes = cadreDesLignes(c.defilement, c.cadreListe);
    if (!contient(lignes, x, y)) return -1;
    return ligneSousOrdonnee(c.defilement, y - lignes.haut);
}

bool FormCloseQuery(TFenRaPour& c) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    BoutonAnnulerClick(c);
    return false;
}

void FormResize(TFenRaPour& c) {
    const p::Rectangle r = p::rectangleClient(c.fenetre);
    c.cadreListe = {1, c.hautListe + 1, std::max(1, r.droite - 1), std::max(c.hautListe + 1, r.bas - 1)};
}

void peintChoixRappels(TFenRaPour& c) {
    p::ContexteDessin* dc = p::contexteDeFenetre(c.fenetre);
    if (!dc) return;
    // The whole client area first, so that the edges about the list and
    // the row of buttons show no leftover.
    p::remplitRectangle(*dc, p::rectangleClient(c.fenetre), p::kBrosseBlanche);
    // Each line stops at the list's edge, as the last one shown in part.
    const p::Rectangle cadre = cadreDesLignes(c.defilement, c.cadreListe);
    const int niveau = p::sauveContexte(*dc);
    p::fixeDecoupe(*dc, cadre);
    int32_t y = cadre.haut;
    for (std::size_t k = std::size_t(c.defilement.premiere); k < c.items.size() && y < cadre.bas; ++k) {
        const TItemChaineMath& item = c.items[k];
        const p::Rectangle ligne{cadre.gauche, y, cadre.droite, y + c.defilement.hauteurs[k]};
        const bool choisi = c.selection[k];
        p::remplitRectangle(*dc, ligne, p::brossePleine(choisi ? p::couleurTitreActif() : p::kBlanc));
        const p::Couleur couleur = choisi ? p::kBlanc : kBleu;
        dessineItemChaineMath(item, *dc, couleur, couleur, ligne.gauche + 10, ligne.haut - item.dessus);
        y = ligne.bas;
    }
    p::restaureContexte(*dc, niveau);
    dessineBarreDefilement(c.defilement, *dc, c.cadreListe);
}

void appliqueStyleAuxDesignes(TfigureKalmetra& f) {
    for (int i = 1; i <= f.nombreObjets; ++i) {
        if (!f.ensembleDesigne.test(std::size_t(i))) continue;
        TObjetFigure& o = objet(f, i);
        TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
        appliqueCommandeStyle(o.style, sources, f.styleChoisi);
        for (int k = 0; k < 3; ++k)
            o.sourcesCouleur[k] = sources[std::size_t(k)];
        // A curve that is drawn again is computed again, as after the brush.
        if (f.styleChoisi == kStyleDessine && o.nature == kNatureCourbe) calculeObjet(f, i);
    }
    f.modifiee = 1;
    if (f.fenetreDessin != 0) redessineFigure(f);
}

std::string texteRappelsDesignes(const TfigureKalmetra& f) {
    std::string texte;
    for (int i = 1; i <= f.nombreObjets; ++i) {
        if (!f.ensembleDesigne.test(std::size_t(i))) continue;
        const std::string rappel = (texte.empty() ? "$N$n" : "\r\n") + definitionObjetPourRappel(f, i);
        // The text is built in a buffer of fixed size: what does not fit is left out.
        if (texte.size() + rappel.size() >= kTailleTexteRappels) break;
        texte += rappel;
    }
    return texte;
}

void copieRappelsDesignes(TfigureKalmetra& f) {
    if (f.ensembleDesigne.none()) return;
    copieDessinTexte(texteRappelsDesignes(f));
}

void reinitialiseChoixRappels() {
    fermeChoixRappels();
}

} // namespace km32
