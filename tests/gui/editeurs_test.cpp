// The figure text editor, the comment editor and the comment window in km32
// show on a real X display: opened by a key and by the figure's menu, used
// as a person would (a click on a check box, keys in the tree of phrases,
// typing, a click on the palette and on Apply), the saved figure checked for
// what the user did. The places to click come from the same forms laid out
// headless in this process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "ecran_x.h"
#include "session_show.h"
#include "fichier_essai.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/forme_editeur_commentaire.h"
#include "host/fenetres/forme_editeur_figure.h"
#include "host/repartiteur.h"
#include "km32.h"
#include "platform/formes_liees.h"
#include "platform/messages.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;
namespace p = platform;

constexpr uint64_t kGraine = 11;

const std::string kLigneTapee = "C point with coordinates (0,4,0) in coordinate system Rxyz";
const std::string kPhraseDeLArbre = "Front plane maintained";
const std::string kCommentaire = "Segment AB and its two ends";

const p::BoutonLie* bouton(const p::FormeLiee& forme, uint32_t tag) {
    for (const p::BoutonLie& b : forme.boutons)
        if (b.tag == tag) return &b;
    return nullptr;
}

// Where km32 show lays out the two editors: the same host window and figure,
// the forms read headless (the annex windows lie at the host's top left
// corner, and km32 show's window at the screen's).
struct Dispositions {
    p::Rectangle caseListe, appliquer, charger, texte, arbre;
    bool texteFinitParUnRetour = false;
    p::Rectangle texteCommentaire, appliquerCommentaire, enLigne, celluleUne;
};

Dispositions dispositionsSansEcran() {
    Dispositions d;
    auto figure = [] { return figureCommeShow(kFigureSegment, kGraine).numero; };
    KMAfficheEditeurFigure(figure());
    if (TFenetreEditeur* e = fenetreEditeur()) {
        const p::OperationsForme* o = p::formeLiee(e->fenetre);
        d.texteFinitParUnRetour = e->memo.texte.ends_with("\r\n");
        p::envoieMessage(e->fenetre, p::WM_COMMAND, kEdListeDesPhrases, 0);
        const p::FormeLiee forme = o->etat();
        if (const p::BoutonLie* b = bouton(forme, kEdListeDesPhrases)) d.caseListe = b->cadre;
        if (const p::BoutonLie* b = bouton(forme, kEdAppliquer)) d.appliquer = b->cadre;
        if (const p::BoutonLie* b = bouton(forme, kEdCharger)) d.charger = b->cadre;
        if (!forme.champs.empty()) d.texte = forme.champs[0].cadre;
        if (!forme.listes.empty()) d.arbre = forme.listes[0].cadre;
    }
    KMMessage commande{p::WM_COMMAND, 120, 0, 0};
    traiteMessageKMParNumero(figure(), &commande);
    if (TFenEditCom* e = editeurCommentaire()) {
        const p::FormeLiee forme = p::formeLiee(e->fenetre)->etat();
        if (const p::BoutonLie* b = bouton(forme, kEcAppliquer)) d.appliquerCommentaire = b->cadre;
        if (!forme.champs.empty()) d.texteCommentaire = forme.champs[0].cadre;
        d.enLigne = e->cadreEnLigne;
        d.celluleUne = e->cellulesPalette[0];
    }
    KMTermine();
    return d;
}

class Editeurs : public SessionShow {
  protected:
    void SetUp() override {
        disposition_ = dispositionsSansEcran();
        ASSERT_GT(disposition_.arbre.largeur(), 0);
        ASSERT_GT(disposition_.appliquerCommentaire.largeur(), 0);
        demarreSession(kFigureSegment, kGraine);
        if (HasFatalFailure() || IsSkipped()) return;
        activeFigure();
    }

