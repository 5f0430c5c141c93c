#include "sibling/texte_math_dessin.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/cairo_rendu.h"
#include "platform/ecran.h"
#include "platform/presse_papiers.h"
#include "sibling/bibliotheque_tq.h"

namespace km32 {
namespace {

using platform::Primitive;
using platform::TypePrimitive;

class DessinTexteMath : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliothequeTQ();
        dc = platform::creeContexteEnregistreur();
    }
    void TearDown() override {
        reinitialiseBibliothequeTQ();
        // A copy puts the text's picture on the clipboard: its documents fill cairo's font caches.
        platform::reinitialisePressePapiers();
        platform::libereCachesCairo();
    }
    const std::vector<Primitive>& primitives() const { return dc->journal()->primitives; }
    // The texts recorded: text, place, colour.
    struct Texte {
        std::string texte;
        platform::Point p;
        Couleur couleur;
        friend bool operator==(const Texte&, const Texte&) = default;
    };
    std::vector<Texte> textes() const {
        std::vector<Texte> r;
        for (const Primitive& p : primitives())
            if (p.type == TypePrimitive::Texte) r.push_back({p.texte, p.points.at(0), p.etat.couleurTexte});
        return r;
    }
    std::unique_ptr<platform::ContexteDessin> dc;
};

TEST_F(DessinTexteMath, ExpFormDrawsAtTheCellPositionInTheCurrentColourAndFont) {
    SetFontTailleEtType(2, kTypeGrasTQ);
    SetTexteCoul(*dc, 1, 0x123456);
    ExpForm(*dc, "AB", 2.0, 3.0);
    ASSERT_EQ(primitives().size(), 1u);
    const Primitive& p = primitives()[0];
    EXPECT_EQ(p.type, TypePrimitive::Texte);
    EXPECT_EQ(p.texte, "AB");
    EXPECT_EQ(p.points[0], (platform::Point{2 * larg(2), 3 * haut(2)}));
    EXPECT_EQ(p.etat.couleurTexte, 0x123456u);
    EXPECT_EQ(p.etat.modeFond, platform::ModeFond::Transparent);
    EXPECT_EQ(p.etat.police, (platform::Police{haut(2), true}));
    EXPECT_EQ(CouleurTexte(), 0x123456u);
}

TEST_F(DessinTexteMath, APixelPositionDividedByTheCellComesBackExactly) {
    // Labels are placed by dividing their box position by the cell.
    for (int16_t taille : {int16_t(0), int16_t(3)})
        for (platform::Point p :
             {platform::Point{37, 51}, platform::Point{-13, 8}, platform::Point{1000, 999}}) {
            dc->journal()->primitives.clear();
            ExpFormTailleTypCol(*dc, "A", double(p.x) / larg(taille), double(p.y) / haut(taille), taille, 0,
                                0);
            ASSERT_EQ(primitives().size(), 1u);
            EXPECT_EQ(primitives()[0].points[0], p) << taille;
        }
}

TEST_F(DessinTexteMath, ExponentsAndIndicesAreDrawnHalfACellAway) {
    const int32_t w = larg(0), h = haut(0);
    ExpFormTailleTypCol(*dc, "\\x^2+u_n;s:x\\", 0, 0, 0, 0, 0xFF);
    std::vector<Texte> attendus = {
        {"x", {0, 0}, 0xFF}, {"2", {w, -h / 2}, 0xFF}, {"+u", {2 * w, 0}, 0xFF}, {"n", {4 * w, h / 2}, 0xFF}};
    EXPECT_EQ(textes(), attendus);
}

TEST_F(DessinTexteMath, ZonesPlainTextAndCodesTakeTheirOwnColourAndType) {
    const int32_t w = larg(1), h = haut(1);
    expformTexteColExpColTxtTypExpTypTxtTaille(*dc, "a \\b\\ $rc\r\nd", 1.0, 0.0, 0xAA, 0xBB, kTypeGrasTQ, 0,
                                               1);
    std::vector<Texte> attendus = {{"a ", {w, 0}, 0xBB},
                                   {"b", {3 * w, 0}, 0xAA},
                                   {" ", {4 * w, 0}, 0xBB},
                                   {"c", {5 * w, 0}, kRougeTQ},
                                   {"d", {w, h}, kRougeTQ}};
    EXPECT_EQ(textes(), attendus);
    EXPECT_TRUE(primitives()[1].etat.police.gras);
    EXPECT_FALSE(primitives()[0].etat.police.gras);
}

