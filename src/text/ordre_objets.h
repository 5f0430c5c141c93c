#pragma once
// The order of the object table: the engine computes the objects in one
// forward pass, so every object must come after the objects it is built
// from. After a line that may have broken that order the objects are moved
// until it holds again; a move renumbers every object number the figure
// stores (parents, operand runs of expressions, sets, defaults, the
// per-object unit, colour sources and limiting object).
#include <cstdint>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kErreurDefiniParLuiMeme = 562;
constexpr uint16_t kErreurDefinitionMutuelle = 536;

// Where an object number x goes when the object at a moves to b.
uint8_t numeroApresDeplacement(uint8_t x, int a, int b);
// Moves the object record at a to b (those between shift by one) and
// renumbers every stored object number.
void deplaceObjet(TfigureKalmetra& f, int a, int b);
// Whether the move keeps every object after its direct antecedents.
bool deplacementPossible(const TfigureKalmetra& f, int a, int b);
// Moves objects until each follows its antecedents. True when that cannot
// be done: 562 for an object defined from itself, 536 for two objects
// defined from each other (nomErreur1 and nomErreur2 name them).
bool reordonneObjets(TfigureKalmetra& f, uint16_t& erreur);
// True when a user object is a text display.
bool existeObjetTexte(const TfigureKalmetra& f);

} // namespace km32
