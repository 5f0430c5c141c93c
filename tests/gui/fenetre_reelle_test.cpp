// km32 show on a real X display: input sent as a person would (xdotool),
// screenshots compared with the headless drawing of the same state.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ecran_x.h"
#include "session_show.h"
#include "fichier_essai.h"
#include "km32.h"
#include "platform/fenetres.h"
#include "platform/image_bitmap.h"
#include "platform/surfaces_fenetres.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;

constexpr uint64_t kGraine = 7;

// The figure drawn headless as km32 show draws it: a host window of the same
// size, the same seed, the same calls; its surface on white.
Capture dessinSansEcran(const std::string& texte, int largeur = kLargeur, int hauteur = kHauteur) {
    const auto [hote, n] = figureCommeShow(texte, kGraine, largeur, hauteur);
    Capture c;
    c.largeur = kLargeur;
    c.hauteur = kHauteur;
    c.pixels.assign(std::size_t(kLargeur) * kHauteur, 0xFFFFFF);
    if (const platform::Bitmap* b = platform::surfaceDeFenetre(hote)) {
        const platform::Image& image = b->image();
        for (int y = 0; y < std::min(kHauteur, image.hauteur); ++y)
            for (int x = 0; x < std::min(kLargeur, image.largeur); ++x)
                c.pixels[std::size_t(y) * kLargeur + x] =
                    image.pixels[std::size_t(y) * image.largeur + x] & 0xFFFFFF;
    }
    KMDetruitFigure(n);
    KMDetruitFenetreHote(hote);
    // The library ends with its text caches, which the leak check counts otherwise.
    KMTermine();
    return c;
}

// The same drawing: as many dark pixels (within 3 %) around the same centre.
// The frame of the window (coloured while the figure is active) is left out.
struct Comparaison {
    PixelsSombres ecran, reference;
    double ecartNombre() const { return reference.nombre * 0.03 + 5; }
    static constexpr double kEcartCentre = 1.5;
    bool memeDessin() const {
        return reference.nombre > 20 && std::abs(ecran.nombre - reference.nombre) <= ecartNombre() &&
               std::abs(ecran.x - reference.x) <= kEcartCentre &&
               std::abs(ecran.y - reference.y) <= kEcartCentre;
    }
};

Comparaison compare(const Capture& ecran, const Capture& reference, int largeur, int hauteur) {
    return {pixelsSombres(ecran, 4, 4, largeur - 4, hauteur - 4),
            pixelsSombres(reference, 4, 4, largeur - 4, hauteur - 4)};
}

void compareDessins(const Capture& ecran, const Capture& reference, const char* quoi, int largeur = kLargeur,
                    int hauteur = kHauteur) {
    const Comparaison c = compare(ecran, reference, largeur, hauteur);
    SCOPED_TRACE(quoi);
    ASSERT_GT(c.reference.nombre, 20);
    EXPECT_NEAR(c.ecran.nombre, c.reference.nombre, c.ecartNombre());
    EXPECT_NEAR(c.ecran.x, c.reference.x, Comparaison::kEcartCentre);
    EXPECT_NEAR(c.ecran.y, c.reference.y, Comparaison::kEcartCentre);
}

// Where the point P and its label are drawn: the dark pixels of the figure
// that the figure without P lacks.
PixelsSombres pixelsDeP(const Capture& avec, const Capture& sans) {
    Capture difference = avec;
    for (std::size_t i = 0; i < difference.pixels.size(); ++i)
        if (avec.pixels[i] == sans.pixels[i]) difference.pixels[i] = 0xFFFFFF;
    return pixelsSombres(difference, 1, 1, kLargeur - 1, kHauteur - 1);
}

std::string ligneRotations(const std::string& texte) {
    const std::size_t debut = texte.find("Rotations");
    return debut == std::string::npos ? std::string() : texte.substr(debut, texte.find('\n', debut) - debut);
}

class FenetreReelle : public SessionShow {
  protected:
    void SetUp() override { demarreSession(kFigureSegmentEtP, kGraine); }

