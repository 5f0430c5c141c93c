#pragma once
// The tree of phrases of the figure text editor: 388 nodes in five groups
// (creation sentences, prototype sentences, parameter sentences, sentence
// elements, other sentences), each node labelled from its phrase in the
// applied language. The creation sentences stand under the menu headings of
// their construction commands; every sentence is in exactly one group.
#include <cstdint>
#include <string>
#include <vector>

namespace km32 {

constexpr std::size_t kNoeudsArbrePhrases = 388;
constexpr uint16_t kPhraseCouleurFond = 2270, kPhraseCouleurRVB = 11162;

struct TNoeudPhrase {
    uint16_t phrase = 0;
    uint8_t niveau = 0; // 0 for the five groups
    bool mot = false;   // a single word of the sentence-element group
    bool aDesEnfants = false;
    std::string texte; // the label
};

// The nodes in pre-order, labels from the applied language.
std::vector<TNoeudPhrase> arbreDesPhrases();

// The label of a phrase: for the background colour the two characters from
// the first "#" give way to the RGB phrase; "&" dropped; "#" and the
// character after it become " ? "; a word is shown between "..." and "...".
std::string libelleDePhrase(uint16_t phrase, bool mot);

} // namespace km32
