// Planes, frames, numbers, displays, commands and solids computed by code.
#include <cmath>
#include <vector>

#include "../engine/banc_calcul.h"

namespace km32::essais {
namespace {

namespace c = construction;

class ObjetsGeneraux : public BancCalcul {
  protected:
    // The plane's equation A x + B y + C z + D = 0 holds at p.
    void surLePlan(int plan, P3 p) {
        EXPECT_NEAR(valeurObjet(f, plan, 1) * p.x + valeurObjet(f, plan, 2) * p.y +
                        valeurObjet(f, plan, 3) * p.z + valeurObjet(f, plan, 4),
                    0, 1e-9);
    }
};

TEST_F(ObjetsGeneraux, PlanesPassThroughTheirPoints) {
    const int A = point(1, 0, 0), B = point(3, 2, 0), C = point(0, 1, 4), D = point(1, 1, 1);
    const int mediateur = calcule(c::kPlanMediateur, {A, B});
    surLePlan(mediateur, {2, 1, 0});
    EXPECT_NEAR(valeurObjet(f, mediateur, 1), std::sqrt(0.5), 1e-12);

    const int parDroites = calcule(c::kPlanDeuxDroites, {A, B, A, C});
    for (P3 p : {P3{1, 0, 0}, P3{3, 2, 0}, P3{0, 1, 4}})
        surLePlan(parDroites, p);
    // Two parallel distinct lines: the plane through both.
    const int B2 = point(2, 1, 4);
    const int paralleles = calcule(c::kPlanDeuxDroites, {A, B, C, B2});
    for (P3 p : {P3{1, 0, 0}, P3{3, 2, 0}, P3{0, 1, 4}, P3{2, 3, 4}})
        surLePlan(paralleles, p);

    const int perpendiculaire = calcule(c::kPlanPerpendiculaireDroite, {D, A, B});
    surLePlan(perpendiculaire, {1, 1, 1});
    surLePlan(perpendiculaire, {2, 0, 1});
}

TEST_F(ObjetsGeneraux, PlaneByEquationInAFrame) {
    // Frame with origin (1, 1, 1) and axes 2i, j, k: X = 1 in it is x = 3.
    const int O = point(1, 1, 1);
    const int R = calcule(c::kRepere, {O}, {0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1});
    ASSERT_TRUE(defini(R));
    // X - 1 at (1,0,0), (0,1,0), (0,0,1) and (0,0,0).
    const int P = calcule(c::kPlanEquation, {R}, {0, 0, 0, 0, 0, -1, -1, -1});
    ASSERT_TRUE(defini(P));
    surLePlan(P, {3, 0, 0});
    surLePlan(P, {3, -5, 7});
    EXPECT_NEAR(std::fabs(valeurObjet(f, P, 1)), 1, 1e-12);
}

TEST_F(ObjetsGeneraux, FreeIntegerIsRoundedIntoItsInterval) {
    const struct {
        double a, b, position, valeur, positionApres;
    } cas[] = {{2, 5, 0.4, 3, 1.0 / 3}, {5, 2, 0.5, 4, 1.0 / 3}, {3, 3, 0.7, 3, 0.7}, {0, 10, 1, 10, 1}};
    for (const auto& k : cas) {
        const int n = calcule(c::kEntierLibreIntervalle, {}, {0, k.a, k.b, k.position, 1});
        ASSERT_TRUE(defini(n));
        EXPECT_EQ(valeurObjet(f, n, 1), k.valeur);
        EXPECT_NEAR(valeurObjet(f, n, 4), k.positionApres, 1e-12);
    }
    EXPECT_EQ(raison(calcule(c::kEntierLibreIntervalle, {}, {0, -2e9, 1, 0.5, 1})), 465);
    EXPECT_EQ(raison(calcule(c::kEntierLibreIntervalle, {}, {0, 0, 1e6, 0.5, 1})), 468);
}

TEST_F(ObjetsGeneraux, DecimalsOfADisplayAreClamped) {
    const struct { double donnees, attendues; } cas[] = {{-3, 0}, {9, 6}, {2.4, 2}, {3.6, 4}};
    const int x = ajoute(c::kReelLibre, {}, {1, 1});
    for (const auto& k : cas)
        EXPECT_EQ(valeurObjet(f, calcule(c::kAffichageScalaire, {x}, {0, 0, k.donnees}), 3), k.attendues);
    // The length display divides by the unit of length.
    const int A = point(0, 0, 0), B = point(3, 4, 0);
    const int longueur = calcule(c::kAffichageLongueur, {A, B}, {0, 0, 2, 0});
    EXPECT_EQ(valeurObjet(f, longueur, 4), 5);
}

TEST_F(ObjetsGeneraux, FramesUnitsAndVectors) {
    const int O = point(1, 2, 3);
    EXPECT_EQ(raison(calcule(c::kRepere, {O}, {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0})), 475);
    const int u = calcule(c::kUniteDeLongueur, {}, {0, 3, 4, 0});
    EXPECT_EQ(valeurObjet(f, u, 1), 5);
    EXPECT_EQ(raison(calcule(c::kUniteDeLongueur, {}, {0, 0, 0, 0})), 467);
    const int R = calcule(c::kRepere, {O}, {0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 1, 1});
    const int v = calcule(c::kVecteurCoordonnees, {R}, {0, 0, 0, 1, 2, 3});
    attendPoint(pt(v), {2, 5, 3});
}

TEST_F(ObjetsGeneraux, KeyCommandsCheckTheirValues) {
    const int rot = calcule(c::kToucheRotationRelative, {}, {0, 0, 2, 0, 180});
    f.objets[std::size_t(rot)].drapeaux |= kDrapeauAngleEnDegres;
    calculeObjet(f, rot);
    attendPoint(pt(rot), {0, 0, 1});
    EXPECT_NEAR(valeurObjet(f, rot, 4), std::acos(-1.0), 1e-12);
    const struct {
        uint8_t code;
        std::vector<double> valeurs;
        uint16_t raison;
    } cas[] = {
        {c::kToucheRotationRelative, {0, 0, 0, 0, 1}, 478},
        {c::kToucheRotationAbsolue, {0, 0, 0, 0, 0, 0, 0, 1}, 478},
        {c::kToucheProjectionOblique, {2.5, 0}, 468},
        {c::kToucheProjectionOblique, {-2, 2}, 0},
        {c::kToucheRepeter, {0.5}, 468},
        {c::kToucheRepeter, {12}, 0},
        {c::kToucheTableau, {0, 1, 501}, 468},
        {c::kToucheTableau, {0, 1, 10}, 0},
    };
    for (const auto& k : cas)
        EXPECT_EQ(raison(calcule(k.code, {}, k.valeurs)), k.raison) << int(k.code);
}

TEST_F(ObjetsGeneraux, SpheresAndPrismsCheckTheirSizes) {
    const int O = point(0, 0, 0);
    const int s = calcule(c::kSphere, {O}, {0, 0, 0, 0, 0});
    EXPECT_EQ(raison(s), 466);
    const int A = point(0, 0, 1), B = point(1, 0, 0);
    EXPECT_EQ(raison(calcule(c::kPrismeRegulier, {O, A, B}, {0, 4})), 497);
    // A cap is never computed; it says so.
    EXPECT_EQ(raison(calcule(c::kCalotte, {O, A, sphere({0, 0, 0}, 1), 0, 0})), 432);
}

} // namespace
} // namespace km32::essais
