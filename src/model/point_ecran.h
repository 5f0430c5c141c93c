#pragma once
// Projected points on the screen, in 1/32 of a pixel.
#include <cstdint>

namespace km32 {

struct TpointEcran {
    uint8_t drapeaux = 0; // bit 0 not joined to the previous point, bit 1 hidden, bit 7 has a position
    int32_t x = 0;        // 1/32 pixel
    int32_t y = 0;
};

constexpr uint8_t kPointEcranNonRelie = 0x01;
constexpr uint8_t kPointEcranCache = 0x02;
constexpr uint8_t kPointEcranDefini = 0x80;
// Screen coordinates are kept within +-1048320 (1/32 pixel).
constexpr int32_t kBornePointEcran = 1048320;

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
int32_t xPointEcran(const TpointEcran& p);
int32_t yPointEcran(const TpointEcran& p);
// Pixels as doubles.
inline double xReelPointEcran(const TpointEcran& p) {
    return p.x / 32.0;
}
inline double yReelPointEcran(const TpointEcran& p) {
    return p.y / 32.0;
}

// Stores x and y given in pixels, times 32, rounded and clamped; the flags
// become "not joined" or nothing.
void fixePointEcran(TpointEcran& p, bool nonRelie, double x, double y);
// Clears the flags; unless indefini, marks the point as having a position and
// stores x and y as fixePointEcran does. An undefined point keeps its old
// coordinates.
void fixePointEcranDefini(TpointEcran& p, bool indefini, double x, double y);

} // namespace km32
