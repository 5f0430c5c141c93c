#pragma once
// Vector output of a drawing to a file: an SVG or PDF surface of a given size
// in points with a device context drawing into it. One device unit is one
// point, or the fraction of a point given, so that a drawing can keep
// coordinates finer than a point. The file is written whole once termine()
// returns or the output is destroyed (platform::ecritImage): until then, and
// after a failure, the old file stays as it was.
#include "platform/contexte_dessin.h"
#include "platform/fichiers.h"

#include <memory>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace km32::platform {

enum class FormatVectoriel : uint8_t { Svg, Pdf };

class SortieVectorielle {
  public:
    // fichier: the file name in UTF-8; the page is largeur x hauteur points
    // (at least 1 each), pointsParUnite points for one device unit (a
    // value that is not positive and finite is taken as 1). ok() tells
    // whether the surface could be made (and the file's folder exists).
    SortieVectorielle(FormatVectoriel format, const std::string& fichier, double largeur, double hauteur,
                      double pointsParUnite = 1.0);
    ~SortieVectorielle();
    SortieVectorielle(const SortieVectorielle&) = delete;
    SortieVectorielle& operator=(const SortieVectorielle&) = delete;

    bool ok() const { return contexte_ != nullptr; }
    // The context to draw into; a context that draws nowhere when !ok().
    ContexteDessin& contexte() { return contexte_ ? *contexte_ : vide_; }
    // Writes the file out; true when it was written without error.
    bool termine();
    // Why the file could not be made or written: the system's error number
    // (errno), EIO for a failure of the drawing library itself; 0 while none.
    int erreur() const;

  private:
    FichierImage flux_;
    cairo_surface_t* surface_ = nullptr;
    std::unique_ptr<ContexteDessin> contexte_;
    ContexteDessin vide_;
    bool termine_ = false;
    bool reussi_ = false;
};

} // namespace km32::platform
