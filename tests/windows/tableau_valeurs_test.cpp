// The table of values window, opened by its key-bound command object from
// the host's keyboard: the rows really computed, the figure put back, the
// alignment of the cells, the decimal comma and the copy to the clipboard.
#include <cmath>
#include <vector>

#include "../drawing/souris_banc.h"
#include "host/fenetres/tableau_valeurs.h"
#include "model/fenetres_figure.h"
#include "model/nombres_texte.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/formes_liees.h"
#include "platform/presse_papiers.h"
#include "platform/image_bitmap.h"
#include "platform/trace_enregistre.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

class TableauValeurs : public BancSouris {
  protected:
    // a runs from 0 by 1 over `lignes` rows; b = a*a, c = 1/(a-2) is
    // undefined on the row where a is 2, d = a/4 has up to two decimals.
    TfigureKalmetra& figureTableau(int lignes, const std::string& colonnes = "(a,0) (b,2)") {
        return figureDeTexte("a réel libre de [-10,10]\r\n"
                             "b = a*a\r\n"
                             "c = 1/(a-2)\r\n"
                             "d = a/4\r\n"
                             "t (touche T) tableau de " +
                             colonnes + " à partir de 0 (pas 1) (" + std::to_string(lignes) + " lignes)\r\n");
    }
    TFenetreDuTableauDeValeurs& tableau() {
        TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
        EXPECT_NE(t, nullptr);
        return *t;
    }
    // Sizes the window so that the grid, under the menu's strip, gets
    // largeur x hauteur; the strip's height (it follows the width alone).
    static int32_t placeGrille(TFenetreDuTableauDeValeurs& t, int32_t largeur, int32_t hauteur) {
        p::placeFenetre(t.fenetre, {0, 0, largeur, hauteur});
        const int32_t menu = t.cadreMenu.bas;
        p::placeFenetre(t.fenetre, {0, 0, largeur, hauteur + menu});
        return menu;
    }
};

TEST_F(TableauValeurs, TheKeyOpensTheTableOfTheVariableAndItsSquareAndLeavesTheFigureAsItWas) {
    TfigureKalmetra& f = figureTableau(4);
    const std::vector<double> valeurs(std::begin(f.valeurs), std::end(f.valeurs));
    std::vector<uint8_t> nonDefinis;
    for (int i = 1; i <= f.nombreObjets; ++i)
        nonDefinis.push_back(objet(f, i).nonDefini);

    EXPECT_EQ(KMKeyPress(n, 't'), 1);
    TFenetreDuTableauDeValeurs& t = tableau();
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeTableauValeurs);
    EXPECT_EQ(TQTableDesVariablesPartagees()->fenetreAnnexe, t.fenetre);
    EXPECT_TRUE(p::estAffichee(t.fenetre));
    ASSERT_EQ(t.cellules.size(), 5u);
    // Whole numbers are written without decimals, after the blank of the sign.
    for (int i = 1; i <= 4; ++i) {
        const int a = i - 1;
        EXPECT_EQ(t.cellules[std::size_t(i)][0], " " + std::to_string(a)) << i;
        EXPECT_EQ(t.cellules[std::size_t(i)][1], " " + std::to_string(a * a)) << i;
    }
    // Everything is back: values and undefined flags, bit for bit.
    EXPECT_EQ(std::vector<double>(std::begin(f.valeurs), std::end(f.valeurs)), valeurs);
    for (int i = 1; i <= f.nombreObjets; ++i)
        EXPECT_EQ(objet(f, i).nonDefini, nonDefinis[std::size_t(i - 1)]) << i;
    const double a = KMValeurScalaireDouble(n, "a");
    EXPECT_EQ(KMValeurScalaireDouble(n, "b"), a * a);
}

