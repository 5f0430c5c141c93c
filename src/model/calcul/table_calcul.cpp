#include "model/calcul/table_calcul.h"

#include <array>

#include "model/calcul/droites_cercles.h"
#include "model/calcul/objets_generaux.h"
#include "model/calcul/points.h"
#include "model/calcul/transformations.h"
#include "model/catalogue.h"
#include "model/fonctions/calcul_fonctions.h"
#include "model/maillages.h"

namespace km32 {

namespace {

namespace c = construction;

// Objects whose values are written from outside (assignments, key commands,
// function evaluation, the prototype road): nothing to compute.
void rienACalculer(TfigureKalmetra&, int) {}

void objetDonne(TfigureKalmetra& f, int n) {
    objet(f, n).nonDefini = 1;
}

constexpr FonctionCalcul kPoint = calculePoint;
constexpr FonctionCalcul kPlusTard = calculeParEtapeUlterieure;
constexpr FonctionCalcul kRien = rienACalculer;
constexpr FonctionCalcul kDonne = objetDonne;
constexpr FonctionCalcul kParticulier = calculeObjetParticulier;
constexpr FonctionCalcul kTransformation = calculeTransformation;
constexpr FonctionCalcul kPlan = calculePlan;
constexpr FonctionCalcul kNombre = calculeRepereOuNombre;
constexpr FonctionCalcul kAffichage = calculeAffichage;
constexpr FonctionCalcul kCommande = calculeCommande;
constexpr FonctionCalcul kSolide = calculeSolide;

// One entry per code of the catalogue; none is routed to kPlusTard now. The
// two loci (37, 219) keep their values here: calculeObjet samples them, and
// the general computation that the sampling itself uses must not.
constexpr TrouteCalcul kRoutes[] = {
    {c::kPointLibreAbscisseEntiere, kPoint},
    {c::kPointLibreCoordonneesEntieres, kPoint},
    {c::kPointLibreSurSegment, kPoint},
    {c::kPointLibreSurDemiDroite, kPoint},
    {c::kPointLibreSurDroite, kPoint},
    {c::kPointLibreSurCercle, kPoint},
    {c::kPointLibreSurArc, kPoint},
    {c::kPointAbscisseDansRepere, kPoint},
    {c::kPointSurDemiDroiteADistance, kPoint},
    {c::kIntersectionDroites, kPoint},
    {c::kIntersectionDroiteCercle, kPoint},
    {c::kIntersectionDroiteCercleAutreQue, kPoint},
    {c::kIntersectionCercles, kPoint},
    {c::kIntersectionCerclesAutreQue, kPoint},
    {c::kMilieuSegment, kPoint},
    {c::kCentreDeGravite, kPoint},
    {c::kCentreCercleInscrit, kPoint},
    {c::kCentreCercleCirconscrit, kPoint},
    {c::kOrthocentre, kPoint},
    {c::kCentreCercle, kPoint},
    {c::kBarycentre, kPoint},
    {c::kToucheRepeter, kCommande, true},
    {c::kCourbeParametree, kParticulier},
    {c::kImageParTranslation, kPoint},
    {c::kImageParSymetrieAxiale, kPoint},
    {c::kImageParSymetrieCentrale, kPoint},
    {c::kImageParHomothetieRapport, kPoint},
    {c::kImageParHomothetieTransformant, kPoint},
    {c::kImagePointParTransformation, kPoint},
    {c::kDroite, kParticulier},
    {c::kBissectrice, kParticulier},
    {c::kImageDroiteParTransformation, kParticulier},
    {c::kDemiDroite, kParticulier},
    {c::kSegment, kParticulier},
    {c::kCercleCirconscrit, kParticulier},
    {c::kCercleInscrit, kParticulier},
    {c::kLieuPoint, kRien}, // sampled by calculeObjet only
    {c::kTranslation, kTransformation, true},
    {c::kSymetrieAxiale, kTransformation, true},
    {c::kSymetrieCentrale, kTransformation, true},
    {c::kHomothetieRapport, kTransformation, true},
    {c::kHomothetieTransformant, kTransformation, true},
    {c::kComposee, kTransformation, true},
    {c::kEntierLibreIntervalle, kNombre, true},
    {c::kReelLibreIntervalle, kNombre, true},
    {c::kRayon, kNombre, true},
    {c::kAireTriangle, kNombre, true},
    {c::kDistancePointDroite, kNombre, true},
    {c::kAbscisseDansRepere, kNombre, true},
    {c::kMesureAngle, kNombre, true},
    {c::kAbscisseVecteur, kNombre, true},
    {c::kOrdonneeVecteur, kNombre, true},
    {c::kReelEgal, kNombre, true},
    {c::kFonction, calculeFonction, true},
    {c::kRepere, kNombre, true},
    {c::kUniteDeLongueur, kNombre, true},
    {c::kVecteurEgal, kNombre, true},
    {c::kVecteurCoordonnees, kNombre, true},
    {c::kAffichageScalaire, kAffichage, true},
    {c::kAffichageCoordonnees, kAffichage, true},
    {c::kToucheIteration, kRien, true},
    {c::kToucheDessinEnBloc, kRien, true},
    {c::kToucheDessinParEtapes, kRien, true},
    {c::kToucheGarderTrace, kRien, true},
    {c::kToucheAffectation, kRien, true},
    {c::kTouchePositionMemorisee, kRien, true},
    {c::kToucheAffectationAleatoire, kRien, true},
    {c::kDroiteMunieDuRepere, kParticulier},
    {c::kToucheTraceALaDemande, kRien, true},
    {c::kToucheSelectionPilotage, kRien, true},
    {c::kReelLibre, kRien, true},
    {c::kEntierLibre, kRien, true},
    {c::kToucheQuitterTrace, kRien, true},
    {c::kSuite, calculeSuite, true},
    {c::kSuitePremierTerme, calculeSuite, true},
    {c::kSuitePremiersTermes, calculeSuite, true},
    {c::kTranslationTransformant, kTransformation, true},
    {c::kImageParTranslationTransformant, kPoint},
    {c::kAffichageLongueur, kAffichage, true},
    {c::kDroiteNommee, kParticulier},
    {c::kAffichageTexte, kRien, true},
    {c::kToucheTableau, kCommande, true},
    {c::kFonctionParValeurs, kRien, true},
    {c::kIndicePremierTermeNul, calculeIndicePremierTermeNul, true},
    {c::kDemiDroiteOriginePassantPar, kParticulier},
    {c::kCourbeY, kParticulier},
    {c::kPointLibreDansEspace, kPoint},
    {c::kPointCoordonnees, kPoint},
    {c::kPointCoordonneesPlan, kPoint},
    {c::kPolygoneEnveloppe, kParticulier},
    {c::kProjeteSurDroite, kPoint},
    {c::kImageParRotation, kPoint},
    {c::kSectionPolyedre, kParticulier},
    {c::kImageParSymetriePlan, kPoint},
    {c::kProjeteSurPlan, kPoint},
    {c::kParallele, kParticulier},
    {c::kPerpendiculaireDroite, kParticulier},
    {c::kPlanMediateur, kPlan, true},
    {c::kDroiteVecteurDirecteur, kParticulier},
    {c::kToucheRotationAbsolue, kCommande, true},
    {c::kCercleCentreRayon, kParticulier},
    {c::kCercleCentrePassantPar, kParticulier},
    {c::kPointLibreDansPlan, kPoint},
    {c::kToucheVueMemorisee, kRien, true},
    {c::kImagePolyedre, kSolide, true},
    {c::kCercleAxe, kParticulier},
    {c::kArcDeCercle, kParticulier},
    {c::kToucheVueDeFace, kCommande, true},
    {c::kPolygoneConvexe, kParticulier},
    {c::kPolygoneRegulier, kParticulier},
    {c::kPlanParallelePlan, kPlan, true},
    {c::kPlanPerpendiculaireDroite, kPlan, true},
    {c::kRotationAngle, kTransformation, true},
    {c::kRotationPoints, kTransformation, true},
    {c::kIntersectionDroitePlan, kPoint},
    {c::kPerpendiculairePlan, kParticulier},
    {c::kVolume, kNombre, true},
    {c::kDistancePointPlan, kNombre, true},
    {c::kAireConvexe, kNombre, true},
    {c::kPlanMuniDuRepere, kPlan, true},
    {c::kAbscissePoint, kNombre, true},
    {c::kOrdonneePoint, kNombre, true},
    {c::kToucheRotationRelative, kCommande, true},
    {c::kAffichageEquationPlan, kAffichage, true},
    {c::kSphere, kSolide, true},
    {c::kSectionSphere, kParticulier},
    {c::kIntersectionPolyedreDemiEspace, kSolide, true},
    {c::kPatron, kSolide, true},
    {c::kIntersectionPolyedres, kSolide, true},
    {c::kPolyedreConvexe, kSolide, true},
    {c::kSegmentNomme, kParticulier},
    {c::kIntersectionPlans, kParticulier},
    {c::kCotePoint, kNombre, true},
    {c::kCoteVecteur, kNombre, true},
    {c::kSymetriePlan, kTransformation, true},
    {c::kCylindre, kSolide, true},
    {c::kPointLibreDansPolygone, kPoint},
    {c::kPlanParalleleDroites, kPlan, true},
    {c::kPlanNomme, kPlan, true},
    {c::kProjeteParallelement, kPoint},
    {c::kToucheProjectionOblique, kCommande, true},
    {c::kCone, kSolide, true},
    {c::kTroncDeCone, kSolide, true},
    {c::kIntersectionDroiteSphere, kPoint},
    {c::kIntersectionDroiteSphereAutreQue, kPoint},
    {c::kPlanPointDroite, kPlan, true},
    {c::kPlanDeuxDroites, kPlan, true},
    {c::kPointLibreSurSphere, kPoint},
    {c::kCalotte, kSolide, true},
    {c::kPerimetre, kNombre, true},
    {c::kImagePolygone, kParticulier},
    {c::kIntersectionSpheres, kParticulier},
    {c::kPrismeRegulier, kSolide, true},
    {c::kPyramideReguliere, kSolide, true},
    {c::kPolyedreEnveloppe, kSolide, true},
    {c::kPlanEquation, kPlan, true},
    {c::kFonction2Variables, calculeFonction, true},
    {c::kFonction3Variables, calculeFonction, true},
    {c::kGraphe, calculeSurfaceGraphe},
    {c::kLieuDeuxPilotes, kRien}, // sampled by calculeObjet only
    {c::kPointDonne, kDonne},
    {c::kDemiDroiteDonnee, kDonne},
    {c::kCercleDonne, kDonne},
    {c::kReelDonne, kDonne},
    {c::kVecteurDonne, kDonne},
    {c::kRepereDonne, kDonne},
    {c::kUniteDonnee, kDonne},
    {c::kTransformationDonnee, kDonne},
    {c::kArcDonne, kDonne},
    {c::kFonctionDonnee, kDonne},
    {c::kSuiteDonnee, kDonne},
    {c::kFonction2VariablesDonnee, kDonne},
    {c::kFonction3VariablesDonnee, kDonne},
    {c::kFonction2VariablesBis, kRien, true},
    {c::kFonction3VariablesBis, kRien, true},
    {c::kFonctionBis, kRien, true},
    {c::kVariableMuette, kRien, true},
    {c::kDroiteDonnee, kDonne},
    {c::kSegmentDonne, kDonne},
    {c::kPolyedreDonne, kDonne},
    {c::kSphereDonnee, kDonne},
    {c::kConeDonne, kDonne},
    {c::kCylindreDonne, kDonne},
    {c::kTroncDeConeDonne, kDonne},
    {c::kPolygoneDonne, kDonne},
    {c::kPlanDonne, kDonne},
};

// Position + 1 of each code's route in kRoutes, 0 for none.
constexpr std::array<uint8_t, 256> construitIndex() {
    std::array<uint8_t, 256> index{};
    for (std::size_t k = 0; k < std::size(kRoutes); ++k)
        index[kRoutes[k].code] = uint8_t(k + 1);
    return index;
}
constexpr std::array<uint8_t, 256> kIndex = construitIndex();
static_assert(std::size(kRoutes) < 256);

} // namespace

std::span<const TrouteCalcul> routesDeCalcul() {
    return kRoutes;
}

const TrouteCalcul* routeDeCalcul(uint8_t code) {
    const uint8_t k = kIndex[code];
    return k == 0 ? nullptr : &kRoutes[k - 1];
}

// A code whose computation is not written: the object stays undefined.
void calculeParEtapeUlterieure(TfigureKalmetra& f, int n) {
    objet(f, n).nonDefini = 1;
}

bool estCalculeParEtapeUlterieure(uint8_t code) {
    const TrouteCalcul* r = routeDeCalcul(code);
    return r != nullptr && r->calcule == kPlusTard;
}

bool estCodeObjetDonne(uint8_t code) {
    return (code >= 230 && code <= 242) || code >= 247;
}

} // namespace km32
