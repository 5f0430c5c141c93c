// km32 show on a real X display: the save dialog, the clipboard (read and
// written with xclip, as another program would) and the cursor shapes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "ecran_x.h"
#include "session_show.h"
#include "fichier_essai.h"
#include "km32.h"

namespace km32::tests {
namespace {

namespace fs = std::filesystem;

constexpr int kLargeurEcran = 1024, kHauteurEcran = 768;
constexpr uint64_t kGraine = 11;
constexpr uint32_t kWmCommand = 0x0111;

// A figure text without its line ends' differences (CR LF or LF, a last one or not).
std::string lignes(const std::string& texte) {
    std::string t;
    for (char c : texte)
        if (c != '\r') t += c;
    while (!t.empty() && t.back() == '\n')
        t.pop_back();
    return t;
}

std::string sortieDe(const std::string& ligne) {
    std::string s;
    if (FILE* f = popen(ligne.c_str(), "r")) {
        char tampon[4096];
        std::size_t n;
        while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
            s.append(tampon, n);
        pclose(f);
    }
    return s;
}

// What the command line writes back of a figure file (with the seed km32 show was given).
std::string texteCli(const fs::path& figure) {
    return sortieDe(std::string(KM32_CLI) + " text --seed " + std::to_string(kGraine) + " '" +
                    figure.string() + "' 2>/dev/null");
}

// The elements of an SVG document by their tag, once its tags are seen to
// nest properly; nothing when they do not.
std::optional<std::map<std::string, int>> elementsSvg(const std::string& svg) {
    std::map<std::string, int> compte;
    std::vector<std::string> ouverts;
    std::size_t i = 0;
    while ((i = svg.find('<', i)) != std::string::npos) {
        const std::size_t fin = svg.find('>', i);
        if (fin == std::string::npos) return std::nullopt;
        const std::string balise = svg.substr(i + 1, fin - i - 1);
        i = fin + 1;
        if (balise.empty() || balise[0] == '?' || balise[0] == '!') continue;
        if (balise[0] == '/') {
            if (ouverts.empty() || ouverts.back() != balise.substr(1)) return std::nullopt;
            ouverts.pop_back();
            continue;
        }
        const std::string nom = balise.substr(0, balise.find_first_of(" \t\r\n/"));
        ++compte[nom];
        if (balise.back() != '/') ouverts.push_back(nom);
    }
    if (!ouverts.empty()) return std::nullopt;
    return compte;
}

// The width and height an SVG document's root gives (with their unit).
std::string tailleSvg(const std::string& svg) {
    std::smatch m;
    static const std::regex racine(R"re(<svg[^>]*\swidth="([^"]+)"[^>]*\sheight="([^"]+)")re");
    return std::regex_search(svg, m, racine) ? m[1].str() + " x " + m[2].str() : std::string();
}

double millimetres(const std::string& longueur) {
    return std::atof(longueur.c_str());
}

// The picture a figure command puts on the clipboard of the headless
// library, for the same figure in a window of the same size: its SVG and PDF.
struct ImageReference {
    std::string svg, pdf;
};
ImageReference copieSansEcran(uint32_t commandeCopie) {
    const auto [hote, n] = figureCommeShow(kFigureSegmentEtP, kGraine);
    KMMessage m{kWmCommand, commandeCopie, 0, 0};
    traiteMessageKMParNumero(n, &m);
    ImageReference r;
    for (int format : {0, 1}) {
        const uint32_t bloc = KMPressePapiersDessin(format);
        const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
        if (c) (format == 0 ? r.svg : r.pdf) = std::string(c, KMTailleBloc(bloc));
        if (bloc) KMLibereBloc(bloc);
    }
    KMDetruitFigure(n);
    KMDetruitFenetreHote(hote);
    KMTermine();
    return r;
}

// Whether a dialog lies over the top of the figure: its captions are drawn there.
bool dialogueMontre(const Capture& ecran, const Capture& figureSeule) {
    return pixelsSombres(ecran, 0, 0, kLargeur, 110).nombre >
           pixelsSombres(figureSeule, 0, 0, kLargeur, 110).nombre + 100;
}

class FichiersPressePapiers : public SessionShow {
  protected:
    void SetUp() override {
        if (!programmePresent("xclip")) GTEST_SKIP() << "xclip is not installed";
        demarreSession(kFigureSegmentEtP, kGraine);
    }

