#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "aides_vues.h"

using namespace km32;
using namespace km32::essais;

namespace {

// Whether t lies in a hidden piece of the working list.
bool cacheEn(const TsegmentCoupe& s, double t) {
    for (int k = 1; k <= s.dernier; ++k)
        if (t >= s.t[k - 1] && t <= s.t[k]) return morceauCache(s, k);
    return false;
}

TEST(ListeDeCoupures, IntervallesAjoutesCommeUneUnionElargie) {
    // Against the plain union of the widened intervals, at points away from
    // their ends.
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> u(-0.2, 1.2);
    for (int essai = 0; essai < 200; ++essai) {
        TsegmentCoupe s;
        initialiseSegmentCoupe(s, {}, {1, 0, 0});
        std::vector<std::pair<double, double>> union_;
        for (int k = 0; k < 6; ++k) {
            double a = u(gen), b = u(gen);
            if (a > b) std::swap(a, b);
            ajouteIntervalleCache(s, a, b);
            union_.push_back({a > 0.001 ? a - 0.001 : a, b < 0.999 ? b + 0.001 : b});
        }
        for (int k = 1; k <= s.dernier; ++k)
            ASSERT_LT(s.t[k - 1], s.t[k]);
        for (double t = 0.0005; t < 1; t += 0.001) {
            bool attendu = false, pres = false;
            for (auto [a, b] : union_) {
                attendu |= t > a && t < b;
                pres |= std::fabs(t - a) < 1e-6 || std::fabs(t - b) < 1e-6;
            }
            if (!pres) {
                ASSERT_EQ(cacheEn(s, t), attendu) << "t = " << t << " trial " << essai;
            }
        }
    }
}

TEST(ListeDeCoupures, CasParticuliers) {
    struct Cas {
        const char* nom;
        std::vector<std::pair<double, double>> intervalles;
        int dernier;
        uint8_t commenceCache;
    } cas[] = {
        {"tout le segment", {{-1, 2}}, 1, 1},
        {"au milieu", {{0.3, 0.6}}, 3, 0},
        {"deux qui se recouvrent", {{0.2, 0.5}, {0.4, 0.7}}, 3, 0},
        {"un dans un autre", {{0.2, 0.7}, {0.3, 0.4}}, 3, 0},
        {"hors du segment", {{1.5, 2}, {-1, -0.5}}, 1, 0},
        {"depuis le debut", {{-1, 0.5}}, 2, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        TsegmentCoupe s;
        initialiseSegmentCoupe(s, {}, {1, 0, 0});
        for (auto [a, b] : c.intervalles)
            ajouteIntervalleCache(s, a, b);
        EXPECT_EQ(s.dernier, c.dernier);
        EXPECT_EQ(s.commenceCache, c.commenceCache);
        EXPECT_EQ(s.t[0], 0);
        EXPECT_EQ(s.t[s.dernier], 1);
    }
}

TEST(ListeDeCoupures, TropDeMorceauxFusionnesSansPerte) {
    // 80 separate hidden intervals need 160 break points: the list keeps at
    // most 100, still covers [0, 1], and the long hidden piece added last
    // is kept whole.
    TsegmentCoupe s;
    initialiseSegmentCoupe(s, {}, {1, 0, 0});
    for (int k = 0; k < 80; ++k)
        ajouteIntervalleCache(s, 0.5 * k / 80 + 0.002, 0.5 * k / 80 + 0.004);
    ajouteIntervalleCache(s, 0.7, 0.9);
    EXPECT_LE(s.dernier, kMaxParametresCoupure);
    EXPECT_EQ(s.t[0], 0);
    EXPECT_EQ(s.t[s.dernier], 1);
    for (int k = 1; k <= s.dernier; ++k)
        ASSERT_LT(s.t[k - 1], s.t[k]);
    EXPECT_TRUE(cacheEn(s, 0.8));
    EXPECT_FALSE(cacheEn(s, 0.95));
    EXPECT_FALSE(cacheEn(s, 0.6));

    // Down to the 15 pieces of the drawing: the shortest are merged, the
    // pieces alternate and still run from 0 to 1.
    fusionneMorceaux(s, 15);
    EXPECT_EQ(s.dernier, 15);
    EXPECT_EQ(s.t[0], 0);
    EXPECT_EQ(s.t[15], 1);
    EXPECT_TRUE(cacheEn(s, 0.8));
}

class VueCube : public ::testing::Test, public FigureVue {};

TEST_F(VueCube, DirectionDeVisee) {
    // Turning the frame by t about z gives the viewing direction (cos t, -sin t, 0).
    for (double t : {0.0, 0.4, -1.2}) {
        vue(t, 0, 0);
        const Tvecteur3 d = directionVisee(f);
        EXPECT_NEAR(d.x, std::cos(t), 1e-12);
        EXPECT_NEAR(d.y, -std::sin(t), 1e-12);
        EXPECT_NEAR(d.z, 0, 1e-12);
    }
}

TEST_F(VueCube, FacesTourneesEtAretesArriere) {
    const int q = cubeUnite();
    const double angles[][3] = {{-20, 25, 0}, {130, -40, 10}, {200, 60, -30}};
    for (const auto& a : angles) {
        vue(radians(a[0]), radians(a[1]), radians(a[2]));
        preparePolyedresVisibles(f);
        ASSERT_EQ(f.nombrePolyedresVisibles, 1);
        const Tvecteur3 d = directionVisee(f);
        const TPolyedre& p = polyedre(q);
        int tournees = 0;
        for (int k = 1; k <= p.nombreFaces; ++k) {
            // The outward normal from the face's corners: the cube's centre is behind it.
            const TFace& F = p.faces[k];
            const Tvecteur3& A = p.sommets[F.cycle[1]];
            const Tvecteur3 n = {A.x - 0.5, A.y - 0.5, A.z - 0.5};
            // The face's constant coordinate.
            bool x = true, y = true, z = true;
            for (int j = 1; j <= F.nombreSommets; ++j) {
                x &= p.sommets[F.cycle[j]].x == A.x;
                y &= p.sommets[F.cycle[j]].y == A.y;
                z &= p.sommets[F.cycle[j]].z == A.z;
            }
            const Tvecteur3 normale = {x ? (n.x > 0 ? 1.0 : -1.0) : 0, y ? (n.y > 0 ? 1.0 : -1.0) : 0,
                                       z ? (n.z > 0 ? 1.0 : -1.0) : 0};
            const bool attendu = normale.x * d.x + normale.y * d.y + normale.z * d.z > 0;
            EXPECT_EQ(F.tourneeVersObservateur != 0, attendu) << "face " << k;
            tournees += attendu;
        }
        EXPECT_EQ(tournees, 3);
        // The back edges are those of the corner farthest from the viewer.
        int arriere = 1;
        for (int v = 2; v <= p.nombreSommets; ++v) {
            const auto& s = p.sommets[v];
            const auto& b = p.sommets[arriere];
            if (s.x * d.x + s.y * d.y + s.z * d.z < b.x * d.x + b.y * d.y + b.z * d.z) arriere = v;
        }
        for (int e = 1; e <= p.nombreAretes; ++e) {
            const TArete& ar = p.aretes[e];
            const bool attendu = ar.premierSommet == arriere || ar.secondSommet == arriere;
            EXPECT_EQ(ar.deFace == 0, attendu) << "edge " << e;
        }
        // Three turned faces and six silhouette edges.
        EXPECT_EQ(p.nombrePlansCachants, 9);
    }
}

TEST_F(VueCube, PointsEtSegmentsDerriere) {
    cubeUnite();
    preparePolyedresVisibles(f); // seen along -x: only the face x = 1 is turned
    struct CasPoint {
        double x, y, z;
        bool cache;
    } points[] = {
        {-1, 0.5, 0.5, true},  {-1, 1.5, 0.5, false},
        {2, 0.5, 0.5, false},  {1, 0.5, 0.5, false}, // on the turned face
        {0.5, 0.5, 0.5, true},
    };
    for (const auto& p : points) {
        const TpointEntier e = entier(p.x, p.y, p.z);
        EXPECT_EQ(pointCacheParPolyedres(f, e.x, e.y, e.z), p.cache) << p.x << " " << p.y << " " << p.z;
    }

    // Behind the cube, from y = -1 to y = 2: hidden between the side planes
    // y = 0 and y = 1, each moved out by one unit, then widened by 0.001.
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, entier(-1, -1, 0.5), entier(-1, 2, 0.5), parties);
    ASSERT_EQ(parties.nombre, 3);
    EXPECT_EQ(parties.commenceCache, 0);
    const double t1 = 101.0 / 300 - 0.001, t2 = 199.0 / 300 + 0.001;
    EXPECT_EQ(parties.x[0], -100);
    EXPECT_EQ(parties.x[1], std::lround(-100 + 300 * t1));
    EXPECT_EQ(parties.x[2], std::lround(-100 + 300 * t2));
    EXPECT_EQ(parties.x[3], 200);
    EXPECT_EQ(parties.y[1], -50);

    struct CasSegment {
        TpointEntier A, B;
        uint8_t nombre, commenceCache;
    } segments[] = {
        {entier(-1, 0.3, 0.2), entier(-1, 0.7, 0.8), 1, 1}, // wholly behind
        {entier(2, -1, 0.5), entier(2, 2, 0.5), 1, 0},      // in front
        {entier(1, 0.2, 0.2), entier(1, 0.8, 0.8), 1, 0},   // in the turned face
        {entier(-1, 0.5, -1), entier(-1, 0.5, 0.5), 2, 0},  // ends behind
    };
    for (const auto& c : segments) {
        partiesVisiblesSegment(f, c.A, c.B, parties);
        EXPECT_EQ(parties.nombre, c.nombre);
        EXPECT_EQ(parties.commenceCache, c.commenceCache);
    }
}

TEST_F(VueCube, FilDeFerEtDessinNonRempli) {
    const int q = cubeUnite();
    const TpointEntier e = entier(-1, 0.5, 0.5);
    for (int cas = 0; cas < 2; ++cas) {
        if (cas == 0) f.filDeFer = 1;
        if (cas == 1) f.filDeFer = 0, f.objets[q].style.drapeaux = 0;
        preparePolyedresVisibles(f);
        EXPECT_EQ(f.nombrePolyedresVisibles, 0);
        EXPECT_FALSE(pointCacheParPolyedres(f, e.x, e.y, e.z));
        TpartiesVisibles parties;
        partiesVisiblesSegment(f, entier(-1, -1, 0.5), entier(-1, 2, 0.5), parties);
        EXPECT_EQ(parties.nombre, 1);
        EXPECT_EQ(parties.commenceCache, 0);
    }
}

TEST_F(VueCube, AretesDuPolyedreEtLignesDUneCourbe) {
    const int q = cubeUnite();
    vue(radians(-20), radians(25), 0);
    preparePolyedresVisibles(f);
    const TPolyedre& p = polyedre(q);
    TElementSolideVue e;
    dimensionneAretes(e, p.nombreAretes);
    for (int k = 1; k <= p.nombreAretes; ++k) {
        const auto& A = p.sommets[p.aretes[k].premierSommet];
        const auto& B = p.sommets[p.aretes[k].secondSommet];
        e.debutsAretes[k] = entier(A.x, A.y, A.z);
        e.finsAretes[k] = entier(B.x, B.y, B.z);
    }
    e.areteOmise[1] = 1;
    e.partiesAretes[1].nombre = 9;
    partiesVisiblesPolyedre(f, q, e);
    EXPECT_EQ(e.partiesAretes[1].nombre, 0);
    for (int k = 2; k <= p.nombreAretes; ++k) {
        // A front edge is not hidden by its own solid; a back edge is wholly hidden.
        EXPECT_EQ(e.partiesAretes[k].nombre, 1) << "edge " << k;
        EXPECT_EQ(e.partiesAretes[k].commenceCache, p.aretes[k].deFace ? 0 : 1) << "edge " << k;
    }

    // A curve's extra lines: one passing behind the cube, one in front of it.
    vue(0, 0, 0);
    preparePolyedresVisibles(f);
    const int c = ajoute(kNatureCourbe, 23, "c");
    e.lignesSupplementaires = std::make_unique<TblocSegments>();
    e.lignesSupplementaires->nombre = 2;
    e.lignesSupplementaires->debuts[0] = entier(-1, -1, 0.5);
    e.lignesSupplementaires->fins[0] = entier(-1, 2, 0.5);
    e.lignesSupplementaires->debuts[1] = entier(3, -1, 0.5);
    e.lignesSupplementaires->fins[1] = entier(3, 2, 0.5);
    partiesVisiblesCourbe(f, c, e);
    ASSERT_TRUE(e.partiesLignesSupplementaires);
    EXPECT_EQ((*e.partiesLignesSupplementaires)[0].nombre, 3);
    EXPECT_EQ((*e.partiesLignesSupplementaires)[1].nombre, 1);
}

TEST_F(VueCube, LimiteALaZoneDeDessin) {
    // A long segment crossing the drawing area is cut to it: its first and
    // last break points fall on the area's left and right edges.
    f.largeurZoneDessin = 400;
    f.hauteurZoneDessin = 300;
    f.centreEcranX = 200;
    f.centreEcranY = 150;
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, {0, -100000, 0}, {0, 100000, 0}, parties);
    ASSERT_EQ(parties.nombre, 1);
    EXPECT_EQ(parties.x[0], 0);
    EXPECT_EQ(parties.x[1], 400);
    // Wholly to the right of the area: nothing is drawn.
    partiesVisiblesSegment(f, {0, 1000, 0}, {0, 100000, 0}, parties);
    EXPECT_EQ(parties.nombre, 0);
}

