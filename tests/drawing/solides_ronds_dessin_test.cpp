// Round solids and meshes in a figure read from its text, at the default
// view and zoom: where their outlines, base circles and grid points are
// drawn, and that a click on them picks them.
#include <cmath>

#include "drawing/rendu_figure.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/trace_enregistre.h"
#include "souris_banc.h"

namespace km32::essais {
namespace {

using platform::Primitive;
using platform::TypePrimitive;

const char* const kSolides = "Figure Kalmetra\r\n"
                             "S sphère de centre o et de rayon 2 (unité de longueur Uxyz)\r\n"
                             "Fin de la figure";

class SolidesRonds : public BancSouris {
  protected:
    // At the default zoom one unit is a tenth of the drawing's smaller side
    // and the origin is drawn at the drawing's centre.
    void mesureVue() {
        const TfigureKalmetra& f = fig();
        pixelsParUnite = std::min(f.largeurImage, f.hauteurImage) / 10.0;
        centreX = f.largeurImage / 2.0;
        centreY = f.hauteurImage / 2.0;
    }
    double pixelsParUnite = 0, centreX = 0, centreY = 0;

    // The figure painted into a recording context; the lines drawn in the
    // colour of object nom.
    std::vector<Primitive> traitsDe(const std::string& nom) {
        const platform::Couleur couleur = couleurDuStyle(objet(fig(), numero(nom)).style);
        std::vector<Primitive> r;
        for (const Primitive& p : peint())
            if (p.type == TypePrimitive::Polyligne && p.etat.stylo.couleur == couleur) r.push_back(p);
        return r;
    }
};

TEST_F(SolidesRonds, TheSphereOutlineIsACircleRoundTheCentre) {
    TfigureKalmetra& f = figureDeTexte(kSolides);
    mesureVue();
    ASSERT_GT(pixelsParUnite, 25.0); // the host window is about 400 x 300
    const int S = numero("S");
    const TelementDessin* e = elementDessin(f, S);
    ASSERT_NE(e, nullptr);
    ASSERT_FALSE(e->lignes.empty());
    // 500 r z = 500 x 2 x 0.1 = 100 steps round the outline.
    ASSERT_EQ(e->lignes[0].size(), 101u);
    const double rayon = 2 * pixelsParUnite;
    for (const TpointEcran& p : e->lignes[0])
        EXPECT_NEAR(std::hypot(xReelPointEcran(p) - centreX, yReelPointEcran(p) - centreY), rayon, 0.1);

    // What the renderer draws: one segment per step, every one on that
    // circle, and the segments go all round it.
    const auto traits = traitsDe("S");
    ASSERT_EQ(traits.size(), 100u);
    double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
    for (const Primitive& t : traits)
        for (const platform::Point& q : t.points) {
            EXPECT_NEAR(std::hypot(q.x - centreX, q.y - centreY), rayon, 1.0);
            xMin = std::min(xMin, double(q.x));
            xMax = std::max(xMax, double(q.x));
            yMin = std::min(yMin, double(q.y));
            yMax = std::max(yMax, double(q.y));
        }
    EXPECT_NEAR(xMin, centreX - rayon, 1.0);
    EXPECT_NEAR(xMax, centreX + rayon, 1.0);
    EXPECT_NEAR(yMin, centreY - rayon, 1.0);
    EXPECT_NEAR(yMax, centreY + rayon, 1.0);
}

TEST_F(SolidesRonds, AClickOnTheOutlinePicksTheSphere) {
    TfigureKalmetra& f = figureDeTexte(kSolides);
    mesureVue();
    const int S = numero("S");
    const double rayon = 2 * pixelsParUnite;
    // Points of the outline away from the axes, and one just beside it.
    for (double degresAngle : {30.0, 150.0, 210.0, 330.0}) {
        const double a = degresAngle * M_PI / 180;
        const int32_t x = int32_t(std::lround(centreX + rayon * std::cos(a)));
        const int32_t y = int32_t(std::lround(centreY - rayon * std::sin(a)));
        EXPECT_EQ(objetSousSouris(f, x, y), S) << degresAngle;
        EXPECT_EQ(objetSousSouris(f, x + 3, y), S) << degresAngle;
    }
    // The top-left corner, where the outline used to be found, holds nothing.
    EXPECT_EQ(objetSousSouris(f, 3, 3), 0);
}

TEST_F(SolidesRonds, TheCylinderBasesAreDrawnAtItsEnds) {
    TfigureKalmetra& f =
        figureDeTexte("Figure Kalmetra\r\n"
                      "A point de coordonnées (0,-2,0) dans le repère Rxyz\r\n"
                      "B point de coordonnées (1,2,1) dans le repère Rxyz\r\n"
                      "C cylindre de rayon 1 et d'axe le segment [AB] (unité de longueur Uxyz)\r\n"
                      "Fin de la figure");
    mesureVue();
    const TelementDessin* e = elementDessin(f, numero("C"));
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->lignes.size(), 2u);
    // A circle of radius r seen in parallel projection is an ellipse round
    // the projected centre whose half major axis is r: the base of radius 1
    // round each end, 500 r z = 50 steps.
    const platform::Point bouts[2] = {ecran(pt("A")), ecran(pt("B"))};
    for (std::size_t k = 0; k < 2; ++k) {
        const std::vector<TpointEcran>& base = e->lignes[k];
        ASSERT_EQ(base.size(), 51u);
        double sx = 0, sy = 0, plusLoin = 0;
        for (std::size_t j = 0; j + 1 < base.size(); ++j) { // the last point closes the circle
            sx += xReelPointEcran(base[j]);
            sy += yReelPointEcran(base[j]);
        }
        for (const TpointEcran& p : base) {
            const double d = std::hypot(xReelPointEcran(p) - bouts[k].x, yReelPointEcran(p) - bouts[k].y);
            EXPECT_LE(d, pixelsParUnite + 0.5);
            plusLoin = std::max(plusLoin, d);
        }
        EXPECT_NEAR(sx / 50, bouts[k].x, 1.0) << k;
        EXPECT_NEAR(sy / 50, bouts[k].y, 1.0) << k;
        EXPECT_NEAR(plusLoin, pixelsParUnite, 0.5) << k;
    }

