// The compiled tables as a whole: which numbers have a text in each language,
// the counts per group, and the conventions that every text must keep.
// Each of the three languages has its compiled data.
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "phrases/phrase.h"
#include "phrases/table_phrases.h"

namespace km32 {
namespace {

const TablePhrases& table(uint16_t langue) {
    return langue == kLangueAnglaise    ? tablePhrasesAnglaises
           : langue == kLangueAllemande ? tablePhrasesAllemandes
                                        : tablePhrasesFrancaises;
}

std::vector<EntreePhrase> entrees(uint16_t langue) {
    const TablePhrases& t = table(langue);
    return t.nombre ? std::vector<EntreePhrase>(t.entrees, t.entrees + t.nombre)
                    : std::vector<EntreePhrase>{};
}

const uint16_t kFrancaisSeulement[] = {5510, 5511, 5512, 5513, 5514, 5529, 5541, 5542, 5554, 5559,
                                       5604, 5631, 5636, 5640, 5659, 5660, 5670, 5702, 5703};

struct Groupe {
    uint16_t debut, fin;
    std::size_t textes[3];                            // French, English, German
    std::vector<std::pair<uint16_t, uint16_t>> trous; // ranges without text, where listed
};

const std::vector<Groupe>& groupes() {
    static const std::vector<Groupe> g = {
        {1, 264, {253, 253, 253}, {{220, 230}}},
        {432, 510, {79, 79, 79}, {}},
        {531, 711, {162, 162, 162}, {{532, 532}, {534, 534}, {636, 636}, {670, 670}, {679, 692}, {699, 699}}},
        {2000, 2442, {441, 441, 441}, {{2272, 2272}, {2419, 2419}}},
        {2443, 2531, {88, 88, 88}, {{2515, 2515}}},
        {2532, 2544, {13, 13, 13}, {}},
        {4000,
         4417,
         {267, 267, 266},
         {{4005, 4015},
          {4046, 4068},
          {4071, 4072},
          {4079, 4082},
          {4093, 4122},
          {4127, 4128},
          {4179, 4179},
          {4251, 4251},
          {4278, 4278},
          {4327, 4402}}},
        {4501, 4801, {174, 174, 174}, {}},
        {5001, 5217, {157, 157, 157}, {}},
        {5510, 5703, {19, 0, 0}, {}},
        {9901, 9941, {39, 39, 39}, {{9914, 9914}, {9939, 9939}}},
        {9960, 9975, {16, 16, 16}, {}},
        {9985, 9993, {8, 8, 8}, {{9987, 9987}}},
    };
    return g;
}

std::string nomLangue(uint16_t langue) {
    return langue == kLangueFrancaise ? "Francais" : langue == kLangueAnglaise ? "Anglais" : "Allemand";
}

class Catalogue : public ::testing::TestWithParam<uint16_t> {
  protected:
    void SetUp() override {
        ASSERT_GT(nombreDePhrases(GetParam()), 0) << "no phrase data for language " << GetParam();
    }
    uint16_t langue() const { return GetParam(); }
    std::string texte(uint16_t n) const { return phraseDeNumeroEnLangue(n, langue()); }
};

TEST_P(Catalogue, CountsPerGroupAndNothingOutsideTheGroups) {
    const std::size_t total[] = {1716, 1697, 1696};
    EXPECT_EQ(nombreDePhrases(langue()), total[langue() - 1]);
    std::size_t dansGroupes = 0;
    for (const Groupe& g : groupes()) {
        std::size_t n = 0;
        for (int k = g.debut; k <= g.fin; ++k)
            n += phraseDansTable(uint16_t(k), langue());
        EXPECT_EQ(n, g.textes[langue() - 1]) << "group " << g.debut << "-" << g.fin;
        for (auto [a, b] : g.trous)
            for (int k = a; k <= b; ++k)
                EXPECT_FALSE(phraseDansTable(uint16_t(k), langue())) << k;
        dansGroupes += n;
    }
    EXPECT_EQ(dansGroupes, nombreDePhrases(langue()));
}

TEST_P(Catalogue, SameNumbersAsFrenchButTheFrenchOnlyOnes) {
    std::set<uint16_t> manquent(std::begin(kFrancaisSeulement), std::end(kFrancaisSeulement));
    if (langue() == kLangueAllemande) manquent.insert(4192);
    if (langue() == kLangueFrancaise) manquent.clear();
    for (int n = 0; n <= 10000; ++n) {
        bool attendu = phraseDansTable(uint16_t(n), kLangueFrancaise) && !manquent.count(uint16_t(n));
        EXPECT_EQ(phraseDansTable(uint16_t(n), langue()), attendu) << n;
    }
}

TEST_P(Catalogue, EveryTextFitsAndHoldsNoDollar) {
    for (const EntreePhrase& e : entrees(langue())) {
        ASSERT_NE(e.texte, nullptr);
        EXPECT_EQ(std::strlen(e.texte), e.longueur) << e.numero;
        EXPECT_EQ(std::strchr(e.texte, '$'), nullptr) << e.numero;
        EXPECT_GT(e.longueur, 0u) << e.numero;
    }
    auto v = entrees(langue());
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end(), [](auto& a, auto& b) { return a.numero < b.numero; }));
}

