// One mouse move while a free point is dragged on a heavy figure: a
// 1,000-point locus and a 100 x 100 mesh depend on the point, so each step
// recomputes both, rebuilds their drawing data and display elements and
// paints the figure at 800 x 600. The setup checks that a move does move
// the point and change the locus and the mesh.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/garde.h"
#include "drawing/bloc_dessin.h"
#include "drawing/souris.h"
#include "figure_dessinee.h"
#include "host/bibliotheque.h"
#include "model/maillages.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "platform/hasard.h"
#include "platform/messages.h"
#include "platform/plateforme.h"

namespace km32 {
namespace {

// M is the midpoint of P and a point Q on a circle: its locus as Q goes
// round depends on P. The mesh is the graph of a function of d = OP.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "O point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "Objet libre P, param\xE8tres: 1, 1, 1\r\n"
                            "c cercle de centre O et de rayon 3 dans le plan oxy (unit\xE9 Uxyz)\r\n"
                            "Q point libre sur le cercle c\r\n"
                            "M milieu du segment [PQ]\r\n"
                            "L lieu du point M, pilote Q (1000 points)\r\n"
                            "d = OP\r\n"
                            "h fonction: (x,y)|->x*y/4+d/2\r\n"
                            "G graphe de h sur [-2,2] x [-2,2] (100 x 100 points, rep\xE8re Rxyz)\r\n"
                            "Dessin de L: rouge, points li\xE9s\r\n"
                            "Dessin de G: bleu\r\n"
                            "Fin de la figure\r\n";

void BM_PasDeGlisserAvecLieuEtMaillage(benchmark::State& state) {
    reinitialiseBibliotheque();
    platform::reinitialisePlateforme();
    initialiseBibliotheque();
    platform::initialiseHasard(1);
    etatMessages().messagesMuets = 1;
    uint16_t ligne = 0;
    auto figure = essais::figureDessinee(kFigure, ligne);
    TfigureKalmetra& f = *figure;
    if (ligne != 0)
        return state.SkipWithError(("figure text refused at line " + std::to_string(ligne)).c_str());
    const int P = numeroObjetDeNotation(f, "P"), L = numeroObjetDeNotation(f, "L"),
              G = numeroObjetDeNotation(f, "G");
    const TMaillage* maillage = maillageDeObjet(f, G);
    if (objet(f, L).nombreEchantillons != 1000 || !maillage || maillage->nx * maillage->ny != 10000)
        return state.SkipWithError("the locus or the mesh is not as built");
    const TelementDessin* e = elementDessin(f, P);
    if (!e) return state.SkipWithError("P is not drawn");
    const int32_t x = e->x, y = e->y;
    sourisBoutonEnfonce(f, platform::lParamDeCoordonnees(x, y));
    if (!f.etatGlisser || f.objetLibreActif != P) return state.SkipWithError("P was not grabbed");
    // One move must change P, a sample of the locus and a point of the mesh.
    const double avantP = valeurObjet(f, P, 1);
    const int32_t avantL = echantillon(f, objet(f, L).premierEchantillon).x;
    const float avantG = maillage->z[1];
    sourisDeplacee(f, platform::lParamDeCoordonnees(x + 30, y + 10));
    if (valeurObjet(f, P, 1) == avantP || echantillon(f, objet(f, L).premierEchantillon).x == avantL ||
        maillage->z[1] == avantG)
        return state.SkipWithError("a move did not recompute the locus and the mesh");
    int k = 0;
    for (auto _ : state) {
        ++k;
        sourisDeplacee(f, platform::lParamDeCoordonnees(x + (k % 40) - 20, y + (k % 7) - 3));
        benchmark::DoNotOptimize(maillage->z[1]);
    }
    sourisBoutonRelache(f, platform::lParamDeCoordonnees(x, y));
    figure.reset();
    reinitialiseBibliotheque();
    platform::reinitialisePlateforme();
}
BENCHMARK(BM_PasDeGlisserAvecLieuEtMaillage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace km32
