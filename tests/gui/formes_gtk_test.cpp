// The toolkit's widgets of a bound form, in this process on an X server of
// the test's own: a form of every kind is shown, real input is sent with
// xdotool, and the model must receive what a person did (and the widgets
// show what the model changes).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "disposition_reelle.h"
#include "ecran_x.h"
#include "platform/affichage.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"
#include "platform/messages.h"

#ifdef KM32_AVEC_AFFICHAGE
#include <gtk/gtk.h>

#include "platform/gtk/affichage_gtk.h"
#endif

// The toolkit and its libraries keep caches for the life of the process,
// which the leak check of the sanitizer build would count.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libgtk-3\nleak:libgdk-3\nleak:libglib-2.0\nleak:libgobject-2.0\nleak:libgio-2.0\n"
           "leak:libfontconfig\nleak:libpango\nleak:libcairo\nleak:libharfbuzz\nleak:libatk\n"
           "leak:libatk-bridge\nleak:libdbus\nleak:libX11\nleak:libgdk_pixbuf\nleak:libepoxy\n";
}

namespace km32::tests {
namespace {

namespace p = platform;

constexpr int kX = 50, kY = 40; // where the form's window lies on the screen
constexpr uint32_t kTagBouton = 11, kTagCase = 12, kTagInactif = 13, kTagDepotListe = 14, kTagDepotArbre = 15;
enum { kEntree = 1, kTexte = 2, kListe = 3, kArbre = 4, kCombo = 5 };

// The model the form shows, and what the user did to it.
struct Modele {
    std::string entree = "abc";
    std::string texte = "l1\r\nl2";
    uint32_t debut = 6, longueur = 0;
    std::vector<bool> selectionListe = {false, false, false};
    std::vector<bool> selectionArbre = {false, false, false, false};
    int choisi = 0;
    bool coche = false;
    int clics = 0, clicsInactif = 0, activations = 0, ligneActivee = -1, echaps = 0, choixListe = 0,
        suppressions = 0, fermetures = 0, pressions = 0;
    std::vector<uint32_t> touchesHote;
    std::vector<uint32_t> selectionsRecues;
    std::vector<uint32_t> depots; // the commands of lines dragged between the lists
};

Modele& modele() {
    static Modele m;
    return m;
}

p::FormeLiee etatForme() {
    const Modele& m = modele();
    p::FormeLiee f;
    f.champs.push_back({.numero = kEntree, .cadre = {10, 10, 200, 34}, .texte = m.entree});
    f.champs.push_back({.numero = kTexte,
                        .cadre = {10, 40, 200, 140},
                        .texte = m.texte,
                        .multiligne = true,
                        .debutSelection = m.debut,
                        .longueurSelection = m.longueur});
    f.boutons.push_back({.tag = kTagBouton, .cadre = {220, 10, 320, 36}, .libelle = "Go"});
    f.boutons.push_back({.tag = kTagCase, .cadre = {220, 50, 360, 74}, .libelle = "Check", .coche = m.coche});
    f.boutons.push_back({.tag = kTagInactif, .cadre = {220, 90, 320, 116}, .libelle = "Off", .actif = false});
    f.etiquettes.push_back({.cadre = {220, 130, 400, 150}, .texte = "Libell\xe9"});
    f.etiquettes.push_back(
        {.cadre = {220, 310, 400, 330}, .texte = "Vert", .fond = p::rgb(0, 128, 0), .encre = p::kBlanc});
    f.caseFermeture = true;
    p::ListeLiee liste{
        .numero = kListe, .cadre = {10, 160, 200, 300}, .colonnes = {"x", "y"}, .tagDepot = kTagDepotListe};
    const char* const cellules[3][2] = {{"1", "2"}, {"3", "4"}, {"5", "6"}};
    for (int k = 0; k < 3; ++k)
        liste.lignes.push_back(
            {.cellules = {cellules[k][0], cellules[k][1]}, .selectionnee = m.selectionListe[k]});
    f.listes.push_back(liste);
    p::ListeLiee arbre{.numero = kArbre, .cadre = {220, 160, 400, 300}, .tagDepot = kTagDepotArbre};
    const int niveaux[4] = {0, 1, 1, 0};
    const char* const noms[4] = {"Points", "A", "B", "Droites"};
    for (int k = 0; k < 4; ++k)
        arbre.lignes.push_back(
            {.cellules = {noms[k]}, .niveau = niveaux[k], .selectionnee = m.selectionArbre[k]});
    f.listes.push_back(arbre);
    f.combos.push_back({.numero = kCombo,
                        .cadre = {10, 310, 200, 340},
                        .elements = {"un", "deux", "trois"},
                        .choisi = m.choisi});
    return f;
}

int32_t procedure(p::Fenetre, uint32_t message, uint32_t wParam, int32_t) {
    Modele& m = modele();
    if (message == p::WM_COMMAND && wParam == kTagBouton) ++m.clics;
    if (message == p::WM_COMMAND && wParam == kTagCase) m.coche = !m.coche;
    if (message == p::WM_COMMAND && wParam == kTagInactif) ++m.clicsInactif;
    if (message == p::WM_KEYDOWN && wParam == p::VK_ESCAPE) ++m.echaps;
    if (message == p::WM_KEYDOWN && wParam == p::VK_DELETE) ++m.suppressions;
    if (message == p::WM_TOUCHE_HOTE) m.touchesHote.push_back(wParam);
    if (message == p::WM_CLOSE) ++m.fermetures;
    if (message == p::WM_LBUTTONDOWN) ++m.pressions;
    if (message == p::WM_COMMAND && (wParam == kTagDepotListe || wParam == kTagDepotArbre))
        m.depots.push_back(wParam);
    return 0;
}

class FormeReelle : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const std::string raison = empecheEssaisGraphiques(); !raison.empty()) GTEST_SKIP() << raison;
        modele() = Modele{};
        ecran_ = std::make_unique<EcranX>();
        ASSERT_TRUE(ecran_->pret()) << "Xvfb did not start";
        setenv("DISPLAY", ecran_->affichage().c_str(), 1);
        // A server just started on a loaded machine may refuse the first
        // connection: the display is asked for again for a while.
        ASSERT_TRUE(attends([] { return p::demarreAffichageReel(); }, 30));
        fenetre_ = p::creeFenetre(p::kAucuneFenetre, {kX, kY, kX + 420, kY + 360}, procedure, false);
        p::changeTitreFenetre(fenetre_, "formes");
        p::OperationsForme o;
        o.etat = etatForme;
        o.changeTexte = [](int numero, const std::string& t) {
            if (numero == kEntree) modele().entree = t;
            if (numero == kTexte) modele().texte = t;
        };
        o.changeSelection = [](int numero, uint32_t debut, uint32_t longueur) {
            if (numero != kTexte) return;
            modele().debut = debut;
            modele().longueur = longueur;
            modele().selectionsRecues.push_back(debut);
        };
        o.choisitLignes = [](int numero, const std::vector<bool>& s) {
            if (numero == kListe) modele().selectionListe = s, ++modele().choixListe;
            if (numero == kArbre) modele().selectionArbre = s;
        };
        o.activeLigne = [](int numero, int ligne) {
            if (numero != kListe) return;
            ++modele().activations;
            modele().ligneActivee = ligne;
        };
        o.choisitElement = [](int numero, int element) {
            if (numero == kCombo) modele().choisi = element;
        };
        p::inscritFormeLiee(fenetre_, std::move(o));
        p::afficheFenetre(fenetre_, true);
        ASSERT_TRUE(tourne([&] { return trouvee(); })) << "the form's window did not show";
        // Input goes to the controls once the toolkit has placed them.
        ASSERT_TRUE(attendsFormeAffichee(fenetre_)) << "the form's controls did not show";
    }

    void TearDown() override {
        if (fenetre_ != p::kAucuneFenetre) p::detruitFenetre(fenetre_);
        ecran_.reset();
    }

    bool trouvee() {
        for (const EcranX::FenetreX& f : ecran_->fenetres())
            if (f.nom == "formes") return true;
        return false;
    }

    // Handles the toolkit's events until the condition holds or the time
    // passed (polling every 10 ms); whether it held.
    bool tourne(const std::function<bool()>& condition, int secondes = 20) {
        return tourneJusqua(condition, secondes);
    }

    // Input at a point of the form's client area.
    void clic(int x, int y, const std::string& suite = "click 1") {
        ecran_->xdotool("mousemove " + std::to_string(kX + x) + " " + std::to_string(kY + y) + " " + suite);
    }

    // The form as the model would change it, brought to the widgets.
    void modeleChange(const std::function<void(Modele&)>& change) {
        change(modele());
        p::invalideFenetre(fenetre_);
        tourne([] { return true; });
    }

    std::unique_ptr<EcranX> ecran_;
    p::Fenetre fenetre_ = p::kAucuneFenetre;
};

