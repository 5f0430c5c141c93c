#pragma once
// A figure drawn into a picture file: a PNG image of the figure's drawing
// size, or an SVG or PDF page of a physical size (by default one point per
// pixel of the drawing), painted from its display list as it stands. The
// vector pages are drawn in scaled mode in hundredths of a millimetre, so
// lines, curves and the dashes of hidden parts keep their precision.
#include <string>

#include "model/figure.h"

namespace km32 {

enum class FormatDessin : uint8_t { Inconnu, Png, Svg, Pdf };

// The format a file name asks for by its extension (".png", ".svg", ".pdf",
// in any case).
FormatDessin formatDeFichier(const std::string& fichier);

// Hundredths of a millimetre per pixel of a drawing largeurPixels wide shown
// largeurMm millimetres wide; one point (2540/72) when largeurMm is not a
// positive number.
double centiemesMmParPixel(int32_t largeurPixels, double largeurMm);

// Paints the figure into the file (name in UTF-8); an SVG or PDF page is
// largeurMm millimetres wide (0: one point per pixel), its height in the
// drawing's proportion. False when the format is unknown or the file could
// not be written; erreurDernierDessinFichier then says why.
bool ecritDessinFigure(TfigureKalmetra& f, const std::string& fichier, FormatDessin format,
                       double largeurMm = 0);

// Why the last ecritDessinFigure failed: the system's error number (errno:
// ENOSPC a full disk, ENOENT a missing folder...; EINVAL an unknown
// format), 0 after a file written. It is the library's state: the library's
// reset clears it (reinitialiseDessinFichier).
int erreurDernierDessinFichier();
void reinitialiseDessinFichier();

} // namespace km32
