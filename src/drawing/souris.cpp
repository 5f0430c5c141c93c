#include "drawing/souris.h"

#include <cmath>

#include "drawing/bloc_dessin.h"
#include "drawing/glisser.h"
#include "drawing/historique_vues.h"
#include "drawing/impression_cadre.h"
#include "drawing/rafraichissement.h"
#include "drawing/selection.h"
#include "drawing/vue_operations.h"
#include "drawing/vue_rotation_souris.h"
#include "sibling/codes_annexes.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/palette_styles.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/curseurs.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "sibling/fenetres_tq.h"
#include "sibling/table_partagee.h"
#include "text/descriptions_objets.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr double kCurseurEnAvance = 20.0; // pixels: a turn's repaint waits for the mouse

struct Tposition {
    int32_t x, y;
};
Tposition position(int32_t lParam) {
    return {p::xDeLParam(lParam), p::yDeLParam(lParam)};
}

bool annexeDeLaFigure(const TfigureKalmetra& f, uint8_t code) {
    return TQTableDesVariablesPartagees()->codeAnnexe == code && annexeModaleDe(fenetreDeLaFigure(f));
}

void noteModificateurs() {
    EtatSouris& e = etatSouris();
    e.ctrl = p::ctrlEnfoncee();
    e.maj = p::majEnfoncee();
    e.alt = p::altEnfoncee();
}

// The click designates an object for the open construction dialog.
void designePourDialogue(TfigureKalmetra& f, Tposition m) {
    f.ensembleDesigne.reset();
    if (const uint8_t o = objetSousSouris(f, m.x, m.y)) f.ensembleDesigne.set(o);
    activeDialogueCommun(fenetreDeLaFigure(f));
    if (f.ensembleDesigne.any())
        p::posteMessage(TQTableDesVariablesPartagees()->fenetreAnnexe, kMessageDesignation, 0,
                        kDesignationFaite);
}

// Ctrl+click: what the object is, in the information box at the click.
void montreInformation(TfigureKalmetra& f, Tposition m) {
    const uint8_t o = objetSousSouris(f, m.x, m.y);
    if (o == 0) return;
    const TObjetFigure& ob = objet(f, o);
    std::string texte;
    if (accesInterdit(ob)) {
        texte = "$r" + phraseDeNumero(11312);
    } else {
        texte = definitionObjetEnTexteMath(f, o);
        uint16_t cas = 0;
        if (estObjetLibreBloque(ob)) cas = 11313;
        if (estProtege(ob)) cas = 11314;
        if (estObjetLibreBloque(ob) && estProtege(ob)) cas = 11315;
        if (protegeARappelLimite(ob)) cas = 11316;
        if (protegeSaufRedefinition(ob)) cas = 11317;
        if (cas != 0) texte += "\r$r" + phraseDeNumero(cas);
    }
    const p::Point ecran = p::clientVersEcran(f.fenetreDessin, {m.x, m.y});
    afficheInfoObj(texte, ecran.x, ecran.y);
}

// A side of the print frame when it is shown: from 2 pixels outside the
// frame to 4 inside, tested top, bottom, left, right.
bool saisitCoteCadre(TfigureKalmetra& f, TetatGlisser& g, Tposition m) {
    if (!f.imageLimitee) return false;
    const p::Rect c = cadreImpressionEnPixels(f);
    const bool dansX = c.gauche - 2 < m.x && m.x < c.droite + 2;
    const bool dansY = c.haut - 2 < m.y && m.y < c.bas + 2;
    uint8_t cote = 0;
    if (dansX && c.haut - 2 <= m.y && m.y <= c.haut + 4)
        cote = 1;
    else if (dansX && c.bas - 4 <= m.y && m.y <= c.bas + 2)
        cote = 3;
    else if (dansY && c.gauche - 2 <= m.x && m.x <= c.gauche + 4)
        cote = 2;
    else if (dansY && c.droite - 4 <= m.x && m.x <= c.droite + 2)
        cote = 4;
    if (cote == 0) return false;
    g.saisi = 1;
    g.coteCadre = 1;
    g.cote = cote;
    p::changeCurseur(cote == 1 || cote == 3 ? p::kCurseurRedimensionneNS : p::kCurseurRedimensionneEO);
    return true;
}

// The bottom edge of the top band, within 2 pixels.
bool saisitBordBandeau(TfigureKalmetra& f, TetatGlisser& g, Tposition m) {
    const int32_t h = f.hauteurZoneAffichages;
    if (h == 0 || m.y < h - 2 || m.y > h + 2) return false;
    g.saisi = 1;
    g.bordBandeau = 1;
    p::changeCurseur(p::kCurseurRedimensionneNS);
    return true;
}

