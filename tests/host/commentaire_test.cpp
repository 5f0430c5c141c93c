// The comment window and the comment editor driven through the exports,
// the figure's commands and keys, and the messages of their windows.
#include <string>
#include <vector>

#include "banc_hote.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/fenetre_commentaire.h"
#include "phrases/phrase.h"
#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/image_bitmap.h"
#include "platform/messages.h"
#include "platform/presse_papiers.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::string kTexte = "Figure Kalmetra\r\nA point de coordonn\xE9"
                           "es (1,0,0) dans le rep\xE8re Rxyz\r\n";

class Commentaire : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTexte.c_str(), nullptr);
        ASSERT_EQ(n, 1);
    }
    void commente(const std::string& t) { figure(n).texteCommentaire = std::make_unique<std::string>(t); }
    std::vector<p::Primitive> textesDessines(uint32_t fenetre) {
        std::vector<p::Primitive> r;
        const p::Bitmap* s = p::surfaceDeFenetre(fenetre);
        if (!s || !s->journal()) return r;
        for (const p::Primitive& pr : s->journal()->primitives)
            if (!pr.texte.empty()) r.push_back(pr);
        return r;
    }
    int32_t commande(uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        return m.resultat;
    }
    bool demande(const std::string& t) {
        for (const p::DemandeBoite& d : p::boitesDemandees())
            if (d.texte == t) return true;
        return false;
    }
    int16_t n = 0;
};

// The window's size follows the measure of the text: cells of the
// sibling's font, a raised exponent reaching half a cell above the line.
TEST_F(Commentaire, TheCommentWindowIsSizedFromTheMeasuredTextAndDrawsIt) {
    const int32_t l = larg(0), h = haut(0);
    struct Cas {
        std::string texte;
        int32_t largeur, dessus, dessous; // of the text, from the font's cell
        int32_t largeurClient;
        bool defileEnLargeur;
    };
    const std::string longue(200, 'm');
    const int32_t moyenne = 400 / l; // a box between 280 and 748 wide
    const Cas cas[] = {
        {"", 0, 0, 0, 318, false},
        {"abc", 3 * l, 0, h, 318, false},
        {"Soit \\x^2\\", 7 * l, -(h / 2), h, 318, false},
        {longue, 200 * l, 0, h, 788, true},
        {std::string(std::size_t(moyenne), 'm') + "\r\nb", moyenne * l, 0, 2 * h, moyenne * l + 2 + 38,
         false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        commente(c.texte);
        KMAfficheCommentaire(n);
        TKMFenCommentaire* w = fenetreCommentaire();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeCommentaire);
        EXPECT_EQ(p::titreFenetre(w->fenetre), figure(n).titreFenetre + phraseDeNumero(2251));
        const int32_t hauteurBoite = c.dessous - c.dessus + 8;
        EXPECT_EQ(w->cadreBoite.gauche, 16);
        EXPECT_EQ(w->cadreBoite.haut, 8);
        EXPECT_EQ(w->cadreBoite.largeur(), c.largeur + 2);
        EXPECT_EQ(w->cadreBoite.hauteur(), hauteurBoite);
        EXPECT_EQ(w->hauteurClient, hauteurBoite + 28);
        EXPECT_EQ(w->largeurClient, c.largeurClient);
        EXPECT_EQ(w->defilementHorizontal, c.defileEnLargeur);
        EXPECT_EQ(p::rectangleClient(w->fenetre).largeur(), c.largeurClient);

        p::distribueJusquAuRepos();
        const std::vector<p::Primitive> textes = textesDessines(w->boitePeinture);
        std::string vu;
        for (const p::Primitive& pr : textes) {
            vu += pr.texte;
            ASSERT_FALSE(pr.points.empty());
            // Everything drawn lies inside the paint box, the highest cell
            // five pixels from its top.
            EXPECT_GE(pr.points[0].y, 5);
            EXPECT_LT(pr.points[0].y, hauteurBoite);
        }
        for (const char k : c.texte) {
            if (k != '\\' && k != '^' && k != '\r' && k != '\n') {
                EXPECT_NE(vu.find(k), std::string::npos) << k;
            }
        }
        if (!textes.empty()) {
            int32_t plusHaut = textes[0].points[0].y;
            for (const p::Primitive& pr : textes)
                plusHaut = std::min(plusHaut, pr.points[0].y);
            EXPECT_EQ(plusHaut, 5);
        }
        p::envoieMessage(w->fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreCommentaire(), nullptr);
    }
    // A tall comment: the window stops at 308.
    commente(std::string(40, '\r'));
    KMAfficheCommentaire(n);
    ASSERT_NE(fenetreCommentaire(), nullptr);
    EXPECT_EQ(fenetreCommentaire()->hauteurClient, 308);
    EXPECT_TRUE(fenetreCommentaire()->defilementVertical);
    KMAfficheCommentaire(33); // no such figure: nothing, the open window stays
    EXPECT_NE(fenetreCommentaire(), nullptr);
}

