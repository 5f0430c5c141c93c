#pragma once
// The figure text editor described to the platform layer (formes_liees.h):
// its menu as a band of buttons, the text as a multi-line entry, the tree
// of phrases as a tree list, and the second text's pane (its name, its
// buttons, its text) when it is open.
#include "host/fenetres/editeur_figure.h"

namespace km32 {

// Numbers of the editor's entries and list in its form.
constexpr int kChampTexteEditeur = 1, kChampAutreTexteEditeur = 2, kListeArbreEditeur = 3;

void lieFormeEditeurFigure(const TFenetreEditeur& e);

} // namespace km32
