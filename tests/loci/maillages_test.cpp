// Meshes: the grid of a graph of a function of two variables against the
// same function in C++, the limits of the grid counts, the 50 slots of a
// figure, the surface a point describes under two pilots against its
// closed form, and deep copies of figures with meshes.
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "banc_lieux.h"
#include "model/services_texte.h"

namespace km32::essai {
namespace {

constexpr double kIndefini = std::numeric_limits<double>::quiet_NaN();

struct CasGraphe {
    const char* nom;
    std::vector<std::string> repere; // lines defining frame R (none: Rxyz)
    const char* definition;          // of h
    std::function<double(double, double)> h;
    P3 origine, i, j, k;
    double xmin, xmax, ymin, ymax;
    int nx, ny;
};

class GrapheMaillage : public BancLieux, public ::testing::WithParamInterface<CasGraphe> {};

// Grid point (i, j) is point i ny + j + 1: origin + x i + y j + h(x, y) k of
// the frame, undefined where h is.
TEST_P(GrapheMaillage, VerticesLieOnTheGraphOfTheFunction) {
    const CasGraphe& c = GetParam();
    std::vector<std::string> lignes = c.repere;
    const std::string repere = c.repere.empty() ? "Rxyz" : "R";
    lignes.push_back(std::string("h fonction: ") + c.definition);
    lignes.push_back("G graphe de h sur [" + std::to_string(c.xmin) + "," + std::to_string(c.xmax) + "] x [" +
                     std::to_string(c.ymin) + "," + std::to_string(c.ymax) + "] (" + std::to_string(c.nx) +
                     " x " + std::to_string(c.ny) + " points, repère " + repere + ")");
    ASSERT_EQ(litFigure(lignes), 0);
    ASSERT_TRUE(defini("G"));
    const TMaillage* m = maillage("G");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->genre, kMaillageGraphe);
    EXPECT_EQ(m->nx, c.nx);
    EXPECT_EQ(m->ny, c.ny);
    EXPECT_EQ(m->ligneUnique, 0);
    int indefinis = 0;
    for (int a = 0; a < c.nx; ++a)
        for (int b = 0; b < c.ny; ++b) {
            const std::size_t k = std::size_t(a * c.ny + b + 1);
            const double x = c.xmin + a * (c.xmax - c.xmin) / (c.nx - 1);
            const double y = c.ymin + b * (c.ymax - c.ymin) / (c.ny - 1);
            const double z = c.h(x, y);
            SCOPED_TRACE(::testing::Message() << "x=" << x << " y=" << y);
            ASSERT_EQ(m->nonDefini[k] != 0, std::isnan(z));
            if (std::isnan(z)) {
                ++indefinis;
                continue;
            }
            const P3 attendu{c.origine.x + x * c.i.x + y * c.j.x + z * c.k.x,
                             c.origine.y + x * c.i.y + y * c.j.y + z * c.k.y,
                             c.origine.z + x * c.i.z + y * c.j.z + z * c.k.z};
            attendPoint({m->x[k], m->y[k], m->z[k]}, attendu.x, attendu.y, attendu.z, 1e-5);
        }
    if (std::string(c.nom) == "hemisphere") {
        EXPECT_GT(indefinis, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Graphes, GrapheMaillage,
    ::testing::Values(CasGraphe{"selle",
                                {},
                                "(x,y)|->x*y-y/2",
                                [](double x, double y) { return x * y - y / 2; },
                                {0, 0, 0},
                                {1, 0, 0},
                                {0, 1, 0},
                                {0, 0, 1},
                                -1,
                                2,
                                0,
                                3,
                                7,
                                4},
                      CasGraphe{"hemisphere",
                                {"A point de coordonnées (1,2,3) dans le repère Rxyz",
                                 "vec(u) (2,0,0) (repère Rxyz)", "vec(v) (0,1,1) (repère Rxyz)",
                                 "vec(w) (0,0,3) (repère Rxyz)", "R repère (A,vec(u),vec(v),vec(w))"},
                                "(x,y)|->sqrt(1-x^2-y^2)",
                                [](double x, double y) {
                                    const double d = 1 - x * x - y * y;
                                    return d < 0 ? kIndefini : std::sqrt(d);
                                },
                                {1, 2, 3},
                                {2, 0, 0},
                                {0, 1, 1},
                                {0, 0, 3},
                                -0.95,
                                0.95,
                                -0.95,
                                0.95,
                                11,
                                11}),
    [](const ::testing::TestParamInfo<CasGraphe>& i) { return std::string(i.param.nom); });

class Maillages : public BancLieux {};

// The counts and bounds are read from the object's values (the figure's
// constants), so the limits are tried by writing them there.
TEST_F(Maillages, GridCountsAndBoundsOfAGraph) {
    ASSERT_EQ(litFigure({"h fonction: (x,y)|->x+y",
                         "G graphe de h sur [-1,1] x [-2,2] (5 x 6 points, repère Rxyz)"}),
              0);
    const int G = numero("G");
    struct Cas {
        double nx, ny, xmin, xmax;
        uint16_t raison;
        int32_t nxLu;
    } cas[] = {
        {100, 100, -1, 1, 0, 100},     {100, 101, -1, 1, 451, 0},    {1, 1, -1, 1, 451, 0},
        {10.0000001, 4, -1, 1, 0, 10}, {10.5, 4, -1, 1, 451, 0},     {0, 10, -1, 1, 451, 0},
        {10001, 1, -1, 1, 451, 0},     {3, 4, 2, 2 + 1e-11, 465, 0}, {3, 4, 2, 2.5, 0, 3},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message()
                     << c.nx << " x " << c.ny << " on [" << c.xmin << "," << c.xmax << "]");
        valeurObjet(f, G, 1) = c.nx;
        valeurObjet(f, G, 2) = c.ny;
        valeurObjet(f, G, 3) = c.xmin;
        valeurObjet(f, G, 4) = c.xmax;
        calculeObjet(f, G);
        EXPECT_EQ(raison("G"), c.raison);
        if (c.raison == 0) {
            EXPECT_EQ(maillage("G")->nx, c.nxLu);
        }
    }
}

TEST_F(Maillages, AOneByFiftyGridIsOneLineAlongYAtXmin) {
    ASSERT_EQ(litFigure({"h fonction: (x,y)|->2*y",
                         "G graphe de h sur [3,5] x [-1,1] (1 x 50 points, repère Rxyz)"}),
              0);
    const TMaillage* m = maillage("G");
    ASSERT_TRUE(defini("G"));
    EXPECT_EQ(m->ligneUnique, 1);
    EXPECT_EQ(m->nombrePoints, 50);
    for (int k = 1; k <= 50; ++k) {
        const double y = -1 + (k - 1) * 2.0 / 49;
        attendPoint({m->x[std::size_t(k)], m->y[std::size_t(k)], m->z[std::size_t(k)]}, 3, y, 2 * y, 1e-5);
    }
}

TEST_F(Maillages, AFigureHoldsFiftyMeshes) {
    std::vector<std::string> lignes = {"h fonction: (x,y)|->x"};
    for (int k = 1; k <= 50; ++k)
        lignes.push_back("G" + std::to_string(k) +
                         " graphe de h sur [0,1] x [0,1] (2 x 2 points, repère Rxyz)");
    // A redefinition gives its slot back before it takes one.
    lignes.push_back("G1 graphe de h sur [0,2] x [0,1] (3 x 3 points, repère Rxyz)");
    ASSERT_EQ(litFigure(lignes), 0);
    ASSERT_NE(maillage("G1"), nullptr);
    EXPECT_EQ(maillage("G1")->nx, 3);
    EXPECT_NE(ligne("G51 graphe de h sur [0,1] x [0,1] (2 x 2 points, repère Rxyz)"), 0);
    EXPECT_EQ(numero("G51"), 0);
    EXPECT_NE(maillage("G50"), nullptr);
}

// N is the midpoint of [PQ], P free on [BC] and Q free on [DE]: sample (i, j)
// is (B + i/(N-1) (C - B) + D + j/(M-1) (E - D)) / 2.
TEST_F(Maillages, TheSurfaceOfAPointUnderTwoPilots) {
    const P3 B{-2, 0, 1}, C{3, 1, 0}, D{0, -2, 2}, E{1, 4, -1};
    auto point = [](const char* nom, P3 p) {
        return std::string(nom) + " point de coordonnées (" + std::to_string(p.x) + "," +
               std::to_string(p.y) + "," + std::to_string(p.z) + ") dans le repère Rxyz";
    };
    ASSERT_EQ(litFigure({point("B", B), point("C", C), point("D", D), point("E", E),
                         "P point libre sur le segment [BC]", "Q point libre sur le segment [DE]",
                         "N milieu du segment [PQ]", "S lieu du point N, pilotes P et Q (6 x 4 points)",
                         "T lieu du point N, pilotes Q et P (4 x 6 points)"}),
              0);
    const TMaillage* s = maillage("S");
    const TMaillage* t = maillage("T");
    ASSERT_TRUE(s && t);
    EXPECT_EQ(s->genre, kMaillageLieu);
    EXPECT_EQ(s->nx, 6);
    EXPECT_EQ(s->ny, 4);
    EXPECT_EQ(s->ligneUnique, 0);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 4; ++j) {
            const std::size_t k = std::size_t(i * 4 + j + 1);
            const double u = i / 5.0, v = j / 3.0;
            ASSERT_EQ(s->nonDefini[k], 0);
            attendPoint({s->x[k], s->y[k], s->z[k]}, (B.x + u * (C.x - B.x) + D.x + v * (E.x - D.x)) / 2,
                        (B.y + u * (C.y - B.y) + D.y + v * (E.y - D.y)) / 2,
                        (B.z + u * (C.z - B.z) + D.z + v * (E.z - D.z)) / 2, 1e-5);
        }
    // Pilots given the other way round: the same samples, counts exchanged back.
    EXPECT_EQ(t->nx, 6);
    EXPECT_EQ(t->ny, 4);
    EXPECT_TRUE(std::equal(s->x.begin() + 1, s->x.begin() + 25, t->x.begin() + 1));
    EXPECT_TRUE(std::equal(s->z.begin() + 1, s->z.begin() + 25, t->z.begin() + 1));

