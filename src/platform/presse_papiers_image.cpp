#include "platform/presse_papiers_image.h"

#include "platform/cairo_rendu.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace km32::platform {

namespace {

// Draws nowhere: what the recording alone keeps once the documents are written.
class RenduNul : public Rendu {
  public:
    void polyligne(const EtatTrace&, const std::vector<Point>&) override {}
    void rectangle(const EtatTrace&, Rect) override {}
    void ellipse(const EtatTrace&, Rect) override {}
    void polygone(const EtatTrace&, const std::vector<Point>&) override {}
    void pixel(const EtatTrace&, Point, Couleur) override {}
    void texte(const EtatTrace&, Point, const std::string&) override {}
    Taille mesureTexte(const Police&, const std::string&) override { return {}; }
    void image(const EtatTrace&, const Image&, Rect, Rect) override {}
};

RenduNul& renduNul() {
    static RenduNul r;
    return r;
}

// The bitmap's side is kept to what a clipboard can carry.
constexpr double kCoteBitmapMax = 8192;

cairo_status_t ajouteOctets(void* sortie, const unsigned char* octets, unsigned int longueur) {
    static_cast<std::string*>(sortie)->append(reinterpret_cast<const char*>(octets), longueur);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

// One document being written: its surface (the page in its own unit, the
// window mapped onto it by the device transform), its renderer and its bytes.
// The bitmap is the page at the screen's 96 pixels per inch on white, written
// out as PNG for the programs that paste only pictures made of pixels.
struct DessinVectoriel::Document {
    enum Genre { kSvg, kPdf, kPng };
    Genre genre;
    std::string octets;
    cairo_surface_t* surface = nullptr;
    std::unique_ptr<RenduCairo> rendu;

    Document(Genre g, const MiseEnPage& page) : genre(g) {
        // SVG in millimetres, PDF in points, the bitmap in pixels.
        const double unite = g == kSvg ? 1.0 : g == kPdf ? 72.0 / 25.4 : 96.0 / 25.4;
        double largeur = page.largeurCentiemesMm / 100.0 * unite;
        double hauteur = page.hauteurCentiemesMm / 100.0 * unite;
        if (g == kSvg) {
            surface = cairo_svg_surface_create_for_stream(ajouteOctets, &octets, largeur, hauteur);
            cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
        } else if (g == kPdf) {
            surface = cairo_pdf_surface_create_for_stream(ajouteOctets, &octets, largeur, hauteur);
        } else {
            largeur = std::clamp(std::round(largeur), 1.0, kCoteBitmapMax);
            hauteur = std::clamp(std::round(hauteur), 1.0, kCoteBitmapMax);
            surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(largeur), int(hauteur));
            cairo_t* fond = cairo_create(surface);
            cairo_set_source_rgb(fond, 1, 1, 1);
            cairo_paint(fond);
            cairo_destroy(fond);
        }
        const double sx = largeur / page.etendue.cx, sy = hauteur / page.etendue.cy;
        cairo_surface_set_device_scale(surface, sx, sy);
        cairo_surface_set_device_offset(surface, -page.origine.x * sx, -page.origine.y * sy);
        rendu = std::make_unique<RenduCairo>(surface);
    }
    ~Document() {
        rendu.reset(); // lets go of the surface first
        cairo_surface_destroy(surface);
    }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    // Ends the document and keeps its bytes; false on failure.
    bool finit() {
        rendu.reset();
        if (genre == kPng && ok()) {
            cairo_surface_flush(surface);
            if (cairo_surface_write_to_png_stream(surface, ajouteOctets, &octets) != CAIRO_STATUS_SUCCESS)
                return false;
        }
        cairo_surface_finish(surface);
        return ok();
    }
};

DessinVectoriel::DessinVectoriel(const MiseEnPage& page, bool avecSvg) {
    const bool valide = page.etendue.cx > 0 && page.etendue.cy > 0 && page.largeurCentiemesMm > 0 &&
                        page.hauteurCentiemesMm > 0;
    if (valide) {
        documents_.push_back(std::make_unique<Document>(Document::kPdf, page));
        if (avecSvg) {
            documents_.push_back(std::make_unique<Document>(Document::kSvg, page));
            documents_.push_back(std::make_unique<Document>(Document::kPng, page));
        }
    }
    // Every document draws what the context draws: a chain of pairs.
    Rendu* vectoriel =
        documents_.empty() ? static_cast<Rendu*>(&renduNul()) : documents_.front()->rendu.get();
    for (std::size_t k = 1; k < documents_.size(); ++k) {
        chaine_.push_back(std::make_unique<RenduDouble>(*documents_[k]->rendu, *vectoriel));
        vectoriel = chaine_.back().get();
    }
    // The recording first: texts are measured on its fixed cell, as on the screen.
    contexte_ =
        std::make_unique<ContexteDessin>(std::make_unique<RenduDouble>(journal_, *vectoriel), &journal_);
}

DessinVectoriel::~DessinVectoriel() {
    termine();
}

std::vector<Primitive> DessinVectoriel::nouvellePage() {
    for (auto& d : documents_)
        if (d->genre == Document::kPdf) cairo_surface_show_page(d->surface);
    return std::exchange(journal_.primitives, {});
}

bool DessinVectoriel::termine() {
    if (termine_) return reussi_;
    termine_ = true;
    contexte_->changeRendu(std::make_unique<RenduDouble>(journal_, renduNul()), &journal_, nullptr);
    chaine_.clear();
    reussi_ = !documents_.empty();
    for (auto& d : documents_)
        if (!d->finit()) reussi_ = false;
    if (reussi_)
        for (auto& d : documents_)
            (d->genre == Document::kSvg   ? svg_
             : d->genre == Document::kPdf ? pdf_
                                          : png_) = std::move(d->octets);
    documents_.clear();
    return reussi_;
}

} // namespace km32::platform
