#pragma once
// Mathematical text of the sibling library: the font state (size, type,
// colour), the fixed character cell, the layout of a text into runs and its
// measures. Drawing is in texte_math_dessin.h.
//
// The texts handed in are Windows-1252 bytes:
// - "\" opens and closes a math zone; outside it the text is plain;
// - inside a math zone, ";" or byte 255 followed by "s:" or "f:" starts the
//   lists of scalars and functions, which are not shown (up to the closing "\");
//   "^" raises and "_" lowers the operand after it by half a cell: a group in
//   parentheses (shown without them) or a run of letters, digits and points,
//   else one character; the marks "«" and "»" are not shown;
// - "$" and a letter is a colour code: "$r" red, "$v" green, "$b" blue,
//   "$N" or "$n" back to the caller's colour; another letter is dropped, "$$"
//   is a "$";
// - CR LF, CR or LF ends a line.
// Every character takes one cell of the current size; lines are one cell apart.
// Positions are measured from the reference point, the top-left corner of the
// first line's cell: a raised run on the first line reaches above it (a
// negative upper extent), a lowered run on the last line below the last cell.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/contexte_dessin_types.h"

namespace km32 {

using platform::Couleur;

// Font sizes 0 (normal) to kTailleMaxTQ; a size outside is taken as the
// nearest one. Font types: bit 2 bold (1 italic is kept but not drawn).
constexpr int16_t kTailleMaxTQ = 5;
constexpr int16_t kTailleCouranteTQ = -1; // the size set by SetFontTaille
constexpr int16_t kTypeGrasTQ = 2;

// Colours of the "$" codes.
constexpr Couleur kRougeTQ = 0x0000FF;
constexpr Couleur kVertTQ = 0x008000;
constexpr Couleur kBleuTQ = 0xFF0000;

// Font state.
void SetFontTaille(int16_t taille);
void SetFontTailleEtType(int16_t taille, int16_t type);
int16_t tailleFonteTQ();
int16_t typeFonteTQ();
// The current text colour (set by SetTexteCoul, texte_math_dessin.h).
Couleur CouleurTexte();
void fixeCouleurTexteTQ(Couleur couleur);

// The character cell: width and height of one character in pixels, for the
// current size or a given one (kTailleCouranteTQ for the current). The type
// does not change the cell.
int32_t larg(int16_t taille = kTailleCouranteTQ);
int32_t haut(int16_t taille = kTailleCouranteTQ, int16_t type = 0);

// One piece of a laid-out text: characters drawn alike.
struct MorceauTQ {
    std::string texte;
    int32_t colonne = 0;            // first cell, from the left margin
    int32_t ligne = 0;              // line, 0 for the first
    int8_t decalage = 0;            // -1 raised, 0 on the line, +1 lowered (half a cell)
    bool math = false;              // inside a math zone
    std::optional<Couleur> couleur; // set by a "$" code
    friend bool operator==(const MorceauTQ&, const MorceauTQ&) = default;
};

struct MiseEnPageTQ {
    std::vector<MorceauTQ> morceaux;
    int32_t colonnes = 0; // cells of the longest line
    int32_t lignes = 1;
};

MiseEnPageTQ miseEnPageTexteMath(std::string_view texte);

// The plain reading of a text on one line: runs in order, a raised run after
// "^" and a lowered one after "_" (in parentheses when longer than one
// character), line breaks as " / ". uneLigne: a line break reads as one
// blank and the next line's leading blanks are dropped (a long line cut for
// a painted list, read on one row of the toolkit's list).
std::string lectureTexteMath(std::string_view texte, bool uneLigne = false);

// Measures in pixels from the reference point: width, upper extent (top of
// the highest cell, 0 or negative), lower extent (bottom of the lowest cell).
struct EncombrementTQ {
    int32_t largeur = 0;
    int32_t dessus = 0;
    int32_t dessous = 0;
    int32_t hauteur() const { return dessous - dessus; }
    friend bool operator==(const EncombrementTQ&, const EncombrementTQ&) = default;
};

EncombrementTQ encombrementMiseEnPage(const MiseEnPageTQ& m, int16_t taille);
// A label or expression text, and a text of several lines (comments,
// reminders): the same measure, at the current size or the given one.
EncombrementTQ EncombrementExpG(std::string_view texte, int16_t taille = kTailleCouranteTQ);
EncombrementTQ EncomBrementTexteG(std::string_view texte, int16_t taille = kTailleCouranteTQ);

// 0 when the text is well formed (math zones closed, parentheses balanced in
// each zone, an operand after every "^" and "_"), else the position (from 1)
// of the first fault; a zone or group left open gives the length + 1.
int32_t syntaxeTexteMath(std::string_view texte);

// Normal size, normal type, black.
void reinitialiseTexteMathTQ();

} // namespace km32
