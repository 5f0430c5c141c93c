// The figure's pop-up menu: path codes, the tree built from the captions of
// the applied language, the authorised set, the greyed and checked state and
// the records handed to the host.
#include <string>
#include <vector>

#include "banc_menus.h"
#include "host/menus_figure_codes.h"
#include "model/registre_figures.h"
#include "platform/entrees.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

TEST(CodesMenus, CodesAndCommands) {
    struct Cas {
        const char* code;
        uint16_t commande;
    };
    const Cas cas[] = {{"2-1-1-9", 1}, {"7", 262}, {"2-11-12", 22}, {"5-12", 114},
                       {"4-6", 80},    {"", 0},    {"9-9", 0},      {"2-1-1-99", 0}};
    for (const Cas& c : cas) {
        EXPECT_EQ(commandeDeCodeMenu(c.code), c.commande) << c.code;
        if (c.commande) {
            EXPECT_EQ(codeMenuDeCommande(c.commande), c.code);
        }
    }
    for (int k : {119, 207, 220, 230, 0, 265})
        EXPECT_EQ(codeMenuDeCommande(k), "") << k;
    EXPECT_EQ(listeCommandesTriees().size(), 251u);
}

TEST(CodesMenus, SortKeysPutTenAfterNine) {
    EXPECT_EQ(cleDeTriDeCode("2-1-10"), "21A");
    EXPECT_EQ(cleDeTriDeCode("2-1-11-10"), "21BA");
    const std::vector<uint16_t> l = listeCommandesTriees();
    auto rang = [&l](uint16_t k) { return std::find(l.begin(), l.end(), k) - l.begin(); };
    EXPECT_LT(rang(242), rang(21));  // "2-1-9" before "2-1-10"
    EXPECT_LT(rang(232), rang(236)); // a heading before its commands
}

TEST(CodesMenus, AllowingAndForbiddingByCode) {
    TEnsembleCommandes s;
    uint16_t erreur = 0;
    autoriseMenus("2-1", s, erreur);
    EXPECT_EQ(erreur, 0);
    for (int k : {1, 132, 206, 10, 21, 29, 192}) // points, lines of 236's sub-menus
        EXPECT_TRUE(s.test(k)) << k;
    EXPECT_FALSE(s.test(30)); // a line command (2-2-...)
    TEnsembleCommandes seul;
    autoriseMenus("4-12", seul, erreur);
    EXPECT_EQ(seul.count(), 1u);
    EXPECT_TRUE(seul.test(183));
    interditMenus("3", s, erreur); // 3-5..3-7 are not under heading 233
    autoriseMenus("8-1", s, erreur);
    EXPECT_EQ(erreur, kErreurCodeMenu);
    // The exceptions of the heading sets.
    EXPECT_FALSE(commandesDuSousMenu(233).test(68));
    EXPECT_TRUE(commandesDuSousMenu(235).test(70));
    EXPECT_TRUE(commandesDuSousMenu(237).test(254));
    EXPECT_TRUE(commandesDuSousMenu(119).none());
}

TEST(CodesMenus, ForbiddenCodesAreCompact) {
    TEnsembleCommandes s;
    s.set();
    EXPECT_TRUE(codesDesMenusAutorises(s).empty());
    uint16_t erreur = 0;
    interditMenus("7", s, erreur);    // every view: the heading alone
    interditMenus("4-12", s, erreur); // one command
    EXPECT_EQ(codesDesMenusAutorises(s), (std::vector<uint16_t>{183, 262}));
}

class MenuFigure : public BancMenus {};

TEST_F(MenuFigure, ItemsSitUnderTheHeadingsOfTheirPaths) {
    const p::Menu m = menuConstruitDeLaFigure(f());
    ASSERT_NE(m, p::kAucunMenu);
    struct Cas {
        uint16_t commande;
        std::vector<uint16_t> rubriques;
    };
    const Cas cas[] = {{1, {232, 236, 240}},   {22, {232, 255}},      {150, {232, 249, 257}}, {68, {233}},
                       {107, {235, 254}},      {114, {235}},          {123, {231}},           {193, {262}},
                       {219, {232, 237, 264}}, {128, {232, 239, 260}}};
    for (const Cas& c : cas) {
        std::vector<std::string> attendu;
        for (uint16_t h : c.rubriques)
            attendu.push_back(phraseDeNumero(h));
        attendu.push_back(phraseDeNumero(c.commande));
        EXPECT_EQ(cheminDe(m, c.commande), attendu) << c.commande;
    }
    // The root holds the six top headings in their order.
    ASSERT_EQ(p::nombreElementsMenu(m), 6);
    const uint16_t racine[] = {232, 233, 234, 235, 231, 262};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(p::libelleElementMenu(m, k, 255), phraseDeNumero(racine[k]));
    // No sub-menu ends with a separator; no prototype heading without prototypes.
    EXPECT_TRUE(cheminDe(m, kCommandePrototype + 1).empty());
}

