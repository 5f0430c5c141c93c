// The help that km32 show ships: each language's file read by km32 show's
// own reader holds a section for every topic the library asks help on (the
// contents, each window's Help button, every construction dialog), the
// same topics in the three languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aide_show.h"
#include "fichier_essai.h"

namespace km32::tests {
namespace {

using km32cli::SectionAide;

// The context numbers the library passes: 0 the contents (F1, command
// 302), the replay (94), the editors (118, 120), the style palette (88),
// the function grid (128), the menu filter (114), a prototype (119), the
// object pickers (77, 84, 92, 96-98, 106-111, 116), the construction
// dialogs (their command) and the prototype commands.
const std::vector<unsigned> kContextes = {0,  94, 118, 120, 88,  128, 114, 119, 77, 78,  84,  92,   96,
                                          97, 98, 106, 111, 116, 1,   30,  76,  89, 199, 301, 1001, 1050};

TEST(AideShow, EachLanguageHasASectionForEveryTopicTheLibraryAsksAbout) {
    std::vector<std::vector<std::string>> titres;
    for (const char* langue : {"fr", "en", "de"}) {
        SCOPED_TRACE(langue);
        const std::string texte = essais::contenuFichier(std::string(KM32_AIDE) + "/aide." + langue + ".txt");
        ASSERT_FALSE(texte.empty());
        const std::vector<SectionAide> sections = km32cli::litSectionsAide(texte);
        std::vector<std::string> t;
        for (unsigned c : kContextes) {
            const SectionAide* s = km32cli::sectionDuContexte(sections, c);
            ASSERT_NE(s, nullptr) << "no section for " << c;
            EXPECT_FALSE(s->titre.empty()) << c;
            EXPECT_GT(s->texte.size(), 80u) << c;
            t.push_back(s->titre);
        }
        // A context no window uses has none: the box then says so.
        EXPECT_EQ(km32cli::sectionDuContexte(sections, 5000), nullptr);
        titres.push_back(t);
    }
    // The same topic in each language is one section as in the others:
    // where two contexts share a section in one, they share it in all.
    for (std::size_t i = 0; i < kContextes.size(); ++i)
        for (std::size_t j = i + 1; j < kContextes.size(); ++j)
            for (std::size_t l = 1; l < titres.size(); ++l)
                EXPECT_EQ(titres[0][i] == titres[0][j], titres[l][i] == titres[l][j])
                    << kContextes[i] << " and " << kContextes[j];
}

// The construction dialog's help says what the dialog shows: the name of
// the new object in the last field, the button "R" that lists the objects,
// and a wrong entry told by a message (the entry is not selected).
TEST(AideShow, TheConstructionDialogsHelpDescribesTheDialogAsItIs) {
    struct Cas {
        const char* langue;
        const char* nomEnDernier;
        const char* faux;
    };
    const Cas cas[] = {{"fr", "le nom du nouvel objet en\ndernier", "sélectionnée"},
                       {"en", "then the name of the new object last", "selected"},
                       {"de", "und zuletzt den Namen des\nneuen Objekts", "markiert"}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.langue);
        const std::string texte =
            essais::contenuFichier(std::string(KM32_AIDE) + "/aide." + c.langue + ".txt");
        const std::vector<SectionAide> sections = km32cli::litSectionsAide(texte);
        const SectionAide* s = km32cli::sectionDuContexte(sections, 15);
        ASSERT_NE(s, nullptr);
        std::string t = s->texte;
        for (char& ch : t)
            if (ch == '\n') ch = ' ';
        std::string attendu = c.nomEnDernier;
        for (char& ch : attendu)
            if (ch == '\n') ch = ' ';
        EXPECT_NE(t.find(attendu), std::string::npos) << t;
        EXPECT_NE(t.find("\"R\""), std::string::npos) << t;
        EXPECT_EQ(t.find("\"...\""), std::string::npos) << t;
        EXPECT_EQ(t.find(c.faux), std::string::npos) << t;
    }
}

// The reader: a section's header gives ranges and a title; remarks and the
// lines of a paragraph are joined, paragraphs kept apart; a malformed
// header is text.
TEST(AideShow, TheReaderTakesRangesTitlesAndParagraphs) {
    const std::string texte = "# a remark\r\n"
                              "== 0 | Contents\r\n"
                              "first line\r\n"
                              "  second line\r\n"
                              "\r\n"
                              "next paragraph\r\n"
                              "== 3-5, 9 | Three to five\r\n"
                              "== x | not a header\r\n";
    const std::vector<SectionAide> s = km32cli::litSectionsAide(texte);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].titre, "Contents");
    EXPECT_EQ(s[0].texte, "first line second line\n\nnext paragraph");
    EXPECT_EQ(s[1].titre, "Three to five");
    EXPECT_EQ(s[1].texte, "== x | not a header");
    for (unsigned c : {3u, 4u, 5u, 9u})
        EXPECT_EQ(km32cli::sectionDuContexte(s, c), &s[1]) << c;
    for (unsigned c : {1u, 2u, 6u, 8u, 10u})
        EXPECT_EQ(km32cli::sectionDuContexte(s, c), nullptr) << c;
}

} // namespace
} // namespace km32::tests
