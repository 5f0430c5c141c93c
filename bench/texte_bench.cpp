// Conversion of a figure-sized text from UTF-8 to Windows-1252, as the command-line host does on input.
#include "base/texte.h"

#include <benchmark/benchmark.h>

static void BM_Windows1252DeUtf8(benchmark::State& state) {
    std::string ligne = "M milieu du segment [AB] \xC3\xA9l\xC3\xA9ment\r\n";
    std::string texte;
    while (texte.size() < 60000)
        texte += ligne;
    for (auto _ : state)
        benchmark::DoNotOptimize(km32::windows1252DeUtf8(texte));
}
BENCHMARK(BM_Windows1252DeUtf8);
