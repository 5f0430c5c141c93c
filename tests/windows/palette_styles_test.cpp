// The style palette: opened by command 88 as a host sends it, its cells
// and their codes found by clicking where the layout puts them, the colour
// strip, the brush that restyles the object clicked in the figure, its
// painting and its closing.
#include <algorithm>

#include "banc_fenetres.h"
#include "host/fenetres/palette_styles.h"
#include "model/couleurs.h"
#include "phrases/phrase.h"
#include "platform/contexte_dessin.h"
#include "platform/trace_enregistre.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

class PaletteStyles : public BancFenetres {
  protected:
    TFenetreStyle& ouvre() { return ouvreParCommande(kCommandeStyles, paletteStyles); }
    // A click in the palette's client area, as the window receives it.
    void clic(const TFenetreStyle& s, int32_t x, int32_t y) {
        p::envoieMessage(s.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON, p::lParamDeCoordonnees(x, y));
    }
};

TEST_F(PaletteStyles, CommandEightyEightOpensThePaletteOnASolidLine) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    EXPECT_EQ(styleChoisiPalette(), 0);
    const TFenetreStyle& s = ouvre();
    EXPECT_EQ(styleChoisiPalette(), 23);
    EXPECT_EQ(f.commandeCourante, kCommandeStyles);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 132);
    EXPECT_EQ(TQTableDesVariablesPartagees()->fenetreAnnexe, s.fenetre);
    EXPECT_TRUE(p::estAffichee(s.fenetre));
    EXPECT_EQ(s.hauteur, kHauteurLegendePalette + 407);
}

TEST_F(PaletteStyles, EachCellIsHitWhereTheLayoutPutsItAndGivesItsCode) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreStyle& s = ouvre();
    // The button row starts at 426 - 19 - 30 = 377; the strip spans 349 to 374.
    struct Cas {
        int32_t x, y;
        int cellule;
        uint8_t code;
    };
    for (const Cas c : {Cas{3, 3, 0, 15}, Cas{23, 3, 1, 0}, Cas{83, 39, 16, 101}, Cas{121, 109, 35, 120},
                        Cas{2, 129, 36, 16}, Cas{63, 148, 41, 21}, Cas{95, 160, 42, 22}, Cas{2, 183, 43, 23},
                        Cas{94, 199, 46, 26}, Cas{1, 219, 47, 27}, Cas{60, 240, 48, 28}, Cas{2, 260, 51, 31},
                        Cas{42, 260, 52, 32}, Cas{82, 260, 53, 35}, Cas{2, 279, 54, 33},
                        Cas{118, 295, 56, 36}, Cas{5, 302, 57, 37}, Cas{65, 302, 58, 38}}) {
        EXPECT_EQ(celluleSousPoint(s, c.x, c.y), c.cellule) << c.x << "," << c.y;
        clic(s, c.x, c.y);
        EXPECT_EQ(styleChoisiPalette(), c.code) << c.cellule;
        EXPECT_EQ(fig().styleChoisi, c.code) << c.cellule;
    }
    EXPECT_EQ(celluleSousPoint(s, 10, 360), kBandeStyle);
    // Outside every cell and the strip: nothing changes.
    for (const auto& [x, y] : {std::pair{125, 5}, std::pair{1, 1}, std::pair{60, 330}}) {
        EXPECT_EQ(celluleSousPoint(s, x, y), -1) << x << "," << y;
        clic(s, x, y);
        EXPECT_EQ(styleChoisiPalette(), 38);
    }
    // Cells 49 and 50 are never chosen, wherever the press.
    for (int32_t y = 0; y < 426; ++y)
        for (int32_t x = 0; x < kLargeurPalette; ++x) {
            const int c = celluleSousPoint(s, x, y);
            ASSERT_TRUE(c != 49 && c != 50) << x << "," << y;
        }
}

TEST_F(PaletteStyles, TheStripTakesOnlyAColour) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    f.couleurCourante = 9;
    TFenetreStyle& s = ouvre();
    EXPECT_EQ(s.couleurBande, 9);
    // A line style is selected: the strip changes nothing but the chosen code.
    f.styleChoisi = 0;
    clic(s, 10, 360);
    EXPECT_EQ(f.couleurCourante, 9);
    EXPECT_EQ(s.couleurBande, 9);
    EXPECT_EQ(f.styleChoisi, 23);
    // Red (cell 6), then the strip.
    clic(s, 5, 25);
    clic(s, 10, 360);
    EXPECT_EQ(f.couleurCourante, 4);
    EXPECT_EQ(s.couleurBande, 4);
    EXPECT_EQ(f.styleChoisi, 4);
}