    // Sampling leaves every value as it was; the counts are checked.
    const int S = numero("S");
    const auto valeurs = f.valeurs;
    calculeObjet(f, S);
    for (int k = 1; k <= f.valeursUtilisees; ++k)
        EXPECT_EQ(f.valeurs[std::size_t(k)], valeurs[std::size_t(k)]) << k;
    struct Cas {
        double n, m;
        uint16_t raison;
        uint8_t courbe;
    } cas[] = {{100, 100, 0, 0}, {100, 101, 451, 0}, {1, 50, 0, 1}, {1, 1, 451, 0}, {2.5, 3, 451, 0}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.n << " x " << c.m);
        valeurObjet(f, S, 1) = c.n;
        valeurObjet(f, S, 2) = c.m;
        calculeObjet(f, S);
        EXPECT_EQ(raison("S"), c.raison);
        if (c.raison == 0) {
            EXPECT_EQ(s->ligneUnique, c.courbe);
        }
    }
}

TEST_F(Maillages, ACopyOfTheFigureOwnsCopiesOfItsMeshes) {
    ASSERT_EQ(
        litFigure({"h fonction: (x,y)|->x*y", "G graphe de h sur [0,1] x [0,2] (3 x 3 points, repère Rxyz)",
                   "a réel libre de [0,1]", "b réel libre de [0,1]",
                   "N point de coordonnées (a,b,a*b) dans le repère Rxyz",
                   "S lieu du point N, pilotes a et b (3 x 5 points)"}),
        0);
    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(f, copie);
    ASSERT_TRUE(copie && copie->tableMaillages);
    for (const char* nom : {"G", "S"}) {
        SCOPED_TRACE(nom);
        const int n = numero(nom);
        TMaillage* source = maillageDeObjet(f, n);
        const TMaillage* c = maillageDeObjet(*copie, n);
        ASSERT_TRUE(source && c);
        EXPECT_NE(source, c);
        EXPECT_EQ(c->genre, source->genre);
        EXPECT_EQ(c->nx, source->nx);
        EXPECT_EQ(c->ny, source->ny);
        EXPECT_EQ(c->x, source->x);
        EXPECT_EQ(c->z, source->z);
        EXPECT_EQ(c->lieu != nullptr, source->genre == kMaillageLieu);
        if (c->lieu) {
            EXPECT_NE(c->lieu.get(), source->lieu.get());
        }
        source->z[2] += 1;
        EXPECT_NE(c->z[2], source->z[2]);
    }
    libereFigure(copie);
}

} // namespace
} // namespace km32::essai
