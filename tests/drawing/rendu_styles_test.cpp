// Drawing rules shared by the drawers: dashes of hidden pieces in scaled
// drawing, clipping, marks of points, the dark-background colour rule.
#include "rendu_banc.h"

#include "base/garde.h"
#include "drawing/copie_echelle.h"

namespace km32::essai {
namespace {

using platform::Point;

class ReglesRendu : public BancRendu {
  protected:
    ReglesRendu() : dc(platform::creeContexteEnregistreur()) {
        etatRendu().rectangleDecoupe = {0, 0, 1000, 1000};
    }
    std::vector<Primitive>& ps() { return dc->journal()->primitives; }
    std::unique_ptr<platform::ContexteDessin> dc;

    // A hidden piece of the given length drawn from (0, 5): the dashes come
    // out as lines at height y with these x ends.
    struct CasTirets {
        int32_t longueur;
        std::vector<std::pair<int32_t, int32_t>> tirets;
    };
    void attendTirets(const CasTirets& c, int32_t y) {
        ps().clear();
        tracePartiesCachees(*dc, pieces({0, c.longueur}, 5, true));
        const auto ls = lignes(ps());
        ASSERT_EQ(ls.size(), c.tirets.size()) << c.longueur;
        for (std::size_t k = 0; k < ls.size(); ++k) {
            EXPECT_EQ(ls[k].points[0], (Point{c.tirets[k].first, y})) << c.longueur;
            EXPECT_EQ(ls[k].points[1], (Point{c.tirets[k].second, y})) << c.longueur;
        }
    }
};

TEST_F(ReglesRendu, HiddenPiecesBecomeAnOddNumberOfStepsInScaledDrawing) {
    const GardeValeur<uint8_t> echelle(etatRendu().modeEchelle, 1);
    // x of each dash's ends: n steps of length / n; dash k from (2k - 1 + 0.1) to (2k - 1 + 0.8) steps.
    const CasTirets cas[] = {
        {10, {{4, 6}}},           // n = 3 (2.5 rounded up): 10/3 * 1.1 = 3.67, 10/3 * 1.8 = 6
        {16, {{6, 10}}},          // n = 4 is even: 3
        {20, {{4, 7}, {12, 15}}}, // n = 5: two dashes, at 4.4-7.2 and 12.4-15.2
        {4, {{1, 2}}},            // at least 3 steps
    };
    for (const CasTirets& c : cas)
        attendTirets(c, 5);
}

TEST_F(ReglesRendu, ScaledDrawingMultipliesPositionsAndHasNoDottedPen) {
    const GardeValeur<uint8_t> echelle(etatRendu().modeEchelle, 1);
    const GardeValeur<double> facteur(etatRendu().facteurEchelle, 2.5);
    platform::choisitStylo(*dc, platform::kStyloNoir);
    choisitStyloPointille(*dc, 0xFF);
    EXPECT_EQ(dc->etat.stylo.style, StyleStylo::Plein);
    traceSegment(*dc, 10, 20, 30, 20);
    const auto ls = lignes(ps());
    ASSERT_EQ(ls.size(), 1u);
    EXPECT_EQ(ls[0].points[0], (Point{25, 50}));
    EXPECT_EQ(ls[0].points[1], (Point{75, 50}));
}

TEST_F(ReglesRendu, SegmentsOutsideTheClipRectangleAreNotDrawn) {
    etatRendu().rectangleDecoupe = {0, 0, 100, 50};
    traceSegment(*dc, 10, 60, 90, 80);  // below
    traceSegment(*dc, -20, 10, -5, 40); // left
    EXPECT_TRUE(ps().empty());
    traceSegment(*dc, 50, 25, 50, 400);
    ASSERT_EQ(ps().size(), 1u);
    EXPECT_EQ(ps()[0].points[1], (Point{50, 50}));
}

TEST_F(ReglesRendu, EveryMarkSizeMarksItsPoint) {
    for (int32_t largeur : {1, 2, 3}) {
        ps().clear();
        choisitStyloPlein(f, *dc, largeur, 0x0000FF);
        tracePointSeul(*dc, 40, 30);
        ASSERT_EQ(ps().size(), 1u) << largeur;
        EXPECT_TRUE(platform::marquePixel(ps()[0], {40, 30})) << largeur;
        EXPECT_FALSE(platform::marquePixel(ps()[0], {44, 30})) << largeur;
    }
    restaureStylo(*dc);
    EXPECT_EQ(dc->etat.stylo, platform::kStyloNoir);
}

TEST_F(ReglesRendu, DarkBackgroundRule) {
    struct Cas {
        uint8_t sombre;
        uint32_t couleur, affichee;
    };
    const Cas cas[] = {{1, 1, 0xFFFFFF},        {1, 0xFFFFFF, 1}, {1, 0, 0},
                       {1, 0x00FF00, 0x00FF00}, {0, 1, 1},        {0, 0xFFFFFF, 0xFFFFFF}};
    for (const Cas& c : cas) {
        TQTableDesVariablesPartagees()->fondSombre = c.sombre;
        EXPECT_EQ(couleurAffichee(c.couleur), c.affichee) << int(c.sombre) << " " << c.couleur;
    }
}

TEST_F(ReglesRendu, DotsOfCurves) {
    TpointEcran p;
    fixePointEcran(p, true, 20, 20);
    etatRendu().taillePoints = 3;
    dessineMarquePoint(*dc, p, 0x00FF00);
    // The pixel, the small box and, for a width of 3, the larger one.
    ASSERT_EQ(ps().size(), 3u);
    EXPECT_EQ(ps()[0].type, TypePrimitive::Pixel);
    EXPECT_EQ(ps()[1].rect, (platform::Rect{19, 19, 21, 21}));
    EXPECT_EQ(ps()[2].rect, (platform::Rect{18, 18, 22, 22}));
    ps().clear();
    fixePointEcranCache(p, true);
    dessineMarquePoint(*dc, p, 0x00FF00);
    // A hidden dot: the pixel and a one-point line of the current pen, no box.
    ASSERT_EQ(ps().size(), 2u);
    EXPECT_EQ(ps()[0].type, TypePrimitive::Pixel);
    EXPECT_EQ(ps()[1].type, TypePrimitive::Polyligne);
}

// In a drawing in fine units a screen pixel is several device units: the
// positions are multiplied by the scale factor, and so are the dash steps,
// the dots and the offsets that keep their screen size.
class ReglesRenduFin : public ReglesRendu {
  protected:
    ReglesRenduFin()
        : echelle(etatRendu().modeEchelle, 1), facteur(etatRendu().facteurEchelle, 10.0),
          pixel(etatRendu().pixelEchelle, 10.0) {
        etatRendu().rectangleDecoupe = {0, 0, 10000, 10000};
    }
    GardeValeur<uint8_t> echelle;
    GardeValeur<double> facteur, pixel;
};

TEST_F(ReglesRenduFin, HiddenPiecesKeepTheirStepCountAtAFinerScale) {
    // Lengths in screen pixels. The same counts as on a screen pixel grid (n = length / 4 pixels,
    // rounded, odd, at least 3), the ends in tenths of a pixel.
    const CasTirets cas[] = {
        {10, {{37, 60}}},                         // n = 3: 100/3 * 1.1 = 36.7, 100/3 * 1.8 = 60
        {16, {{59, 96}}},                         // n = 4 is even: 3 steps of 53.3
        {20, {{44, 72}, {124, 152}}},             // n = 5: steps of 40
        {4, {{15, 24}}},                          // at least 3 steps
        {28, {{44, 72}, {124, 152}, {204, 232}}}, // n = 7
    };
    for (const CasTirets& c : cas)
        attendTirets(c, 50);
}

TEST_F(ReglesRenduFin, ScaledPositionsAndLengthsAreClamped) {
    struct Cas {
        double facteur;
        int32_t n, position, longueur;
    };
    // +-1048320 is the largest device coordinate.
    const Cas cas[] = {{10.0, 1234, 12340, 12340},
                       {2000.0, 600, 1048320, 1048320},
                       {2000.0, -600, -1048320, -1048320},
                       {0.5, 3, 2, 2}};
    for (const Cas& c : cas) {
        const GardeValeur<double> f(etatRendu().facteurEchelle, c.facteur);
        const GardeValeur<double> p(etatRendu().pixelEchelle, c.facteur);
        EXPECT_EQ(echellePoint(c.n, 0).x, c.position) << c.facteur << " " << c.n;
        EXPECT_EQ(echelleEntier(c.n), c.position) << c.facteur << " " << c.n;
        EXPECT_EQ(longueurPixel(c.n), c.longueur) << c.facteur << " " << c.n;
    }
    // Outside scaled drawing a length stays in pixels.
    const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
    EXPECT_EQ(longueurPixel(7), 7);
}

TEST_F(ReglesRenduFin, DotsOfCurvesKeepTheirScreenSize) {
    TpointEcran p;
    fixePointEcran(p, true, 20, 20);
    etatRendu().taillePoints = 3;
    dessineMarquePoint(*dc, p, 0x00FF00);
    ASSERT_EQ(ps().size(), 3u);
    EXPECT_EQ(ps()[1].rect, (platform::Rect{190, 190, 210, 210}));
    EXPECT_EQ(ps()[2].rect, (platform::Rect{180, 180, 220, 220}));
}

TEST_F(ReglesRenduFin, PointMarksAreAtLeastTheirMinimumWidthPerSizeStep) {
    struct Cas {
        double pixelContexte; // device units of a pixel
        double minimum;       // device units per size step
        int32_t taille;       // mark size 1 to 3
        uint8_t traitsEpais;
        int32_t largeur; // pen width, in pixels of the context
    };
    const Cas cas[] = {
        {10, 50, 2, 0, 10}, // 2 x 50 = 100 device units: 10 pixels
        {10, 50, 1, 0, 5},  //
        {10, 50, 3, 1, 15}, // thick lines double 3 to 6, still below 150
        {100, 50, 2, 0, 2}, // already 200 device units
        {10, 0, 2, 1, 4},   // no minimum: the size, doubled for thick lines
        {7, 50, 1, 0, 8},   // 50 / 7 rounded up
    };
    for (const Cas& c : cas) {
        platform::fixePixelContexte(*dc, c.pixelContexte);
        const GardeValeur<double> minimum(etatRendu().marqueMinimale, c.minimum);
        f.traitsEpais = c.traitsEpais;
        choisitStyloMarque(f, *dc, c.taille, 0xFF);
        EXPECT_EQ(dc->etat.stylo, platform::styloPlein(c.largeur, 0xFF))
            << c.pixelContexte << " " << c.minimum << " " << c.taille;
        restaureStylo(*dc);
    }
    // Outside scaled drawing the mark is its size.
    const GardeValeur<uint8_t> sansEchelle(etatRendu().modeEchelle, 0);
    const GardeValeur<double> minimum(etatRendu().marqueMinimale, 50.0);
    f.traitsEpais = 0;
    choisitStyloMarque(f, *dc, 2, 0xFF);
    EXPECT_EQ(dc->etat.stylo.largeur, 2);
}

} // namespace
} // namespace km32::essai
