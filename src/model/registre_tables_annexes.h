#pragma once
// Creation, release and deep copy of the side tables a figure owns, as the
// registry calls them when a figure is reset, copied or freed. Each table's
// own module defines these functions.
#include <memory>

#include "model/figure.h"
#include "model/solides/polyedres.h"

namespace km32 {

// Polygon extension records (100 slots).
void creeTableAnnexes(std::unique_ptr<TtableAnnexes>& table); // frees an existing one first
void libereTableAnnexes(std::unique_ptr<TtableAnnexes>& table);
// Every slot of the destination gets its own copy of the source's record.
void copieTableAnnexes(const TtableAnnexes& source, TtableAnnexes& destination);

// Solid records of polyhedra, polygons and round solids (100 slots): see
// model/solides/polyedres.h.

// Meshes (50 slots).
void creeTableMaillages(std::unique_ptr<TtableMaillages>& table);
void libereTableMaillages(std::unique_ptr<TtableMaillages>& table);
void copieTableMaillages(const TtableMaillages& source, TtableMaillages& destination);

// Function objects (100 slots). The copy is a new table that owns a copy of
// every record of the source (inner figures included).
void creeTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table);
void libereTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table);
void copieTableDesFonctions(const TtableDesFonctions& source, std::unique_ptr<TtableDesFonctions>& copie);

// User-defined constructions (50 slots), created on first use.
void creeTableDesPrototypes(TfigureKalmetra& f);
void libereTableDesPrototypes(TfigureKalmetra& f);
// Gives copie a table of its own holding a copy of every prototype of
// source's table (inner figures included), its records owned by copie.
void copieTableDesPrototypes(const TfigureKalmetra& source, TfigureKalmetra& copie);

} // namespace km32
