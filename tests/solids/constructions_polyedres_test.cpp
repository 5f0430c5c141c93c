#include "aides_solides.h"

#include <numbers>

#include "model/constructions_codes.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/solides/constructions_polyedres.h"
#include "model/solides/mesures_solides.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

class ConstructionsPolyedres : public ::testing::Test, public FigureSolides {
  protected:
    void SetUp() override { reinitialiseEtatPolyedres(); }
};

TEST_F(ConstructionsPolyedres, CubeDonneParSesSommets) {
    const int q = cubeUnite();
    ASSERT_EQ(f.objets[q].nonDefini, 0);
    const TPolyedre& p = polyedre(q);
    EXPECT_EQ(p.donneParSommets, 1);
    EXPECT_EQ(p.nombreFaces, 6);
    verifieEnveloppe(p, cube(1));
    EXPECT_NEAR(p.centreGravite.x, 0.5, 1e-12);
    EXPECT_NEAR(volumeSolide(f, q), 1, 1e-12);
    EXPECT_NEAR(aireSolide(f, q), 6, 1e-12);
}

TEST_F(ConstructionsPolyedres, NomsDesSommetsRefuses) {
    const int a = point("A", 0, 0, 0), b = point("B", 2, 0, 0), cc = point("C", 2, 2, 0),
              d = point("D", 0, 2, 0);
    const int s = point("S", 1, 1, 3), m = point("M", 1, 0, 0), a2 = point("P", 0, 0, 0);
    struct Cas {
        std::vector<int> sommets;
        uint16_t raison;
        const char *nom1, *nom2;
    } cas[] = {
        {{a, b, cc, d, s, m}, kRaisonSurArete, "M", "AB"},
        {{a, b, cc, d, s, a2}, kRaisonSommetsConfondus, "A", "P"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom1);
        nomErreur1().clear();
        const int q =
            ajoute(kNaturePolyedreConvexe, c::kPolyedreConvexe, "Q", std::vector<double>{}, k.sommets);
        calculeDonneesPolyedre(f, q);
        EXPECT_EQ(f.objets[q].nonDefini, 1);
        EXPECT_EQ(f.objets[q].raison, k.raison);
        EXPECT_EQ(nomErreur1(), k.nom1);
        std::string deux = nomErreur2();
        if (deux.size() == 2 && deux[0] > deux[1]) std::swap(deux[0], deux[1]);
        EXPECT_EQ(deux, k.nom2);
    }
    // The centre of a cube: "#2" names every vertex that belongs to an edge.
    const int q = cubeUnite();
    const int o = point("O", 0.5, 0.5, 0.5);
    std::vector<int> sommets;
    for (int k = 1; k <= 8; ++k)
        sommets.push_back(parentObjet(f, q, k));
    sommets.push_back(o);
    const int r = ajoute(kNaturePolyedreConvexe, c::kPolyedreConvexe, "R", std::vector<double>{}, sommets);
    calculeDonneesPolyedre(f, r);
    EXPECT_EQ(f.objets[r].raison, kRaisonInterieurPolyedre);
    EXPECT_EQ(nomErreur1(), "O");
    EXPECT_EQ(nomErreur2(), "ABCDEFGH");
}

TEST_F(ConstructionsPolyedres, SectionDUnCube) {
    const int q = cubeUnite();
    struct Cas {
        double z1, z2, z3; // heights of the plane over (0,0), (1,0), (0,1)
        uint16_t raison;
        int sommets;
        double aire;
    } cas[] = {
        {0.5, 0.5, 0.5, 0, 4, 1},                    // horizontal square
        {0, 0.5, 0.5, 0, 4, std::sqrt(1.5)},         // a rhombus through two opposite corners
        {2, 2, 2, kRaisonSectionVide, 0, 0},         // misses the cube
        {0.5, 0.5, 0.5, kRaisonPlanNonValide, 0, 0}, // three aligned points
    };
    for (const auto& k : cas) {
        const int p1 = point("I", 0, 0, k.z1);
        const int p2 = point("J", 1, 0, k.z2);
        const int p3 = k.raison == kRaisonPlanNonValide ? point("K", 2, 0, k.z3) : point("K", 0, 1, k.z3);
        const int s = ajoute(kNaturePolygoneConvexe, c::kSectionPolyedre, "s", {}, {q, p1, p2, p3});
        calculeDonneesPolyedre(f, s);
        EXPECT_EQ(f.objets[s].raison, k.raison);
        if (k.raison) {
            EXPECT_EQ(f.objets[s].nonDefini, 1);
            continue;
        }
        ASSERT_EQ(f.objets[s].nonDefini, 0);
        EXPECT_EQ(polyedre(s).nombreSommets, k.sommets);
        EXPECT_NEAR(aireSolide(f, s), k.aire, 1e-9);
        EXPECT_NEAR(volumeSolide(f, s), 0, 1e-9);
    }
}

