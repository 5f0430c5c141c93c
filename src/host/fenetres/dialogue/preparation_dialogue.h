#pragma once
// Building the construction dialog record of a figure (TDialogueObjet): the
// title, the option list of line 0 (frame, length unit, angle unit, yes/no,
// half-plane), the answer lines of the command from its model
// (modeles_dialogue.h), an appended length-unit line, and, for the
// modification of an object (command 91), the answers pre-filled from the
// object's definition. The dialog window lays out and runs the record.
#include <cstdint>
#include <string>

#include "host/prototypes_menu.h"
#include "model/figure.h"

namespace km32 {

// Commands of the dialog that are not constructions.
constexpr uint16_t kCommandeModifier = 91;
constexpr uint16_t kCommandeUsagePrototype = 119;
constexpr uint16_t kCommandePilotage = 115;
constexpr uint16_t kCommandeCopieAjustee = 124;
constexpr uint16_t kCommandePlanIsole = 199;
constexpr uint16_t kCommandeImpression = 301;

// Phrases of the option lists.
constexpr uint16_t kPhraseDegre = 2478, kPhraseRadian = 2479;
constexpr uint16_t kPhraseOui = 4405, kPhraseNon = 4406;
constexpr uint16_t kPhraseLargeurImage = 4407, kPhraseUniteUxyz = 4411;
constexpr uint16_t kPhraseBoucle = 4413, kPhraseNonBoucle = 4414;
// The units of a keyboard step in words ("#1" the object measured).
constexpr uint16_t kPhraseLongueurCercle = 4408, kPhraseLongueurArc = 4409, kPhraseLongueurSegment = 4410,
                   kPhraseUniteDe = 4412;

// Builds the record for the figure's dialog command. After a modification
// choice (previous dialog command 91) the pre-filled answers are kept.
void prepareDialogueCommande(TfigureKalmetra& f);
// Builds the record for the object being modified (f.objetDialogue): the
// dialog command becomes its construction code (1000 + its prototype for a
// prototype result) and the answers its operands, in pattern order.
void prepareDialogueObjet(TfigureKalmetra& f);
void libereDialogue(TfigureKalmetra& f);
// The hint under the title, "#1" replaced by the keyboard-driven object's
// name for the keyboard-step dialog; empty when the record has none.
std::string texteSousTitre(const TfigureKalmetra& f, const TDialogueObjet& d);

// The option lists, entries separated by ";": the chosen frame (or unit)
// first, then the built-in one when the first is another, then every user
// frame (or length unit) whose access is allowed.
std::string listeDesReperes(const TfigureKalmetra& f);
std::string listeDesUnitesDeLongueur(const TfigureKalmetra& f);
// The proposed name of a display ("Af") or a command ("Cm"): the prefix and
// the smallest number 0, 1, 2... that no object bears.
std::string nomLibrePropose(const TfigureKalmetra& f, const std::string& prefixe);

// The length of the longest entry of an option list (entries split at ";").
std::size_t longueurPlusLongueEntree(const std::string& liste);

} // namespace km32
