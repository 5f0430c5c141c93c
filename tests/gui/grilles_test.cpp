// The table of values and the function given by values in km32 show on a
// real X display: each opened as a person opens it (its key, the figure's
// menu), used through its widgets with real input, and its result checked
// (the clipboard's text, the saved figure).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ecran_x.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;

constexpr int kLargeur = 800, kHauteur = 600; // the window km32 show opens

// A segment to draw, d = a/4 and a table of a and d for a = 0 to 4 on the key T.
const char* const kFigure = "Kalmetra figure (English)\r\n"
                            "A point with coordinates (-4,0,0) in coordinate system Rxyz\r\n"
                            "B point with coordinates (4,0,0) in coordinate system Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "a free real in [-10,10]\r\n"
                            "d = a/4\r\n"
                            "t (key T) table of values of (a,0) (d,2) from 0 (step 1) (5 rows)\r\n";

std::string lisFichier(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The part (0, 0, largeur, hauteur) of a screenshot.
Capture coin(const Capture& c, int largeur, int hauteur) {
    Capture r;
    r.largeur = std::min(largeur, c.largeur);
    r.hauteur = std::min(hauteur, c.hauteur);
    for (int y = 0; y < r.hauteur; ++y)
        for (int x = 0; x < r.largeur; ++x)
            r.pixels.push_back(c.pixel(x, y));
    return r;
}

// The pixels of the toolkit's selection colour (a strong blue) in a band of
// a screenshot: their count and mean height.
PixelsSombres pixelsSelection(const Capture& c, int gauche, int haut, int droite, int bas) {
    PixelsSombres p;
    for (int y = haut; y < bas; ++y)
        for (int x = gauche; x < droite; ++x) {
            const uint32_t v = c.pixel(x, y);
            const int r = int(v >> 16), g = int((v >> 8) & 0xFF), b = int(v & 0xFF);
            if (b > 150 && b > r + 80 && b > g + 40) {
                ++p.nombre;
                p.y += y;
            }
        }
    if (p.nombre > 0) p.y /= p.nombre;
    return p;
}

class Grilles : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef KM32_AVEC_AFFICHAGE
        GTEST_SKIP() << "this build has no window backend (GTK 3)";
#endif
        for (const char* outil : {"Xvfb", "xdotool", "xwd", "xwininfo", "xclip"})
            if (!programmePresent(outil)) GTEST_SKIP() << outil << " is not installed";
        dossier_ =
            fs::temp_directory_path() / ("km32_grilles_" + std::to_string(getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
        figure_ = dossier_ / "figure.k3v";
        std::ofstream(figure_, std::ios::binary) << kFigure;
        ecran_ = std::make_unique<EcranX>();
        ASSERT_TRUE(ecran_->pret()) << "Xvfb did not start";
        programme_ = ecran_->lance({KM32_CLI, "show", "--seed", "7", figure_.string()},
                                   (dossier_ / "show.log").string());
        ASSERT_TRUE(attends([&] {
            for (const EcranX::FenetreX& f : ecran_->fenetres())
                if (f.nom.rfind("km32 - ", 0) == 0 && f.largeur == kLargeur && f.hauteur == kHauteur)
                    return true;
            return false;
        })) << lisFichier(dossier_ / "show.log");
        // The segment is drawn once the window has painted.
        ASSERT_TRUE(attends([&] { return sombres(0, 0, kLargeur, kHauteur) > 20; }));
    }

    void TearDown() override {
        if (ecran_ && programme_ > 0 && ecran_->enCours(programme_)) {
            // Saved first, so that Ctrl+Q asks nothing; without a window
            // manager the keys go to the window under the pointer.
            ecran_->xdotool("mousemove 700 550");
            ecran_->xdotool("key ctrl+s");
            ecran_->xdotool("key ctrl+q");
            int statut = 0;
            EXPECT_TRUE(ecran_->attendsFin(programme_, statut)) << "km32 show did not end on Ctrl+Q";
        }
        ecran_.reset();
        if (!dossier_.empty()) fs::remove_all(dossier_);
    }

    Capture ecranActuel() {
        std::optional<Capture> c = ecran_->capture();
        return c ? *c : Capture{};
    }
    int sombres(int gauche, int haut, int droite, int bas) {
        const Capture c = ecranActuel();
        return c.largeur == 0 ? 0 : pixelsSombres(c, gauche, haut, droite, bas).nombre;
    }
    // The screen once it stopped changing (two captures alike).
    Capture ecranStable() {
        Capture avant = ecranActuel(), apres;
        attends([&] {
            apres = ecranActuel();
            const bool stable = apres.pixels == avant.pixels;
            avant = apres;
            return stable;
        });
        return apres;
    }
    void clic(int x, int y) {
        ecran_->xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    }
    // Keeps a screenshot for a reviewer beside the build.
    static void garde(const Capture& c, const std::string& nom) {
        fs::create_directories(KM32_CAPTURES);
        ecritCapturePng(c, std::string(KM32_CAPTURES) + "/" + nom);
    }

    fs::path dossier_, figure_;
    std::unique_ptr<EcranX> ecran_;
    pid_t programme_ = 0;
};

// The table lies at the top left corner of the figure: its menu's two
// items on two rows of 28 pixels (the window is narrow), then the list:
// its heading row, then rows of about 23 pixels.
constexpr int kHautListeTableau = 2 * 28, kLigneListe = 23, kEnteteListe = 25;

TEST_F(Grilles, TheTableOfValuesOpensOnItsKeyAndCopiesWhatItShows) {
    const int avant = sombres(0, 0, 200, 250);
    // A click on an empty place activates the figure; its key T opens the table.
    clic(700, 550);
    ecran_->xdotool("key t");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 200, 250) > avant + 100; })) << "no table shown";
    // The first row is selected; a click on the third selects it instead.
    const PixelsSombres premiere = pixelsSelection(ecranStable(), 0, kHautListeTableau, 200, 300);
    ASSERT_GT(premiere.nombre, 50) << "no selected row";
    clic(40, kHautListeTableau + kEnteteListe + 2 * kLigneListe + kLigneListe / 2);
    PixelsSombres troisieme;
    ASSERT_TRUE(attends([&] {
        troisieme = pixelsSelection(ecranActuel(), 0, kHautListeTableau, 200, 300);
        return troisieme.nombre > 50 && troisieme.y > premiere.y + kLigneListe;
    })) << "the click did not select the third row";
    EXPECT_NEAR(troisieme.y - premiere.y, 2 * kLigneListe, 6);
    // The decimal comma's check box turned off, the copy button: the
    // clipboard holds the table with decimal points, the names first, a TAB
    // between cells and CR LF after each row.
    clic(30, 28 + 14);
    clic(40, 14);
    const std::string attendu = " a\t  d\r\n"
                                " 0\t 0\r\n"
                                " 1\t 0.25\r\n"
                                " 2\t 0.5\r\n"
                                " 3\t 0.75\r\n"
                                " 4\t 1\r\n";
    std::string copie;
    EXPECT_TRUE(attends([&] {
        copie = ecran_->commande("xclip -selection clipboard -o 2>/dev/null");
        return copie == attendu;
    })) << copie;
    garde(coin(ecranStable(), 260, 320), "table_of_values.png");
}

