// km32 show as a document window on a real X display, driven by real keys:
// undo never empties the figure as opened, the caption's star follows the
// figure's modified flag, an editor holding text not applied is not lost on
// quitting, a save that fails says why and keeps the star, a file changed
// by another program is not written over without asking, a name the
// library cannot hold is never saved into another file, help answers F1
// and the editor's Help button in the figure's language.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "ecran_x.h"
#include "fichier_essai.h"
#include "host/fenetres/editeur_figure.h"
#include "km32.h"
#include "platform/formes_liees.h"
#include "platform/messages.h"
#include "session_show.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;
namespace p = platform;

constexpr uint64_t kGraine = 5;

const char* const kFigureFrancaise = "Figure Kalmetra\r\n"
                                     "A point de coordonn\xE9"
                                     "es (-4,0,0) dans le rep\xE8re Rxyz\r\n"
                                     "B point de coordonn\xE9"
                                     "es (4,0,0) dans le rep\xE8re Rxyz\r\n";

// Where km32 show lays out the figure text editor: its text and its Help
// button, read from the same form laid out headless.
struct DispositionEditeur {
    p::Rectangle texte, aide;
};

DispositionEditeur dispositionEditeur() {
    DispositionEditeur d;
    KMAfficheEditeurFigure(figureCommeShow(kFigureSegment, kGraine).numero);
    if (TFenetreEditeur* e = fenetreEditeur()) {
        const p::FormeLiee forme = p::formeLiee(e->fenetre)->etat();
        if (!forme.champs.empty()) d.texte = forme.champs[0].cadre;
        for (const p::BoutonLie& b : forme.boutons)
            if (b.tag == kEdAide) d.aide = b.cadre;
    }
    KMTermine();
    return d;
}

class DocumentShow : public SessionShow {
  protected:
    // The one window besides the figure's (a box, a question), once it
    // shows at rest, the pointer over it.
    std::optional<EcranX::FenetreX> boite() { return attendsBoite(); }
    // Answers the box that shows with a key; true once it went.
    bool repond(const std::string& touche) {
        if (!boite()) return false;
        ecran_->xdotool("key " + touche);
        return attends([&] { return autresFenetres().empty(); });
    }
    // The box keeps a screenshot for a reviewer.
    void gardeBoite(const std::string& nom) {
        if (std::optional<EcranX::FenetreX> b = boite())
            if (std::optional<Capture> c = ecran_->captureFenetre(b->id)) garde(*c, nom);
    }
    // A key over the figure, which a click on an empty place makes active
    // first. Two clicks in a row fall far apart: at one place they would
    // make a double click, which opens the figure's menu.
    void touche(const std::string& t) {
        ecran_->xdotool(std::string("mousemove ") + (clics_++ % 2 ? "100" : "700") + " 560 click 1");
        ecran_->xdotool("key " + t);
    }
    int clics_ = 0;
    bool titreDevient(const std::string& attendu) {
        return attends([&] { return titre() == attendu; });
    }
    // Shift+Up turns the view: a change that no undo takes back.
    void tourneVue() { touche("shift+Up"); }
};

// Ctrl+Z on the figure as opened leaves it whole; a midpoint made with the
// construction dialog is undone by Ctrl+Z and redone by Ctrl+Shift+Z; the
// star follows the flag through the change, the save, the undo and redo.
TEST_F(DocumentShow, UndoKeepsTheOpenedFigureAndTheStarFollowsTheModifiedFlag) {
    demarreSession(kFigureSegment, kGraine);
    if (HasFatalFailure() || IsSkipped()) return;
    EXPECT_EQ(titre(), "km32 - figure.k3v");
    touche("ctrl+z");
    std::string texte = sauveEtLis();
    EXPECT_NE(texte.find("s segment [AB]"), std::string::npos) << texte;
    EXPECT_TRUE(titreDevient("km32 - figure.k3v"));

    // Create > Point > Midpoint: the segment, Tab, the midpoint's name.
    choisitDansMenu({"c", "p", "m"});
    ecran_->xdotool("type --delay 40 s");
    ecran_->xdotool("key Tab");
    ecran_->xdotool("type --delay 40 M");
    ecran_->xdotool("key Return");
    ASSERT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
    texte = sauveEtLis();
    EXPECT_NE(texte.find("M midpoint of segment s"), std::string::npos) << texte;
    EXPECT_TRUE(titreDevient("km32 - figure.k3v")) << titre();

    touche("ctrl+z");
    EXPECT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
    texte = sauveEtLis();
    EXPECT_EQ(texte.find("M midpoint"), std::string::npos) << texte;
    EXPECT_NE(texte.find("s segment [AB]"), std::string::npos) << texte;
    touche("ctrl+shift+z");
    EXPECT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
    texte = sauveEtLis();
    EXPECT_NE(texte.find("M midpoint of segment s"), std::string::npos) << texte;

    // A turn of the view shows the star too.
    EXPECT_TRUE(titreDevient("km32 - figure.k3v"));
    tourneVue();
    EXPECT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
}

