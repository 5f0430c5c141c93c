#pragma once
// View data of the solid records: what each record keeps of the current view
// (viewing direction and scale) so that the hidden-part queries can test
// points and segments in integer model units. Written by the view
// preparation of each record kind, read by the point and segment queries.
#include <array>
#include <cstdint>

#include "model/vecteurs.h"

namespace km32 {

constexpr int kMaxPlansCachantsPatron = 320;

// A plane n.p + c in integer model units; the inner side is where it is <= 0.
struct TPlanVue {
    Tvecteur3 n;
    double c = 0;
};

struct TVueSphere {
    Tvecteur3 d;            // unit viewing direction
    double cd = 0;          // -(d.C) s: the plane through the centre across the view
    double rayon2 = 0;      // (r s)^2
    Tvecteur3 centre;       // C s
    double R1 = 0, R12 = 0; // r s - 1 and its square
    Tvecteur3 u, w;         // across the view
    double cu = 0, cw = 0;
};

// The circle's visible flag (not seen edge-on) is the record's own.
struct TVueCercle {
    Tvecteur3 n;       // normal turned to the viewer
    double c = 0;      // its constant, in integer model units
    Tvecteur3 m;       // d / (n.d): a step along the line of sight that changes n.p by one
    double rayon2 = 0; // (r s)^2
    Tvecteur3 centre;  // C s
};

struct TVuePatron {
    std::array<uint8_t, 81> deChamp{};    // face seen edge-on
    std::array<uint16_t, 81> plansFace{}; // planes of the face's group (open net)
    std::array<uint16_t, 81> premierPlan{};
    uint16_t nombrePlans = 0;
    std::array<TPlanVue, kMaxPlansCachantsPatron + 1> plans{};
};

// View data of a cylinder, cone or frustum, in integer model units (model
// coordinates times the scale).
struct TVueSolideRond {
    double Rp = 0, rp = 0, Rp2 = 0, rp2 = 0;      // R', r' and their squares
    double Rm = 0, rm = 0, Rm2 = 0, rm2 = 0;      // R' - 1, r' - 1 and their squares
    double Hp = 0, h1p = 0, Hm = 0, h1m = 0;      // H', h1', H' - 1, h1' - 1
    double cosinus = 0, sinus = 0;                // of the axis with the viewing direction
    uint8_t versObservateur = 0;                  // the large base is turned to the viewer
    uint8_t selonVue = 0;                         // seen along its axis
    uint8_t traversVue = 0;                       // axis across the view
    uint8_t sansContour = 0;                      // apex seen inside the base circle
    Tvecteur3 aPrime;                             // d / (a.d): changes s by one unit
    Tvecteur3 axe;                                // the axis, turned towards the viewer
    TPlanVue E, Q, F1, F2, S, W, V;               // contour, axial, generators, base, second across, back
    double qBas = 0, qHaut = 0;                   // bounds lo and hi of q
    Tvecteur3 tangenteBase[2], tangentePetite[2]; // contour tangent points (model units)
    Tvecteur3 baseVue, autreCentreVue;            // B' and B2'
    double seuil1 = 0, seuil2 = 0;                // q at the tangent points of the base and the small base
};

} // namespace km32
