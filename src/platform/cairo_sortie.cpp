#include "platform/cairo_sortie.h"

#include "platform/cairo_rendu.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace km32::platform {

SortieVectorielle::SortieVectorielle(FormatVectoriel format, const std::string& fichier, double largeur,
                                     double hauteur, double pointsParUnite) {
    const double w = std::isfinite(largeur) ? std::max(1.0, largeur) : 1.0;
    const double h = std::isfinite(hauteur) ? std::max(1.0, hauteur) : 1.0;
    surface_ = format == FormatVectoriel::Svg ? cairo_svg_surface_create(fichier.c_str(), w, h)
                                              : cairo_pdf_surface_create(fichier.c_str(), w, h);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        termine_ = true;
        return;
    }
    if (std::isfinite(pointsParUnite) && pointsParUnite > 0)
        cairo_surface_set_device_scale(surface_, pointsParUnite, pointsParUnite);
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
