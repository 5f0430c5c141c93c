#pragma once
// Running the command of a construction dialog: the answers of the figure's
// dialog record become one ";"-separated argument text, and the command runs
// under a snapshot of the figure: a creation for a construction command, or
// the handler of one of the other dialog commands (assignment of free
// objects, drawings limited to a convex, rename, modification, prototype,
// clock interval, picture-copy settings, projection parameters, front
// plane, isolated plane, adjusted copy). On failure the figure is put back
// and the dialog record names the line to put the focus on; on success the
// state before the command goes to the undo store.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

// The argument text of the dialog's answers (line 0, the answer lines, the
// appended line), without the final ";".
std::string argumentsDuDialogue(const TfigureKalmetra& f);

// True when the command of f.commandeDialogue succeeded.
bool executeCommandeDuDialogue(TfigureKalmetra& f);

// Commands 68, 69, 70: a free number or point takes a value.
bool affecteObjetsLibresDuDialogue(TfigureKalmetra& f, const std::string& texte, uint8_t modeLecture);
// Shows an assignment error with "#1" the field, and marks the line.
void signaleErreurAffectation(TfigureKalmetra& f, uint16_t erreur, const std::string& champ, uint8_t ligne);
// Command 89: "convex;objects".
bool limiteDessins(TfigureKalmetra& f, const std::string& texte);
// Command 198: "plane;steps" stored as the front plane; the view turns
// afterwards with revoitPlanDeFace. ligneErreur: the line of a refusal.
bool vueAvecPlanDeFace(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte,
                       uint8_t& ligneErreur);
void revoitPlanDeFace(TfigureKalmetra& f);
// Command 199: ["0;" or "1;"] "plane": the plane isolated (turned to with 1).
bool isolePlan(TfigureKalmetra& f, uint8_t modeLecture, const std::string& texte, uint8_t& ligneErreur);

} // namespace km32
