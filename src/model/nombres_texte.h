#pragma once
// Numbers and texts with the library's own notations. These texts are
// written into saved figures: keep the notations exactly.
#include <string>
#include <string_view>

namespace km32 {

// Decimal conversion ("." separator, optional exponent); 0 when the text is
// not a number.
double reelDeTexte(std::string_view texte);
// The same; ok only when the whole text is a number.
double reelDeTexteVerifie(std::string_view texte, bool& ok);

// Integral values without decimals, others with at most 11 decimals, no
// trailing zeros.
std::string texteDeReel(double x);
// With n decimals (0 to 11), or "1.23E+06" / "1.20E-06" for large and small values.
void texteDeReelChiffres(int n, std::string& texte, double x);
// With n decimals (0 to 11), or "1.5 x 10^(12)" for very large or small values.
void texteDeReelPuissance(int n, std::string& texte, double x);

// The fraction of denominator 1 to 20 closest to x, when x is one within 1e-5.
void fractionProche(bool& trouve, int& numerateur, int& denominateur, double x);

double maxReel(double a, double b);
double minReel(double a, double b);

} // namespace km32
