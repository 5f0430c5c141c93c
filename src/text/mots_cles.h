#pragma once
// Keyword words: the drawing attributes, options and kinds of objects that
// some arguments list (phrases 2443 to 2531 of the applied language). Words
// are compared in a loose form (no blanks, nothing from character 128 up)
// without regard to case; of two keywords with one loose form the lower
// number wins. The table is rebuilt when the language changes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace km32 {

constexpr uint16_t kPremierMotCle = 2443;
constexpr uint16_t kDernierMotCle = 2531;
constexpr std::size_t kNombreMotsCles = kDernierMotCle - kPremierMotCle + 1;

struct TTableMotsCles {
    std::array<std::string, kNombreMotsCles> formes;   // loose form in upper case, index number - 2443
    std::unordered_map<std::string, uint16_t> numeros; // loose form -> lowest number
};

// Blanks deleted, "a".."z" in upper case, characters 128..255 deleted; the
// result within 255 (or 80) characters.
void normaliseMotCle(std::string& texte);
void normaliseMotCle80(std::string& texte);

// Builds the table for the applied language (the previous one is replaced).
void construitTableMotsCles();
void libereTableMotsCles();
// The table; nullptr when none is built.
const TTableMotsCles* tableDesMotsCles();

// The keyword number of a word already in loose form; 0 when it is none.
uint16_t numeroMotCle(const TTableMotsCles* table, std::string_view mot);

// Takes the first word off a ","-separated list: mot is that word without
// its outer blanks (case and accents kept), numero its keyword number or 0.
// The table is built first when there is none.
void litMotCle(std::string& liste, uint8_t longueurMax, std::string& mot, uint16_t& numero);

} // namespace km32
