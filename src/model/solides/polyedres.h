#pragma once
// Solid records of the polyhedra table: convex polyhedra and polygons,
// circles, spheres, spherical caps, polyhedron nets and round solids
// (cylinders, cones, frustums). Each solid object keeps its slot (1 to 100)
// in its solid-slot byte; slot 0 means none.
//
// Numbering: vertices, edges, faces and the entries of a face cycle are
// counted from 1 (index 0 of each array is never used). Read them through the
// checked accessors (an index out of range throws ErreurInterne).
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <variant>

#include "base/table_croissante.h"
#include "model/figure.h"
#include "model/tables_annexes.h"
#include "model/solides/vue_donnees.h"
#include "model/vecteurs.h"

namespace km32 {

constexpr int kMaxSommetsPolyedre = 160;
constexpr int kMaxAretesPolyedre = 160;
constexpr int kMaxFacesPolyedre = 80;
constexpr int kMaxCotesFace = 40;
constexpr int kMaxAretesPolygone = 40;
constexpr int kMaxPlansCachants = 120;

// Record kinds (the first byte of a record).
enum GenreDonneesPolyedre : uint8_t {
    kGenrePolyedre = 1, // convex polyhedron or polygon
    kGenreSphere = 3,
    kGenreCalotte = 4,
    kGenreCercle = 5,
    kGenrePatron = 6,
    kGenreSolideRond = 8, // cylinder, cone, frustum
};

// A set of vertex numbers 0 to 255.
using TEnsembleSommets = std::bitset<256>;

struct TArete {
    uint8_t premierSommet = 0; // the larger vertex number
    uint8_t secondSommet = 0;  // the smaller
    uint8_t premiereFace = 0;
    uint8_t secondeFace = 0;
    uint8_t deFace = 0; // borders a face turned to the viewer (view preparation), or a polygon
};

// A plane a x + b y + c z + d = 0 with (a, b, c) a unit outward normal: the
// inner side is where the value is <= 0.
struct TPlanOriente {
    double a = 0, b = 0, c = 0, d = 0;
};

struct TFace {
    uint8_t nombreSommets = 0;          // at most 40
    uint8_t tourneeVersObservateur = 0; // view preparation
    uint8_t marque = 0;                 // deferred by the hull builder
    // The corners in order round the face, then the first one again: entries
    // 1 to nombreSommets + 1.
    std::array<uint8_t, kMaxCotesFace + 2> cycle{};
    TPlanOriente plan;
    uint8_t faceOrigine = 0;     // the face it was reached from (0 for face 1)
    uint8_t positionOrigine = 0; // position of the hinge edge in the origin face's cycle
};

// Convex polyhedron or polygon (record kind 1). A polygon has exactly two
// faces (its plane with both orientations) and keeps its side planes in
// faces 3 to 2 + edge count.
struct TPolyedre {
    uint8_t polygone = 0;
    uint8_t donneParSommets = 0;   // the construction lists the vertices as parents
    uint8_t retirageAleatoire = 0; // polygon computed during a random re-draw
    uint8_t nombreSommets = 0;
    uint8_t nombreAretes = 0;
    uint8_t nombreFaces = 0;
    // The tables grow as they are written: a tetrahedron costs what it uses,
    // not the 160 vertices a polyhedron may have.
    TtableCroissante<Tvecteur3, kMaxSommetsPolyedre> sommets;
    TtableCroissante<TArete, kMaxAretesPolyedre> aretes;
    TtableCroissante<TFace, kMaxFacesPolyedre, 8> faces;
    Tvecteur3 centreGravite;
    // Vertex sets: the vertices joined to each vertex by an edge.
    TtableCroissante<TEnsembleSommets, kMaxSommetsPolyedre> voisins;
    uint8_t octetsErreur[4] = {0, 0, 0, 0}; // entries 1 to 3: vertices or face named by a reason

