#include "base/texte.h"

#include <gtest/gtest.h>

namespace km32 {
namespace {

TEST(Texte, Windows1252RoundTripsThroughUtf8) {
    std::string tous;
    for (int c = 1; c < 256; ++c) tous += char(c);
    EXPECT_EQ(windows1252DeUtf8(utf8DeWindows1252(tous)), tous);
}

TEST(Texte, KnownCharacters) {
    EXPECT_EQ(utf8DeWindows1252("\xE9"), "\xC3\xA9");         // é
    EXPECT_EQ(utf8DeWindows1252("\x80"), "\xE2\x82\xAC");     // €
    EXPECT_EQ(windows1252DeUtf8("\xE2\x80\x99"), "\x92");     // ’
    EXPECT_EQ(windows1252DeUtf8("\xE4\xB8\xAD"), "?");        // no Windows-1252 form
    EXPECT_EQ(windows1252DeUtf8("a\xE9z"), "a\xE9z");         // already Windows-1252: kept
    EXPECT_TRUE(estUtf8NonAscii("\xC3\xA9t\xC3\xA9"));
    EXPECT_FALSE(estUtf8NonAscii("\xE9t\xE9"));
    EXPECT_FALSE(estUtf8NonAscii("plain"));
}

TEST(Texte, CutsAndUpperCase) {
    EXPECT_EQ(coupe("abcdef", 3), "abc");
    EXPECT_EQ(coupe("ab", 3), "ab");
    EXPECT_EQ(enMajuscules("m\xE9lieu [ab]"), "M\xE9LIEU [AB]");
}

TEST(Texte, ShortStringsAreCutAt255) {
    unsigned char champ[256] = {};
    ecrisChaineCourte(champ, std::string(300, 'x'));
    EXPECT_EQ(champ[0], 255);
    EXPECT_EQ(lisChaineCourte(champ), std::string(255, 'x'));
}

} // namespace
} // namespace km32
