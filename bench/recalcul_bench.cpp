// Recomputing the dependants of a 255-object figure after a move of one
// free point, as a drag does at every mouse move: the dependants are marked
// once when the point becomes active, then each move recomputes them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/catalogue.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "figure_essai.h"

namespace {

using namespace km32;
namespace c = construction;

int ajoute(TfigureKalmetra& f, uint8_t code, std::initializer_list<int> parents,
           std::initializer_list<double> valeurs = {}) {
    return essais::ajouteObjetDeCode(f, code, parents, valeurs);
}

// Three free points, then, until the table is full, groups of constructions
// that all hang on the first point: midpoints, lines, perpendicular planes,
// lines where planes meet, rotations and images.
std::unique_ptr<TfigureKalmetra> figurePleine() {
    auto figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;
    installeObjetsIntegres(f);
    f.nombreObjets = kObjetsPredefinis;
    const int A = ajoute(f, c::kPointLibreDansEspace, {}, {0, 0, 0, 1});
    const int B = ajoute(f, c::kPointLibreDansEspace, {}, {4, 1, 0, 1});
    const int C = ajoute(f, c::kPointLibreDansEspace, {}, {1, 5, 2, 1});
    int precedent = B;
    while (f.nombreObjets + 6 <= kMaxObjets) {
        const int M = ajoute(f, c::kMilieuSegment, {A, precedent});
        const int d = ajoute(f, c::kDroite, {M, C});
        const int p = ajoute(f, c::kPlanPerpendiculaireDroite, {A, M, C});
        const int r = ajoute(f, c::kRotationAngle, {M, C}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.3});
        ajoute(f, c::kImagePointParTransformation, {r, B});
        ajoute(f, c::kPerpendiculaireDroite, {M, C, A});
        (void)d;
        (void)p;
        precedent = M;
    }
    while (f.nombreObjets < kMaxObjets)
        ajoute(f, c::kMilieuSegment, {A, C});
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        calculeObjet(f, i);
    return figure;
}

void BM_RecalculApresDeplacement(benchmark::State& state) {
    auto figure = figurePleine();
    TfigureKalmetra& f = *figure;
    const int A = kObjetsPredefinis + 1;
    f.objetLibreActif = uint8_t(A);
    marqueDependantsObjetActif(f);
    double t = 0;
    for (auto _ : state) {
        t += 0.01;
        valeurObjet(f, A, 1) = std::sin(t);
        valeurObjet(f, A, 2) = std::cos(t);
        recalculeDependantsObjetActif(f);
        benchmark::DoNotOptimize(&f.valeurs);
    }
    state.counters["objets"] = f.nombreObjets;
}
BENCHMARK(BM_RecalculApresDeplacement);

// The same through the general propagation with the refresh steps.
void BM_RecalculeDependants(benchmark::State& state) {
    auto figure = figurePleine();
    TfigureKalmetra& f = *figure;
    const int A = kObjetsPredefinis + 1;
    TEnsembleObjets S;
    S.set(std::size_t(A));
    double t = 0;
    for (auto _ : state) {
        t += 0.01;
        valeurObjet(f, A, 1) = std::sin(t);
        recalculeDependants(f, S);
        benchmark::DoNotOptimize(&f.valeurs);
    }
}
BENCHMARK(BM_RecalculeDependants);

// Marking the dependants once, at the start of a drag.
void BM_MarqueDependants(benchmark::State& state) {
    auto figure = figurePleine();
    TfigureKalmetra& f = *figure;
    f.objetLibreActif = uint8_t(kObjetsPredefinis + 1);
    for (auto _ : state) {
        marqueDependantsObjetActif(f);
        benchmark::DoNotOptimize(f.objets.data());
    }
}
BENCHMARK(BM_MarqueDependants);

} // namespace
