#pragma once
// Windows: 32-bit handles from a table (0 = none; a handle is never given
// twice in a run, so a stale handle can never reach a newer window), each
// with a window procedure, a parent and children, a frame, a visibility, a
// caption, one 32-bit datum for its owner and an invalid region waiting to be
// painted. Also the active window and the keyboard focus.
//
// There is no border or caption bar: the client area of a window is its whole
// frame. A top-level window's frame is in screen coordinates, a child's frame
// in the client coordinates of its parent.
//
// Every operation on an unknown or destroyed handle is refused quietly: it
// does nothing and returns false, 0 or an empty value.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/geometrie.h"

namespace km32::platform {

using Fenetre = uint32_t;
constexpr Fenetre kAucuneFenetre = 0;

// A window procedure: (window, message, wParam, lParam) -> result. It may
// send, post, create and destroy windows (itself included) while it runs.
using ProcedureFenetre = std::function<int32_t(Fenetre, uint32_t message, uint32_t wParam, int32_t lParam)>;

struct DescriptionFenetre {
    Fenetre parent = kAucuneFenetre; // none: a top-level window
    Rectangle cadre;                 // frame (width and height below 0 count as 0)
    ProcedureFenetre procedure;      // may be empty: the window then answers 0 to everything
    std::string titre;               // caption (Windows-1252)
    bool visible = false;
    uint32_t donnee = 0; // the owner's datum (a figure number, say)
};

// Creates a window and sends it WM_CREATE. When the procedure answers -1 the
// window is destroyed again (it gets WM_DESTROY) and 0 is returned. An
// unknown parent refuses the creation (0).
Fenetre creeFenetre(const DescriptionFenetre& description);
// The same with no caption and datum 0.
Fenetre creeFenetre(Fenetre parent, const Rectangle& cadre, ProcedureFenetre procedure, bool visible);

// Destroys a window: WM_DESTROY to it, then its children are destroyed the
// same way (depth first, in creation order); its pending posted messages,
// paint and timers are dropped, and it stops being the active window, the
// focus or the capture (without any message). False when the handle is
// unknown or the window is already being destroyed.
bool detruitFenetre(Fenetre f);

// True while the handle names a window (also during its WM_DESTROY).
bool estFenetre(Fenetre f);
std::size_t nombreDeFenetres();

Fenetre parentFenetre(Fenetre f);
// The top-most ancestor of the window (the window itself when it has no parent).
Fenetre ancetreRacine(Fenetre f);
// The children in creation order.
std::vector<Fenetre> enfantsFenetre(Fenetre f);
// Every top-level window (no parent), in creation order.
std::vector<Fenetre> fenetresRacines();
// True when f is a child, grandchild... of ancetre.
bool estDescendant(Fenetre f, Fenetre ancetre);
// Gives the window another parent (0: top level). The frame keeps its numbers,
// now read in the new parent's coordinates. Refused (false) for an unknown
// window or parent, or a parent that is the window itself or one of its
// descendants.
bool changeParent(Fenetre f, Fenetre parent);

// Frame in the parent's client coordinates (screen coordinates for a
// top-level window); client rectangle (0, 0, width, height); frame on screen.
Rectangle cadreFenetre(Fenetre f);
Rectangle rectangleClient(Fenetre f);
Rectangle rectangleEcran(Fenetre f);
// Moves and sizes a window. Sends WM_MOVE (lParam: the new left and top,
// packed as lParamDeCoordonnees) when the place changed, then WM_SIZE (wParam
// SIZE_RESTORED, lParam: width and height packed) when the size changed; a
// change of size invalidates the whole window.
bool placeFenetre(Fenetre f, const Rectangle& cadre);
// Client coordinates of f <-> screen coordinates. An unknown window leaves the point as it is.
Point clientVersEcran(Fenetre f, Point p);
Point ecranVersClient(Fenetre f, Point p);

// Shows or hides a window. Showing a hidden window invalidates it.
bool afficheFenetre(Fenetre f, bool visible);
// The window's own visibility flag.
bool estAffichee(Fenetre f);
// Shown, and every ancestor shown too: only such windows are painted.
bool estVisible(Fenetre f);

std::string titreFenetre(Fenetre f);
bool changeTitreFenetre(Fenetre f, const std::string& titre);
// A caption given in UTF-8 (a host's own text, a file's name in any
// script): the window's title is its Windows-1252 reading (a character
// outside it a '?'), and a real backend shows the UTF-8 text itself.
bool changeTitreFenetreUtf8(Fenetre f, const std::string& titre);
// The caption as shown, in UTF-8.
std::string titreAfficheFenetre(Fenetre f);
uint32_t donneeFenetre(Fenetre f);
bool changeDonneeFenetre(Fenetre f, uint32_t donnee);
// Replaces the window procedure (a host that takes over a window's messages).
bool changeProcedureFenetre(Fenetre f, ProcedureFenetre procedure);

// Activation. activeFenetre makes f the active window (0: none) and returns
// the window that was active. When it changes, the window losing activation
// gets WM_ACTIVATE (wParam WA_INACTIVE, lParam the gaining window) before
// the gaining window gets WM_ACTIVATE (wParam WA_ACTIVE, lParam the losing
// window). An unknown non-zero handle changes nothing.
Fenetre activeFenetre(Fenetre f);
Fenetre fenetreActive();

// Keyboard focus, the same way: WM_KILLFOCUS (wParam the gaining window) to
// the losing window before WM_SETFOCUS (wParam the losing window) to the
// gaining one. Returns the window that had the focus.
Fenetre donneFocus(Fenetre f);
Fenetre fenetreFocus();

// Invalidation. The invalid region is kept as one rectangle (the union of
// what was invalidated, in client coordinates) and is painted later by the
// message loop (WM_PAINT), once, however often it was invalidated.
bool invalideFenetre(Fenetre f);                          // the whole client area
bool invalideRectangle(Fenetre f, const Rectangle& zone); // a part of it
bool valideFenetre(Fenetre f);                            // nothing left to paint
bool aPeindre(Fenetre f);
Rectangle zoneInvalide(Fenetre f);
// While a window handles WM_PAINT: the part being painted (the invalid region
// taken when the paint started). Empty outside a paint.
Rectangle zoneAPeindre(Fenetre f);
// Paints the window at once (WM_PAINT sent, not queued) when it has
// something to paint and is visible.
bool metAJourFenetre(Fenetre f);

// Used by the message loop: the visible window whose paint has waited
// longest (0 when none, or none matching the filter window when it is not 0),
// and the start of its paint (takes the invalid region, the window is then
// valid).
Fenetre prochaineFenetreAPeindre(Fenetre filtre);
Rectangle commencePeinture(Fenetre f);
void terminePeinture(Fenetre f);

// Calls the window's procedure at once (the body of envoieMessage; 0 for an
// unknown window or a window without procedure).
int32_t appelleProcedure(Fenetre f, uint32_t message, uint32_t wParam, int32_t lParam);

// Forgets every window without sending anything (tests and unload).
void reinitialiseFenetres();

} // namespace km32::platform
