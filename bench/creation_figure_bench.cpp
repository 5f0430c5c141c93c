// What creating a small figure costs: a host window, a figure whose text
// names its language and holds one point, created and destroyed again. The
// text's first line applies its language, as every such figure does; the
// cost should be the text's, not the language's.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "km32.h"

namespace km32 {
namespace {

void BM_CreationDUneFigureDUnPoint(benchmark::State& state) {
    KMInitialise();
    KMappliqueLangue(2);
    const uint32_t hote = KMCreeFenetreHote("banc", 400, 300, nullptr);
    // The point moves from one creation to the next (seeded), so that no
    // figure is the repeat of the one before.
    std::mt19937 alea(2026);
    std::uniform_int_distribution<int> coordonnee(-4, 4);
    int16_t echecs = 0;
    for (auto _ : state) {
        const std::string texte = "Kalmetra figure (English)\r\nA point with coordinates (" +
                                  std::to_string(coordonnee(alea)) + "," + std::to_string(coordonnee(alea)) +
                                  ",0) in coordinate system Rxyz\r\n";
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        if (n < 0 || KMLigneEnErreur(n) != 0) ++echecs;
        KMDetruitFigure(n);
    }
    if (echecs) state.SkipWithError("a figure could not be made");
    KMDetruitFenetreHote(hote);
    KMTermine();
}
BENCHMARK(BM_CreationDUneFigureDUnPoint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace km32
