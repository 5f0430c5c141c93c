// Measures against closed-form values.
#include <gtest/gtest.h>

#include <cmath>

#include "model/parametres_expression.h"
#include "petite_figure.h"

using namespace km32;
using namespace km32::essais;

namespace {

TEST(Mesures, LengthsAreasAnglesInTheObjectsUnit) {
    PetiteFigure pf;
    TfigureKalmetra& f = pf.f;
    const int A = pf.point("A", 0, 0, 0), B = pf.point("B", 4, 0, 0), C = pf.point("C", 0, 3, 0);
    const int U = pf.ajoute(kNatureUniteDeLongueur, "U", {2.0});
    const struct {
        int code;
        int parents[3];
        bool degres;
        double attendu;
    } cas[] = {
        {47, {A, B, C}, false, 4.0 * 3 / 2 / 4}, // area of the right triangle, unit 2
        {48, {C, A, B}, false, 3.0 / 2},         // distance from C to (AB)
        {50, {B, A, C}, true, 90},               // angle BAC
        {50, {B, A, C}, false, 3.141592653589793 / 2},
        {49, {A, A, B}, false, 0}, // A on the line from A to B
        {49, {B, A, B}, false, 1}, // B: one step of AB, whatever the unit
        {49, {C, C, A}, false, 0},
    };
    for (const auto& c : cas) {
        const int n = pf.ajoute(kNatureNombreReel, "m", {0});
        TObjetFigure& o = f.objets[std::size_t(n)];
        o.codeConstruction = uint8_t(c.code);
        o.uniteLongueur = uint8_t(U);
        if (c.degres) o.drapeaux = kDrapeauAngleEnDegres;
        o.premierParent = uint16_t(f.parentsUtilises + 1);
        o.nombreParents = 3;
        for (int p : c.parents)
            f.parents[std::size_t(++f.parentsUtilises)] = uint8_t(p);
        calculeMesure(f, n);
        EXPECT_EQ(o.nonDefini, 0) << c.code;
        EXPECT_NEAR(valeurObjet(f, n, 1), c.attendu, 1e-12) << c.code;
    }
    // Two equal points: no angle.
    const int n = pf.ajoute(kNatureNombreReel, "m", {7});
    TObjetFigure& o = f.objets[std::size_t(n)];
    o.codeConstruction = 50;
    o.premierParent = uint16_t(f.parentsUtilises + 1);
    o.nombreParents = 3;
    for (int p : {B, A, A})
        f.parents[std::size_t(++f.parentsUtilises)] = uint8_t(p);
    calculeMesure(f, n);
    EXPECT_EQ(o.nonDefini, 1);
    EXPECT_EQ(o.raison, 434);
    EXPECT_EQ(valeurObjet(f, n, 1), 7);
}

} // namespace