TEST_F(VueCube, SegmentCoupeParBeaucoupDeSolidesGardeSesExtremites) {
    // Twenty spheres in a row behind a segment cut it into 41 pieces: the
    // drawing gets 15 pieces that still run from one end to the other.
    for (int k = 0; k < 20; ++k)
        sphere(-5, -9.5 + k, 0, 0.25);
    preparePolyedresVisibles(f);
    ASSERT_EQ(f.nombrePolyedresVisibles, 20);
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, entier(-6, -10.2, 0), entier(-6, 10.2, 0), parties);
    EXPECT_EQ(parties.nombre, kMaxPointsCoupure);
    EXPECT_EQ(parties.x[0], -1020);
    EXPECT_EQ(parties.x[kMaxPointsCoupure], 1020);
    for (int k = 1; k <= parties.nombre; ++k)
        EXPECT_LT(parties.x[k - 1], parties.x[k]);
}

class VueSphereCercle : public ::testing::Test, public FigureVue {};

TEST_F(VueSphereCercle, SphereCacheCeQuiEstDerriere) {
    sphere(0, 0, 0, 1);
    preparePolyedresVisibles(f);
    struct Cas {
        double x, y, z;
        bool cache;
    } cas[] = {
        {-2, 0.3, 0.2, true},  {-2, 1.2, 0, false}, {2, 0, 0, false},
        {-0.05, 0.5, 0, true}, {1.05, 0, 0, false}, // in front of the surface
        {0.5, 0, 0, true},                          // inside the ball
    };
    for (const auto& c : cas) {
        const TpointEntier e = entier(c.x, c.y, c.z);
        EXPECT_EQ(pointCacheParPolyedres(f, e.x, e.y, e.z), c.cache) << c.x << " " << c.y << " " << c.z;
    }
    // Behind the centre plane, hidden between the two crossings of the outline y = -1 and y = 1.
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, entier(-2, -2, 0), entier(-2, 2, 0), parties);
    ASSERT_EQ(parties.nombre, 3);
    EXPECT_EQ(parties.commenceCache, 0);
    EXPECT_EQ(parties.x[1], std::lround(-200 + 400 * 0.249));
    EXPECT_EQ(parties.x[2], std::lround(-200 + 400 * 0.751));
    // Piercing the ball from the front: hidden from where it enters the ball.
    // From (2, 0, 0) to (-2, 1, 0) it enters where |p| = 1: t = (17 - sqrt(34)) / 17 ... solved below.
    const double A = 17, B = -16, C = 3; // |(2 - 4t, t, 0)|^2 = 1
    const double tEntree = (-B - std::sqrt(B * B - 4 * A * C)) / (2 * A);
    partiesVisiblesSegment(f, entier(2, 0, 0), entier(-2, 1, 0), parties);
    ASSERT_GE(parties.nombre, 2);
    EXPECT_EQ(parties.commenceCache, 0);
    EXPECT_NEAR(parties.x[1], 100 * tEntree, 1.5);
}

