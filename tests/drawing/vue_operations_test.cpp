// Turning, panning, zooming, the window size, the toggles and the linked
// views: their effect on the view, their limits and the rebuild each runs.
#include <algorithm>

#include "drawing/historique_vues.h"
#include "drawing/vue_operations.h"
#include "drawing/vue_projection.h"
#include "model/objets_figure.h"
#include "model/style.h"
#include "platform/fenetres.h"
#include "vue_banc.h"

namespace km32::essai {
namespace {

using Journal = std::vector<std::string>;
const Journal kApresRotation{"polyedres", "libereSaufTextes", "elements"};
const Journal kApresRotationRepeinte{"polyedres", "libereSaufTextes", "elements", "repeint"};

class OperationsVue : public BancVue {};

// Screen position (unrounded) of a model point.
void ecran(const TfigureKalmetra& g, double x, double y, double z, double& sx, double& sy) {
    const double e = g.echelle;
    const double* c = g.coefficientsProjection;
    sx = e * (x * c[0] + y * c[1] + z * c[2]) + g.centreEcranX;
    sy = e * (x * c[3] + y * c[4] + z * c[5]) + g.centreEcranY;
}

TEST_F(OperationsVue, EachOperationRunsItsRebuild) {
    const struct {
        const char* nom;
        std::function<void(TfigureKalmetra&)> operation;
        Journal attendu;
        bool modifiee;
    } cas[] = {
        {"angles", [](TfigureKalmetra& g) { fixeAnglesVue(g, 0.1, 0.2, 0.3); }, kApresRotationRepeinte, true},
        {"tourne", [](TfigureKalmetra& g) { tourneVue(g, 0.1, 0, 0, 1); }, kApresRotation, false},
        {"tourne et repeint", [](TfigureKalmetra& g) { tourneVueEtRepeint(g, 0.1, 0, 0, 1); },
         kApresRotationRepeinte, true},
        {"pan", [](TfigureKalmetra& g) { decaleVue(g, 5, -5); },
         Journal{"libereSaufTextes", "elements", "repeint"}, true},
        {"zoom", [](TfigureKalmetra& g) { changeEchelleVue(g, 1.05); }, Journal{"objetsVue", "redessine"},
         true},
        {"taille", [](TfigureKalmetra& g) { ajusteTailleEtRepeint(g); },
         Journal{"donnees3D", "polyedres", "elements", "repeint"}, false},
        {"taille en mode trace",
         [](TfigureKalmetra& g) {
             g.modeTrace = 1;
             ajusteTailleEtRepeint(g);
         },
         Journal{"elements", "repeint"}, false},
        {"taille en trace a la demande",
         [](TfigureKalmetra& g) {
             g.modeTrace = 1;
             g.modeTraceALaDemande = 1;
             ajusteTailleEtRepeint(g);
         },
         Journal{"donnees3D", "polyedres", "elements", "repeint"}, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto g = figureNeuve();
        journalVue().clear();
        c.operation(*g);
        EXPECT_EQ(journalVue(), c.attendu);
        EXPECT_EQ(g->modifiee, c.modifiee ? 1 : 0);
    }
}

TEST_F(OperationsVue, TurningAboutTheLineOfSightTurnsThePictureInTheScreen) {
    const double t = 0.4;
    double x0, y0, x1, y1;
    ecran(*f, 1.5, -2, 0.75, x0, y0);
    ASSERT_TRUE(tourneVue(*f, t, 1, 0, 0));
    ecran(*f, 1.5, -2, 0.75, x1, y1);
    // Right and up about the centre, turned by t counterclockwise.
    const double d0 = x0 - f->centreEcranX, h0 = f->centreEcranY - y0;
    EXPECT_NEAR(x1 - f->centreEcranX, d0 * std::cos(t) - h0 * std::sin(t), 1e-6);
    EXPECT_NEAR(f->centreEcranY - y1, d0 * std::sin(t) + h0 * std::cos(t), 1e-6);
}

TEST_F(OperationsVue, TurningAboutAFigureAxisTurnsTheFigureAboutIt) {
    // Rodrigues' rotation, written here.
    double a[3] = {0.3, -0.5, 0.8};
    const double n = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    for (double& c : a)
        c /= n;
    const double t = 0.7, c = std::cos(t), s = std::sin(t);
    const double points[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1.5, -2, 0.75}};
    std::vector<std::array<double, 2>> avant;
    for (const auto& p : points) {
        const double d = a[0] * p[0] + a[1] * p[1] + a[2] * p[2];
        const double ax[3] = {a[1] * p[2] - a[2] * p[1], a[2] * p[0] - a[0] * p[2],
                              a[0] * p[1] - a[1] * p[0]};
        double q[3];
        for (int k = 0; k < 3; ++k)
            q[k] = p[k] * c + ax[k] * s + a[k] * d * (1 - c);
        double x, y;
        ecran(*f, q[0], q[1], q[2], x, y);
        avant.push_back({x, y});
    }
    // Any length of axis gives the same turn.
    ASSERT_EQ(tourneVueAutourAxeFigure(*f, t, 3 * a[0], 3 * a[1], 3 * a[2]), 1);
    for (std::size_t k = 0; k < std::size(points); ++k) {
        double x, y;
        ecran(*f, points[k][0], points[k][1], points[k][2], x, y);
        EXPECT_NEAR(x, avant[k][0], 1e-6);
        EXPECT_NEAR(y, avant[k][1], 1e-6);
    }
}

TEST_F(OperationsVue, TurnsAndAnglesRefuseWhatIsNotANumber) {
    const double nan = std::nan(""), inf = INFINITY;
    const double avant[3] = {f->anglesVue[0], f->anglesVue[1], f->anglesVue[2]};
    EXPECT_FALSE(fixeAnglesVue(*f, nan, 0, 0));
    EXPECT_FALSE(fixeVueEtMemorise(*f, 0, inf, 0));
    EXPECT_FALSE(tourneVue(*f, nan, 0, 0, 1));
    EXPECT_FALSE(tourneVue(*f, 0.1, 0, 0, 0));
    EXPECT_FALSE(tourneVue(*f, 0.1, inf, 0, 1));
    EXPECT_EQ(tourneVueEtRepeint(*f, 0.1, nan, 0, 1), 0);
    EXPECT_EQ(tourneVueEtMemorise(*f, nan, 0, 0, 1), 0);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(f->anglesVue[k], avant[k]);
    EXPECT_TRUE(journalVue().empty());
    EXPECT_EQ(f->modifiee, 0);
    EXPECT_FALSE(f->historiqueVues);
}

TEST_F(OperationsVue, ARotationOfExactlyZeroIsNotRemembered) {
    EXPECT_EQ(tourneVueEtMemorise(*f, 0, 0, 0, 1), 0);
    EXPECT_FALSE(f->historiqueVues);
    EXPECT_TRUE(journalVue().empty());
    EXPECT_EQ(tourneVueEtMemorise(*f, 0.2, 0, 1, 0), 1);
    ASSERT_TRUE(f->historiqueVues);
    EXPECT_EQ(f->historiqueVues->nombre, 1);
    EXPECT_DOUBLE_EQ(f->historiqueVues->entrees[1][1], f->anglesVue[1]);
}

TEST_F(OperationsVue, PanKeepsTheOriginInsideTheWindow) {
    // 491 x 263 pixels, origin at the centre: 245.5 pixels from the sides.
    const struct {
        double dx, dy;
        int resultat;
    } cas[] = {
        {245.5, 0, 1}, {-245.5, 0, 1}, {0, 131.5, 1}, {0, -131.5, 1}, {246.5, 0, 0},    {-246.5, 0, 0},
        {0, 132.5, 0}, {0, -132.5, 0}, {10, 200, 0},  {NAN, 0, 0},    {0, INFINITY, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        auto g = figureNeuve();
        EXPECT_EQ(decaleVue(*g, c.dx, c.dy), c.resultat);
        if (c.resultat) {
            EXPECT_DOUBLE_EQ(g->centreEcranX, 245.5 + c.dx);
            EXPECT_DOUBLE_EQ(g->centreEcranY, 131.5 + c.dy);
        } else {
            EXPECT_EQ(g->fractionsCentre[0], 0.5);
            EXPECT_EQ(g->fractionsCentre[1], 0.5);
            EXPECT_EQ(g->modifiee, 0);
        }
    }
    f->cadrageInterdit = 1;
    journalVue().clear();
    EXPECT_EQ(decaleVue(*f, 1, 1), 0);
    EXPECT_TRUE(journalVue().empty());
}

TEST_F(OperationsVue, ZoomRefusals) {
    const struct {
        const char* nom;
        uint8_t trace, traceALaDemande, cadrageInterdit;
        double facteur;
    } cas[] = {
        {"trace", 1, 0, 0, 1.05},
        {"trace a la demande", 0, 1, 0, 1.05},
        {"cadrage interdit", 0, 0, 1, 1.05},
        {"zero", 0, 0, 0, 0},
        {"negatif", 0, 0, 0, -2},
        {"nan", 0, 0, 0, NAN},
        {"infini", 0, 0, 0, INFINITY},
        {"trop grand", 0, 0, 0, 1e6},
        {"trop petit", 0, 0, 0, 1e-6},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto g = figureNeuve();
        g->modeTrace = c.trace;
        g->modeTraceALaDemande = c.traceALaDemande;
        g->cadrageInterdit = c.cadrageInterdit;
        journalVue().clear();
        EXPECT_EQ(changeEchelleVue(*g, c.facteur), 0);
        EXPECT_EQ(g->uniteSurPetiteDimension, 0.1);
        EXPECT_EQ(g->borneSuperieure, 50);
        EXPECT_TRUE(journalVue().empty());
    }
}

TEST_F(OperationsVue, ZoomInAndOutComeBackAndStopAtTheBounds) {
    ASSERT_EQ(changeEchelleVue(*f, 1.05), 1);
    EXPECT_DOUBLE_EQ(f->uniteSurPetiteDimension, 0.105);
    EXPECT_DOUBLE_EQ(f->longueurUnitePixels, 263 * 0.105);
    EXPECT_DOUBLE_EQ(f->borneSuperieure, 5 / 0.105);
    ASSERT_EQ(changeEchelleVue(*f, 1 / 1.05), 1);
    EXPECT_NEAR(f->uniteSurPetiteDimension, 0.1, 1e-15);
    // Zooming in step by step stops at the largest zoom.
    int pas = 0;
    while (changeEchelleVue(*f, 1.05) && pas < 1000)
        ++pas;
    EXPECT_LT(pas, 1000);
    EXPECT_LE(f->uniteSurPetiteDimension, kZoomMaximal);
    EXPECT_GT(f->uniteSurPetiteDimension * 1.05, kZoomMaximal);
}

TEST_F(OperationsVue, DrawingSizeFollowsTheHostOrTheDrawingWindow) {
    using platform::Rectangle;
    const struct {
        const char* nom;
        Rectangle hote, dessin; // hote empty: no host window
        bool change;
        int32_t largeur, hauteur;
    } cas[] = {
        {"hote", {0, 0, 100, 80}, {0, 0, 300, 300}, true, 99, 79},
        {"sans hote", {}, {0, 0, 320, 200}, true, 320, 200},
        {"meme taille", {}, {10, 10, 501, 273}, false, 491, 263},
        {"trop petite", {}, {0, 0, 0, 50}, false, 491, 263},
        {"hote d'un pixel", {0, 0, 1, 40}, {0, 0, 300, 300}, false, 491, 263},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto g = figureNeuve();
        g->fenetreDessin = platform::creeFenetre(0, c.dessin, {}, false);
        if (c.hote.droite > 0) g->fenetreHote = platform::creeFenetre(0, c.hote, {}, false);
        EXPECT_EQ(ajusteTailleFenetre(*g), c.change);
        EXPECT_EQ(g->largeurImage, c.largeur);
        EXPECT_EQ(g->hauteurImage, c.hauteur);
        EXPECT_DOUBLE_EQ(g->longueurUnitePixels, std::min(c.largeur, c.hauteur) * 0.1);
        EXPECT_DOUBLE_EQ(g->centreEcranX, c.largeur / 2.0);
    }
    // No drawing window: nothing to follow.
    EXPECT_FALSE(ajusteTailleFenetre(*f));
}

TEST_F(OperationsVue, PointNamesToggleRebuildsTheNamedPointsOnly) {
    // Object 7 (o) is a point.
    TObjetFigure& o = objet(*f, 7);
    ASSERT_EQ(o.nature, kNaturePoint);
    commandesAutorisees() = false;
    EXPECT_EQ(basculeNomsDesPoints(*f), 0);
    EXPECT_EQ(f->nomsPointsAffiches, 1);
    EXPECT_TRUE(journalVue().empty());

    commandesAutorisees() = true;
    o.style.drapeaux = uint16_t(o.style.drapeaux & ~(kStyleNonDessine | kStyleBit11));
    EXPECT_EQ(basculeNomsDesPoints(*f), 1);
    EXPECT_EQ(f->nomsPointsAffiches, 0);
    EXPECT_EQ(f->modifiee, 1);
    EXPECT_EQ(journalVue(), (Journal{"donnees3D 7", "element 7", "repeint"}));
    // A point whose name is hidden is left as it is.
    o.style.drapeaux = uint16_t(o.style.drapeaux | kStyleBit11);
    journalVue().clear();
    EXPECT_EQ(basculeNomsDesPoints(*f), 1);
    EXPECT_EQ(f->nomsPointsAffiches, 1);
    EXPECT_EQ(journalVue(), Journal{"repeint"});
}

TEST_F(OperationsVue, FrameToggleHidesAndShowsRxyzAndRebuildsItsAxes) {
    commandesAutorisees() = false;
    EXPECT_EQ(basculeRepereAffiche(*f), 0);
    commandesAutorisees() = true;
    const bool avant = estDessine(objet(*f, 1).style);
    EXPECT_EQ(basculeRepereAffiche(*f), 1);
    EXPECT_NE(estDessine(objet(*f, 1).style), avant);
    EXPECT_EQ(journalVue(), (Journal{"donnees3D 7", "donnees3D 8", "donnees3D 9", "donnees3D 10", "element 7",
                                     "element 8", "element 9", "element 10", "repeint"}));
    EXPECT_EQ(basculeRepereAffiche(*f), 1);
    EXPECT_EQ(estDessine(objet(*f, 1).style), avant);
}

TEST_F(OperationsVue, LinkedViewsFollowTheLeaderOnly) {
    TfigureKalmetra& meneuse = figureInscrite(1);
    TfigureKalmetra& suiveuse = figureInscrite(2);
    TfigureKalmetra& libre = figureInscrite(3);
    meneuse.exportationRotations = 1;
    meneuse.importationRotations = 1; // never follows itself
    suiveuse.importationRotations = 1;
    const double libreAvant = libre.anglesVue[0];

    ASSERT_TRUE(fixeAnglesVueEtVuesLiees(meneuse, 0.1, 0.2, 0.3));
    EXPECT_DOUBLE_EQ(suiveuse.anglesVue[0], 0.1);
    EXPECT_DOUBLE_EQ(suiveuse.anglesVue[1], 0.2);
    EXPECT_DOUBLE_EQ(suiveuse.anglesVue[2], 0.3);
    EXPECT_EQ(suiveuse.coefficientsProjection[0], meneuse.coefficientsProjection[0]);
    EXPECT_EQ(suiveuse.modifiee, 1);
    EXPECT_EQ(libre.anglesVue[0], libreAvant);
    // Leader and follower were each rebuilt and repainted once.
    EXPECT_EQ(std::count(journalVue().begin(), journalVue().end(), "repeint"), 2);

    // A follower's own turn does not reach the leader; a leader's turn
    // reaches the follower; no history is pushed for the follower.
    ASSERT_EQ(tourneVueEtRepeint(suiveuse, 0.3, 0, 0, 1), 1);
    EXPECT_DOUBLE_EQ(meneuse.anglesVue[0], 0.1);
    ASSERT_EQ(tourneVueEtMemorise(meneuse, 0.3, 0, 1, 0), 1);
    EXPECT_EQ(suiveuse.anglesVue[1], meneuse.anglesVue[1]);
    EXPECT_TRUE(meneuse.historiqueVues);
    EXPECT_FALSE(suiveuse.historiqueVues);
    // Stepping back through the leader's history moves the follower too.
    memoriseVue(meneuse);
    ASSERT_EQ(fixeVueEtMemorise(meneuse, 0.5, 0.5, 0.5), true);
    ASSERT_EQ(vuePrecedente(meneuse), 1);
    EXPECT_EQ(suiveuse.anglesVue[1], meneuse.anglesVue[1]);
    EXPECT_NE(suiveuse.anglesVue[1], 0.5);
}

TEST_F(OperationsVue, NumbersThatAreNotFiguresGiveNothing) {
    figureInscrite(2);
    for (int n : {-1, 0, 1, 3, 64, 65, 70000})
        EXPECT_EQ(figureDeLaVue(n), nullptr) << n;
    EXPECT_NE(figureDeLaVue(2), nullptr);
}

} // namespace
} // namespace km32::essai
