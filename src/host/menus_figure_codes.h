#pragma once
// The menu commands of a figure and their menu path codes. Every command has
// a number 1 to 264: the identifier of its menu item, the phrase of its
// caption, its bit in the figure's command sets. 231 to 264 and 119 are
// sub-menu headings. A path code ("2-1-1-9") places a command in the menu
// tree: the top menu (2 Create, 3 Drive, 4 Show, 5 Misc, 6 Edit, 7 Views),
// then the position in each sub-menu.
#include <cstdint>
#include <string>
#include <vector>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kErreurCodeMenu = 627; // "#1 est un numéro d'option de menu incorrect."
constexpr std::size_t kMaxCommandesTriees = 350;

// The path code of a command (empty when it has none, and for numbers
// outside 1..264).
std::string codeMenuDeCommande(int commande);
// The first command 1 to 264 whose code equals the text (at most 80
// characters are read); 0 when none.
uint16_t commandeDeCodeMenu(const std::string& code);
// A heading 231..264: the commands of its sub-menu; a plain command (1..118,
// 120..206, 208..219): itself; anything else: the empty set.
TEnsembleCommandes commandesDuSousMenu(int commande);
bool estCommandeSimple(int commande);
// Adds to (autoriseMenus) or removes from (interditMenus) the set the
// commands under the code; error 627 for a code that no command has.
void autoriseMenus(const std::string& code, TEnsembleCommandes& autorisees, uint16_t& erreur);
void interditMenus(const std::string& code, TEnsembleCommandes& autorisees, uint16_t& erreur);
// The sort key of a code: "10" to "15" become "A" to "F", the dashes go.
std::string cleDeTriDeCode(const std::string& code);
// Every command that has a code, in the order of the menu tree.
std::vector<uint16_t> listeCommandesTriees();
// What a set forbids, compactly: in tree order, each plain command outside
// the set, and each heading none of whose commands is in the set (its
// commands are then not listed one by one).
std::vector<uint16_t> codesDesMenusAutorises(TEnsembleCommandes autorisees);

} // namespace km32
