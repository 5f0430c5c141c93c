#include "drawing/vue_rafraichissement.h"

#include "model/services_dessin.h"

namespace km32 {

namespace {

// The figure does not keep its menu's authorised commands yet: every command
// is authorised until it does.
bool toutAutorise(const TfigureKalmetra&, int) {
    return true;
}

TetapesVue etapesParDefaut() {
    return {preparePolyedresVisibles, recalculeObjetsParticuliers,
            prepareElementsDessin,    libereElementsSaufTextes,
            construitElementsSolides, construitElementSolide,
            prepareElementObjet,      redessineFigure,
            repeintFigureEcran,       toutAutorise};
}

} // namespace

TetapesVue& etapesVue() {
    static TetapesVue etapes = etapesParDefaut();
    return etapes;
}

void reinitialiseEtapesVue() {
    etapesVue() = etapesParDefaut();
}

} // namespace km32
