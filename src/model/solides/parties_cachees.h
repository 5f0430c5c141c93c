#pragma once
// Hidden parts of a figure drawn with its solids opaque: the list of the
// solids that hide others in the current view, and the two questions the
// drawing asks of it: is this point hidden, and which parts of this segment
// are visible. Points and segments are in integer model units (each model
// coordinate through coordonneeEntiere); break points come out projected
// with projetteX and projetteY.
#include <cstdint>

#include "model/figure.h"
#include "model/solides/element_solide_vue.h"
#include "model/solides/parties_visibles.h"

namespace km32 {

// The figure shows one isolated plane (its setting byte is set).
bool modePlanIsole(const TfigureKalmetra& f);
// Construction codes of the objects that can hide others when filled.
bool estCodeSolideCachant(uint8_t code);

// Builds the visible list (the defined, drawn and filled solids not limited
// by a defined object, in object order) and prepares each for the view.
// Nothing is visible in wire-frame or isolated-plane mode.
void preparePolyedresVisibles(TfigureKalmetra& f);

// Points hidden by a solid are left out or dotted: not wire-frame, hidden
// parts not asked dotted, and some solid visible.
bool partiesCacheesCalculees(const TfigureKalmetra& f);

bool pointCacheParPolyedres(const TfigureKalmetra& f, double x, double y, double z);
bool pointCacheParPolyedres(const TfigureKalmetra& f, const TpointEntier& p);
// The same, leaving out the visible entry of the given slot (an object's own).
bool pointCacheParAutres(const TfigureKalmetra& f, double x, double y, double z, int emplacementPropre);

// The visible and hidden parts of the segment AB against every visible solid
// but the one in slot `emplacementPropre` (0: none left out). The segment is
// first restricted to the drawing area. At most 15 pieces come out: beyond
// that the shortest are merged into their neighbours.
void partiesVisiblesSegment(const TfigureKalmetra& f, const TpointEntier& A, const TpointEntier& B,
                            TpartiesVisibles& parties, int emplacementPropre = 0);

// Whole objects: each fills the parts of the pieces of the object's drawing data.
void partiesVisiblesPolyedre(const TfigureKalmetra& f, int objet, TElementSolideVue& e);
void partiesVisiblesPatron(const TfigureKalmetra& f, int objet, TElementSolideVue& e);
void partiesVisiblesCourbe(const TfigureKalmetra& f, int objet, TElementSolideVue& e);
void partiesVisiblesSphere(const TfigureKalmetra& f, int objet, TElementSolideVue& e);
void partiesVisiblesSolideRond(const TfigureKalmetra& f, int objet, TElementSolideVue& e);
void partiesVisiblesListeSegments(const TfigureKalmetra& f, TlisteSegmentsVue& liste);

} // namespace km32
