#pragma once
// The recording backend: keeps the exact list of primitives drawn, in device
// pixels with the state they were drawn with, so tests can check a drawing
// without looking at pixels. Text is measured on a fixed character cell.
#include "platform/contexte_dessin_rendu.h"

#include <string>
#include <vector>

namespace km32::platform {

enum class TypePrimitive : uint8_t { Polyligne, Rectangle, Ellipse, Polygone, Pixel, Texte, Image };

struct Primitive {
    TypePrimitive type = TypePrimitive::Polyligne;
    EtatTrace etat;
    std::vector<Point> points; // polyline and polygon vertices; the point of a pixel or a text
    Rect rect;                 // rectangle, ellipse, destination of an image
    Rect source;               // the part of the image copied
    Taille tailleImage;        // size of the whole source image
    Couleur couleur = 0;       // colour of a pixel
    std::string texte;         // Windows-1252
    bool depuisCopie = false;  // came from a recorded off-screen bitmap copied here
};

// Width of the fixed character cell of the recording backend for a font of
// that height: 3/5 of the height, rounded, at least 1. Its height is the
// font height.
int32_t largeurCelluleEnregistree(int32_t hauteurPolice);

// The pixels a 1-pixel pen covers from a to b by the raster rules: one per
// step along the longer axis from a, b left out (nothing when a = b); on the
// shorter axis the nearest pixel, a tie staying on the side of a.
std::vector<Point> pixelsDeLigne(Point a, Point b);

// Whether a recorded primitive marks the device pixel p (inside its clip):
// lines by pixelsDeLigne (wider pens: within half their width of a segment,
// ends included), rectangles by their outline and, with a brush, interior
// (one row and column less with the null pen), ellipses and polygons by the
// pixel centre, pixels, images by their destination, texts by their fixed
// cells. Lets tests ask about a few pixels without rendering anything.
bool marquePixel(const Primitive& primitive, Point p);

// The same overrides as RenduCairo: two backends of the one Rendu interface.
class RenduEnregistre : public Rendu {
  public:
    void polyligne(const EtatTrace& etat, const std::vector<Point>& points) override;
    void rectangle(const EtatTrace& etat, Rect r) override;
    void ellipse(const EtatTrace& etat, Rect r) override;
    void polygone(const EtatTrace& etat, const std::vector<Point>& points) override;
    void pixel(const EtatTrace& etat, Point p, Couleur c) override;
    void texte(const EtatTrace& etat, Point p, const std::string& texte) override;
    Taille mesureTexte(const Police& police, const std::string& texte) override;
    void image(const EtatTrace& etat, const Image& image, Rect source, Rect dest) override;

    // Records a primitive. With visibleSeulement, one that paints over a
    // part of the surface entirely (a picture, a rectangle filled with a
    // solid brush) first drops the primitives it hides wholly, so the
    // recording never outgrows what the surface shows.
    void ajoute(Primitive p);

    std::vector<Primitive> primitives;
    // Keep only what can still be seen (the surface of a window, painted
    // again and again), rather than every call made (a test's recording).
    bool visibleSeulement = false;
};

} // namespace km32::platform
