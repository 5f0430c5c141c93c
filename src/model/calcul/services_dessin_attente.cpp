// PLACEHOLDERS until the drawing subsystem exists.
//
// The recomputation of dependants and the trace modes call these drawing
// services. Each body does the least that keeps the figure record
// consistent (a trace table asked for exists afterwards) and draws nothing.
// The drawing subsystem (and the solids, for the visible polyhedra) deletes a
// placeholder from this file when it defines the real service.
#include "model/services_dessin.h"

namespace km32 {

void creeTableTraces(std::unique_ptr<TtableTraces>& table) {
    table = std::make_unique<TtableTraces>();
}
void actualisePlanIsole(TfigureKalmetra&) {}
void projetteTraces(TfigureKalmetra&) {}
void projetteDerniersPointsTraces(TfigureKalmetra&) {}

} // namespace km32
