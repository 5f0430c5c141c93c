#pragma once
// Drawing of mathematical text and of boxed texts and frames into a device
// context, and the helpers of metafile and clipboard copies. Texts are laid
// out as texte_math.h says; each run is one text primitive in transparent
// mode, in the font of the cell (height haut, bold for type 2; the face of
// mathematical text inside math zones, sans outside). Cell offsets are
// multiplied by the context's pixel. The context's font, text colour and
// background mode are given back as they were.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/contexte_dessin.h"
#include "platform/trace_enregistre.h"
#include "sibling/texte_math.h"

namespace km32 {

using platform::ContexteDessin;

// Sets the text colour of the library (CouleurTexte) and of the context;
// mode 1 draws texts on a transparent background, another mode opaque.
void SetTexteCoul(ContexteDessin& dc, int16_t mode, Couleur couleur = platform::kNoir);

// A text at (x, y) given in character cells of the size used (x * larg,
// y * haut pixels, rounded), reference point as in texte_math.h.
// ExpForm: current size, type and text colour.
void ExpForm(ContexteDessin& dc, std::string_view texte, double x, double y);
// The given size, type and colour.
void ExpFormTailleTypCol(ContexteDessin& dc, std::string_view texte, double x, double y, int16_t taille,
                         int16_t type, Couleur couleur);
// Math zones in couleurExp and typeExp, plain parts in couleurTexte and
// typeTexte, at the given size ("$" codes still win). The two names serve an
// expression or label, and a text of several lines (comments, reminders).
void ExpFormColExpColTxtTypExpTypTxtTaille(ContexteDessin& dc, std::string_view texte, double x, double y,
                                           Couleur couleurExp, Couleur couleurTexte, int16_t typeExp,
                                           int16_t typeTexte, int16_t taille);
void expformTexteColExpColTxtTypExpTypTxtTaille(ContexteDessin& dc, std::string_view texte, double x,
                                                double y, Couleur couleurExp, Couleur couleurTexte,
                                                int16_t typeExp, int16_t typeTexte, int16_t taille);
// A text of several lines from the left margin, at line y (in cells), in
// the current size, type and colour.
void expformTexte(ContexteDessin& dc, std::string_view texte, double y);

// Plain text (no decoding) with the top-left corner of its cell at (x, y)
// pixels, current size, type and colour, transparent.
void EmessG(ContexteDessin& dc, std::string_view texte, int32_t x, int32_t y);
// A name (of a point) in the face of mathematical text, as one text: its
// first character (and the second when it is a prime, ' or ") in italic,
// the rest a subscript three quarters as high whose cell is half a cell
// lower; at (x, y) pixels, current size, type and text colour, transparent.
void EmessNomG(ContexteDessin& dc, std::string_view nom, int32_t x, int32_t y);
// A box at (0, 0) of largeur x hauteur pixels filled with couleurFond, framed
// in couleurTexte with a pen of width epaisseur (no frame for 0 or less), and
// the plain text at (5, 5) in couleurTexte at the current size.
void EmessStylePave(ContexteDessin& dc, std::string_view texte, Couleur couleurTexte, int32_t largeur,
                    int32_t hauteur, Couleur couleurFond, int16_t epaisseur);
// The outline of the rectangle (gauche, haut) - (droite, bas), corners
// included, with a solid pen of width epaisseur and no fill.
void DessineRectangle(ContexteDessin& dc, int32_t epaisseur, Couleur couleur, int32_t gauche, int32_t haut,
                      int32_t droite, int32_t bas);

// Whether the sibling may save and restore the state of the contexts it draws
// into (off while a drawing goes into a metafile for the clipboard).
void setSaveDCautorise(bool autorise);
bool saveDCautorise();

// The drawing of a text put on the clipboard by copieDessinTexte: the text,
// its measure, and what was drawn (a recording of the text at (0, 0)).
struct DessinCopieTQ {
    bool present = false;
    std::string texte;
    EncombrementTQ encombrement;
    std::vector<platform::Primitive> primitives;
};
// Puts the drawing of a text (as expformTexte draws it) on the clipboard: it
// is kept here, and the layer's clipboard gets it as a picture of the text's
// size in place of what it held (unless it cannot be opened).
void copieDessinTexte(std::string_view texte);
const DessinCopieTQ& dessinCopieTQ();

// Empties the clipboard drawing and allows saving contexts again.
void reinitialiseDessinTexteTQ();

} // namespace km32
