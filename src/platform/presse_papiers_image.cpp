#include "platform/presse_papiers_image.h"

#include "platform/cairo_rendu.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

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

cairo_status_t ajouteOctets(void* sortie, const unsigned char* octets, unsigned int longueur) {
    static_cast<std::string*>(sortie)->append(reinterpret_cast<const char*>(octets), longueur);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

// One document being written: its surface (the page in its own unit, the
// window mapped onto it by the device transform), its renderer and its bytes.
struct DessinVectoriel::Document {
    FormatVectoriel format;
    std::string octets;
    cairo_surface_t* surface = nullptr;
    std::unique_ptr<RenduCairo> rendu;

    Document(FormatVectoriel f, const MiseEnPage& page) : format(f) {
        // SVG in millimetres, PDF in points.
        const double unite = f == FormatVectoriel::Svg ? 1.0 : 72.0 / 25.4;
        const double largeur = page.largeurCentiemesMm / 100.0 * unite;
        const double hauteur = page.hauteurCentiemesMm / 100.0 * unite;
        if (f == FormatVectoriel::Svg) {
            surface = cairo_svg_surface_create_for_stream(ajouteOctets, &octets, largeur, hauteur);
            cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
        } else {
            surface = cairo_pdf_surface_create_for_stream(ajouteOctets, &octets, largeur, hauteur);
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
};

DessinVectoriel::DessinVectoriel(const MiseEnPage& page, bool avecSvg) {
    const bool valide = page.etendue.cx > 0 && page.etendue.cy > 0 && page.largeurCentiemesMm > 0 &&
                        page.hauteurCentiemesMm > 0;
    if (valide) {
        if (avecSvg) documents_.push_back(std::make_unique<Document>(FormatVectoriel::Svg, page));
        documents_.push_back(std::make_unique<Document>(FormatVectoriel::Pdf, page));
    }
    // The recording first: texts are measured on its fixed cell, as on the screen.
    if (documents_.size() == 2)
        cairo_ = std::make_unique<RenduDouble>(*documents_[0]->rendu, *documents_[1]->rendu);
    Rendu& vectoriel = cairo_               ? *cairo_
                       : documents_.empty() ? static_cast<Rendu&>(renduNul())
                                            : *documents_[0]->rendu;
    contexte_ =
        std::make_unique<ContexteDessin>(std::make_unique<RenduDouble>(journal_, vectoriel), &journal_);
}

DessinVectoriel::~DessinVectoriel() {
    termine();
}

std::vector<Primitive> DessinVectoriel::nouvellePage() {
    for (auto& d : documents_)
        if (d->format == FormatVectoriel::Pdf) cairo_surface_show_page(d->surface);
    return std::exchange(journal_.primitives, {});
}

bool DessinVectoriel::termine() {
    if (termine_) return reussi_;
    termine_ = true;
    contexte_->changeRendu(std::make_unique<RenduDouble>(journal_, renduNul()), &journal_, nullptr);
    cairo_.reset();
    reussi_ = !documents_.empty();
    for (auto& d : documents_) {
        d->rendu.reset();
        cairo_surface_finish(d->surface);
        if (!d->ok()) reussi_ = false;
    }
    if (reussi_)
        for (auto& d : documents_)
            (d->format == FormatVectoriel::Svg ? svg_ : pdf_) = std::move(d->octets);
    documents_.clear();
    return reussi_;
}

} // namespace km32::platform
