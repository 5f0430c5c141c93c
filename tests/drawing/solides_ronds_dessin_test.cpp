// Round solids and meshes in a figure read from its text, at the default
// view and zoom: where their outlines, base circles and grid points are
// drawn, and that a click on them picks them.
#include <cmath>

#include "drawing/bloc_dessin.h"
#include "drawing/donnees_dessin.h"
#include "drawing/element_solide.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_figure.h"
#include "model/point_ecran.h"
#include "model/solides/vue_solides.h"
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
    ASSERT_FALSE(complementDe(*e).lignes.empty());
    // 500 r z = 500 x 2 x 0.1 = 100 steps round the outline.
    ASSERT_EQ(complementDe(*e).lignes[0].size(), 101u);
    const double rayon = 2 * pixelsParUnite;
    for (const TpointEcran& p : complementDe(*e).lignes[0])
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
    ASSERT_EQ(complementDe(*e).lignes.size(), 2u);
    // A circle of radius r seen in parallel projection is an ellipse round
    // the projected centre whose half major axis is r: the base of radius 1
    // round each end, 500 r z = 50 steps.
    const platform::Point bouts[2] = {ecran(pt("A")), ecran(pt("B"))};
    for (std::size_t k = 0; k < 2; ++k) {
        const std::vector<TpointEcran>& base = complementDe(*e).lignes[k];
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
    EXPECT_EQ(objetSousSouris(f, xPointEcran(complementDe(*e).lignes[1][10]),
                              yPointEcran(complementDe(*e).lignes[1][10])),
              numero("C"));
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

// A spherical cap cut from the sphere of radius 2 round o by the plane
// z = hauteur, on the side of the point (0, 0, cote).
std::string texteCalotte(double hauteur, double cote) {
    const std::string h = std::to_string(hauteur), c = std::to_string(cote);
    return "Figure Kalmetra\r\n"
           "S sphère de centre o et de rayon 2 (unité de longueur Uxyz)\r\n"
           "A point de coordonnées (0,0," +
           h +
           ") dans le repère Rxyz\r\n"
           "B point de coordonnées (1,0," +
           h +
           ") dans le repère Rxyz\r\n"
           "C point de coordonnées (0,1," +
           h +
           ") dans le repère Rxyz\r\n"
           "M point de coordonnées (0,0," +
           c +
           ") dans le repère Rxyz\r\n"
           "p plan (ABC)\r\n"
           "K intersection de la sphère S et du demi-espace (p,M)\r\n"
           "Fin de la figure";
}

class CalotteSpherique : public SolidesRonds {
  protected:
    // The drawing data and the display element of the cap K.
    bool construit(bool& abandon) {
        TfigureKalmetra& f = fig();
        const int K = numero("K");
        donnees.reset();
        creeElementSolide(kNatureCalotteSpherique, donnees);
        if (!donnees) return false;
        abandon = false;
        construitDonneesCalotte(f, K, *donnees, abandon);
        if (abandon) return false;
        element = TelementDessin{};
        return elementCalotte(f, K, *donnees, element);
    }
    // An integer model point back in model units.
    Pt modele(const TpointEntier& p) {
        const double k = fig().echelle;
        return {p.x / k, p.y / k, p.z / k};
    }
    PElementSolide donnees;
    TelementDessin element;
};

TEST_F(CalotteSpherique, TheCapIsNeverComputedSoItsConstructionDrawsNothing) {
    TfigureKalmetra& f = figureDeTexte(texteCalotte(1, 3));
    const int K = numero("K");
    ASSERT_NE(K, 0);
    EXPECT_EQ(objet(f, K).nature, kNatureCalotteSpherique);
    EXPECT_EQ(objet(f, K).nonDefini, 1);
    EXPECT_EQ(elementDessin(f, K), nullptr);
}

TEST_F(CalotteSpherique, TheBaseCircleAndTheRimLieOnTheCapsSide) {
    figureDeTexte(texteCalotte(1, 3));
    mesureVue();
    bool abandon = false;
    ASSERT_TRUE(construit(abandon));
    // The plane z = 1 written negative on the side of M (0, 0, 3): -z + 1.
    EXPECT_EQ(donnees->genre, kElementCalotte);
    EXPECT_NEAR(complementDe(*donnees).planCalotte[0], 0, 1e-12);
    EXPECT_NEAR(complementDe(*donnees).planCalotte[1], 0, 1e-12);
    EXPECT_NEAR(complementDe(*donnees).planCalotte[2], -1, 1e-12);
    EXPECT_NEAR(complementDe(*donnees).planCalotte[3], 1, 1e-12);
    // The base: the circle of radius sqrt(4 - 1) round (0, 0, 1), sampled
    // with round(500 sqrt 3 x 0.1) = 87 steps; the sphere's outline with
    // round(500 x 2 x 0.1) = 100.
    ASSERT_EQ(donnees->ligne.size(), 88u);
    const double tolerance = 2 / fig().echelle;
    for (const TentreeLigne& l : donnees->ligne) {
        const Pt q = modele(l.p);
        EXPECT_NEAR(q.z, 1, tolerance);
        EXPECT_NEAR(std::hypot(q.x, q.y), std::sqrt(3.0), tolerance);
    }
    EXPECT_EQ(complementDe(*donnees).nombreEchantillons, 100);

    // The rim: the points of the outline (the great circle across the
    // viewing direction d) with z >= 1. On that circle z = 2 rho cos(t - t0)
    // with rho = sqrt(1 - dz^2), so an arc of 2 acos(1 / (2 rho)) is kept.
    const std::vector<TentreeLigne>& bord = donnees->vue->lignes[0].points;
    ASSERT_FALSE(bord.empty());
    double zMin = 1e9;
    for (const TentreeLigne& l : bord) {
        const Pt q = modele(l.p);
        EXPECT_NEAR(std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z), 2, tolerance);
        zMin = std::min(zMin, q.z);
    }
    EXPECT_GE(zMin, 1 - tolerance);
    const Tvecteur3 d = directionVisee(fig());
    const double rho = std::sqrt(1 - d.z * d.z);
    ASSERT_GT(2 * rho, 1.0); // the view sees the cap's rim
    const double arc = 2 * std::acos(1 / (2 * rho));
    EXPECT_NEAR(double(bord.size()), 100 * arc / (2 * M_PI), 1.5);
    // Where the rim ends, it meets the base circle: within one step of it.
    const double pasContour = 2 * 2 * M_PI / 100;
    EXPECT_LT(modele(bord.front().p).z - 1, pasContour);
    EXPECT_LT(modele(bord.back().p).z - 1, pasContour);

    // On the screen: the rim on the sphere's outline round the centre, the
    // base an ellipse round the projection of (0, 0, 1) whose half major
    // axis is sqrt 3 units.
    ASSERT_EQ(element.type, kDessinSphere);
    ASSERT_EQ(complementDe(element).lignes.size(), 2u);
    const platform::Point o = ecran({0, 0, 0}), b = ecran({0, 0, 1});
    for (const TpointEcran& p : complementDe(element).lignes[0])
        EXPECT_NEAR(std::hypot(xReelPointEcran(p) - o.x, yReelPointEcran(p) - o.y), 2 * pixelsParUnite, 1.0);
    double plusLoin = 0;
    for (const TpointEcran& p : complementDe(element).lignes[1]) {
        const double r = std::hypot(xReelPointEcran(p) - b.x, yReelPointEcran(p) - b.y);
        EXPECT_LE(r, std::sqrt(3.0) * pixelsParUnite + 1.0);
        plusLoin = std::max(plusLoin, r);
    }
    EXPECT_NEAR(plusLoin, std::sqrt(3.0) * pixelsParUnite, 1.0);
}