    // A click on an empty place of the figure makes it active (its frame
    // is blue, cyan when another window is active): then it takes the keys.
    void activeFigure() {
        ecran_->xdotool("mousemove 700 560 click 1");
        EXPECT_TRUE(attends([&] {
            const Capture c = ecranActuel();
            if (c.largeur == 0) return false;
            const uint32_t cadre = c.pixel(0, 580);
            return (cadre >> 16) < 0x60 && ((cadre >> 8) & 0xFF) < 0x60 && (cadre & 0xFF) > 0xA0;
        })) << "the figure is not active";
    }

    // The program ends with the display (an editor left open keeps the
    // keys, so no quitting key is sent).
    void TearDown() override { abandonneSession(); }

    using SessionShow::sombres;
    int sombres(const p::Rectangle& r) { return sombres(r.gauche, r.haut, r.droite, r.bas); }

    // Answers the question box that opens with the key (alt+y: Yes), once
    // it shows at rest with the pointer over it.
    void repond(const std::string& touche) {
        ASSERT_TRUE(attendsBoite().has_value()) << "no question";
        ecran_->xdotool("key " + touche);
        ASSERT_TRUE(attends([&] { return autresFenetres().empty(); }));
    }

    // Saves with Ctrl+S over the figure and waits for the file to hold what
    // is looked for.
    std::string sauveEnAttendant(const std::string& cherche) {
        std::string texte;
        EXPECT_TRUE(attends([&] {
            ecran_->xdotool("mousemove 700 560 click 1");
            ecran_->xdotool("key ctrl+s");
            texte = essais::contenuFichier(figure_);
            return texte.find(cherche) != std::string::npos;
        })) << texte;
        return texte;
    }

    using SessionShow::partie;
    Capture partie(const p::Rectangle& r) { return partie(r.gauche, r.haut, r.droite, r.bas); }

    Dispositions disposition_;
};

// The figure's menu opens the editor; its check box shows the tree of phrases;
// a line typed in the text and a phrase taken from the tree with the keys
// (End, +, Down, Enter) go where the user's caret is; Apply, confirmed,
// replaces the figure, which saves with both lines.
TEST_F(Editeurs, TheFigureEditorTakesTypedTextAndAPhraseFromTheTree) {
    const Dispositions& d = disposition_;
    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    commandeDuMenu(4, 3); // Edit > Edit figure text
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }))
        << "the editor's buttons do not show";
    const int arbreAvant = sombres(d.arbre);
    ecran_->xdotool("mousemove " + centre(d.caseListe) + " click 1");
    ASSERT_TRUE(attends([&] { return sombres(d.arbre) > arbreAvant + 200; })) << "no tree of phrases";

    // The caret at the start of the last line ("End of the figure"), a line
    // typed before it.
    ecran_->xdotool("mousemove " + std::to_string(d.texte.gauche + 100) + " " +
                    std::to_string(d.texte.haut + 40) + " click 1");
    ecran_->xdotool("key ctrl+End");
    if (d.texteFinitParUnRetour) ecran_->xdotool("key Up");
    ecran_->xdotool("key Home");
    ecran_->xdotool("type --delay 20 '" + kLigneTapee + "'");
    ecran_->xdotool("key Return");
    // The tree's last group (other sentences) opened, its eighth line
    // activated: it goes before the caret's line.
    ecran_->xdotool("mousemove " + std::to_string(d.arbre.gauche + 80) + " " +
                    std::to_string(d.arbre.haut + 12) + " click 1");
    ecran_->xdotool("key End");
    ecran_->xdotool("key plus");
    for (int k = 0; k < 8; ++k)
        ecran_->xdotool("key Down");
    const int texteAvant = sombres(d.texte);
    ecran_->xdotool("key Return");
    ASSERT_TRUE(attends([&] { return sombres(d.texte) > texteAvant + 50; })) << "nothing was inserted";
    garde(partie({0, 0, 620, 400}), "figure_editor.png");

    ecran_->xdotool("mousemove " + centre(d.appliquer) + " click 1");
    repond("alt+y");
    const std::string texte = sauveEnAttendant(kPhraseDeLArbre);
    EXPECT_NE(texte.find(kLigneTapee), std::string::npos) << texte;
    EXPECT_NE(texte.find("A point"), std::string::npos) << texte;
}

