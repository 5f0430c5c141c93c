#pragma once
// The report of a figure line that failed, the same on every road: render,
// values, text and test print it on the error output, and km32 show prints
// it there too and shows it in its box. Each line of the report names the
// file and the line; it gives each message of the library about the line,
// then, last and once, the library's own "incorrect text not applied." in
// the figure's language:
//   figure.k3v: line 3: ERROR: The name A is unknown.
//   figure.k3v: line 3: Wrong phrase: M midpoint of segment [AZ]
//   figure.k3v: line 3: incorrect text not applied.
#include <string>
#include <vector>

namespace km32cli {

// A message box of the library, in UTF-8.
struct MessageBibliotheque {
    std::string titre;
    std::string texte;
};

// A message's caption as it leads its text on one line: "" for no caption,
// else the caption and ": ", its closing full stop dropped first (a caption
// "Phrase incorrecte." leads as "Phrase incorrecte: ").
std::string titreDevantTexte(const std::string& titre);

// The lines of the report (UTF-8, no line end; a line break inside a
// message goes on an indented line of its own). fichier: the figure file as
// the user named it; ligne: the failing line, from 1; messages: the boxes
// the library gave while it ran the figure; texteLigne: the failing line's
// text (UTF-8), given in place of the messages when the library gave none.
// The words are those of the language applied to the library (the figure's).
std::vector<std::string> rapportLigneFautive(const std::string& fichier, int ligne,
                                             const std::vector<MessageBibliotheque>& messages,
                                             const std::string& texteLigne, int langue);

// Shows the report in a message box on the real display (km32 show, whose
// figure could not be made), its button in the language langue; false when
// there is no display to show it on.
bool montreRapportDansUneBoite(const std::vector<std::string>& rapport, int langue);

} // namespace km32cli
