#include "host/fenetres/rappels/fenetre_rappels.h"

#include <algorithm>
#include <memory>

#include "drawing/designation.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "text/descriptions_objets.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint16_t kRegleTousLesRappels = 81;
constexpr int32_t kHauteurLabel = 16;
constexpr p::Couleur kBleu = p::rgb(0, 0, 255);

std::unique_ptr<TKMrappels>& forme() {
    static std::unique_ptr<TKMrappels> r;
    return r;
}

void ajouteLigne(TKMrappels& r, const std::string& texte) {
    if (int(r.items.size()) >= kLignesRappels) return;
    r.items.push_back(creeItemChaineMath(texte));
    r.hauteurTotale += r.items.back().hauteur() + 1;
    r.largeurMax = std::max(r.largeurMax, r.items.back().largeur);
}

void ajouteGroupe(TKMrappels& r, const TfigureKalmetra& f, uint16_t titre, const TEnsembleObjets& objets) {
    ajouteLigne(r, phraseDeNumero(titre));
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (objets.test(std::size_t(i))) ajouteLigne(r, definitionObjetPourRappel(f, i));
}

void montreRappels() {
    if (TKMrappels* r = fenetreRappels()) {
        p::afficheFenetre(r->fenetre, true);
        p::donneFocus(r->fenetre);
    }
}

int32_t procedureRappels(p::Fenetre, uint32_t message, uint32_t, int32_t) {
    TKMrappels* r = fenetreRappels();
    if (!r) return 0;
    switch (message) {
    case p::WM_PAINT:
        peintRappels(*r);
        return 0;
    case p::WM_SIZE:
        FormResize(*r);
        return 0;
    case p::WM_CLOSE:
        return FormCloseQuery(*r) ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace

TKMrappels* fenetreRappels() {
    return forme().get();
}

void afficheRappels(int16_t numero) {
    if (!figureExiste(numero)) return;
    TfigureKalmetra& f = *figureDeNumero(numero);
    if (aucunObjetDesignable(f, kRegleTousLesRappels)) {
        afficheMessageType(phraseDeNumero(11164), phraseDeNumero(11291), p::kIconeExclamation);
        return;
    }
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    fermeRappels();
    auto r = std::make_unique<TKMrappels>();
    r->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 0, 446, 273}, procedureRappels, false);
    r->numeroFigure = numero;
    r->titre = f.titreFenetre + phraseDeNumero(11163);
    p::changeTitreFenetre(r->fenetre, r->titre);
    TKMrappels& rappels = *r;
    forme() = std::move(r);
    remplitRappels(rappels);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeRappels;
    t.fenetreAnnexe = rappels.fenetre;
    inscritOperationsAnnexe(kAnnexeRappels, {montreRappels, fermeRappels});
    montreRappels();
    // The created objects come first into view.
    rappels.premiereLigne = rappels.ligneCrees;
}

void remplitRappels(TKMrappels& r) {
    if (!figureExiste(r.numeroFigure)) return;
    const TfigureKalmetra& f = *figureDeNumero(r.numeroFigure);
    r.labelNonValide = phraseDeNumero(2533);
    r.labelIndisponible = phraseDeNumero(2532);
    r.items.clear();
    r.predefinis.reset();
    r.crees.reset();
    r.affichages.reset();
    r.commandes.reset();
    r.hauteurTotale = r.largeurMax = 0;
    r.nonPilotable = r.nonDefini = false;
    TEnsembleObjets objets;
    objetsDesignablesPourCommande(f, kRegleTousLesRappels, objets);
    for (int i = 1; i <= f.nombreObjets; ++i) {
        if (!objets.test(std::size_t(i))) continue;
        const TObjetFigure& o = objet(f, i);
        if (o.nature == kNatureAffichage)
            r.affichages.set(std::size_t(i));
        else if (o.nature == kNatureCommande)
            r.commandes.set(std::size_t(i));
        else if (i <= kObjetsPredefinis)
            r.predefinis.set(std::size_t(i));
        else
            r.crees.set(std::size_t(i));
        if (o.nonDefini) r.nonDefini = true;
        if (estObjetLibreBloque(o)) r.nonPilotable = true;
    }
    r.indisponibleVisible = r.nonPilotable;
    r.nonValideVisible = r.nonDefini;
    ajouteGroupe(r, f, 11321, r.predefinis);
    r.ligneCrees = int(r.items.size());
    ajouteGroupe(r, f, 11322, r.crees);
    ajouteGroupe(r, f, 11323, r.affichages);
    ajouteGroupe(r, f, 11324, r.commandes);
    // As large as the lines ask, inside the figure's client area.
    const p::Rectangle zone = rectangleClientFigure(r.numeroFigure);
    const int32_t labels = kHauteurLabel * (int(r.indisponibleVisible) + int(r.nonValideVisible));
    int32_t largeur = r.largeurMax + 30, hauteur = r.hauteurTotale + labels + 24;
    if (zone.largeur() > 0) largeur = std::min(largeur, zone.largeur());
    if (zone.hauteur() > 0) hauteur = std::min(hauteur, zone.hauteur());
    p::placeFenetre(r.fenetre, {0, 0, std::max(largeur, 1), std::max(hauteur, 1)});
    FormResize(r);
    attacheFenetreAFigure(r.numeroFigure, r.fenetre);
}

bool FormCloseQuery(TKMrappels& r) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    fenetreCommuneFermee(r.fenetre);
    return false;
}

void FormResize(TKMrappels& r) {
    const p::Rectangle cadre = p::cadreFenetre(r.fenetre);
    const int32_t haut = kHauteurLabel * (int(r.indisponibleVisible) + int(r.nonValideVisible));
    r.cadreListe = {0, haut, std::max(0, cadre.largeur() - 8), haut + std::max(0, cadre.hauteur() - 24)};
}

void peintRappels(TKMrappels& r) {
    p::ContexteDessin* dc = p::contexteDeFenetre(r.fenetre);
    if (!dc) return;
    p::remplitRectangle(*dc, r.cadreListe, p::kBrosseBlanche);
    int32_t y = r.cadreListe.haut;
    for (std::size_t k = std::size_t(std::max(0, r.premiereLigne));
         k < r.items.size() && y < r.cadreListe.bas; ++k) {
        const TItemChaineMath& item = r.items[k];
        dessineItemChaineMath(item, *dc, kBleu, kBleu, r.cadreListe.gauche + 10, y - item.dessus);
        y += item.hauteur() + 1;
    }
}

void fermeRappels() {
    std::unique_ptr<TKMrappels> r = std::move(forme());
    if (!r) return;
    p::changeParent(r->fenetre, p::kAucuneFenetre);
    p::detruitFenetre(r->fenetre);
}

} // namespace km32
