#pragma once
// Phrases above 10000, kept by the sibling library, in its applied language.
#include <cstdint>
#include <string>

namespace km32 {

// The text of phrase numero (above 10000) in the applied language of the
// shared table; "" for a number the sibling library does not know.
std::string TQphraseDeNumero(uint16_t numero);
// The same without the '&' marks of menu captions.
std::string TQphraseSansEtCommercial(uint16_t numero);
// Makes the sibling library apply a language (1 French, 2 English, 3 German):
// afterwards the applied and the requested language words of the shared
// table equal it.
void TQappliqueLangue(uint16_t langue);

} // namespace km32
