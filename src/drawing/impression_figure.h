#pragma once
// Printing a figure, and the geometry of an adjusted copy that the sibling
// library prints for a linked figure.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

// Prints the drawing on one page of the printer, from the print settings
// (texteImpression: colour 'C' or one colour 'N', then 'F' the size is the
// picture's width or 'U' the length of the unit Uxyz; valeurImpression the
// size in millimetres, 0 for the screen's size). With the print frame shown
// only the part inside it is printed, a few pixels inside the frame. Returns
// 0 when printed, else the phrase of the reason, which is shown: 648 no
// printer, 649 wider or 650 higher than the printable area.
int imprimeFigure(TfigureKalmetra& f);

// An adjusted copy for printing (the dialog's text: a two-character prefix,
// the size in millimetres, ";" and the unit as its last character, "0" the
// picture's width, "1" the length of Uxyz): the picture must fit the width
// and height available in the shared table (phrases 649 and 650 under the
// title 648 otherwise). When it fits, the screen metrics, the zone's offsets
// and the screen pixels per unit of the size are written into the shared
// table and the result is true.
bool copieImageAjustee(TfigureKalmetra& f, const std::string& texte);

} // namespace km32
