#pragma once
// Labels of points: the size of a label box, where the box goes beside its
// point by the name-position bits of the style, how it is drawn (a plain
// name with its subscript, or a label text as mathematical text), and the
// separation of overlapping names.
#include <cstdint>
#include <string>

#include "drawing/bloc_dessin.h"
#include "platform/contexte_dessin.h"

namespace km32 {

struct TtailleEtiquette {
    int32_t largeur = 0, hauteur = 0;
};

// Size of a plain name (its first 10 characters on the character cell, a
// prime taking no width, a subscript half a cell lower) and of a label text
// (measured as mathematical text; larger on a thick-lines figure).
TtailleEtiquette tailleNomEtiquette(const std::string& nom);
TtailleEtiquette tailleTexteEtiquette(const TfigureKalmetra& f, const TstyleObjet& style,
                                      const std::string& texte);

// Top-left corner of a box of that size beside the point (x, y), by the
// name-position bits of the style; with no bit, on the side away from the
// middle of the drawing.
void positionEtiquette(const TfigureKalmetra& f, const TstyleObjet& style, int32_t x, int32_t y,
                       TtailleEtiquette taille, int32_t& lx, int32_t& ly);

// Whether the point's object has a label text of its own (else its name is shown).
bool aTexteEtiquette(const TfigureKalmetra& f, const TelementDessin& e);
// Places the label box of a point element (when its name is drawn and the
// figure shows point names); the display list calls it when it builds the element.
void placeEtiquettePoint(const TfigureKalmetra& f, TelementDessin& e);

// Draws the label of a point element at its box position (scaled in scaled
// drawing), when that position lies in the clip rectangle.
void dessineTexteEtiquette(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TelementDessin& e,
                           platform::Couleur couleur);

// Moves the names of points so that their boxes do not overlap, marks the
// figure modified when some name was considered, and repaints; true when a
// box moved.
bool separeNomsDesPoints(TfigureKalmetra& f);

} // namespace km32
