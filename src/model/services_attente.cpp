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

// Figure text language.
// The flag lives with the line executor.
uint8_t& executionReelle() {
    return etatExecutionLigne().executionReelle;
}
void libereInstantanes(TfigureKalmetra&) {}

// PLACEHOLDERS of the services the host interface calls (host/services_attendus.h).
// Drawing: nothing is drawn, the clipboard copy reports failure (0).
uint32_t copieDessinDansPressePapiers(TfigureKalmetra&, bool) {
    return 0;
}
void calculeObjetsChanges(TfigureKalmetra&, const TEnsembleObjets&) {}
// Mouse: nothing moves.
void sourisDeplacee(TfigureKalmetra&, int32_t) {}
void sourisBoutonEnfonce(TfigureKalmetra&, int32_t) {}
void sourisBoutonRelache(TfigureKalmetra&, int32_t) {}
void debutRotationVue(TfigureKalmetra&, int32_t) {}
void importeMouvement(TfigureKalmetra&) {}
void fournitValeursPartagees() {}
void executeCommandeDeTouche(TfigureKalmetra&, int) {}
void inscritVariablesPartagees(TfigureKalmetra&) {}
// Keyboard: the active free object does not move and its step does not
// change (false); a new active object is only noted.
bool deplaceObjetLibreClavier(TfigureKalmetra&, uint8_t) {
    return false;
}
bool multiplieObjetLibreActif(TfigureKalmetra&, double) {
    return false;
}
bool changePasClavier(TfigureKalmetra&, uint32_t) {
    return false;
}
void prepareObjetActif(TfigureKalmetra& f, int objet) {
    f.objetLibreActif = uint8_t(objet);
}
void notifieHoteEtPublie(TfigureKalmetra&, uint8_t) {}
// Key commands: no key has commands, no repetition timer exists; stopping
// everything stops the figure clock.
bool executeCommandesDeTouche(TfigureKalmetra&, uint8_t) {
    return false;
}
bool topMinuterieDeCommande(TfigureKalmetra&, uint32_t) {
    return false;
}
void arreteToutesLesMinuteries(TfigureKalmetra& f) {
    if (f.horlogeEnMarche) platform::arreteMinuterie(fenetreDeLaFigure(f), kMinuterieHorloge);
    f.horlogeEnMarche = 0;
    f.minuteriesCommandesActives = 0;
}
// Undo and deletion: nothing is undone, stored or deleted; protection sets
// the objects' protected flag.
void defaitFigure(TfigureKalmetra&) {}
void refaitFigure(TfigureKalmetra&) {}
void prendInstantanePourAnnuler(TfigureKalmetra&, const TfigureKalmetra&) {}
void detruitEnsembleObjets(TfigureKalmetra&, const TEnsembleObjets&) {}
void protegeObjets(TfigureKalmetra& f, const TEnsembleObjets& ensemble, bool protege) {
    for (int i = 1; i <= f.nombreObjets; ++i)
        if (ensemble.test(std::size_t(i))) changeDrapeauObjet(objet(f, i), 2, protege);
}
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
