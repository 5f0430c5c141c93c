#pragma once
// Meshes: the grids of points of the surface objects (kind 34), the graph of
// a function of two variables (code 218) and the surface a point describes
// under two pilots (code 219). A figure owns a table of 50 mesh slots
// (TtableMaillages, model/tables_annexes.h); a surface object keeps its slot
// number in its solid-slot byte.
//
// Grid points are counted from 1: point k of an nx by ny grid is the point
// (i, j) with k = i ny + j + 1, the first variable in the outer loop.
#include <array>
#include <cstdint>
#include <memory>

#include "model/figure.h"
#include "model/tables_annexes.h"

namespace km32 {

constexpr int kMaxPointsMaillage = 10000;
constexpr int kMaxListeLieu = 250;

// Record kinds: the construction code of the surface.
constexpr uint8_t kMaillageGraphe = 218;
constexpr uint8_t kMaillageLieu = 219;

// The working part of a surface described by a point under two pilots,
// kept with its record: the pilots and the traced point, the sets the
// locus engine builds, the two lists of objects it recomputes, the value
// indices it moves and reads, the saved values and steps, the running index.
struct TpartieLieuSurface {
    uint8_t pilote1 = 0, pilote2 = 0, trace = 0;
    std::array<TEnsembleObjets, 5> ensembles;
    std::array<uint8_t, kMaxListeLieu + 1> liste1{}, liste2{}; // entries 1 to nombre
    uint8_t nombre1 = 0, nombre2 = 0;
    uint16_t indicePilote1 = 0, indicePilote2 = 0;
    uint16_t indiceX = 0, indiceY = 0, indiceZ = 0;
    double sauvegarde1 = 0, sauvegarde2 = 0;
    double pas1 = 0, pas2 = 0;
    int32_t indiceEchantillon = 0;
};

struct TMaillage {
    uint8_t genre = 0; // kMaillageGraphe or kMaillageLieu
    int32_t nx = 0, ny = 0;
    uint8_t ligneUnique = 0;                                 // nx = 1 or ny = 1: one line of points
    int32_t nombrePoints = 0;                                // points of a single-line graph
    std::array<float, kMaxPointsMaillage + 1> x{}, y{}, z{}; // absolute coordinates
    std::array<uint8_t, kMaxPointsMaillage + 1> nonDefini{}; // nonzero: coordinates not written
    double essai = 0;                                        // the count being tested
    std::array<double, 12> repere{};                         // origin, i, j, k of the graph's frame
    std::array<double, 4> bornes{};                          // xmin, xmax, ymin, ymax
    std::unique_ptr<TpartieLieuSurface> lieu;                // kind 219 only
};

// The table. A null source copies nothing; every slot of the destination
// gets its own copy of the source's record (or becomes empty).
void creeTableMaillages(std::unique_ptr<TtableMaillages>& table); // frees an existing one first
void libereTableMaillages(std::unique_ptr<TtableMaillages>& table);
void copieTableMaillages(const TtableMaillages& source, TtableMaillages& destination);
void copieTableMaillages(const TtableMaillages* source, TtableMaillages& destination);

// First empty slot 1..50, 0 when all are used.
int placeLibreMaillage(const TtableMaillages& table);
// A new record of the kind in the first empty slot of the figure's table
// (created when missing); its slot, 0 when the table is full or the kind is
// neither 218 nor 219.
int ajouteMaillage(TfigureKalmetra& f, uint8_t genre);
// Frees the record of the slot; slot 0 does nothing.
void oteMaillage(TfigureKalmetra& f, int emplacement);

// Frees what the slot holds and puts a new record of the kind there.
void alloueMaillage(uint8_t genre, PMaillage& place);
// Frees the record; the slot is empty afterwards in every case.
void libereMaillage(PMaillage& place);
// The destination becomes a copy of the whole source record, by its kind.
void copieMaillage(const TMaillage& source, TMaillage& destination);

// The record in slot 1..50 of the figure, null when empty (throws for a slot
// outside 1..50).
TMaillage* maillageDeEmplacement(TfigureKalmetra& f, int emplacement);
const TMaillage* maillageDeEmplacement(const TfigureKalmetra& f, int emplacement);
// The record of surface object n, null when it has none.
TMaillage* maillageDeObjet(TfigureKalmetra& f, int n);
const TMaillage* maillageDeObjet(const TfigureKalmetra& f, int n);

// The graph of code 218: parent 1 a frame, parent 2 a function of two
// variables; values 1 and 2 the grid counts, 3 to 6 xmin, xmax, ymin, ymax,
// already evaluated. Fills the object's record, or marks it undefined (465
// for bounds too close, 451 for counts out of range).
void calculeMaillage(TfigureKalmetra& f, int n);
// The route of code 218: its six parameter expressions into its values 1 to
// 6 (stopping at the first failure, reason 441), then calculeMaillage.
void calculeSurfaceGraphe(TfigureKalmetra& f, int n);

} // namespace km32