// A comment written with mathematics is drawn on white: the paint box
// where the text leaves it empty, and the window around the box, where the
// figure would show.
TEST_F(Commentaire, TheCommentIsDrawnOnWhite) {
    commente("Soit \\x^2\\");
    KMAfficheCommentaire(n);
    const TKMFenCommentaire* w = fenetreCommentaire();
    ASSERT_NE(w, nullptr);
    p::distribueJusquAuRepos();
    const p::Bitmap* boite = p::surfaceDeFenetre(w->boitePeinture);
    const p::Bitmap* fenetre = p::surfaceDeFenetre(w->fenetre);
    ASSERT_TRUE(boite && fenetre);
    const int32_t lb = w->cadreBoite.largeur(), hb = w->cadreBoite.hauteur();
    for (const auto& [x, y] :
         {std::pair{0, 0}, std::pair{lb - 1, 0}, std::pair{0, hb - 1}, std::pair{lb - 1, hb - 1}})
        EXPECT_EQ(boite->pixel(x, y), std::optional<uint32_t>(p::kBlanc)) << x << "," << y;
    const p::Rectangle client = p::rectangleClient(w->fenetre);
    for (const auto& [x, y] : {std::pair{2, 2}, std::pair{client.droite - 2, client.bas - 2}})
        EXPECT_EQ(fenetre->pixel(x, y), std::optional<uint32_t>(p::kBlanc)) << x << "," << y;
}

