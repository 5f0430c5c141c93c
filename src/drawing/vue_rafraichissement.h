#pragma once
// The rebuild steps that the view operations call after a change of view,
// reached through one table of entries so that tests can watch which steps an
// operation runs. The entries default to the services of the display list,
// the drawing data, the solids and the engine.
#include "model/figure.h"

namespace km32 {

// Services of other modules that a change of view needs.
// The visible polyhedra for the current view (solids).
void preparePolyedresVisibles(TfigureKalmetra& f);
// Objects whose sampling depends on the view bounds (engine).
void recalculeObjetsParticuliers(TfigureKalmetra& f);
// Display elements of every object 7 to N (display list).
void prepareElementsDessin(TfigureKalmetra& f);
// Frees every display element except those of text objects (display list).
void libereElementsSaufTextes(TfigureKalmetra& f);
// 3-D drawing data of every object 7 to N (drawing data).
void construitElementsSolides(TfigureKalmetra& f);

struct TetapesVue {
    void (*preparePolyedresVisibles)(TfigureKalmetra&);
    void (*recalculeObjetsParticuliers)(TfigureKalmetra&);
    void (*prepareElementsDessin)(TfigureKalmetra&);
    void (*libereElementsSaufTextes)(TfigureKalmetra&);
    void (*construitElementsSolides)(TfigureKalmetra&);
    void (*construitElementSolide)(TfigureKalmetra&, int objet);
    void (*prepareElementObjet)(TfigureKalmetra&, int objet);
    void (*redessineFigure)(TfigureKalmetra&);
    void (*repeintFigureEcran)(TfigureKalmetra&);
    // Whether the figure's menu lets the user run a command (1 to 264).
    bool (*commandeAutorisee)(const TfigureKalmetra&, int commande);
};

TetapesVue& etapesVue();
// Every entry back to its service.
void reinitialiseEtapesVue();

} // namespace km32