// A dialog cancelled by Escape changes nothing: the caption shows no star
// once the figure's menu opened after it (so the program handled whatever
// the closing told it); a turn of the view then shows it.
TEST_F(DocumentShow, ADialogCancelledLeavesNoStar) {
    demarreSession(kFigureSegment, kGraine);
    if (HasFatalFailure() || IsSkipped()) return;
    // Create > Point > Midpoint, the segment typed, then Escape.
    choisitDansMenu({"c", "p", "m"});
    ecran_->xdotool("type --delay 40 s");
    ecran_->xdotool("key Escape");
    ASSERT_EQ(ouvreMenuFigure().size(), 1u) << "no menu opened";
    EXPECT_EQ(titre(), "km32 - figure.k3v");
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(attends([&] { return autresFenetres().empty(); })) << "the menu stayed open";
    EXPECT_EQ(titre(), "km32 - figure.k3v");
    tourneVue();
    EXPECT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
}

// Ctrl+Q with a line typed in the figure text editor and not applied asks
// first: No keeps the window and the editor; Yes lets it close.
TEST_F(DocumentShow, QuittingAsksBeforeLosingTextTheEditorHasNotApplied) {
    const DispositionEditeur d = dispositionEditeur();
    ASSERT_GT(d.texte.largeur(), 0);
    demarreSession(kFigureSegment, kGraine);
    if (HasFatalFailure() || IsSkipped()) return;
    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    commandeDuMenu(4, 3); // Edit > Edit figure text
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }))
        << "the editor's buttons do not show";
    const int texteAvant = sombres(d.texte.gauche, d.texte.haut, d.texte.droite, d.texte.bas);
    ecran_->xdotool("mousemove " + centre(d.texte) + " click 1");
    ecran_->xdotool("key ctrl+End Return");
    ecran_->xdotool("type --delay 20 'C point with coordinates (0,4,0) in coordinate system Rxyz'");
    ASSERT_TRUE(attends([&] {
        return sombres(d.texte.gauche, d.texte.haut, d.texte.droite, d.texte.bas) > texteAvant + 50;
    })) << "the typed line does not show";

    ecran_->xdotool("key ctrl+q");
    gardeBoite("quit_with_text_not_applied.png");
    ASSERT_TRUE(repond("alt+n")) << "no question about the editor's text";
    EXPECT_TRUE(ecran_->enCours(programme_)) << "No closed the window";
    EXPECT_EQ(essais::contenuFichier(figure_), kFigureSegment);

    ecran_->xdotool("mousemove " + centre(d.texte) + " click 1");
    ecran_->xdotool("key ctrl+q");
    ASSERT_TRUE(repond("alt+y")) << "no question about the editor's text";
    int statut = -1;
    EXPECT_TRUE(ecran_->attendsFin(programme_, statut)) << "Yes did not close the window";
    EXPECT_EQ(essais::contenuFichier(figure_), kFigureSegment);
}

// The figure's folder removed under it, or its file made read-only: Ctrl+S
// shows why it failed and the star stays; the fault mended, Ctrl+S saves.
TEST_F(DocumentShow, ASaveThatFailsSaysWhyAndKeepsTheStar) {
    demarreSession(kFigureSegment, kGraine, "sous/figure.k3v");
    if (HasFatalFailure() || IsSkipped()) return;
    struct Panne {
        const char* quoi;
        void (*casse)(const fs::path& figure);
        void (*repare)(const fs::path& figure);
    };
    const Panne pannes[] = {
        {"a missing folder", [](const fs::path& f) { fs::remove_all(f.parent_path()); },
         [](const fs::path& f) { fs::create_directories(f.parent_path()); }},
        {"a read-only file", [](const fs::path& f) { fs::permissions(f, fs::perms(0444)); },
         [](const fs::path& f) { fs::permissions(f, fs::perms(0644)); }},
    };
    for (const Panne& p : pannes) {
        SCOPED_TRACE(p.quoi);
        tourneVue();
        ASSERT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
        p.casse(figure_);
        const std::string avant = fs::exists(figure_) ? essais::contenuFichier(figure_) : "";
        touche("ctrl+s");
        const std::optional<EcranX::FenetreX> b = boite();
        ASSERT_TRUE(b.has_value()) << "no message on a failed save";
        EXPECT_EQ(b->nom, "km32");
        gardeBoite(std::string("save_failed") + (p.casse == pannes[0].casse ? "" : "_read_only") + ".png");
        ASSERT_TRUE(repond("Return"));
        EXPECT_EQ(titre(), "km32 - figure.k3v *");
        EXPECT_EQ(fs::exists(figure_) ? essais::contenuFichier(figure_) : "", avant);

        p.repare(figure_);
        const std::string avantReparation = fs::exists(figure_) ? essais::contenuFichier(figure_) : "";
        touche("ctrl+s");
        EXPECT_TRUE(attends([&] {
            return fs::exists(figure_) && essais::contenuFichier(figure_) != avantReparation;
        })) << "Ctrl+S did not save";
        EXPECT_TRUE(titreDevient("km32 - figure.k3v")) << titre();
    }
}

