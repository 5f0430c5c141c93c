// The drawing copied to the clipboard as a vector picture: its size in
// millimetres, the scale of an adjusted copy, what the scale leaves alone,
// the print frame that limits it, and the state given back afterwards.
#include <cmath>

#include "copie_banc.h"
#include "drawing/impression_cadre.h"
#include "drawing/textes_dessin.h"
#include "drawing/rendu_styles.h"

namespace km32::essai {
namespace {

class CopieDessin : public BancCopie {
  protected:
    // A band of 30 pixels holding the text "Bonjour" of display 15.
    TelementDessin& texteDansLaBande() {
        f.hauteurZoneAffichages = 30;
        TelementDessin& t = element(15, kDessinTexte, kNatureAffichage, 0x0000FF);
        t.x = 10;
        t.y = 5;
        t.hauteur = 16;
        t.texte = "Bonjour";
        return t;
    }
};

TEST_F(CopieDessin, PictureOfANonAdjustedCopyHasTheScreenSizeOfTheZone) {
    struct Cas {
        const char* nom;
        int32_t largeur, hauteur, ppp;
        bool hote;
        int32_t zoneL, zoneH; // the zone in pixels
    };
    const Cas cas[] = {
        {"window without host, 96 dpi", 491, 263, 96, false, 492, 264},
        {"hosted figure: room for the frame", 491, 263, 96, true, 491, 262},
        {"254 dpi", 200, 120, 254, false, 201, 121},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        platform::configureEcran({0, 0, c.ppp});
        f.largeurImage = c.largeur;
        f.hauteurImage = c.hauteur;
        f.fenetreHote = c.hote ? 5 : 0;
        const platform::ImagePressePapiers& image = copie(false);
        // An inch is 2540 hundredths of a millimetre.
        EXPECT_EQ(image.largeurCentiemesMm, std::lround(c.zoneL * 2540.0 / c.ppp));
        EXPECT_EQ(image.hauteurCentiemesMm, std::lround(c.zoneH * 2540.0 / c.ppp));
        EXPECT_EQ(image.modeProjection, platform::kModeAnisotrope);
        EXPECT_EQ(image.origineFenetre, (Point{0, 0}));
        EXPECT_EQ(image.etendueFenetre, (platform::Taille{c.zoneL, c.zoneH}));
    }
    // 491 x 263 pixels at 96 dpi: about 13 x 7 cm.
    platform::configureEcran({0, 0, 96});
    f.largeurImage = 491;
    f.hauteurImage = 263;
    f.fenetreHote = 0;
    const platform::ImagePressePapiers& image = copie(false);
    EXPECT_NEAR(image.largeurCentiemesMm, 13000, 100);
    EXPECT_NEAR(image.hauteurCentiemesMm, 7000, 100);
}

TEST_F(CopieDessin, AdjustedCopyTakesItsSizeFromTheCopySettings) {
    // The zone of the 200 x 120 drawing is 201 x 121 pixels of 0.1 mm.
    f.longueurUnitePixels = 30;
    struct Cas {
        const char* nom;
        const char* reglage;
        int32_t taille;
        int32_t largeur, hauteur; // hundredths of a millimetre
        int32_t etendueL, etendueH;
    };
    const Cas cas[] = {
        {"the picture is 120 mm wide", "CF", 120, 12000, 7224, 1200, 722},
        {"the unit is 6 mm: 201 pixels are 6.7 units", "CU", 6, 4020, 2420, 402, 242},
        {"no size: the screen's size", "CF", 0, 2010, 1210, 201, 121},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        f.texteCopie = c.reglage;
        f.valeurCopie = c.taille;
        const platform::ImagePressePapiers& image = copie(true);
        EXPECT_EQ(image.largeurCentiemesMm, c.largeur);
        EXPECT_EQ(image.hauteurCentiemesMm, c.hauteur);
        EXPECT_EQ(image.etendueFenetre, (platform::Taille{c.etendueL, c.etendueH}));
        // The same size on paper for every logical unit: the scale only
        // enlarges the drawing.
        EXPECT_NEAR(double(image.largeurCentiemesMm) / image.etendueFenetre.cx, 10.0, 0.01);
    }
    // The width does not depend on the window.
    platform::configureEcran({0, 0, 96});
    f.largeurImage = 491;
    f.hauteurImage = 263;
    f.texteCopie = "CF";
    f.valeurCopie = 120;
    EXPECT_EQ(copie(true).largeurCentiemesMm, 12000);
    // A non-adjusted copy ignores the settings.
    EXPECT_EQ(copie(false).largeurCentiemesMm, std::lround(492 * 2540.0 / 96));
}

TEST_F(CopieDessin, ScaleMovesTheDrawingButKeepsPenWidthsAndTexts) {
    texteDansLaBande();
    TelementDessin& s = traverse(20, 60, 10, 150);
    s.style.drapeaux = kStyleEpais;
    TelementDessin& p = element(14, kDessinPoint, kNaturePoint, 0xFF0000);
    p.style.drapeaux = uint16_t((2u << 9) | kStyleNomAuDessus | kStyleNomADroite);
    p.x = 100;
    p.y = 80;
    p.etiquette = "A";
    placeEtiquette(f, p);
    placeZonesDessin(f);

    const std::vector<Primitive> ecran = peint();
    // Unit length 30 pixels, 6 mm per unit at 0.1 mm per pixel: scale 2.
    f.longueurUnitePixels = 30;
    f.texteCopie = "CU";
    f.valeurCopie = 6;
    const std::vector<Primitive> ps = copie(true).primitives;

    const Primitive* segment = nullptr;
    const Primitive* marque = nullptr;
    for (const Primitive& q : ps) {
        if (ligneEntre(q, {20, 120}, {300, 120})) segment = &q;
        if (q.type == TypePrimitive::Polyligne && q.points[0] == Point{200, 160}) marque = &q;
    }
    ASSERT_NE(segment, nullptr);
    ASSERT_NE(marque, nullptr);
    EXPECT_EQ(segment->etat.stylo, platform::styloPlein(2, 0x00FF00));
    EXPECT_EQ(marque->etat.stylo, platform::styloPlein(2, 0xFF0000));

    const auto etiquette = texte(ps, "A"), etiquetteEcran = texte(ecran, "A");
    const auto bande = texte(ps, "Bonjour"), bandeEcran = texte(ecran, "Bonjour");
    ASSERT_TRUE(etiquette && etiquetteEcran && bande && bandeEcran);
    EXPECT_EQ(etiquette->points[0], (Point{2 * p.xEtiquette, 2 * p.yEtiquette}));
    EXPECT_EQ(etiquette->etat.police, etiquetteEcran->etat.police);
    // A text of the band: its x is scaled, the text itself is not.
    EXPECT_EQ(bande->points[0].x, 2 * bandeEcran->points[0].x);
    EXPECT_EQ(bande->points[0].y, bandeEcran->points[0].y);
    EXPECT_EQ(bande->etat.police, bandeEcran->etat.police);
}

TEST_F(CopieDessin, TheBandLinesCrossTheWholeScaledCopy) {
    // A text in the band of 30 pixels, copied at scale 2 (unit 30 pixels, 6 mm).
    texteDansLaBande();
    placeZonesDessin(f);
    f.longueurUnitePixels = 30;
    f.texteCopie = "CU";
    f.valeurCopie = 6;
    const std::vector<Primitive> ps = copie(true).primitives;
    // The two lines at 29 and 31 pixels, from x = 0 to the drawing's width,
    // all scaled: the clip is the scaled zone, not the screen's.
    for (int32_t y : {29, 31}) {
        bool trouve = false;
        for (const Primitive& q : ps)
            trouve = trouve || ligneEntre(q, {0, 2 * y}, {2 * f.largeurImage, 2 * y});
        EXPECT_TRUE(trouve) << y;
    }
}

TEST_F(CopieDessin, ThePrintFrameLimitsTheCopyOnlyWhenShown) {
    traverse(20, 60, 0, 200);
    f.cadreImage[0] = 0.25; // 50 pixels
    f.cadreImage[1] = 0.25; // 30
    f.cadreImage[2] = 0.75; // 150
    f.cadreImage[3] = 0.75; // 90
    for (uint8_t montre : {0, 1}) {
        SCOPED_TRACE(montre ? "frame shown" : "frame hidden");
        f.imageLimitee = montre;
        const platform::ImagePressePapiers& image = copie(false);
        const auto ls = lignes(image.primitives);
        ASSERT_FALSE(ls.empty());
        if (montre) {
            // 150 - 50 + 1 = 101 is below the width 200: one more.
            EXPECT_EQ(image.origineFenetre, (Point{50, 30}));
            EXPECT_EQ(image.etendueFenetre, (platform::Taille{102, 61}));
            EXPECT_EQ(image.largeurCentiemesMm, 1020);
            EXPECT_TRUE(ligneEntre(ls[0], {50, 60}, {150, 60}));
        } else {
            EXPECT_EQ(image.etendueFenetre, (platform::Taille{201, 121}));
            EXPECT_TRUE(ligneEntre(ls[0], {0, 60}, {200, 60}));
        }
        // The frame itself is drawn on the screen only.
        for (const Primitive& l : ls)
            EXPECT_FALSE(l.points[0].y == 30 || l.points[0].y == 32) << "a side of the frame";
    }
    f.imageLimitee = 1;
    const auto ecran = lignes(peint());
    int cotes = 0;
    for (const Primitive& l : ecran)
        cotes += ligneEntre(l, {50, 30}, {150, 30}) || ligneEntre(l, {52, 32}, {148, 32});
    EXPECT_EQ(cotes, 2);
}

TEST_F(CopieDessin, OneColourCopyDrawsEverythingInColourOne) {
    traverse(20, 60, 10, 150);
    f.texteCopie = "NF";
    f.valeurCopie = 0;
    const auto ls = lignes(copie(true).primitives);
    ASSERT_EQ(ls.size(), 1u);
    EXPECT_EQ(ls[0].etat.stylo.couleur, 1u);
    // The setting is for this copy only.
    EXPECT_EQ(lignes(peint())[0].etat.stylo.couleur, 0x00FF00u);
}

TEST_F(CopieDessin, TheRendererIsBackToTheScreenAfterACopyAndAFailedOne) {
    f.hauteurZoneAffichages = 30;
    f.imageLimitee = 1;
    placeZonesDessin(f);
    const TblocDessin avant = [&] {
        TblocDessin b;
        b.rectangleBandeau = f.blocDessin->rectangleBandeau;
        b.rectangleFigure = f.blocDessin->rectangleFigure;
        return b;
    }();
    f.longueurUnitePixels = 30;
    f.texteCopie = "NU";
    f.valeurCopie = 6;
    auto verifie = [&] {
        const TetatRendu& e = etatRendu();
        EXPECT_EQ(e.modeEchelle, 0);
        EXPECT_EQ(e.facteurEchelle, 1.0);
        EXPECT_EQ(e.copieEnCours, 0);
        EXPECT_EQ(e.sortieMonochrome, 0);
        EXPECT_EQ(f.contexteDessin, 0u);
        EXPECT_EQ(f.blocDessin->rectangleBandeau, avant.rectangleBandeau);
        EXPECT_EQ(f.blocDessin->rectangleFigure, avant.rectangleFigure);
        EXPECT_FALSE(platform::pressePapiersOuvert());
    };
    copie(true);
    verifie();

    // Another program holds the clipboard: nothing is copied, nothing changes.
    const uint32_t sequence = platform::numeroSequencePressePapiers();
    platform::fixePressePapiersDisponible(false);
    EXPECT_EQ(copieDessinDansPressePapiers(f, true), 0u);
    EXPECT_EQ(platform::numeroSequencePressePapiers(), sequence);
    platform::fixePressePapiersDisponible(true);
    verifie();
}

TEST_F(CopieDessin, TablesGoToTheClipboardAsTabSeparatedText) {
    EXPECT_EQ(texteDeTableau({}), "");
    EXPECT_EQ(texteDeTableau({{"x", "f(x)"}, {"1,5", ""}, {"2"}}), "x\tf(x)\r\n1,5\t\r\n2\r\n");
    ASSERT_TRUE(copieTableauDansPressePapiers(7, {{"a", "b"}}));
    ASSERT_NE(platform::textePressePapiers(), nullptr);
    EXPECT_EQ(*platform::textePressePapiers(), "a\tb\r\n");
    EXPECT_EQ(platform::proprietairePressePapiers(), 7u);
    // The copy of the drawing empties it first: the text goes.
    copie(false);
    EXPECT_EQ(platform::textePressePapiers(), nullptr);
}

} // namespace
} // namespace km32::essai
