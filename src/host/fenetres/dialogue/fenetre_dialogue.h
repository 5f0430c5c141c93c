#pragma once
// The construction dialog window (annex code 129): one form per process,
// open for one figure at a time. It shows the figure's dialog record as
// prompts and fields, lets the user type the answers or fill them by
// designating objects in the figure, and runs the command with them.
//
// The window is a retained model: TFenDialog holds the record copy, the
// fields with their caret and selection, the two option lists, the laid-out
// geometry, the expression button and the palette. Its platform window's
// procedure turns messages into the handlers below, so a host and the
// figure window's mouse code drive it by messages:
//   WM_CHAR             a character typed in the current field (8 erases)
//   WM_KEYDOWN          Up, Down, Enter, Escape, F4, F1, Left, Right, Delete
//   WM_COMMAND          wParam the tag of a control: 1..10 the field gets
//                       the focus, 11 expression, 12 reminders, 13 help,
//                       14 cancel, 15 OK; 16 and 17 the two lists, lParam
//                       the entry chosen
//   WM_LBUTTONDOWN      a click in the palette
//   WM_CLOSE            a close request (FormCloseQuery)
//   WM_USER+1001        a designation: lParam 1002 done, 1007 done with the
//                       picker kept open, 1003 cancelled
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host/fenetres/palette_insertion.h"
#include "model/figure.h"
#include "sibling/codes_annexes.h"
#include "platform/geometrie.h"
#include "platform/messages.h"

namespace km32 {

constexpr uint32_t kMessageDesignationDialogue = platform::WM_USER + 1001;
constexpr int32_t kDesignationTerminee = 1002, kDesignationAnnulee = 1003, kDesignationContinue = 1007;
constexpr uint32_t kMessageImpressionPrete = platform::WM_USER + 1009;
// Tags of the controls.
enum TagDialogue : uint32_t {
    kTagExpression = 11,
    kTagRappels = 12,
    kTagAide = 13,
    kTagAnnuler = 14,
    kTagOk = 15,
    kTagListeOptions = 16,
    kTagListeUnites = 17,
};
// The caption of the reminders button, which opens the picker of the
// objects the current field may take.
constexpr const char kLegendeRappels[] = "R";
constexpr int kChampsDialogue = 10;
constexpr int kEntreesPalette = 9;

// An edit box: its text, the caret and the selection (in characters), the
// most characters it takes, its place.
struct TChampDialogue {
    std::string texte;
    uint32_t curseur = 0;
    uint32_t debutSelection = 0, longueurSelection = 0;
    uint8_t longueurMax = 0;
    bool visible = false;
    bool sousInvite = false;
    platform::Rectangle cadre;
    platform::Rectangle cadreInvite; // the prompt's text as painted
};

// A combo box: its entries and the one chosen.
struct TListeDialogue {
    std::vector<std::string> entrees;
    int choix = 0;
    bool visible = false;
    platform::Rectangle cadre;
    platform::Rectangle cadreInvite; // its prompt's text as painted, beside it on the left
};

struct TFenDialog {
    uint32_t fenetre = 0;
    int16_t numeroFigure = 0;
    TDialogueObjet dialogue; // the copy of the figure's record
    uint8_t ligneCourante = 1, lignePrecedente = 1;
    bool annule = true;
    bool reutilisable = false;
    std::array<TChampDialogue, kChampsDialogue + 1> champs; // 1..10
    TListeDialogue listeOptions, listeUnites;               // ComboRepUA, ComboUL
    // Geometry: the caption, subtitle and option bands, the rows, the size.
    std::string titre;
    int32_t hauteurSousTitre = 0, hauteurOptions = 0;
    int32_t largeur = 0, hauteur = 0;
    int32_t largeurInvites = 0;
    platform::Rectangle boutonOk, boutonAnnuler, boutonAide, boutonExpression, boutonRappels;
    std::string legendeAnnuler, legendeAide;
    bool boutonExpressionVisible = false;
    bool paletteActive = false;
    PaletteInsertion palette; // the nine entries in a column at the right of the rows
};

// The nine entries of the expression palette.
const std::array<std::string, kEntreesPalette>& entreesPalette();

// Opens the dialog for a command of figure n (the dispatcher, and again
// after a modification choice); nothing for a figure that does not exist.
void ouvreDialogueCommande(int16_t numero, uint16_t commande);
// The open dialog, nullptr when none.
TFenDialog* fenetreDialogue();
// Lays the form out from the figure's record (built again).
void disposeDialogue(TFenDialog& d);
// OK or Enter: true when the command ran and the dialog closed.
bool valideDialogue(TFenDialog& d);
// Closes the dialog (cancelled or not) and releases the annex slot; the
// mother window then destroys the form.
void fermeDialogue(TFenDialog& d);
void detruitDialogue();
// Inserts up to 80 characters at the caret of the current field, in place
// of the selection, when the result fits the field.
void insereTexteDansChamp(TFenDialog& d, const std::string& texte);

// Handlers.
void activeChampCourant(TFenDialog& d);
bool EditKeyDown(TFenDialog& d, uint32_t touche);
void caractereTape(TFenDialog& d, uint32_t caractere);
void designationRecue(TFenDialog& d, int32_t lParam);
void FormMouseDown(TFenDialog& d, int32_t x, int32_t y);
void BoutonAideClick(TFenDialog& d);
// Paints the subtitle band, the option band, each prompt (the current one
// in red) and field, and the palette when it is enabled.
void PeintBoiteDeDialogue(TFenDialog& d);
void BoutonExpressionClick(TFenDialog& d);
// Opens the reminder picker beside the dialog for the current field.
void BoutonRappelsClick(TFenDialog& d);
bool FormCloseQuery(TFenDialog& d);
// The fields read into the copy of the record (and the figure's).
void litChampsDialogue(TFenDialog& d);

void reinitialiseDialogue();

} // namespace km32
