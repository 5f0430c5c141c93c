#pragma once
// The forms of the window models as the toolkit's widgets: entries (one line
// or a text view), buttons, check boxes, labels, lists and trees, combo
// boxes, placed in a GtkFixed over the top-level window's drawing where the
// models lay them out. After every event the widgets are brought in line with
// what each model answers; the user's changes go back through the form's
// operations (see platform/formes_liees.h). Reading a form's state again is
// cheap next to the event's own work: some 25 microseconds for the heaviest,
// the figure text editor with its tree of phrases (bench/formes_bench.cpp),
// where a drag's redraw of a full figure takes over a millisecond.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/fenetres.h"

typedef struct _GtkWidget GtkWidget;

namespace km32::platform::gtk {

// What a widget showed last, as the model gave it or the user left it: the
// model's state is pushed to the widget only when it differs from this, so a
// user's change in progress is not undone by the model's echo of it.
struct DernierEtatControle {
    std::optional<Rectangle> place; // in the top-level window
    std::string texte;
    uint32_t debutSelection = 0, longueurSelection = 0;
    std::vector<std::vector<std::string>> lignes; // a list's cells, the level last
    std::vector<bool> selection;
    int premiereVisible = -1;
    std::vector<std::string> elements; // a combo's entries
    int choisi = -2;
    std::string style; // a label's colours, as the CSS given to it
};

// A control of a form: its window, its kind and its number in the form.
using CleControle = std::tuple<Fenetre, int, int>;

// The widgets of the forms shown in one top-level window.
struct ControlesFormes {
    GtkWidget* fixe = nullptr;
    std::map<CleControle, GtkWidget*> controles;
    std::map<CleControle, DernierEtatControle> derniers;
    // The field or list of each form that last took the keyboard.
    std::map<Fenetre, int> champCourant;
};

// Creates, places, updates and drops the widgets of every visible form of the
// top-level window racine.
void synchroniseFormes(ControlesFormes& c, Fenetre racine);
// The window whose form the widget (or a widget around it) belongs to; none
// for a widget of no form.
Fenetre formeDuWidget(GtkWidget* w);
// Tab (Shift+Tab: arriere) from the widget with the keyboard: the next
// control of its form, in the form's order (its fields, lists, buttons and
// check boxes, then combo boxes), takes the keyboard, round the form. False
// when the widget belongs to no form.
bool tabule(const ControlesFormes& c, GtkWidget* focus, bool arriere);
// Gives the keyboard back to the control of window f's form that holds it in
// the model (its current field or list, else the one that took the keyboard
// last), an entry's caret after its text; false when the form shows no such
// control.
bool rendClavierAForme(ControlesFormes& c, Fenetre f);
// The window shown in the top-level window racine whose form has a close box
// (the one that takes the top-level window's close request); none when no
// such form shows.
Fenetre fenetreACaseFermeture(Fenetre racine);
// The style the widgets of the forms take (fitting the rows the models lay out).
void installeStyleFormes();

} // namespace km32::platform::gtk
