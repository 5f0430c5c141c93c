#pragma once
// The catalogue's raw tables, generated at build time from
// data/constructions.tsv. Read them through catalogue.h.
#include <cstdint>

namespace km32 {

// Bits of LigneCatalogue::ensembles.
constexpr uint8_t kLignePresente = 1;   // the code has a row
constexpr uint8_t kLigneDessinable = 2; // the object is drawn
constexpr uint8_t kLigneLibre = 4;      // the object is free when it has no prototype
constexpr uint8_t kLigneAVariante = 8;  // a second pattern sits at the phrase one below
constexpr uint8_t kLigneConvexe = 16;   // a convex solid or polygon

struct LigneCatalogue {
    uint16_t phrase = 0; // sentence pattern, 2000 to 2442
    uint8_t nature = 0;  // kind of the object made
    uint8_t valeurs = 0;
    uint8_t parents = 0;
    uint8_t expressions = 0; // parameter expressions
    uint8_t ensembles = 0;
};

constexpr uint16_t kPremierePhraseDeConstruction = 2000;
constexpr uint16_t kDernierePhraseDeConstruction = 2442;
constexpr int kNombreDePhrasesDeConstruction =
    kDernierePhraseDeConstruction - kPremierePhraseDeConstruction + 1;

// Indexed by construction code; a code without a row is all zero.
extern const LigneCatalogue tableDesConstructions[256];
// Indexed by phrase - 2000: the construction the pattern stands for, 0 for none.
extern const uint8_t constructionsDesPhrases[kNombreDePhrasesDeConstruction];

} // namespace km32
