#pragma once
// Cylinders, cones and frustums in model space: filling the record from the
// object's construction, the inside test, the clipping of a segment to the
// solid, the area and the volume.
#include <cstdint>

#include "model/figure.h"
#include "model/solides/polyedres.h"

namespace km32 {

constexpr uint16_t kRaisonRayonNonPositif = 466;
constexpr uint16_t kRaisonHauteurNonPositive = 497;

// Fills the round-solid record of a cylinder (code 188), cone (197) or
// frustum (201), or marks the object undefined.
void calculeDonneesSolideRond(TfigureKalmetra& f, int objet);

bool pointDansSolideRondModele(const TDonneesSolideRond& s, double x, double y, double z);
// Replaces the end points by the ends of the part inside the solid; vide is
// false when a part remains, true when none (the points are then unchanged).
void coupeSegmentSolideRond(const TDonneesSolideRond& s, double& x1, double& y1, double& z1, double& x2,
                            double& y2, double& z2, bool& vide);

// Replaces the end points of the segment P1 P2 by the ends of its part
// inside the ball of centre C and radius r (a disc when the segment lies in
// a plane through C); vide as above.
void coupeSegmentABoule(const Tvecteur3& C, double r, double& x1, double& y1, double& z1, double& x2,
                        double& y2, double& z2, bool& vide);

// The whole surface (bases and lateral surface) and the volume.
double aireSolideRond(const TDonneesSolideRond& s);
double volumeSolideRond(const TDonneesSolideRond& s);

} // namespace km32
