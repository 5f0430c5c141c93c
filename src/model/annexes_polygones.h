#pragma once
// Extension records of the points free in a convex polygon (construction
// 189). Such a point keeps, besides its values, the frame of its polygon,
// the two affine forms that give its plane coordinates (u along the first
// side, v along the last) and the fan tables that draw a point at random in
// the polygon with uniform density. The records live in the figure's
// extension table (slots 1 to 100); the point keeps its slot in its
// side-table slot byte (emplacementSolide).
//
// Values of a point free in a polygon (counted from 1): 1 to 3 the point,
// 4 and 5 its plane coordinates u and v, 6 its keyboard step.
#include <array>
#include <cstdint>
#include <memory>

#include "model/figure.h"
#include "model/solides/polyedres.h"
#include "model/tables_annexes.h"
#include "model/vecteurs.h"

namespace km32 {

constexpr uint8_t kGenreAnnexePolygone = 189;

struct TAnnexePolygone {
    uint8_t genre = kGenreAnnexePolygone;
    uint8_t nombreCotes = 0; // vertices (and sides) of the polygon's face
    double plan[4] = {0, 0, 0, 0};
    Tvecteur3 origine; // O, first vertex of the face
    Tvecteur3 axe1;    // e1 = second vertex - O
    Tvecteur3 axe2;    // e2 = last vertex - O
    // u = formeU[0] x + formeU[1] y + formeU[2] z + formeU[3], v likewise.
    double formeU[4] = {0, 0, 0, 0};
    double formeV[4] = {0, 0, 0, 0};
    double valeurCote = 0;   // scratch: a side plane at the point
    double valeurCentre = 0; // scratch: that side plane at the centroid, negated
    Tvecteur3 point;
    double u = 0, v = 0;
    uint8_t eventailPrepare = 0; // the fan tables below are valid
    uint8_t nombreEventail = 0;  // side count - 1
    uint8_t triangleChoisi = 0;  // fan triangle of the last draw
    double hasardA = 0, hasardB = 0;
    // Entries 2 to 40 (a face has at most 40 vertices): the cumulative area
    // fraction up to fan triangle k (O, V k, V k+1), and u, v of vertex k.
    std::array<double, kMaxCotesFace + 1> airesCumulees{};
    std::array<double, kMaxCotesFace + 1> uSommets{};
    std::array<double, kMaxCotesFace + 1> vSommets{};
    double aireTotale = 0;
    Tvecteur3 vecteurTravail; // a vertex minus O, while the fan is prepared
};

// Table operations.
void creeTableAnnexes(std::unique_ptr<TtableAnnexes>& table); // frees an existing one first
void libereTableAnnexes(std::unique_ptr<TtableAnnexes>& table);
// Every slot of the destination is freed, then gets its own copy of the
// source's record.
void copieTableAnnexes(const TtableAnnexes& source, TtableAnnexes& destination);
// First empty slot 1 to 100; 0 when all are used.
uint8_t placeLibreAnnexe(const TtableAnnexes& table);
// Creates a record of the kind in the first empty slot (the figure's table is
// created when it has none) and returns the slot; 0 when the table is full.
uint8_t ajouteAnnexe(TfigureKalmetra& f, uint8_t genre);
// Frees the record of the slot; slot 0 does nothing.
void oteAnnexe(TfigureKalmetra& f, uint8_t emplacement);

// Record operations. creeAnnexe frees what the slot holds, then for kind 189
// allocates a fresh record (fan not prepared); another kind leaves the slot
// empty. libereAnnexe empties the slot. copieAnnexe copies the whole record
// when the source is of kind 189.
void creeAnnexe(uint8_t genre, PAnnexePolygone& annexe);
void libereAnnexe(PAnnexePolygone& annexe);
void copieAnnexe(const TAnnexePolygone& source, TAnnexePolygone& destination);

// The record of point n; throws ErreurInterne when n has no valid slot.
TAnnexePolygone& annexeObjet(TfigureKalmetra& f, int n);
const TAnnexePolygone& annexeObjet(const TfigureKalmetra& f, int n);

// Computations on the record of point n, whose first parent is its polygon.
// Brings (x, y, z) back inside the polygon: across each side it lies beyond,
// to where the segment towards the centroid meets that side. These two keep
// the record as it is (the scratch fields are written only when the point
// itself is computed).
void pointDansPolygoneAnnexe(const TfigureKalmetra& f, int n, double& x, double& y, double& z);
// The plane coordinates of (x, y, z) once brought inside the polygon.
void coordonneesDansPolygoneAnnexe(const TfigureKalmetra& f, int n, double& u, double& v, double x, double y,
                                   double z);
// Point n from its values 4 and 5 (u, v), kept inside: writes values 1 to 5.
void calculePointDansPolygone(TfigureKalmetra& f, int n);
void prepareTirageDansPolygone(TfigureKalmetra& f, int n);
// Point n drawn at random with uniform density: writes values 1 to 5.
void tirePointDansPolygone(TfigureKalmetra& f, int n);
// Construction 189: a random draw while the property tests re-draw the
// objects of their set, else the point from its plane coordinates.
void calculePointLibreDansPolygone(TfigureKalmetra& f, int n);

// The objects the property tests re-draw at random. Such a point is drawn
// anew when the figure is recomputed after a random re-draw (the polyhedra
// state's retirageAleatoire), outside the sampling of a locus.
struct EtatAnnexesPolygones {
    TEnsembleObjets objetsATirer;
};
EtatAnnexesPolygones& etatAnnexesPolygones();
void reinitialiseEtatAnnexesPolygones();

// The random-redraw mode for the life of the guard: the polyhedra state's
// flag set and the objects to re-draw given, both put back at the end (also
// on an error path). The property tests recompute a figure under it after
// each re-draw of their free objects.
class ModeRetirageAleatoire {
  public:
    explicit ModeRetirageAleatoire(const TEnsembleObjets& aTirer);
    ~ModeRetirageAleatoire();
    ModeRetirageAleatoire(const ModeRetirageAleatoire&) = delete;
    ModeRetirageAleatoire& operator=(const ModeRetirageAleatoire&) = delete;

  private:
    bool modeAvant_;
    TEnsembleObjets aTirerAvant_;
};

} // namespace km32
