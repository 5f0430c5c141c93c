#pragma once
// Phrase numbers of the reasons why a line, circle, plane, frame, number,
// command, solid or transformation is undefined, beside those of raisons.h.
#include <cstdint>

namespace km32::raisonObjet {

constexpr uint16_t kNonPrecise = 432;             // "Motif de non validité non précisé."
constexpr uint16_t kPointsConfondusSegment = 434; // "Les points sont confondus."
constexpr uint16_t kAngleNonDefini = 443;         // "L'angle n'est pas défini (les points sont confondus)."
constexpr uint16_t kCoefficientsNuls = 444;       // coefficients of X, Y and Z all zero
constexpr uint16_t kPointSurDroite = 452;         // "Le point est sur la droite."
constexpr uint16_t kVecteurDirecteurNul = 455;    // "Le vecteur directeur est nul."
constexpr uint16_t kVecteurDeBaseNul = 461;       // "L'un des vecteurs de base est nul."
constexpr uint16_t kVecteursRepereColineaires = 464;
constexpr uint16_t kRayonNonPositif = 466;        // "Le rayon doit être strictement positif."
constexpr uint16_t kVecteurNul = 467;             // "Le vecteur donné est nul."
constexpr uint16_t kHorsLimites = 468;            // "Une valeur donnée est hors limites."
constexpr uint16_t kIndicePremierTerme = 469;     // "L'indice du premier terme est incorrect."
constexpr uint16_t kAngleRotation = 470;          // "L'angle de la rotation n'est pas défini."
constexpr uint16_t kRepereCoplanaire = 475;       // the three vectors of the frame are coplanar
constexpr uint16_t kVecteurAxialNul = 478;        // "Le vecteur axial ne doit pas être nul."
constexpr uint16_t kPlansNonSecants = 482;        // "Les plans ne sont pas sécants."
constexpr uint16_t kBissectrice = 483;            // the bisector is undefined: aligned points
constexpr uint16_t kCentreHorsPlan = 484;         // "Le centre n'appartient pas au plan."
constexpr uint16_t kPointHorsPlan = 485;          // "Le point n'appartient pas au plan."
constexpr uint16_t kCentreEtPoint = 486;          // "Le centre et le point sont confondus."
constexpr uint16_t kPlanSphere = 488;             // "Le plan et la sphère ne sont pas sécants."
constexpr uint16_t kHauteurNonPositive = 497;     // "La hauteur doit être positive."
constexpr uint16_t kDroitesConfondues = 500;      // "Les droites sont confondues."
constexpr uint16_t kSpheresNonSecantes = 507;     // "Les sphères ne sont pas sécantes."
constexpr uint16_t kPremierTermeNul = 510;        // "premier terme nul non trouvé"

} // namespace km32::raisonObjet
