// Menus as retained models, the searches by caption and the helpers that
// change an item found by its caption phrase.
#include <string>

#include <gtest/gtest.h>

#include "model/menus_texte.h"
#include "phrases/menus_phrases.h"
#include "phrases/phrase.h"
#include "platform/menus.h"
#include "platform/messages.h"
#include "platform/plateforme.h"
#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

namespace p = platform;

class MenusPlateforme : public ::testing::Test {
  protected:
    void SetUp() override {
        p::reinitialisePlateforme();
        reinitialiseBibliothequeTQ();
        TQTableDesVariablesPartagees()->langueAppliquee = kLangueFrancaise;
        // racine: [0] "Un", [1] sous-menu "Sous" -> [0] "Deux", [1] sous-menu "Bas" -> [0] "Trois"
        racine = p::creeMenuContextuel();
        sous = p::creeMenuContextuel();
        bas = p::creeMenuContextuel();
        p::ajouteElementMenu(racine, 1, "Un");
        p::ajouteSousMenu(racine, sous, "Sous");
        p::ajouteElementMenu(sous, 2, "Deux");
        p::ajouteSousMenu(sous, bas, "Bas");
        p::ajouteElementMenu(bas, 3, "Trois");
    }
    void TearDown() override { p::reinitialisePlateforme(); }
    p::Menu racine = 0, sous = 0, bas = 0;
};

TEST_F(MenusPlateforme, SearchesByCaptionGoDepthFirst) {
    struct Cas {
        const char* texte;
        p::Menu attendu;
        int position;
    };
    const Cas cas[] = {{"Un", racine, 0}, {"Sous", racine, 1}, {"Deux", sous, 0},
                       {"Trois", bas, 0}, {"trois", 0, -1},    {"Quatre", 0, -1}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const p::Menu m = sousMenuDeTexte(racine, c.texte);
        EXPECT_EQ(m, c.attendu);
        EXPECT_EQ(positionMenuDeTexte(m, c.texte), c.position);
    }
    EXPECT_EQ(positionMenuDeTexte(p::kAucunMenu, "Un"), -1);
}

TEST_F(MenusPlateforme, CaptionsOverFortyFourCharactersAreNeverFound) {
    const std::string long44(44, 'x'), long45(45, 'y');
    p::ajouteElementMenu(bas, 4, long44);
    p::ajouteElementMenu(bas, 5, long45);
    EXPECT_EQ(sousMenuDeTexte(racine, long44), bas);
    EXPECT_EQ(sousMenuDeTexte(racine, long45), p::kAucunMenu);
    // Cut to 44 characters, the longer caption reads as its first 44.
    EXPECT_EQ(positionMenuDeTexte(bas, std::string(44, 'y')), 2);
}

TEST_F(MenusPlateforme, HelpersChangeTheItemOfTheCaptionPhraseInAnySubMenu) {
    // Items captioned by phrases 80 and 117, two levels down.
    p::ajouteElementMenu(bas, 80, phraseDeNumero(80));
    p::ajouteElementMenu(sous, 117, phraseDeNumero(117));
    cocheItemMenu(racine, 80);
    griseItemMenu(racine, 117);
    EXPECT_TRUE(p::elementCoche(bas, 1));
    EXPECT_TRUE(p::elementGrise(sous, 2));
    decocheItemMenu(racine, 80);
    activeItemMenu(racine, 117);
    EXPECT_FALSE(p::elementCoche(bas, 1));
    EXPECT_FALSE(p::elementGrise(sous, 2));
    // A phrase that captions no item changes nothing.
    cocheItemMenu(racine, 81);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(p::elementCoche(sous, k));
}

TEST_F(MenusPlateforme, EmptyingAMenuDestroysItsSubMenus) {
    p::Menu m = racine;
    videMenu(m);
    EXPECT_EQ(m, p::kAucunMenu);
    EXPECT_FALSE(p::estMenu(racine));
    EXPECT_FALSE(p::estMenu(sous));
    EXPECT_FALSE(p::estMenu(bas));
    EXPECT_EQ(p::nombreDeMenus(), 0u);
    videMenu(m); // not a menu: nothing
}

TEST_F(MenusPlateforme, ShowingPostsThePickToTheOwnerUnlessGreyed) {
    const p::Fenetre proprietaire = p::creeFenetre(0, {0, 0, 10, 10}, {}, false);
    p::choisitDansMenuSuivant(3);
    EXPECT_TRUE(p::afficheMenuContextuel(racine, p::TPM_RIGHTALIGN, {5, 6}, proprietaire));
    auto m = p::regardeMessage(proprietaire, p::WM_COMMAND, p::WM_COMMAND, true);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->wParam, 3u);
    p::activeElementMenu(racine, 3, p::MF_BYCOMMAND | p::MF_GRAYED);
    p::choisitDansMenuSuivant(3);
    p::afficheMenuContextuel(racine, 0, {5, 6}, proprietaire);
    EXPECT_FALSE(p::regardeMessage(proprietaire, p::WM_COMMAND, p::WM_COMMAND, false));
    EXPECT_EQ(p::nombreMenusAffiches(), 2);
}

} // namespace
} // namespace km32