// The editor opened with Ctrl+Shift+E: a typed line goes with Ctrl+Z (the
// whole line at once) and comes back with Ctrl+Shift+Z, then applies. Over
// the figure again, Ctrl+Shift+Z (E released long before, in the editor) is
// the figure's redo and does not open the editor: the next Ctrl+Z undoes
// the text applied.
TEST_F(Editeurs, CtrlZUndoesTheTypedLineAndCtrlShiftZRedoesItWithoutReopeningTheEditor) {
    const Dispositions& d = disposition_;
    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    ecran_->xdotool("key ctrl+shift+e");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }))
        << "the editor's buttons do not show";
    ecran_->xdotool("mousemove " + std::to_string(d.texte.gauche + 100) + " " +
                    std::to_string(d.texte.haut + 40) + " click 1");
    ecran_->xdotool("key ctrl+End");
    if (d.texteFinitParUnRetour) ecran_->xdotool("key Up");
    ecran_->xdotool("key Home");
    const int vide = sombres(d.texte);
    ecran_->xdotool("type --delay 20 '" + kLigneTapee + "'");
    ecran_->xdotool("key Return");
    int tape = 0;
    ASSERT_TRUE(attends([&] { return (tape = sombres(d.texte)) > vide + 300; })) << "nothing typed";
    ecranStable();
    tape = sombres(d.texte);
    ecran_->xdotool("key ctrl+z");
    EXPECT_TRUE(attends([&] { return std::abs(sombres(d.texte) - vide) < 40; }))
        << "Ctrl+Z did not take the whole line back";
    ecran_->xdotool("key ctrl+shift+z");
    EXPECT_TRUE(attends([&] { return std::abs(sombres(d.texte) - tape) < 40; }))
        << "Ctrl+Shift+Z did not bring the line back";
    ecran_->xdotool("mousemove " + centre(d.appliquer) + " click 1");
    repond("alt+y");
    sauveEnAttendant(kLigneTapee);

    // Over the figure (the editor closed): redo, then undo of the apply.
    // The saving clicks may have made a double click, which opens the
    // figure's menu: it is closed first.
    ASSERT_TRUE(attends([&] {
        if (autresFenetres().empty()) return true;
        ecran_->xdotool("key Escape");
        return false;
    }));
    ecranStable();
    ecran_->xdotool("mousemove 700 560 key ctrl+shift+z");
    ecran_->xdotool("key ctrl+z");
    std::string texte;
    ASSERT_TRUE(attends([&] {
        ecran_->xdotool("key ctrl+s");
        texte = essais::contenuFichier(figure_);
        return texte.find(kLigneTapee) == std::string::npos;
    })) << "the figure's undo did not take the applied text back: "
        << texte;
    EXPECT_NE(texte.find("A point"), std::string::npos) << texte;
    EXPECT_LT(sombres(0, 0, 620, d.texte.haut), bandeAvant + 200) << "the editor opened again";
}

// A window made smaller than the editor grows to hold it when it opens: its
// lowest line and its buttons can all be reached.
TEST_F(Editeurs, AWindowSmallerThanTheEditorGrowsToHoldIt) {
    const Dispositions& d = disposition_;
    const std::optional<EcranX::FenetreX> fenetre = principale();
    ASSERT_TRUE(fenetre.has_value());
    // The figure's window, whatever its size.
    const auto taille = [&] {
        for (const EcranX::FenetreX& f : ecran_->fenetres())
            if (f.id == fenetre->id) return std::pair{f.largeur, f.hauteur};
        return std::pair{0, 0};
    };
    ecran_->xdotool("windowsize " + fenetre->id + " 420 320");
    ASSERT_TRUE(attends([&] { return taille() == std::pair{420, 320}; })) << "the window kept its size";
    ecran_->xdotool("mousemove 200 200 key ctrl+shift+e");
    ASSERT_TRUE(attends([&] {
        const auto [largeur, hauteur] = taille();
        return largeur >= d.texte.droite && hauteur >= d.texte.bas;
    })) << "the window did not grow to the editor's "
        << d.texte.droite << " x " << d.texte.bas;
    EXPECT_GT(sombres(d.appliquer), 20) << "no Apply button";
    garde(partie({0, 0, d.texte.droite, d.texte.bas}), "figure_editor_small_window.png");
}

