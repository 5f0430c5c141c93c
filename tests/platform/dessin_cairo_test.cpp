// The cairo backend: pixels of lines, rectangles, hatches, text and copies in
// an off-screen bitmap; PNG, SVG and PDF files.
#include "platform/cairo_rendu.h"
#include "platform/cairo_sortie.h"
#include "platform/contexte_dessin.h"
#include "platform/image_bitmap.h"
#include "platform/trace_enregistre.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace km32::platform {
namespace {

// cairo and fontconfig keep caches for the life of the process: freed at the
// end so the leak checker sees only our own allocations.
struct FinDessin : ::testing::Environment {
    void TearDown() override { libereCachesCairo(); }
};
const auto* const kFinDessin = ::testing::AddGlobalTestEnvironment(new FinDessin);

constexpr Couleur kRouge = rgb(255, 0, 0);
constexpr Couleur kBleu = rgb(0, 0, 255);
constexpr Couleur kVert = rgb(0, 255, 0);

// A white bitmap with a context drawing into it.
struct Planche {
    explicit Planche(int32_t w = 40, int32_t h = 40) : bitmap(w, h), dc(creeContexteMemoire()) {
        selectionneBitmap(*dc, &bitmap);
        remplitRectangle(*dc, Rect{0, 0, w, h}, kBrosseBlanche);
    }
    Couleur en(int32_t x, int32_t y) const { return *bitmap.pixel(x, y); }
    Bitmap bitmap;
    std::unique_ptr<ContexteDessin> dc;
};

std::filesystem::path fichierTemporaire(const std::string& nom) {
    return std::filesystem::temp_directory_path() / ("km32_dessin_" + std::to_string(::getpid()) + "_" + nom);
}

TEST(DessinCairo, ThinLinesLeaveTheirLastPixelOut) {
    struct Cas {
        const char* nom;
        Point de, a;
        std::vector<Point> allumes, eteints;
    } cas[] = {
        {"left to right", {2, 5}, {12, 5}, {{2, 5}, {7, 5}, {11, 5}}, {{1, 5}, {12, 5}, {7, 4}, {7, 6}}},
        {"right to left", {12, 5}, {2, 5}, {{12, 5}, {3, 5}}, {{2, 5}, {13, 5}}},
        {"downwards", {4, 1}, {4, 9}, {{4, 1}, {4, 8}}, {{4, 9}, {4, 0}, {3, 5}, {5, 5}}},
        {"single step", {6, 6}, {7, 6}, {{6, 6}}, {{7, 6}, {5, 6}}},
        {"zero length", {6, 6}, {6, 6}, {}, {{6, 6}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Planche p;
        choisitStylo(*p.dc, styloPlein(1, kRouge));
        deplaceVers(*p.dc, c.de.x, c.de.y);
        traceVers(*p.dc, c.a.x, c.a.y);
        // A 1-pixel pen on whole pixels: fully red, no blending.
        for (Point q : c.allumes)
            EXPECT_EQ(p.en(q.x, q.y), kRouge) << q.x << "," << q.y;
        for (Point q : c.eteints)
            EXPECT_EQ(p.en(q.x, q.y), kBlanc) << q.x << "," << q.y;
    }
}

TEST(DessinCairo, PolylineCornersAreDrawnOnce) {
    Planche p;
    choisitStylo(*p.dc, styloPlein(1, kBleu));
    polyligne(*p.dc, {{2, 2}, {10, 2}, {10, 8}});
    EXPECT_EQ(p.en(2, 2), kBleu);
    EXPECT_EQ(p.en(10, 2), kBleu); // the corner
    EXPECT_EQ(p.en(10, 7), kBleu);
    EXPECT_EQ(p.en(10, 8), kBlanc); // the last point
    EXPECT_EQ(p.en(11, 2), kBlanc);
}

TEST(DessinCairo, RectangleEdgesAndInterior) {
    Planche p;
    choisitStylo(*p.dc, styloPlein(1, kNoir));
    choisitBrosse(*p.dc, brossePleine(kBleu));
    rectangle(*p.dc, 3, 3, 10, 8);
    // Outline on x = 3 and 9, y = 3 and 7; right and bottom edges exclusive.
    for (Point q : {Point{3, 3}, Point{9, 3}, Point{3, 7}, Point{9, 7}, Point{6, 3}, Point{6, 7}, Point{3, 5},
                    Point{9, 5}})
        EXPECT_EQ(p.en(q.x, q.y), kNoir) << q.x << "," << q.y;
    EXPECT_EQ(p.en(4, 4), kBleu);
    EXPECT_EQ(p.en(8, 6), kBleu);
    EXPECT_EQ(p.en(10, 5), kBlanc);
    EXPECT_EQ(p.en(6, 8), kBlanc);
    EXPECT_EQ(p.en(2, 5), kBlanc);

    // The null pen fills one row and one column less.
    Planche q;
    choisitStylo(*q.dc, kStyloNul);
    choisitBrosse(*q.dc, brossePleine(kVert));
    rectangle(*q.dc, 3, 3, 10, 8);
    EXPECT_EQ(q.en(3, 3), kVert);
    EXPECT_EQ(q.en(8, 6), kVert);
    EXPECT_EQ(q.en(9, 5), kBlanc);
    EXPECT_EQ(q.en(5, 7), kBlanc);
}

// The pixels cairo paints and those the recording says are marked agree, for
// shapes that land on whole pixels.
TEST(DessinCairo, AgreesWithTheRecordedRasterRules) {
    auto dessine = [](ContexteDessin& dc) {
        choisitStylo(dc, styloPlein(1, kRouge));
        choisitBrosse(dc, brossePleine(kBleu));
        rectangle(dc, 3, 4, 15, 11);
        choisitStylo(dc, kStyloNul);
        rectangle(dc, 20, 2, 26, 30);
        choisitStylo(dc, styloPlein(1, kNoir));
        deplaceVers(dc, 30, 35);
        traceVers(dc, 2, 35);
        traceVers(dc, 2, 14);
        fixeDecoupe(dc, Rect{0, 0, 36, 33});
        deplaceVers(dc, 33, 38);
        traceVers(dc, 33, 20);
    };
    Planche p;
    dessine(*p.dc);
    auto enregistre = creeContexteEnregistreur();
    dessine(*enregistre);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            bool marque = false;
            for (const Primitive& pr : enregistre->journal()->primitives)
                marque = marque || marquePixel(pr, Point{x, y});
            EXPECT_EQ(p.en(x, y) != kBlanc, marque) << x << "," << y;
        }
}

TEST(DessinCairo, HatchedBrushesOnTheDeviceGrid) {
    struct Cas {
        uint8_t hachure;
        Point sur, hors;
    } cas[] = {
        {kHachureHorizontale, {5, 8}, {5, 9}},
        {kHachureVerticale, {16, 3}, {17, 3}},
        {kHachureDiagonale, {9, 1}, {10, 1}},
        {kHachureDiagonaleInverse, {7, 1}, {8, 1}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(int(c.hachure));
        for (ModeFond mode : {ModeFond::Transparent, ModeFond::Opaque}) {
            Planche p;
            choisitStylo(*p.dc, kStyloNul);
            choisitBrosse(*p.dc, brosseHachuree(c.hachure, kRouge));
            fixeModeFond(*p.dc, mode);
            fixeCouleurFond(*p.dc, kVert);
            rectangle(*p.dc, 0, 0, 33, 33);
            EXPECT_EQ(p.en(c.sur.x, c.sur.y), kRouge);
            // Between the hatches: the background colour only in opaque mode.
            EXPECT_EQ(p.en(c.hors.x, c.hors.y), mode == ModeFond::Opaque ? kVert : kBlanc);
        }
    }
}

TEST(DessinCairo, DashGapsShowTheBackgroundOnlyWhenOpaque) {
    for (ModeFond mode : {ModeFond::Transparent, ModeFond::Opaque}) {
        Planche p;
        choisitStylo(*p.dc, Stylo{StyleStylo::Tirets, 1, kRouge});
        fixeModeFond(*p.dc, mode);
        fixeCouleurFond(*p.dc, kVert);
        deplaceVers(*p.dc, 0, 4);
        traceVers(*p.dc, 39, 4);
        EXPECT_EQ(p.en(5, 4), kRouge);
        EXPECT_EQ(p.en(20, 4), mode == ModeFond::Opaque ? kVert : kBlanc); // in the first gap
        EXPECT_EQ(p.en(30, 4), kRouge);
    }
}

// Segments given at once (traceSegments) mark exactly the pixels of the
// same segments drawn one by one, apart or crowded (crossing, touching,
// overlapping), with every pen: solid, wide with round ends, dashed and
// dotted (each segment starts its dash pattern again) with their gaps
// transparent or in the background colour; inside a clip rectangle, and
// with segments too long to be drawn from kept pixels among the others.
TEST(DessinCairo, SegmentsAtOnceMarkThePixelsOfSegmentsOneByOne) {
    constexpr int32_t kCote = 160;
    uint32_t graine = 2024;
    const auto hasard = [&graine](int32_t n) {
        graine = graine * 1664525u + 1013904223u;
        return int32_t((graine >> 8) % uint32_t(n));
    };
    // Apart: one segment in each 32 x 32 cell, 4 pixels from its sides.
    std::vector<Point> apart, serres;
    for (int32_t cy = 0; cy < kCote; cy += 32)
        for (int32_t cx = 0; cx < kCote; cx += 32)
            for (int k = 0; k < 2; ++k)
                apart.push_back({cx + 4 + hasard(24), cy + 4 + hasard(24)});
    // Crowded: 600 short segments, and long ones across, some leaving the picture.
    for (int k = 0; k < 600; ++k) {
        const Point a{hasard(100) + 20, hasard(100) + 20};
        serres.push_back(a);
        serres.push_back({a.x + hasard(17) - 8, a.y + hasard(17) - 8});
        if (k % 100 == 0) {
            serres.push_back({hasard(kCote), hasard(kCote)});
            serres.push_back({hasard(2 * kCote) - kCote / 2, hasard(2 * kCote) - kCote / 2});
        }
    }
    const Stylo stylos[] = {styloPlein(1, kBleu), styloPlein(3, kRouge), Stylo{StyleStylo::Tirets, 1, kBleu},
                            Stylo{StyleStylo::Points, 1, kRouge}, Stylo{StyleStylo::Tirets, 2, kVert}};
    const std::optional<Rect> decoupes[] = {std::nullopt, Rect{30, 25, 130, 110}};
    for (const Stylo& stylo : stylos)
        for (ModeFond mode : {ModeFond::Transparent, ModeFond::Opaque})
            for (const std::optional<Rect>& decoupe : decoupes)
                for (const auto* extremites : {&apart, &serres}) {
                    SCOPED_TRACE("pen " + std::to_string(int(stylo.style)) + " width " +
                                 std::to_string(stylo.largeur) + (mode == ModeFond::Opaque ? " opaque" : "") +
                                 (decoupe ? " clipped" : "") +
                                 (extremites == &apart ? " apart" : " crowded"));
                    Planche un(kCote, kCote), lot(kCote, kCote);
                    for (Planche* p : {&un, &lot}) {
                        choisitStylo(*p->dc, stylo);
                        fixeModeFond(*p->dc, mode);
                        fixeCouleurFond(*p->dc, kVert);
                        if (decoupe) fixeDecoupe(*p->dc, *decoupe);
                    }
                    for (std::size_t k = 0; k + 1 < extremites->size(); k += 2) {
                        deplaceVers(*un.dc, (*extremites)[k].x, (*extremites)[k].y);
                        traceVers(*un.dc, (*extremites)[k + 1].x, (*extremites)[k + 1].y);
                    }
                    traceSegments(*lot.dc, *extremites);
                    int encre = 0, differents = 0;
                    for (int32_t y = 0; y < kCote; ++y)
                        for (int32_t x = 0; x < kCote; ++x) {
                            encre += un.en(x, y) != kBlanc;
                            differents += un.en(x, y) != lot.en(x, y);
                        }
                    EXPECT_GT(encre, 40); // something was drawn
                    EXPECT_EQ(differents, 0);
                }
}

TEST(DessinCairo, PixelsEllipseAndClip) {
    Planche p;
    fixePixel(*p.dc, 7, 9, kBleu);
    EXPECT_EQ(litPixel(*p.dc, 7, 9), kBleu);
    EXPECT_FALSE(litPixel(*p.dc, 40, 0).has_value());
    EXPECT_FALSE(litPixel(*p.dc, -1, 0).has_value());

    choisitStylo(*p.dc, kStyloNul);
    choisitBrosse(*p.dc, brossePleine(kRouge));
    ellipse(*p.dc, 10, 10, 31, 31);
    EXPECT_EQ(p.en(20, 20), kRouge);
    EXPECT_EQ(p.en(11, 11), kBlanc); // a corner of the box stays out

    fixeDecoupe(*p.dc, Rect{0, 30, 40, 35});
    choisitBrosse(*p.dc, brossePleine(kVert));
    rectangle(*p.dc, 0, 0, 41, 41);
    EXPECT_EQ(p.en(5, 32), kVert);
    EXPECT_EQ(p.en(5, 29), kBlanc);
    EXPECT_EQ(p.en(5, 35), kBlanc);
}

TEST(DessinCairo, AnisotropicMappingScalesShapes) {
    Planche p;
    fixeModeProjection(*p.dc, ModeProjection::Anisotrope);
    fixeEtendueFenetre(*p.dc, 1, 1);
    fixeEtendueVue(*p.dc, 4, 4);
    choisitStylo(*p.dc, kStyloNul);
    choisitBrosse(*p.dc, brossePleine(kBleu));
    remplitRectangle(*p.dc, Rect{1, 1, 3, 2}, brossePleine(kBleu)); // device (4, 4) to (12, 8)
    EXPECT_EQ(p.en(4, 4), kBleu);
    EXPECT_EQ(p.en(11, 7), kBleu);
    EXPECT_EQ(p.en(12, 7), kBlanc);
    EXPECT_EQ(p.en(11, 8), kBlanc);
}

TEST(DessinCairo, TextStaysInsideItsMeasuredBox) {
    Planche p(120, 40);
    choisitPolice(*p.dc, Police{20, false});
    Taille court = mesureTexte(*p.dc, "Il");
    Taille long_ = mesureTexte(*p.dc, "Milieu");
    EXPECT_EQ(court.cy, 20);
    EXPECT_GT(court.cx, 0);
    EXPECT_GT(long_.cx, court.cx);
    fixeModeFond(*p.dc, ModeFond::Opaque);
    fixeCouleurFond(*p.dc, kVert);
    fixeCouleurTexte(*p.dc, kNoir);
    ecritTexte(*p.dc, 10, 10, "Milieu");
    int sombres = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            Couleur c = p.en(x, y);
            bool dedans = x >= 10 && x < 10 + long_.cx && y >= 10 && y < 30;
            if (!dedans)
                EXPECT_EQ(c, kBlanc) << x << "," << y;
            else if (vert(c) < 100)
                ++sombres;
        }
    EXPECT_GT(sombres, 20);
    EXPECT_EQ(p.en(10, 10), kVert); // the opaque box, above the letters
}

TEST(DessinCairo, MathTextStaysInItsCellsInItsOwnFace) {
    // Math zones and names are set in a serif into their character cells:
    // wide letters are made narrower rather than pass the cells. A name's
    // subscript goes half a cell lower, its prime stands over it.
    const int32_t h = 30, cellule = largeurCelluleEnregistree(h);
    struct Cas {
        const char* texte;
        FamillePolice famille;
        int32_t cellules, hauteur; // the box, in cells and in pixels
    };
    const Cas cas[] = {{"M", FamillePolice::Math, 1, h},
                       {"W'", FamillePolice::Math, 2, h},
                       {"A1", FamillePolice::Math, 2, h},
                       {"mm", FamillePolice::Math, 2, h},
                       {"M12", FamillePolice::NomMath, 3, 3 * h / 2},
                       {"A'1", FamillePolice::NomMath, 2, 3 * h / 2}};
    for (const Cas& c : cas) {
        Planche math(160, 80), sans(160, 80);
        for (Planche* p : {&math, &sans}) {
            fixeModeFond(*p->dc, ModeFond::Transparent);
            fixeCouleurTexte(*p->dc, kNoir);
            choisitPolice(*p->dc, Police{h, false, p == &math ? c.famille : FamillePolice::Texte});
            ecritTexte(*p->dc, 10, 10, c.texte);
        }
        const int32_t largeur = c.cellules * cellule;
        EXPECT_EQ(mesureTexte(*math.dc, c.texte), (Taille{largeur, h})) << c.texte;
        int encre = 0, differences = 0, basses = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 160; ++x) {
                const bool dedans = x >= 10 && x < 10 + largeur && y >= 10 && y < 10 + c.hauteur;
                const bool noir = vert(math.en(x, y)) < 128;
                if (!dedans) {
                    EXPECT_FALSE(noir) << c.texte << " " << x << "," << y;
                }
                if (noir) ++encre;
                if (noir && y >= 10 + h) ++basses;
                if (noir != (vert(sans.en(x, y)) < 128)) ++differences;
            }
        EXPECT_GT(encre, 20) << c.texte;
        EXPECT_GT(differences, 10) << c.texte << ": not the sans face";
        // Only a name's subscript reaches below the cell.
        if (c.famille == FamillePolice::NomMath) {
            EXPECT_GT(basses, 5) << c.texte;
        } else {
            EXPECT_EQ(basses, 0) << c.texte;
        }
    }
}

TEST(DessinCairo, WideLettersOfNamesStandAsTallAsNarrowOnes) {
    // A one-letter name has one cell, narrower than the ink of M or W: the
    // letter is narrowed into it, not made smaller, so the names of a figure
    // all stand at one height (measured to the top and bottom of their ink).
    const int32_t h = 30;
    struct Encre {
        int haut = -1, bas = -1, gauche = -1, droite = -1;
    };
    auto encre = [&](const char* nom) {
        Planche p(80, 80);
        fixeModeFond(*p.dc, ModeFond::Transparent);
        fixeCouleurTexte(*p.dc, kNoir);
        choisitPolice(*p.dc, Police{h, false, FamillePolice::NomMath});
        ecritTexte(*p.dc, 10, 10, nom);
        Encre e;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                if (vert(p.en(x, y)) < 128) {
                    if (e.haut < 0) e.haut = y;
                    e.bas = y;
                    e.gauche = e.gauche < 0 ? x : std::min(e.gauche, x);
                    e.droite = std::max(e.droite, x);
                }
        return e;
    };
    const Encre etroite = encre("E");
    ASSERT_GE(etroite.haut, 0);
    for (const char* large : {"M", "W", "H"}) {
        const Encre e = encre(large);
        ASSERT_GE(e.haut, 0) << large;
        EXPECT_NEAR(e.haut, etroite.haut, 1) << large;
        EXPECT_NEAR(e.bas, etroite.bas, 1) << large;
        EXPECT_GE(e.gauche, 10) << large;
        EXPECT_LT(e.droite, 10 + largeurCelluleEnregistree(h)) << large;
    }
}

TEST(DessinCairo, CopiesAndStretchedPictures) {
    Planche source(10, 10);
    choisitStylo(*source.dc, kStyloNul);
    choisitBrosse(*source.dc, brossePleine(kRouge));
    rectangle(*source.dc, 2, 2, 5, 5); // pixels 2..3
    Planche dest(30, 30);
    ASSERT_TRUE(copieBits(*dest.dc, 10, 20, 4, 4, *source.dc, 1, 1));
    EXPECT_EQ(dest.en(10, 20), kBlanc); // source (1, 1)
    EXPECT_EQ(dest.en(11, 21), kRouge); // source (2, 2)
    EXPECT_EQ(dest.en(12, 22), kRouge);
    EXPECT_EQ(dest.en(13, 23), kBlanc);
    EXPECT_EQ(dest.en(14, 21), kBlanc); // outside the copied part

    Image deux{2, 1, {argbDeCouleur(kRouge), argbDeCouleur(kBleu)}};
    dessineImage(*dest.dc, deux, Rect{0, 0, 20, 10});
    EXPECT_EQ(dest.en(2, 5), kRouge);
    EXPECT_EQ(dest.en(17, 5), kBleu);
    EXPECT_EQ(dest.en(25, 5), kBlanc);

    // One for one, an opaque pixel replaces the one under it and a
    // transparent one leaves it as it was.
    Image transparent{2, 1, {argbDeCouleur(kVert), 0u}};
    dessineImage(*dest.dc, transparent, Rect{0, 25, 2, 26});
    EXPECT_EQ(dest.en(0, 25), kVert);
    EXPECT_EQ(dest.en(1, 25), kBlanc);
}

TEST(DessinCairo, PngWrittenAndReadBack) {
    Planche p(16, 12);
    fixePixel(*p.dc, 3, 4, kRouge);
    fixePixel(*p.dc, 15, 11, kBleu);
    auto fichier = fichierTemporaire("png.png");
    ASSERT_TRUE(ecritPng(p.bitmap, fichier.string()));
    cairo_surface_t* lu = cairo_image_surface_create_from_png(fichier.string().c_str());
    ASSERT_EQ(cairo_surface_status(lu), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(lu), 16);
    EXPECT_EQ(cairo_image_surface_get_height(lu), 12);
    auto pixel = [&](int x, int y) {
        const unsigned char* d = cairo_image_surface_get_data(lu);
        int pas = cairo_image_surface_get_stride(lu);
        return couleurDeArgb(*reinterpret_cast<const uint32_t*>(d + y * pas + 4 * x));
    };
    EXPECT_EQ(pixel(3, 4), kRouge);
    EXPECT_EQ(pixel(15, 11), kBleu);
    EXPECT_EQ(pixel(0, 0), kBlanc);
    cairo_surface_destroy(lu);
    std::filesystem::remove(fichier);
    EXPECT_FALSE(ecritPng(p.bitmap, "/nonexistent-directory/x.png"));
}

TEST(DessinCairo, VectorFilesHaveTheirHeader) {
    struct Cas {
        FormatVectoriel format;
        const char* nom;
        std::string entete;
    } cas[] = {{FormatVectoriel::Svg, "v.svg", "<?xml"}, {FormatVectoriel::Pdf, "v.pdf", "%PDF-"}};
    for (const auto& c : cas) {
        auto fichier = fichierTemporaire(c.nom);
        {
            SortieVectorielle sortie(c.format, fichier.string(), 200, 100);
            ASSERT_TRUE(sortie.ok());
            ContexteDessin& dc = sortie.contexte();
            choisitBrosse(dc, brosseHachuree(kHachureDiagonale, kBleu));
            rectangle(dc, 10, 10, 100, 60);
            deplaceVers(dc, 0, 0);
            traceVers(dc, 199, 99);
            ecritTexte(dc, 20, 70, "Sph\xE8re");
            Image deux{2, 1, {argbDeCouleur(kRouge), argbDeCouleur(kBleu)}};
            dessineImage(dc, deux, Rect{150, 10, 190, 30});
            EXPECT_TRUE(sortie.termine());
        }
        std::ifstream f(fichier, std::ios::binary);
        std::string contenu((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        EXPECT_GT(contenu.size(), 200u) << c.nom;
        EXPECT_EQ(contenu.substr(0, c.entete.size()), c.entete) << c.nom;
        std::filesystem::remove(fichier);
    }
    SortieVectorielle rate(FormatVectoriel::Pdf, "/nonexistent-directory/x.pdf", 10, 10);
    EXPECT_FALSE(rate.ok());
    rectangle(rate.contexte(), 0, 0, 5, 5); // draws nowhere, harmlessly
}

} // namespace
} // namespace km32::platform
