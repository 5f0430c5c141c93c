#pragma once
// A window's menu shown in its bound form as a band of buttons: each item a
// push button (or a check box for a check item) whose tag is the menu
// command, so that pressing it sends the window the WM_COMMAND the menu
// item sends. The buttons run from left to right and wrap to a new row.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/formes_liees.h"

namespace km32 {

constexpr int32_t kHauteurBoutonBande = 24, kEcartBande = 4;

struct CommandeBande {
    uint32_t tag = 0;
    std::string libelle; // the menu caption; "&" marks are dropped
    bool actif = true;
    int coche = -1; // -1 a push button, 0 or 1 a check box
};

// The width and height a button needs for its caption: an estimate a little
// above the usual width of its characters and kHauteurBoutonBande, or what
// the toolkit measures when that is more (platform/mesures_texte.h).
int32_t largeurBoutonBande(const CommandeBande& c);
int32_t hauteurBoutonBande(const CommandeBande& c);

// Lays the commands out in the zone (its width and top; its height is
// not used): a row ends where the next button would pass the zone's right
// edge, and is as high as its highest button. Appends the buttons and gives the bottom of the last row (the
// zone's top when there is none).
int32_t disposeBande(const std::vector<CommandeBande>& commandes, const platform::Rectangle& zone,
                     std::vector<platform::BoutonLie>& boutons);

} // namespace km32
