#include "platform/cairo_sortie.h"

#include "platform/cairo_rendu.h"
#include "platform/flux_cairo.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <string_view>

namespace km32::platform {

cairo_status_t ecritureCairo(void* flux, const unsigned char* octets, unsigned int longueur) {
    const std::string_view morceau(reinterpret_cast<const char*>(octets), longueur);
    return static_cast<FichierImage*>(flux)->ecrit(morceau) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

SortieVectorielle::SortieVectorielle(FormatVectoriel format, const std::string& fichier, double largeur,
                                     double hauteur, double pointsParUnite)
    : flux_(fichier) {
    if (flux_.erreur() != 0) { // no file can be made there: nothing is drawn
        termine_ = true;
        return;
    }
    const double w = std::isfinite(largeur) ? std::max(1.0, largeur) : 1.0;
    const double h = std::isfinite(hauteur) ? std::max(1.0, hauteur) : 1.0;
    surface_ = format == FormatVectoriel::Svg
                   ? cairo_svg_surface_create_for_stream(ecritureCairo, &flux_, w, h)
                   : cairo_pdf_surface_create_for_stream(ecritureCairo, &flux_, w, h);
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
    if (surface_) cairo_surface_destroy(surface_);
}

bool SortieVectorielle::termine() {
    if (termine_) return reussi_;
    termine_ = true;
    contexte_.reset(); // the backend lets go of the surface first
    cairo_surface_finish(surface_);
    // A drawing that failed is not written: the old file, if any, stays.
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) flux_.abandonne();
    reussi_ = flux_.ferme();
    return reussi_;
}

int SortieVectorielle::erreur() const {
    if (flux_.erreur() != 0) return flux_.erreur();
    return termine_ && !reussi_ ? EIO : 0;
}

} // namespace km32::platform
