#pragma once
// A computed figure with a fixed view: zoom 0.1 (box -50 .. 50, 10240
// integer units per unit), a 400 x 300 drawing seen along the model's x
// axis (screen x = model y, screen up = model z).
#include "../engine/banc_calcul.h"
#include "drawing/bloc_dessin.h"
#include "drawing/donnees_dessin.h"
#include "drawing/element_solide.h"

namespace km32::essais {

class BancDessin : public BancCalcul {
  protected:
    BancDessin() {
        f.uniteSurPetiteDimension = 0.1;
        f.borneSuperieure = 50;
        f.borneInferieure = -50;
        f.echelle = 512000.0 / 50;
        f.pasHachures = 0.035 / 0.1;
        f.largeurImage = f.largeurZoneDessin = 400;
        f.hauteurImage = f.hauteurZoneDessin = 300;
        f.centreEcranX = 200;
        f.centreEcranY = 150;
        const double s = 300 * 0.1 / f.echelle; // pixels per integer unit
        const double c[6] = {0, s, 0, 0, 0, -s};
        std::copy(std::begin(c), std::end(c), f.coefficientsProjection);
        f.filDeFer = 1; // no hidden parts unless a test asks for them
    }
    const TElementSolide* donnees(int n) const { return elementSolide(f, n); }
    TpointEntier entier(P3 p) const {
        return {coordonneeEntiere(f, p.x), coordonneeEntiere(f, p.y), coordonneeEntiere(f, p.z)};
    }
    int segment(P3 a, P3 b) { return ajoute(construction::kSegment, {}, {a.x, a.y, a.z, b.x, b.y, b.z}); }
    int droiteDirigee(P3 p, P3 d) {
        return ajoute(construction::kDroite, {}, {p.x, p.y, p.z, d.x, d.y, d.z});
    }
};

} // namespace km32::essais
