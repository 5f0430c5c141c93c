#pragma once
// Plain values of the drawing layer: colours, points, rectangles, pens,
// brushes, fonts, and the state a primitive is drawn with.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/geometrie.h"

namespace km32::platform {

// A colour the way the system stores it: R + 256 G + 65536 B (0x00BBGGRR).
using Couleur = uint32_t;
constexpr Couleur rgb(uint8_t r, uint8_t g, uint8_t b) {
    return Couleur(r) | (Couleur(g) << 8) | (Couleur(b) << 16);
}
constexpr uint8_t rouge(Couleur c) {
    return uint8_t(c & 0xFF);
}
constexpr uint8_t vert(Couleur c) {
    return uint8_t((c >> 8) & 0xFF);
}
constexpr uint8_t bleu(Couleur c) {
    return uint8_t((c >> 16) & 0xFF);
}
constexpr Couleur kNoir = 0x000000;
constexpr Couleur kBlanc = 0xFFFFFF;
// The face of the system's forms and dialogs (its button-face colour).
constexpr Couleur kFaceFormulaire = rgb(240, 240, 240);

struct Taille {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const Taille&, const Taille&) = default;
};

// The drawing code's name for the platform rectangle: right and bottom edges
// are exclusive, (0, 0, 10, 5) covers pixels 0..9 by 0..4.
using Rect = Rectangle;

// The rectangle with its corners put in order (left <= right, top <= bottom).
Rect normalise(Rect r);
// The common part of two rectangles (empty when they do not meet).
Rect intersection(Rect a, Rect b);

enum class StyleStylo : uint8_t { Plein, Tirets, Points, Nul };

// A pen. Width 0 draws as 1 pixel, whatever the mapping.
struct Stylo {
    StyleStylo style = StyleStylo::Plein;
    int32_t largeur = 1;
    Couleur couleur = kNoir;
    friend bool operator==(const Stylo&, const Stylo&) = default;
};

enum class StyleBrosse : uint8_t { Pleine, Nulle, Hachuree };

// Hatch styles of a hatched brush, on an 8-pixel grid fixed to the device.
enum Hachure : uint8_t {
    kHachureHorizontale = 0,
    kHachureVerticale = 1,
    kHachureDiagonale = 2,        // down from left to right: x - y multiple of 8
    kHachureDiagonaleInverse = 3, // up from left to right: x + y multiple of 8
};

struct Brosse {
    StyleBrosse style = StyleBrosse::Pleine;
    Couleur couleur = kBlanc;
    uint8_t hachure = kHachureHorizontale;
    friend bool operator==(const Brosse&, const Brosse&) = default;
};

// Ready-made pens and brushes (the system's stock objects).
constexpr Stylo kStyloNoir{StyleStylo::Plein, 1, kNoir};
constexpr Stylo kStyloBlanc{StyleStylo::Plein, 1, kBlanc};
constexpr Stylo kStyloNul{StyleStylo::Nul, 1, kNoir};
constexpr Brosse kBrosseBlanche{StyleBrosse::Pleine, kBlanc, 0};
constexpr Brosse kBrosseNoire{StyleBrosse::Pleine, kNoir, 0};
constexpr Brosse kBrosseNulle{StyleBrosse::Nulle, kNoir, 0};
constexpr Stylo styloPlein(int32_t largeur, Couleur c) {
    return Stylo{StyleStylo::Plein, largeur, c};
}
constexpr Brosse brossePleine(Couleur c) {
    return Brosse{StyleBrosse::Pleine, c, 0};
}
constexpr Brosse brosseHachuree(uint8_t hachure, Couleur c) {
    return Brosse{StyleBrosse::Hachuree, c, hachure};
}

// Which face a font draws with: Texte is DejaVu Sans; Math is the face of
// mathematical text, a serif (STIX when installed, else DejaVu Serif) with
// letters in italic and digits and signs upright, each run fitted into the
// character cells it is measured by; NomMath the same for a name of the
// figure: its letter (and prime) then the rest as a subscript, half a cell
// lower, fitted into the box of the name's label.
enum class FamillePolice : uint8_t { Texte, Math, NomMath };

// Font: the height of its character cell in logical units, bold or not, and its face.
struct Police {
    int32_t hauteur = 16;
    bool gras = false;
    FamillePolice famille = FamillePolice::Texte;
    friend bool operator==(const Police&, const Police&) = default;
};

enum class ModeFond : uint8_t { Transparent = 1, Opaque = 2 };

// How logical coordinates become device pixels: Texte keeps the scale 1:1
// (origins still apply); Anisotrope uses the window and viewport extents.
enum class ModeProjection : uint8_t { Texte = 1, Anisotrope = 8 };

// What a primitive is drawn with, already in device units (pen width and
// font height mapped, clip in device pixels).
struct EtatTrace {
    Stylo stylo;
    Brosse brosse;
    Couleur couleurTexte = kNoir;
    Couleur couleurFond = kBlanc;
    ModeFond modeFond = ModeFond::Opaque;
    Police police;
    std::optional<Rect> decoupe;
    friend bool operator==(const EtatTrace&, const EtatTrace&) = default;
};

// A picture in memory: width x height pixels, row by row from the top, each
// 0xFFRRGGBB (the order cairo keeps in its ARGB32 images).
struct Image {
    int32_t largeur = 0;
    int32_t hauteur = 0;
    std::vector<uint32_t> pixels;
};

// Pixel of an image in the system's colour form; nothing outside it.
std::optional<Couleur> couleurPixel(const Image& image, int32_t x, int32_t y);
constexpr uint32_t argbDeCouleur(Couleur c) {
    return 0xFF000000u | (uint32_t(rouge(c)) << 16) | (uint32_t(vert(c)) << 8) | bleu(c);
}
constexpr Couleur couleurDeArgb(uint32_t p) {
    return rgb(uint8_t((p >> 16) & 0xFF), uint8_t((p >> 8) & 0xFF), uint8_t(p & 0xFF));
}

} // namespace km32::platform
