// Where the keyboard goes around the construction dialog in km32 show, with
// real clicks and keys on a display without a window manager (where keys go
// to the window under the pointer unless a window takes them): a dialog
// opened from a menu item past the window's edge takes the keys typed at
// once, the pointer left there; after a double click in the reminder picker
// the keys go on in the dialog's field that received the name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ecran_x.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "km32.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"
#include "platform/messages.h"
#include "session_show.h"

namespace km32::tests {
namespace {

namespace p = platform;

constexpr uint64_t kGraine = 11;
constexpr uint16_t kCommandeMilieu = 15;

// Pixels that differ between two captures in a rectangle.
int differences(const Capture& a, const Capture& b, int gauche, int haut, int droite, int bas) {
    int n = 0;
    for (int y = haut; y < bas; ++y)
        for (int x = gauche; x < droite; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

// The midpoint dialog as km32 show lays it out, made headless: its reminders
// button and, once that is pressed, the picker's list, on the screen.
struct DispositionMilieu {
    p::Rectangle rappels, listeChoix;
};

p::Rectangle surEcran(p::Fenetre f, const p::Rectangle& r) {
    const p::Point o = p::clientVersEcran(f, {0, 0});
    return {o.x + r.gauche, o.y + r.haut, o.x + r.droite, o.y + r.bas};
}

DispositionMilieu dispositionMilieu() {
    DispositionMilieu d;
    const FigureSansEcran f = figureCommeShow(kFigureSegment, kGraine);
    ouvreDialogueCommande(f.numero, kCommandeMilieu);
    if (TFenDialog* dialogue = fenetreDialogue()) {
        for (const p::BoutonLie& b : p::formeLiee(dialogue->fenetre)->etat().boutons)
            if (b.tag == kTagRappels) d.rappels = surEcran(dialogue->fenetre, b.cadre);
        p::envoieMessage(dialogue->fenetre, p::WM_COMMAND, kTagRappels, 0);
        if (TFenRaPour* c = choixRappels()) d.listeChoix = surEcran(c->fenetre, c->cadreListe);
    }
    KMTermine();
    return d;
}

class ClavierDialogue : public SessionShow {
  protected:
    void SetUp() override {
        disposition_ = dispositionMilieu();
        demarreSession(kFigureSegment, kGraine);
    }
    // Waits until the dialog shows over the figure, the screen then at rest.
    bool attendsDialogue(const Capture& avant) {
        const Capture c = ecranStable(
            [&](const Capture& e) { return differences(avant, e, 0, 0, kLargeur, kHauteur) > 3000; });
        return differences(avant, c, 0, 0, kLargeur, kHauteur) > 3000;
    }
    // The saved figure once it holds the text (empty when it never did).
    std::string sauveEnAttendant(const std::string& attendu) {
        std::string texte;
        attends([&] {
            texte = sauveEtLis();
            return texte.find(attendu) != std::string::npos;
        });
        return texte;
    }
    DispositionMilieu disposition_;
};

// A command of the figure's menu reached through sub-menus by their ranks,
// what is typed into its dialog and what the figure then holds.
struct CasMenu {
    const char* nom;
    std::vector<int> rangs;
    std::vector<std::string> touches; // xdotool's "type" for a text, "key" for the others
    const char* attendu;
};

const CasMenu kCasMenu[] = {
    {"Edit > Rename", {3, 6}, {"type s", "key Tab", "type t", "key Return"}, "t segment [AB]"},
    {"Create > Surfaces > Sphere",
     {0, 8, 1},
     {"type A", "key Tab", "type 2", "key Tab", "type S", "key Return"},
     "S sphere"},
};

// The item is clicked where it lies beyond the window's right edge, and the
// pointer stays there: without a window manager the keys would go to the
// screen's root under it unless the window took the keyboard itself.
TEST_F(ClavierDialogue, ADialogOpenedByAMenuItemPastTheWindowsEdgeTakesTheKeysTypedAtOnce) {
    if (HasFatalFailure() || IsSkipped()) return;
    for (const CasMenu& cas : kCasMenu) {
        SCOPED_TRACE(cas.nom);
        const Capture avant = ecranActuel();
        std::vector<EcranX::FenetreX> menus = ouvreSousMenu(cas.rangs[0]);
        ASSERT_EQ(menus.size(), 2u) << "no sub-menu opened";
        for (std::size_t k = 1; k + 1 < cas.rangs.size(); ++k) {
            std::vector<EcranX::FenetreX> apres;
            ASSERT_TRUE(cliqueElementMenu(menus.back(), cas.rangs[k], menus.size() + 1, &apres))
                << "sub-menu " << k << " did not open";
            // The new one is the one not shown before.
            for (const EcranX::FenetreX& f : apres) {
                bool deja = false;
                for (const EcranX::FenetreX& g : menus)
                    deja = deja || g.id == f.id;
                if (!deja) menus.push_back(f);
            }
            ASSERT_EQ(menus.size(), k + 2);
        }
        const EcranX::FenetreX& dernier = menus.back();
        const int x = std::max(40, kLargeur + 8 - dernier.x);
        ASSERT_LT(x, dernier.largeur - 4) << "the menu lies inside the window: nothing to check";
        ASSERT_TRUE(cliqueElementMenu(dernier, cas.rangs.back(), 0, nullptr, x)) << "the menus stayed open";
        ASSERT_TRUE(attendsDialogue(avant)) << "no dialog showed";
        for (const std::string& t : cas.touches)
            ecran_->xdotool(t.rfind("type ", 0) == 0 ? "type --delay 40 " + t.substr(5) : t);
        const std::string texte = sauveEnAttendant(cas.attendu);
        EXPECT_NE(texte.find(cas.attendu), std::string::npos) << texte;
    }
}

// The picker opened by R beside the midpoint dialog: A picked by a double
// click, or by a click and Return, goes into the segment's field and the
// picker stays; then B typed goes on in that field, Tab goes to the
// midpoint's name, typed there, and Return makes the midpoint of [AB] (no
// name put in twice, no letter lost).
TEST_F(ClavierDialogue, AfterAPickInThePickerTheKeysGoOnInTheDialogsField) {
    if (HasFatalFailure() || IsSkipped()) return;
    ASSERT_GT(disposition_.rappels.largeur(), 0);
    ASSERT_GT(disposition_.listeChoix.largeur(), 0);
    struct Cas {
        const char* nom;
        const char* choix; // xdotool's clicks and keys, the pointer on A's line
        const char* milieu;
    };
    const Cas cas[] = {{"a double click", "click --repeat 2 --delay 80 1", "M"},
                       {"a click, then Return", "click 1 key Return", "N"}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        choisitDansMenu({"c", "p", "m"});
        // The dialog's reminders button once it shows (the toolkit may make
        // it larger than the headless one, never smaller).
        ASSERT_TRUE(attends([&] {
            const p::Rectangle& r = disposition_.rappels;
            return sombres(r.gauche, r.haut, r.droite, r.bas) > 5;
        })) << "the dialog did not show";
        ecran_->xdotool("mousemove " + centre(disposition_.rappels) + " click 1");
        // The picker's lines (o, A, B, s, and the midpoints made before),
        // right of the selection's margin and above the figure.
        const int gauche = disposition_.listeChoix.gauche + 30, haut = disposition_.listeChoix.haut + 1;
        const int droite = kLargeur - 2, bas = haut + 150;
        const Capture ouvert = ecranStable(
            [&](const Capture& e) { return bandesDeTexte(e, gauche, haut, droite, bas).size() >= 4; });
        const std::vector<Bande> lignes = bandesDeTexte(ouvert, gauche, haut, droite, bas);
        ASSERT_GE(lignes.size(), 4u) << "the picker does not show its lines";
        ecran_->xdotool("mousemove " + std::to_string(gauche + 40) + " " +
                        std::to_string(lignes[1].milieu()) + " " + c.choix);
        ecran_->xdotool("type --delay 40 B");
        ecran_->xdotool("key Tab");
        ecran_->xdotool(std::string("type --delay 40 ") + c.milieu);
        ecran_->xdotool("key Return");
        const std::string attendu = std::string(c.milieu) + " midpoint of segment [AB]";
        const std::string texte = sauveEnAttendant(attendu);
        EXPECT_NE(texte.find(attendu), std::string::npos) << texte;
    }
}

} // namespace
} // namespace km32::tests
