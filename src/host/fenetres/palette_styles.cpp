#include "host/fenetres/palette_styles.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/texte.h"
#include "drawing/designation.h"
#include "drawing/selection.h"
#include "drawing/souris.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/annexe_modele.h"
#include "host/fenetres/forme_palette_styles.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/couleurs.h"
#include "model/fenetres_figure.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "text/langue_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr p::Couleur kMarine = kEncreDessine;
constexpr p::Couleur kRouge = kEncreNonDessine;
constexpr p::Couleur kGris = 0x808080;
constexpr p::Couleur kGrisClair = p::rgb(192, 192, 192);
constexpr int32_t kLargeurBouton = 39, kHauteurBouton = 25;
constexpr int32_t kHauteurEntete = 14; // a heading's text under its line
// Where the designation message comes from when the palette must not come
// forward.
constexpr int32_t kDesignationSansEffet = 1007;
constexpr uint8_t kCodeDessine = 38; // "drawn": the picker offers the hidden objects

// The colour cells first (in the order they are shown), then the further
// colours, the point marks, the line and frame styles, the fills and drawn /
// not drawn.
constexpr std::array<uint8_t, 16> kCouleursDeBase = {15, 0, 6, 7, 5, 13, 4, 10, 3, 12, 1, 11, 14, 8, 2, 9};
constexpr std::array<uint8_t, 7> kCodesDeFin = {32, 35, 33, 34, 36, 37, 38};

// Headings: the y of the separator and the phrase of the text (0 for none).
struct TEnteteDisposition {
    int32_t y;
    uint16_t phrase;
};
constexpr std::array<TEnteteDisposition, 7> kEntetes = {
    {{114, 11297}, {169, 11298}, {205, 11299}, {246, 11300}, {302, 0}, {329, 11301}, {376, 0}}};

std::unique_ptr<TFenetreStyle>& instance() {
    static std::unique_ptr<TFenetreStyle> s;
    return s;
}

p::Rectangle cadre(int32_t gauche, int32_t haut, int32_t largeur, int32_t hauteur) {
    return {gauche, haut, gauche + largeur, haut + hauteur};
}

bool contient(const p::Rectangle& r, int32_t x, int32_t y) {
    return r.gauche < r.droite && x >= r.gauche && x < r.droite && y >= r.haut && y < r.bas;
}

TfigureKalmetra* figureDeLaPalette(const TFenetreStyle& s) {
    return figureDeNumero(int16_t(s.numeroFigure));
}

void invalide(const TFenetreStyle& s, const p::Rectangle& r) {
    p::invalideRectangle(s.fenetre, r);
}

// ---- Drawing of the cells ----

void dessineCouleur(p::ContexteDessin& dc, const p::Rectangle& r, uint8_t code) {
    const p::Couleur c = couleurDeCode(code);
    p::choisitStylo(dc, p::styloPlein(1, code == 6 ? kGris : c));
    p::choisitBrosse(dc, p::brossePleine(c));
    p::rectangle(dc, r.gauche, r.haut, r.droite, r.bas);
}

void segment(p::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    p::deplaceVers(dc, x1, y1);
    p::traceVers(dc, x2, y2);
}

// A point mark: a small cross drawn with a pen of the cell's width, the
// letter "A" beside it for the cells that name the point.
void dessineMarque(p::ContexteDessin& dc, const p::Rectangle& r, int cellule) {
    static constexpr std::array<int32_t, 7> kLargeurs = {1, 2, 4, 1, 2, 4, 2};
    const int k = cellule - 36;
    p::choisitStylo(dc, p::styloPlein(kLargeurs[std::size_t(k)], kMarine));
    const int32_t cx = r.gauche + 8, cy = (r.haut + r.bas) / 2;
    segment(dc, cx - 3, cy - 3, cx + 4, cy + 4);
    segment(dc, cx - 3, cy + 3, cx + 4, cy - 4);
    if (cellule <= 38 || cellule == 42) {
        p::fixeCouleurTexte(dc, kMarine);
        p::ecritTexte(dc, cx + 6, r.haut + 1, "A");
    }
    if (cellule == 42) {
        // An arrow under the mark, towards its name.
        p::choisitStylo(dc, p::styloPlein(1, kMarine));
        segment(dc, r.gauche + 4, r.bas - 8, r.droite - 6, r.bas - 8);
        segment(dc, r.droite - 6, r.bas - 8, r.droite - 10, r.bas - 12);
        segment(dc, r.droite - 6, r.bas - 8, r.droite - 10, r.bas - 4);
    }
}

