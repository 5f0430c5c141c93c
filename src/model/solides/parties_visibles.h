#pragma once
// The visible and hidden pieces of one drawn line, as screen break points.
// Filled by the hidden-part queries and drawn by the renderer.
#include <array>
#include <cstdint>

namespace km32 {

constexpr int kMaxPointsCoupure = 15; // break points 0 to 15

struct TpartiesVisibles {
    // Screen positions of the break points in whole pixels (projetteX and
    // projetteY).
    std::array<int32_t, kMaxPointsCoupure + 1> x{};
    std::array<int32_t, kMaxPointsCoupure + 1> y{};
    // Piece 1 (from break point 0 to 1) is hidden when 1; the pieces alternate.
    uint8_t commenceCache = 0;
    // The index of the last break point (0 to 15); 0 means nothing is drawn.
    uint8_t nombre = 0;
};

// Piece k (1 to nombre) runs from break point k - 1 to k.
inline bool morceauCache(const TpartiesVisibles& p, int k) {
    return ((k & 1) == 1) == (p.commenceCache != 0);
}

} // namespace km32
