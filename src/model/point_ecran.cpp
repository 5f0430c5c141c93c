#include "model/point_ecran.h"

#include <cmath>

#include "model/operations.h"

namespace km32 {

namespace {

// A coordinate in 1/32 pixel: clamped to the screen bounds, a value that is
// not a number going to the lower bound.
int32_t coordonneeBornee(double x) {
    if (std::isnan(x) || x < -kBornePointEcran) return -kBornePointEcran;
    if (x > kBornePointEcran) return kBornePointEcran;
    return int32_t(arrondiPair(x));
}

// v / 32 rounded to the nearest integer, halves to even, in integers.
int32_t arrondiEnPixels(int32_t v) {
    int32_t quotient = v >> 5; // floor division
    const int32_t reste = v - quotient * 32;
    if (reste > 16 || (reste == 16 && (quotient & 1) != 0)) ++quotient;
    return quotient;
}

} // namespace

void fixePointEcranCache(TpointEcran& p, bool cache) {
    p.drapeaux = cache ? uint8_t(p.drapeaux | kPointEcranCache) : uint8_t(p.drapeaux & ~kPointEcranCache);
}

TcoordonneeEcran TcoordonneeEcran::dePixels(double pixels) {
    return de32emes(coordonneeBornee(pixels * 32.0));
}

int32_t TcoordonneeEcran::enPixels() const {
    return arrondiEnPixels(v_);
}

void fixePointEcran(TpointEcran& p, bool nonRelie, double x, double y) {
    p.x = TcoordonneeEcran::dePixels(x);
    p.y = TcoordonneeEcran::dePixels(y);
    p.drapeaux = nonRelie ? kPointEcranNonRelie : 0;
}

void fixePointEcranDefini(TpointEcran& p, bool indefini, double x, double y) {
    p.drapeaux = 0;
    if (indefini) return;
    fixePointEcran(p, false, x, y);
    p.drapeaux = kPointEcranDefini;
}

} // namespace km32
