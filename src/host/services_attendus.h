#pragma once
// Services of other subsystems that the host interface calls. Until their
// subsystems define them, each has a marked placeholder body in
// model/services_attente.cpp that does the least a caller may rely on.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/figure.h"

namespace km32 {

// Drawing: fit the drawing area to the window, rebuild the display list,
// paint figure numero into a device context (handle), copy the drawing to
// the clipboard (adjusted to the host's settings or not; the result of the
// copy), recompute the dependants of changed objects and redraw them, and
// compute the changed objects of a run of host lines with their dependants.
bool ajusteTailleFenetre(TfigureKalmetra& f); // true when the drawing size changed
void reconstruitDessin(TfigureKalmetra& f);
void repeintFigureKMparNumero(int16_t numero, uint32_t contexte);
uint32_t copieDessinDansPressePapiers(TfigureKalmetra& f, bool ajuste);
void recalculeDependants(TfigureKalmetra& f, const TEnsembleObjets& changes);
void calculeObjetsChanges(TfigureKalmetra& f, const TEnsembleObjets& changes);

// Mouse, keys and shared values of the figure (the dispatcher's handlers).
void sourisDeplacee(TfigureKalmetra& f, int32_t lParam);
void sourisBoutonEnfonce(TfigureKalmetra& f, int32_t lParam);
void sourisBoutonRelache(TfigureKalmetra& f, int32_t lParam);
void debutRotationVue(TfigureKalmetra& f, int32_t lParam);
uint8_t traiteToucheEnfoncee(TfigureKalmetra& f, uint32_t touche);
uint8_t traiteCaractere(TfigureKalmetra& f, uint32_t caractere);
uint8_t executeCommandeFigure(TfigureKalmetra& f, uint32_t commande, int32_t lParam);
void importeMouvement(TfigureKalmetra& f);
void fournitValeursPartagees();
void executeCommandeDeTouche(TfigureKalmetra& f, int objet);
void inscritVariablesPartagees(TfigureKalmetra& f);

// Keyboard movement of the active free object (drawing): one step in
// direction 2..7, its step times a factor, the view step one rung coarser
// (246) or finer, a new active object, the notice to the host of a move.
bool deplaceObjetLibreClavier(TfigureKalmetra& f, uint8_t direction);
bool multiplieObjetLibreActif(TfigureKalmetra& f, double facteur);
bool changePasClavier(TfigureKalmetra& f, uint32_t code);
void prepareObjetActif(TfigureKalmetra& f, int objet);
void notifieHoteEtPublie(TfigureKalmetra& f, uint8_t cause);
// Key-bound command objects (drawing): the commands of a key code (true when
// there was one), a tick of a repetition timer (false when the id is no
// repetition command's), everything that repeats stopped (clock included).
bool executeCommandesDeTouche(TfigureKalmetra& f, uint8_t touche);
bool topMinuterieDeCommande(TfigureKalmetra& f, uint32_t minuterie);
void arreteToutesLesMinuteries(TfigureKalmetra& f);
// Undo, redo and deletion (text): undo and redo a step, put a state of the
// figure (itself or a copy of its former state) in its undo store, delete a
// set of objects with their dependants, protect or unprotect a set.
void defaitFigure(TfigureKalmetra& f);
void refaitFigure(TfigureKalmetra& f);
void prendInstantanePourAnnuler(TfigureKalmetra& f, const TfigureKalmetra& etat);
void detruitEnsembleObjets(TfigureKalmetra& f, const TEnsembleObjets& ensemble);
void protegeObjets(TfigureKalmetra& f, const TEnsembleObjets& ensemble, bool protege);

// The command pop-up menu of a figure; the command of a menu path code
// ("2-1-1-9"), 0 when none.
void afficheMenuFigure(int16_t numero);
uint16_t commandeDeCodeMenu(const std::string& code);
// The prototypes the figure's menu offers (slot 1..50 and title), in slot
// order: those of the figure that owns its prototypes whose figure is not
// kept out of the menu.
std::vector<std::pair<uint16_t, std::string>> prototypesDuMenu(const TfigureKalmetra& f);

// Figure text language: a whole text replaces the figure (with a
// confirmation or not), the figure written as text, the stored extra lines
// run, one line run with its error shown (0 or the error).
void appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool confirmation);
std::string ecritTexteFigure(const TfigureKalmetra& f);
void executeTexteFigureParNumero(int16_t numero);

} // namespace km32