void dessineLigne(p::ContexteDessin& dc, const p::Rectangle& r, int cellule) {
    p::Stylo stylo = p::styloPlein(cellule == 44 ? 4 : 2, kMarine);
    if (cellule >= 45) stylo = p::Stylo{p::StyleStylo::Points, 1, kMarine};
    p::choisitStylo(dc, stylo);
    const int32_t y = (r.haut + r.bas) / 2;
    segment(dc, r.gauche + 3, y, r.droite - 3, y);
}

// An axis with a tick every 5 pixels.
void dessineRepere(p::ContexteDessin& dc, const p::Rectangle& r) {
    p::choisitStylo(dc, p::styloPlein(1, kRouge));
    const int32_t y = (r.haut + r.bas) / 2;
    segment(dc, r.gauche + 3, y, r.droite - 3, y);
    for (int32_t x = r.gauche + 4; x < r.droite - 3; x += 5)
        segment(dc, x, y - 2, x, y + 3);
}

void dessineMotif(p::ContexteDessin& dc, const p::Rectangle& r, int cellule) {
    static constexpr std::array<uint8_t, 4> kHachures = {p::kHachureDiagonale, p::kHachureHorizontale,
                                                         p::kHachureVerticale, p::kHachureDiagonaleInverse};
    const int k = cellule - 51;
    p::Brosse brosse = p::brossePleine(k == 0 ? kGrisClair : p::kBlanc);
    if (k >= 2) brosse = p::brosseHachuree(kHachures[std::size_t(k - 2)], kMarine);
    p::choisitStylo(dc, p::kStyloNoir);
    p::choisitBrosse(dc, brosse);
    p::rectangle(dc, r.gauche, r.haut, r.droite, r.bas);
}

void dessineDessine(p::ContexteDessin& dc, const p::Rectangle& r, int cellule) {
    if (cellule == 57) {
        p::fixeCouleurTexte(dc, kMarine);
        p::ecritTexte(dc, r.gauche + 2, r.haut + 4, phraseDeNumero(11303));
        return;
    }
    p::fixeCouleurTexte(dc, kRouge);
    p::ecritTexte(dc, r.gauche + 2, r.haut, phraseDeNumero(11302));
    p::ecritTexte(dc, r.gauche + 2, r.haut + 11, phraseDeNumero(11303));
}

void dessineCellule(const TFenetreStyle& s, p::ContexteDessin& dc, const p::Rectangle& r, int cellule) {
    if (cellule < 36)
        dessineCouleur(dc, r, s.codes[std::size_t(cellule)]);
    else if (cellule <= 42)
        dessineMarque(dc, r, cellule);
    else if (cellule <= 46)
        dessineLigne(dc, r, cellule);
    else if (cellule <= 48)
        dessineRepere(dc, r);
    else if (cellule >= 51 && cellule <= 56)
        dessineMotif(dc, r, cellule);
    else if (cellule >= 57)
        dessineDessine(dc, r, cellule);
}

// ---- Annex protocol and window ----

void montrePalette() {
    montreAnnexeModele(instance());
}

// Closes the reminder picker when it serves the palette: it would answer a
// window that is gone.
void fermeChoixDeLaPalette(const TFenetreStyle& s) {
    const TFenRaPour* c = choixRappels();
    if (c && c->pourDialogue && c->fenetreDemandeur == s.fenetre) fermeChoixRappels();
}

void fermePalette() {
    if (const TFenetreStyle* s = paletteStyles()) fermeChoixDeLaPalette(*s);
    fermeAnnexeModele(instance());
}

