// The reminder picker and the reminders window in km32 show, used as a person
// would: opened from the figure's menu or with F2, a line of the toolkit's
// list clicked or double-clicked, a button pressed; the figure saved to see
// what the pick did.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ecran_x.h"
#include "session_show.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;

// One free point, P: the keyboard piloting offers "none" and P.
const char* const kPilotageDeP = "Free active object for keyboard: P";

// The picker and the reminders window open at the top left corner of the
// figure's window; the picker's lines lie under its row of buttons, whose
// OK button is at 24 to 99 pixels of the picker, itself 1 pixel right of the
// window's edge. The figure is drawn further right and lower.
constexpr int kBasBoutons = 25, kGaucheLignes = 4, kDroiteLignes = 270, kBasLignes = 180;
constexpr int kXOk = 1 + 62, kYOk = 12;

// Pixels of the selection's colour (blue well above red) in a rectangle.
int pixelsBleus(const Capture& c, int gauche, int haut, int droite, int bas) {
    int n = 0;
    for (int y = std::max(0, haut); y < std::min(bas, c.hauteur); ++y)
        for (int x = std::max(0, gauche); x < std::min(droite, c.largeur); ++x) {
            const uint32_t v = c.pixel(x, y);
            if (int(v & 0xFF) > int((v >> 16) & 0xFF) + 60) ++n;
        }
    return n;
}

// The part of a capture at the top left corner of the screen.
Capture coin(const Capture& ecran, int largeur, int hauteur) {
    Capture c;
    c.largeur = std::min(largeur, ecran.largeur);
    c.hauteur = std::min(hauteur, ecran.hauteur);
    for (int y = 0; y < c.hauteur; ++y)
        for (int x = 0; x < c.largeur; ++x)
            c.pixels.push_back(ecran.pixel(x, y));
    return c;
}

class RappelsReels : public SessionShow {
  protected:
    void SetUp() override { demarreSession(kFigureSegmentEtP, 7); }

    // Piloting > Pilot with the keyboard, from the figure's menu: the second
    // heading, then its first entry.
    void ouvreLePilotage() { commandeDuMenu(1, 0); }

    // The picker's lines once they show, "none" and P, and the screen
    // then, once painted whole.
    std::vector<Bande> lignesDuChoix(Capture* ecran = nullptr) {
        auto lignes = [](const Capture& c) {
            return bandesDeTexte(c, kGaucheLignes, kBasBoutons + 1, kDroiteLignes, kBasLignes);
        };
        const Capture c = ecranStable([&](const Capture& e) { return lignes(e).size() == 2; });
        if (ecran) *ecran = c;
        return lignes(c);
    }
};

TEST_F(RappelsReels, ThePickersLineAndOkPilotThePointAndADoubleClickOnNoneStopsIt) {
    ouvreLePilotage();
    Capture ouvert;
    std::vector<Bande> lignes = lignesDuChoix(&ouvert);
    ASSERT_EQ(lignes.size(), 2u) << "the picker does not show its two lines";
    // Nothing is piloted yet: no line is selected. The lines are the
    // toolkit's, in dark text (the picker's own drawing writes them in blue).
    EXPECT_LT(pixelsBleus(ouvert, kGaucheLignes, lignes[0].haut, kDroiteLignes, lignes[1].bas), 20);
    EXPECT_GT(pixelsSombres(ouvert, kGaucheLignes, lignes[0].haut, kDroiteLignes, lignes[1].bas).nombre, 50);
    // A click on P's line selects it, OK pilots P.
    ecran_->xdotool("mousemove 100 " + std::to_string(lignes[1].milieu()) + " click 1");
    Capture choisi;
    ASSERT_TRUE(attends([&] {
        choisi = ecranActuel();
        return pixelsBleus(choisi, kGaucheLignes, lignes[1].haut, kDroiteLignes, lignes[1].bas) > 100;
    })) << "the clicked line does not show selected";
    EXPECT_LT(pixelsBleus(choisi, kGaucheLignes, lignes[0].haut, kDroiteLignes, lignes[0].bas), 20);
    garde(coin(choisi, 300, 90), "picker.png");
    ecran_->xdotool("mousemove " + std::to_string(kXOk) + " " + std::to_string(kYOk) + " click 1");
    ASSERT_TRUE(attends([&] {
        return bandesDeTexte(ecranActuel(), kGaucheLignes, kBasBoutons + 1, kDroiteLignes, kBasLignes)
            .empty();
    })) << "OK did not close the picker";
    const std::string pilote = sauveEtLis();
    EXPECT_NE(pilote.find(kPilotageDeP), std::string::npos) << pilote;

    // Opened again, it shows P selected; a double click on "none" ends the
    // pick at once and stops the piloting.
    ouvreLePilotage();
    lignes = lignesDuChoix();
    ASSERT_EQ(lignes.size(), 2u);
    // The list shows its lines, then the selection the model gives it.
    const Capture rouvert = ecranStable([&](const Capture& c) {
        return pixelsBleus(c, kGaucheLignes, lignes[1].haut, kDroiteLignes, lignes[1].bas) > 100;
    });
    EXPECT_GT(pixelsBleus(rouvert, kGaucheLignes, lignes[1].haut, kDroiteLignes, lignes[1].bas), 100);
    ecran_->xdotool("mousemove 100 " + std::to_string(lignes[0].milieu()) + " click --repeat 2 --delay 80 1");
    std::string arrete;
    ASSERT_TRUE(attends([&] {
        arrete = sauveEtLis();
        return arrete.find(kPilotageDeP) == std::string::npos;
    })) << arrete;
    EXPECT_TRUE(
        bandesDeTexte(ecranActuel(), kGaucheLignes, kBasBoutons + 1, kDroiteLignes, kBasLignes).empty());
}

