#include "host/fenetres/arbre_phrases.h"

#include <map>
#include <utility>

#include "host/menus_figure_codes.h"
#include "model/catalogue.h"
#include "phrases/phrase.h"

namespace km32 {

namespace {

constexpr uint16_t kCreation = 11054, kPrototypes = 95, kParametres = 11058, kElements = 11056,
                   kAutres = 11055;

// A creation group: its heading and the headings of its sub-groups, each
// with the menu path its heading has; a creation sentence goes to the group
// or sub-group under whose path its construction command lies in the menu.
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

// The sentences that create objects: the patterns of the constructions
// 2000..2201 and the sphere given by its centre and radius with its unit,
// 2418. Settings of a figure (2202..2206) are parameter sentences. The given
// objects (2420..) are the prototypes' sentences.
constexpr uint16_t kPremierPatron = 2000, kDernierPatron = 2201, kPatronSphereUnite = 2418,
                   kPatronSphere = 2118;
constexpr uint16_t kPremierReglage = 2202, kDernierReglage = 2241;
// Constructions from this code on are given objects, whose command is a
// menu heading and not a sentence of their own.
constexpr uint8_t kPremiereConstructionDonnee = 230;

// The heading (a group or a sub-group) under whose menu path the command
// lies, the longest path first; 0 when none of them holds it.
uint16_t groupeDeCommande(int commande) {
    const std::string code = commande > 0 ? codeMenuDeCommande(commande) : std::string();
    uint16_t meilleur = 0;
    std::size_t longueur = 0;
    for (const GroupeCreation& g : groupesCreation()) {
        std::vector<uint16_t> titres = g.sousGroupes;
        titres.push_back(g.titre);
        for (const uint16_t t : titres) {
            // A heading that is a command itself (55, 56) holds its own sentence.
            const std::string chemin = codeMenuDeCommande(t);
            const bool dedans = code == chemin || code.starts_with(chemin + "-");
            if (!chemin.empty() && dedans && chemin.size() > longueur) {
                meilleur = t;
                longueur = chemin.size();
            }
        }
    }
    return meilleur;
}

// The heading of a creation sentence whose construction has a menu command.
uint16_t groupeDePhrase(uint16_t phrase) {
    const uint8_t c = constructionDePhrase(phrase);
    return c != 0 && c < kPremiereConstructionDonnee ? groupeDeCommande(c) : 0;
}

// The creation sentences by the heading that holds them, in phrase order. A
// sentence whose construction has no menu command of its own (the variant of
// a pattern with a length unit, which stands just before or after it; a
// display at a place; a construction reached only by text) goes with the
// nearest sentence that has one, the next one first. The sphere with a unit
// (2418) is run as the sphere by centre and radius, and stands with it.
std::map<uint16_t, std::vector<uint16_t>> phrasesDesGroupes() {
    std::map<uint16_t, std::vector<uint16_t>> groupes;
    auto groupe = [](uint16_t phrase) {
        for (int d = 0; d <= 3; ++d)
            for (const int k : {int(phrase) + d, int(phrase) - d})
                if (k >= kPremierPatron && k <= kDernierPatron)
                    if (const uint16_t g = groupeDePhrase(uint16_t(k))) return g;
        return groupesCreation().back().titre;
    };
    for (uint16_t k = kPremierPatron; k <= kDernierPatron; ++k)
        groupes[groupe(k)].push_back(k);
    groupes[groupe(kPatronSphere)].push_back(kPatronSphereUnite);
    return groupes;
}

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

    // Creation sentences under the headings of their commands: in a group
    // with sub-groups, each sub-group with its sentences, then the group's
    // own sentences.
    ajoute(a, kCreation, 0);
    const std::map<uint16_t, std::vector<uint16_t>> parGroupe = phrasesDesGroupes();
    auto phrasesDe = [&](uint16_t titre, uint8_t niveau) {
        if (const auto it = parGroupe.find(titre); it != parGroupe.end())
            for (const uint16_t k : it->second)
                ajoute(a, k, niveau);
    };
    for (const GroupeCreation& g : groupesCreation()) {
        ajoute(a, g.titre, 1);
        for (const uint16_t s : g.sousGroupes) {
            ajoute(a, s, 2);
            phrasesDe(s, 3);
        }
        phrasesDe(g.titre, 2);
    }

    // Prototype sentences.
    ajoute(a, kPrototypes, 0);
    for (const uint16_t k : {2250, 2252, 2253, 2271})
        ajoute(a, k, 1);
    for (uint16_t k = 2420; k <= 2442; ++k)
        ajoute(a, k, 1);

    // Parameter sentences, then the three groups of commands.
    ajoute(a, kParametres, 0);
    for (uint16_t k = kPremierReglage; k <= kDernierReglage; ++k)
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
