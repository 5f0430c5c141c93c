#pragma once
// The prototypes the figure's pop-up menu offers (commands 1001 to 1050,
// under heading 119) and the choice of one of them.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/figure.h"

namespace km32 {

constexpr uint32_t kPremiereCommandePrototype = 1001;
constexpr uint32_t kDerniereCommandePrototype = 1050;

// Slot (1 to 50) and title of every usable prototype of the table serving
// f whose figure is not kept out of the menu, in slot order.
std::vector<std::pair<uint16_t, std::string>> prototypesDuMenu(const TfigureKalmetra& f);

// Command 1000 + slot chosen: 1 when the menu offers that prototype and its
// construction was opened, else 0 (the command is refused).
uint8_t choisitPrototypeDuMenu(TfigureKalmetra& f, uint32_t commande);

// Opens the construction of the prototype in slot (the construction
// dialog asks for its given objects); the dialog defines it.
uint8_t ouvreConstructionPrototype(TfigureKalmetra& f, uint8_t emplacement);

} // namespace km32
