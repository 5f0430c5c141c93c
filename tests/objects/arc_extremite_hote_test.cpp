// An arc whose endpoint is its origin, or lies just before or after it, made
// from a figure text through the exported functions: a free point half-way
// along the arc lies at the chord of half the swept angle from the origin,
// 2 r sin(angle / 4), with r the origin's distance to the axis computed here.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

#include "../properties/banc_proprietes.h"

namespace km32::essais {
namespace {

class ArcExtremite : public BancProprietes {};

struct V {
    double x, y, z;
};
V moins(V a, V b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double scal(V a, V b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V vect(V a, V b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
std::string point(const char* nom, V p) {
    std::ostringstream s;
    s << nom << " point de coordonnées (" << p.x << "," << p.y << "," << p.z << ") dans le repère Rxyz\n";
    return s.str();
}

// The axis (PU) with U = (1, 2, 3) and A = (5, -1, 2), then random integer
// axes and points; the endpoint D is A turned by 0 and by half a degree
// either way.
TEST_F(ArcExtremite, AHalfWayPointLiesAtTheChordOfHalfTheSweptAngle) {
    std::mt19937 hasard(4502);
    std::uniform_int_distribution<int> entier(-9, 9);
    auto auHasard = [&] { return V{double(entier(hasard)), double(entier(hasard)), double(entier(hasard))}; };
    const double pi = std::numbers::pi;
    int figures = 0;
    for (int essai = 0; essai < 30; ++essai) {
        const V p = essai == 0 ? V{0, 0, 0} : auHasard(), u = essai == 0 ? V{1, 2, 3} : auHasard(),
                a = essai == 0 ? V{5, -1, 2} : auHasard();
        const V axe = moins(u, p);
        if (scal(axe, axe) < 1) continue;
        // Distance from A to the axis: |PA x PU| / |PU|.
        const V c = vect(moins(a, p), axe);
        const double r = std::sqrt(scal(c, c) / scal(axe, axe));
        if (r < 0.5) continue;
        for (const double degres : {0.0, 0.5, -0.5}) {
            const double balaye = degres >= 0 ? degres * pi / 180 : 2 * pi + degres * pi / 180;
            std::ostringstream texte;
            texte << "Figure Kalmetra\n" << point("P", p) << point("U", u) << point("A", a);
            if (degres != 0)
                texte << "D image de A par la rotation d'axe (PU) et d'angle " << degres << " (degré)\n";
            texte << "K arc de cercle d'axe (PU), d'origine A et d'extrémité " << (degres != 0 ? "D" : "A")
                  << "\n"
                  << "E point libre sur l'arc K\n"
                  << "Objet libre E, paramètre: 0.5\n"
                  << "d = AE\n"
                  << "Fin de la figure";
            const int16_t n = figure(texte.str());
            ASSERT_NE(n, 0) << texte.str();
            EXPECT_NEAR(KMValeurScalaireDouble(n, "d"), 2 * r * std::sin(balaye / 4), 1e-6)
                << "essai " << essai << ", D turned by " << degres << " degrees\n"
                << texte.str();
            KMDetruitFigure(n);
            ++figures;
        }
    }
    EXPECT_GT(figures, 60);
}

} // namespace
} // namespace km32::essais
