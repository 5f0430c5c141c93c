#pragma once
// A figure file saved in UTF-16 is refused by name, not as a file that
// holds NUL bytes: its byte-order mark (FF FE little-endian, FE FF
// big-endian) says so, or, without one, the zero bytes that stand on one
// side of every pair as in a text of Latin letters in UTF-16.
#include <string>
#include <string_view>

namespace km32cli {

enum class OrdreUtf16 { Aucun, PetitBoutiste, GrandBoutiste };

struct Utf16 {
    OrdreUtf16 ordre = OrdreUtf16::Aucun; // Aucun: not UTF-16
    bool marque = false;                  // it starts with a byte-order mark
};

Utf16 detecteUtf16(std::string_view octets);

// Its name for a message: "UTF-16 (little-endian, with a byte-order mark)".
std::string nomUtf16(const Utf16& utf16);

} // namespace km32cli
