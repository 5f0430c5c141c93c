#pragma once
// Mesh surfaces (kind 34) in the drawing: their drawing data (the grid of
// the mesh record in integer model units, a missing flag per point), their
// display element (the grid projected to the screen) and their drawer (the
// segments along the rows and the columns of the grid, or one dot per point
// when the points are not joined).
//
// A grid has lignes rows of colonnes points, stored row after row: point
// (i, j) is entry i colonnes + j, the first variable of the mesh giving the
// row.
#include <cstdint>
#include <vector>

#include "model/figure.h"
#include "model/point_ecran.h"
#include "model/solides/element_solide_vue.h"
#include "platform/contexte_dessin.h"

namespace km32 {

struct TelementDessin;

struct TpointMaillage {
    uint8_t manquant = 0; // undefined in the mesh, or outside the limiting solid
    TpointEntier p;
};

// The drawing data of a mesh.
struct TgrilleMaillage {
    int32_t nx = 0, ny = 0; // the mesh's grid counts
    uint8_t complet = 0;    // every point present
    int32_t lignes = 0, colonnes = 0;
    std::vector<TpointMaillage> points;
};

// The display element of a mesh: its points in 1/32 pixel; a missing point
// has no position flag, a hidden one the hidden flag.
struct TmaillageEcran {
    int32_t lignes = 0, colonnes = 0;
    std::vector<TpointEcran> points;
};

// Fills the grid from the mesh record of surface object n; abandon when the
// object has no record or its counts do not make a grid.
void construitGrilleMaillage(const TfigureKalmetra& f, int n, TgrilleMaillage& grille, bool& abandon);
void videGrilleMaillage(TgrilleMaillage& grille);

// Projects the grid; with cacher, points hidden by the visible polyhedra get
// the hidden flag. False when no point is present.
bool projetteGrilleMaillage(const TfigureKalmetra& f, const TgrilleMaillage& grille, bool cacher,
                            TmaillageEcran& ecran);

// Draws the element of a mesh in the colour, with the object's pen.
void dessineMaillage(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TelementDessin& e,
                     platform::Couleur couleur);
// The same for a projected grid drawn with a style (a mesh's trace).
void dessineGrilleEcran(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TstyleObjet& style,
                        const TmaillageEcran& grille, platform::Couleur couleur);

} // namespace km32
