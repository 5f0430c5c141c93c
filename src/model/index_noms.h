#pragma once
// An index of the object names of a figure, for the lookups by name that
// run for every operand of every line and for the check of the names after
// each line.
//
// The index is a cache beside the figure, not a part of it. Each use first
// compares, object by object, what each name is made of (kind, construction
// code, the slice of the object-name text, the two parents of a line named
// by its points) and the object-name text itself with what the index was
// built from, and brings the entries that differ up to date. No road that
// changes a figure (a line, a rename, a deletion, a move of objects, an
// undo, a rollback, a copy of a whole figure) has to tell the index, so it
// cannot go stale. The compare costs a few loads per object; names are
// built again only for the objects whose inputs changed.
//
// The indexes of the few figures used last are kept, by address (a figure
// made at the address of a freed one is compared like any other).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/figure.h"

namespace km32 {

// What the index holds of object i.
struct EntreeIndexNoms {
    uint64_t cle = 0;      // kind, code, name slice and pair parents, packed
    std::string nom;       // nomObjet(f, i)
    std::string notation;  // nomObjetOuVecteur(f, i): "vec(u)" for a vector
    uint8_t nature = 0;    // the object's kind
    bool parPaire = false; // a line, half-line or segment named by its two points
    uint64_t version = 0;  // changes whenever the entry does, never reused
};

struct HachageNom {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};
// Name -> the objects bearing it, in ascending order.
using TableIndexNoms = std::unordered_map<std::string, std::vector<uint8_t>, HachageNom, std::equal_to<>>;

struct IndexNoms {
    const TfigureKalmetra* figure = nullptr; // the figure it was last brought up to date for
    uint64_t dernierUsage = 0;               // for replacing the least recently used index
    int nombreObjets = 0;                    // objects 1 to nombreObjets have an entry
    std::string texteDesNoms;                // the object-name text the entries were built from
    // Objects 1 to nombreObjets as they were when the entries were last
    // compared, byte for byte, and the lines by two points with their two
    // parents then: when the figure still holds the same, nothing changed.
    std::vector<TObjetFigure> objetsLus;
    struct LigneParPaire {
        uint8_t objet, premier, second;
    };
    std::vector<LigneParPaire> lignesParPaire;
    std::vector<EntreeIndexNoms> entrees; // 0 to 255; entry 0 unused
    TableIndexNoms parNom;                // by nom
    TableIndexNoms parNotation;           // by notation
    // Names borne by two objects or more that are not lines by two points,
    // one of them a user object (a name the checks after a line refuse).
    int nomsEnDouble = 0;
    // Per first character: the objects, not lines by two points, whose name
    // has two characters or more.
    int nomsLongsParInitiale[256] = {};
};

// The index of f, up to date. nullptr when a record of the figure cannot be
// read (an index out of range): the caller then reads the figure itself.
const IndexNoms* indexNomsAJour(const TfigureKalmetra& f);

// Objects whose name, or notation, is nom, in ascending order.
std::span<const uint8_t> objetsDeNom(const IndexNoms& index, std::string_view nom);
std::span<const uint8_t> objetsDeNotation(const IndexNoms& index, std::string_view nom);

// Drops every index (the memory they hold goes back).
void libereIndexNoms();

} // namespace km32
