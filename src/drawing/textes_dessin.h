#pragma once
// The texts of the display list: the wording and measured box of a text
// object (kind 17) shown in the top band, the label of a point with the box
// its name-position bits place, and the step-by-step replay caption.
// Every measure goes through the sibling's mathematical text, in pixels.
#include <cstdint>
#include <string>

#include "drawing/bloc_dessin.h"
#include "model/figure.h"
#include "platform/geometrie.h"
#include "sibling/texte_math.h"

namespace km32 {

// The larger font of a thick-lines figure, for the texts of the band, the
// labels drawn large and the replay caption; the normal font otherwise.
constexpr int16_t kTailleGrosTexte = 3;
constexpr int16_t kTypeGrosTexte = kTypeGrasTQ;
constexpr int16_t kTailleTexteNormal = 0;

// Longest texts kept by an element.
constexpr std::size_t kLongueurEtiquette = 80;
constexpr std::size_t kLongueurTexteAffichage = 255;

// ---- Text objects ----

// What a text object shows, as mathematical text: its own text for a plain
// text (with its "val(" items replaced by their values); for the displays of
// a value, coordinates, a length or a plane equation, the names of the
// objects concerned followed by that value ("a = 2.50", "A(1, 2, 3)",
// "AB = 5", "P: X +Y +Z = 1"), written with the display's decimals; the value
// part is left out while the object is undefined.
std::string texteAffichage(const TfigureKalmetra& f, int n);

// Fills the text element of object n: box position (the object's first two
// values, rounded), text, measured width and height, and the offset of the
// first line (how far the text reaches above its reference point). Measured
// in the larger font on a thick-lines figure.
void construitElementTexte(const TfigureKalmetra& f, int n, TelementDessin& e);

// ---- Point labels ----

// Fills the label of a point element from object n: the label text (the part
// of its text after the first blank, with "val(" items replaced) or else its
// name, and whether a label text exists. False when a value of the label
// cannot be computed: the point then has nothing to draw.
bool construitEtiquettePoint(const TfigureKalmetra& f, int n, TelementDessin& e);

// Size of the label box of a point element (tailleEtiquette): a name is
// measured on the character cell (a prime takes no cell, a subscript adds
// half a cell in height); a label text by its mathematical layout, enlarged
// on a thick-lines figure.
platform::Point tailleEtiquette(const TfigureKalmetra& f, const TelementDessin& e);

// Top-left corner of a box of w x h placed beside the point (x, y) by the
// name-position bits of the style, in a drawing of largeur x hauteur.
platform::Point positionEtiquette(const TstyleObjet& style, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t largeur, int32_t hauteur);

// Places the label box of a point element (size in largeur and hauteur,
// corner in xEtiquette and yEtiquette).
void placeEtiquette(const TfigureKalmetra& f, TelementDessin& e);

// ---- Replay caption ----

// Measures the caption text and lays out its box at the bottom of the
// drawing when there is a band, else at its top.
void placeLegende(TfigureKalmetra& f, const std::string& texte);

} // namespace km32
