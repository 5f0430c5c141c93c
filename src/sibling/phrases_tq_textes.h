#pragma once
// The texts of the sibling library's phrases, in UTF-8, one row per number.
#include <cstdint>
#include <span>

namespace km32 {

struct TextePhraseTQ {
    uint16_t numero;
    const char* francais;
    const char* anglais;
    const char* allemand;
};

// Every row, in increasing number order.
std::span<const TextePhraseTQ> textesPhrasesTQ();

} // namespace km32
