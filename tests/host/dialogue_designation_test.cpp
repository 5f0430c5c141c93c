// A click in the figure while the construction dialog is open finds only
// what the dialog's current field takes: the field's rule follows the
// current line however it changes, and is dropped however the dialog closes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "../drawing/souris_banc.h"
#include "drawing/selection.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "sibling/codes_annexes.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

namespace p = platform;

// A segment [AB] and a line (EF) apart from it, with their points far
// from the middles that are clicked; a plane and a number, neither drawn.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonnées (-4,-3,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,-3,0) dans le repère Rxyz\r\n"
                            "E point de coordonnées (-4,3,0) dans le repère Rxyz\r\n"
                            "F point de coordonnées (4,3,0) dans le repère Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "d droite (EF)\r\n"
                            "q plan (ABE)\r\n"
                            "r = 2\r\n"
                            "Fin de la figure";

class DialogueDesignation : public BancSouris {
  protected:
    void SetUp() override {
        BancSouris::SetUp();
        figureDeTexte(kFigure);
    }
    TFenDialog* ouvre(uint16_t commande) {
        p::envoieMessage(forme, p::WM_COMMAND, commande, 0);
        p::distribueJusquAuRepos();
        return fenetreDialogue();
    }
    uint32_t fenetreDuDialogue() { return fenetreDialogue() ? fenetreDialogue()->fenetre : 0; }
    void envoie(uint32_t message, uint32_t wParam, int32_t lParam = 0) {
        p::envoieMessage(fenetreDuDialogue(), message, wParam, lParam);
        p::distribueJusquAuRepos();
    }
    // A click in the figure at a pixel, as the user clicks.
    void cliqueA(p::Point e) {
        enfonce(e.x, e.y);
        relache(e.x, e.y);
        p::distribueJusquAuRepos();
    }
    // What the click put into the current field; the field is emptied
    // again through the keys (everything selected, then Backspace).
    std::string prend(p::Point e) {
        cliqueA(e);
        TFenDialog& d = *fenetreDialogue();
        TChampDialogue& c = d.champs[d.ligneCourante];
        const std::string t = c.texte;
        c.debutSelection = 0;
        c.longueurSelection = uint32_t(c.texte.size());
        envoie(p::WM_CHAR, 8);
        EXPECT_EQ(c.texte, "");
        return t;
    }
    p::Point milieuEcran(const char* u, const char* v) {
        const Pt a = pt(u), b = pt(v);
        return ecran({(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2});
    }
};

TEST_F(DialogueDesignation, AClickFindsOnlyWhatTheCurrentFieldTakes) {
    const p::Point milieuS = milieuEcran("A", "B"), milieuD = milieuEcran("E", "F"), surA = ecran(pt("A"));
    // The middles lie beyond the pick distance of every point.
    const double u = etatSelection().toleranceDesignation;
    for (const char* nom : {"A", "B", "E", "F"})
        for (const p::Point m : {milieuS, milieuD}) {
            const p::Point e = ecran(pt(nom));
            ASSERT_GT(std::hypot(e.x - m.x, e.y - m.y), u) << nom;
        }
    struct Cas {
        const char* champ;
        uint16_t commande;
        int ligne;
        uint16_t regle;
        const char *surSegment, *surDroite, *surPoint;
    };
    const Cas cas[] = {
        {"point", 172, 1, 1, "", "", "A"},
        {"line", 5, 1, 12, "", "d", "A"},
        {"plane", 148, 1, 8, "", "", "A"},
        {"number", 172, 2, 98, "", "", "A"},
        {"any object (the new name)", 172, 3, 0, "s", "d", "A"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.champ);
        TFenDialog* d = ouvre(c.commande);
        ASSERT_NE(d, nullptr);
        envoie(p::WM_COMMAND, uint32_t(c.ligne));
        ASSERT_EQ(d->ligneCourante, c.ligne);
        ASSERT_EQ(d->dialogue.lignes[std::size_t(c.ligne)].genreReponse, c.regle);
        EXPECT_EQ(prend(milieuS), c.surSegment);
        EXPECT_EQ(prend(milieuD), c.surDroite);
        EXPECT_EQ(prend(surA), c.surPoint);
        envoie(p::WM_KEYDOWN, p::VK_ESCAPE);
        ASSERT_EQ(fenetreDialogue(), nullptr);
    }
}

// The rule follows the current line when the keys move it, and when the
// dialog opens on its first field.
TEST_F(DialogueDesignation, TheRuleFollowsTheCurrentLine) {
    const p::Point milieuS = milieuEcran("A", "B");
    TFenDialog* d = ouvre(172); // sphere: centre, radius, name
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->ligneCourante, 1);
    EXPECT_EQ(prend(milieuS), "");
    envoie(p::WM_KEYDOWN, p::VK_UP); // from the first line to the last: the name
    ASSERT_EQ(d->ligneCourante, 3);
    EXPECT_EQ(prend(milieuS), "s");
    envoie(p::WM_KEYDOWN, p::VK_DOWN); // back to the centre
    ASSERT_EQ(d->ligneCourante, 1);
    EXPECT_EQ(prend(milieuS), "");
    EXPECT_EQ(prend(ecran(pt("B"))), "B");
}

// However the dialog closes, its rule goes with it.
TEST_F(DialogueDesignation, EveryWayOfClosingDropsTheRule) {
    struct Cas {
        const char* quoi;
        std::function<void()> ferme;
    };
    const Cas cas[] = {
        {"Escape", [&] { envoie(p::WM_KEYDOWN, p::VK_ESCAPE); }},
        {"F4", [&] { envoie(p::WM_KEYDOWN, p::VK_F1 + 3); }},
        {"the cancel button", [&] { envoie(p::WM_COMMAND, kTagAnnuler); }},
        {"the close box", [&] { envoie(p::WM_CLOSE, 0); }},
        {"OK, the sphere made",
         [&] {
             for (const char* reponse : {"A", "r", "S"}) {
                 for (const char* c = reponse; *c; ++c)
                     envoie(p::WM_CHAR, uint8_t(*c));
                 envoie(p::WM_KEYDOWN, p::VK_DOWN);
             }
             envoie(p::WM_KEYDOWN, p::VK_RETURN);
             EXPECT_GT(numero("S"), 0);
         }},
        {"the figure destroyed", [&] { KMDetruitFigure(n); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        if (!figureDeNumero(n)) figureDeTexte(kFigure);
        ASSERT_NE(ouvre(172), nullptr);
        EXPECT_EQ(etatSelection().regleDuDialogue, std::optional<uint16_t>(1));
        c.ferme();
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreDialogue(), nullptr);
        EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
        EXPECT_FALSE(etatSelection().regleDuDialogue.has_value());
    }
}

} // namespace
} // namespace km32::essais
