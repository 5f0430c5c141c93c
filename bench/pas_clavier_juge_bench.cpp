// One arrow-key step of a free point on the largest figure a text makes
// (250 lines, 237 objects, the point moving 20 of them and their drawing):
// through the key dispatcher, which judges each input (it writes the
// figure's text before and after, and copies the figure for undo), and
// the step alone, without that judge. The difference is what the judge
// adds to a key; it should stay small beside the step itself.
#include <benchmark/benchmark.h>

#include <string>

#include "drawing/clavier.h"
#include "figure_texte_essai.h"
#include "host/repartiteur.h"
#include "km32.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "platform/hasard.h"

namespace km32 {
namespace {

// The 250-line figure with its first point made free where it stood.
std::string figureAuPointLibre() {
    std::string t = essais::texteFigureDe250Lignes();
    const std::size_t debut = t.find("P1 point de coordonn");
    const std::size_t fin = t.find("\r\n", debut);
    t.replace(debut, fin - debut,
              "P1 point libre dans l'espace\r\nObjet libre P1, param\xE8"
              "tres: 1, 1, 1");
    return t;
}

// The figure made through the C interface (the judge only watches figures
// of the table), its free point made the keyboard's active one.
TfigureKalmetra* prepareFigure(benchmark::State& state, int16_t& n) {
    KMInitialise();
    platform::initialiseHasard(1);
    n = KMCreeFigEtRenvoieNumero(0, nullptr, figureAuPointLibre().c_str(), nullptr);
    TfigureKalmetra* f = n > 0 ? figureOuRien(n) : nullptr;
    if (!f || KMLigneEnErreur(n) != 0) {
        state.SkipWithError("the figure text was refused");
        return nullptr;
    }
    prepareObjetActif(*f, numeroObjetDeNotation(*f, "P1"));
    if (f->objetLibreActif == 0) {
        state.SkipWithError("P1 is not the active free object");
        return nullptr;
    }
    return f;
}

// Argument 1: through the dispatcher and its judge; 0: the step alone.
void BM_PasClavierSurFigureDe250Lignes(benchmark::State& state) {
    int16_t n = 0;
    TfigureKalmetra* f = prepareFigure(state, n);
    if (!f) return KMTermine();
    const bool parLeRepartiteur = state.range(0) == 1;
    // A step must move the point (one of its three coordinates).
    const int P1 = f->objetLibreActif;
    const auto position = [&] {
        return valeurObjet(*f, P1, 1) + 10 * valeurObjet(*f, P1, 2) + 100 * valeurObjet(*f, P1, 3);
    };
    const double avant = position();
    if (!deplaceObjetLibreClavier(*f, 2) || position() == avant)
        return state.SkipWithError("a step did not move the point"), KMTermine();
    // Left and right in turn: the point stays near where it stood.
    uint8_t direction = 2;
    for (auto _ : state) {
        const bool bouge =
            parLeRepartiteur ? actionDeTouche(*f, direction) != 0 : deplaceObjetLibreClavier(*f, direction);
        if (!bouge) return state.SkipWithError("the key did not move the point"), KMTermine();
        direction = direction == 2 ? 3 : 2;
    }
    KMTermine();
}
BENCHMARK(BM_PasClavierSurFigureDe250Lignes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace km32
