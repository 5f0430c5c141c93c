#pragma once
// The drawing data of one object in model space: what of the object is to be
// drawn, already sampled, clipped to the figure's box and to the object's
// limiting solid, and turned into integer model units, but not projected.
// It does not depend on the view, so it is rebuilt only when the object
// changes; the display list projects it again after a change of view.
//
// Records live in the figure's table (entries 7 to 255). The containers of a
// record keep their capacity when the same object is rebuilt, so a rebuild
// after a drag allocates nothing once the record exists.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/table_croissante.h"
#include "drawing/maillages_dessin.h"
#include "model/figure.h"
#include "model/solides/element_solide_vue.h"

namespace km32 {

// Record kinds.
enum GenreElementSolide : uint8_t {
    kElementPoint = 1,
    kElementSegment = 2,     // segment, line, half-line
    kElementLigne = 3,       // circle, arc, curve: a polyline
    kElementAxe = 7,         // graduated line
    kElementPolyedre = 8,    // polyhedron, polygon, net
    kElementSphere = 9,      // sphere
    kElementSolideRond = 10, // cylinder, cone, frustum
    kElementCalotte = 12,    // spherical cap
    kElementMaillage = 13,   // mesh surface
};

// Nature of a graduated line (a line of code 71).
constexpr uint8_t kNatureDroiteGraduee = 50;

// Capacities: a record that would pass one is abandoned.
constexpr int kMaxPointsLigne = 1000;
constexpr int kMaxMarques = 50;
constexpr int kMaxEchantillonsSphere = 1000;
constexpr int kMaxParallelesCote = 17;
constexpr int kMaxPointsParallele = 241;

// Parallels of a hatched sphere or cap: n on each side of the equator (1 to
// 17), parallel k (-17 to 17) at index k + 17.
struct TparallelesSphere {
    int16_t nombre = 0;
    std::array<std::vector<TentreeLigne>, 2 * kMaxParallelesCote + 1> paralleles;
};

// cos(2 pi k / N) and sin(2 pi k / N) for k = 0..N: the outline samples of
// every sphere and cap sampled with N steps, shared by them (cercleUnite in
// drawing/donnees_dessin.h).
struct TcercleUnite {
    int32_t nombre = 0; // N
    std::vector<double> cosinus, sinus;
};

// The fields of the kinds drawn from more than points and one polyline: a
// graduated line's marks, a sphere's or a cap's samples, a cap's plane, a
// round solid's second base, a mesh's grid. Most objects of a figure are
// points and straight lines, so these live in a record of their own, made
// only for the kinds that read them (genreAComplement).
struct TcomplementSolide {
    // Graduated line: its marks.
    uint8_t nombreMarques = 0;
    TtableCroissante<TpointEntier, kMaxMarques - 1> marques; // 0 to 49

    // Second base of a round solid.
    std::vector<TentreeLigne> ligne2;

    // Sphere and cap: N, the sphere's radius r in model units and the table
    // of N steps (sample k of the outline is r times its cosine and sine of
    // 2 pi k / N), with the centre in integer units.
    int32_t nombreEchantillons = 0;
    double rayon = 0;
    std::shared_ptr<const TcercleUnite> cercle;
    TpointEntier centre;
    std::unique_ptr<TparallelesSphere> paralleles;
    // Cap: the plane of its base, a x + b y + c z + d with (a, b, c) a unit
    // vector, in model units, at most 0 on the side where the cap lies.
    std::array<double, 4> planCalotte{};

    // Mesh surface: its grid (drawing/maillages_dessin.h).
    TgrilleMaillage grille;
};

struct TElementSolide {
    uint8_t genre = 0;         // GenreElementSolide
    uint8_t dansPlan = 0;      // 1: every stored point lies in the isolated plane
    uint8_t octetPolyedre = 0; // polyhedron, polygon, net: the byte copied from the solid record
    uint32_t couleur = 0;      // couleurDuStyle of the object's style

    // Point: a. Segment, line, half-line, graduated line: a to b.
    TpointEntier a, b;

    // Circle, arc, curve; base of a cap; first base of a round solid (at most
    // 1000 entries, a new-piece byte and the point).
    std::vector<TentreeLigne> ligne;

    // The fields of a graduated line, sphere, cap, round solid or mesh; made
    // with the record for those kinds, null for the others.
    std::unique_ptr<TcomplementSolide> complement;

    // The fields the hidden-part queries read and fill: edges, face and
    // circle hatchings (lignesSupplementaires for a circle), the drawn lines
    // of spheres and round solids. Allocated for the kinds that use it.
    std::unique_ptr<TElementSolideVue> vue;
};

// Whether records of the kind carry a complement.
bool genreAComplement(uint8_t genre);
// The complement of a record of such a kind; ErreurInterne when it has none.
TcomplementSolide& complementDe(TElementSolide& e);
const TcomplementSolide& complementDe(const TElementSolide& e);

// The table of a figure.
void creeTableElementsSolides(std::unique_ptr<TtableElementsSolides>& table);
void libereTableElementsSolides(std::unique_ptr<TtableElementsSolides>& table);
// A deep copy: the copy owns a copy of every record and of its blocks.
void copieTableElementsSolides(const TtableElementsSolides& table,
                               std::unique_ptr<TtableElementsSolides>& copie);

// The record kind of a nature (0: the nature has no record, as a plane).
uint8_t genreElementDeNature(uint8_t nature);
// Allocates the record of the nature when the pointer is null (nothing for a
// nature without record); a record already there is left as it is.
void creeElementSolide(uint8_t nature, PElementSolide& element);
void libereElementSolide(PElementSolide& element);
void copieElementSolide(const TElementSolide& source, PElementSolide& copie);

// The record of object n (7 to 255), null when it has none or the figure no table.
TElementSolide* elementSolide(TfigureKalmetra& f, int n);
const TElementSolide* elementSolide(const TfigureKalmetra& f, int n);

} // namespace km32
