// km32 show on a real X display, three windows of the library used as a
// person uses them: the style palette (a colour picked, then the segment
// clicked takes it), the menu filter (the first command forbidden with the
// ">>" button, then OK) and the construction dialog of a point in a
// coordinate system, whose list of coordinate systems is a combo box. Each
// is opened from the figure's pop-up menu with the keys, and the saved
// figure, read again by the headless library, says what was done.
#include <gtest/gtest.h>
#include <filesystem>
#include <optional>
#include <sstream>
#include <utility>

#include "ecran_x.h"
#include "session_show.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/palette_styles.h"
#include "host/filtre_menus.h"
#include "host/filtre_menus_fenetre.h"
#include "host/menus_figure_codes.h"
#include "km32.h"
#include "model/couleurs.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "platform/menus.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;
namespace p = platform;

constexpr uint64_t kGraine = 11;
// The boxes' background as the screen shows it.
constexpr uint32_t kFaceFenetre = 0xF0F0F0;

const char* const kFigure = "Kalmetra figure (English)\r\n"
                            "A point with coordinates (-4,0,0) in coordinate system Rxyz\r\n"
                            "B point with coordinates (4,0,0) in coordinate system Rxyz\r\n"
                            "s segment [AB]\r\n"
                            "R coordinate system (B,vec(i),vec(j),vec(k))\r\n";

// What the headless library makes of a figure text, in a host window of
// km32 show's size; the figure stays until the next call.
TfigureKalmetra& figureSansEcran(const std::string& texte) {
    const int16_t n = figureCommeShow(texte, kGraine).numero;
    EXPECT_GT(n, 0);
    return *figureDeNumero(n);
}

// The keys that pick a command in the figure's pop-up menu as GTK's menus
// take them: Down to the item (separators and greyed items skipped), Right
// into a sub-menu, whose first item is then selected, Return at the end.
// Found in the menu the headless library builds for the same figure.
bool cheminDansMenu(p::Menu m, uint32_t commande, bool premierNiveau, std::string& touches) {
    int choisissables = 0;
    for (int k = 0; k < p::nombreElementsMenu(m); ++k) {
        if (p::estSeparateur(m, k) || p::elementGrise(m, k)) continue;
        const std::string avant = touches;
        for (int i = 0; i < choisissables + (premierNiveau ? 1 : 0); ++i)
            touches += " Down";
        const p::Menu sous = p::sousMenuElement(m, k);
        if (sous != p::kAucunMenu) {
            touches += " Right";
            if (cheminDansMenu(sous, commande, false, touches)) return true;
        } else if (p::identifiantElementMenu(m, k) == commande) {
            touches += " Return";
            return true;
        }
        touches = avant;
        ++choisissables;
    }
    return false;
}

std::string touchesDuMenu(const std::string& texte, uint32_t commande) {
    TfigureKalmetra& f = figureSansEcran(texte);
    p::choisitDansMenuSuivant(0);
    KMAfficheMenu(int16_t(f.numeroFigure));
    std::string touches;
    EXPECT_TRUE(cheminDansMenu(KMMenuDeLaFigure(int16_t(f.numeroFigure)), commande, true, touches))
        << commande;
    KMTermine();
    return touches;
}

class FenetresPalette : public SessionShow {
  protected:
    void SetUp() override {
        demarreSession(kFigure, kGraine);
        if (HasFatalFailure() || IsSkipped()) return;
        // The figure drawn, a click on an empty place makes it active; then
        // the program waits for input.
        ecranStable();
        ecran_->xdotool("mousemove 30 570 click 1");
        ecranStable();
    }