TEST_F(VueSphereCercle, DisqueVuDeFaceOuParLaTranche) {
    // The unit disc of the plane x = 0 (normal x), centre O.
    const int o = point("O", 0, 0, 0);
    const int c =
        ajoute(kNatureCercle, construction::kCercleCirconscrit, "c", {0, 0, 0, 1, 0, 0, 1, 0, 1, 0}, {o});
    calculeDonneesCercle(f, c);
    remplit(c);
    struct Cas {
        double t1;
        double x, y, z;
        bool cache;
    } cas[] = {
        {0, -1, 0.5, 0.5, true},
        {0, -1, 0.8, 0.8, false},
        {0, 1, 0, 0, false},
        {std::numbers::pi / 2, 0, -1, 0, false}, // seen edge-on, hides nothing
    };
    for (const auto& k : cas) {
        vue(k.t1, 0, 0);
        preparePolyedresVisibles(f);
        const TpointEntier e = entier(k.x, k.y, k.z);
        EXPECT_EQ(pointCacheParPolyedres(f, e.x, e.y, e.z), k.cache) << k.t1 << " " << k.x << " " << k.y;
    }
    vue(0, 0, 0);
    preparePolyedresVisibles(f);
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, entier(-1, -2, 0), entier(-1, 2, 0), parties);
    ASSERT_EQ(parties.nombre, 3);
    EXPECT_EQ(parties.x[1], std::lround(-200 + 400 * 0.249));
}

