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

// A window's recording keeps what the window shows: a picture or a solid
// fill drops what it hides wholly, and keeps what shows past its edge or
// lies outside its clip. A test's recording context keeps every call.
TEST_F(SurfacesFenetres, WhatAFillOrAPictureHidesLeavesTheRecordOfAWindow) {
    const Fenetre w = fenetre(kAucuneFenetre, {0, 0, 200, 100});
    std::unique_ptr<ContexteDessin> temoin = creeContexteEnregistreur();
    const Brosse rouge{StyleBrosse::Pleine, kRouge, 0};
    const Image image{4, 4, std::vector<uint32_t>(16, 0xFF00FF00u)};
    for (ContexteDessin* dc : {contexteDeFenetre(w), temoin.get()}) {
        polyligne(*dc, {{10, 10}, {40, 40}});   // hidden by the fill
        polyligne(*dc, {{10, 10}, {80, 10}});   // passes the fill's right edge
        ecritTexte(*dc, 20, 20, "ab");          // hidden by the fill
        polyligne(*dc, {{150, 60}, {160, 70}}); // hidden by the picture
        remplitRectangle(*dc, {5, 5, 60, 60}, rouge);
        choisitBrosse(*dc, Brosse{StyleBrosse::Nulle, kRouge, 0});
        rectangle(*dc, 0, 0, 50, 50); // no brush: hides nothing
        fixeDecoupe(*dc, {0, 0, 200, 100});
        dessineImage(*dc, image, {140, 50, 200, 100});
    }
    const std::vector<Primitive>& fenetre = surfaceDeFenetre(w)->journal()->primitives;
    std::vector<TypePrimitive> types;
    for (const Primitive& q : fenetre)
        types.push_back(q.type);
    EXPECT_EQ(types, (std::vector<TypePrimitive>{TypePrimitive::Polyligne, TypePrimitive::Rectangle,
                                                 TypePrimitive::Rectangle, TypePrimitive::Image}));
    EXPECT_EQ(fenetre[0].points.back(), (Point{80, 10}));
    EXPECT_EQ(temoin->journal()->primitives.size(), 7u);
    // Painted over whole again and again, the record stays one paint long.
    for (int k = 0; k < 20; ++k) {
        remplitRectangle(*contexteDeFenetre(w), {0, 0, 200, 100}, rouge);
        polyligne(*contexteDeFenetre(w), {{10, 10}, {40, 40}});
    }
    EXPECT_EQ(fenetre.size(), 2u);
}

TEST_F(SurfacesFenetres, SurfacesKeepARecordOnlyWhenAsked) {
    const bool avant = fixeEnregistrementSurfaces(false);
    const Fenetre w = fenetre(kAucuneFenetre, {0, 0, 200, 100});
    remplitRectangle(*contexteDeFenetre(w), {5, 5, 15, 15}, Brosse{StyleBrosse::Pleine, kRouge, 0});
    EXPECT_EQ(surfaceDeFenetre(w)->journal(), nullptr);
    EXPECT_EQ(surfaceDeFenetre(w)->pixel(10, 10), kRouge);
    EXPECT_FALSE(fixeEnregistrementSurfaces(true));
    // A reset keeps the choice; surfaces made from then on follow it.
    reinitialisePlateforme();
    const Fenetre v = fenetre(kAucuneFenetre, {0, 0, 200, 100});
    EXPECT_NE(surfaceDeFenetre(v)->journal(), nullptr);
    fixeEnregistrementSurfaces(avant);
}

} // namespace
} // namespace km32::platform
