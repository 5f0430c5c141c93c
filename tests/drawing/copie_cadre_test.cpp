// The drawing zone and the print frame: the zone of a screen paint, of a
// copy and of a printed page, and the frame's sides dragged with the mouse.
#include "copie_banc.h"
#include "drawing/impression_cadre.h"
#include "drawing/rendu_styles.h"

namespace km32::essai {
namespace {

class CopieCadre : public BancCopie {
  protected:
    CopieCadre() {
        // 200 x 120: the frame is (20, 12) - (180, 108) in pixels.
        f.cadreImage[0] = 0.1;
        f.cadreImage[1] = 0.1;
        f.cadreImage[2] = 0.9;
        f.cadreImage[3] = 0.9;
    }
};

TEST_F(CopieCadre, ZoneOfEachKindOfPaint) {
    struct Cas {
        const char* nom;
        bool hote, montre, copie, impression;
        platform::Rect zone;
        int32_t largeur, hauteur;
    };
    const Cas cas[] = {
        {"screen", false, true, false, false, {0, 0, 200, 120}, 201, 121},
        {"screen of a hosted figure", true, true, false, false, {0, 0, 198, 118}, 200, 119},
        {"copy, frame hidden", false, false, true, false, {0, 0, 200, 120}, 201, 121},
        {"copy, frame shown", false, true, true, false, {20, 12, 180, 108}, 162, 97},
        {"printed page, frame shown: margins", false, true, false, true, {24, 16, 178, 106}, 156, 91},
        {"printed page, frame hidden", false, false, false, true, {0, 0, 200, 120}, 201, 121},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        f.fenetreHote = c.hote ? 3 : 0;
        f.imageLimitee = c.montre ? 1 : 0;
        etatRendu().copieEnCours = c.copie ? 1 : 0;
        etatZoneDessin().impressionEnCours = c.impression ? 1 : 0;
        const TzoneDessin& z = calculeZoneDessin(f);
        EXPECT_EQ(z.zone, c.zone);
        EXPECT_EQ(z.complet, (platform::Rect{0, 0, 200, 120}));
        EXPECT_EQ(z.largeur, c.largeur);
        EXPECT_EQ(z.hauteur, c.hauteur);
        EXPECT_EQ(z.gauche, c.zone.gauche);
        EXPECT_EQ(z.haut, c.zone.haut);
    }
}

TEST_F(CopieCadre, BandAndFigureAreasFollowTheZone) {
    f.hauteurZoneAffichages = 30;
    placeZonesDessin(f);
    EXPECT_EQ(f.blocDessin->rectangleBandeau, (platform::Rect{0, 0, 200, 28}));
    EXPECT_EQ(f.blocDessin->rectangleFigure, (platform::Rect{0, 32, 200, 120}));
    // Scaled by 2: the band's bottom and the figure's top stay in screen pixels.
    etatRendu().modeEchelle = 1;
    etatRendu().facteurEchelle = 2;
    placeZonesDessin(f);
    EXPECT_EQ(f.blocDessin->rectangleBandeau, (platform::Rect{0, 0, 400, 28}));
    EXPECT_EQ(f.blocDessin->rectangleFigure, (platform::Rect{0, 32, 400, 240}));
    // A copy limited by a frame whose top is below the band.
    etatRendu().copieEnCours = 1;
    f.imageLimitee = 1;
    f.cadreImage[1] = 0.5; // 60
    placeZonesDessin(f);
    EXPECT_EQ(f.blocDessin->rectangleFigure, (platform::Rect{40, 120, 360, 216}));
}

TEST_F(CopieCadre, DraggingASideMovesItWithinTheDrawing) {
    struct Cas {
        const char* nom;
        int cote;
        int32_t x, y;
        bool change;
        double gauche, haut, droite, bas;
    };
    const Cas cas[] = {
        {"top down to 30", 1, 0, 30, true, 0.1, 0.25, 0.9, 0.9},
        {"left to 51: fractions to 1/100", 2, 51, 0, true, 0.26, 0.1, 0.9, 0.9},
        {"left past the right side: they swap", 2, 200, 0, true, 0.9, 0.1, 1.0, 0.9},
        {"bottom below the height: 2 pixels in", 3, 0, 200, true, 0.1, 0.1, 0.9, 0.98},
        {"left outside the drawing: 2 pixels in", 2, -40, 0, true, 0.01, 0.1, 0.9, 0.9},
        {"right beyond the width: 2 pixels in", 4, 260, 0, true, 0.1, 0.1, 0.99, 0.9},
        {"19 pixels wide is refused", 4, 39, 0, false, 0.1, 0.1, 0.9, 0.9},
        {"20 pixels wide is taken", 4, 40, 0, true, 0.1, 0.1, 0.2, 0.9},
        {"no move", 1, 0, 12, false, 0.1, 0.1, 0.9, 0.9},
        {"no such side", 5, 10, 10, false, 0.1, 0.1, 0.9, 0.9},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        f.cadreImage[0] = f.cadreImage[1] = 0.1;
        f.cadreImage[2] = f.cadreImage[3] = 0.9;
        f.modifiee = 0;
        EXPECT_EQ(deplaceCoteCadreImpression(f, c.x, c.y, c.cote), c.change);
        EXPECT_EQ(f.modifiee, c.change ? 1 : 0);
        EXPECT_DOUBLE_EQ(f.cadreImage[0], c.gauche);
        EXPECT_DOUBLE_EQ(f.cadreImage[1], c.haut);
        EXPECT_DOUBLE_EQ(f.cadreImage[2], c.droite);
        EXPECT_DOUBLE_EQ(f.cadreImage[3], c.bas);
    }
}

} // namespace
} // namespace km32::essai
