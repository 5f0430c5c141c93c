// Construction helpers: rotations and transformations, frames, coincidence
// of segments, and the equation of a plane with its text.
#include <gtest/gtest.h>

#include <numbers>
#include <random>
#include <string>

#include "banc_calcul.h"
#include "model/calcul/aides_construction.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

class Aides : public BancCalcul {
  protected:
    P3 image(int t, P3 p) {
        P3 r;
        imageParTransformation(f, t, p.x, p.y, p.z, r.x, r.y, r.z);
        return r;
    }
};

TEST_F(Aides, RotationAboutAnAxisByAnAngle) {
    // About the vertical line through (1, 1, 0), a quarter turn given in degrees.
    const int P = point(1, 1, 0), Q = point(1, 1, 1);
    const int R = ajoute(c::kRotationAngle, {P, Q});
    changeDrapeauObjet(f.objets[R], kDrapeauAngleEnDegres, true);
    calculeRotationAxeAngle(f, R, 0, 0, 1, 90);
    attendPoint(image(R, {2, 1, 5}), {1, 2, 5});
    attendPoint(image(R, {1, 1, 7}), {1, 1, 7}); // the axis is fixed
    P3 v;
    imageVecteurParTransformation(f, R, 1, 0, 0, v.x, v.y, v.z);
    attendPoint(v, {0, 1, 0});
    // About a slanted axis through the origin: a third of a turn about (1, 1, 1)
    // permutes the coordinate axes.
    const double u = 1 / std::sqrt(3.0);
    const int R2 = ajoute(c::kRotationAngle, {7, 0});
    calculeRotationAxeAngle(f, R2, u, u, u, 2 * std::numbers::pi / 3);
    attendPoint(image(R2, {1, 0, 0}), {0, 1, 0});
    attendPoint(image(R2, {0, 0, 3}), {3, 0, 0});
}

TEST_F(Aides, RotationGivenByAnAxisAndTwoPoints) {
    const int P = point(0, 0, 0), Q = point(0, 0, 2);
    struct Cas {
        P3 a, b;
        uint16_t raison;
        double angle;
    } cas[] = {
        {{1, 0, 3}, {1, 0, 3}, 0, 0},
        {{1, 0, 3}, {-1, 0, 3}, 0, std::numbers::pi}, // through the axis
        {{1, 0, 3}, {0, 1, 3}, 0, std::numbers::pi / 2},
        {{1, 0, 3}, {0, -1, 3}, 0, 3 * std::numbers::pi / 2},
        {{0, 0, 3}, {0, 1, 3}, 487, 0}, // the point is on the axis
        {{1, 0, 3}, {0, 2, 3}, 489, 0}, // not at the same distance
        {{1, 0, 3}, {0, 1, 4}, 490, 0}, // not in the same perpendicular plane
    };
    for (const Cas& k : cas) {
        const int A = point(k.a.x, k.a.y, k.a.z), B = point(k.b.x, k.b.y, k.b.z);
        const int R = ajoute(c::kRotationPoints, {P, Q, A, B});
        calculeRotationAxeDeuxPoints(f, R);
        EXPECT_EQ(raison(R), k.raison) << k.b.x << " " << k.b.y << " " << k.b.z;
        if (k.raison != 0) continue;
        EXPECT_NEAR(valeurObjet(f, R, 11), k.angle, 1e-12);
        attendPoint(pt(R), {0, 0, 3}); // the foot of A
        EXPECT_NEAR(valeurObjet(f, R, 7), 1, 1e-12);
        // Read as an arc, the swept angle leads from A to B.
        const int M = ajoute(c::kPointLibreSurArc, {R}, {0, 0, 0, 1});
        calculeObjet(f, M);
        attendPoint(pt(M), k.b);
    }
    const int R = ajoute(c::kRotationPoints, {P, P, point(1, 0, 0), point(0, 1, 0)});
    calculeRotationAxeDeuxPoints(f, R);
    EXPECT_EQ(raison(R), 454);
}

