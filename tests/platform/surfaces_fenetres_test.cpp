// Window surfaces: a recorded bitmap of the client size behind each window
// that is drawn into, made again at a new size, and dropped with the window.
#include <gtest/gtest.h>

#include "platform/contexte_dessin.h"
#include "platform/fenetres.h"
#include "platform/image_bitmap.h"
#include "platform/plateforme.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"

namespace km32::platform {
namespace {

constexpr Couleur kRouge = rgb(255, 0, 0);

class SurfacesFenetres : public ::testing::Test {
  protected:
    SurfacesFenetres() { reinitialisePlateforme(); }
    ~SurfacesFenetres() override { reinitialisePlateforme(); }
    Fenetre fenetre(Fenetre parent, const Rectangle& cadre) { return creeFenetre(parent, cadre, {}, true); }
};

TEST_F(SurfacesFenetres, SurfaceHasTheClientSizeAndKeepsWhatIsDrawn) {
    const Fenetre w = fenetre(kAucuneFenetre, {10, 20, 210, 120});
    EXPECT_EQ(nombreDeSurfaces(), 0u); // made on first use only
    EXPECT_EQ(contexteDeFenetre(w + 1), nullptr);
    EXPECT_EQ(contexteDeFenetre(kAucuneFenetre), nullptr);

    ContexteDessin* dc = contexteDeFenetre(w);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(contexteDeFenetre(w), dc);
    EXPECT_EQ(nombreDeSurfaces(), 1u);
    const Bitmap* s = surfaceDeFenetre(w);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->largeur(), 200);
    EXPECT_EQ(s->hauteur(), 100);

    remplitRectangle(*dc, {5, 5, 15, 15}, Brosse{StyleBrosse::Pleine, kRouge, 0});
    EXPECT_EQ(s->pixel(10, 10), kRouge);
    EXPECT_EQ(s->pixel(20, 20), kNoir);
    ASSERT_NE(s->journal(), nullptr);
    ASSERT_EQ(s->journal()->primitives.size(), 1u);
    EXPECT_TRUE(marquePixel(s->journal()->primitives[0], {10, 10}));
}

TEST_F(SurfacesFenetres, SurfaceFollowsTheWindowSize) {
    const Fenetre w = fenetre(kAucuneFenetre, {0, 0, 200, 100});
    remplitRectangle(*contexteDeFenetre(w), {0, 0, 50, 50}, Brosse{StyleBrosse::Pleine, kRouge, 0});
    placeFenetre(w, {30, 30, 330, 180}); // moved and resized
    const Bitmap* s = surfaceDeFenetre(w);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->largeur(), 300);
    EXPECT_EQ(s->hauteur(), 150);
    // A new blank surface, waiting for the repaint the resize asked for.
    EXPECT_EQ(s->pixel(10, 10), kNoir);
    EXPECT_TRUE(s->journal()->primitives.empty());
    EXPECT_TRUE(aPeindre(w));
    EXPECT_EQ(nombreDeSurfaces(), 1u);
    // A move alone keeps the surface and what it holds.
    remplitRectangle(*contexteDeFenetre(w), {0, 0, 50, 50}, Brosse{StyleBrosse::Pleine, kRouge, 0});
    placeFenetre(w, {0, 0, 300, 150});
    EXPECT_EQ(surfaceDeFenetre(w), s);
    EXPECT_EQ(s->pixel(10, 10), kRouge);
}

TEST_F(SurfacesFenetres, SurfaceGoesWithTheWindow) {
    const Fenetre parent = fenetre(kAucuneFenetre, {0, 0, 200, 100});
    const Fenetre enfant = fenetre(parent, {10, 10, 60, 40});
    const Fenetre autre = fenetre(kAucuneFenetre, {0, 0, 20, 20});
    for (Fenetre w : {parent, enfant, autre})
        ASSERT_NE(contexteDeFenetre(w), nullptr);
    EXPECT_EQ(nombreDeSurfaces(), 3u);
    detruitFenetre(parent); // and its child with it
    EXPECT_EQ(nombreDeSurfaces(), 1u);
    EXPECT_EQ(contexteDeFenetre(enfant), nullptr);
    EXPECT_EQ(surfaceDeFenetre(parent), nullptr);
    EXPECT_EQ(nombreDeSurfaces(), 1u);
    // A reset of the windows leaves no surface for the handles given again.
    reinitialisePlateforme();
    EXPECT_EQ(nombreDeSurfaces(), 0u);
}

} // namespace
} // namespace km32::platform
