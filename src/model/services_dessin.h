#pragma once
// What the figure model needs of the drawing subsystem. The drawing
// subsystem defines these functions.
#include <cstdint>
#include <memory>

#include "model/figure.h"

namespace km32 {

// Finds the solids that hide others in the current view (the visible list of
// the polyhedra table) and prepares their faces for the hidden-part queries.
void preparePolyedresVisibles(TfigureKalmetra& f);

void afficheSablier(uint32_t fenetre);
void retireSablier(uint32_t fenetre);
void calculeProjection(TfigureKalmetra& f);
void memoriseVue(TfigureKalmetra& f);
void ajusteTailleEtRepeint(TfigureKalmetra& f);
void publieVariablesPartagees(TfigureKalmetra& f);
void creeTableElementsSolides(std::unique_ptr<TtableElementsSolides>& table);
void libereTableElementsSolides(std::unique_ptr<TtableElementsSolides>& table);
void creeBlocDessin(std::unique_ptr<TblocDessin>& bloc);
void libereBlocDessin(std::unique_ptr<TblocDessin>& bloc);
void creeTableTraces(std::unique_ptr<TtableTraces>& table);
void libereTableTraces(std::unique_ptr<TtableTraces>& table);
void termineEtatGlisser(TfigureKalmetra& f);
void redessineFigure(TfigureKalmetra& f);
void repeintFigureEcran(TfigureKalmetra& f);
void actualisePlanIsole(TfigureKalmetra& f);
// Isolates the plane stored in plansEnregistres[kPlanIsole]: the mode on, its
// normal and constant computed; nothing lies in it when its normal is zero.
// False when the normal is zero. The caller rebuilds and repaints.
bool isolePlanEnregistre(TfigureKalmetra& f);
// Leaves the isolated-plane mode (its plane stays stored): the visible solids
// and every display element prepared again, the figure repainted.
void quittePlanIsole(TfigureKalmetra& f);
void construitElementSolide(TfigureKalmetra& f, int objet);
void marqueElementsDansPlanIsole(TfigureKalmetra& f);
void prepareElementObjet(TfigureKalmetra& f, int objet);
// The traces projected again and the display element of every drawable object.
void prepareTousLesElements(TfigureKalmetra& f);
void projetteTraces(TfigureKalmetra& f);
void projetteDerniersPointsTraces(TfigureKalmetra& f);
// What the drawing keeps per object (drawing data, display element, trace,
// the timer of a repetition command) follows the objects when they are
// renumbered; called once the object
// records have moved. A deleted object k: its own are freed and those above
// move down one place. An object moved from a to b: its own go to b and
// those between shift by one towards a.
void oteDessinObjet(TfigureKalmetra& f, int k);
void deplaceDessinObjet(TfigureKalmetra& f, int a, int b);
// Once objects were deleted or moved (their records at their new numbers),
// or the figure was read again by undo or redo: the timer of each running
// repetition command takes the command's new number and goes on with its
// rhythm; a timer whose command is gone, or no longer runs, stops, and the
// running flag and the menu follow when none is left.
void suitMinuteriesDesCommandes(TfigureKalmetra& f);
void placeZonesDessin(TfigureKalmetra& f);

} // namespace km32
