// The table of values and the function given by values in km32 show on a
// real X display: each opened as a person opens it (its key, the figure's
// menu), used through its widgets with real input, and its result checked
// (the clipboard's text, the saved figure).
#include "session_show.h"
#include "host/fenetres/tableau_valeurs.h"
#include "km32.h"
#include "platform/formes_liees.h"

namespace km32::tests {
namespace {

namespace p = platform;

constexpr uint64_t kGraine = 7;

const std::string& kFigure = kFigureTableValeurs;

// The table's client rectangle as km32 show lays it out (at the top left
// corner of the figure, whose window lies at the screen's): the same figure
// in a host window of the same size, read headless.
p::Rectangle clientTableauSansEcran() {
    // As in km32 show: a click on an empty place activates the figure, then
    // its key opens the table.
    const int16_t n = figureCommeShow(kFigure, kGraine).numero;
    KMMouseDown(n, 1, 0, 700, 550);
    KMMouseUp(n, 1, 0, 700, 550);
    KMExecuteCommande(n, "t");
    p::Rectangle client;
    if (const TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs())
        client = p::rectangleClient(t->fenetre);
    KMTermine();
    return client;
}

class Grilles : public SessionShow {
  protected:
    void SetUp() override { demarreSession(kFigure, kGraine); }

    void clic(int x, int y) {
        ecran_->xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    }

    // The function grid, opened from the figure's menu by the keyboard:
    // Create, Calculation (the fifth heading), Numeric function (the seventh
    // item), Defined by values (the fourth).
    void ouvreGrille() {
        const int avant = sombres(0, 0, 480, 350);
        ASSERT_EQ(ouvreMenuFigure().size(), 1u) << "no menu opened";
        ecran_->xdotool(
            "key --delay 60 Down Right Down Down Down Down Right Down Down Down Down Down Down Right Down "
            "Down Down Return");
        ASSERT_TRUE(attends([&] { return sombres(0, 0, 480, 350) > avant + 300; })) << "no grid shown";
    }
};

// The table lies at the top left corner of the figure: its menu's two
// items on two rows of 28 pixels (the window is narrow), then the list:
// its heading row, then rows of about 23 pixels.
constexpr int kHautListeTableau = 2 * 28, kLigneListe = 23, kEnteteListe = 25;

// The grid's list lies under its two fields at 72 pixels, under the heading row.
constexpr int kHautListeGrille = 72;

// Whether the grid's list shows its row of that rank: the middle of its
// first cell holds text, dark or on the selection's colour.
bool ligneDeLaGrille(const Capture& c, int rang) {
    const int milieu = kHautListeGrille + kEnteteListe + kLigneListe * rang + kLigneListe / 2;
    return pixelsSombres(c, 12, milieu - 4, 100, milieu + 4).nombre > 0 ||
           pixelsSelection(c, 12, milieu - 4, 100, milieu + 4).nombre > 0;
}

TEST_F(Grilles, TheTableOfValuesOpensOnItsKeyAndCopiesWhatItShows) {
    if (HasFatalFailure() || IsSkipped()) return;
    if (!programmePresent("xclip")) GTEST_SKIP() << "xclip is not installed";
    const int avant = sombres(0, 0, 200, 250);
    // A click on an empty place activates the figure; its key T opens the table.
    clic(700, 550);
    ecran_->xdotool("key t");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 200, 250) > avant + 100; })) << "no table shown";
    // The first row is selected (once the list shows the model's
    // selection); a click on the third selects it instead.
    const PixelsSombres premiere =
        pixelsSelection(ecranStable([](const Capture& c) {
                            return pixelsSelection(c, 0, kHautListeTableau, 200, 300).nombre > 50;
                        }),
                        0, kHautListeTableau, 200, 300);
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
        copie = ecran_->pressePapiers("UTF8_STRING");
        return copie == attendu;
    })) << copie;
    ecranStable();
    garde(partie(0, 0, 300, 320), "table_of_values.png");

    // The close box at its top right corner closes it: the figure shows
    // again where it lay.
    const p::Rectangle client = clientTableauSansEcran();
    ASSERT_GT(client.largeur(), 0);
    const p::Rectangle caseFermeture = p::cadreCaseFermeture(client);
    clic((caseFermeture.gauche + caseFermeture.droite) / 2, (caseFermeture.haut + caseFermeture.bas) / 2);
    EXPECT_TRUE(attends([&] { return sombres(0, 0, 200, 250) < avant + 20; })) << "the table stayed";
}

