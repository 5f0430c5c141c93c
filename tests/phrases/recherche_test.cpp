// Lookup by number in the applied language: routing, defaults and texts
// whose exact bytes matter (blanks, line breaks, short answers).
#include "phrases/phrase.h"

#include <cstring>
#include <gtest/gtest.h>

#include "sibling/phrases_tq.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

const std::string kDefautFr = "numero de phrase non pr\xE9sent sur la liste";
const std::string kDefautEn = "phrase number not in the list";
const std::string kDefautDe = "Satznummer nicht in der Liste";

// Sets the applied language of the shared table and gives the old one back.
class Recherche : public ::testing::Test {
  protected:
    void SetUp() override { ancienne_ = TQTableDesVariablesPartagees()->langueAppliquee; }
    void TearDown() override { TQTableDesVariablesPartagees()->langueAppliquee = ancienne_; }
    static void applique(uint16_t langue) { TQTableDesVariablesPartagees()->langueAppliquee = langue; }

  private:
    uint16_t ancienne_ = 0;
};

TEST_F(Recherche, NumbersWithoutTextGiveEachLanguagesDefault) {
    const uint16_t sansTexte[] = {0, 220, 230, 532, 2272, 2419, 2515, 4005, 4500, 5218, 9914, 9939, 10000};
    for (uint16_t n : sansTexte) {
        SCOPED_TRACE(n);
        EXPECT_EQ(phraseDeNumeroEnLangue(n, kLangueFrancaise), kDefautFr);
        EXPECT_EQ(phraseDeNumeroEnLangue(n, kLangueAnglaise), kDefautEn);
        EXPECT_EQ(phraseDeNumeroEnLangue(n, kLangueAllemande), kDefautDe);
        applique(kLangueFrancaise);
        EXPECT_EQ(phraseDeNumero(n), kDefautFr);
    }
}

TEST_F(Recherche, FrenchTextsKeepTheirExactBytes) {
    struct Cas {
        uint16_t numero;
        std::string texte;
    };
    const Cas cas[] = {
        {4405, "Oui"},
        {4406, "Non"},
        {2534, " : Rappel des objets"},
        {4034, std::string(12, ' ') + "en le point:"},
        {4148, std::string(14, ' ') + "suivie de:"},
        {4228, "Pilote: "},
        {437, "Au moins un des ant\xE9\x63\xE9\x64\x65nts\rest non valide."},
        {533, "Donn\xE9\x65 incorrecte:\r #1"},
        {2267, "D\xE9marrer en ex\xE9\x63utant  #1 fois les commandes #2"},
        {2254, "Figure Kalmetra"},
        {2255, "Kalmetra figure (English)"},
        {2256, "Kalmetra Figur (Deutsch)"},
        {2171, "#5 fonction:(#1,#2,#3)|->#4 (unit\xE9 de longueur #6)"},
        {590, "Seule la fonction \xB5 peut\ravoir une relation comme argument."},
        {4200, "2\xB0 point d'intersection:"},
        {121, "Limiter l'image"},
        {4503, "Point libre sur un segment"},         // capital of construction name 5003
        {4524, "Images par translation vectorielle"}, // given whole, not from 5024
        {4801, "Imprimer"},
        {4192, "Projection orthogonale"},
        {5703, "intersection droite-sph\xE8re 1 point"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(phraseDeNumeroEnLangue(c.numero, kLangueFrancaise), c.texte) << c.numero;
    EXPECT_EQ(phraseDeNumeroEnLangue(615, kLangueFrancaise).size(), 121u); // the longest French text
}

TEST_F(Recherche, AppliedLanguageChoosesTheTable) {
    applique(kLangueFrancaise);
    EXPECT_EQ(phraseDeNumero(4405), "Oui");
    applique(kLangueAnglaise);
    EXPECT_EQ(phraseDeNumero(5510), kDefautEn); // French-only number
    EXPECT_EQ(phraseDeNumero(0), kDefautEn);
    applique(kLangueAllemande);
    EXPECT_EQ(phraseDeNumero(4192), kDefautDe); // French and English only
    EXPECT_EQ(phraseDeNumero(5510), kDefautDe);
    if (nombreDePhrases(kLangueAnglaise) > 0) {
        applique(kLangueAnglaise);
        EXPECT_NE(phraseDeNumero(4192), kDefautEn);
    }
}

TEST_F(Recherche, UnknownLanguageWordReadsAsFrench) {
    for (uint16_t langue : {uint16_t(0), uint16_t(4), uint16_t(0xFFFF)}) {
        applique(langue);
        EXPECT_EQ(phraseDeNumero(4405), "Oui") << langue;
        EXPECT_EQ(phraseDeNumero(0), kDefautFr) << langue;
    }
    EXPECT_EQ(nombreDePhrases(4), 0u);
    EXPECT_FALSE(phraseDansTable(4405, 4));
}

TEST_F(Recherche, NumbersAboveTenThousandGoToTheSiblingInAnyLanguage) {
    for (uint16_t langue : {kLangueFrancaise, kLangueAnglaise, kLangueAllemande}) {
        applique(langue);
        for (uint16_t n : {uint16_t(10001), uint16_t(11162), uint16_t(65535)}) {
            EXPECT_EQ(phraseDeNumero(n), TQphraseDeNumero(n)) << n;
            EXPECT_NE(phraseDeNumero(n), std::string(texteParDefaut(langue))) << n;
        }
    }
}

TEST_F(Recherche, CopyIntoCallersBufferIsNulTerminated) {
    applique(kLangueFrancaise);
    char tampon[256];
    std::memset(tampon, 'z', sizeof tampon);
    phraseEnPChar(437, tampon);
    EXPECT_EQ(std::strlen(tampon), 43u);
    EXPECT_EQ(std::string(tampon), phraseDeNumero(437));
}

} // namespace
} // namespace km32
