#include "aides_solides.h"

#include <numbers>

#include "model/constructions_codes.h"
#include "model/solides/mesures_solides.h"
#include "model/solides/solides_ronds.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

constexpr double pi = std::numbers::pi;

class SolidesRonds : public ::testing::Test, public FigureSolides {
  protected:
    // Solids on the z axis, base at the origin.
    int cylindre(double R, double H) {
        const int a = point("A", 0, 0, 0), b = point("B", 0, 0, H);
        return calcule(ajoute(kNatureCylindre, c::kCylindre, "c", {R}, {a, b}));
    }
    int cone(double R, double H) {
        const int s = point("S", 0, 0, H), o = point("O", 0, 0, 0);
        return calcule(ajoute(kNatureCone, c::kCone, "k", {R}, {s, o}));
    }
    int tronc(double R, double r, double H) {
        const int a = point("A", 0, 0, 0), b = point("B", 0, 0, H);
        return calcule(ajoute(kNatureTroncDeCone, c::kTroncDeCone, "t", {R, r}, {a, b}));
    }
    int calcule(int i) {
        calculeDonneesSolideRond(f, i);
        return i;
    }
    const TDonneesSolideRond& rond(int i) { return solideRondDe(donneesPolyedreObjet(f, i)); }
};

TEST_F(SolidesRonds, VolumesEtAires) {
    struct Cas {
        const char* nom;
        int objet;
        double volume, aire;
    } cas[] = {
        {"cylinder r1 h1", cylindre(1, 1), pi, 4 * pi},
        {"cylinder r2 h3", cylindre(2, 3), 12 * pi, 2 * pi * 2 * 5},
        {"cone r1 h3", cone(1, 3), pi, pi + pi * std::sqrt(10.0)},
        {"cone r3 h4", cone(3, 4), 12 * pi, 9 * pi + 15 * pi},
        // The cone of height 2 and radius 2 cut at half height.
        {"frustum", tronc(2, 1, 1), 7 * pi / 3, 5 * pi + 3 * pi * std::sqrt(2.0)},
        {"frustum given upside down", tronc(1, 2, 1), 7 * pi / 3, 5 * pi + 3 * pi * std::sqrt(2.0)},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        ASSERT_EQ(f.objets[k.objet].nonDefini, 0);
        EXPECT_NEAR(volumeSolide(f, k.objet), k.volume, 1e-9);
        EXPECT_NEAR(aireSolide(f, k.objet), k.aire, 1e-9);
    }
}

TEST_F(SolidesRonds, RayonsEtHauteurRefuses) {
    struct Cas {
        int objet;
        uint16_t raison;
    } cas[] = {
        {cylindre(0, 1), kRaisonRayonNonPositif},
        {cylindre(-1, 1), kRaisonRayonNonPositif},
        {cone(1, 0), kRaisonHauteurNonPositive},
        {tronc(2, -1, 1), kRaisonRayonNonPositif},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(f.objets[k.objet].nonDefini, 1);
        EXPECT_EQ(f.objets[k.objet].raison, k.raison);
    }
}

TEST_F(SolidesRonds, UniteDeLongueur) {
    // A unit of length of 2: the radius doubles, the volume quadruples.
    const int u = ajoute(kNatureUniteDeLongueur, 1, "u", {2, 2, 0, 0});
    const int a = point("A", 0, 0, 0), b = point("B", 0, 0, 1);
    const int i = ajoute(kNatureCylindre, c::kCylindre, "c", {1}, {a, b});
    f.objets[i].uniteLongueur = uint8_t(u);
    calcule(i);
    EXPECT_NEAR(volumeSolide(f, i), 4 * pi, 1e-9);
}

