#pragma once
// Small inline vector arithmetic for the computation engine, and the readers
// of an object's point and of the line and plane operands of a construction.
// Nothing here allocates: these run at every recomputation, also while a
// free point is dragged.
#include <cmath>

#include "model/figure.h"
#include "model/objets_figure.h"

namespace km32::calcul {

struct V3 {
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator*(double k, V3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
inline double scalaire(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 vectoriel(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norme(V3 a) {
    return std::sqrt(scalaire(a, a));
}
// Divides a by its length; false, a unchanged, when the length is below 1e-10.
inline bool unitaire(V3& a) {
    const double n = norme(a);
    if (n < 1e-10) return false;
    a = (1.0 / n) * a;
    return true;
}

// Values k, k+1, k+2 (counted from 1) of object i, and writing them.
inline V3 lisV3(const TfigureKalmetra& f, int i, int k) {
    return {valeurObjet(f, i, k), valeurObjet(f, i, k + 1), valeurObjet(f, i, k + 2)};
}
inline void ecritV3(TfigureKalmetra& f, int i, int k, V3 a) {
    valeurObjet(f, i, k) = a.x;
    valeurObjet(f, i, k + 1) = a.y;
    valeurObjet(f, i, k + 2) = a.z;
}
// The same from value k counted from 0, for the routines whose description
// counts an object's values from 0.
inline V3 lisV3DepuisZero(const TfigureKalmetra& f, int i, int k) {
    return {valeurDepuisZero(f, i, k), valeurDepuisZero(f, i, k + 1), valeurDepuisZero(f, i, k + 2)};
}
inline void ecritV3DepuisZero(TfigureKalmetra& f, int i, int k, V3 a) {
    valeurDepuisZero(f, i, k) = a.x;
    valeurDepuisZero(f, i, k + 1) = a.y;
    valeurDepuisZero(f, i, k + 2) = a.z;
}
// The point of an object: its values 1 to 3.
inline V3 pointObjet(const TfigureKalmetra& f, int i) {
    return lisV3(f, i, 1);
}

// Marks object n undefined with a reason phrase.
inline void rendIndefini(TfigureKalmetra& f, int n, uint16_t raison) {
    TObjetFigure& o = objet(f, n);
    o.nonDefini = 1;
    o.raison = raison;
}

// A line operand (a, b): through the point of a, with the direction of the
// line-like object a when b is 0, else from the point of a to the point of b.
struct Tdroite {
    V3 point;
    V3 direction; // as given, not normalised
};
inline Tdroite droiteOperande(const TfigureKalmetra& f, int a, int b) {
    Tdroite d;
    d.point = pointObjet(f, a);
    directionObjet(f, a, b, d.direction.x, d.direction.y, d.direction.z);
    return d;
}
// The same with a unit direction; false when the direction is null.
inline bool droiteUnitaire(const TfigureKalmetra& f, int a, int b, V3& point, V3& u) {
    Tdroite d = droiteOperande(f, a, b);
    point = d.point;
    u = d.direction;
    return unitaire(u);
}

// A plane operand (a, b, c): the stored equation of the plane a when b is 0,
// else the plane through the points of a, b and c; n.X + D = 0. False when
// the normal is null.
inline bool planOperande(const TfigureKalmetra& f, int a, int b, int c, V3& n, double& D) {
    bool nul = false;
    normalePlan(f, a, b, nul, D, n.x, n.y, n.z, c);
    return !nul;
}

} // namespace km32::calcul
