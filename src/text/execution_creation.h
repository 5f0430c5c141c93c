#pragma once
// Turning one recognised creation line into a computed object: the
// operands are read by the construction executor, the object is installed
// (a new last object, or the redefinition of an existing one), the objects
// are put back in order, the object is computed and the names of the whole
// figure are checked. Also the lines that make several objects: the two
// points of an intersection, the images of a list of objects, and the
// keyboard-driving step of a free object.
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

struct TLigneFigure;

constexpr uint16_t kRaisonNonPrecisee = 432;
constexpr uint16_t kErreurPasParametreEtModifiable = 628;
constexpr uint16_t kPhraseSeraitNonValide = 611;
constexpr uint16_t kPhraseConfirmeCreation = 4403;
constexpr uint16_t kPhraseNonValidesInterdits = 531;
// "Changing #2 would stop the line "#1" from running when the figure is
// read..." (one of our own phrases): an edit after which a stored start
// line would fail is refused.
constexpr uint16_t kErreurLigneDiffereeBloquee = 9986;

struct EtatCreation {
    // Off while the property tests build their temporary objects: nothing
    // is shown and a validity reason never refuses a creation.
    bool signalementErreurs = true;
    // Which of the two points of an intersection is being built.
    bool premierPointIntersection = false;
    // The result of the names check that followed the last creation that
    // installed its object (0 when it passed or did not run).
    uint16_t erreurNomsApresCreation = 0;
};
EtatCreation& etatCreation();
void reinitialiseCreation();

// Creates the object of a line from its ";"-separated argument text. code:
// low byte the construction code, high byte the prototype (0 = none). True
// when the object is there and the names of the figure passed their check;
// the new object's name (10 characters at most) and the two result bytes
// are written in every case.
bool executeLigneDeCreation(TfigureKalmetra& f, const std::string& arguments, uint8_t modeLecture,
                            uint16_t code, std::string& nomObjet, uint8_t& resultatInvalide,
                            uint8_t& resultatReserve);

// The creation of the figure's construction dialog, from the argument text
// of its answers: reading mode 4, the construction code of the dialog
// command (or of its prototype), the step of the keyboard-driven object for
// command 115. On failure the dialog record names the rejected line.
constexpr uint8_t kModeLectureDialogue = 4;
constexpr uint16_t kCommandePilotageClavier = 115;
bool executeCreationDuDialogue(TfigureKalmetra& f, const std::string& arguments);

// Shows the failure of a creation: a refusal by its phrase (534 silently);
// a validity reason as "#1 serait non valide." with a question when invalid
// objects may be created (Yes clears the error, No makes it 534), else with
// the message that they are forbidden (534).
void signaleErreurExecution(uint16_t& erreur, const std::string& nomObjet, bool nonValidesPermis);

// The keyboard-driving step of an existing free object (construction 115):
// the caller gives the line record with the object as its target and the
// text "0;" or "1;" (changeable or not), the step, and optionally ";" and
// "0" or "1" (looping or not). The compiled step replaces the object's step
// formula.
struct TLigneAnalysee;
void executeChangementPas(TfigureKalmetra& f, TLigneAnalysee& ligne);

// The handler of every creation line: construction code from the line
// code, the argument text, the creation; 563 on failure.
void creeObjetDeLigne(TfigureKalmetra& f, TLigneFigure& ligne);

// A creation that failed only because the names check found two objects of
// one name (538): the object was installed and computed, and the line that
// made it keeps it rather than being undone.
bool creationGardeeMalgreNoms();
// Whether a stored start line still runs as the reader of the figure's
// text runs it (without real execution: its checks only), the figure left
// exactly as it is and nothing shown.
bool ligneDiffereeExecutable(TfigureKalmetra& f, const std::string& ligne);
// The first stored start line of f that would no longer run when the figure
// is read (its checks run on f without real execution, f left exactly as it
// is and nothing shown), in words; empty when every one runs.
std::string ligneDiffereeBloquee(TfigureKalmetra& f);

} // namespace km32