    // Drawn: each end has segments reaching a full radius from it.
    const auto traits = traitsDe("C");
    for (const platform::Point& bout : bouts) {
        double plusLoin = 0;
        for (const Primitive& t : traits)
            for (const platform::Point& q : t.points) {
                const double d = std::hypot(q.x - bout.x, q.y - bout.y);
                if (d <= pixelsParUnite + 1) plusLoin = std::max(plusLoin, d);
            }
        EXPECT_NEAR(plusLoin, pixelsParUnite, 1.0);
    }
    // A click on a base picks the cylinder.
    EXPECT_EQ(objetSousSouris(f, xPointEcran(e->lignes[1][10]), yPointEcran(e->lignes[1][10])), numero("C"));
}

TEST_F(SolidesRonds, AMeshIsPickedAtItsGridPoints) {
    TfigureKalmetra& f = figureDeTexte("Figure Kalmetra\r\n"
                                       "h fonction: (x,y)|->x*y/4\r\n"
                                       "G graphe de h sur [-1,1] x [-2,2] (5 x 6 points, repère Rxyz)\r\n"
                                       "Fin de la figure");
    const int G = numero("G");
    ASSERT_NE(elementDessin(f, G), nullptr);
    const int32_t u = etatSelection().toleranceDesignation;
    // The four corners of the grid, (x, y, x y / 4), and a click a little
    // beside each; a click farther than the pick unit from every grid point
    // finds nothing.
    for (const Pt coin : {Pt{1, 2, 0.5}, Pt{-1, 2, -0.5}, Pt{1, -2, -0.5}, Pt{-1, -2, 0.5}}) {
        const platform::Point p = ecran(coin);
        EXPECT_EQ(objetSousSouris(f, p.x, p.y), G);
        EXPECT_EQ(objetSousSouris(f, p.x + 2, p.y - 1), G);
    }
    const platform::Point loin = ecran({1, 2, 0.5});
    EXPECT_EQ(objetSousSouris(f, loin.x + u + 60, loin.y), 0);
}

} // namespace
} // namespace km32::essais
