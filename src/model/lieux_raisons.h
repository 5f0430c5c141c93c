#pragma once
// Phrase numbers of the reasons why a locus or a mesh is undefined.
#include <cstdint>

namespace km32::raison {

constexpr uint16_t kCourbeSansPoint = 442;     // "La courbe n'a aucun point valide."
constexpr uint16_t kNombrePointsDemande = 451; // "Le nombre de points demandé est incorrect."
constexpr uint16_t kTraceIndependant = 471;    // the traced object does not depend on the pilot
constexpr uint16_t kPiloteNonValide = 472;     // "Le pilote est non valide."

} // namespace km32::raison
