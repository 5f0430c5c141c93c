#pragma once
// The reminder picker (annex code 130): the objects that a dialog field or
// an object-choosing menu command may take, one reminder per line, from
// which the user picks with OK or a double click. One picker exists at a
// time. For a menu command it is the figure's annex and runs the command on
// the picked objects; for a construction dialog it stays beside the dialog
// and posts the end of each pick to it (kMessageDesignationDialogue).
//
// The picker is a retained model on a platform window whose procedure takes:
//   WM_COMMAND        wParam 1 OK, 2 cancel, 3 help; 4 a click on line
//                     lParam, 5 a double click on line lParam
//   WM_LBUTTONDOWN    a button of the top row, or the line under the point
//   WM_LBUTTONDBLCLK  the line under the point, double clicked
//   WM_KEYDOWN        Escape and F4 cancel; the arrows, Page Up, Page Down,
//                     Home and End scroll the list
//   WM_VSCROLL, WM_MOUSEWHEEL  scroll the list
//   WM_CLOSE          FormCloseQuery
//   WM_PAINT          the lines from the first one shown;  WM_SIZE  the list
//                     follows the client area
#include <cstdint>
#include <string>
#include <vector>

#include "sibling/codes_annexes.h"
#include "host/fenetres/rappels/item_chaine_math.h"
#include "host/fenetres/rappels/liste_defilante.h"
#include "model/figure.h"
#include "platform/geometrie.h"

namespace km32 {

// Slots of a reminder list made at first; the table grows past them, since
// a figure may hold 255 objects and the reminders window four headings more.
constexpr int kLignesRappels = 251;
enum TagChoixRappels : uint32_t {
    kTagRappelsOk = 1,
    kTagRappelsAnnuler = 2,
    kTagRappelsAide = 3,
    kTagRappelsClic = 4,
    kTagRappelsDoubleClic = 5,
};
constexpr int32_t kHautBoutonsRappels = 24;
// The buttons of the top row, in client pixels.
constexpr platform::Rectangle kCadreBoutonOk{24, 0, 99, 25}, kCadreBoutonAnnuler{112, 0, 187, 25},
    kCadreBoutonAide{200, 0, 275, 25};

struct TFenRaPour {
    uint32_t fenetre = 0;
    int16_t numeroFigure = 0;
    uint16_t commande = 0;
    uint16_t regle = 0;
    uint32_t fenetreDemandeur = 0;
    bool pourDialogue = false;
    bool annule = true;
    bool finParOk = false;
    bool figureChangee = false; // the last pick changed the figure (styles given, objects deleted...)
    bool selectionMultiple = true;
    bool aideVisible = false;
    std::string titre, legendeAnnuler, legendeAide;
    std::vector<TItemChaineMath> items; // one per line
    std::vector<uint8_t> objets;        // the object of each line, 0 for "aucun"
    std::vector<bool> selection;
    TEnsembleObjets designables;
    int32_t largeurMax = 0;
    platform::Rectangle cadreListe;
    // The buttons' places: the ones above, or larger when the toolkit's
    // buttons need more for their captions (each moved right by what those
    // before it grew); the list starts under them.
    platform::Rectangle cadreOk = kCadreBoutonOk, cadreAnnuler = kCadreBoutonAnnuler,
                        cadreAide = kCadreBoutonAide;
    int32_t hautListe = kHautBoutonsRappels;
    TListeDefilante defilement; // line heights and the first line shown
};

// Opens the picker for a command of figure numero (dialog 1 when it serves
// a window of the figure that keeps the annex slot, the construction dialog
// or the style palette, whose window is fenetre and receives the end of
// each pick). The picker works on the figure of the figure's window.
void choisitRappelPourCommande(int16_t numero, uint32_t fenetre, uint16_t commande, uint8_t dialogue,
                               uint16_t regle);
TFenRaPour* choixRappels();
// True while a picker serves a dialog.
bool choixRappelsPourDialogue();
void remplitChoixRappels(TFenRaPour& c);
// Refills an open picker for another rule; closes it when the rule offers
// nothing.
void changeRegleChoixRappels(uint16_t regle);
void fermeChoixRappels();
// The end of a pick: the host told when the pick changed the figure, the
// dialog answered or the annex slot released.
void signaleFinChoixRappels(TFenRaPour& c);

// Handlers.
void ListeRappelsClick(TFenRaPour& c, int ligne);
void ListeRappelsDblClick(TFenRaPour& c, int ligne);
// The line under a client point of the list, -1 when none.
int ligneSousPoint(const TFenRaPour& c, int32_t x, int32_t y);
void BoutonOkClick(TFenRaPour& c);
void BoutonAnnulerClick(TFenRaPour& c);
void BoutonAideClick(TFenRaPour& c);
bool toucheChoixRappels(TFenRaPour& c, uint32_t touche);
bool FormCloseQuery(TFenRaPour& c);
void FormResize(TFenRaPour& c);
void peintChoixRappels(TFenRaPour& c);

// The figure's chosen style applied to each designated object, then the
// figure drawn again.
void appliqueStyleAuxDesignes(TfigureKalmetra& f);
// The reminders of the designated objects put on the clipboard as text.
void copieRappelsDesignes(TfigureKalmetra& f);
// The reminders text of the designated objects: "$N$n" then the reminders
// separated by CR LF; empty when none is designated.
std::string texteRappelsDesignes(const TfigureKalmetra& f);

void reinitialiseChoixRappels();

} // namespace km32