    // Opens the figure's menu with a double click and picks the command with the keys.
    void choisitDansLeMenu(uint32_t commande) {
        const std::string touches = touchesDuMenu(kFigure, commande);
        ASSERT_FALSE(touches.empty());
        const std::vector<EcranX::FenetreX> menu = ouvreMenuFigure();
        ASSERT_EQ(menu.size(), 1u) << "no menu opened";
        // Without a window manager the keys go to the window under the
        // pointer: it rests on the menu's border, where it selects nothing.
        ecran_->xdotool("mousemove " + std::to_string(menu[0].x + 1) + " " + std::to_string(menu[0].y + 1));
        // Each key once the menus show what the one before did; a key after
        // Right goes to the sub-menu once it shows. The item the keys select
        // opens its own sub-menu a moment later (the toolkit's delay), so
        // that one more menu may show by then: the keys still go to the
        // menu of the selection.
        std::istringstream mots(touches);
        std::size_t niveaux = 1;
        for (std::string mot; mots >> mot;) {
            ecran_->xdotool("key " + mot);
            ecranStable();
            if (mot != "Right") continue;
            ++niveaux;
            ASSERT_TRUE(attends([&] { return autresFenetres().size() >= niveaux; })) << "no sub-menu opened";
        }
        ASSERT_TRUE(attends([&] { return autresFenetres().empty(); })) << "the menu stayed open";
    }
    void clic(int x, int y) {
        ecran_->xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    }
    void clicAuCentre(const p::Rectangle& r) { clic((r.gauche + r.droite) / 2, (r.haut + r.bas) / 2); }
};

// Where a point of the model is drawn in the window, as the headless library
// draws the same figure.
p::Point pointALEcran(const std::string& texte, double x, double y, double z) {
    TfigureKalmetra& f = figureSansEcran(texte);
    const int32_t X = coordonneeEntiere(f, x), Y = coordonneeEntiere(f, y), Z = coordonneeEntiere(f, z);
    const p::Point e{projetteX(f, X, Y, Z), projetteY(f, X, Y, Z)};
    KMTermine();
    return e;
}

// The middle of the palette's "X" button as the screen shows it. The
// palette is laid out for the toolkit's font, which this process does not
// measure: its buttons are its last row, under the colour strip (black, the
// figure's colour) and over the figure's white, and "X" is the rightmost of
// their three captions.
std::optional<p::Point> boutonFermerALEcran(const Capture& c) {
    int basBande = -1, bas = -1;
    for (int y = 0; y < c.hauteur && bas < 0; ++y) {
        if (pixelsSombres(c, 3, y, 4, y + 1).nombre > 0) basBande = y;
        if (basBande >= 0 && y > basBande && c.pixel(1, y) == 0xFFFFFF) bas = y;
    }
    if (basBande < 0 || bas < 0) return std::nullopt;
    int droite = 130;
    while (droite < c.largeur && c.pixel(droite, 10) == kFaceFenetre)
        ++droite;
    // The columns of dark pixels of the captions; the last run of them.
    int debut = -1, fin = -1;
    for (int x = 0; x < droite; ++x) {
        if (pixelsSombres(c, x, basBande + 3, x + 1, bas).nombre == 0) continue;
        if (fin < x - 1) debut = x;
        fin = x;
    }
    if (debut < 0) return std::nullopt;
    const PixelsSombres marque = pixelsSombres(c, debut, basBande + 3, fin + 1, bas);
    return p::Point{int32_t((debut + fin) / 2), int32_t(marque.y)};
}

TEST_F(FenetresPalette, ThePaletteGivesTheColourClickedToTheSegmentClickedNext) {
    const p::Point surS = pointALEcran(kFigure, 2.5, 0, 0);
    ASSERT_GT(surS.x, kLargeurPalette + 20);
    // The palette shows its red cell (style code 4) where the figure is white.
    CouleurRVB rouge{};
    ASSERT_TRUE(rvbDeCode(4, rouge));
    const uint32_t rougeEcran = uint32_t(rouge.rouge) << 16 | uint32_t(rouge.vert) << 8 | rouge.bleu;
    auto rougeAffiche = [&] { return ecranActuel().pixel(10, 28) == rougeEcran; };
    ASSERT_FALSE(rougeAffiche());
    choisitDansLeMenu(kCommandeStyles);
    ASSERT_TRUE(attends(rougeAffiche)) << "no palette";
    // Red is the first cell of the second row (code 4); the segment then takes it.
    clic(5, 25);
    clic(surS.x, surS.y);
    ecranStable();
    const Capture palette = ecranStable();
    garde(partie(0, 0, 400, 470), "style_palette.png");
    // The palette's "X" button (a toolkit button) closes it.
    const std::optional<p::Point> fermer = boutonFermerALEcran(palette);
    ASSERT_TRUE(fermer) << "no X button under the colour strip";
    clic(fermer->x, fermer->y);
    ASSERT_TRUE(attends([&] { return !rougeAffiche(); })) << "the palette did not close";
    const std::string texte = sauveEtLis();
    TfigureKalmetra& f = figureSansEcran(texte);
    const TstyleObjet& style = objet(f, numeroObjetDeNotation(f, "s")).style;
    EXPECT_EQ((std::array<int, 3>{style.rouge, style.vert, style.bleu}),
              (std::array<int, 3>{rouge.rouge, rouge.vert, rouge.bleu}))
        << texte;
    const TstyleObjet& styleA = objet(f, numeroObjetDeNotation(f, "A")).style;
    EXPECT_NE((std::array<int, 3>{styleA.rouge, styleA.vert, styleA.bleu}),
              (std::array<int, 3>{rouge.rouge, rouge.vert, rouge.bleu}));
    KMTermine();
}

