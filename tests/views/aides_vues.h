#pragma once
// A figure seen from a chosen direction, with filled solids added by hand.
#include <cmath>
#include <numbers>

#include "../solids/aides_solides.h"
#include "model/constructions_codes.h"
#include "model/solides/constructions_polyedres.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/parties_cachees.h"
#include "model/solides/solides_ronds.h"
#include "model/solides/vue_solides.h"

namespace km32::essais {

constexpr double kEchelle = 100; // integer units per model unit

struct FigureVue : FigureSolides {
    FigureVue() {
        f.echelle = kEchelle;
        vue(0, 0, 0);
    }
    // The view of three angles, with its projection: screen x along the
    // frame's second column, screen y down its third (pixels per integer unit 1).
    void vue(double t1, double t2, double t3) {
        f.anglesVue[0] = t1, f.anglesVue[1] = t2, f.anglesVue[2] = t3;
        Tvecteur3 i, j, k;
        repereDAngles(i, j, k, t1, t2, t3);
        const double c[6] = {i.y, j.y, k.y, -i.z, -j.z, -k.z};
        for (int n = 0; n < 6; ++n)
            f.coefficientsProjection[n] = c[n];
    }
    void remplit(int objet) { f.objets[objet].style.drapeaux |= 1u << 4; }
    // The unit cube of the solid tests, filled.
    int cubeUnite() {
        const int q = FigureSolides::cubeUnite();
        remplit(q);
        return q;
    }
    int sphere(double x, double y, double z, double r) {
        const int o = point("O", x, y, z);
        const int s = ajoute(kNatureSphere, construction::kSphere, "S", {x, y, z, r}, {o});
        calculeDonneesSphere(f, s);
        remplit(s);
        return s;
    }
};

inline TpointEntier entier(double x, double y, double z) {
    return {int32_t(std::lround(x * kEchelle)), int32_t(std::lround(y * kEchelle)),
            int32_t(std::lround(z * kEchelle))};
}

inline double radians(double degres) {
    return degres * std::numbers::pi / 180;
}

} // namespace km32::essais
