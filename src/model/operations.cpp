#include "model/operations.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace km32 {

namespace {

bool estEntierProche(double x, double tolerance) {
    return std::fabs(x - arrondiPair(x)) <= tolerance;
}

// Integer power on a 64-bit exponent, so that the opposite of the smallest
// 32-bit exponent stays representable.
void puissance64(int64_t n, double& resultat, bool& erreur, double x) {
    resultat = 1.0;
    if (n == 0) {
        erreur = (x == 0);
        return;
    }
    if (n < 0) {
        puissance64(-n, resultat, erreur, x);
        if (erreur) return;
        erreur = std::fabs(resultat) < 1e-10;
        if (!erreur) resultat = 1.0 / resultat;
        return;
    }
    const bool negatif = x < 0 && (n % 2) != 0;
    x = std::fabs(x);
    erreur = x > 1e6;
    if (erreur) return;
    if (n < 30) {
        long double r = 1.0L;
        for (int64_t k = 0; k < n; ++k) {
            r *= x;
            erreur = r > 1e10L;
            if (erreur) {
                resultat = double(r);
                return;
            }
        }
        resultat = double(r);
    } else {
        if (x < 1e-6) {
            resultat = 0;
            return;
        }
        const long double t = (long double)n * std::log((long double)x);
        if (t < -20) {
            resultat = 0;
            return;
        }
        erreur = t > 20;
        if (erreur) return;
        resultat = double(std::exp(t));
        if (resultat < 65000 && std::fabs(resultat - std::round(resultat)) <= 1e-9)
            resultat = std::round(resultat);
    }
    if (negatif) resultat = -resultat;
}
} // namespace

double arrondiPair(double x) {
    return std::nearbyint(x);
}

int32_t entier32Sature(double x) {
    if (std::isnan(x)) return 0;
    const double r = arrondiPair(x);
    if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return int32_t(r);
}

