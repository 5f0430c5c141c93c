#pragma once
// The writer of a whole figure text: the header line of the applied
// language, the version, the view, every user object with its definition,
// free-object parameters and style, the settings, the stored extra lines,
// the comment and the end line. Reading the text back gives the same
// figure. Lines are separated by CR LF; the text begins with the header and
// ends with the end line.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

std::string ecritTexteFigure(const TfigureKalmetra& f);

// Text objects and key commands are written in blocks of their own after
// the objects (true, the default) or in the object loop like every other
// object (false: the undo snapshots).
struct EtatEcritureFigure {
    bool textesEtTouchesRegroupes = true;
};
EtatEcritureFigure& etatEcritureFigure();
void reinitialiseEcritureFigure();

// The longest line a figure text may hold (a longer one stops the reader).
constexpr std::size_t kLongueurMaxLigneLue = 250;
// "The line that defines #1 would have more than 250 characters..." (one of
// our own phrases): an edit that would need such a line is refused.
constexpr uint16_t kErreurLigneEcriteTropLongue = 9971;
// Whether every line the writer writes for object i (its sentence, its
// free-object and keyboard-step lines, its style line), measured as it
// writes it (coded where it codes it), fits in a line the reader takes, in
// each of the three languages: the edit guard. The save's check below
// measures the same lines in the language applied.
bool lignesObjetRelisibles(const TfigureKalmetra& f, int i);
// The longest of object i's lines as the writer writes them in the applied
// language (its definition, its free-object and keyboard-step lines, its
// style line), coded where it codes them; CR LF left out.
std::size_t longueurLignesObjet(const TfigureKalmetra& f, int i);
// The first object whose lines, as the writer writes them in the applied
// language (coded when the phrase is too long), pass the reader's limit; 0
// when every line fits. Only a figure read from a text can hold one: its
// rename lines are taken as read, and longer names lengthen the lines that
// name them beyond what even the coded form holds.
int objetAuxLignesIllisibles(const TfigureKalmetra& f);

// The next line of the stored extra lines from position p (advanced): a
// coded line comes out as the filled phrase of the applied language (with
// its leading CR LF), any other line unchanged; empty at the end.
std::string ligneSupplementaireSuivante(std::string_view lignes, std::size_t& p);

} // namespace km32