    // The pop-up menus shown: the visible windows of the program other than the figure's.
    std::vector<EcranX::FenetreX> menus() {
        std::vector<EcranX::FenetreX> m;
        for (const EcranX::FenetreX& f : ecran_->fenetres())
            if (f.nom == "km32" && f.largeur > 50 && f.hauteur > 20) m.push_back(f);
        return m;
    }

    // The window's part of the screen (it lies at the top left corner, of
    // the size given; outside it the screen is black, made white here).
    static Capture fenetreDe(const Capture& ecran, int largeur = kLargeur, int hauteur = kHauteur) {
        Capture c;
        c.largeur = kLargeur;
        c.hauteur = kHauteur;
        c.pixels.assign(std::size_t(kLargeur) * kHauteur, 0xFFFFFF);
        for (int y = 0; y < std::min({kHauteur, hauteur, ecran.hauteur}); ++y)
            for (int x = 0; x < std::min({kLargeur, largeur, ecran.largeur}); ++x)
                c.pixels[std::size_t(y) * kLargeur + x] = ecran.pixel(x, y);
        return c;
    }

    // The window once it shows the drawing of the reference and stopped
    // changing: the program paints after it handled the input (and after a
    // save the test waited for), later still on a loaded machine.
    Capture fenetreMontrant(const Capture& reference, int largeur = kLargeur, int hauteur = kHauteur) {
        return fenetreDe(
            ecranStable([&](const Capture& c) {
                return compare(fenetreDe(c, largeur, hauteur), reference, largeur, hauteur).memeDessin();
            }),
            largeur, hauteur);
    }

    static int sombres(const Capture& c) {
        return c.largeur == 0 ? 0 : pixelsSombres(c, 1, 1, kLargeur - 1, kHauteur - 1).nombre;
    }

    // A click on an empty place activates the figure; then the point P, drawn
    // at p, is dragged down and to the left.
    void glissePointP(const PixelsSombres& p) {
        ecran_->xdotool("mousemove 30 570 click 1");
        ecran_->xdotool("mousemove " + std::to_string(int(p.x)) + " " + std::to_string(int(p.y)) +
                        " mousedown 1");
        for (int k = 0; k < 8; ++k)
            ecran_->xdotool("mousemove_relative -- -5 5");
        ecran_->xdotool("mouseup 1");
    }
};

TEST_F(FenetreReelle, TheFigureIsDrawnWhereTheHeadlessWindowDrawsIt) {
    const Capture reference = dessinSansEcran(kFigureSegmentEtP);
    const Capture ecran = fenetreMontrant(reference);
    garde(ecran, "figure.png");
    compareDessins(ecran, reference, "the figure as shown at start");
}

TEST_F(FenetreReelle, TheFigureFollowsTheWindowsNewSize) {
    const std::optional<EcranX::FenetreX> f = principale();
    ASSERT_TRUE(f.has_value());
    struct Taille {
        int largeur, hauteur;
    };
    for (const Taille t : {Taille{500, 400}, Taille{640, 300}}) {
        SCOPED_TRACE(std::to_string(t.largeur) + "x" + std::to_string(t.hauteur));
        ecran_->xdotool("windowsize " + f->id + " " + std::to_string(t.largeur) + " " +
                        std::to_string(t.hauteur));
        ASSERT_TRUE(attends([&] {
            for (const EcranX::FenetreX& g : ecran_->fenetres())
                if (g.id == f->id) return g.largeur == t.largeur && g.hauteur == t.hauteur;
            return false;
        }));
        // The window takes its new size before the figure is drawn to it.
        const Capture reference = dessinSansEcran(kFigureSegmentEtP, t.largeur, t.hauteur);
        compareDessins(fenetreMontrant(reference, t.largeur, t.hauteur), reference, "after the resize",
                       t.largeur, t.hauteur);
    }
}

