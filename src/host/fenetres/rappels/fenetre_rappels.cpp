#include "host/fenetres/rappels/fenetre_rappels.h"

#include <algorithm>
#include <memory>

#include "drawing/designation.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/forme_rappels.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/contexte_dessin.h"
#include "platform/entrees.h"
#include "platform/ecran.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "text/descriptions_objets.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint16_t kRegleTousLesRappels = 81;
constexpr int32_t kHauteurLabel = 16;

// A label's height: 16 pixels, or what the toolkit's font needs for the
// two labels' texts when that is more.
int32_t hauteurLabel(const TKMrappels& r) {
    return std::max({kHauteurLabel, p::tailleEtiquette(r.labelIndisponible).hauteur,
                     p::tailleEtiquette(r.labelNonValide).hauteur});
}

// The widest label's text as the toolkit measures it (0 headless).
int32_t largeurLabels(const TKMrappels& r) {
    int32_t largeur = 0;
    for (const auto& [visible, texte] : {std::pair{r.indisponibleVisible, &r.labelIndisponible},
                                         std::pair{r.nonValideVisible, &r.labelNonValide}})
        if (visible) largeur = std::max(largeur, p::tailleEtiquette(*texte).largeur);
    return largeur;
}
constexpr p::Couleur kBleu = p::rgb(0, 0, 255);

std::unique_ptr<TKMrappels>& forme() {
    static std::unique_ptr<TKMrappels> r;
    return r;
}

