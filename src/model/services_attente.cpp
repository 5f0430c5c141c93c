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
// The isolated plane and the traces are not drawn yet.
void actualisePlanIsole(TfigureKalmetra&) {}
void projetteTraces(TfigureKalmetra&) {}
void projetteDerniersPointsTraces(TfigureKalmetra&) {}

// Host interface. Nothing registers shared variables yet: unregistering only
// frees the record.
void desinscritVariablesPartagees(TfigureKalmetra& f) {
    f.variablesPartagees.reset();
}
void detruitMenuFigure(int16_t) {}
void miseAjourMenuFigure(TfigureKalmetra&) {}

// Figure text language.
// The flag lives with the line executor.
uint8_t& executionReelle() {
    return etatExecutionLigne().executionReelle;
}
void libereInstantanes(TfigureKalmetra&) {}

// PLACEHOLDERS of the services the host interface calls (host/services_attendus.h).
// Drawing.
void calculeObjetsChanges(TfigureKalmetra&, const TEnsembleObjets&) {}
// Mouse and keys: nothing moves; keys and commands are not handled (0).
void sourisDeplacee(TfigureKalmetra&, int32_t) {}
void sourisBoutonEnfonce(TfigureKalmetra&, int32_t) {}
void sourisBoutonRelache(TfigureKalmetra&, int32_t) {}
void debutRotationVue(TfigureKalmetra&, int32_t) {}
uint8_t traiteToucheEnfoncee(TfigureKalmetra&, uint32_t) {
    return 0;
}
uint8_t traiteCaractere(TfigureKalmetra&, uint32_t) {
    return 0;
}
uint8_t executeCommandeFigure(TfigureKalmetra&, uint32_t, int32_t) {
    return 0;
}
uint8_t topHorlogeOuCommande(TfigureKalmetra&, uint32_t) {
    return 0;
}
void importeMouvement(TfigureKalmetra&) {}
void fournitValeursPartagees() {}
void executeCommandeDeTouche(TfigureKalmetra&, int) {}
void inscritVariablesPartagees(TfigureKalmetra&) {}
// Menus: no pop-up menu is shown.
void afficheMenuFigure(int16_t) {}
uint16_t commandeDeCodeMenu(const std::string&) {
    return 0;
}
// Text language: a whole text replaces the figure by a reset and a run of
// its lines.
void appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool) {
    reinitialiseFigure(f);
    executeTexteDeFigure(f, texte, 1);
}

} // namespace km32