// Showing the table changes nothing that a save would write: the caption
// gets no mark, and quitting asks nothing. Escape closes the table as its
// close box does.
TEST_F(Grilles, TheTableOfValuesMarksNothingAndClosesWithEscape) {
    if (HasFatalFailure() || IsSkipped()) return;
    const int avant = sombres(0, 0, 200, 250);
    clic(700, 550);
    ecran_->xdotool("key t");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 200, 250) > avant + 100; })) << "no table shown";
    ecranStable();
    EXPECT_EQ(titre().find('*'), std::string::npos) << titre();
    ecran_->xdotool("key Escape");
    EXPECT_TRUE(attends([&] { return sombres(0, 0, 200, 250) < avant + 20; })) << "Escape left the table";
    EXPECT_EQ(titre().find('*'), std::string::npos) << titre();
    // Ctrl+Q ends the program without a question.
    ecran_->xdotool("mousemove 700 550 key ctrl+q");
    attends([&] { return !ecran_->enCours(programme_) || autresFenetres().size() == 1; }, 60);
    EXPECT_FALSE(ecran_->enCours(programme_)) << "the program asked before quitting";
}

TEST_F(Grilles, TheFunctionGridTakesTypedPointsAndMakesTheFunction) {
    if (HasFatalFailure() || IsSkipped()) return;
    const int avant = sombres(0, 0, 480, 350);
    ouvreGrille();
    if (HasFatalFailure()) return;
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
    // The second row (3, 6) chosen in the list and deleted with its button,
    // once the list shows the third row (Add handled).
    const Capture troisLignes = ecranStable([](const Capture& c) { return ligneDeLaGrille(c, 2); });
    const int lignes = pixelsSombres(troisLignes, 8, kHautListeGrille, 250, 302).nombre;
    clic(60, kHautListeGrille + kEnteteListe + kLigneListe + kLigneListe / 2);
    clic(360, 72 + 28 * 5 + 12);
    ASSERT_TRUE(attends([&] { return sombres(8, kHautListeGrille, 250, 302) < lignes; }))
        << "nothing deleted";
    // Interpolation checked, then OK.
    clic(330, 20);
    ecranStable();
    garde(partie(0, 0, 560, 380), "function_grid.png");
    clic(50, 327);
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 480, 350) < avant + 100; })) << "the grid stayed open";
    // The saved figure has h, interpolated, with its two points.
    const std::string texte = sauveEtLis();
    EXPECT_NE(texte.find("h function defined by values (with interpolation)"), std::string::npos) << texte;
    EXPECT_NE(texte.find("Values for h: (1,2) (5,10)"), std::string::npos) << texte;
}

// Ctrl+Z typed in the grid's field undoes the grid's last point (not the
// figure's last change), Ctrl+Shift+Z and Ctrl+Y make it again: the keys of
// an annex window go to it first.
TEST_F(Grilles, UndoAndRedoKeysInTheGridActOnTheGrid) {
    if (HasFatalFailure() || IsSkipped()) return;
    const int avant = sombres(0, 0, 480, 350);
    ouvreGrille();
    if (HasFatalFailure()) return;
    ecran_->xdotool("type --delay 40 h");
    ecran_->xdotool("key Down");
    ecran_->xdotool("type --delay 40 '1 2'");
    ecran_->xdotool("key Return");
    ecran_->xdotool("type --delay 40 '3 6'");
    ecran_->xdotool("key Return");
    ASSERT_TRUE(attends([&] { return ligneDeLaGrille(ecranActuel(), 1); }))
        << "the second point is not shown";
    for (const char* refaire : {"ctrl+shift+z", "ctrl+y"}) {
        SCOPED_TRACE(refaire);
        ecran_->xdotool("key ctrl+z");
        ASSERT_TRUE(attends([&] {
            const Capture c = ecranActuel();
            return ligneDeLaGrille(c, 0) && !ligneDeLaGrille(c, 1);
        })) << "Ctrl+Z did not take the second point back";
        ecran_->xdotool(std::string("key ") + refaire);
        ASSERT_TRUE(attends([&] { return ligneDeLaGrille(ecranActuel(), 1); }))
            << "the point did not come back";
    }
    // The grid is still open (the figure's undo would have closed nothing,
    // but its text is that of the file).
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 480, 350) < avant + 100; })) << "the grid stayed open";
}

} // namespace
} // namespace km32::tests
