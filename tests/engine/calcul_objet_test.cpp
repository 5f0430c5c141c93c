// The dispatcher: one route per construction code, the check of
// antecedents and the containment of internal errors.
#include <gtest/gtest.h>

#include <vector>

#include "banc_calcul.h"
#include "model/calcul/table_calcul.h"
#include "model/catalogue.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

TEST(TableDeCalcul, EveryCodeOfTheCatalogueHasExactlyOneRoute) {
    for (uint8_t code : c::kCodes) {
        int routes = 0;
        for (const TrouteCalcul& r : routesDeCalcul())
            if (r.code == code) {
                ++routes;
                EXPECT_NE(r.calcule, nullptr) << int(code);
            }
        EXPECT_EQ(routes, 1) << "code " << int(code);
        ASSERT_NE(routeDeCalcul(code), nullptr);
        EXPECT_EQ(routeDeCalcul(code)->code, code);
    }
    for (const TrouteCalcul& r : routesDeCalcul())
        EXPECT_TRUE(existeConstruction(r.code)) << "route for a code outside the catalogue: " << int(r.code);
    EXPECT_EQ(routeDeCalcul(0), nullptr);
    EXPECT_EQ(routeDeCalcul(68), nullptr);
}

// The codes still waiting for their computation. Remove a code from this
// list when its route is written.
TEST(TableDeCalcul, CodesComputedByALaterStep) {
    const std::vector<int> attendus = {};
    std::vector<int> trouves;
    for (uint8_t code : c::kCodes)
        if (estCalculeParEtapeUlterieure(code)) trouves.push_back(code);
    EXPECT_EQ(trouves, attendus);
}

TEST(TableDeCalcul, EveryPointConstructionIsComputedHere) {
    for (uint8_t code : c::kCodes) {
        if (natureDeConstruction(code) != kNaturePoint || code == c::kPointDonne) continue;
        EXPECT_FALSE(estCalculeParEtapeUlterieure(code)) << int(code);
    }
}

class Antecedents : public BancCalcul {};

TEST_F(Antecedents, AnUndefinedParentMakesTheObjectUndefinedWithItsValuesUntouched) {
    const int A = point(0, 0, 0), B = point(2, 4, 6);
    const int M = ajoute(c::kMilieuSegment, {A, B}, {7, 8, 9});
    f.objets[B].nonDefini = 1;
    calculeObjet(f, M);
    EXPECT_EQ(raison(M), 437);
    attendPoint(pt(M), {7, 8, 9});
    // Defined again once the parent is.
    f.objets[B].nonDefini = 0;
    calculeObjet(f, M);
    EXPECT_TRUE(defini(M));
    attendPoint(pt(M), {1, 2, 3});
}

TEST_F(Antecedents, TheUnitOfLengthCountsAsAnAntecedent) {
    const int A = point(0, 0, 0), B = point(1, 0, 0);
    const int U = ajoute(c::kUniteDeLongueur, {}, {2, 2, 0, 0});
    const int P = ajoute(c::kPointSurDemiDroiteADistance, {A, B}, {0, 0, 0, 3});
    f.objets[P].uniteLongueur = uint8_t(U);
    calculeObjet(f, P);
    attendPoint(pt(P), {6, 0, 0});
    f.objets[U].nonDefini = 1;
    calculeObjet(f, P);
    EXPECT_EQ(raison(P), 437);
}

TEST_F(Antecedents, ATableOfValuesIgnoresItsShownObjectsButNotItsOtherAntecedents) {
    const int A = point(0, 0, 0), B = point(1, 0, 0);
    const int T = ajoute(c::kToucheTableau, {A}, {0, 1, 5, 2});
    f.objets[T].uniteLongueur = uint8_t(B); // another antecedent than the shown object
    f.objets[A].nonDefini = 1;
    verifieAntecedents(f, T);
    EXPECT_TRUE(defini(T));
    f.objets[B].nonDefini = 1;
    verifieAntecedents(f, T);
    EXPECT_EQ(raison(T), 437);
}

TEST_F(Antecedents, ALocusIsCheckedWithoutItsTracedPoint) {
    const int A = point(0, 0, 0), B = point(1, 0, 0), C = point(0, 1, 0);
    struct Cas {
        uint8_t code;
        int trace; // parent position of the traced point
    } cas[] = {{c::kLieuPoint, 1}, {c::kLieuDeuxPilotes, 3}};
    for (const Cas& k : cas) {
        const int L = k.trace == 1 ? ajoute(k.code, {A, B}) : ajoute(k.code, {B, C, A});
        f.objets[A].nonDefini = 1;
        verifieAntecedents(f, L);
        EXPECT_TRUE(defini(L)) << int(k.code);
        f.objets[A].nonDefini = 0;
        f.objets[k.trace == 1 ? B : C].nonDefini = 1;
        verifieAntecedents(f, L);
        EXPECT_EQ(raison(L), 437) << int(k.code);
        f.objets[B].nonDefini = f.objets[C].nonDefini = 0;
    }
}

TEST_F(Antecedents, GivenObjectsAreUndefinedWithReason437) {
    const int G = ajoute(c::kPointDonne, {}, {1, 2, 3});
    f.objets[G].raison = 999;
    verifieAntecedents(f, G);
    EXPECT_EQ(f.objets[G].nonDefini, 1);
    EXPECT_EQ(f.objets[G].raison, 999); // the check itself leaves the reason
    calculeObjet(f, G);
    EXPECT_EQ(raison(G), 437);
    // Functions defined by a prototype and dummy variables are not given objects.
    const int V = ajoute(c::kVariableMuette, {}, {0});
    calculeObjet(f, V);
    EXPECT_TRUE(defini(V));
}

TEST_F(Antecedents, ACodeWithoutARouteIsUndefinedWithTheUnspecifiedReason) {
    uint8_t sansRoute = 0;
    for (int code = 1; code < 256 && sansRoute == 0; ++code)
        if (routeDeCalcul(uint8_t(code)) == nullptr) sansRoute = uint8_t(code);
    ASSERT_NE(sansRoute, 0);
    const int X = ajoute(sansRoute, {});
    calculeObjet(f, X);
    EXPECT_FALSE(defini(X));
    EXPECT_EQ(raison(X), 432);
}

TEST_F(Antecedents, AnInternalErrorLeavesTheObjectUndefined) {
    const int A = point(0, 0, 0);
    const int M = ajoute(c::kMilieuSegment, {A, A});
    f.objets[M].premiereValeur = 1999; // its values would run past the end of the table
    EXPECT_NO_THROW(calculeObjet(f, M));
    EXPECT_FALSE(defini(M));
}

TEST_F(Antecedents, LaterStepsAndPrototypeResultsStayUndefined) {
    const int A = point(0, 0, 0), B = point(1, 0, 0);
    const int D = ajoute(c::kPatron, {A, B});
    calculeObjet(f, D);
    EXPECT_FALSE(defini(D));
    const int P = ajoute(c::kMilieuSegment, {A, B});
    f.objets[P].numeroPrototype = 1;
    calculeObjet(f, P);
    EXPECT_FALSE(defini(P));
    f.objets[A].nonDefini = 1;
    calculeObjet(f, P);
    EXPECT_EQ(raison(P), 437);
}

} // namespace