TEST_F(PaletteStyles, TheBrushColoursTheObjectClickedInTheFigure) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    const int a = numero("A");
    TFenetreStyle& s = ouvre();
    clic(s, 5, 25); // red, code 4
    CouleurRVB rouge{};
    ASSERT_TRUE(rvbDeCode(4, rouge));
    const TObjetFigure& o = objet(f, a);
    ASSERT_NE((std::array<uint8_t, 3>{o.style.rouge, o.style.vert, o.style.bleu}),
              (std::array<uint8_t, 3>{rouge.rouge, rouge.vert, rouge.bleu}));
    const p::Point ecranA = ecran(pt("A"));
    KMMouseDown(n, 1, 0, float(ecranA.x), float(ecranA.y));
    EXPECT_EQ((std::array<uint8_t, 3>{o.style.rouge, o.style.vert, o.style.bleu}),
              (std::array<uint8_t, 3>{rouge.rouge, rouge.vert, rouge.bleu}));
    // The palette is still there for the next object.
    EXPECT_EQ(paletteStyles(), &s);
}

TEST_F(PaletteStyles, PaintingDrawsTheCellsHeadingsAndTheSample) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreStyle& s = ouvre();
    clic(s, 5, 25); // red is the sample
    std::unique_ptr<p::ContexteDessin> dc = p::creeContexteEnregistreur();
    PeintFenetreDeStyle(s, *dc);
    const std::vector<p::Primitive>& dessin = dc->journal()->primitives;
    auto rectangleEn = [&](const p::Rectangle& r) {
        return std::find_if(dessin.begin(), dessin.end(), [&](const p::Primitive& q) {
            return q.type == p::TypePrimitive::Rectangle && q.rect == r;
        });
    };
    // Every colour cell is a rectangle of its colour; code 6 has a grey outline.
    for (int c = 0; c < 36; ++c) {
        const auto q = rectangleEn(s.cellules[std::size_t(c)]);
        ASSERT_NE(q, dessin.end()) << c;
        EXPECT_EQ(q->etat.brosse.couleur, couleurDeCode(s.codes[std::size_t(c)])) << c;
        EXPECT_EQ(q->etat.stylo.couleur,
                  s.codes[std::size_t(c)] == 6 ? 0x808080u : couleurDeCode(s.codes[std::size_t(c)]));
    }
    const auto echantillon = rectangleEn(s.echantillon);
    ASSERT_NE(echantillon, dessin.end());
    EXPECT_EQ(echantillon->etat.brosse.couleur, couleurDeCode(4));
    // The headings in dark red, as the phrases give them.
    for (const uint16_t phrase : {11297, 11298, 11299, 11300, 11301}) {
        const auto t = std::find_if(dessin.begin(), dessin.end(), [&](const p::Primitive& q) {
            return q.type == p::TypePrimitive::Texte && q.texte == phraseDeNumero(phrase);
        });
        ASSERT_NE(t, dessin.end()) << phrase;
        EXPECT_EQ(t->etat.couleurTexte, 128u);
    }
    // Nothing is drawn where the two empty cells would be (their rectangles are empty).
    EXPECT_EQ(s.cellules[49], p::Rectangle{});
    EXPECT_EQ(s.cellules[50], p::Rectangle{});
}

TEST_F(PaletteStyles, ClosingTellsTheHostAndLeavesTheBrushEmpty) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    // The close box, then the close button of the button row.
    for (const bool parBouton : {false, true}) {
        const TFenetreStyle& s = ouvre();
        const p::Fenetre fenetre = s.fenetre;
        f.modeCommande = 0;
        avis.clear();
        if (parBouton)
            clic(s, s.boutonFermer.gauche + 1, s.boutonFermer.haut + 1);
        else
            p::envoieMessage(fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(paletteStyles(), nullptr) << parBouton;
        EXPECT_FALSE(p::estFenetre(fenetre));
        EXPECT_EQ(f.modeCommande, kCommandeStyles);
        EXPECT_NE(std::find(avis.begin(), avis.end(), Avis{1025, 0}), avis.end()) << parBouton;
        EXPECT_EQ(styleChoisiPalette(), 0);
        EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
    }
}

TEST_F(PaletteStyles, ADesignationBringsThePaletteBackUnlessItSaysOtherwise) {
    figureDeTexte("A point libre dans l'espace\r\n");
    const p::Fenetre fenetre = ouvre().fenetre;
    p::afficheFenetre(fenetre, false);
    p::envoieMessage(fenetre, kMessageDesignation, 0, 1007);
    EXPECT_FALSE(p::estAffichee(fenetre));
    p::envoieMessage(fenetre, kMessageDesignation, 0, kDesignationFaite);
    EXPECT_TRUE(p::estAffichee(fenetre));
}

} // namespace
} // namespace km32::essais
