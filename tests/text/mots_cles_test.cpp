#include "text/mots_cles.h"

#include <gtest/gtest.h>

#include "phrases_essai.h"

namespace km32 {
namespace {

using essai::fixe;
using essai::w;

class MotsCles : public essai::AvecPhrases {
  protected:
    void SetUp() override {
        AvecPhrases::SetUp();
        fixe(1, 2450, "rouge");
        fixe(1, 2451, "rouge foncé");
        fixe(1, 2454, "bleu");
        fixe(1, 2463, "tireté");
        fixe(1, 2464, "trait épais");
        fixe(1, 2470, "#1 tours");
        fixe(1, 2480, "ROUGE"); // same loose form as 2450: the lower number wins
        fixe(2, 2450, "red");
        fixe(2, 2451, "dark red");
        construitTableMotsCles();
    }
    static uint16_t numero(const std::string& motUtf8) {
        std::string mot = w(motUtf8);
        normaliseMotCle80(mot);
        return numeroMotCle(tableDesMotsCles(), mot);
    }
};

TEST_F(MotsCles, LooseForm) {
    struct Cas {
        const char* texte;
        const char* attendu;
    };
    const Cas cas[] = {{"gris foncé", "GRISFONC"}, {"45°-hash", "45-HASH"}, {" a b\tc ", "AB\tC"}, {"", ""}};
    for (const Cas& c : cas) {
        std::string t = w(c.texte);
        normaliseMotCle(t);
        EXPECT_EQ(t, c.attendu) << c.texte;
    }
    std::string long_(100, 'a');
    normaliseMotCle80(long_);
    EXPECT_EQ(long_, std::string(80, 'A'));
}

TEST_F(MotsCles, LookupWithoutCaseLowestNumberFirst) {
    struct Cas {
        const char* mot;
        uint16_t numero;
    };
    const Cas cas[] = {{"Rouge Foncé", 2451},
                       {"rougefoncé", 2451},
                       {"rouge fonce", 0},
                       {"rouge", 2450},
                       {"ROUGE", 2450},
                       {"bleu", 2454},
                       {"#tours", 2470},
                       {"", 0},
                       {"vert", 0}};
    for (const Cas& c : cas)
        EXPECT_EQ(numero(c.mot), c.numero) << c.mot;
    // An already loose word is compared without regard to case too.
    EXPECT_EQ(numeroMotCle(tableDesMotsCles(), "rougefonc"), 2451);
}

TEST_F(MotsCles, WordsTakenOffAList) {
    std::string liste = w("bleu,  tireté , trait épais");
    std::string mot;
    uint16_t n = 0;
    const std::pair<const char*, uint16_t> attendus[] = {
        {"bleu", 2454}, {"tireté", 2463}, {"trait épais", 2464}};
    for (const auto& [texte, numeroAttendu] : attendus) {
        litMotCle(liste, 255, mot, n);
        EXPECT_EQ(mot, w(texte));
        EXPECT_EQ(n, numeroAttendu);
    }
    EXPECT_TRUE(liste.empty());
}

TEST_F(MotsCles, RebuiltOnALanguageSwitch) {
    EXPECT_EQ(numero("rouge"), 2450);
    changeLangue(2);
    EXPECT_EQ(numero("dark red"), 2451);
    EXPECT_EQ(numero("red"), 2450);
    EXPECT_EQ(numero("rouge"), 0);
    changeLangue(1);
    EXPECT_EQ(numero("rouge"), 2450);
}

} // namespace
} // namespace km32
