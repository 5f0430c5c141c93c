// Screen data of the recorded positions of the traces, projected with the
// current view as the display elements are.
#include "base/erreur.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rendu_figure.h"
#include "drawing/traces.h"
#include "model/objets_figure.h"
#include "model/solides/parties_cachees.h"

namespace km32 {

namespace {

void projettePoint(const TfigureKalmetra& f, TentreeTracePoint& e, bool cacher) {
    e.x = projetteX(f, e.p.x, e.p.y, e.p.z);
    e.y = projetteY(f, e.p.x, e.p.y, e.p.z);
    e.cache = cacher && pointCacheParPolyedres(f, e.p) ? 1 : 0;
}

void projetteLigne(const TfigureKalmetra& f, TblocTrace& b, bool cacher) {
    projettePolyligne(f, b.ligne, cacher, b.ecran);
    b.partiesCordes.resize(b.debutsCordes.size());
    for (std::size_t k = 0; k < b.debutsCordes.size(); ++k)
        partiesVisiblesSegment(f, b.debutsCordes[k], b.finsCordes[k], b.partiesCordes[k]);
}

void projettePolygone(const TfigureKalmetra& f, TblocTrace& b) {
    b.aretes.resize(std::size_t(b.nombreAretes) + 1);
    for (int k = 1; k <= b.nombreAretes; ++k) {
        const auto i = std::size_t(k);
        b.aretes[i] = {};
        if (!b.areteOmise[i]) partiesVisiblesSegment(f, b.debuts[i], b.fins[i], b.aretes[i]);
    }
}

// Entry k (1-based) of a trace.
void projetteEntree(const TfigureKalmetra& f, TTraceObjet& t, int k, bool cacher) {
    const auto i = std::size_t(k - 1);
    switch (t.genre) {
    case kTracePoint:
        projettePoint(f, t.points[i], cacher);
        break;
    case kTraceSegment: {
        TentreeTraceSegment& s = t.segments[i];
        partiesVisiblesSegment(f, s.a, s.b, s.parties);
        break;
    }
    case kTraceLigne:
        // As the display element of a curve: hidden points flagged whenever
        // hidden parts are computed, so that they can be drawn dotted.
        if (t.blocs[i]) projetteLigne(f, *t.blocs[i], calculPartiesCachees(f));
        break;
    case kTracePolygone:
        if (t.blocs[i]) projettePolygone(f, *t.blocs[i]);
        break;
    case kTraceMaillage:
        // As the display element of a mesh: hidden points flagged whenever
        // hidden parts are computed, so that they can be drawn dotted.
        if (t.blocs[i])
            projetteGrilleMaillage(f, t.blocs[i]->grille, calculPartiesCachees(f), t.blocs[i]->maillage);
        break;
    default:
        break;
    }
}

} // namespace

void projetteTraces(TfigureKalmetra& f) {
    if (!f.tableTraces) return;
    const bool cacher = partiesCacheesCalculees(f);
    for (int n = 7; n <= kMaxObjets; ++n) {
        TTraceObjet* t = traceObjet(f, n);
        if (!t) continue;
        for (int k = 1; k <= t->nombre; ++k)
            projetteEntree(f, *t, k, cacher);
        t->nouvelleEntree = 0;
    }
}

void projetteDerniersPointsTraces(TfigureKalmetra& f) {
    if (!f.tableTraces) return;
    const bool cacher = partiesCacheesCalculees(f);
    for (int n = 7; n <= kMaxObjets; ++n) {
        TTraceObjet* t = traceObjet(f, n);
        if (!t || !t->nouvelleEntree || t->dernier < 1) continue;
        projetteEntree(f, *t, t->dernier, cacher);
        t->nouvelleEntree = 0;
    }
}

} // namespace km32
