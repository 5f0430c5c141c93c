// A figure painted on screen leaves its drawing in the surface of its
// drawing window: the pixels of the off-screen paint and, in the window's
// recording, the copy with what made it.
#include "../drawing/banc_dessin.h"
#include "drawing/rafraichissement.h"
#include "platform/contexte_dessin.h"
#include "platform/fenetres.h"
#include "platform/image_bitmap.h"
#include "platform/plateforme.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"

namespace km32::essais {
namespace {

using namespace platform;

constexpr Couleur kRouge = rgb(255, 0, 0);

// A painter of our own: a white drawing with a red square on each point.
void peintPoints(TfigureKalmetra& f, ContexteDessin& dc) {
    remplitRectangle(dc, {0, 0, f.largeurImage, f.hauteurImage}, kBrosseBlanche);
    for (int n = 7; n <= f.nombreObjets; ++n)
        if (const TelementDessin* e = elementDessin(f, n); e && e->type == kDessinPoint)
            remplitRectangle(dc, {e->x - 1, e->y - 1, e->x + 2, e->y + 2},
                             Brosse{StyleBrosse::Pleine, kRouge, 0});
}

class PeintureFenetre : public BancDessin {
  protected:
    Fenetre fenetre = kAucuneFenetre;
    PeintureFenetre() {
        reinitialisePlateforme();
        reinitialiseRafraichissement();
        etatRafraichissement().dessine = peintPoints;
        fenetre = creeFenetre(kAucuneFenetre, {0, 0, f.largeurImage, f.hauteurImage}, {}, true);
        f.fenetreDessin = fenetre;
    }
    ~PeintureFenetre() override {
        reinitialiseRafraichissement();
        reinitialisePlateforme();
    }
    int primitivesMarquant(Point p) const {
        int n = 0;
        for (const Primitive& q : surfaceDeFenetre(fenetre)->journal()->primitives)
            n += q.depuisCopie && q.type != TypePrimitive::Image && marquePixel(q, p);
        return n;
    }
};

TEST_F(PeintureFenetre, ScreenPaintLeavesTheDrawingInTheWindow) {
    point(0, 2, 3); // drawn at (260, 60)
    reconstruitDessin(f);
    repeintFigureEcran(f);
    const Bitmap* s = surfaceDeFenetre(fenetre);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->pixel(260, 60), kRouge);
    EXPECT_EQ(s->pixel(262, 60), kBlanc);
    EXPECT_EQ(s->pixel(10, 290), kBlanc);
    // The recording holds the copy, then what the copied bitmap was drawn with.
    const auto& primitives = s->journal()->primitives;
    ASSERT_FALSE(primitives.empty());
    EXPECT_EQ(primitives.front().type, TypePrimitive::Image);
    for (const Primitive& p : primitives)
        EXPECT_TRUE(p.depuisCopie || p.type == TypePrimitive::Image);
    EXPECT_EQ(primitivesMarquant({260, 60}), 2); // the background and the square
    EXPECT_EQ(primitivesMarquant({262, 60}), 1);

    // Each paint covers the whole window: the recording shows the last one only.
    const std::size_t n = primitives.size();
    valeurObjet(f, 14, 2) = 1; // the point moves to (230, 60)
    redessineFigure(f);
    EXPECT_EQ(s->journal()->primitives.size(), n);
    EXPECT_EQ(s->pixel(230, 60), kRouge);
    EXPECT_EQ(s->pixel(260, 60), kBlanc);
}

TEST_F(PeintureFenetre, PaintFollowsTheWindowSizeAndStopsWithTheWindow) {
    point(0, 2, 3);
    reconstruitDessin(f);
    repeintFigureEcran(f);
    placeFenetre(fenetre, {0, 0, 500, 350});
    f.largeurImage = 500;
    f.hauteurImage = 350;
    repeintFigureEcran(f);
    const Bitmap* s = surfaceDeFenetre(fenetre);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->largeur(), 500);
    EXPECT_EQ(s->hauteur(), 350);
    EXPECT_EQ(s->pixel(490, 340), kBlanc);
    EXPECT_EQ(s->pixel(260, 60), kRouge);

    detruitFenetre(fenetre);
    EXPECT_EQ(nombreDeSurfaces(), 0u);
    repeintFigureEcran(f); // the figure still names the window: nothing happens
    EXPECT_EQ(nombreDeSurfaces(), 0u);
}

} // namespace
} // namespace km32::essais
