#pragma once
// The figure's store of compiled parameter expressions: storing the
// expression of a creation line into a record, emptying a record, and
// removing everything an object owns in the figure's shared tables.
//
// Every run (values, parent bytes, records, 16-byte records, constants,
// operand bytes, texts) is contiguous and the runs of successive owners
// follow each other without gaps: removing a run shifts the later ones down
// and lowers the start of every later owner.
#include <cstdint>
#include <vector>

#include "base/erreur.h"
#include "model/figure.h"

namespace km32 {

struct TLigneAnalysee;

constexpr uint16_t kErreurStructureSaturee = kStructureSaturee; // "Structure saturée"

// Stores expression slot k of the line into record r (1 to 500): its text,
// its operand bytes, its constant flag and its constants (none for a
// stored-value record). 535 in the line's error when the operand or the
// constant table would overflow; the table that is full is left as it was.
void rangeLigneCompilee(TfigureKalmetra& f, int r, TLigneAnalysee& ligne, int k = 1);
// Empties record r: its constants, its text, its operand bytes.
void videLigneCompilee(TfigureKalmetra& f, int r);
// Removes the text of record r from the formula text.
void oteTexteLigneCompilee(TfigureKalmetra& f, int r);
// Removes the values object k owns (its count goes to 0).
void oteValeursObjet(TfigureKalmetra& f, int k);
// Object k's values become the given ones (at the end of the value table);
// false, with nothing changed, when the table would overflow.
bool remplaceValeursObjet(TfigureKalmetra& f, int k, const std::vector<double>& valeurs);
// Removes the values, records, parent bytes, name, 16-byte records and side
// records object k owns; the record stays, with those counts at 0.
void oteDonneesObjet(TfigureKalmetra& f, int k);

} // namespace km32
