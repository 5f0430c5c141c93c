#pragma once
// The menu filter box's window: where its two titled lists and its five
// buttons lie, their painting, and the window procedure that turns the
// user's input into the box's handlers:
//   WM_LBUTTONDOWN      a button is pressed; a line of a list is selected (a
//   (and DBLCLK)        plain click selects it alone, Ctrl turns it over,
//                       Shift selects from the list's anchor to it, Ctrl and
//                       Shift add that run); a press in a list's scroll bar
//                       brings the lines at that height into view
//   WM_MOUSEMOVE        follows the scroll bar held, or starts a drag from
//   WM_LBUTTONUP        the list pressed; a drag released over the other
//                       list moves the selection there (forbid or allow)
//   WM_MOUSEWHEEL       scrolls the list with the focus
//   WM_KEYDOWN          Esc and F4 cancel; the scrolling keys scroll the
//                       list with the focus
//   WM_COMMAND          wParam a button's tag (TagFiltreMenus)
//   WM_CLOSE            the close request (FormCloseQuery)
#include <cstdint>
#include <string>
#include <vector>

#include "host/filtre_menus.h"
#include "platform/contexte_dessin.h"
#include "platform/fenetres.h"

namespace km32 {

constexpr int32_t kHauteurLigneFiltre = 16; // pixels of one line of a list
constexpr int32_t kHautListesFiltre = 40;   // the lists' top, client pixels

// Lays out the titles, the lists (hauteurListes high) and the buttons.
void disposeFiltreMenus(TBoiteFiltreMenu& b);
// The client width the layout needs (the forbidden list and its margin).
int32_t largeurFiltreMenus(const TBoiteFiltreMenu& b);
// After the lists were filled: their lines counted again for scrolling (the
// first line shown kept where it can be), anchors forgotten, the box
// repainted.
void listesFiltreRemplies(TBoiteFiltreMenu& b);
// The caption of the button of that tag.
std::string libelleBoutonFiltre(const TBoiteFiltreMenu& b, uint32_t tag);
// The selection of list k becomes the one given (a flag per entry, missing
// ones cleared), and the list takes the focus: what a click and a toolkit's
// list both end in.
void choisitLignesFiltre(TBoiteFiltreMenu& b, int k, const std::vector<bool>& selection);
// List k takes the keyboard focus.
void donneFocusListeFiltre(TBoiteFiltreMenu& b, int k);
// The button of that tag pressed (the handler it runs).
void commandeFiltre(TBoiteFiltreMenu& b, uint32_t tag);
// The whole box into the device context.
void PeintFiltreMenus(const TBoiteFiltreMenu& b, platform::ContexteDessin& dc);
int32_t procedureFiltreMenus(platform::Fenetre fenetre, uint32_t message, uint32_t wParam, int32_t lParam);

} // namespace km32
