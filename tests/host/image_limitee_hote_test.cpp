// "Limiter l'image" (command 121) as a host reaches it: the one switch shows
// the print frame, lets its sides be dragged, limits the copy and the print
// to it and puts subtitle 4076 on the copy and print dialogs; switched off,
// none of it. The frame's place is written by the text and read back.
#include <algorithm>
#include <cmath>

#include "etats_figure_banc.h"
#include "platform/impression.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

// A short horizontal segment well inside the frame: its drawn length tells
// the scale of a copy or a print.
const char* const kFigure = "A point de coordonnées (-1,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (1,0,0) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n";
constexpr uint16_t kSousTitreDoubleCadre = 4076, kPhraseDoubleCadre = 2235;

class ImageLimiteeHote : public BancEtatsFigure, public ::testing::WithParamInterface<int16_t> {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        figureDeTexte(kFigure);
        KMappliqueLangue(GetParam());
        p::configureImprimante({210, 297, 508, 5});
        TQTableDesVariablesPartagees()->largeurDisponibleMm = 1000;
        TQTableDesVariablesPartagees()->hauteurDisponibleMm = 1000;
    }
    p::Rect cadre() {
        const TfigureKalmetra& f = fig();
        auto r = [](double v) { return int32_t(std::lround(v)); };
        return {r(f.largeurImage * f.cadreImage[0]), r(f.hauteurImage * f.cadreImage[1]),
                r(f.largeurImage * f.cadreImage[2]), r(f.hauteurImage * f.cadreImage[3])};
    }
    // The top side of the print frame drawn on screen.
    bool cadreDessine() {
        const p::Rect c = cadre();
        for (const p::Primitive& q : peint())
            if (q.type == p::TypePrimitive::Polyligne && q.points.size() == 2 && q.points[0].y == c.haut &&
                q.points[1].y == c.haut && q.points[0].x == c.gauche && q.points[1].x == c.droite)
                return true;
        return false;
    }
    // The copy's picture size (hundredths of a millimetre).
    std::pair<int32_t, int32_t> copie() {
        EXPECT_NE(KMCopierDessin(n), 0u);
        int32_t l = 0, h = 0;
        EXPECT_EQ(KMPressePapiersTailleDessin(&l, &h), 1);
        return {l, h};
    }
    // The subtitle of dialog k (124 or 301), the dialog closed again.
    uint16_t sousTitre(uint32_t k) {
        commande(k);
        TFenDialog* d = fenetreDialogue();
        if (!d) {
            ADD_FAILURE() << "no dialog " << k;
            return 0;
        }
        const uint16_t s = d->dialogue.phraseSousTitre;
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreDialogue(), nullptr);
        return s;
    }
    // Printed through dialog 301 at 50 mm of picture width: the length of
    // the segment on the page, in printer pixels.
    double imprime() {
        p::reinitialiseImpression();
        p::configureImprimante({210, 297, 508, 5});
        commande(301);
        if (!fenetreDialogue()) {
            ADD_FAILURE() << "no print dialog";
            return 0;
        }
        remplit(1, "50");
        valide();
        EXPECT_EQ(fenetreDialogue(), nullptr) << derniereBoite();
        const auto& docs = p::documentsImprimes();
        if (docs.size() != 1 || docs[0].pages.size() != 1) {
            ADD_FAILURE() << "not one printed page " << derniereBoite();
            return 0;
        }
        double plus = 0;
        for (const p::Primitive& q : docs[0].pages[0])
            if (q.type == p::TypePrimitive::Polyligne && q.points.size() == 2)
                plus =
                    std::max(plus, std::hypot(q.points[1].x - q.points[0].x, q.points[1].y - q.points[0].y));
        return plus;
    }
    // Drags the top side of the frame down by dy pixels.
    void tireLeHaut(int dy) {
        const p::Rect c = cadre();
        const int x = (c.gauche + c.droite) / 2;
        enfonce(x, c.haut + 1);
        deplace(x, c.haut + 1 + dy);
        relache(x, c.haut + 1 + dy);
    }
};

TEST_P(ImageLimiteeHote, CommandOneTwentyOneShowsTheFrameThatLimitsCopyPrintAndDialogs) {
    const double largeur = fig().largeurImage, hauteur = fig().hauteurImage;
    ASSERT_FALSE(marquee(121));
    EXPECT_FALSE(cadreDessine());
    const auto [l0, h0] = copie();
    const double imprime0 = imprime();
    ASSERT_GT(imprime0, 0);
    EXPECT_EQ(sousTitre(124), 0);
    EXPECT_EQ(sousTitre(301), 0);
    const double haut0 = fig().cadreImage[1];
    tireLeHaut(20);
    EXPECT_EQ(fig().cadreImage[1], haut0); // nothing to drag

    commande(121);
    ASSERT_TRUE(marquee(121));
    EXPECT_TRUE(cadreDessine());
    // The frame is 0.8 of the drawing each way: so is the copy.
    const auto [l1, h1] = copie();
    EXPECT_NEAR(double(l1) / l0, 0.8, 0.01);
    EXPECT_NEAR(double(h1) / h0, 0.8, 0.01);
    // The print is 50 mm wide either way: the segment grows as the zone
    // shrinks (the frame less the print margins of 6 pixels).
    const double imprime1 = imprime();
    EXPECT_NEAR(imprime1 / imprime0, (largeur - 2) / (0.8 * largeur - 6), 0.02);
    EXPECT_EQ(sousTitre(124), kSousTitreDoubleCadre);
    EXPECT_EQ(sousTitre(301), kSousTitreDoubleCadre);

    // Its top side dragged down: the fraction follows to 1/100, the text
    // writes it, and the text read again gives the same frame.
    const int32_t haut = cadre().haut;
    tireLeHaut(20);
    const double attendu = std::nearbyint(100.0 * (haut + 20) / hauteur) / 100.0;
    EXPECT_DOUBLE_EQ(fig().cadreImage[1], attendu);
    EXPECT_TRUE(cadreDessine());
    const std::string t = texte();
    const std::string debut = phraseDeNumero(kPhraseDoubleCadre).substr(0, 12);
    EXPECT_NE(t.find("\r\n" + debut), std::string::npos) << t;
    double fractions[4];
    std::copy(fig().cadreImage, fig().cadreImage + 4, fractions);
    KMExecuterTexte(n, t.c_str());
    for (int k = 0; k < 4; ++k)
        EXPECT_DOUBLE_EQ(fig().cadreImage[k], fractions[k]) << k;

    // Off: no frame, a whole copy, no subtitle, no drag.
    if (!fig().imageLimitee) commande(121); // the text does not hold the switch
    commande(121);
    EXPECT_FALSE(marquee(121));
    EXPECT_FALSE(cadreDessine());
    const auto [l2, h2] = copie();
    EXPECT_EQ(l2, l0);
    EXPECT_EQ(h2, h0);
    EXPECT_EQ(sousTitre(124), 0);
    const double haut2 = fig().cadreImage[1];
    tireLeHaut(20);
    EXPECT_EQ(fig().cadreImage[1], haut2);
    EXPECT_NEAR(imprime(), imprime0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Langues, ImageLimiteeHote, ::testing::Values(int16_t(1), int16_t(2)));

} // namespace
} // namespace km32::essais
