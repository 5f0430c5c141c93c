#pragma once
// The geometry of a circle, an arc or a sphere as the constructions on them
// read it. A circle's solid record is filled from the circle's own values
// (centre, unit normal, radius, one point of the circle) every time the
// circle is computed, so the same quantities are read here straight from
// those values.
#include "model/calcul/geometrie.h"

namespace km32::calcul {

struct Tcercle {
    V3 centre;
    V3 normale;   // unit normal of its plane
    double d = 0; // plane constant: normale.X + d = 0
    double rayon = 0;
    V3 u, v; // two perpendicular radius vectors in its plane: point - centre, normale x u
};

struct Tsphere {
    V3 centre;
    double rayon = 0;
};

// Circle values: 1-3 centre, 4-6 unit normal, 7 radius, 8-10 a point of it.
inline Tcercle cercleObjet(const TfigureKalmetra& f, int i) {
    Tcercle c;
    c.centre = lisV3(f, i, 1);
    c.normale = lisV3(f, i, 4);
    c.rayon = valeurObjet(f, i, 7);
    c.d = -scalaire(c.normale, c.centre);
    c.u = lisV3(f, i, 8) - c.centre;
    c.v = vectoriel(c.normale, c.u);
    return c;
}

// Sphere values: 1-3 centre, 4 radius (already in the figure's units).
inline Tsphere sphereObjet(const TfigureKalmetra& f, int i) {
    return {lisV3(f, i, 1), valeurObjet(f, i, 4)};
}

// M lies on the circle: in its plane and at its radius from its centre, both
// within 1e-6.
inline bool surCercle(const Tcercle& c, V3 m) {
    return std::fabs(scalaire(c.normale, m) + c.d) <= 1e-6 &&
           std::fabs(norme(m - c.centre) - c.rayon) <= 1e-6;
}

} // namespace km32::calcul