TEST_F(FormeReelle, ButtonsAndCheckBoxesSendTheirCommandsAndFollowTheModel) {
    const Modele& m = modele();
    clic(270, 23);
    ASSERT_TRUE(tourne([&] { return m.clics == 1; }));
    clic(240, 62);
    ASSERT_TRUE(tourne([&] { return m.coche; })) << "the check box did not reach the model";
    clic(240, 62);
    ASSERT_TRUE(tourne([&] { return !m.coche; }));
    // A disabled button takes no click.
    clic(270, 103);
    clic(270, 23);
    ASSERT_TRUE(tourne([&] { return m.clics == 2; }));
    EXPECT_EQ(m.clicsInactif, 0);
    // The label is drawn where the model put it (once the toolkit painted it).
    std::optional<Capture> capture;
    EXPECT_TRUE(tourne([&] {
        return (capture = ecran_->capture()) &&
               pixelsSombres(*capture, kX + 220, kY + 130, kX + 400, kY + 150).nombre > 10;
    })) << "no label drawn";
}

// A label with a background paints it over the window's drawing, its text
// in its own colour; the close box asks the window to close.
TEST_F(FormeReelle, ALabelsBackgroundCoversTheDrawingAndTheCloseBoxAsksTheWindowToClose) {
    const auto compte = [](const Capture& c, uint32_t couleur) {
        int n = 0;
        for (int y = kY + 310; y < kY + 330; ++y)
            for (int x = kX + 220; x < kX + 400; ++x)
                n += c.pixel(x, y) == couleur;
        return n;
    };
    std::optional<Capture> c;
    ASSERT_TRUE(tourne([&] { return (c = ecran_->capture()) && compte(*c, 0x008000) > 2000; }))
        << "the label's background does not show";
    EXPECT_GT(compte(*c, 0xFFFFFF), 10) << "no text in the label's colour";

    // A label takes no click: it reaches the window under it.
    const Modele& m = modele();
    clic(380, 320);
    ASSERT_TRUE(tourne([&] { return m.pressions == 1; }))
        << "the click on the label did not reach the window";
    const p::Rectangle caseFermeture = p::cadreCaseFermeture({0, 0, 420, 360});
    clic((caseFermeture.gauche + caseFermeture.droite) / 2, (caseFermeture.haut + caseFermeture.bas) / 2);
    ASSERT_TRUE(tourne([&] { return m.fermetures == 1; })) << "the close box sent no WM_CLOSE";
    EXPECT_EQ(m.clics, 0);
}

