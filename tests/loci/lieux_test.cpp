// Loci of a point under one pilot (a curve of samples), checked against the
// curves they must follow, computed here from the figure's data: a circle
// halved towards a fixed point, a segment halved the same way, a line with
// a gap where the point is undefined.
#include <cmath>
#include <string>

#include "banc_lieux.h"
#include "model/lieux.h"

namespace km32::essai {
namespace {

std::string coordonnees(const P3& p) {
    auto t = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    };
    return "(" + t(p.x) + "," + t(p.y) + "," + t(p.z) + ")";
}

std::string point(const std::string& nom, const P3& p) {
    return nom + " point de coordonnées " + coordonnees(p) + " dans le repère Rxyz";
}

class Lieux : public BancLieux {};

// M is the midpoint of [AP] while P runs on the circle of centre O and radius
// r: M runs on the circle of centre (A + O) / 2 and radius r / 2, in the
// plane of the first circle moved halfway to A.
struct CasCercle {
    const char* plan;
    P3 normale;
    P3 a;
    double r;
};

class LieuSurCercle : public BancLieux, public ::testing::WithParamInterface<CasCercle> {};

TEST_P(LieuSurCercle, TheMidpointOfAPointOnACircleDescribesTheHalvedCircle) {
    const CasCercle& c = GetParam();
    ASSERT_EQ(litFigure({point("O", {0, 0, 0}), point("A", c.a),
                         "c cercle de centre O et de rayon " + std::to_string(c.r) + " dans le plan " +
                             c.plan + " (unité Uxyz)",
                         "P point libre sur le cercle c", "M milieu du segment [AP]",
                         "L lieu du point M, pilote P (60 points)", "Dessin de L: points liés"}),
              0);
    ASSERT_TRUE(defini("L"));
    const auto points = echantillons("L");
    ASSERT_EQ(points.size(), 60u);
    const P3 centre{c.a.x / 2, c.a.y / 2, c.a.z / 2};
    const double tol = 2 * toleranceEchantillon();
    for (const EchantillonLu& e : points) {
        const P3 d{e.p.x - centre.x, e.p.y - centre.y, e.p.z - centre.z};
        EXPECT_NEAR(distance(e.p, centre), c.r / 2, tol);
        EXPECT_NEAR(d.x * c.normale.x + d.y * c.normale.y + d.z * c.normale.z, 0, tol);
    }
    // A smooth closed curve: one piece, from angle 0 round to 2 pi.
    EXPECT_TRUE(points.front().rupture);
    for (std::size_t k = 1; k < points.size(); ++k)
        EXPECT_FALSE(points[k].rupture) << k;
    EXPECT_LT(distance(points.front().p, points.back().p), tol);
}

INSTANTIATE_TEST_SUITE_P(Cercles, LieuSurCercle,
                         ::testing::Values(CasCercle{"oxy", {0, 0, 1}, {4, 2, 0}, 3},
                                           CasCercle{"oxy", {0, 0, 1}, {-1, 3, 2}, 1.5},
                                           CasCercle{"ozx", {0, 1, 0}, {2, -2, 1}, 2.5}));

TEST_F(Lieux, APointDrivenAlongASegmentDescribesASegment) {
    const P3 a{1, -2, 3}, b{-3, 1, 0}, c{5, 4, -2};
    ASSERT_EQ(litFigure({point("A", a), point("B", b), point("C", c), "P point libre sur le segment [BC]",
                         "M milieu du segment [AP]", "L lieu du point M, pilote P (21 points)",
                         "Dessin de L: points liés"}),
              0);
    const auto points = echantillons("L");
    ASSERT_EQ(points.size(), 21u);
    // Sample i at abscissa i / 20 of [BC], halved towards A.
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double t = double(i) / 20;
        const P3 attendu{(a.x + b.x + t * (c.x - b.x)) / 2, (a.y + b.y + t * (c.y - b.y)) / 2,
                         (a.z + b.z + t * (c.z - b.z)) / 2};
        EXPECT_LT(distance(points[i].p, attendu), 2 * toleranceEchantillon()) << i;
        EXPECT_EQ(points[i].rupture, i == 0) << i;
    }
}