    std::optional<EcranX::FenetreX> dialogue() {
        for (const EcranX::FenetreX& f : ecran_->fenetres())
            if (f.nom == "Save the figure as") return f;
        return std::nullopt;
    }

    // The save dialog, opened with Ctrl+Shift+S, once it has painted; the
    // pointer over it.
    EcranX::FenetreX ouvreEnregistrerSous() {
        ecran_->xdotool("mousemove 20 20");
        ecran_->xdotool("key ctrl+shift+s");
        std::optional<EcranX::FenetreX> d;
        EXPECT_TRUE(attends([&] { return (d = dialogue()).has_value(); }))
            << "Ctrl+Shift+S opened no save dialog";
        if (!d) return {};
        // The dialog paints its list of files once it has read the folder.
        std::optional<Capture> c;
        EXPECT_TRUE(attends([&] {
            return (c = ecran_->captureFenetre(d->id)) &&
                   pixelsSombres(*c, 0, 0, c->largeur, c->hauteur).nombre > 500;
        })) << "the save dialog shows nothing";
        // Its frame as it is once shown.
        d = dialogue().value_or(*d);
        ecran_->xdotool("mousemove " + std::to_string(d->x + d->largeur / 2) + " " +
                        std::to_string(d->y + d->hauteur / 2));
        return *d;
    }

    bool dialogueOuvert() { return dialogue().has_value(); }

