#pragma once
// The window of a function given by values (annex code 138, command 128):
// the user names the function, types its points (antecedent, image) one by
// one or pastes them as text, deletes rows, undoes and redoes (ten steps),
// and OK creates the function object in the figure or gives an existing one
// its new table; what depends on the function is recomputed.
//
// The window is a retained model: the edited table, the grid's rows and
// selection, the two edit fields and the undo ring are plain state that a
// host shows and that tests drive through the handlers or the window's
// messages.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sibling/codes_annexes.h"
#include "model/figure.h"
#include "model/fonctions/fonction_valeurs.h"
#include "platform/geometrie.h"

namespace km32 {

constexpr uint16_t kCommandeFonctionValeurs = 128;
constexpr int kPasAnnulationGrille = 10;
constexpr std::size_t kLongueurNomFonction = 4, kLongueurPoint = 30, kLongueurLigneCollee = 80;
// Items of the window's menu and buttons (WM_COMMAND wParam).
enum CommandeGrille : uint32_t {
    kGrilleDefaire = 1,
    kGrilleRefaire,
    kGrilleSelectionnerTout,
    kGrilleCopier,
    kGrilleColler,
    kGrilleSupprimer,
    kGrilleAjouter,
    kGrilleOk,
    kGrilleAnnuler,
    kGrilleAide,
    kGrilleInterpolation, // the check box
};
// The captions of the window's controls and menu items, by control.
enum LegendeGrille : uint8_t {
    kLegendeInterpolation,
    kLegendeAnnuler,
    kLegendeInviteNom,
    kLegendeInvitePoint,
    kLegendeAide,
    kLegendeAjouter,
    kLegendeEditer,
    kLegendeSelectionnerTout,
    kLegendeCopier,
    kLegendeColler,
    kLegendeSupprimer,
    kLegendeDefaire,
    kLegendeRefaire,
    kNombreLegendesGrille,
};
// Where the keyboard is.
enum class ChampGrille : uint8_t { Nom, Point, Tableau };
// The grid's place in the window and its cells: two columns of 120 pixels
// and rows of 22, each followed by a grid line; the row of headings and nine
// rows under it are shown at a time.
constexpr int32_t kGrilleGauche = 8, kGrilleHaut = 72;
constexpr int32_t kLargeurColonneGrille = 120, kHauteurLigneGrille = 22, kTraitGrille = 1;
constexpr int kLignesAffichees = 9;
constexpr platform::Rectangle kCadreGrille{
    kGrilleGauche, kGrilleHaut, kGrilleGauche + 2 * (kLargeurColonneGrille + kTraitGrille),
    kGrilleHaut + (kLignesAffichees + 1) * (kHauteurLigneGrille + kTraitGrille)};
// The other controls, in the window's client coordinates: above the grid
// the name with its caption and the interpolation check box, then the point
// with its caption and the Add button; right of the grid the items of the
// Edit menu as a column of buttons (undo, redo, select all, copy, paste,
// delete, in the menu's order); under it OK, Cancel and Help.
// The right edge of the controls, and where the fields start right of
// their captions (the toolkit's entries want some 150 pixels).
constexpr int32_t kDroiteControlesGrille = 470, kGaucheChampsGrille = 156;
constexpr platform::Rectangle kCadreInviteNom{8, 8, kGaucheChampsGrille - 6, 32},
    kCadreNom{kGaucheChampsGrille, 8, kGaucheChampsGrille + 150, 32},
    kCadreInterpolation{kGaucheChampsGrille + 166, 8, kDroiteControlesGrille, 32};
constexpr platform::Rectangle kCadreInvitePoint{8, 40, kGaucheChampsGrille - 6, 64},
    kCadrePoint{kGaucheChampsGrille, 40, kGaucheChampsGrille + 150, 64},
    kCadreAjouter{kGaucheChampsGrille + 166, 40, kDroiteControlesGrille, 64};
constexpr int kItemsMenuGrille = 6;
constexpr platform::Rectangle cadreItemMenuGrille(int rang) {
    return {kCadreGrille.droite + 12, kGrilleHaut + 28 * rang, kDroiteControlesGrille,
            kGrilleHaut + 28 * rang + 24};
}
constexpr int32_t kHautBoutonsGrille = kCadreGrille.bas + 12;
constexpr platform::Rectangle kCadreOk{8, kHautBoutonsGrille, 98, kHautBoutonsGrille + 26},
    kCadreAnnuler{106, kHautBoutonsGrille, 196, kHautBoutonsGrille + 26},
    kCadreAide{204, kHautBoutonsGrille, 294, kHautBoutonsGrille + 26};
constexpr int32_t kLargeurFenetreGrille = kDroiteControlesGrille + 8,
                  kHauteurFenetreGrille = kHautBoutonsGrille + 34;
// Where the controls stand in a window laid out for the toolkit's font: the
// places above, each control grown to what the toolkit measures for its
// caption or text (platform/mesures_texte.h), and what follows it moved by
// as much, in the same order and groups. Headless nothing is measured and
// these are the places above.
struct DispositionGrille {
    platform::Rectangle inviteNom = kCadreInviteNom, nom = kCadreNom, interpolation = kCadreInterpolation;
    platform::Rectangle invitePoint = kCadreInvitePoint, point = kCadrePoint, ajouter = kCadreAjouter;
    platform::Rectangle grille = kCadreGrille;
    std::array<platform::Rectangle, kItemsMenuGrille> menu{};
    platform::Rectangle ok = kCadreOk, annuler = kCadreAnnuler, aide = kCadreAide;
    int32_t largeur = kLargeurFenetreGrille, hauteur = kHauteurFenetreGrille; // client pixels
};
// The layout for these captions (by LegendeGrille) and grid headings.
DispositionGrille disposeGrille(const std::array<std::string, kNombreLegendesGrille>& legendes,
                                const std::string& enteteAntecedents, const std::string& enteteImages);

// What a press of the left button in the grid started.
enum class GlisserGrille : uint8_t { Aucun, Selection, Deplacement };

struct TFenetreValFon {
    uint32_t fenetre = 0;
    int16_t numeroFigure = 0;
    uint8_t objetRedefini = 0; // 0 for a new function
    uint8_t emplacementFonction = 0;
    bool annule = false;
    TFonctionTable table;                                              // the table being edited
    std::array<TFonctionTable, kPasAnnulationGrille + 1> historique{}; // slots 1 to 10
    int nombreAnnulations = 0, nombreRetablissements = 0;
    bool suppressionsGroupees = false;
    double dernierAntecedent = 0;
    bool antecedentTape = false;
    std::string nom;   // EditNomDeLaFonction, at most 4 characters
    std::string point; // EditAnteIm, at most 30 characters
    bool avecInterpolation = true;
    bool defaireActif = false, refaireActif = false;
    ChampGrille focus = ChampGrille::Nom;
    // The grid: rows 1 to nombreLignes under the header row, and the rows
    // selected (0 when none).
    int nombreLignes = 9;
    int selectionHaut = 0, selectionBas = 0;
    // The point each row shows (0: an empty row), index 0 unused. The grid
    // shows the points in the table's order after every refresh; a row
    // dragged to another place moves there with its point until the next
    // refresh, while the table itself keeps its increasing antecedents.
    std::vector<uint16_t> pointsDesLignes;
    // The first row shown under the headings, and the drag of the mouse in
    // the grid: the row pressed and the row the selection started from.
    int premiereLigne = 1;
    GlisserGrille glisser = GlisserGrille::Aucun;
    int ligneSaisie = 0, ligneAncre = 0;
    std::string titre, enteteAntecedents, enteteImages;
    std::array<std::string, kNombreLegendesGrille> legendes{};
    DispositionGrille disposition;
};

// Opens the window for figure f: nothing when the annex slot is refused.
void ouvreFonctionParValeurs(TfigureKalmetra& f);
// The open window, nullptr when none.
TFenetreValFon* fenetreFonctionParValeurs();

// The text of cell (row, column) of the grid: row 0 the headers, rows after
// the last point empty.
std::string celluleGrille(const TFenetreValFon& v, int ligne, int colonne);

// The grid row under the point (x, y) of the window: 0 for the headings,
// -1 outside the grid or below its last row.
int ligneSousSouris(const TFenetreValFon& v, int32_t x, int32_t y);
// The left button pressed, moved and released in the window (x, y in its
// client area, boutons the MK_ flags of the message). A press selects the
// row under it and a drag stretches the selection over the rows it passes
// (with Shift, the press stretches it from where it started); a press on
// the only selected row drags that row instead, and the release puts it
// where the mouse is.
void sourisEnfonceeGrille(TFenetreValFon& v, int32_t x, int32_t y, uint32_t boutons);
void sourisDeplaceeGrille(TFenetreValFon& v, int32_t x, int32_t y, uint32_t boutons);
void sourisRelacheeGrille(TFenetreValFon& v, int32_t x, int32_t y);
// Selects grid rows haut to bas, the selection starting from haut, and
// gives the grid the keyboard, as a press on row haut stretched to row bas
// does; a row haut outside the grid clears the selection.
void choisitLignesGrille(TFenetreValFon& v, int haut, int bas);
// The user's text of the name or the point field, cut to the field's length.
void changeTexteGrille(TFenetreValFon& v, ChampGrille champ, const std::string& texte);
// Moves grid row de to row vers, the rows between closing up; the row
// stays selected at its new place. Nothing for a row outside 1..nombreLignes.
void deplaceLigneGrille(TFenetreValFon& v, int de, int vers);

// Handlers.
void boutonAjouterClick(TFenetreValFon& v);
void SupprimerClick(TFenetreValFon& v);
void SelectionnerToutClick(TFenetreValFon& v);
void CopierClick(TFenetreValFon& v);
void CollerClick(TFenetreValFon& v);
void DefaireClick(TFenetreValFon& v);
void RefaireClick(TFenetreValFon& v);
void BoutonOkClick(TFenetreValFon& v);
void BoutonAideClick(TFenetreValFon& v);
// Cancel, Esc, F4 and the close box.
void demandeFermeture(TFenetreValFon& v);
bool FormCloseQuery(TFenetreValFon& v);
// A character typed in the field that has the focus (WM_CHAR): the name
// takes at most 4 characters and the point 30; Backspace removes the last
// one. True when it was taken.
bool caractereGrille(TFenetreValFon& v, uint32_t caractere);
// A key pressed in the field that has the focus; true when it was taken. In
// the grid, Up and Down also move the selected row and scroll to it. The
// Edit menu's shortcuts work everywhere: Ctrl+Z undo, Ctrl+Alt+Z redo,
// Ctrl+A select all, Ctrl+C copy, Ctrl+V paste, Ctrl+Del delete.
bool toucheGrille(TFenetreValFon& v, uint32_t touche);
// The Edit menu's shortcuts alone (Ctrl held), as toucheGrille takes them;
// redo also takes the keys a text field redoes on, Ctrl+Shift+Z and Ctrl+Y.
bool raccourciGrille(TFenetreValFon& v, uint32_t touche);

void reinitialiseFonctionParValeurs();

} // namespace km32