// Apply with a faulty line: once the error is answered, the faulty line is
// selected and the keyboard is back in the text (not on Apply, where a space
// would apply again), so that what is typed next replaces that line.
TEST_F(Editeurs, AfterAFaultyApplyTheFaultyLineIsSelectedAndTypingReplacesIt) {
    const Dispositions& d = disposition_;
    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    commandeDuMenu(4, 3); // Edit > Edit figure text
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }))
        << "the editor's buttons do not show";
    // A faulty line second, after the language's line.
    ecran_->xdotool("mousemove " + std::to_string(d.texte.gauche + 100) + " " +
                    std::to_string(d.texte.haut + 40) + " click 1");
    ecran_->xdotool("key ctrl+Home Down Home");
    ecran_->xdotool("type --delay 20 'Z bogus line'");
    ecran_->xdotool("key Return");
    ecran_->xdotool("mousemove " + centre(d.appliquer) + " click 1");
    repond("Return");
    ecran_->xdotool("mousemove " + std::to_string(d.texte.gauche + 100) + " " +
                    std::to_string(d.texte.bas - 10));
    ecran_->xdotool("type --delay 20 'Q point with coordinates (1,2,3) in coordinate system Rxyz'");
    ecran_->xdotool("mousemove " + centre(d.appliquer) + " click 1");
    repond("alt+y");
    const std::string texte = sauveEnAttendant("Q point with coordinates (1,2,3)");
    EXPECT_EQ(texte.find("bogus"), std::string::npos) << texte;
    EXPECT_NE(texte.find("A point"), std::string::npos) << texte;
}

// The figure's menu opens the comment editor: typed text and a click on the
// palette's first cell (pi) make the comment, Enter stores it; F3 shows it
// (the menu's Show > Comment) in the comment window as a read-only text, which typing does not change.
TEST_F(Editeurs, TheCommentEditorMakesTheCommentTheCommentWindowShows) {
    const Dispositions& d = disposition_;
    const int enLigneAvant = sombres(d.enLigne);
    commandeDuMenu(4, 4); // Edit > Edit comment
    ASSERT_TRUE(attends([&] { return sombres(d.enLigne) > enLigneAvant + 50; })) << "no comment editor";

    const int texteAvant = sombres(d.texteCommentaire);
    ecran_->xdotool("mousemove " + centre(d.texteCommentaire) + " click 1");
    ecran_->xdotool("type --delay 20 '" + kCommentaire + " '");
    ecran_->xdotool("mousemove " + centre(d.celluleUne) + " click 1");
    ASSERT_TRUE(attends([&] { return sombres(d.texteCommentaire) > texteAvant + 100; }));
    ecran_->xdotool("mousemove 300 300");
    garde(partie({0, 0, d.texteCommentaire.droite + 4, d.appliquerCommentaire.bas + 6}),
          "comment_editor.png");
    // Enter in the text applies, as on the form itself (no new line); the
    // caption marks the figure changed.
    EXPECT_EQ(titre().find('*'), std::string::npos) << titre();
    ecran_->xdotool("mousemove " + centre(d.texteCommentaire) + " click 1 key Return");
    EXPECT_TRUE(attends([&] { return titre().ends_with(" *"); })) << "no mark in the caption: " << titre();
    const std::string texte = sauveEnAttendant(kCommentaire + " PI");
    EXPECT_NE(texte.find("A point"), std::string::npos) << texte;

    // The comment window shows the comment; keys typed into it change nothing.
    const int coinAvant = sombres(0, 0, 318, 40);
    commandeDuMenu(2, 4); // Show > Comment
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 318, 40) > coinAvant + 50; })) << "no comment window";
    ecran_->xdotool("mousemove 700 560");
    const p::Rectangle fenetre{0, 0, 318, 60};
    // The window as it shows once painted whole.
    const Capture montree = partie(ecranStable(), fenetre.gauche, fenetre.haut, fenetre.droite, fenetre.bas);
    garde(montree, "comment_window.png");
    // Keys typed into the text change nothing; the menu opened after them
    // shows they were all taken.
    ecran_->xdotool("mousemove 100 20 click 1");
    ecran_->xdotool("type --delay 20 zzz");
    ecran_->xdotool("key BackSpace Delete");
    ASSERT_EQ(ouvreMenuFigure().size(), 1u) << "no menu opened";
    EXPECT_TRUE(partie(fenetre).pixels == montree.pixels) << "the comment window's text changed";
    ecran_->xdotool("key Escape");
    // The close box at its top right corner closes it (the window is 318
    // pixels wide, the least it takes).
    ASSERT_TRUE(attends([&] { return autresFenetres().empty(); })) << "the menu stayed open";
    const p::Rectangle caseFermeture = p::cadreCaseFermeture({0, 0, 318, 60});
    ecran_->xdotool("mousemove " + centre(caseFermeture) + " click 1");
    EXPECT_TRUE(attends([&] { return sombres(0, 0, 318, 40) < coinAvant + 20; }))
        << "the comment window stayed";
}

