#include "base/texte.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace km32 {

namespace {
// Unicode code points of Windows-1252 bytes 0x80..0x9F; 0 where the byte is unassigned
// (those bytes pass through as the C1 control of the same number).
constexpr std::array<uint16_t, 32> kHaut = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

uint32_t pointDeCode(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return kHaut[c - 0x80] ? kHaut[c - 0x80] : c;
    return c;
}

void ajouteUtf8(std::string& s, uint32_t cp) {
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xF0 | (cp >> 18));
        s += char(0x80 | ((cp >> 12) & 0x3F));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
}

char octetDePointDeCode(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return char(cp);
    for (std::size_t i = 0; i < kHaut.size(); ++i)
        if (kHaut[i] == cp || (kHaut[i] == 0 && cp == 0x80 + i)) return char(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when invalid.
std::size_t decode(std::string_view s, std::size_t i, uint32_t& cp) {
    unsigned char c = s[i];
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        unsigned char d = s[i + k];
        if ((d >> 6) != 2) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    static constexpr uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}
} // namespace

std::string enMajuscules(std::string_view texte) {
    std::string r(texte);
    for (char& c : r) c = majuscule(c);
    return r;
}

std::string utf8DeWindows1252(std::string_view texte) {
    std::string r;
    r.reserve(texte.size() + texte.size() / 4);
    for (unsigned char c : texte) ajouteUtf8(r, pointDeCode(c));
    return r;
}

std::string windows1252DeUtf8(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        uint32_t cp = 0;
        std::size_t n = decode(texte, i, cp);
        if (n == 0) { // not UTF-8: keep the byte as it is
            r += texte[i++];
            continue;
        }
        r += octetDePointDeCode(cp);
        i += n;
    }
    return r;
}

bool estUtf8NonAscii(std::string_view texte) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < texte.size();) {
        uint32_t cp = 0;
        std::size_t n = decode(texte, i, cp);
        if (n == 0) return false;
        nonAscii |= n > 1;
        i += n;
    }
    return nonAscii;
}

std::string lisChaineCourte(const unsigned char* champ) {
    return std::string(reinterpret_cast<const char*>(champ + 1), champ[0]);
}

void ecrisChaineCourte(unsigned char* champ, std::string_view texte) {
    std::size_t n = texte.size() < 255 ? texte.size() : 255;
    champ[0] = static_cast<unsigned char>(n);
    std::memcpy(champ + 1, texte.data(), n);
}

std::string avecRetoursCRLF(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\r') {
            r += "\r\n";
            if (i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            r += "\r\n";
        } else {
            r += c;
        }
    }
    return r;
}

} // namespace km32
