// Printing a figure on the recorded printer, and the geometry of an adjusted
// copy checked against the room the shared table gives.
#include "copie_banc.h"
#include "drawing/impression_cadre.h"
#include "drawing/impression_figure.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/impression.h"

namespace km32::essai {
namespace {

class CopieImpression : public BancCopie {
  protected:
    CopieImpression() {
        // Twice the screen's resolution: at the screen's size a pixel is two.
        platform::configureImprimante({210, 297, 508, 5});
        traverse(20, 60, 10, 150);
    }
    static std::vector<Primitive> pageImprimee() {
        const auto& docs = platform::documentsImprimes();
        if (docs.size() != 1 || docs[0].pages.size() != 1) {
            ADD_FAILURE() << "not one document of one page";
            return {};
        }
        return docs[0].pages[0];
    }
};

TEST_F(CopieImpression, PageHoldsTheDrawingAtThePrintSize) {
    struct Cas {
        const char* nom;
        const char* reglage;
        int32_t taille;
        Point debut, fin;
    };
    const Cas cas[] = {
        {"the screen's size", "CF", 0, {20, 120}, {300, 120}},
        // 201 pixels over 50 mm at 20 pixels per mm: scale 1000 / 201.
        {"50 mm wide", "CF", 50, {50, 299}, {746, 299}},
        // 6 mm per unit of 30 pixels: 4 printer pixels per screen pixel.
        {"6 mm per unit", "CU", 6, {40, 240}, {600, 240}},
    };
    f.longueurUnitePixels = 30;
    f.titreFenetre = "Cube";
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        platform::reinitialiseImpression();
        platform::configureImprimante({210, 297, 508, 5});
        f.texteImpression = c.reglage;
        f.valeurImpression = c.taille;
        ASSERT_EQ(imprimeFigure(f), 0);
        const auto ls = lignes(pageImprimee());
        ASSERT_EQ(ls.size(), 1u);
        EXPECT_TRUE(ligneEntre(ls[0], c.debut, c.fin)) << ls[0].points[0].x << "," << ls[0].points[0].y;
        EXPECT_EQ(ls[0].etat.stylo.largeur, 1);
        EXPECT_EQ(platform::documentsImprimes()[0].titre, "Cube");
        EXPECT_EQ(platform::documentsImprimes()[0].pdf.rfind("%PDF", 0), 0u);
    }
    EXPECT_TRUE(platform::boitesDemandees().empty());
    EXPECT_EQ(etatRendu().modeEchelle, 0);
    EXPECT_EQ(etatZoneDessin().impressionEnCours, 0);
}

TEST_F(CopieImpression, TheFrameLimitsThePageWithItsMargins) {
    f.imageLimitee = 1;
    f.cadreImage[0] = f.cadreImage[1] = 0.1;
    f.cadreImage[2] = f.cadreImage[3] = 0.9;
    traverse(20, 60, 0, 200);
    ASSERT_EQ(imprimeFigure(f), 0);
    // The zone (24, 16) - (178, 106) starts at the corner of the printable area.
    const auto ls = lignes(pageImprimee());
    ASSERT_EQ(ls.size(), 1u);
    EXPECT_TRUE(ligneEntre(ls[0], {0, 88}, {308, 88}));
}

TEST_F(CopieImpression, APictureTooLargeOrNoPrinterPrintsNothing) {
    struct Cas {
        const char* nom;
        platform::ParametresImprimante imprimante;
        bool disponible;
        int32_t taille;
        int resultat;
        std::string texte;
    };
    const Cas cas[] = {
        {"300 mm on A4", {210, 297, 508, 5}, true, 300, 649, phraseAvecParametres(649, "200")},
        {"200 mm wide is 120 mm high", {300, 100, 508, 5}, true, 200, 650, phraseAvecParametres(650, "90")},
        {"no printer", {210, 297, 508, 5}, false, 50, 648, phraseDeNumero(648)},
    };
    f.texteImpression = "CF";
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        platform::reinitialiseImpression();
        platform::reinitialiseBoites();
        platform::configureImprimante(c.imprimante);
        platform::fixeImprimanteDisponible(c.disponible);
        f.valeurImpression = c.taille;
        EXPECT_EQ(imprimeFigure(f), c.resultat);
        EXPECT_TRUE(platform::documentsImprimes().empty());
        ASSERT_EQ(platform::boitesDemandees().size(), 1u);
        EXPECT_EQ(platform::boitesDemandees()[0].texte, c.texte);
    }
}

TEST_F(CopieImpression, AdjustedCopyWritesItsGeometryWhenItFits) {
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    t->largeurDisponibleMm = 180;
    t->hauteurDisponibleMm = 100;
    f.longueurUnitePixels = 30;
    struct Cas {
        const char* nom;
        const char* texte;
        bool ok;
        int32_t unites;
        std::string message;
    };
    const Cas cas[] = {
        {"120 mm wide", "1;120;0", true, 2, ""},
        {"5 mm per unit: 33.5 mm wide", "0;5;1", true, 30, ""},
        {"190 mm wide", "1;190;0", false, 0, phraseAvecParametres(649, "180")},
        {"170 mm wide is 102 mm high", "1;170;0", false, 0, phraseAvecParametres(650, "100")},
        {"no size", "1;;0", false, 0, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        platform::reinitialiseBoites();
        for (int32_t& m : t->metriquesEcran)
            m = -1;
        t->unitesParUnite = -1;
        EXPECT_EQ(copieImageAjustee(f, c.texte), c.ok);
        if (c.ok) {
            EXPECT_EQ(t->metriquesEcran[0], 254);
            EXPECT_EQ(t->metriquesEcran[2], 201);
            EXPECT_EQ(t->metriquesEcran[3], 121);
            EXPECT_EQ(t->decalageX, 0);
            EXPECT_EQ(t->decalageY, 0);
            EXPECT_EQ(t->unitesParUnite, c.unites);
            EXPECT_TRUE(platform::boitesDemandees().empty());
        } else {
            EXPECT_EQ(t->metriquesEcran[0], -1);
            EXPECT_EQ(t->unitesParUnite, -1);
            if (!c.message.empty()) {
                ASSERT_EQ(platform::boitesDemandees().size(), 1u);
                EXPECT_EQ(platform::boitesDemandees()[0].texte, c.message);
                EXPECT_EQ(platform::boitesDemandees()[0].titre, phraseDeNumero(648));
            }
        }
    }
    // With the frame shown the copied zone is the frame's.
    f.imageLimitee = 1;
    f.cadreImage[0] = 0.25;
    ASSERT_TRUE(copieImageAjustee(f, "1;120;0"));
    EXPECT_EQ(t->decalageX, 50);
    EXPECT_EQ(t->metriquesEcran[2], 132); // 180 - 50 + 1, one more below the width
}

} // namespace
} // namespace km32::essai
