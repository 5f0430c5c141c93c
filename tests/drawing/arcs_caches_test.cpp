// Circles behind or inside an opaque sphere: their hidden arcs are left out,
// or drawn with the dotted pen as the hidden pieces of segments are, and the
// rest of the circle stays solid. Which steps are hidden is decided here from
// the geometry alone (the sphere's outline on the screen), not from the
// drawing code.
#include <cmath>
#include <string>
#include <vector>

#include "drawing/rendu_figure.h"
#include "model/solides/vue_solides.h"
#include "souris_banc.h"

namespace km32::essais {
namespace {

using platform::Primitive;
using platform::StyleStylo;
using platform::TypePrimitive;

std::string point(const char* nom, Pt p) {
    return std::string(nom) + " point de coordonnées (" + std::to_string(p.x) + "," + std::to_string(p.y) +
           "," + std::to_string(p.z) + ") dans le repère Rxyz\r\n";
}

class ArcsCaches : public BancSouris {
  protected:
    // The circle c of centre K and radius r in the plane through K across
    // the viewing direction, the opaque sphere S of radius 2 round o, c in
    // red; then the mode lines.
    std::string texte(Pt K, double r, const std::string& mode) {
        const Tvecteur3 d = directionVisee(fig());
        Tvecteur3 u, w;
        vecteurOrthogonal(u.x, u.y, u.z, d.x, d.y, d.z);
        produitVectoriel(w.x, w.y, w.z, d.x, d.y, d.z, u.x, u.y, u.z);
        return "Figure Kalmetra\r\n" + point("K", K) + point("L", {K.x + u.x, K.y + u.y, K.z + u.z}) +
               point("M", {K.x + w.x, K.y + w.y, K.z + w.z}) +
               "S sphère de centre o et de rayon 2 (unité de longueur Uxyz)\r\n"
               "c cercle de centre K et de rayon " +
               std::to_string(r) +
               " dans le plan KLM (unité Uxyz)\r\n"
               "Dessin de S: opaque\r\n"
               "Dessin de c: rouge\r\n" +
               mode + "Fin de la figure";
    }
};

TEST_F(ArcsCaches, HiddenArcsAreDottedOrLeftOutAsHiddenSegmentsAre) {
    figureDeTexte("Figure Kalmetra\r\nFin de la figure");
    const Tvecteur3 d = directionVisee(fig());
    Tvecteur3 u;
    vecteurOrthogonal(u.x, u.y, u.z, d.x, d.y, d.z);
    enum class Mode { Omis, Pointille, FilDeFer };
    struct Cas {
        const char* nom;
        Pt centre;
        double rayon;
        Mode mode;
    };
    // Behind the sphere, across its outline: K is 5 units behind o and 2
    // units aside, so the circle runs from 0.5 to 3.5 units off o's line of
    // sight. Inside the sphere: every point of it is hidden.
    const Pt derriere{-5 * d.x + 2 * u.x, -5 * d.y + 2 * u.y, -5 * d.z + 2 * u.z};
    const Pt dedans{0, 0, 0};
    const Cas cas[] = {
        {"behind, hidden parts left out", derriere, 1.5, Mode::Omis},
        {"behind, hidden parts dotted", derriere, 1.5, Mode::Pointille},
        {"behind, wire frame", derriere, 1.5, Mode::FilDeFer},
        {"inside, hidden parts left out", dedans, 1, Mode::Omis},
        {"inside, hidden parts dotted", dedans, 1, Mode::Pointille},
        {"inside, wire frame", dedans, 1, Mode::FilDeFer},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string mode = c.mode == Mode::Pointille  ? "Parties cachées en pointillé\r\n"
                                 : c.mode == Mode::FilDeFer ? "Figure en fil de fer\r\n"
                                                            : "";
        refaitFigure(texte(c.centre, c.rayon, mode));
        TfigureKalmetra& f = fig();
        ASSERT_EQ(calculPartiesCachees(f), c.mode != Mode::FilDeFer);
        // The sphere's outline on the screen: a circle of 2 units round o.
        const platform::Point o = ecran({0, 0, 0});
        const double rayonEcran = 2 * std::min(f.largeurImage, f.hauteurImage) * f.uniteSurPetiteDimension;
        auto dedansContour = [&](platform::Point p, double marge) {
            return std::hypot(p.x - o.x, p.y - o.y) < rayonEcran + marge;
        };
        const platform::Couleur rouge = couleurDuStyle(objet(f, numero("c")).style);
        int pleins = 0, pointilles = 0;
        for (const Primitive& p : peint()) {
            if (p.type != TypePrimitive::Polyligne || p.etat.stylo.couleur != rouge || p.points.size() != 2)
                continue;
            const platform::Point milieu{(p.points[0].x + p.points[1].x) / 2,
                                         (p.points[0].y + p.points[1].y) / 2};
            if (p.etat.stylo.style == StyleStylo::Points) {
                ++pointilles;
                // A dotted step lies behind the sphere's disc.
                EXPECT_TRUE(dedansContour(milieu, 2)) << milieu.x << " " << milieu.y;
            } else {
                ++pleins;
                EXPECT_EQ(p.etat.stylo.style, StyleStylo::Plein);
                // A solid step lies off the disc, unless nothing is hidden.
                if (c.mode != Mode::FilDeFer) {
                    EXPECT_FALSE(dedansContour(milieu, -2)) << milieu.x << " " << milieu.y;
                }
            }
        }
        const bool toutCache = c.centre.x == 0 && c.centre.y == 0 && c.centre.z == 0;
        EXPECT_EQ(pointilles > 0, c.mode == Mode::Pointille);
        EXPECT_EQ(pleins > 0, !toutCache || c.mode == Mode::FilDeFer);
    }
}

} // namespace
} // namespace km32::essais
