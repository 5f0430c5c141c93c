#include "model/solides/orientation_exacte.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/erreur.h"

namespace km32 {

namespace {

// A signed whole number of any size: 32-bit digits, least significant
// first, no leading zero digit; zero has no digit.
struct Entier {
    bool negatif = false;
    std::vector<uint32_t> chiffres;
};

void normalise(Entier& e) {
    while (!e.chiffres.empty() && e.chiffres.back() == 0)
        e.chiffres.pop_back();
    if (e.chiffres.empty()) e.negatif = false;
}

// |a| compared with |b|: -1, 0 or 1.
int compareValeurs(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t k = a.size(); k-- > 0;)
        if (a[k] != b[k]) return a[k] < b[k] ? -1 : 1;
    return 0;
}

std::vector<uint32_t> ajouteValeurs(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    std::vector<uint32_t> r(std::max(a.size(), b.size()) + 1, 0);
    uint64_t retenue = 0;
    for (std::size_t k = 0; k < r.size(); ++k) {
        uint64_t s = retenue;
        if (k < a.size()) s += a[k];
        if (k < b.size()) s += b[k];
        r[k] = uint32_t(s);
        retenue = s >> 32;
    }
    return r;
}

// |a| - |b| with |a| >= |b|.
std::vector<uint32_t> retireValeurs(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    std::vector<uint32_t> r(a.size(), 0);
    int64_t emprunt = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        int64_t s = int64_t(a[k]) - emprunt - (k < b.size() ? int64_t(b[k]) : 0);
        emprunt = s < 0 ? 1 : 0;
        if (s < 0) s += int64_t(1) << 32;
        r[k] = uint32_t(s);
    }
    return r;
}

Entier somme(const Entier& a, const Entier& b) {
    Entier r;
    if (a.negatif == b.negatif) {
        r.chiffres = ajouteValeurs(a.chiffres, b.chiffres);
        r.negatif = a.negatif;
    } else if (compareValeurs(a.chiffres, b.chiffres) >= 0) {
        r.chiffres = retireValeurs(a.chiffres, b.chiffres);
        r.negatif = a.negatif;
    } else {
        r.chiffres = retireValeurs(b.chiffres, a.chiffres);
        r.negatif = b.negatif;
    }
    normalise(r);
    return r;
}

Entier oppose(Entier a) {
    if (!a.chiffres.empty()) a.negatif = !a.negatif;
    return a;
}

Entier difference(const Entier& a, const Entier& b) {
    return somme(a, oppose(b));
}

Entier produit(const Entier& a, const Entier& b) {
    Entier r;
    if (a.chiffres.empty() || b.chiffres.empty()) return r;
    r.chiffres.assign(a.chiffres.size() + b.chiffres.size(), 0);
    for (std::size_t i = 0; i < a.chiffres.size(); ++i) {
        uint64_t retenue = 0;
        for (std::size_t j = 0; j < b.chiffres.size(); ++j) {
            const uint64_t s = uint64_t(a.chiffres[i]) * b.chiffres[j] + r.chiffres[i + j] + retenue;
            r.chiffres[i + j] = uint32_t(s);
            retenue = s >> 32;
        }
        std::size_t k = i + b.chiffres.size();
        while (retenue) {
            const uint64_t s = uint64_t(r.chiffres[k]) + retenue;
            r.chiffres[k++] = uint32_t(s);
            retenue = s >> 32;
        }
    }
    r.negatif = a.negatif != b.negatif;
    normalise(r);
    return r;
}

// x = m * 2^e with m a whole number of at most 53 bits.
void decompose(double x, int64_t& m, int& e) {
    if (x == 0) {
        m = 0;
        e = 0;
        return;
    }
    int exposant = 0;
    const double f = std::frexp(x, &exposant);
    m = int64_t(std::ldexp(f, 53));
    e = exposant - 53;
}

// m * 2^decalage as a whole number (decalage >= 0).
Entier entierDecale(int64_t m, int decalage) {
    Entier r;
    r.negatif = m < 0;
    uint64_t v = uint64_t(m < 0 ? -m : m);
    const int mots = decalage / 32, bits = decalage % 32;
    r.chiffres.assign(std::size_t(mots), 0);
    const unsigned __int128 w = static_cast<unsigned __int128>(v) << bits;
    for (int k = 0; k < 3; ++k)
        r.chiffres.push_back(uint32_t(w >> (32 * k)));
    normalise(r);
    return r;
}

int signeExact(const std::array<const Tvecteur3*, 4>& p) {
    // Every coordinate as a whole number times 2^plusPetit, the smallest
    // exponent among them: the determinant, scaled by a power of 2, keeps
    // its sign.
    std::array<std::array<int64_t, 3>, 4> m{};
    std::array<std::array<int, 3>, 4> e{};
    int plusPetit = 0;
    bool premier = true;
    for (int i = 0; i < 4; ++i) {
        const double c[3] = {p[i]->x, p[i]->y, p[i]->z};
        for (int j = 0; j < 3; ++j) {
            decompose(c[j], m[i][j], e[i][j]);
            if (m[i][j] != 0 && (premier || e[i][j] < plusPetit)) {
                plusPetit = e[i][j];
                premier = false;
            }
        }
    }
    std::array<std::array<Entier, 3>, 4> v;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j)
            if (m[i][j] != 0) v[i][j] = entierDecale(m[i][j], e[i][j] - plusPetit);
    std::array<std::array<Entier, 3>, 3> r; // b - a, c - a, d - a
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = difference(v[i + 1][j], v[0][j]);
    const Entier det =
        somme(somme(produit(r[0][0], difference(produit(r[1][1], r[2][2]), produit(r[1][2], r[2][1]))),
                    produit(r[0][1], difference(produit(r[1][2], r[2][0]), produit(r[1][0], r[2][2])))),
              produit(r[0][2], difference(produit(r[1][0], r[2][1]), produit(r[1][1], r[2][0]))));
    if (det.chiffres.empty()) return 0;
    return det.negatif ? -1 : 1;
}

} // namespace

int orientationExacte(const Tvecteur3& a, const Tvecteur3& b, const Tvecteur3& c, const Tvecteur3& d) {
    for (const Tvecteur3* q : {&a, &b, &c, &d})
        if (!std::isfinite(q->x) || !std::isfinite(q->y) || !std::isfinite(q->z))
            throw ErreurInterne("hull: a vertex is not a finite point");
    const double bx = b.x - a.x, by = b.y - a.y, bz = b.z - a.z;
    const double cx = c.x - a.x, cy = c.y - a.y, cz = c.z - a.z;
    const double dx = d.x - a.x, dy = d.y - a.y, dz = d.z - a.z;
    const double det = bx * (cy * dz - cz * dy) + by * (cz * dx - cx * dz) + bz * (cx * dy - cy * dx);
    const double borne = std::fabs(bx) * (std::fabs(cy * dz) + std::fabs(cz * dy)) +
                         std::fabs(by) * (std::fabs(cz * dx) + std::fabs(cx * dz)) +
                         std::fabs(bz) * (std::fabs(cx * dy) + std::fabs(cy * dx));
    // The rounding of the differences and products stays below 1e-15 times
    // the sum of the magnitudes of the terms (about 7.8e-16 is the known
    // bound).
    if (det > 1e-15 * borne) return 1;
    if (det < -1e-15 * borne) return -1;
    return signeExact({&a, &b, &c, &d});
}

} // namespace km32
