#pragma once
// Phrase lookup: the texts of the system by number, in the applied language,
// and the small formatting built on it. Texts are Windows-1252 bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace km32 {

// Values of the applied-language word of the shared table.
constexpr uint16_t kLangueFrancaise = 1;
constexpr uint16_t kLangueAnglaise = 2;
constexpr uint16_t kLangueAllemande = 3;

// The text of phrase numero in the applied language of the shared table.
// Numbers above 10000 come from the sibling library whatever the language.
// A number the table lacks, and 0, give that language's default text; an
// applied-language word other than 1..3 is read as French.
std::string phraseDeNumero(uint16_t numero);

// The text of phrase numero (0..10000) in the given language, regardless of
// the applied one; same defaults as phraseDeNumero.
std::string phraseDeNumeroEnLangue(uint16_t numero, uint16_t langue);

// The default text of a language ("numero de phrase non présent sur la liste"
// for French, and for any language word other than 2 and 3).
std::string_view texteParDefaut(uint16_t langue);

// True when the table of that language holds a text for numero.
bool phraseDansTable(uint16_t numero, uint16_t langue);

// How many numbers have a text in the table of that language (0 for an
// unknown language word).
std::size_t nombreDePhrases(uint16_t langue);

// The phrase copied into tampon, NUL-terminated; tampon holds at least 256 bytes.
void phraseEnPChar(uint16_t numero, char* tampon);

// The phrase with every "$" replaced by CR LF, cut to 255 bytes.
std::string phraseMultiLigne(uint16_t numero);
// The same on a given text.
std::string texteMultiLigne(std::string_view texte);

// The phrase with its placeholders "#1", "#2", ... filled in order from the
// ";"-separated parameter list (itself at most 255 bytes; longer is cut).
// Inside a parameter, byte 255 stands for ";". While the phrase holds exactly
// one "#", that placeholder takes the whole rest of the list. A "#" coming from
// a parameter is never taken for a placeholder; placeholders left without a
// parameter stay as they are. The result is not limited in length.
std::string phraseAvecParametres(uint16_t numero, std::string_view parametres);
// The same on a given text instead of a phrase number.
std::string texteAvecParametres(std::string texte, std::string_view parametres);

// A line of a figure text: CR LF, indentation blanks, then the filled phrase,
// the whole cut to 255 bytes.
std::string ligneDePhraseAvecParametres(uint16_t numero, std::string_view parametres, uint8_t indentation);

} // namespace km32