// The palette opens over the figure as it is: once the view was turned
// with the right button, the figure beside the palette shows the turned view
// (the picture the window held before the turn would show the segment as
// it was first drawn).
// Escape over the figure closes the palette, as its "X" button does.
TEST_F(FenetresPalette, EscapeClosesThePalette) {
    CouleurRVB rouge{};
    ASSERT_TRUE(rvbDeCode(4, rouge));
    const uint32_t rougeEcran = uint32_t(rouge.rouge) << 16 | uint32_t(rouge.vert) << 8 | rouge.bleu;
    auto rougeAffiche = [&] { return ecranActuel().pixel(10, 28) == rougeEcran; };
    choisitDansLeMenu(kCommandeStyles);
    ASSERT_TRUE(attends(rougeAffiche)) << "no palette";
    ecranStable();
    ecran_->xdotool("mousemove 700 550 key Escape");
    EXPECT_TRUE(attends([&] { return !rougeAffiche(); })) << "Escape left the palette";
}

TEST_F(FenetresPalette, ThePaletteOpensOverTheFigureAsItIs) {
    const Capture avant = ecranStable();
    ecran_->xdotool("mousemove 600 300 mousedown 3");
    for (int k = 1; k <= 8; ++k)
        ecran_->xdotool("mousemove " + std::to_string(600 + 10 * k) + " " + std::to_string(300 + 12 * k));
    ecran_->xdotool("mouseup 3");
    // Only the figure's side of the screen, right of the palette (its
    // width follows the font) and inside the figure's frame (whose colour
    // follows the activation).
    const int gauche = 2 * kLargeurPalette, haut = 8, droite = kLargeur - 8, bas = kHauteur - 8;
    const auto differences = [&](const Capture& a, const Capture& b) {
        int n = 0;
        for (int y = haut; y < bas; y += 2)
            for (int x = gauche; x < droite; x += 2)
                if (a.pixel(x, y) != b.pixel(x, y)) ++n;
        return n;
    };
    const Capture tournee = ecranStable([&](const Capture& c) { return differences(c, avant) > 20; });
    ASSERT_GT(differences(tournee, avant), 20) << "the view did not turn";
    choisitDansLeMenu(kCommandeStyles);
    const Capture palette =
        ecranStable([&](const Capture& c) { return c.pixel(10, 28) != avant.pixel(10, 28); });
    EXPECT_LT(differences(palette, tournee), 10) << "the palette opened over another picture of the figure";
    garde(partie(0, 0, kLargeur, kHauteur), "style_palette_turned.png");
}

