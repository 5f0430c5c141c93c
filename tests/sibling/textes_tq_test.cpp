#include "sibling/textes_tq.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"
#include "fichier_essai.h"

namespace km32 {
namespace {

namespace fs = std::filesystem;

class TextesTQ : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliothequeTQ();
        dossier = fs::temp_directory_path() / ("km32-textes-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override {
        fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dossier);
        reinitialiseBibliothequeTQ();
    }
    // The files of the folder: a save must leave no temporary file behind.
    std::size_t nombreDeFichiers() const {
        return std::size_t(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()));
    }
    fs::path dossier;
};

TEST_F(TextesTQ, SaveWritesTheBytesAndReplacesTheOldFile) {
    fs::path f = dossier / "fig.k3v";
    const std::string texte = "Figure Kalmetra\r\nA point libre dans l'espace\r\n% \xE9t\xE9\r\n";
    ASSERT_TRUE(TQEnregistreTexte(texte.c_str(), f.string()));
    EXPECT_EQ(essais::contenuFichier(f), texte);
    ASSERT_TRUE(TQEnregistreTexte("court", f.string()));
    EXPECT_EQ(essais::contenuFichier(f), "court");
    EXPECT_EQ(nombreDeFichiers(), 1u);
}

TEST_F(TextesTQ, WindowsNameIsSavedUnderItsUtf8Name) {
    ASSERT_TRUE(TQEnregistreTexte("x", (dossier / "cube\xE9.k3v").string()));
    EXPECT_TRUE(fs::exists(dossier / "cube\xC3\xA9.k3v"));
}

TEST_F(TextesTQ, FailedSaveLeavesTheOldFileIntact) {
    fs::path f = dossier / "fig.k3v";
    ASSERT_TRUE(TQEnregistreTexte("ancien", f.string()));
    fs::create_directory(dossier / "dossier.k3v");
    const std::string tropLong(kTailleMaxTexteTQ + 1, 'a');

    EXPECT_FALSE(TQEnregistreTexte("nouveau", (dossier / "dossier.k3v").string())); // a directory
    EXPECT_TRUE(fs::is_directory(dossier / "dossier.k3v"));
    EXPECT_FALSE(TQEnregistreTexte("nouveau", (dossier / "absent" / "f.k3v").string()));
    EXPECT_FALSE(TQEnregistreTexte(tropLong.c_str(), f.string()));
    EXPECT_FALSE(TQEnregistreTexte(nullptr, f.string()));
    EXPECT_FALSE(TQEnregistreTexte("nouveau", ""));
    EXPECT_FALSE(TQEnregistreTexte("nouveau", std::string(256, 'n')));
    EXPECT_EQ(essais::contenuFichier(f), "ancien");
    EXPECT_EQ(nombreDeFichiers(), 2u);
}

TEST_F(TextesTQ, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    fs::path f = dossier / "fig.k3v";
    ASSERT_TRUE(TQEnregistreTexte("ancien", f.string()));
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(TQEnregistreTexte("nouveau", f.string()));
    fs::permissions(dossier, fs::perms::owner_all);
    EXPECT_EQ(essais::contenuFichier(f), "ancien");
    EXPECT_EQ(nombreDeFichiers(), 1u);
}

TEST_F(TextesTQ, SaveOfTheLongestTextSucceeds) {
    const std::string texte(kTailleMaxTexteTQ, 'z');
    ASSERT_TRUE(TQEnregistreTexte(texte.c_str(), (dossier / "long.k3v").string()));
    EXPECT_EQ(fs::file_size(dossier / "long.k3v"), kTailleMaxTexteTQ);
}

TEST_F(TextesTQ, InstalledTextsAreKeptInOrder) {
    std::string texte = "Figure Kalmetra\r\nM milieu du segment [AB]";
    TQInstalleTexteFigureNouvelleEspace(texte.c_str());
    texte[0] = 'X'; // the sibling took its own copy during the call
    TQInstalleTexteFigureNouvelleEspace("second");
    ASSERT_EQ(TQTextesInstalles().size(), 2u);
    EXPECT_EQ(TQTextesInstalles()[0], "Figure Kalmetra\r\nM milieu du segment [AB]");
    EXPECT_EQ(TQTextesInstalles()[1], "second");
}

TEST_F(TextesTQ, DefaultFigureTextIsNamedByTheSharedTable) {
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    EXPECT_EQ(TQTexteFigureDefaut(), nullptr);
    TQDefinitTexteFigureDefaut("Figure Kalmetra\r\nA point libre dans l'espace");
    EXPECT_NE(t->texteFigureDefaut, 0u);
    ASSERT_NE(TQTexteFigureDefaut(), nullptr);
    EXPECT_STREQ(TQTexteFigureDefaut(), "Figure Kalmetra\r\nA point libre dans l'espace");
    uint32_t id = t->texteFigureDefaut;
    t->texteFigureDefaut = id + 1000; // names no kept text
    EXPECT_EQ(TQTexteFigureDefaut(), nullptr);
    t->texteFigureDefaut = id;
    TQDefinitTexteFigureDefaut("");
    EXPECT_EQ(t->texteFigureDefaut, 0u);
    EXPECT_EQ(TQTexteFigureDefaut(), nullptr);
}

} // namespace
} // namespace km32
