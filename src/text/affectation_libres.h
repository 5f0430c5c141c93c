#pragma once
// Putting a free object at a wanted place: a target point (x, y, z), or a
// value x for a number, becomes the object's new parameters by its
// construction code; and the lines that assign free objects ("Affecter la
// variable numérique #1, valeur: #2", "Affecter le point libre #1, valeur:
// #2", "... coordonnées: (#2,#3,#4) dans le repère #5").
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kErreurAffectationImpossible = 605;

// The new parameters p1 (always) and p2, p3 (where the construction has
// them) of free object k for the target; 604 for an object that is not a
// free construction, 605 for a target it cannot take or an undefined
// object ("#1" is the object's name). The results are used only when the
// error stays 0.
void affecteObjetLibre(const TfigureKalmetra& f, int k, double x, double y, double z, double& p1, double& p2,
                       double& p3, uint16_t& erreur);

// The integers between value 1 and value 2 of k (its interval bounds): how
// many, and the lowest.
void nombreEntiersEntreValeurs(const TfigureKalmetra& f, int k, int& nombre, int& plusPetit);

// The assignment lines: look the object up, evaluate the target, assign it
// and recompute its dependants (with the refresh when redessine). The
// error is 0 or the phrase of the first failing step (not reported here).
void affecteVariableNumeriqueLibre(TfigureKalmetra& f, const std::string& nom, const std::string& valeur,
                                   uint8_t modeLecture, bool redessine, uint16_t& erreur);
void affectePointLibreSurPoint(TfigureKalmetra& f, const std::string& nom, const std::string& cible,
                               uint8_t modeLecture, bool redessine, uint16_t& erreur);
void affectePointLibreParCoordonnees(TfigureKalmetra& f, const std::string& nom, const std::string& repere,
                                     const std::string& x, const std::string& y, const std::string& z,
                                     uint8_t modeLecture, bool redessine, uint16_t& erreur);

} // namespace km32
