// Drawing data of objects against closed-form geometry: clipping to the
// figure's box, circle samples, hatching and its abandon rules, graduation
// marks, capacities.
#include <cmath>
#include <numbers>

#include "banc_dessin.h"

namespace km32::essais {
namespace {

namespace c = construction;

using DonneesDessin = BancDessin;

// The part of P + t D inside the box [-50, 50]^3, by the slab method.
bool intervalleDansBoite(P3 P, P3 D, double& t0, double& t1) {
    t0 = -1e300;
    t1 = 1e300;
    const double p[3] = {P.x, P.y, P.z}, d[3] = {D.x, D.y, D.z};
    for (int k = 0; k < 3; ++k) {
        if (d[k] == 0) {
            if (p[k] < -50 || p[k] > 50) return false;
            continue;
        }
        double a = (-50 - p[k]) / d[k], b = (50 - p[k]) / d[k];
        if (a > b) std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    }
    return t0 <= t1;
}

void attendEntier(const TpointEntier& a, const TpointEntier& b, int tolerance = 1) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

TEST_F(DonneesDessin, SegmentInsideTheBoxKeepsItsEndsInIntegerUnits) {
    const int s = segment({1, -2, 3.5}, {-4, 5, 0.25});
    construitElementSolide(f, s);
    ASSERT_NE(donnees(s), nullptr);
    EXPECT_EQ(donnees(s)->genre, kElementSegment);
    attendEntier(donnees(s)->a, {10240, -20480, 35840}, 0);
    attendEntier(donnees(s)->b, {-40960, 51200, 2560}, 0);
}

TEST_F(DonneesDessin, SegmentsAndLinesAreCutOnTheFacesOfTheBox) {
    const struct {
        bool droite;
        P3 p, q; // segment ends, or point and direction
    } cas[] = {
        {false, {0, 0, 0}, {80, 10, 0}},     // crosses x = 50
        {false, {-70, -70, 1}, {70, 60, 2}}, // crosses two faces
        {true, {1, 2, 3}, {0, 1, 0}},        // parallel to y
        {true, {0, 0, 0}, {1, 1, 0}},        // |Dx| = |Dy|: cut along y
        {true, {10, -20, 5}, {0.3, -0.2, 0.9}}, {true, {40, 40, 0}, {1, -1, 0.5}},
    };
    for (const auto& k : cas) {
        const int n = k.droite ? droiteDirigee(k.p, k.q) : segment(k.p, k.q);
        construitElementSolide(f, n);
        ASSERT_NE(donnees(n), nullptr);
        const P3 D = k.droite ? k.q : P3{k.q.x - k.p.x, k.q.y - k.p.y, k.q.z - k.p.z};
        double t0, t1;
        ASSERT_TRUE(intervalleDansBoite(k.p, D, t0, t1));
        if (!k.droite) {
            t0 = std::max(t0, 0.0);
            t1 = std::min(t1, 1.0);
        }
        const P3 a{k.p.x + t0 * D.x, k.p.y + t0 * D.y, k.p.z + t0 * D.z};
        const P3 b{k.p.x + t1 * D.x, k.p.y + t1 * D.y, k.p.z + t1 * D.z};
        // The ends come in the order of the cut, either way round.
        const bool direct = std::abs(donnees(n)->a.x - entier(a).x) +
                                std::abs(donnees(n)->a.y - entier(a).y) +
                                std::abs(donnees(n)->a.z - entier(a).z) <=
                            6;
        attendEntier(donnees(n)->a, entier(direct ? a : b), 2);
        attendEntier(donnees(n)->b, entier(direct ? b : a), 2);
    }
}

TEST_F(DonneesDessin, WhatLiesOutsideTheBoxHasNoRecord) {
    const int s = segment({60, 0, 0}, {70, 10, 0});
    const int p = point(0, 50.001, 0);
    const int q = point(0, 49.999, 0);
    for (int n : {s, p, q})
        construitElementSolide(f, n);
    EXPECT_EQ(donnees(s), nullptr);
    EXPECT_EQ(donnees(p), nullptr);
    EXPECT_NE(donnees(q), nullptr);
}

TEST_F(DonneesDessin, CircleSamplesLieOnTheCircle) {
    const P3 C{1, 2, -3}, N{0, 0.6, 0.8}, E{1, 0, 0};
    const double r = 4;
    const int n = cercle(C, N, r, E);
    construitElementSolide(f, n);
    ASSERT_NE(donnees(n), nullptr);
    const auto& ligne = donnees(n)->ligne;
    // 500 r z = 200 steps: 201 points.
    ASSERT_EQ(ligne.size(), 201u);
    EXPECT_EQ(ligne[0].nouveauMorceau, 1);
    const double k = f.echelle;
    for (const TentreeLigne& e : ligne) {
        const double x = e.p.x - C.x * k, y = e.p.y - C.y * k, z = e.p.z - C.z * k;
        EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), r * k, 2);
        EXPECT_NEAR(x * N.x + y * N.y + z * N.z, 0, 2);
    }
}

