// The answer to a query for the sentence that creates an object, asked
// through the host's function for queries in each language: the sentence in
// words up to the 255 characters of a line record, even where the figure
// reader (250 characters) would not take it back; the form the writer writes
// only beyond.
#include <utility>
#include <string>

#include "banc_hote.h"
#include "phrases/phrase.h"

namespace km32::essais {
namespace {

class ReponsesRequetes : public BancHote {
  protected:
    void TearDown() override {
        KMappliqueLangue(1);
        BancHote::TearDown();
    }
};

// The X of the curve: t plus a zero written with many decimals, extra
// characters longer than "t" (a long sum would pass the compiler's limits).
std::string abscisse(std::size_t extra) {
    return "t+0." + std::string(extra - 3, '0');
}

// The sentence of the curve c in the applied language, filled by hand.
std::string phraseCourbe(const std::string& x) {
    std::string p = phraseDeNumero(2065);
    const std::pair<const char*, std::string> valeurs[] = {{"#1", "Rxyz"}, {"#2", "t"},   {"#3", x},
                                                           {"#4", "t*t"},  {"#5", "1-t"}, {"#6", "0,1"},
                                                           {"#7", "50"},   {"#8", "c"}};
    for (const auto& [cle, valeur] : valeurs)
        p.replace(p.find(cle), 2, valeur);
    return p;
}

TEST_F(ReponsesRequetes, TheCreationSentenceIsAnsweredInWordsUpTo255CharactersInEveryLanguage) {
    struct Cas {
        int16_t langue;
        std::size_t longueur;
        bool enMots;
    };
    const Cas cas[] = {
        {1, 253, true},  {1, 255, true}, {1, 256, false}, {2, 253, true},  {2, 255, true},
        {2, 256, false}, {3, 253, true}, {3, 255, true},  {3, 256, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE("language " + std::to_string(c.langue) + ", " + std::to_string(c.longueur) +
                     " characters");
        KMappliqueLangue(c.langue);
        const std::size_t court = phraseCourbe("t").size();
        ASSERT_LT(court + 4, c.longueur);
        const std::string x = abscisse(c.longueur - court);
        const std::string phrase = phraseCourbe(x);
        ASSERT_EQ(phrase.size(), c.longueur);
        // The curve is given in the coded form, which the reader takes
        // whatever the length of the sentence in words.
        const std::string texte = texteDeLignes(
            {"Figure Kalmetra", ";\\;2065;\\;Rxyz;\\;t;\\;" + x + ";\\;t*t;\\;1-t;\\;0,1;\\;50;\\;c"});
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0) << texte;

        KMappliqueLangue(c.langue);
        std::string requete = phraseDeNumero(2314);
        requete.replace(requete.find("#1"), 2, "c");
        const std::string reponse = texteDeBloc(KMfournitHandleSurTexte(n, requete.c_str()));
        if (c.enMots)
            EXPECT_EQ(reponse, "\r\n" + phrase);
        else
            EXPECT_EQ(reponse.rfind("\r\n;\\;2065;\\;", 0), 0u) << reponse;
        // The answers to "the sentences after" the frame hold the same line.
        std::string apres = phraseDeNumero(2315);
        apres.replace(apres.find("#1"), 2, "Rxyz");
        const std::string reponses = texteDeBloc(KMfournitHandleSurTexte(n, apres.c_str()));
        EXPECT_NE(reponses.find(reponse + "\r\n"), std::string::npos) << reponses;
        KMDetruitFigure(n);
    }
}

} // namespace
} // namespace km32::essais
