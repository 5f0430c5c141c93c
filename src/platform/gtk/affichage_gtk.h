#pragma once
// The real backend on GTK 3: each shown top-level window of the layer is a
// GtkWindow whose drawing area shows the window's surface and those of its
// visible children, and whose mouse and key events become the layer's
// messages; the layer's message loop runs on GLib's main loop (posted
// messages and paints when idle, timer ticks on GLib timeouts). Pop-up menus,
// message boxes, the input box and the file dialogs are the toolkit's own;
// the clipboard and the cursor follow the layer's.
#include <cstdint>

#include "platform/fenetres.h"

typedef struct _GtkWidget GtkWidget;

namespace km32::platform::gtk {

// Opens the display and installs the backend; false when no display opens.
bool demarre();
bool demarree();
void boucle();
void quitteBoucle();
// The events that wait, handled without waiting for more.
void traiteEvenements();
// Draws the surfaces of f's top-level window on screen now (no event handled).
void presente(Fenetre f);

// Runs the layer's loop until it rests, then brings the toolkit's windows,
// the cursor and the clipboard in line with the layer (after every event).
void pompe();

// While a box, a dialog or a menu of the toolkit waits for the user, the
// layer's windows take no input and its loop waits.
struct PeriodeModale {
    PeriodeModale();
    ~PeriodeModale();
    PeriodeModale(const PeriodeModale&) = delete;
    PeriodeModale& operator=(const PeriodeModale&) = delete;
};
bool enPeriodeModale();

// The toolkit window showing the top-level window of f (nullptr when none is
// shown), and the one to make a box's parent: that of the active window, or
// any shown one.
GtkWidget* fenetreGtkDe(Fenetre f);
GtkWidget* fenetreGtkParente();

// The toolkit window (a top-level one) takes the display's keyboard: asked
// of the window manager when one runs, else given by the display itself
// (without a manager the keys go to the window under the pointer), with the
// time of the user's last key or click. Nothing while it is not mapped.
void prendClavierEcran(GtkWidget* fenetre);
// The same, only when the keys would not reach the window otherwise: it is
// not the active window, or the pointer lies out of it (a menu item clicked
// beyond the window's edge). Called when the library gives a control of a
// form the keyboard (a dialog opens, its field becomes current).
void ameneClavierEcran(GtkWidget* fenetre);
// Every box of the toolkit takes the display's keyboard when it shows.
void clavierALaBoite(GtkWidget* boite);

// The parts, each in its own file.
void installeBoites();
void installeMenus();
// The sizes the forms' widgets need, measured with the toolkit's font
// (platform/mesures_texte.h).
void installeMesures();
// The virtual key code of a toolkit key value, 0 when none.
uint8_t toucheVirtuelle(unsigned keyval);
// The layer's clipboard to the toolkit's when it changed; the toolkit's text
// into the layer's before a paste.
void synchronisePressePapiers();
void importeTextePressePapiers();

} // namespace km32::platform::gtk
