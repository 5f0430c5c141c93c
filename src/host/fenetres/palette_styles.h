#pragma once
// The style palette (annex code 132): a small stay-on-top window of 59 cells
// from which the user picks the style code of the mouse's style brush (a
// colour, a point mark, a line style, a frame style, a fill pattern, drawn
// or not drawn), with a sample of the chosen cell and a colour strip that
// sets the figure's current colour. While the palette is open, a click on
// an object of the figure gives it the chosen style (drawing/souris.cpp asks
// styleChoisiPalette for it).
//
// The "R" button (and the cell that draws objects again) opens the reminder
// picker beside the palette, so that the user picks from the list the
// objects that take the chosen style.
//
// The palette is a retained model: the cells' rectangles and codes, the
// selected cell and the strip are plain state; its window procedure turns
// clicks, paints, button commands (WM_COMMAND with a TagPalette), closes and
// the designation message into the handlers. Its bound form
// (forme_palette_styles.h) describes the buttons, the headings and the
// words of drawn / not drawn (in their cells and in the sample) to a real
// backend; the rest stays the palette's painting.
#include <array>
#include <cstdint>
#include <string>

#include "sibling/codes_annexes.h"
#include "model/figure.h"
#include "platform/contexte_dessin.h"
#include "platform/geometrie.h"

namespace km32 {

constexpr uint16_t kCommandeStyles = 88;
constexpr int kNombreCellulesStyle = 59; // cells 0 to 58
constexpr int kBandeStyle = 59;          // the apply strip, hit as "cell" 59
constexpr int kCelluleInitiale = 43;     // a solid line of width 2
constexpr int32_t kLargeurPalette = 128;
constexpr int32_t kHauteurLegendePalette = 19;          // the caption bar, pixels
constexpr platform::Couleur kEncreEntetesPalette = 128; // dark red: the headings and their lines
constexpr platform::Couleur kEncreDessine = platform::rgb(0, 0, 128);    // navy: drawn
constexpr platform::Couleur kEncreNonDessine = platform::rgb(255, 0, 0); // red: not drawn

// The buttons, by their WM_COMMAND tag.
enum TagPalette : uint32_t {
    kTagPaletteRappel = 1, // "R": the objects to restyle picked from the reminders
    kTagPaletteAide = 2,   // "?"
    kTagPaletteFermer = 3, // "X"
};

struct TEnteteStyle {
    int32_t x = 0, y = 0;
    std::string texte; // at most 15 characters
};

struct TFenetreStyle {
    uint32_t fenetre = 0;
    int32_t numeroFigure = 0;
    std::array<platform::Rectangle, kNombreCellulesStyle> cellules{}; // client pixels
    platform::Rectangle echantillon{}, bande{};
    std::array<uint8_t, kNombreCellulesStyle> codes{}; // style code of each cell
    uint8_t celluleChoisie = kCelluleInitiale;
    uint8_t couleurBande = 0; // colour code the strip shows
    std::array<TEnteteStyle, 8> entetes{};
    int32_t largeur = kLargeurPalette, hauteur = 0;
    int32_t hautBoutons = 0, ecartBoutons = 2;
    platform::Rectangle boutonRappel{}, boutonAide{}, boutonFermer{};
    std::string titre; // the caption bar
    bool aideDemandee = false;
};

// The place a heading's text takes under its separator line.
platform::Rectangle cadreEnteteStyle(const TFenetreStyle& s, const TEnteteStyle& e);
// The button of a tag: its frame and caption.
const platform::Rectangle& cadreBoutonPalette(const TFenetreStyle& s, uint32_t tag);
std::string libelleBoutonPalette(uint32_t tag);
// The button of that tag pressed (the handler it runs).
void commandePalette(TFenetreStyle& s, uint32_t tag);

// The style code of cell c (0 to 58).
uint8_t codeDeCelluleStyle(int c);

// Opens the palette for figure f (command 88): nothing when the annex slot
// is refused.
void ouvrePaletteStyles(TfigureKalmetra& f);
// The open palette, nullptr when none.
TFenetreStyle* paletteStyles();
// The code of the selected cell, 0 when no palette is open.
uint8_t styleChoisiPalette();

// The palette's size: its own, or larger when the toolkit's font needs more
// for the headings, the cells that say drawn and not drawn (and the sample,
// which may show them), and the buttons
// (the groups of cells then move down by what the headings above them grew).
void dimensionnePalette(TFenetreStyle& s);
// Cells, strip, sample, headings and buttons for the palette's size.
void disposePalette(TFenetreStyle& s);
// The text cell 57 (drawn) or 58 (not drawn, on two lines) shows, in its
// ink, and the place its words take inside that cell's rectangle (or the
// sample's, when it shows one of them).
std::string texteCelluleDessine(int cellule);
platform::Rectangle cadreTexteDessine(const platform::Rectangle& r);
// The cell under the client point: 59 for the strip, -1 for none.
int celluleSousPoint(const TFenetreStyle& s, int32_t x, int32_t y);
// A press at the client point.
void FormMouseDown(TFenetreStyle& s, int32_t x, int32_t y);
// The whole palette into the device context.
void PeintFenetreDeStyle(const TFenetreStyle& s, platform::ContexteDessin& dc);
void BoutonFermerClick(TFenetreStyle& s);
// The reminder picker for the brush, offering what the chosen style fits.
void BoutonRappelClick(TFenetreStyle& s);
void BoutonAideClick(TFenetreStyle& s);
bool FormCloseQuery(TFenetreStyle& s);
// The designation result message (lParam as posted).
void designationRecue(TFenetreStyle& s, int32_t lParam);

void reinitialisePaletteStyles();

} // namespace km32
