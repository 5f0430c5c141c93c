#include "platform/image_bitmap.h"

#include "base/erreur.h"
#include "platform/contexte_dessin.h"
#include "platform/fichiers.h"
#include "platform/flux_cairo.h"

#include <cerrno>

#include <cairo.h>

namespace km32::platform {

std::optional<Couleur> couleurPixel(const Image& image, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= image.largeur || y >= image.hauteur) return std::nullopt;
    std::size_t i = std::size_t(y) * std::size_t(image.largeur) + std::size_t(x);
    if (i >= image.pixels.size()) return std::nullopt;
    return couleurDeArgb(image.pixels[i]);
}

Bitmap::Bitmap(int32_t largeur, int32_t hauteur, bool enregistre) {
    if (largeur < 1) largeur = 1;
    if (hauteur < 1) hauteur = 1;
    verifieCapacite(largeur, kCoteMaximalBitmap, "bitmap width");
    verifieCapacite(hauteur, kCoteMaximalBitmap, "bitmap height");
    image_.largeur = largeur;
    image_.hauteur = hauteur;
    image_.pixels.assign(std::size_t(largeur) * std::size_t(hauteur), 0xFF000000u);
    // ARGB32 rows are exactly 4 * width bytes, so the pixels need no padding.
    surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(image_.pixels.data()),
                                                   CAIRO_FORMAT_ARGB32, largeur, hauteur, largeur * 4);
    if (enregistre) journal_ = std::make_unique<RenduEnregistre>();
}

Bitmap::~Bitmap() {
    if (selectionnePar_) selectionneBitmap(*selectionnePar_, nullptr);
    cairo_surface_finish(surface_);
    cairo_surface_destroy(surface_);
}

const Image& Bitmap::image() const {
    cairo_surface_flush(surface_);
    return image_;
}

std::optional<Couleur> Bitmap::pixel(int32_t x, int32_t y) const {
    return couleurPixel(image(), x, y);
}

bool ecritPng(const Bitmap& bitmap, const std::string& fichier, int* erreur) {
    cairo_surface_flush(bitmap.surface());
    FichierImage flux(fichier);
    const cairo_status_t etat = cairo_surface_write_to_png_stream(bitmap.surface(), ecritureCairo, &flux);
    // A PNG that cairo could not finish is not written: the old file stays.
    if (etat != CAIRO_STATUS_SUCCESS) flux.abandonne();
    const bool ecrit = flux.ferme();
    if (erreur) *erreur = ecrit ? 0 : flux.erreur() != 0 ? flux.erreur() : EIO;
    return ecrit;
}

} // namespace km32::platform
