#pragma once
// Texts and lines sent by the host: a whole text replaces a figure, lines
// add to it or change it, and a few lines only a host sends are acted on
// here (activate the figure, background picture, text-property notices,
// language names, menu commands by their menu path).
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

// The objects that host lines changed, with their dependants, computed in
// object order from the first user object on.
void calculeObjetsChanges(TfigureKalmetra& f, const TEnsembleObjets& changes);

// The next line of a text from position pos (moved past it): blanks, TABs
// and line ends are skipped first; a line beginning with '%' is a comment
// (skipped, the counter grows); from a '%' inside a line on, the rest is
// cut; trailing blanks and TABs are cut. Empty at the end of the text.
std::string lisLigneDuTexte(const std::string& texte, std::size_t& pos, int& compteurLignes);

// Runs every line of the text on figure n; a line whose error is above 532
// stops the run with a message box (the line, caption phrase 616). At the
// end the changed objects are computed, the shared variables registered
// again when the figure shares them, the figure redrawn when asked, and the
// host told the figure changed.
void executeLignesDuTexte(int16_t n, const std::string& texte, bool redessine);

// The text replaces figure n (nothing when there is none).
void executerTexte(int16_t n, const std::string& texte);
// A line of the host: its own lines first, else executeLignesDuTexte with redraw.
void executeLigneFigEtRedessine(int16_t n, const std::string& ligne);

// Loads the background picture of figure n from the file; false (the figure
// keeps no picture) when it cannot be read.
bool chargeImageDeFond(int16_t n, const std::string& nomFichier);

} // namespace km32
