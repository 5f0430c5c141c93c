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

TEST_F(Boites, AHostShowsTheBoxesItself) {
    installeAfficheurBoite([](const DemandeBoite& d) { return ReponseSaisie{kReponseAnnuler, d.titre}; });
    reponsesPrevues().push_back({kReponseOui, ""}); // a host that shows the box wins over a script
    EXPECT_EQ(boiteMessage("t", "c", kBoutonsOuiNon), kReponseAnnuler);
    EXPECT_EQ(boitesDemandees().size(), 1u);
}

} // namespace
} // namespace km32::platform
