// PLACEHOLDERS until the drawing, host and text subsystems exist.
//
// The figure registry and the computation engine call these services of other
// subsystems when they create, reset, load, recompute and destroy a figure. Each body here does the least
// that keeps a figure record consistent (a table it is asked to create exists
// afterwards, one it is asked to free is gone) and nothing else. The
// subsystem that owns a service deletes its placeholder from this file when it
// defines the real one.
#include "drawing/vue_rafraichissement.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "model/services_texte.h"
#include "host/services_attendus.h"
#include "model/registre_figures.h"
#include "text/execution_ligne.h"
#include "model/fenetres_figure.h"
#include "platform/minuteries.h"

namespace km32 {

// Drawing and interaction.
// The isolated plane is not drawn yet.
void actualisePlanIsole(TfigureKalmetra&) {}

// Figure text language.
// The flag lives with the line executor.
uint8_t& executionReelle() {
    return etatExecutionLigne().executionReelle;
}

// PLACEHOLDERS of the services the host interface calls (host/services_attendus.h).
// Drawing.
void calculeObjetsChanges(TfigureKalmetra&, const TEnsembleObjets&) {}
// Prototypes: figures keep none yet, so the menu offers none.
std::vector<std::pair<uint16_t, std::string>> prototypesDuMenu(const TfigureKalmetra&) {
    return {};
}

// Text language: a whole text replaces the figure by a reset and a run of
// its lines.
void appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool) {
    reinitialiseFigure(f);
    executeTexteDeFigure(f, texte, 1);
}

} // namespace km32
