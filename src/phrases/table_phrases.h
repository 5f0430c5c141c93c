#pragma once
// The phrase tables compiled into the library: one per language, sorted by
// number, their texts already in Windows-1252. The build writes their
// contents from data/phrases/ (see tools/phrasegen).
#include <cstddef>
#include <cstdint>

namespace km32 {

struct EntreePhrase {
    uint16_t numero;
    uint8_t longueur;  // bytes of texte, at most 255
    const char* texte; // NUL-terminated
};

struct TablePhrases {
    const EntreePhrase* entrees; // sorted by increasing numero; null when empty
    std::size_t nombre;
};

// Defined in the generated source.
extern const TablePhrases tablePhrasesFrancaises;
extern const TablePhrases tablePhrasesAnglaises;
extern const TablePhrases tablePhrasesAllemandes;

} // namespace km32
