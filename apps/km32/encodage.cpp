// Conversion of files and terminal text between UTF-8 and Windows-1252 for the command-line host.
#include "encodage.h"

#include <cstdint>

// A copy of the library's conversion (base/texte.cpp) kept on purpose: the
// command-line host may use nothing of the library but km32.h.
namespace km32cli {

namespace {
// Unicode code points of the Windows-1252 bytes 0x80..0x9F; 0 for the five
// unassigned bytes, which stand for the control character of the same number.
constexpr uint16_t kHaut[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes the UTF-8 sequence at s[i]; its length, or 0 when it is not valid UTF-8.
std::size_t decode(std::string_view s, std::size_t i, uint32_t& cp) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    cp = n == 1 ? c : n == 2 ? (c & 0x1Fu) : n == 3 ? (c & 0x0Fu) : (c & 0x07u);
    for (std::size_t k = 1; k < n; ++k) {
        unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d >> 6) != 2) return 0;
        cp = (cp << 6) | (d & 0x3Fu);
    }
    static constexpr uint32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

char octetDe(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return char(cp);
    for (uint32_t i = 0; i < 32; ++i)
        if (kHaut[i] == cp || (kHaut[i] == 0 && cp == 0x80 + i)) return char(0x80 + i);
    return '?';
}

void ajouteUtf8(std::string& s, uint32_t cp) {
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
}
} // namespace

bool estUtf8NonAscii(std::string_view octets) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < octets.size();) {
        uint32_t cp = 0;
        std::size_t n = decode(octets, i, cp);
        if (n == 0) return false;
        nonAscii = nonAscii || n > 1;
        i += n;
    }
    return nonAscii;
}

std::string windows1252DeUtf8(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        uint32_t cp = 0;
        std::size_t n = decode(texte, i, cp);
        if (n == 0) {
            r += texte[i++];
            continue;
        }
        r += octetDe(cp);
        i += n;
    }
    return r;
}

std::string utf8DeWindows1252(std::string_view texte) {
    std::string r;
    r.reserve(texte.size() + texte.size() / 4);
    for (char c : texte) {
        unsigned char o = static_cast<unsigned char>(c);
        uint32_t cp = (o >= 0x80 && o <= 0x9F && kHaut[o - 0x80]) ? kHaut[o - 0x80] : o;
        ajouteUtf8(r, cp);
    }
    return r;
}

std::string texteFigureDeFichier(std::string_view octets) {
    constexpr std::string_view kMarque = "\xEF\xBB\xBF";
    bool marque = octets.substr(0, kMarque.size()) == kMarque;
    if (marque) octets.remove_prefix(kMarque.size());
    if (marque || estUtf8NonAscii(octets)) return windows1252DeUtf8(octets);
    return std::string(octets);
}

CaracterePerdu premierCaracterePerdu(std::string_view octets) {
    constexpr std::string_view kMarque = "\xEF\xBB\xBF";
    const bool marque = octets.substr(0, kMarque.size()) == kMarque;
    if (marque) octets.remove_prefix(kMarque.size());
    if (!marque && !estUtf8NonAscii(octets)) return {};
    // Lines end with CR LF, CR or LF, as the library reads them.
    int ligne = 1;
    for (std::size_t i = 0; i < octets.size();) {
        uint32_t cp = 0;
        const std::size_t n = decode(octets, i, cp);
        if (n == 0) {
            ++i;
            continue;
        }
        if (cp == '\n' || (cp == '\r' && (i + 1 >= octets.size() || octets[i + 1] != '\n'))) ++ligne;
        if (n > 1 && octetDe(cp) == '?') return {ligne, std::string(octets.substr(i, n))};
        i += n;
    }
    return {};
}

std::string afficheable(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const unsigned char suivant = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
            s += "\\x";
            s += kHex[c >> 4];
            s += kHex[c & 15];
        } else if (c == 0xC2 && suivant >= 0x80 && suivant <= 0x9F) {
            s += "\\u00";
            s += kHex[suivant >> 4];
            s += kHex[suivant & 15];
            ++i;
        } else {
            s += char(c);
        }
    }
    return s;
}

} // namespace km32cli
