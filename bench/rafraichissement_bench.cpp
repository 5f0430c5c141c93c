// The refresh after a move of a free point, the hot path of a drag: a figure
// of about 255 objects (points, segments joining them, circles round them),
// one free point moved, its dependants rebuilt and the display list updated.
#include <benchmark/benchmark.h>

#include <memory>

#include "figure_essai.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "model/catalogue.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"

namespace km32 {
namespace {

// A nameless object of the code with the values given, drawn with a point mark.
int ajoute(TfigureKalmetra& f, uint8_t code, std::initializer_list<double> valeurs) {
    const int n = essais::ajouteObjetDeCode(f, code, {}, valeurs);
    f.objets[std::size_t(n)].style.drapeaux = 0x0400; // point mark
    return n;
}

void BM_RafraichissementApresDeplacement(benchmark::State& state) {
    auto figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;
    installeObjetsIntegres(f);
    f.nombreObjets = kObjetsPredefinis;
    f.uniteSurPetiteDimension = 0.1;
    f.borneSuperieure = 50;
    f.borneInferieure = -50;
    f.echelle = 10240;
    f.pasHachures = 0.35;
    f.largeurImage = f.largeurZoneDessin = 800;
    f.hauteurImage = f.hauteurZoneDessin = 600;
    f.centreEcranX = 400;
    f.centreEcranY = 300;
    const double s = 60 / f.echelle;
    const double c[6] = {-0.3 * s, s, 0, 0.2 * s, 0.1 * s, -s};
    std::copy(std::begin(c), std::end(c), f.coefficientsProjection);
    // 80 groups of a point, a segment and a circle.
    for (int g = 0; g < 80; ++g) {
        const double x = (g % 9) - 4, y = (g / 9) - 4;
        ajoute(f, construction::kPointLibreDansEspace, {x, y, 0});
        ajoute(f, construction::kSegment, {x, y, 0, x + 1, y + 0.5, 1});
        ajoute(f, construction::kCercleCentreRayon, {x, y, 0, 0, 0, 1, 0.4, x + 0.4, y, 0});
    }
    reconstruitDessin(f);
    // The first point moves; its segment and circle depend on it.
    const int libre = kObjetsPredefinis + 1;
    for (int n = libre; n < libre + 3; ++n)
        changeDrapeauObjet(f.objets[std::size_t(n)], kDrapeauDependDeObjetLibreActif, true);
    double t = 0;
    for (auto _ : state) {
        t += 0.01;
        for (int n = libre; n < libre + 3; ++n)
            valeurObjet(f, n, 1) = -4 + t - static_cast<int>(t);
        rafraichitApresDeplacement(f);
        benchmark::DoNotOptimize(f.blocDessin.get());
    }
}
BENCHMARK(BM_RafraichissementApresDeplacement);

} // namespace
} // namespace km32
