#include "platform/cairo_sortie.h"

#include "platform/cairo_rendu.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>

namespace km32::platform {

SortieVectorielle::SortieVectorielle(FormatVectoriel format, const std::string& fichier, int32_t largeur,
                                     int32_t hauteur) {
    double w = std::max(1, largeur), h = std::max(1, hauteur);
    surface_ = format == FormatVectoriel::Svg ? cairo_svg_surface_create(fichier.c_str(), w, h)
                                              : cairo_pdf_surface_create(fichier.c_str(), w, h);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        termine_ = true;
        return;
    }
    contexte_ = creeContexteCairo(surface_);
}

SortieVectorielle::~SortieVectorielle() {
    termine();
    cairo_surface_destroy(surface_);
}

bool SortieVectorielle::termine() {
    if (termine_) return reussi_;
    termine_ = true;
    contexte_.reset(); // the backend lets go of the surface first
    cairo_surface_finish(surface_);
    reussi_ = cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    return reussi_;
}

} // namespace km32::platform
