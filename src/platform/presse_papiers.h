#pragma once
// The clipboard: at most one text (Windows-1252 bytes) and one picture at a
// time. A writer opens it for a window, empties it (the window becomes its
// owner), puts its formats and closes it. Opening fails while another window
// holds it open, or while a test makes it unavailable. Hosts and tests read
// it at any time.
//
// The picture is what the system would keep as a metafile picture: the
// recorded primitives in logical units, the window rectangle they fill
// (origin and extent, mapping mode anisotropic) and the physical size of
// that rectangle in hundredths of a millimetre, written out as an SVG and a
// PDF document of that size, and as a PNG bitmap of it at 96 pixels per inch.
#include "platform/presse_papiers_image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace km32::platform {

// The mapping mode a picture declares (the system's MM_ANISOTROPIC).
constexpr int32_t kModeAnisotrope = 8;

struct ImagePressePapiers {
    uint32_t handle = 0;
    int32_t modeProjection = kModeAnisotrope;
    int32_t largeurCentiemesMm = 0, hauteurCentiemesMm = 0;
    Point origineFenetre;
    Taille etendueFenetre;
    std::vector<Primitive> primitives;
    std::string svg, pdf, png;
};

// The picture of a drawing made for that page (its documents are written out).
ImagePressePapiers imageDeDessin(DessinVectoriel& dessin, const MiseEnPage& page);

// False when the clipboard is unavailable or open for another window.
bool ouvrePressePapiers(uint32_t fenetre);
// False when it was not open.
bool fermePressePapiers();
// Empties it and makes the opening window its owner; false when not open.
bool videPressePapiers();
// Puts the text in place of the one there; false when not open.
bool metTexteDansPressePapiers(std::string_view texte);
// Puts the picture in place of the one there; its handle (never 0), 0 when not open.
uint32_t metImageDansPressePapiers(ImagePressePapiers image);

// Opens, empties, puts the text and closes; false when it could not be opened.
bool copieTexteDansPressePapiers(uint32_t fenetre, std::string_view texte);

// What it holds: nullptr when there is no text, no picture.
const std::string* textePressePapiers();
const ImagePressePapiers* imagePressePapiers();
uint32_t proprietairePressePapiers();
bool pressePapiersOuvert();
// Counts every change of the contents (emptying, each format put).
uint32_t numeroSequencePressePapiers();

// Tests: a clipboard that cannot be opened (another program holds it).
void fixePressePapiersDisponible(bool disponible);
// Empty, closed and available.
void reinitialisePressePapiers();

} // namespace km32::platform
