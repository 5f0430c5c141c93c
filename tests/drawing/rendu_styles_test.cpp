// Drawing rules shared by the drawers: dashes of hidden pieces in scaled
// drawing, clipping, marks of points, the dark-background colour rule.
#include "rendu_banc.h"

#include "base/garde.h"

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
};

TEST_F(ReglesRendu, HiddenPiecesBecomeAnOddNumberOfStepsInScaledDrawing) {
    const GardeValeur<uint8_t> echelle(etatRendu().modeEchelle, 1);
    struct Cas {
        int32_t longueur;
        std::vector<std::pair<int32_t, int32_t>> tirets; // x of each dash's ends
    };
    // n steps of length / n; dash k from (2k - 1 + 0.1) to (2k - 1 + 0.8) steps.
    const Cas cas[] = {
        {10, {{4, 6}}},           // n = 3 (2.5 rounded up): 10/3 * 1.1 = 3.67, 10/3 * 1.8 = 6
        {16, {{6, 10}}},          // n = 4 is even: 3
        {20, {{4, 7}, {12, 15}}}, // n = 5: two dashes, at 4.4-7.2 and 12.4-15.2
        {4, {{1, 2}}},            // at least 3 steps
    };
    for (const Cas& c : cas) {
        ps().clear();
        tracePartiesCachees(*dc, pieces({0, c.longueur}, 5, true));
        const auto ls = lignes(ps());
        ASSERT_EQ(ls.size(), c.tirets.size()) << c.longueur;
        for (std::size_t k = 0; k < ls.size(); ++k) {
            EXPECT_EQ(ls[k].points[0], (Point{c.tirets[k].first, 5})) << c.longueur;
            EXPECT_EQ(ls[k].points[1], (Point{c.tirets[k].second, 5})) << c.longueur;
        }
    }
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

} // namespace
} // namespace km32::essai
