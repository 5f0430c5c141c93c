#include "text/ligne_figure.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/reconnaissance.h"

namespace km32 {
namespace {

TLigneFigure lue(const std::string& texte) {
    TLigneFigure l;
    l.ligne = texte;
    prepareLigneFigure(l);
    lisLigneCodee(l);
    return l;
}

TEST(LigneCodee, ReadsCodeAndArgumentsUnchanged) {
    struct Cas {
        std::string texte;
        uint16_t code;
        std::vector<std::string> arguments;
    };
    const Cas cas[] = {
        {";\\;2264", 2264, {}},
        {";\\;2010;\\;R;\\;1;\\;2;\\;3;\\;A", 2010, {"R", "1", "2", "3", "A"}},
        {";\\;2201;\\;;\\;x", 2201, {"", "x"}},
        {";\\;2201;\\;x;\\;", 2201, {"x", ""}},
        {";\\;2264.4", 2264, {}},                       // rounded to a whole number
        {";\\;2016;\\;m;\\;[ab]", 2016, {"m", "[ab]"}}, // no change of case
        {";\\;2000;\\;" + std::string(12, 'a') + ";\\;b;\\;c;\\;d;\\;e;\\;f;\\;g;\\;h;\\;i;\\;j;\\;k;\\;l",
         2000,
         {std::string(12, 'a'), "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}},
    };
    for (const Cas& c : cas) {
        TLigneFigure l = lue(c.texte);
        EXPECT_EQ(l.erreur, 0) << c.texte;
        EXPECT_EQ(l.codeLigne, c.code) << c.texte;
        ASSERT_EQ(l.nombreArguments, c.arguments.size()) << c.texte;
        for (std::size_t i = 0; i < c.arguments.size(); ++i)
            EXPECT_EQ(l.arguments[i + 1], c.arguments[i]) << c.texte;
    }
}

TEST(LigneCodee, MalformedLinesAreRefused) {
    std::string treize = ";\\;2000";
    for (int i = 0; i < 13; ++i)
        treize += ";\\;x";
    for (const std::string& texte :
         {std::string(";\\;"), std::string(";\\;abc"), std::string(";\\;70000"), std::string(";\\;-2"),
          std::string(";\\;12x;\\;a"), std::string(";\\;nan"), std::string(";\\;;\\;a"), treize}) {
        TLigneFigure l;
        l.ligne = texte;
        l.codeLigne = 7;
        prepareLigneFigure(l);
        ASSERT_TRUE(estLigneCodee(l));
        lisLigneCodee(l);
        EXPECT_EQ(l.erreur, kPhraseIncorrecte) << texte;
        EXPECT_EQ(l.codeLigne, 7) << texte;
        EXPECT_EQ(l.nombreArguments, 0) << texte;
    }
}

TEST(LigneCodee, WrittenLineReadsBack) {
    TLigneFigure l;
    l.codeLigne = 2011;
    l.nombreArguments = 5;
    const std::vector<std::string> args = {"Rxyz", "1", "", "3", "P"};
    for (int i = 0; i < 5; ++i)
        l.arguments[i + 1] = args[i];
    std::string code;
    ecritLigneCodee(l, code);
    EXPECT_EQ(code, ";\\;2011;\\;Rxyz;\\;1;\\;;\\;3;\\;P");
    TLigneFigure r = lue(code);
    EXPECT_EQ(r.codeLigne, 2011);
    ASSERT_EQ(r.nombreArguments, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(r.arguments[i + 1], args[i]);

    l.arguments[1] = std::string(300, 'x');
    ecritLigneCodee(l, code);
    EXPECT_EQ(code.size(), 255u);
}

TEST(ArgumentsLigne, SemicolonsAndCharacter255) {
    struct Cas {
        std::vector<std::string> arguments;
        std::string attendu;
    };
    const Cas cas[] = {
        {{"a;b", "c;d", "", "e"},
         "a\xFF"
         "b;c,d;e"},
        {{"", "x"}, ";x"},
        {{"a\xFF"
          "b",
          "c\xFF"},
         "a\xFF"
         "b;c\xFF"},
        {{std::string(200, 'a'), std::string(100, 'b')}, std::string(200, 'a') + ";" + std::string(54, 'b')},
    };
    for (const Cas& c : cas) {
        TLigneFigure l;
        l.nombreArguments = uint8_t(c.arguments.size());
        for (std::size_t i = 0; i < c.arguments.size(); ++i)
            l.arguments[i + 1] = c.arguments[i];
        assembleArgumentsLigne(l);
        EXPECT_EQ(l.texteArguments, c.attendu);
    }
    TLigneFigure vide;
    vide.texteArguments = "avant";
    assembleArgumentsLigne(vide);
    EXPECT_EQ(vide.texteArguments, "avant");
}

TEST(LigneCodee, RecognisedWithoutAnyPattern) {
    libereTablesDesModeles();
    TLigneFigure l = lue(";\\;2010;\\;R;\\;1;\\;2;\\;3;\\;A");
    l.ligne = ";\\;2010;\\;R;\\;1;\\;2;\\;3;\\;A";
    prepareLigneFigure(l);
    reconnaitLigne(l);
    EXPECT_EQ(l.erreur, 0);
    EXPECT_EQ(l.codeLigne, 2010);
    EXPECT_EQ(l.nombreArguments, 5);
    EXPECT_EQ(l.texteArguments, "R;1;2;3;A");
    EXPECT_EQ(tableDesModeles(), nullptr);
}

} // namespace
} // namespace km32
