// The scripted message-box service.
#include "platform/boites.h"

#include <gtest/gtest.h>

#include "platform/plateforme.h"

namespace km32::platform {
namespace {

class Boites : public ::testing::Test {
  protected:
    void SetUp() override { reinitialisePlateforme(); }
    void TearDown() override { reinitialisePlateforme(); }
};

TEST_F(Boites, EveryRequestIsRecordedAsGiven) {
    boiteMessage("Structure satur\xE9"
                 "e",
                 "Erreur", kBoutonOk | kIconeErreur | kModalTache);
    boiteSaisie("Ligne",
                "Ligne \xE0 ex\xE9"
                "cuter",
                "A point libre");
    ASSERT_EQ(boitesDemandees().size(), 2u);
    const DemandeBoite& d = boitesDemandees()[0];
    EXPECT_EQ(d.texte, "Structure satur\xE9"
                       "e");
    EXPECT_EQ(d.titre, "Erreur");
    EXPECT_EQ(d.style, uint32_t(kBoutonOk | kIconeErreur | kModalTache));
    EXPECT_FALSE(d.saisie);
    const DemandeBoite& s = boitesDemandees()[1];
    EXPECT_TRUE(s.saisie);
    EXPECT_EQ(s.titre, "Ligne");
    EXPECT_EQ(s.texte, "Ligne \xE0 ex\xE9"
                       "cuter");
    EXPECT_EQ(s.valeurInitiale, "A point libre");
}

TEST_F(Boites, DefaultAnswers) {
    const struct {
        uint32_t style;
        int reponse;
    } cas[] = {
        {kBoutonOk, kReponseOk},
        {kBoutonsOkAnnuler, kReponseOk},
        {kBoutonsOuiNon | kIconeQuestion, kReponseOui},
        {kBoutonsOuiNonAnnuler | kIconeExclamation | kDeuxiemeBoutonParDefaut, kReponseOui},
    };
    for (const auto& c : cas)
        EXPECT_EQ(boiteMessage("t", "c", c.style), c.reponse) << c.style;
    EXPECT_EQ(boiteSaisie("t", "i", "initial"), std::optional<std::string>("initial"));
}

TEST_F(Boites, ScriptedAnswersAreUsedInOrder) {
    reponsesPrevues().push_back({kReponseNon, ""});
    reponsesPrevues().push_back({kReponseOk, "B milieu de [AC]"});
    reponsesPrevues().push_back({kReponseAnnuler, "ignored"});
    EXPECT_EQ(boiteMessage("Enregistrer ?", "Figure", kBoutonsOuiNonAnnuler), kReponseNon);
    EXPECT_EQ(boiteSaisie("t", "i", "x"), std::optional<std::string>("B milieu de [AC]"));
    EXPECT_EQ(boiteSaisie("t", "i", "x"), std::nullopt);
    EXPECT_TRUE(reponsesPrevues().empty());
    EXPECT_EQ(boiteMessage("t", "c", kBoutonsOuiNon), kReponseOui); // script spent: the default again
}

TEST_F(Boites, FileDialogsAreRecordedAndAnsweredFromTheScript) {
    reponsesPrevues().push_back({kReponseOk, "/home/\xE9l\xE8ve/cube.k3v"});
    reponsesPrevues().push_back({kReponseAnnuler, "/tmp/ignored.k3v"});
    reponsesPrevues().push_back({kReponseOk, ""}); // OK without a name: nothing chosen
    reponsesPrevues().push_back({kReponseOk, "/tmp/copie.k3v"});
    EXPECT_EQ(dialogueOuvrirFichier("Ouvrir", "*.k3v", "/home"),
              std::optional<std::string>("/home/\xE9l\xE8ve/cube.k3v"));
    EXPECT_EQ(dialogueOuvrirFichier("Ouvrir", "*.k3v", "/home"), std::nullopt);
    EXPECT_EQ(dialogueEnregistrerFichier("Enregistrer", "*.k3v", "/tmp", "cube.k3v"), std::nullopt);
    EXPECT_EQ(dialogueEnregistrerFichier("Enregistrer", "*.k3v", "/tmp", "cube.k3v"),
              std::optional<std::string>("/tmp/copie.k3v"));
    // The script spent, nobody chooses a file: cancelled.
    EXPECT_EQ(dialogueOuvrirFichier("Ouvrir", "*.k3v", "/home"), std::nullopt);
    EXPECT_EQ(dialogueEnregistrerFichier("Enregistrer", "*.k3v", "/tmp", "cube.k3v"), std::nullopt);
    ASSERT_EQ(boitesDemandees().size(), 6u);
    const DemandeBoite& o = boitesDemandees()[0];
    EXPECT_EQ(o.fichier, kDialogueOuvrir);
    EXPECT_EQ(o.titre, "Ouvrir");
    EXPECT_EQ(o.filtre, "*.k3v");
    EXPECT_EQ(o.repertoire, "/home");
    EXPECT_FALSE(o.saisie);
    const DemandeBoite& e = boitesDemandees()[3];
    EXPECT_EQ(e.fichier, kDialogueEnregistrer);
    EXPECT_EQ(e.repertoire, "/tmp");
    EXPECT_EQ(e.valeurInitiale, "cube.k3v");
    // A message box is no file dialog.
    boiteMessage("t", "c", kBoutonOk);
    EXPECT_EQ(boitesDemandees().back().fichier, 0);
}

TEST_F(Boites, AHostShowsTheBoxesItself) {
    installeAfficheurBoite([](const DemandeBoite& d) { return ReponseSaisie{kReponseAnnuler, d.titre}; });
    reponsesPrevues().push_back({kReponseOui, ""}); // a host that shows the box wins over a script
    EXPECT_EQ(boiteMessage("t", "c", kBoutonsOuiNon), kReponseAnnuler);
    EXPECT_EQ(boitesDemandees().size(), 1u);
}

} // namespace
} // namespace km32::platform
