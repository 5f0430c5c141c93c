#pragma once
// The fields of an object's drawing data that the hidden-part queries read
// and write. The drawing's per-object record embeds this one (or extends it)
// and fills the inputs; the queries fill the visible parts.
//
// Points are in integer model units (coordonneeEntiere of each coordinate).
// Edges and faces are counted from 1, as in the solid records.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/table_croissante.h"
#include "model/point_ecran.h"
#include "model/solides/parties_visibles.h"

namespace km32 {

constexpr int kMaxAretesElement = 160;
constexpr int kMaxFacesElement = 80;
constexpr int kMaxSegmentsBloc = 50;
constexpr int kMaxGeneratrices = 3;
constexpr int kMaxSegmentsListe = 160;

struct TpointEntier {
    int32_t x = 0, y = 0, z = 0;
};

// A block of up to 50 segments: the hatching of a face or of a circle, or the
// extra lines of a curve.
struct TblocSegments {
    uint8_t nombre = 0;
    std::array<TpointEntier, kMaxSegmentsBloc> debuts{};
    std::array<TpointEntier, kMaxSegmentsBloc> fins{};
};
using TpartiesBloc = std::array<TpartiesVisibles, kMaxSegmentsBloc>;

// One entry of a drawn polyline: a new-piece byte and the point.
struct TentreeLigne {
    uint8_t nouveauMorceau = 0;
    TpointEntier p;
};

// A drawn polyline (outline or parallel of a sphere, base of a round solid)
// with its projected points; the query sizes `ecran` to `points` and sets
// the hidden and not-joined flags.
struct TligneVue {
    std::vector<TentreeLigne> points;
    std::vector<TpointEcran> ecran;
};

struct TElementSolideVue {
    // Polyhedron, polygon, net: the edges' ends, a skip flag the caller sets
    // per edge, and the parts the query fills. Entries 0 to nombreAretes:
    // set the count with dimensionneAretes, which sizes the four lists (a
    // sphere's record would otherwise carry room for 160 edges, 26 kB);
    // they are empty until then. The query writes the parts of the edges
    // that partiesAretes has room for.
    uint16_t nombreAretes = 0;
    std::vector<uint8_t> areteOmise;
    std::vector<TpointEntier> debutsAretes;
    std::vector<TpointEntier> finsAretes;
    std::vector<TpartiesVisibles> partiesAretes;
    // Hatching of each face (null when none) and its parts, allocated by the
    // query. The tables make room only for the faces reached.
    int32_t nombreFaces = 0;
    TtableCroissante<std::unique_ptr<TblocSegments>, kMaxFacesElement, 8> hachuresFaces;
    TtableCroissante<std::unique_ptr<TpartiesBloc>, kMaxFacesElement, 8> partiesHachuresFaces;

    // Circle, arc, curve: the extra line list (null when absent) and its parts.
    std::unique_ptr<TblocSegments> lignesSupplementaires;
    std::unique_ptr<TpartiesBloc> partiesLignesSupplementaires;

    // Sphere, round solid: the drawn circles.
    std::vector<TligneVue> lignes;

    // Round solid: the drawn generator segments, and the hatching of the two
    // bases and of the lateral surface (null when none) with their parts.
    uint8_t nombreGeneratrices = 0;
    std::array<uint8_t, kMaxGeneratrices> generatriceOmise{};
    std::array<TpointEntier, kMaxGeneratrices> debutsGeneratrices{};
    std::array<TpointEntier, kMaxGeneratrices> finsGeneratrices{};
    // Made when a round solid fills it: the parts are the largest field.
    TtableCroissante<TpartiesVisibles, kMaxGeneratrices - 1, kMaxGeneratrices> partiesGeneratrices;
    std::array<std::unique_ptr<TblocSegments>, 3> hachuresSolide;
    std::array<std::unique_ptr<TpartiesBloc>, 3> partiesHachuresSolide;
};

// Sets the edge count (at most kMaxAretesElement) and sizes the edge lists
// to it, every entry cleared.
inline void dimensionneAretes(TElementSolideVue& e, int nombre) {
    e.nombreAretes = uint16_t(nombre < 0 ? 0 : nombre > kMaxAretesElement ? kMaxAretesElement : nombre);
    const std::size_t n = std::size_t(e.nombreAretes) + 1;
    e.areteOmise.assign(n, 0);
    e.debutsAretes.assign(n, TpointEntier{});
    e.finsAretes.assign(n, TpointEntier{});
    e.partiesAretes.assign(n, TpartiesVisibles{});
}

// A list of screen segments of a trace: up to 160 segments in integer model
// units, each with a skip flag, and their parts.
struct TlisteSegmentsVue {
    uint16_t nombre = 0;
    std::array<uint8_t, kMaxSegmentsListe + 1> omis{};
    std::array<TpointEntier, kMaxSegmentsListe + 1> debuts{};
    std::array<TpointEntier, kMaxSegmentsListe + 1> fins{};
    std::array<TpartiesVisibles, kMaxSegmentsListe + 1> parties{};
};

} // namespace km32
