#include "sibling/phrases_tq.h"

#include <gtest/gtest.h>

#include "sibling/bibliotheque_tq.h"
#include "sibling/table_partagee.h"

namespace km32 {
namespace {

class PhrasesTQ : public ::testing::Test {
  protected:
    void SetUp() override { reinitialiseBibliothequeTQ(); }
    void TearDown() override { reinitialiseBibliothequeTQ(); }
};

// Every phrase number above 10000 that this library asks the sibling for.
constexpr uint16_t kNumerosDemandes[] = {
    11001, 11002, 11003, 11004, 11006, 11007, 11010, 11011, 11012, 11014, 11015, 11050, 11053, 11054, 11055,
    11056, 11058, 11061, 11062, 11112, 11114, 11156, 11157, 11158, 11159, 11160, 11161, 11162, 11163, 11164,
    11165, 11166, 11167, 11168, 11169, 11170, 11171, 11172, 11173, 11174, 11175, 11176, 11177, 11178, 11180,
    11183, 11184, 11185, 11186, 11251, 11252, 11265, 11266, 11268, 11269, 11270, 11271, 11291, 11295, 11296,
    11297, 11298, 11299, 11300, 11301, 11302, 11303, 11306, 11307, 11312, 11313, 11314, 11315, 11316, 11317,
    11321, 11322, 11323, 11324, 11325, 11373, 11411, 11412, 11413, 11414, 11415};

TEST_F(PhrasesTQ, EveryAskedNumberHasATextInEveryLanguage) {
    for (uint16_t langue = 1; langue <= 3; ++langue) {
        TQappliqueLangue(langue);
        for (uint16_t n : kNumerosDemandes) {
            std::string texte = TQphraseDeNumero(n);
            EXPECT_FALSE(texte.empty()) << n << " language " << langue;
            EXPECT_LE(texte.size(), 255u) << n;
        }
    }
}

TEST_F(PhrasesTQ, TextsFollowTheAppliedLanguage) {
    struct Cas {
        uint16_t langue;
        uint16_t numero;
        std::string texte;
    };
    const Cas cas[] = {
        {1, 11162, "couleur RVB("},
        {1, 11307, "Attention !"},
        {1, 11321,
         "----- OBJETS PR\xC9"
         "D\xC9"
         "FINIS -----"},
        {1, 11268,
         "Il faut d'abord choisir l'objet\rpilotable au clavier.\r(Utiliser le menu Piloter au clavier.)"},
        {1, 11271, "Aucun objet de la figure\r#1 n'est dessin\xE9."},
        {1, 11176,
         "   Ant\xE9"
         "c\xE9"
         "dents"},
        {2, 11162, "RGB colour("},
        {2, 11252, "Cancel"},
        {3, 11162, "RGB-Farbe("},
        {3, 11296,
         "Schlie\xDF"
         "en"},
        {3, 11164, "Kein Objekt verf\xFCgbar"},
    };
    for (const Cas& c : cas) {
        TQappliqueLangue(c.langue);
        EXPECT_EQ(TQphraseDeNumero(c.numero), c.texte) << c.numero << " language " << c.langue;
    }
}

// The figure-text writer completes the colour opening with "r,g,b)" and the
// reader looks for it: in every language it must end with "(".
TEST_F(PhrasesTQ, ColourOpeningEndsWithParenthesisInEveryLanguage) {
    for (uint16_t langue = 1; langue <= 3; ++langue) {
        TQappliqueLangue(langue);
        std::string ouverture = TQphraseDeNumero(11162);
        ASSERT_FALSE(ouverture.empty());
        EXPECT_EQ(ouverture.back(), '(');
        EXPECT_EQ(ouverture.find(')'), std::string::npos);
    }
}

TEST_F(PhrasesTQ, UnknownNumbersGiveAnEmptyText) {
    for (uint16_t n : {uint16_t(0), uint16_t(10000), uint16_t(10001), uint16_t(11000), uint16_t(11005),
                       uint16_t(11416), uint16_t(65535)})
        EXPECT_EQ(TQphraseDeNumero(n), "") << n;
}

TEST_F(PhrasesTQ, AmpersandsAreRemoved) {
    EXPECT_EQ(TQphraseDeNumero(11006), "Enregistrer &sous...");
    EXPECT_EQ(TQphraseSansEtCommercial(11006), "Enregistrer sous...");
    EXPECT_EQ(TQphraseSansEtCommercial(11307), "Attention !");
    EXPECT_EQ(TQphraseSansEtCommercial(11005), "");
}

// Applying a language makes it the requested one too, so that a figure text
// read in another language comes back to it.
TEST_F(PhrasesTQ, ApplyingALanguageSetsTheAppliedAndRequestedWords) {
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    struct Cas {
        uint16_t demandee;
        uint16_t attendue;
    };
    // Values outside 1..3 are ignored: the word keeps the last language.
    const Cas cas[] = {{2, 2}, {3, 3}, {0, 3}, {4, 3}, {1, 1}, {65535, 1}};
    for (const Cas& c : cas) {
        TQappliqueLangue(c.demandee);
        EXPECT_EQ(t->langueAppliquee, c.attendue) << c.demandee;
        EXPECT_EQ(t->langueDemandee, c.attendue) << c.demandee;
    }
}

TEST_F(PhrasesTQ, AppliedWordOutsideTheLanguagesReadsFrench) {
    TQTableDesVariablesPartagees()->langueAppliquee = 9;
    EXPECT_EQ(TQphraseDeNumero(11252), "Annuler");
}

} // namespace
} // namespace km32