TEST_F(ConstructionsPolyedres, DemiEspace) {
    const int q = cubeUnite();
    struct Cas {
        double hauteur; // the bounding plane z = hauteur
        double zPoint;  // the side to keep
        uint16_t raison;
        double volume;
    } cas[] = {
        {0.25, 0, 0, 0.25},
        {0.25, 1, 0, 0.75},
        {2, 0, 0, 1},
        {1, 2, kRaisonDemiEspaceVide, 0},
        {0.5, 0.5, kRaisonDemiEspaceIndefini, 0},
    };
    for (const auto& k : cas) {
        const int p1 = point("I", 0, 0, k.hauteur), p2 = point("J", 1, 0, k.hauteur);
        const int p3 = point("K", 0, 1, k.hauteur), m = point("M", 0.3, 0.3, k.zPoint);
        const int h =
            ajoute(kNaturePolyedreConvexe, c::kIntersectionPolyedreDemiEspace, "h", {}, {p1, p2, p3, m, q});
        calculeDonneesPolyedre(f, h);
        EXPECT_EQ(f.objets[h].raison, k.raison) << k.hauteur << " " << k.zPoint;
        if (k.raison) continue;
        ASSERT_EQ(f.objets[h].nonDefini, 0);
        EXPECT_NEAR(volumeSolide(f, h), k.volume, 1e-9);
        verifieEnveloppe(polyedre(h), {});
    }
}

TEST_F(ConstructionsPolyedres, IntersectionDeDeuxPolyedres) {
    const int q = cubeUnite();
    // A second cube moved by (0.5, 0.5, 0.5) by a transformation (t + R p),
    // then a far one.
    auto translation = [&](double t) {
        return ajoute(kNatureTransformation, 1, "t", {t, 1, 0, 0, t, 0, 1, 0, t, 0, 0, 1});
    };
    const int t1 = translation(0.5), t2 = translation(3);
    const int q1 = ajoute(kNaturePolyedreConvexe, c::kImagePolyedre, "R", {}, {q, t1});
    const int q2 = ajoute(kNaturePolyedreConvexe, c::kImagePolyedre, "S", {}, {q, t2});
    calculeDonneesPolyedre(f, q1);
    calculeDonneesPolyedre(f, q2);
    ASSERT_EQ(f.objets[q1].nonDefini, 0);
    EXPECT_NEAR(polyedre(q1).centreGravite.x, 1, 1e-12);

    struct Cas {
        int a, b;
        uint16_t raison;
        double volume;
    } cas[] = {{q, q1, 0, 0.125}, {q, q, 0, 1}, {q, q2, kRaisonPolyedresDisjoints, 0}};
    for (const auto& k : cas) {
        const int i = ajoute(kNaturePolyedreConvexe, c::kIntersectionPolyedres, "I", {}, {k.a, k.b});
        calculeDonneesPolyedre(f, i);
        EXPECT_EQ(f.objets[i].raison, k.raison);
        if (k.raison) continue;
        ASSERT_EQ(f.objets[i].nonDefini, 0);
        EXPECT_EQ(polyedre(i).nombreSommets, 8);
        EXPECT_NEAR(volumeSolide(f, i), k.volume, 1e-9);
        verifieEnveloppe(polyedre(i), {});
    }
}

TEST_F(ConstructionsPolyedres, PolygoneRegulier) {
    const int o = point("O", 0, 0, 0), z = point("Z", 0, 0, 1), p = point("P", 2, 0, 5);
    struct Cas {
        double n;
        uint16_t raison;
        int sommets;
    } cas[] = {{6, 0, 6},
               {4.6, 0, 5},
               {4.4, kRaisonNombreSommets, 0},
               {41, kRaisonNombreSommets, 0},
               {2, kRaisonNombreSommets, 0}};
    for (const auto& k : cas) {
        const int g = ajoute(kNaturePolygoneConvexe, c::kPolygoneRegulier, "g", {k.n}, {o, z, p});
        calculeDonneesPolyedre(f, g);
        EXPECT_EQ(f.objets[g].raison, k.raison) << k.n;
        if (k.raison) continue;
        const TPolyedre& r = polyedre(g);
        ASSERT_EQ(r.nombreSommets, k.sommets);
        EXPECT_EQ(r.sommets[1].x, 2);
        EXPECT_EQ(r.sommets[1].z, 5);
        // Area and perimeter of a regular n-gon of circumradius 2.
        const double n = k.sommets;
        EXPECT_NEAR(aireSolide(f, g), n / 2 * 4 * std::sin(2 * std::numbers::pi / n), 1e-9);
        EXPECT_NEAR(perimetrePolygone(r), 2 * n * 2 * std::sin(std::numbers::pi / n), 1e-9);
    }
    // The first vertex on the axis; an axis of two equal points.
    const int surAxe = ajoute(kNaturePolygoneConvexe, c::kPolygoneRegulier, "g", {5}, {o, z, z});
    calculeDonneesPolyedre(f, surAxe);
    EXPECT_EQ(f.objets[surAxe].raison, kRaisonPointSurAxe);
    const int axeNul = ajoute(kNaturePolygoneConvexe, c::kPolygoneRegulier, "g", {5}, {o, o, p});
    calculeDonneesPolyedre(f, axeNul);
    EXPECT_EQ(f.objets[axeNul].raison, kRaisonPointsConfondus);
}