TEST_F(MenuFigure, ChangingTheLanguageRebuildsTheCaptions) {
    const p::Menu francais = menuConstruitDeLaFigure(f());
    const std::string avant = cheminDe(francais, 117).back();
    KMappliqueLangue(2);
    EXPECT_FALSE(p::estMenu(francais));
    EXPECT_EQ(KMMenuDeLaFigure(1), 0u);
    const p::Menu anglais = menuConstruitDeLaFigure(f());
    EXPECT_EQ(cheminDe(anglais, 117).back(), phraseDeNumeroEnLangue(117, kLangueAnglaise));
    EXPECT_NE(cheminDe(anglais, 117).back(), avant);
    EXPECT_EQ(KMMenuDeLaFigure(1), anglais);
}

TEST_F(MenuFigure, OnlyAChangeOfLanguageDropsTheMenus) {
    // 0, numbers of no language and the language already applied leave the
    // menu and the handle the host was given; another language drops it.
    struct Cas {
        int16_t langue;
        bool detruit;
    };
    const Cas cas[] = {{0, false}, {4, false}, {-1, false}, {1, false}, {2, true}, {2, false}, {1, true}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.langue);
        const p::Menu m = menuConstruitDeLaFigure(f());
        const p::Menu avant = KMMenuDeLaFigure(1);
        ASSERT_EQ(avant, m);
        KMappliqueLangue(c.langue);
        EXPECT_EQ(p::estMenu(m), !c.detruit);
        EXPECT_EQ(KMMenuDeLaFigure(1), c.detruit ? 0u : m);
        if (c.langue >= 1 && c.langue <= 3) {
            EXPECT_EQ(TQTableDesVariablesPartagees()->langueAppliquee, c.langue);
        }
    }
    KMappliqueLangue(1);
}

