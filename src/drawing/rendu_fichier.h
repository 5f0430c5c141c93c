#pragma once
// A figure drawn into a picture file: a PNG image, or an SVG or PDF page
// (one pixel of the drawing is one point), of the figure's drawing size,
// painted from its display list as it stands.
#include <string>

#include "model/figure.h"

namespace km32 {

enum class FormatDessin : uint8_t { Inconnu, Png, Svg, Pdf };

// The format a file name asks for by its extension (".png", ".svg", ".pdf",
// in any case).
FormatDessin formatDeFichier(const std::string& fichier);

// Paints the figure into the file (name in UTF-8); false when the format is
// unknown or the file could not be written.
bool ecritDessinFigure(TfigureKalmetra& f, const std::string& fichier, FormatDessin format);

} // namespace km32
