// Recorded drawings written out as vector documents at a physical size: the
// clipboard's picture (SVG and PDF) and the pages of the recorded printer.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/cairo_rendu.h"
#include "platform/impression.h"
#include "platform/plateforme.h"
#include "platform/presse_papiers.h"

namespace km32::platform {
namespace {

class DocumentsVectoriels : public ::testing::Test {
  protected:
    DocumentsVectoriels() { reinitialisePlateforme(); }
    ~DocumentsVectoriels() override {
        reinitialisePlateforme();
        libereCachesCairo(); // texts drawn into the documents fill cairo's font caches
    }

    static void ligne(ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        deplaceVers(dc, x1, y1);
        traceVers(dc, x2, y2);
    }
    static int occurrences(const std::string& texte, const std::string& motif) {
        int n = 0;
        for (std::size_t k = texte.find(motif); k != std::string::npos; k = texte.find(motif, k + 1))
            ++n;
        return n;
    }
    // The page sizes of a PDF in millimetres, from the points of its media boxes.
    static std::vector<std::pair<double, double>> pagesMm(const std::string& pdf) {
        std::vector<std::pair<double, double>> pages;
        const std::string motif = "MediaBox [ 0 0 ";
        for (std::size_t k = pdf.find(motif); k != std::string::npos; k = pdf.find(motif, k + 1)) {
            double l = 0, h = 0;
            if (std::sscanf(pdf.c_str() + k + motif.size(), "%lf %lf", &l, &h) == 2)
                pages.push_back({l * 25.4 / 72, h * 25.4 / 72});
        }
        return pages;
    }
};

TEST_F(DocumentsVectoriels, PictureIsItsWindowStretchedOverItsSize) {
    // A window of 102 x 61 logical units at (50, 30), 1 cm by 6 mm.
    const MiseEnPage page{{50, 30}, {102, 61}, 1000, 600};
    DessinVectoriel dessin(page);
    choisitStylo(dessin.contexte(), styloPlein(2, 0x0000FF));
    ligne(dessin.contexte(), 60, 40, 140, 80);
    ecritTexte(dessin.contexte(), 70, 50, "Bonjour");
    const ImagePressePapiers image = imageDeDessin(dessin, page);

    ASSERT_EQ(image.primitives.size(), 2u);
    EXPECT_EQ(image.primitives[0].points[0], (Point{60, 40}));
    EXPECT_EQ(image.largeurCentiemesMm, 1000);
    EXPECT_EQ(image.origineFenetre, (Point{50, 30}));

    EXPECT_NE(image.svg.find("width=\"10mm\" height=\"6mm\""), std::string::npos);
    // Every clip path it uses is defined.
    for (int k = 1; k <= 3; ++k) {
        const std::string n = std::to_string(k);
        if (image.svg.find("url(#clip" + n + ")") != std::string::npos) {
            EXPECT_NE(image.svg.find("<clipPath id=\"clip" + n + "\""), std::string::npos) << n;
        }
    }
    EXPECT_EQ(image.pdf.rfind("%PDF", 0), 0u);
    const auto pages = pagesMm(image.pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].first, 10, 1e-4);
    EXPECT_NEAR(pages[0].second, 6, 1e-4);

    // The line starts at (60.5, 40.5), (10.5, 10.5) into the window: a unit
    // is 10 / 102 mm wide and 6 / 61 mm high.
    const std::size_t chemin = image.svg.find("stroke:rgb(100%,0%,0%)");
    ASSERT_NE(chemin, std::string::npos);
    double x = 0, y = 0, a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    ASSERT_EQ(std::sscanf(image.svg.c_str() + image.svg.find("d=\"M ", chemin), "d=\"M %lf %lf", &x, &y), 2);
    const std::size_t matrice = image.svg.find("matrix(", chemin);
    ASSERT_NE(matrice, std::string::npos);
    ASSERT_EQ(
        std::sscanf(image.svg.c_str() + matrice, "matrix(%lf,%lf,%lf,%lf,%lf,%lf)", &a, &b, &c, &d, &e, &f),
        6);
    EXPECT_NEAR(a * x + c * y + e, 10.5 * 10 / 102, 0.01);
    EXPECT_NEAR(b * x + d * y + f, 10.5 * 6 / 61, 0.01);

