// Placeholders filled from a ";" list, multi-line phrases and figure-text lines.
#include "phrases/phrase.h"

#include <gtest/gtest.h>

#include "sibling/table_partagee.h"

namespace km32 {
namespace {

TEST(Formatage, PlaceholdersFromParameterList) {
    struct Cas {
        const char* texte;
        std::string parametres;
        std::string attendu;
    };
    const Cas cas[] = {
        // Two "#": "#1" takes "x"; then one "#" is left and takes the rest, ";" included.
        {"#2 = #1", "x;3;4", "3;4 = x"},
        {"#1 #2 #3", "a;b;c;d", "a b c;d"},
        {"#1", "a;b;c", "a;b;c"},
        {"A #1", "#;#", "A #;#"},
        // A "#" brought by a parameter is never a placeholder, even "#2".
        {"#1 et #2", "a#1;b", "a#1 et b"},
        {"#1 et #2", "a#2;b", "a#2 et b"},
        {"#1/#2", "x#\xFFy;z", "x#;y/z"},
        // Byte 255 inside a parameter stands for ";".
        {"#1 et #2",
         "a\xFF"
         "b;c",
         "a;b et c"},
        // Missing parameters leave their placeholders.
        {"#1 et #2", "", "#1 et #2"},
        {"#1, #2 et #3", "a;b", "a, b et #3"},
        // Every occurrence of a placeholder; values beyond the placeholders dropped.
        {"#1 puis #1", "x;y", "x puis x"},
        {"#1 et #2", "a;;b", "a et ;b"},
        {"sans marque", "a;b", "sans marque"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(texteAvecParametres(c.texte, c.parametres), c.attendu) << c.texte << " <- " << c.parametres;
}

TEST(Formatage, ParameterListIsCutTo255Bytes) {
    EXPECT_EQ(texteAvecParametres("#1", std::string(300, 'p')), std::string(255, 'p'));
}

TEST(Formatage, FilledResultIsNotLimited) {
    EXPECT_EQ(texteAvecParametres("#1 #1 #1", std::string(200, 'v')).size(), 602u);
}

TEST(Formatage, PhrasesByNumber) {
    const uint16_t ancienne = TQTableDesVariablesPartagees()->langueAppliquee;
    TQTableDesVariablesPartagees()->langueAppliquee = kLangueFrancaise;
    EXPECT_EQ(phraseAvecParametres(2201, "x;3;4"), "3;4 = x");
    EXPECT_EQ(phraseAvecParametres(620, "Zorglub"), "Mot non reconnu: Zorglub");
    EXPECT_EQ(ligneDePhraseAvecParametres(2245, "", 2), "\r\n  Fin de la figure");
    EXPECT_EQ(ligneDePhraseAvecParametres(2016, "[AB];M", 0), "\r\nM milieu du segment [AB]");
    // The line, its indentation and its break together stay within 255 bytes.
    std::string ligne = ligneDePhraseAvecParametres(2201, "a;" + std::string(253, 'b'), 3);
    EXPECT_EQ(ligne, "\r\n   " + std::string(250, 'b'));
    EXPECT_EQ(phraseMultiLigne(437), phraseDeNumero(437));
    TQTableDesVariablesPartagees()->langueAppliquee = ancienne;
}

TEST(Formatage, DollarBecomesLineBreak) {
    EXPECT_EQ(texteMultiLigne("a$b$"), "a\r\nb\r\n");
    EXPECT_EQ(texteMultiLigne("sans"), "sans");
    // The second byte of the last break falls beyond 255 and is lost.
    EXPECT_EQ(texteMultiLigne(std::string(254, 'x') + "$"), std::string(254, 'x') + "\r");
}

} // namespace
} // namespace km32
