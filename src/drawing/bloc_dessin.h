#pragma once
// The display list of a figure (TblocDessin, model/tables_annexes.h): the
// band and figure rectangles and one display element per object 7 to 255,
// projected to the screen. The renderer paints only from these elements.
//
// Screen positions: TpointEcran in 1/32 pixel for polylines; whole pixels
// for point, text and graduation elements and for the break points of the
// visible and hidden pieces (TpartiesVisibles) of straight lines.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/boite_optionnelle.h"
#include "base/table_croissante.h"
#include "drawing/maillages_dessin.h"
#include "model/figure.h"
#include "drawing/element_solide.h"
#include "model/point_ecran.h"
#include "model/solides/element_solide_vue.h"
#include "model/solides/parties_visibles.h"

namespace km32 {

// Display kinds: they select the renderer's drawer.
enum TypeElementDessin : uint8_t {
    kDessinPoint = 1,
    kDessinSegment = 2, // segment, line, half-line
    kDessinLigne = 4,   // circle, arc, curve
    kDessinTexte = 9,
    kDessinAxe = 10,      // graduated line
    kDessinPolyedre = 12, // polyhedron, polygon, net
    kDessinSphere = 13,
    kDessinSolideRond = 14, // cylinder, cone, frustum
    kDessinMaillage = 16,   // mesh surface
};

constexpr int kMaxGraduations = 50;

// A graduation mark on the screen.
struct TgraduationEcran {
    int32_t x = 0, y = 0; // pixels
    uint8_t cachee = 0;   // hidden by a polyhedron
};

// The fields of the display kinds drawn from more than a point, a segment or
// a text: graduated lines, circles, arcs and curves, polyhedra, spheres,
// round solids and meshes. Most elements of a figure are points and
// segments, so these live in a part of their own (complementDe).
struct TcomplementDessin {
    // Graduated line: axis letter ('x', 'y', 'z' or blank), whether its end
    // is visible, the letter's position, the marks.
    char lettre = ' ';
    uint8_t extremiteVisible = 0;
    int32_t xLettre = 0, yLettre = 0;
    uint8_t nombreGraduations = 0;
    TtableCroissante<TgraduationEcran, kMaxGraduations - 1> graduations; // 0 to 49

    // Circle, arc, curve (at most 1000 points); sphere outline and parallels
    // and round solid bases as further lines.
    std::vector<TpointEcran> points;
    std::vector<std::vector<TpointEcran>> lignes;
    // Pieces of chords (hatching of circles, faces and round solids) and of
    // edges or silhouette lines, with their number.
    std::vector<TpartiesVisibles> cordes;
    uint16_t nombreAretes = 0;
    std::vector<uint8_t> areteCachee; // edges 1 to nombreAretes (index 0 unused)
    std::vector<TpartiesVisibles> aretes;

    // Mesh surface: its projected grid.
    TmaillageEcran maillage;
};

struct TelementDessin {
    // Copy of the object's style at build time.
    TstyleObjet style;
    TsourcesCouleur sourcesCouleur{};
    uint8_t type = 0; // TypeElementDessin
    uint8_t objet = 0;

    // Point: position in pixels, label (the label text, or the name when
    // aEtiquette is 0) and, when the name is shown, its box: top-left corner
    // in xEtiquette, yEtiquette and size in largeur, hauteur (textes_dessin.h).
    int32_t x = 0, y = 0;
    int32_t xEtiquette = 0, yEtiquette = 0;
    uint8_t aEtiquette = 0;
    std::string etiquette; // at most 80 characters

    // Segment, line, half-line, graduated line.
    TpartiesVisibles parties;

    // Text: box in pixels (x, y the reference point of the first line, the
    // box reaching decalage pixels above it), text as mathematical text.
    // Point: the size of the label box.
    int32_t largeur = 0, hauteur = 0, decalage = 0;
    std::string texte;

    // The fields of the other kinds; absent for a point, a segment or a text.
    TboiteOptionnelle<TcomplementDessin> complement;
};

// The complement of an element, made when absent.
inline TcomplementDessin& complementDe(TelementDessin& e) {
    return e.complement.ecrit();
}
// The complement of an element; read as empty when absent.
inline const TcomplementDessin& complementDe(const TelementDessin& e) {
    return e.complement.lit();
}

void creeBlocDessin(std::unique_ptr<TblocDessin>& bloc);   // frees an existing one first
void libereBlocDessin(std::unique_ptr<TblocDessin>& bloc); // frees every element, then the list
void copieBlocDessin(const TblocDessin& bloc, std::unique_ptr<TblocDessin>& copie);
void libereElementObjet(TfigureKalmetra& f, int n);

// The element of object n (7 to 255); null when it has nothing to draw.
TelementDessin* elementDessin(TfigureKalmetra& f, int n);
const TelementDessin* elementDessin(const TfigureKalmetra& f, int n);

// Screen position of an integer model point, in 1/32 pixel (clamped).
TcoordonneeEcran projetteX32(const TfigureKalmetra& f, const TpointEntier& p);
TcoordonneeEcran projetteY32(const TfigureKalmetra& f, const TpointEntier& p);

// A polyline of integer model points into 1/32-pixel screen points: the
// first point and each point that starts a piece are not joined; with
// cacher, points hidden by the visible polyhedra carry the hidden flag and a
// point where the hidden state changes is not joined to the one before, so
// that a run of hidden points is a piece of hidden line of its own.
void projettePolyligne(const TfigureKalmetra& f, const std::vector<TentreeLigne>& ligne, bool cacher,
                       std::vector<TpointEcran>& points);

// The element of spherical cap n from its drawing data: the points of its
// rim (the outline of its sphere inside the figure's box, on the cap's side
// of its plane and inside its limiting solid; a point after a dropped one
// starts a new piece), then its base circle and its parallels, with their
// hidden parts. False, nothing to draw, when the rim keeps more than 1000
// points or n is not a cap.
bool elementCalotte(TfigureKalmetra& f, int n, TElementSolide& s, TelementDessin& e);
// Builds or drops the element of object n.
void prepareElementObjet(TfigureKalmetra& f, int n);
// Zones, then every object 7 to N.
void prepareElementsDessin(TfigureKalmetra& f);
// Frees every element except those of text objects (kept across view changes).
void libereElementsSaufTextes(TfigureKalmetra& f);
// Splits the drawing area into the top band and the figure area.
void placeZonesDessin(TfigureKalmetra& f);

bool existeElementDessin(const TfigureKalmetra& f);
bool existeTexteDessine(const TfigureKalmetra& f);

} // namespace km32