TEST_F(FenetresPalette, TheMenuFilterForbidsTheFirstMenuWithItsButtonsAndOk) {
    // The box's layout, as the library lays it out for this window.
    TBoiteFiltreMenu boite;
    boite.hauteurListes = 400 - kHautListesFiltre - 48;
    disposeFiltreMenus(boite);
    const p::Rectangle& autorises = boite.vues[kListeAutorises].cadre;
    // The box's own background shows below its lists, where the figure is white.
    auto boiteAffichee = [&] { return ecranActuel().pixel(545, 385) == kFaceFenetre; };
    ASSERT_FALSE(boiteAffichee());
    choisitDansLeMenu(kCommandeFiltreMenus);
    ASSERT_TRUE(attends(boiteAffichee)) << "no menu filter";
    const int interditsAvant =
        sombres(boite.vues[kListeInterdits].cadre.gauche + 2, boite.vues[kListeInterdits].cadre.haut + 2,
                boite.vues[kListeInterdits].cadre.droite - 20, 200);
    // The first line of the allowed list (the "Create" menu), then ">>".
    clic(autorises.gauche + 40, autorises.haut + 8);
    clicAuCentre(boite.boutons[kTagFiltreInterdit]);
    ASSERT_TRUE(attends([&] {
        return sombres(boite.vues[kListeInterdits].cadre.gauche + 2,
                       boite.vues[kListeInterdits].cadre.haut + 2,
                       boite.vues[kListeInterdits].cadre.droite - 20, 200) > interditsAvant + 100;
    })) << "nothing came into the forbidden list";
    ecranStable();
    garde(partie(0, 0, 560, 400), "menu_filter.png");
    // The allowed list's first line now (the "Piloting" menu), selected,
    // then dragged onto the forbidden list: it leaves the allowed list.
    const p::Rectangle& interdits = boite.vues[kListeInterdits].cadre;
    const int x0 = autorises.gauche + 40, y0 = autorises.haut + 8;
    const int x1 = (interdits.gauche + interdits.droite) / 2, y1 = interdits.haut + 150;
    const auto premieresLignes = [&](const Capture& ecran) {
        return partie(ecran, autorises.gauche, autorises.haut, autorises.droite - 20, autorises.haut + 40)
            .pixels;
    };
    clic(x0, y0);
    // Away from it past the double-click time: the drag's press is a press of its own.
    ecran_->xdotool("mousemove 545 385 sleep 0.6");
    // The lines as they show once the one clicked shows selected.
    const std::vector<uint32_t> avantGlisser = premieresLignes(ecranStable([&](const Capture& c) {
        return pixelsSelection(c, autorises.gauche, autorises.haut, autorises.droite - 20,
                               autorises.haut + 20)
                   .nombre > 200;
    }));
    // A drop the toolkit refused (the button released before the lists had
    // answered the drag's first moves, on a loaded machine) changes nothing:
    // the drag is made again.
    bool depose = false;
    for (int essai = 0; essai < 3 && !depose; ++essai) {
        ecran_->xdotool("mousemove " + std::to_string(x0) + " " + std::to_string(y0) + " mousedown 1");
        for (int k = 1; k <= 8; ++k)
            ecran_->xdotool("mousemove " + std::to_string(x0 + (x1 - x0) * k / 8) + " " +
                            std::to_string(y0 + (y1 - y0) * k / 8) + " sleep 0.05");
        ecran_->xdotool("mousemove " + std::to_string(x1 + 2) + " " + std::to_string(y1) + " sleep 0.5");
        ecran_->xdotool("mouseup 1");
        // The dragged line's picture gone, the first lines show whether it moved.
        attends([&] { return autresFenetres().empty(); });
        depose = attends([&] { return premieresLignes(ecranActuel()) != avantGlisser; }, 10);
    }
    ASSERT_TRUE(depose) << "the dragged line stayed in the allowed list";
    clicAuCentre(boite.boutons[kTagFiltreOk]);
    ASSERT_TRUE(attends([&] { return !boiteAffichee(); })) << "the box did not close";
    // The forbidden options are saved with the figure: the caption marks it.
    EXPECT_TRUE(attends([&] { return titre().ends_with(" *"); })) << "no mark in the caption: " << titre();
    const std::string texte = sauveEtLis();
    TfigureKalmetra& f = figureSansEcran(texte);
    EXPECT_TRUE((f.commandesAutorisees & commandesDuSousMenu(232)).none()) << texte;
    EXPECT_TRUE((f.commandesAutorisees & commandesDuSousMenu(233)).none()) << texte;
    EXPECT_TRUE(f.commandesAutorisees.test(kCommandeStyles)) << texte;
    KMTermine();
}

