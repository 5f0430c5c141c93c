#include <gtest/gtest.h>

#include <random>

#include "aides_vues.h"

using namespace km32;
using namespace km32::essais;
namespace c = km32::construction;

namespace {

// Axis from (0, 0, 0) to (0, 0, 2): a cylinder of radius 1, a cone of radius
// 1 with its apex at the top, a frustum of radii 1 and 0.5.
struct SceneRonde : FigureVue {
    int s = 0;
    explicit SceneRonde(int genre) {
        const int b = point("B", 0, 0, 0), h = point("H", 0, 0, 2);
        if (genre == 0) s = ajoute(kNatureCylindre, c::kCylindre, "Y", {1}, {b, h});
        if (genre == 1) s = ajoute(kNatureCone, c::kCone, "K", {1}, {h, b});
        if (genre == 2) s = ajoute(kNatureTroncDeCone, c::kTroncDeCone, "T", {1, 0.5}, {b, h});
        calculeDonneesSolideRond(f, s);
        remplit(s);
    }
    const TDonneesSolideRond& rond() { return solideRondDe(donneesPolyedreObjet(f, s)); }
};

// Hidden in model space, found without the view data: inside the solid, or
// the line of sight towards the viewer meets it.
bool cacheParRayon(const TDonneesSolideRond& r, const Tvecteur3& X, const Tvecteur3& d) {
    if (pointDansSolideRondModele(r, X.x, X.y, X.z)) return true;
    double x1 = X.x, y1 = X.y, z1 = X.z, x2 = X.x + 20 * d.x, y2 = X.y + 20 * d.y, z2 = X.z + 20 * d.z;
    bool vide = true;
    coupeSegmentSolideRond(r, x1, y1, z1, x2, y2, z2, vide);
    return !vide;
}

// The same answer all around the point: it is not on the boundary.
bool stable(const TDonneesSolideRond& r, const Tvecteur3& X, const Tvecteur3& d, bool& cache) {
    cache = cacheParRayon(r, X, d);
    const double m = 0.04;
    const Tvecteur3 decalages[] = {{m, 0, 0}, {-m, 0, 0}, {0, m, 0}, {0, -m, 0}, {0, 0, m}, {0, 0, -m}};
    for (const auto& e : decalages)
        if (cacheParRayon(r, {X.x + e.x, X.y + e.y, X.z + e.z}, d) != cache) return false;
    return true;
}

const double kVues[][3] = {
    {0, 0, 0},   // axis across the view
    {0, 90, 0},  // seen along the axis from above
    {0, -90, 0}, // from below
    {-20, 25, 0}, {30, -50, 10}, {10, 70, 0}, {45, -15, 0}, {-60, 80, 20},
};

// Runs the check on each of the three solids seen from each view, with the
// view's visible solids prepared.
template <class Verifie> void pourChaqueSolideEtVue(Verifie verifie) {
    for (int genre = 0; genre < 3; ++genre) {
        SceneRonde scene(genre);
        for (const auto& a : kVues) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << genre << " view " << a[0] << " " << a[1] << " " << a[2]);
            scene.vue(radians(a[0]), radians(a[1]), radians(a[2]));
            preparePolyedresVisibles(scene.f);
            verifie(scene, genre, a);
        }
    }
}

TEST(VueSolidesRonds, PointCacheCommeLeRayonDeVisee) {
    std::mt19937 gen(3);
    std::uniform_real_distribution<double> u(-2.5, 2.5), uz(-1.5, 3.5);
    pourChaqueSolideEtVue([&](SceneRonde& scene, int, const double*) {
        ASSERT_EQ(scene.f.nombrePolyedresVisibles, 1);
        const Tvecteur3 d = directionVisee(scene.f);
        int caches = 0, erreurs = 0;
        for (int k = 0; k < 2000; ++k) {
            const Tvecteur3 X = {u(gen), u(gen), uz(gen)};
            bool attendu = false;
            if (!stable(scene.rond(), X, d, attendu)) continue;
            const bool obtenu =
                pointDansSolideRond(scene.rond(), X.x * kEchelle, X.y * kEchelle, X.z * kEchelle);
            caches += attendu;
            if (obtenu != attendu && ++erreurs <= 3)
                ADD_FAILURE() << X.x << " " << X.y << " " << X.z << " expected " << attendu;
        }
        EXPECT_GT(caches, 50);
    });
}

TEST(VueSolidesRonds, SegmentCacheContientSesPointsCaches) {
    // Every point of a segment that the point test finds hidden lies in the
    // hidden interval of the segment, and the interval ends are hidden
    // points or near them.
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> u(-3, 3), uz(-2, 4);
    pourChaqueSolideEtVue([&](SceneRonde& scene, int, const double*) {
        const TDonneesSolideRond& r = scene.rond();
        int erreurs = 0;
        for (int k = 0; k < 300; ++k) {
            const Tvecteur3 P = {u(gen) * kEchelle, u(gen) * kEchelle, uz(gen) * kEchelle};
            const Tvecteur3 Q = {u(gen) * kEchelle, u(gen) * kEchelle, uz(gen) * kEchelle};
            const Tvecteur3 D = {Q.x - P.x, Q.y - P.y, Q.z - P.z};
            double ta = 0, tb = 1;
            const bool cache = partiesCacheesSolideRond(r, P, D, ta, tb);
            for (int j = 0; j <= 200; ++j) {
                const double t = j / 200.0;
                if (!pointDansSolideRond(r, P.x + t * D.x, P.y + t * D.y, P.z + t * D.z)) continue;
                if ((!cache || t < ta - 1e-9 || t > tb + 1e-9) && ++erreurs <= 3)
                    ADD_FAILURE() << "hidden point outside the interval, t = " << t;
            }
        }
    });
}