// The picker for the brush on the palette's figure. It serves the palette as
// it serves the construction dialog: the palette keeps the figure's annex
// slot (a picker for a menu command would ask for the slot and be refused
// while the palette holds it), the picker stands beside the palette, posts
// the end of each pick to the palette's window and, working for command 88,
// gives the chosen style to the picked objects itself.
void ouvreChoixPourPinceau(const TFenetreStyle& s, uint8_t code) {
    choisitRappelPourCommande(int16_t(s.numeroFigure), s.fenetre, kCommandeStyles, 1,
                              designationDeStyle(code));
}

int32_t procedurePalette(p::Fenetre fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TFenetreStyle* s = paletteStyles();
    if (!s || s->fenetre != fenetre) return 0;
    switch (message) {
    case p::WM_LBUTTONDOWN: {
        const int32_t x = p::xDeLParam(lParam), y = p::yDeLParam(lParam);
        for (const uint32_t tag : {kTagPaletteFermer, kTagPaletteRappel, kTagPaletteAide})
            if (contient(cadreBoutonPalette(*s, tag), x, y)) {
                commandePalette(*s, tag);
                return 0;
            }
        FormMouseDown(*s, x, y);
        return 0;
    }
    case p::WM_COMMAND:
        commandePalette(*s, wParam);
        return 0;
    case p::WM_PAINT:
        p::commencePeinture(fenetre);
        if (p::ContexteDessin* dc = p::contexteDeFenetre(fenetre)) PeintFenetreDeStyle(*s, *dc);
        p::terminePeinture(fenetre);
        return 0;
    case p::WM_CLOSE:
        FormCloseQuery(*s);
        return 0;
    case p::WM_KEYDOWN:
        // Escape closes the palette as its close box does.
        if (wParam != p::VK_ESCAPE) return 0;
        FormCloseQuery(*s);
        return 1;
    case kMessageDesignation:
        designationRecue(*s, lParam);
        return 0;
    default:
        return 0;
    }
}

} // namespace

p::Rectangle cadreEnteteStyle(const TFenetreStyle& s, const TEnteteStyle& e) {
    // From where the painted text starts to the palette's right edge: a
    // toolkit's font may be wider than the 8 pixels a character is counted.
    // The label as high as the toolkit's font needs (the cells under it
    // moved down by as much).
    const int32_t hauteur = p::auMoins(kHauteurEntete, p::tailleEtiquette(e.texte).hauteur);
    return {e.x, e.y - 1, std::max(e.x + 8 * int32_t(e.texte.size()), s.largeur - 1), e.y - 1 + hauteur};
}

const p::Rectangle& cadreBoutonPalette(const TFenetreStyle& s, uint32_t tag) {
    static const p::Rectangle aucun{};
    switch (tag) {
    case kTagPaletteRappel:
        return s.boutonRappel;
    case kTagPaletteAide:
        return s.boutonAide;
    case kTagPaletteFermer:
        return s.boutonFermer;
    default:
        return aucun;
    }
}

std::string libelleBoutonPalette(uint32_t tag) {
    switch (tag) {
    case kTagPaletteRappel:
        return "R";
    case kTagPaletteAide:
        return "?";
    case kTagPaletteFermer:
        return "X";
    default:
        return {};
    }
}

void commandePalette(TFenetreStyle& s, uint32_t tag) {
    switch (tag) {
    case kTagPaletteRappel:
        BoutonRappelClick(s);
        break;
    case kTagPaletteAide:
        BoutonAideClick(s);
        break;
    case kTagPaletteFermer:
        BoutonFermerClick(s);
        break;
    default:
        break;
    }
}

uint8_t codeDeCelluleStyle(int c) {
    if (c < 0 || c >= kNombreCellulesStyle) return 0;
    if (c < 16) return kCouleursDeBase[std::size_t(c)];
    if (c < 36) return uint8_t(c + 85);
    if (c < 52) return uint8_t(c - 20);
    return kCodesDeFin[std::size_t(c - 52)];
}

TFenetreStyle* paletteStyles() {
    return instance().get();
}

uint8_t styleChoisiPalette() {
    const TFenetreStyle* s = paletteStyles();
    return s ? s->codes[s->celluleChoisie] : 0;
}