TEST_F(CalotteSpherique, APlaneThatMissesTheSphereLeavesAllOfItOrNothing) {
    struct Cas {
        double hauteur, cote;
        bool dessinee;
        std::size_t pointsBase;
    };
    // z = 3 with M below: the whole sphere, no base circle; with M above:
    // nothing. z = 0 cuts a half sphere whose base is the equator
    // (round(500 x 2 x 0.1) = 100 steps), on either side.
    for (const Cas& c :
         {Cas{3, 0, true, 0}, Cas{3, 4, false, 0}, Cas{0, 1, true, 101}, Cas{0, -1, true, 101}}) {
        if (figureDeNumero(n)) {
            KMDetruitFigure(n);
            platform::distribueJusquAuRepos();
        }
        figureDeTexte(texteCalotte(c.hauteur, c.cote));
        bool abandon = false;
        EXPECT_EQ(construit(abandon), c.dessinee) << c.hauteur << " " << c.cote;
        if (!c.dessinee) continue;
        EXPECT_EQ(donnees->ligne.size(), c.pointsBase) << c.hauteur << " " << c.cote;
        const std::vector<TentreeLigne>& bord = donnees->vue->lignes[0].points;
        if (c.pointsBase == 0) {
            EXPECT_EQ(bord.size(), 101u);
            continue;
        }
        // Half of the outline, on the side of M.
        EXPECT_NEAR(double(bord.size()), 50, 1.5);
        for (const TentreeLigne& l : bord)
            EXPECT_GE(modele(l.p).z * c.cote, -1e-3);
    }
}

