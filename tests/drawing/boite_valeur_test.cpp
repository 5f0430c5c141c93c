// The value box of the + and - keys, typed into a figure's window: the
// paint that follows a key draws the box and marks it shown, so the next
// key changes the value; the paint after that erases it.
#include "drawing/rendu_figure.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/image_bitmap.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"
#include "sibling/texte_math.h"
#include "souris_banc.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kPointActif = "Figure Kalmetra\r\n"
                                "A point libre dans l'espace\r\n"
                                "Objet libre A, paramètres: 1, 2, 3\r\n"
                                "Objet libre actif au clavier: A\r\n"
                                "Fin de la figure";

class BoiteValeur : public BancSouris {
  protected:
    // A character typed in the figure's window, then the messages it leaves
    // (the paint of the box) handled.
    void tape(char c) {
        p::envoieMessage(forme, p::WM_CHAR, uint8_t(c), 0);
        p::distribueJusquAuRepos();
    }
    static const p::Primitive* texte(const std::vector<p::Primitive>& ps, const std::string& t) {
        for (const p::Primitive& q : ps)
            if (q.type == p::TypePrimitive::Texte && q.texte == t) return &q;
        return nullptr;
    }
    double pas() { return valeurObjet(fig(), numero("A"), 4); }
};

TEST_F(BoiteValeur, TheBoxIsDrawnThenPlusDoublesAndMinusHalves) {
    TfigureKalmetra& f = figureDeTexte(kPointActif);
    ASSERT_EQ(f.objetLibreActif, numero("A"));
    ASSERT_DOUBLE_EQ(pas(), 0.1);

    // The first '+' only shows the box; the window's paint draws it.
    tape('+');
    EXPECT_DOUBLE_EQ(pas(), 0.1);
    EXPECT_EQ(f.boiteValeurAffichee, 1);
    EXPECT_EQ(f.boiteValeurDemandee, 0);
    EXPECT_EQ(f.texteBoiteValeur, "0.1");

    // Shown: '+' doubles the step, '-' halves it, each box drawn in turn.
    tape('+');
    EXPECT_DOUBLE_EQ(pas(), 0.2);
    EXPECT_EQ(f.texteBoiteValeur, "0.2");
    tape('+');
    EXPECT_DOUBLE_EQ(pas(), 0.4);
    tape('-');
    tape('-');
    tape('-');
    EXPECT_DOUBLE_EQ(pas(), 0.05);
    EXPECT_EQ(f.boiteValeurAffichee, 1);

    // A modifier key pressed keeps the box (the '+' of most keyboards and
    // the step's keys need one); another key erases it: the next paint
    // asks for a whole paint, which draws without it; a '+' then only
    // shows it again.
    p::envoieMessage(forme, p::WM_KEYDOWN, p::VK_SHIFT, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(f.boiteValeurAffichee, 1);
    p::envoieMessage(forme, p::WM_KEYDOWN, p::VK_SPACE, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(f.boiteValeurAffichee, 0);
    tape('+');
    EXPECT_DOUBLE_EQ(pas(), 0.05);
    EXPECT_EQ(f.boiteValeurAffichee, 1);
}

TEST_F(BoiteValeur, TheBoxSitsInTheTopLeftCornerWithItsText) {
    TfigureKalmetra& f = figureDeTexte(kPointActif);
    p::envoieMessage(forme, p::WM_CHAR, '+', 0); // asked for, not painted yet
    ASSERT_EQ(f.boiteValeurDemandee, 1);
    const auto ps = peint();
    // Three characters "0.1": a cell of the normal font each and 5 pixels
    // of margin on every side, from the corner (0, 0).
    const int32_t w = 3 * larg(0) + 10, h = haut(0) + 10;
    const p::Primitive* t = texte(ps, "0.1");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->points[0], (p::Point{5, 5}));
    EXPECT_EQ(t->etat.couleurTexte, 0x00FFFFu); // the value in yellow
    bool fond = false;
    for (const p::Primitive& q : ps)
        fond = fond || (q.type == p::TypePrimitive::Rectangle && q.rect.gauche == 0 && q.rect.haut == 0 &&
                        q.rect.droite >= w && q.rect.droite <= w + 1 && q.rect.bas >= h &&
                        q.rect.bas <= h + 1 && q.etat.brosse.couleur == 1);
    EXPECT_TRUE(fond); // on black
    EXPECT_EQ(f.rectangleBoiteValeur, (p::Rect{0, 0, w, h}));
    EXPECT_EQ(f.boiteValeurAffichee, 1);
    EXPECT_EQ(f.boiteValeurDemandee, 0);

    // The next paint with nothing asked only invalidates the window, and
    // the one after draws the figure without the box.
    EXPECT_TRUE(peint().empty());
    EXPECT_EQ(f.boiteValeurAffichee, 0);
    const auto apres = peint();
    EXPECT_FALSE(apres.empty());
    EXPECT_EQ(texte(apres, "0.1"), nullptr);

    // Ctrl+'+' without the box shows the keyboard step, in blue on yellow.
    p::fixeToucheEnfoncee(p::VK_CONTROL, true);
    p::envoieMessage(forme, p::WM_KEYDOWN, p::VK_ADD, 0);
    p::fixeToucheEnfoncee(p::VK_CONTROL, false);
    const auto avecPas = peint();
    const p::Primitive* pasVue = texte(avecPas, f.texteBoiteValeur);
    ASSERT_NE(pasVue, nullptr);
    EXPECT_EQ(f.texteBoiteValeur.back(), '\xB0');
    EXPECT_EQ(pasVue->etat.couleurTexte, 0xFF0000u);
}

// What the screen shows is the window's surface: the box a key asked for is
// painted there (black under the value, in the margin left of the text),
// and the paints that erase it leave the background there again.
TEST_F(BoiteValeur, TheBoxReachesTheWindowsSurfaceAndLeavesIt) {
    TfigureKalmetra& f = figureDeTexte(kPointActif);
    p::distribueJusquAuRepos();
    const auto marge = [&] {
        const p::Bitmap* surface = p::surfaceDeFenetre(forme);
        EXPECT_NE(surface, nullptr);
        return surface ? surface->pixel(3, haut(0) + 7) : std::nullopt;
    };
    const std::optional<p::Couleur> fond = marge();
    ASSERT_TRUE(fond.has_value());
    ASSERT_NE(*fond, 1u);

    tape('+');
    ASSERT_EQ(f.boiteValeurAffichee, 1);
    EXPECT_EQ(marge(), std::optional<p::Couleur>(1));
    tape('+'); // the value doubled, the box drawn again
    EXPECT_EQ(marge(), std::optional<p::Couleur>(1));

    p::envoieMessage(forme, p::WM_KEYDOWN, p::VK_SPACE, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(f.boiteValeurAffichee, 0);
    EXPECT_EQ(marge(), fond);
}

} // namespace
} // namespace km32::essais