// An unchanged text applied by the editor, a comment applied, the figure
// saved, a turn of the view saved: one Ctrl+Z takes back the turn alone.
// The figure is then as first saved, comment included, and its caption
// loses the mark; Ctrl+S writes that text.
TEST_F(Editeurs, OneCtrlZAfterTheEditorsApplyAndACommentTakesBackTheLastChangeAlone) {
    const Dispositions& d = disposition_;
    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    ecran_->xdotool("key ctrl+shift+e");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }))
        << "the editor's buttons do not show";
    ecran_->xdotool("mousemove " + centre(d.appliquer) + " click 1");
    repond("alt+y");
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) < bandeAvant + 200; }));
    EXPECT_EQ(titre().find('*'), std::string::npos) << "an unchanged text marked the figure: " << titre();

    const int enLigneAvant = sombres(d.enLigne);
    commandeDuMenu(4, 4); // Edit > Edit comment
    ASSERT_TRUE(attends([&] { return sombres(d.enLigne) > enLigneAvant + 50; })) << "no comment editor";
    ecran_->xdotool("mousemove " + centre(d.texteCommentaire) + " click 1");
    ecran_->xdotool("type --delay 20 hello");
    ecran_->xdotool("key Return");
    ASSERT_TRUE(attends([&] { return titre().ends_with(" *"); })) << titre();
    const std::string sauve = sauveEnAttendant("hello");
    ASSERT_TRUE(attends([&] { return !titre().ends_with(" *"); })) << titre();

    // The saving clicks may have made a double click, which opens the
    // figure's menu: it is closed first. Then the view turned by a key,
    // saved so that the file shows it.
    ASSERT_TRUE(attends([&] {
        if (autresFenetres().empty()) return true;
        ecran_->xdotool("key Escape");
        return false;
    }));
    ecranStable();
    ecran_->xdotool("mousemove 700 560 key shift+Up");
    ASSERT_TRUE(attends([&] { return titre().ends_with(" *"); })) << "the view did not turn";
    std::string tourne;
    ASSERT_TRUE(attends([&] {
        ecran_->xdotool("key ctrl+s");
        tourne = essais::contenuFichier(figure_);
        return tourne != sauve;
    }));
    ecran_->xdotool("key shift+Up");
    ASSERT_TRUE(attends([&] { return titre().ends_with(" *"); })) << "the view did not turn again";
    ecran_->xdotool("key ctrl+z");
    EXPECT_TRUE(attends([&] { return !titre().ends_with(" *"); }))
        << "the figure back as saved keeps the mark: " << titre();
    std::string apres;
    EXPECT_TRUE(attends([&] {
        ecran_->xdotool("key ctrl+s");
        apres = essais::contenuFichier(figure_);
        return apres == tourne;
    })) << "one undo took back more than the last turn: "
        << apres;
    EXPECT_NE(apres.find("hello"), std::string::npos) << apres;
}