TEST_F(MenuFigure, AMenuHandleOutlivesTheCreationOfFiguresAndTextsInItsLanguage) {
    // Each step that reads or makes another figure keeps figure 1's menu
    // while the language stays; a text headed in another language drops it.
    struct Cas {
        const char* nom;
        const char* texte; // the text of a new figure, or of figure 1 itself
        bool nouvelleFigure;
        bool garde;
    };
    const Cas cas[] = {
        {"a new empty figure", "", true, true},
        {"a new figure with a French text", "Figure Kalmetra\r\nA point libre dans l'espace\r\n", true, true},
        {"another figure's French text", "Figure Kalmetra\r\nB point libre dans l'espace\r\n", false, true},
        {"a new figure with an English text", "Kalmetra figure (English)\r\nA free point in space\r\n", true,
         false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        KMappliqueLangue(1);
        const p::Menu m = menuConstruitDeLaFigure(f());
        ASSERT_EQ(KMMenuDeLaFigure(1), m);
        const int16_t autre =
            KMCreeFigEtRenvoieNumero(hote, nullptr, c.nouvelleFigure ? c.texte : nullptr, nullptr);
        ASSERT_GT(autre, 1);
        if (!c.nouvelleFigure) KMExecuterTexte(autre, c.texte);
        EXPECT_EQ(p::estMenu(m), c.garde);
        EXPECT_EQ(KMMenuDeLaFigure(1), c.garde ? m : 0u);
        KMDetruitFigure(autre);
    }
    KMappliqueLangue(1);
}

TEST_F(MenuFigure, TheFilterShapesTheMenu) {
    uint16_t erreur = 0;
    interditMenus("7", f().commandesAutorisees, erreur);
    interditMenus("4-12", f().commandesAutorisees, erreur);
    const p::Menu m = menuConstruitDeLaFigure(f());
    EXPECT_EQ(p::nombreElementsMenu(m), 5); // no Views heading
    EXPECT_TRUE(cheminDe(m, 183).empty());
    EXPECT_FALSE(cheminDe(m, 215).empty());
    // Separators never double nor end a sub-menu.
    std::vector<p::Menu> pile{m};
    while (!pile.empty()) {
        const p::Menu s = pile.back();
        pile.pop_back();
        const int n = p::nombreElementsMenu(s);
        EXPECT_FALSE(n > 0 && p::estSeparateur(s, n - 1));
        for (int k = 0; k < n; ++k) {
            if (k > 0) {
                EXPECT_FALSE(p::estSeparateur(s, k) && p::estSeparateur(s, k - 1));
            }
            if (const p::Menu sous = p::sousMenuElement(s, k)) pile.push_back(sous);
        }
    }
    // Nothing allowed: no menu at all.
    f().commandesAutorisees.reset();
    detruitMenuFigure(1);
    EXPECT_EQ(menuConstruitDeLaFigure(f()), p::kAucunMenu);
    KMAfficheMenu(1);
    EXPECT_EQ(p::nombreMenusAffiches(), 0);
}

TEST_F(MenuFigure, GreyAndChecksFollowTheFigure) {
    struct Cas {
        const char* etat;
        void (*fixe)(TfigureKalmetra&);
        std::vector<uint16_t> grises, coches, actifs;
    };
    const Cas cas[] = {
        {"reset", [](TfigureKalmetra&) {}, {}, {80}, {84, 93, 215}},
        {"trace", [](TfigureKalmetra& g) { g.modeTrace = 1; }, {83, 84, 86, 87, 93, 118}, {82}, {82, 117}},
        {"trace on demand", [](TfigureKalmetra& g) { g.modeTraceALaDemande = 1; }, {82, 84}, {83}, {83}},
        {"replay", [](TfigureKalmetra& g) { g.modePasAPas = 1; }, {82, 83, 93}, {94}, {94}},
        {"wire frame", [](TfigureKalmetra& g) { g.filDeFer = 1; }, {215}, {183}, {84}},
        {"toggles",
         [](TfigureKalmetra& g) {
             g.traitsEpais = 1, g.nomsPointsAffiches = 0, g.horlogeEnMarche = 1, g.imageLimitee = 1;
             g.projectionOblique = 1, g.planDeFaceMaintenu = 1, g.reglagePlanIsole = 1,
             g.importationActive = 1;
         },
         {},
         {117, 99, 121, 193, 200, 199, 112},
         {80}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.etat);
        reinitialiseFigure(f());
        f().reglagePlanIsole = 0;
        c.fixe(f());
        const p::Menu m = menuConstruitDeLaFigure(f());
        miseAjourMenuFigure(f());
        for (uint16_t k : c.grises)
            EXPECT_TRUE(grise(m, k)) << k;
        for (uint16_t k : c.coches)
            EXPECT_TRUE(coche(m, k)) << k;
        for (uint16_t k : c.actifs)
            EXPECT_FALSE(grise(m, k)) << k;
        detruitMenuFigure(1);
    }
}

TEST_F(MenuFigure, HostRecordsOfMenusAndButtons) {
    f().modeTrace = 1;
    f().traitsEpais = 1;
    uint8_t menus[65] = {}, boutons[66] = {};
    KMmiseAjourMenus(1, menus);
    KMmiseAjourBoutons(1, boutons);
    auto bit = [](const uint8_t* s, int k) { return (s[k / 8] >> (k % 8)) & 1; };
    EXPECT_EQ(menus[0], 1);
    EXPECT_EQ(bit(menus + 1, 1), 0);  // a construction
    EXPECT_EQ(bit(menus + 1, 83), 0); // the other trace mode
    EXPECT_EQ(bit(menus + 1, 82), 1);
    EXPECT_EQ(bit(menus + 1, 117), 1);
    EXPECT_EQ(bit(menus + 33, 82), 1);
    EXPECT_EQ(bit(menus + 33, 117), 1);
    EXPECT_EQ(bit(menus + 33, 183), 0);
    EXPECT_EQ(boutons[0], 1);
    EXPECT_EQ(boutons[1], 0);
    EXPECT_EQ(bit(boutons + 2, 1), 1); // buttons keep the constructions
    EXPECT_EQ(bit(boutons + 2, 86), 0);
    EXPECT_EQ(bit(boutons + 34, 82), 1);
    // Without a figure nothing is written.
    uint8_t vide[65] = {};
    KMmiseAjourMenus(7, vide);
    KMmiseAjourMenus(-3, vide);
    EXPECT_EQ(vide[0], 0);
}

TEST_F(MenuFigure, ThePickedCommandRuns) {
    p::choisitDansMenuSuivant(117);
    KMAfficheMenu(1);
    EXPECT_EQ(f().traitsEpais, 1);
    ASSERT_TRUE(p::dernierMenuAffiche());
    EXPECT_EQ(p::dernierMenuAffiche()->proprietaire, f().fenetreDessin);
    EXPECT_EQ(p::dernierMenuAffiche()->drapeaux, p::TPM_RIGHTALIGN | p::TPM_BOTTOMALIGN);
    EXPECT_TRUE(coche(KMMenuDeLaFigure(1), 117));
}

} // namespace
} // namespace km32::essais
