#pragma once
// The pop-up command menu of each figure and its state: which commands the
// figure lets the user run (its authorised set), which are greyed now and
// which carry a check mark, built from the captions of the applied language
// in the fixed order of the menu tree.
#include <cstdint>

#include "model/figure.h"
#include "platform/menus.h"

namespace km32 {

// Posted to the drawing window of a figure without host window after its
// menu state changed.
constexpr uint32_t kMessageEtatMenus = 0x0400 + 1006;
// Headings of the prototype sub-menu, and the identifier of prototype slot s.
constexpr uint16_t kRubriquePrototypes = 119;
constexpr uint16_t kCommandePrototype = 1000;

// The figure lets the user run command k (1..255).
bool commandeAutorisee(const TfigureKalmetra& f, int commande);

// Builds the pop-up menu of the commands of the set; kAucunMenu when no
// heading would have an entry.
platform::Menu construitMenuFigure(const TEnsembleCommandes& autorisees, const TfigureKalmetra& f);
// The figure's menu (kAucunMenu until built), by figure number.
platform::Menu menuDeLaFigure(int16_t numero);
// Builds the figure's menu when it has none (and brings its state up to
// date); the menu, kAucunMenu when the figure allows no heading.
platform::Menu menuConstruitDeLaFigure(TfigureKalmetra& f);
// Greyed set and check marks from the figure's state, then the notice to
// the owner of a figure without host window.
void miseAjourMenuFigure(TfigureKalmetra& f);
// Destroys the figure's menu (built again when next needed).
void detruitMenuFigure(int16_t numero);
// Destroys the menus whose captions are not in that language: a menu lives
// until the language really changes (or its figure is freed), so that the
// handle a host was given stays good.
void detruitMenusDUneAutreLangue(uint16_t langue);
// Shows the figure's menu at the mouse position and runs the command picked.
void afficheMenuFigure(int16_t numero);

// The sets the host reads: the trace byte, the replay byte, the enabled and
// the marked commands.
struct EtatMenusHote {
    uint8_t trace = 0;
    uint8_t pasAPas = 0;
    TEnsembleCommandes actives;
    TEnsembleCommandes marquees;
};
EtatMenusHote etatMenusHote(const TfigureKalmetra& f);
EtatMenusHote etatBoutonsHote(const TfigureKalmetra& f);
// The host records: menus (65 bytes: trace, enabled, marked) and buttons
// (66 bytes: trace, replay, enabled, marked); a set is 32 bytes, bit k of
// byte k / 8 for command k.
void ecritEtatMenus(const TfigureKalmetra& f, uint8_t* enregistrement);
void ecritEtatBoutons(const TfigureKalmetra& f, uint8_t* enregistrement);

void reinitialiseMenusFigures();

} // namespace km32
