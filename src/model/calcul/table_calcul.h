#pragma once
// The dispatch table of the computation engine: one route per construction
// code of the catalogue. Each route is the function that computes an object
// of that code once its antecedents are known to be defined.
//
// Every code of the catalogue has its computation. A new row of the
// catalogue may route to calculeParEtapeUlterieure, which leaves the object
// undefined, until its computation is written; no code routes there now
// (tests/engine lists the codes that do).
#include <cstdint>
#include <span>

#include "model/figure.h"

namespace km32 {

using FonctionCalcul = void (*)(TfigureKalmetra& f, int n);

struct TrouteCalcul {
    uint8_t code = 0;
    FonctionCalcul calcule = nullptr;
    // After a normal end, a free object re-evaluates its step expression.
    // Routes that do it themselves (points) or that must not (loci, the
    // line and circle computations) leave this false.
    bool pasDesObjetsLibres = false;
};

// The list of routes, one entry per code, in increasing order of code.
std::span<const TrouteCalcul> routesDeCalcul();
// The route of a code; nullptr for a code without one.
const TrouteCalcul* routeDeCalcul(uint8_t code);

// The route of a code whose computation is not written: the object is
// undefined. No code of the catalogue takes it now.
void calculeParEtapeUlterieure(TfigureKalmetra& f, int n);
bool estCalculeParEtapeUlterieure(uint8_t code);

// Codes of given objects (the placeholders of a prototype's inner figure):
// always undefined when computed; the prototype road fills them.
bool estCodeObjetDonne(uint8_t code);

} // namespace km32