    // The files of the test's folder (the toolkit's settings left out).
    std::set<std::string> fichiers() {
        std::set<std::string> s;
        for (const fs::directory_entry& e : fs::directory_iterator(dossier_))
            if (e.is_regular_file() && e.path().filename() != "show.log" &&
                e.path().filename() != "presse_papiers.txt")
                s.insert(e.path().filename().string());
        return s;
    }
};

TEST_F(FichiersPressePapiers, SaveAsWritesTheFigureUnderTheTypedNameAndTheTitleNamesIt) {
    const std::string attendu = texteCli(figure_);
    ASSERT_NE(attendu.find("End of the figure"), std::string::npos) << attendu;
    EcranX::FenetreX d = ouvreEnregistrerSous();
    // The whole dialog lies on the screen once shown: its name field at the
    // top, its buttons at the bottom.
    EXPECT_TRUE(attends([&] {
        d = dialogue().value_or(d);
        return d.x >= 0 && d.y >= 0 && d.x + d.largeur <= kLargeurEcran && d.y + d.hauteur <= kHauteurEcran;
    })) << "the save dialog lies at "
        << d.x << "," << d.y << " size " << d.largeur << "x" << d.hauteur;
    if (std::optional<Capture> c = ecran_->captureFenetre(d.id)) garde(*c, "save_dialog.png");

    // The name field holds the figure's name, its stem selected: Ctrl+A and
    // the new name replace all of it.
    ecran_->xdotool("key ctrl+a");
    ecran_->xdotool("type --delay 30 copie.k3v");
    ecran_->xdotool("key Return");
    const fs::path copie = dossier_ / "copie.k3v";
    ASSERT_TRUE(attends([&] { return !dialogueOuvert() && fs::exists(copie) && fs::file_size(copie) > 0; }))
        << "the dialog did not save into " << copie;
    // The file holds the figure as the command line writes it, and reads back as the same figure.
    EXPECT_EQ(lignes(essais::contenuFichier(copie)), lignes(attendu));
    EXPECT_EQ(lignes(texteCli(copie)), lignes(attendu));
    // The figure now belongs to the new file; the old one is left as it was.
    EXPECT_TRUE(attends([&] { return titre() == "km32 - copie.k3v"; })) << titre();
    EXPECT_EQ(essais::contenuFichier(figure_), kFigureSegmentEtP);

    // Ctrl+S now saves into the new file, not into the old one.
    fs::remove(copie);
    ecran_->xdotool("mousemove 20 20");
    ecran_->xdotool("key ctrl+s");
    ASSERT_TRUE(attends([&] { return fs::exists(copie); })) << "Ctrl+S did not save into the new file";
    EXPECT_EQ(essais::contenuFichier(figure_), kFigureSegmentEtP);
}

// A name typed without an extension under the filter "Figures (*.k3v)" gets
// it: the file and the caption are "vals2.k3v"; a name with its own
// extension keeps it.
TEST_F(FichiersPressePapiers, SaveAsAddsTheFiltersExtensionToANameWithoutOne) {
    struct Cas {
        std::string tape, fichier;
    };
    for (const Cas& c : {Cas{"vals2", "vals2.k3v"}, Cas{"notes.txt", "notes.txt"}}) {
        SCOPED_TRACE(c.tape);
        ouvreEnregistrerSous();
        ecran_->xdotool("key ctrl+a");
        ecran_->xdotool("type --delay 30 " + c.tape);
        ecran_->xdotool("key Return");
        const fs::path ecrit = dossier_ / c.fichier;
        ASSERT_TRUE(attends([&] {
            return !dialogueOuvert() && fs::exists(ecrit) && fs::file_size(ecrit) > 0;
        })) << "the dialog did not save into "
            << ecrit;
        EXPECT_TRUE(attends([&] { return titre() == "km32 - " + c.fichier; })) << titre();
        EXPECT_EQ(c.tape != c.fichier ? fichiers().count(c.tape) : 0u, 0u) << "a file without extension";
    }
}

// After Save As the figure belongs to the new file: quitting without saving
// later changes names that file on the terminal, not the one first opened.
TEST_F(FichiersPressePapiers, AfterSaveAsTheMessageOnQuittingNamesTheNewFile) {
    ouvreEnregistrerSous();
    ecran_->xdotool("key ctrl+a");
    ecran_->xdotool("type --delay 30 nouveau.k3v");
    ecran_->xdotool("key Return");
    const fs::path nouveau = dossier_ / "nouveau.k3v";
    ASSERT_TRUE(attends([&] { return !dialogueOuvert() && fs::exists(nouveau); })) << "Save As saved nothing";
    ASSERT_TRUE(attends([&] { return titre() == "km32 - nouveau.k3v"; })) << titre();
    // A turn of the view, then Ctrl+Q and No: the change is dropped.
    ecran_->xdotool("mousemove 700 560 click 1");
    ecran_->xdotool("key shift+Up");
    ASSERT_TRUE(attends([&] { return titre() == "km32 - nouveau.k3v *"; })) << titre();
    ecran_->xdotool("key ctrl+q");
    std::vector<EcranX::FenetreX> question;
    ASSERT_TRUE(attendsAutresFenetres(1, question, 30)) << "no question on quitting";
    survole(question);
    ecran_->xdotool("key alt+n");
    int statut = -1;
    ASSERT_TRUE(ecran_->attendsFin(programme_, statut)) << "km32 show did not end";
    const std::string journal = essais::contenuFichier(dossier_ / "show.log");
    EXPECT_NE(journal.find(nouveau.string() + ": the changes were not saved"), std::string::npos) << journal;
    EXPECT_EQ(journal.find("figure.k3v: the changes"), std::string::npos) << journal;
}

TEST_F(FichiersPressePapiers, CancellingTheSaveDialogLeavesFilesAndTitleAsTheyWere) {
    const std::string titreAvant = titre();
    ASSERT_EQ(titreAvant, "km32 - figure.k3v");
    const std::set<std::string> avant = fichiers();
    // Escape, and the Cancel button (at the bottom right, left of Save), each
    // after a name was typed.
    struct Abandon {
        const char* quoi;
        bool bouton;
    };
    for (const Abandon a : {Abandon{"Escape", false}, Abandon{"the Cancel button", true}}) {
        SCOPED_TRACE(a.quoi);
        const EcranX::FenetreX d = ouvreEnregistrerSous();
        ecran_->xdotool("key ctrl+a");
        ecran_->xdotool("type --delay 30 abandon.k3v");
        if (a.bouton) {
            // The buttons sit in the last 24 pixels, the right one is Save.
            ecran_->xdotool("mousemove " + std::to_string(d.x + d.largeur - 140) + " " +
                            std::to_string(d.y + d.hauteur - 24) + " click 1");
        } else {
            ecran_->xdotool("key Escape");
        }
        ASSERT_TRUE(attends([&] { return !dialogueOuvert(); })) << "the dialog stayed open";
        EXPECT_EQ(fichiers(), avant);
        EXPECT_EQ(essais::contenuFichier(figure_), kFigureSegmentEtP);
        EXPECT_EQ(titre(), titreAvant);
        EXPECT_TRUE(ecran_->enCours(programme_));
    }
    // The figure still saves into its own file.
    ecran_->xdotool("mousemove 20 20");
    ecran_->xdotool("key ctrl+s");
    ASSERT_TRUE(attends([&] { return essais::contenuFichier(figure_) != kFigureSegmentEtP; }))
        << "Ctrl+S saved nothing";
    EXPECT_EQ(lignes(essais::contenuFichier(figure_)), lignes(texteCli(figure_)));
}

TEST_F(FichiersPressePapiers, TheMenusPictureCopiesOfferTheFiguresSvgPdfAndPngToOtherPrograms) {
    const std::string rendu = (dossier_ / "rendu.svg").string();
    sortieDe(std::string(KM32_CLI) + " render --seed " + std::to_string(kGraine) + " '" + figure_.string() +
             "' -o '" + rendu + "' 2>/dev/null");
    const std::optional<std::map<std::string, int>> elementsRendu =
        elementsSvg(essais::contenuFichier(rendu));
    ASSERT_TRUE(elementsRendu.has_value()) << "km32 render wrote no SVG";

    // Another program's text is on the clipboard first: each copy takes its place.
    auto texteEtranger = [&] {
        ecran_->metDansPressePapiers("a text of another program", dossier_.string());
        ASSERT_TRUE(
            attends([&] { return ecran_->pressePapiers("UTF8_STRING") == "a text of another program"; }));
    };
    // The picture once the clipboard offers it: its SVG, its PDF, the width
    // and height of both (millimetres, points).
    struct Offre {
        std::string svg, pdf;
        double largeur = 0, hauteur = 0, largeurPdf = 0, hauteurPdf = 0;
    };
    auto offre = [&](const std::string& largeurAttendue) {
        Offre o;
        std::string cibles;
        EXPECT_TRUE(attends([&] {
            cibles = ecran_->pressePapiers("TARGETS");
            return cibles.find("image/svg+xml") != std::string::npos &&
                   (largeurAttendue.empty() ||
                    tailleSvg(ecran_->pressePapiers("image/svg+xml")).rfind(largeurAttendue + " x ", 0) == 0);
        })) << "the clipboard offers: "
            << cibles;
        EXPECT_NE(cibles.find("application/pdf"), std::string::npos) << cibles;
        // A bitmap too, for the programs that paste nothing else.
        EXPECT_NE(cibles.find("image/png"), std::string::npos) << cibles;
        EXPECT_EQ(ecran_->pressePapiers("image/png").rfind("\x89PNG\r\n", 0), 0u);
        // Only a picture: no text is offered any more.
        EXPECT_EQ(cibles.find("UTF8_STRING"), std::string::npos) << cibles;
        o.svg = ecran_->pressePapiers("image/svg+xml");
        o.pdf = ecran_->pressePapiers("application/pdf");
        const std::string taille = tailleSvg(o.svg);
        EXPECT_NE(taille.find("mm x "), std::string::npos) << taille;
        if (taille.find(" x ") != std::string::npos) {
            o.largeur = millimetres(taille);
            o.hauteur = millimetres(taille.substr(taille.find(" x ") + 3));
        }
        // A PDF document with a page.
        EXPECT_EQ(o.pdf.rfind("%PDF-", 0), 0u);
        EXPECT_NE(o.pdf.find("%%EOF", o.pdf.size() > 16 ? o.pdf.size() - 16 : 0), std::string::npos);
        std::smatch m;
        static const std::regex boite(R"(/MediaBox\s*\[\s*0 0 ([0-9.]+) ([0-9.]+)\s*\])");
        EXPECT_TRUE(std::regex_search(o.pdf, m, boite)) << "the PDF has no page";
        if (!m.empty()) {
            o.largeurPdf = std::atof(m[1].str().c_str());
            o.hauteurPdf = std::atof(m[2].str().c_str());
        }
        return o;
    };

    // The figure alone, before any menu or dialog showed.
    const Capture figureSeule = ecranStable();
    ASSERT_GT(figureSeule.largeur, 0) << "no screenshot";
    // Edit > Copy picture (automatic), by the underlined letters.
    texteEtranger();
    choisitDansMenu({"e", "p"});
    const Offre automatique = offre("");
    const ImageReference reference = copieSansEcran(123);
    ASSERT_FALSE(reference.svg.empty());
    // A whole SVG document, the same size and the same elements as the
    // headless library's copy of the same figure.
    const std::optional<std::map<std::string, int>> elements = elementsSvg(automatique.svg);
    ASSERT_TRUE(elements.has_value()) << automatique.svg.substr(0, 300);
    EXPECT_EQ(elements, elementsSvg(reference.svg));
    EXPECT_EQ(tailleSvg(automatique.svg), tailleSvg(reference.svg));
    // The drawing is the one km32 render draws: the three labels (glyphs
    // used), about as many lines, the window's proportions (the copy leaves
    // out the window's border).
    EXPECT_EQ(elements->at("use"), elementsRendu->at("use"));
    EXPECT_NEAR(elements->at("path"), elementsRendu->at("path"), 2);
    ASSERT_GT(automatique.hauteur, 0);
    EXPECT_NEAR(automatique.largeur / automatique.hauteur, double(kLargeur) / kHauteur, 0.02);
    // The PDF page is the same size, in points.
    EXPECT_NEAR(automatique.largeurPdf, automatique.largeur / 25.4 * 72, 1.0);
    EXPECT_NEAR(automatique.hauteurPdf, automatique.hauteur / 25.4 * 72, 1.0);
    std::smatch r;
    ASSERT_TRUE(std::regex_search(reference.pdf, r, std::regex(R"(/MediaBox\s*\[[^\]]*\])")));
    EXPECT_NE(automatique.pdf.find(r[0].str()), std::string::npos) << r[0].str();

    // Edit > Copy picture (adjusted copy) asks in the construction dialog for
    // the picture's width in millimetres (its letter "c" also underlines Edit
    // comment: the first press selects it, Return takes it). The picture
    // keeps the drawing's proportions at the width typed.
    for (const int largeur : {20, 45}) {
        SCOPED_TRACE(std::to_string(largeur) + " mm");
        texteEtranger();
        // The dialog of the copy before is gone from the screen: the one
        // looked for next is the new one.
        ASSERT_TRUE(attends([&] { return !dialogueMontre(ecranActuel(), figureSeule); }));
        choisitDansMenu({"e", "c", "Return"});
        ASSERT_TRUE(attends([&] { return dialogueMontre(ecranActuel(), figureSeule); }))
            << "the adjusted copy opened no dialog";
        ecran_->xdotool("mousemove 600 450");
        ecran_->xdotool("key ctrl+a");
        ecran_->xdotool("type --delay 40 " + std::to_string(largeur));
        ecran_->xdotool("key Return");
        const Offre ajustee = offre(std::to_string(largeur) + "mm");
        EXPECT_DOUBLE_EQ(ajustee.largeur, largeur);
        EXPECT_NEAR(ajustee.hauteur, largeur * automatique.hauteur / automatique.largeur, 0.01);
        EXPECT_NEAR(ajustee.largeurPdf, largeur / 25.4 * 72, 0.5);
        EXPECT_NEAR(ajustee.hauteurPdf, ajustee.hauteur / 25.4 * 72, 0.5);
        // The labels are drawn in it too.
        EXPECT_EQ(elementsSvg(ajustee.svg).value_or(std::map<std::string, int>{}).count("use"), 1u);
    }
}

TEST_F(FichiersPressePapiers, TextPastedFromAnotherProgramFillsTheConstructionDialog) {
    // Another program puts the segment's name on the clipboard.
    ecran_->metDansPressePapiers("s", dossier_.string());
    ASSERT_TRUE(attends([&] { return ecran_->pressePapiers("UTF8_STRING") == "s"; }));
    // Create > Point > Midpoint opens the construction dialog, its first
    // field (the segment) taking the keys. Its field is looked at once the
    // dialog is painted whole: the pasted text comes later than the key, from
    // the clipboard's owner.
    const Capture figureSeule = ecranStable();
    choisitDansMenu({"c", "p", "m"});
    const Capture avant = ecranStable([&](const Capture& c) { return dialogueMontre(c, figureSeule); });
    ASSERT_TRUE(dialogueMontre(avant, figureSeule)) << "no construction dialog";
    ecran_->xdotool("mousemove 600 450");
    ecran_->xdotool("key ctrl+v");
    std::optional<Capture> colle;
    ASSERT_TRUE(attends([&] {
        return (colle = ecran_->capture()) && pixelsSombres(*colle, 150, 0, 400, 80).nombre >
                                                  pixelsSombres(avant, 150, 0, 400, 80).nombre + 5;
    })) << "the pasted text does not show in the dialog's field";
    ecran_->xdotool("key Tab");
    ecran_->xdotool("type --delay 40 M");
    ecran_->xdotool("key Return");
    // The figure got the midpoint of the segment named by the pasted text.
    std::string texte;
    ASSERT_TRUE(attends([&] {
        ecran_->xdotool("mousemove 20 20");
        ecran_->xdotool("key ctrl+s");
        texte = essais::contenuFichier(figure_);
        return texte.find("M midpoint of segment s") != std::string::npos;
    })) << texte;
    // The clipboard still holds the other program's text.
    EXPECT_EQ(ecran_->pressePapiers("UTF8_STRING"), "s");
}

TEST_F(FichiersPressePapiers, TheCursorShowsTheGestureUnderWay) {
    if (!ecran_->curseur()) GTEST_SKIP() << "the X server does not report its cursor (XFixes)";
    // A click on an empty place activates the figure.
    ecran_->xdotool("mousemove 30 570 click 1");
    std::optional<EcranX::CurseurX> repos;
    ASSERT_TRUE(attends([&] { return (repos = ecran_->curseur()) && repos->nom == "default"; }))
        << "at rest: " << (repos ? repos->nom : "");
    // During a turn with the right button the cursor shows the gesture; it
    // comes back when the button is released.
    struct Geste {
        const char* quoi;
        const char* modificateur;
    };
    std::vector<EcranX::CurseurX> vus{*repos};
    for (const Geste g : {Geste{"turn", nullptr}}) {
        SCOPED_TRACE(g.quoi);
        if (g.modificateur) ecran_->xdotool(std::string("keydown ") + g.modificateur);
        ecran_->xdotool("mousemove 100 500 mousedown 3");
        ecran_->xdotool("mousemove_relative -- 0 8");
        std::optional<EcranX::CurseurX> pendant;
        EXPECT_TRUE(attends([&] { return (pendant = ecran_->curseur()) && !(*pendant == *repos); }))
            << "the cursor did not change";
        ecran_->xdotool("mouseup 3");
        if (g.modificateur) ecran_->xdotool(std::string("keyup ") + g.modificateur);
        std::optional<EcranX::CurseurX> apres;
        EXPECT_TRUE(attends([&] { return (apres = ecran_->curseur()) && *apres == *repos; }))
            << "the cursor did not come back: " << (apres ? apres->nom : "");
        if (pendant) {
            // Another shape, not only another name.
            EXPECT_TRUE(pendant->empreinte != repos->empreinte || pendant->xChaud != repos->xChaud ||
                        pendant->yChaud != repos->yChaud);
            for (const EcranX::CurseurX& v : vus)
                EXPECT_FALSE(*pendant == v) << "two gestures show the same cursor: " << pendant->nom;
            vus.push_back(*pendant);
        }
    }
}

} // namespace
} // namespace km32::tests