// Lines dragged from one list onto another send the window the command of
// the list they came from; a drag within one list sends nothing.
TEST_F(FormeReelle, LinesDraggedOntoAnotherListSendTheCommandOfTheListTheyCameFrom) {
    const Modele& m = modele();
    // The toolkit's events handled for a while: the drag's messages to and
    // from the list under the pointer go to and fro before the drop.
    const auto laisse = [&](int ms) {
        for (int k = 0; k < ms / 10; ++k) {
            p::traiteEvenementsAffichage();
            usleep(10000);
        }
    };
    const auto glisse = [&](int x0, int y0, int x1, int y1) {
        clic(x0, y0, "mousedown 1");
        laisse(100);
        for (int k = 1; k <= 8; ++k) {
            clic(x0 + (x1 - x0) * k / 8, y0 + (y1 - y0) * k / 8, "");
            laisse(50);
        }
        clic(x1 + 2, y1, "");
        laisse(300);
        clic(x1 + 2, y1, "mouseup 1");
    };
    // A drop the toolkit refused (the button released before the lists had
    // answered the drag's moves, on a loaded machine) sends nothing: the
    // drag is made again.
    const auto depose = [&](int x0, int y0, int x1, int y1) {
        const std::size_t avant = m.depots.size();
        for (int essai = 0; essai < 3; ++essai) {
            glisse(x0, y0, x1, y1);
            if (tourne([&] { return m.depots.size() > avant; }, 5)) return true;
        }
        return false;
    };
    // The list's second line (under its heading row) onto the tree.
    ASSERT_TRUE(depose(60, 215, 300, 230)) << "the drop sent no command";
    ASSERT_EQ(m.depots.size(), 1u);
    EXPECT_EQ(m.depots[0], kTagDepotListe);
    // The line pressed became the list's selection first.
    EXPECT_EQ(m.selectionListe, (std::vector<bool>{false, true, false}));
    // Back from the tree onto the list: the tree's command.
    ASSERT_TRUE(depose(300, 175, 60, 215)) << "the drop sent no command";
    ASSERT_EQ(m.depots.size(), 2u);
    EXPECT_EQ(m.depots[1], kTagDepotArbre);
    // Within the list itself: nothing.
    glisse(60, 190, 60, 260);
    tourne([&] { return false; }, 1);
    EXPECT_EQ(m.depots.size(), 2u);
}

