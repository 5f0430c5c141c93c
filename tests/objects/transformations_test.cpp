// Transformations against closed forms: each map is applied to a few points
// and compared with the image computed directly from its geometric meaning.
#include <cmath>
#include <functional>
#include <numbers>

#include "../engine/banc_calcul.h"
#include "model/calcul/aides_construction.h"

namespace km32::essais {
namespace {

namespace c = construction;

P3 operator+(P3 a, P3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
P3 operator-(P3 a, P3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
P3 operator*(double k, P3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
double dot(P3 a, P3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 cross(P3 a, P3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
P3 unit(P3 a) {
    return (1 / std::sqrt(dot(a, a))) * a;
}

const P3 kEssais[] = {{0, 0, 0}, {1, 2, 3}, {-2.5, 0.5, 4}, {7, -3, -1}};

class Transformations : public BancCalcul {
  protected:
    P3 image(int t, P3 p) {
        P3 r;
        imageParTransformation(f, t, p.x, p.y, p.z, r.x, r.y, r.z);
        return r;
    }
    void verifie(int t, const std::function<P3(P3)>& attendu) {
        calculeObjet(f, t);
        ASSERT_TRUE(defini(t)) << raison(t);
        for (P3 p : kEssais)
            attendPoint(image(t, p), attendu(p), 1e-9);
    }
};

TEST_F(Transformations, TranslationsAndSymmetriesMatchTheirClosedForms) {
    const P3 a{1, -2, 0.5}, b{3, 1, -1}, centre{2, 2, -1};
    const int A = point(a.x, a.y, a.z), B = point(b.x, b.y, b.z), C = point(centre.x, centre.y, centre.z);

    const int parVecteur = ajoute(c::kTranslation, {}, {4, -1, 2});
    verifie(parVecteur, [](P3 p) { return p + P3{4, -1, 2}; });
    verifie(ajoute(c::kTranslationTransformant, {A, B}), [&](P3 p) { return p + (b - a); });
    verifie(ajoute(c::kSymetrieCentrale, {C}), [&](P3 p) { return 2 * centre - p; });

    // Half-turn about the line AB: twice the foot on the axis minus the point.
    const P3 u = unit(b - a);
    verifie(ajoute(c::kSymetrieAxiale, {A, B}), [&](P3 p) { return 2 * (a + dot(p - a, u) * u) - p; });

    // Reflection in the plane through A, B, C.
    const P3 n = unit(cross(b - a, centre - a));
    verifie(ajoute(c::kSymetriePlan, {A, B, C}), [&](P3 p) { return p - 2 * dot(p - a, n) * n; });
}

TEST_F(Transformations, HalfTurnAboutZAndReflectionInZEqualsOne) {
    const int O = point(0, 0, 0), K = point(0, 0, 5);
    const int demiTour = ajoute(c::kSymetrieAxiale, {O, K});
    calculeObjet(f, demiTour);
    const double attendu[12] = {0, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    for (int k = 1; k <= 12; ++k)
        EXPECT_NEAR(valeurObjet(f, demiTour, k), attendu[k - 1], 1e-12) << k;

    const int miroir = ajoute(c::kSymetriePlan, {plan(0, 0, 1, -1)});
    calculeObjet(f, miroir);
    attendPoint(image(miroir, {0, 0, 0}), {0, 0, 2});
}

TEST_F(Transformations, Homotheties) {
    const P3 centre{1, 1, 1};
    const int C = point(1, 1, 1);
    verifie(ajoute(c::kHomothetieRapport, {C}, {0, -1.5}),
            [&](P3 p) { return centre + -1.5 * (p - centre); });
    // B = C + (1, 2, -2), image C + (-3, -6, 6): ratio -3.
    const int B = point(2, 3, -1), Bi = point(-2, -5, 7);
    verifie(ajoute(c::kHomothetieTransformant, {C, B, Bi}),
            [&](P3 p) { return centre + -3.0 * (p - centre); });
}

TEST_F(Transformations, RotationAboutAnAxisFollowsRodrigues) {
    const P3 a{1, 0, 2}, b{2, 3, 1};
    const int A = point(a.x, a.y, a.z), B = point(b.x, b.y, b.z);
    const P3 u = unit(b - a);
    for (double theta : {0.0, 0.7, -2.1, std::numbers::pi}) {
        const int r = ajoute(c::kRotationAngle, {A, B}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, theta});
        verifie(r, [&](P3 p) {
            const P3 v = p - a;
            return a + std::cos(theta) * v + std::sin(theta) * cross(u, v) +
                   (dot(u, v) * (1 - std::cos(theta))) * u;
        });
    }
    // In degrees: a quarter turn about z maps (1, 0, 0) to (0, 1, 0).
    const int O = point(0, 0, 0), Z = point(0, 0, 1);
    const int r = ajoute(c::kRotationAngle, {O, Z}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 90});
    f.objets[std::size_t(r)].drapeaux |= kDrapeauAngleEnDegres;
    calculeObjet(f, r);
    attendPoint(image(r, {1, 0, 0}), {0, 1, 0}, 1e-12);
}

TEST_F(Transformations, RotationByTwoPointsMapsTheFirstOntoTheSecond) {
    const int A = point(0, 0, 0), B = point(0, 0, 1);
    // P and Q at the same distance from the axis z and at the same height.
    const struct {
        P3 p, q;
    } cas[] = {
        {{2, 0, 0}, {0, 2, 0}}, {{2, 0, 0}, {-2, 0, 0}}, {{1, 1, 0}, {1, -1, 0}}, {{2, 0, 5}, {0, -2, 5}}};
    for (const auto& k : cas) {
        const int P = point(k.p.x, k.p.y, k.p.z), Q = point(k.q.x, k.q.y, k.q.z);
        const int r = ajoute(c::kRotationPoints, {A, B, P, Q});
        f.objets[std::size_t(r)].drapeaux |= kDrapeauAngleEnDegres; // ignored: the angle is in radians
        calculeObjet(f, r);
        ASSERT_TRUE(defini(r));
        attendPoint(image(r, k.p), k.q, 1e-9);
    }
}

TEST_F(Transformations, CompositionAppliesTheFirstThenTheSecond) {
    const int A = point(1, 0, 0), B = point(1, 2, 3), C = point(0, 1, -1);
    const int t1 = ajoute(c::kRotationAngle, {A, B}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.9});
    const int t2 = ajoute(c::kHomothetieRapport, {C}, {0, 2.5});
    calculeObjet(f, t1);
    calculeObjet(f, t2);
    verifie(ajoute(c::kComposee, {t1, t2}), [&](P3 p) { return image(t2, image(t1, p)); });
    // With the identity on either side the other map's values are unchanged.
    const int id = ajoute(c::kTranslation, {}, {0, 0, 0});
    calculeObjet(f, id);
    for (const auto& [x, y] : {std::pair{t1, id}, std::pair{id, t1}}) {
        const int t = ajoute(c::kComposee, {x, y});
        calculeObjet(f, t);
        for (int k = 1; k <= 12; ++k)
            EXPECT_NEAR(valeurObjet(f, t, k), valeurObjet(f, t1, k), 1e-12);
    }
}

TEST_F(Transformations, UndefinedCasesGiveTheirReasons) {
    const int A = point(0, 0, 0), A2 = point(0, 0, 0), B = point(1, 0, 0), C = point(0, 1, 0),
              D = point(2, 0, 0);
    const CasRaison cas[] = {
        {c::kHomothetieRapport, {A}, {0, 1e-7}, 439},     {c::kHomothetieTransformant, {A, A2, B}, {}, 473},
        {c::kHomothetieTransformant, {A, B, C}, {}, 436}, {c::kSymetrieAxiale, {A, A2}, {}, 454},
        {c::kSymetriePlan, {A, B, D}, {}, 476},           {c::kRotationAngle, {A, A2}, {}, 454},
        {c::kRotationPoints, {A, B, D, C}, {}, 470},      {c::kRotationPoints, {A, A2, B, C}, {}, 454},
    };
    for (const CasRaison& k : cas)
        EXPECT_EQ(raison(calcule(k.code, k.parents, k.valeurs)), k.raison) << int(k.code);
}

} // namespace
} // namespace km32::essais
