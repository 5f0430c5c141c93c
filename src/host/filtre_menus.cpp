#include "host/filtre_menus.h"

#include <algorithm>
#include <memory>

#include "base/texte.h"
#include "host/fenetre_mere.h"
#include "host/filtre_menus_fenetre.h"
#include "host/forme_filtre_menus.h"
#include "host/menus_figure.h"
#include "host/menus_figure_codes.h"
#include "host/repartiteur.h"
#include "host/services_attendus.h"
#include "model/fenetres_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "sibling/table_partagee.h"
#include "text/langue_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr int32_t kLargeurForme = 560, kHauteurForme = 400;
constexpr uint8_t VK_F4 = p::VK_F1 + 3;

std::unique_ptr<TBoiteFiltreMenu>& boite() {
    static std::unique_ptr<TBoiteFiltreMenu> b;
    return b;
}

// The commands an entry stands for: a heading stands for its sub-menu.
TEnsembleCommandes commandesDeLEntree(uint16_t commande) {
    if (commande >= 231) return commandesDuSousMenu(commande);
    TEnsembleCommandes s;
    if (commande < 256) s.set(commande);
    return s;
}

TEnsembleCommandes commandesSelectionnees(const std::vector<uint16_t>& liste,
                                          const std::vector<bool>& selection) {
    TEnsembleCommandes s;
    for (std::size_t k = 0; k < liste.size() && k < selection.size(); ++k)
        if (selection[k]) s |= commandesDeLEntree(liste[k]);
    return s;
}

void deplace(TBoiteFiltreMenu& b, bool permet) {
    const TEnsembleCommandes s = permet ? commandesSelectionnees(b.listeInterdits, b.selectionInterdits)
                                        : commandesSelectionnees(b.listeAutorises, b.selectionAutorises);
    if (s.none()) return;
    if (permet)
        b.autorisees |= s;
    else
        b.autorisees &= ~s;
    remplitListesFiltre(b);
}

void montreFiltre() {
    if (TBoiteFiltreMenu* b = boiteFiltreMenu()) {
        if (!p::estAffichee(b->fenetre)) p::afficheFenetre(b->fenetre, true);
        p::donneFocus(b->fenetre);
    }
}

void fermeFiltre() {
    std::unique_ptr<TBoiteFiltreMenu>& b = boite();
    if (!b) return;
    p::changeParent(b->fenetre, p::kAucuneFenetre);
    p::detruitFenetre(b->fenetre);
    b.reset();
}

// The end of the box, confirmed or not.
void termine(TBoiteFiltreMenu& b) {
    if (!b.annule && figureExiste(b.numeroFigure)) {
        TfigureKalmetra& f = *figureDeNumero(b.numeroFigure);
        detruitMenuFigure(b.numeroFigure);
        prendInstantanePourAnnuler(f, f);
        const auto avant = f.commandesAutorisees;
        f.commandesAutorisees = b.autorisees;
        f.commandesAutorisees.reset(0);
        miseAjourMenuFigure(f);
        // The forbidden options are written with the figure: a change of
        // them is a change to save.
        if (f.commandesAutorisees != avant) signaleFigureModifiee(f);
    }
    fenetreCommuneFermee(b.fenetre);
}

} // namespace

std::string libelleFiltreDeCommande(uint16_t commande) {
    std::string legende = phraseDeNumero(commande);
    std::erase(legende, '&');
    return coupe(coupe(codeMenuDeCommande(commande) + " ", 11) + legende, 80);
}

const std::string& libelleEntreeFiltre(const TBoiteFiltreMenu& b, uint16_t commande) {
    static const std::string vide;
    const auto position = std::size_t(
        std::find(b.commandesTriees.begin(), b.commandesTriees.end(), commande) - b.commandesTriees.begin());
    return position < b.libelles.size() ? b.libelles[position] : vide;
}

TBoiteFiltreMenu* boiteFiltreMenu() {
    return boite().get();
}

