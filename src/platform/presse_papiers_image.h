#pragma once
// A drawing written as it is drawn, the way a metafile keeps one: a device
// context whose primitives are recorded as a list (for tests and for reading
// back) and drawn at the same time into an SVG and a PDF document, and a
// bitmap of the page at 96 pixels per inch written out as PNG. The page
// gives the documents their physical size: the window rectangle of the
// drawing (origin and extent, in logical units) fills a width and height
// given in hundredths of a millimetre. The recorded printer draws its pages
// the same way (impression.h).
#include "platform/cairo_sortie.h"
#include "platform/contexte_dessin.h"
#include "platform/trace_enregistre.h"

#include <memory>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace km32::platform {

// Where the drawing goes on a page: the window rectangle (origine, etendue,
// logical units) is stretched over the page's width and height in hundredths
// of a millimetre.
struct MiseEnPage {
    Point origine;
    Taille etendue{1, 1};
    int32_t largeurCentiemesMm = 0;
    int32_t hauteurCentiemesMm = 0;
};

class DessinVectoriel {
  public:
    // The documents of the page (the SVG one and the bitmap only when asked). A page without
    // extent or size makes no document; the primitives are still recorded.
    explicit DessinVectoriel(const MiseEnPage& page, bool avecSvg = true);
    ~DessinVectoriel();
    DessinVectoriel(const DessinVectoriel&) = delete;
    DessinVectoriel& operator=(const DessinVectoriel&) = delete;

    ContexteDessin& contexte() { return *contexte_; }
    // The primitives of the page being drawn, in logical units.
    const std::vector<Primitive>& primitives() const { return journal_.primitives; }
    // Ends the page and starts another (the PDF document gets a new page;
    // the SVG document keeps the first). Returns the primitives of the page
    // that ended.
    std::vector<Primitive> nouvellePage();
    // Writes the documents out; false when they could not be written.
    bool termine();
    // The documents once written (empty before, or on failure).
    const std::string& svg() const { return svg_; }
    const std::string& pdf() const { return pdf_; }
    const std::string& png() const { return png_; }

  private:
    struct Document;
    RenduEnregistre journal_;
    std::vector<std::unique_ptr<Document>> documents_;
    std::vector<std::unique_ptr<Rendu>> chaine_; // pairs that draw into every document
    std::unique_ptr<ContexteDessin> contexte_;
    std::string svg_, pdf_, png_;
    bool termine_ = false, reussi_ = false;
};

} // namespace km32::platform
