// The space hull of a record's vertices, as a figure's drag pays it for each
// hull of points it recomputes: 40 points on a sphere (every one a corner,
// faces of three corners), and the 125 lattice points of a cube of side 4
// moved by up to 3e-7 (most of them dropped, six large faces merged from
// many triangles within the tolerance).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "model/solides/enveloppes.h"
#include "model/solides/polyedres.h"

namespace km32 {
namespace {

std::vector<Tvecteur3> sphere(int n) {
    std::vector<Tvecteur3> v;
    const double or_ = std::numbers::pi * (3 - std::sqrt(5.0));
    for (int k = 0; k < n; ++k) {
        const double z = 1 - 2 * (k + 0.5) / n, r = std::sqrt(1 - z * z);
        v.push_back({r * std::cos(or_ * k), r * std::sin(or_ * k), z});
    }
    return v;
}

std::vector<Tvecteur3> reseauBouge() {
    std::mt19937 alea(7);
    std::uniform_real_distribution<double> ecart(-3e-7, 3e-7);
    std::vector<Tvecteur3> v;
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            for (int z = 0; z <= 4; ++z)
                v.push_back({x + ecart(alea), y + ecart(alea), z + ecart(alea)});
    return v;
}

void mesure(benchmark::State& state, const std::vector<Tvecteur3>& points) {
    auto p = std::make_unique<TPolyedre>();
    int faces = 0;
    for (auto _ : state) {
        p->nombreSommets = uint8_t(points.size());
        for (std::size_t k = 0; k < points.size(); ++k)
            p->sommets[k + 1] = points[k];
        uint8_t nonDefini = 0;
        uint16_t raison = 0;
        enveloppeConvexe3D(*p, nonDefini, raison);
        if (nonDefini) state.SkipWithError("hull undefined");
        faces = p->nombreFaces;
        benchmark::DoNotOptimize(faces);
    }
    state.counters["faces"] = faces;
}

void BM_EnveloppeSphere(benchmark::State& state) {
    mesure(state, sphere(40));
}
BENCHMARK(BM_EnveloppeSphere)->Unit(benchmark::kMicrosecond);

void BM_EnveloppeReseauBouge(benchmark::State& state) {
    mesure(state, reseauBouge());
}
BENCHMARK(BM_EnveloppeReseauBouge)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace km32
