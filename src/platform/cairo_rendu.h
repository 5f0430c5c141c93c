#pragma once
// The cairo backend: draws into any cairo surface (an ARGB32 image, an SVG or
// a PDF file) with the raster rules of contexte_dessin_rendu.h. A 1-pixel
// pen lands on whole pixels (its path runs through pixel centres), so
// horizontal and vertical lines are crisp. Text is DejaVu Sans through
// cairo's own text calls, the font size chosen so that ascent + descent is
// the font height; mathematical text (FamillePolice::Math) is a serif with
// italic letters, set into the character cells of the recording backend.
#include "platform/contexte_dessin_rendu.h"

#include <memory>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace km32::platform {

class ContexteDessin;
struct SerieGlyphes;

class RenduCairo : public Rendu {
  public:
    explicit RenduCairo(cairo_surface_t* surface);
    ~RenduCairo() override;
    RenduCairo(const RenduCairo&) = delete;
    RenduCairo& operator=(const RenduCairo&) = delete;

    void polyligne(const EtatTrace& etat, const std::vector<Point>& points) override;
    void segments(const EtatTrace& etat, const std::vector<Point>& extremites) override;
    void rectangle(const EtatTrace& etat, Rect r) override;
    void ellipse(const EtatTrace& etat, Rect r) override;
    void polygone(const EtatTrace& etat, const std::vector<Point>& points) override;
    void pixel(const EtatTrace& etat, Point p, Couleur c) override;
    void texte(const EtatTrace& etat, Point p, const std::string& texte) override;
    Taille mesureTexte(const Police& police, const std::string& texte) override;
    void image(const EtatTrace& etat, const Image& image, Rect source, Rect dest) override;

  private:
    void commence(const EtatTrace& etat);
    void choisitFonte(const Police& police);
    void texteMath(const EtatTrace& etat, Point p, const std::string& texte);
    std::vector<SerieGlyphes> metEnPageMath(const Police& police, const std::string& texte);
    void remplit(const EtatTrace& etat);
    void trace(const EtatTrace& etat, bool ferme);
    cairo_t* cr_ = nullptr;
};

// Frees the font and surface caches that cairo and fontconfig keep for the
// whole process. Call it once at unload, when no cairo object is left.
void libereCachesCairo();

// A context drawing into a cairo surface (the surface must outlive it).
std::unique_ptr<ContexteDessin> creeContexteCairo(cairo_surface_t* surface);

} // namespace km32::platform
