#pragma once
// Phrase numbers of the reasons why an object is undefined, as the engine
// stores them in the object record.
#include <cstdint>

namespace km32::raison {

constexpr uint16_t kNonPrecise = 432;            // "Motif de non validité non précisé."
constexpr uint16_t kPointsConfondus433 = 433;    // "Les points utilisés sont confondus." (ray at a distance)
constexpr uint16_t kPointsAlignes = 435;         // "Les points sont alignés."
constexpr uint16_t kPointsNonAlignes = 436;      // "Les points ne sont pas alignés."
constexpr uint16_t kAntecedentNonValide = 437;   // "Au moins un des antécédents est non valide."
constexpr uint16_t kSommeNulle = 438;            // "La somme des coefficients est nulle."
constexpr uint16_t kRapportNul = 439;            // homothety ratio is zero
constexpr uint16_t kDistanceNegative = 440;      // "Une distance ne peut pas être négative."
constexpr uint16_t kCalculImpossible = 441;      // "Un calcul est impossible."
constexpr uint16_t kDroiteCercle = 446;          // the line and the circle do not meet
constexpr uint16_t kDeuxCercles = 447;           // the two circles do not meet
constexpr uint16_t kPointsConfondus = 454;       // "Les points utilisés sont confondus."
constexpr uint16_t kCerclesUnPoint = 456;        // the circles meet in one point only
constexpr uint16_t kDroiteCercleUnPoint = 457;   // the line and the circle meet in one point only
constexpr uint16_t kPremierPointHors = 458;      // the first point is not on the intersection
constexpr uint16_t kBornesIncorrectes = 465;     // "Les bornes sont incorrectes."
constexpr uint16_t kRapportIncalculable = 473;   // homothety ratio cannot be computed
constexpr uint16_t kRapportHorsLimites = 474;    // homothety ratio out of range
constexpr uint16_t kPlanNonValide = 476;         // "Le plan est non valide (points alignés)."
constexpr uint16_t kDroitesParalleles = 477;     // "Les deux droites sont parallèles."
constexpr uint16_t kDroitesNonCoplanaires = 479; // "Les droites ne sont pas coplanaires."
constexpr uint16_t kPlanDroiteNonSecants = 480;  // "Le plan et la droite ne sont pas sécants."
constexpr uint16_t kDroiteParallelePlan = 481;   // "La droite est parallèle au plan."
constexpr uint16_t kPointSurAxe = 487;           // "Le point appartient à l'axe."
constexpr uint16_t kNonEquidistants = 489;       // origin and end not at the same distance from the axis
constexpr uint16_t kPlansPerpendiculaires = 490; // origin and end not in one plane perpendicular to the axis
constexpr uint16_t kDroiteSphere = 499;          // the line and the sphere do not meet
constexpr uint16_t kNombreDePoints = 557;        // "Nombre de points incorrect"

} // namespace km32::raison
