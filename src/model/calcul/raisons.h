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

// Lines, circles, planes, frames, numbers, commands, solids and transformations.

constexpr uint16_t kPointsConfondusSegment = 434; // "Les points sont confondus."
constexpr uint16_t kAngleNonDefini = 443;         // "L'angle n'est pas défini (les points sont confondus)."
constexpr uint16_t kCoefficientsNuls = 444;       // coefficients of X, Y and Z all zero
constexpr uint16_t kPointSurDroite = 452;         // "Le point est sur la droite."
constexpr uint16_t kVecteurDirecteurNul = 455;    // "Le vecteur directeur est nul."
constexpr uint16_t kVecteurDeBaseNul = 461;       // "L'un des vecteurs de base est nul."
constexpr uint16_t kVecteursRepereColineaires = 464;
constexpr uint16_t kRayonNonPositif = 466;    // "Le rayon doit être strictement positif."
constexpr uint16_t kVecteurNul = 467;         // "Le vecteur donné est nul."
constexpr uint16_t kHorsLimites = 468;        // "Une valeur donnée est hors limites."
constexpr uint16_t kIndicePremierTerme = 469; // "L'indice du premier terme est incorrect."
constexpr uint16_t kAngleRotation = 470;      // "L'angle de la rotation n'est pas défini."
constexpr uint16_t kRepereCoplanaire = 475;   // the three vectors of the frame are coplanar
constexpr uint16_t kVecteurAxialNul = 478;    // "Le vecteur axial ne doit pas être nul."
constexpr uint16_t kPlansNonSecants = 482;    // "Les plans ne sont pas sécants."
constexpr uint16_t kBissectrice = 483;        // the bisector is undefined: aligned points
constexpr uint16_t kCentreHorsPlan = 484;     // "Le centre n'appartient pas au plan."
constexpr uint16_t kPointHorsPlan = 485;      // "Le point n'appartient pas au plan."
constexpr uint16_t kCentreEtPoint = 486;      // "Le centre et le point sont confondus."
constexpr uint16_t kPlanSphere = 488;         // "Le plan et la sphère ne sont pas sécants."
constexpr uint16_t kHauteurNonPositive = 497; // "La hauteur doit être positive."
constexpr uint16_t kDroitesConfondues = 500;  // "Les droites sont confondues."
constexpr uint16_t kSpheresNonSecantes = 507; // "Les sphères ne sont pas sécantes."
constexpr uint16_t kPremierTermeNul = 510;    // "premier terme nul non trouvé"

} // namespace km32::raison
