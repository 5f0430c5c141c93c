// What a hosted figure holds: the bytes the allocator keeps for one figure
// of the realistic 250-line text (237 objects), read, computed and drawn at
// 800 x 600, reported in the counter octets/figure. Sixty-four of them must
// fit in 64 MB. The second benchmark holds the 64 figures at once and reads
// the resident size of the whole process (code, library tables, cairo and
// fonts included) from /proc/self/status: the counter Mo_residents, and
// Mo_avant the same before the first figure.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
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

// The resident size of the process in bytes (VmRSS), 0 when it cannot be read.
double octetsResidents() {
    std::ifstream statut("/proc/self/status");
    std::string mot;
    while (statut >> mot)
        if (mot == "VmRSS:") {
            double ko = 0;
            statut >> ko;
            return ko * 1024.0;
        }
    return 0;
}

void BM_ResidentDe64FiguresDessinees(benchmark::State& state) {
    initialiseBibliotheque();
    platform::initialiseHasard(1);
    etatMessages().messagesMuets = 1;
    const std::string texte = essais::texteFigureDe250Lignes();
    uint16_t ligne = 0;
    double resident = 0;
    const double avant = octetsResidents();
    for (auto _ : state) {
        std::vector<std::unique_ptr<TfigureKalmetra>> figures;
        for (int k = 0; k < 64 && ligne == 0; ++k)
            figures.push_back(essais::figureDessinee(texte, ligne));
        resident = octetsResidents();
        benchmark::DoNotOptimize(figures.data());
    }
    if (ligne != 0) state.SkipWithError("the figure text was refused");
    state.counters["Mo_residents"] = resident / (1024.0 * 1024.0);
    state.counters["Mo_avant"] = avant / (1024.0 * 1024.0);
}
BENCHMARK(BM_ResidentDe64FiguresDessinees)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
