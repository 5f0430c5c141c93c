// Reading and writing whole files.
#include "platform/fichiers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace km32::platform {
namespace {

namespace fs = std::filesystem;

class Fichiers : public ::testing::Test {
  protected:
    fs::path dossier;
    void SetUp() override {
        dossier =
            fs::temp_directory_path() /
            ("km32_fichiers_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }
    std::string nom(const char* n) const { return (dossier / n).string(); }
    void pose(const char* n, const std::string& contenu) const {
        std::ofstream(dossier / n, std::ios::binary) << contenu;
    }
};

TEST_F(Fichiers, ReadingAgainstTheLimit) {
    const std::string quatre("ab\0d", 4);
    pose("quatre", quatre);
    pose("vide", "");
    const struct {
        std::string nom;
        std::size_t limite;
        EtatLecture etat;
        std::string octets;
    } cas[] = {
        {nom("quatre"), 10, EtatLecture::Lu, quatre},
        {nom("quatre"), 4, EtatLecture::Lu, quatre},
        {nom("quatre"), 3, EtatLecture::TropGrand, quatre.substr(0, 3)},
        {nom("quatre"), 0, EtatLecture::TropGrand, ""},
        {nom("vide"), 0, EtatLecture::Lu, ""},
        {nom("absent"), 10, EtatLecture::Absent, ""},
        {nom("absent/sous"), 10, EtatLecture::Absent, ""},
        {"", 10, EtatLecture::Absent, ""},
        {dossier.string(), 10, EtatLecture::Illisible, ""},
    };
    for (const auto& c : cas) {
        ResultatLecture r = litFichier(c.nom, c.limite);
        EXPECT_EQ(r.etat, c.etat) << c.nom << " " << c.limite;
        EXPECT_EQ(r.octets, c.octets) << c.nom << " " << c.limite;
    }
}

TEST_F(Fichiers, AFileLargerThanOneBlockIsReadWhole) {
    std::string gros(200000, 'x');
    gros[150000] = 'y';
    pose("gros", gros);
    EXPECT_EQ(litFichier(nom("gros"), 1 << 20).octets, gros);
    ResultatLecture r = litFichier(nom("gros"), 150000);
    EXPECT_EQ(r.etat, EtatLecture::TropGrand);
    EXPECT_EQ(r.octets, gros.substr(0, 150000));
}

TEST_F(Fichiers, WritingReplacesTheWholeFileAndLeavesNothingBeside) {
    pose("figure.k3v", "an older and longer text");
    ASSERT_TRUE(ecritFichier(nom("figure.k3v"), "new\r\n\xE9"));
    EXPECT_EQ(litFichier(nom("figure.k3v"), 100).octets, "new\r\n\xE9");
    EXPECT_TRUE(fichierExiste(nom("figure.k3v")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);
}

TEST_F(Fichiers, AFailedWriteLeavesNoTrace) {
    EXPECT_FALSE(ecritFichier(nom("absent/figure.k3v"), "x"));
    EXPECT_FALSE(ecritFichier("", "x"));
    fs::create_directory(dossier / "dossier");
    EXPECT_FALSE(ecritFichier(nom("dossier"), "x")); // a directory is not replaced
    EXPECT_TRUE(fs::is_directory(dossier / "dossier"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);
    EXPECT_FALSE(fichierExiste(nom("dossier")));
}

TEST_F(Fichiers, NamesAreLibraryTexts) {
    ASSERT_TRUE(ecritFichier(nom("\xE9t\xE9.k3v"), "x")); // "été" in Windows-1252
    EXPECT_TRUE(fs::exists(dossier / "\xC3\xA9t\xC3\xA9.k3v"));
    EXPECT_TRUE(litFichier(nom("\xE9t\xE9.k3v"), 10).lu());
}

} // namespace
} // namespace km32::platform
