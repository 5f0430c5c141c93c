#include "model/calcul/table_calcul.h"

#include <array>

#include "model/calcul/points.h"
#include "model/catalogue.h"

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

// One entry per code of the catalogue. Entries routed to kPlusTard are
// computed by work still to come: lines, circles and curves; planes,
// frames, vectors, numbers, measures and displays; transformations;
// polygons, polyhedra and round solids; functions and sequences; loci.
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
    {c::kToucheRepeter, kPlusTard, true},
    {c::kCourbeParametree, kPlusTard},
    {c::kImageParTranslation, kPoint},
    {c::kImageParSymetrieAxiale, kPoint},
    {c::kImageParSymetrieCentrale, kPoint},
    {c::kImageParHomothetieRapport, kPoint},
    {c::kImageParHomothetieTransformant, kPoint},
    {c::kImagePointParTransformation, kPoint},
    {c::kDroite, kPlusTard},
    {c::kBissectrice, kPlusTard},
    {c::kImageDroiteParTransformation, kPlusTard},
    {c::kDemiDroite, kPlusTard},
    {c::kSegment, kPlusTard},
    {c::kCercleCirconscrit, kPlusTard},
    {c::kCercleInscrit, kPlusTard},
    {c::kLieuPoint, kPlusTard},
    {c::kTranslation, kPlusTard, true},
    {c::kSymetrieAxiale, kPlusTard, true},
    {c::kSymetrieCentrale, kPlusTard, true},
    {c::kHomothetieRapport, kPlusTard, true},
    {c::kHomothetieTransformant, kPlusTard, true},
    {c::kComposee, kPlusTard, true},
    {c::kEntierLibreIntervalle, kPlusTard, true},
    {c::kReelLibreIntervalle, kPlusTard, true},
    {c::kRayon, kPlusTard, true},
    {c::kAireTriangle, kPlusTard, true},
    {c::kDistancePointDroite, kPlusTard, true},
    {c::kAbscisseDansRepere, kPlusTard, true},
    {c::kMesureAngle, kPlusTard, true},
    {c::kAbscisseVecteur, kPlusTard, true},
    {c::kOrdonneeVecteur, kPlusTard, true},
    {c::kReelEgal, kPlusTard, true},
    {c::kFonction, kPlusTard, true},
    {c::kRepere, kPlusTard, true},
    {c::kUniteDeLongueur, kPlusTard, true},
    {c::kVecteurEgal, kPlusTard, true},
    {c::kVecteurCoordonnees, kPlusTard, true},
    {c::kAffichageScalaire, kPlusTard, true},
    {c::kAffichageCoordonnees, kPlusTard, true},
    {c::kToucheIteration, kRien, true},
    {c::kToucheDessinEnBloc, kRien, true},
    {c::kToucheDessinParEtapes, kRien, true},
    {c::kToucheGarderTrace, kRien, true},
    {c::kToucheAffectation, kRien, true},
    {c::kTouchePositionMemorisee, kRien, true},
    {c::kToucheAffectationAleatoire, kRien, true},
    {c::kDroiteMunieDuRepere, kPlusTard},
    {c::kToucheTraceALaDemande, kRien, true},
    {c::kToucheSelectionPilotage, kRien, true},
    {c::kReelLibre, kRien, true},
    {c::kEntierLibre, kRien, true},
    {c::kToucheQuitterTrace, kRien, true},
    {c::kSuite, kPlusTard, true},
    {c::kSuitePremierTerme, kPlusTard, true},
    {c::kSuitePremiersTermes, kPlusTard, true},
    {c::kTranslationTransformant, kPlusTard, true},
    {c::kImageParTranslationTransformant, kPoint},
    {c::kAffichageLongueur, kPlusTard, true},
    {c::kDroiteNommee, kPlusTard},
    {c::kAffichageTexte, kRien, true},
    {c::kToucheTableau, kPlusTard, true},
    {c::kFonctionParValeurs, kRien, true},
    {c::kIndicePremierTermeNul, kPlusTard, true},
    {c::kDemiDroiteOriginePassantPar, kPlusTard},
    {c::kCourbeY, kPlusTard},
    {c::kPointLibreDansEspace, kPoint},
    {c::kPointCoordonnees, kPoint},
    {c::kPointCoordonneesPlan, kPoint},
    {c::kPolygoneEnveloppe, kPlusTard},
    {c::kProjeteSurDroite, kPoint},
    {c::kImageParRotation, kPoint},
    {c::kSectionPolyedre, kPlusTard},
    {c::kImageParSymetriePlan, kPoint},
    {c::kProjeteSurPlan, kPoint},
    {c::kParallele, kPlusTard},
    {c::kPerpendiculaireDroite, kPlusTard},
    {c::kPlanMediateur, kPlusTard, true},
    {c::kDroiteVecteurDirecteur, kPlusTard},
    {c::kToucheRotationAbsolue, kPlusTard, true},
    {c::kCercleCentreRayon, kPlusTard},
    {c::kCercleCentrePassantPar, kPlusTard},
    {c::kPointLibreDansPlan, kPoint},
    {c::kToucheVueMemorisee, kRien, true},
    {c::kImagePolyedre, kPlusTard, true},
    {c::kCercleAxe, kPlusTard},
    {c::kArcDeCercle, kPlusTard},
    {c::kToucheVueDeFace, kPlusTard, true},
    {c::kPolygoneConvexe, kPlusTard},
    {c::kPolygoneRegulier, kPlusTard},
    {c::kPlanParallelePlan, kPlusTard, true},
    {c::kPlanPerpendiculaireDroite, kPlusTard, true},
    {c::kRotationAngle, kPlusTard, true},
    {c::kRotationPoints, kPlusTard, true},
    {c::kIntersectionDroitePlan, kPoint},
    {c::kPerpendiculairePlan, kPlusTard},
    {c::kVolume, kPlusTard, true},
    {c::kDistancePointPlan, kPlusTard, true},
    {c::kAireConvexe, kPlusTard, true},
    {c::kPlanMuniDuRepere, kPlusTard, true},
    {c::kAbscissePoint, kPlusTard, true},
    {c::kOrdonneePoint, kPlusTard, true},
    {c::kToucheRotationRelative, kPlusTard, true},
    {c::kAffichageEquationPlan, kPlusTard, true},
    {c::kSphere, kPlusTard, true},
    {c::kSectionSphere, kPlusTard},
    {c::kIntersectionPolyedreDemiEspace, kPlusTard, true},
    {c::kPatron, kPlusTard, true},
    {c::kIntersectionPolyedres, kPlusTard, true},
    {c::kPolyedreConvexe, kPlusTard, true},
    {c::kSegmentNomme, kPlusTard},
    {c::kIntersectionPlans, kPlusTard},
    {c::kCotePoint, kPlusTard, true},
    {c::kCoteVecteur, kPlusTard, true},
    {c::kSymetriePlan, kPlusTard, true},
    {c::kCylindre, kPlusTard, true},
    {c::kPointLibreDansPolygone, kPlusTard},
    {c::kPlanParalleleDroites, kPlusTard, true},
    {c::kPlanNomme, kPlusTard, true},
    {c::kProjeteParallelement, kPoint},
    {c::kToucheProjectionOblique, kPlusTard, true},
    {c::kCone, kPlusTard, true},
    {c::kTroncDeCone, kPlusTard, true},
    {c::kIntersectionDroiteSphere, kPoint},
    {c::kIntersectionDroiteSphereAutreQue, kPoint},
    {c::kPlanPointDroite, kPlusTard, true},
    {c::kPlanDeuxDroites, kPlusTard, true},
    {c::kPointLibreSurSphere, kPoint},
    {c::kCalotte, kPlusTard, true},
    {c::kPerimetre, kPlusTard, true},
    {c::kImagePolygone, kPlusTard},
    {c::kIntersectionSpheres, kPlusTard},
    {c::kPrismeRegulier, kPlusTard, true},
    {c::kPyramideReguliere, kPlusTard, true},
    {c::kPolyedreEnveloppe, kPlusTard, true},
    {c::kPlanEquation, kPlusTard, true},
    {c::kFonction2Variables, kPlusTard, true},
    {c::kFonction3Variables, kPlusTard, true},
    {c::kGraphe, kPlusTard},
    {c::kLieuDeuxPilotes, kPlusTard},
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

// Computed by a later step: the object stays undefined until its
// computation is written.
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
