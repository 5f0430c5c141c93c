#include "host/fenetres/palette_insertion.h"

#include <algorithm>

#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"

namespace km32 {

namespace p = platform;

namespace {

// Room left between a text and its cell's frame, on each side.
constexpr int32_t kMargeHorizontale = 4, kMargeVerticale = 2;

} // namespace

void disposePalette(PaletteInsertion& palette, int32_t gauche, int32_t haut, int32_t largeurMin,
                    int32_t hauteurMin, int32_t ecart, bool enColonne, int32_t droiteMax) {
    std::vector<int32_t> largeurs;
    int32_t largeurColonne = largeurMin, hauteur = hauteurMin;
    for (const std::string& t : palette.textes) {
        const EncombrementTQ m = EncombrementExpG(t, palette.taille);
        largeurs.push_back(std::max(largeurMin, m.largeur + 2 * kMargeHorizontale));
        largeurColonne = std::max(largeurColonne, largeurs.back());
        hauteur = std::max(hauteur, m.hauteur() + 2 * kMargeVerticale);
    }
    palette.cellules.clear();
    int32_t x = gauche, y = haut;
    for (int32_t largeur : largeurs) {
        if (enColonne) {
            palette.cellules.push_back({x, y, x + largeurColonne, y + hauteur});
            y += hauteur + ecart;
            continue;
        }
        if (droiteMax > 0 && x > gauche && x + largeur > droiteMax) {
            x = gauche;
            y += hauteur + ecart;
        }
        palette.cellules.push_back({x, y, x + largeur, y + hauteur});
        x += largeur + ecart;
    }
}

p::Rectangle cadrePalette(const PaletteInsertion& palette) {
    p::Rectangle r;
    for (const p::Rectangle& c : palette.cellules)
        r = p::unionRectangles(r, c);
    return r;
}

int cellulePalette(const PaletteInsertion& palette, p::Point point) {
    for (std::size_t k = 0; k < palette.cellules.size(); ++k)
        if (p::pointDansRectangle(palette.cellules[k], point)) return int(k);
    return -1;
}

void peintPalette(p::ContexteDessin& dc, const PaletteInsertion& palette, p::Couleur couleur) {
    const double l = std::max(1, larg(palette.taille)), h = std::max(1, haut(palette.taille));
    for (std::size_t k = 0; k < palette.cellules.size() && k < palette.textes.size(); ++k) {
        const p::Rectangle& c = palette.cellules[k];
        DessineRectangle(dc, 1, couleur, c.gauche, c.haut, c.droite - 1, c.bas - 1);
        // The text's box in the middle of the cell: its reference point is
        // the baseline, dessus above it.
        const EncombrementTQ m = EncombrementExpG(palette.textes[k], palette.taille);
        const int32_t x = c.gauche + (c.largeur() - m.largeur) / 2;
        const int32_t y = c.haut + (c.hauteur() - m.hauteur()) / 2 - m.dessus;
        ExpFormTailleTypCol(dc, palette.textes[k], double(x) / l, double(y) / h, palette.taille, palette.type,
                            couleur);
    }
}

} // namespace km32
