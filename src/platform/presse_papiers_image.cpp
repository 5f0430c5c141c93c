#include "platform/presse_papiers_image.h"

#include "platform/cairo_rendu.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>

namespace km32::platform {

namespace {

cairo_status_t ajouteOctets(void* sortie, const unsigned char* octets, unsigned int longueur) {
    static_cast<std::string*>(sortie)->append(reinterpret_cast<const char*>(octets), longueur);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

DessinEnregistre::DessinEnregistre(Rect cadre) {
    // A bounded recording: its documents clip to the frame with clip paths
    // they define (an unbounded one refers to a clip path it never writes).
    cadre = normalise(cadre);
    const cairo_rectangle_t limites{double(cadre.gauche), double(cadre.haut),
                                    double(std::max(1, cadre.largeur())),
                                    double(std::max(1, cadre.hauteur()))};
    surface_ = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &limites);
    cairo_ = std::make_unique<RenduCairo>(surface_);
    contexte_ = std::make_unique<ContexteDessin>(std::make_unique<RenduDouble>(journal_, *cairo_), &journal_);
}

DessinEnregistre::~DessinEnregistre() {
    contexte_.reset();
    cairo_.reset(); // lets go of the surface first
    cairo_surface_destroy(surface_);
}

std::string documentVectoriel(FormatVectoriel format, const std::vector<const DessinEnregistre*>& pages,
                              const MiseEnPage& page) {
    if (pages.empty() || page.etendue.cx <= 0 || page.etendue.cy <= 0 || page.largeurCentiemesMm <= 0 ||
        page.hauteurCentiemesMm <= 0)
        return {};
    const double largeurMm = page.largeurCentiemesMm / 100.0, hauteurMm = page.hauteurCentiemesMm / 100.0;
    std::string sortie;
    cairo_surface_t* surface = nullptr;
    double largeur = 0, hauteur = 0; // in the document's own unit
    if (format == FormatVectoriel::Svg) {
        largeur = largeurMm;
        hauteur = hauteurMm;
        surface = cairo_svg_surface_create_for_stream(ajouteOctets, &sortie, largeur, hauteur);
        cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
    } else {
        largeur = largeurMm * 72.0 / 25.4;
        hauteur = hauteurMm * 72.0 / 25.4;
        surface = cairo_pdf_surface_create_for_stream(ajouteOctets, &sortie, largeur, hauteur);
    }
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    const std::size_t nombre = format == FormatVectoriel::Svg ? 1 : pages.size();
    for (std::size_t k = 0; ok && k < nombre; ++k) {
        cairo_t* cr = cairo_create(surface);
        cairo_scale(cr, largeur / page.etendue.cx, hauteur / page.etendue.cy);
        cairo_translate(cr, -page.origine.x, -page.origine.y);
        cairo_set_source_surface(cr, pages[k]->surface(), 0, 0);
        cairo_paint(cr);
        if (k + 1 < nombre) cairo_show_page(cr);
        ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
        cairo_destroy(cr);
    }
    cairo_surface_finish(surface);
    ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok ? sortie : std::string();
}

} // namespace km32::platform
