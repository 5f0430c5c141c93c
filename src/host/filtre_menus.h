#pragma once
// The menu filter box (annex code 133): the author of a figure chooses which
// commands of the figure's menus the user may run. Two lists, allowed and
// forbidden, each entry a menu path code and the command's label; entries
// move between them with two buttons or by drag and drop. OK replaces the
// figure's authorised set (with an undo step) and rebuilds its menu.
//
// The box is a retained model: its lists, selections and buttons are plain
// state that a host shows and that tests drive through the handlers.
#include <cstdint>
#include <string>
#include <vector>

#include "sibling/codes_annexes.h"
#include "model/figure.h"

namespace km32 {

constexpr uint16_t kAideFiltreMenus = 114;

struct TBoiteFiltreMenu {
    uint32_t fenetre = 0; // the form's window
    int16_t numeroFigure = 0;
    bool annule = true;
    std::string titre, titreAutorises, titreInterdits, boutonAnnuler, boutonAide;
    TEnsembleCommandes autorisees; // the working set
    std::vector<uint16_t> commandesTriees;
    std::vector<std::string> libelles; // by position in commandesTriees
    // The command of each entry of the two lists, in display order, and
    // which entries are selected.
    std::vector<uint16_t> listeAutorises, listeInterdits;
    std::vector<bool> selectionAutorises, selectionInterdits;
    int hauteurListes = 0;
};

// The label of a command: its path code, a blank, then its caption without
// "&"; at most 80 characters.
std::string libelleFiltreDeCommande(uint16_t commande);

// Opens the box for the figure (nothing when the annex slot is refused);
// the open box, nullptr when none.
void ouvreFiltreMenus(TfigureKalmetra& f);
TBoiteFiltreMenu* boiteFiltreMenu();

// Fills both lists from the working set (selections cleared).
void remplitListesFiltre(TBoiteFiltreMenu& b);
// Handlers.
void BoutonInterditClick(TBoiteFiltreMenu& b);
void BoutonPermisClick(TBoiteFiltreMenu& b);
// A drop of the other list's selection on the allowed or the forbidden list.
void deposeSurAutorises(TBoiteFiltreMenu& b);
void deposeSurInterdits(TBoiteFiltreMenu& b);
void BoutonOkClick(TBoiteFiltreMenu& b);
void BoutonAnnulerClick(TBoiteFiltreMenu& b);
// Esc and F4 cancel; true when the key was taken.
bool toucheFiltre(TBoiteFiltreMenu& b, uint32_t touche);
// The form may close at once only while the annex is being closed;
// otherwise the close is cancelled and the mother window asked to close it.
bool FormCloseQuery(TBoiteFiltreMenu& b);
void BoutonAideClick(TBoiteFiltreMenu& b);

void reinitialiseFiltreMenus();

} // namespace km32
