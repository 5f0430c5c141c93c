#pragma once
// Projected points on the screen, in 1/32 of a pixel.
//
// Two units of screen position live side by side in the drawing: whole
// pixels (plain int32_t: point and text elements, the break points of
// straight lines, mouse positions) and 1/32 of a pixel (the polylines of
// curves, spheres, round solids and meshes). A 1/32-pixel coordinate has a
// type of its own, built only through constructors that name the unit of
// what they are given, so a whole-pixel value cannot be stored in a polyline
// point, nor a 1/32 value read as pixels, without the compiler noticing.
#include <cstdint>

namespace km32 {

// Screen coordinates are kept within +-1048320 (1/32 pixel).
constexpr int32_t kBornePointEcran = 1048320;

class TcoordonneeEcran {
  public:
    constexpr TcoordonneeEcran() = default;
    // A value already in 1/32 pixel, stored as it is.
    static constexpr TcoordonneeEcran de32emes(int32_t v) {
        TcoordonneeEcran c;
        c.v_ = v;
        return c;
    }
    // A position in pixels (whole or not): times 32, rounded to the nearest
    // (halves to even) and clamped to the screen bounds; a value that is not
    // a number goes to the lower bound.
    static TcoordonneeEcran dePixels(double pixels);

    constexpr int32_t en32emes() const { return v_; }
    // Whole pixels, rounded to the nearest (halves to even).
    int32_t enPixels() const;
    // Pixels as a double.
    constexpr double enPixelsReels() const { return v_ / 32.0; }

    friend constexpr bool operator==(TcoordonneeEcran a, TcoordonneeEcran b) = default;

  private:
    int32_t v_ = 0;
};

struct TpointEcran {
    uint8_t drapeaux = 0; // bit 0 not joined to the previous point, bit 1 hidden, bit 7 has a position
    TcoordonneeEcran x;
    TcoordonneeEcran y;
};

constexpr uint8_t kPointEcranNonRelie = 0x01;
constexpr uint8_t kPointEcranCache = 0x02;
constexpr uint8_t kPointEcranDefini = 0x80;

inline bool pointEcranNonRelie(const TpointEcran& p) {
    return (p.drapeaux & kPointEcranNonRelie) != 0;
}
inline bool pointEcranCache(const TpointEcran& p) {
    return (p.drapeaux & kPointEcranCache) != 0;
}
inline bool pointEcranDefini(const TpointEcran& p) {
    return (p.drapeaux & kPointEcranDefini) != 0;
}
void fixePointEcranCache(TpointEcran& p, bool cache);

// Whole pixels, rounded to the nearest (halves to even).
inline int32_t xPointEcran(const TpointEcran& p) {
    return p.x.enPixels();
}
inline int32_t yPointEcran(const TpointEcran& p) {
    return p.y.enPixels();
}
// Pixels as doubles.
inline double xReelPointEcran(const TpointEcran& p) {
    return p.x.enPixelsReels();
}
inline double yReelPointEcran(const TpointEcran& p) {
    return p.y.enPixelsReels();
}

// Stores x and y given in pixels, times 32, rounded and clamped; the flags
// become "not joined" or nothing.
void fixePointEcran(TpointEcran& p, bool nonRelie, double x, double y);
// Clears the flags; unless indefini, marks the point as having a position and
// stores x and y as fixePointEcran does. An undefined point keeps its old
// coordinates.
void fixePointEcranDefini(TpointEcran& p, bool indefini, double x, double y);

} // namespace km32
