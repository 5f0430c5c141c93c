#include "model/calcul/traces_modele.h"

#include "model/objets_figure.h"
#include "model/services_dessin.h"

namespace km32 {

void fixeObjetsTraces(TfigureKalmetra& f, int i) {
    f.ensembleTrace.reset();
    const TObjetFigure& o = objet(f, i);
    for (int k = 1; k <= o.nombreParents; ++k)
        f.ensembleTrace.set(parentObjet(f, i, k));
    f.ensembleTrace.reset(0);
}

void marqueObjetsTraces(TfigureKalmetra& f) {
    if (f.ensembleTrace.none()) return;
    for (int i = 1; i <= kMaxObjets; ++i)
        if (f.ensembleTrace.test(std::size_t(i))) fixeSelectionnePourTrace(objet(f, i).style, true);
}

void entreeModeTrace(TfigureKalmetra& f) {
    if (f.modeTrace || f.ensembleTrace.none()) return;
    f.modeTrace = 1;
    creeTableTraces(f.tableTraces);
    marqueObjetsTraces(f);
}

void entreeModeTraceALaDemande(TfigureKalmetra& f) {
    if (f.modeTraceALaDemande || f.ensembleTrace.none()) return;
    f.modeTraceALaDemande = 1;
    creeTableTraces(f.tableTraces);
}

void sortieModeTrace(TfigureKalmetra& f) {
    if (!f.modeTrace && !f.modeTraceALaDemande) return;
    f.modeTrace = 0;
    f.modeTraceALaDemande = 0;
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        fixeSelectionnePourTrace(objet(f, i).style, false);
    libereTableTraces(f.tableTraces);
    repeintFigureEcran(f);
}

void basculeTraitsEpais(TfigureKalmetra& f) {
    f.traitsEpais = f.traitsEpais ? 0 : 1;
    redessineFigure(f);
}

} // namespace km32
