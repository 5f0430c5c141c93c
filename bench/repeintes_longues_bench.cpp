// A host that runs for a long time: the bytes the allocator still holds after
// N cycles, in the counter octets_tenus, for
//   - N repaints of one figure in a 700 x 500 host window (larger than the figure),
//   - N cycles of create, repaint and destroy of a figure in that window,
// measured from the state after one cycle, with the window's surface kept as
// a real host keeps it (no recording) and, for comparison, as tests keep it
// (recording on). Flat means close to 0 whatever N.
//   bench_repeintes_longues --benchmark_filter=Octets
#include <benchmark/benchmark.h>

#include <cstdint>

#include "host/bibliotheque.h"
#include "km32.h"
#include "model/messages.h"
#include "octets_alloues.h"
#include "platform/plateforme.h"
#include "platform/surfaces_fenetres.h"

namespace {

using namespace km32;

// state.range(0): the number of cycles; state.range(1): 1 when the surfaces
// keep a recording.
template <typename Cycle> void mesure(benchmark::State& state, Cycle cycle) {
    const int64_t cycles = state.range(0);
    const bool avant = platform::fixeEnregistrementSurfaces(state.range(1) != 0);
    int64_t tenus = 0;
    for (auto _ : state) {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        KMInitialise();
        etatMessages().messagesMuets = 1;
        const uint32_t hote = KMCreeFenetreHote("Hote", 700, 500, nullptr);
        int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, "Nom=Cube");
        cycle(hote, n);
        const std::size_t depart = essais::octetsAlloues();
        for (int64_t k = 1; k < cycles; ++k)
            cycle(hote, n);
        tenus = int64_t(essais::octetsAlloues()) - int64_t(depart);
        KMDetruitFigure(n);
        KMTermine();
        KMDetruitFenetreHote(hote);
    }
    platform::fixeEnregistrementSurfaces(avant);
    state.counters["octets_tenus"] = double(tenus);
    state.counters["octets_par_cycle"] = double(tenus) / double(cycles);
}

void BM_OctetsApresRepeintes(benchmark::State& state) {
    mesure(state, [](uint32_t, int16_t n) { KMRedessineBrutal(n); });
}
BENCHMARK(BM_OctetsApresRepeintes)
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_OctetsApresCyclesCreeRepeintDetruit(benchmark::State& state) {
    mesure(state, [](uint32_t hote, int16_t& n) {
        KMDetruitFigure(n);
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, "Nom=Cube");
        KMRedessineBrutal(n);
    });
}
BENCHMARK(BM_OctetsApresCyclesCreeRepeintDetruit)
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