// The placeholders of a text; -1 when a "#" is not followed by 1..9.
std::set<int> marques(const std::string& t) {
    std::set<int> r;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == '#')
            r.insert(i + 1 < t.size() && t[i + 1] >= '1' && t[i + 1] <= '9' ? t[i + 1] - '0' : -1);
    return r;
}

TEST_P(Catalogue, PatternsHoldTheSamePlaceholdersAsFrench) {
    for (int n = 2000; n <= 2442; ++n) {
        if (!phraseDansTable(uint16_t(n), langue())) continue;
        std::set<int> ici = marques(texte(uint16_t(n)));
        EXPECT_FALSE(ici.count(-1)) << n << ": " << texte(uint16_t(n));
        EXPECT_EQ(ici, marques(phraseDeNumeroEnLangue(uint16_t(n), kLangueFrancaise))) << n;
    }
}

TEST_P(Catalogue, CaptionsHoldOneAccessKeyMark) {
    const std::set<int> sansMarque = {121, 139, 161, 192};
    for (int n = 1; n <= 264; ++n) {
        if (!phraseDansTable(uint16_t(n), langue())) continue;
        std::string t = texte(uint16_t(n));
        EXPECT_EQ(std::count(t.begin(), t.end(), '&'), sansMarque.count(n) ? 0 : 1) << n << ": " << t;
    }
}

TEST_P(Catalogue, HeaderLinesAreTheSameInEveryLanguage) {
    EXPECT_EQ(texte(2254), "Figure Kalmetra");
    EXPECT_EQ(texte(2255), "Kalmetra figure (English)");
    EXPECT_EQ(texte(2256), "Kalmetra Figur (Deutsch)");
}

INSTANTIATE_TEST_SUITE_P(Langues, Catalogue,
                         ::testing::Values(kLangueFrancaise, kLangueAnglaise, kLangueAllemande),
                         [](const auto& info) { return nomLangue(info.param); });

TEST(CatalogueFrancais, LineBreaksOnlyInMessagesAndTheKeyQuestion) {
    std::size_t avecRetour = 0;
    for (const EntreePhrase& e : entrees(kLangueFrancaise)) {
        if (!std::strchr(e.texte, '\r')) continue;
        ++avecRetour;
        EXPECT_TRUE((e.numero >= 432 && e.numero <= 711) || e.numero == 4415) << e.numero;
    }
    EXPECT_EQ(avecRetour, 113u);
}

TEST(CatalogueFrancais, NumbersAreTheSharedListAndTheFrenchOnlyOnes) {
    // The numbers every language holds, as ranges, then the French-only ones.
    const std::pair<int, int> communs[] = {
        {1, 219},     {231, 264},   {432, 510},   {531, 531},   {533, 533},   {535, 635},   {637, 669},
        {671, 678},   {693, 698},   {700, 711},   {2000, 2271}, {2273, 2418}, {2420, 2514}, {2516, 2544},
        {4000, 4004}, {4016, 4045}, {4069, 4070}, {4073, 4078}, {4083, 4092}, {4123, 4126}, {4129, 4178},
        {4180, 4250}, {4252, 4277}, {4279, 4326}, {4403, 4417}, {4501, 4576}, {4589, 4591}, {4595, 4595},
        {4600, 4605}, {4613, 4613}, {4615, 4615}, {4624, 4651}, {4653, 4670}, {4672, 4676}, {4681, 4682},
        {4684, 4692}, {4694, 4694}, {4696, 4699}, {4701, 4714}, {4716, 4719}, {4801, 4801}, {5001, 5067},
        {5071, 5076}, {5101, 5105}, {5113, 5113}, {5125, 5128}, {5130, 5151}, {5153, 5170}, {5172, 5176},
        {5181, 5182}, {5184, 5192}, {5196, 5197}, {5201, 5214}, {5216, 5217}, {9901, 9913}, {9915, 9938},
        {9940, 9941}, {9960, 9975}, {9985, 9986}, {9988, 9993}};
    std::set<int> attendus(std::begin(kFrancaisSeulement), std::end(kFrancaisSeulement));
    for (auto [a, b] : communs)
        for (int n = a; n <= b; ++n)
            attendus.insert(n);
    std::set<int> presents;
    for (const EntreePhrase& e : entrees(kLangueFrancaise))
        presents.insert(e.numero);
    EXPECT_EQ(presents, attendus);
}

TEST(CatalogueFrancais, CommandTitlesFollowTheConstructionNames) {
    // Where a construction name 5000 + n exists and no exception is given,
    // title 4500 + n is that name with a capital first letter.
    const std::set<int> exceptions = {24, 25,  26,  27,  28,  29,  30,  33,  34,  38, 41,
                                      42, 104, 105, 136, 137, 139, 140, 192, 202, 203};
    for (int n = 1; n <= 217; ++n) {
        if (!phraseDansTable(uint16_t(5000 + n), kLangueFrancaise)) continue;
        ASSERT_TRUE(phraseDansTable(uint16_t(4500 + n), kLangueFrancaise)) << n;
        if (exceptions.count(n)) continue;
        std::string nom = phraseDeNumeroEnLangue(uint16_t(5000 + n), kLangueFrancaise);
        nom[0] = char(nom[0] - 'a' + 'A');
        EXPECT_EQ(phraseDeNumeroEnLangue(uint16_t(4500 + n), kLangueFrancaise), nom) << n;
    }
}

} // namespace
} // namespace km32
