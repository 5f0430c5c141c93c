// What a hosted figure holds: the bytes the allocator keeps for one figure
// of the realistic 250-line text (237 objects), read, computed and drawn at
// 800 x 600, reported in the counter octets/figure. Sixty-four of them must
// fit in 64 MB.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "figure_dessinee.h"
#include "figure_texte_essai.h"
#include "host/bibliotheque.h"
#include "model/messages.h"
#include "octets_alloues.h"
#include "platform/hasard.h"

namespace {

using namespace km32;

void BM_OctetsDUneFigureDessinee(benchmark::State& state) {
    initialiseBibliotheque();
    platform::initialiseHasard(1);
    etatMessages().messagesMuets = 1;
    const std::string texte = essais::texteFigureDe250Lignes();
    uint16_t ligne = 0;
    auto premiere = essais::figureDessinee(texte, ligne); // fills the library's own lazy tables
    std::size_t octets = 0;
    for (auto _ : state) {
        const std::size_t avant = essais::octetsAlloues();
        auto f = essais::figureDessinee(texte, ligne);
        octets = essais::octetsAlloues() - avant;
        benchmark::DoNotOptimize(f.get());
    }
    if (ligne != 0) state.SkipWithError("the figure text was refused");
    state.counters["octets/figure"] = double(octets);
}
BENCHMARK(BM_OctetsDUneFigureDessinee)->Unit(benchmark::kMillisecond);

} // namespace
