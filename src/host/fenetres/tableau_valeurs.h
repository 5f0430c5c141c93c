#pragma once
// The table of values window (annex code 137): the values some objects of a
// figure take while a variable object runs through a sequence of values.
//
// A table-of-values command object names, as its parents, the variable
// (first column) and the objects tabulated (the other columns); its values
// are the start, the step, the number of rows and the decimals of each
// column. The table is computed once, when the window opens, by really
// setting the variable and recomputing what depends on it for each row; the
// figure is then put back exactly as it was. The cells are aligned on their
// decimal separator with blanks; the window copies the whole table to the
// clipboard as text (TAB between cells, CR LF after each row) and switches
// between a decimal point and a decimal comma.
//
// The window is a retained model: its cells, column widths and options are
// plain state that a host shows and that tests read and drive through the
// handlers or the window's messages.
#include <cstdint>
#include <string>
#include <vector>

#include "sibling/codes_annexes.h"
#include "model/figure.h"
#include "platform/geometrie.h"

namespace km32 {

// Items of the window's menu (WM_COMMAND wParam).
constexpr uint32_t kMenuCopierLeTableau = 1;
constexpr uint32_t kMenuUtiliserLaVirgule = 2;
// At most seven columns: the command object holds seven decimals.
constexpr int kMaxColonnesTableau = 7;
// The window's menu lies in a strip above the grid, as a menu bar does:
// "Copier le tableau", then the check item "Utiliser la virgule" of its
// options, on a row of kHauteurMenuTableau pixels; the second item goes on
// the next row when the window is too narrow for both. The window opens
// wide enough for each item.
constexpr int32_t kHauteurMenuTableau = 28;

struct TFenetreDuTableauDeValeurs {
    uint32_t fenetre = 0;
    int16_t numeroFigure = 0;
    uint8_t objetCommande = 0;
    int nombreLignes = 0; // N, the data rows (row 0 holds the names)
    double debut = 0, pas = 0;
    uint8_t variable = 0;    // the object that runs through the values
    double valeurSauvee = 0; // the variable's value and undefined flag before the table
    uint8_t nonDefiniSauve = 0;
    std::vector<uint8_t> colonnes;    // the object of each column, the variable first
    std::vector<int> decimales;       // per column, 0 to 255
    std::vector<uint8_t> aRecalculer; // the objects above the variable recomputed per row
    // Per column: the widest integer part (sign blank included) and fraction
    // ("." included) over the data rows, the width in characters and the
    // width in pixels.
    std::vector<int> largeursEntieres, largeursFractions, largeursCaracteres;
    std::vector<int32_t> largeursColonnes;
    int32_t largeurCaractere = 10; // pixels: 40 in thick-drawing mode
    int32_t hauteurLigne = 24;     // pixels: 80 in thick-drawing mode
    int32_t hauteurPolice = -16;   // -64 in thick-drawing mode
    bool policeGrasse = false;
    int32_t largeurClient = 0, hauteurClient = 0;
    bool virguleDecimale = true; // the menu's check follows it
    std::string titre, legendeCopier, legendeOption, legendeVirgule;
    // cellules[row][column], row 0 the names; the texts as displayed.
    std::vector<std::vector<std::string>> cellules;
    // The grid fills the client area. The row of names stays at the top and
    // the data rows scroll under it: premiereLigne is the first data row
    // shown, lignesVisibles how many data rows the grid's height holds
    // whole; the columns keep their widths and scroll the same way.
    // ligneCourante is the selected data row (0 when there is none).
    // The menu's strip and its items lie above the grid.
    platform::Rectangle cadreMenu, cadreCopier, cadreVirgule;
    platform::Rectangle cadreGrille;
    int premiereLigne = 1, lignesVisibles = 0;
    int premiereColonne = 0, colonnesVisibles = 0;
    int ligneCourante = 0;
};

// Opens the window for the command object n of figure numero; true when it
// is shown. Nothing (false) when the figure or the object does not exist or
// the annex slot is refused (the table already open for this figure comes
// forward).
bool afficheTableauDeValeurs(int16_t numero, int n);
// The open window, nullptr when none.
TFenetreDuTableauDeValeurs* fenetreTableauDeValeurs();

// Computes the cells and the layout from the command object (the figure is
// left as it was).
void remplitTableauDeValeurs(TFenetreDuTableauDeValeurs& t, TfigureKalmetra& f);
// The table as the clipboard receives it.
std::string texteDuTableau(const TFenetreDuTableauDeValeurs& t);
// Handlers.
void CopierLeTableauClick(TFenetreDuTableauDeValeurs& t);
void UtiliserlavirguleClick(TFenetreDuTableauDeValeurs& t);
// The window may close at once only while the annex is being closed;
// otherwise the mother window is asked to close it.
bool FormCloseQuery(TFenetreDuTableauDeValeurs& t);
// The menu's strip takes the top of the client area and the grid the rest;
// what the grid shows follows its new size.
void FormResize(TFenetreDuTableauDeValeurs& t);
// Lays the menu's items out over a width; the strip's height.
int32_t disposeMenuTableau(TFenetreDuTableauDeValeurs& t, int32_t largeur);
// The data row under the point (x, y) of the window: 0 for the row of
// names, -1 outside the grid or below its last row. A click on a data row
// selects it; a click on an item of the menu's strip runs the item.
int ligneSousSourisTableau(const TFenetreDuTableauDeValeurs& t, int32_t x, int32_t y);
void cliqueTableau(TFenetreDuTableauDeValeurs& t, int32_t x, int32_t y);
// Selects data row ligne (1..N) and scrolls to show it; nothing for another row.
void choisitLigneTableau(TFenetreDuTableauDeValeurs& t, int ligne);
// Paints the menu's strip (its background: the items are the backend's
// widgets) and the grid: the row of names on its fixed colour, then the data rows
// from the first one shown (the selected row highlighted), each cell's text
// in the grid's font, with the lines between the cells; the columns from
// the first one shown, as far as the grid reaches.
void peintTableau(TFenetreDuTableauDeValeurs& t);
// A key in the grid: Up, Down, Page Up, Page Down, Home and End move the
// selected row and scroll to keep it in view, Left and Right scroll the
// columns; true when the key was taken.
bool toucheTableau(TFenetreDuTableauDeValeurs& t, uint32_t touche);

void reinitialiseTableauDeValeurs();

} // namespace km32