TEST_F(DonneesDessin, CircleSampleCountsFollowTheZoom) {
    const struct {
        double r; // 500 r z = 50 r
        bool dessine;
        std::size_t points;
    } cas[] = {{0.02, false, 0}, {0.1, true, 11}, {1, true, 51}, {24, false, 0}};
    for (const auto& k : cas) {
        const int n = cercle({0, 0, 0}, {0, 0, 1}, k.r, {1, 0, 0});
        construitElementSolide(f, n);
        ASSERT_EQ(donnees(n) != nullptr, k.dessine) << k.r;
        if (k.dessine) {
            EXPECT_EQ(donnees(n)->ligne.size(), k.points);
        }
    }
}

TEST_F(DonneesDessin, CircleCrossingTheBoxBreaksIntoPieces) {
    // Centre on the face x = 50: the half beyond it is dropped.
    const int n = cercle({50, 0, 0}, {0, 0, 1}, 10, {0, 1, 0});
    construitElementSolide(f, n);
    ASSERT_NE(donnees(n), nullptr);
    int pieces = 0;
    for (const TentreeLigne& e : donnees(n)->ligne) {
        pieces += e.nouveauMorceau;
        EXPECT_LE(e.p.x, 50 * 10240);
    }
    EXPECT_EQ(pieces, 2);
}

TEST_F(DonneesDessin, HatchedCircleNeedsRoomForAChord) {
    // Hatching step h = 0.35.
    const struct {
        double r;
        uint16_t motif; // fill pattern bits 4-6
        bool dessine;
        int cordes;
    } cas[] = {
        {0.17, 2u << 4, false, 0}, // diameter 0.34 <= h
        {0.17, 1u << 4, true, 0},  // same circle, opaque
        {1.0, 2u << 4, true, 5},   // 2 / 0.35 = 5.7: 5 chords
        {1.05, 3u << 4, true, 5},  // 2.1 / 0.35 = 6 exactly: one less
        {10, 4u << 4, true, 48},   // 2r / h > 50: step 2r / 49, 49 steps fill 2r
    };
    for (const auto& k : cas) {
        const int n = cercle({0, 0, 0}, {0, 0, 1}, k.r, {1, 0, 0});
        f.objets[std::size_t(n)].style.drapeaux = k.motif;
        construitElementSolide(f, n);
        ASSERT_EQ(donnees(n) != nullptr, k.dessine) << k.r;
        if (!k.dessine) continue;
        const auto* v = donnees(n)->vue.get();
        const int cordes = (v && v->lignesSupplementaires) ? v->lignesSupplementaires->nombre : 0;
        EXPECT_EQ(cordes, k.cordes) << k.r;
        // Every chord end lies on the circle.
        for (int j = 0; j < cordes; ++j)
            for (const TpointEntier& p :
                 {v->lignesSupplementaires->debuts[j], v->lignesSupplementaires->fins[j]})
                EXPECT_NEAR(std::hypot(p.x, p.y), k.r * f.echelle, 2);
    }
}

