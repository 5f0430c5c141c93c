#pragma once
// The table of values window of a figure, opened by a key-bound command of
// code 127 ("#6 (touche #5) tableau de #1 à partir de #2 (pas #3) (#4
// lignes)"): the values of the command's objects, one row per step of its
// variable, in a window of the host interface.
#include <cstdint>

namespace km32 {

// Shows the table of values of command object `commande` of figure
// `numero`. True when the window is shown. NOT BUILT YET: the window does
// not exist, so the call is noted as a command not available (command 127,
// readable by a host in the dispatcher's state) and answers false.
bool afficheTableauDeValeurs(int16_t numero, int commande);

} // namespace km32
