// Propagation of a move: exactly the dependants are recomputed, in
// construction order; free values of a set; glued points; trace modes.
#include <cmath>

#include "../engine/banc_calcul.h"
#include "model/calcul/dependants.h"
#include "model/calcul/traces_modele.h"

namespace km32::essais {
namespace {

namespace c = construction;

constexpr double kPerime = 999; // a value no computation here produces

// A, B free; M midpoint of [AB]; line (AM); C free; N midpoint of [BC].
class Dependants : public BancCalcul {
  protected:
    int A = point(0, 0, 0), B = point(4, 0, 0), M = ajoute(c::kMilieuSegment, {A, B}, {2, 0, 0});
    int AM = ajoute(c::kDroite, {A, M});
    int C = point(0, 4, 0), N = ajoute(c::kMilieuSegment, {B, C}, {2, 2, 0});

    Dependants() { calculeObjet(f, AM); }

    void deplace(int p, P3 q) {
        valeurObjet(f, p, 1) = q.x;
        valeurObjet(f, p, 2) = q.y;
        valeurObjet(f, p, 3) = q.z;
    }
    // Stale values everywhere a recomputation would write.
    void perime() {
        for (int i : {M, AM, N})
            for (int k = 1; k <= 3; ++k)
                valeurObjet(f, i, k) = kPerime;
    }
    void attendRecalculApresDeplacementDeA() {
        // M is (A + B) / 2; the line starts at A with the direction of A to M,
        // which it can only have when M was computed first.
        attendPoint(pt(M), {3, 1, 0});
        attendPoint(pt(AM), {2, 2, 0});
        const double r = std::sqrt(0.5);
        attendPoint({valeurObjet(f, AM, 4), valeurObjet(f, AM, 5), valeurObjet(f, AM, 6)}, {r, -r, 0});
        EXPECT_EQ(valeurObjet(f, N, 1), kPerime); // N does not depend on A
    }
};

TEST_F(Dependants, ClosureOfASetInOnePass) {
    TEnsembleObjets S;
    S.set(std::size_t(A));
    ajouteDependants(f, S);
    TEnsembleObjets attendu;
    for (int i : {A, M, AM})
        attendu.set(std::size_t(i));
    EXPECT_EQ(S, attendu);
    S.reset();
    S.set(std::size_t(C));
    ajouteDependants(f, S);
    EXPECT_TRUE(S.test(std::size_t(N)) && !S.test(std::size_t(M)));
}

TEST_F(Dependants, MovingAFreePointRecomputesExactlyItsDependantsInOrder) {
    deplace(A, {2, 2, 0});
    perime();
    TEnsembleObjets S;
    S.set(std::size_t(A));
    recalculeDependants(f, S);
    attendRecalculApresDeplacementDeA();
    EXPECT_EQ(f.modifiee, 1);
}

TEST_F(Dependants, ActiveFreeObjectMarksItsDependantsOnceAndRecomputesThemAtEachMove) {
    f.objetLibreActif = uint8_t(A);
    marqueDependantsObjetActif(f);
    for (int i : {A, M, AM})
        EXPECT_TRUE(dependDeObjetLibreActif(f.objets[std::size_t(i)])) << i;
    for (int i : {B, C, N})
        EXPECT_FALSE(dependDeObjetLibreActif(f.objets[std::size_t(i)])) << i;
    deplace(A, {2, 2, 0});
    perime();
    recalculeDependantsObjetActif(f);
    attendRecalculApresDeplacementDeA();
    // A new active object clears the old marks.
    f.objetLibreActif = uint8_t(C);
    marqueDependantsObjetActif(f);
    EXPECT_FALSE(dependDeObjetLibreActif(f.objets[std::size_t(M)]));
    EXPECT_TRUE(dependDeObjetLibreActif(f.objets[std::size_t(N)]));
}

TEST_F(Dependants, FreeValuesOfASetInObjectOrder) {
    // A point on the segment [BC] at parameter 0.25, then the point A in space.
    const int P = ajoute(c::kPointLibreSurSegment, {B, C}, {0, 0, 0, 0.25, 0.1});
    deplace(A, {1, 2, 3});
    TEnsembleObjets S;
    S.set(std::size_t(A));
    S.set(std::size_t(P));
    TvaleursLibres v{};
    uint8_t nombre = 0;
    litValeursObjetsLibres(f, S, v, nombre);
    ASSERT_EQ(nombre, 4);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(v[3], 0.25);
    // Written back with new values, and the dependants follow.
    v = {5, 5, 5, 0.5};
    affecteValeursObjetsLibres(f, S, v, 4, false);
    attendPoint(pt(A), {5, 5, 5});
    EXPECT_EQ(valeurObjet(f, P, 4), 0.5);
    attendPoint(pt(P), {2, 2, 0});
    attendPoint(pt(M), {4.5, 2.5, 2.5});
}

TEST_F(Dependants, ReadingStopsBeforeAnObjectThatWouldNotFit) {
    TEnsembleObjets S;
    for (int k = 0; k < 14; ++k)
        S.set(std::size_t(point(k, 0, 0)));
    TvaleursLibres v{};
    uint8_t nombre = 0;
    litValeursObjetsLibres(f, S, v, nombre);
    EXPECT_EQ(nombre, 39); // 13 points: 39 values; the 14th is not read
    EXPECT_EQ(v[36], 12);
}

TEST_F(Dependants, GluedPointFollowsItsPointUnlessItCannotReachIt) {
    const int G = ajoute(c::kMilieuSegment, {A, B}, {2, 0, 0});
    const int P = point(2, 0, 0);
    f.objets[std::size_t(P)].pointColle = uint8_t(G);
    const int Q = ajoute(c::kMilieuSegment, {P, C}, {1, 2, 0});
    deplace(A, {2, 2, 2});
    TEnsembleObjets S;
    S.set(std::size_t(A));
    recalculeDependants(f, S);
    attendPoint(pt(P), {3, 1, 1});
    attendPoint(pt(Q), {1.5, 2.5, 0.5});
}

TEST_F(Dependants, TraceModes) {
    // An empty traced set: nothing happens.
    entreeModeTrace(f);
    EXPECT_EQ(f.modeTrace, 0);
    sortieModeTrace(f);
    EXPECT_FALSE(f.tableTraces);

    fixeObjetsTraces(f, M); // the parents of M: A and B
    EXPECT_TRUE(f.ensembleTrace.test(std::size_t(A)) && f.ensembleTrace.test(std::size_t(B)));
    EXPECT_EQ(f.ensembleTrace.count(), 2u);
    entreeModeTrace(f);
    EXPECT_EQ(f.modeTrace, 1);
    EXPECT_TRUE(f.tableTraces);
    EXPECT_TRUE(selectionnePourTrace(f.objets[std::size_t(A)].style));
    entreeModeTraceALaDemande(f);
    EXPECT_EQ(f.modeTraceALaDemande, 1);
    sortieModeTrace(f);
    EXPECT_EQ(f.modeTrace + f.modeTraceALaDemande, 0);
    EXPECT_FALSE(f.tableTraces);
    EXPECT_FALSE(selectionnePourTrace(f.objets[std::size_t(A)].style));

    basculeTraitsEpais(f);
    EXPECT_EQ(f.traitsEpais, 1);
    basculeTraitsEpais(f);
    EXPECT_EQ(f.traitsEpais, 0);
}

} // namespace
} // namespace km32::essais