TEST_F(DessinTexteMath, TheContextsTextStateIsGivenBack) {
    platform::fixeCouleurTexte(*dc, 0x010203);
    platform::choisitPolice(*dc, platform::Police{40, false});
    platform::fixeModeFond(*dc, platform::ModeFond::Opaque);
    platform::EtatContexte avant = dc->etat;
    ExpFormColExpColTxtTypExpTypTxtTaille(*dc, "\\x\\ y", 0, 0, 0xFF, 0xFF00, 2, 2, 4);
    EmessG(*dc, "z", 3, 4);
    EmessStylePave(*dc, "v", 0xFF0000, 30, 25, 0xFFFF, 2);
    DessineRectangle(*dc, 1, 0xFF, 0, 0, 9, 9);
    EXPECT_EQ(dc->etat.couleurTexte, avant.couleurTexte);
    EXPECT_EQ(dc->etat.police, avant.police);
    EXPECT_EQ(dc->etat.modeFond, avant.modeFond);
    EXPECT_EQ(dc->etat.stylo, avant.stylo);
    EXPECT_EQ(dc->etat.brosse, avant.brosse);
}

TEST_F(DessinTexteMath, BoxedTextAndFrames) {
    SetFontTaille(0);
    const std::string texte = "pas = 0.1";
    const int32_t w = larg() * int32_t(texte.size()) + 10, h = haut() + 10;
    EmessStylePave(*dc, texte, 0xFF0000, w, h, 0xFFFF, 2);
    ASSERT_EQ(primitives().size(), 3u);
    // The fill covers the w x h pixels of the box and no more.
    EXPECT_TRUE(platform::marquePixel(primitives()[0], {w - 1, h - 1}));
    EXPECT_FALSE(platform::marquePixel(primitives()[0], {w, h - 1}));
    EXPECT_FALSE(platform::marquePixel(primitives()[0], {w - 1, h}));
    EXPECT_EQ(primitives()[0].etat.brosse, platform::brossePleine(0xFFFF));
    EXPECT_EQ(primitives()[1].rect, (platform::Rect{0, 0, w, h})); // the frame covers the box's edge pixels
    EXPECT_EQ(primitives()[1].etat.stylo, platform::styloPlein(2, 0xFF0000));
    EXPECT_EQ(primitives()[1].etat.brosse.style, platform::StyleBrosse::Nulle);
    EXPECT_EQ(textes().back(), (Texte{texte, {5, 5}, 0xFF0000}));
    // The text fits in the box with its margins.
    EXPECT_TRUE(platform::marquePixel(primitives()[2], {w - 6, h - 6}));
    EXPECT_FALSE(platform::marquePixel(primitives()[2], {w - 5, 5}));
}

TEST_F(DessinTexteMath, ARectangleFrameIncludesBothCorners) {
    DessineRectangle(*dc, 1, 0xFF0000, 0, 0, 99, 49);
    ASSERT_EQ(primitives().size(), 1u);
    const Primitive& p = primitives()[0];
    for (platform::Point coin : {platform::Point{0, 0}, platform::Point{99, 49}, platform::Point{99, 0}})
        EXPECT_TRUE(platform::marquePixel(p, coin));
    EXPECT_FALSE(platform::marquePixel(p, {100, 49}));
    EXPECT_FALSE(platform::marquePixel(p, {50, 25})); // not filled
    EXPECT_EQ(p.etat.stylo.couleur, 0xFF0000u);
}

TEST_F(DessinTexteMath, CopyingATextKeepsItsDrawing) {
    EXPECT_FALSE(dessinCopieTQ().present);
    copieDessinTexte("$N$nA = \\x^2\\\r\nB");
    const DessinCopieTQ& c = dessinCopieTQ();
    ASSERT_TRUE(c.present);
    const int32_t h = haut(), demi = h / 2;
    EXPECT_EQ(c.encombrement, (EncombrementTQ{6 * larg(), -demi, 2 * h}));
    // Drawn with its top at 0: the first line moves down by the raised half cell.
    ASSERT_EQ(c.primitives.size(), 4u);
    EXPECT_EQ(c.primitives[0].points[0], (platform::Point{0, demi}));
    EXPECT_EQ(c.primitives[1].points[0], (platform::Point{4 * larg(), demi}));
    EXPECT_EQ(c.primitives[2].points[0], (platform::Point{5 * larg(), 0}));
    EXPECT_EQ(c.primitives[3].points[0], (platform::Point{0, demi + h}));
}

