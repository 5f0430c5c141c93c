#pragma once
// Sentence patterns of figure-text lines and the matcher that reads a line
// against one of them. A pattern mixes fixed words with placeholders "#1" to
// "#9"; once analysed it is the normalised upper-case text with each
// placeholder turned into one "\" and the list of its fixed pieces. Lines and
// patterns are normalised alike, so matching is blind to letter case and to
// blanks around separators. Positions are counted from 1, as in the records.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include <string_view>

namespace km32 {

struct TLigneFigure;

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

// Deletes the outer blanks and the blanks next to blank, ":", ",", "#" and "=".
void oteBlancsAutourSeparateurs(std::string& texte);
// The same, then "a".."z" in upper case: the form in which lines and patterns meet.
std::string normaliseLigne(std::string_view texte);

// Position (from 1) of the first occurrence of morceau in texte at or after
// debut; 0 when there is none. An empty piece is never found.
std::size_t posDepuis(std::size_t debut, std::string_view morceau, std::string_view texte);

// One counter for both kinds of bracket: "(" and "[" open, ")" and "]" close.
bool parenthesesEquilibrees(std::string_view texte);

// Analyses the text already placed in modele (cut to 150 characters).
void analyseModeleLigne(TModeleLigne& modele);

// Matches the line against the pattern; the texts between its pieces go to
// the argument slots of their placeholder numbers. Uses the bracket check as
// the line record holds it.
bool apparieModeleLigne(TLigneFigure& ligne, const TModeleLigne& modele);

} // namespace km32
