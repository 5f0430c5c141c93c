#pragma once
// Running one line of a figure text: the line is cleaned, offered to the
// figure's prototypes, recognised, and its code routed to what it stands
// for (creation of an object, a setting or command handler, a property test,
// a setting applied on the figure itself) or to one of the special results.
// The routing and the result contract live here; what touches the figure is
// done by an ExecutantLigne that the figure side provides.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/ligne_figure.h"

namespace km32 {

struct TfigureKalmetra;

// Special results of a line besides 0 and the error phrase numbers.
constexpr uint16_t kResultatHorsRequete = 1;    // query mode, a line that is no query
constexpr uint16_t kDebutPrototype = 97;        // "Début de #1"
constexpr uint16_t kLigneDifferee = 98;         // runs later from the stored extra lines
constexpr uint16_t kLigneCommentaire = 99;      // "Commentaire"
constexpr uint16_t kDescriptionInterface = 670; // "Description de l'interface"
constexpr uint16_t kErreurCreation = 563;       // a creation that failed

enum class RouteLigne : uint8_t {
    Aucune,               // a code outside 2000..2442: nothing is done
    Creation,             // an object is created from the line
    CreationSphereUnite,  // 2418: run as 2118, then created
    AffichageTexte,       // 2001, 2002: the text shown in place of an object
    ObjetLibre,           // 2202, 2203, 2232: parameters of a free object
    Dessin,               // drawing attributes and their limits
    Reglage,              // settings, view and objects
    Commande,             // further settings and commands
    Options,              // 2292: only when lines run for real
    Acceptee,             // accepted, nothing done, result 0
    Test,                 // a property test: handed on, result 0
    Directe,              // a setting the executor applies to the figure itself
    DescriptionInterface, // result 670
    Commentaire,          // result 99
    DebutPrototype,       // result 97
};

RouteLigne routeDeCodeLigne(uint16_t code);

// The module's globals: executionReelle is 0 while a whole text is read in
// and 1 while lines run one by one; lignesNonExecutees holds the coded form
// of the last line whose result was 98.
struct EtatExecutionLigne {
    uint8_t executionReelle = 0;
    std::string lignesNonExecutees;
    // Counts every line run, on any figure: a line that goes on from the one
    // before (a list of values ended by "...") checks that no other came
    // between.
    uint64_t lignesExecutees = 0;
};
EtatExecutionLigne& etatExecutionLigne();
void reinitialiseExecutionLigne();

// The figure side of the executor.
class ExecutantLigne {
  public:
    virtual ~ExecutantLigne() = default;
    // True when a prototype of the figure's owner took the line; its outcome
    // is then in ligne.erreur.
    virtual bool prototypePrendLigne(TLigneFigure& ligne) = 0;
    virtual bool modeRequete() = 0;
    // Codes 2313..2317 in query mode: the answer goes to the answer buffer.
    virtual void executeRequete(TLigneFigure& ligne) = 0;
    // Creation of an object (creeObjetDeLigne); sets ligne.erreur.
    virtual void creeObjet(TLigneFigure& ligne) = 0;
    // The handlers of the routes AffichageTexte, ObjetLibre, Dessin, Reglage,
    // Commande and Options; each sets ligne.erreur.
    virtual void executeCommande(RouteLigne route, TLigneFigure& ligne) = 0;
    // A test line handed to the property tests with the figure's number;
    // their outcome is not used.
    virtual void testePropriete(const std::string& ligne) = 0;
    // A code of the route Directe that applies (the conditions on
    // executionReelle are checked before).
    virtual void executeDirecte(TLigneFigure& ligne) = 0;
};

// The pre-steps: a leading quote or apostrophe goes, and then a trailing
// one; each "''" becomes one double quote; within 255 characters.
std::string nettoieLigne(std::string_view ligne);

// Runs one line through the executant and returns its result: 0, 1 in query
// mode for a line that is no query, an error phrase number (616 when no
// pattern matched), or 97, 98, 99, 670. An internal error inside the line
// gives its phrase (535 for a full table), else 616.
uint16_t executeLigne(ExecutantLigne& executant, std::string_view ligne, uint8_t redessine,
                      uint8_t modeLecture);

// Before the creation of an object: the construction code kept in the line,
// argument 1 of the text display (code 126) taken again as the whole rest of
// the line after its first ":", and the argument text built.
void prepareCreationDeLigne(TLigneFigure& ligne, uint16_t codeConstruction);

// Runs one line on a figure record (executeLigne with an ExecutantLigne over
// the figure; defined in execution_figure.cpp): 0 or the line's result.
uint16_t executeLigneDeFigure(TfigureKalmetra* figure, std::string_view ligne, uint8_t redessine,
                              uint8_t modeLecture);

} // namespace km32