TEST_F(DonneesDessin, GraduatedLineMarksFollowTheStep) {
    // Origin O, unit vector W, step s, range [m, M].
    const struct {
        double s, m, M;
        int marques;
        double premier;
    } cas[] = {
        {1, -3.5, 4.2, 8, -3}, // -3 .. 4
        {0.5, 1.2, 3, 4, 1.5}, // 1.5 .. 3
        {2, 5, -5, 5, -4},     // reversed range: -4 .. 4
        {0.1, 0, 5, 0, 0},     // (M - m) / s = 50: none
        {1e-11, 0, 1, 0, 0},   // step too small
        {0.2, -4.9, 4.9, 49, -4.8},
    };
    const P3 O{1, 2, 3}, W{0, 0.6, 0.8};
    for (const auto& k : cas) {
        const int n =
            ajoute(c::kDroiteMunieDuRepere, {}, {O.x, O.y, O.z, 0, 0, 0, W.x, W.y, W.z, k.s, k.m, k.M});
        construitElementSolide(f, n);
        ASSERT_NE(donnees(n), nullptr);
        EXPECT_EQ(donnees(n)->genre, kElementAxe);
        ASSERT_EQ(complementDe(*donnees(n)).nombreMarques, k.marques) << k.s;
        for (int j = 0; j < k.marques; ++j) {
            const double x = k.premier + j * k.s;
            attendEntier(complementDe(*donnees(n)).marques[std::size_t(j)],
                         entier({O.x + x * W.x, O.y + x * W.y, O.z + x * W.z}));
        }
    }
}

TEST_F(DonneesDessin, AxesOfTheFrameSpanTheirFixedRange) {
    // Object 9 (oy) is drawn over -0.47 / z .. 0.47 / z whatever its values.
    f.objets[1].style.drapeaux &= uint16_t(~kStyleNonDessine);
    construitElementSolide(f, 9);
    const TElementSolide* e = donnees(9);
    ASSERT_NE(e, nullptr);
    const double l = 0.47 / f.uniteSurPetiteDimension * f.echelle;
    EXPECT_NEAR(std::hypot(e->b.x - e->a.x, e->b.y - e->a.y, e->b.z - e->a.z), 2 * l, 4);
    // With the frame hidden the origin and axes have no record.
    f.objets[1].style.drapeaux |= kStyleNonDessine;
    construitElementSolide(f, 9);
    EXPECT_EQ(donnees(9), nullptr);
}

TEST_F(DonneesDessin, ColourSourceOutOfRangeDropsTheRecord) {
    const struct {
        double valeur;
        bool dessine;
    } cas[] = {{255.05, true}, {255.2, false}, {-0.05, true}, {-0.2, false}};
    for (const auto& k : cas) {
        const int rouge = ajoute(c::kReelLibre, {}, {k.valeur});
        const int s = segment({0, 0, 0}, {1, 1, 1});
        f.objets[std::size_t(s)].sourcesCouleur[0] = uint8_t(rouge);
        construitElementSolide(f, s);
        EXPECT_EQ(donnees(s) != nullptr, k.dessine) << k.valeur;
        if (k.dessine) {
            EXPECT_EQ(donnees(s)->couleur & 0xFF, k.valeur > 100 ? 255u : 0u);
        }
    }
}

TEST_F(DonneesDessin, UndefinedOrHiddenObjectsHaveNoRecord) {
    const int a = segment({0, 0, 0}, {1, 1, 1});
    const int b = segment({0, 0, 0}, {1, 1, 1});
    f.objets[std::size_t(a)].nonDefini = 1;
    f.objets[std::size_t(b)].style.drapeaux |= kStyleNonDessine;
    construitElementSolide(f, a);
    construitElementSolide(f, b);
    EXPECT_EQ(donnees(a), nullptr);
    EXPECT_EQ(donnees(b), nullptr);
}

TEST_F(DonneesDessin, CopyOfTheTableOwnsItsRecords) {
    const int n = cercle({0, 0, 0}, {0, 0, 1}, 1, {1, 0, 0});
    f.objets[std::size_t(n)].style.drapeaux = 2u << 4;
    construitElementSolide(f, n);
    std::unique_ptr<TtableElementsSolides> copie;
    copieTableElementsSolides(*f.tableElementsSolides, copie);
    const TElementSolide& a = *f.tableElementsSolides->elements[std::size_t(n)];
    const TElementSolide& b = *copie->elements[std::size_t(n)];
    EXPECT_NE(&a, &b);
    EXPECT_EQ(a.ligne.size(), b.ligne.size());
    ASSERT_TRUE(b.vue && b.vue->lignesSupplementaires);
    EXPECT_NE(a.vue->lignesSupplementaires.get(), b.vue->lignesSupplementaires.get());
    libereTableElementsSolides(copie);
    EXPECT_EQ(copie, nullptr);
}

} // namespace
} // namespace km32::essais
