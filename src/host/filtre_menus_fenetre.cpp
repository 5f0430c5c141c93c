#include "host/filtre_menus_fenetre.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/ecran.h"
#include "platform/entrees.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"
#include "platform/surfaces_fenetres.h"

namespace km32 {

namespace p = platform;

namespace {

// The layout: the titles above the lists, the lists on each side of a column
// of buttons that works at any height the figure leaves to the box.
constexpr int32_t kHautTitres = 20;
constexpr int32_t kGaucheAutorises = 8, kLargeurListe = 230;
constexpr int32_t kGaucheBoutons = 246, kLargeurBouton = 72, kHauteurBouton = 25;
constexpr int32_t kGaucheInterdits = 322;
// The top of each button from the lists' top, by tag.
constexpr std::array<int32_t, kNombreBoutonsFiltre + 1> kHautBoutons = {0, 20, 55, 110, 145, 180};
// Moves shorter than this, in pixels, are a click, not a drag.
constexpr int32_t kSeuilGlisser = 4;

constexpr p::Couleur kFaceBouton = p::rgb(225, 225, 225);
constexpr p::Police kPoliceFiltre{13, false};

bool contient(const p::Rectangle& r, int32_t x, int32_t y) {
    return p::pointDansRectangle(r, {x, y});
}

// The lines' part of a list: inside its border, without the scroll bar.
p::Rectangle interieur(const TVueListeFiltre& v) {
    return {v.cadre.gauche + 1, v.cadre.haut + 1, v.cadre.droite - 1, v.cadre.bas - 1};
}
p::Rectangle cadreLignes(const TVueListeFiltre& v) {
    return cadreDesLignes(v.defilement, interieur(v));
}

// The list whose frame holds the point, -1 none.
int listeSousPoint(const TBoiteFiltreMenu& b, int32_t x, int32_t y) {
    for (int k : {kListeAutorises, kListeInterdits})
        if (contient(b.vues[std::size_t(k)].cadre, x, y)) return k;
    return -1;
}

// The first line shown follows the height y of a press in the scroll bar.
void defileVersOrdonnee(TBoiteFiltreMenu& b, int k, int32_t y) {
    TVueListeFiltre& v = b.vues[std::size_t(k)];
    const p::Rectangle r = interieur(v);
    const int n = int(v.defilement.hauteurs.size());
    if (r.hauteur() <= 0 || n == 0) return;
    const int avant = v.defilement.premiere;
    fixePremiereLigne(v.defilement,
                      int(int64_t(std::clamp(y - r.haut, 0, r.hauteur() - 1)) * n / r.hauteur()));
    if (v.defilement.premiere != avant) p::invalideRectangle(b.fenetre, v.cadre);
}

bool dansBarre(const TVueListeFiltre& v, int32_t x, int32_t y) {
    const p::Rectangle r = interieur(v);
    return defilementNecessaire(v.defilement, r.hauteur()) && contient(r, x, y) && x >= cadreLignes(v).droite;
}

// A press on line `ligne` of list k, with the keys held.
void presseLigne(TBoiteFiltreMenu& b, int k, int ligne, uint32_t touches) {
    TVueListeFiltre& v = b.vues[std::size_t(k)];
    std::vector<bool> selection = selectionDeListe(b, k);
    const bool maj = (touches & p::MK_SHIFT) != 0, ctrl = (touches & p::MK_CONTROL) != 0;
    if (maj && v.ancre >= 0 && v.ancre < int(selection.size())) {
        if (!ctrl) selection.assign(selection.size(), false);
        for (int i = std::min(v.ancre, ligne); i <= std::max(v.ancre, ligne); ++i)
            selection[std::size_t(i)] = true;
    } else {
        v.ancre = ligne;
        if (ctrl) {
            selection[std::size_t(ligne)] = !selection[std::size_t(ligne)];
        } else if (selection[std::size_t(ligne)]) {
            b.souris.selectionDifferee = true;
        } else {
            selection.assign(selection.size(), false);
            selection[std::size_t(ligne)] = true;
        }
    }
    choisitLignesFiltre(b, k, selection);
}

void sourisEnfoncee(TBoiteFiltreMenu& b, int32_t x, int32_t y, uint32_t touches) {
    b.souris = {};
    for (uint32_t tag = 1; tag <= kNombreBoutonsFiltre; ++tag)
        if (contient(b.boutons[tag], x, y)) {
            commandeFiltre(b, tag);
            return;
        }
    const int k = listeSousPoint(b, x, y);
    if (k < 0) return;
    TVueListeFiltre& v = b.vues[std::size_t(k)];
    if (dansBarre(v, x, y)) {
        donneFocusListeFiltre(b, k);
        b.souris.barre = k;
        defileVersOrdonnee(b, k, y);
        return;
    }
    const int ligne = ligneSousOrdonnee(v.defilement, y - cadreLignes(v).haut);
    if (ligne < 0 || ligne >= int(commandesDeListe(b, k).size())) {
        donneFocusListeFiltre(b, k);
        return;
    }
    b.souris.liste = k;
    b.souris.ligne = ligne;
    b.souris.pression = {x, y};
    presseLigne(b, k, ligne, touches);
}

void sourisDeplacee(TBoiteFiltreMenu& b, int32_t x, int32_t y, uint32_t boutons) {
    if (!(boutons & p::MK_LBUTTON)) {
        b.souris = {};
        return;
    }
    if (b.souris.barre >= 0) {
        defileVersOrdonnee(b, b.souris.barre, y);
        return;
    }
    if (b.souris.liste >= 0 && (std::abs(x - b.souris.pression.x) > kSeuilGlisser ||
                                std::abs(y - b.souris.pression.y) > kSeuilGlisser))
        b.souris.glisse = true;
}

// The end of a press: a drag released over the other list moves the
// selection of the list it came from; a click on a selected line selects it
// alone.
void sourisRelachee(TBoiteFiltreMenu& b, int32_t x, int32_t y) {
    const TSourisFiltre s = std::exchange(b.souris, TSourisFiltre{});
    if (s.liste < 0) return;
    if (s.glisse) {
        const int cible = listeSousPoint(b, x, y);
        if (cible == kListeAutorises && s.liste == kListeInterdits) deposeSurAutorises(b);
        if (cible == kListeInterdits && s.liste == kListeAutorises) deposeSurInterdits(b);
        return;
    }
    if (s.selectionDifferee && s.ligne < int(selectionDeListe(b, s.liste).size())) {
        std::vector<bool> seule(selectionDeListe(b, s.liste).size(), false);
        seule[std::size_t(s.ligne)] = true;
        choisitLignesFiltre(b, s.liste, seule);
    }
}

void defileListeCourante(TBoiteFiltreMenu& b, uint32_t message, uint32_t wParam) {
    TVueListeFiltre& v = b.vues[std::size_t(b.listeCourante)];
    const int avant = v.defilement.premiere;
    if (message == p::WM_MOUSEWHEEL)
        defileParMolette(v.defilement, wParam);
    else
        defileParTouche(v.defilement, cadreLignes(v).hauteur(), wParam);
    if (v.defilement.premiere != avant) p::invalideRectangle(b.fenetre, v.cadre);
}

void peintBouton(const TBoiteFiltreMenu& b, p::ContexteDessin& dc, uint32_t tag) {
    const p::Rectangle& r = b.boutons[tag];
    p::choisitStylo(dc, p::kStyloNoir);
    p::choisitBrosse(dc, p::brossePleine(kFaceBouton));
    p::rectangle(dc, r.gauche, r.haut, r.droite, r.bas);
    const std::string libelle = libelleBoutonFiltre(b, tag);
    const p::Taille t = p::mesureTexte(dc, libelle);
    p::fixeCouleurTexte(dc, p::kNoir);
    p::ecritTexte(dc, r.gauche + (r.largeur() - t.cx) / 2, r.haut + (r.hauteur() - t.cy) / 2, libelle);
}

void peintListe(const TBoiteFiltreMenu& b, p::ContexteDessin& dc, int k, const std::string& titre) {
    const TVueListeFiltre& v = b.vues[std::size_t(k)];
    // A real backend lays the title's own label over this text (forme_filtre_menus.h).
    p::fixeCouleurTexte(dc, p::kNoir);
    p::ecritTexte(dc, v.cadreTitre.gauche, v.cadreTitre.haut, titre);
    // The list with the focus has a thicker border.
    p::choisitStylo(dc, p::styloPlein(b.listeCourante == k ? 2 : 1, p::kNoir));
    p::choisitBrosse(dc, p::kBrosseBlanche);
    p::rectangle(dc, v.cadre.gauche, v.cadre.haut, v.cadre.droite, v.cadre.bas);
    const p::Rectangle lignes = cadreLignes(v);
    const int niveau = p::sauveContexte(dc);
    p::intersecteDecoupe(dc, lignes);
    const std::vector<uint16_t>& commandes = commandesDeListe(b, k);
    const std::vector<bool>& selection = selectionDeListe(b, k);
    int32_t y = lignes.haut;
    for (std::size_t i = std::size_t(v.defilement.premiere); i < commandes.size() && y < lignes.bas; ++i) {
        const bool choisie = i < selection.size() && selection[i];
        if (choisie)
            p::remplitRectangle(dc, {lignes.gauche, y, lignes.droite, y + kHauteurLigneFiltre},
                                p::brossePleine(p::couleurTitreActif()));
        p::fixeCouleurTexte(dc, choisie ? p::kBlanc : p::kNoir);
        p::ecritTexte(dc, lignes.gauche + 2, y + 1, libelleEntreeFiltre(b, commandes[i]));
        y += kHauteurLigneFiltre;
    }
    p::restaureContexte(dc, niveau);
    dessineBarreDefilement(v.defilement, dc, interieur(v));
}

} // namespace

void disposeFiltreMenus(TBoiteFiltreMenu& b) {
    // The buttons as wide and high as the toolkit's need for the longest
    // caption, the forbidden list moved right by as much; the titles as high
    // as the font needs, ending above the lists as they do.
    int32_t largeurBouton = kLargeurBouton, hauteurBouton = kHauteurBouton;
    for (uint32_t tag = 1; tag <= kNombreBoutonsFiltre; ++tag) {
        const p::TailleControle t = p::tailleBouton(libelleBoutonFiltre(b, tag));
        largeurBouton = p::auMoins(largeurBouton, t.largeur);
        hauteurBouton = p::auMoins(hauteurBouton, t.hauteur);
    }
    const int32_t hauteurTitre = std::max({kHauteurLigneFiltre, p::tailleEtiquette(b.titreAutorises).hauteur,
                                           p::tailleEtiquette(b.titreInterdits).hauteur});
    const int32_t basTitres = kHautTitres + kHauteurLigneFiltre;
    const int32_t hautTitres = std::max(0, std::min(kHautTitres, basTitres - hauteurTitre));
    const int32_t bas = kHautListesFiltre + std::max(b.hauteurListes, kHauteurLigneFiltre + 2);
    const std::array<int32_t, 2> gauches = {kGaucheAutorises,
                                            kGaucheInterdits + largeurBouton - kLargeurBouton};
    for (int k : {kListeAutorises, kListeInterdits}) {
        TVueListeFiltre& v = b.vues[std::size_t(k)];
        const int32_t gauche = gauches[std::size_t(k)];
        v.cadreTitre = {gauche, hautTitres, gauche + kLargeurListe, hautTitres + hauteurTitre};
        v.cadre = {gauche, kHautListesFiltre, gauche + kLargeurListe, bas};
    }
    // The buttons keep their tops while their rows hold them, else each
    // goes under the one before.
    int32_t basPrecedent = 0;
    for (uint32_t tag = 1; tag <= kNombreBoutonsFiltre; ++tag) {
        const int32_t haut = std::max(kHautListesFiltre + kHautBoutons[tag], basPrecedent + 4);
        b.boutons[tag] = {kGaucheBoutons, haut, kGaucheBoutons + largeurBouton, haut + hauteurBouton};
        basPrecedent = b.boutons[tag].bas;
    }
}

int32_t largeurFiltreMenus(const TBoiteFiltreMenu& b) {
    return b.vues[std::size_t(kListeInterdits)].cadre.droite + kGaucheAutorises;
}

void listesFiltreRemplies(TBoiteFiltreMenu& b) {
    for (int k : {kListeAutorises, kListeInterdits}) {
        TVueListeFiltre& v = b.vues[std::size_t(k)];
        v.defilement.hauteurs.assign(commandesDeListe(b, k).size(), kHauteurLigneFiltre);
        fixePremiereLigne(v.defilement, v.defilement.premiere);
        v.ancre = -1;
    }
    p::invalideFenetre(b.fenetre);
}

std::string libelleBoutonFiltre(const TBoiteFiltreMenu& b, uint32_t tag) {
    switch (tag) {
    case kTagFiltreInterdit:
        return ">>";
    case kTagFiltrePermis:
        return "<<";
    case kTagFiltreOk:
        return "Ok";
    case kTagFiltreAnnuler:
        return b.boutonAnnuler;
    case kTagFiltreAide:
        return b.boutonAide;
    default:
        return {};
    }
}

void choisitLignesFiltre(TBoiteFiltreMenu& b, int k, const std::vector<bool>& selection) {
    if (k != kListeAutorises && k != kListeInterdits) return;
    std::vector<bool>& s = selectionDeListe(b, k);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = i < selection.size() && selection[i];
    donneFocusListeFiltre(b, k);
    p::invalideFenetre(b.fenetre);
}

void donneFocusListeFiltre(TBoiteFiltreMenu& b, int k) {
    if (k != kListeAutorises && k != kListeInterdits) return;
    if (b.listeCourante != k) p::invalideFenetre(b.fenetre);
    b.listeCourante = k;
}

void commandeFiltre(TBoiteFiltreMenu& b, uint32_t tag) {
    switch (tag) {
    case kTagFiltreInterdit:
        BoutonInterditClick(b);
        break;
    case kTagFiltrePermis:
        BoutonPermisClick(b);
        break;
    case kTagFiltreOk:
        BoutonOkClick(b);
        break;
    case kTagFiltreAnnuler:
        BoutonAnnulerClick(b);
        break;
    case kTagFiltreAide:
        BoutonAideClick(b);
        break;
    default:
        break;
    }
}

void PeintFiltreMenus(const TBoiteFiltreMenu& b, p::ContexteDessin& dc) {
    const int niveau = p::sauveContexte(dc);
    p::remplitRectangle(dc, p::rectangleClient(b.fenetre), p::brossePleine(p::kFaceFormulaire));
    p::choisitPolice(dc, kPoliceFiltre);
    p::fixeModeFond(dc, p::ModeFond::Transparent);
    peintListe(b, dc, kListeAutorises, b.titreAutorises);
    peintListe(b, dc, kListeInterdits, b.titreInterdits);
    for (uint32_t tag = 1; tag <= kNombreBoutonsFiltre; ++tag)
        peintBouton(b, dc, tag);
    p::restaureContexte(dc, niveau);
}

int32_t procedureFiltreMenus(p::Fenetre fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TBoiteFiltreMenu* b = boiteFiltreMenu();
    if (!b || b->fenetre != fenetre) return 0;
    const int32_t x = p::xDeLParam(lParam), y = p::yDeLParam(lParam);
    switch (message) {
    case p::WM_PAINT:
        p::commencePeinture(fenetre);
        if (p::ContexteDessin* dc = p::contexteDeFenetre(fenetre)) PeintFiltreMenus(*b, *dc);
        p::terminePeinture(fenetre);
        return 0;
    case p::WM_LBUTTONDOWN:
    case p::WM_LBUTTONDBLCLK:
        sourisEnfoncee(*b, x, y, wParam);
        return 0;
    case p::WM_MOUSEMOVE:
        sourisDeplacee(*b, x, y, wParam);
        return 0;
    case p::WM_LBUTTONUP:
        sourisRelachee(*b, x, y);
        return 0;
    case p::WM_MOUSEWHEEL:
        defileListeCourante(*b, message, wParam);
        return 0;
    case p::WM_KEYDOWN:
        if (!toucheFiltre(*b, wParam)) defileListeCourante(*b, message, wParam);
        return 0;
    case p::WM_COMMAND:
        commandeFiltre(*b, wParam);
        return 0;
    case p::WM_CLOSE:
        return FormCloseQuery(*b) ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace km32
