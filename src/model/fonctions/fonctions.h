#pragma once
// Function objects: the records that let a function (kind 9), a sequence
// (22) or a function of 2 or 3 variables (23, 24) be evaluated for given
// variable values, the figure's table of those records (slots 1 to 100,
// reached through the object's function slot), their life cycle and deep
// copy, the preparation of the compiled kinds from the object's parameter
// expression, and the evaluators.
//
// Record kinds: 1 compiled function of 1 to 3 variables, 2 explicit
// sequence, 3 recurrent sequence of order 1 or 2, 4 value table
// (fonction_valeurs.h), 5 no evaluation (always undefined), 6 function
// defined by a prototype (an inner figure computed for the variables).
#include <array>
#include <cstdint>
#include <memory>

#include "model/evaluation_noyau.h"
#include "model/figure.h"
#include "model/fonctions/fonction_valeurs.h"

namespace km32 {

struct TFonction;

constexpr int kMaxFonctions = 100;
constexpr int kMaxSousFonctions = 26;
// First-zero searches stop at this index.
constexpr int32_t kIndiceMaxSuite = 30000;

enum GenreFonction : uint8_t {
    kFonctionCompilee = 1,
    kSuiteExplicite = 2,
    kSuiteRecurrente = 3,
    kFonctionTableValeurs = 4,
    kFonctionSansEvaluation = 5,
    kFonctionConstruite = 6,
};

// Kinds 1 to 3: a compiled parameter expression and what its run needs.
struct TFonctionCompilee {
    // Entry j (1 to 26): the record of operand object j of the expression
    // when that object is a function; owned when its flag is 1.
    std::array<TFonction*, kMaxSousFonctions + 1> sousFonctions{};
    std::array<uint8_t, kMaxSousFonctions + 1> sousFonctionsPossedees{};

    // Own headers. Kind 1: constante, renvoieX/Y/Z. Kind 2: indiceEnCours,
    // constante, identite. Kind 3: all but renvoieX/Y/Z.
    int32_t indiceEnCours = 0;
    uint8_t constante = 0;
    uint8_t renvoieX = 0, renvoieY = 0, renvoieZ = 0;
    uint8_t identite = 0;    // u(n) = n
    uint8_t periodeDeux = 0; // u(n) = u(n-2)
    uint8_t ordreDeux = 0;   // recurrence on the two previous terms
    double valeurConstante = 0;
    double premierTerme = 0;  // u(s)
    double deuxiemeTerme = 0; // u(s+1), order 2
    // Cache of a recurrent sequence: the last computed index m, u(m), u(m-1).
    int32_t dernierIndice = 0;
    double dernierTerme = 0;
    double avantDernierTerme = 0;
    int32_t indiceEchec = 0; // first index whose computation failed, 0 = none

    uint8_t debut = 0, fin = 0; // positions of the first instruction and the end of the code
    uint8_t nombreObjets = 0, nombreVariables = 0;
    // Slot 0: the unit of length of the function object; 1 the result; 4, 5, 6
    // the variables; 13 to 40 the constants; 41 on the operand objects.
    TcasesExpression cases{};
    TcodeExpression code{};
};

// Kind 6. PROTOTYPE SEAM: the prototype road of the engine fills it from the
// prototype when it computes the object; until then the record stays empty
// and its evaluation is undefined.
struct TFonctionConstruite {
    uint8_t nombreVariables = 0;                    // 1 to 3
    std::array<uint16_t, 3> indicesVariables{};     // value indices in the inner figure
    TEnsembleObjets aRecalculer;                    // inner objects recomputed for each evaluation
    uint16_t indiceResultat = 0;                    // value index of the result in the inner figure
    std::unique_ptr<TfigureKalmetra> figureInterne; // a private copy of the prototype's inner figure
    uint8_t premierARecalculer = 0;
};

struct TFonction {
    uint8_t genre = 0;
    int32_t indiceDebut = 0;                     // s: index of the first term (kinds 2 and 3), 0 otherwise
    std::unique_ptr<TFonctionCompilee> compilee; // kinds 1 to 3
    std::unique_ptr<TFonctionTable> table;       // kind 4
    std::unique_ptr<TFonctionConstruite> construite; // kind 6
};

// ---- Records and the table ----

// Frees an existing table first; every slot free.
void creeTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table);
// Frees every owned record, then the table.
void libereTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table);
// A new table for copie holding, in the same slots, an owned copy of every
// record of source.
void copieTableDesFonctions(const TtableDesFonctions& source, std::unique_ptr<TtableDesFonctions>& copie);
// The first free slot 1 to 100, 0 when all are used.
uint8_t emplacementLibreFonction(const TtableDesFonctions& table);
// Frees the record held, then allocates a record of the kind (kinds 0, 5
// and above 6 get the two common fields only).
void alloueFonction(uint8_t genre, TFonction*& fonction);
// Frees the record with the sub-functions it owns and its inner figure.
void libereFonction(TFonction*& fonction);
// A deep copy: the copy owns copies of every sub-function of the source,
// owned there or not, and a copy of its inner figure.
void copieFonction(const TFonction& source, TFonction*& copie);

// The record kind of a construction code.
uint8_t genreFonctionDeCode(uint8_t code);
// Takes a free slot for an object of the construction code and allocates
// its record, owned by the table; 0 when the table is full (535).
uint8_t alloueFonctionPourObjet(TfigureKalmetra& f, uint8_t code);
// Releases the function slot of object n (kinds 9, 22 to 24 only). Records
// of the table that used it as a sub-function lose it (they are undefined
// until prepared again).
void libereFonctionDeObjet(TfigureKalmetra& f, int n);
// The record of object n's function slot; nullptr when it has none.
TFonction* fonctionDeObjet(const TfigureKalmetra& f, int n);
// The value table of object n (a function defined by values); nullptr when
// it has none.
TFonctionTable* tableDeValeursDeObjet(const TfigureKalmetra& f, int n);
// The record of slot k (1 to 100) of the figure's table; nullptr when free.
TFonction* fonctionDeEmplacement(const TfigureKalmetra& f, int k);

// ---- Evaluation ----

// The caller sets nonDefini to 0 first. Failures set it to 1 and leave the
// result as it was (the value table sets 0 first).
void evalueFonction(TFonction* fonction, uint8_t& nonDefini, double& resultat, double x, double y, double z);
// The function of object n, whose slot must be set.
void evalueFonctionDeObjet(const TfigureKalmetra& f, int n, uint8_t& nonDefini, double& resultat, double x,
                           double y, double z);
// The index of the first term of sequence n whose absolute value is below
// 1e-10, searched up to 30000.
void indicePremierTermeNulDeObjet(const TfigureKalmetra& f, int n, uint8_t& nonDefini, int32_t& indice);

// Installs the evaluation of function objects into the figure's compiled
// expressions (done when the library is loaded; tests that replace it call
// it again).
void installeEvaluateurFonctions();

// ---- Preparation from the object's parameter expression ----

// Each computation of the object fills its record again (the cache of a
// recurrent sequence restarts). False when object n has no record of the
// kind in its slot.
bool prepareFonctionCompilee(TfigureKalmetra& f, int n);
bool prepareSuite(TfigureKalmetra& f, int n);
bool prepareSuiteRecurrente(TfigureKalmetra& f, int n);

} // namespace km32
