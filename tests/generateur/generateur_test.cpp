// The generator of random figures and edits, run through every road with a
// fixed seed; the same run, long, by hand (tests/README.md):
//   KM32_GENERATEUR_FIGURES=10000 KM32_GENERATEUR_GRAINE=7
//     build/default/test_generateur --gtest_filter='*EveryRoad*'
// KM32_GENERATEUR_SANS_ATTENTE=1 also draws the constructions of the pending
// list (generateur.cpp), to see which of them still fail.
#include <cstdlib>
#include <set>

#include "banc_generateur.h"

namespace km32::generateur {
namespace {

int variable(const char* nom, int defaut) {
    const char* v = std::getenv(nom);
    return v && *v ? std::atoi(v) : defaut;
}

// Every pattern of the tables the generator draws from is either drawn or
// left out with a reason: a pattern added to the tables is drawn, or said
// why not.
TEST(GenerateurPhrases, EveryCreationSettingAndEditPatternOfTheTablesIsDrawnOrLeftOutWithAReason) {
    const TablesPhrases t(dossierPhrases());
    std::set<int> connus;
    for (const Signature& s : signaturesCreation())
        connus.insert(s.phrase);
    for (const Signature& s : signaturesReglages())
        connus.insert(s.phrase);
    for (const Omission& o : phrasesOmises())
        connus.insert(o.phrase);
    for (const int n : t.numeros(1, 2000, 2317))
        EXPECT_TRUE(connus.count(n)) << n << " " << t.phrase(1, n);
    // Each signature fills exactly the placeholders of its pattern, in all
    // three languages.
    for (const auto* table : {&signaturesCreation(), &signaturesReglages()})
        for (const Signature& s : *table)
            for (int l = 1; l <= 3; ++l) {
                const std::string& m = t.phrase(l, s.phrase);
                ASSERT_FALSE(m.empty()) << s.phrase << " in language " << l;
                int plus = 0;
                for (std::size_t k = 0; k + 1 < m.size(); ++k)
                    if (m[k] == '#' && m[k + 1] >= '1' && m[k + 1] <= '9')
                        plus = std::max(plus, m[k + 1] - '0');
                int jetons = 0;
                for (const char* c = s.jetons; *c; ++c)
                    jetons += (c == s.jetons || c[-1] == ' ') && *c != ' ';
                EXPECT_EQ(jetons, plus) << s.phrase << " in language " << l << ": " << m;
            }
}

class Generateur : public BancGenerateur {};

TEST_F(Generateur, EveryRoadGivesBackTheFigureAfterEachRandomEdit) {
    // The sanitized build runs about fifteen times slower: there the fixed
    // run draws the first figures of the same sequence.
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kFiguresParDefaut = 12;
#else
    constexpr int kFiguresParDefaut = 40;
#endif
    const int figures = variable("KM32_GENERATEUR_FIGURES", kFiguresParDefaut);
    const uint32_t graine = uint32_t(variable("KM32_GENERATEUR_GRAINE", 20261211));
    const Bilan b = parcourt(graine, figures, 25);
    std::map<std::string, int> parCle;
    for (const Faute& f : b.fautes)
        ++parCle[f.cle];
    std::printf("figures %d, edits taken %d, refused %d, patterns taken %zu\n", figures, b.acceptees,
                b.refusees, b.phrasesAcceptees.size());
    for (const auto& [c, k] : b.evitees)
        std::printf("  pending, not drawn: %s %d\n", c.c_str(), k);
    std::string jamais;
    for (const auto* table : {&signaturesCreation(), &signaturesReglages()})
        for (const Signature& s : *table)
            if (!b.phrasesAcceptees.count(s.phrase)) jamais += " " + std::to_string(s.phrase);
    std::printf("  patterns never taken:%s\n", jamais.c_str());
    for (const auto& [c, k] : parCle)
        std::printf("  fault %s: %d\n", c.c_str(), k);
    if (std::getenv("KM32_GENERATEUR_LISTE"))
        for (const Faute& f : b.fautes)
            std::printf("FAUTE %s %d %s || %s\n", f.cle.c_str(), f.phrase, f.detail.substr(0, 100).c_str(),
                        f.edition.size() > 200 ? "(text)" : f.edition.c_str());
    std::set<std::string> montrees;
    for (const Faute& f : b.fautes)
        if (montrees.insert(f.cle).second) ADD_FAILURE() << decritFaute(f);
    EXPECT_GT(b.acceptees, figures * 10);
}

} // namespace
} // namespace km32::generateur
