#include "sibling/texte_math.h"

#include <gtest/gtest.h>

#include "sibling/bibliotheque_tq.h"

namespace km32 {
namespace {

class TexteMath : public ::testing::Test {
  protected:
    void SetUp() override { reinitialiseBibliothequeTQ(); }
    void TearDown() override { reinitialiseBibliothequeTQ(); }
};

TEST_F(TexteMath, CellsGrowWithTheSizeAndEveryCharacterTakesOne) {
    for (int16_t t = 0; t <= kTailleMaxTQ; ++t) {
        SCOPED_TRACE(t);
        if (t > 0) {
            EXPECT_GT(haut(t), haut(int16_t(t - 1)));
            EXPECT_GT(larg(t), larg(int16_t(t - 1)));
        }
        EncombrementTQ a = EncombrementExpG("a", t), ab = EncombrementExpG("ab", t);
        EXPECT_EQ(a.largeur, larg(t));
        EXPECT_EQ(ab.largeur, 2 * a.largeur);
        EXPECT_EQ(ab.hauteur(), haut(t));
        // The two measures agree, and a text of several lines is as wide as its longest line.
        EXPECT_EQ(EncomBrementTexteG("ab\r\nxyz\nq", t), (EncombrementTQ{3 * larg(t), 0, 3 * haut(t)}));
    }
}

TEST_F(TexteMath, TheCurrentSizeIsKeptWithinRange) {
    struct Cas {
        int16_t demandee, attendue;
    } cas[] = {{0, 0}, {3, 3}, {kTailleMaxTQ, kTailleMaxTQ}, {99, kTailleMaxTQ}, {-7, 0}};
    for (const Cas& c : cas) {
        SetFontTailleEtType(c.demandee, 2);
        EXPECT_EQ(tailleFonteTQ(), c.attendue);
        EXPECT_EQ(haut(), haut(c.attendue));
        EXPECT_EQ(EncombrementExpG("abc").largeur, 3 * larg(c.attendue));
    }
    EXPECT_EQ(typeFonteTQ(), 2);
}

TEST_F(TexteMath, RaisedAndLoweredRunsReachHalfACellOutside) {
    const int32_t h = haut(), w = larg(), demi = h / 2;
    struct Cas {
        const char* texte;
        EncombrementTQ attendu;
    } cas[] = {
        {"\\x^2\\", {2 * w, -demi, h}},
        {"\\u_n\\", {2 * w, 0, h + demi}},
        {"\\x^(n+1)\\", {4 * w, -demi, h}},     // the group without its parentheses
        {"a\r\n\\x^2\\", {2 * w, 0, 2 * h}},    // a raised run below the first line stays inside
        {"\\x^2+a;s:x,a\\", {4 * w, -demi, h}}, // the lists take no room
        {"", {0, 0, h}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(EncombrementExpG(c.texte), c.attendu) << c.texte;
}

TEST_F(TexteMath, PlainReadings) {
    struct Cas {
        const char* texte;
        const char* lecture;
    } cas[] = {
        {"\\x^2+a;s:x,a\\", "x^2+a"},
        {"\\(u_(n))^2;s:u,n\\", "(u_n)^2"},
        {"\\u_(n-1)+1;s:u,n\\", "u_(n-1)+1"},
        {"\\sqrt(x)/2;f:g\\", "sqrt(x)/2"},
        {"AB = \\dist(A,B)\\ cm", "AB = dist(A,B) cm"},
        {"$rA$N est \\x^(n+1)\\", "A est x^(n+1)"},
        {"\\x\xFFs:x\xFF"
         "f:f\\",
         "x"},            // lists after byte 255
        {"\\x^\\", "x^"}, // no operand: written as it stands
        {"\\2^ 3\\", "2^ 3"},
        {"\\\xABval(AB)\xBB\\", "val(AB)"}, // the marks of a value are not shown
        {"l1\r\nl2\rl3", "l1 / l2 / l3"},
        {"100$$ et $q5$", "100$ et 5$"}, // "$$", an unknown code, a "$" at the end
        {"\\x;y\\", "x;y"},              // a ";" that starts no list
    };
    for (const Cas& c : cas)
        EXPECT_EQ(lectureTexteMath(c.texte), c.lecture) << c.texte;
}

TEST_F(TexteMath, RunsCarryZoneColourAndPlace) {
    MiseEnPageTQ m = miseEnPageTexteMath("$rA$N a^2 \\b^2\\\r\n$vc");
    std::vector<MorceauTQ> attendus = {
        {"A", 0, 0, 0, false, kRougeTQ},
        {" a^2 ", 1, 0, 0, false, std::nullopt}, // "^" raises nothing outside a math zone
        {"b", 6, 0, 0, true, std::nullopt},
        {"2", 7, 0, -1, true, std::nullopt},
        {"c", 0, 1, 0, false, kVertTQ},
    };
    EXPECT_EQ(m.morceaux, attendus);
    EXPECT_EQ(m.colonnes, 8);
    EXPECT_EQ(m.lignes, 2);
}

TEST_F(TexteMath, SyntaxFindsTheFirstFault) {
    struct Cas {
        const char* texte;
        int32_t attendu;
    } cas[] = {
        {"\\x^2+a;s:x,a\\", 0}, {"a^ et (", 0}, {"\\x;s:(\\", 0}, // lists and plain text are not checked
        {"\\x^\\", 3},          {"\\x^(\\", 3}, {"\\(x\\", 4},    // group open at the end of its zone
        {"\\x)\\", 3},          {"\\x", 3},     {"", 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(syntaxeTexteMath(c.texte), c.attendu) << c.texte;
}

} // namespace
} // namespace km32