class VuePatron : public ::testing::Test, public FigureVue {
  protected:
    // An open net of two unit squares: one in the plane x = 0 facing the
    // viewer, one in the plane x = -2 at y in [2, 3] facing away.
    int patron(uint8_t ferme) {
        const int n = ajoute(kNaturePatronPolyedre, 175, "P");
        remplit(n);
        TDonneesPatron& pa = patronDe(donneesPolyedreObjet(f, n));
        pa.ferme = ferme;
        TPolyedre& g = pa.geometrie;
        const Tvecteur3 sommets[] = {{0, 0, 0},  {0, 1, 0},  {0, 1, 1},  {0, 0, 1},
                                     {-2, 2, 0}, {-2, 2, 1}, {-2, 3, 1}, {-2, 3, 0}};
        g.nombreSommets = 8;
        for (int k = 0; k < 8; ++k)
            g.sommets[k + 1] = sommets[k];
        g.nombreFaces = 2;
        g.faces[1].plan = {1, 0, 0, 0};
        g.faces[2].plan = {-1, 0, 0, -2};
        g.nombreAretes = 8;
        for (int fa = 1; fa <= 2; ++fa) {
            g.faces[fa].nombreSommets = 4;
            for (int j = 1; j <= 5; ++j)
                g.faces[fa].cycle[j] = uint8_t(4 * (fa - 1) + (j - 1) % 4 + 1);
            for (int j = 1; j <= 4; ++j) {
                TArete& ar = g.aretes[4 * (fa - 1) + j];
                ar.premierSommet = g.faces[fa].cycle[j + 1];
                ar.secondSommet = g.faces[fa].cycle[j];
                ar.premiereFace = ar.secondeFace = uint8_t(fa);
            }
        }
        return n;
    }
};

