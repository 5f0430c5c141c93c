#pragma once
// Reading the objects of a figure: values and parents, names and notations,
// lookups by name, directions and normals, projection helpers, antecedents.
// Values and parents of an object are counted from 1: valeurObjet(f, i, 1)
// is the object's first value. Where a routine's description counts them
// from 0 (free objects, polyhedra, meshes, the lines of the figure text, the
// keyboard, the drag and the property tests), it uses the from-0 family
// valeurDepuisZero and parentDepuisZero, never a shifted number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/figure.h"
#include "model/point_ecran.h"

namespace km32 {

// value[first value of i + k - 1], k from 1 (throws outside 1 to 2000).
double valeurObjet(const TfigureKalmetra& f, int i, int k);
double& valeurObjet(TfigureKalmetra& f, int i, int k);
// parent[first parent of i + k - 1], k from 1 (throws outside 1 to 2000).
uint8_t parentObjet(const TfigureKalmetra& f, int i, int k);
uint8_t& parentObjet(TfigureKalmetra& f, int i, int k);
// The same counted from 0: valeurDepuisZero(f, i, 0) is valeurObjet(f, i, 1),
// the object's first value; parentDepuisZero(f, i, 0) its first parent.
double valeurDepuisZero(const TfigureKalmetra& f, int i, int k);
double& valeurDepuisZero(TfigureKalmetra& f, int i, int k);
uint8_t parentDepuisZero(const TfigureKalmetra& f, int i, int k);
uint8_t& parentDepuisZero(TfigureKalmetra& f, int i, int k);
// Number of the k-th parameter-expression record of i, k from 1 (16 bits).
int numeroExpressionObjet(const TfigureKalmetra& f, int i, int k);
// First value of the unit of length of i; 1.0 when i has none.
double uniteDeLongueurObjet(const TfigureKalmetra& f, int i);
// The convex that clips the drawing of object i, 0 when none: its limiting
// object, except that a net of a polyhedron stands for the polyhedron it
// unfolds (its flat faces bound no region), so a drawing limited to a net is
// clipped by that polyhedron. Every drawing place reads the limit through it.
int convexeLimitant(const TfigureKalmetra& f, int i);
std::size_t longueurTexteDesNoms(const TfigureKalmetra& f);
std::size_t longueurTexteDesFormules(const TfigureKalmetra& f);

// Names (at most 80 characters). A line through two points, a half-line and
// a segment (codes 30, 33, 34) are named by their two parents: "AB".
std::string nomObjet(const TfigureKalmetra& f, int i);
// Whether nomObjet(f, i) (or nomObjetOuVecteur) equals nom, without building
// the name in most cases: the lookups by name run over every object.
bool nomObjetEst(const TfigureKalmetra& f, int i, std::string_view nom);
bool nomObjetOuVecteurEst(const TfigureKalmetra& f, int i, std::string_view nom);
std::string texteEtiquetteObjet(const TfigureKalmetra& f, int i);
std::string nomObjetOuVecteur(const TfigureKalmetra& f, int i); // "vec(u)" for a vector
std::string nomObjetNotation(const TfigureKalmetra& f, int i);  // "(AB)", "[AB)", "[AB]"
std::string nomObjetInverse(const TfigureKalmetra& f, int i);   // "BA"
// Gives object i a new slice of the object-name text (name, blank, label):
// its old slice is taken out of the text unless another object reads it
// too (the built-in o and ox share their "o"), and the starts of every
// object after it, built-in or not, follow; the new slice goes at the end.
void changeTexteNomObjet(TfigureKalmetra& f, int i, const std::string& texte);
// Takes object i's slice out of the object-name text as above; i then has no name.
void oteTexteNomObjet(TfigureKalmetra& f, int i);

// Lookups; 0 when none.
int numeroObjetDeNomEtType(const TfigureKalmetra& f, std::string_view nom, uint8_t nature);
int numeroObjetDeNotation(const TfigureKalmetra& f, std::string_view nom);
// Every object whose name (nomObjet) is nom cut to 10, in ascending order.
std::vector<uint8_t> objetsNommes(const TfigureKalmetra& f, std::string_view nom);
int numeroObjetDeCrochets(const TfigureKalmetra& f, std::string_view nom);
bool sansRepereUtilisateur(const TfigureKalmetra& f);
bool sansUniteDeLongueurAccessible(const TfigureKalmetra& f);

// Geometry of objects. With j = 0 the direction of i by its kind (other
// kinds leave the outputs unchanged); otherwise the vector from i to j.
void directionObjet(const TfigureKalmetra& f, int i, int j, double& x, double& y, double& z);
void deuxPointsObjet(const TfigureKalmetra& f, int i, int j, double& x1, double& y1, double& z1, double& x2,
                     double& y2, double& z2);
double normeDirectionObjet(const TfigureKalmetra& f, int i, int j);
// In these three, nul is set and the outputs are left undivided when the
// length is below 1e-10.
void directionUnitaire(const TfigureKalmetra& f, int i, int j, bool& nul, double& x, double& y, double& z);
void normaleUnitaire(const TfigureKalmetra& f, int i, int j, bool& nul, double& x, double& y, double& z,
                     int k);
void normalePlan(const TfigureKalmetra& f, int i, int j, bool& nul, double& d, double& a, double& b,
                 double& c, int k);

// Projection helpers; the integer results saturate to 32 bits.
int32_t coordonneeEntiere(const TfigureKalmetra& f, double x);
bool horsDesBornes(const TfigureKalmetra& f, double x);
// Screen pixel of the integer model point (X, Y, Z): X cx1 + Y cx2 + Z cx3 +
// centre x (and the same with the y coefficients), rounded to the nearest
// integer, halves to even. Inline: every redraw projects every point.
inline int32_t pixelSature(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::nearbyint(x);
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483647 - 1;
    return int32_t(r);
}
inline int32_t projetteX(const TfigureKalmetra& f, int32_t X, int32_t Y, int32_t Z) {
    const double* c = f.coefficientsProjection;
    return pixelSature(X * c[0] + Y * c[1] + Z * c[2] + f.centreEcranX);
}
inline int32_t projetteY(const TfigureKalmetra& f, int32_t X, int32_t Y, int32_t Z) {
    const double* c = f.coefficientsProjection;
    return pixelSature(X * c[3] + Y * c[4] + Z * c[5] + f.centreEcranY);
}
// The same screen position in 1/32 pixel, for the points of polylines.
inline TcoordonneeEcran projetteX32(const TfigureKalmetra& f, int32_t X, int32_t Y, int32_t Z) {
    const double* c = f.coefficientsProjection;
    return TcoordonneeEcran::dePixels(X * c[0] + Y * c[1] + Z * c[2] + f.centreEcranX);
}
inline TcoordonneeEcran projetteY32(const TfigureKalmetra& f, int32_t X, int32_t Y, int32_t Z) {
    const double* c = f.coefficientsProjection;
    return TcoordonneeEcran::dePixels(X * c[3] + Y * c[4] + Z * c[5] + f.centreEcranY);
}
bool horsDeLImage(const TfigureKalmetra& f, int32_t x, int32_t y);
bool pointSurPlanIsole(const TfigureKalmetra& f, double X, double Y, double Z);
// Stores the isolated plane's unit normal (a, b, c) and constant d (model
// units), the constant also in integer units at the figure's scale.
void fixeCoefficientsPlanIsole(TfigureKalmetra& f, double a, double b, double c, double d);

// Direct antecedents of i: its unit of length, its parents and the objects
// its parameter expressions read.
TEnsembleObjets ensembleDesAntecedents(const TfigureKalmetra& f, int i);
// The antecedents below i in ascending order.
std::vector<uint8_t> listeDesAntecedents(const TfigureKalmetra& f, int i);
bool aDesAntecedentsUtilisateur(const TfigureKalmetra& f, int i);

void libereTamponFigure(TfigureKalmetra& f);

} // namespace km32
