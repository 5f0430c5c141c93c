// Painting a figure from its display list, on the recording backend.
#include "rendu_banc.h"

#include "drawing/rendu_etiquettes.h"
#include "drawing/textes_dessin.h"
#include "drawing/rendu_figure.h"

namespace km32::essai {
namespace {

using platform::Point;

bool ligneEntre(const Primitive& p, Point a, Point b) {
    return p.type == TypePrimitive::Polyligne && p.points.size() == 2 && p.points[0] == a && p.points[1] == b;
}

class Rendu : public BancRendu {};

TEST_F(Rendu, SegmentIsDrawnWithThePenOfItsStyle) {
    struct Cas {
        const char* nom;
        uint16_t drapeaux;
        uint8_t traitsEpais;
        StyleStylo forme;
        int32_t largeur;
    };
    const Cas cas[] = {
        {"solid", 0, 0, StyleStylo::Plein, 1},
        {"dashed", kStyleTirete, 0, StyleStylo::Tirets, 1},
        {"thick", kStyleEpais, 0, StyleStylo::Plein, 2},
        {"thick, thick-lines figure", kStyleEpais, 1, StyleStylo::Plein, 4},
        {"dashed, thick-lines figure", kStyleTirete, 1, StyleStylo::Tirets, 2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        f.traitsEpais = c.traitsEpais;
        TelementDessin& e = element(20, kDessinSegment, kNatureSegment, 0x00FF00);
        e.style.drapeaux = c.drapeaux;
        e.parties = pieces({10, 150}, 60);
        const auto ls = lignes(peint());
        ASSERT_EQ(ls.size(), 1u);
        EXPECT_TRUE(ligneEntre(ls[0], {10, 60}, {150, 60}));
        EXPECT_EQ(ls[0].etat.stylo, (platform::Stylo{c.forme, c.largeur, 0x00FF00}));
    }
}

TEST_F(Rendu, HiddenPiecesAreDottedOnlyWhenAsked) {
    TelementDessin& e = element(20, kDessinSegment, kNatureSegment);
    e.style.drapeaux = kStyleEpais;
    // Visible from 10 to 60, hidden from 60 to 110, visible from 110 to 150.
    e.parties = pieces({10, 60, 110, 150}, 40);
    for (uint8_t pointilles : {0, 1}) {
        SCOPED_TRACE(int(pointilles));
        f.partiesCacheesPointillees = pointilles;
        const auto ls = lignes(peint());
        ASSERT_EQ(ls.size(), pointilles ? 3u : 2u);
        EXPECT_TRUE(ligneEntre(ls[0], {10, 40}, {60, 40}));
        EXPECT_TRUE(ligneEntre(ls[1], {110, 40}, {150, 40}));
        EXPECT_EQ(ls[1].etat.stylo.style, StyleStylo::Plein);
        if (pointilles) {
            EXPECT_TRUE(ligneEntre(ls[2], {60, 40}, {110, 40}));
            EXPECT_EQ(ls[2].etat.stylo, (platform::Stylo{StyleStylo::Points, 1, 0x0000FF}));
        }
    }
}

TEST_F(Rendu, SegmentsAreClippedToTheFigureArea) {
    TelementDessin& e = element(20, kDessinSegment, kNatureSegment);
    e.parties = pieces({-50, 500}, 30);
    const auto ls = lignes(peint());
    ASSERT_EQ(ls.size(), 1u);
    EXPECT_EQ(ls[0].points[0].x, 0);
    EXPECT_EQ(ls[0].points[1].x, f.largeurImage);
}

TEST_F(Rendu, PolygonEdgesAndHatchingChords) {
    TelementDessin& e = element(20, kDessinPolyedre, kNaturePolygoneConvexe, 0x808000);
    e.style.drapeaux = kStyleEpais | (3u << 4); // a hatched fill
    complementDe(e).nombreAretes = 3;
    complementDe(e).aretes = {TpartiesVisibles{}, pieces({20, 100}, 20), pieces({20, 100}, 90),
                              pieces({20, 100}, 50)};
    complementDe(e).areteCachee = {0, 0, 1, 0};
    complementDe(e).cordes = {pieces({30, 90}, 30), pieces({30, 90}, 40)};
    const auto ls = lignes(peint());
    // Edge 2 is flagged hidden: edges 1 and 3, then the two chords.
    ASSERT_EQ(ls.size(), 4u);
    EXPECT_TRUE(ligneEntre(ls[0], {20, 20}, {100, 20}));
    EXPECT_TRUE(ligneEntre(ls[1], {20, 50}, {100, 50}));
    EXPECT_TRUE(ligneEntre(ls[2], {30, 30}, {90, 30}));
    EXPECT_TRUE(ligneEntre(ls[3], {30, 40}, {90, 40}));
    for (const Primitive& p : ls)
        EXPECT_EQ(p.etat.stylo, (platform::Stylo{StyleStylo::Plein, 2, 0x808000}));
}

TEST_F(Rendu, HiddenEdgesOfSolidsAreDottedWithSomeVisiblePolyhedron) {
    TelementDessin& e = element(20, kDessinPolyedre, kNaturePolyedreConvexe);
    complementDe(e).nombreAretes = 1;
    complementDe(e).aretes = {TpartiesVisibles{}, pieces({20, 60, 100}, 20)};
    complementDe(e).areteCachee = {0, 0};
    f.partiesCacheesPointillees = 1;
    struct Cas {
        uint8_t polyedres, filDeFer;
        std::size_t lignes;
    };
    for (const Cas& c : {Cas{1, 0, 2}, Cas{0, 0, 1}, Cas{1, 1, 1}}) {
        f.nombrePolyedresVisibles = c.polyedres;
        f.filDeFer = c.filDeFer;
        const auto ls = lignes(peint());
        ASSERT_EQ(ls.size(), c.lignes) << int(c.polyedres) << int(c.filDeFer);
        if (c.lignes == 2) {
            EXPECT_EQ(ls[1].etat.stylo.style, StyleStylo::Points);
        }
    }
}

TEST_F(Rendu, PointMarkComesLastWithItsLabelWhereThePositionBitsSay) {
    // The point is object 14, the segment 30: the point is still drawn after it.
    TelementDessin& s = element(30, kDessinSegment, kNatureSegment);
    s.parties = pieces({10, 190}, 80);
    TelementDessin& p = element(14, kDessinPoint, kNaturePoint, 0xFF0000);
    p.style.drapeaux = uint16_t((2u << 9) | kStyleNomAuDessus | kStyleNomADroite); // normal mark, above right
    p.x = 100;
    p.y = 80;
    p.etiquette = "A";
    placeEtiquette(f, p);
    EXPECT_EQ(p.xEtiquette, 102);
    EXPECT_EQ(p.yEtiquette, 80 - haut() - 2);

    const auto ps = peint();
    std::size_t segment = ps.size(), marque = ps.size(), texte = ps.size();
    for (std::size_t k = 0; k < ps.size(); ++k) {
        if (ligneEntre(ps[k], {10, 80}, {190, 80})) segment = k;
        if (ps[k].type == TypePrimitive::Polyligne && ps[k].points[0] == Point{100, 80}) marque = k;
        if (ps[k].type == TypePrimitive::Texte && ps[k].texte == "A") texte = k;
    }
    ASSERT_LT(segment, ps.size());
    ASSERT_LT(marque, ps.size());
    ASSERT_LT(texte, ps.size());
    EXPECT_GT(marque, segment);
    EXPECT_EQ(ps[marque].etat.stylo, platform::styloPlein(2, 0xFF0000));
    EXPECT_EQ(ps[texte].points[0], (Point{102, 80 - haut() - 2}));
    EXPECT_EQ(ps[texte].etat.couleurTexte, 0xFF0000u);
}

TEST_F(Rendu, LabelBoxBesideItsPointByThePositionBits) {
    const int32_t w = 20, h = 10;
    const int32_t x = 150, y = 100; // lower right quarter of 200 x 120
    struct Cas {
        uint16_t bits;
        int32_t lx, ly;
    };
    const Cas cas[] = {
        {kStyleNomAuDessus | kStyleNomAGauche, x - 22, y - 12},
        {kStyleNomAuDessus, x - 10, y - 14},
        {kStyleNomAuDessous | kStyleNomADroite, x + 2, y + 2},
        {kStyleNomAuDessous, x - 10, y + 4},
        {kStyleNomAGauche, x - 24, y - 5},
        {kStyleNomADroite, x + 4, y - 5},
        {0, x + 2, y + 2},
    };
    for (const Cas& c : cas) {
        TstyleObjet s;
        s.drapeaux = c.bits;
        const Point coin = positionEtiquette(s, x, y, w, h, 200, 120);
        EXPECT_EQ(coin.x, c.lx) << c.bits;
        EXPECT_EQ(coin.y, c.ly) << c.bits;
    }
    // With no bit, near the top-left corner: above and to the left.
    const Point coin = positionEtiquette(TstyleObjet{}, 30, 20, w, h, 200, 120);
    EXPECT_EQ(coin.x, 30 - 22);
    EXPECT_EQ(coin.y, 20 - 12);
}

TEST_F(Rendu, NameSizeCountsPrimesAndSubscripts) {
    const int32_t l = larg(), h = haut();
    const auto taille = [&](const char* nom) {
        TelementDessin e;
        e.etiquette = nom;
        return tailleEtiquette(f, e);
    };
    EXPECT_EQ(taille("A").x, l);
    EXPECT_EQ(taille("A").y, h);
    EXPECT_EQ(taille("A1").y, h + h / 2);
    EXPECT_EQ(taille("A'").y, h);
    EXPECT_EQ(taille("A'1").x, 2 * l);
    EXPECT_EQ(taille("ABCDEFGHIJKL").x, 10 * l);
}

TEST_F(Rendu, DarkBackgroundSwapsBlackAndWhiteOnTheScreenOnly) {
    TQTableDesVariablesPartagees()->fondSombre = 1;
    element(20, kDessinSegment, kNatureSegment, 0x000001).parties = pieces({10, 100}, 20);
    element(21, kDessinSegment, kNatureSegment, 0xFFFFFF).parties = pieces({10, 100}, 30);
    element(22, kDessinSegment, kNatureSegment, 0x00FF00).parties = pieces({10, 100}, 40);
    struct Cas {
        const char* nom;
        uint32_t hote;
        uint8_t fondPropre;
        uint32_t fond, c1, cBlanc;
    };
    const Cas cas[] = {
        {"dark", 0, 0, 1, 0xFFFFFF, 1},
        {"hosted figure", 7, 0, 0xFFFFFF, 1, 0xFFFFFF},
        {"background colour of its own", 0, 1, 0x123456, 1, 0xFFFFFF},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        f.fenetreHote = c.hote;
        f.drapeauCouleurFond = c.fondPropre;
        f.reglageCouleurFond = 0x123456;
        const auto ps = peint();
        ASSERT_FALSE(ps.empty());
        EXPECT_EQ(ps[0].type, TypePrimitive::Rectangle);
        EXPECT_EQ(ps[0].etat.brosse.couleur, c.fond);
        EXPECT_EQ(ps[0].rect, (platform::Rect{0, 0, f.largeurImage + 1, f.hauteurImage + 1}));
        const auto ls = lignes(ps);
        ASSERT_GE(ls.size(), 3u);
        EXPECT_EQ(ls[0].etat.stylo.couleur, c.c1);
        EXPECT_EQ(ls[1].etat.stylo.couleur, c.cBlanc);
        EXPECT_EQ(ls[2].etat.stylo.couleur, 0x00FF00u);
        EXPECT_EQ(TQTableDesVariablesPartagees()->fondSombre, 1) << "the shared flag is given back";
    }
}

TEST_F(Rendu, NothingIsPaintedWithoutADeviceContext) {
    element(20, kDessinSegment, kNatureSegment).parties = pieces({10, 100}, 20);
    auto dc = platform::creeContexteEnregistreur();
    f.contexteDessin = 0;
    dessineFigure(f, *dc);
    EXPECT_TRUE(dc->journal()->primitives.empty());
}

TEST_F(Rendu, CurvesJoinTheirPointsAndDotLonePoints) {
    TelementDessin& e = element(20, kDessinLigne, kNatureCercle);
    e.style.drapeaux = kStyleBit11; // points joined
    auto point = [](int32_t x, int32_t y, bool nonRelie) {
        TpointEcran p;
        fixePointEcran(p, nonRelie, x, y);
        return p;
    };
    // A run of two joined points, then a lone point.
    complementDe(e).points = {point(10, 10, true), point(50, 10, false), point(90, 30, true)};
    const auto ps = peint();
    const auto ls = lignes(ps);
    ASSERT_EQ(ls.size(), 1u);
    EXPECT_TRUE(ligneEntre(ls[0], {10, 10}, {50, 10}));
    bool pixel = false;
    for (const Primitive& p : ps)
        pixel = pixel || (p.type == TypePrimitive::Pixel && p.points[0] == Point{90, 30});
    EXPECT_TRUE(pixel) << "the lone last point is a dot";
}

TEST_F(Rendu, TextObjectsAreDrawnInTheBandAndTheBandIsCoveredBelow) {
    f.hauteurZoneAffichages = 30;
    placeZonesDessin(f);
    TelementDessin& t = element(15, kDessinTexte, kNatureAffichage, 0x0000FF);
    t.x = 10;
    t.y = 5;
    t.hauteur = 16;
    t.texte = "Bonjour";
    const auto ps = peint();
    std::size_t texte = ps.size(), fond = ps.size();
    for (std::size_t k = 0; k < ps.size(); ++k) {
        if (ps[k].type == TypePrimitive::Texte && ps[k].texte == "Bonjour") texte = k;
        if (ps[k].type == TypePrimitive::Rectangle && ps[k].rect.haut == 29) fond = k;
    }
    ASSERT_LT(texte, ps.size());
    ASSERT_LT(fond, ps.size());
    EXPECT_LT(texte, fond);
    EXPECT_EQ(ps[texte].points[0], (Point{10, 5}));
    const auto ls = lignes(ps);
    ASSERT_EQ(ls.size(), 2u) << "the band's two lines";
    EXPECT_TRUE(ligneEntre(ls[0], {0, 29}, {f.largeurImage, 29}));
    EXPECT_TRUE(ligneEntre(ls[1], {0, 31}, {f.largeurImage, 31}));

    // A box that would reach below the band is not drawn.
    t.y = 20;
    for (const Primitive& p : peint())
        EXPECT_FALSE(p.type == TypePrimitive::Texte && p.texte == "Bonjour");
}

} // namespace
} // namespace km32::essai