// A text of the band under the mouse, the last drawn first.
bool saisitTexte(TfigureKalmetra& f, TetatGlisser& g, Tposition m) {
    for (int i = f.nombreObjets; i >= 14; --i) {
        if (objet(f, i).nature != kNatureAffichage) continue;
        const TelementDessin* e = elementDessin(f, i);
        if (!e || e->type != kDessinTexte) continue;
        const int32_t haut = e->y - e->decalage;
        if (!(e->x < m.x && m.x < e->x + e->largeur && haut < m.y && m.y < haut + e->hauteur)) continue;
        EtatSouris& s = etatSouris();
        s.texteTenu = uint8_t(i);
        s.glisseTexte = true;
        g.saisi = 1;
        g.decalageX = m.x - e->x;
        g.decalageY = m.y - e->y;
        return true;
    }
    return false;
}

} // namespace

EtatSouris& etatSouris() {
    static EtatSouris e;
    return e;
}

void reinitialiseSouris() {
    etatSouris() = EtatSouris{};
}

void creeEtatGlisser(TfigureKalmetra& f) {
    termineEtatGlisser(f);
    f.etatGlisser = std::make_unique<TetatGlisser>();
    TetatGlisser& g = *f.etatGlisser;
    g.curseurTournant = p::chargeCurseur("mainTournante");
    g.curseurMain = p::chargeCurseur("main");
    g.curseurPince = p::chargeCurseur("mainPincee");
    g.curseurPlatTournant = p::chargeCurseur("mainPlateTournante");
    EtatSouris& e = etatSouris();
    e.glisseTexte = false;
    e.actifAvantGeste = f.objetLibreActif;
    p::captureSouris(f.fenetreDessin);
}

void termineEtatGlisser(TfigureKalmetra& f) {
    if (!f.etatGlisser) return;
    EtatSouris& e = etatSouris();
    e.glisseTexte = false;
    f.objetLibreActif = e.actifAvantGeste;
    if (f.objetLibreActif != 0) marqueDependantsObjetActif(f);
    p::relacheCapture();
    p::changeCurseur(p::kCurseurFleche);
    f.etatGlisser.reset();
}

void sourisBoutonEnfonce(TfigureKalmetra& f, int32_t lParam) {
    if (f.etatGlisser) return;
    noteModificateurs();
    const Tposition m = position(lParam);
    if (etatSouris().ctrl) return montreInformation(f, m);
    if (annexeDeLaFigure(f, kAnnexeStyles)) return appliqueStyleAObjetClique(f, lParam);
    if (annexeDeLaFigure(f, kAnnexeDialogue)) return designePourDialogue(f, m);
    creeEtatGlisser(f);
    TetatGlisser& g = *f.etatGlisser;
    g.sourisX = m.x;
    g.sourisY = m.y;
    saisitObjetLibre(f, lParam);
    if (!g.saisi) saisitCoteCadre(f, g, m);
    if (!g.saisi) saisitBordBandeau(f, g, m);
    if (!g.saisi) saisitTexte(f, g, m);
    if (!g.saisi) termineEtatGlisser(f);
}

void sourisDeplacee(TfigureKalmetra& f, int32_t lParam) {
    if (!f.etatGlisser) return;
    TetatGlisser& g = *f.etatGlisser;
    const Tposition m = position(lParam);
    g.sourisX = m.x;
    g.sourisY = m.y;
    const EtatSouris& e = etatSouris();
    if (g.rotation)
        tourneVueSouris(f);
    else if (g.deplacementVue)
        decaleVueSouris(f);
    else if (g.saisi && e.glisseTexte)
        deplaceBoiteTexte(f, e.texteTenu, m.x - g.decalageX, m.y - g.decalageY);
    else if (g.saisi && g.bordBandeau)
        fixeHauteurBandeau(f, m.y);
    else if (g.saisi && g.coteCadre)
        deplaceCoteCadreImpression(f, m.x, m.y, g.cote);
    else if (g.saisi)
        glisseObjetLibre(f);
    f.modifiee = 1;
}

