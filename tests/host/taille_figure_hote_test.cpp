// A host window resized under its figure (KMSize, before and after the click
// that activates the figure): the drawing takes the new size and is the one
// a figure made in a window of that size draws; the annex windows opened
// before any click take their size from the host's window.
#include "etats_figure_banc.h"
#include "host/filtre_menus.h"
#include "host/fenetres/tableau_valeurs.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (3,1,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,2,2) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "c cercle circonscrit au triangle ABC\r\n"
                            "a réel libre de [-10,10]\r\n"
                            "Objet libre a, paramètre: 2\r\n"
                            "b = a*a\r\n"
                            "t (touche T) tableau de (a,0) (b,2) à partir de 0 (pas 1) (4 lignes)\r\n"
                            "Fin de la figure\r\n";

class TailleFigureHote : public BancEtatsFigure, public ::testing::WithParamInterface<int16_t> {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        KMappliqueLangue(GetParam());
    }
    // A figure of the text in a host window, not clicked.
    int16_t figureInactive(p::Fenetre fenetre) {
        const std::string texte = windows1252DeUtf8(kFigure);
        const int16_t k = KMCreeFigEtRenvoieNumero(fenetre, nullptr, texte.c_str(), nullptr);
        EXPECT_GT(k, 0);
        EXPECT_EQ(KMLigneEnErreur(k), 0) << derniereBoite();
        return k;
    }
    p::Fenetre fenetreHote(int32_t largeur, int32_t hauteur) {
        return p::creeFenetre(
            0, {100, 100, 100 + largeur, 100 + hauteur},
            [](p::Fenetre, uint32_t, uint32_t, int32_t) -> int32_t { return 0; }, true);
    }
    // What a paint draws: the places of every primitive.
    static std::vector<std::vector<p::Point>> dessin(TfigureKalmetra& f) {
        std::vector<std::vector<p::Point>> r;
        for (const p::Primitive& q : peintureEnregistree(f)) {
            std::vector<p::Point> v = q.points;
            v.push_back({q.rect.gauche, q.rect.haut});
            v.push_back({q.rect.droite, q.rect.bas});
            r.push_back(v);
        }
        return r;
    }
    // The figure of `hote` resized to largeur x hauteur draws what a figure
    // made in a window of that size draws, and writes the same text.
    void attendCommeNeuve(int32_t largeur, int32_t hauteur) {
        p::placeFenetre(hote, {100, 100, 100 + largeur, 100 + hauteur});
        KMSize(n, 0);
        const p::Rectangle client = p::rectangleClient(hote);
        EXPECT_EQ(fig().largeurImage, client.largeur() - 1);
        EXPECT_EQ(fig().hauteurImage, client.hauteur() - 1);

        const p::Fenetre autre = fenetreHote(largeur, hauteur);
        const int16_t k = figureInactive(autre);
        TfigureKalmetra& neuve = *figureDeNumero(k);
        KMSize(k, 0);
        ASSERT_EQ(neuve.largeurImage, fig().largeurImage);
        ASSERT_EQ(neuve.hauteurImage, fig().hauteurImage);
        EXPECT_EQ(dessin(fig()), dessin(neuve));
        // Centred: the origin is drawn at the centre of the new drawing.
        const p::Point o = ecran({0, 0, 0});
        EXPECT_NEAR(o.x, fig().largeurImage / 2.0, 1);
        EXPECT_NEAR(o.y, fig().hauteurImage / 2.0, 1);
        const int16_t moi = n;
        std::string t = texte();
        n = k;
        EXPECT_EQ(texte(), t);
        std::array<uint8_t, 65> a{}, b{};
        KMmiseAjourMenus(moi, a.data());
        KMmiseAjourMenus(k, b.data());
        EXPECT_EQ(a, b);
        n = moi;
        KMDetruitFigure(k);
        p::detruitFenetre(autre);
    }
};

TEST_P(TailleFigureHote, TheResizedFigureDrawsAsANewFigureOfThatSize) {
    n = figureInactive(hote);
    KMSize(n, 0);
    attendCommeNeuve(640, 460); // before any click
    KMMouseDown(n, 1, 0, 1, 1);
    ASSERT_TRUE(p::estAffichee(formeDeNumero(n)->fenetre));
    attendCommeNeuve(300, 420); // active
    EXPECT_EQ(p::rectangleClient(formeDeNumero(n)->fenetre).largeur(), p::rectangleClient(hote).largeur());
}

TEST_P(TailleFigureHote, AnnexWindowsOpenedBeforeAnyClickTakeTheHostsSize) {
    p::placeFenetre(hote, {100, 100, 700, 400});
    n = figureInactive(hote);
    const int32_t bas = p::rectangleClient(hote).bas;
    commande(114);
    TBoiteFiltreMenu* b = boiteFiltreMenu();
    ASSERT_NE(b, nullptr);
    // 400 pixels high at most, and no higher than the host's window.
    EXPECT_EQ(p::rectangleClient(b->fenetre).hauteur(), std::min(400, bas));
    EXPECT_GT(b->hauteurListes, 0);
    p::envoieMessage(b->fenetre, p::WM_CLOSE, 0, 0);
    p::distribueJusquAuRepos();

    KMExecuteCommande(n, "t");
    TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
    ASSERT_NE(t, nullptr);
    const p::Rectangle r = p::rectangleClient(t->fenetre);
    EXPECT_GT(r.hauteur(), t->cadreMenu.bas);
    EXPECT_LE(r.bas, bas);
    EXPECT_GE(r.largeur(), t->largeurClient);
}

INSTANTIATE_TEST_SUITE_P(Langues, TailleFigureHote, ::testing::Values(int16_t(1), int16_t(2)));

} // namespace
} // namespace km32::essais