// The comment editor keeps the keyboard through a click on its palette:
// Ctrl+Z then undoes the insertion in the text, never the figure behind
// (whose caption would get its mark). Made several times over, each with
// the editor opened afresh, so that no timing of the events decides it;
// Escape then closes the editor, asking first since the text changed.
TEST_F(Editeurs, AfterAClickOnThePaletteCtrlZUndoesTheTextNotTheFigure) {
    const Dispositions& d = disposition_;
    const p::Rectangle& texte = d.texteCommentaire;
    for (int essai = 0; essai < 4; ++essai) {
        SCOPED_TRACE("try " + std::to_string(essai + 1));
        const int enLigneAvant = sombres(d.enLigne);
        commandeDuMenu(4, 4); // Edit > Edit comment
        ASSERT_TRUE(attends([&] { return sombres(d.enLigne) > enLigneAvant + 50; })) << "no comment editor";
        const int vide = sombres(texte);
        ecran_->xdotool("mousemove " + centre(texte) + " click 1");
        ecran_->xdotool("type --delay 20 ab");
        int tape = 0;
        ASSERT_TRUE(attends([&] { return (tape = sombres(texte)) > vide + 8; })) << "nothing typed";
        ecranStable();
        tape = sombres(texte);
        ecran_->xdotool("mousemove " + centre(d.celluleUne) + " click 1");
        ASSERT_TRUE(attends([&] { return sombres(texte) > tape + 8; })) << "the palette inserted nothing";
        ecran_->xdotool("mousemove " + centre(texte));
        ecran_->xdotool("key ctrl+z");
        EXPECT_TRUE(attends([&] { return std::abs(sombres(texte) - tape) < 4; }))
            << "Ctrl+Z did not take the insertion back";
        EXPECT_EQ(titre().find('*'), std::string::npos) << "the figure changed: " << titre();
        // Escape asks before the typed text is lost; Yes closes.
        ecran_->xdotool("key Escape");
        repond("alt+y");
        if (HasFatalFailure()) return;
        ASSERT_TRUE(attends([&] { return sombres(d.enLigne) < enLigneAvant + 20; })) << "the editor stayed";
        EXPECT_EQ(titre().find('*'), std::string::npos) << "the figure changed: " << titre();
    }
}

// Each annex closes with Escape, as with its close box: the figure text
// editor, the comment editor and the comment window (none of them changed,
// so nothing is asked). The figure first gets a comment for the comment
// window to show.
TEST_F(Editeurs, EscapeClosesEachAnnex) {
    const Dispositions& d = disposition_;
    const int enLigneAvant = sombres(d.enLigne);
    commandeDuMenu(4, 4); // Edit > Edit comment
    ASSERT_TRUE(attends([&] { return sombres(d.enLigne) > enLigneAvant + 50; })) << "no comment editor";
    ecran_->xdotool("mousemove " + centre(d.texteCommentaire) + " click 1");
    ecran_->xdotool("type --delay 20 '" + kCommentaire + "'");
    ecran_->xdotool("key Return");
    ASSERT_TRUE(attends([&] { return sombres(d.enLigne) < enLigneAvant + 20; })) << "the editor stayed";
    struct Annexe {
        const char* nom;
        std::function<void()> ouvre;
        p::Rectangle zone; // where the annex shows over the figure
    };
    const Annexe annexes[] = {
        {"figure text editor", [&] { ecran_->xdotool("key ctrl+shift+e"); }, {4, 4, 620, d.texte.haut}},
        {"comment editor", [&] { commandeDuMenu(4, 4); }, {4, 4, 550, d.enLigne.bas}},
        {"comment window", [&] { commandeDuMenu(2, 4); }, {4, 4, 318, 40}},
    };
    for (const Annexe& a : annexes) {
        SCOPED_TRACE(a.nom);
        const auto zone = [&] { return partie(a.zone).pixels; };
        ecranStable();
        const std::vector<uint32_t> avant = zone();
        a.ouvre();
        ASSERT_TRUE(attends([&] { return zone() != avant; })) << "it did not open";
        ecranStable();
        ecran_->xdotool("mousemove 700 560 key Escape");
        EXPECT_TRUE(attends([&] { return zone() == avant; })) << "Escape left it open";
        EXPECT_TRUE(autresFenetres().empty()) << "a question showed";
    }
}

