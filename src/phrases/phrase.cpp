#include "phrases/phrase.h"

#include "sibling/phrases_tq.h"

namespace km32 {

// Placeholder until the phrase tables are compiled in: only the sibling's range.
std::string phraseDeNumero(uint16_t numero) { return numero > 10000 ? TQphraseDeNumero(numero) : std::string(); }

} // namespace km32