TEST_F(CalotteSpherique, AHatchedCapKeepsThePartsOfTheParallelsOnItsSide) {
    TfigureKalmetra& f = figureDeTexte(texteCalotte(1, 3));
    TObjetFigure& k = objet(f, numero("K"));
    // Horizontal hatching: parallels round the z axis.
    k.style.drapeaux = uint16_t((k.style.drapeaux & ~kStyleMasqueRemplissage) | (2 << 4));
    bool abandon = false;
    ASSERT_TRUE(construit(abandon));
    ASSERT_NE(complementDe(*donnees).paralleles, nullptr);
    int lignesGardees = 0;
    for (const std::vector<TentreeLigne>& parallele : complementDe(*donnees).paralleles->paralleles) {
        lignesGardees += !parallele.empty();
        for (const TentreeLigne& l : parallele)
            EXPECT_GE(modele(l.p).z, 1 - 1e-6);
    }
    // round(35 x 2 x 0.1) = 7 parallels each side, at latitudes k pi / 16:
    // z = 2 sin(k pi / 16) >= 1 for k = 3 to 7.
    EXPECT_EQ(lignesGardees, 5);
    // The element draws them after the rim and the base.
    EXPECT_EQ(complementDe(element).lignes.size(), 2u + 5u);
}

TEST_F(CalotteSpherique, AnOpaqueSphereInFrontHidesTheRimWhereItCoversIt) {
    // T, opaque, between the viewer and the top of the cap: a rim point is
    // hidden when the ray from it towards the viewer goes through T.
    TfigureKalmetra& f = figureDeTexte(texteCalotte(1, 3));
    const Tvecteur3 d = directionVisee(f);
    const Pt centreT{4 * d.x, 4 * d.y, 1.5 + 4 * d.z};
    const double rayonT = 1.5;
    TearDown();
    SetUp();
    const std::string texte = texteCalotte(1, 3);
    TfigureKalmetra& g = figureDeTexte(texte.substr(0, texte.rfind("Fin")) + "Q point de coordonnées (" +
                                       std::to_string(centreT.x) + "," + std::to_string(centreT.y) + "," +
                                       std::to_string(centreT.z) +
                                       ") dans le repère Rxyz\r\n"
                                       "T sphère de centre Q et de rayon 1.5 (unité de longueur Uxyz)\r\n"
                                       "Fin de la figure");
    TObjetFigure& t = objet(g, numero("T"));
    t.style.drapeaux = uint16_t((t.style.drapeaux & ~kStyleMasqueRemplissage) | (1 << 4));
    redessineFigure(g);
    bool abandon = false;
    ASSERT_TRUE(construit(abandon));
    const std::vector<TentreeLigne>& bord = donnees->vue->lignes[0].points;
    const std::vector<TpointEcran>& ecranBord = complementDe(element).lignes[0];
    ASSERT_EQ(ecranBord.size(), bord.size());
    int caches = 0, visibles = 0;
    for (std::size_t k = 0; k < bord.size(); ++k) {
        const Pt P = modele(bord[k].p);
        const double qx = centreT.x - P.x, qy = centreT.y - P.y, qz = centreT.z - P.z;
        const double t0 = qx * d.x + qy * d.y + qz * d.z;
        const double distance = std::sqrt(std::max(0.0, qx * qx + qy * qy + qz * qz - t0 * t0));
        if (std::fabs(distance - rayonT) < 0.05) continue; // on T's outline: either way
        const bool attendu = t0 > 0 && distance < rayonT;
        EXPECT_EQ(pointEcranCache(ecranBord[k]), attendu) << k;
        (attendu ? caches : visibles)++;
    }
    EXPECT_GT(caches, 0);
    EXPECT_GT(visibles, 0);
}

