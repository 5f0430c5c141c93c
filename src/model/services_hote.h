#pragma once
// What the figure model needs of the host subsystem. The host subsystem
// defines these functions (codeDeCouleur lives with the colour table).
#include <cstdint>

#include "model/figure.h"

namespace km32 {

void desinscritVariablesPartagees(TfigureKalmetra& f);
void detruitMenuFigure(int16_t numero);
void miseAjourMenuFigure(TfigureKalmetra& f);
// Takes back the menu-state notice posted to the drawing window of a figure
// without host window once that figure is gone, unless another such figure
// still draws in that window.
void retireAvisEtatMenus(uint32_t fenetreDessin);
void fermeFenetreAnnexe();

} // namespace km32