// A file another program wrote since the figure was opened is not written
// over without asking: Cancel keeps the other program's text, Save anyway
// writes the figure.
TEST_F(DocumentShow, AFileChangedByAnotherProgramIsWrittenOverOnlyWhenTheUserSaysSo) {
    demarreSession(kFigureSegment, kGraine);
    if (HasFatalFailure() || IsSkipped()) return;
    tourneVue();
    ASSERT_TRUE(titreDevient("km32 - figure.k3v *")) << titre();
    const std::string autre =
        "Kalmetra figure (English)\r\nQ point with coordinates (1,1,1) in coordinate system "
        "Rxyz\r\nR point with coordinates (2,2,2) in coordinate system Rxyz\r\n";
    std::ofstream(figure_, std::ios::binary | std::ios::trunc) << autre;

    touche("ctrl+s");
    gardeBoite("file_changed_on_disk.png");
    ASSERT_TRUE(repond("Escape")) << "no question on a file changed on disk";
    EXPECT_EQ(essais::contenuFichier(figure_), autre);
    EXPECT_EQ(titre(), "km32 - figure.k3v *");

    touche("ctrl+s");
    ASSERT_TRUE(repond("alt+s")) << "no question on a file changed on disk";
    ASSERT_TRUE(attends([&] { return essais::contenuFichier(figure_).find("A point") != std::string::npos; }))
        << essais::contenuFichier(figure_);
    EXPECT_TRUE(titreDevient("km32 - figure.k3v")) << titre();
    // Written by the figure itself, the file saves again without a question.
    tourneVue();
    const std::string avant = essais::contenuFichier(figure_);
    touche("ctrl+s");
    EXPECT_TRUE(attends([&] { return essais::contenuFichier(figure_) != avant; }));
    EXPECT_TRUE(autresFenetres().empty());
}

// A file whose name the library's characters (Windows-1252) cannot hold, a
// name in another script or a Latin-1 byte that is not UTF-8: Ctrl+S says
// so before anything is written, and never writes the file the name would
// become ("??.k3v", "caf\xC3\xA9.k3v"), which keeps its own text.
TEST_F(DocumentShow, ANameOutsideWindows1252IsRefusedBeforeAnythingIsWritten) {
    struct Cas {
        std::string nom, devenu;
    };
    const Cas cas[] = {{"\xE6\xBC\xA2\xE5\xAD\x97.k3v", "??.k3v"}, {"caf\xE9.k3v", "caf\xC3\xA9.k3v"}};
    const std::string autre = "Kalmetra figure (English)\r\nQ point with coordinates (1,1,1) in coordinate "
                              "system Rxyz\r\n";
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.devenu);
        demarreSession(kFigureSegment, kGraine, c.nom);
        if (HasFatalFailure() || IsSkipped()) return;
        std::ofstream(dossier_ / c.devenu, std::ios::binary) << autre;
        tourneVue();
        ASSERT_TRUE(attends([&] { return titre().size() > 2 && titre().substr(titre().size() - 2) == " *"; }))
            << titre();
        const std::string titreModifie = titre();
        touche("ctrl+s");
        const std::optional<EcranX::FenetreX> b = boite();
        ASSERT_TRUE(b.has_value()) << "no message on a name outside Windows-1252";
        EXPECT_EQ(b->nom, "km32");
        if (&c == &cas[0]) gardeBoite("save_name_outside_1252.png");
        ASSERT_TRUE(repond("Return"));
        EXPECT_EQ(essais::contenuFichier(figure_), kFigureSegment);
        EXPECT_EQ(essais::contenuFichier(dossier_ / c.devenu), autre);
        std::set<std::string> fichiers;
        for (const fs::directory_entry& e : fs::directory_iterator(dossier_))
            if (e.is_regular_file() && e.path().filename() != "show.log")
                fichiers.insert(e.path().filename());
        EXPECT_EQ(fichiers, (std::set<std::string>{c.nom, c.devenu}));
        EXPECT_EQ(titre(), titreModifie) << "the star went without a save";
        TearDown();
    }
}