void sourisBoutonRelache(TfigureKalmetra& f, int32_t) {
    fermeInfoObj();
    if (!f.etatGlisser || f.etatGlisser->geste) return;
    const EtatSouris& e = etatSouris();
    if (f.etatGlisser->saisi && e.glisseTexte && e.texteTenu != 0 && e.texteTenu <= f.nombreObjets)
        if (const TelementDessin* t = elementDessin(f, e.texteTenu)) {
            valeurDepuisZero(f, e.texteTenu, 0) = t->x;
            valeurDepuisZero(f, e.texteTenu, 1) = t->y;
        }
    termineEtatGlisser(f);
}

void debutRotationVue(TfigureKalmetra& f, int32_t lParam) {
    if (f.etatGlisser) return;
    creeEtatGlisser(f);
    noteModificateurs();
    const EtatSouris& e = etatSouris();
    const bool decale = e.ctrl || e.maj;
    const bool permis = (f.drapeauxVue & kVerrouRotationSouris) == 0 && !f.cadrageInterdit &&
                        (f.changementVuePermis || decale);
    if (!permis) return termineEtatGlisser(f);
    TetatGlisser& g = *f.etatGlisser;
    const Tposition m = position(lParam);
    g.geste = 1;
    g.ancreX = g.sourisX = m.x;
    g.ancreY = g.sourisY = m.y;
    if (decale) {
        g.deplacementVue = 1;
        p::changeCurseur(g.curseurMain);
    } else {
        g.rotation = 1;
        p::changeCurseur(f.planDeFaceMaintenu ? g.curseurPlatTournant : g.curseurTournant);
    }
}

void tourneVueSouris(TfigureKalmetra& f) {
    if (!f.etatGlisser) return;
    TetatGlisser& g = *f.etatGlisser;
    TrotationSouris r;
    const bool ok = f.planDeFaceMaintenu
                        ? rotationPlanDeFaceSouris({g.sourisX, g.sourisY}, {g.ancreX, g.ancreY},
                                                   f.centreEcranX, f.centreEcranY, r)
                        : rotationParDeplacementSouris(g.sourisX - g.ancreX, g.sourisY - g.ancreY,
                                                       f.largeurImage, f.hauteurImage, r);
    if (!ok || !tourneVue(f, r.angle, r.axe[0], r.axe[1], r.axe[2])) return;
    // A mouse already far on: the repaint waits for a later move.
    const p::Point curseur = p::ecranVersClient(f.fenetreDessin, p::positionCurseur());
    if (g.geste && std::hypot(curseur.x - g.sourisX, curseur.y - g.sourisY) > kCurseurEnAvance) return;
    repeintFigureEcran(f);
    memoriseVue(f);
    g.ancreX = g.sourisX;
    g.ancreY = g.sourisY;
    actualiseVuesLiees(f);
}

void decaleVueSouris(TfigureKalmetra& f) {
    if (!f.etatGlisser) return;
    TetatGlisser& g = *f.etatGlisser;
    const double dx = g.sourisX - g.ancreX, dy = g.sourisY - g.ancreY;
    g.ancreX = g.sourisX;
    g.ancreY = g.sourisY;
    decaleVue(f, dx, dy);
}

void appliqueStyleAObjetClique(TfigureKalmetra& f, int32_t lParam) {
    const Tposition m = position(lParam);
    const uint32_t fenetre = fenetreDeLaFigure(f);
    const uint8_t o = objetSousSouris(f, m.x, m.y);
    if (o != 0 && !estProtege(objet(f, o))) {
        TObjetFigure& ob = objet(f, o);
        const uint8_t style = styleChoisiDansPalette();
        TsourcesCouleur sources{ob.sourcesCouleur[0], ob.sourcesCouleur[1], ob.sourcesCouleur[2]};
        bool applique = true;
        if ((style < 16 || (style >= 101 && style <= 120)) && !estCouleurStandard(ob.style, sources)) {
            activeDialogueCommun(fenetre);
            etatMessages().boiteMessageOuverte = 1;
            const int reponse = p::boiteMessage(phraseDeNumero(11165), phraseDeNumero(11307),
                                                p::kBoutonsOuiNon | p::kModalTache);
            etatMessages().boiteMessageOuverte = 0;
            applique = reponse == p::kReponseOui;
        }
        if (applique) {
            appliqueCommandeStyle(ob.style, sources, style);
            for (int k = 0; k < 3; ++k)
                ob.sourcesCouleur[k] = sources[std::size_t(k)];
            if (style == 38 && ob.nature == kNatureCourbe) calculeObjet(f, o);
            redessineFigure(f);
            signaleFigureModifiee(f);
        }
    }
    activeDialogueCommun(fenetre);
}

} // namespace km32
