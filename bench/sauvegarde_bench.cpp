// Saving a large figure (the 250 objects of the realistic text) in each
// language: the text written, then read back into a throw-away figure and
// written again before the file is written. The three parts are measured
// apart, so that one run shows what the read-back adds to a save.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "figure_texte_essai.h"
#include "host/bibliotheque.h"
#include "model/figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "phrases/phrase.h"
#include "sibling/table_partagee.h"
#include "text/ecriture_figure.h"
#include "text/execution_texte.h"
#include "text/langue_texte.h"
#include "text/relecture_texte.h"
#include "text/sauvegarde_figure.h"

namespace {

using namespace km32;

// The large figure, read in French; the language of the argument applied.
std::unique_ptr<TfigureKalmetra> figureDe250Lignes(benchmark::State& state) {
    initialiseBibliotheque();
    etatMessages().messagesMuets = 1;
    auto figure = std::make_unique<TfigureKalmetra>();
    initialiseFigureNeuve(*figure);
    if (executeTexteDeFigure(*figure, essais::texteFigureDe250Lignes(), 1) != 0) {
        state.SkipWithError("the figure text was refused");
        return nullptr;
    }
    const auto langue = uint16_t(state.range(0));
    TQTableDesVariablesPartagees()->langueDemandee = langue;
    changeLangue(langue);
    return figure;
}

void BM_EcritureDe250Objets(benchmark::State& state) {
    const auto figure = figureDe250Lignes(state);
    if (!figure) return;
    for (auto _ : state)
        benchmark::DoNotOptimize(ecritTexteFigure(*figure));
}
BENCHMARK(BM_EcritureDe250Objets)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

void BM_RelectureDe250Objets(benchmark::State& state) {
    const auto figure = figureDe250Lignes(state);
    if (!figure) return;
    const std::string texte = ecritTexteFigure(*figure);
    for (auto _ : state)
        if (ligneNonRelue(texte) != 0) return state.SkipWithError("the written text does not read back");
}
BENCHMARK(BM_RelectureDe250Objets)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

void BM_SauvegardeDe250Objets(benchmark::State& state) {
    const auto figure = figureDe250Lignes(state);
    if (!figure) return;
    const std::string fichier =
        (std::filesystem::temp_directory_path() / ("km32-banc-" + std::to_string(::getpid()) + ".k3v"))
            .string();
    for (auto _ : state)
        if (enregistreTexteFigure(fichier, *figure) != 0) return state.SkipWithError("the save failed");
    std::filesystem::remove(fichier);
}
BENCHMARK(BM_SauvegardeDe250Objets)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

} // namespace
