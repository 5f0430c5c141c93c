// A figure file the library cannot read is told: the user gets a message
// naming why (the file's name as the title), the host reads -1 from
// KMLigneEnErreur, and the number is still returned with an empty figure. A
// file whose line fails gives that line; a file read whole gives 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "banc_hote.h"
#include "model/registre_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"

namespace km32::essais {
namespace {

namespace fs = std::filesystem;

class FichierNonLu : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        dossier = fs::temp_directory_path() / ("km32-non-lu-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override {
        fs::remove_all(dossier);
        BancHote::TearDown();
    }
    std::string ecrit(const std::string& nom, const std::string& contenu) {
        const std::string chemin = (dossier / nom).string();
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }
    fs::path dossier;
};

TEST_F(FichierNonLu, EachFileThatCannotBeReadIsTold) {
    const std::string figure = "Figure Kalmetra\r\nA point de coordonn\xE9"
                               "es (1,2,3) dans le rep\xE8re Rxyz\r\nFin de la figure";
    // Comment lines pad a valid text to a given length.
    const auto taille = [](std::size_t t) {
        std::string r = "Figure Kalmetra\r\n";
        const std::string fin = "Fin de la figure";
        while (r.size() + fin.size() + 200 < t)
            r += "%" + std::string(97, 'x') + "\r\n";
        r += "%" + std::string(t - r.size() - fin.size() - 3, 'x') + "\r\n";
        return r + fin;
    };
    const std::string longue = taille(65536), juste = taille(65535);
    ASSERT_EQ(juste.size(), 65535u);
    ASSERT_EQ(longue.size(), 65536u);
    struct Cas {
        const char* nom;
        std::string chemin;
        int32_t ligne;   // KMLigneEnErreur
        uint16_t phrase; // the message, 0 for none of ours
        int objets;      // objects of the figure
    };
    const Cas cas[] = {
        {"missing", (dossier / "absent.k3v").string(), -1, 9990, kObjetsPredefinis},
        {"a folder", dossier.string(), -1, 9991, kObjetsPredefinis},
        {"65,536 bytes or more", ecrit("longue.k3v", longue), -1, 9992, kObjetsPredefinis},
        {"a failing line", ecrit("faux.k3v", "Figure Kalmetra\r\nA n'importe quoi\r\n"), 2, 0,
         kObjetsPredefinis},
        {"65,535 bytes", ecrit("juste.k3v", juste), 0, 0, kObjetsPredefinis},
        {"a good file", ecrit("bon.k3v", figure), 0, 0, kObjetsPredefinis + 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        platform::boitesDemandees().clear();
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, c.chemin.c_str(), nullptr, nullptr);
        ASSERT_GT(n, 0);
        EXPECT_EQ(KMLigneEnErreur(n), c.ligne);
        EXPECT_EQ(KMNombreObjets(n), c.objets);
        if (c.phrase != 0) {
            ASSERT_FALSE(platform::boitesDemandees().empty());
            EXPECT_EQ(platform::boitesDemandees().back().texte, phraseDeNumero(c.phrase));
            EXPECT_EQ(platform::boitesDemandees().back().titre, c.chemin);
        } else if (c.ligne == 0) {
            EXPECT_TRUE(platform::boitesDemandees().empty());
        }
        // The next text run on the figure answers for itself.
        KMExecuterTexte(n, figure.c_str());
        EXPECT_EQ(KMLigneEnErreur(n), 0);
        KMDetruitFigure(n);
    }
    // A figure in a window of the caller is told the same.
    platform::boitesDemandees().clear();
    const std::string absent = (dossier / "absent.k3v").string();
    const int32_t n = ::creeFigureKMPourFenetreExterne(hote, absent.c_str(), 0xFFFFFF);
    ASSERT_GT(n, 0);
    EXPECT_EQ(KMLigneEnErreur(int16_t(n)), -1);
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_EQ(platform::boitesDemandees().back().texte, phraseDeNumero(9990));
    KMdetruitFigureMeme(int16_t(n));
}

} // namespace
} // namespace km32::essais
