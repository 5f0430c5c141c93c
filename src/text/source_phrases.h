#pragma once
// Where the pattern and keyword tables take their texts from: the phrase of a
// number in the language applied at that moment. It is the phrase lookup
// unless a test installs a small table of its own (which reads the applied
// language of the shared table, as the lookup does).
#include <cstdint>
#include <string>

namespace km32 {

using SourcePhrases = std::string (*)(uint16_t numero);

// Installs a source; nullptr brings back the phrase lookup.
void fixeSourcePhrases(SourcePhrases source);
// The text of phrase numero from the installed source.
std::string phraseDeSource(uint16_t numero);

} // namespace km32
