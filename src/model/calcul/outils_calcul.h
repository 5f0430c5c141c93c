#pragma once
// Small readers shared by the construction handlers of lines, circles,
// transformations and the other general objects: the parents of the object
// being computed (0 beyond its parent count) and the parameter reads that
// stop the computation on failure.
#include "model/calcul/geometrie.h"
#include "model/calcul/parametres.h"

namespace km32::calcul {

// Parent k (from 1) of n, 0 when n has fewer parents.
inline int parentOuZero(const TfigureKalmetra& f, int n, int k) {
    return k <= objet(f, n).nombreParents ? parentObjet(f, n, k) : 0;
}

// Parents P1 to P6 of n.
struct Tparents {
    int p[7] = {0, 0, 0, 0, 0, 0, 0};
    int operator[](int k) const { return p[k]; }
};
inline Tparents parentsDe(const TfigureKalmetra& f, int n) {
    Tparents r;
    for (int k = 1; k <= 6; ++k)
        r.p[k] = parentOuZero(f, n, k);
    return r;
}

// The unit normal and constant of a plane operand, or n undefined with the
// reason; false then.
inline bool planOuRaison(TfigureKalmetra& f, int n, int a, int b, int c, V3& normale, double& D,
                         uint16_t raison) {
    if (planOperande(f, a, b, c, normale, D)) return true;
    rendIndefini(f, n, raison);
    return false;
}

// The point and unit direction of a line operand, or n undefined with the
// reason; false then.
inline bool droiteOuRaison(TfigureKalmetra& f, int n, int a, int b, V3& point, V3& u, uint16_t raison) {
    if (droiteUnitaire(f, a, b, point, u)) return true;
    rendIndefini(f, n, raison);
    return false;
}

} // namespace km32::calcul