TEST_F(Grilles, TheFunctionGridTakesTypedPointsAndMakesTheFunction) {
    const int avant = sombres(0, 0, 480, 350);
    // The figure's menu, by the keyboard: Create, Calculation (the fifth
    // heading), Numeric function (the seventh item), Defined by values (the
    // fourth).
    ecran_->xdotool("mousemove 600 450 click --repeat 2 --delay 80 1");
    ASSERT_TRUE(attends([&] {
        for (const EcranX::FenetreX& f : ecran_->fenetres())
            if (f.nom == "km32" && f.largeur > 50 && f.hauteur > 20) return true;
        return false;
    })) << "no menu opened";
    ecran_->xdotool(
        "key --delay 60 Down Right Down Down Down Down Right Down Down Down Down Down Down Right Down "
        "Down Down Return");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 480, 350) > avant + 300; })) << "no grid shown";
    // The name has the keyboard; Down goes to the point, Enter adds it and
    // the field then proposes the next antecedent ("5 " after 1 and 3), to
    // which the image is typed before the Add button is pressed.
    ecran_->xdotool("type --delay 40 h");
    ecran_->xdotool("key Down");
    ecran_->xdotool("type --delay 40 '1 2'");
    ecran_->xdotool("key Return");
    ecran_->xdotool("type --delay 40 '3 6'");
    ecran_->xdotool("key Return");
    ecran_->xdotool("type --delay 40 10");
    clic(400, 52);
    // The second row (3, 6) chosen in the list and deleted with its button.
    const int lignes = sombres(8, 72, 250, 302);
    clic(60, 72 + kEnteteListe + kLigneListe + kLigneListe / 2);
    clic(360, 72 + 28 * 5 + 12);
    ASSERT_TRUE(attends([&] { return sombres(8, 72, 250, 302) < lignes; })) << "nothing deleted";
    // Interpolation checked, then OK.
    clic(330, 20);
    Capture grille = ecranStable();
    garde(coin(grille, 480, 350), "function_grid.png");
    clic(50, 327);
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 480, 350) < avant + 100; })) << "the grid stayed open";
    // The saved figure has h with its two points.
    ecran_->xdotool("mousemove 700 550");
    std::string texte;
    EXPECT_TRUE(attends([&] {
        ecran_->xdotool("key ctrl+s");
        texte = lisFichier(figure_);
        return texte.find("Values for h") != std::string::npos;
    })) << texte;
    EXPECT_NE(texte.find("h function defined by values (with interpolation)"), std::string::npos) << texte;
    EXPECT_NE(texte.find("Values for h: (1,2) (5,10)"), std::string::npos) << texte;
}

} // namespace
} // namespace km32::tests