void ouvreFiltreMenus(TfigureKalmetra& f) {
    const int16_t numero = int16_t(f.numeroFigure);
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    fermeFiltre();
    auto b = std::make_unique<TBoiteFiltreMenu>();
    b->fenetre =
        p::creeFenetre(p::kAucuneFenetre, {0, 0, kLargeurForme, kHauteurForme}, procedureFiltreMenus, false);
    b->numeroFigure = numero;
    b->titre = phraseDeNumero(11172);
    b->boutonAnnuler = phraseDeNumero(11252);
    b->boutonAide = phraseDeNumero(11251);
    b->titreAutorises = phraseDeNumero(11170);
    b->titreInterdits = phraseDeNumero(11171);
    p::changeTitreFenetre(b->fenetre, b->titre);
    b->commandesTriees = listeCommandesTriees();
    for (const uint16_t k : b->commandesTriees)
        b->libelles.push_back(libelleFiltreDeCommande(k));
    b->autorisees = f.commandesAutorisees;
    b->hauteurListes = kHauteurForme - kHautListesFiltre - 48;
    const int32_t bas = rectangleClientFigure(numero).bas;
    if (bas < kHauteurForme) {
        p::placeFenetre(b->fenetre, {0, 0, kLargeurForme, bas});
        b->hauteurListes = bas - kHautListesFiltre - 8;
    }
    disposeFiltreMenus(*b);
    // Wider when the toolkit's buttons need more than their own width.
    if (const int32_t largeur = largeurFiltreMenus(*b); largeur > kLargeurForme) {
        p::Rectangle cadre = p::cadreFenetre(b->fenetre);
        cadre.droite = cadre.gauche + largeur;
        p::placeFenetre(b->fenetre, cadre);
    }
    attacheFenetreAFigure(numero, b->fenetre);
    remplitListesFiltre(*b);
    lieFormeFiltreMenus(*b);
    b->annule = true;
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeFiltreMenus;
    t.fenetreAnnexe = b->fenetre;
    boite() = std::move(b);
    inscritOperationsAnnexe(kAnnexeFiltreMenus, {montreFiltre, fermeFiltre});
    montreFiltre();
}

void remplitListesFiltre(TBoiteFiltreMenu& b) {
    b.listeAutorises.clear();
    b.listeInterdits.clear();
    for (const uint16_t k : b.commandesTriees) {
        if ((commandesDeLEntree(k) & b.autorisees).any())
            b.listeAutorises.push_back(k);
        else
            b.listeInterdits.push_back(k);
    }
    b.selectionAutorises.assign(b.listeAutorises.size(), false);
    b.selectionInterdits.assign(b.listeInterdits.size(), false);
    listesFiltreRemplies(b);
}

std::vector<uint16_t>& commandesDeListe(TBoiteFiltreMenu& b, int k) {
    return k == kListeInterdits ? b.listeInterdits : b.listeAutorises;
}
const std::vector<uint16_t>& commandesDeListe(const TBoiteFiltreMenu& b, int k) {
    return k == kListeInterdits ? b.listeInterdits : b.listeAutorises;
}
std::vector<bool>& selectionDeListe(TBoiteFiltreMenu& b, int k) {
    return k == kListeInterdits ? b.selectionInterdits : b.selectionAutorises;
}
const std::vector<bool>& selectionDeListe(const TBoiteFiltreMenu& b, int k) {
    return k == kListeInterdits ? b.selectionInterdits : b.selectionAutorises;
}

void BoutonInterditClick(TBoiteFiltreMenu& b) {
    deplace(b, false);
}

void BoutonPermisClick(TBoiteFiltreMenu& b) {
    deplace(b, true);
}

void deposeSurAutorises(TBoiteFiltreMenu& b) {
    deplace(b, true);
}

void deposeSurInterdits(TBoiteFiltreMenu& b) {
    deplace(b, false);
}

void BoutonOkClick(TBoiteFiltreMenu& b) {
    b.annule = false;
    termine(b);
}

void BoutonAnnulerClick(TBoiteFiltreMenu& b) {
    b.annule = true;
    termine(b);
}

bool toucheFiltre(TBoiteFiltreMenu& b, uint32_t touche) {
    if (touche != p::VK_ESCAPE && touche != VK_F4) return false;
    BoutonAnnulerClick(b);
    return true;
}

bool FormCloseQuery(TBoiteFiltreMenu& b) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    fenetreCommuneFermee(b.fenetre);
    return false;
}

void BoutonAideClick(TBoiteFiltreMenu& b) {
    appelleAideKM32(b.fenetre, 1, kAideFiltreMenus);
}

void reinitialiseFiltreMenus() {
    fermeFiltre();
}

} // namespace km32
