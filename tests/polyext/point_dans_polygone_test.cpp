// A point free in a convex polygon, from figure texts: its plane coordinates
// place it, a place outside is brought back onto the border towards the
// centroid, an assignment outside is refused, and its extension record is
// taken, freed and copied with the figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "../runner/banc_texte.h"
#include "model/annexes_polygones.h"
#include "model/calcul/calcul_objet.h"
#include "model/services_texte.h"
#include "model/solides/constructions_polyedres.h"
#include "platform/hasard.h"

namespace km32::essai {
namespace {

// A square of side 5 in the plane 4y = 3z: A at the origin, AB along x, AD
// along (0, 3, 4) / 5.
const char* const kCarre = "Figure Kalmetra\r\n"
                           "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                           "B point de coordonnées (5,0,0) dans le repère Rxyz\r\n"
                           "C point de coordonnées (5,3,4) dans le repère Rxyz\r\n"
                           "D point de coordonnées (0,3,4) dans le repère Rxyz\r\n"
                           "P polygone convexe de sommets ABCD\r\n"
                           "M point libre dans le polygone P\r\n"
                           "I milieu du segment [AM]\r\n";

// Coordinates of a point in the square's own frame: s along AB, t along AD
// (both 0 to 1 inside), and its distance to the square's plane.
struct Carre {
    double s, t, horsPlan;
};
Carre dansCarre(const P3& p) {
    return {p.x / 5, (3 * p.y + 4 * p.z) / 25, std::fabs(4 * p.y - 3 * p.z) / 5};
}
void attendDansCarre(const P3& p, const std::string& cas) {
    const Carre c = dansCarre(p);
    EXPECT_LT(c.horsPlan, 1e-9) << cas;
    EXPECT_GE(c.s, -1e-9) << cas;
    EXPECT_LE(c.s, 1 + 1e-9) << cas;
    EXPECT_GE(c.t, -1e-9) << cas;
    EXPECT_LE(c.t, 1 + 1e-9) << cas;
}

class PointDansPolygone : public BancTexte {
  protected:
    void SetUp() override {
        BancTexte::SetUp();
        reinitialiseEtatPolyedres();
        reinitialiseEtatAnnexesPolygones();
        ASSERT_EQ(lis(kCarre), 0);
        M = numero("M");
        ASSERT_NE(M, 0);
    }
    void TearDown() override {
        reinitialiseEtatPolyedres();
        reinitialiseEtatAnnexesPolygones();
        BancTexte::TearDown();
    }
    P3 placeEn(double u, double v) {
        EXPECT_EQ(ligne("Objet libre M, paramètres: " + std::to_string(u) + ", " + std::to_string(v)), 0);
        return pt("M");
    }
    double u() const { return valeurObjet(f, M, 4); }
    double v() const { return valeurObjet(f, M, 5); }
    int M = 0;
};

P3 plus(const P3& a, double k, const P3& b, double l, const P3& c) {
    return {a.x + k * b.x + l * c.x, a.y + k * b.y + l * c.y, a.z + k * b.z + l * c.z};
}
P3 moins(const P3& a, const P3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

TEST_F(PointDansPolygone, ItsPlaneCoordinatesRunAlongTwoSidesFromACorner) {
    EXPECT_TRUE(defini("M"));
    attendDansCarre(pt("M"), "created");

    // (0,0), (1,0), (0,1), (1,1): the four corners, each once.
    const P3 O = placeEn(0, 0), P10 = placeEn(1, 0), P01 = placeEn(0, 1), P11 = placeEn(1, 1);
    std::string coins;
    for (const P3& p : {O, P10, P01, P11})
        for (const char* nom : {"A", "B", "C", "D"}) {
            const P3 q = pt(nom);
            if (std::hypot(p.x - q.x, p.y - q.y, p.z - q.z) < 1e-9) coins += nom;
        }
    std::sort(coins.begin(), coins.end());
    EXPECT_EQ(coins, "ABCD");

    // The centre, and any place inside: O + u e1 + v e2, u and v kept.
    attendPoint(placeEn(0.5, 0.5), 2.5, 1.5, 2, 1e-9);
    const P3 e1 = moins(P10, O), e2 = moins(P01, O);
    const P3 p = placeEn(0.25, 0.75);
    const P3 attendu = plus(O, 0.25, e1, 0.75, e2);
    attendPoint(p, attendu.x, attendu.y, attendu.z, 1e-9);
    EXPECT_NEAR(u(), 0.25, 1e-12);
    EXPECT_NEAR(v(), 0.75, 1e-12);
    // Its dependants follow.
    attendPoint(pt("I"), p.x / 2, p.y / 2, p.z / 2, 1e-9);
}

TEST_F(PointDansPolygone, APlaceOutsideComesBackOntoTheBorderTowardsTheCentroid) {
    const P3 O = placeEn(0, 0), e1 = moins(placeEn(1, 0), O), e2 = moins(placeEn(0, 1), O);
    // In the plane coordinates the square is [0,1]^2 and its centroid
    // (0.5, 0.5): the point goes to where the segment from (u, v) to the
    // centroid leaves the square.
    const double cas[][2] = {{2, 0}, {2, 2}, {-1, 0.5}, {0.5, 3}, {3, -1}, {-0.5, -2}, {1.2, 0.9}};
    for (const auto& c : cas) {
        const std::string nom = std::to_string(c[0]) + ", " + std::to_string(c[1]);
        double lambda = 0;
        for (double w : {c[0], c[1]}) {
            if (w > 1) lambda = std::max(lambda, (w - 1) / (w - 0.5));
            if (w < 0) lambda = std::max(lambda, -w / (0.5 - w));
        }
        const double ua = c[0] + lambda * (0.5 - c[0]), va = c[1] + lambda * (0.5 - c[1]);
        const P3 p = placeEn(c[0], c[1]);
        EXPECT_NEAR(u(), ua, 1e-9) << nom;
        EXPECT_NEAR(v(), va, 1e-9) << nom;
        const P3 attendu = plus(O, ua, e1, va, e2);
        attendPoint(p, attendu.x, attendu.y, attendu.z, 1e-9);
        attendDansCarre(p, nom);
    }
    // (2, 0) lands on the far side at a third of its length.
    placeEn(2, 0);
    EXPECT_NEAR(u(), 1, 1e-12);
    EXPECT_NEAR(v(), 1.0 / 3, 1e-12);
}

TEST_F(PointDansPolygone, AnAssignmentTakesAPlaceInsideAndRefusesOneOutside) {
    struct Cas {
        double x, y, z;
        uint16_t erreur;
    };
    const Cas cas[] = {
        {2, 0.6, 0.8, 0},       // inside
        {5, 1.5, 2, 0},         // on side BC
        {0, 3, 4, 0},           // corner D
        {6, 0, 0, 605},         // beyond BC, in the plane
        {2.5, -0.6, -0.8, 605}, // beyond AB, in the plane
        {2, 1, 0, 605},         // off the plane
    };
    for (const Cas& c : cas) {
        const std::string nom = std::to_string(c.x) + ", " + std::to_string(c.y) + ", " + std::to_string(c.z);
        const P3 avant = pt("M");
        const std::string texte = "Affecter le point libre M, coordonnées: (" + std::to_string(c.x) + "," +
                                  std::to_string(c.y) + "," + std::to_string(c.z) + ") dans le repère Rxyz";
        EXPECT_EQ(ligne(texte), c.erreur) << nom;
        if (c.erreur == 0) {
            attendPoint(pt("M"), c.x, c.y, c.z, 1e-9);
            // Its new plane coordinates give the same place again.
            calculeObjet(f, M);
            attendPoint(pt("M"), c.x, c.y, c.z, 1e-9);
        } else {
            attendPoint(pt("M"), avant.x, avant.y, avant.z, 0);
        }
    }
}

TEST_F(PointDansPolygone, ACopyOfTheFigureOwnsItsOwnRecords) {
    ASSERT_EQ(ligne("N point libre dans le polygone P"), 0);
    placeEn(0.2, 0.3);
    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(f, copie);
    ASSERT_TRUE(copie->tableAnnexes);
    int tenus = 0;
    for (int k = 1; k <= kMaxEmplacementsAnnexes; ++k) {
        const PAnnexePolygone& a = f.tableAnnexes->annexes[std::size_t(k)];
        const PAnnexePolygone& b = copie->tableAnnexes->annexes[std::size_t(k)];
        ASSERT_EQ(bool(a), bool(b)) << k;
        if (!a) continue;
        ++tenus;
        EXPECT_NE(a.get(), b.get()) << k;
        EXPECT_EQ(b->genre, 189);
        EXPECT_EQ(b->nombreCotes, a->nombreCotes);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(b->plan[i], a->plan[i]);
            EXPECT_EQ(b->formeU[i], a->formeU[i]);
            EXPECT_EQ(b->formeV[i], a->formeV[i]);
        }
        EXPECT_EQ(b->origine.x, a->origine.x);
        EXPECT_EQ(b->axe1.y, a->axe1.y);
        EXPECT_EQ(b->axe2.z, a->axe2.z);
        EXPECT_EQ(b->point.x, a->point.x);
        EXPECT_EQ(b->u, a->u);
        EXPECT_EQ(b->v, a->v);
        EXPECT_EQ(b->eventailPrepare, a->eventailPrepare);
    }
    EXPECT_EQ(tenus, 2);
    // The copy computes on its own once the original is gone.
    const P3 avant = pt("M");
    libereFigure(figure);
    figure = std::move(copie);
    TfigureKalmetra& g = *figure;
    calculeObjet(g, M);
    EXPECT_FALSE(objet(g, M).nonDefini);
    EXPECT_NEAR(valeurObjet(g, M, 1), avant.x, 1e-12);
    EXPECT_NEAR(valeurObjet(g, M, 2), avant.y, 1e-12);
    EXPECT_NEAR(valeurObjet(g, M, 3), avant.z, 1e-12);
}

TEST_F(PointDansPolygone, AHundredAndFirstPointIsRefusedAndAFreedSlotIsTakenAgain) {
    std::string texte;
    for (int k = 2; k <= kMaxEmplacementsAnnexes; ++k)
        texte += "M" + std::to_string(k) + " point libre dans le polygone P\r\n";
    ASSERT_EQ(lis(texte), 0);
    platform::reinitialiseBoites();
    EXPECT_EQ(ligne("Z point libre dans le polygone P"), kErreurCreation);
    EXPECT_EQ(numero("Z"), 0);
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_NE(platform::boitesDemandees().front().texte.find("Structure satur\xE9"), std::string::npos)
        << platform::boitesDemandees().front().texte;

    // Redefined as another point, M5 gives its slot back; the next point in
    // the polygon takes it.
    const uint8_t slot = objet(f, numero("M5")).emplacementSolide;
    ASSERT_NE(slot, 0);
    ASSERT_EQ(ligne("M5 point de coordonnées (1,1,1) dans le repère Rxyz"), 0);
    EXPECT_FALSE(f.tableAnnexes->annexes[slot]);
    ASSERT_EQ(ligne("Z point libre dans le polygone P"), 0);
    EXPECT_EQ(objet(f, numero("Z")).emplacementSolide, slot);
    attendDansCarre(pt("Z"), "Z");
    // Redefined as a point in the polygon again, M7 keeps a slot of its own.
    ASSERT_EQ(ligne("M7 point libre dans le polygone P"), 0);
    EXPECT_NE(objet(f, numero("M7")).emplacementSolide, 0);
}

TEST_F(PointDansPolygone, ARefusedRedefinitionGivesTheRecordBack) {
    placeEn(0.2, 0.3);
    const uint8_t slot = objet(f, M).emplacementSolide;
    ASSERT_NE(slot, 0);
    // I is built from M: the new definition is refused once installed, and
    // the figure comes back as it was, M's record with it.
    EXPECT_NE(ligne("M milieu du segment [IB]"), 0);
    EXPECT_EQ(objet(f, M).codeConstruction, 189);
    EXPECT_EQ(objet(f, M).emplacementSolide, slot);
    ASSERT_TRUE(f.tableAnnexes->annexes[slot]);
    EXPECT_NEAR(u(), 0.2, 1e-12);
    const P3 p = placeEn(0.6, 0.1);
    attendDansCarre(p, "after the refusal");
    EXPECT_NEAR(u(), 0.6, 1e-12);
}

// Random draws: a trapezoid whose fan triangles differ in area, so that a
// draw that chose the triangles evenly would not be uniform.
class TirageDansPolygone : public PointDansPolygone {
  protected:
    void SetUp() override {
        BancTexte::SetUp();
        reinitialiseEtatPolyedres();
        reinitialiseEtatAnnexesPolygones();
        ASSERT_EQ(lis("Figure Kalmetra\r\n"
                      "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                      "B point de coordonnées (6,0,0) dans le repère Rxyz\r\n"
                      "C point de coordonnées (6,1,0) dans le repère Rxyz\r\n"
                      "D point libre dans l'espace\r\n"
                      "Objet libre D, paramètres: 0, 5, 0\r\n"
                      "P polygone convexe de sommets ABCD\r\n"
                      "M point libre dans le polygone P\r\n"),
                  0);
        M = numero("M");
        platform::initialiseHasard(20240611);
        etatAnnexesPolygones().objetsATirer.set(std::size_t(M));
        etatPolyedres().retirageAleatoire = true;
    }
    // Fractions of the draws with x < 3, with y < 1 and with y > 5; every
    // draw must lie in the polygon of height h(x) above [0, 6].
    void tire(double hauteurEnD, double fractions[3]) {
        const int n = 20000;
        int compte[3] = {0, 0, 0};
        for (int k = 0; k < n; ++k) {
            calculeObjet(f, M);
            const double x = valeurObjet(f, M, 1), y = valeurObjet(f, M, 2), z = valeurObjet(f, M, 3);
            const double h = hauteurEnD - (hauteurEnD - 1) * x / 6;
            ASSERT_TRUE(x >= -1e-9 && x <= 6 + 1e-9 && y >= -1e-9 && y <= h + 1e-9 && std::fabs(z) < 1e-12)
                << x << " " << y << " " << z;
            compte[0] += x < 3;
            compte[1] += y < 1;
            compte[2] += y > 5;
        }
        for (int i = 0; i < 3; ++i)
            fractions[i] = double(compte[i]) / n;
    }
};

TEST_F(TirageDansPolygone, DrawsAreUniformOverThePolygonAndFollowItsChanges) {
    // Area 18: 12 left of x = 3, 6 below y = 1.
    double r[3];
    tire(5, r);
    EXPECT_NEAR(r[0], 12.0 / 18, 0.02);
    EXPECT_NEAR(r[1], 6.0 / 18, 0.02);
    EXPECT_EQ(r[2], 0);

    // D moves to (0, 9) while the figure is re-drawn: the polygon is marked
    // as changed and the fan is built again. Area 30: 6 above y = 5, 6 below
    // y = 1, 21 left of x = 3.
    ASSERT_EQ(ligne("Objet libre D, paramètres: 0, 9, 0"), 0);
    tire(9, r);
    EXPECT_NEAR(r[0], 21.0 / 30, 0.02);
    EXPECT_NEAR(r[1], 6.0 / 30, 0.02);
    EXPECT_NEAR(r[2], 6.0 / 30, 0.02);

    // Out of the re-draw set, the point is its plane coordinates again.
    etatAnnexesPolygones().objetsATirer.reset();
    valeurObjet(f, M, 4) = 0.5;
    valeurObjet(f, M, 5) = 0.5;
    calculeObjet(f, M);
    const P3 b = pt("M");
    calculeObjet(f, M);
    attendPoint(pt("M"), b.x, b.y, b.z, 0);
    EXPECT_EQ(u(), 0.5);
}

// A regular hexagon of circumradius 3 about the origin in z = 0, corner A on
// x. The plane coordinates run along the two sides at A, so that u and v in
// [0, 1) cover the rhombus of A, its two neighbours and the centre: a third
// of the hexagon. In the random-redraw mode (what a property test sets for
// the objects it re-draws) every sector between the centre and two
// neighbouring corners gets a sixth of the draws.
TEST_F(TirageDansPolygone, InTheRedrawModeEverySectorOfAHexagonGetsItsShare) {
    ASSERT_EQ(lis("Figure Kalmetra\r\n"
                  "O point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                  "Z point de coordonnées (0,0,1) dans le repère Rxyz\r\n"
                  "A point de coordonnées (3,0,0) dans le repère Rxyz\r\n"
                  "H polygone régulier d'axe (OZ), de sommet A, à 6 côtés\r\n"
                  "M point libre dans le polygone H\r\n"),
              0);
    M = numero("M");
    reinitialiseEtatPolyedres();
    reinitialiseEtatAnnexesPolygones();
    // The sector of a point: its polar angle in sixths of a turn.
    auto secteur = [](double x, double y) {
        const double a = std::atan2(y, x);
        return int(std::floor((a < 0 ? a + 2 * std::numbers::pi : a) / (std::numbers::pi / 3))) % 6;
    };
    auto tire = [&](int n, std::array<int, 6>& comptes) {
        comptes = {};
        for (int k = 0; k < n; ++k) {
            // What the sampling plan writes before the recomputation.
            valeurObjet(f, M, 4) = platform::reelAuHasard();
            valeurObjet(f, M, 5) = platform::reelAuHasard();
            calculeObjet(f, M);
            const double x = valeurObjet(f, M, 1), y = valeurObjet(f, M, 2);
            // Inside: within the apothem of each side's direction.
            for (int c = 0; c < 6; ++c) {
                const double t = (c + 0.5) * std::numbers::pi / 3;
                ASSERT_LE(x * std::cos(t) + y * std::sin(t), 1.5 * std::sqrt(3.0) + 1e-9) << x << " " << y;
            }
            ASSERT_NEAR(valeurObjet(f, M, 3), 0, 1e-12);
            ++comptes[std::size_t(secteur(x, y))];
        }
    };
    const int n = 12000;
    std::array<int, 6> comptes{};
    {
        TEnsembleObjets aTirer;
        aTirer.set(std::size_t(M));
        const ModeRetirageAleatoire mode(aTirer);
        tire(n, comptes);
    }
    for (int c = 0; c < 6; ++c)
        EXPECT_NEAR(double(comptes[std::size_t(c)]) / n, 1.0 / 6, 0.015) << "sector " << c;
    // The guard put the mode back: the plan's values alone place the point,
    // in the rhombus at A (sectors 0 and 5 only).
    EXPECT_FALSE(etatPolyedres().retirageAleatoire);
    EXPECT_TRUE(etatAnnexesPolygones().objetsATirer.none());
    tire(2000, comptes);
    EXPECT_EQ(comptes[0] + comptes[5], 2000);
}

} // namespace
} // namespace km32::essai
