#pragma once
// The traces of a figure: in a trace mode, the drawing data an object had
// before each rebuild is appended to the object's trace, so that a moving
// point leaves a trail of points, a moving segment a sheaf of segments, a
// moving circle a family of circles. Each trace is a ring: once full, the
// newest entry overwrites the oldest.
//
// Records by object kind: points keep 5000 entries and segments, lines and
// half-lines 800, in one list that grows with the ring; circles, arcs
// and curves, and polyhedra and polygons keep 100 entries, and mesh surfaces
// 20, each a block allocated at its first use and reused as the ring turns.
// Other kinds are not traced. Positions are in integer model units; the projection fills
// their screen data (traces_projection.cpp) and the renderer draws them
// (traces_dessin.cpp).
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "drawing/maillages_dessin.h"
#include "model/figure.h"
#include "model/point_ecran.h"
#include "model/solides/element_solide_vue.h"
#include "model/solides/parties_visibles.h"

namespace km32 {

namespace platform {
class ContexteDessin;
}

// Record kinds.
enum GenreTrace : uint8_t {
    kTracePoint = 1,
    kTraceSegment = 2,
    kTraceLigne = 3,     // circle, arc, curve
    kTracePolygone = 11, // polyhedron, polygon
    kTraceMaillage = 13, // mesh surface
};

constexpr int kCapaciteTracePoint = 5000;
constexpr int kCapaciteTraceSegment = 800;
constexpr int kCapaciteTraceBlocs = 100;
constexpr int kCapaciteTraceMaillage = 20;

struct TentreeTracePoint {
    TpointEntier p;
    uint8_t cache = 0; // hidden by a visible solid (the projection fills it)
    uint8_t dansPlan = 0;
    uint32_t couleur = 0;
    int32_t x = 0, y = 0; // pixels (the projection fills them)
};

struct TentreeTraceSegment {
    TpointEntier a, b;
    uint8_t dansPlan = 0;
    uint32_t couleur = 0;
    TpartiesVisibles parties; // the projection fills them
};

// One position of a curve (its polyline), of a polygon (its edges) or of a
// mesh (its grid).
struct TblocTrace {
    uint8_t dansPlan = 0;
    uint32_t couleur = 0;
    // Circle, arc, curve: the polyline and its screen points, and the chords
    // of a hatched circle with their pieces on screen.
    std::vector<TentreeLigne> ligne;
    std::vector<TpointEcran> ecran;
    std::vector<TpointEntier> debutsCordes, finsCordes;
    std::vector<TpartiesVisibles> partiesCordes;
    // Polyhedron, polygon: the byte of the solid record, the edges 1 to
    // nombreAretes with their clipped-away byte, and their pieces on screen.
    uint8_t octetPolyedre = 0;
    uint16_t nombreAretes = 0;
    std::array<uint8_t, kMaxAretesElement + 1> areteOmise{};
    std::array<TpointEntier, kMaxAretesElement + 1> debuts{};
    std::array<TpointEntier, kMaxAretesElement + 1> fins{};
    std::vector<TpartiesVisibles> aretes;
    // Mesh surface: the grid and its projection.
    TgrilleMaillage grille;
    TmaillageEcran maillage;
};

struct TTraceObjet {
    int32_t nombre = 0;              // entries held, 0 to the capacity
    int32_t dernier = 0;             // index of the newest entry, 1-based (0 while empty)
    uint8_t genre = 0;               // GenreTrace
    uint8_t nouvelleEntree = 0;      // set by every append, cleared by the projection of the newest
    uint8_t couleursDifferentes = 0; // some entry's colour differs from the first one's
    uint32_t premiereCouleur = 0;
    // Entries 1 to the capacity at index k - 1, by kind; the points and the
    // segments hold the entries appended so far (all of them once the ring
    // has wrapped).
    std::vector<TentreeTracePoint> points;
    std::vector<TentreeTraceSegment> segments;
    std::vector<std::unique_ptr<TblocTrace>> blocs; // null until first used
};

// Capacity of a record kind (0 for an unknown kind).
int capaciteTrace(uint8_t genre);
// The record kind of an object kind; 0 when objects of that kind are not traced.
uint8_t genreTraceDeNature(uint8_t nature);

// The table: a new empty one (an existing one is freed first), its release,
// and a deep copy (every record and every block).
void creeTableTraces(std::unique_ptr<TtableTraces>& table);
void libereTableTraces(std::unique_ptr<TtableTraces>& table);
void copieTableTraces(const TtableTraces& table, std::unique_ptr<TtableTraces>& copie);

// One record: a new empty one for the object kind (nothing for kinds without
// a record), its release, its deep copy.
void creeTraceObjet(uint8_t nature, PTraceObjet& trace);
void libereTraceObjet(PTraceObjet& trace);
void copieTraceObjet(const TTraceObjet& trace, PTraceObjet& copie);

// The trace of object n (7 to 255), null when it has none.
TTraceObjet* traceObjet(TfigureKalmetra& f, int n);
const TTraceObjet* traceObjet(const TfigureKalmetra& f, int n);

// Entry k (1 to the number held) of a trace; the entry at the newest index
// is the last position stored.
const TentreeTracePoint& entreeTracePoint(const TTraceObjet& trace, int k);
const TentreeTraceSegment& entreeTraceSegment(const TTraceObjet& trace, int k);
const TblocTrace* blocTrace(const TTraceObjet& trace, int k);

// Appends the current drawing data of object n to its trace (creating the
// table and the record when needed). A point whose mark is not drawn and an
// object without drawing data leave no entry.
void ajouteATrace(TfigureKalmetra& f, int n);

// Called by the builder of drawing data just before it replaces the data of
// object n: in a trace mode, a traced object with drawing data has that data
// appended when it is drawn, and in trace-on-demand mode it then stops being
// traced (one request, one position).
void enregistreTraceAvantReconstruction(TfigureKalmetra& f, int n);

// Screen data of the traces: every entry again (after a change of view), or
// only the newest entry of each trace that has just received one.
void projetteTraces(TfigureKalmetra& f);
void projetteDerniersPointsTraces(TfigureKalmetra& f);

// Draws every trace of objects 14 on, in object order, clipped to the
// figure area (the renderer calls it before the objects).
void dessineTraces(TfigureKalmetra& f, platform::ContexteDessin& dc);

} // namespace km32
