// What a real window backend pays after each event for the library's forms:
// it reads every open form's state again to compare it with its widgets. The
// heaviest form is the figure text editor (its text and the tree of every
// phrase); its state is read here for a figure of 150 points given by their
// coordinates (near the most a figure's table of values holds), to set beside
// the refresh after a drag that the same event costs.
#include <benchmark/benchmark.h>

#include <string>

#include "host/fenetres/editeur_figure.h"
#include "km32.h"
#include "platform/formes_liees.h"
#include "platform/messages.h"

namespace km32 {
namespace {

std::string figureDeLignes(int points) {
    std::string texte = "Kalmetra figure (English)\r\n";
    for (int i = 0; i < points; ++i)
        texte += "P" + std::to_string(i) + " point with coordinates (" + std::to_string(i % 9 - 4) + "," +
                 std::to_string(i / 9 - 4) + ",0) in coordinate system Rxyz\r\n";
    return texte;
}

void BM_EtatDeLEditeurDeFigure(benchmark::State& state) {
    KMInitialise();
    KMappliqueLangue(2);
    const uint32_t hote = KMCreeFenetreHote("banc", 800, 600, nullptr);
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, figureDeLignes(150).c_str(), nullptr);
    KMAfficheEditeurFigure(n);
    const TFenetreEditeur* e = fenetreEditeur();
    const platform::OperationsForme* o = e ? platform::formeLiee(e->fenetre) : nullptr;
    if (KMLigneEnErreur(n) != 0 || !o || !o->etat) {
        state.SkipWithError("the figure or its text editor could not be made");
        KMTermine();
        return;
    }
    // The tree of phrases shown, as its check box shows it.
    platform::envoieMessage(e->fenetre, platform::WM_COMMAND, kEdListeDesPhrases, 0);
    std::size_t lignes = 0, octets = 0;
    for (auto _ : state) {
        const platform::FormeLiee forme = o->etat();
        lignes = forme.listes.empty() ? 0 : forme.listes[0].lignes.size();
        octets = forme.champs.empty() ? 0 : forme.champs[0].texte.size();
        benchmark::DoNotOptimize(lignes);
    }
    state.counters["lignesArbre"] = double(lignes);
    state.counters["octetsTexte"] = double(octets);
    KMTermine();
}
BENCHMARK(BM_EtatDeLEditeurDeFigure)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace km32
