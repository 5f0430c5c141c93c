#include "drawing/rendu_figure.h"

#include "base/garde.h"
#include "drawing/copie_echelle.h"
#include "drawing/impression_cadre.h"
#include "drawing/rendu_styles.h"
#include "drawing/textes_dessin.h"
#include "drawing/traces.h"
#include "model/fenetres_figure.h"
#include "model/objets_figure.h"
#include "platform/contexte_dessin_table.h"
#include "platform/fenetres.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"
#include "text/descriptions_objets.h"
#include "text/pas_a_pas.h"

namespace km32 {

namespace {

using platform::ContexteDessin;
using platform::Couleur;

constexpr Couleur kCouleurCadreHote = 0xFF0000;
constexpr Couleur kCouleurCadreInactif = 0xFFFF00;

// A filled rectangle without outline, with the painting's background colour.
void peintFond(ContexteDessin& dc, Couleur fond, int32_t gauche, int32_t haut, int32_t droite, int32_t bas) {
    const platform::Stylo stylo = platform::choisitStylo(dc, platform::kStyloNul);
    const platform::Brosse brosse = platform::choisitBrosse(dc, platform::brossePleine(fond));
    platform::rectangle(dc, gauche, haut, droite, bas);
    platform::choisitBrosse(dc, brosse);
    platform::choisitStylo(dc, stylo);
}

void dessineImageDeFond(const TfigureKalmetra& f, ContexteDessin& dc) {
    if (!f.imageFond) return;
    const platform::Image& image = f.imageFond->image;
    if (image.largeur <= 0 || image.hauteur <= 0) return;
    platform::sauveContexte(dc);
    platform::dessineImage(dc, image, {0, 0, image.largeur, image.hauteur});
    platform::restaureContexte(dc, -1);
}

// The objects of one kind class, 7 (or 14) up to the last drawn object.
template <class Choix>
void dessineObjets(TfigureKalmetra& f, ContexteDessin& dc, int premier, int dernier, Choix choix) {
    for (int i = premier; i <= dernier; ++i) {
        const TelementDessin* e = elementDessin(f, i);
        if (e && choix(*e)) dessineElement(f, dc, i);
    }
}

// The replay caption: the definition of the object of the current step in
// a pale box at the bottom of the drawing when there is a band, else at its top.
void dessineLegende(TfigureKalmetra& f, ContexteDessin& dc, bool sombre) {
    constexpr Couleur kFondLegende = 0xC0FFFF;
    constexpr Couleur kTexteLegende = 0xFF0000;
    placeLegende(f, definitionObjetEnTexteMath(f, dernierObjetDessine(f)));
    const TblocDessin& b = *f.blocDessin;
    peintFond(dc, kFondLegende, 0, b.hautLegende, f.largeurImage + 1, b.basLegende);
    const platform::Stylo stylo =
        platform::choisitStylo(dc, sombre ? platform::kStyloBlanc : platform::kStyloNoir);
    traceSegment(dc, 0, b.ligneLegende, f.largeurImage, b.ligneLegende);
    platform::choisitStylo(dc, stylo);
    const int16_t taille = f.traitsEpais ? kTailleGrosTexte : kTailleTexteNormal;
    if (f.traitsEpais) SetFontTaille(taille);
    const double x = 4.0 / larg(taille);
    const double y = double(b.hautLegende + 4 - b.encombrementLegende.haut) / haut(taille);
    ExpFormColExpColTxtTypExpTypTxtTaille(dc, b.legende, x, y, kTexteLegende, kTexteLegende,
                                          f.traitsEpais ? kTypeGrosTexte : 0,
                                          f.traitsEpais ? kTypeGrosTexte : 0, taille);
    if (f.traitsEpais) SetFontTaille(kTailleTexteNormal);
}

// The value box asked for by a key: the keyboard step in blue on yellow,
// the active object's value in yellow on black, in the top-left corner.
void dessineBoiteValeur(TfigureKalmetra& f, ContexteDessin& dc) {
    constexpr Couleur kBleu = 0xFF0000, kJaune = 0x00FFFF;
    SetFontTaille(kTailleTexteNormal);
    const platform::Rect r = rectangleBoiteValeur(f.texteBoiteValeur);
    f.rectangleBoiteValeur = r;
    if (f.boiteValeurPas)
        EmessStylePave(dc, f.texteBoiteValeur, kBleu, r.droite, r.bas, kJaune, 2);
    else
        EmessStylePave(dc, f.texteBoiteValeur, kJaune, r.droite, r.bas, 1, 2);
    SetFontTailleEtType(0, 0);
}

} // namespace

platform::Rect rectangleBoiteValeur(std::string_view texte) {
    return {0, 0, larg(kTailleTexteNormal) * int32_t(texte.size()) + 10, haut(kTailleTexteNormal) + 10};
}

void dessineFigure(TfigureKalmetra& f, ContexteDessin& dc) {
    if (platform::contexteDeHandle(f.contexteDessin) == nullptr) return;
    TetatRendu& etat = etatRendu();
    const int32_t largeur = f.largeurImage, hauteur = f.hauteurImage;
    // The zone clips in device units: scaled with the drawing in scaled drawing.
    platform::Rect zone = calculeZoneDessin(f).zone;
    echelleRectangle(zone);
    // The background covers the whole drawing, scaled with it in a scaled copy.
    const platform::Point coin = echellePoint(largeur + 1, hauteur + 1);
    etat.rectangleDecoupe = zone;
    const bool copie = etat.copieEnCours != 0;
    // The value box drawn by the last paint goes with a paint of the whole
    // window: this paint only asks for it.
    if (f.boiteValeurAffichee && !f.boiteValeurDemandee && !copie) {
        f.boiteValeurAffichee = 0;
        if (f.fenetreDessin != 0) platform::invalideFenetre(f.fenetreDessin);
        return;
    }
    if (copie) setSaveDCautorise(false);

    // The dark background holds for the screen of a figure without host and
    // without a background colour of its own; it is put back afterwards.
    uint8_t& drapeauSombre = TQTableDesVariablesPartagees()->fondSombre;
    const bool sombre = drapeauSombre && !copie && figureSansHote(f) && !f.drapeauCouleurFond;
    const GardeValeur<uint8_t> gardeSombre(drapeauSombre, sombre ? 1 : 0);
    Couleur fond = f.drapeauCouleurFond ? f.reglageCouleurFond : f.couleurFond;
    if (sombre) fond = 1;

    // Background, then the picture.
    const platform::ModeFond mode = platform::fixeModeFond(dc, platform::ModeFond::Opaque);
    const Couleur ancienFond = platform::fixeCouleurFond(dc, fond);
    peintFond(dc, fond, 0, 0, coin.x, coin.y);
    platform::choisitStylo(dc, platform::kStyloNoir);
    platform::fixeModeFond(dc, mode);
    platform::fixeCouleurFond(dc, ancienFond);
    dessineImageDeFond(f, dc);
    platform::fixeModeFond(dc, platform::ModeFond::Transparent);

    // In step-by-step replay only the objects up to the current step.
    const int dernier = dernierObjetDessine(f);
    // The band holds the text objects; without any drawn text it has no
    // height for this paint.
    const GardeValeur<int32_t> gardeBande(f.hauteurZoneAffichages,
                                          existeTexteDessine(f) ? f.hauteurZoneAffichages : 0);
    const int32_t bande = f.hauteurZoneAffichages;
    if (bande != 0) {
        etat.rectangleDecoupe = zone;
        dessineObjets(f, dc, 14, dernier, [](const TelementDessin& e) { return e.type == kDessinTexte; });
        restaureStylo(dc);
        // What a text let overflow below the band is covered again.
        peintFond(dc, fond, 0, longueurPixel(bande - 1), coin.x, coin.y);
    }
    SetFontTailleEtType(0, 0);
    if (f.tableTraces) dessineTraces(f, dc);
    dessineObjets(f, dc, 7, dernier,
                  [](const TelementDessin& e) { return e.type != kDessinPoint && e.type != kDessinTexte; });
    // Points over everything else.
    dessineObjets(f, dc, 7, dernier, [](const TelementDessin& e) { return e.type == kDessinPoint; });
    restaureStylo(dc);

    if (bande > 0) {
        etat.rectangleDecoupe = zone;
        traceSegment(dc, 0, bande - 1, largeur, bande - 1);
        traceSegment(dc, 0, bande + 1, largeur, bande + 1);
    }
    if (!copie && f.imageLimitee) {
        const platform::Brosse brosse = platform::choisitBrosse(dc, platform::kBrosseNulle);
        platform::choisitStylo(dc, sombre ? platform::kStyloBlanc : platform::kStyloNoir);
        dessineCadreImpression(f, dc);
        platform::choisitBrosse(dc, brosse);
    }
    f.boiteValeurAffichee = 0;
    if (!copie && f.boiteValeurDemandee) {
        dessineBoiteValeur(f, dc);
        f.boiteValeurAffichee = 1;
    }
    f.boiteValeurDemandee = 0;
    if (f.modePasAPas) dessineLegende(f, dc, sombre);
    etat.rectangleDecoupe = zone;
    if (!figureSansHote(f) && !copie) {
        DessineRectangle(dc, 1, kCouleurCadreHote, 0, 0, largeur - 1, hauteur - 1);
        const Couleur cadre = f.fenetreDessin != 0 && f.fenetreDessin == platform::fenetreActive()
                                  ? kCouleurCadreHote
                                  : kCouleurCadreInactif;
        DessineRectangle(dc, 1, cadre, 0, 0, largeur - 1, hauteur - 1);
        DessineRectangle(dc, 1, cadre, 0, 0, largeur, hauteur);
    }
    etat.rectangleDecoupe = zone;
    restaureStylo(dc);
    if (copie) setSaveDCautorise(true);
}

} // namespace km32