void ajouteLigne(TKMrappels& r, const std::string& texte) {
    r.items.push_back(creeItemChaineMath(texte));
    const p::TailleControle ligne = tailleLigneItem(r.items.back());
    r.hauteurTotale += ligne.hauteur + 1;
    r.defilement.hauteurs.push_back(ligne.hauteur + 1);
    r.largeurMax = std::max(r.largeurMax, ligne.largeur);
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

void defile(TKMrappels& r, uint32_t message, uint32_t wParam) {
    const int avant = r.defilement.premiere;
    const int32_t vue = r.cadreListe.hauteur();
    bool traite = true;
    if (message == p::WM_VSCROLL)
        defileParBarre(r.defilement, vue, wParam);
    else if (message == p::WM_MOUSEWHEEL)
        defileParMolette(r.defilement, wParam);
    else
        traite = defileParTouche(r.defilement, vue, wParam);
    if (traite && r.defilement.premiere != avant) p::invalideFenetre(r.fenetre);
}

int32_t procedureRappels(p::Fenetre, uint32_t message, uint32_t wParam, int32_t) {
    TKMrappels* r = fenetreRappels();
    if (!r) return 0;
    switch (message) {
    case p::WM_KEYDOWN:
        // Escape and F4 close the window, as its close box does.
        if (wParam == p::VK_ESCAPE || wParam == p::VK_F1 + 3u) {
            FormCloseQuery(*r);
            return 0;
        }
        defile(*r, message, wParam);
        return 0;
    case p::WM_VSCROLL:
    case p::WM_MOUSEWHEEL:
        defile(*r, message, wParam);
        return 0;
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
    lieFormeRappels(rappels);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeRappels;
    t.fenetreAnnexe = rappels.fenetre;
    inscritOperationsAnnexe(kAnnexeRappels, {montreRappels, fermeRappels});
    montreRappels();
    // The created objects come first into view.
    fixePremiereLigne(rappels.defilement, rappels.ligneCrees);
}

void remplitRappels(TKMrappels& r) {
    if (!figureExiste(r.numeroFigure)) return;
    const TfigureKalmetra& f = *figureDeNumero(r.numeroFigure);
    r.labelNonValide = phraseDeNumero(2533);
    r.labelIndisponible = phraseDeNumero(2532);
    r.items.clear();
    r.items.reserve(kLignesRappels);
    r.defilement = TListeDefilante{};
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
    // As large as the lines ask, inside the desktop and the figure's client
    // area; the list scrolls when they do not fit.
    const p::Rectangle zone = rectangleClientFigure(r.numeroFigure);
    const p::Rectangle bureau = p::rectangleBureau();
    const int32_t labels = hauteurLabel(r) * (int(r.indisponibleVisible) + int(r.nonValideVisible));
    int32_t largeur = std::max(r.largeurMax + 30, largeurLabels(r)) + p::kLargeurCaseFermeture + 4,
            hauteur = r.hauteurTotale + labels + 24;
    for (const p::Rectangle& limite : {zone, bureau}) {
        if (limite.largeur() > 0) largeur = std::min(largeur, limite.largeur());
        if (limite.hauteur() > 0) hauteur = std::min(hauteur, limite.hauteur());
    }
    p::placeFenetre(r.fenetre, {0, 0, std::max(largeur, 1), std::max(hauteur, 1)});
    FormResize(r);
    attacheFenetreAFigure(r.numeroFigure, r.fenetre);
}

bool FormCloseQuery(TKMrappels& r) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    fenetreCommuneFermee(r.fenetre);
    return false;
}

// The right edge of the labels and of the list: they leave the close box a
// strip of its own at the right of the window.
int32_t droiteContenu(const TKMrappels& r) {
    return std::max(0, p::rectangleClient(r.fenetre).droite - p::kLargeurCaseFermeture - 4);
}

void FormResize(TKMrappels& r) {
    const p::Rectangle cadre = p::cadreFenetre(r.fenetre);
    const int32_t haut = hauteurLabel(r) * (int(r.indisponibleVisible) + int(r.nonValideVisible));
    // The list never passes the client area's bottom, where its last lines
    // and its scroll bar could not be seen.
    const int32_t bas = std::min(haut + std::max(0, cadre.hauteur() - 24), p::rectangleClient(r.fenetre).bas);
    r.cadreListe = {0, haut, std::min(std::max(0, cadre.largeur() - 8), droiteContenu(r)),
                    std::max(haut, bas)};
}

std::vector<std::pair<p::Rectangle, const std::string*>> labelsVisibles(const TKMrappels& r) {
    std::vector<std::pair<p::Rectangle, const std::string*>> labels;
    const int32_t largeur = droiteContenu(r);
    const int32_t hauteur = hauteurLabel(r);
    int32_t y = 0;
    for (const auto& [visible, texte] : {std::pair{r.indisponibleVisible, &r.labelIndisponible},
                                         std::pair{r.nonValideVisible, &r.labelNonValide}}) {
        if (!visible) continue;
        labels.emplace_back(p::Rectangle{0, y, largeur, y + hauteur}, texte);
        y += hauteur;
    }
    return labels;
}

void peintRappels(TKMrappels& r) {
    p::ContexteDessin* dc = p::contexteDeFenetre(r.fenetre);
    if (!dc) return;
    // The whole client area first: the list leaves a margin at the right
    // and at the bottom that would show leftovers.
    p::remplitRectangle(*dc, p::rectangleClient(r.fenetre), p::kBrosseBlanche);
    // The labels stand over the list, one under the other, only those shown.
    p::fixeCouleurTexte(*dc, p::kNoir);
    for (const auto& [cadre, texte] : labelsVisibles(r))
        p::ecritTexte(*dc, cadre.gauche + 2, cadre.haut, *texte);
    // A line wider than the list, or the last one shown in part, stops at
    // the list's edge: nothing of it goes into the strip of the close box
    // or under the list.
    const p::Rectangle cadre = cadreDesLignes(r.defilement, r.cadreListe);
    const int niveau = p::sauveContexte(*dc);
    p::fixeDecoupe(*dc, cadre);
    int32_t y = cadre.haut;
    for (std::size_t k = std::size_t(r.defilement.premiere); k < r.items.size() && y < cadre.bas; ++k) {
        const TItemChaineMath& item = r.items[k];
        dessineItemChaineMath(item, *dc, kBleu, kBleu, cadre.gauche + 10, y - item.dessus);
        y += r.defilement.hauteurs[k];
    }
    p::restaureContexte(*dc, niveau);
    dessineBarreDefilement(r.defilement, *dc, r.cadreListe);
}

void fermeRappels() {
    std::unique_ptr<TKMrappels> r = std::move(forme());
    if (!r) return;
    p::oublieFormeLiee(r->fenetre);
    p::changeParent(r->fenetre, p::kAucuneFenetre);
    p::detruitFenetre(r->fenetre);
}

} // namespace km32