TEST_F(SolidesRonds, PointsInterieurs) {
    const int cy = cylindre(1, 2), co = cone(1, 2), tr = tronc(2, 1, 1);
    struct Cas {
        int objet;
        double x, y, z;
        bool dedans;
    } cas[] = {
        // On the axis at half height.
        {cy, 0, 0, 1, true},
        {co, 0, 0, 1, true},
        {tr, 0, 0, 0.5, true},
        // Just beyond the base plane: 1e-7 is inside, 1e-5 outside.
        {cy, 0, 0, -1e-7, true},
        {cy, 0, 0, -1e-5, false},
        {co, 0.2, 0, -1e-7, true},
        {co, 0.2, 0, -1e-5, false},
        {tr, 0, 0, 1 + 1e-5, false},
        // Across the axis: the cone's radius at height 1 is 0.5.
        {cy, 0.99, 0, 1, true},
        {cy, 1.01, 0, 1, false},
        {co, 0, 0.49, 1, true},
        {co, 0, 0.51, 1, false},
        {tr, 1.49, 0, 0.5, true},
        {tr, 1.51, 0, 0.5, false},
    };
    for (const auto& k : cas)
        EXPECT_EQ(pointDansSolide(f, k.objet, k.x, k.y, k.z), k.dedans)
            << k.objet << " (" << k.x << ", " << k.y << ", " << k.z << ")";
}

struct Coupe {
    const char* cas;
    Tvecteur3 p1, p2;
    bool vide;
    Tvecteur3 q1, q2; // the part inside
};

void verifieCoupes(const TfigureKalmetra& f, int objet, const std::vector<Coupe>& cas) {
    for (const auto& k : cas) {
        SCOPED_TRACE(k.cas);
        double x1 = k.p1.x, y1 = k.p1.y, z1 = k.p1.z, x2 = k.p2.x, y2 = k.p2.y, z2 = k.p2.z;
        bool vide = false;
        coupeSegmentAuSolide(f, objet, x1, y1, z1, x2, y2, z2, vide);
        EXPECT_EQ(vide, k.vide);
        if (k.vide) continue;
        EXPECT_NEAR(x1, k.q1.x, 1e-9);
        EXPECT_NEAR(y1, k.q1.y, 1e-9);
        EXPECT_NEAR(z1, k.q1.z, 1e-9);
        EXPECT_NEAR(x2, k.q2.x, 1e-9);
        EXPECT_NEAR(y2, k.q2.y, 1e-9);
        EXPECT_NEAR(z2, k.q2.z, 1e-9);
    }
}

TEST_F(SolidesRonds, CoupeDeSegmentsCylindre) {
    verifieCoupes(
        f, cylindre(1, 2),
        {
            {"across", {-3, 0, 1}, {3, 0, 1}, false, {-1, 0, 1}, {1, 0, 1}},
            {"along the axis", {0, 0, -1}, {0, 0, 5}, false, {0, 0, 0}, {0, 0, 2}},
            {"slanted through both bases", {0, 0, -1}, {0.4, 0, 3}, false, {0.1, 0, 0}, {0.3, 0, 2}},
            {"through the side and a base", {-2, 0, 0.5}, {0, 0, 2.5}, false, {-1, 0, 1.5}, {-0.5, 0, 2}},
            {"misses", {-3, 2, 1}, {3, 2, 1}, true, {}, {}},
            {"above", {-3, 0, 3}, {3, 0, 3}, true, {}, {}},
            {"wholly inside", {0, 0, 0.5}, {0.5, 0, 1.5}, false, {0, 0, 0.5}, {0.5, 0, 1.5}},
        });
}

TEST_F(SolidesRonds, CoupeDeSegmentsConeEtTronc) {
    // Cone of radius 1 and height 2: radius (2 - z) / 2 at height z.
    verifieCoupes(
        f, cone(1, 2),
        {
            {"across at height 1", {-3, 0, 1}, {3, 0, 1}, false, {-0.5, 0, 1}, {0.5, 0, 1}},
            {"slanted across", {-2, 0, 1}, {2, 0, 0}, false, {-2.0 / 3, 0, 2.0 / 3}, {6.0 / 7, 0, 2.0 / 7}},
            {"along the axis through the apex", {0, 0, -1}, {0, 0, 5}, false, {0, 0, 0}, {0, 0, 2}},
            {"misses", {-3, 0.9, 1}, {3, 0.9, 1}, true, {}, {}},
        });
    // Frustum of radii 2 and 1, height 1 (apex of the complete cone at 2).
    verifieCoupes(
        f, tronc(2, 1, 1),
        {
            {"across at half height", {-3, 0, 0.5}, {3, 0, 0.5}, false, {-1.5, 0, 0.5}, {1.5, 0, 0.5}},
            {"vertical near the side", {1.2, 0, -1}, {1.2, 0, 3}, false, {1.2, 0, 0}, {1.2, 0, 0.8}},
        });
}

