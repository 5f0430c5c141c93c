// Recognises a figure file written in UTF-16, so that its refusal names the encoding.
#include "encodage_utf16.h"

#include <algorithm>
#include <cstddef>

namespace km32cli {

Utf16 detecteUtf16(std::string_view octets) {
    if (octets.starts_with("\xFF\xFE")) return {OrdreUtf16::PetitBoutiste, true};
    if (octets.starts_with("\xFE\xFF")) return {OrdreUtf16::GrandBoutiste, true};
    // Without a mark: the zero bytes of the first pairs, counted on each
    // side. A figure text is mostly ASCII, so in UTF-16 one side is zero in
    // nearly every pair and the other almost never.
    constexpr std::size_t kPairesLues = 4096;
    const std::size_t paires = std::min(octets.size() / 2, kPairesLues);
    std::size_t zerosPairs = 0, zerosImpairs = 0;
    for (std::size_t k = 0; k < paires; ++k) {
        zerosPairs += octets[2 * k] == '\0';
        zerosImpairs += octets[2 * k + 1] == '\0';
    }
    const auto unCote = [&](std::size_t zeros, std::size_t autres) {
        return paires >= 2 && zeros * 2 >= paires && autres * 8 <= zeros;
    };
    if (unCote(zerosImpairs, zerosPairs)) return {OrdreUtf16::PetitBoutiste, false};
    if (unCote(zerosPairs, zerosImpairs)) return {OrdreUtf16::GrandBoutiste, false};
    return {};
}

std::string nomUtf16(const Utf16& utf16) {
    return std::string("UTF-16 (") + (utf16.ordre == OrdreUtf16::GrandBoutiste ? "big" : "little") +
           "-endian, " + (utf16.marque ? "with" : "without") + " a byte-order mark)";
}

} // namespace km32cli
