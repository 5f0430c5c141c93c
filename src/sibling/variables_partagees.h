#pragma once
// Registration of shared variables with the sibling library. A figure that
// shares its free numbers fills a TVariablesPartagees record and registers it:
// the sibling keeps the record's id in one of the 100 client slots of the
// shared table and gives every name an index among the 250 common values, the
// same index for the same name in every registered record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace km32 {

#pragma pack(push, 1)
struct TVariablesPartagees {
    uint8_t noms[50][5];             // 0: names, length-prefixed, at most 4 characters
    uint8_t numerosObjets[50];       // 250: the figure's object number of each entry
    uint8_t indicesPartages[50];     // 300: index 1..250 of the common value, filled by inscription
    uint8_t remplissage0[2];         // 350
    double valeurs[50];              // 352
    uint8_t indefinis[50];           // 752: 1 when the value is undefined
    uint8_t ensembleChangements[32]; // 802: objects whose value came from outside (bit per object number)
    uint8_t remplissage1[2];         // 834
    uint32_t fenetre;                // 836: the window told of changes
    uint8_t nombre;                  // 840: number of entries, 1..50
    uint8_t inscrit;                 // 841: 0 before inscription, 1 while registered
    uint8_t remplissage2[2];         // 842
};
#pragma pack(pop)

static_assert(sizeof(TVariablesPartagees) == 844);
static_assert(offsetof(TVariablesPartagees, numerosObjets) == 250);
static_assert(offsetof(TVariablesPartagees, indicesPartages) == 300);
static_assert(offsetof(TVariablesPartagees, valeurs) == 352);
static_assert(offsetof(TVariablesPartagees, indefinis) == 752);
static_assert(offsetof(TVariablesPartagees, ensembleChangements) == 802);
static_assert(offsetof(TVariablesPartagees, fenetre) == 836);
static_assert(offsetof(TVariablesPartagees, nombre) == 840);
static_assert(offsetof(TVariablesPartagees, inscrit) == 841);

constexpr int kNombreClientsTQ = 100;
constexpr int kNombreValeursCommunes = 250;
constexpr int kEntreesVariablesPartagees = 50;

// Registers a filled record: its id goes into a free client slot of the shared
// table, each entry gets the index of the common value of its name (a name new
// to the table takes a free index and sets that common value from the entry)
// and the registration byte becomes 1. A record registered already is
// registered afresh. Refused (false, nothing changed) for a null record, a
// count outside 1..50, when the 100 client slots are taken or when the names
// need more common values than are free. The record must stay where it is
// until desinscription.
bool inscription(TVariablesPartagees* variables);
// Unregisters a record before it is freed: its slot becomes 0 and its
// registration byte 0. A record that is not registered is left alone.
void desinscription(TVariablesPartagees* variables);
// The record whose id a client slot holds; nullptr for 0 or an unknown id.
TVariablesPartagees* TQVariablesDuClient(uint32_t id);

// The index 1..250 of the common value that a registered name uses; 0 when
// no registered record shares that name.
int TQIndiceCommunDeNom(std::string_view nom);
// The names of the common values in use, in index order.
std::vector<std::string> TQNomsCommuns();

// Forgets every registration and common name (with the shared table reset).
void reinitialiseVariablesPartageesTQ();

} // namespace km32