// N = (a, a, 0) exists only where sqrt(a^2 - 1) does: for |a| >= 1.
TEST_F(Lieux, APointUndefinedOnPartOfTheRangeBreaksTheLocus) {
    ASSERT_EQ(litFigure({"a réel libre de [-3,3]",
                         "N point de coordonnées (a,a+0*sqrt(a^2-1),0) dans le repère Rxyz",
                         "L lieu du point N, pilote a (51 points)", "Dessin de L: points liés"}),
              0);
    std::vector<double> abscisses;
    for (int i = 0; i < 51; ++i) {
        const double a = -3 + 6.0 * i / 50;
        if (std::fabs(a) >= 1) abscisses.push_back(a);
    }
    const auto points = echantillons("L");
    ASSERT_EQ(points.size(), abscisses.size());
    EXPECT_EQ(valeurObjet(f, numero("L"), 2), double(abscisses.size()));
    for (std::size_t k = 0; k < points.size(); ++k) {
        const double a = abscisses[k];
        attendPoint(points[k].p, a, a, 0, toleranceEchantillon());
        // A piece begins at the first point and at the first one after the gap.
        const bool debut = k == 0 || (a > 0 && abscisses[k - 1] < 0);
        EXPECT_EQ(points[k].rupture, debut) << a;
    }
}

TEST_F(Lieux, ReasonsWhyALocusIsUndefined) {
    ASSERT_EQ(
        litFigure({"a réel libre de [-3,3]", point("A", {1, 2, 3}),
                   "N point de coordonnées (a,sqrt(-1-a^2),0) dans le repère Rxyz",
                   "K lieu du point A, pilote a (30 points)", "L lieu du point N, pilote a (30 points)"}),
        0);
    EXPECT_EQ(raison("K"), 471); // A does not depend on a
    EXPECT_EQ(raison("L"), 442); // N is never defined
    EXPECT_EQ(valeurObjet(f, numero("L"), 2), 0);
}

// Sampling moves the pilot and its dependants; afterwards every object of
// the figure has the values it had before.
TEST_F(Lieux, SamplingLeavesTheFigureAsItWas) {
    ASSERT_EQ(litFigure({point("O", {0, 0, 0}), point("A", {4, 2, 0}),
                         "c cercle de centre O et de rayon 3 dans le plan oxy (unité Uxyz)",
                         "P point libre sur le cercle c", "M milieu du segment [AP]",
                         "L lieu du point M, pilote P (200 points)"}),
              0);
    const auto valeurs = f.valeurs;
    const int L = numero("L");
    objet(f, L).nonDefini = 1;
    calculeObjet(f, L);
    EXPECT_TRUE(defini("L"));
    for (int k = 1; k <= f.valeursUtilisees; ++k)
        EXPECT_EQ(f.valeurs[std::size_t(k)], valeurs[std::size_t(k)]) << k;
    EXPECT_EQ(f.echantillonnageLieux[0], 0);
}

TEST_F(Lieux, ThePilotMovesOnlyWhatTheTracedPointNeeds) {
    ASSERT_EQ(litFigure({point("A", {0, 0, 0}), point("B", {1, 0, 0}), "P point libre sur le segment [AB]",
                         point("C", {0, 2, 0}), "M milieu du segment [PC]", "N milieu du segment [AP]",
                         "Q milieu du segment [MC]", "R milieu du segment [NC]"}),
              0);
    bool independant = true;
    int nombre = 0;
    TlisteLieu liste{};
    ensembleDesDependants(f, numero("P"), numero("Q"), independant, nombre, liste);
    EXPECT_FALSE(independant);
    // M and Q; not C (it does not depend on P) nor N (Q does not need it).
    ASSERT_EQ(nombre, 2);
    EXPECT_EQ(liste[1], numero("M"));
    EXPECT_EQ(liste[2], numero("Q"));
    ensembleDesDependants(f, numero("P"), numero("C"), independant, nombre, liste);
    EXPECT_TRUE(independant);
    EXPECT_EQ(nombre, 0);
}

} // namespace
} // namespace km32::essai
