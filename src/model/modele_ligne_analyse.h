#pragma once
// The record of an analysed sentence pattern: the normalised pattern text
// with each placeholder "#1" to "#9" turned into one "\", its fixed pieces
// and the slot each placeholder fills. The figure model keeps one in every
// prototype (its model phrase); the text language analyses patterns and
// matches lines against them (text/appariement_lignes.h). Positions are counted
// from 1, as in the records.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace km32 {

constexpr std::size_t kLongueurModele = 150; // a pattern text is cut to this length
constexpr std::size_t kLongueurLigne = 255;  // a line and each of its texts
constexpr int kParametresMax = 9;            // placeholders "#1" to "#9"
constexpr int kMorceauxMax = 10;             // fixed pieces between them

struct TModeleLigne {
    uint8_t nombreParametres = 0;
    uint8_t nombreMorceaux = 0;
    std::string modele;                                        // normalised, each placeholder a "\"
    std::array<uint8_t, kParametresMax + 1> ordreParametres{}; // [i]: slot filled by the i-th placeholder
    std::array<uint8_t, kMorceauxMax + 1> debutMorceau{};      // [k]: start of piece k in modele
    std::array<uint8_t, kMorceauxMax + 1> longueurMorceau{};
    uint8_t morceauLePlusLong = 1;
    // False when the text cannot be read as a pattern (more than 9
    // placeholders or 10 pieces, a "#" without its digit 1..9): such a
    // pattern matches no line.
    bool utilisable = true;
    // Later patterns of the same table that hold every piece of this one in
    // order and say more (numbers 2000..): a line that one of them matches
    // too is read by that one, not by this shorter pattern that would take
    // its extra words into a placeholder.
    std::vector<uint16_t> plusPrecis;

    // Piece k (1..nombreMorceaux); empty for a piece that is not there.
    std::string_view morceau(int k) const {
        if (k < 1 || k > kMorceauxMax || debutMorceau[k] == 0 || debutMorceau[k] > modele.size()) return {};
        return std::string_view(modele).substr(debutMorceau[k] - 1, longueurMorceau[k]);
    }
};

} // namespace km32
