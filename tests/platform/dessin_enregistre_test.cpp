// The device context on the recording backend: mapping, what each call
// records, state save and restore, text measurement, copies of recorded bitmaps.
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/image_bitmap.h"
#include "platform/trace_enregistre.h"

#include <gtest/gtest.h>

#include <cmath>

namespace km32::platform {
namespace {

struct CasProjection {
    const char* nom;
    ModeProjection mode;
    Point origineFenetre;
    Taille etendueFenetre;
    Point origineVue;
    Taille etendueVue;
    Point logique;
    Point attendu; // worked out by hand from the mapping formula
};

TEST(DessinProjection, LogicalToDevice) {
    const CasProjection cas[] = {
        {"identity", ModeProjection::Texte, {0, 0}, {1, 1}, {0, 0}, {1, 1}, {5, 7}, {5, 7}},
        {"text mode keeps origins, ignores extents",
         ModeProjection::Texte,
         {10, 20},
         {2, 2},
         {3, 4},
         {5, 5},
         {15, 25},
         {8, 9}},
        {"scale and flip",
         ModeProjection::Anisotrope,
         {0, 0},
         {100, 100},
         {0, 300},
         {200, -50},
         {10, 40},
         {20, 280}},
        {"zone of a scaled copy",
         ModeProjection::Anisotrope,
         {50, 60},
         {400, 300},
         {0, 0},
         {800, 600},
         {250, 210},
         {400, 300}},
        {"a third rounds down", ModeProjection::Anisotrope, {0, 0}, {3, 3}, {0, 0}, {1, 1}, {1, 1}, {0, 0}},
        {"two thirds round up", ModeProjection::Anisotrope, {0, 0}, {3, 3}, {0, 0}, {1, 1}, {2, 2}, {1, 1}},
        {"halves round away from zero",
         ModeProjection::Anisotrope,
         {0, 0},
         {2, 2},
         {0, 0},
         {1, 1},
         {1, -1},
         {1, -1}},
        {"both origins", ModeProjection::Anisotrope, {-10, -10}, {1, 1}, {7, 8}, {3, 2}, {0, 5}, {37, 38}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto dc = creeContexteEnregistreur();
        fixeModeProjection(*dc, c.mode);
        fixeOrigineFenetre(*dc, c.origineFenetre.x, c.origineFenetre.y);
        ASSERT_TRUE(fixeEtendueFenetre(*dc, c.etendueFenetre.cx, c.etendueFenetre.cy));
        fixeOrigineVue(*dc, c.origineVue.x, c.origineVue.y);
        ASSERT_TRUE(fixeEtendueVue(*dc, c.etendueVue.cx, c.etendueVue.cy));
        EXPECT_EQ(versEcran(*dc, c.logique), c.attendu);
        // Drawing goes through the same mapping.
        fixePixel(*dc, c.logique.x, c.logique.y, kNoir);
        EXPECT_EQ(dc->journal()->primitives.back().points[0], c.attendu);
    }
}

TEST(DessinProjection, InverseAndRefusals) {
    auto dc = creeContexteEnregistreur();
    fixeModeProjection(*dc, ModeProjection::Anisotrope);
    fixeEtendueFenetre(*dc, 10, 10);
    fixeEtendueVue(*dc, 40, -20);
    fixeOrigineVue(*dc, 100, 100);
    for (Point p : {Point{0, 0}, Point{5, -3}, Point{-7, 12}})
        EXPECT_EQ(versLogique(*dc, versEcran(*dc, p)), p);
    // A zero extent would divide by zero: refused, the old one stays.
    EXPECT_FALSE(fixeEtendueFenetre(*dc, 0, 5));
    EXPECT_FALSE(fixeEtendueVue(*dc, 5, 0));
    EXPECT_EQ(etendueFenetre(*dc), (Taille{10, 10}));
    decaleOrigineVue(*dc, -100, 5);
    EXPECT_EQ(versEcran(*dc, Point{1, 1}), (Point{4, 103}));
}

TEST(DessinRegles, LinePixelsLeaveTheLastOut) {
    struct Cas {
        Point a, b;
        std::vector<Point> attendus; // by hand
    } cas[] = {
        {{0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}}},
        {{3, 0}, {0, 0}, {{3, 0}, {2, 0}, {1, 0}}},
        {{0, 0}, {0, -2}, {{0, 0}, {0, -1}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {{5, 5}, {5, 5}, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(pixelsDeLigne(c.a, c.b), c.attendus) << c.b.x << "," << c.b.y;
}

TEST(DessinRegles, PixelsMarkedByRecordedPrimitives) {
    auto dc = creeContexteEnregistreur();
    deplaceVers(*dc, 2, 5);
    traceVers(*dc, 12, 5);          // 0: x = 2..11
    rectangle(*dc, 20, 20, 30, 25); // 1: outline and white interior
    choisitStylo(*dc, kStyloNul);
    rectangle(*dc, 40, 40, 50, 45); // 2: one row and column less
    choisitStylo(*dc, styloPlein(3, kNoir));
    deplaceVers(*dc, 60, 60);
    traceVers(*dc, 60, 60); // 3: a dot of a wide pen
    choisitPolice(*dc, Police{10, false});
    ecritTexte(*dc, 0, 100, "ab"); // 4: two cells of 6 by 10
    fixeDecoupe(*dc, Rect{0, 0, 5, 200});
    choisitStylo(*dc, styloPlein(1, kNoir));
    deplaceVers(*dc, 0, 150);
    traceVers(*dc, 10, 150); // 5: clipped at x = 5
    const auto& p = dc->journal()->primitives;
    struct Cas {
        std::size_t primitive;
        Point pixel;
        bool marque;
    } cas[] = {
        {0, {2, 5}, true},    {0, {11, 5}, true},   {0, {12, 5}, false},   {0, {1, 5}, false},
        {1, {20, 20}, true},  {1, {29, 24}, true},  {1, {30, 22}, false},  {1, {25, 25}, false},
        {1, {25, 22}, true},  {2, {40, 40}, true},  {2, {48, 43}, true},   {2, {49, 43}, false},
        {2, {45, 44}, false}, {3, {60, 60}, true},  {3, {61, 60}, true},   {3, {62, 60}, false},
        {4, {0, 100}, true},  {4, {11, 109}, true}, {4, {12, 100}, false}, {4, {0, 110}, false},
        {5, {4, 150}, true},  {5, {5, 150}, false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(marquePixel(p[c.primitive], c.pixel), c.marque)
            << "primitive " << c.primitive << " at " << c.pixel.x << "," << c.pixel.y;
}

TEST(DessinEnregistre, LinesRecordDeviceEndsAndPen) {
    auto dc = creeContexteEnregistreur();
    Stylo rouge{StyleStylo::Tirets, 1, rgb(255, 0, 0)};
    choisitStylo(*dc, rouge);
    fixeOrigineVue(*dc, 10, 20);
    deplaceVers(*dc, 0, 0);
    traceVers(*dc, 5, 0);
    traceVers(*dc, 5, 5); // from where the last line ended
    polyligne(*dc, {{1, 1}, {2, 3}, {4, 1}});
    const auto& p = dc->journal()->primitives;
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].points, (std::vector<Point>{{10, 20}, {15, 20}}));
    EXPECT_EQ(p[1].points, (std::vector<Point>{{15, 20}, {15, 25}}));
    EXPECT_EQ(p[2].points, (std::vector<Point>{{11, 21}, {12, 23}, {14, 21}}));
    EXPECT_EQ(p[0].etat.stylo, rouge);
    EXPECT_EQ(deplaceVers(*dc, 0, 0), (Point{5, 5}));
}

TEST(DessinEnregistre, ShapesKeepTheirBoxAndState) {
    auto dc = creeContexteEnregistreur();
    choisitBrosse(*dc, brosseHachuree(kHachureDiagonaleInverse, rgb(0, 0, 255)));
    choisitStylo(*dc, kStyloNul);
    fixeModeFond(*dc, ModeFond::Transparent);
    rectangle(*dc, 10, 8, 2, 3); // corners in any order
    ellipse(*dc, 0, 0, 4, 6);
    polygone(*dc, {{0, 0}, {4, 0}, {2, 3}});
    remplitRectangle(*dc, Rect{0, 0, 5, 5}, brossePleine(kNoir));
    const auto& p = dc->journal()->primitives;
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].type, TypePrimitive::Rectangle);
    EXPECT_EQ(p[0].rect, (Rect{2, 3, 10, 8}));
    EXPECT_EQ(p[0].etat.brosse.hachure, kHachureDiagonaleInverse);
    EXPECT_EQ(p[0].etat.modeFond, ModeFond::Transparent);
    EXPECT_EQ(p[1].type, TypePrimitive::Ellipse);
    EXPECT_EQ(p[2].type, TypePrimitive::Polygone);
    // A fill covers its whole rectangle: drawn as a null-pen rectangle one larger.
    EXPECT_EQ(p[3].rect, (Rect{0, 0, 6, 6}));
    EXPECT_EQ(p[3].etat.stylo.style, StyleStylo::Nul);
    EXPECT_EQ(p[3].etat.brosse, brossePleine(kNoir));
}

TEST(DessinEnregistre, PenWidthAndFontHeightFollowTheScale) {
    struct Cas {
        int32_t largeur, hauteurPolice, echelle, largeurAttendue, hauteurAttendue;
    } cas[] = {{0, 10, 3, 1, 30}, {1, 10, 3, 3, 30}, {2, 8, 1, 2, 8}, {4, 9, -2, 8, 18}};
    for (const auto& c : cas) {
        auto dc = creeContexteEnregistreur();
        fixeModeProjection(*dc, ModeProjection::Anisotrope);
        fixeEtendueVue(*dc, c.echelle, c.echelle);
        choisitStylo(*dc, styloPlein(c.largeur, kNoir));
        choisitPolice(*dc, Police{c.hauteurPolice, false});
        EtatTrace e = etatTrace(*dc);
        EXPECT_EQ(e.stylo.largeur, c.largeurAttendue) << c.largeur << " x " << c.echelle;
        EXPECT_EQ(e.police.hauteur, c.hauteurAttendue) << c.hauteurPolice << " x " << c.echelle;
    }
}

TEST(DessinEnregistre, PenWidthAndFontHeightTakeThePixelOfTheContext) {
    struct Cas {
        double pixel;
        int32_t largeur, hauteurPolice, largeurAttendue, hauteurAttendue;
    } cas[] = {
        {2540.0 / 72, 1, 15, 35, 529}, // a page in hundredths of a millimetre, one point a pixel
        {10, 0, 8, 10, 80},            // width 0 is one pixel
        {0.25, 2, 8, 1, 2},            // never below one device unit
        {0, 3, 8, 3, 8},               // a pixel that is not usable is 1
        {std::nan(""), 3, 8, 3, 8},
        {2e6, 3, 8, 3, 8},
    };
    for (const auto& c : cas) {
        auto dc = creeContexteEnregistreur();
        fixePixelContexte(*dc, c.pixel);
        choisitStylo(*dc, styloPlein(c.largeur, kNoir));
        choisitPolice(*dc, Police{c.hauteurPolice, false});
        const EtatTrace e = etatTrace(*dc);
        EXPECT_EQ(e.stylo.largeur, c.largeurAttendue) << c.pixel;
        EXPECT_EQ(e.police.hauteur, c.hauteurAttendue) << c.pixel;
        // A saved state keeps it; the positions are not touched.
        sauveContexte(*dc);
        fixePixelContexte(*dc, 1.0);
        restaureContexte(*dc, -1);
        EXPECT_EQ(etatTrace(*dc).stylo.largeur, c.largeurAttendue) << c.pixel;
        EXPECT_EQ(versEcran(*dc, Point{7, 9}), (Point{7, 9}));
    }
}

TEST(DessinEnregistre, TextExtentsOnAFixedCell) {
    auto dc = creeContexteEnregistreur();
    choisitPolice(*dc, Police{20, false});
    // 3/5 of 20 is a 12-pixel cell; every byte (one Windows-1252 character) counts.
    EXPECT_EQ(mesureTexte(*dc, "abc"), (Taille{36, 20}));
    EXPECT_EQ(mesureTexte(*dc, "\xE9t\xE9"), (Taille{36, 20}));
    EXPECT_EQ(mesureTexte(*dc, ""), (Taille{0, 20}));
    EXPECT_EQ(largeurCelluleEnregistree(15), 9);
    EXPECT_EQ(largeurCelluleEnregistree(1), 1);
    // Logical units: a font 10 high drawn at twice the size measures in logical units again.
    fixeModeProjection(*dc, ModeProjection::Anisotrope);
    fixeEtendueVue(*dc, 2, 2);
    choisitPolice(*dc, Police{10, false});
    EXPECT_EQ(mesureTexte(*dc, "abcd"), (Taille{24, 10}));
    fixeCouleurTexte(*dc, rgb(1, 2, 3));
    ecritTexte(*dc, 3, 4, "xy");
    const Primitive& t = dc->journal()->primitives.back();
    EXPECT_EQ(t.type, TypePrimitive::Texte);
    EXPECT_EQ(t.texte, "xy");
    EXPECT_EQ(t.points[0], (Point{6, 8}));
    EXPECT_EQ(t.etat.police.hauteur, 20);
    EXPECT_EQ(t.etat.couleurTexte, rgb(1, 2, 3));
}

TEST(DessinEnregistre, SaveAndRestoreTheWholeState) {
    auto dc = creeContexteEnregistreur();
    EXPECT_EQ(sauveContexte(*dc), 1);
    choisitStylo(*dc, styloPlein(3, rgb(9, 9, 9)));
    fixeModeProjection(*dc, ModeProjection::Anisotrope);
    fixeEtendueVue(*dc, 4, 4);
    fixeDecoupe(*dc, Rect{0, 0, 10, 10});
    deplaceVers(*dc, 7, 7);
    EtatContexte premier = dc->etat;
    EXPECT_EQ(sauveContexte(*dc), 2);
    choisitBrosse(*dc, kBrosseNulle);
    fixeCouleurFond(*dc, kNoir);
    retireDecoupe(*dc);

    EXPECT_FALSE(restaureContexte(*dc, 0));
    EXPECT_FALSE(restaureContexte(*dc, 3));
    EXPECT_FALSE(restaureContexte(*dc, -3));
    ASSERT_TRUE(restaureContexte(*dc, -1));
    EXPECT_EQ(dc->etat.stylo, premier.stylo);
    EXPECT_EQ(dc->etat.brosse, premier.brosse);
    EXPECT_EQ(dc->etat.couleurFond, kBlanc);
    EXPECT_EQ(dc->etat.decoupe, (Rect{0, 0, 40, 40}));
    EXPECT_EQ(dc->etat.position, (Point{7, 7}));
    // Going back to level 1 drops everything saved above it.
    ASSERT_TRUE(restaureContexte(*dc, 1));
    EXPECT_EQ(dc->etat.stylo, kStyloNoir);
    EXPECT_EQ(dc->etat.projection, ModeProjection::Texte);
    EXPECT_FALSE(dc->etat.decoupe.has_value());
    EXPECT_TRUE(dc->pile.empty());
    EXPECT_FALSE(restaureContexte(*dc, -1));
}

TEST(DessinEnregistre, ClipIsKeptInDevicePixels) {
    auto dc = creeContexteEnregistreur();
    fixeModeProjection(*dc, ModeProjection::Anisotrope);
    fixeEtendueFenetre(*dc, 1, -1);
    fixeOrigineVue(*dc, 0, 100);
    fixeDecoupe(*dc, Rect{10, 10, 20, 30}); // y grows upwards in logical units
    EXPECT_EQ(dc->etat.decoupe, (Rect{10, 70, 20, 90}));
    intersecteDecoupe(*dc, Rect{15, 0, 50, 25});
    EXPECT_EQ(dc->etat.decoupe, (Rect{15, 75, 20, 90}));
    fixePixel(*dc, 0, 0, kNoir);
    EXPECT_EQ(dc->journal()->primitives.back().etat.decoupe, (Rect{15, 75, 20, 90}));
}

TEST(DessinEnregistre, CopyOfARecordedBitmapBringsItsPrimitives) {
    Bitmap hors(20, 10, true);
    auto memoire = creeContexteMemoire();
    EXPECT_EQ(selectionneBitmap(*memoire, &hors), nullptr);
    deplaceVers(*memoire, 1, 2);
    traceVers(*memoire, 8, 2);
    auto fenetre = creeContexteEnregistreur();
    ASSERT_TRUE(copieBits(*fenetre, 100, 50, 20, 10, *memoire, 0, 0));
    const auto& p = fenetre->journal()->primitives;
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].type, TypePrimitive::Image);
    EXPECT_EQ(p[0].rect, (Rect{100, 50, 120, 60}));
    EXPECT_EQ(p[0].tailleImage, (Taille{20, 10}));
    EXPECT_TRUE(p[1].depuisCopie);
    EXPECT_EQ(p[1].points, (std::vector<Point>{{101, 52}, {108, 52}}));
    EXPECT_EQ(p[1].etat.decoupe, (Rect{100, 50, 120, 60}));
    // Without a bitmap there is nothing to copy.
    auto vide = creeContexteMemoire();
    EXPECT_FALSE(copieBits(*fenetre, 0, 0, 5, 5, *vide, 0, 0));
}

TEST(DessinEnregistre, ABitmapGoingAwayLeavesItsContextDrawingNowhere) {
    auto memoire = creeContexteMemoire();
    {
        Bitmap b(4, 4);
        selectionneBitmap(*memoire, &b);
        EXPECT_EQ(memoire->bitmap(), &b);
    }
    EXPECT_EQ(memoire->bitmap(), nullptr);
    EXPECT_EQ(memoire->rendu(), nullptr);
    rectangle(*memoire, 0, 0, 3, 3); // harmless
    EXPECT_FALSE(litPixel(*memoire, 0, 0).has_value());
    // A bitmap moves out of the context it was in when selected elsewhere.
    Bitmap b(2, 2);
    auto autre = creeContexteMemoire();
    selectionneBitmap(*memoire, &b);
    selectionneBitmap(*autre, &b);
    EXPECT_EQ(memoire->bitmap(), nullptr);
    EXPECT_EQ(autre->bitmap(), &b);
}

TEST(DessinEnregistre, HandlesMapToContexts) {
    reinitialiseTableContextes();
    auto a = creeContexteEnregistreur();
    auto b = creeContexteEnregistreur();
    uint32_t ha = enregistreContexte(a.get());
    uint32_t hb = enregistreContexte(b.get());
    EXPECT_NE(ha, 0u);
    EXPECT_NE(ha, hb);
    EXPECT_EQ(ha & 0xFF000000u, kMarqueHandleContexte);
    EXPECT_EQ(contexteDeHandle(ha), a.get());
    EXPECT_EQ(contexteDeHandle(hb), b.get());
    EXPECT_EQ(contexteDeHandle(0), nullptr);
    EXPECT_TRUE(oublieContexte(ha));
    EXPECT_FALSE(oublieContexte(ha));
    EXPECT_EQ(contexteDeHandle(ha), nullptr);
    // A context that goes away leaves no handle behind.
    uint32_t hc = enregistreContexte(b.get());
    b.reset();
    EXPECT_EQ(contexteDeHandle(hb), nullptr);
    EXPECT_EQ(contexteDeHandle(hc), nullptr);
    EXPECT_EQ(contexteDeHandle(enregistreContexte(a.get())), a.get());
    reinitialiseTableContextes();
    EXPECT_EQ(contexteDeHandle(ha), nullptr);
}

} // namespace
} // namespace km32::platform