TEST_F(TableauValeurs, ColumnsAreAlignedOnTheirPointAndNamesCentred) {
    figureTableau(4, "(a,0) (d,2)");
    KMExecuteCommande(n, "t");
    const TFenetreDuTableauDeValeurs& t = tableau();
    // a: " 3", 2 characters; d = a/4: " 0.75", 2 + 3 characters.
    EXPECT_EQ(t.largeursEntieres, (std::vector<int>{2, 2}));
    EXPECT_EQ(t.largeursFractions, (std::vector<int>{0, 3}));
    EXPECT_EQ(t.largeursCaracteres, (std::vector<int>{2, 5}));
    EXPECT_EQ(t.largeursColonnes, (std::vector<int32_t>{10 * 2 + 10, 10 * 5 + 10}));
    EXPECT_EQ(t.largeurClient, (30 + 2) + (60 + 2) + 16);
    EXPECT_EQ(t.cellules[0][0], " a");  // (2 + 1 - 1) div 2 blanks
    EXPECT_EQ(t.cellules[0][1], "  d"); // (5 + 1 - 1) div 2 blanks
    const std::vector<std::string> quarts = {" 0", " 0,25", " 0,5", " 0,75"};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(t.cellules[std::size_t(i)][1], quarts[std::size_t(i - 1)]);
}

TEST_F(TableauValeurs, AnUndefinedValueShowsAStarAndIsCopiedAsOne) {
    figureTableau(4, "(a,0) (c,1)");
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    // 1/(a-2) for a = 0, 1, 2, 3: -0.5, -1, undefined, 1 (no trailing zeros).
    EXPECT_EQ(t.cellules[1][1], "-0,5");
    EXPECT_EQ(t.cellules[2][1], "-1");
    EXPECT_EQ(t.cellules[3][1], " *");
    EXPECT_EQ(t.cellules[4][1], " 1");
    p::envoieMessage(t.fenetre, p::WM_COMMAND, kMenuCopierLeTableau, 0);
    ASSERT_NE(p::textePressePapiers(), nullptr);
    EXPECT_EQ(*p::textePressePapiers(), " a\t  c\r\n"
                                        " 0\t-0,5\r\n"
                                        " 1\t-1\r\n"
                                        " 2\t *\r\n"
                                        " 3\t 1\r\n");
}

TEST_F(TableauValeurs, TheDecimalCommaGoesAndComesBackOnTheDataRowsOnly) {
    figureTableau(3, "(a,0) (d,2)");
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    const auto avant = t.cellules;
    p::envoieMessage(t.fenetre, p::WM_COMMAND, kMenuUtiliserLaVirgule, 0);
    EXPECT_FALSE(t.virguleDecimale);
    EXPECT_EQ(t.cellules[2][1], " 0.25");
    EXPECT_EQ(t.cellules[3][1], " 0.5");
    EXPECT_EQ(t.cellules[0], avant[0]);
    p::envoieMessage(t.fenetre, p::WM_COMMAND, kMenuUtiliserLaVirgule, 0);
    EXPECT_TRUE(t.virguleDecimale);
    EXPECT_EQ(t.cellules, avant);
}

TEST_F(TableauValeurs, NoRowsGiveTheHeaderLineAlone) {
    figureTableau(0);
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    CopierLeTableauClick(t);
    ASSERT_NE(p::textePressePapiers(), nullptr);
    EXPECT_EQ(*p::textePressePapiers(), "a\tb\r\n");
}