TEST_F(FormeReelle, TextsGoBothWaysWithTheCaretInTheModelsBytes) {
    const Modele& m = modele();
    // One-line entry: the model holds the text typed.
    clic(100, 22);
    ecran_->xdotool("key End type --delay 20 xy");
    ASSERT_TRUE(tourne([&] { return m.entree == "abcxy"; })) << m.entree;
    // The entry takes the Ctrl keys it knows (select all, then typing
    // replaces); the others are the host's.
    ecran_->xdotool("key ctrl+a type --delay 20 z");
    ASSERT_TRUE(tourne([&] { return m.entree == "z"; })) << m.entree;
    ecran_->xdotool("key ctrl+s");
    ASSERT_TRUE(tourne([&] { return !m.touchesHote.empty(); }));
    EXPECT_EQ(m.touchesHote, std::vector<uint32_t>{'S'});
    // Several lines: the model's CR LF is one character of the toolkit; the
    // caret the model gives is where the typing goes.
    // A click right of the first line puts the caret at its end.
    clic(100, 48);
    ASSERT_TRUE(tourne([&] { return m.debut == 2; })) << m.debut;
    modeleChange([](Modele& mm) {
        mm.debut = 4; // after "l1\r\n": the start of the second line
        mm.longueur = 0;
    });
    ecran_->xdotool("type --delay 20 Z");
    ASSERT_TRUE(tourne([&] { return m.texte == "l1\r\nZl2"; })) << m.texte;
    EXPECT_EQ(m.debut, 5u);
    ecran_->xdotool("key End Return type --delay 20 w");
    ASSERT_TRUE(tourne([&] { return m.texte == "l1\r\nZl2\r\nw"; })) << m.texte;
    EXPECT_EQ(m.debut, uint32_t(m.texte.size()));
    // A text the model replaces is shown, and typing follows it.
    modeleChange([](Modele& mm) {
        mm.texte = "XYZ";
        mm.debut = 1;
    });
    ecran_->xdotool("type --delay 20 q");
    ASSERT_TRUE(tourne([&] { return m.texte == "XqYZ"; })) << m.texte;
    // Esc goes to the form's window.
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(tourne([&] { return m.echaps == 1; }));
}

TEST_F(FormeReelle, ListsTreesAndCombosReportTheUsersChoiceAndShowTheModels) {
    const Modele& m = modele();
    // The heading row comes first: a click low in the list picks a line, a
    // double click activates it.
    clic(60, 230);
    ASSERT_TRUE(tourne([&] { return m.choixListe > 0; }));
    int choisie = -1;
    for (std::size_t k = 0; k < m.selectionListe.size(); ++k)
        if (m.selectionListe[k]) choisie = int(k);
    ASSERT_GE(choisie, 0);
    EXPECT_EQ(std::count(m.selectionListe.begin(), m.selectionListe.end(), true), 1);
    clic(60, 230, "click --repeat 2 --delay 80 1");
    ASSERT_TRUE(tourne([&] { return m.activations == 1; }));
    EXPECT_EQ(m.ligneActivee, choisie);
    // Delete in a list goes to the form's window.
    ecran_->xdotool("key Delete");
    ASSERT_TRUE(tourne([&] { return m.suppressions == 1; }));
    // The keyboard moves the selection down a line.
    ecran_->xdotool("key Down");
    ASSERT_TRUE(tourne([&] { return choisie + 1 < 3 && m.selectionListe[std::size_t(choisie + 1)]; }));
    // The model's selection is shown without coming back as the user's.
    const int avant = m.choixListe;
    modeleChange([](Modele& mm) { mm.selectionListe = {true, false, false}; });
    EXPECT_EQ(m.choixListe, avant);
    // A tree: the model selects a child of a closed heading; the heading opens
    // and its lines take room, so the last heading moves down.
    const auto avantArbre = ecran_->capture();
    ASSERT_TRUE(avantArbre);
    const PixelsSombres a = pixelsSombres(*avantArbre, kX + 222, kY + 162, kX + 398, kY + 298);
    modeleChange([](Modele& mm) { mm.selectionArbre = {false, false, true, false}; });
    // The tree shows the change once the toolkit painted it.
    PixelsSombres b;
    tourne([&] {
        const auto apresArbre = ecran_->capture();
        if (apresArbre) b = pixelsSombres(*apresArbre, kX + 222, kY + 162, kX + 398, kY + 298);
        return b.nombre > a.nombre && b.y > a.y;
    });
    EXPECT_GT(b.nombre, a.nombre) << "the two child lines were not shown";
    EXPECT_GT(b.y, a.y);
    // A combo box: the wheel over it chooses the next entry.
    clic(100, 325, "click 5");
    ASSERT_TRUE(tourne([&] { return m.choisi == 1; })) << m.choisi;
}

