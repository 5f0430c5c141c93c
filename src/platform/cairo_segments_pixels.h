#pragma once
// Short segments written straight into the pixels of a cairo image. A
// segment between whole pixels marks the pixels that its offset (end minus
// start) and its pen give, moved to its start: cairo is asked once for each
// offset and pen (the segment stroked alone into a scratch image, as
// RenduCairo::polyligne strokes it), the pixels it marked are kept, and each
// later segment of that offset and pen copies them. A mesh of thousands of
// segments then costs a table lookup and a few pixel writes a segment, and
// its picture is exactly that of one stroke per segment.
//
// Only for an ARGB32 image drawn without smoothing and without a transform,
// with a pen of width 1 to kLargeurMaximale; the kept pixels hold which of
// the two colours (pen or background, for the gaps of a dashed pen in opaque
// mode) a pixel takes, so the colours are not part of the key.
#include "platform/contexte_dessin_types.h"

#include <cstdint>

typedef struct _cairo cairo_t;

namespace km32::platform {

class PixelsSegments {
  public:
    // Ready to draw (pret()) when cr's target and the state allow it.
    PixelsSegments(cairo_t* cr, const EtatTrace& etat);
    // Tells cairo that its pixels changed.
    ~PixelsSegments();
    PixelsSegments(const PixelsSegments&) = delete;
    PixelsSegments& operator=(const PixelsSegments&) = delete;

    bool pret() const { return pixels_ != nullptr; }
    // Draws the segment from a to b (device pixels, clipped to the clip
    // rectangle and the image); false, drawing nothing, when it is longer
    // than the kept offsets: the caller strokes it.
    bool trace(Point a, Point b);
    // Before the caller draws through cairo between two trace calls, and after.
    void rendALaMain();
    void reprendLaMain();

    static constexpr int32_t kPortee = 64;         // longest offset kept, on each axis
    static constexpr int32_t kLargeurMaximale = 8; // widest pen drawn here

  private:
    cairo_t* cr_;
    const EtatTrace& etat_;
    uint32_t* pixels_ = nullptr;
    int32_t pas_ = 0;                // pixels per row
    Rect zone_;                      // the clip rectangle within the image
    uint32_t encres_[3] = {0, 0, 0}; // [1] background, [2] pen, as ARGB32
};

// Frees the kept pixels and the scratch image (at unload, with cairo's caches).
void libereMotifsSegments();

} // namespace km32::platform
