#pragma once
// Sentence patterns of figure-text lines and the matcher that reads a line
// against one of them (the record itself is model/modele_ligne_analyse.h). A pattern
// mixes fixed words with placeholders "#1" to "#9"; once analysed it is the
// normalised upper-case text with each placeholder turned into one "\" and
// the list of its fixed pieces. Lines and patterns are normalised alike, so
// matching is blind to letter case and to blanks around separators.
// Positions are counted from 1, as in the records.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/modele_ligne_analyse.h"

namespace km32 {

struct TLigneFigure;

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
