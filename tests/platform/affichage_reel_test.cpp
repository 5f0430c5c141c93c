// What the layer offers a real window backend: the pop-up menu's pick made by
// the backend, the list of top-level windows it shows, the surfaces it reads
// without making any; and the host's own windows through the C interface.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "km32.h"
#include "platform/affichage.h"
#include "platform/fenetres.h"
#include "platform/image_bitmap.h"
#include "platform/menus.h"
#include "platform/messages.h"
#include "platform/plateforme.h"
#include "platform/surfaces_fenetres.h"

namespace km32::platform {
namespace {

class AffichageReel : public ::testing::Test {
  protected:
    AffichageReel() { reinitialisePlateforme(); }
    ~AffichageReel() override { reinitialisePlateforme(); }
};

// What the backend's menu answers, and how often it was asked.
std::optional<uint32_t> reponseDuMenu;
int menusMontres = 0;
std::optional<uint32_t> choixDuMenu(Menu, uint32_t, Point, Fenetre) {
    ++menusMontres;
    return reponseDuMenu;
}

TEST_F(AffichageReel, TheBackendsPickIsPostedOnlyForAnEnabledItemAndAScriptedPickComesFirst) {
    struct Cas {
        const char* quoi;
        std::optional<uint32_t> scripte;
        std::optional<uint32_t> choisi;
        std::optional<uint32_t> poste; // WM_COMMAND's wParam, when one is posted
        int montres;
    };
    const Cas cas[] = {
        {"an enabled item", std::nullopt, 10u, 10u, 1},
        {"a greyed item", std::nullopt, 11u, std::nullopt, 1},
        {"an item of the sub-menu", std::nullopt, 20u, 20u, 1},
        {"an identifier the menu lacks", std::nullopt, 99u, std::nullopt, 1},
        {"the menu dismissed", std::nullopt, std::nullopt, std::nullopt, 1},
        {"a scripted pick", 10u, 20u, 10u, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        reinitialisePlateforme();
        installeChoixMenuAffiche(choixDuMenu);
        const Fenetre w = creeFenetre(kAucuneFenetre, {0, 0, 100, 100}, {}, true);
        const Menu m = creeMenuContextuel(), sous = creeMenuContextuel();
        ajouteElementMenu(m, 10, "Dix");
        ajouteElementMenu(m, 11, "Onze");
        activeElementMenu(m, 11, MF_BYCOMMAND | MF_GRAYED);
        ajouteElementMenu(sous, 20, "Vingt");
        ajouteSousMenu(m, sous, "Sous");
        reponseDuMenu = c.choisi;
        menusMontres = 0;
        if (c.scripte) choisitDansMenuSuivant(*c.scripte);
        ASSERT_TRUE(afficheMenuContextuel(m, 0, {5, 5}, w));
        EXPECT_EQ(menusMontres, c.montres);
        const std::optional<Message> poste = regardeMessage(w, WM_COMMAND, WM_COMMAND, true);
        EXPECT_EQ(poste.has_value(), c.poste.has_value());
        if (poste && c.poste) {
            EXPECT_EQ(poste->wParam, *c.poste);
        }
    }
    installeChoixMenuAffiche(nullptr);
}

TEST_F(AffichageReel, TopLevelWindowsAreListedWithoutChildrenOrDestroyedOnes) {
    const Fenetre a = creeFenetre(kAucuneFenetre, {0, 0, 10, 10}, {}, true);
    const Fenetre enfant = creeFenetre(a, {0, 0, 5, 5}, {}, true);
    const Fenetre b = creeFenetre(kAucuneFenetre, {0, 0, 10, 10}, {}, false);
    const Fenetre c = creeFenetre(kAucuneFenetre, {0, 0, 10, 10}, {}, true);
    detruitFenetre(c);
    EXPECT_EQ(fenetresRacines(), (std::vector<Fenetre>{a, b}));
    changeParent(enfant, kAucuneFenetre);
    EXPECT_EQ(fenetresRacines(), (std::vector<Fenetre>{a, enfant, b}));
}

TEST_F(AffichageReel, AnExistingSurfaceIsReadWithoutMakingOneAndNotAtAStaleSize) {
    const Fenetre w = creeFenetre(kAucuneFenetre, {0, 0, 40, 30}, {}, true);
    EXPECT_EQ(surfaceExistante(w), nullptr);
    EXPECT_EQ(nombreDeSurfaces(), 0u);
    ASSERT_NE(contexteDeFenetre(w), nullptr);
    const Bitmap* s = surfaceExistante(w);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->largeur(), 40);
    placeFenetre(w, {0, 0, 50, 30});
    EXPECT_EQ(surfaceExistante(w), nullptr); // the next paint makes it at the new size
    detruitFenetre(w);
    EXPECT_EQ(surfaceExistante(w), nullptr);
}

int32_t messagesHote = 0;
int32_t procedureHote(uint32_t, uint32_t message, uint32_t, int32_t) {
    if (message == WM_CREATE) ++messagesHote;
    return 0;
}

TEST_F(AffichageReel, TheHostMakesAndEndsOnlyItsOwnWindowsAndTheHeadlessLoopReturnsAtOnce) {
    KMInitialise();
    messagesHote = 0;
    for (const auto& [l, h] : {std::pair{0, 10}, std::pair{10, 0}, std::pair{16385, 10}, std::pair{-1, -1}})
        EXPECT_EQ(KMCreeFenetreHote("x", l, h, procedureHote), 0u) << l << "x" << h;
    const uint32_t hote = KMCreeFenetreHote("Figure", 300, 200, procedureHote);
    ASSERT_NE(hote, 0u);
    EXPECT_EQ(messagesHote, 1);
    EXPECT_EQ(parentFenetre(hote), kAucuneFenetre);
    EXPECT_TRUE(estAffichee(hote));
    EXPECT_EQ(rectangleClient(hote).largeur(), 300);
    KMChangeTitreFenetreHote(hote, "Autre");
    EXPECT_EQ(titreFenetre(hote), "Autre");
    // A window the host did not make is not the host's to end or rename.
    const Fenetre autre = creeFenetre(kAucuneFenetre, {0, 0, 10, 10}, {}, false);
    KMChangeTitreFenetreHote(autre, "Pris");
    KMDetruitFenetreHote(autre);
    EXPECT_TRUE(estFenetre(autre));
    EXPECT_EQ(titreFenetre(autre), "");
    if (!affichageReel()) KMBoucleFenetres(); // headless: nothing to wait for
    KMDetruitFenetreHote(hote);
    EXPECT_FALSE(estFenetre(hote));
}

} // namespace
} // namespace km32::platform