double arcCosinus(double x) {
    if (x < 0) return kPi - arcCosinus(-x);
    if (1 - x < 1e-10) return 0;
    if (x >= 0.7) return std::atan(std::sqrt(1 / (x * x) - 1));
    return kPi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

void puissanceEntiere(int32_t n, double& resultat, bool& erreur, double x) {
    puissance64(n, resultat, erreur, x);
}

void factorielle(double& resultat, bool& erreur, double x) {
    erreur = std::isnan(x) || std::fabs(x) > 34;
    if (erreur) return;
    const double r = arrondiPair(x);
    erreur = r < 0 || r > 33 || std::fabs(x - r) > 1e-6;
    if (erreur) return;
    const int n = int(r);
    if (n <= 12) {
        int32_t f = 1;
        for (int k = 2; k <= n; ++k)
            f *= k;
        resultat = f;
    } else {
        long double f = 479001600.0L; // 12!
        for (int k = 13; k <= n; ++k)
            f *= k;
        resultat = double(f);
    }
}

void arrangements(double& resultat, bool& erreur, double n, double p) {
    erreur = std::isnan(n) || std::isnan(p) || std::fabs(n) > 30000 || std::fabs(p) > 30000 ||
             !estEntierProche(n, 1e-6) || !estEntierProche(p, 1e-6);
    if (erreur) return;
    const int32_t ni = int32_t(arrondiPair(n));
    const int32_t pi = int32_t(arrondiPair(p));
    erreur = ni < 0 || pi < 0 || ni < pi;
    if (erreur) return;
    long double r = 1.0L;
    for (int32_t facteur = ni - pi + 1; facteur <= ni; ++facteur) {
        if (7e37L / facteur < r) {
            erreur = true;
            resultat = double(r);
            return;
        }
        r *= facteur;
    }
    resultat = double(r);
}

void combinaisons(double& resultat, bool& erreur, double n, double p) {
    erreur = std::isnan(n) || std::isnan(p) || std::fabs(n) > 129 || std::fabs(p) > 129 ||
             !estEntierProche(n, 1e-6) || !estEntierProche(p, 1e-6);
    if (erreur) return;
    const int ni = int(arrondiPair(n));
    int pi = int(arrondiPair(p));
    erreur = ni < 0 || pi < 0 || pi > ni || ni > 128;
    if (erreur) return;
    if (ni - pi < pi) pi = ni - pi;
    if (pi == 0) {
        resultat = 1;
        return;
    }
    long double r = ni;
    for (int j = 2; j <= pi; ++j)
        r = r / j * (ni - j + 1);
    resultat = double(r);
}

void calculeFonctionUnaire(uint8_t code, double& resultat, bool& erreur, double x) {
    if (code < 1 || code > 21) return;
    erreur = false;
    switch (code) {
    case 1:
        resultat = -x;
        break;
    case 2:
        erreur = std::fabs(x) < 1e-10;
        if (!erreur) resultat = 1 / x;
        break;
    case 3:
        erreur = std::fabs(x) > 1e18;
        if (!erreur) resultat = x * x;
        break;
    case 4:
        erreur = std::fabs(x) > 1e12;
        if (!erreur) resultat = x * x * x;
        break;
    case 5: {
        double f = 0;
        factorielle(f, erreur, x);
        if (!erreur) resultat = f;
        break;
    }
    case 6:
        resultat = 1 - x;
        break;
    case 11:
        erreur = x < 0;
        if (!erreur) resultat = std::sqrt(x);
        break;
    case 12:
        resultat = std::cos(x);
        break;
    case 13:
        resultat = std::sin(x);
        break;
    case 14: {
        const double c = std::cos(x);
        erreur = std::fabs(c) < 1e-10;
        if (!erreur) resultat = std::sin(x) / c;
        break;
    }
    case 15:
        erreur = std::fabs(x) > 1;
        if (!erreur) resultat = arcCosinus(x);
        break;
    case 16:
        erreur = std::fabs(x) > 1;
        if (!erreur) resultat = kPi / 2 - arcCosinus(x);
        break;
    case 17:
        resultat = std::atan(x);
        break;
    case 18:
        erreur = x > 20;
        if (!erreur) resultat = x <= -20 ? 0.0 : std::exp(x);
        break;
    case 19:
        erreur = x < 1e-10;
        if (!erreur) resultat = std::log(x);
        break;
    case 20: {
        const double f = std::floor(x);
        resultat = (x - f > 0.999999) ? f + 1 : f;
        break;
    }
    case 21:
        resultat = std::fabs(x);
        break;
    default: // 7 to 10
        break;
    }
}

namespace {
void somme(double& resultat, bool& erreur, double a, double b) {
    erreur = std::fabs(a) > 1e36 || std::fabs(b) > 1e36;
    if (!erreur) resultat = a + b;
}
void produit(double& resultat, bool& erreur, double a, double b) {
    erreur = std::fabs(a) > 1e18 || std::fabs(b) > 1e18;
    if (!erreur) resultat = a * b;
}
void puissanceArrondie(double& resultat, bool& erreur, double a, double b) {
    // An exponent that is not a number cannot be rounded to an integer.
    erreur = std::isnan(b);
    if (erreur) return;
    double r = 0;
    puissanceEntiere(entier32Sature(b), r, erreur, a);
    if (!erreur) resultat = r;
}
} // namespace

void calculeOperationBinaire(uint8_t code, double& resultat, bool& erreur, double a, double b) {
    if (code < 31 || code > 48) return;
    erreur = false;
    switch (code) {
    case 31:
        somme(resultat, erreur, a, b);
        break;
    case 32:
        somme(resultat, erreur, a, -b);
        break;
    case 33:
        produit(resultat, erreur, a, b);
        break;
    case 34:
        erreur = std::fabs(b) < 1e-12;
        if (!erreur) produit(resultat, erreur, a, 1 / b);
        break;
    case 35:
        resultat = a == b ? 1.0 : 0.0;
        break;
    case 36:
        resultat = a != b ? 1.0 : 0.0;
        break;
    case 37:
        resultat = a > b ? 1.0 : 0.0;
        break;
    case 38:
        resultat = a < b ? 1.0 : 0.0;
        break;
    case 39:
        resultat = a >= b ? 1.0 : 0.0;
        break;
    case 40:
        resultat = a <= b ? 1.0 : 0.0;
        break;
    case 41:
        puissanceArrondie(resultat, erreur, a, b);
        break;
    case 42:
        if (std::fabs(b) < 30000 && std::fabs(b - arrondiPair(b)) < 1e-9) {
            puissanceArrondie(resultat, erreur, a, b);
        } else {
            erreur = !(a >= 1e-10);
            if (erreur) break;
            const double t = b * std::log(a);
            erreur = !(t <= 20);
            if (!erreur) resultat = std::exp(t);
        }
        break;
    case 43:
        resultat = a < b ? a : b;
        break;
    case 44:
        resultat = a > b ? a : b;
        break;
    case 45: {
        double r = 0;
        arrangements(r, erreur, a, b);
        if (!erreur) resultat = r;
        break;
    }
    case 46: {
        double r = 0;
        combinaisons(r, erreur, a, b);
        if (!erreur) resultat = r;
        break;
    }
    case 47:
        resultat = (a == 1 && b == 1) ? 1.0 : 0.0;
        break;
    case 48:
        resultat = (a == 1 || b == 1) ? 1.0 : 0.0;
        break;
    }
}

int ariteOperation(uint8_t code) {
    if ((code >= 1 && code <= 30) || code == 51 || code == 52 || code == 101 || code == 181 || code == 182)
        return 1;
    if ((code >= 31 && code <= 50) || (code >= 71 && code <= 74) || code == 111 || code == 112 ||
        (code >= 121 && code <= 123) || (code >= 131 && code <= 134) || code == 141 || code == 142 ||
        (code >= 161 && code <= 164))
        return 2;
    return 0;
}

int32_t arrondiBorne(double x) {
    if (x > 1048320) return 1048320;
    if (x < -1048320 || std::isnan(x)) return -1048320;
    return int32_t(arrondiPair(x));
}

double distancePointsEcran(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (std::abs(x1) > 10000 || std::abs(x2) > 10000) return 10000.0;
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    return std::sqrt(dx * dx + dy * dy);
}

double hypotenuse(double a, double b) {
    return std::sqrt(a * a + b * b);
}

void normalise2(double& a, double& b) {
    const double h = hypotenuse(a, b);
    a /= h;
    b /= h;
}

double distanceALaDroite2(double x, double y, double px, double py, double dx, double dy) {
    const double A = -dy, B = dx;
    const double C = -(A * px + B * py);
    return std::fabs(A * x + B * y + C);
}

namespace {
struct Rectangle {
    int32_t gauche, haut, droite, bas;
    bool contient(int32_t x, int32_t y) const { return gauche <= x && x <= droite && haut <= y && y <= bas; }
};

int32_t borne(int32_t v, int32_t bas, int32_t haut) {
    return v < bas ? bas : (v > haut ? haut : v);
}
} // namespace

int coupeSegmentAuRectangle(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2, int32_t gauche, int32_t haut,
                            int32_t droite, int32_t bas) {
    const Rectangle r{gauche, haut, droite, bas};
    const bool dedans1 = r.contient(x1, y1), dedans2 = r.contient(x2, y2);
    if (x1 == x2 && y1 == y2) return dedans1 ? 1 : 0;
    if (dedans1 && dedans2) return 1;
    if (x1 == x2) {
        if (x1 < gauche || x1 > droite) return 0;
        y1 = borne(y1, haut, bas);
        y2 = borne(y2, haut, bas);
        return y1 == y2 ? 0 : 2;
    }
    if (y1 == y2) {
        if (y1 < haut || y1 > bas) return 0;
        x1 = borne(x1, gauche, droite);
        x2 = borne(x2, gauche, droite);
        return x1 == x2 ? 0 : 2;
    }
    // From here the segment is neither vertical nor horizontal.
    if (!dedans1 && !dedans2) {
        if ((y1 < haut && y2 < haut) || (y1 > bas && y2 > bas) || (x1 < gauche && x2 < gauche) ||
            (x1 > droite && x2 > droite))
            return 0;
        const double dx = double(x2) - x1, dy = double(y2) - y1;
        auto xEnY = [&](int32_t y) { return arrondiBorne(dx / dy * (double(y) - y1) + x1); };
        auto yEnX = [&](int32_t x) { return arrondiBorne(dy / dx * (double(x) - x1) + y1); };
        int32_t px[2] = {0, 0}, py[2] = {0, 0};
        int trouves = 0;
        auto accepte = [&](int32_t x, int32_t y) {
            px[trouves] = x;
            py[trouves] = y;
            ++trouves;
        };
        for (int essai = 0; essai < 4 && trouves < 2; ++essai) {
            if (essai == 3 && trouves == 0) return 0;
            if (essai < 2) {
                const int32_t y = essai == 0 ? haut : bas;
                const int32_t x = xEnY(y);
                if (gauche <= x && x <= droite) accepte(x, y);
            } else {
                const int32_t x = essai == 2 ? gauche : droite;
                const int32_t y = yEnX(x);
                if (haut < y && y < bas) accepte(x, y);
            }
        }
        if (trouves < 2) return 0;
        x1 = px[0];
        y1 = py[0];
        x2 = px[1];
        y2 = py[1];
        return 2;
    }
    // One end inside: work with end 1 inside.
    const bool echange = !dedans1;
    if (echange) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    auto xEnY = [&](int32_t y) { return arrondiBorne(dx / dy * (double(y) - y1) + x1); };
    auto yEnX = [&](int32_t x) { return arrondiBorne(dy / dx * (double(x) - x1) + y1); };
    int resultat = 2;
    auto versBord = [&](int32_t bordX) {
        if (x1 == bordX) {
            resultat = 0;
            return;
        }
        const int32_t y = yEnX(bordX);
        if (y < haut) {
            x2 = xEnY(haut);
            y2 = haut;
        } else if (y > bas) {
            x2 = xEnY(bas);
            y2 = bas;
        } else {
            x2 = bordX;
            y2 = y;
        }
    };
    if (x2 < gauche) {
        versBord(gauche);
    } else if (x2 > droite) {
        versBord(droite);
    } else if (y2 > bas) {
        x2 = xEnY(bas);
        y2 = bas;
    } else {
        x2 = xEnY(haut);
        y2 = haut;
    }
    if (echange) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    return resultat;
}

} // namespace km32
