#include "host/fenetres/arbre_phrases.h"

#include <utility>

#include "phrases/phrase.h"

namespace km32 {

namespace {

constexpr uint16_t kCreation = 11054, kPrototypes = 95, kParametres = 11058, kElements = 11056,
                   kAutres = 11055;

// A creation group: its heading and the headings of its sub-groups; the
// sentence patterns go to the sub-groups, or to the group when it has none.
struct GroupeCreation {
    uint16_t titre;
    std::vector<uint16_t> sousGroupes;
};

const std::vector<GroupeCreation>& groupesCreation() {
    static const std::vector<GroupeCreation> g = {
        {236, {240, 241, 244, 245, 261, 242, 243}},
        {237, {246, 258, 259, 251, 247, 248, 264}},
        {250, {}},
        {238, {}},
        {239, {252, 260}},
        {55, {}},
        {56, {}},
        {253, {}},
        {249, {257}},
        {256, {}},
        {255, {263}},
    };
    return g;
}

constexpr uint16_t kPremierPatron = 2003, kDernierPatron = 2206;

struct GroupeParametres {
    uint16_t titre;
    std::vector<uint16_t> phrases;
};

void ajoute(std::vector<TNoeudPhrase>& a, uint16_t phrase, uint8_t niveau, bool mot = false) {
    TNoeudPhrase n;
    n.phrase = phrase;
    n.niveau = niveau;
    n.mot = mot;
    a.push_back(std::move(n));
}

} // namespace

std::string libelleDePhrase(uint16_t phrase, bool mot) {
    std::string t = phraseDeNumero(phrase);
    if (phrase == kPhraseCouleurFond) {
        const std::size_t diese = t.find('#');
        if (diese != std::string::npos) t.erase(diese, 2);
        t += phraseDeNumero(kPhraseCouleurRVB);
    }
    std::erase(t, '&');
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '#') {
            r += " ? ";
            ++i;
        } else {
            r += t[i];
        }
    }
    return mot ? "..." + r + "..." : r;
}

std::vector<TNoeudPhrase> arbreDesPhrases() {
    std::vector<TNoeudPhrase> a;
    a.reserve(kNoeudsArbrePhrases);

    // Creation sentences: the patterns in order, spread over the groups
    // that hold them, the first ones getting one more.
    ajoute(a, kCreation, 0);
    std::size_t porteurs = 0;
    for (const GroupeCreation& g : groupesCreation())
        porteurs += g.sousGroupes.empty() ? 1 : g.sousGroupes.size();
    const std::size_t patrons = kDernierPatron - kPremierPatron + 1;
    uint16_t suivant = kPremierPatron;
    std::size_t rang = 0;
    auto remplit = [&](uint8_t niveau) {
        const std::size_t n = patrons / porteurs + (rang < patrons % porteurs ? 1 : 0);
        for (std::size_t k = 0; k < n; ++k)
            ajoute(a, suivant++, niveau);
        ++rang;
    };
    for (const GroupeCreation& g : groupesCreation()) {
        ajoute(a, g.titre, 1);
        if (g.sousGroupes.empty()) remplit(2);
        for (const uint16_t s : g.sousGroupes) {
            ajoute(a, s, 2);
            remplit(3);
        }
    }

    // Prototype sentences.
    ajoute(a, kPrototypes, 0);
    for (const uint16_t k : {2250, 2252, 2253, 2271})
        ajoute(a, k, 1);
    for (uint16_t k = 2420; k <= 2442; ++k)
        ajoute(a, k, 1);

    // Parameter sentences, then the three groups of commands.
    ajoute(a, kParametres, 0);
    for (uint16_t k = 2207; k <= 2241; ++k)
        ajoute(a, k, 1);
    ajoute(a, kPhraseCouleurFond, 1);
    static const std::vector<GroupeParametres> groupes = {
        {233, {2281, 2291, 2297, 2298, 2299}},
        {231, {2273, 2274, 2275, 2276, 2277}},
        {11053, {2289, 2290, 2292, 2293, 2294}},
    };
    for (const GroupeParametres& g : groupes) {
        ajoute(a, g.titre, 1);
        for (const uint16_t k : g.phrases)
            ajoute(a, k, 2);
    }

    // Sentence elements: single words.
    ajoute(a, kElements, 0);
    for (uint16_t k = 2444; k <= 2490; ++k)
        ajoute(a, k, 1, true);

    // Other sentences.
    ajoute(a, kAutres, 0);
    for (const uint16_t k : {2311, 2312, 2313, 2314, 2315, 2316, 2317, 2243, 2244, 2245, 2246, 2247, 2248,
                             2249, 2254, 2255, 2256, 2417})
        ajoute(a, k, 1);

    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i].aDesEnfants = i + 1 < a.size() && a[i + 1].niveau > a[i].niveau;
        a[i].texte = libelleDePhrase(a[i].phrase, a[i].mot);
    }
    return a;
}

} // namespace km32