TEST_F(SolidesRonds, CoupeDeSegmentsCubeEtSphere) {
    const auto v = cube(2);
    std::vector<int> s;
    for (const auto& p : v)
        s.push_back(point("P", p.x, p.y, p.z));
    const int q = ajoute(kNaturePolyedreConvexe, c::kPolyedreConvexe, "Q", std::vector<double>{}, s);
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    remplit(polyedre(q), v);
    enveloppeConvexe3D(polyedre(q), nonDefini, raison);
    ASSERT_EQ(nonDefini, 0);
    EXPECT_TRUE(pointDansSolide(f, q, 1, 1, 1));
    EXPECT_TRUE(pointDansSolide(f, q, 2, 2, 2));
    EXPECT_FALSE(pointDansSolide(f, q, 2.001, 1, 1));
    verifieCoupes(f, q,
                  {
                      {"across", {-1, 1, 1}, {3, 1, 1}, false, {0, 1, 1}, {2, 1, 1}},
                      {"diagonal", {-1, -1, -1}, {3, 3, 3}, false, {0, 0, 0}, {2, 2, 2}},
                      {"enters and stays", {1, 1, 3}, {1, 1, 1}, false, {1, 1, 2}, {1, 1, 1}},
                      {"slanted", {-1, 0.5, 1}, {1, 1.5, 1}, false, {0, 1, 1}, {1, 1.5, 1}},
                      {"misses", {-1, 3, 1}, {3, 3, 1}, true, {}, {}},
                      {"parallel outside a face", {-1, 1, 2.5}, {3, 1, 2.5}, true, {}, {}},
                  });

    const int sp = ajoute(kNatureSphere, 172, "s", {1, 2, 3, 2});
    calculeDonneesSphere(f, sp);
    EXPECT_TRUE(pointDansSolide(f, sp, 1, 2, 5));
    EXPECT_FALSE(pointDansSolide(f, sp, 1, 2, 5.01));
    EXPECT_NEAR(volumeSolide(f, sp), 32 * pi / 3, 1e-9);
    EXPECT_NEAR(aireSolide(f, sp), 16 * pi, 1e-9);
    verifieCoupes(
        f, sp,
        {
            {"through the centre", {1, 2, -5}, {1, 2, 5}, false, {1, 2, 1}, {1, 2, 5}},
            // At distance 1 from the centre the chord's half-length is sqrt 3.
            {"chord", {-5, 3, 3}, {5, 3, 3}, false, {1 - std::sqrt(3.0), 3, 3}, {1 + std::sqrt(3.0), 3, 3}},
            {"starts inside", {1, 2, 3}, {5, 2, 3}, false, {1, 2, 3}, {3, 2, 3}},
            {"misses", {-5, 5, 3}, {5, 5, 3}, true, {}, {}},
            {"wholly inside", {1, 2, 2}, {1, 2, 4}, false, {1, 2, 2}, {1, 2, 4}},
        });
}

TEST_F(SolidesRonds, Cercle) {
    // The circle of centre (0, 0, 1), radius 2, in the plane z = 1.
    const int k = ajoute(kNatureCercle, 146, "c", {0, 0, 1, 0, 0, 1, 2, 2, 0, 1});
    calculeDonneesCercle(f, k);
    EXPECT_NEAR(aireSolide(f, k), 4 * pi, 1e-12);
    EXPECT_EQ(volumeSolide(f, k), 0);
    EXPECT_TRUE(pointDansSolide(f, k, 1, 1, 1));
    EXPECT_FALSE(pointDansSolide(f, k, 1, 1, 1.001));
    verifieCoupes(f, k,
                  {
                      {"in its plane", {-5, 0, 1}, {5, 0, 1}, false, {-2, 0, 1}, {2, 0, 1}},
                      {"off its plane", {-5, 0, 1}, {5, 0, 2}, true, {}, {}},
                  });
}

} // namespace
