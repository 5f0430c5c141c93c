#include "drawing/donnees_hachures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/donnees_dessin.h"
#include "model/objets_figure.h"
#include "model/solides/mesures_solides.h"

namespace km32 {

using calcul::V3;

namespace {

bool limiteDefinie(const TfigureKalmetra& f, int limite) {
    return limite != 0 && objet(f, limite).nonDefini == 0;
}

bool pointRetenu(const TfigureKalmetra& f, int limite, V3 p) {
    if (horsDesBornes(f, p.x) || horsDesBornes(f, p.y) || horsDesBornes(f, p.z)) return false;
    return !limiteDefinie(f, limite) || pointDansSolide(f, limite, p.x, p.y, p.z);
}

TpointEntier entier(const TfigureKalmetra& f, V3 p) {
    return {coordonneeEntiere(f, p.x), coordonneeEntiere(f, p.y), coordonneeEntiere(f, p.z)};
}

bool ajouteCorde(const TfigureKalmetra& f, int limite, V3 p, V3 q, TblocSegments& bloc) {
    if (bloc.nombre >= kMaxSegmentsBloc) return false;
    double a[3] = {p.x, p.y, p.z}, b[3] = {q.x, q.y, q.z};
    TpointEntier A, B;
    if (!coupeSegment(f, limite, a, b, A, B)) return false;
    bloc.debuts[bloc.nombre] = A;
    bloc.fins[bloc.nombre] = B;
    ++bloc.nombre;
    return true;
}

} // namespace

void baseOrthogonale(V3 a, V3& u, V3& v) {
    u = std::fabs(a.x) < 0.9 ? V3{1, 0, 0} : V3{0, 1, 0};
    u = u - calcul::scalaire(u, a) * a;
    calcul::unitaire(u);
    v = calcul::vectoriel(a, u);
}

bool echantillonneCercle(const TfigureKalmetra& f, int limite, V3 C, V3 U, V3 V, double r, int pas,
                         double angle, std::vector<TentreeLigne>& ligne, std::size_t maximum) {
    ligne.clear();
    bool rupture = true;
    for (int k = 0; k <= pas; ++k) {
        const double t = angle * k / pas;
        const V3 p = C + (r * std::cos(t)) * U + (r * std::sin(t)) * V;
        if (!pointRetenu(f, limite, p)) {
            rupture = true;
            continue;
        }
        if (ligne.size() >= maximum) return false;
        ligne.push_back({uint8_t(rupture ? 1 : 0), entier(f, p)});
        rupture = false;
    }
    return true;
}

V3 directionHachures(uint8_t motif, V3 U, V3 V) {
    const double s = 1 / std::numbers::sqrt2;
    switch (motif) {
    case 2:
        return V;
    case 3:
        return U;
    case 4:
        return s * (U - V);
    default:
        return s * (U + V);
    }
}

bool hachureCercle(const TfigureKalmetra& f, int limite, uint8_t motif, V3 C, V3 U, V3 V, double r,
                   double pasMinimal, TblocSegments& bloc) {
    bloc.nombre = 0;
    const double h = f.pasHachures;
    if (!(h > 0) || !(r > 0)) return false;
    double pas = h;
    if (2 * r / h > 50) pas = 2 * r / pasMinimal;
    int c = int(std::trunc(2 * r / pas));
    if (c * pas >= 2 * r) --c;
    if (c <= 0) return false;
    const V3 A = directionHachures(motif, U, V);
    const V3 B = calcul::vectoriel(calcul::vectoriel(U, V), A);
    for (int k = 1; k <= c && bloc.nombre < kMaxSegmentsBloc; ++k) {
        const double t = k * pas - r;
        const double demi = std::sqrt(std::max(0.0, r * r - t * t));
        const V3 milieu = C + t * A;
        ajouteCorde(f, limite, milieu - demi * B, milieu + demi * B, bloc);
    }
    return bloc.nombre > 0;
}

void hachureFace(const TfigureKalmetra& f, int limite, uint8_t motif, const V3* s, int n, V3 normale,
                 TblocSegments& bloc) {
    bloc.nombre = 0;
    const double h = f.pasHachures;
    if (n < 3 || !(h > 0)) return;
    V3 U = s[1] - s[0];
    if (!calcul::unitaire(U)) return;
    V3 N = normale;
    if (!calcul::unitaire(N)) return;
    const V3 V = calcul::vectoriel(N, U);
    const V3 A = directionHachures(motif, U, V);
    double bas = calcul::scalaire(s[0], A), haut = bas;
    for (int k = 1; k < n; ++k) {
        const double q = calcul::scalaire(s[k], A);
        bas = std::min(bas, q);
        haut = std::max(haut, q);
    }
    const double E = haut - bas;
    if (!(E > 0)) return;
    const double pas = (E / h >= 50) ? E / 50 : h;
    // Each level meets the boundary of the convex face at two points.
    for (int j = 1; bloc.nombre < kMaxSegmentsBloc; ++j) {
        const double niveau = bas + j * pas;
        if (niveau >= haut) break;
        V3 bouts[2];
        int trouves = 0;
        for (int k = 0; k < n && trouves < 2; ++k) {
            const V3 p = s[k], q = s[(k + 1) % n];
            const double a = calcul::scalaire(p, A) - niveau, b = calcul::scalaire(q, A) - niveau;
            if ((a < 0) == (b < 0) || a == b) continue;
            const double t = a / (a - b);
            bouts[trouves++] = p + t * (q - p);
        }
        if (trouves == 2) ajouteCorde(f, limite, bouts[0], bouts[1], bloc);
    }
}

void parallelesSphere(const TfigureKalmetra& f, int limite, uint8_t motif, V3 C, double r,
                      TparallelesSphere& p) {
    const double s = 1 / std::numbers::sqrt2;
    V3 axe{0, 0, 1};
    if (motif == 3) axe = {0, 1, 0};
    if (motif == 4) axe = {0, -s, s};
    if (motif == 5) axe = {0, s, s};
    const double z = f.uniteSurPetiteDimension;
    const int n = std::clamp(int(std::lround(35 * r * z)), 1, kMaxParallelesCote);
    p.nombre = int16_t(n);
    V3 U, V;
    baseOrthogonale(axe, U, V);
    for (auto& ligne : p.paralleles)
        ligne.clear();
    for (int k = -n; k <= n; ++k) {
        const double latitude = k * (std::numbers::pi / 2) / (n + 1);
        const double rho = r * std::cos(latitude);
        const int m = std::clamp(int(std::lround(500 * rho * z)), 10, kMaxPointsParallele - 1);
        echantillonneCercle(f, limite, C + (r * std::sin(latitude)) * axe, U, V, rho, m, 2 * std::numbers::pi,
                            p.paralleles[std::size_t(k + kMaxParallelesCote)], kMaxPointsParallele);
    }
}

} // namespace km32
