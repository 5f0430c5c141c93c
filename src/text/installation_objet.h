#pragma once
// Installing the object a creation line built: the new record from its
// construction code, its data placed into the figure's shared tables, the
// record put in as a new last object or in place of the object it
// redefines; the checks a redefinition must pass against the objects and
// commands that used the old definition; the check of the names of the
// whole figure after each creation.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

struct TLigneAnalysee;

constexpr uint16_t kErreurPiloteVariable = 554;
constexpr uint16_t kErreurDoitResterLibre = 546;
constexpr uint16_t kErreurIterationIncompatible = 653;
constexpr uint16_t kErreurDroiteAvecRepere = 543;
constexpr uint16_t kErreurPlanAvecRepere = 564;
constexpr uint16_t kErreurPrefixeDeSuite = 576;
constexpr uint16_t kErreurVariableMuetteNommee = 647;

// Fills a new record from its construction code (already set in it): kind
// and counts from the catalogue, flags and style cleared, the style of a
// drawn object from the colour number (below 15: a colour of the table).
void initialiseObjetFigure(const TfigureKalmetra& f, uint8_t couleur, TObjetFigure& o);
// Installs the object of the line (new or redefined); the line's error
// tells the outcome. A refusal leaves the figure's tables as they were.
void installeObjetDeLigne(TfigureKalmetra& f, TLigneAnalysee& ligne);
// Places the data of the line's object (values, parents, name, records,
// expressions, side records) into the figure's tables and sets the first
// indices of the line's object record; 535 when a table would overflow,
// and then nothing is placed.
void placeDonneesObjet(TfigureKalmetra& f, TLigneAnalysee& ligne);

// Checks of a redefinition of object k by construction code c; nothing when
// the error is already a refusal.
void verifieRedefinitionCommandes(const TfigureKalmetra& f, int k, uint8_t c, uint16_t& erreur);
// After a redefinition of object k as another free construction: every
// memorised position that lists k holds k's present free parameters, as
// many as its new construction has (an old value would be a place on
// another curve or surface), the values of the other objects it lists
// unchanged. False (nothing changed for the command concerned) when
// the value table would overflow.
bool suitRedefinitionDansCommandes(TfigureKalmetra& f, int k);
void verifieRedefinitionDroiteReperee(const TfigureKalmetra& f, int k, uint8_t c, uint16_t& erreur);
void verifieRedefinitionPlanRepere(const TfigureKalmetra& f, int k, uint8_t c, uint16_t& erreur);
// The names of all user objects: syntax, sequence prefixes, dummy variables
// of a plane by equation, duplicates. The first error is shown and returned.
uint16_t verifieNomsFigure(const TfigureKalmetra& f);
// The new name of a renamed built-in object i: no other object of that
// name, and a name the lines can read back as the object (up to four
// letters, digits and primes from a letter, no function word where an
// expression reads it); the syntax of user names by kind does not apply.
// The first error is returned (not shown), its name as "#1".
uint16_t verifieNomObjetIntegre(const TfigureKalmetra& f, int i);

} // namespace km32