namespace {

// What the toolkit needs beyond the palette's own pixels: the height each
// heading's label takes past the 14 pixels of its row, the cells that say
// drawn and not drawn and the buttons as large as their labels need, and
// the width all of that asks for. Nothing headless.
struct MesuresPalette {
    std::array<int32_t, kEntetes.size()> croissanceEntete{};  // pixels added under each heading's line
    std::array<int32_t, kEntetes.size()> largeurEntete{};     // the text's width
    int32_t largeurDessine = 58, hauteurDessine = 23;         // cells 57 and 58
    int32_t largeurEchantillon = 60, hauteurEchantillon = 25; // the sample, which may show them
    int32_t largeurBouton = kLargeurBouton, hauteurBouton = kHauteurBouton;
    int32_t largeur = kLargeurPalette;
    int32_t croissance = 0; // the window's height past its own
};

MesuresPalette mesuresPalette(const std::array<TEnteteStyle, 8>& entetes) {
    MesuresPalette m;
    for (std::size_t k = 0; k < kEntetes.size(); ++k) {
        const std::string& texte = entetes[k].texte;
        if (texte.empty()) continue;
        const p::TailleControle t = p::tailleEtiquette(texte);
        m.croissanceEntete[k] = std::max(0, t.hauteur - kHauteurEntete);
        m.largeurEntete[k] = p::auMoins(8 * int32_t(texte.size()), t.largeur);
        m.largeur = std::max(m.largeur, m.largeurEntete[k] + 4);
    }
    for (const std::string& texte : {texteCelluleDessine(57), texteCelluleDessine(58)}) {
        const p::TailleControle t = p::tailleEtiquette(texte);
        if (t.largeur > 0) m.largeurDessine = std::max(m.largeurDessine, t.largeur + 6);
        if (t.hauteur > 0) m.hauteurDessine = std::max(m.hauteurDessine, t.hauteur + 2);
    }
    m.largeur = std::max(m.largeur, 2 * m.largeurDessine + 6);
    m.largeurEchantillon = std::max(m.largeurEchantillon, m.largeurDessine);
    m.hauteurEchantillon = std::max(m.hauteurEchantillon, m.hauteurDessine);
    for (const uint32_t tag : {kTagPaletteRappel, kTagPaletteAide, kTagPaletteFermer}) {
        const p::TailleControle t = p::tailleBouton(libelleBoutonPalette(tag));
        m.largeurBouton = p::auMoins(m.largeurBouton, t.largeur);
        m.hauteurBouton = p::auMoins(m.hauteurBouton, t.hauteur);
    }
    m.largeur = std::max(m.largeur, 3 * m.largeurBouton + 8);
    for (const int32_t c : m.croissanceEntete)
        m.croissance += c;
    m.croissance +=
        (m.hauteurDessine - 23) + (m.hauteurEchantillon - 25) + (m.hauteurBouton - kHauteurBouton);
    return m;
}

// The headings' texts, their lines at their own y (moved down later).
void placeEntetes(TFenetreStyle& s) {
    for (std::size_t k = 0; k < kEntetes.size(); ++k) {
        TEnteteStyle& e = s.entetes[k];
        e.y = kEntetes[k].y;
        e.texte = kEntetes[k].phrase ? coupe(phraseDeNumero(kEntetes[k].phrase), 12) : std::string();
    }
}

} // namespace

std::string texteCelluleDessine(int cellule) {
    return cellule == 57 ? phraseDeNumero(11303) : phraseDeNumero(11302) + "\n" + phraseDeNumero(11303);
}

p::Rectangle cadreTexteDessine(const p::Rectangle& r) {
    return {r.gauche + 2, r.haut + 1, r.droite - 1, r.bas - 1};
}

void dimensionnePalette(TFenetreStyle& s) {
    placeEntetes(s);
    const MesuresPalette m = mesuresPalette(s.entetes);
    s.largeur = m.largeur;
    s.hauteur = kHauteurLegendePalette + 407 + m.croissance;
}