TEST_F(ConstructionsPolyedres, PrismeEtPyramideReguliers) {
    const int o = point("O", 0, 0, 0), z = point("Z", 0, 0, 1), p = point("P", 1, 0, 0);
    struct Cas {
        uint8_t code;
        double n, hauteur;
        int V, E, F;
        double volume;
    } cas[] = {
        {c::kPyramideReguliere, 4, 3, 5, 8, 5, 2.0 * 3 / 3}, // square of diagonal 2: area 2
        {c::kPrismeRegulier, 4, 3, 8, 12, 6, 2.0 * 3},
        {c::kPrismeRegulier, 6, 1, 12, 18, 8, 3 * std::sqrt(3.0) / 2},
    };
    for (const auto& k : cas) {
        const int s = ajoute(kNaturePolyedreConvexe, k.code, "s", {0, k.n, k.hauteur}, {o, z, p});
        calculeDonneesPolyedre(f, s);
        ASSERT_EQ(f.objets[s].nonDefini, 0) << f.objets[s].raison;
        const TPolyedre& r = polyedre(s);
        EXPECT_EQ(r.nombreSommets, k.V);
        EXPECT_EQ(r.nombreAretes, k.E);
        EXPECT_EQ(r.nombreFaces, k.F);
        EXPECT_NEAR(volumeSolide(f, s), k.volume, 1e-9);
        verifieEnveloppe(r, {});
    }
}

// The checks of a regular polygon, prism or pyramid come in one order: the
// axis, the side count, then the first vertex off the axis; the first that
// fails gives the reason.
TEST_F(ConstructionsPolyedres, RegularSolidsCheckTheAxisThenTheSideCountThenTheVertex) {
    const int o = point("O", 0, 0, 0), z = point("Z", 0, 0, 1), p = point("P", 1, 0, 0);
    struct Cas {
        double n;
        int axe1, axe2, sommet;
        uint16_t raison;
    } cas[] = {
        {2, o, z, z, kRaisonNombreSommets},  // vertex on the axis, two sides
        {41, o, z, o, kRaisonNombreSommets}, // vertex on the axis, 41 sides
        {5, o, z, z, kRaisonPointSurAxe},
        {2, o, o, z, kRaisonPointsConfondus}, // no axis, two sides, vertex on it
        {2, o, z, p, kRaisonNombreSommets},
    };
    for (const uint8_t code : {c::kPolygoneRegulier, c::kPrismeRegulier, c::kPyramideReguliere})
        for (const auto& k : cas) {
            const bool polygone = code == c::kPolygoneRegulier;
            const std::vector<double> valeurs =
                polygone ? std::vector<double>{k.n} : std::vector<double>{0, k.n, 2};
            const int s = ajoute(polygone ? kNaturePolygoneConvexe : kNaturePolyedreConvexe, code, "s",
                                 valeurs, std::vector<int>{k.axe1, k.axe2, k.sommet});
            calculeDonneesPolyedre(f, s);
            EXPECT_EQ(f.objets[s].nonDefini, 1);
            EXPECT_EQ(f.objets[s].raison, k.raison) << int(code) << " n=" << k.n;
        }
}

TEST_F(ConstructionsPolyedres, EnveloppeDePointsEtDePolyedres) {
    const int q = cubeUnite();
    const int s = point("S", 0.5, 0.5, 2), m = point("M", 0.5, 0.5, 0.5);
    const int e = ajoute(kNaturePolyedreConvexe, c::kPolyedreEnveloppe, "e", {}, {q, s, m});
    calculeDonneesPolyedre(f, e);
    ASSERT_EQ(f.objets[e].nonDefini, 0) << f.objets[e].raison;
    EXPECT_EQ(polyedre(e).nombreSommets, 9);
    EXPECT_NEAR(volumeSolide(f, e), 1 + 1.0 / 3, 1e-9);

    const int a = point("A", 0, 0, 0), b = point("B", 1, 0, 0);
    const int deux = ajoute(kNaturePolygoneConvexe, c::kPolygoneEnveloppe, "d", {}, {a, b});
    calculeDonneesPolyedre(f, deux);
    EXPECT_EQ(f.objets[deux].raison, kRaisonSommetsAlignes);
}

TEST_F(ConstructionsPolyedres, AuDelaDe160Sommets) {
    std::vector<int> s;
    const int q = cubeUnite();
    for (int k = 0; k < 21; ++k)
        s.push_back(q); // 21 cubes: 168 vertices
    const int e = ajoute(kNaturePolyedreConvexe, c::kPolyedreEnveloppe, "e", std::vector<double>{}, s);
    calculeDonneesPolyedre(f, e);
    EXPECT_EQ(f.objets[e].raison, kRaisonTropDeSommets);
}

} // namespace