// '+' and '-' act the same whatever keys make them: typed with Shift, or
// with Ctrl on the keypad, the modifier released between two presses, the
// second press finds the value box the first one showed and changes the
// step.
TEST_F(DocumentShow, PlusAndMinusActAgainWhenTheirModifierIsPressedAgain) {
    struct Cas {
        const char* quoi;
        std::string touche, ligne;
    };
    const Cas cas[] = {
        {"'+' typed with Shift", "shift+equal", "Step of keyboard piloting for a: 0.2"},
        {"Ctrl and the keypad's '-'", "ctrl+KP_Subtract", "Step for rotation using keybord (degrees): 2\r\n"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        demarreSession(kFigureSegment + "a free real in [-10,10]\r\nFree active object for keyboard: a\r\n",
                       kGraine);
        if (HasFatalFailure() || IsSkipped()) return;
        ecran_->xdotool("mousemove 700 560 click 1");
        ecranStable();
        // Two presses, each with its modifier pressed and released: the
        // window paints the box of the first before it reads the second.
        ecran_->xdotool("key " + c.touche);
        ecran_->xdotool("key " + c.touche);
        const std::string texte = sauveEtLis();
        EXPECT_NE(texte.find(c.ligne), std::string::npos) << texte;
        TearDown();
    }
}

// A file named in Cyrillic: the caption names it in its own characters, with
// the star once the figure changed (the save itself is refused, as above).
TEST_F(DocumentShow, TheCaptionNamesAFileInItsOwnCharacters) {
    const std::string nom = "\xD1\x84\xD0\xB8\xD0\xB3\xD1\x83\xD1\x80\xD0\xB0.k3v"; // фигура.k3v
    demarreSession(kFigureSegment, kGraine, nom);
    if (HasFatalFailure() || IsSkipped()) return;
    EXPECT_EQ(titre(), "km32 - " + nom);
    tourneVue();
    EXPECT_TRUE(titreDevient("km32 - " + nom + " *")) << titre();
}

// F1 over the figure shows the contents of the help, the editor's Help
// button the editor's section, each in the figure's language.
TEST_F(DocumentShow, HelpAnswersF1AndTheEditorsHelpButton) {
    const DispositionEditeur d = dispositionEditeur();
    ASSERT_GT(d.aide.largeur(), 0);
    demarreSession(kFigureSegment, kGraine);
    if (HasFatalFailure() || IsSkipped()) return;
    touche("F1");
    std::optional<EcranX::FenetreX> b = boite();
    ASSERT_TRUE(b.has_value()) << "F1 showed no help";
    EXPECT_EQ(b->nom, "km32 help - Contents");
    gardeBoite("help_contents.png");
    ASSERT_TRUE(repond("Return"));

    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    commandeDuMenu(4, 3); // Edit > Edit figure text
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }));
    ecran_->xdotool("mousemove " + centre(d.aide) + " click 1");
    b = boite();
    ASSERT_TRUE(b.has_value()) << "the editor's Help button showed no help";
    EXPECT_EQ(b->nom, "km32 help - Figure text editor");
    ASSERT_TRUE(repond("Return"));
}

TEST_F(DocumentShow, AFrenchFigureGetsHelpAndDialogsInFrench) {
    demarreSession(kFigureFrancaise, kGraine);
    if (HasFatalFailure() || IsSkipped()) return;
    touche("F1");
    std::optional<EcranX::FenetreX> b = boite();
    ASSERT_TRUE(b.has_value()) << "F1 showed no help";
    EXPECT_EQ(b->nom, "Aide de km32 - Sommaire");
    ASSERT_TRUE(repond("Return"));
    touche("ctrl+shift+s");
    EXPECT_TRUE(attends([&] {
        for (const EcranX::FenetreX& f : autresFenetres())
            if (f.nom == "Enregistrer la figure sous") return true;
        return false;
    })) << "no save dialog in French";
    ecran_->xdotool("key Escape");
    EXPECT_TRUE(attends([&] { return autresFenetres().empty(); }));
    // The quit question and its buttons speak French too.
    tourneVue();
    ecran_->xdotool("key ctrl+q");
    gardeBoite("quit_question_fr.png");
    ASSERT_TRUE(repond("alt+a")) << "no quit question";
    EXPECT_TRUE(ecran_->enCours(programme_)) << "Annuler closed the window";
}

} // namespace
} // namespace km32::tests
