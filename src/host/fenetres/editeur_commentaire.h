#pragma once
// The comment editor (annex code 139): the figure's comment as raw text
// above, its drawing as mathematical text below (following the caret), and
// a palette of eleven insertions between them. Applying replaces the
// figure's comment; cancelling leaves it as it was.
#include <array>
#include <cstdint>
#include <string>

#include "sibling/codes_annexes.h"
#include "host/fenetres/zone_texte.h"
#include "platform/geometrie.h"
#include "sibling/texte_math.h"

namespace km32 {

constexpr uint16_t kAideEditeurCommentaire = 120;
constexpr std::size_t kTailleTamponCommentaire = 10000; // bytes, the NUL included
constexpr std::size_t kCellulesPalette = 11;
constexpr uint16_t kPhraseTexteNonDessinable = 11185;
// Under the editor's area, a band for its menu's buttons in a bound form
// (two rows of buttons): at least this high, higher when the toolkit's
// buttons need more.
constexpr int32_t kHauteurBandeEditeurCommentaire = 60;

// The menu commands of the editor (wParam of WM_COMMAND to its window).
enum CommandeEditeurCommentaire : uint32_t {
    kEcCopier = 1,
    kEcColler,
    kEcCopierDessin,
    kEcDefaire,
    kEcSelectionnerTout,
    kEcAppliquer,
    kEcAide,
};
constexpr std::size_t kCommandesEditeurCommentaire = kEcAide + 1;

struct TFenEditCom {
    uint32_t fenetre = 0;
    uint32_t boiteDefilement = 0; // the white box that shows the drawing, a child of the window
    uint32_t boitePeinture = 0;   // the drawing, a child of that box, moved up by the scroll
    uint8_t numeroFigure = 0;
    std::string titre, legendeEnLigne, legendeDessinee;
    std::array<std::string, kCommandesEditeurCommentaire> legendesMenu; // by command
    TZoneTexte memo1;
    std::string tampon; // the last measured text, less than 10,000 bytes
    EncombrementTQ mesure;
    bool dessinable = false, annule = false, miseEnPlace = false, pret = false;
    uint8_t modifie = 0;
    std::array<std::string, kCellulesPalette> palette;
    std::array<platform::Rectangle, kCellulesPalette> cellulesPalette{}; // one row, or more when it is wide
    int32_t hautPalette = 0, basPalette = 0;                             // the rows' top and bottom
    platform::Rectangle cadreMemo1, cadreBoiteDefilement, cadreBoite;
    platform::Rectangle cadreEnLigne, cadreDessinee; // the two labels
    // The editor's area; the window is hauteurBande higher, the band under it.
    int32_t largeurClient = 0, hauteurClient = 400;
    int32_t hauteurBande = kHauteurBandeEditeurCommentaire;
    int32_t positionDefilement = 0; // vertical scroll of the drawing
};

// Opens the editor on the figure's comment (nothing when the figure does
// not exist or the annex slot is refused); the open editor, nullptr when none.
void ouvreEditeurCommentaire(int16_t numero);
TFenEditCom* editeurCommentaire();

// After every change of the raw text: measure, redraw, follow the caret.
void Memo1Change(TFenEditCom& e);
// A press in the form: a palette cell inserts its text.
void FormMouseDown(TFenEditCom& e, int32_t x, int32_t y);
void commandeEditeurCommentaire(TFenEditCom& e, CommandeEditeurCommentaire c);
// Applies (annule false) or cancels, then asks the mother window to close.
void prepareFermeture(TFenEditCom& e);
// True when the editor closed or may close.
bool FormCloseQuery(TFenEditCom& e);
void FormResize(TFenEditCom& e);
// Draws the palette row into the window, the text into the paint box.
void PeintBoiteDeDialogue(TFenEditCom& e);
void PaintBox1Paint(TFenEditCom& e);

void reinitialiseEditeurCommentaire();

} // namespace km32
