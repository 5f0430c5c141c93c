#include "model/nombres_texte.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/operations.h"

namespace km32 {

namespace {
// Only plain decimal texts: optional blanks, a sign, digits with an optional
// ".", an optional exponent.
bool estTexteDecimal(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool chiffres = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i, chiffres = true;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, chiffres = true;
    }
    if (!chiffres) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        bool exposant = false;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, exposant = true;
        if (!exposant) return false;
    }
    return i == t.size();
}

std::string formate(const char* format, long double x) {
    char tampon[400];
    std::snprintf(tampon, sizeof tampon, format, x);
    return tampon;
}

std::string formateDecimales(int decimales, long double x) {
    char tampon[400];
    std::snprintf(tampon, sizeof tampon, "%.*Lf", decimales, x);
    return tampon;
}

void oteBlancsEnTete(std::string& t) {
    t.erase(0, t.find_first_not_of(' '));
}

void oteZerosFinaux(std::string& t) {
    if (t.find('.') == std::string::npos) return;
    t.erase(t.find_last_not_of('0') + 1);
    if (!t.empty() && t.back() == '.') t.pop_back();
}

std::string texteNonFini(double x) {
    if (std::isnan(x)) return "0";
    return x < 0 ? "-Inf" : "Inf";
}

// The exponent of the large and small notations: at least two digits.
std::string texteExposant(int k) {
    std::string t = texteDeReel(k);
    if (t.size() == 1) t = "0" + t;
    return t;
}

// Fixed notation with n decimals, the value rounded half up on its n-th decimal.
std::string notationFixe(int n, long double a) {
    const long double p = std::pow(10.0L, n);
    const long double t = a * p;
    long double entier = std::trunc(t);
    if (t - entier >= 0.5L) entier += 1;
    std::string texte = formateDecimales(n == 0 ? 1 : n, entier / p);
    oteBlancsEnTete(texte);
    oteZerosFinaux(texte);
    return texte;
}

int borneChiffres(int n) {
    return n < 0 ? 0 : (n > 11 ? 11 : n);
}
} // namespace

double reelDeTexteVerifie(std::string_view texte, bool& ok) {
    ok = estTexteDecimal(texte);
    if (!ok) return 0;
    texte.remove_prefix(texte.find_first_not_of(' '));
    if (!texte.empty() && texte[0] == '+') texte.remove_prefix(1);
    double x = 0;
    const auto r = std::from_chars(texte.data(), texte.data() + texte.size(), x);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the nearest the type holds.
        const bool negatif = texte[0] == '-';
        const auto e = texte.find_first_of("eE");
        const bool grand = e != std::string_view::npos && texte[e + 1] != '-';
        x = grand ? HUGE_VAL : 0.0;
        if (negatif) x = -x;
    } else if (r.ec != std::errc()) {
        ok = false;
        return 0;
    }
    return x;
}

double reelDeTexte(std::string_view texte) {
    bool ok = false;
    return reelDeTexteVerifie(texte, ok);
}

std::string texteDeReel(double x) {
    if (x == 0) return "0";
    if (!std::isfinite(x)) return texteNonFini(x);
    std::string t = formateDecimales(std::trunc(x) == x ? 0 : 11, x);
    oteBlancsEnTete(t);
    oteZerosFinaux(t);
    return t;
}

void texteDeReelChiffres(int n, std::string& texte, double x) {
    n = borneChiffres(n);
    if (x == 0 || std::isnan(x)) {
        texte = "0";
        return;
    }
    if (std::isinf(x)) {
        texte = texteNonFini(x);
        return;
    }
    long double a = std::fabs((long double)x);
    const double L = std::log10(double(a));
    if (L >= 9 || (n > 0 && L >= 6)) {
        const int k = int(std::trunc(L + 0.0001));
        for (int j = 0; j < k; ++j)
            a /= 10;
        texte = formate("%4.2Lf", a) + "E+" + texteExposant(k);
    } else if (n > 5 && n + L < 3) {
        const int k = int(std::trunc(-L - 0.0001)) + 1;
        for (int j = 0; j < k; ++j)
            a *= 10;
        texte = formate("%4.2Lf", a) + "E-" + texteExposant(k);
    } else {
        texte = notationFixe(n, a);
    }
    if (x < 0) texte = "-" + texte;
}

void texteDeReelPuissance(int n, std::string& texte, double x) {
    n = borneChiffres(n);
    if (!std::isfinite(x)) {
        texte = texteNonFini(x);
        return;
    }
    const double a = std::fabs(x);
    if (a >= 1e11 || (a <= 1e-11 && n == 11)) {
        // Scientific form "m.mmmmmmmmmmmmmmE+dd", then the exponent cut out.
        std::string s = formate("%.14LE", a);
        oteBlancsEnTete(s);
        const std::size_t e = s.find('E');
        const char signe = s[e + 1];
        const std::string chiffres = s.substr(e + 2);
        std::string mantisse = s.substr(0, e);
        oteZerosFinaux(mantisse);
        if (chiffres.find_first_not_of('0') == std::string::npos) {
            texte = mantisse;
        } else {
            texte = mantisse + " x 10^(" + (signe == '-' ? "-" : "") + texteDeReel(std::stoi(chiffres)) + ")";
        }
    } else {
        texte = notationFixe(n, a);
    }
    if (x < 0 && texte != "0") texte = "-" + texte;
}

void fractionProche(bool& trouve, int& numerateur, int& denominateur, double x) {
    trouve = false;
    if (!(std::fabs(x) <= 20)) return;
    for (int d = 1; d <= 20; ++d) {
        const double p = d * x;
        const double r = arrondiPair(p);
        if (std::fabs(p - r) < 1e-5) {
            trouve = true;
            denominateur = d;
            numerateur = int(r);
            return;
        }
    }
}

double maxReel(double a, double b) {
    return a > b ? a : b;
}
double minReel(double a, double b) {
    return b < a ? b : a;
}

} // namespace km32