TEST_F(DessinTexteMath, CopyingATextPutsItsPictureOnTheClipboardWhenItOpens) {
    // Two lines, the first raised by half a cell (its exponent).
    const int32_t largeur = 6 * larg(), hauteur = 2 * haut() + haut() / 2;
    // Hundredths of a millimetre for a number of screen pixels.
    auto centiemes = [](int32_t pixels) {
        return int32_t(std::lround(pixels * 2540.0 / platform::pointsParPouce()));
    };
    for (const bool disponible : {true, false}) {
        SCOPED_TRACE(disponible ? "the clipboard opens" : "another program holds the clipboard");
        platform::reinitialisePressePapiers();
        ASSERT_TRUE(platform::copieTexteDansPressePapiers(0, "before"));
        platform::fixePressePapiersDisponible(disponible);
        copieDessinTexte("$N$nA = \\x^2\\\r\nB");
        platform::fixePressePapiersDisponible(true);
        // The drawing is kept either way.
        ASSERT_TRUE(dessinCopieTQ().present);
        const platform::ImagePressePapiers* image = platform::imagePressePapiers();
        if (!disponible) {
            EXPECT_EQ(image, nullptr);
            ASSERT_NE(platform::textePressePapiers(), nullptr);
            EXPECT_EQ(*platform::textePressePapiers(), "before");
            continue;
        }
        // The clipboard holds the picture alone: the same drawing, the
        // text's size, and its documents.
        EXPECT_EQ(platform::textePressePapiers(), nullptr);
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(image->primitives.size(), dessinCopieTQ().primitives.size());
        for (std::size_t k = 0; k < image->primitives.size(); ++k)
            EXPECT_EQ(image->primitives[k].points, dessinCopieTQ().primitives[k].points) << k;
        EXPECT_EQ(image->etendueFenetre, (platform::Taille{largeur, hauteur}));
        EXPECT_EQ(image->largeurCentiemesMm, centiemes(largeur));
        EXPECT_EQ(image->hauteurCentiemesMm, centiemes(hauteur));
        EXPECT_NE(image->svg.find("<svg"), std::string::npos);
        EXPECT_EQ(image->pdf.rfind("%PDF-", 0), 0u);
    }
    platform::reinitialisePressePapiers();
}

TEST_F(DessinTexteMath, SavingContextsIsAllowedUntilSaidOtherwise) {
    EXPECT_TRUE(saveDCautorise());
    setSaveDCautorise(false);
    EXPECT_FALSE(saveDCautorise());
    reinitialiseBibliothequeTQ();
    EXPECT_TRUE(saveDCautorise());
}

TEST_F(DessinTexteMath, MathZonesAndNamesAreSetInTheFaceOfMathematicalText) {
    using platform::FamillePolice;
    const int32_t h = haut(0);
    struct Attendu {
        std::string texte;
        FamillePolice famille;
        platform::Point p;
    };
    ExpFormTailleTypCol(*dc, "a \\b\\", 0, 0, 0, 0, 0);
    EmessNomG(*dc, "A'1", 10, 20);
    const Attendu attendus[] = {{"a ", FamillePolice::Texte, {0, 0}},
                                {"b", FamillePolice::Math, {2 * larg(0), 0}},
                                {"A'1", FamillePolice::NomMath, {10, 20}}};
    ASSERT_EQ(primitives().size(), std::size(attendus));
    for (std::size_t k = 0; k < std::size(attendus); ++k) {
        const Primitive& p = primitives()[k];
        EXPECT_EQ(p.texte, attendus[k].texte);
        EXPECT_EQ(p.etat.police.famille, attendus[k].famille) << p.texte;
        EXPECT_EQ(p.etat.police.hauteur, h) << p.texte;
        EXPECT_EQ(p.points.at(0), attendus[k].p) << p.texte;
    }
    // Plain texts keep the sans face.
    dc->journal()->primitives.clear();
    EmessG(*dc, "x", 0, 0);
    EXPECT_EQ(primitives().at(0).etat.police.famille, FamillePolice::Texte);
}

TEST_F(DessinTexteMath, CellOffsetsAndFontsFollowThePixelOfTheContext) {
    // A context whose pixel is 10 device units (a page in fine units): the
    // place given stays, the offsets inside the text and the font grow.
    platform::fixePixelContexte(*dc, 10.0);
    const int32_t w = larg(0), h = haut(0);
    ExpFormTailleTypCol(*dc, "\\x^2+u_n\\", 100.0 / w, 300.0 / h, 0, 0, 0xFF);
    std::vector<Texte> attendus = {{"x", {100, 300}, 0xFF},
                                   {"2", {100 + 10 * w, 300 - 10 * (h / 2)}, 0xFF},
                                   {"+u", {100 + 20 * w, 300}, 0xFF},
                                   {"n", {100 + 40 * w, 300 + 10 * (h / 2)}, 0xFF}};
    EXPECT_EQ(textes(), attendus);
    EXPECT_EQ(primitives().at(0).etat.police.hauteur, 10 * h);
}

} // namespace
} // namespace km32