// A table asking for more rows than it holds shows the first 10,000 and
// says so, with the number asked; at the cap nothing is said.
TEST_F(TableauValeurs, MoreRowsThanTheTableHoldsShowsTheFirstOnesAndSaysSo) {
    for (const int lignes : {10000, 10001}) {
        SCOPED_TRACE(lignes);
        if (lignes == 10000)
            figureTableau(lignes);
        else
            refaitFigure("a réel libre de [-10,10]\r\nb = a*a\r\nc = 1/(a-2)\r\nd = a/4\r\n"
                         "t (touche T) tableau de (a,0) (b,2) à partir de 0 (pas 1) (10001 lignes)\r\n");
        p::boitesDemandees().clear();
        EXPECT_EQ(KMKeyPress(n, 't'), 1);
        TFenetreDuTableauDeValeurs& t = tableau();
        EXPECT_EQ(t.nombreLignes, 10000);
        ASSERT_EQ(t.cellules.size(), 10001u);
        EXPECT_EQ(t.cellules[10000][0], " 9999");
        if (lignes == 10000) {
            EXPECT_TRUE(p::boitesDemandees().empty());
        } else {
            ASSERT_EQ(p::boitesDemandees().size(), 1u);
            EXPECT_EQ(p::boitesDemandees().back().texte,
                      windows1252DeUtf8(
                          "Le tableau demande 10001 lignes: seules les 10000 premières sont montrées."));
        }
        p::envoieMessage(t.fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
    }
}

TEST_F(TableauValeurs, ClosingGoesThroughTheMotherWindow) {
    figureTableau(2);
    KMExecuteCommande(n, "t");
    const p::Fenetre fenetre = tableau().fenetre;
    p::envoieMessage(fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreTableauDeValeurs(), nullptr);
    EXPECT_FALSE(p::estFenetre(fenetre));
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
}

TEST_F(TableauValeurs, ThickDrawingMakesBiggerCellsAndTheWindowStaysInsideTheFigure) {
    struct Cas {
        uint8_t epais;
        int32_t caractere, ligne, police;
    };
    for (const Cas c : {Cas{0, 10, 24, -16}, Cas{1, 40, 80, -64}}) {
        TfigureKalmetra& f = figureTableau(3, "(a,0) (d,2)");
        f.traitsEpais = c.epais;
        KMExecuteCommande(n, "t");
        const TFenetreDuTableauDeValeurs& t = tableau();
        EXPECT_EQ(t.largeurCaractere, c.caractere);
        EXPECT_EQ(t.hauteurLigne, c.ligne);
        EXPECT_EQ(t.hauteurPolice, c.police);
        EXPECT_EQ(t.policeGrasse, c.epais == 1);
        EXPECT_EQ(t.largeursColonnes[1], c.caractere * 5 + 10);
        // Never lower or wider than the figure's client area.
        const p::Rectangle client = rectangleClientFigure(n);
        EXPECT_EQ(t.hauteurClient, std::min(c.epais ? 500 : 300, client.bas - 1));
        EXPECT_LT(t.largeurClient, client.droite);
        EXPECT_LT(p::rectangleClient(t.fenetre).bas, client.bas);
        KMDetruitFigure(n);
        p::distribueJusquAuRepos();
    }
}

TEST_F(TableauValeurs, ResizingShowsTheRowsThatFitAndNeverScrollsPastTheLastRow) {
    // 20 rows of a, a*a and a/4; the normal row is 24 pixels and each row
    // is followed by a grid line, the row of names included.
    figureTableau(20, "(a,0) (b,0) (d,2)");
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    const auto touche = [&](uint32_t k) { p::envoieMessage(t.fenetre, p::WM_KEYDOWN, k, 0); };
    const int32_t m = placeGrille(t, 400, 150);
    EXPECT_GT(m, 0);
    EXPECT_EQ(t.cadreGrille, (p::Rectangle{0, m, 400, 150 + m}));
    EXPECT_EQ(t.lignesVisibles, 5); // (150 - 25) div 25
    EXPECT_EQ(t.premiereLigne, 1);
    EXPECT_EQ(t.ligneCourante, 1);
    struct Cas {
        uint32_t touche;
        int ligne, premiere;
    };
    for (const Cas c : {Cas{p::VK_END, 20, 16}, Cas{p::VK_PRIOR, 15, 15}, Cas{p::VK_UP, 14, 14},
                        Cas{p::VK_NEXT, 19, 15}, Cas{p::VK_DOWN, 20, 16}, Cas{p::VK_DOWN, 20, 16},
                        Cas{p::VK_HOME, 1, 1}, Cas{p::VK_UP, 1, 1}, Cas{p::VK_NEXT, 6, 2}}) {
        touche(c.touche);
        EXPECT_EQ(t.ligneCourante, c.ligne) << c.touche;
        EXPECT_EQ(t.premiereLigne, c.premiere) << c.touche;
    }
    // Taller: 15 rows fit, so the grid cannot start below row 6; taller
    // still, every row fits and it starts at row 1.
    touche(p::VK_END);
    placeGrille(t, 400, 400);
    EXPECT_EQ(t.lignesVisibles, 15);
    EXPECT_EQ(t.premiereLigne, 6);
    placeGrille(t, 400, 600);
    EXPECT_EQ(t.lignesVisibles, 23);
    EXPECT_EQ(t.premiereLigne, 1);
    // A click selects the row under it, counted from the first row shown
    // (rows of 25 pixels under the names, y from the grid's top); the names
    // and the space below the last row select nothing.
    const auto clic = [&](int32_t y) {
        p::envoieMessage(t.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON, p::lParamDeCoordonnees(20, y + m));
    };
    placeGrille(t, 400, 150);
    EXPECT_EQ(t.premiereLigne, 16);
    for (const auto& [y, ligne] : {std::pair{25 + 12, 16}, std::pair{5 * 25 + 3, 20}, std::pair{10, 20},
                                   std::pair{2 * 25, 17}, std::pair{149, 20}}) {
        clic(y);
        EXPECT_EQ(t.ligneCourante, ligne) << y;
    }
    touche(p::VK_END);
    placeGrille(t, 400, 600);
    clic(22 * 25);
    EXPECT_EQ(t.ligneCourante, 20); // row 21 does not exist: nothing
    clic(20 * 25 + 1);
    EXPECT_EQ(t.ligneCourante, 20);
    clic(25 + 1);
    EXPECT_EQ(t.ligneCourante, 1);
    touche(p::VK_END);
    // Lower again: the selected last row comes back into view.
    placeGrille(t, 400, 100);
    EXPECT_EQ(t.lignesVisibles, 3);
    EXPECT_EQ(t.premiereLigne, 18);
    EXPECT_EQ(t.ligneCourante, 20);
}

TEST_F(TableauValeurs, ResizingKeepsTheColumnWidthsAndScrollsTheColumnsThatDoNotFit) {
    figureTableau(20, "(a,0) (b,0) (d,2)");
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    // " 19", " 361" and " 4.75": 3, 4 and 5 characters of 10 pixels, + 10.
    const std::vector<int32_t> largeurs = {40, 50, 60};
    EXPECT_EQ(t.largeursColonnes, largeurs);
    struct Cas {
        int32_t largeur;
        uint32_t touche; // 0: none
        int premiere, visibles;
    };
    // Each column is followed by a grid line: 41, 51 and 61 pixels.
    for (const Cas c :
         {Cas{400, 0, 0, 3}, Cas{400, p::VK_RIGHT, 0, 3}, Cas{115, 0, 0, 2}, Cas{115, p::VK_RIGHT, 1, 2},
          Cas{115, p::VK_RIGHT, 1, 2}, Cas{60, 0, 1, 1}, Cas{60, p::VK_RIGHT, 2, 0}, Cas{61, 0, 2, 1},
          Cas{61, p::VK_LEFT, 1, 1}, Cas{153, 0, 0, 3}}) {
        p::placeFenetre(t.fenetre, {0, 0, c.largeur, 200});
        if (c.touche) p::envoieMessage(t.fenetre, p::WM_KEYDOWN, c.touche, 0);
        EXPECT_EQ(t.premiereColonne, c.premiere) << c.largeur << " " << c.touche;
        EXPECT_EQ(t.colonnesVisibles, c.visibles) << c.largeur << " " << c.touche;
        EXPECT_EQ(t.largeursColonnes, largeurs);
    }
}

TEST_F(TableauValeurs, ThickDrawingRowsTakeMoreRoomAndAnEmptyTableHasNoRowToSelect) {
    struct Cas {
        uint8_t epais;
        int lignes;
        int32_t hauteur;
        int visibles, ligne;
    };
    // Rows of 24 (normal) or 80 (thick) pixels and their grid line.
    for (const Cas c :
         {Cas{0, 4, 300, 11, 1}, Cas{1, 4, 300, 2, 1}, Cas{1, 4, 80, 0, 1}, Cas{0, 0, 300, 11, 0}}) {
        TfigureKalmetra& f = figureTableau(c.lignes);
        f.traitsEpais = c.epais;
        KMExecuteCommande(n, "t");
        TFenetreDuTableauDeValeurs& t = tableau();
        placeGrille(t, 200, c.hauteur);
        EXPECT_EQ(t.lignesVisibles, c.visibles) << int(c.epais) << " " << c.hauteur;
        p::envoieMessage(t.fenetre, p::WM_KEYDOWN, p::VK_END, 0);
        EXPECT_EQ(t.ligneCourante, c.ligne ? c.lignes : 0);
        EXPECT_EQ(t.premiereLigne, std::max(1, c.lignes - std::max(1, c.visibles) + 1));
        KMDetruitFigure(n);
        p::distribueJusquAuRepos();
    }
}

TEST_F(TableauValeurs, ThePaintShowsTheNamesAndTheRowsInView) {
    figureTableau(20, "(a,0) (b,0) (d,2)");
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    // What one paint draws (the window's recording keeps what the window
    // shows: it is emptied before the paint).
    const auto peinture = [&] {
        auto& journal = p::surfaceDeFenetre(t.fenetre)->journal()->primitives;
        journal.clear();
        p::invalideFenetre(t.fenetre);
        p::metAJourFenetre(t.fenetre);
        return journal;
    };
    // 5 data rows fit under the names (rows of 24 pixels and a grid line);
    // the columns are 40, 50 and 60 pixels, each with its line: the third
    // starts at 41 + 51 = 92 and does not start inside 90 pixels.
    const int32_t m = placeGrille(t, 90, 150);
    // The texts painted in the grid (under the menu's strip), with their places.
    std::vector<p::Primitive> derniere;
    const auto peints = [&] {
        derniere = peinture();
        std::vector<std::pair<std::string, p::Point>> r;
        for (const p::Primitive& q : derniere)
            if (q.type == p::TypePrimitive::Texte && q.points.at(0).y >= m)
                r.emplace_back(q.texte, q.points.at(0));
        return r;
    };
    using Cellules = std::vector<std::pair<std::string, p::Point>>;
    const auto cellules = [&](int premiere) {
        Cellules r;
        for (int rang = 0; rang <= 5; ++rang) {
            const int ligne = rang == 0 ? 0 : premiere + rang - 1;
            const int a = ligne - 1;
            // " 19" is the widest a: three characters, padded on the left.
            r.emplace_back(rang == 0 ? " a" : std::string(a < 10 ? "  " : " ") + std::to_string(a),
                           p::Point{2, m + 25 * rang + 2});
            r.emplace_back(rang == 0 ? "  b"
                                     : " " +
                                           std::string(a * a < 10    ? "  "
                                                       : a * a < 100 ? " "
                                                                     : "") +
                                           std::to_string(a * a),
                           p::Point{43, m + 25 * rang + 2});
        }
        return r;
    };
    EXPECT_EQ(peints(), cellules(1));
    p::envoieMessage(t.fenetre, p::WM_KEYDOWN, p::VK_END, 0);
    EXPECT_EQ(peints(), cellules(16));
    // The selected row is painted on the selection colour, the names on
    // the fixed colour.
    int fondSelection = 0, fondFixe = 0;
    for (const p::Primitive& q : derniere)
        if (q.type == p::TypePrimitive::Rectangle) {
            fondSelection += q.etat.brosse.couleur == 0xD77800 && q.rect.haut == m + 25 * 5;
            fondFixe += q.etat.brosse.couleur == 0xE3E3E3 && q.rect.haut == m;
        }
    EXPECT_EQ(fondSelection, 2);
    EXPECT_EQ(fondFixe, 2);
}

TEST_F(TableauValeurs, TheMenuStripHoldsItsItemsOverTheGridAndAClickRunsThem) {
    figureTableau(3, "(a,0) (d,2)");
    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs& t = tableau();
    // The window opens with the computed height for its grid under the
    // strip, as far as the figure's client area reaches.
    EXPECT_EQ(t.cadreGrille.bas, std::min(t.hauteurClient + t.cadreMenu.bas,
                                          std::max(t.hauteurClient, rectangleClientFigure(n).bas - 1)));
    EXPECT_EQ(t.cadreGrille.haut, t.cadreMenu.bas);
    // Its two narrow columns would make it too narrow for its menu: it opens
    // wide enough for each item's caption (some 8 pixels a character).
    EXPECT_GT(p::rectangleClient(t.fenetre).largeur(), t.largeurClient);
    EXPECT_GE(t.cadreCopier.largeur(), 8 * int32_t(std::string("Copier le tableau").size()));
    EXPECT_GE(t.cadreVirgule.largeur(), 8 * int32_t(std::string("Utiliser la virgule").size()));
    // The items go on as many rows as the width needs: every item inside
    // the strip and the window, none over another.
    struct Cas {
        int32_t largeur;
        int rangees;
    };
    for (const Cas c : {Cas{1000, 1}, Cas{300, 2}, Cas{90, 2}}) {
        p::placeFenetre(t.fenetre, {0, 0, c.largeur, 400});
        EXPECT_EQ(t.cadreMenu, (p::Rectangle{0, 0, c.largeur, c.rangees * kHauteurMenuTableau})) << c.largeur;
        EXPECT_EQ(t.cadreGrille, (p::Rectangle{0, t.cadreMenu.bas, c.largeur, 400})) << c.largeur;
        const std::vector<p::Rectangle> items = {t.cadreCopier, t.cadreVirgule};
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(p::intersectionRectangles(items[i], t.cadreMenu), items[i]) << c.largeur << " " << i;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_TRUE(p::intersectionRectangles(items[i], items[j]).estVide()) << c.largeur << " " << i;
            // The top-right corner stays free for the window's close box.
            EXPECT_TRUE(
                p::intersectionRectangles(items[i], p::cadreCaseFermeture(p::rectangleClient(t.fenetre)))
                    .estVide())
                << c.largeur << " " << i;
        }
    }
    p::placeFenetre(t.fenetre, {0, 0, 1000, 400});
    // A click on the check item turns the decimal comma over, a click on
    // the first item copies the table as it now stands; a click in the
    // strip beside them does nothing.
    const auto clic = [&](const p::Rectangle& r) {
        p::envoieMessage(t.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON,
                         p::lParamDeCoordonnees((r.gauche + r.droite) / 2, (r.haut + r.bas) / 2));
    };
    clic(t.cadreVirgule);
    EXPECT_FALSE(t.virguleDecimale);
    EXPECT_EQ(t.cellules[2][1], " 0.25");
    clic(t.cadreCopier);
    ASSERT_NE(p::textePressePapiers(), nullptr);
    EXPECT_EQ(*p::textePressePapiers(), texteDuTableau(t));
    EXPECT_NE(p::textePressePapiers()->find("0.25"), std::string::npos);
    clic({990, 0, 1000, kHauteurMenuTableau});
    EXPECT_FALSE(t.virguleDecimale);
    EXPECT_EQ(t.ligneCourante, 1);
}

} // namespace
} // namespace km32::essais
