// Reading figure texts: recognising the lines of a realistic 250-line text
// (no pattern analysed again), running the whole text into a figure with
// every object computed, and the snapshot each line runs under, taken of
// the figure the whole text made (the largest it gets).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/garde.h"
#include "figure_texte_essai.h"
#include "host/bibliotheque.h"
#include "model/figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "text/instantanes_figure.h"
#include "text/ligne_figure.h"
#include "text/reconnaissance.h"

namespace {

using namespace km32;

std::vector<std::string> lignesDuTexte(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string::npos) fin = texte.size();
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return lignes;
}

void BM_ReconnaissanceDe250Lignes(benchmark::State& state) {
    initialiseBibliotheque();
    const std::vector<std::string> lignes = lignesDuTexte(essais::texteFigureDe250Lignes());
    TLigneFigure ligne;
    for (auto _ : state) {
        for (const std::string& l : lignes) {
            ligne.ligne = l;
            prepareLigneFigure(ligne);
            reconnaitLigne(ligne);
            benchmark::DoNotOptimize(ligne.codeLigne);
        }
    }
    state.counters["lignes/s"] =
        benchmark::Counter(double(lignes.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReconnaissanceDe250Lignes)->Unit(benchmark::kMillisecond);

void BM_ExecutionDe250Lignes(benchmark::State& state) {
    initialiseBibliotheque();
    etatMessages().messagesMuets = 1;
    const std::string texte = essais::texteFigureDe250Lignes();
    auto figure = std::make_unique<TfigureKalmetra>();
    initialiseFigureNeuve(*figure);
    for (auto _ : state) {
        reinitialiseFigure(*figure);
        benchmark::DoNotOptimize(executeTexteDeFigure(*figure, texte, 1));
    }
    state.counters["lignes/s"] =
        benchmark::Counter(250.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExecutionDe250Lignes)->Unit(benchmark::kMillisecond);

void BM_InstantaneDUneLigneSur250Lignes(benchmark::State& state) {
    initialiseBibliotheque();
    etatMessages().messagesMuets = 1;
    auto figure = std::make_unique<TfigureKalmetra>();
    initialiseFigureNeuve(*figure);
    if (executeTexteDeFigure(*figure, essais::texteFigureDe250Lignes(), 1) != 0)
        return state.SkipWithError("the figure text was refused");
    reinitialiseInstantanes();
    // Argument 1: the line fails and the figure is put back; 0: it succeeds
    // and the snapshot is dropped.
    const bool echec = state.range(0) == 1;
    for (auto _ : state) {
        if (!empileInstantane(*figure)) return state.SkipWithError("the snapshot stack is full");
        if (echec)
            restaureInstantane(*figure);
        else
            depileInstantane();
        benchmark::DoNotOptimize(figure->nombreObjets);
    }
    if (figure->nombreObjets != 250) state.SkipWithError("the figure changed under its snapshots");
}
BENCHMARK(BM_InstantaneDUneLigneSur250Lignes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