TEST_F(FenetreReelle, DraggingAFreePointAndTurningTheViewShowWhatTheSavedFigureDraws) {
    const Capture reference = dessinSansEcran(kFigureSegmentEtP);
    const PixelsSombres p = pixelsDeP(reference, dessinSansEcran(kFigureSegment));
    ASSERT_GT(p.nombre, 5);
    glissePointP(p);
    const std::string apresGlisser = sauveEtLis();
    EXPECT_NE(apresGlisser.find("parameter"), std::string::npos) << apresGlisser;
    const Capture dessinGlisser = dessinSansEcran(apresGlisser);
    const Capture ecranGlisser = fenetreMontrant(dessinGlisser);
    const PixelsSombres nouveauP = pixelsDeP(dessinGlisser, dessinSansEcran(kFigureSegment));
    EXPECT_GT(std::hypot(nouveauP.x - p.x, nouveauP.y - p.y), 15.0) << "P did not move";
    // It moved the way the mouse went (down and to the left on the screen).
    EXPECT_GT(nouveauP.y, p.y + 10);
    EXPECT_LT(nouveauP.x, p.x - 10);
    compareDessins(ecranGlisser, dessinGlisser, "after the drag");

    // The right button turns the view.
    ecran_->xdotool("mousemove 100 500 mousedown 3");
    for (int k = 0; k < 8; ++k)
        ecran_->xdotool("mousemove_relative -- 0 8");
    ecran_->xdotool("mouseup 3");
    const std::string apresRotation = sauveEtLis();
    EXPECT_NE(ligneRotations(apresRotation), ligneRotations(apresGlisser));
    const Capture dessinRotation = dessinSansEcran(apresRotation);
    const Capture ecranRotation = fenetreMontrant(dessinRotation);
    garde(ecranRotation, "figure_turned.png");
    compareDessins(ecranRotation, dessinRotation, "after the turn");
}

TEST_F(FenetreReelle, ClosingAChangedFigureAsksToSaveAndCancelKeepsTheWindow) {
    const PixelsSombres p = pixelsDeP(dessinSansEcran(kFigureSegmentEtP), dessinSansEcran(kFigureSegment));
    ASSERT_GT(p.nombre, 5);
    glissePointP(p);
    const std::string avant = essais::contenuFichier(figure_);
    // Ctrl+Q asks; the question box is the program's one window besides
    // the figure's, the pointer over it once it shows at rest.
    auto question = [&] {
        ecran_->xdotool("mousemove 20 20");
        ecran_->xdotool("key ctrl+q");
        const std::optional<EcranX::FenetreX> b = attendsBoite();
        EXPECT_TRUE(b.has_value()) << "no question on close";
        return b.has_value();
    };
    ASSERT_TRUE(question());
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(attends([&] { return menus().empty(); }));
    EXPECT_TRUE(ecran_->enCours(programme_)) << "Cancel closed the window";
    EXPECT_EQ(essais::contenuFichier(figure_), avant);
    // Yes saves into the file and closes.
    ASSERT_TRUE(question());
    ecran_->xdotool("key alt+y");
    int statut = -1;
    ASSERT_TRUE(ecran_->attendsFin(programme_, statut)) << "Yes did not close the window";
    // The exit status is not checked: under the leak checker the toolkit's
    // own libraries (fonts, bus) leave blocks that fail it.
    const std::string texte = essais::contenuFichier(figure_);
    EXPECT_NE(texte.find("parameter"), std::string::npos) << texte;
}

// The figure is active from the window's opening: the very first press, on
// the point P, takes it, and the drag moves it (its parameter is saved).
TEST_F(FenetreReelle, TheFirstPressOnAFreshWindowTakesThePoint) {
    const PixelsSombres p = pixelsDeP(dessinSansEcran(kFigureSegmentEtP), dessinSansEcran(kFigureSegment));
    ASSERT_GT(p.nombre, 5);
    fenetreMontrant(dessinSansEcran(kFigureSegmentEtP));
    ecran_->xdotool("mousemove " + std::to_string(int(p.x)) + " " + std::to_string(int(p.y)) +
                    " mousedown 1");
    for (int k = 0; k < 8; ++k)
        ecran_->xdotool("mousemove_relative -- 5 0");
    ecran_->xdotool("mouseup 1");
    const std::string texte = sauveEtLis();
    EXPECT_NE(texte.find("parameter"), std::string::npos) << "the first drag moved nothing: " << texte;
}

