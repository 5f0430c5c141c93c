// Measures: numbers computed from their parents (lengths, areas, angles,
// abscissas, coordinates and components), in the object's unit of length.
#include <array>
#include <cmath>

#include "model/calcul/aides_construction.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/parametres_expression.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/polyedres.h"
#include "model/vecteurs.h"

namespace km32 {

namespace {

using Tv3 = std::array<double, 3>;

void rendNonDefini(TfigureKalmetra& f, int n, uint16_t raison) {
    objet(f, n).nonDefini = 1;
    objet(f, n).raison = raison;
}

Tv3 direction(const TfigureKalmetra& f, int i, int j) {
    Tv3 d{0, 0, 0};
    directionObjet(f, i, j, d[0], d[1], d[2]);
    return d;
}

int parentOuZero(const TfigureKalmetra& f, int n, int k) {
    return objet(f, n).nombreParents >= k ? parentObjet(f, n, k) : 0;
}

} // namespace

void calculeMesure(TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    const int code = o.codeConstruction;
    const double u = uniteDeLongueurObjet(f, n);
    const int p1 = parentOuZero(f, n, 1), p2 = parentOuZero(f, n, 2), p3 = parentOuZero(f, n, 3);
    const auto range = [&](int k, double x) { valeurObjet(f, n, k) = x; };
    switch (code) {
    case 46:
        range(1, valeurObjet(f, p1, 7) / u);
        break;
    case 47: {
        const Tv3 d1 = direction(f, p1, p2), d2 = direction(f, p1, p3);
        Tv3 c;
        produitVectoriel(c[0], c[1], c[2], d1[0], d1[1], d1[2], d2[0], d2[1], d2[2]);
        range(1, norme3(c[0], c[1], c[2]) / 2 / (u * u));
        break;
    }
    case 48: {
        Tv3 d = direction(f, p2, p3);
        if (!normaliseSiNonNul(d[0], d[1], d[2])) return rendNonDefini(f, n, 454);
        const Tv3 w = direction(f, p2, p1);
        range(1, distanceALaDroite(w[0], w[1], w[2], d[0], d[1], d[2]) / u);
        break;
    }
    case 49: {
        // The point p1 on the line (p2, p3) taken as a frame: p1 = point(p2) + t d,
        // the inverse of the point given by its abscissa on a line.
        const Tv3 d = direction(f, p2, p3);
        const Tv3 w{valeurObjet(f, p1, 1) - valeurObjet(f, p2, 1),
                    valeurObjet(f, p1, 2) - valeurObjet(f, p2, 2),
                    valeurObjet(f, p1, 3) - valeurObjet(f, p2, 3)};
        if (!vecteursColineaires(d[0], d[1], d[2], w[0], w[1], w[2])) return rendNonDefini(f, n, 448);
        for (int k = 0; k < 3; ++k)
            if (std::fabs(d[std::size_t(k)]) > 1e-10) return range(1, w[std::size_t(k)] / d[std::size_t(k)]);
        return rendNonDefini(f, n, 454);
    }
    case 50: {
        bool nul1 = false, nul2 = false;
        Tv3 d1, d2;
        directionUnitaire(f, p2, p1, nul1, d1[0], d1[1], d1[2]);
        directionUnitaire(f, p2, p3, nul2, d2[0], d2[1], d2[2]);
        if (nul1 || nul2) return rendNonDefini(f, n, 434);
        double angle = arcCosinus(produitScalaire(d1[0], d1[1], d1[2], d2[0], d2[1], d2[2]));
        if (angleEnDegres(o)) angle = angle * 180 / kPi;
        range(1, angle);
        break;
    }
    case 51:
    case 52:
    case 186: {
        // A vector's components do not depend on the frame's origin.
        valeurParametreObjet(f, n, 1, 2);
        if (objet(f, n).nonDefini) return;
        Tv3 v;
        if (!composantesDansRepere(f, p1, valeurObjet(f, n, 2), valeurObjet(f, n, 3), valeurObjet(f, n, 4),
                                   v[0], v[1], v[2]))
            return rendNonDefini(f, n, 441);
        range(1, v[code == 51 ? 0 : code == 52 ? 1 : 2]);
        break;
    }
    case 59:
        range(1, valeurObjet(f, p1, 1));
        break;
    case 60:
    case 167:
    case 168:
    case 185: {
        // The coordinates of the point p2 in the frame p1: the components of
        // the vector from the frame's origin to the point.
        Tv3 v;
        if (!coordonneesDansRepere(f, p1, valeurObjet(f, p2, 1), valeurObjet(f, p2, 2), valeurObjet(f, p2, 3),
                                   v[0], v[1], v[2]))
            return rendNonDefini(f, n, 441);
        if (code == 60) {
            range(4, v[0]);
            range(5, v[1]);
            range(6, v[2]);
        } else {
            range(1, v[code == 167 ? 0 : code == 168 ? 1 : 2]);
        }
        break;
    }
    case 164: {
        bool nul = false;
        double a = 0, b = 0, c = 0, d = 0;
        normalePlan(f, p2, p3, nul, d, a, b, c, parentOuZero(f, n, 4));
        if (nul) return rendNonDefini(f, n, 476);
        range(1, std::fabs(a * valeurObjet(f, p1, 1) + b * valeurObjet(f, p1, 2) + c * valeurObjet(f, p1, 3) +
                           d) /
                     u);
        break;
    }
    case 163:
        range(1, volumeSolide(f, p1) / (u * u * u));
        break;
    case 165:
        range(1, aireSolide(f, p1) / (u * u));
        break;
    case 208:
        range(1, perimetrePolygone(polyedreDe(donneesPolyedreObjet(f, p1))) / u);
        break;
    default:
        break; // codes 53 to 58 compute nothing
    }
}

} // namespace km32
