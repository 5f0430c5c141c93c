// The character conversions of the command-line host. The host is a separate
// program, so its conversion unit is compiled into this test directly.
#include "../../apps/km32/encodage.cpp"

#include <gtest/gtest.h>

namespace km32cli {
namespace {

TEST(EncodageCli, FigureFilesComeInEitherEncoding) {
    struct Cas {
        const char* nom;
        std::string fichier;
        std::string attendu;
    };
    const Cas cas[] = {
        {"utf-8",
         "A point de coordonn\xC3\xA9"
         "es (0,0,0)",
         "A point de coordonn\xE9"
         "es (0,0,0)"},
        {"windows-1252",
         "A point de coordonn\xE9"
         "es (0,0,0)",
         "A point de coordonn\xE9"
         "es (0,0,0)"},
        {"ascii", "M milieu du segment [AB]\r\n", "M milieu du segment [AB]\r\n"},
        {"utf-8 with mark", "\xEF\xBB\xBFM milieu", "M milieu"},
        {"euro and quote", "\xE2\x82\xAC \xE2\x80\x99", "\x80 \x92"},
        {"no windows form", "\xE4\xB8\xAD", "?"},
        // Windows-1252 bytes that happen to form one valid UTF-8 pair stay UTF-8.
        {"ambiguous pair", "\xC3\xA9", "\xE9"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(texteFigureDeFichier(c.fichier), c.attendu) << c.nom;
}

// The first character a UTF-8 file would lose, with its line counted as
// the library counts lines (CR LF, CR or LF).
TEST(EncodageCli, TheFirstCharacterLostIsFoundWithItsLine) {
    struct Cas {
        const char* nom;
        std::string fichier;
        int ligne;
        std::string caractere;
    };
    const Cas cas[] = {
        {"pi on line 3", "a\r\nb\r\nc = \xCF\x80\r\n", 3, "\xCF\x80"},
        {"root after LF lines",
         "a\nb\n\xE2\x88\x9A"
         "2",
         3, "\xE2\x88\x9A"},
        {"CR alone ends a line", "a\rb\r\xF0\x9F\x98\x80", 3, "\xF0\x9F\x98\x80"},
        {"the first of two", "\xE4\xB8\xAD\n\xCF\x80", 1, "\xE4\xB8\xAD"},
        {"with the mark", "\xEF\xBB\xBF\xC3\xA9\n\xCF\x80", 2, "\xCF\x80"},
        {"every character kept", "\xE2\x82\xAC \xC3\xA9 \xC3\xBF \xC5\xB8", 0, ""},
        {"windows-1252 file",
         "coordonn\xE9"
         "es \xFF\x80",
         0, ""},
        {"ascii", "M milieu du segment [AB]\r\n", 0, ""},
    };
    for (const Cas& c : cas) {
        const CaracterePerdu p = premierCaracterePerdu(c.fichier);
        EXPECT_EQ(p.ligne, c.ligne) << c.nom;
        EXPECT_EQ(p.caractere, c.caractere) << c.nom;
        // Independently: a file keeps its characters exactly when the text
        // the library gets converts back to the file.
        if (c.ligne == 0 && estUtf8NonAscii(c.fichier)) {
            EXPECT_EQ(utf8DeWindows1252(texteFigureDeFichier(c.fichier)), c.fichier) << c.nom;
        }
    }
}

TEST(EncodageCli, EveryWindowsByteRoundTripsThroughUtf8) {
    std::string tous;
    for (int c = 1; c < 256; ++c)
        tous += char(c);
    std::string utf8 = utf8DeWindows1252(tous);
    EXPECT_TRUE(estUtf8NonAscii(utf8));
    EXPECT_EQ(windows1252DeUtf8(utf8), tous);
    EXPECT_EQ(utf8DeWindows1252("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC");
}

TEST(EncodageCli, InvalidUtf8IsNotTakenForUtf8) {
    for (const char* s : {"\xC3", "\xC3\x28", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "plain"})
        EXPECT_FALSE(estUtf8NonAscii(s)) << s;
}

} // namespace
} // namespace km32cli
