// The one-annex-window rule between figures of a host, and the replacement
// of the information window: with the sibling's replacement switched on, the
// figure activated last is the window to reactivate, the one before it is
// told that it lost that place, and an annex window that closes itself gives
// the activation back to that window instead of its own figure's form.
#include "banc_hote.h"
#include "host/fenetre_figure.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "platform/entrees.h"
#include "sibling/codes_annexes.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

class ProtocoleAnnexes : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        hote2 = creeHote({520, 100, 900, 400});
        ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
        ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote2, nullptr, nullptr, nullptr), 2);
        KMExecuteLigneFigEtRedessine(1, "A point de coordonn\xE9"
                                        "es (1,2,3) dans le rep\xE8re Rxyz");
        KMExecuteLigneFigEtRedessine(2, "A point de coordonn\xE9"
                                        "es (1,2,3) dans le rep\xE8re Rxyz");
    }
    TTableDesVariablesPartagees& t() { return *TQTableDesVariablesPartagees(); }
    // A click that activates figure n, as the host forwards it.
    void active(int16_t n) {
        KMMouseDown(n, 1, 0, 5, 5);
        KMMouseUp(n, 1, 0, 5, 5);
        p::distribueJusquAuRepos();
    }
    uint32_t forme(int16_t n) { return formeDeNumero(n)->fenetre; }
    void commande(int16_t n, uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        p::distribueJusquAuRepos();
    }
    p::Fenetre hote2 = 0;
};

TEST_F(ProtocoleAnnexes, TheLastActivatedFigureReplacesTheInformationWindow) {
    // Replacement off: activations leave the window to reactivate alone.
    t().remplacementInfo = 0;
    t().fenetreAReactiver = 0;
    active(1);
    active(2);
    EXPECT_EQ(t().fenetreAReactiver, 0u);
    // Figure 1 lost the activation: its form went all the same.
    EXPECT_EQ(formeDeNumero(1)->inactive, 1);

    // Replacement on: each activation takes the place; the figure that had
    // it hears that it lost it (its form goes and it draws into its host).
    t().remplacementInfo = 1;
    active(1);
    EXPECT_EQ(t().fenetreAReactiver, forme(1));
    EXPECT_EQ(formeDeNumero(1)->inactive, 0);
    active(2);
    EXPECT_EQ(t().fenetreAReactiver, forme(2));
    EXPECT_EQ(formeDeNumero(1)->inactive, 1);
    EXPECT_FALSE(p::estAffichee(forme(1)));
    EXPECT_EQ(figure(1).fenetreDessin, hote);
    // Activated again, the figure that holds the place keeps it.
    active(2);
    EXPECT_EQ(t().fenetreAReactiver, forme(2));
    EXPECT_EQ(formeDeNumero(2)->inactive, 0);
    t().remplacementInfo = 0;
}

TEST_F(ProtocoleAnnexes, AnAnnexClosingItselfGivesTheActivationBack) {
    struct Cas {
        const char* quoi;
        uint8_t remplacement;
    };
    for (const Cas& c : {Cas{"to its figure's form", 0}, Cas{"to the information window", 1}}) {
        SCOPED_TRACE(c.quoi);
        t().remplacementInfo = c.remplacement;
        t().fenetreAReactiver = 0;
        active(1);
        active(2);
        // Figure 1's reminders, then its close box.
        active(1);
        KMAfficheRappels(1);
        p::distribueJusquAuRepos();
        ASSERT_NE(fenetreRappels(), nullptr);
        ASSERT_EQ(t().codeAnnexe, kAnnexeRappels);
        t().fenetreAReactiver = c.remplacement ? forme(2) : 0;
        p::activeFenetre(hote2);
        p::envoieMessage(fenetreRappels()->fenetre, p::WM_CLOSE, 0, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreRappels(), nullptr);
        EXPECT_EQ(t().codeAnnexe, 0);
        if (c.remplacement) {
            EXPECT_EQ(p::fenetreActive(), forme(2));
        } else {
            EXPECT_TRUE(p::estAffichee(forme(1)));
            EXPECT_EQ(p::fenetreActive(), forme(1));
        }
    }
    t().remplacementInfo = 0;
}

TEST_F(ProtocoleAnnexes, AnotherFiguresAnnexClosesTheOpenOneFirst) {
    // Figure 1's construction dialog, then figure 2's style palette: the
    // dialog closes, the palette opens for figure 2.
    commande(1, 15);
    ASSERT_NE(fenetreDialogue(), nullptr);
    ASSERT_EQ(t().codeAnnexe, kAnnexeDialogue);
    commande(2, 88);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(t().codeAnnexe, kAnnexeStyles);
    EXPECT_EQ(t().figureProprietaireAnnexe, 2);
    EXPECT_NE(paletteStyles(), nullptr);
    // Figure 1's keys and clock are its own again; figure 2's wait.
    EXPECT_FALSE(annexeModaleDe(formeDeNumero(1)->fenetre));
    EXPECT_TRUE(annexeModaleDe(formeDeNumero(2)->fenetre));
    // Asked again by figure 2, the palette comes forward: no second one.
    const uint32_t fenetrePalette = t().fenetreAnnexe;
    commande(2, 88);
    EXPECT_EQ(t().fenetreAnnexe, fenetrePalette);
    EXPECT_EQ(t().codeAnnexe, kAnnexeStyles);
}

} // namespace
} // namespace km32::essais
