// Loci and meshes in the drawing: their drawing data, their display
// elements, and what the renderer draws of them into a recording context
// (one segment per joined pair of samples, one per pair of neighbours of a
// mesh grid whose two points exist, one dot per point not joined).
#include "peinture_enregistree.h"
#include <cmath>
#include <map>

#include "banc_lieux.h"
#include "drawing/bloc_dessin.h"
#include "drawing/element_solide.h"
#include "drawing/rafraichissement.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/trace_enregistre.h"

namespace km32::essai {
namespace {

using platform::Primitive;
using platform::TypePrimitive;

class DessinLieux : public BancLieux {
  protected:
    std::vector<Primitive> peint() {
        reconstruitDessin(f);
        return essais::peintureEnregistree(f);
    }
    // Lines drawn with a pen of the colour of object nom (segments, or dots:
    // lines of one pixel at most), and the longest of them in pixels.
    int traits(const std::vector<Primitive>& ps, const std::string& nom, int* plusLong = nullptr) const {
        const platform::Couleur couleur = couleurDuStyle(objet(f, numero(nom)).style);
        int n = 0;
        for (const Primitive& p : ps) {
            if (p.type != TypePrimitive::Polyligne || p.etat.stylo.couleur != couleur || p.points.size() != 2)
                continue;
            ++n;
            const int d =
                std::max(std::abs(p.points[0].x - p.points[1].x), std::abs(p.points[0].y - p.points[1].y));
            if (plusLong) *plusLong = std::max(*plusLong, d);
        }
        return n;
    }
};

const std::vector<std::string> kFigure = {
    "O point de coordonnées (0,0,0) dans le repère Rxyz",
    "A point de coordonnées (4,2,0) dans le repère Rxyz",
    "c cercle de centre O et de rayon 3 dans le plan oxy (unité Uxyz)",
    "P point libre sur le cercle c",
    "M milieu du segment [AP]",
    "L lieu du point M, pilote P (60 points)",
    "h fonction: (x,y)|->x*y/4",
    "G graphe de h sur [-1,1] x [-2,2] (5 x 6 points, repère Rxyz)",
    "s fonction: (x,y)|->sqrt(1-x^2-y^2)",
    "H graphe de s sur [-0.95,0.95] x [-0.95,0.95] (11 x 11 points, repère Rxyz)",
    "Dessin de L: rouge, points liés",
    "Dessin de G: bleu",
    "Dessin de H: vert",
    "Dessin de c: non dessiné",
};

TEST_F(DessinLieux, ALocusAndMeshesHaveDrawingDataAndDisplayElements) {
    ASSERT_EQ(litFigure(kFigure), 0);
    reconstruitDessin(f);
    const int L = numero("L"), G = numero("G");
    const TElementSolide* sl = elementSolide(f, L);
    const TElementSolide* sg = elementSolide(f, G);
    ASSERT_TRUE(sl && sg);
    EXPECT_EQ(sl->genre, kElementLigne);
    EXPECT_EQ(sl->ligne.size(), 60u);
    EXPECT_EQ(sg->genre, kElementMaillage);
    EXPECT_EQ(complementDe(*sg).grille.lignes, 5);
    EXPECT_EQ(complementDe(*sg).grille.colonnes, 6);
    EXPECT_EQ(complementDe(*sg).grille.complet, 1);

    const TelementDessin* el = elementDessin(f, L);
    const TelementDessin* eg = elementDessin(f, G);
    ASSERT_TRUE(el && eg);
    EXPECT_EQ(el->type, kDessinLigne);
    EXPECT_EQ(complementDe(*el).points.size(), 60u);
    EXPECT_EQ(eg->type, kDessinMaillage);
    ASSERT_EQ(complementDe(*eg).maillage.points.size(), 30u);
    // Each grid point on the screen is the projection of the mesh's point.
    const TMaillage* m = maillage("G");
    for (int k = 1; k <= 30; ++k) {
        const TpointEntier p{coordonneeEntiere(f, m->x[std::size_t(k)]),
                             coordonneeEntiere(f, m->y[std::size_t(k)]),
                             coordonneeEntiere(f, m->z[std::size_t(k)])};
        const TpointEcran& e = complementDe(*eg).maillage.points[std::size_t(k - 1)];
        EXPECT_TRUE(pointEcranDefini(e));
        EXPECT_EQ(e.x, projetteX32(f, p));
        EXPECT_EQ(e.y, projetteY32(f, p));
    }
}

TEST_F(DessinLieux, LociAndMeshesAreDrawnAsSegments) {
    ASSERT_EQ(litFigure(kFigure), 0);
    const auto ps = peint();
    // The locus: one piece of 60 points.
    EXPECT_EQ(traits(ps, "L"), 59);
    // A full 5 x 6 grid: 5 rows of 5 segments and 6 columns of 4.
    EXPECT_EQ(traits(ps, "G"), 5 * 5 + 6 * 4);
    // The hemisphere over its square: a segment between two neighbours only
    // where the function exists at both.
    auto existe = [](int i, int j) {
        const double x = -0.95 + 0.19 * i, y = -0.95 + 0.19 * j;
        return 1 - x * x - y * y >= 0;
    };
    int attendus = 0;
    for (int i = 0; i < 11; ++i)
        for (int j = 0; j < 11; ++j) {
            if (j > 0 && existe(i, j) && existe(i, j - 1)) ++attendus;
            if (i > 0 && existe(i, j) && existe(i - 1, j)) ++attendus;
        }
    EXPECT_EQ(traits(ps, "H"), attendus);
}

TEST_F(DessinLieux, PointsNotJoinedAreDrawnAsDots) {
    std::vector<std::string> lignes = kFigure;
    lignes.push_back("Dessin de L: points non liés");
    lignes.push_back("Dessin de G: points non liés");
    ASSERT_EQ(litFigure(lignes), 0);
    const auto ps = peint();
    int plusLong = 0;
    EXPECT_EQ(traits(ps, "L", &plusLong), 60);
    EXPECT_EQ(traits(ps, "G", &plusLong), 30);
    EXPECT_LE(plusLong, 1);
}

// The locus of Q = (a, 1/a, 0) while a runs over [-1, 1] in steps of 0.1
// has no point at a = 0: its samples are the two branches of the hyperbola
// y = 1/x, and a joined locus is drawn as two apart, whether its drawing
// line comes after it in the text or not.
const std::vector<std::string> kHyperbole = {
    "a réel libre de [-1,1]",
    "Q point de coordonnées (a,1/a,0) dans le repère Rxyz",
    "L lieu du point Q, pilote a (21 points)",
    "Dessin de L: rouge, points liés",
};

// The screen point of a model point, in pixels, as the drawing projects it.
std::pair<double, double> ecran(const TfigureKalmetra& f, const P3& p) {
    const TpointEntier e{coordonneeEntiere(f, p.x), coordonneeEntiere(f, p.y), coordonneeEntiere(f, p.z)};
    return {projetteX32(f, e).enPixelsReels(), projetteY32(f, e).enPixelsReels()};
}

class DessinHyperbole : public DessinLieux, public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(DessinHyperbole, AJoinedLocusReadWholeBreaksAtTheGapOfItsPoint) {
    ASSERT_EQ(litFigure(GetParam()), 0);
    const auto points = echantillons("L");
    // 21 values of a, one of them (0) with no point.
    ASSERT_EQ(points.size(), 20u);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const double a = -1 + 0.1 * double(k < 10 ? k : k + 1);
        EXPECT_NEAR(points[k].p.x, a, toleranceEchantillon());
        EXPECT_NEAR(points[k].p.y, 1 / a, 2 * toleranceEchantillon());
        // A sample joined to the one before it lies on the same branch.
        if (k > 0 && !points[k].rupture) {
            EXPECT_EQ(points[k].p.x > 0, points[k - 1].p.x > 0) << k;
        }
    }
    EXPECT_TRUE(points[10].rupture);

