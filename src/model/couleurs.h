#pragma once
// The fixed colours: basic colours 0 to 15 and further colours 101 to 120.
// A colour value is red + 256 green + 65536 blue. Black is stored as red 1
// (value 1), never as 0.
#include <cstdint>
#include <string>

namespace km32 {

struct CouleurRVB {
    uint8_t rouge, vert, bleu;
};

// True for the codes that name a fixed colour (0-15, 101-120).
bool estCodeDeCouleur(uint16_t code);
// The fixed colour of a code; false (and the output untouched) for other codes.
bool rvbDeCode(uint16_t code, CouleurRVB& rvb);
// The colour value of a code; 1 for any other code.
uint32_t couleurDeCode(uint16_t code);
// The further colour 101-120 equal to the given one; -1 when none.
int8_t codeDeCouleur(uint8_t rouge, uint8_t vert, uint8_t bleu);
// "red,green,blue" of a colour value.
std::string texteDeCouleur(uint32_t couleur);

} // namespace km32