TEST_F(FenetresPalette, TheDialogsComboOfCoordinateSystemsPlacesThePointInTheOneChosen) {
    const int avant = sombres(0, 0, kLargeur, 120);
    choisitDansLeMenu(133);
    ASSERT_TRUE(attends([&] { return sombres(0, 0, kLargeur, 120) > avant + 100; })) << "no dialog";
    // The combo box of coordinate systems stands in the option band under
    // the caption: its second entry is R.
    TFenDialog* d = nullptr;
    {
        TfigureKalmetra& f = figureSansEcran(kFigure);
        ouvreDialogueCommande(int16_t(f.numeroFigure), 133);
        d = fenetreDialogue();
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(d->listeOptions.visible);
    }
    const p::Rectangle combo = d->listeOptions.cadre, premierChamp = d->champs[1].cadre;
    KMTermine();
    // The dialog's widgets are placed once its drawing stops changing; a
    // click that a loaded machine delivers before the combo is mapped is
    // given again.
    ecranStable();
    bool ouverte = false;
    for (int essai = 0; essai < 3 && !ouverte; ++essai) {
        clicAuCentre(combo);
        ouverte = attends([&] { return autresFenetres().size() == 1; }, 7);
    }
    ASSERT_TRUE(ouverte) << "the combo's list did not open";
    ecran_->xdotool("key --delay 60 Down Return");
    ASSERT_TRUE(attends([&] { return autresFenetres().empty(); }));
    ecranStable();
    // The answers from the first field on, a field after the other (Down
    // goes to the next field).
    clicAuCentre(premierChamp);
    for (const char* reponse : {"1", "2", "3", "P"}) {
        ecran_->xdotool(std::string("type --delay 40 ") + reponse);
        ecran_->xdotool("key Down");
    }
    ecranStable();
    garde(partie(0, 0, 640, 300), "construction_dialog_combo.png");
    ecran_->xdotool("key Return");
    std::string texte;
    ASSERT_TRUE(attends([&] { return (texte = sauveEtLis()).find("P point with") != std::string::npos; }))
        << texte;
    EXPECT_NE(texte.find("P point with coordinates (1,2,3) in coordinate system R"), std::string::npos)
        << texte;
}

// The construction dialog of a point on a segment: clicks on A and B in the
// figure fill its first field ("AB"); Tab then goes to the name's field,
// whatever the pointer clicked last, and Enter makes the point.
TEST_F(FenetresPalette, AfterClicksInTheFigureTabGoesToTheDialogsNextField) {
    const p::Point a = pointALEcran(kFigure, -4, 0, 0), b = pointALEcran(kFigure, 4, 0, 0);
    p::Rectangle premierChamp;
    {
        TfigureKalmetra& f = figureSansEcran(kFigure);
        ouvreDialogueCommande(int16_t(f.numeroFigure), 3);
        TFenDialog* d = fenetreDialogue();
        ASSERT_NE(d, nullptr);
        premierChamp = d->champs[1].cadre;
        KMTermine();
    }
    ASSERT_GT(a.y, premierChamp.bas + 20) << "A lies under the dialog";
    const int avant = sombres(0, 0, kLargeur, 120);
    choisitDansLeMenu(3); // Create > Point > On a segment
    ASSERT_TRUE(attends([&] { return sombres(0, 0, kLargeur, 120) > avant + 100; })) << "no dialog";
    ecranStable();
    const int champVide =
        sombres(premierChamp.gauche, premierChamp.haut, premierChamp.droite, premierChamp.bas);
    clic(a.x, a.y);
    // Away from A past the double-click distance, then B.
    clic(b.x, b.y);
    ASSERT_TRUE(attends([&] {
        return sombres(premierChamp.gauche, premierChamp.haut, premierChamp.droite, premierChamp.bas) >
               champVide + 10;
    })) << "the clicks did not fill the field";
    ecranStable();
    ecran_->xdotool("key Tab");
    ecran_->xdotool("type --delay 40 Q");
    ecran_->xdotool("key Return");
    std::string texte;
    EXPECT_TRUE(attends([&] {
        if (autresFenetres().size() == 1) return true; // a box: the answer was refused
        texte = sauveEtLis();
        return texte.find("Q free point on segment [AB]") != std::string::npos;
    })) << texte;
    EXPECT_TRUE(autresFenetres().empty()) << "the dialog refused the answers (the name went into the points)";
    EXPECT_NE(texte.find("Q free point on segment [AB]"), std::string::npos) << texte;
}

} // namespace
} // namespace km32::tests
