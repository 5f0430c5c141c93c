#pragma once
// The view history of a figure: up to 1000 remembered views (the three view
// angles each), created on first use. When it is full the 100 oldest views
// are dropped to make room. Stepping back and forth shows the remembered
// views without removing any; a new view always goes after the last one.
#include "model/figure.h"

namespace km32 {

// Pushes the current angles (declared in model/services_dessin.h).
void memoriseVue(TfigureKalmetra& f);
// Shows the previous / next remembered view (fixeAnglesVueEtVuesLiees): 1
// when it moved, 0 at either end or without history.
int vuePrecedente(TfigureKalmetra& f);
int vueSuivante(TfigureKalmetra& f);

} // namespace km32
