#pragma once
// The table of values described to the platform layer (formes_liees.h), so
// that a real backend shows it as the toolkit's own widgets bound to the
// model: the grid as a list of several columns headed by the objects' names,
// the menu's "Copier le tableau" as a button and its option "Utiliser la
// virgule" as a check box.
#include "host/fenetres/tableau_valeurs.h"

namespace km32 {

// The list's number in the form.
constexpr int kListeTableauValeurs = 1;

void lieFormeTableauDeValeurs(const TFenetreDuTableauDeValeurs& t);

} // namespace km32