// The editor's Load button opens the toolkit's open dialog: a file's path
// typed in it puts that file's text in the editor, which Apply makes the
// figure.
TEST_F(Editeurs, LoadTakesTheTextOfTheFileChosenInTheOpenDialog) {
    if (!programmePresent("xclip")) GTEST_SKIP() << "xclip is not installed";
    const Dispositions& d = disposition_;
    ASSERT_GT(d.charger.largeur(), 0);
    const fs::path autre = dossier_ / "autre.k3v";
    std::ofstream(autre, std::ios::binary)
        << "Kalmetra figure (English)\r\n"
           "Q point with coordinates (1,2,3) in coordinate system Rxyz\r\n";
    const int bandeAvant = sombres(0, 0, 620, d.texte.haut);
    commandeDuMenu(4, 3); // Edit > Edit figure text
    ASSERT_TRUE(attends([&] { return sombres(0, 0, 620, d.texte.haut) > bandeAvant + 200; }))
        << "the editor's buttons do not show";
    ecran_->xdotool("mousemove " + centre(d.charger) + " click 1");
    std::vector<EcranX::FenetreX> dialogue;
    ASSERT_TRUE(attendsAutresFenetres(1, dialogue, 30)) << "no open dialog";
    // The dialog reads its folder before it takes the typed path.
    attends([&] {
        const std::optional<Capture> c = ecran_->captureFenetre(dialogue[0].id);
        return c && pixelsSombres(*c, 0, 0, c->largeur, c->hauteur).nombre > 500;
    });
    if (std::optional<Capture> c = ecran_->captureFenetre(dialogue[0].id)) garde(*c, "open_dialog.png");
    // The path goes in whole through the clipboard: typed a letter at a time,
    // the dialog's completion of the letters typed so far races the next ones.
    // Return is pressed once the path shows whole in the location field (the
    // paste arrives from the clipboard's owner later than the key): pressed
    // before, it finds the field empty, and where the folder shown holds
    // no file (another working folder) it opens nothing.
    survole(dialogue);
    ecran_->metDansPressePapiers(autre.string(), dossier_.string());
    ecran_->xdotool("key ctrl+l");
    auto champ = [&] {
        const std::optional<Capture> c = ecran_->captureFenetre(dialogue[0].id);
        return c ? pixelsSombres(*c, c->largeur / 5, 0, c->largeur, 45).nombre : 0;
    };
    const int champAvant = champ();
    ecran_->xdotool("key ctrl+a ctrl+v");
    int dernier = -1;
    ASSERT_TRUE(attends([&] {
        const int n = champ(), precedent = dernier;
        dernier = n;
        return n > champAvant + 150 && n == precedent;
    })) << "the pasted path does not show in the location field";
    ecran_->xdotool("key Return");
    ASSERT_TRUE(attends([&] { return autresFenetres().empty(); })) << "the open dialog stayed";
    ecran_->xdotool("mousemove " + centre(d.appliquer) + " click 1");
    repond("alt+y");
    const std::string texte = sauveEnAttendant("Q point with coordinates (1,2,3)");
    EXPECT_EQ(texte.find("A point"), std::string::npos) << texte;
}

} // namespace
} // namespace km32::tests
