// The main program of every benchmark: Google Benchmark's, with the library's
// random generator seeded to one fixed value first (and at every later start
// of the library), so two runs measure the same figures.
#include <benchmark/benchmark.h>

#include "platform/hasard.h"

int main(int argc, char** argv) {
    km32::platform::imposeGraineHasard(20261209);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
