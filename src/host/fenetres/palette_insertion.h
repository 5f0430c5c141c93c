#pragma once
// An insertion palette: a row or a column of cells, each holding a text
// painted as mathematical text that a click inserts somewhere (the
// construction dialog's column, the comment editor's row). Every cell is as
// large as the largest text needs with a margin round it, never smaller than
// the window's own cell size, so that no text runs over its cell's frame;
// each text stands in the middle of its cell.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/contexte_dessin.h"
#include "platform/geometrie.h"

namespace km32 {

struct PaletteInsertion {
    std::vector<std::string> textes;           // as painted
    std::vector<platform::Rectangle> cellules; // one per text, in the window's client coordinates
    int16_t taille = 0, type = 0;              // the mathematical text's size and type
};

// Lays the cells out from (gauche, haut): one under the other (enColonne),
// all as wide as the widest text needs, or side by side, each as wide as its
// own text needs and all as high, a row going on under itself (from gauche)
// where a cell would pass droiteMax (0: never); ecart pixels between two.
// A cell is at least largeurMin x hauteurMin.
void disposePalette(PaletteInsertion& p, int32_t gauche, int32_t haut, int32_t largeurMin, int32_t hauteurMin,
                    int32_t ecart, bool enColonne, int32_t droiteMax = 0);
// The rectangle holding every cell (empty for no cell).
platform::Rectangle cadrePalette(const PaletteInsertion& p);
// The cell under the point, -1 when none.
int cellulePalette(const PaletteInsertion& p, platform::Point point);
// Each cell's frame and its text, in that colour.
void peintPalette(platform::ContexteDessin& dc, const PaletteInsertion& p, platform::Couleur couleur);

} // namespace km32
