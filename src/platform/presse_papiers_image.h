#pragma once
// A drawing kept for later, the way a memory metafile keeps one: a device
// context whose primitives are recorded twice, as a list (for tests and for
// reading back) and as cairo vector operations. Once the drawing is done it
// becomes a picture of a physical size: the window rectangle of the drawing
// (origin and extent in logical units) is stretched over a width and height
// given in hundredths of a millimetre, and written out as an SVG or a PDF
// document. A printer page uses the same recording (impression.h).
#include "platform/cairo_sortie.h"
#include "platform/contexte_dessin.h"
#include "platform/trace_enregistre.h"

#include <memory>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace km32::platform {

// The largest coordinate or extent a picture takes (the drawing clamp).
constexpr int32_t kCoordonneeMaximale = 1048320;

class DessinEnregistre {
  public:
    // The drawing keeps what falls inside cadre (logical units); vector
    // documents show no more than that.
    explicit DessinEnregistre(Rect cadre);
    ~DessinEnregistre();
    DessinEnregistre(const DessinEnregistre&) = delete;
    DessinEnregistre& operator=(const DessinEnregistre&) = delete;

    // The context to draw into (logical units are kept as they are drawn).
    ContexteDessin& contexte() { return *contexte_; }
    const std::vector<Primitive>& primitives() const { return journal_.primitives; }
    // The cairo recording of what was drawn (owned by this object).
    cairo_surface_t* surface() const { return surface_; }

  private:
    cairo_surface_t* surface_ = nullptr;
    RenduEnregistre journal_;
    std::unique_ptr<Rendu> cairo_;
    std::unique_ptr<ContexteDessin> contexte_;
};

// Where a recorded drawing goes on a page: the window rectangle (origine,
// etendue, logical units) is stretched over the page's width and height in
// hundredths of a millimetre. An extent of 0 or less makes no document.
struct MiseEnPage {
    Point origine;
    Taille etendue{1, 1};
    int32_t largeurCentiemesMm = 0;
    int32_t hauteurCentiemesMm = 0;
};

// One document of the recorded pages (SVG: the first page only, its width and
// height written in millimetres; PDF: one page each). Empty on failure.
std::string documentVectoriel(FormatVectoriel format, const std::vector<const DessinEnregistre*>& pages,
                              const MiseEnPage& miseEnPage);

} // namespace km32::platform
