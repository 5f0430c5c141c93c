#pragma once
// Phrases put to use: the colour notation of figure texts and message boxes
// whose texts are phrases.
#include <cstdint>
#include <string>

namespace km32 {

// The colour notation of a figure text: phrase 11162 (its opening, such as
// "couleur RVB("), the red, green and blue bytes of the colour in decimal
// separated by commas, then ")"; cut to 80 characters.
std::string texteCouleurRVB(uint32_t couleur);

// A task-modal message box whose text is phrase texte and whose caption is
// phrase titre, with the given box flags; nothing while messages are muted.
void afficheMessageDeNumeros(uint16_t texte, uint16_t titre, uint32_t drapeaux);

} // namespace km32
