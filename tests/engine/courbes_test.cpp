// Sampling of curves: the sample count and bounds, the frame of a graph,
// and where the samples go.
#include <gtest/gtest.h>

#include "banc_calcul.h"
#include "model/calcul/courbes.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

class Courbes : public BancCalcul {
  protected:
    Courbes() {
        f.echantillons = std::make_unique<TblocEchantillons>();
        f.borneInferieure = -100;
        f.borneSuperieure = 100;
        f.echelle = 1000;
    }
    // The graph y = constant over [debut, fin] with `points` samples, in the
    // plane of the parents; samples from record 1 on.
    int graphe(std::initializer_list<int> plan, double points, double debut, double fin, double y) {
        const int n = ajoute(c::kCourbeY, plan, {points, 0, debut, fin, y});
        f.objets[n].premierEchantillon = 1;
        f.objets[n].nombreEchantillons = 1000;
        calculeCourbe(f, n);
        return n;
    }
};

TEST_F(Courbes, AGraphInAPlaneWithAFrame) {
    const int n = graphe({11, 0, 0}, 5, 0, 4, 2); // oxy
    ASSERT_TRUE(defini(n));
    EXPECT_EQ(valeurObjet(f, n, 2), 5);
    for (int k = 0; k < 5; ++k) {
        const Techantillon& e = (*f.echantillons)[std::size_t(1 + k)];
        EXPECT_EQ(e.x, 1000 * k);
        EXPECT_EQ(e.y, 2000);
        EXPECT_EQ(e.z, 0);
    }
    EXPECT_EQ((*f.echantillons)[1].rupture, 1); // the first sample starts a piece
}

TEST_F(Courbes, AGraphInTheFrameOfThreePoints) {
    const int O = point(1, 1, 1), I = point(2, 1, 1), J = point(1, 1, 3);
    const int n = graphe({O, I, J}, 3, 0, 2, 1);
    ASSERT_TRUE(defini(n));
    const Techantillon& e = (*f.echantillons)[3]; // x = 2, y = 1: O + 2 (I - O) + (J - O)
    EXPECT_EQ(e.x, 3000);
    EXPECT_EQ(e.y, 1000);
    EXPECT_EQ(e.z, 3000);
    const int K = point(3, 1, 1);
    EXPECT_EQ(raison(graphe({O, I, K}, 3, 0, 2, 1)), 435);
}

TEST_F(Courbes, SampleCountAndBounds) {
    struct Cas {
        double points, debut, fin;
        uint16_t raison;
    } cas[] = {
        {1000, -1, 1, 0},  {2, -1, 1, 0},   {1001, -1, 1, 557},
        {2.5, -1, 1, 557}, {1, -1, 1, 557}, {10, 1, 1, 465},
    };
    for (const Cas& k : cas)
        EXPECT_EQ(raison(graphe({11, 0, 0}, k.points, k.debut, k.fin, 0)), k.raison) << k.points;
    // Samples outside the figure's bounds are not stored: none valid, undefined
    // with a reason.
    const int n = graphe({11, 0, 0}, 5, 0, 4, 500);
    EXPECT_FALSE(defini(n));
    EXPECT_EQ(raison(n), 441);
    EXPECT_EQ(valeurObjet(f, n, 2), 0);
}

} // namespace
