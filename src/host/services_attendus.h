#pragma once
// Services of other subsystems that the host interface calls: the headers of
// those that exist, and the declarations of those not built yet, each with a
// marked placeholder body in model/services_attente.cpp that does the least a
// caller may rely on.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/figure.h"

// The services built in their own subsystems.
#include "drawing/clavier.h"
#include "drawing/clavier_partage.h"
#include "drawing/commandes_touches.h"
#include "drawing/rafraichissement.h"
#include "drawing/souris.h"
#include "drawing/vue_operations.h"
#include "host/menus_figure.h"
#include "host/menus_figure_codes.h"
#include "host/repartiteur.h"
#include "model/calcul/dependants.h"
#include "text/annulation.h"
#include "text/ecriture_figure.h"
#include "text/execution_texte.h"
#include "text/suppression.h"

namespace km32 {

// Drawing: copy the drawing to the clipboard (adjusted to the host's
// settings or not; the result of the copy), and compute the changed objects
// of a run of host lines with their dependants.
uint32_t copieDessinDansPressePapiers(TfigureKalmetra& f, bool ajuste);
void calculeObjetsChanges(TfigureKalmetra& f, const TEnsembleObjets& changes);

// The prototypes the figure's menu offers (slot 1..50 and title), in slot
// order: those of the figure that owns its prototypes whose figure is not
// kept out of the menu.
std::vector<std::pair<uint16_t, std::string>> prototypesDuMenu(const TfigureKalmetra& f);

// Figure text language: a whole text replaces the figure (with a
// confirmation or not).
void appliqueTexteAFigure(TfigureKalmetra& f, const std::string& texte, bool confirmation);

} // namespace km32
