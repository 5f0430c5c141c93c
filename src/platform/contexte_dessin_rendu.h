#pragma once
// The backend a device context draws through. Every call is in device
// pixels, with the state already mapped. Raster rules every backend keeps:
// - a line or polyline does not draw its last point (a 1-pixel pen from
//   (0, 0) to (10, 0) covers x = 0..9); a zero-length line draws nothing
//   with a 1-pixel pen and a round dot with a wider one;
// - a rectangle (l, t, r, b) covers x = l..r-1 and y = t..b-1 with its
//   outline; with the null pen its filled interior is one pixel smaller
//   (l..r-2 by t..b-2), so filling a whole area takes (0, 0, w + 1, h + 1);
// - an ellipse lies inside the same box as the rectangle would.
#include "platform/contexte_dessin_types.h"

#include <cstddef>
#include <string>
#include <vector>

namespace km32::platform {

class Rendu {
  public:
    virtual ~Rendu() = default;
    virtual void polyligne(const EtatTrace& etat, const std::vector<Point>& points) = 0;
    // Separate segments with one state: points 2k and 2k + 1 are the ends
    // of segment k (an odd last point is ignored). The same as a two-point
    // polyline for each in turn; a backend may draw them at once when that
    // gives the same result.
    virtual void segments(const EtatTrace& etat, const std::vector<Point>& extremites) {
        for (std::size_t k = 0; k + 1 < extremites.size(); k += 2)
            polyligne(etat, {extremites[k], extremites[k + 1]});
    }
    virtual void rectangle(const EtatTrace& etat, Rect r) = 0;
    virtual void ellipse(const EtatTrace& etat, Rect r) = 0;
    virtual void polygone(const EtatTrace& etat, const std::vector<Point>& points) = 0;
    virtual void pixel(const EtatTrace& etat, Point p, Couleur c) = 0;
    // Text (Windows-1252) with its cell's top-left corner at p.
    virtual void texte(const EtatTrace& etat, Point p, const std::string& texte) = 0;
    // Size in device pixels of a text in a font of that device height.
    virtual Taille mesureTexte(const Police& police, const std::string& texte) = 0;
    // Copies the part source of an image into dest, stretched when the sizes differ.
    virtual void image(const EtatTrace& etat, const Image& image, Rect source, Rect dest) = 0;
};

// Sends every primitive to two backends; measures with the first.
class RenduDouble : public Rendu {
  public:
    RenduDouble(Rendu& premier, Rendu& second) : premier_(premier), second_(second) {}
    void polyligne(const EtatTrace& e, const std::vector<Point>& p) override {
        premier_.polyligne(e, p);
        second_.polyligne(e, p);
    }
    void segments(const EtatTrace& e, const std::vector<Point>& p) override {
        premier_.segments(e, p);
        second_.segments(e, p);
    }
    void rectangle(const EtatTrace& e, Rect r) override {
        premier_.rectangle(e, r);
        second_.rectangle(e, r);
    }
    void ellipse(const EtatTrace& e, Rect r) override {
        premier_.ellipse(e, r);
        second_.ellipse(e, r);
    }
    void polygone(const EtatTrace& e, const std::vector<Point>& p) override {
        premier_.polygone(e, p);
        second_.polygone(e, p);
    }
    void pixel(const EtatTrace& e, Point p, Couleur c) override {
        premier_.pixel(e, p, c);
        second_.pixel(e, p, c);
    }
    void texte(const EtatTrace& e, Point p, const std::string& t) override {
        premier_.texte(e, p, t);
        second_.texte(e, p, t);
    }
    Taille mesureTexte(const Police& police, const std::string& t) override {
        return premier_.mesureTexte(police, t);
    }
    void image(const EtatTrace& e, const Image& i, Rect s, Rect d) override {
        premier_.image(e, i, s, d);
        second_.image(e, i, s, d);
    }

  private:
    Rendu& premier_;
    Rendu& second_;
};

} // namespace km32::platform
