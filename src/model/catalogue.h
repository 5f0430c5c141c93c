#pragma once
// The construction catalogue: for each construction code, the sentence
// pattern that defines such an object, the kind of object it makes and how
// many values, parents and parameter expressions the object reserves; the
// reverse lookup from a pattern to its construction; the code sets of drawn,
// free, two-pattern, convex and solid constructions, and where free objects
// keep their free values; the phrase that names each kind.
//
// The rows live in data/constructions.tsv; the enum of codes is generated
// from it into "model/constructions_codes.h" (km32::construction::Code).
#include <cstdint>

#include "model/constructions_codes.h"

namespace km32 {

// True when the code has a row of the catalogue.
bool existeConstruction(uint8_t code);

// Fills the five outputs from the code's row; a code without a row leaves
// them as they were.
void caracteristiquesConstruction(uint8_t code, uint8_t& parents, uint8_t& valeurs, uint16_t& phrase,
                                  uint8_t& nature, uint8_t& expressions);

// The row's pattern phrase, one less when variante is true and the code has a
// second pattern; 0 for a code without a row.
uint16_t phraseDeConstruction(uint8_t code, bool variante);

// The kind of the object the code makes; 0 for a code without a row.
uint8_t natureDeConstruction(uint8_t code);

// The construction a pattern phrase stands for; 0 when none, or when the
// phrase lies outside 2000..2442.
uint8_t constructionDePhrase(uint16_t phrase);

// The phrase that names a kind of object; 0 for a number that is no kind.
uint16_t phraseDeNature(uint8_t nature);

// Code sets. An object is drawable when its code is; it is free when its code
// is and it is not the result of a prototype (the object record decides that).
bool estConstructionDessinable(uint8_t code);
bool estConstructionLibre(uint8_t code);
// The free constructions that can take a value drawn at random: points free
// on a segment, circle, arc, polygon or sphere, free integers and reals of an
// interval.
bool estLibreTirableAuHasard(uint8_t code);

// Where a free construction keeps its free values: their count (0 for a code
// that is not free) and their places, counted from 0 from the object's first
// value. Moving, saving and restoring free objects read and write these values.
struct TplaceValeursLibres {
    uint8_t nombre = 0;
    uint8_t decalages[3] = {0, 0, 0};
};
TplaceValeursLibres placeValeursLibres(uint8_t code);
bool aVarianteDeConstruction(uint8_t code);
// The convex solids and polygons: each has a solid slot, hides what lies
// behind it when filled, and can limit the drawing of other objects.
bool estConstructionConvexe(uint8_t code);
// The convexes that the construction dialog, the construction executor and
// the designation offer as a limit: all but the net of a polyhedron (175).
// The limiting line and the text writer take the net too, which then clips
// by the polyhedron it unfolds (convexeLimitant, model/objets_figure.h).
bool estConvexeLimitant(uint8_t code);
// The convex solids: the convexes that are neither circles nor polygons
// (polyhedra, spheres, cylinders, cones, truncated cones, nets).
bool estConstructionSolide(uint8_t code);

} // namespace km32
