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
#include "text/execution_ligne.h"

namespace km32 {

// Drawing and interaction.
void afficheSablier(uint32_t) {}
void retireSablier(uint32_t) {}
void publieVariablesPartagees(TfigureKalmetra&) {}
void libereTableTraces(std::unique_ptr<TtableTraces>& table) {
    table.reset();
}
void termineEtatGlisser(TfigureKalmetra& f) {
    f.etatGlisser.reset();
}
void creeTableTraces(std::unique_ptr<TtableTraces>& table) {
    table = std::make_unique<TtableTraces>();
}
void actualisePlanIsole(TfigureKalmetra&) {}
void projetteTraces(TfigureKalmetra&) {}
void projetteDerniersPointsTraces(TfigureKalmetra&) {}

// Host interface. Nothing registers shared variables yet: unregistering only
// frees the record.
void desinscritVariablesPartagees(TfigureKalmetra& f) {
    f.variablesPartagees.reset();
}
void detruitMenuFigure(int16_t) {}
void fermeFenetreAnnexe() {}

// Figure text language.
// PLACEHOLDER: runs no line and reports success.
uint16_t executeTexteDeFigure(TfigureKalmetra&, const std::string&, uint8_t) {
    return 0;
}
// The flag lives with the line executor.
uint8_t& executionReelle() {
    return etatExecutionLigne().executionReelle;
}
void libereInstantanes(TfigureKalmetra&) {}

} // namespace km32