TEST_F(FenetreReelle, TheMenuOpensTheConstructionDialogWhoseEntriesMakeTheMidpoint) {
    const Capture avant = fenetreDe(ecranStable());
    // A double click opens the figure's menu at the mouse.
    const std::vector<EcranX::FenetreX> m = ouvreMenuFigure();
    ASSERT_EQ(m.size(), 1u) << "no menu opened";
    // Its bottom right corner is at the mouse.
    EXPECT_NEAR(m[0].x + m[0].largeur, 600, 2);
    EXPECT_NEAR(m[0].y + m[0].hauteur, 450, 2);
    std::optional<Capture> menu;
    ASSERT_TRUE(attends([&] {
        return (menu = ecran_->captureFenetre(m[0].id)) &&
               pixelsSombres(*menu, 0, 0, menu->largeur, menu->hauteur).nombre > 50;
    }));
    garde(*menu, "menu.png");

    // Create > Point > Midpoint, clicked as a person would.
    const std::vector<EcranX::FenetreX> m2 = ouvreSousMenu(0);
    ASSERT_EQ(m2.size(), 2u) << "no sub-menu opened";
    const EcranX::FenetreX creer = m2[1];
    std::vector<EcranX::FenetreX> m3;
    ASSERT_TRUE(cliqueElementMenu(creer, 0, 3, &m3)) << "no second sub-menu opened";
    EcranX::FenetreX points;
    for (const EcranX::FenetreX& f : m3)
        if (f.id != m2[0].id && f.id != creer.id) points = f;
    ASSERT_TRUE(cliqueElementMenu(points, 7, 0)) << "the menus stayed open";

    // The dialog lies over the top of the figure: its captions are drawn there.
    auto dialogueMontre = [&](const Capture& c) {
        return pixelsSombres(c, 0, 0, kLargeur, 110).nombre >
               pixelsSombres(avant, 0, 0, kLargeur, 110).nombre + 100;
    };
    const Capture dialogue = fenetreDe(ecranStable(dialogueMontre));
    ASSERT_TRUE(dialogueMontre(dialogue));
    // The fields are the toolkit's entries: the segment's name, Tab to the
    // next field, the midpoint's name.
    const PixelsSombres champsAvant = pixelsSombres(dialogue, 150, 0, 400, 80);
    ecran_->xdotool("type --delay 40 s");
    ecran_->xdotool("key Tab");
    ecran_->xdotool("type --delay 40 M");
    Capture tape;
    ASSERT_TRUE(attends([&] {
        tape = fenetreDe(ecranActuel());
        return pixelsSombres(tape, 150, 0, 400, 80).nombre > champsAvant.nombre + 10;
    })) << "the typed text does not show in the dialog's fields";
    garde(tape, "construction_dialog.png");
    // Enter runs the construction: the figure gets the midpoint, drawn as
    // the headless library draws the saved figure.
    ecran_->xdotool("key Return");
    std::string texte;
    ASSERT_TRUE(attends([&] {
        texte = sauveEtLis();
        return texte.find("M midpoint of segment s") != std::string::npos;
    })) << texte;
    const Capture dessinConstruit = dessinSansEcran(texte);
    compareDessins(fenetreMontrant(dessinConstruit), dessinConstruit, "after the construction");

    // The menu opened and closed without a choice: the very next press acts,
    // here a turn with the right button.
    ASSERT_EQ(ouvreMenuFigure().size(), 1u) << "no menu opened";
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(attends([&] { return menus().empty(); }));
    ecran_->xdotool("mousemove 100 500 mousedown 3");
    for (int k = 0; k < 8; ++k)
        ecran_->xdotool("mousemove_relative -- 0 8");
    ecran_->xdotool("mouseup 3");
    const std::string apresRotation = sauveEtLis();
    EXPECT_NE(ligneRotations(apresRotation), ligneRotations(texte)) << "the press after the menu was lost";
}

} // namespace
} // namespace km32::tests