void disposePalette(TFenetreStyle& s) {
    placeEntetes(s);
    const MesuresPalette m = mesuresPalette(s.entetes);
    // Each heading's line goes down by what the headings, the row of drawn /
    // not drawn and the sample above it grew, the cells under it by its own
    // growth too.
    std::array<int32_t, kEntetes.size()> ligne{}, decalage{};
    int32_t total = 0;
    for (std::size_t k = 0; k < kEntetes.size(); ++k) {
        if (k == 5) total += m.hauteurDessine - 23;
        if (k == 6) total += m.hauteurEchantillon - 25;
        ligne[k] = total;
        total += m.croissanceEntete[k];
        decalage[k] = total;
    }
    for (int c = 0; c < kNombreCellulesStyle; ++c) {
        s.codes[std::size_t(c)] = codeDeCelluleStyle(c);
        p::Rectangle& r = s.cellules[std::size_t(c)];
        if (c < 36) {
            r = cadre(20 * (c % 6) + 2, 18 * (c / 6) + 2, 20, 18);
        } else if (c < 42) {
            const int k = c - 36;
            r = k < 3 ? cadre(31 * k + 1, 128 + decalage[0], 30, 18)
                      : cadre(31 * (k - 3) + 1, 147 + decalage[0], 30, 18);
        } else if (c == 42) {
            r = cadre(94, 128 + decalage[0], 30, 37);
        } else if (c < 47) {
            r = cadre(31 * (c - 43) + 1, 182 + decalage[1], 30, 18);
        } else if (c < 49) {
            const int32_t x0 = std::max(int32_t(std::lround((s.largeur - 176) / 3.0)), 0);
            r = cadre(59 * (c - 47) + x0, 218 + decalage[2], 58, 23);
        } else if (c < 51) {
            r = {}; // never hit, never painted
        } else if (c < 57) {
            const int k = c - 51;
            r = cadre(40 * (k % 3) + 1, 19 * (k / 3) + 259 + decalage[3], 39, 18);
        } else {
            const int32_t x1 =
                std::max(int32_t(std::lround((s.largeur - 2 * m.largeurDessine - 4) / 2.0)), 0);
            r = cadre((m.largeurDessine + 2) * (c - 57) + x1, 301 + decalage[4], m.largeurDessine,
                      m.hauteurDessine);
        }
    }
    const int32_t t = s.hauteur - kHauteurLegendePalette - 30 - (m.hauteurBouton - kHauteurBouton);
    s.hautBoutons = t;
    // The sample keeps its bottom 5 pixels above the strip's; both grow
    // upwards when the sample must hold the words of drawn / not drawn.
    const int32_t g = m.hauteurEchantillon - 25;
    s.echantillon = cadre(int32_t(std::lround((s.largeur - m.largeurEchantillon) / 2.0)), t - 33 - g,
                          m.largeurEchantillon, m.hauteurEchantillon);
    s.bande = {2, t - 28 - g, s.largeur - 5, t - 3};
    for (std::size_t k = 0; k < kEntetes.size(); ++k) {
        TEnteteStyle& e = s.entetes[k];
        e.y += ligne[k];
        e.x =
            std::max(int32_t(0), (s.largeur - std::max(m.largeurEntete[k], 8 * int32_t(e.texte.size()))) / 2);
    }
    s.boutonRappel = cadre(2, t, m.largeurBouton, m.hauteurBouton);
    s.boutonAide = cadre(s.boutonRappel.droite + s.ecartBoutons, t, m.largeurBouton, m.hauteurBouton);
    s.boutonFermer = cadre(s.boutonAide.droite + s.ecartBoutons, t, m.largeurBouton, m.hauteurBouton);
}

void ouvrePaletteStyles(TfigureKalmetra& f) {
    const int16_t numero = int16_t(f.numeroFigure);
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    fermePalette();
    auto s = std::make_unique<TFenetreStyle>();
    s->numeroFigure = numero;
    dimensionnePalette(*s);
    f.commandeCourante = kCommandeStyles;
    s->celluleChoisie = kCelluleInitiale;
    s->couleurBande = f.couleurCourante;
    disposePalette(*s);
    // The brush starts with the cell shown selected, whether the objects are
    // clicked in the figure or picked from the reminders.
    f.styleChoisi = s->codes[s->celluleChoisie];
    s->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 0, s->largeur, s->hauteur}, procedurePalette, false);
    s->titre = phraseDeNumero(11295);
    p::changeTitreFenetre(s->fenetre, s->titre);
    lieFormePalette(*s);
    attacheFenetreAFigure(numero, s->fenetre);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeStyles;
    t.fenetreAnnexe = s->fenetre;
    instance() = std::move(s);
    etatSelection().styleDeLaPalette = styleChoisiPalette;
    inscritOperationsAnnexe(kAnnexeStyles, {montrePalette, fermePalette});
    montrePalette();
}