// Tab goes from field to field in the form's order, past a button that
// stands between them on the screen, then to the buttons; Shift+Tab goes
// back; Escape with a button's keyboard still reaches the window.
TEST_F(FormeReelle, TabGoesFieldToFieldInTheFormsOrderAndEscapeLeavesAnyControl) {
    static std::string textes[3];
    for (std::string& t : textes)
        t.clear();
    p::OperationsForme o;
    o.etat = [] {
        p::FormeLiee f;
        f.champs.push_back({.numero = 1, .cadre = {10, 10, 150, 34}, .texte = textes[1]});
        f.champs.push_back({.numero = 2, .cadre = {10, 80, 150, 104}, .texte = textes[2]});
        // The button beside and between the two fields, and one under them.
        f.boutons.push_back({.tag = 20, .cadre = {160, 36, 200, 66}, .libelle = "..."});
        f.boutons.push_back({.tag = kTagBouton, .cadre = {10, 120, 100, 146}, .libelle = "Go"});
        return f;
    };
    o.changeTexte = [](int numero, const std::string& t) {
        if (numero == 1 || numero == 2) textes[numero] = t;
    };
    p::inscritFormeLiee(fenetre_, std::move(o));
    p::invalideFenetre(fenetre_);
    ASSERT_TRUE(attendsFormeAffichee(fenetre_)) << "the form's controls did not show";
    clic(80, 22);
    ecran_->xdotool("type --delay 30 r");
    ASSERT_TRUE(tourne([] { return textes[1] == "r"; })) << textes[1];
    ecran_->xdotool("key Tab");
    ecran_->xdotool("type --delay 30 n");
    ASSERT_TRUE(tourne([] { return textes[2] == "n"; }))
        << "the second field did not take the keys: '" << textes[2] << "'";
    EXPECT_EQ(textes[1], "r");
    // On to the buttons: Escape from there reaches the window; Shift+Tab
    // goes back to the second field, whose text it selects (as the toolkit
    // does): typing replaces it.
    const Modele& m = modele();
    ecran_->xdotool("key Tab");
    ecran_->xdotool("key Escape");
    ASSERT_TRUE(tourne([&] { return m.echaps == 1; })) << "Escape from a button did not reach the window";
    ecran_->xdotool("key shift+Tab");
    ecran_->xdotool("type --delay 30 o");
    ASSERT_TRUE(tourne([] { return textes[2] == "o"; })) << textes[2];
    EXPECT_EQ(textes[1], "r");
}

#ifdef KM32_AVEC_AFFICHAGE
// The close request of a top-level window (a window manager's close button,
// Alt+F4) closes the window shown inside it that has a close box of its own
// first, as it would a dialog over the program's window; without one, the
// top-level window gets it.
TEST_F(FormeReelle, ACloseRequestGoesToTheInnerWindowWithACloseBoxFirst) {
    static int fermeturesInterieures = 0;
    fermeturesInterieures = 0;
    const p::Fenetre interieure = p::creeFenetre(
        fenetre_, {10, 10, 200, 120},
        [](p::Fenetre, uint32_t message, uint32_t, int32_t) {
            if (message == p::WM_CLOSE) ++fermeturesInterieures;
            return 0;
        },
        true);
    p::OperationsForme o;
    o.etat = [] {
        p::FormeLiee f;
        f.caseFermeture = true;
        return f;
    };
    p::inscritFormeLiee(interieure, std::move(o));
    p::invalideFenetre(fenetre_);
    auto demandeFermeture = [&] {
        GtkWidget* w = p::gtk::fenetreGtkDe(fenetre_);
        ASSERT_NE(w, nullptr);
        gtk_window_close(GTK_WINDOW(w));
    };
    const Modele& m = modele();
    demandeFermeture();
    ASSERT_TRUE(tourne([&] { return fermeturesInterieures == 1; }))
        << "the inner window was not asked to close";
    EXPECT_EQ(m.fermetures, 0);
    // Hidden, it is not what a close request closes any more.
    p::afficheFenetre(interieure, false);
    demandeFermeture();
    ASSERT_TRUE(tourne([&] { return m.fermetures == 1; })) << "the top-level window was not asked to close";
    EXPECT_EQ(fermeturesInterieures, 1);
    p::detruitFenetre(interieure);
}
#endif

} // namespace
} // namespace km32::tests
