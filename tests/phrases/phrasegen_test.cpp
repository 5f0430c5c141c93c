// The build-time phrase compiler on small data of its own: what it writes for
// good rows, and the rows it refuses.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

#include "phrasegen_chemin.h"
#include "fichier_essai.h"

namespace km32 {
namespace {

namespace fs = std::filesystem;

class Phrasegen : public ::testing::Test {
  protected:
    void SetUp() override {
        dossier_ = fs::temp_directory_path() / ("km32_phrasegen_" + std::to_string(::getpid()));
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }

    void ecris(const std::string& nom, const std::string& contenu) {
        std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
    }
    // Runs the tool; true when it succeeded. sortie gets what it wrote.
    bool lance(std::string& sortie) {
        fs::path cible = dossier_ / "out.cpp";
        std::string commande = std::string("'") + KM32_PHRASEGEN + "' '" + dossier_.string() + "' '" +
                               cible.string() + "' 2>/dev/null";
        if (std::system(commande.c_str()) != 0) return false;
        sortie = essais::contenuFichier(cible);
        return true;
    }

    fs::path dossier_;
};

TEST_F(Phrasegen, ConvertsAndEscapesGoodRows) {
    ecris("fr.tsv", "# comment line\n"
                    "\n"
                    "12\tA\\rB\\\\\xC3\xA9\n"         // A CR B backslash é
                    "3\t\"cote\" 10 \xE2\x82\xAC\r\n" // CRLF line end, euro sign
                    "10000\t" +
                        std::string(254, 'x') + "\xC3\xA9\n"); // 255 bytes once converted
    ecris("fr_ours.tsv", "7\tnotre texte\n");
    std::string sortie;
    ASSERT_TRUE(lance(sortie));
    EXPECT_NE(sortie.find(R"({12, 5, "A\015B\\\351"})"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find(R"({3, 11, "\"cote\" 10 \200"})"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("{10000, 255, "), std::string::npos);
    // Sorted by number whichever file a row came from.
    EXPECT_LT(sortie.find("{3, "), sortie.find("{7, "));
    EXPECT_LT(sortie.find("{7, "), sortie.find("{12, "));
    // Missing files give empty tables.
    EXPECT_NE(sortie.find("tablePhrasesAnglaises{nullptr, 0}"), std::string::npos);
    EXPECT_NE(sortie.find("tablePhrasesAllemandes{nullptr, 0}"), std::string::npos);
}

TEST_F(Phrasegen, RefusesBadRows) {
    struct Cas {
        const char* quoi;
        std::string fr, frOurs;
    };
    const Cas cas[] = {
        {"no Windows-1252 form", "1\t\xE4\xB8\xAD\n", ""},
        {"invalid UTF-8", "1\t\xE9t\xE9\n", ""},
        {"duplicate across files", "1\tun\n", "1\tdeux\n"},
        {"duplicate in one file", "1\tun\n1\tdeux\n", ""},
        {"256 bytes", "1\t" + std::string(256, 'x') + "\n", ""},
        {"256 bytes after conversion", "1\t" + std::string(255, 'x') + "\xC3\xA9\n", ""},
        {"unknown escape", "1\tun\\ndeux\n", ""},
        {"number 0", "0\tz\xC3\xA9ro\n", ""},
        {"number above 10000", "10001\ttq\n", ""},
        {"no tab", "1 un\n", ""},
        {"raw control character", "1\tun\x01\n", ""},
    };
    for (const Cas& c : cas) {
        ecris("fr.tsv", c.fr);
        ecris("fr_ours.tsv", c.frOurs);
        std::string sortie;
        EXPECT_FALSE(lance(sortie)) << c.quoi;
    }
}

} // namespace
} // namespace km32
