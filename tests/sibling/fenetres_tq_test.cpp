#include "sibling/fenetres_tq.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "base/texte.h"
#include "platform/boites.h"
#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"
#include "fichier_essai.h"

namespace km32 {
namespace {

namespace fs = std::filesystem;
using platform::ReponseSaisie;

class FenetresTQ : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliothequeTQ();
        platform::reinitialiseBoites();
    }
    void TearDown() override {
        reinitialiseBibliothequeTQ();
        platform::reinitialiseBoites();
    }
};

TEST_F(FenetresTQ, TheInformationBoxShowsOneTextUntilClosed) {
    EXPECT_FALSE(infoObjetTQ().ouverte);
    afficheInfoObj("\\A\\ = \\x^2\\", 120, 45);
    const InfoObjetTQ& i = infoObjetTQ();
    EXPECT_TRUE(i.ouverte);
    EXPECT_EQ(i.texte, "\\A\\ = \\x^2\\");
    EXPECT_EQ(i.x, 120);
    EXPECT_EQ(i.y, 45);
    EXPECT_EQ(i.encombrement, EncomBrementTexteG(i.texte, 0));
    afficheInfoObj("$r\xAB", 1, 2); // a second show replaces the first
    EXPECT_EQ(i.texte, "$r\xAB");
    EXPECT_EQ(i.affichages, 2);
    fermeInfoObj();
    fermeInfoObj(); // closing a closed box does nothing
    EXPECT_FALSE(i.ouverte);
    EXPECT_EQ(i.texte, "$r\xAB");
}

TEST_F(FenetresTQ, TheExpressionWindowAndTheEditorAreApart) {
    montreExpression(7, "\\x+1\\");
    afficheEditeurTexteMathematique(9, "texte");
    EXPECT_EQ(fenetreExpressionTQ().fenetre, 7u);
    EXPECT_EQ(fenetreExpressionTQ().texte, "\\x+1\\");
    fermeFenetreExpression();
    EXPECT_FALSE(fenetreExpressionTQ().ouverte);
    EXPECT_TRUE(editeurTexteMathematiqueTQ().ouverte);
    EXPECT_EQ(editeurTexteMathematiqueTQ().fenetre, 9u);
    termineEditeurTexteMathematique();
    EXPECT_FALSE(editeurTexteMathematiqueTQ().ouverte);
}

TEST_F(FenetresTQ, AnAlertAnswersTheNumberOfTheButtonChosen) {
    struct Cas {
        const char *b1, *b2, *b3;
        int reponseBoite;
        int16_t attendue;
        std::size_t boutons;
    } cas[] = {
        {"Fermer", "Aide générale", "Annuler", platform::kReponseOui, 1, 3},
        {"Fermer", "Aide générale", "Annuler", platform::kReponseNon, 2, 3},
        {"Fermer", "Aide générale", "Annuler", platform::kReponseAnnuler, 3, 3},
        {"Oui", "", "Non", platform::kReponseAnnuler, 2, 2}, // an empty button is left out
        {"Oui", "Non", "", platform::kReponseOk, 1, 2},
        {"", "", "", platform::kReponseOk, 1, 1},      // one OK button
        {"", "", "", platform::kReponseAnnuler, 1, 1}, // closing the box chooses it too
    };
    for (const Cas& c : cas) {
        platform::reponsesPrevues().push_back(ReponseSaisie{c.reponseBoite, {}});
        EXPECT_EQ(TQalerte("Aide particulière", "Prototype", c.b1, c.b2, c.b3), c.attendue)
            << c.b1 << c.reponseBoite;
        EXPECT_EQ(alertesTQ().back().boutons.size(), c.boutons);
    }
    ASSERT_EQ(platform::boitesDemandees().size(), std::size(cas));
    EXPECT_EQ(platform::boitesDemandees()[0].texte, "Aide particulière");
    EXPECT_EQ(platform::boitesDemandees()[0].titre, "Prototype");
    EXPECT_EQ(alertesTQ()[0].boutons, (std::vector<std::string>{"Fermer", "Aide générale", "Annuler"}));
}

class EnregistreSous : public FenetresTQ {
  protected:
    void SetUp() override {
        FenetresTQ::SetUp();
        dossier = fs::temp_directory_path() / ("km32-sous-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override {
        fs::remove_all(dossier);
        FenetresTQ::TearDown();
    }
    fs::path dossier;
};

TEST_F(EnregistreSous, TheNameAskedGetsTheExtensionAndTheTextAndTheDirectoryIsKept) {
    ecrisChaineCourte(TQTableDesVariablesPartagees()->dernierRepertoire, "/ailleurs");
    platform::reponsesPrevues().push_back(ReponseSaisie{platform::kReponseOk, dossier.string() + "/cube"});
    ASSERT_TRUE(EnregistreTexteSous("A point libre\r\n", "k3v"));
    EXPECT_EQ(essais::contenuFichier(dossier / "cube.k3v"), "A point libre\r\n");
    const platform::DemandeBoite& d = platform::boitesDemandees().at(0);
    EXPECT_TRUE(d.saisie);
    EXPECT_EQ(d.valeurInitiale, "/ailleurs/");
    EXPECT_EQ(d.texte, "*.k3v");
    EXPECT_EQ(lisChaineCourte(TQTableDesVariablesPartagees()->dernierRepertoire), dossier.string());

    // A name with an extension keeps it; the next question starts in the new directory.
    platform::reponsesPrevues().push_back(ReponseSaisie{platform::kReponseOk, dossier.string() + "/b.txt"});
    ASSERT_TRUE(EnregistreTexteSous("x", "k3v"));
    EXPECT_EQ(essais::contenuFichier(dossier / "b.txt"), "x");
    EXPECT_EQ(platform::boitesDemandees().at(1).valeurInitiale, dossier.string() + "/");
}

TEST_F(EnregistreSous, NothingIsWrittenWhenRefused) {
    struct Cas {
        const char* texte;
        std::optional<ReponseSaisie> reponse;
        std::size_t questions;
    } cas[] = {
        {nullptr, std::nullopt, 0},
        {"t", ReponseSaisie{platform::kReponseAnnuler, dossier.string() + "/a"}, 1},
        {"t", ReponseSaisie{platform::kReponseOk, ""}, 1},
        {"t", ReponseSaisie{platform::kReponseOk, dossier.string() + "/"}, 1},
        {"t", ReponseSaisie{platform::kReponseOk, dossier.string() + "/absent/a"}, 1},
    };
    for (const Cas& c : cas) {
        platform::reinitialiseBoites();
        if (c.reponse) platform::reponsesPrevues().push_back(*c.reponse);
        EXPECT_FALSE(EnregistreTexteSous(c.texte, "k3v"));
        EXPECT_EQ(platform::boitesDemandees().size(), c.questions);
    }
    std::string long_(65537, 'a');
    EXPECT_FALSE(EnregistreTexteSous(long_.c_str(), "k3v"));
    EXPECT_TRUE(fs::is_empty(dossier));
    EXPECT_EQ(lisChaineCourte(TQTableDesVariablesPartagees()->dernierRepertoire), "");
}

} // namespace
} // namespace km32
