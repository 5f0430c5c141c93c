#pragma once
// Menus as retained models: a pop-up menu is a list of entries (an item with
// its identifier and caption, a separator, or a sub-menu with its caption),
// each with a greyed and a checked state. Handles are 32-bit ids from a table
// (0 = none, never given twice in a run).
//
// Showing a pop-up menu records what was shown; the entry the user picks is
// scripted (a test or a host sets it before), and the pick is posted to the
// owner window as WM_COMMAND with the item's identifier, as a real menu does.
//
// Every operation on an unknown or destroyed handle, or on a position outside
// the menu, is refused quietly: it does nothing and returns false, -1, 0 or
// an empty value.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/fenetres.h"
#include "platform/geometrie.h"

namespace km32::platform {

using Menu = uint32_t;
constexpr Menu kAucunMenu = 0;

// Flags of the state calls, with their conventional values.
constexpr uint32_t MF_BYCOMMAND = 0x0000;
constexpr uint32_t MF_ENABLED = 0x0000;
constexpr uint32_t MF_UNCHECKED = 0x0000;
constexpr uint32_t MF_GRAYED = 0x0001;
constexpr uint32_t MF_DISABLED = 0x0002;
constexpr uint32_t MF_CHECKED = 0x0008;
constexpr uint32_t MF_POPUP = 0x0010;
constexpr uint32_t MF_BYPOSITION = 0x0400;
constexpr uint32_t MF_SEPARATOR = 0x0800;
// Flags of afficheMenuContextuel.
constexpr uint32_t TPM_RIGHTALIGN = 0x0008;
constexpr uint32_t TPM_BOTTOMALIGN = 0x0020;
// The identifier that identifiantElementMenu gives for a sub-menu entry.
constexpr uint32_t kIdentifiantSousMenu = 0xFFFFFFFF;

Menu creeMenuContextuel();
bool estMenu(Menu m);
// Destroys the menu and, recursively, the sub-menus its entries open.
bool detruitMenu(Menu m);

// Appending entries at the end.
bool ajouteElementMenu(Menu m, uint32_t identifiant, const std::string& libelle);
bool ajouteSousMenu(Menu m, Menu sousMenu, const std::string& libelle);
bool ajouteSeparateur(Menu m);
// Removes the entry at the position; a sub-menu it opened is not destroyed.
bool supprimeElementMenu(Menu m, int position);

// Reading entries by position. The count is -1 for no menu.
int nombreElementsMenu(Menu m);
// The identifier of an item; kIdentifiantSousMenu for a sub-menu, 0 for a
// separator; -1 as unsigned for no entry.
uint32_t identifiantElementMenu(Menu m, int position);
// The sub-menu the entry opens, kAucunMenu when none.
Menu sousMenuElement(Menu m, int position);
// The caption, cut to at most maximum characters (a real menu copies it into
// a buffer of maximum + 1 bytes).
std::string libelleElementMenu(Menu m, int position, std::size_t maximum);
bool estSeparateur(Menu m, int position);
bool elementGrise(Menu m, int position);
bool elementCoche(Menu m, int position);

// Finds the entry of an item identifier in the menu or its sub-menus (depth
// first); false when none.
bool trouveElementMenu(Menu m, uint32_t identifiant, Menu& conteneur, int& position);

// Changes the greyed state (MF_GRAYED or MF_DISABLED: greyed; otherwise
// enabled) or the check mark (MF_CHECKED) of an entry found by position
// (MF_BYPOSITION) or by identifier. The former state flags, or -1 when no
// such entry.
int32_t activeElementMenu(Menu m, uint32_t element, uint32_t drapeaux);
int32_t cocheElementMenu(Menu m, uint32_t element, uint32_t drapeaux);

// Shows a pop-up menu at a screen point for an owner window. The scripted
// pick (when set) is consumed: an enabled item of the menu posts WM_COMMAND
// (wParam its identifier) to the owner; a greyed item, a heading or an
// identifier the menu lacks posts nothing. False for no menu.
bool afficheMenuContextuel(Menu m, uint32_t drapeaux, Point point, Fenetre proprietaire);
void choisitDansMenuSuivant(uint32_t identifiant);
// A backend that shows menus on screen installs the function that shows the
// pop-up and waits for the user: it returns the identifier of the item
// picked, nothing when the menu was dismissed. A scripted pick still comes
// first. nullptr goes back to the scripted menus alone.
using ChoixMenuAffiche = std::optional<uint32_t> (*)(Menu m, uint32_t drapeaux, Point point,
                                                     Fenetre proprietaire);
void installeChoixMenuAffiche(ChoixMenuAffiche choix);
struct AffichageMenu {
    Menu menu = kAucunMenu;
    uint32_t drapeaux = 0;
    Point point;
    Fenetre proprietaire = kAucuneFenetre;
};
// The last pop-up shown, and how many were shown since the reset.
std::optional<AffichageMenu> dernierMenuAffiche();
int nombreMenusAffiches();

// Number of living menus (tests check that nothing leaks).
std::size_t nombreDeMenus();
void reinitialiseMenus();

} // namespace km32::platform
