// Dragging free points of a figure read from a text, with the mouse sent
// as a user sends it: the constraint holds, the dependants follow, the host
// hears of the grab and of each step, the capture lives as long as the drag.
#include "souris_banc.h"

namespace km32::essais {
namespace {

const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,0,3) dans le repère Rxyz\r\n"
                            "P point libre sur la droite (AB)\r\n"
                            "M milieu du segment [PC]\r\n"
                            "S point libre sur le segment [AC]\r\n"
                            "Q point libre dans l'espace\r\n"
                            "Fin de la figure";

using GlisserFigure = BancSouris;

TEST_F(GlisserFigure, APointDraggedOnItsLineStaysOnItAndTheMidpointFollows) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const int P = numero("P");
    const platform::Point depart = ecran(pt("P"));
    enfonce(depart.x + 3, depart.y - 2);
    ASSERT_TRUE(f.etatGlisser);
    EXPECT_EQ(platform::fenetreCapture(), forme);
    EXPECT_EQ(f.objetLibreActif, P);
    EXPECT_EQ(f.dernierLibreBouge, P);

    // The mouse goes where (0, 3, 0) is drawn: P follows along its line.
    const platform::Point cible = ecran({0, 3, 0});
    EXPECT_EQ(deplace(cible.x, cible.y), 1);
    const Pt p = pt("P");
    EXPECT_EQ(p.x, 0.0);
    EXPECT_EQ(p.z, 0.0);
    // One pixel of the mouse is 1 / (pixels per unit of y) on the line.
    const double pixel = 1.0 / std::abs(ecran({0, 1, 0}).x - ecran({0, 0, 0}).x) + 1e-9;
    EXPECT_NEAR(p.y, 3.0, pixel);
    EXPECT_NEAR(valeurObjet(f, P, 4), p.y / 4, 1e-12); // the abscissa counts AB = 4 as 1
    attendPres(pt("M"), 0, p.y / 2, 1.5, 1e-12);
    // The display list has the new places.
    EXPECT_EQ(elementDessin(f, P)->x, ecran(p).x);
    EXPECT_EQ(elementDessin(f, numero("M"))->y, ecran(pt("M")).y);

    EXPECT_EQ(relache(cible.x, cible.y), 1);
    EXPECT_FALSE(f.etatGlisser);
    EXPECT_EQ(platform::fenetreCapture(), platform::kAucuneFenetre);
    EXPECT_EQ(f.objetLibreActif, 0);
    EXPECT_EQ(platform::curseurCourant(), platform::kCurseurFleche);
    // The grab (with the object active before it), then one step.
    ASSERT_EQ(avis.size(), 2u);
    EXPECT_EQ(avis[0], (Avis{kAvisMouvementLibre + 16, 0}));
    EXPECT_EQ(avis[1], (Avis{kAvisMouvementLibre, P}));
}

TEST_F(GlisserFigure, APointOnASegmentStopsAtTheEndItIsDraggedPast) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    struct Cas {
        Pt vers;
        double abscisse;
    };
    // [AC] runs up the screen from A (0, 0, 0) to C (0, 0, 3).
    for (const Cas& c : {Cas{{0, 0, 4}, 1.0}, Cas{{0, 0, -2}, 0.0}, Cas{{0, 0, 1.5}, 0.5}}) {
        const platform::Point depart = ecran(pt("S"));
        enfonce(depart.x, depart.y);
        const platform::Point cible = ecran(c.vers);
        deplace(cible.x, cible.y);
        relache(cible.x, cible.y);
        const double pixel = 1.0 / std::abs(ecran({0, 0, 3}).y - ecran({0, 0, 0}).y) + 1e-9;
        EXPECT_NEAR(valeurObjet(f, numero("S"), 4), c.abscisse, pixel) << c.vers.z;
        attendPres(pt("S"), 0, 0, 3 * valeurObjet(f, numero("S"), 4), 1e-12);
    }
}

TEST_F(GlisserFigure, AFreePointInSpaceMovesInThePlaneParallelToTheScreen) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const Pt avant = pt("Q");
    const platform::Point depart = ecran(avant);
    enfonce(depart.x, depart.y);
    ASSERT_EQ(f.objetLibreActif, numero("Q"));
    const int x = depart.x - 40, y = depart.y + 25;
    deplace(x, y);
    const Pt apres = pt("Q");
    // Moved across the line of sight only, and drawn under the mouse.
    const double* v = f.directionProjection;
    EXPECT_NEAR((apres.x - avant.x) * v[0] + (apres.y - avant.y) * v[1] + (apres.z - avant.z) * v[2], 0,
                1e-9);
    EXPECT_GT(std::hypot(apres.x - avant.x, apres.y - avant.y), 0.1);
    EXPECT_LE(std::abs(ecran(apres).x - x), 1);
    EXPECT_LE(std::abs(ecran(apres).y - y), 1);
    relache(x, y);
}

