#pragma once
// Phrase lookup: the texts of the system by number, in the applied language.
#include <cstdint>
#include <string>

namespace km32 {

// The text of phrase numero in the applied language of the shared table
// (numbers above 10000 come from the sibling library); "" when it has none.
std::string phraseDeNumero(uint16_t numero);

} // namespace km32