// Command 79 and F3 open the window only when the figure has a comment;
// the start line of a figure text opens it too.
TEST_F(Commentaire, Command79F3AndTheStartLineOpenTheCommentWindow) {
    commande(79);
    EXPECT_EQ(fenetreCommentaire(), nullptr);
    commente("abc");
    commande(79);
    ASSERT_NE(fenetreCommentaire(), nullptr);
    p::envoieMessage(fenetreCommentaire()->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    ASSERT_EQ(fenetreCommentaire(), nullptr);
    KMMessage f3{p::WM_KEYDOWN, p::VK_F1 + 2, 0, 0};
    traiteMessageKMParNumero(n, &f3);
    ASSERT_NE(fenetreCommentaire(), nullptr);
    p::envoieMessage(fenetreCommentaire()->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    ASSERT_EQ(fenetreCommentaire(), nullptr);
    KMExecuteLigneFigEtRedessine(n, "D\xE9marrer en affichant le commentaire");
    ASSERT_NE(fenetreCommentaire(), nullptr);
    EXPECT_EQ(fenetreCommentaire()->texte, "abc");
}

// The comment editor: the palette inserts at the caret in place of the
// selection, Apply replaces the figure's comment.
TEST_F(Commentaire, EachPaletteTextStandsInsideItsCellClearOfItsLinesAndTheRowsFitTheText) {
    commente("a x b");
    commande(120);
    TFenEditCom* e = editeurCommentaire();
    ASSERT_NE(e, nullptr);
    p::distribueJusquAuRepos();
    const p::Bitmap* s = p::surfaceDeFenetre(e->fenetre);
    ASSERT_NE(s, nullptr);
    const p::Couleur fond = s->pixel(1, 1).value_or(p::kNoir);
    const auto vide = [&](int x, int y) { return s->pixel(x, y).value_or(p::kNoir) == fond; };
    for (std::size_t k = 0; k < kCellulesPalette; ++k) {
        SCOPED_TRACE(k);
        const p::Rectangle& r = e->cellulesPalette[k];
        // Under the text, within its width, apart from the others.
        EXPECT_GE(r.haut, e->cadreMemo1.bas);
        EXPECT_LE(r.bas, e->basPalette);
        EXPECT_GE(r.gauche, e->cadreMemo1.gauche);
        EXPECT_LE(r.droite, e->cadreMemo1.droite);
        for (std::size_t j = k + 1; j < kCellulesPalette; ++j)
            EXPECT_TRUE(p::intersectionRectangles(r, e->cellulesPalette[j]).estVide()) << j;
        // The row and column just inside the frame lines are blank, the middle is not.
        int encre = 0;
        for (int x = r.gauche + 1; x < r.droite - 1; ++x)
            EXPECT_TRUE(vide(x, r.haut + 1) && vide(x, r.bas - 2)) << x;
        for (int y = r.haut + 1; y < r.bas - 1; ++y) {
            EXPECT_TRUE(vide(r.gauche + 1, y) && vide(r.droite - 2, y)) << y;
            for (int x = r.gauche + 2; x < r.droite - 2; ++x)
                encre += !vide(x, y);
        }
        EXPECT_GT(encre, 5);
    }
    // The drawn expression's caption comes under the last row.
    EXPECT_GT(e->cadreDessinee.haut, e->basPalette);
}

TEST_F(Commentaire, ThePaletteInsertsAndApplyReplacesTheComment) {
    commente("a x b");
    commande(120);
    TFenEditCom* e = editeurCommentaire();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeEditeurCommentaire);
    EXPECT_EQ(e->memo1.texte, "a x b");
    EXPECT_EQ(e->modifie, 0);
    EXPECT_TRUE(e->dessinable);
    EXPECT_EQ(e->hautPalette, 32 + 120 + 5);
    EXPECT_EQ(e->largeurClient, 558);
    selectionneZone(e->memo1, 2, 1);
    // The middle of cell 7.
    const p::Rectangle sept = e->cellulesPalette[6];
    p::envoieMessage(e->fenetre, p::WM_LBUTTONDOWN, 0,
                     p::lParamDeCoordonnees((sept.gauche + sept.droite) / 2, (sept.haut + sept.bas) / 2));
    EXPECT_EQ(e->memo1.texte, "a norm(vec(u)) b");
    EXPECT_EQ(*p::textePressePapiers(), "norm(vec(u))");
    EXPECT_EQ(e->modifie, 1);
    // The borders of the cells and of the row insert nothing.
    const p::Rectangle un = e->cellulesPalette[0], deux = e->cellulesPalette[1];
    for (const auto& [x, y] : {std::pair{un.gauche, un.haut + 11}, std::pair{un.gauche + 10, un.haut},
                               std::pair{un.gauche + 10, un.bas - 1}, std::pair{un.droite + 1, un.haut + 11},
                               std::pair{deux.gauche, deux.haut + 11}})
        p::envoieMessage(e->fenetre, p::WM_LBUTTONDOWN, 0, p::lParamDeCoordonnees(x, y));
    EXPECT_EQ(e->memo1.texte, "a norm(vec(u)) b");
    EXPECT_EQ(e->cadreBoite.largeur(), int32_t(e->memo1.texte.size()) * larg(0) + 2);

    p::envoieMessage(e->fenetre, p::WM_COMMAND, kEcCopierDessin, 0);
    EXPECT_EQ(dessinCopieTQ().texte, "a norm(vec(u)) b");
    p::envoieMessage(e->fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(editeurCommentaire(), nullptr);
    ASSERT_NE(figure(n).texteCommentaire, nullptr);
    EXPECT_EQ(*figure(n).texteCommentaire, "a norm(vec(u)) b");
}

// Closing after a change asks 11161: Yes cancels the change; a text that
// cannot be drawn is kept only on Yes; an emptied comment is removed.
TEST_F(Commentaire, ClosingAndApplyingTheEditorAsk) {
    commente("abc");
    commande(120);
    TFenEditCom* e = editeurCommentaire();
    ASSERT_NE(e, nullptr);
    p::envoieMessage(e->fenetre, p::WM_CHAR, 'z', 0);
    EXPECT_EQ(e->memo1.texte, "zabc");
    p::reponsesPrevues().push_back({p::kReponseAnnuler, {}});
    p::envoieMessage(e->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    ASSERT_EQ(editeurCommentaire(), e);
    p::reponsesPrevues().push_back({p::kReponseOui, {}});
    p::envoieMessage(e->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(editeurCommentaire(), nullptr);
    EXPECT_EQ(*figure(n).texteCommentaire, "abc");

    commande(120);
    e = editeurCommentaire();
    ASSERT_NE(e, nullptr);
    fixeTexteZone(e->memo1, "ouvert \\(x");
    Memo1Change(*e);
    p::reponsesPrevues().push_back({p::kReponseNon, {}});
    p::envoieMessage(e->fenetre, p::WM_COMMAND, kEcAppliquer, 0);
    p::distribueJusquAuRepos();
    EXPECT_TRUE(demande(phraseDeNumero(kPhraseTexteNonDessinable)));
    ASSERT_EQ(editeurCommentaire(), e);
    EXPECT_EQ(*figure(n).texteCommentaire, "abc");

    p::envoieMessage(e->fenetre, p::WM_COMMAND, kEcSelectionnerTout, 0);
    p::envoieMessage(e->fenetre, p::WM_CHAR, 8, 0);
    EXPECT_FALSE(e->dessinable);
    p::distribueJusquAuRepos();
    EXPECT_FALSE(p::estAffichee(e->boitePeinture));
    p::envoieMessage(e->fenetre, p::WM_COMMAND, kEcAppliquer, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(editeurCommentaire(), nullptr);
    EXPECT_EQ(figure(n).texteCommentaire, nullptr);
    EXPECT_EQ(commande(79), 0); // nothing to show any more
    EXPECT_EQ(fenetreCommentaire(), nullptr);
}

// The editor's menu: copy and paste go through the clipboard, undo takes
// the paste back, and the drawing is measured again each time; the help
// item and F1 open the editor's topic; F4 cancels.
TEST_F(Commentaire, TheEditorsMenuCopiesPastesUndoesAndOpensItsHelp) {
    commente("abc");
    commande(120);
    TFenEditCom* e = editeurCommentaire();
    ASSERT_NE(e, nullptr);
    const int32_t l = larg(0);
    struct Etape {
        std::size_t debut, longueur;
        CommandeEditeurCommentaire commande;
        std::string texte, pressePapiers;
    };
    for (const Etape& t : {Etape{1, 2, kEcCopier, "abc", "bc"}, Etape{3, 0, kEcColler, "abcbc", "bc"},
                           Etape{0, 0, kEcDefaire, "abc", "bc"}}) {
        SCOPED_TRACE(t.commande);
        selectionneZone(e->memo1, t.debut, t.longueur);
        p::envoieMessage(e->fenetre, p::WM_COMMAND, t.commande, 0);
        EXPECT_EQ(e->memo1.texte, t.texte);
        ASSERT_NE(p::textePressePapiers(), nullptr);
        EXPECT_EQ(*p::textePressePapiers(), t.pressePapiers);
        EXPECT_EQ(e->cadreBoite.largeur(), int32_t(t.texte.size()) * l + 2);
    }
    EXPECT_EQ(e->modifie, 1);
    for (const bool parTouche : {false, true}) {
        p::aidesDemandees().clear();
        if (parTouche)
            p::envoieMessage(e->fenetre, p::WM_KEYDOWN, p::VK_F1, 0);
        else
            p::envoieMessage(e->fenetre, p::WM_COMMAND, kEcAide, 0);
        ASSERT_EQ(p::aidesDemandees().size(), 1u) << parTouche;
        EXPECT_EQ(p::aidesDemandees()[0].donnee, kAideEditeurCommentaire);
    }
    fixeTexteZone(e->memo1, "autre");
    p::envoieMessage(e->fenetre, p::WM_KEYDOWN, p::VK_F1 + 3, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(editeurCommentaire(), nullptr);
    EXPECT_EQ(*figure(n).texteCommentaire, "abc");
}

// A raw text longer than the editor's buffer is measured on the part that
// fits; Esc leaves the comment as it was.
TEST_F(Commentaire, ALongTextIsMeasuredWithinTheBufferAndEscCancels) {
    commande(120);
    TFenEditCom* e = editeurCommentaire();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->dessinable);
    fixeTexteZone(e->memo1, std::string(12000, 'q'));
    Memo1Change(*e);
    EXPECT_EQ(e->tampon.size(), kTailleTamponCommentaire - 1);
    EXPECT_EQ(e->mesure.largeur, int32_t(kTailleTamponCommentaire - 1) * larg(0));
    p::envoieMessage(e->fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(editeurCommentaire(), nullptr);
    EXPECT_EQ(figure(n).texteCommentaire, nullptr);
}

} // namespace
} // namespace km32::essais
