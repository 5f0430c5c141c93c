#pragma once
// The edit fields and buttons a window model lays over its window, described
// so that a real backend shows them as the toolkit's own entries and buttons
// bound to the model: an entry shows the model's text, gives the user's text
// back to the model and makes its field the current one when it takes the
// focus; a button sends the window WM_COMMAND with its tag. The headless
// backend has no use for them: the model paints and handles its fields itself.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/fenetres.h"

namespace km32::platform {

struct ChampLie {
    int numero = 0;    // the model's number of the field
    Rectangle cadre;   // in the window's client coordinates
    std::string texte; // the model's text now (Windows-1252)
    bool courant = false;
};

struct BoutonLie {
    uint32_t tag = 0; // WM_COMMAND's wParam
    Rectangle cadre;
    std::string libelle;
};

// What the model answers, read again after every event.
struct FormeLiee {
    std::vector<ChampLie> champs;
    std::vector<BoutonLie> boutons;
};

struct OperationsForme {
    std::function<FormeLiee()> etat;
    // The user's text of field numero into the model.
    std::function<void(int numero, const std::string& texte)> changeTexte;
    // Field numero takes the focus.
    std::function<void(int numero)> prendFocus;
};

// The window's form (a second call replaces it); dropped by oublieFormeLiee
// or with the window.
void inscritFormeLiee(Fenetre f, OperationsForme operations);
void oublieFormeLiee(Fenetre f);
// The operations of a living window's form; nullptr when it has none.
const OperationsForme* formeLiee(Fenetre f);
// Every window that has a form.
std::vector<Fenetre> fenetresAvecForme();
void reinitialiseFormesLiees();

} // namespace km32::platform