TEST_F(GlisserFigure, MovesOutsideTheAreaOrWithoutAGrabChangeNothing) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const Pt avant = pt("Q");
    // Far from every free point: nothing held, no drag state, no notice.
    enfonce(2, f.hauteurImage - 3);
    EXPECT_FALSE(f.etatGlisser);
    EXPECT_EQ(platform::fenetreCapture(), platform::kAucuneFenetre);
    deplace(50, 50);
    attendPres(pt("Q"), avant.x, avant.y, avant.z, 0);

    const platform::Point depart = ecran(avant);
    enfonce(depart.x, depart.y);
    deplace(1, depart.y); // within 2 pixels of the left side
    deplace(depart.x, f.hauteurImage - 1);
    attendPres(pt("Q"), avant.x, avant.y, avant.z, 0);
    relache(1, 1);
    ASSERT_EQ(avis.size(), 1u); // the grab only
}

TEST_F(GlisserFigure, TheActiveObjectOfBeforeTheDragComesBack) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const int P = numero("P"), Q = numero("Q");
    f.objetLibreActif = uint8_t(P);
    marqueDependantsObjetActif(f);
    const platform::Point q = ecran(pt("Q"));
    enfonce(q.x, q.y);
    // The press must have grabbed Q itself, not a point drawn near it.
    ASSERT_EQ(f.objetLibreActif, Q);
    EXPECT_FALSE(dependDeObjetLibreActif(objet(f, numero("M"))));
    deplace(q.x + 10, q.y);
    relache(q.x + 10, q.y);
    EXPECT_EQ(f.objetLibreActif, P);
    EXPECT_TRUE(dependDeObjetLibreActif(objet(f, numero("M"))));
    ASSERT_FALSE(avis.empty());
    EXPECT_EQ(avis.front(), (Avis{kAvisMouvementLibre + 16, P}));
}

TEST_F(GlisserFigure, EventsForADestroyedOrUnknownFigureDoNothing) {
    TfigureKalmetra& f = figureDeTexte(kFigure);
    const platform::Point p = ecran(pt("P"));
    enfonce(p.x, p.y);
    ASSERT_TRUE(f.etatGlisser);
    KMDetruitFigure(n);
    EXPECT_FALSE(figureExiste(n));
    EXPECT_EQ(platform::fenetreCapture(), platform::kAucuneFenetre);
    EXPECT_EQ(deplace(p.x + 20, p.y), 0);
    EXPECT_EQ(relache(p.x + 20, p.y), 0);
    for (int16_t inconnue : {int16_t(0), int16_t(7), int16_t(-1), int16_t(65)}) {
        KMMouseDown(inconnue, 1, 0, 10, 10);
        EXPECT_EQ(KMMouseMove(inconnue, 1, 0, 10, 10), 0);
        EXPECT_EQ(KMMouseUp(inconnue, 2, 0, 10, 10), 0);
    }
    EXPECT_TRUE(avis.size() == 1u); // the grab before the destruction
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

TEST_F(GlisserFigure, APointOnASphereDraggedOutsideItsOutlineStaysOnTheOutline) {
    TfigureKalmetra& f = figureDeTexte("Figure Kalmetra\r\n"
                                       "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                       "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                                       "S point libre sur la sphère s\r\n"
                                       "Fin de la figure");
    const platform::Point depart = ecran(pt("S"));
    enfonce(depart.x, depart.y);
    ASSERT_EQ(f.objetLibreActif, numero("S"));
    const platform::Point centre = ecran({0, 0, 0});
    const int x = centre.x + 120, y = centre.y; // far beyond the outline (radius about 60 pixels)
    deplace(x, y);
    const Pt s = pt("S");
    const double* v = f.directionProjection;
    EXPECT_NEAR(std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z), 2, 1e-9);
    EXPECT_NEAR(s.x * v[0] + s.y * v[1] + s.z * v[2], 0, 1e-6); // on the outline
    // Drawn on the way from the centre to the mouse.
    const platform::Point e = ecran(s);
    EXPECT_GT(e.x, centre.x + 40);
    EXPECT_LE(std::abs(e.y - centre.y), 1);
    relache(x, y);
}

