#pragma once
// An off-screen bitmap: width x height pixels of 32 bits that a device context
// draws into once the bitmap is selected into it (selectionneBitmap), read
// pixel by pixel, copied to another context (copieBits) or written to PNG.
// A bitmap may also keep a recording of every primitive drawn into it.
#include "platform/contexte_dessin_types.h"
#include "platform/trace_enregistre.h"

#include <memory>
#include <optional>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace km32::platform {

class ContexteDessin;

// Largest side of a bitmap, in pixels.
constexpr int32_t kCoteMaximalBitmap = 16384;

class Bitmap {
  public:
    // A bitmap of that size, all black. A side below 1 becomes 1; a side above
    // kCoteMaximalBitmap throws ErreurInterne.
    Bitmap(int32_t largeur, int32_t hauteur, bool enregistre = false);
    ~Bitmap(); // a context that still holds it draws nowhere afterwards
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int32_t largeur() const { return image_.largeur; }
    int32_t hauteur() const { return image_.hauteur; }
    // The pixels as they stand after everything drawn so far.
    const Image& image() const;
    std::optional<Couleur> pixel(int32_t x, int32_t y) const;
    cairo_surface_t* surface() const { return surface_; }
    // The recording of what was drawn into it; nullptr when it keeps none.
    RenduEnregistre* journal() const { return journal_.get(); }

  private:
    Image image_;
    cairo_surface_t* surface_ = nullptr;
    std::unique_ptr<RenduEnregistre> journal_;
    ContexteDessin* selectionnePar_ = nullptr;
    friend Bitmap* selectionneBitmap(ContexteDessin& dc, Bitmap* bitmap);
};

// Writes the bitmap as a PNG file (name in UTF-8), whole or not at all
// (platform::ecritImage): false on failure, the old file then as it was,
// with the system's error number (errno) in *erreur when given.
bool ecritPng(const Bitmap& bitmap, const std::string& fichier, int* erreur = nullptr);

} // namespace km32::platform
