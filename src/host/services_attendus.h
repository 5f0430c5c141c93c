#pragma once
// Services of other subsystems that the host interface calls. Until their
// subsystems define them, each has a marked placeholder body in
// model/services_attente.cpp that does the least a caller may rely on.
#include <cstdint>
#include <string>

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
uint8_t topHorlogeOuCommande(TfigureKalmetra& f, uint32_t minuterie);
void importeMouvement(TfigureKalmetra& f);
void fournitValeursPartagees();
void executeCommandeDeTouche(TfigureKalmetra& f, int objet);
void inscritVariablesPartagees(TfigureKalmetra& f);

// The command pop-up menu of a figure; the command of a menu path code
// ("2-1-1-9"), 0 when none.
void afficheMenuFigure(int16_t numero);
uint16_t commandeDeCodeMenu(const std::string& code);

// Figure text language: a whole text replaces the figure (with a
// confirmation or not), the figure written as text, the stored extra lines
// run, one line run with its error shown (0 or the error).
void appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool confirmation);
std::string ecritTexteFigure(const TfigureKalmetra& f);
void executeTexteFigureParNumero(int16_t numero);

} // namespace km32