namespace km32::tests {
namespace {

// A file named in Cyrillic: Save As proposes its name in its own characters
// (read from the name field through the clipboard); Save on that name writes
// no file of question marks, nor another file: the library cannot name it.
TEST_F(FichiersPressePapiers, SaveAsProposesACyrillicNameAsItIsAndWritesNoOtherFile) {
    if (IsSkipped()) return;
    abandonneSession();
    const std::string nom = "\xD1\x84\xD0\xB8\xD0\xB3\xD1\x83\xD1\x80\xD0\xB0.k3v"; // фигура.k3v
    demarreSession(kFigureSegmentEtP, kGraine, nom);
    if (HasFatalFailure() || IsSkipped()) return;
    const std::string avant = essais::contenuFichier(figure_);
    ouvreEnregistrerSous();
    ASSERT_TRUE(dialogueOuvert());
    ecran_->xdotool("key ctrl+a ctrl+c");
    std::string propose;
    EXPECT_TRUE(attends([&] { return (propose = ecran_->pressePapiers("UTF8_STRING")) == nom; }))
        << "proposed: " << propose;
    // Save, and whatever the dialogs ask then answered by their default.
    ecran_->xdotool("key Return");
    ecranStable();
    ASSERT_TRUE(attends([&] {
        if (autresFenetres().empty()) return true;
        ecran_->xdotool("key Escape");
        return false;
    }));
    EXPECT_EQ(fichiers(), (std::set<std::string>{nom}));
    EXPECT_EQ(essais::contenuFichier(figure_), avant);
}

} // namespace
} // namespace km32::tests
