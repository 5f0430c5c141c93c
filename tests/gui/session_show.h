#pragma once
// km32 show on an X server of the test's own: a folder of the test's own
// holding the figure, the program started on it, and what a person does with
// it (the menu by clicks, saving, looking at the screen). Tests of the real
// windows derive their fixture from it.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ecran_x.h"
#include "platform/geometrie.h"

namespace km32::tests {

// The window km32 show opens, at the screen's top left corner.
constexpr int kLargeur = 800, kHauteur = 600;

// The small figures several tests show: the segment AB from (-4,0,0) to
// (4,0,0), alone and with a point P free on it.
inline const std::string kFigureSegment = "Kalmetra figure (English)\r\n"
                                          "A point with coordinates (-4,0,0) in coordinate system Rxyz\r\n"
                                          "B point with coordinates (4,0,0) in coordinate system Rxyz\r\n"
                                          "s segment [AB]\r\n";
inline const std::string kFigureSegmentEtP = kFigureSegment + "P free point on segment [AB]\r\n";
// The segment AB, a real a, d = a/4 and a table of a and d for a = 0 to 4
// on the key T.
inline const std::string kFigureTableValeurs = kFigureSegment + "a free real in [-10,10]\r\n"
                                                                "d = a/4\r\n"
                                                                "t (key T) table of values of (a,0) (d,2) "
                                                                "from 0 (step 1) (5 rows)\r\n";

// The figure as km32 show makes it, made headless: the library started
// afresh with the random generator seeded, a host window of the size given,
// the figure made of the text and sized to the window. The host window and
// the figure's number (0 when it could not be made); they stay until the
// library is started again.
struct FigureSansEcran {
    uint32_t hote = 0;
    int16_t numero = 0;
};
FigureSansEcran figureCommeShow(const std::string& texte, uint64_t graine, int largeur = kLargeur,
                                int hauteur = kHauteur);

// The middle of a rectangle of the window, as xdotool's "x y".
inline std::string centre(const platform::Rectangle& r) {
    return std::to_string((r.gauche + r.droite) / 2) + " " + std::to_string((r.haut + r.bas) / 2);
}

class SessionShow : public ::testing::Test {
  protected:
    // Starts km32 show on the figure text with the seed, once the test can
    // run here (skipped otherwise); returns when the window shows the figure.
    // The caller checks HasFatalFailure() or IsSkipped() before going on.
    // fichier: the figure's file in the test's folder (it may lie in a
    // sub-folder, made for it).
    void demarreSession(const std::string& texteFigure, uint64_t graine,
                        const std::string& fichier = "figure.k3v");

    // Ends the program as a person would: Escape and Ctrl+Q over the
    // figure, No to a question on saving; then the display and the folder go.
    void TearDown() override;
    // The display and the folder go without asking the program to end.
    void abandonneSession();

    // The figure's window (its title starts with "km32 - ").
    std::optional<EcranX::FenetreX> principale();
    // The program's other windows of some size: menus, boxes, dialogs.
    std::vector<EcranX::FenetreX> autresFenetres();
    // Waits until exactly n other windows show and kept their places and
    // sizes over two readings (a menu is mapped before the toolkit moves it
    // to the pointer); whether they did within the seconds, and which.
    bool attendsAutresFenetres(std::size_t n, std::vector<EcranX::FenetreX>& fenetres, int secondes);
    // The pointer over the first of the windows (without a window manager
    // the keys go to the window under the pointer).
    void survole(const std::vector<EcranX::FenetreX>& fenetres);
    // The one window besides the figure's (a box, a question, a dialog) once
    // it shows at rest, the pointer over it; nothing when none showed alone.
    std::optional<EcranX::FenetreX> attendsBoite(int secondes = 30);

    Capture ecranActuel();
    // A rectangle of the screen (of a capture of it), and its dark pixels.
    Capture partie(int gauche, int haut, int droite, int bas);
    static Capture partie(const Capture& ecran, int gauche, int haut, int droite, int bas);
    int sombres(int gauche, int haut, int droite, int bas);
    // The screen once it stopped changing (two captures alike).
    Capture ecranStable();
    // The screen once the condition holds on it and it stopped changing:
    // what a person sees once the program has handled the input and
    // painted. When the condition never held, the last capture (the
    // caller's checks then say what is wrong with it).
    Capture ecranStable(const std::function<bool(const Capture&)>& condition, int secondes = 30);

    // Opens the figure's pop-up menu by a double click on an empty place
    // (600, 450), again when a loaded machine held xdotool's second click back
    // past the double-click time; the program's other windows once exactly
    // one shows (empty when no menu opened).
    std::vector<EcranX::FenetreX> ouvreMenuFigure();

    // Clicks the item of that rank of an open menu (items about 25 pixels
    // high under a border of 4) until the program shows that many other
    // windows (0: the menus closed), clicking again while the menu still
    // shows (a loaded machine lost the click); whether they showed, and
    // which they are. The item is clicked x pixels right of the menu's left
    // edge.
    bool cliqueElementMenu(const EcranX::FenetreX& menu, int rang, std::size_t fenetresApres,
                           std::vector<EcranX::FenetreX>* fenetres = nullptr, int x = 40);
    // The figure's menu (opened unless it already shows alone) and the
    // sub-menu of its item of that rank: the menu first; empty when the
    // sub-menu did not open, the menu being opened again once.
    std::vector<EcranX::FenetreX> ouvreSousMenu(int rang);
    // A command of the figure's menu: the item of that rank of the sub-menu
    // of its item of rank rang.
    void commandeDuMenu(int rang, int sousRang);
    // Opens the figure's menu with a double click and walks it by the
    // underlined letters of its items.
    void choisitDansMenu(const std::vector<std::string>& touches);

    // The caption of the figure's window (empty when it does not show).
    std::string titre();

    // Saves with Ctrl+S over the figure; the file's text once it changed.
    std::string sauveEtLis();

    // Keeps a screenshot for a reviewer beside the build.
    static void garde(const Capture& c, const std::string& nom);

    std::filesystem::path dossier_, figure_;
    std::unique_ptr<EcranX> ecran_;
    pid_t programme_ = 0;
};

} // namespace km32::tests