    // View data.
    uint8_t nombrePlansCachants = 0;
    TtableCroissante<TPlanOriente, kMaxPlansCachants> plansCachants;
};

// Circle (record kind 5).
struct TDonneesCercle {
    Tvecteur3 centre;
    Tvecteur3 point; // a point of the circle
    Tvecteur3 normale;
    double d = 0; // plane constant -n.centre
    double rayon = 0;
    Tvecteur3 u; // point - centre
    Tvecteur3 v; // n x u
    // View data.
    uint8_t visible = 0;
    TVueCercle vue;
};

// Sphere (record kind 3).
struct TDonneesSphere {
    Tvecteur3 centre;
    double rayon = 0;
    TVueSphere vue;
};

// Spherical cap (record kind 4): its construction always leaves the object
// undefined, so the record holds nothing.
struct TDonneesCalotte {};

// Polyhedron net (record kind 6): the unfolded faces in the polyhedron layout.
struct TDonneesPatron {
    TPolyedre geometrie; // its centre of gravity is the polyhedron's
    double ouverture = 0;
    uint8_t ferme = 0; // opening 0
    uint8_t plat = 0;  // opening 1
    TVuePatron vue;
};

// Cylinder, cone or frustum (record kind 8). s(X) = a.X + constanteBase is 0
// on the base and -H at the other centre.
struct TDonneesSolideRond {
    uint8_t cone = 0;
    uint8_t cylindre = 0;
    Tvecteur3 base;             // B, centre of the larger base
    Tvecteur3 autreCentre;      // B2
    Tvecteur3 sommet;           // A, apex (of the complete cone for a frustum)
    double cosinus = 0;         // c, cosine of the half-angle
    double k = 0;               // c^2
    Tvecteur3 axe;              // B - B2
    double h1 = 0;              // base plane to apex
    double hauteur = 0;         // H
    double h2 = 0;              // small base to apex
    double reserve[2] = {0, 0}; // two places the fill leaves as they are
    double R = 0, R2 = 0;
    double r = 0, r2 = 0;
    Tvecteur3 a; // unit axis (B - B2) / H
    double constanteBase = 0;
    Tvecteur3 u; // vecteurOrthogonal(a)
    double constanteU = 0;
    Tvecteur3 w; // u x a
    double constanteW = 0;
    Tvecteur3 pointBaseU, pointBaseW, pointPetiteBaseU, pointPetiteBaseW;
    Tvecteur3 Ru, Rw, ru, rw;
    TVueSolideRond vue;
};

// A record held through a pointer and copied deeply. The polyhedron, the net
// and the round solid are the large kinds; kept in the variant itself they
// would make a sphere or a circle record just as large.
template <typename T> struct TEnBoite {
    std::unique_ptr<T> valeur = std::make_unique<T>();
    TEnBoite() = default;
    TEnBoite(const TEnBoite& autre) : valeur(std::make_unique<T>(*autre.valeur)) {}
    TEnBoite& operator=(const TEnBoite& autre) {
        // Into the record already held: no allocation when a copy is refreshed.
        if (this != &autre) {
            if (valeur)
                *valeur = *autre.valeur;
            else
                valeur = std::make_unique<T>(*autre.valeur);
        }
        return *this;
    }
    TEnBoite(TEnBoite&&) noexcept = default;
    TEnBoite& operator=(TEnBoite&&) noexcept = default;
};

struct TDonneesPolyedre {
    uint8_t genre = 0;
    std::variant<std::monostate, TEnBoite<TPolyedre>, TDonneesSphere, TDonneesCalotte, TDonneesCercle,
                 TEnBoite<TDonneesPatron>, TEnBoite<TDonneesSolideRond>>
        contenu;
};

// Typed access; a record of another kind throws ErreurInterne.
TPolyedre& polyedreDe(TDonneesPolyedre& d);
const TPolyedre& polyedreDe(const TDonneesPolyedre& d);
TDonneesSphere& sphereDe(TDonneesPolyedre& d);
const TDonneesSphere& sphereDe(const TDonneesPolyedre& d);
TDonneesCercle& cercleDe(TDonneesPolyedre& d);
const TDonneesCercle& cercleDe(const TDonneesPolyedre& d);
TDonneesPatron& patronDe(TDonneesPolyedre& d);
const TDonneesPatron& patronDe(const TDonneesPolyedre& d);
TDonneesSolideRond& solideRondDe(TDonneesPolyedre& d);
const TDonneesSolideRond& solideRondDe(const TDonneesPolyedre& d);

// Checked element access, counted from 1.
Tvecteur3& sommet(TPolyedre& p, int k);
const Tvecteur3& sommet(const TPolyedre& p, int k);
TArete& arete(TPolyedre& p, int k);
const TArete& arete(const TPolyedre& p, int k);
// Faces 1 to 80 (side planes of a polygon included).
TFace& face(TPolyedre& p, int k);
const TFace& face(const TPolyedre& p, int k);
uint8_t& sommetCycle(TFace& f, int k); // entries 1 to 41
uint8_t sommetCycle(const TFace& f, int k);

// The record kind a solid object of that kind gets; 0 for any other kind.
uint8_t genreDonneesDeNature(uint8_t nature);

// Table operations.
void creeTableDesPolyedres(std::unique_ptr<TtableDesPolyedres>& table);
void libereTableDesPolyedres(std::unique_ptr<TtableDesPolyedres>& table);
void libereDonneesPolyedre(PDonneesPolyedre& donnees);
// Kinds other than 1, 3, 4, 5, 6 and 8 throw ErreurInterne.
void creeDonneesPolyedre(uint8_t genre, PDonneesPolyedre& donnees);
void copieDonneesPolyedre(const TDonneesPolyedre& source, TDonneesPolyedre& destination);
// A deep copy: no record is shared. Nothing happens when the source is null.
void copieTableDesPolyedres(const TtableDesPolyedres* source, TtableDesPolyedres& destination);
uint8_t premierePlaceLibrePolyedre(const TtableDesPolyedres& table);
uint8_t placesLibresPolyedres(const TtableDesPolyedres& table);
// Creates the figure's table when it has none. Returns the slot, 0 when the
// table is full or the kind has no record.
uint8_t ajouteDonneesPolyedre(TfigureKalmetra& f, uint8_t nature);
void oteDonneesPolyedre(TfigureKalmetra& f, uint8_t emplacement);

// The record in the solid slot of an object; throws ErreurInterne when the
// slot is 0, out of range or empty.
TDonneesPolyedre& donneesPolyedreObjet(TfigureKalmetra& f, int objet);
const TDonneesPolyedre& donneesPolyedreObjet(const TfigureKalmetra& f, int objet);

} // namespace km32
