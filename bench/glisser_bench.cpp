// One mouse move while a free point is dragged, on a full figure (255
// objects): the point's new place from the mouse, its dependants computed,
// their display elements rebuilt and the figure painted into its window.
// The grab is done once, before the timed loop.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/garde.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "drawing/souris.h"
#include "drawing/vue_operations.h"
#include "host/bibliotheque.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/plateforme.h"
#include "text/execution_texte.h"

namespace km32 {
namespace {

// 67 fixed points Qk, the free point P, and for each k < 56 the midpoint Mk
// of [PQk], the segment [QkMk] and the midpoint Nk of [MkB]: 250 objects
// (the most the text runner takes), 168 of them depending on P.
constexpr int kPointsFixes = 67;
constexpr int kGroupes = 56;

std::string texteFigure() {
    std::string t = "Figure Kalmetra\r\nB point de coordonn\xE9"
                    "es (0,0,3) dans le rep\xE8re Rxyz\r\n";
    for (int k = 0; k < kPointsFixes; ++k)
        t += "Q" + std::to_string(k) +
             " point de coordonn\xE9"
             "es (" +
             std::to_string(k % 8 - 4) + "," + std::to_string(k / 8 - 4) + ",-1) dans le rep\xE8re Rxyz\r\n";
    t += "P point libre dans l'espace\r\n";
    for (int k = 0; k < kGroupes; ++k) {
        const std::string i = std::to_string(k);
        t += "M" + i + " milieu du segment [PQ" + i + "]\r\n";
        t += "Segment [Q" + i + "M" + i + "]\r\n";
        t += "N" + i + " milieu du segment [M" + i + "B]\r\n";
    }
    return t + "Fin de la figure";
}

void BM_DeplacementSourisPendantGlisser(benchmark::State& state) {
    reinitialiseBibliotheque();
    platform::reinitialisePlateforme();
    initialiseBibliotheque();
    auto figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;
    initialiseFigureNeuve(f);
    {
        GardeValeur<uint8_t> lecture(executionReelle(), 0);
        const uint16_t ligne = executeTexteDeFigure(f, texteFigure(), 1);
        if (ligne != 0)
            state.SkipWithError(("figure text refused at line " + std::to_string(ligne) + " " +
                                 std::to_string(f.nombreObjets) + " " + std::to_string(f.valeursUtilisees) +
                                 " " + std::to_string(f.parentsUtilises) + " " +
                                 std::to_string(f.texteDesNoms.size()))
                                    .c_str());
    }
    const platform::Fenetre fenetre = platform::creeFenetre(0, {0, 0, 800, 600}, {}, true);
    f.fenetreDessin = fenetre;
    ajusteTailleFenetre(f);
    reconstruitDessin(f);
    const int P = numeroObjetDeNotation(f, "P");
    const TelementDessin* e = elementDessin(f, P);
    if (!e) {
        state.SkipWithError("P is not drawn");
        return;
    }
    const int32_t x = e->x, y = e->y;
    sourisBoutonEnfonce(f, platform::lParamDeCoordonnees(x, y));
    if (!f.etatGlisser || f.objetLibreActif != P) state.SkipWithError("P was not grabbed");
    // Argument 0: without the paint (the figure has no window to paint into).
    if (state.range(0) == 0) f.fenetreDessin = 0;
    int k = 0;
    for (auto _ : state) {
        ++k;
        sourisDeplacee(f, platform::lParamDeCoordonnees(x + (k % 40) - 20, y + (k % 7) - 3));
        benchmark::DoNotOptimize(f.valeurs[1]);
    }
    state.counters["objets"] = f.nombreObjets;
    f.fenetreDessin = fenetre;
    sourisBoutonRelache(f, platform::lParamDeCoordonnees(x, y));
    libereFigure(figure);
    reinitialiseBibliotheque();
    platform::reinitialisePlateforme();
}
BENCHMARK(BM_DeplacementSourisPendantGlisser)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace km32
