#include "drawing/vue_projection.h"

#include <algorithm>

#include "model/solides/parties_cachees.h"

namespace km32 {

void repereDeLaVue(const TfigureKalmetra& f, Tvecteur3& i, Tvecteur3& j, Tvecteur3& k) {
    repereDAngles(i, j, k, f.anglesVue[0], f.anglesVue[1], f.anglesVue[2]);
}

void calculeProjection(TfigureKalmetra& f) {
    const double zoom = f.uniteSurPetiteDimension;
    f.borneSuperieure = f.etendueVue / 2 / zoom;
    f.borneInferieure = -f.borneSuperieure;
    f.echelle = kUnitesDemiEtendue / f.borneSuperieure;
    f.pasHachures = 0.035 / zoom;

    // The drawing area in the units of projetteX and projetteY is the
    // drawing itself, in pixels.
    f.largeurZoneDessin = f.largeurImage;
    f.hauteurZoneDessin = f.hauteurImage;
    f.centreEcranX = f.largeurImage * f.fractionsCentre[0];
    f.centreEcranY = f.hauteurImage * f.fractionsCentre[1];

    f.longueurUnitePixels = std::min(f.largeurImage, f.hauteurImage) * zoom;
    const double s = f.longueurUnitePixels / f.echelle; // pixels per integer unit

    Tvecteur3 i, j, k;
    repereDeLaVue(f, i, j, k);

    // Towards the viewer, before the oblique correction: the first column of
    // the frame, as the cross product of the second and third.
    double vx = 0, vy = 0, vz = 0;
    produitVectoriel(vx, vy, vz, i.y, j.y, k.y, i.z, j.z, k.z);
    if (normaliseSiNonNul(vx, vy, vz)) {
        f.directionVue[0] = vx;
        f.directionVue[1] = vy;
        f.directionVue[2] = vz;
    }

    if (f.projectionOblique) {
        const double a = f.parametresOblique[0], b = f.parametresOblique[1];
        for (Tvecteur3* r : {&i, &j, &k}) {
            r->y += a * r->x;
            r->z += b * r->x;
        }
    }

    double* c = f.coefficientsProjection;
    c[0] = s * i.y;
    c[1] = s * j.y;
    c[2] = s * k.y;
    c[3] = -s * i.z;
    c[4] = -s * j.z;
    c[5] = -s * k.z;

    double px = 0, py = 0, pz = 0;
    produitVectoriel(px, py, pz, c[0], c[1], c[2], -c[3], -c[4], -c[5]);
    if (normaliseSiNonNul(px, py, pz)) {
        f.directionProjection[0] = px;
        f.directionProjection[1] = py;
        f.directionProjection[2] = pz;
    }

    // The isolated plane's constant follows the scale of the integer units.
    if (modePlanIsole(f)) f.planIsole[3] = f.distancePlanIsole * f.echelle;
}

} // namespace km32
