// The grid of the graph of a function of two variables (code 218).
#include <cmath>

#include "model/calcul/geometrie.h"
#include "model/calcul/parametres.h"
#include "model/calcul/raisons.h"
#include "model/fonctions/fonctions.h"
#include "model/lieux_raisons.h"
#include "model/maillages.h"

namespace km32 {

namespace {

// A grid count: 1 to 10000 and within 1e-6 of an integer.
bool nombreDeGrille(double v, int32_t& n) {
    if (!(v >= 1 - 1e-6 && v <= kMaxPointsMaillage + 1e-6)) return false;
    const double r = std::round(v);
    if (std::fabs(v - r) > 1e-6 || r < 1 || r > kMaxPointsMaillage) return false;
    n = int32_t(r);
    return true;
}

// Point k of the grid: undefined, or origin + x i + y j + z k of the frame.
void rangePointMaillage(TMaillage& m, int k, uint8_t nonDefini, double x, double y, double z) {
    verifieIndice(k, 1, kMaxPointsMaillage, "mesh point");
    m.nonDefini[std::size_t(k)] = nonDefini;
    if (nonDefini) return;
    const auto& r = m.repere;
    m.x[std::size_t(k)] = float(r[0] + x * r[3] + y * r[6] + z * r[9]);
    m.y[std::size_t(k)] = float(r[1] + x * r[4] + y * r[7] + z * r[10]);
    m.z[std::size_t(k)] = float(r[2] + x * r[5] + y * r[8] + z * r[11]);
}

} // namespace

void calculeMaillage(TfigureKalmetra& f, int n) {
    TMaillage* m = maillageDeObjet(f, n);
    if (!m) {
        calcul::rendIndefini(f, n, raison::kCalculImpossible);
        return;
    }
    const double xmin = valeurDepuisZero(f, n, 2), xmax = valeurDepuisZero(f, n, 3);
    const double ymin = valeurDepuisZero(f, n, 4), ymax = valeurDepuisZero(f, n, 5);
    if (!(std::fabs(xmax - xmin) >= 1e-10) || !(std::fabs(ymax - ymin) >= 1e-10)) {
        calcul::rendIndefini(f, n, raison::kBornesIncorrectes);
        return;
    }
    int32_t nx = 0, ny = 0;
    m->essai = valeurDepuisZero(f, n, 0);
    if (!nombreDeGrille(m->essai, nx)) return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    m->essai = valeurDepuisZero(f, n, 1);
    if (!nombreDeGrille(m->essai, ny)) return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    if (nx * ny > kMaxPointsMaillage || nx * ny == 1)
        return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    m->nx = nx;
    m->ny = ny;
    m->ligneUnique = (nx == 1 || ny == 1) ? 1 : 0;
    m->bornes = {xmin, xmax, ymin, ymax};
    const int repere = parentDepuisZero(f, n, 0), fonction = parentDepuisZero(f, n, 1);
    for (int k = 0; k < 12; ++k)
        m->repere[std::size_t(k)] = valeurDepuisZero(f, repere, k);

    auto point = [&](int k, double x, double y) {
        uint8_t nonDefini = 0;
        double z = 0;
        evalueFonctionDeObjet(f, fonction, nonDefini, z, x, y, 0);
        if (!std::isfinite(z)) nonDefini = 1;
        rangePointMaillage(*m, k, nonDefini, x, y, z);
    };
    const double pasX = nx > 1 ? (xmax - xmin) / (nx - 1) : 0;
    const double pasY = ny > 1 ? (ymax - ymin) / (ny - 1) : 0;
    int k = 0;
    if (ny == 1) {
        m->nombrePoints = nx;
        double x = xmin;
        for (int i = 0; i < nx; ++i, x += pasX)
            point(++k, x, ymin);
    } else if (nx == 1) {
        m->nombrePoints = ny;
        double y = ymin;
        for (int j = 0; j < ny; ++j, y += pasY)
            point(++k, xmin, y);
    } else {
        double x = xmin;
        for (int i = 0; i < nx; ++i, x += pasX) {
            double y = ymin;
            for (int j = 0; j < ny; ++j, y += pasY)
                point(++k, x, y);
        }
    }
}

void calculeSurfaceGraphe(TfigureKalmetra& f, int n) {
    for (int k = 1; k <= 6; ++k)
        if (!calcul::lisParametre(f, n, k, k)) return;
    calculeMaillage(f, n);
}

} // namespace km32