TEST_F(CalotteSpherique, TheRendererDrawsTheRimAndTheBaseOfTheCapsElement) {
    TfigureKalmetra& f = figureDeTexte(texteCalotte(1, 3));
    mesureVue();
    const int K = numero("K");
    TObjetFigure& k = objet(f, K);
    k.style.rouge = 0x12;
    k.style.vert = 0x34;
    k.style.bleu = 0x56;
    bool abandon = false;
    ASSERT_TRUE(construit(abandon));
    element.style = k.style;
    f.blocDessin->elements[std::size_t(K)] = PElementDessin(new TelementDessin(element));
    // At least one segment per step of the rim and of the base circle (87
    // steps).
    const auto traits = traitsDe("K");
    const std::size_t pasBord = donnees->vue->lignes[0].points.size() - 1;
    EXPECT_GE(traits.size(), pasBord + 87);
    // Every line drawn lies on the sphere's outline (a circle of radius 2
    // round the projected centre) or on the projection of the base circle
    // (sampled here finely from its equation), and both are drawn.
    const platform::Point o = ecran({0, 0, 0});
    std::vector<platform::Point> ellipse;
    for (int j = 0; j < 720; ++j)
        ellipse.push_back(
            ecran({std::sqrt(3.0) * std::cos(j * M_PI / 360), std::sqrt(3.0) * std::sin(j * M_PI / 360), 1}));
    int surLeBord = 0, surLaBase = 0;
    for (const Primitive& t : traits)
        for (const platform::Point& q : t.points) {
            const double contour = std::fabs(std::hypot(q.x - o.x, q.y - o.y) - 2 * pixelsParUnite);
            double base = 1e9;
            for (const platform::Point& e : ellipse)
                base = std::min(base, std::hypot(double(q.x - e.x), double(q.y - e.y)));
            EXPECT_TRUE(contour < 1.5 || base < 1.5) << q.x << " " << q.y;
            surLeBord += contour < 1.5 && base > 3;
            surLaBase += base < 1.5 && contour > 3;
        }
    EXPECT_GT(surLeBord, 0);
    EXPECT_GT(surLaBase, 0);
}

TEST_F(CalotteSpherique, InTheIsolatedPlaneModeACapIsMarkedWhenItsBaseLiesInThePlane) {
    TfigureKalmetra& f = figureDeTexte(texteCalotte(1, 3));
    const int K = numero("K");
    bool abandon = false;
    ASSERT_TRUE(construit(abandon));
    ASSERT_TRUE(f.tableElementsSolides);
    f.tableElementsSolides->elements[std::size_t(K)] = std::move(donnees);
    struct Cas {
        double a, b, c, d; // the isolated plane, unit normal, model units
        uint8_t dansPlan;
    };
    // z = 1 either way round; z = 1.01 and x = 1 are other planes.
    for (const Cas& c :
         {Cas{0, 0, 1, -1, 1}, Cas{0, 0, -1, 1, 1}, Cas{0, 0, 1, -1.01, 0}, Cas{1, 0, 0, -1, 0}}) {
        f.aucunPlanIsole = 0;
        f.planIsole[0] = c.a;
        f.planIsole[1] = c.b;
        f.planIsole[2] = c.c;
        f.distancePlanIsole = c.d;
        marqueElementDansPlanIsole(f, K);
        EXPECT_EQ(elementSolide(f, K)->dansPlan, c.dansPlan) << c.a << " " << c.c << " " << c.d;
    }
}

} // namespace
} // namespace km32::essais
