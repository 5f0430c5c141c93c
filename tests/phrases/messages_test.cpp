#include "phrases/phrase_messages.h"

#include <gtest/gtest.h>

#include "model/messages.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

class PhrasesMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseMessages();
        platform::reinitialiseBoites();
    }
    void TearDown() override {
        TQTableDesVariablesPartagees()->langueAppliquee = 1;
        reinitialiseMessages();
        platform::reinitialiseBoites();
    }
};

// The notation reads back: the opening phrase of the applied language, then
// red, green, blue (R + 256 G + 65536 B) and the closing parenthesis.
TEST_F(PhrasesMessages, ColourNotationInEachLanguage) {
    const uint32_t couleur = 10u + 256u * 20u + 65536u * 30u;
    for (uint16_t langue : {uint16_t(1), uint16_t(2), uint16_t(3)}) {
        TQTableDesVariablesPartagees()->langueAppliquee = langue;
        const std::string ouverture = phraseDeNumero(11162);
        ASSERT_FALSE(ouverture.empty());
        EXPECT_EQ(texteCouleurRVB(couleur), ouverture + "10,20,30)");
    }
    TQTableDesVariablesPartagees()->langueAppliquee = 1;
    EXPECT_EQ(texteCouleurRVB(0xFFFFFF), "couleur RVB(255,255,255)");
}

TEST_F(PhrasesMessages, BoxOfTwoPhrasesUnlessMuted) {
    TQTableDesVariablesPartagees()->langueAppliquee = 1;
    afficheMessageDeNumeros(535, 2254, platform::kIconeErreur);
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    EXPECT_EQ(platform::boitesDemandees()[0].texte, phraseDeNumero(535));
    EXPECT_EQ(platform::boitesDemandees()[0].titre, phraseDeNumero(2254));
    EXPECT_EQ(platform::boitesDemandees()[0].style, platform::kIconeErreur | platform::kModalTache);
    etatMessages().messagesMuets = 1;
    afficheMessageDeNumeros(535, 2254, 0);
    EXPECT_EQ(platform::boitesDemandees().size(), 1u);
}

} // namespace
} // namespace km32
