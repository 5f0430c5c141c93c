#pragma once
// The copy of a figure's drawing to the clipboard as a vector picture, and of
// tables of values as text.
#include <cstdint>
#include <string>
#include <vector>

#include "model/figure.h"

namespace km32 {

// Puts the drawing on the clipboard (opened for the figure's drawing window)
// as a picture. Not adjusted: at the screen's size, one pixel of the zone
// for 2540 / (dots per inch) hundredths of a millimetre. Adjusted, from the
// copy settings (texteCopie: colour 'C' or one colour 'N', then 'F' the
// size is the picture's width or 'U' the length of the unit Uxyz; valeurCopie
// the size in millimetres): the figure is drawn at the scale that gives that
// size. With the print frame shown only the part inside it is copied.
// Returns the picture's clipboard handle, 0 when the clipboard could not be
// opened.
uint32_t copieDessinDansPressePapiers(TfigureKalmetra& f, bool ajuste);

// The text of a table: the cells of a row separated by TAB, every row
// (the last too) ended by CR LF.
std::string texteDeTableau(const std::vector<std::vector<std::string>>& lignes);
// Puts that text on the clipboard for the window; false when it could not be opened.
bool copieTableauDansPressePapiers(uint32_t fenetre, const std::vector<std::vector<std::string>>& lignes);

} // namespace km32