TEST_F(GlisserFigure, APointInAPolygonMovesInItsPlaneAndStaysInside) {
    TfigureKalmetra& f = figureDeTexte("Figure Kalmetra\r\n"
                                       "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                       "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                                       "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                       "T polygone convexe de sommets ABC\r\n"
                                       "P point libre dans le polygone T\r\n"
                                       "Fin de la figure");
    const int P = numero("P");
    const platform::Point depart = ecran(pt("P"));
    enfonce(depart.x, depart.y);
    ASSERT_TRUE(f.etatGlisser);
    ASSERT_EQ(f.objetLibreActif, P);
    // The plane z = 0 of the triangle, from the point's record.
    EXPECT_NEAR(std::abs(f.etatGlisser->normalePlan[2]), 1, 1e-12);
    EXPECT_NEAR(f.etatGlisser->constantePlan, 0, 1e-9);

    // The mouse where (1, 1, 0) is drawn: the point goes there, within what
    // a pixel of the mouse is in the plane.
    const double pixel = 1.0 / std::abs(ecran({0, 1, 0}).x - ecran({0, 0, 0}).x);
    const platform::Point dedans = ecran({1, 1, 0});
    deplace(dedans.x, dedans.y);
    attendPres(pt("P"), 1, 1, 0, 2 * pixel);
    // Where (5, 5, 0) is drawn, beyond the side [BC]: the point comes back
    // towards the centroid (4/3, 4/3, 0), along the diagonal, onto [BC] at (2, 2, 0).
    const platform::Point dehors = ecran({5, 5, 0});
    deplace(dehors.x, dehors.y);
    attendPres(pt("P"), 2, 2, 0, 4 * pixel);
    const Pt q = pt("P");
    EXPECT_LE(q.x + q.y, 4 + 1e-9);
    relache(dehors.x, dehors.y);
    EXPECT_FALSE(f.etatGlisser);
    ASSERT_FALSE(avis.empty());
    EXPECT_EQ(avis.back(), (Avis{kAvisMouvementLibre, P}));
}

// A figure whose start line runs K as many times as P is far from A: a drag
// step that brings P within 1 of A would stop that line, and is refused.
const char* const kFigureDemarrage = "Figure Kalmetra\r\n"
                                     "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                     "B point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                     "P point libre sur la droite (AB)\r\n"
                                     "Objet libre P, paramètre: 0.5\r\n"
                                     "nb = int(dist(A,P))\r\n"
                                     "K (touche K) position mémorisée de P\r\n"
                                     "Démarrer en exécutant  nb fois les commandes K\r\n"
                                     "Fin de la figure";

// The refused step leaves P where the last kept step put it, the refusal is
// shown once for the whole drag, and the drag goes on with the next step
// that keeps the line running.
TEST_F(GlisserFigure, ADragStepThatWouldStopAStartLineIsRefusedOnce) {
    figureDeTexte(kFigureDemarrage);
    const auto refus = [] {
        int k = 0;
        for (const auto& b : platform::boitesDemandees())
            if (b.texte.find("nb fois les commandes K") != std::string::npos) ++k;
        return k;
    };
    const auto nb = [this] { return valeurObjet(fig(), numero("nb"), 1); };
    ASSERT_EQ(nb(), 2);
    const platform::Point depart = ecran(pt("P"));
    enfonce(depart.x, depart.y);
    ASSERT_TRUE(fig().etatGlisser);
    platform::boitesDemandees().clear();
    const platform::Point trois = ecran({0, 3, 0});
    deplace(trois.x, trois.y);
    EXPECT_EQ(nb(), 3);
    const Pt garde = pt("P");
    for (const double y : {0.5, 0.3, 0.6}) {
        const platform::Point pres = ecran({0, y, 0});
        deplace(pres.x, pres.y);
        EXPECT_EQ(pt("P").y, garde.y);
        EXPECT_EQ(nb(), 3);
    }
    EXPECT_EQ(refus(), 1);
    const platform::Point deux = ecran({0, 2.5, 0});
    deplace(deux.x, deux.y);
    EXPECT_EQ(nb(), 2);
    relache(deux.x, deux.y);
    EXPECT_EQ(refus(), 1);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
}

// A free point glued to G, nb read from its distance to G: a drag step puts
// the point on G, so nb would be 0. The step is judged before anything
// follows from it: the host hears of no move, the point stays, and the
// refusal names the start line.
TEST_F(GlisserFigure, AGluedPointsRefusedStepIsNotToldToTheHost) {
    figureDeTexte("Figure Kalmetra\r\n"
                  "G point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                  "P point libre dans l'espace\r\n"
                  "Affecter le point libre P, coordonnées: (3,0,0) dans le repère Rxyz\r\n"
                  "Le point P doit coller au point G\r\n"
                  "nb = int(dist(G,P))\r\n"
                  "K (touche K) position mémorisée de P\r\n"
                  "Démarrer en exécutant  nb fois les commandes K\r\n"
                  "Fin de la figure");
    const auto nb = [this] { return valeurObjet(fig(), numero("nb"), 1); };
    ASSERT_EQ(nb(), 3);
    const Pt avant = pt("P");
    const platform::Point depart = ecran(avant);
    enfonce(depart.x, depart.y);
    ASSERT_TRUE(fig().etatGlisser);
    platform::boitesDemandees().clear();
    avis.clear();
    deplace(depart.x - 20, depart.y + 10);
    EXPECT_EQ(nb(), 3);
    EXPECT_EQ(pt("P").x, avant.x);
    EXPECT_TRUE(avis.empty());
    bool nommee = false;
    for (const auto& b : platform::boitesDemandees())
        nommee = nommee || b.texte.find("nb fois les commandes K") != std::string::npos;
    EXPECT_TRUE(nommee);
    relache(depart.x - 20, depart.y + 10);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
}

} // namespace
} // namespace km32::essais
