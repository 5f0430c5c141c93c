// Recorded drawings written out as vector documents at a physical size: the
// clipboard's picture (SVG and PDF) and the pages of the recorded printer.
#include <gtest/gtest.h>

#include <cstdio>
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
