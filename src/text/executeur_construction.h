#pragma once
// The construction executor: consumes the argument text of a creation line
// argument by argument, following the fixed script of steps of the line's
// construction code (or the list of given objects of a prototype), with
// default arguments, random starting values of free objects, checks of
// values, the checks of the commands that act on lists of objects, and at
// the end the name of the new object and a unit of length when one is
// needed. Everything read stays in the line record; installing and
// computing the object is the caller's.
#include <array>
#include <cstdint>

#include "model/figure.h"
#include "model/prototypes/prototypes.h"

namespace km32 {

struct TLigneAnalysee;

// The keyboard step line of a free object runs through the executor under
// this code, which the catalogue does not hold.
constexpr uint8_t kCodePasClavier = 115;

constexpr uint16_t kErreurRapportNul = 545;
constexpr uint16_t kErreurNombrePoints = 557;
constexpr uint16_t kErreurAntecedentCentre = 574;
constexpr uint16_t kErreurAffectationAleatoire = 579;
constexpr uint16_t kErreurRemplacement = 581;
constexpr uint16_t kErreurListesInegales = 602;
constexpr uint16_t kErreurPasPositif = 608;
constexpr uint16_t kErreurPasEntier = 609;
constexpr uint16_t kErreurUniteNecessaire = 612;
constexpr uint16_t kErreurIndicesSuite = 614;
constexpr uint16_t kErreurRemplacantsHorsListe = 615;
constexpr uint16_t kErreurReproduitEtRemplace = 651;
constexpr uint16_t kErreurNonUtiliseReproduit = 652;
constexpr uint16_t kErreurRemplaceInutilise = 654;
constexpr uint16_t kErreurNonReproductible = 656;
constexpr uint16_t kErreurCoefficientsNuls = 659;
constexpr uint16_t kErreurPilotesEgaux = 678;
// Refusals of our own: a sequence whose first terms name a length (its
// lines have no written form with a unit that reads back), and a first
// length unit that an object whose line has no unit form needs.
constexpr uint16_t kErreurSuiteAvecLongueur = 9988;
constexpr uint16_t kErreurUniteRendIlisible = 9989;

// State kept between steps and lines: the random pair (drawn anew for every
// executed line, reused by a line that is only analysed), the argument
// numbering a command dialog follows, and where prototypes are looked up.
struct EtatExecuteur {
    double paireHasard[2] = {0, 0};
    uint8_t premierArgument = 1; // set by the dialog from its type
    uint8_t argumentCourant = 1;
    uint8_t argumentEnErreur = 0; // the argument a dialog marks after a refusal
    TrouvePrototype trouvePrototype = prototypeDeFigure;
};
EtatExecuteur& etatExecuteur();
void reinitialiseExecuteur();

// Runs the script of the line's construction code (or the prototype
// replay). The error of the line tells the outcome; the line is expected
// with its template initialised, its arguments set and both working bytes
// cleared.
void executeConstructionDeLigne(TfigureKalmetra& f, TLigneAnalysee& ligne);
// One step on the next argument: 539 for an empty argument.
void etapeDeConstruction(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t etape, uint8_t a = 0,
                         uint8_t b = 0, uint8_t c = 0);
// While the error is not yet a refusal it becomes erreur, and the argument
// number is the one a dialog marks.
void signaleErreurArgument(TLigneAnalysee& ligne, uint16_t erreur, uint8_t argument);

// How the executor handles a construction code.
enum class GenreScript : uint8_t {
    Inconnu,    // neither a script nor listed
    Script,     // a script of steps
    SansScript, // nothing but the common end (name, unit)
};
GenreScript genreScript(uint8_t code);

} // namespace km32
