#pragma once
// The numeric kernel of expressions and geometry: a tolerant arc cosine,
// integer powers, factorials, arrangements and combinations with their own
// limits, the unary and binary operation codes of the byte code, and a few
// 2-D helpers for screen coordinates. A failure is reported in an error flag,
// never raised.
#include <cstdint>
#include <numbers>

namespace km32 {

constexpr double kPi = std::numbers::pi;

// Rounds to the nearest integer, halves to even (the rounding used
// everywhere in the library).
double arrondiPair(double x);
// The value rounded (halves to even) and saturated to the 32-bit range; a
// value that is not a number gives 0.
int32_t entier32Sature(double x);

// Arc cosine that tolerates rounding: 0 for x above 1 - 1e-10, pi below
// -(1 - 1e-10).
double arcCosinus(double x);

void puissanceEntiere(int32_t n, double& resultat, bool& erreur, double x);
void factorielle(double& resultat, bool& erreur, double x);
void arrangements(double& resultat, bool& erreur, double n, double p);
void combinaisons(double& resultat, bool& erreur, double n, double p);

// Unary operation codes 1 to 21 and binary operation codes 31 to 48 of the
// byte code. On error the result is left untouched; other codes do nothing.
void calculeFonctionUnaire(uint8_t code, double& resultat, bool& erreur, double x);
void calculeOperationBinaire(uint8_t code, double& resultat, bool& erreur, double a, double b);
// Number of operands of an operation code: 1, 2, or 0 for other codes.
int ariteOperation(uint8_t code);

// x rounded (halves to even) into -1048320 .. 1048320; not a number gives
// the lower bound.
int32_t arrondiBorne(double x);

double distancePointsEcran(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
double hypotenuse(double a, double b);
void normalise2(double& a, double& b);
// Distance of (x, y) to the line through (px, py) with unit direction (dx, dy).
double distanceALaDroite2(double x, double y, double px, double py, double dx, double dy);

// Clips a segment to a rectangle: 0 nothing visible, 1 inside and unchanged,
// 2 clipped (the ends are changed).
int coupeSegmentAuRectangle(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2, int32_t gauche, int32_t haut,
                            int32_t droite, int32_t bas);

} // namespace km32
