#pragma once
// Single lines of a figure text: the view lines (rotations, position,
// projection, rotation step), the double frame, printing and adjusted-copy
// lines, the free-object and keyboard-step lines of a free object, the
// style line of an object, the value lines of a function given by values
// and the forbidden-option lines. Each line is CR LF, an indentation and a
// phrase of the applied language filled from its arguments; a routine with
// nothing to say gives the empty string (or no line).
// ecritLigneObjetLibre and ecritLigneStyleObjet are declared in
// model/services_texte.h.
#include <string>
#include <vector>

#include "model/figure.h"

namespace km32 {

// Degrees of an angle in radians, the integer when within 1e-6 of one.
std::string texteAngleEnDegres(double angle);

std::string ecritLigneRotations(const TfigureKalmetra& f);
std::string ecritLignePosition(const TfigureKalmetra& f);
std::string ecritLigneProjection(const TfigureKalmetra& f);
std::string ecritLignePasDeRotation(const TfigureKalmetra& f);
std::string ecritLigneDoubleCadre(const TfigureKalmetra& f);
std::string ecritLigneImpression(const TfigureKalmetra& f);
std::string ecritLigneCopieAjustee(const TfigureKalmetra& f);
std::string ecritLignePasClavier(const TfigureKalmetra& f, int i);
// The value lines of a function defined by values: its points as "(x,y)"
// pairs, a new line each time the pairs written pass 60 characters.
std::vector<std::string> ecritLignesValeursFonction(const TfigureKalmetra& f, int i);
// The forbidden-option lines: the menu path codes of what the figure's menu
// filter forbids, a new line each time the codes pass 50 characters.
std::vector<std::string> ecritLignesOptionsInterdites(const TfigureKalmetra& f);

} // namespace km32
