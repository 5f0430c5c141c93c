// What km32 show paints, looked at on a real X display after real keys: the
// value box of the + and - keys comes and goes in the figure's window, and
// the reminders window at a larger font shows nothing of its lines beside
// or under its list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "ecran_x.h"
#include "fichier_essai.h"
#include "platform/formes_liees.h"
#include "session_show.h"

namespace km32::tests {
namespace {

// Channels of a screen pixel.
int rouge(uint32_t v) {
    return int((v >> 16) & 0xFF);
}
int vert(uint32_t v) {
    return int((v >> 8) & 0xFF);
}
int bleu(uint32_t v) {
    return int(v & 0xFF);
}

// The pixels of a rectangle of the capture that satisfy the test.
template <class Test> int compte(const Capture& c, int gauche, int haut, int droite, int bas, Test test) {
    int n = 0;
    for (int y = haut; y < bas; ++y)
        for (int x = gauche; x < droite; ++x)
            if (const uint32_t v = c.pixel(x, y); v != Capture::kHorsCapture && test(v)) ++n;
    return n;
}

bool noir(uint32_t v) {
    return rouge(v) < 40 && vert(v) < 40 && bleu(v) < 40;
}
bool jaune(uint32_t v) {
    return rouge(v) > 180 && vert(v) > 180 && bleu(v) < 90;
}
bool blanc(uint32_t v) {
    return v == 0xFFFFFF;
}

// An environment variable for the programs the test starts, put back as it
// was at the end of the test.
class VariableEnvironnement {
  public:
    VariableEnvironnement(const char* nom, const char* valeur) : nom_(nom) {
        if (const char* avant = std::getenv(nom)) avant_ = avant;
        setenv(nom, valeur, 1);
    }
    ~VariableEnvironnement() {
        if (avant_)
            setenv(nom_.c_str(), avant_->c_str(), 1);
        else
            unsetenv(nom_.c_str());
    }
    VariableEnvironnement(const VariableEnvironnement&) = delete;
    VariableEnvironnement& operator=(const VariableEnvironnement&) = delete;

  private:
    std::string nom_;
    std::optional<std::string> avant_;
};

class PeintureShow : public SessionShow {};

// The value box sits in the figure's top left corner: the value in yellow
// on black. A '+' typed with Shift shows it; another key takes it away and
// the corner shows the figure's background again.
TEST_F(PeintureShow, ThePlusKeysValueBoxShowsInTheWindowAndTheNextKeyTakesItAway) {
    demarreSession(kFigureSegment + "a free real in [-10,10]\r\nFree active object for keyboard: a\r\n", 5);
    if (HasFatalFailure() || IsSkipped()) return;
    // The corner inside the window's frame, where the box stands.
    constexpr int kGauche = 3, kHaut = 3, kDroite = 24, kBas = 14;
    ecran_->xdotool("mousemove 700 560 click 1");
    const Capture avant = ecranStable();
    ASSERT_EQ(compte(avant, kGauche, kHaut, kDroite, kBas, noir), 0) << "the corner is not empty";

    ecran_->xdotool("key plus");
    const Capture boite = ecranStable([&](const Capture& c) {
        return compte(c, kGauche, kHaut, kDroite, kBas, noir) > 100 &&
               compte(c, kGauche, kHaut, kDroite, kBas, jaune) > 5;
    });
    EXPECT_GT(compte(boite, kGauche, kHaut, kDroite, kBas, noir), 100) << "no value box";
    EXPECT_GT(compte(boite, kGauche, kHaut, kDroite, kBas, jaune), 5) << "no value in the box";
    garde(partie(boite, 0, 0, 200, 60), "value_box.png");

    // A key that is not '+', '-' or a modifier closes the box.
    ecran_->xdotool("key x");
    const Capture apres =
        ecranStable([&](const Capture& c) { return compte(c, kGauche, kHaut, kDroite, kBas, noir) == 0; });
    EXPECT_EQ(compte(apres, kGauche, kHaut, kDroite, kBas, noir), 0) << "the value box stayed";
    EXPECT_EQ(compte(apres, kGauche, kHaut, kDroite, kBas, jaune), 0);
}

// The reminders of the tetrahedron at a font scale of 1.5 in a window of
// 420 x 320: the lines are wider than the list. The strip of the close box
// at the right of the list and the margin under it hold background only.
TEST_F(PeintureShow, AtALargerFontTheRemindersShowNothingBesideOrUnderTheirList) {
    const VariableEnvironnement echelle("GDK_DPI_SCALE", "1.5");
    demarreSession(essais::contenuFichier(std::string(KM32_EXAMPLES) + "/tetrahedron.k3v"), 5);
    if (HasFatalFailure() || IsSkipped()) return;
    const std::optional<EcranX::FenetreX> fenetre = principale();
    ASSERT_TRUE(fenetre.has_value());
    constexpr int kL = 420, kH = 320;
    ecran_->xdotool("windowsize " + fenetre->id + " " + std::to_string(kL) + " " + std::to_string(kH));
    ASSERT_TRUE(attends([&] {
        for (const EcranX::FenetreX& f : ecran_->fenetres())
            if (f.id == fenetre->id) return f.largeur == kL && f.hauteur == kH;
        return false;
    })) << "the window kept its size";
    ecranStable();
    // A click on an empty place activates the figure, which takes F2.
    ecran_->xdotool("mousemove 30 300 click 1");
    ecran_->xdotool("key F2");
    const Capture ouvert =
        ecranStable([&](const Capture& c) { return bandesDeTexte(c, 4, 4, kL / 2, kH - 30).size() >= 5; });
    ASSERT_GE(bandesDeTexte(ouvert, 4, 4, kL / 2, kH - 30).size(), 5u) << "F2 showed no reminders";
    garde(partie(ouvert, 0, 0, kL, kH), "reminders_scale_1_5.png");

    // The reminders window takes the figure's width; the list leaves the
    // close box a strip of its width and 4 pixels at the right, and 24
    // pixels at the bottom. Inside them by 2 pixels, under the close box.
    const int caseFermeture = platform::kLargeurCaseFermeture;
    const int gaucheBande = kL - caseFermeture - 4 + 2, hautBande = caseFermeture + 8;
    EXPECT_EQ(compte(ouvert, gaucheBande, hautBande, kL - 4, kH - 26, [](uint32_t v) { return !blanc(v); }),
              0)
        << "ink beside the list";
    EXPECT_EQ(compte(ouvert, 4, kH - 24 + 2, kL - 4, kH - 4, [](uint32_t v) { return !blanc(v); }), 0)
        << "ink under the list";
}

} // namespace
} // namespace km32::tests
