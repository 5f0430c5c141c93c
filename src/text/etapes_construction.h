#pragma once
// One step of the construction of an object from a creation line: the
// argument is read as what the step number says (the name of the new
// object, an existing object of a kind, points, a line, a plane, an
// expression, a dummy variable, a keyword, a key, a text or a list of
// objects), checked for what the construction needs, and stored in the
// line's operands (its parents), expression slots, value slots or in the
// record of the new object.
//
// Steps 1 to 50 name the new object, the step number being its kind;
// steps 51 to 110 read an operand. a, b and c are operand numbers,
// expression-slot numbers or value-slot numbers depending on the step.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

// The steps that read an operand, by what the argument must be. The naming
// steps 1 to 50 have no name of their own: their number is the kind of the
// new object (kNaturePoint...).
enum class Etape : uint8_t {
    Aucune = 0,                         // the argument is only consumed
    Point = 51,                         // a point: operand a
    DeuxPoints = 52,                    // two points: operands a, b
    DeuxPointsDistincts = 53,           // two different points: operands a, b
    DeuxPointsNonConfondus = 54,        // two points not at one place: operands a, b
    Droite = 55,                        // a line (b = 0 when given by its name): operands a, b
    TroisPoints = 56,                   // operands a, b, c
    TroisPointsDistincts = 57,          // operands a, b, c
    Angle = 58,                         // an angle by three points: operands a, b, c
    TroisPointsNonAlignes = 59,         // operands a, b, c
    Cercle = 60,                        // operand a
    ArcDeCercle = 61,                   // operand a
    Repere = 62,                        // a frame: operand a
    Expression = 63,                    // a number: expression slot a, value slot b
    Fonction = 64,                      // operand a
    UniteDeLongueur = 65,               // the new object's unit of length
    Plan = 66,                          // a plane: operands a, a+1, a+2
    PlanMuniDUnRepere = 67,             // a plane with a coordinate system: operands a, a+1, a+2
    Transformation = 68,                // operand a
    SansEffet = 69,                     // the argument is only consumed
    PolyedreConvexe = 70,               // operand a
    NombreReel = 71,                    // a number object: operand a
    Axe = 72,                           // an axis: operands a, b
    Pilote = 73,                        // a free object that can pilot a locus: operand a
    ExpressionConstante = 74,           // a number without variable: expression slot a, value slot b
    DroiteMunieDUnRepere = 75,          // a line with a coordinate system: operands a, b
    ExpressionVecteur = 76,             // a vector: expression slot a, value slot b
    VariableMuette = 77,                // the first dummy variable of slot a (and of b, b+1)
    ExpressionDistance = 78,            // a number not below 0: expression slot a, value slot b
    UniteAngle = 79,                    // the keyword of degrees or radians
    ExpressionFonction = 80,            // a function of the slot's dummy variable: slot a, value slot b
    ListeObjets = 81,                   // a list of objects: the operands
    ListeObjetsOrdonnee = 82,           // an ordered list of objects: the operands
    ListeObjetsAjoutee = 83,            // a list of objects appended to the operands
    ExpressionRelation = 84,            // a relation: expression slot a, value slot b
    Touche = 85,                        // the key of a command
    ObjetPiloteAuClavier = 86,          // a free object: operand a
    ListeObjetsLibres = 87,             // the operands
    AvecOuSans = 88,                    // the keyword "with" or "without"
    Segment = 89,                       // two points or a segment: operands a, b
    SegmentNonDegenere = 90,            // two different points not at one place: operands a, b
    ListeObjetsTracables = 91,          // the operands
    ListeObjetsDessinables = 92,        // the operands
    ListeCommandes = 93,                // the operands
    ExpressionNombre = 94,              // a number, read as step 63 with a type letter of its own
    Intervalle = 95,                    // two bounds: expression slots a, a+1, value slots b, b+1
    Suite = 96,                         // a sequence: operand a
    Sphere = 97,                        // operand a
    PolygoneConvexe = 98,               // operand a
    Solide = 99,                        // a solid: operand a
    ObjetConvexe = 100,                 // a convex object: operand a
    TexteAffichage = 101,               // the text of a display
    Fonction2Variables = 102,           // operand a
    Fonction3Variables = 103,           // operand a
    Cone = 104,                         // operand a
    Cylindre = 105,                     // operand a
    TroncDeCone = 106,                  // operand a
    DeuxiemeVariableMuette = 107,       // the second dummy variable of slot a
    TroisiemeVariableMuette = 108,      // the third dummy variable of slot a
    ExpressionFonction2Variables = 109, // slot a, value slot b
    ExpressionFonction3Variables = 110, // slot a, value slot b
};

struct TLigneAnalysee;

constexpr uint16_t kErreurDistanceNegative = 549;
constexpr uint16_t kErreurVariableInterdite = 567;
constexpr uint16_t kErreurPasPilote = 601;
constexpr uint16_t kErreurDroiteSansRepere = 623;
constexpr uint16_t kErreurUniteAngle = 625;
constexpr uint16_t kErreurPlanSansRepere = 660;
constexpr uint16_t kErreurPasConvexe = 661;
constexpr uint16_t kErreurPasSolide = 662;
constexpr uint16_t kErreurAvecSans = 674;
constexpr uint16_t kErreurVariablesMemeNom = 677;

// Does nothing once the line's error is a refusal; otherwise trims the
// argument and runs the step.
// The step is an Etape, or from 1 to 50 the kind of the new object it names.
void creeObjetDeConstruction(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t etape, std::string argument,
                             uint8_t a = 0, uint8_t b = 0, uint8_t c = 0);

// The type letter the expression steps hand to the compiler: the step's
// number taken as a character ("?" for a number, "L" for a vector...).
inline char typeExpressionDeEtape(Etape etape) {
    return char(etape);
}

} // namespace km32
