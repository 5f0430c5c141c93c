// Moving the active free object with the keys, on figures read from texts,
// and shared values flowing from one figure to another.
#include "clavier_banc.h"

namespace km32::essai {
namespace {

const char* const kPointEtMilieu = "Figure Kalmetra\r\n"
                                   "A point libre dans l'espace\r\n"
                                   "Objet libre A, paramètres: 1, 2, 3\r\n"
                                   "B point de coordonnées (5,0,1) dans le repère Rxyz\r\n"
                                   "M milieu du segment [AB]\r\n"
                                   "Objet libre actif au clavier: A\r\n"
                                   "Fin de la figure";

class DeplacementClavier : public BancClavier {};

// Each direction key moves the free point in space along one axis by its
// keyboard step (0.1, its last value); the midpoint of [AB] follows.
TEST_F(DeplacementClavier, EachKeyMovesThePointByItsStepAndTheMidpointFollows) {
    struct Cas {
        uint32_t vk;
        double dx, dy, dz;
    } const cas[] = {
        {platform::VK_UP, 0, 0, 0.1},    {platform::VK_DOWN, 0, 0, -0.1},  {platform::VK_RIGHT, 0, 0.1, 0},
        {platform::VK_LEFT, 0, -0.1, 0}, {platform::VK_PRIOR, -0.1, 0, 0}, {platform::VK_NEXT, 0.1, 0, 0},
    };
    for (const Cas& c : cas) {
        SetUp();
        avis.clear();
        TfigureKalmetra& f = figure(1, kPointEtMilieu);
        const int a = numero(f, "A");
        ASSERT_EQ(f.objetLibreActif, a);
        ASSERT_DOUBLE_EQ(v(f, "A", 4), 0.1);
        EXPECT_EQ(touche(1, c.vk), 1) << c.vk;
        const double x = 1 + c.dx, y = 2 + c.dy, z = 3 + c.dz;
        EXPECT_NEAR(v(f, "A", 1), x, 1e-12) << c.vk;
        EXPECT_NEAR(v(f, "A", 2), y, 1e-12) << c.vk;
        EXPECT_NEAR(v(f, "A", 3), z, 1e-12) << c.vk;
        // M = (A + B) / 2 with B = (5, 0, 1).
        EXPECT_NEAR(v(f, "M", 1), (x + 5) / 2, 1e-12) << c.vk;
        EXPECT_NEAR(v(f, "M", 2), y / 2, 1e-12) << c.vk;
        EXPECT_NEAR(v(f, "M", 3), (z + 1) / 2, 1e-12) << c.vk;
        EXPECT_EQ(f.dernierLibreBouge, a);
        ASSERT_EQ(avis.size(), 1u);
        EXPECT_EQ(avis[0].code, 1033u); // a keyboard step
        EXPECT_EQ(avis[0].objet, a);
        TearDown();
    }
}

TEST_F(DeplacementClavier, PlusAndMinusChangeTheStepOfTheActiveObject) {
    TfigureKalmetra& f = figure(1, kPointEtMilieu);
    // The first '+' shows the step in its box; once the box is on screen,
    // '+' doubles the step and '-' halves it.
    EXPECT_EQ(caractere(1, '+'), 1);
    EXPECT_EQ(f.boiteValeurDemandee, 1);
    EXPECT_DOUBLE_EQ(v(f, "A", 4), 0.1);
    f.boiteValeurAffichee = 1;
    EXPECT_EQ(caractere(1, '+'), 1);
    EXPECT_DOUBLE_EQ(v(f, "A", 4), 0.2);
    touche(1, platform::VK_UP);
    EXPECT_NEAR(v(f, "A", 3), 3.2, 1e-12);
    EXPECT_EQ(caractere(1, '-'), 1);
    EXPECT_EQ(caractere(1, '-'), 1);
    EXPECT_DOUBLE_EQ(v(f, "A", 4), 0.05);
}

TEST_F(DeplacementClavier, WithoutActiveObjectAKeyChangesNothing) {
    TfigureKalmetra& f = figure(1, "Figure Kalmetra\r\n"
                                   "A point libre dans l'espace\r\n"
                                   "Fin de la figure");
    const double z = v(f, "A", 3);
    EXPECT_EQ(touche(1, platform::VK_UP), 0);
    EXPECT_EQ(v(f, "A", 3), z);
    EXPECT_TRUE(avis.empty());
}

// A point on a segment stays within its ends: at the end the step is refused.
TEST_F(DeplacementClavier, APointOnASegmentStopsAtItsEnd) {
    TfigureKalmetra& f = figure(1, "Figure Kalmetra\r\n"
                                   "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                   "B point de coordonnées (10,0,0) dans le repère Rxyz\r\n"
                                   "P point libre sur le segment [AB]\r\n"
                                   "Objet libre P, paramètre: 0.995\r\n"
                                   "Objet libre actif au clavier: P\r\n"
                                   "Fin de la figure");
    const double pas = v(f, "P", 5);
    ASSERT_DOUBLE_EQ(pas, 0.01);
    EXPECT_EQ(touche(1, platform::VK_UP), 1);
    EXPECT_DOUBLE_EQ(v(f, "P", 4), 1.0);
    EXPECT_NEAR(v(f, "P", 1), 10, 1e-12);
    avis.clear();
    EXPECT_EQ(touche(1, platform::VK_UP), 0);
    EXPECT_DOUBLE_EQ(v(f, "P", 4), 1.0);
    EXPECT_TRUE(avis.empty());
    EXPECT_EQ(touche(1, platform::VK_DOWN), 1);
    EXPECT_NEAR(v(f, "P", 4), 1 - pas, 1e-12);
}

TEST_F(DeplacementClavier, TheViewStepLadder) {
    TfigureKalmetra& f = figure(1, "Figure Kalmetra\r\nFin de la figure");
    struct Cas {
        double avant;
        uint32_t code;
        double apres;
    } const cas[] = {{5, 246, 10},  {5, 247, 2},  {90, 246, 90}, {0.01, 247, 0.01}, {0.0100000001, 246, 0.02},
                     {0.3, 246, 5}, {0.3, 247, 5}};
    for (const Cas& c : cas) {
        f.pasClavier = c.avant;
        EXPECT_TRUE(changePasClavier(f, c.code));
        EXPECT_DOUBLE_EQ(f.pasClavier, c.apres) << c.avant << " " << c.code;
    }
}

// Two figures share the free number a: a key step of a in the first one
// reaches the second after its notice, and b = 2a follows there.
TEST_F(DeplacementClavier, SharedValuesFlowToTheOtherFigure) {
    TfigureKalmetra& f1 = figure(1, "Figure Kalmetra\r\n"
                                    "a réel libre\r\n"
                                    "Objet libre actif au clavier: a\r\n"
                                    "Fin de la figure");
    TfigureKalmetra& f2 = figure(2,
                                 "Figure Kalmetra\r\n"
                                 "a réel libre\r\n"
                                 "b = 2*a\r\n"
                                 "Fin de la figure",
                                 false);
    inscritVariablesPartagees(f1);
    inscritVariablesPartagees(f2);
    ASSERT_TRUE(f1.variablesPartagees && f2.variablesPartagees);
    const double pas = v(f1, "a", 2);
    const double attendu = v(f1, "a") + pas;
    EXPECT_EQ(touche(1, platform::VK_UP), 1);
    EXPECT_DOUBLE_EQ(v(f1, "a"), attendu);
    // The notice is posted: nothing changes before the message loop runs.
    EXPECT_NE(v(f2, "a"), attendu);
    platform::distribueJusquAuRepos();
    EXPECT_DOUBLE_EQ(v(f2, "a"), attendu);
    EXPECT_DOUBLE_EQ(v(f2, "b"), 2 * attendu);
    // The record of the sender is not told of its own change.
    for (uint8_t octet : f1.variablesPartagees->ensembleChangements)
        EXPECT_EQ(octet, 0);
}

} // namespace
} // namespace km32::essai
