// The style palette: opened by command 88 as a host sends it, its cells
// and their codes found by clicking where the layout puts them, the colour
// strip, the brush that restyles the object clicked in the figure, its
// painting and its closing.
#include <algorithm>

#include "banc_fenetres.h"
#include "drawing/designation.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/couleurs.h"
#include "model/style.h"
#include "phrases/phrase.h"
#include "platform/aide.h"
#include "platform/contexte_dessin.h"
#include "platform/formes_liees.h"
#include "platform/trace_enregistre.h"
#include "sibling/table_partagee.h"
#include "text/lignes_figure_texte.h"

namespace km32::essais {
namespace {

namespace p = platform;

class PaletteStyles : public BancFenetres {
  protected:
    TFenetreStyle& ouvre() { return ouvreParCommande(kCommandeStyles, paletteStyles); }
    // A click in the palette's client area, as the window receives it.
    void clic(const TFenetreStyle& s, int32_t x, int32_t y) {
        p::envoieMessage(s.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON, p::lParamDeCoordonnees(x, y));
        p::distribueJusquAuRepos();
    }
    void clicSur(const TFenetreStyle& s, const p::Rectangle& r) { clic(s, r.gauche + 1, r.haut + 1); }
    // A line of the open reminder picker clicked (tag 4), double clicked
    // (tag 5), or its OK button (tag 1).
    void picker(uint32_t tag, const std::string& nom = "") {
        TFenRaPour* c = choixRappels();
        ASSERT_NE(c, nullptr);
        int32_t ligne = -1;
        for (std::size_t k = 0; k < c->objets.size(); ++k)
            if (!nom.empty() && c->objets[k] == numero(nom)) ligne = int32_t(k);
        if (!nom.empty()) {
            ASSERT_GE(ligne, 0) << nom;
        }
        p::envoieMessage(c->fenetre, p::WM_COMMAND, tag, ligne);
        p::distribueJusquAuRepos();
    }
    bool offert(const std::string& nom) {
        const TFenRaPour* c = choixRappels();
        return c && std::find(c->objets.begin(), c->objets.end(), numero(nom)) != c->objets.end();
    }
    bool estRouge(const std::string& nom) {
        CouleurRVB rouge{};
        EXPECT_TRUE(rvbDeCode(4, rouge));
        const TstyleObjet& st = objet(fig(), numero(nom)).style;
        return st.rouge == rouge.rouge && st.vert == rouge.vert && st.bleu == rouge.bleu;
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

// An object made from the construction dialog takes the colour chosen on
// the strip, as the same object made by a line with that colour's style
// line: the same red, green and blue, the same style word, the same style
// line written back. A further colour (101 to 120) is no flag of the style.
TEST_F(PaletteStyles, ADialogCreationTakesTheStripColourAsAStyleLineWould) {
    struct Cas {
        int32_t x, y;  // the colour cell clicked
        uint16_t code; // its colour code
    };
    const char* points = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                         "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n";
    TfigureKalmetra& f = figureDeTexte(points);
    for (const Cas& c : {Cas{5, 25, 4}, Cas{85, 43, 101}}) {
        SCOPED_TRACE(c.code);
        refaitFigure(points);
        TFenetreStyle& s = ouvre();
        clic(s, c.x, c.y);
        clic(s, 10, 360);
        ASSERT_EQ(f.couleurCourante, c.code);
        // The palette closed, the chosen colour stays the figure's.
        p::envoieMessage(s.fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        TFenDialog& d = ouvreParCommande(15, fenetreDialogue);
        for (const char* reponse : {"AB", "M"}) {
            for (const char* t = reponse; *t; ++t)
                p::envoieMessage(d.fenetre, p::WM_CHAR, uint8_t(*t), 0);
            p::envoieMessage(d.fenetre, p::WM_KEYDOWN, p::VK_DOWN, 0);
        }
        p::envoieMessage(d.fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(fenetreDialogue(), nullptr);
        const int m = numero("M");
        ASSERT_GT(m, 0);
        CouleurRVB rvb{};
        ASSERT_TRUE(rvbDeCode(c.code, rvb));
        // The same object by a line, coloured by the style line written for M.
        const std::string style = ecritLigneStyleObjet(f, m);
        ASSERT_NE(style.find("Dessin de M: "), std::string::npos);
        std::string ligne = "N milieu du segment [AB]\r\n" + style.substr(2);
        ligne.replace(ligne.find("Dessin de M"), 11, "Dessin de N");
        KMExecuteLigneFig(n, ligne.c_str());
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        const TObjetFigure& parDialogue = objet(f, m);
        const TObjetFigure& parLigne = objet(f, numero("N"));
        EXPECT_EQ(
            (std::array<uint8_t, 3>{parDialogue.style.rouge, parDialogue.style.vert, parDialogue.style.bleu}),
            (std::array<uint8_t, 3>{rvb.rouge, rvb.vert, rvb.bleu}));
        EXPECT_EQ((std::array<uint8_t, 3>{parLigne.style.rouge, parLigne.style.vert, parLigne.style.bleu}),
                  (std::array<uint8_t, 3>{rvb.rouge, rvb.vert, rvb.bleu}));
        EXPECT_EQ(parDialogue.style.drapeaux, parLigne.style.drapeaux);
    }
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

// Each group of cells is painted as its style shows: navy point marks
// with the name "A" on the cells that name the point, navy lines solid of
// width 2 and 4 then dotted, red axes ticked every 5 pixels, the fills and
// their hatches, and the words of drawn (navy) and not drawn (red).
TEST_F(PaletteStyles, EachGroupOfCellsIsPaintedWithItsPenBrushOrWords) {
    figureDeTexte("A point libre dans l'espace\r\n");
    const TFenetreStyle& s = ouvre();
    std::unique_ptr<p::ContexteDessin> dc = p::creeContexteEnregistreur();
    PeintFenetreDeStyle(s, *dc);
    const std::vector<p::Primitive>& dessin = dc->journal()->primitives;
    const p::Couleur marine = p::rgb(0, 0, 128), rouge = p::rgb(255, 0, 0);
    // What is drawn inside cell c: its own rectangle, the lines and texts
    // whose points lie in it.
    auto dans = [&](int c, p::TypePrimitive type) {
        const p::Rectangle& r = s.cellules[std::size_t(c)];
        std::vector<p::Primitive> v;
        for (const p::Primitive& q : dessin) {
            if (q.type != type) continue;
            if (type == p::TypePrimitive::Rectangle) {
                if (q.rect == r) v.push_back(q);
                continue;
            }
            const bool interieur =
                !q.points.empty() && std::all_of(q.points.begin(), q.points.end(), [&](auto pt) {
                    return pt.x >= r.gauche && pt.x <= r.droite && pt.y >= r.haut && pt.y <= r.bas;
                });
            if (interieur) v.push_back(q);
        }
        return v;
    };
    for (int c = 36; c <= 42; ++c) {
        SCOPED_TRACE(c);
        const auto traits = dans(c, p::TypePrimitive::Polyligne);
        ASSERT_FALSE(traits.empty());
        for (const p::Primitive& q : traits)
            EXPECT_EQ(q.etat.stylo.couleur, marine);
        const auto textes = dans(c, p::TypePrimitive::Texte);
        EXPECT_EQ(textes.size(), (c <= 38 || c == 42) ? 1u : 0u);
        for (const p::Primitive& q : textes)
            EXPECT_EQ(q.texte, "A");
    }
    struct Ligne {
        int cellule;
        p::StyleStylo style;
        int32_t largeur; // 0: any
    };
    for (const Ligne l : {Ligne{43, p::StyleStylo::Plein, 2}, Ligne{44, p::StyleStylo::Plein, 4},
                          Ligne{45, p::StyleStylo::Points, 0}, Ligne{46, p::StyleStylo::Points, 0}}) {
        SCOPED_TRACE(l.cellule);
        const auto traits = dans(l.cellule, p::TypePrimitive::Polyligne);
        ASSERT_FALSE(traits.empty());
        for (const p::Primitive& q : traits) {
            EXPECT_EQ(q.etat.stylo.couleur, marine);
            EXPECT_EQ(q.etat.stylo.style, l.style);
            if (l.largeur) {
                EXPECT_EQ(q.etat.stylo.largeur, l.largeur);
            }
        }
    }
    for (const int c : {47, 48}) {
        SCOPED_TRACE(c);
        std::vector<int32_t> graduations;
        for (const p::Primitive& q : dans(c, p::TypePrimitive::Polyligne)) {
            EXPECT_EQ(q.etat.stylo.couleur, rouge);
            if (q.points.size() == 2 && q.points[0].x == q.points[1].x) graduations.push_back(q.points[0].x);
        }
        ASSERT_GE(graduations.size(), 5u);
        for (std::size_t k = 1; k < graduations.size(); ++k)
            EXPECT_EQ(graduations[k] - graduations[k - 1], 5);
    }
    struct Motif {
        int cellule;
        p::StyleBrosse style;
        p::Couleur couleur;
        uint8_t hachure;
    };
    for (const Motif m :
         {Motif{51, p::StyleBrosse::Pleine, p::rgb(192, 192, 192), 0},
          Motif{52, p::StyleBrosse::Pleine, p::rgb(255, 255, 255), 0},
          Motif{53, p::StyleBrosse::Hachuree, marine, 2}, Motif{54, p::StyleBrosse::Hachuree, marine, 0},
          Motif{55, p::StyleBrosse::Hachuree, marine, 1}, Motif{56, p::StyleBrosse::Hachuree, marine, 3}}) {
        SCOPED_TRACE(m.cellule);
        const auto r = dans(m.cellule, p::TypePrimitive::Rectangle);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].etat.brosse.style, m.style);
        EXPECT_EQ(r[0].etat.brosse.couleur, m.couleur);
        if (m.style == p::StyleBrosse::Hachuree) {
            EXPECT_EQ(r[0].etat.brosse.hachure, m.hachure);
        }
    }
    struct Mots {
        int cellule;
        std::vector<std::string> textes;
        p::Couleur encre;
    };
    for (const Mots& m : {Mots{57, {phraseDeNumero(11303)}, marine},
                          Mots{58, {phraseDeNumero(11302), phraseDeNumero(11303)}, rouge}}) {
        SCOPED_TRACE(m.cellule);
        std::vector<std::string> vus;
        for (const p::Primitive& q : dans(m.cellule, p::TypePrimitive::Texte)) {
            vus.push_back(q.texte);
            EXPECT_EQ(q.etat.couleurTexte, m.encre);
        }
        EXPECT_EQ(vus, m.textes);
    }
}

// Closing changes nothing in the figure: the host window hears that the
// palette ended, and finds the figure unmodified.
TEST_F(PaletteStyles, ClosingTellsTheHostAndLeavesTheFigureAsItWasAndTheBrushEmpty) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    // The close box, then the close button of the button row.
    for (const bool parBouton : {false, true}) {
        const TFenetreStyle& s = ouvre();
        const p::Fenetre fenetre = s.fenetre;
        f.modeCommande = 0;
        f.modifiee = 0;
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
        EXPECT_EQ(f.modifiee, 0) << parBouton;
        EXPECT_EQ(styleChoisiPalette(), 0);
        EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
    }
}

TEST_F(PaletteStyles, TheRButtonOpensThePickerBesideThePaletteForTheObjectsToRestyle) {
    figureDeTexte("A point libre dans l'espace\r\nB point libre dans l'espace\r\n"
                  "C point libre dans l'espace\r\n");
    TFenetreStyle& s = ouvre();
    clic(s, 5, 25); // red, code 4
    ASSERT_FALSE(estRouge("A"));
    clicSur(s, s.boutonRappel);
    const TFenRaPour* c = choixRappels();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->pourDialogue);
    EXPECT_EQ(c->commande, kCommandeStyles);
    EXPECT_EQ(c->fenetreDemandeur, s.fenetre);
    EXPECT_EQ(c->regle, designationDeStyle(4));
    EXPECT_EQ(p::cadreFenetre(c->fenetre).gauche, kLargeurPalette + 1);
    // The palette keeps the figure's annex slot.
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeStyles);
    EXPECT_EQ(TQTableDesVariablesPartagees()->fenetreAnnexe, s.fenetre);
    // A double click restyles at once and the picker stays for more; the
    // palette does not come forward.
    p::afficheFenetre(s.fenetre, false);
    picker(kTagRappelsDoubleClic, "A");
    EXPECT_TRUE(estRouge("A"));
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_FALSE(p::estAffichee(s.fenetre));
    // OK restyles the lines picked, closes the picker and shows the palette.
    picker(kTagRappelsClic, "A"); // the double click left A selected: off
    picker(kTagRappelsClic, "C");
    picker(kTagRappelsOk);
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_TRUE(p::estAffichee(s.fenetre));
    EXPECT_TRUE(estRouge("C"));
    EXPECT_FALSE(estRouge("B"));
    EXPECT_EQ(paletteStyles(), &s);
}

TEST_F(PaletteStyles, ThePickerFollowsTheChosenCodeAndDrawnAgainOpensIt) {
    figureDeTexte("A point libre dans l'espace\r\nB point libre dans l'espace\r\n"
                  "cu courbe paramétrée par X=cos(t), Y=sin(t), Z=t/5, t décrivant [0,6] (40 points, repère "
                  "Rxyz)\r\n");
    TObjetFigure& courbe = objet(fig(), numero("cu"));
    ASSERT_EQ(courbe.nature, kNatureCourbe);
    const double echantillons = valeurObjet(fig(), numero("cu"), 2);
    ASSERT_GT(echantillons, 0);
    TFenetreStyle& s = ouvre();
    // "Not drawn" (cell 57) is applied through the picker to the curve and A.
    clicSur(s, s.cellules[57]);
    EXPECT_EQ(choixRappels(), nullptr);
    clicSur(s, s.boutonRappel);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(choixRappels()->regle, designationDeStyle(37));
    picker(kTagRappelsClic, "cu");
    picker(kTagRappelsClic, "A");
    picker(kTagRappelsOk);
    EXPECT_FALSE(estDessine(courbe.style));
    EXPECT_FALSE(estDessine(objet(fig(), numero("A")).style));
    // The hidden curve's samples are gone stale.
    valeurObjet(fig(), numero("cu"), 2) = 0;
    // "Drawn" (cell 58) opens the picker on the hidden objects.
    clicSur(s, s.cellules[58]);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(choixRappels()->regle, designationDeStyle(38));
    EXPECT_TRUE(offert("cu"));
    EXPECT_TRUE(offert("A"));
    EXPECT_FALSE(offert("B"));
    // Another cell while it is open changes what it offers.
    clic(s, 5, 25);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(choixRappels()->regle, designationDeStyle(4));
    EXPECT_TRUE(offert("B"));
    clicSur(s, s.cellules[58]);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(choixRappels()->regle, designationDeStyle(38));
    // Drawn again, the curve is computed again.
    picker(kTagRappelsClic, "cu");
    picker(kTagRappelsOk);
    EXPECT_TRUE(estDessine(courbe.style));
    EXPECT_EQ(valeurObjet(fig(), numero("cu"), 2), echantillons);
    EXPECT_FALSE(estDessine(objet(fig(), numero("A")).style));
}

TEST_F(PaletteStyles, ThePalettesPickerClosesWithThePaletteOrAFigureDesignation) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\nB point libre dans l'espace\r\n"
                                       "s segment [AB]\r\n");
    TFenetreStyle& s = ouvre();
    // The brush starts with the cell shown selected: the segment is offered.
    EXPECT_EQ(f.styleChoisi, 23);
    clicSur(s, s.boutonRappel);
    ASSERT_NE(choixRappels(), nullptr);
    EXPECT_EQ(choixRappels()->regle, designationDeStyle(23));
    EXPECT_TRUE(offert("s"));
    p::envoieMessage(s.fenetre, kMessageDesignation, 0, kDesignationFaite);
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_EQ(paletteStyles(), &s);
    clicSur(s, s.boutonRappel);
    const p::Fenetre choix = choixRappels()->fenetre;
    clicSur(s, s.boutonFermer);
    EXPECT_EQ(paletteStyles(), nullptr);
    EXPECT_EQ(choixRappels(), nullptr);
    EXPECT_FALSE(p::estFenetre(choix));
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

namespace km32::essais {
namespace {

// The bound form: the three buttons and the headings as the palette shows
// them, beside the cells the palette keeps painting; each button's command
// does what a click on the button does.
TEST_F(PaletteStyles, TheBoundFormShowsTheButtonsAndHeadingsBesideTheCells) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreStyle& s = ouvre();
    const p::OperationsForme* o = p::formeLiee(s.fenetre);
    ASSERT_NE(o, nullptr);
    const p::FormeLiee forme = o->etat();
    const p::Rectangle client = p::rectangleClient(s.fenetre);
    auto dedans = [&](const p::Rectangle& r) {
        return r.gauche >= 0 && r.haut >= 0 && r.droite <= client.droite && r.bas <= client.bas &&
               !r.estVide();
    };
    auto separes = [](const p::Rectangle& a, const p::Rectangle& b) {
        return a.droite <= b.gauche || b.droite <= a.gauche || a.bas <= b.haut || b.bas <= a.haut;
    };
    // What the palette paints itself: the cells, the sample and the strip.
    std::vector<p::Rectangle> peints(s.cellules.begin(), s.cellules.end());
    peints.push_back(s.echantillon);
    peints.push_back(s.bande);
    std::vector<p::Rectangle> controles;
    std::vector<std::string> libelles;
    for (const p::BoutonLie& b : forme.boutons) {
        libelles.push_back(b.libelle);
        EXPECT_EQ(b.coche, -1);
        EXPECT_TRUE(b.actif);
        controles.push_back(b.cadre);
    }
    EXPECT_EQ(libelles, (std::vector<std::string>{"R", "?", "X"}));
    EXPECT_EQ(forme.boutons[0].cadre, s.boutonRappel);
    EXPECT_EQ(forme.boutons[2].cadre, s.boutonFermer);
    std::vector<std::string> entetes;
    for (const p::EtiquetteLiee& e : forme.etiquettes) {
        entetes.push_back(e.texte);
        controles.push_back(e.cadre);
    }
    EXPECT_EQ(entetes,
              (std::vector<std::string>{phraseDeNumero(11297), phraseDeNumero(11298), phraseDeNumero(11299),
                                        phraseDeNumero(11300), phraseDeNumero(11301)}));
    for (std::size_t i = 0; i < controles.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(dedans(controles[i]));
        for (std::size_t j = i + 1; j < controles.size(); ++j)
            EXPECT_TRUE(separes(controles[i], controles[j])) << j;
        for (const p::Rectangle& r : peints)
            if (!r.estVide()) {
                EXPECT_TRUE(separes(controles[i], r));
            }
    }
    EXPECT_TRUE(forme.listes.empty() && forme.champs.empty() && forme.combos.empty());
}

TEST_F(PaletteStyles, TheButtonsCommandsDoWhatTheirClicksDo) {
    // A segment, which the brush's first style (a solid line) fits.
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\nB point libre dans l'espace\r\n"
                                       "s segment [AB]\r\n");
    struct Cas {
        uint32_t tag;
        bool parClic;
    };
    for (const Cas c :
         {Cas{kTagPaletteRappel, false}, Cas{kTagPaletteRappel, true}, Cas{kTagPaletteAide, false},
          Cas{kTagPaletteAide, true}, Cas{kTagPaletteFermer, false}, Cas{kTagPaletteFermer, true}}) {
        SCOPED_TRACE(testing::Message() << c.tag << " " << c.parClic);
        TFenetreStyle& s = ouvre();
        p::aidesDemandees().clear();
        f.modeCommande = 0;
        avis.clear();
        if (c.parClic)
            clicSur(s, cadreBoutonPalette(s, c.tag));
        else
            p::envoieMessage(s.fenetre, p::WM_COMMAND, c.tag, 0);
        p::distribueJusquAuRepos();
        switch (c.tag) {
        case kTagPaletteRappel:
            ASSERT_NE(choixRappels(), nullptr);
            EXPECT_EQ(choixRappels()->commande, kCommandeStyles);
            EXPECT_EQ(choixRappels()->fenetreDemandeur, s.fenetre);
            break;
        case kTagPaletteAide:
            ASSERT_EQ(p::aidesDemandees().size(), 1u);
            EXPECT_EQ(p::aidesDemandees()[0].donnee, kCommandeStyles);
            EXPECT_TRUE(s.aideDemandee);
            break;
        default:
            EXPECT_EQ(paletteStyles(), nullptr);
            EXPECT_EQ(f.modeCommande, kCommandeStyles);
            EXPECT_NE(std::find(avis.begin(), avis.end(), Avis{1025, 0}), avis.end());
            continue;
        }
        ASSERT_EQ(paletteStyles(), &s);
        clicSur(s, s.boutonFermer);
        ASSERT_EQ(paletteStyles(), nullptr);
    }
}

} // namespace
} // namespace km32::essais