    // Without extent or size: no document, the primitives only.
    DessinVectoriel sansTaille({{0, 0}, {0, 61}, 1000, 600});
    ligne(sansTaille.contexte(), 0, 0, 5, 5);
    EXPECT_EQ(sansTaille.primitives().size(), 1u);
    EXPECT_FALSE(sansTaille.termine());
    EXPECT_TRUE(sansTaille.svg().empty());
    EXPECT_TRUE(sansTaille.pdf().empty());
}

// Reads a PNG back through cairo: its width, height and pixels (0xRRGGBB).
struct ImagePng {
    int largeur = 0, hauteur = 0;
    std::vector<uint32_t> pixels;
    uint32_t pixel(int x, int y) const { return pixels[std::size_t(y * largeur + x)] & 0xFFFFFF; }
};
std::optional<ImagePng> litPng(const std::string& octets) {
    struct Lecteur {
        const std::string* octets;
        std::size_t position = 0;
    } lecteur{&octets};
    auto lit = [](void* l, unsigned char* donnees, unsigned int longueur) {
        auto& r = *static_cast<Lecteur*>(l);
        if (r.position + longueur > r.octets->size()) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(donnees, r.octets->data() + r.position, longueur);
        r.position += longueur;
        return CAIRO_STATUS_SUCCESS;
    };
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(lit, &lecteur);
    std::optional<ImagePng> image;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        image = ImagePng{cairo_image_surface_get_width(s), cairo_image_surface_get_height(s), {}};
        const int pas = cairo_image_surface_get_stride(s);
        const unsigned char* donnees = cairo_image_surface_get_data(s);
        for (int y = 0; y < image->hauteur; ++y)
            for (int x = 0; x < image->largeur; ++x) {
                uint32_t v = 0;
                std::memcpy(&v, donnees + y * pas + 4 * x, 4);
                image->pixels.push_back(v);
            }
    }
    cairo_surface_destroy(s);
    return image;
}

TEST_F(DocumentsVectoriels, PictureIsAlsoABitmapOfItsSizeAt96PixelsPerInch) {
    // 5 cm by 2.54 cm: 189 by 96 pixels. The window of 100 x 50 units, a
    // blue band over its left half and a white right half.
    const MiseEnPage page{{0, 0}, {100, 50}, 5000, 2540};
    DessinVectoriel dessin(page);
    choisitStylo(dessin.contexte(), styloPlein(1, 0xFF0000));
    choisitBrosse(dessin.contexte(), brossePleine(0xFF0000));
    rectangle(dessin.contexte(), 0, 0, 50, 50);
    const ImagePressePapiers image = imageDeDessin(dessin, page);

    EXPECT_EQ(image.png.rfind("\x89PNG", 0), 0u);
    const std::optional<ImagePng> png = litPng(image.png);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->largeur, 189);
    EXPECT_EQ(png->hauteur, 96);
    // The band covers the left half (1.89 pixels a unit), the rest is white.
    EXPECT_EQ(png->pixel(40, 48), 0x0000FFu);
    EXPECT_EQ(png->pixel(140, 48), 0xFFFFFFu);

    // The printer's pages have no bitmap.
    DessinVectoriel page2(page, false);
    ligne(page2.contexte(), 0, 0, 5, 5);
    EXPECT_TRUE(page2.termine());
    EXPECT_TRUE(page2.png().empty());
}

TEST_F(DocumentsVectoriels, PrinterKeepsFinishedJobsOnly) {
    configureImprimante({100, 150, 254, 10}); // 10 pixels per mm
    EXPECT_EQ(zoneImprimable(), (Taille{800, 1300}));
    {
        TravailImpression travail("deux pages");
        ASSERT_TRUE(travail.ok());
        ContexteDessin* dc = travail.commencePage();
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(travail.commencePage(), nullptr) << "a page is open";
        ligne(*dc, 0, 0, 100, 0);
        EXPECT_TRUE(travail.terminePage());
        EXPECT_FALSE(travail.terminePage());
        ligne(*travail.commencePage(), 0, 10, 200, 10);
        EXPECT_TRUE(travail.termine());
        EXPECT_FALSE(travail.termine());
    }
    {
        TravailImpression abandonne("abandonné");
        abandonne.commencePage();
    }
    {
        TravailImpression vide("vide");
        EXPECT_FALSE(vide.termine());
    }
    fixeImprimanteDisponible(false);
    {
        TravailImpression sansImprimante("rien");
        EXPECT_FALSE(sansImprimante.ok());
        EXPECT_EQ(sansImprimante.commencePage(), nullptr);
    }

    const auto& documents = documentsImprimes();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].titre, "deux pages");
    ASSERT_EQ(documents[0].pages.size(), 2u);
    ASSERT_EQ(documents[0].pages[1].size(), 1u);
    EXPECT_EQ(documents[0].pages[1][0].points[1], (Point{200, 10}));
    EXPECT_EQ(occurrences(documents[0].pdf, "/Type /Page\n") + occurrences(documents[0].pdf, "/Type /Page "),
              2);
    for (const auto& [l, h] : pagesMm(documents[0].pdf)) {
        EXPECT_NEAR(l, 100, 1e-4);
        EXPECT_NEAR(h, 150, 1e-4);
    }
}

} // namespace
} // namespace km32::platform
