// Saving a figure through the exports: the file, the figure's path, title
// and modified flag, and a failed save that changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "host/bibliotheque.h"
#include "km32.h"
#include "model/fenetres_figure.h"
#include "model/table_figures.h"
#include "platform/plateforme.h"
#include "sibling/table_partagee.h"
#include "text/ecriture_figure.h"
#include "text/sauvegarde_figure.h"
#include "banc_sauvegarde.h"
#include "fichier_essai.h"

namespace km32 {
namespace {

namespace fs = std::filesystem;

std::string dernierRepertoire() {
    const uint8_t* champ = TQTableDesVariablesPartagees()->dernierRepertoire;
    return std::string(reinterpret_cast<const char*>(champ + 1), champ[0]);
}

using Sauvegarde = essais::BancSauvegarde;

TEST_F(Sauvegarde, SaveWritesTheTextAndTakesTheFileAsPathAndTitle) {
    // A backslash is an ordinary character of a file name here: the part up
    // to the last one is the folder in the system's sense.
    const std::string nom = (dossier / "Figures\\cube.k3v").string();
    figure().modifiee = 1;
    ASSERT_EQ(KMfigureModifiee(numero), 1);
    ASSERT_EQ(KMsauveFigure(numero, nom.c_str()), 0);
    EXPECT_EQ(essais::contenuFichier(nom), ecritTexteFigure(figure()));
    EXPECT_EQ(figure().cheminFichier, nom);
    EXPECT_EQ(figure().nomFigure, "cube");
    EXPECT_EQ(figure().titreFenetre, "cube : ");
    EXPECT_EQ(KMfigureModifiee(numero), 0);
    EXPECT_EQ(dernierRepertoire(), (dossier / "Figures\\").string());
}

TEST_F(Sauvegarde, FailedSaveLeavesTheOldFileAndTheFigureAsTheyWere) {
    const std::string nom = (dossier / "fig.k3v").string();
    ASSERT_EQ(KMsauveFigure(numero, nom.c_str()), 0);
    const std::string ancien = essais::contenuFichier(nom);
    figure().modifiee = 1;
    // A folder in place of the file, a folder that does not exist, no name.
    fs::create_directory(dossier / "dossier.k3v");
    for (const std::string& mauvais :
         {(dossier / "dossier.k3v").string(), (dossier / "absent" / "f.k3v").string()})
        EXPECT_EQ(KMsauveFigure(numero, mauvais.c_str()), 1) << mauvais;
    EXPECT_EQ(KMsauveFigure(numero, nullptr), 1);
    EXPECT_EQ(KMfigureModifiee(numero), 1);
    EXPECT_EQ(figure().cheminFichier, nom);
    EXPECT_EQ(figure().nomFigure, "fig");
    EXPECT_EQ(essais::contenuFichier(nom), ancien);
}

TEST_F(Sauvegarde, NumbersWithoutFigureAreRefused) {
    for (int16_t n : {int16_t(0), int16_t(65), int16_t(-1), int16_t(numero + 1)}) {
        EXPECT_EQ(KMfigureModifiee(n), 0) << n;
        EXPECT_EQ(KMsauveFigure(n, (dossier / "x.k3v").string().c_str()), 1) << n;
    }
    EXPECT_FALSE(fs::exists(dossier / "x.k3v"));
}

TEST(NomNu, BareNamesOfFiles) {
    const std::pair<const char*, const char*> cas[] = {
        {"C:\\Figures\\cube.k3v", "cube"},
        {"plan.draft.k3v", "plan.draft"},
        {"C:cube.k3v", "cube"},
        {"sans-extension", "sans-extension"},
        // A point in a folder's name is not an extension.
        {"D:\\a.b\\c", "c"},
        {"C:\\Figures.v2\\cube.k3v", "cube"},
        {"/tmp/v1.0/plan", "plan"},
        {"/tmp/figures/cube.k3v", "cube"},
    };
    for (const auto& [nom, nu] : cas)
        EXPECT_EQ(nomNuDeFichier(nom), nu) << nom;
}

} // namespace
} // namespace km32