TEST_F(VuePatron, ChaqueFaceCacheCeQuiEstDerriereElle) {
    const int n = patron(0);
    preparePolyedresVisibles(f);
    const TDonneesPatron& pa = patronDe(donneesPolyedreObjet(f, n));
    EXPECT_EQ(pa.geometrie.faces[1].tourneeVersObservateur, 1);
    EXPECT_EQ(pa.geometrie.faces[2].tourneeVersObservateur, 0);
    EXPECT_EQ(pa.geometrie.aretes[1].deFace, 1);
    EXPECT_EQ(pa.geometrie.aretes[5].deFace, 0);
    struct Cas {
        double x, y, z;
        bool cache;
    } cas[] = {
        {-1, 0.5, 0.5, true},  {-1, 1.5, 0.5, false}, {-3, 2.5, 0.5, true},
        {-1, 2.5, 0.5, false}, {1, 0.5, 0.5, false},
    };
    for (const auto& c : cas) {
        const TpointEntier e = entier(c.x, c.y, c.z);
        EXPECT_EQ(pointCacheParPolyedres(f, e.x, e.y, e.z), c.cache) << c.x << " " << c.y;
    }
    // Behind both faces: two hidden intervals, one per face.
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, entier(-4, -1, 0.5), entier(-4, 4, 0.5), parties);
    EXPECT_EQ(parties.nombre, 5);
    EXPECT_EQ(parties.commenceCache, 0);
}

TEST_F(VuePatron, FermeCacheCommeLePolyedre) {
    // A closed net of the unit cube hides what the cube hides.
    const int q = cubeUnite();
    f.objets[q].style.drapeaux = 0;
    const int n = patron(1);
    patronDe(donneesPolyedreObjet(f, n)).geometrie = polyedre(q);
    preparePolyedresVisibles(f);
    ASSERT_EQ(f.nombrePolyedresVisibles, 1);
    struct Cas {
        double x, y, z;
        bool cache;
    } cas[] = {{-1, 0.5, 0.5, true}, {-1, 1.5, 0.5, false}, {2, 0.5, 0.5, false}};
    for (const auto& c : cas) {
        const TpointEntier e = entier(c.x, c.y, c.z);
        EXPECT_EQ(pointCacheParPolyedres(f, e.x, e.y, e.z), c.cache) << c.x << " " << c.y;
    }
    TpartiesVisibles parties;
    partiesVisiblesSegment(f, entier(-1, -1, 0.5), entier(-1, 2, 0.5), parties);
    EXPECT_EQ(parties.nombre, 3);
}

} // namespace
