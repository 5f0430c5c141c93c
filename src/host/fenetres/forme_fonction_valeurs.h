#pragma once
// The window of a function given by values described to the platform layer
// (formes_liees.h), so that a real backend shows it as the toolkit's own
// widgets bound to the model: the name and the point as entries with their
// captions, the interpolation check box, the grid of points as a list of two
// columns, the items of the Edit menu and the Add, OK, Cancel and Help
// buttons.
#include "host/fenetres/fonction_valeurs.h"

namespace km32 {

// The numbers of the form's entries and list.
constexpr int kChampNomFonction = 1, kChampPointFonction = 2, kListePointsFonction = 3;

void lieFormeFonctionParValeurs(const TFenetreValFon& v);

} // namespace km32