    // Drawn: no segment of L's colour runs from one side of the line x = 0
    // of the plane oxy to the other, and each branch has segments.
    const auto [ox, oy] = ecran(f, {0, 0, 0});
    const auto [hx, hy] = ecran(f, {0, 1, 0});
    auto gauche = [&](double x, double y) { return (hx - ox) * (y - oy) - (hy - oy) * (x - ox) > 0; };
    const auto [gx, gy] = ecran(f, {-1, 0, 0});
    const bool cotePositifAGauche = gauche(gx, gy);
    const platform::Couleur couleur = couleurDuStyle(objet(f, numero("L")).style);
    int aGauche = 0, aDroite = 0;
    for (const Primitive& p : peint()) {
        if (p.type != TypePrimitive::Polyligne || p.etat.stylo.couleur != couleur || p.points.size() != 2)
            continue;
        const bool g0 = gauche(p.points[0].x, p.points[0].y), g1 = gauche(p.points[1].x, p.points[1].y);
        EXPECT_EQ(g0, g1) << "(" << p.points[0].x << "," << p.points[0].y << ") (" << p.points[1].x << ","
                          << p.points[1].y << ")";
        ++(g0 == cotePositifAGauche ? aGauche : aDroite);
    }
    EXPECT_GT(aGauche, 0);
    EXPECT_GT(aDroite, 0);
}

INSTANTIATE_TEST_SUITE_P(LignesDeDessin, DessinHyperbole,
                         ::testing::Values(kHyperbole,
                                           // Other lines between the locus and its drawing line.
                                           std::vector<std::string>{kHyperbole[0], kHyperbole[1],
                                                                    kHyperbole[2], "b = 1", kHyperbole[3],
                                                                    "c = b + 1"}));

} // namespace
} // namespace km32::essai
