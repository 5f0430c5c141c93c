#pragma once
// Figures created by the host: each has a window form (fenetre_figure.h) and
// a figure record under the same number 1 to 64. A number is free for the
// host when it has neither a form nor a figure.
#include <cstdint>
#include <string>

namespace km32 {

// Creates a figure for the host window in the first free number and returns
// it, 0 when all 64 are taken. A null text counts as the empty text.
int16_t creeFigureHote(uint32_t hote, const char* fichier, const char* texte, const char* parametres);
// Creates the figure again in the number whose form exists (the figure there
// is destroyed first, the form stays). Nothing when numero has no form.
void recreeFigureHote(int16_t numero, const char* fichier, const char* texte, const char* parametres);
// The title and background picture of figure n from its form's creation
// string: "Nom=" title (up to ',', '/' or ';'), "Image=" or "BitMap=" file
// (up to ';').
void titreEtImageDeFond(int16_t n);
// A figure drawn in a window of the caller (creeFigureKMPourFenetreExterne):
// its number, 0 when all 64 are taken; a file that could not be read is
// told as for the other creations.
int32_t creeFigureFenetreExterne(uint32_t fenetre, const char* fichier, uint32_t couleur);
// Destroys figure numero and its form; a box when the number is already free.
void detruitFigureHote(int16_t numero);
// Follows the host window's new size.
void tailleFigureHote(int16_t numero);

} // namespace km32
