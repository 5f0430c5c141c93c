// A full redraw of the 250-line figure (237 user objects, opaque polyhedra
// and spheres): drawing data, display list and render into an 800 x 600
// off-screen image.
#include <benchmark/benchmark.h>

#include <memory>

#include "drawing/rafraichissement.h"
#include "drawing/vue_projection.h"
#include "figure_texte_essai.h"
#include "host/bibliotheque.h"
#include "model/figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/contexte_dessin.h"
#include "platform/image_bitmap.h"

namespace {

using namespace km32;

void BM_RedessinCompletDe250Lignes(benchmark::State& state) {
    initialiseBibliotheque();
    etatMessages().messagesMuets = 1;
    auto figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;
    initialiseFigureNeuve(f);
    f.largeurImage = 800;
    f.hauteurImage = 600;
    calculeProjection(f);
    if (executeTexteDeFigure(f, essais::texteFigureDe250Lignes(), 1) != 0) {
        state.SkipWithError("the figure text did not run");
        return;
    }
    platform::Bitmap image(800, 600);
    auto dc = platform::creeContexteMemoire();
    platform::selectionneBitmap(*dc, &image);
    for (auto _ : state) {
        redessineFigure(f);
        repeintFigureDansContexte(f, *dc);
        benchmark::DoNotOptimize(image.pixel(400, 300));
    }
}
BENCHMARK(BM_RedessinCompletDe250Lignes)->Unit(benchmark::kMillisecond);

} // namespace