TEST(VueSolidesRonds, GeneratricesDuContour) {
    // The contour touches each base where the plane through the apex and the
    // tangent of the base circle contains the viewing direction; for a
    // cylinder the tangent points lie across the axis, perpendicular to the view.
    pourChaqueSolideEtVue([&](SceneRonde& scene, int genre, const double* a) {
        const TDonneesSolideRond& r = scene.rond();
        const TVueSolideRond& v = r.vue;
        if (v.sansContour || v.selonVue) return;
        const Tvecteur3 d = directionVisee(scene.f);
        for (int k = 0; k < 2; ++k) {
            const Tvecteur3 T = v.tangenteBase[k];
            EXPECT_NEAR(std::hypot(T.x, T.y), 1, 1e-9);
            EXPECT_NEAR(T.z, 0, 1e-9);
            // Tangent of the base circle at T, and the generator towards the top.
            const Tvecteur3 tangente = {-T.y, T.x, 0};
            const Tvecteur3 G = {v.tangentePetite[k].x - T.x, v.tangentePetite[k].y - T.y,
                                 v.tangentePetite[k].z - T.z};
            EXPECT_NEAR(determinant3(G.x, G.y, G.z, tangente.x, tangente.y, tangente.z, d.x, d.y, d.z), 0,
                        1e-9);
            EXPECT_NEAR(v.tangentePetite[k].z, 2, 1e-9);
            const double rayonHaut = genre == 0 ? 1 : genre == 1 ? 0 : 0.5;
            EXPECT_NEAR(std::hypot(v.tangentePetite[k].x, v.tangentePetite[k].y), rayonHaut, 1e-9);
        }
        if (genre == 0) {
            // Seen across the axis (first view) the contour is at y = +-1.
            if (a[0] == 0 && a[1] == 0) {
                EXPECT_NEAR(std::fabs(v.tangenteBase[0].y), 1, 1e-12);
            }
        }
    });
}

TEST(VueSolidesRonds, VueSelonLAxe) {
    SceneRonde scene(1);
    scene.vue(0, radians(90), 0);
    preparePolyedresVisibles(scene.f);
    const TVueSolideRond& v = scene.rond().vue;
    EXPECT_EQ(v.selonVue, 1);
    EXPECT_EQ(v.sansContour, 1);
    EXPECT_EQ(v.cosinus, 1);
    EXPECT_EQ(v.sinus, 0);
}

TEST(VueSolidesRonds, GeneratricesEtBasesDeLObjet) {
    // A cylinder seen from a little below, with a cube in front of part of it:
    // the generator behind the cube gets a hidden piece, the base rim turned
    // away from the viewer is hidden by the cylinder itself on its back half.
    SceneRonde scene(0);
    scene.vue(0, radians(-30), 0); // looking slightly from below: the base at z = 0 faces the viewer
    const int q = scene.cubeUnite();
    TPolyedre& p = scene.polyedre(q);
    for (int k = 1; k <= p.nombreSommets; ++k)
        p.sommets[k] = {p.sommets[k].x + 2, p.sommets[k].y - 1.5, p.sommets[k].z - 0.9};
    for (int k = 1; k <= p.nombreFaces; ++k)
        p.faces[k].plan.d -= p.faces[k].plan.a * 2 - p.faces[k].plan.b * 1.5 + p.faces[k].plan.c * -0.9;
    p.centreGravite = {2.5, -1, -0.4};
    preparePolyedresVisibles(scene.f);
    ASSERT_EQ(scene.f.nombrePolyedresVisibles, 2);
    ASSERT_FALSE(scene.rond().vue.versObservateur == 0);

    TElementSolideVue e;
    e.nombreGeneratrices = 2;
    e.debutsGeneratrices[0] = entier(0, -1, 0);
    e.finsGeneratrices[0] = entier(0, -1, 2);
    e.debutsGeneratrices[1] = entier(0, 1, 0);
    e.finsGeneratrices[1] = entier(0, 1, 2);
    // The two bases, sampled.
    e.lignes.resize(2);
    for (int b = 0; b < 2; ++b)
        for (int k = 0; k <= 40; ++k) {
            const double t = 2 * std::numbers::pi * k / 40;
            e.lignes[b].points.push_back({uint8_t(k == 0), entier(std::cos(t), std::sin(t), 2.0 * b)});
        }
    partiesVisiblesSolideRond(scene.f, scene.s, e);
    // Seen along (cos 30, 0, -sin 30), the cube (x from 2 to 3, z from -0.9 to
    // 0.1) hides the generator y = -1 from z = -0.9 + 2 tan 30 to 0.1 + 3 tan 30.
    EXPECT_EQ(e.partiesGeneratrices[0].nombre, 3);
    EXPECT_EQ(e.partiesGeneratrices[1].nombre, 1);
    EXPECT_EQ(e.partiesGeneratrices[1].commenceCache, 0);
    const Tvecteur3 d = directionVisee(scene.f);
    for (int b = 0; b < 2; ++b) {
        ASSERT_EQ(e.lignes[b].ecran.size(), 41u);
        for (int k = 0; k <= 40; ++k) {
            const double t = 2 * std::numbers::pi * k / 40;
            // The far half of the top rim (turned away) lies behind the cylinder.
            const double profondeur = std::cos(t) * d.x + std::sin(t) * d.y;
            if (b == 0 || std::fabs(profondeur) < 0.2) {
                if (b == 0 && std::sin(t) > 0) {
                    EXPECT_FALSE(pointEcranCache(e.lignes[b].ecran[k])) << k;
                }
                continue;
            }
            EXPECT_EQ(pointEcranCache(e.lignes[b].ecran[k]), profondeur < 0) << "top rim point " << k;
        }
    }
}

} // namespace
