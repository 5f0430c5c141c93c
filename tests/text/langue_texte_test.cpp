#include "text/langue_texte.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "phrases_essai.h"
#include "platform/aide.h"
#include "text/mots_cles.h"
#include "text/reconnaissance.h"

namespace km32 {
namespace {

using essai::fixe;

class Langue : public essai::AvecPhrases {
  protected:
    void SetUp() override {
        AvecPhrases::SetUp();
        fixe(1, 2016, "#2 milieu du segment #1");
        fixe(2, 2016, "#2 midpoint of segment #1");
        fixe(1, 2450, "rouge");
        fixe(2, 2450, "red");
        initialiseLangueTexte();
    }
    void TearDown() override {
        ecrisChaineCourte(TQTableDesVariablesPartagees()->repertoireAide, "");
        AvecPhrases::TearDown();
    }
    static uint16_t applique() { return TQTableDesVariablesPartagees()->langueAppliquee; }
    static uint16_t motCle(const char* mot) { return numeroMotCle(tableDesMotsCles(), mot); }
};

TEST_F(Langue, TextLanguageFromTheFirstLine) {
    struct Cas {
        const char* texte;
        uint8_t langue;
    };
    const Cas cas[] = {
        {"Kalmetra figure (English)\r\nFigure Kalmetra", 2},
        {"Kalmetra Figur (Deutsch)\r\n", 3},
        {"Figure Kalmetra\nKalmetra figure (English)", 1},
        {"  Figure Kalmetra  \r\nA point libre", 1},
        {"rien\r\nFigure Kalmetra", 0},
        {"figure kalmetra", 0},
        {"", 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(langueDuTexteFigure(c.texte), c.langue) << c.texte;
}

TEST_F(Langue, ChangeForThisLibraryOnly) {
    const TTableDesModeles* francais = tableDesModeles();
    ASSERT_NE(francais, nullptr);
    changeLangue(0);
    EXPECT_EQ(applique(), 1);
    // The language already applied: nothing is rebuilt.
    fixe(1, 2450, "carmin");
    changeLangue(1);
    EXPECT_EQ(motCle("ROUGE"), 2450);

    changeLangue(2);
    EXPECT_EQ(applique(), 2);
    EXPECT_EQ(motCle("RED"), 2450);
    EXPECT_NE(tableDesModeles(), francais);
    EXPECT_EQ((*tableDesModeles())[16].modele, "\\MIDPOINT OF SEGMENT\\");

    TQTableDesVariablesPartagees()->langueDemandee = 1;
    appliqueLangueDemandee();
    EXPECT_EQ(applique(), 1);
    EXPECT_EQ(tableDesModeles(), francais); // the French table is reused
    EXPECT_EQ(motCle("CARMIN"), 2450);      // the keywords are built again
}

TEST_F(Langue, SystemSwitchRebuildsAndChecks) {
    appliqueLangueSysteme(0);
    EXPECT_EQ(applique(), 1);
    // Even with the language already applied, the keywords are rebuilt and
    // the pattern order checked.
    fixe(1, 2450, "carmin");
    fixe(1, 2017, "#2 milieu du segment #1 et #3");
    libereTablesDesModeles();
    platform::reinitialiseBoites();
    appliqueLangueSysteme(1);
    EXPECT_EQ(motCle("CARMIN"), 2450);
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_EQ(platform::boitesDemandees()[0].titre, "Ordre incorrect 2016 2017");

    appliqueLangueSysteme(2);
    EXPECT_EQ(applique(), 2);
    EXPECT_EQ(motCle("RED"), 2450);
}

TEST_F(Langue, StartWithoutAppliedLanguageBuildsFrench) {
    termineLangueTexte();
    essai::langue(0);
    initialiseLangueTexte();
    EXPECT_EQ(applique(), 0);
    ASSERT_NE(tableDesModeles(), nullptr);
    EXPECT_EQ((*tableDesModeles())[16].modele, "\\MILIEU DU SEGMENT\\");
    EXPECT_EQ(motCle("ROUGE"), 2450);
}

TEST_F(Langue, HelpFileOfTheAppliedLanguage) {
    const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "km32_aide_essai";
    std::filesystem::create_directories(dossier);
    std::ofstream(dossier / "KM32en.HLP") << "aide";
    const std::string avecSeparateur = dossier.string() + "/";
    struct Cas {
        uint16_t langue;
        std::string repertoire;
        std::string chemin;
    };
    const Cas cas[] = {
        {3, "", "KM32de.HLP"},
        {2, avecSeparateur, avecSeparateur + "KM32en.HLP"},
        {3, avecSeparateur, "KM32de.HLP"}, // missing there: the bare name
        {1, "", "KM32.HLP"},
        {0, "", "KM32.HLP"},
    };
    for (const Cas& c : cas) {
        essai::langue(c.langue);
        ecrisChaineCourte(TQTableDesVariablesPartagees()->repertoireAide, c.repertoire);
        platform::aidesDemandees().clear();
        // No help function installed: the request is recorded and refused.
        EXPECT_FALSE(appelleAideKM32(7, 1, 42));
        ASSERT_EQ(platform::aidesDemandees().size(), 1u);
        const platform::DemandeAide& d = platform::aidesDemandees()[0];
        EXPECT_EQ(d.fichier, c.chemin) << c.langue;
        EXPECT_EQ(d.fenetre, 7u);
        EXPECT_EQ(d.commande, 1u);
        EXPECT_EQ(d.donnee, 42u);
    }
    std::filesystem::remove_all(dossier);
}

} // namespace
} // namespace km32
