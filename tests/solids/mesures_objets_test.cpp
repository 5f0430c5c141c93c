// Measure objects of solids: volume, area and perimeter in the measure's unit of length.
#include "aides_solides.h"

#include "model/parametres_expression.h"
#include "model/solides/constructions_polyedres.h"

using namespace km32;
using namespace km32::essais;

namespace {

// A unit object whose length is l, and a measure of code `code` on solid s in that unit.
int mesure(FigureSolides& s, int solide, uint8_t code, double l) {
    const int u = s.ajoute(kNatureNombreReel, 59, "u", {l});
    const int m = s.ajoute(kNatureNombreReel, code, "m", {0.0}, {solide});
    s.f.objets[m].uniteLongueur = uint8_t(u);
    calculeMesure(s.f, m);
    return m;
}

TEST(MesuresObjets, VolumeAreaAndPerimeterScaleWithTheUnit) {
    // A 2 x 2 x 2 cube measured with a unit of length 2: volume 1, area 6.
    FigureSolides s;
    const int c = s.ajoute(kNaturePolyedreConvexe, 181, "C");
    TPolyedre& p = s.polyedre(c);
    remplit(p, cube(2));
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    enveloppeConvexe3D(p, nonDefini, raison);
    ASSERT_EQ(nonDefini, 0);
    EXPECT_NEAR(s.f.valeurs[s.f.objets[mesure(s, c, 163, 2)].premiereValeur], 1.0, 1e-12);
    EXPECT_NEAR(s.f.valeurs[s.f.objets[mesure(s, c, 165, 2)].premiereValeur], 6.0, 1e-12);

    // A 3 by 4 rectangle: perimeter 14, so 7 in a unit of 2.
    const int r = s.ajoute(kNaturePolygoneConvexe, 155, "R");
    TPolyedre& q = s.polyedre(r);
    remplit(q, {{0, 0, 0}, {3, 0, 0}, {3, 4, 0}, {0, 4, 0}});
    enveloppeConvexePlane(q, nonDefini, raison);
    ASSERT_EQ(nonDefini, 0);
    EXPECT_NEAR(s.f.valeurs[s.f.objets[mesure(s, r, 208, 2)].premiereValeur], 7.0, 1e-12);
}

} // namespace
