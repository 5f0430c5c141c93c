#pragma once
// The menu filter box (annex code 133): the author of a figure chooses which
// commands of the figure's menus the user may run. Two lists, allowed and
// forbidden, each entry a menu path code and the command's label; entries
// move between them with two buttons or by drag and drop. OK replaces the
// figure's authorised set (with an undo step) and rebuilds its menu.
//
// The box is a retained model: its lists, selections and buttons are plain
// state that a host shows and that tests drive through the handlers. Its
// window (filtre_menus_fenetre.h) lays them out, paints them and turns
// clicks, drags, keys and button commands into the handlers; its bound form
// (forme_filtre_menus.h) describes them to a real backend.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host/fenetres/rappels/liste_defilante.h"
#include "model/figure.h"
#include "platform/geometrie.h"
#include "sibling/codes_annexes.h"

namespace km32 {

constexpr uint16_t kCommandeFiltreMenus = 114;
constexpr uint16_t kAideFiltreMenus = 114;

// The two lists, as the box numbers them.
constexpr int kListeAutorises = 0, kListeInterdits = 1;

// The buttons, by their WM_COMMAND tag.
enum TagFiltreMenus : uint32_t {
    kTagFiltreInterdit = 1, // ">>": forbid the allowed list's selection
    kTagFiltrePermis = 2,   // "<<": allow the forbidden list's selection
    kTagFiltreOk = 3,
    kTagFiltreAnnuler = 4,
    kTagFiltreAide = 5,
};
constexpr uint32_t kNombreBoutonsFiltre = 5;

// How one list is shown: its frame and its title's place (client pixels),
// the scrolling of its lines, and the line a shift-click extends from (-1
// none).
struct TVueListeFiltre {
    platform::Rectangle cadre, cadreTitre;
    TListeDefilante defilement;
    int ancre = -1;
};

// What the left button is doing in the box: holding a list's scroll bar, or
// pressed on a line of a list, which becomes a drag towards the other list
// once the mouse has moved. A press on a line already selected keeps the
// selection for the drag; released without a drag, the line alone is
// selected.
struct TSourisFiltre {
    int barre = -1;             // the list whose scroll bar is held
    int liste = -1, ligne = -1; // the list and line pressed
    platform::Point pression;   // where, client pixels
    bool glisse = false;        // moved far enough to be a drag
    bool selectionDifferee = false;
};

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
    // The window's layout and the state of its controls.
    std::array<TVueListeFiltre, 2> vues;
    std::array<platform::Rectangle, kNombreBoutonsFiltre + 1> boutons{}; // by tag, 0 unused
    int listeCourante = kListeAutorises;                                 // the list with the keyboard focus
    TSourisFiltre souris;
};

// The command numbers and the selection flags of list k (kListeAutorises or
// kListeInterdits).
std::vector<uint16_t>& commandesDeListe(TBoiteFiltreMenu& b, int k);
const std::vector<uint16_t>& commandesDeListe(const TBoiteFiltreMenu& b, int k);
std::vector<bool>& selectionDeListe(TBoiteFiltreMenu& b, int k);
const std::vector<bool>& selectionDeListe(const TBoiteFiltreMenu& b, int k);

// The label of a command: its path code, a blank, then its caption without
// "&"; at most 80 characters.
std::string libelleFiltreDeCommande(uint16_t commande);

// The label an entry of either list shows for its command.
const std::string& libelleEntreeFiltre(const TBoiteFiltreMenu& b, uint16_t commande);

// Opens the box for the figure (nothing when the annex slot is refused);
// the open box, nullptr when none.
void ouvreFiltreMenus(TfigureKalmetra& f);
TBoiteFiltreMenu* boiteFiltreMenu();

// Fills both lists from the working set (selections cleared, the lists
// repainted).
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
