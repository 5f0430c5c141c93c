#include "drawing/vue_rafraichissement.h"

#include "model/services_dessin.h"

namespace km32 {

namespace {

// The commands the figure's menu lets the user run.
bool commandeDuMenuAutorisee(const TfigureKalmetra& f, int commande) {
    return commande >= 1 && commande <= 255 && f.commandesAutorisees.test(std::size_t(commande));
}

TetapesVue etapesParDefaut() {
    return {preparePolyedresVisibles, recalculeObjetsParticuliers,
            prepareElementsDessin,    libereElementsSaufTextes,
            construitElementsSolides, construitElementSolide,
            prepareElementObjet,      redessineFigure,
            repeintFigureEcran,       commandeDuMenuAutorisee};
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