// The swept angle when the second point is the first, or turned from it by a
// small angle either way, on random slanted axes and points: B = A sweeps
// nothing (not a whole turn out of a sine of rounding noise), B a little
// ahead sweeps that little, B a little behind all but a whole turn. B is
// turned about the axis here with Rodrigues' formula, apart from the routine.
TEST_F(Aides, RotationByTwoPointsWithBAtOrNearA) {
    std::mt19937 hasard(4512);
    std::uniform_real_distribution<double> coordonnee(-9, 9);
    auto auHasard = [&] { return P3{coordonnee(hasard), coordonnee(hasard), coordonnee(hasard)}; };
    const int P = point(0, 0, 0), Q = point(1, 2, 3), A = point(5, -1, 2), B = point(5, -1, 2);
    const int R = ajoute(c::kArcDeCercle, {P, Q, A, B});
    auto place = [&](int i, P3 p) {
        valeurObjet(f, i, 1) = p.x, valeurObjet(f, i, 2) = p.y, valeurObjet(f, i, 3) = p.z;
    };
    auto moins = [](P3 a, P3 b) { return P3{a.x - b.x, a.y - b.y, a.z - b.z}; };
    auto scal = [](P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    auto vect = [](P3 a, P3 b) {
        return P3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    };
    const double deuxPi = 2 * std::numbers::pi;
    int cas = 0;
    // The axis (OU), U = (1, 2, 3), and A = (5, -1, 2) first, then random ones.
    for (int essai = 0; essai < 300; ++essai) {
        const P3 p0 = essai == 0 ? P3{0, 0, 0} : auHasard(), p1 = essai == 0 ? P3{1, 2, 3} : auHasard(),
                 a = essai == 0 ? P3{5, -1, 2} : auHasard();
        P3 u = moins(p1, p0);
        const double lu = std::sqrt(scal(u, u));
        if (lu < 0.5) continue;
        u = {u.x / lu, u.y / lu, u.z / lu};
        const P3 w = moins(a, p0);
        const double t = scal(w, u);
        const P3 h{p0.x + t * u.x, p0.y + t * u.y, p0.z + t * u.z};
        const P3 ha = moins(a, h);
        if (std::sqrt(scal(ha, ha)) < 0.5) continue; // too near the axis to matter here
        const P3 v = vect(u, ha);
        auto tourne = [&](double angle) {
            const double co = std::cos(angle), si = std::sin(angle);
            return P3{h.x + co * ha.x + si * v.x, h.y + co * ha.y + si * v.y, h.z + co * ha.z + si * v.z};
        };
        place(P, p0);
        place(Q, p1);
        place(A, a);
        const struct {
            double tour;   // B is A turned by this
            double balaye; // the angle the arc sweeps
            double marge;
        } positions[] = {
            {0, 0, 0},
            {1e-3, 1e-3, 1e-9},
            {-1e-3, deuxPi - 1e-3, 1e-9},
            {1e-4, 1e-4, 1e-9},
            {-1e-4, deuxPi - 1e-4, 1e-9},
            // Within the arc cosine's 1e-10 on the cosine B is at A, on
            // either side.
            {1e-6, 0, 0},
            {-1e-6, 0, 0},
        };
        for (const auto& k : positions) {
            place(B, k.tour == 0 ? a : tourne(k.tour));
            calculeRotationAxeDeuxPoints(f, R);
            ASSERT_EQ(raison(R), 0) << essai;
            EXPECT_NEAR(valeurObjet(f, R, 11), k.balaye, k.marge)
                << "essai " << essai << ", B turned by " << k.tour;
        }
        ++cas;
    }
    EXPECT_GT(cas, 200);
}

TEST_F(Aides, ComponentsInAFrame) {
    // An oblique frame: components and back give the vector again.
    const int R = ajoute(c::kRepere, {}, {1, 2, 3, 1, 1, 0, 0, 2, 1, 1, 0, 3});
    P3 comp, v, p;
    composantesDansRepere(f, R, 3, 7, 11, comp.x, comp.y, comp.z);
    vecteurDeComposantesDansRepere(f, R, comp.x, comp.y, comp.z, v.x, v.y, v.z);
    attendPoint(v, {3, 7, 11});
    // i + 2j + 3k = (1 + 3, 1 + 4, 2 + 9).
    composantesDansRepere(f, R, 4, 5, 11, comp.x, comp.y, comp.z);
    attendPoint(comp, {1, 2, 3});
    pointDeCoordonneesDansRepere(f, R, 1, 2, 3, p.x, p.y, p.z);
    attendPoint(p, {5, 7, 14});
    // A frame with axes along the coordinate axes divides component by component.
    const int D = ajoute(c::kRepere, {}, {0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, -1});
    composantesDansRepere(f, D, 1, 1, 1, comp.x, comp.y, comp.z);
    attendPoint(comp, {0.5, 0.25, -1});
    const int V = ajoute(c::kVecteurEgal, {}, {4, 5, 11});
    composantesVecteurObjetDansRepere(f, V, R, comp.x, comp.y, comp.z);
    attendPoint(comp, {1, 2, 3});
}

TEST_F(Aides, CoincidentPointsAndSegments) {
    const int A = point(0, 0, 0), B = point(1, 2, 3), A2 = point(0, 0, 5e-7), C = point(1, 2, 4);
    EXPECT_TRUE(pointsConfondus(f, A, A2));
    EXPECT_FALSE(pointsConfondus(f, A, B));
    EXPECT_TRUE(segmentsConfondus(f, A, B, B, A, 1e-6));  // crossed order
    EXPECT_TRUE(segmentsConfondus(f, A, B, A2, B, 1e-6)); // same order
    EXPECT_FALSE(segmentsConfondus(f, A, B, A, C, 1e-6)); // one end only
    EXPECT_FALSE(segmentsConfondus(f, A, B, C, A, 1e-6));
    bool nul = false;
    EXPECT_NEAR(distancePointDroite(f, B, A, point(5, 0, 0), nul), std::sqrt(13.0), 1e-12);
    EXPECT_FALSE(nul);
    EXPECT_EQ(distancePointDroite(f, B, A, A, nul), 0);
    EXPECT_TRUE(nul);
}

class EquationPlan : public BancCalcul {
  protected:
    // The equation of plane `plan` in `repere`, shown with `decimales`.
    int equation(int repere, int plan, int decimales = 0) {
        const int n = ajoute(c::kAffichageEquationPlan, {repere, plan, 0, 0}, {0, 0, double(decimales)});
        calculeEquationPlan(f, n);
        return n;
    }
    std::string texte(int n) {
        std::string t;
        texteEquationPlan(f, n, t);
        return t;
    }
};

TEST_F(EquationPlan, SmallIntegerCoefficientsAndTheirText) {
    struct Cas {
        double a, b, c, d; // a x + b y + c z + d = 0 in the absolute frame
        double ea, eb, ec, ed;
        const char* texte;
    } cas[] = {
        {2, 4, 6, -2, 1, 2, 3, 1, " X +2Y +3Z = 1"},
        {0, 1, 0, -3, 0, 1, 0, 3, " Y = 3"},
        {-1, 0, 0, -1, 1, 0, 0, -1, " X = -1"},          // -x = 1
        {2, 3, 0, -6, 2, 3, 0, 6, " 2X +3Y = 6"},        // a zero: the ratio of the other two
        {2, 3, 4, -12, 2, 3, 4, 12, " 2X +3Y +4Z = 12"}, // divisor 2, multiplier 2
        {0, 0, -2, 4, 0, 0, 1, 2, " Z = 2"},
        {1, -1, 0, 0, 1, -1, 0, 0, " X -Y = 0"},
    };
    for (const Cas& k : cas) {
        const int n = equation(1, plan(k.a, k.b, k.c, k.d));
        ASSERT_TRUE(defini(n));
        EXPECT_NEAR(valeurObjet(f, n, 4), k.ea, 1e-9) << k.texte;
        EXPECT_NEAR(valeurObjet(f, n, 5), k.eb, 1e-9) << k.texte;
        EXPECT_NEAR(valeurObjet(f, n, 6), k.ec, 1e-9) << k.texte;
        EXPECT_NEAR(valeurObjet(f, n, 7), k.ed, 1e-9) << k.texte;
        EXPECT_EQ(texte(n), k.texte);
    }
}

TEST_F(EquationPlan, CoefficientsThatAreNotSmallFractionsStayUnit) {
    // x + sqrt(2) y = 0 has no small integer form: the unit normal stays.
    const int n = equation(1, plan(1, std::sqrt(2.0), 0, 0), 3);
    EXPECT_NEAR(valeurObjet(f, n, 4), 1 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(valeurObjet(f, n, 5), std::sqrt(2.0 / 3.0), 1e-12);
    EXPECT_EQ(texte(n), " 0.577X +0.816Y = 0");
}

TEST_F(EquationPlan, InAnotherFrame) {
    // Frame of origin (1, 0, 0) with i = (2, 0, 0): the plane x = 3 is X = 1.
    const int R = ajoute(c::kRepere, {}, {1, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1});
    const int n = equation(R, plan(1, 0, 0, -3));
    EXPECT_EQ(texte(n), " X = 1");
    // The plane through three points given as the plane operand.
    const int A = point(3, 0, 0), B = point(3, 1, 0), C = point(3, 0, 1);
    const int m = ajoute(c::kAffichageEquationPlan, {R, A, B, C}, {0, 0, 0});
    calculeEquationPlan(f, m);
    EXPECT_EQ(texte(m), " X = 1");
    const int z = ajoute(c::kAffichageEquationPlan, {1, A, B, point(3, 2, 0)}, {0, 0, 0});
    calculeEquationPlan(f, z);
    EXPECT_EQ(raison(z), 476);
}

TEST_F(EquationPlan, TextOfGivenCoefficients) {
    // The text reads the stored values as they are.
    const int n = ajoute(c::kAffichageEquationPlan, {1, 11, 0, 0}, {0, 0, 0, 1, -2, 0, 3});
    EXPECT_EQ(texte(n), " X -2Y = 3");
    valeurObjet(f, n, 5) = 0;
    valeurObjet(f, n, 6) = -1;
    EXPECT_EQ(texte(n), " X -Z = 3");
}

} // namespace
