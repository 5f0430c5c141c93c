#pragma once
// Prototypes: constructions that a figure text defines once, in a block from
// "Début de [titre]" to "Fin de [titre]", and then uses like the built-in
// constructions through a sentence of its own (the model phrase). Each
// prototype owns an inner figure in which its definition lines were run:
// its given objects (objects 14 to n + 13, "A point donné" and the like),
// the construction made from them and, last, the result. A line that
// matches the model phrase creates the result in the figure; the engine
// computes it by copying the given objects into the inner figure and
// reading the inner result back (model/calcul/route_prototype.cpp).
//
// The table (50 slots) belongs to the figure that owns the prototypes: the
// figure itself, or for an inner figure the figure that holds the block.
// This header holds the records and the table; reading and writing blocks,
// the lines that use a prototype and a prototype made from the answers of
// the construction dialog belong to the text language (text/prototypes_texte.h).
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/figure.h"
#include "model/modele_ligne_analyse.h"

namespace km32 {

constexpr int kMaxPrototypes = 50;
constexpr int kMaxDonnesPrototype = 9;         // given objects that carry values or records
constexpr std::size_t kLongueurMaxBloc = 5000; // a block is shorter
constexpr std::size_t kLongueurMaxLignePrototype = 250;

// Phrases of the prototypes.
constexpr uint16_t kErreurTitreSansCrochets = 693;
constexpr uint16_t kErreurFinManquante = 694;
constexpr uint16_t kErreurBlocTropLong = 695;
constexpr uint16_t kErreurAucunObjetCree = 696;
constexpr uint16_t kErreurDonnesPasEnTete = 697;
constexpr uint16_t kErreurResultatInterdit = 698;
constexpr uint16_t kErreurSansInterface = 699;
constexpr uint16_t kErreurPhraseModeleManquante = 700;
constexpr uint16_t kErreurVec = 701;
constexpr uint16_t kErreurNomInconnuModele = 702;
constexpr uint16_t kErreurResultatPasEnTete = 703;
constexpr uint16_t kErreurNomsNonSepares = 704;
constexpr uint16_t kErreurDonneAbsent = 705;
constexpr uint16_t kErreurAntecedentInterdit = 706;
constexpr uint16_t kErreurCrochetsDansTitre = 707;
constexpr uint16_t kErreurDonneInutilise = 708;
constexpr uint16_t kErreurResultatDonne = 709;
constexpr uint16_t kErreurTropDeVariables = 710;
constexpr uint16_t kErreurInviteManquante = 711;
constexpr uint16_t kErreurSyntaxePrototype = 563;
constexpr uint16_t kErreurTableSaturee = 535;
constexpr uint16_t kErreurTitreManquant = 539;

constexpr uint16_t kPhraseDescriptionInterface = 2250;
constexpr uint16_t kPhraseDebutPrototype = 2252;
constexpr uint16_t kPhraseFinPrototype = 2253;
constexpr uint16_t kPhraseHorsMenu = 2271;

// Construction codes of the inner figures.
constexpr uint8_t kCodeVariableMuette = 246;
bool estCodeDonne(uint8_t code);          // 230 to 242 and 247 to 255
bool estCodeResultatPermis(uint8_t code); // what a prototype may create
bool estCodeAntecedentPermis(uint8_t code);

// What the replay of a prototype line needs of the prototype.
struct TInterfacePrototype {
    uint8_t nombreDonnes = 0;                  // given objects, 1 to 10
    std::array<uint8_t, 11> naturesDonnes{};   // kind of given object k, 1 to 10
    std::array<uint8_t, 10> operandesDonnes{}; // operand number of given object k, 1 to 9 (written)
    uint8_t nombreValeursResultat = 0;
    TEnsembleObjets ensembleRepere; // bit 13 + k: given object k must carry a coordinate system
    uint16_t echantillonsDernierObjet = 0;
};
// The prototype p (1 to 50) of the owner figure's table; nullptr when none.
using TrouvePrototype = TInterfacePrototype* (*)(TfigureKalmetra& f, uint8_t p);
// The usable prototype p of the owner's table; nullptr when none.
TInterfacePrototype* prototypeDeFigure(TfigureKalmetra& f, uint8_t p);

struct TPrototype {
    std::string titre;                   // between the brackets, at most 80
    std::array<std::string, 11> invites; // 1..n for the given objects, n + 1 for the result
    bool aCommentaire = false;
    std::string commentaire;  // the lines after the prompts, end line left out
    std::string ligneTravail; // the model phrase coded: "#1 milieu de #2" (the macro text)
    std::string phraseModele; // as written
    TModeleLigne modele;      // built from ligneTravail
    uint8_t nombreDonnes = 0;
    uint8_t nombreVariables = 0;                // dummy variables, 0 to 3
    std::array<uint8_t, 3> variables{};         // their inner object numbers
    std::array<uint16_t, 3> indicesVariables{}; // their value indices in the inner figure
    TEnsembleObjets dependantsVariables;        // inner objects that depend on a variable
    TEnsembleObjets ensembleTravail;
    TEnsembleObjets aRecalculer; // recomputed when the variables change
    TEnsembleObjets fixes;       // needed by the result, independent of the variables
    uint8_t premierARecalculer = 0;
    uint8_t codeResultat = 0; // 243, 244, 245 with dummy variables
    uint8_t natureResultat = 0;
    uint8_t nombreValeursResultat = 0;
    uint16_t indiceResultat = 0; // first value index, or function slot (kinds 9, 22 to 24)
    uint8_t solideResultat = 0;
    uint8_t maillageResultat = 0;
    uint8_t resultatLibre = 0;
    uint8_t nonUtilisable = 1;               // while analysed and after a failed analysis
    TfigureKalmetra* proprietaire = nullptr; // the figure whose text defined it (non-owning)
    std::array<uint8_t, 11> natures{};       // kinds of the given objects 1..n, the result's at n + 1
    uint8_t premierCree = 0;                 // n + 14
    TEnsembleObjets nomsPermis;              // objects the model phrase may name
    std::array<uint16_t, kMaxDonnesPrototype + 1>
        indicesDonnes{};                                          // value index (or function slot) of given k
    std::array<uint8_t, kMaxDonnesPrototype + 1> solidesDonnes{}; // solid slot of given k
    std::string squelette; // placeholder bytes in order, ";" after text between two of them
    std::unique_ptr<TfigureKalmetra> figureInterne;
    std::string texteBloc; // the whole block, "Début de" line to the "]" of the end line
    // The block as the writer wrote it just after reading it, and the
    // language applied then: while both still hold, the block as read (above)
    // reads back into the same prototype and may be written in its place.
    std::string blocEcritALaLecture;
    uint16_t langueALaLecture = 0;
    uint8_t aLigneStyle = 0;
    uint8_t aSourcesCouleur = 0;
    TEnsembleObjets secondeDirection; // given lines and planes that need their coordinate system
    // What the replay of a line needs (kept in step with the fields above).
    TInterfacePrototype rejeu;
};

// ---- The table ----

// Frees an existing table of f first, then 50 free slots.
void creeTableDesPrototypes(TfigureKalmetra& f);
// Every prototype freed, then the table; nothing when f has none.
void libereTableDesPrototypes(TfigureKalmetra& f);
// The prototype in slot (1..50) freed with its inner figure; the slot free.
void liberePrototype(TtableDesPrototypes& table, int emplacement);
// A table of copie's own with a deep copy of every prototype of source.
void copieTableDesPrototypes(const TfigureKalmetra& source, TfigureKalmetra& copie);

// The table serving f (that of its owner); nullptr when there is none.
TtableDesPrototypes* tableDesPrototypesDe(const TfigureKalmetra& f);
// Prototype p (1..50) of the table serving f; nullptr when none.
TPrototype* prototypeDe(const TfigureKalmetra& f, int p);

} // namespace km32
