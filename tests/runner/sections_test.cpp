// Comment lines, the comment section, deferred start commands and their
// later run, the snapshot stack, the validation and installation of a text
// file, and the example figures.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "banc_texte.h"
#include "comparaison_figure.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "sibling/textes_tq.h"
#include "fichier_essai.h"

namespace km32::essai {
namespace {

const char* const kEntete = "Figure Kalmetra\r\nA point de coordonnées (0,0,0) dans le repère Rxyz\r\n";

TEST_F(BancTexte, EndAndCommentHeadingsCutTheText) {
    struct Cas {
        const char* suite;
        bool commentaire;
        const char* texte;
    };
    const Cas cas[] = {
        // Lines after the end line are not run.
        {"Fin de la figure\r\nZ milieu du segment [AQ]\r\n", false, ""},
        // No end line: everything runs.
        {"B point de coordonnées (1,0,0) dans le repère Rxyz", false, ""},
        // A heading right above the end line is not run.
        {"Commentaire\r\n  \r\nFin de la figure", false, ""},
        {"Commentaire\r\nDeux lignes\r\n  de commentaire.\r\n\r\nFin de la figure", true,
         "Deux lignes\r\n  de commentaire."},
        {"Description de l'interface\r\nA: un point\r\nFin de la figure", true, "A: un point"},
    };
    for (const Cas& c : cas) {
        reinitialiseFigure(f);
        f.texteCommentaire.reset();
        EXPECT_EQ(lis(std::string(kEntete) + c.suite), 0) << c.suite;
        EXPECT_EQ(bool(f.texteCommentaire), c.commentaire) << c.suite;
        if (f.texteCommentaire) {
            EXPECT_EQ(*f.texteCommentaire, c.texte);
        }
    }
}

TEST_F(BancTexte, CommentLinesAndStartCommandsBecomeStoredExtraLines) {
    ASSERT_EQ(lis(std::string(kEntete) +
                  "  % une remarque\r\nM milieu du segment [AA]\r\nSélection pour trace: M\r\n"
                  "Démarrer en mode trace\r\nFin de la figure"),
              0);
    ASSERT_TRUE(f.lignesDifferees);
    EXPECT_EQ(f.lignesDifferees->rfind("\r\n% une remarque", 0), 0u);
    // The start command is kept in its coded form, not run.
    EXPECT_NE(f.lignesDifferees->find(";\\;2264"), std::string::npos);
    EXPECT_EQ(f.modeTrace, 0);
    EXPECT_EQ(lignesDiffereesEnAttente(f), 1);

    // Their later run, as lines run for real.
    placeFigure(3, std::move(figure));
    TfigureKalmetra& g = *figureDeNumero(3);
    executeTexteFigureParNumero(3);
    EXPECT_EQ(g.modeTrace, 1);
    EXPECT_EQ(lignesDiffereesEnAttente(g), 0);
    EXPECT_TRUE(g.lignesDifferees);
    figure = std::make_unique<TfigureKalmetra>();
    videTableDesFigures();
}

TEST_F(BancTexte, FailedTextKeepsTheStoredExtraLines) {
    f.lignesDifferees = std::make_unique<std::string>("avant");
    EXPECT_EQ(lis(std::string(kEntete) + "% remarque\r\nligne fausse\r\n"), 4);
    EXPECT_EQ(*f.lignesDifferees, "avant");
    EXPECT_EQ(lis(""), 0);
    EXPECT_EQ(*f.lignesDifferees, "avant");
}

TEST_F(BancTexte, ExtraLinesCutRemarksAndSkipCommentLines) {
    const std::string lignes = "\r\n% seule\r\n  Mode trace % et une remarque\t\r\n\r\nSortir";
    std::size_t p = 0;
    uint16_t compteur = 1;
    std::string ligne;
    ASSERT_TRUE(lisLigneSuivante(lignes, p, ligne, compteur));
    EXPECT_EQ(ligne, "Mode trace");
    ASSERT_TRUE(lisLigneSuivante(lignes, p, ligne, compteur));
    EXPECT_EQ(ligne, "Sortir");
    EXPECT_FALSE(lisLigneSuivante(lignes, p, ligne, compteur));
}

TEST_F(BancTexte, SnapshotRestoreBringsBackObjectsTablesAndTexts) {
    ASSERT_EQ(lis("Figure Kalmetra\r\nA point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                  "B point de coordonnées (2,0,0) dans le repère Rxyz\r\n"
                  "C point de coordonnées (0,2,0) dans le repère Rxyz\r\n"
                  "D point de coordonnées (0,0,2) dans le repère Rxyz\r\n"
                  "T polyèdre convexe de sommets A,B,C,D\r\n"),
              0);
    f.texteCommentaire = std::make_unique<std::string>("commentaire");
    std::unique_ptr<TfigureKalmetra> avant;
    copieFigure(f, avant);
    avant->texteCommentaire = std::make_unique<std::string>("commentaire");

    ASSERT_TRUE(empileInstantane(f));
    ASSERT_EQ(ligne("E milieu du segment [AB]"), 0);
    ASSERT_EQ(ligne("Dessin de A: rouge"), 0);
    f.texteCommentaire.reset();
    f.anglesVue[0] = 1;
    restaureInstantane(f);
    attendMemeFigure(f, *avant);
    EXPECT_EQ(etatInstantanes().nombreInstantanes(), 0);
    ASSERT_TRUE(f.tableDesPolyedres);
    EXPECT_TRUE(defini("T"));

    // Push then drop leaves the figure as it is.
    ASSERT_TRUE(empileInstantane(f));
    depileInstantane();
    attendMemeFigure(f, *avant);
    // Drop and restore on an empty stack do nothing.
    depileInstantane();
    restaureInstantane(f);
    attendMemeFigure(f, *avant);
}

// Operations nest (a line inside a text inside a dialog's command): however
// many snapshots are held, a creation line still runs under one of its own,
// a failed one is rolled back, and the snapshots below come off in order.
TEST_F(BancTexte, CreationLinesRunWhateverTheNumberOfSnapshotsHeld) {
    for (int k = 0; k < 12; ++k) {
        ASSERT_EQ(ligne("x" + std::to_string(k) + " = " + std::to_string(k)), 0) << k;
        ASSERT_TRUE(empileInstantane(f));
    }
    ASSERT_EQ(etatInstantanes().nombreInstantanes(), 12);
    EXPECT_EQ(ligne("A point de coordonnées (0,0,0) dans le repère Rxyz"), 0);
    EXPECT_NE(numero("A"), 0);
    // A failing creation leaves the figure as it was and the stack as it was.
    EXPECT_NE(ligne("B milieu du segment [AZ]"), 0);
    EXPECT_EQ(numero("B"), 0);
    EXPECT_EQ(etatInstantanes().nombreInstantanes(), 12);
    // Each restore gives back the figure of its own push, the newest first.
    for (int k = 11; k >= 0; --k) {
        restaureInstantane(f);
        EXPECT_EQ(numero("x" + std::to_string(k)), numeroObjetDeNotation(f, "x" + std::to_string(k))) << k;
        EXPECT_EQ(f.nombreObjets, kObjetsPredefinis + k + 1) << k;
    }
    EXPECT_EQ(etatInstantanes().nombreInstantanes(), 0);
}

TEST_F(BancTexte, ValidationUsesAFigureOfItsOwnAndShowsNothing) {
    EXPECT_EQ(valideTexteFigureNouvelle(windows1252DeUtf8(std::string(kEntete) + "Fin de la figure")), 0);
    EXPECT_EQ(valideTexteFigureNouvelle(windows1252DeUtf8(std::string(kEntete) + "faux\r\n")), 3);
    EXPECT_TRUE(platform::boitesDemandees().empty());
    EXPECT_EQ(f.nombreObjets, kObjetsPredefinis);
}

TEST_F(BancTexte, ValidTextFileIsInstalledInTheSibling) {
    const std::string bon = ::testing::TempDir() + "km32_bon.k3v";
    const std::string faux = ::testing::TempDir() + "km32_faux.k3v";
    std::ofstream(bon, std::ios::binary) << windows1252DeUtf8(std::string(kEntete) + "Fin de la figure");
    std::ofstream(faux, std::ios::binary) << windows1252DeUtf8(std::string(kEntete) + "faux");
    reinitialiseTextesTQ();
    EXPECT_TRUE(KMInstalleTexteFigureNouvelle(bon));
    EXPECT_FALSE(KMInstalleTexteFigureNouvelle(faux));
    EXPECT_FALSE(KMInstalleTexteFigureNouvelle(::testing::TempDir() + "km32_absent.k3v"));
    ASSERT_EQ(TQTextesInstalles().size(), 1u);
    EXPECT_EQ(TQTextesInstalles()[0], windows1252DeUtf8(std::string(kEntete) + "Fin de la figure"));
    std::remove(bon.c_str());
    std::remove(faux.c_str());
}

TEST_F(BancTexte, CubeExampleRuns) {
    // The examples sit beside the tests folder.
    std::string racine = KM32_FIXTURES;
    racine.erase(racine.rfind("/tests/"));
    const std::string contenu = essais::contenuFichier(racine + "/examples/cube.k3v");
    ASSERT_FALSE(contenu.empty());
    GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
    ASSERT_EQ(executeTexteDeFigure(f, contenu, 2), 0);
    EXPECT_TRUE(platform::boitesDemandees().empty());
    EXPECT_TRUE(defini("P"));
    attendPoint(pt("M"), 0, 0, 0);
    ASSERT_TRUE(f.lignesDifferees);
    EXPECT_EQ(f.lignesDifferees->rfind("\r\n%", 0), 0u);
}

} // namespace
} // namespace km32::essai