int celluleSousPoint(const TFenetreStyle& s, int32_t x, int32_t y) {
    if (contient(s.bande, x, y)) return kBandeStyle;
    for (int c = 0; c < kNombreCellulesStyle; ++c)
        if (contient(s.cellules[std::size_t(c)], x, y)) return c;
    return -1;
}

void FormMouseDown(TFenetreStyle& s, int32_t x, int32_t y) {
    const int c = celluleSousPoint(s, x, y);
    if (c < 0) return;
    TfigureKalmetra* f = figureDeLaPalette(s);
    if (c == kBandeStyle) {
        if (s.celluleChoisie < 36) {
            s.couleurBande = s.codes[s.celluleChoisie];
            invalide(s, s.bande);
            if (f) f->couleurCourante = s.couleurBande;
        }
    } else {
        s.celluleChoisie = uint8_t(c);
        invalide(s, s.echantillon);
    }
    const uint8_t code = s.codes[s.celluleChoisie];
    if (f) f->styleChoisi = code;
    // An open picker follows the chosen code; "drawn" opens one, since the
    // hidden objects it applies to cannot be clicked in the figure.
    if (choixRappelsPourDialogue())
        changeRegleChoixRappels(designationDeStyle(code));
    else if (code == kCodeDessine)
        ouvreChoixPourPinceau(s, code);
}

void PeintFenetreDeStyle(const TFenetreStyle& s, p::ContexteDessin& dc) {
    const int niveau = p::sauveContexte(dc);
    p::remplitRectangle(dc, {0, 0, s.largeur, s.hauteur}, p::brossePleine(p::kFaceFormulaire));
    p::choisitPolice(dc, p::Police{16, false});
    p::fixeModeFond(dc, p::ModeFond::Transparent);
    for (int c = 0; c < kNombreCellulesStyle; ++c)
        if (c != 49 && c != 50) dessineCellule(s, dc, s.cellules[std::size_t(c)], c);
    p::choisitStylo(dc, p::styloPlein(2, kEncreEntetesPalette));
    p::fixeCouleurTexte(dc, kEncreEntetesPalette);
    for (std::size_t k = 0; k < kEntetes.size(); ++k) {
        const TEnteteStyle& e = s.entetes[k];
        segment(dc, 0, e.y - 2, s.largeur, e.y - 2);
        // A real backend lays the heading's own label over this text
        // (forme_palette_styles.h).
        if (!e.texte.empty()) p::ecritTexte(dc, e.x, e.y - 2, e.texte);
    }
    dessineCouleur(dc, s.bande, s.couleurBande);
    dessineCellule(s, dc, s.echantillon, s.celluleChoisie);
    p::restaureContexte(dc, niveau);
}

void BoutonRappelClick(TFenetreStyle& s) {
    const TfigureKalmetra* f = figureDeLaPalette(s);
    ouvreChoixPourPinceau(s, f ? f->styleChoisi : styleChoisiPalette());
}

void BoutonFermerClick(TFenetreStyle& s) {
    fermeChoixDeLaPalette(s);
    // The styles given while the palette was open marked the figure each
    // time; closing it only tells the host window that the palette ended.
    if (TfigureKalmetra* f = figureDeLaPalette(s)) {
        f->modeCommande = kCommandeStyles;
        avertitHoteFigure(*f);
    }
    fenetreCommuneFermee(s.fenetre);
}

void BoutonAideClick(TFenetreStyle& s) {
    s.aideDemandee = true;
    appelleAideKM32(s.fenetre, 1, kCommandeStyles);
}

bool FormCloseQuery(TFenetreStyle& s) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    BoutonFermerClick(s);
    return false;
}

void designationRecue(TFenetreStyle& s, int32_t lParam) {
    if (lParam == kDesignationSansEffet) return;
    montrePalette();
    fermeChoixDeLaPalette(s);
}

void reinitialisePaletteStyles() {
    fermePalette();
}

} // namespace km32
