// The construction catalogue against statements made about it as a whole
// (its size, its code sets written as ranges, the phrases that lead back),
// which do not come from the rows themselves, plus a few rows checked by hand.
#include "model/catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

namespace km32 {
namespace {

using Plages = std::initializer_list<std::pair<int, int>>;

std::set<int> ensembleDePlages(Plages plages) {
    std::set<int> codes;
    for (auto [bas, haut] : plages)
        for (int c = bas; c <= haut; ++c)
            codes.insert(c);
    return codes;
}

template <class Predicat> std::set<int> codesOu(Predicat predicat) {
    std::set<int> codes;
    for (int c = 0; c < 256; ++c)
        if (predicat(uint8_t(c))) codes.insert(c);
    return codes;
}

// The 185 rows of the system's catalogue and our row 248, the given segment
// of a prototype ("#1 segment donné", which had no row).
TEST(Catalogue, HasOneHundredEightySixRowsAndTheEnumListsThem) {
    auto codes = codesOu(existeConstruction);
    EXPECT_EQ(codes.size(), 186u);
    EXPECT_TRUE(existeConstruction(construction::kSegmentDonne));
    EXPECT_EQ(int(construction::kSegmentDonne), 248);
    EXPECT_FALSE(existeConstruction(0));
    std::set<int> duEnum(std::begin(construction::kCodes), std::end(construction::kCodes));
    EXPECT_EQ(duEnum, codes);
}

TEST(Catalogue, CodeSetsAreThoseListed) {
    auto dessinables =
        ensembleDePlages({{1, 21},    {23, 37},   {59, 60},   {71, 71},   {105, 105}, {113, 113}, {125, 126},
                          {130, 142}, {144, 144}, {146, 148}, {150, 151}, {153, 153}, {155, 156}, {161, 162},
                          {170, 170}, {172, 176}, {181, 182}, {184, 184}, {188, 189}, {192, 192}, {197, 197},
                          {201, 203}, {206, 206}, {209, 213}, {218, 219}, {232, 232}, {249, 254}});
    EXPECT_EQ(dessinables.size(), 98u);
    EXPECT_EQ(codesOu(estConstructionDessinable), dessinables);

    auto libres =
        ensembleDePlages({{1, 7}, {44, 45}, {74, 75}, {132, 132}, {148, 148}, {189, 189}, {206, 206}});
    EXPECT_EQ(codesOu(estConstructionLibre), libres);
    // Those a random value can be drawn for: all free, none of the free points in space or the frames.
    const auto auHasard = ensembleDePlages({{3, 3}, {6, 7}, {44, 45}, {189, 189}, {206, 206}});
    EXPECT_EQ(codesOu(estLibreTirableAuHasard), auHasard);
    EXPECT_TRUE(std::includes(libres.begin(), libres.end(), auHasard.begin(), auHasard.end()));

    auto variantes = ensembleDePlages({{8, 8},     {21, 24},   {27, 27},   {37, 38},   {41, 41},   {44, 45},
                                       {51, 58},   {71, 71},   {101, 103}, {131, 131}, {133, 134}, {137, 137},
                                       {144, 145}, {156, 156}, {159, 159}, {166, 166}, {169, 169}, {175, 175},
                                       {196, 196}, {214, 214}, {216, 219}});
    EXPECT_EQ(variantes.size(), 40u);
    EXPECT_EQ(codesOu(aVarianteDeConstruction), variantes);

    // Written out again here on purpose: the expected list is independent of
    // the sets the library keeps.
    auto convexes = ensembleDePlages({{35, 36},
                                      {135, 135},
                                      {138, 138},
                                      {146, 147},
                                      {150, 151},
                                      {155, 156},
                                      {172, 176},
                                      {181, 181},
                                      {188, 188},
                                      {197, 197},
                                      {201, 201},
                                      {209, 213},
                                      {232, 232},
                                      {249, 254}});
    EXPECT_EQ(convexes.size(), 31u);
    EXPECT_EQ(codesOu(estConstructionConvexe), convexes);
    // The limits the dialog, the executor and the writer take: the same but the net.
    convexes.erase(175);
    EXPECT_EQ(codesOu(estConvexeLimitant), convexes);
    // The solids a volume takes and a designation of solids offers.
    const auto solides = ensembleDePlages({{150, 150},
                                           {172, 172},
                                           {174, 176},
                                           {181, 181},
                                           {188, 188},
                                           {197, 197},
                                           {201, 201},
                                           {211, 213},
                                           {249, 253}});
    EXPECT_EQ(solides.size(), 17u);
    EXPECT_EQ(codesOu(estConstructionSolide), solides);
}

TEST(Catalogue, EveryRowHasAPatternPhraseAndAKind) {
    for (uint8_t code : construction::kCodes) {
        SCOPED_TRACE(int(code));
        uint16_t phrase = phraseDeConstruction(code, false);
        EXPECT_GE(phrase, 2000);
        EXPECT_LE(phrase, 2442);
        EXPECT_NE(phraseDeNature(natureDeConstruction(code)), 0);
    }
}

TEST(Catalogue, TwoHundredTwentyFourPhrasesLeadToAConstruction) {
    int n = 0;
    for (int p = 0; p < 65536; ++p)
        if (constructionDePhrase(uint16_t(p)) != 0) ++n;
    EXPECT_EQ(n, 224);
    EXPECT_EQ(constructionDePhrase(2441), 248);
    EXPECT_EQ(constructionDePhrase(2000), 126);
    EXPECT_EQ(constructionDePhrase(1999), 0);
    EXPECT_EQ(constructionDePhrase(2443), 0);
}

// Rows whose phrases lead to another code: a shared pattern.
constexpr std::pair<int, int> kPartages[] = {{57, 53}, {243, 54}, {244, 54}, {245, 54}};

int codeAttendu(int code) {
    for (auto [c, autre] : kPartages)
        if (c == code) return autre;
    return code;
}

TEST(Catalogue, EveryRowsPhrasesLeadBackToIt) {
    for (uint8_t code : construction::kCodes) {
        SCOPED_TRACE(int(code));
        EXPECT_EQ(constructionDePhrase(phraseDeConstruction(code, false)), codeAttendu(code));
        EXPECT_EQ(constructionDePhrase(phraseDeConstruction(code, true)), codeAttendu(code));
    }
}

TEST(Catalogue, ListedExceptionsOfTheReverseLookup) {
    struct Cas {
        uint16_t phrase;
        uint8_t code;
    };
    for (Cas c : {Cas{2200, 53}, Cas{2201, 53}, Cas{2176, 54}, Cas{2175, 54}, Cas{2419, 1}, Cas{2044, 1},
                  Cas{2167, 186}, Cas{2168, 186}, Cas{2442, 236}, Cas{2426, 236}}) {
        SCOPED_TRACE(c.phrase);
        EXPECT_EQ(constructionDePhrase(c.phrase), c.code);
    }
}

TEST(Catalogue, VariantPhraseIsOneBelowOnlyForVariantCodes) {
    EXPECT_EQ(phraseDeConstruction(8, true), 2012);
    EXPECT_EQ(phraseDeConstruction(8, false), 2013);
    EXPECT_EQ(phraseDeConstruction(1, true), 2044);
    EXPECT_EQ(phraseDeConstruction(0, true), 0);
    EXPECT_EQ(phraseDeConstruction(68, false), 0);
}

TEST(Catalogue, RowsCheckedByHand) {
    struct Cas {
        uint8_t code;
        uint16_t phrase;
        uint8_t nature, valeurs, parents, expressions;
    };
    const Cas cas[] = {
        {construction::kPointLibreAbscisseEntiere, 2044, 1, 5, 2, 1},
        {construction::kMilieuSegment, 2016, 1, 3, 2, 0},
        {construction::kCourbeParametree, 2065, 16, 7, 1, 6},
        {construction::kSegment, 2056, 2, 6, 2, 0},
        {construction::kReelEgal, 2201, 8, 1, 0, 1},
        {construction::kVecteurEgal, 2201, 14, 3, 0, 1},
        {construction::kPointCoordonnees, 2011, 1, 6, 1, 3},
        {construction::kCercleCentrePassantPar, 2068, 5, 10, 5, 0},
        {construction::kRotationAngle, 2111, 15, 13, 2, 1},
        {construction::kProjeteParallelement, 2048, 1, 3, 6, 0},
        {construction::kPlanEquation, 2091, 28, 8, 1, 5},
        {construction::kGraphe, 2085, 34, 6, 2, 6},
        {construction::kFonctionBis, 2176, 9, 0, 0, 0},
        {construction::kDroiteDonnee, 2440, 3, 9, 0, 0},
        {construction::kPlanDonne, 2433, 28, 13, 0, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(int(c.code));
        uint8_t parents = 99, valeurs = 99, nature = 99, expressions = 99;
        uint16_t phrase = 9999;
        caracteristiquesConstruction(c.code, parents, valeurs, phrase, nature, expressions);
        EXPECT_EQ(phrase, c.phrase);
        EXPECT_EQ(nature, c.nature);
        EXPECT_EQ(valeurs, c.valeurs);
        EXPECT_EQ(parents, c.parents);
        EXPECT_EQ(expressions, c.expressions);
        EXPECT_EQ(natureDeConstruction(c.code), c.nature);
    }
}

TEST(Catalogue, CodeWithoutRowLeavesOutputsAndGivesZero) {
    for (uint8_t code : {0, 68, 100, 152, 215, 220}) {
        SCOPED_TRACE(int(code));
        uint8_t parents = 11, valeurs = 12, nature = 13, expressions = 14;
        uint16_t phrase = 15;
        caracteristiquesConstruction(code, parents, valeurs, phrase, nature, expressions);
        EXPECT_EQ(parents, 11);
        EXPECT_EQ(valeurs, 12);
        EXPECT_EQ(phrase, 15);
        EXPECT_EQ(nature, 13);
        EXPECT_EQ(expressions, 14);
        EXPECT_EQ(natureDeConstruction(code), 0);
        EXPECT_EQ(phraseDeConstruction(code, false), 0);
        EXPECT_FALSE(estConstructionDessinable(code));
        EXPECT_FALSE(estConstructionLibre(code));
    }
}

// Every free code has its free values, at places inside the values its row
// reserves, and no other code has any.
TEST(Catalogue, FreeValuesLieWithinTheValuesOfEachFreeCode) {
    for (int c = 0; c < 256; ++c) {
        const uint8_t code = uint8_t(c);
        const TplaceValeursLibres place = placeValeursLibres(code);
        EXPECT_EQ(place.nombre > 0, estConstructionLibre(code)) << c;
        EXPECT_LE(place.nombre, 3) << c;
        uint8_t parents = 0, valeurs = 0, nature = 0, expressions = 0;
        uint16_t phrase = 0;
        caracteristiquesConstruction(code, parents, valeurs, phrase, nature, expressions);
        for (int k = 0; k < place.nombre && k < 3; ++k)
            EXPECT_LT(place.decalages[k], valeurs) << c;
    }
    // The points in space keep their coordinates, the interval variables their fraction.
    const TplaceValeursLibres espace = placeValeursLibres(construction::kPointLibreDansEspace);
    EXPECT_EQ(espace.nombre, 3);
    EXPECT_EQ(espace.decalages[2], 2);
    EXPECT_EQ(placeValeursLibres(construction::kReelLibreIntervalle).decalages[0], 3);
}

TEST(Catalogue, PhraseOfEachKind) {
    const std::pair<int, int> noms[] = {
        {1, 9906},  {2, 9940},  {3, 9922},  {4, 9937},  {5, 9907},  {6, 9908},  {7, 9909},
        {8, 9910},  {9, 9911},  {10, 9912}, {14, 9915}, {15, 9916}, {16, 9917}, {17, 9918},
        {20, 9920}, {22, 9924}, {23, 9935}, {24, 9936}, {25, 9925}, {26, 9938}, {27, 9926},
        {28, 9913}, {29, 9928}, {30, 9929}, {31, 9927}, {32, 9930}, {33, 9931}, {34, 9941},
    };
    std::set<int> nommees;
    for (auto [nature, phrase] : noms) {
        EXPECT_EQ(phraseDeNature(uint8_t(nature)), phrase) << nature;
        nommees.insert(nature);
    }
    for (int n = 0; n < 256; ++n) {
        if (nommees.count(n) == 0) {
            EXPECT_EQ(phraseDeNature(uint8_t(n)), 0) << n;
        }
    }
}

} // namespace
} // namespace km32