// The segment with P and twenty more points: the reminders are longer
// than the window, however tall the toolkit's lines.
std::string figureLongue() {
    std::string texte = kFigureSegmentEtP;
    for (int k = 1; k <= 20; ++k)
        texte += "Q" + std::to_string(k) + " point with coordinates (" + std::to_string(k % 5) + "," +
                 std::to_string(k / 5) + ",1) in coordinate system Rxyz\r\n";
    return texte;
}

class RappelsReelsLongs : public RappelsReels {
  protected:
    void SetUp() override { demarreSession(figureLongue(), 7); }
};

TEST_F(RappelsReelsLongs, F2ShowsTheRemindersFromTheCreatedObjectsAsLinesThatTheWheelScrolls) {
    const Capture avant = ecranActuel();
    // A part of the list, over the figure's top left corner, where the
    // figure draws nothing.
    constexpr int kGauche = 4, kHaut = 4, kDroite = 290, kBas = 320;
    ASSERT_TRUE(bandesDeTexte(avant, kGauche, kHaut, kDroite, kBas).empty());
    // A click on an empty place activates the figure, which takes the key.
    ecran_->xdotool("mousemove 30 570 click 1");
    ecran_->xdotool("key F2");
    const Capture ouvert = ecranStable(
        [&](const Capture& c) { return bandesDeTexte(c, kGauche, kHaut, kDroite, kBas).size() >= 3; });
    const std::vector<Bande> lignes = bandesDeTexte(ouvert, kGauche, kHaut, kDroite, kBas);
    ASSERT_GE(lignes.size(), 3u) << "no reminders shown";
    // Lines one under the other, none selected, written in the toolkit's
    // dark text (the window's own drawing writes them in blue).
    for (std::size_t k = 1; k < lignes.size(); ++k)
        EXPECT_GT(lignes[k].haut, lignes[k - 1].bas);
    EXPECT_LT(pixelsBleus(ouvert, kGauche, kHaut, kDroite, kBas), 20);
    EXPECT_GT(pixelsSombres(ouvert, kGauche, kHaut, kDroite, kBas).nombre, 500);
    garde(coin(ouvert, 580, 360), "reminders.png");
    // The list opens on the created objects, the last group: the wheel
    // shows the predefined objects above them, and the list fills.
    ecran_->xdotool("mousemove 200 150 click --repeat 6 --delay 40 4");
    ASSERT_TRUE(attends([&] {
        const Capture apres = ecranActuel();
        return coin(apres, kDroite, kBas).pixels != coin(ouvert, kDroite, kBas).pixels &&
               bandesDeTexte(apres, kGauche, kHaut, kDroite, kBas).size() >= 10;
    })) << "the list did not open on the created objects, or the wheel did not scroll it";
}

// The reminders window has no button: Escape closes it, and so does its close
// box, a toolkit button at its top right corner; the figure's window then
// shows the figure alone again, and F2 opens the reminders once more.
TEST_F(RappelsReels, EscapeAndTheCloseBoxCloseTheReminders) {
    constexpr int kGauche = 4, kHaut = 4, kDroite = 290, kBas = 320;
    // Each time a click on another empty place activates the figure (two
    // clicks at one place would open its menu).
    int clics = 0;
    auto montre = [&] {
        ecran_->xdotool("mousemove " + std::to_string(30 + 60 * clics++) + " 570 click 1");
        ecran_->xdotool("key F2");
        return attends(
            [&] { return bandesDeTexte(ecranActuel(), kGauche, kHaut, kDroite, kBas).size() >= 3; });
    };
    auto ferme = [&] {
        return attends([&] { return bandesDeTexte(ecranActuel(), kGauche, kHaut, kDroite, kBas).empty(); });
    };
    ASSERT_TRUE(montre()) << "F2 showed no reminders";
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(ferme()) << "Escape did not close the reminders";

    ASSERT_TRUE(montre()) << "F2 did not show the reminders again";
    // The close box: the rightmost ink of the window's top band, left of the
    // figure's frame, once the window is painted whole.
    const Capture ouvert = ecranStable(
        [&](const Capture& c) { return bandesDeTexte(c, kGauche, kHaut, kDroite, kBas).size() >= 3; });
    int x = 0;
    for (int k = kLargeur - 6; k > kDroite && x == 0; --k)
        if (encreSurLaRangee(ouvert, k, k + 1, 14)) x = k;
    ASSERT_GT(x, 0) << "no close box";
    ecran_->xdotool("mousemove " + std::to_string(x - 10) + " 14 click 1");
    ASSERT_TRUE(ferme()) << "the close box did not close the reminders";
    EXPECT_TRUE(montre()) << "the reminders did not open after their close box";
}

} // namespace
} // namespace km32::tests
