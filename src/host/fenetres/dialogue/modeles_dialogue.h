#pragma once
// The models of the construction dialog: for each dialog command, the hint
// under the title, the option list of line 0, whether a length-unit line
// follows the answers, the prefix of a proposed name, and the answer lines
// in the order of the command's operands, the name of the new object last.
//
// The rows live in data/dialogues.tsv and are compiled at build time
// (tools/dialoguegen).
#include <cstdint>
#include <span>

namespace km32 {

struct TLigneModeleDialogue {
    uint16_t phraseInvite; // prompt phrase
    uint8_t longueur;      // answer length, 1 to 255
    uint16_t genre;        // designation rule of the answer (0 the new name, 98 expression)
    bool sousInvite;       // the field goes under its prompt
};

struct TModeleDialogue {
    uint16_t commande;
    uint16_t sousTitre; // 0 for none
    char options;       // '-' none, '.' frame, '/' length unit, '0' angle unit, '1' yes/no, '2' half-plane
    uint8_t ligneUnite; // 1: a length-unit list line follows the answer lines
    const char* prefixeNom; // "Af", "Cm" or ""
    const TLigneModeleDialogue* lignes;
    uint8_t nombreLignes;
};

// Every model, by increasing command.
std::span<const TModeleDialogue> modelesDialogue();
// The model of a command; nullptr when it has no dialog.
const TModeleDialogue* modeleDialogue(uint16_t commande);

} // namespace km32
