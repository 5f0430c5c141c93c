#pragma once
// Reading a whole figure text into a figure: the language from the header
// line, the text cut at its end line, the lines run one by one, comment
// lines and deferred start commands kept as the figure's stored extra
// lines, the comment section stored, prototype blocks handed on, and the
// number of the first line that fails. Also the later run of the stored
// extra lines, the validation of a text in a throw-away figure, the
// installation of a valid text file as a new figure of the sibling
// library, and one line run with its error shown.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

constexpr std::size_t kLongueurMaxLigneTexte = 250;
constexpr uint16_t kPhraseFinFigure = 2245;
constexpr uint16_t kPhraseCommentaire = 2251;
constexpr uint16_t kPhraseLigneIncorrecte = 616;
// "A line of a figure has at most 250 characters." (one of our own phrases).
constexpr uint16_t kPhraseLigneTropLongue = 9960;

// The flag that stored extra lines wait for their run.
inline uint8_t& lignesDiffereesEnAttente(TfigureKalmetra& f) {
    return f.differeesEnAttente;
}

// Runs the text (mode 1 ordinary, 2 a figure file) on f: 0 when every line
// ran (or the run stopped at the comment section), else the 1-based number
// of the first failing line. The lines before it stay executed.
uint16_t executeTexteDeFigure(TfigureKalmetra& f, const std::string& texte, uint8_t mode);

// Above 0 while a whole text (a file, a text applied by the host or the
// editor, an undo snapshot, a prototype block) is being read: what such a
// text holds is taken as the reader takes it, and the checks that belong to
// a user's edit do not run.
int& textesEnLecture();

// Above 0 while the library reads back a text of its own (an undo or redo
// snapshot). Such a text is never judged by the limits meant for files: its
// lines are taken up to what a line record holds (255 characters, not 250)
// and its construction blocks whatever their length.
int& textesInternesEnLecture();
// The longest line the reader takes now: 250 characters, or 255 in a text
// of the library's own.
std::size_t longueurMaxLigneLue();

// The number (from 1) of the line at which the last text or host lines run
// on figure numero stopped, 0 when that run went through (and for a number
// outside 1..64). Kept beside the figure, not in it, so that a figure put
// back as it was after a failed text still tells which line failed.
uint16_t ligneEnErreur(int16_t numero);
void noteLigneEnErreur(int16_t numero, uint16_t ligne);
// Whether the last run on figure numero was the reading of a file that could
// not be read at all (missing, unreadable, too long): no line failed, and yet
// nothing was read. Noted by the host when it creates the figure; any later
// note of a line clears it.
bool fichierNonLu(int16_t numero);
void noteFichierNonLu(int16_t numero);

// One line with redraw off; a result other than 0, 99 and 670 is shown in a
// box titled "Phrase incorrecte." with the line as text.
uint16_t executeLigneEtSignaleErreur(TfigureKalmetra& f, std::string_view ligne, uint8_t mode);

// Runs the stored extra lines of figure numero (0 to 64) one by one as
// lines run for real; the first failing line is shown and ends the run.
void executeTexteFigureParNumero(int16_t numero);

// The next line of the stored extra lines from position: leading TAB, LF,
// CR and blanks skipped (a CR counts a line), the line up to NUL, CR or LF,
// a line beginning with "%" skipped, anything from "%" on cut, trailing
// blanks and TABs dropped, at most 255 characters. False at the end.
bool lisLigneSuivante(std::string_view texte, std::size_t& position, std::string& ligne, uint16_t& compteur);

// 0 when the text runs whole in a new figure of its own (no message shown),
// else the number of its first failing line.
uint16_t valideTexteFigureNouvelle(const std::string& texte);

// Reads the file (less than 65536 characters), validates it and hands it
// to the sibling library as a new figure; true when done.
bool KMInstalleTexteFigureNouvelle(const std::string& nomFichier);

} // namespace km32
