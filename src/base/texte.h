#pragma once
// Texts inside the library are Windows-1252 bytes in std::string. Where the
// system limits a text to a length, the code cuts it explicitly here.
#include <cstddef>
#include <string>
#include <string_view>

namespace km32 {

// The text cut to at most n bytes.
inline std::string coupe(std::string_view texte, std::size_t n) {
    return std::string(texte.substr(0, n));
}

// The text without the blanks (' ') at its two ends.
inline std::string_view sansBlancsAuxBouts(std::string_view t) {
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return t;
}

// A menu or button caption as shown: without the '&' marks of its key.
inline std::string sansEtCommercial(std::string t) {
    std::erase(t, '&');
    return t;
}

// Upper case of ASCII letters only, as the system defines it.
inline char majuscule(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
// The text from p up to the end of its line (CR, LF, NUL or the end of the
// text); p moves to that end.
inline std::string resteDeLaLigne(std::string_view t, std::size_t& p) {
    std::size_t fin = p;
    while (fin < t.size() && t[fin] != '\0' && t[fin] != '\r' && t[fin] != '\n')
        ++fin;
    std::string l(t.substr(p, fin - p));
    p = fin;
    return l;
}
std::string enMajuscules(std::string_view texte);

// Windows-1252 <-> UTF-8 at the edges of the library (data files, cairo, the
// command-line host). A character with no Windows-1252 form becomes '?'.
std::string utf8DeWindows1252(std::string_view texte);
std::string windows1252DeUtf8(std::string_view texte);
// True when the bytes form valid UTF-8 with at least one non-ASCII character.
bool estUtf8NonAscii(std::string_view texte);

// Reads and writes the length-prefixed strings (at most 255 bytes) kept in
// fixed records such as the sibling's shared table.
std::string lisChaineCourte(const unsigned char* champ);
void ecrisChaineCourte(unsigned char* champ, std::string_view texte);

// Line breaks (CR LF, a lone CR or LF) become CR LF.
std::string avecRetoursCRLF(std::string_view texte);

} // namespace km32
