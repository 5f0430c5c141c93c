#pragma once
// The process-wide shared-variable table of the sibling library, through which
// the two libraries and the host share the language, window handles and
// settings. Its named fields sit at fixed byte offsets (checked below); the
// bytes between them belong to the sibling library. Handles are 32-bit ids;
// the default figure text is the id of a text kept by the sibling library.
#include <cstddef>
#include <cstdint>

namespace km32 {

#pragma pack(push, 1)
struct TTableDesVariablesPartagees {
    uint8_t reserve0[2752];
    double valeursCommunes[250];   // 2752: common values 1 to 250 (index 0 is value 1)
    uint8_t indefinisCommuns[250]; // 4752: undefined flags of the common values
    uint8_t reserve1[2];
    uint32_t fenetreMereKM; // 5004: mother window of this library
    uint32_t fenetreMereTQ; // 5008: the sibling's own mother window
    uint8_t reserve2[8];
    uint32_t clients[100];  // 5020: registered shared-variable records (ids)
    uint32_t fenetreAnnexe; // 5420: open annex window
    uint8_t codeAnnexe;     // 5424: open-annex code (0 none, 128 up: this library)
    uint8_t reserve3[3];
    uint32_t proprietaireAnnexe; // 5428: owner (registered modal) window of the annex
    uint8_t reserve4[2];
    uint8_t annexeEnFermeture;        // 5434: annex closing
    uint8_t sansAvisModification;     // 5435: suppress the figure-modified notice
    uint16_t langueAppliquee;         // 5436: applied language, 1 French, 2 English, 3 German
    uint16_t langueDemandee;          // 5438: requested language
    int32_t figureProprietaireAnnexe; // 5440: figure number of the annex owner
    uint32_t parentAnnexes;           // 5444: parent of annex windows of figures without host
    uint8_t reserve5[4];
    uint8_t fondSombre;             // 5452: dark background
    uint8_t dernierRepertoire[256]; // 5453: last save directory (length-prefixed)
    uint8_t traitsEpaisDefaut;      // 5709: thick-lines default
    uint8_t reserve6[326];
    uint32_t texteFigureDefaut;    // 6036: default figure text (text id, 0 when none)
    uint8_t objetsInvalidesDefaut; // 6040: invalid-objects default
    uint8_t reserve7;
    uint8_t remplacementInfo; // 6042: information-window replacement on
    uint8_t reserve8;
    uint32_t fenetreAReactiver;  // 6044: window to reactivate
    uint8_t repertoireAide[256]; // 6048: help directory (length-prefixed)
    uint8_t reserve9[4];
    int32_t metriquesEcran[4]; // 6308: screen metrics written by the adjusted copy
    // 6324, 6328: available width and height of the adjusted copy in millimetres.
    // The two fields are four bytes apart, so they are single-precision reals.
    float largeurDisponibleMm;
    float hauteurDisponibleMm;
    int32_t decalageX;      // 6332
    int32_t decalageY;      // 6336
    int32_t unitesParUnite; // 6340: screen units per requested unit, rounded
    uint8_t reserve10[60];
};
#pragma pack(pop)

static_assert(offsetof(TTableDesVariablesPartagees, valeursCommunes) == 2752);
static_assert(offsetof(TTableDesVariablesPartagees, indefinisCommuns) == 4752);
static_assert(offsetof(TTableDesVariablesPartagees, fenetreMereKM) == 5004);
static_assert(offsetof(TTableDesVariablesPartagees, fenetreMereTQ) == 5008);
static_assert(offsetof(TTableDesVariablesPartagees, clients) == 5020);
static_assert(offsetof(TTableDesVariablesPartagees, fenetreAnnexe) == 5420);
static_assert(offsetof(TTableDesVariablesPartagees, codeAnnexe) == 5424);
static_assert(offsetof(TTableDesVariablesPartagees, proprietaireAnnexe) == 5428);
static_assert(offsetof(TTableDesVariablesPartagees, annexeEnFermeture) == 5434);
static_assert(offsetof(TTableDesVariablesPartagees, sansAvisModification) == 5435);
static_assert(offsetof(TTableDesVariablesPartagees, langueAppliquee) == 5436);
static_assert(offsetof(TTableDesVariablesPartagees, langueDemandee) == 5438);
static_assert(offsetof(TTableDesVariablesPartagees, figureProprietaireAnnexe) == 5440);
static_assert(offsetof(TTableDesVariablesPartagees, parentAnnexes) == 5444);
static_assert(offsetof(TTableDesVariablesPartagees, fondSombre) == 5452);
static_assert(offsetof(TTableDesVariablesPartagees, dernierRepertoire) == 5453);
static_assert(offsetof(TTableDesVariablesPartagees, traitsEpaisDefaut) == 5709);
static_assert(offsetof(TTableDesVariablesPartagees, texteFigureDefaut) == 6036);
static_assert(offsetof(TTableDesVariablesPartagees, objetsInvalidesDefaut) == 6040);
static_assert(offsetof(TTableDesVariablesPartagees, remplacementInfo) == 6042);
static_assert(offsetof(TTableDesVariablesPartagees, fenetreAReactiver) == 6044);
static_assert(offsetof(TTableDesVariablesPartagees, repertoireAide) == 6048);
static_assert(offsetof(TTableDesVariablesPartagees, metriquesEcran) == 6308);
static_assert(offsetof(TTableDesVariablesPartagees, largeurDisponibleMm) == 6324);
static_assert(offsetof(TTableDesVariablesPartagees, hauteurDisponibleMm) == 6328);
static_assert(offsetof(TTableDesVariablesPartagees, decalageX) == 6332);
static_assert(offsetof(TTableDesVariablesPartagees, decalageY) == 6336);
static_assert(offsetof(TTableDesVariablesPartagees, unitesParUnite) == 6340);

static_assert(sizeof(TTableDesVariablesPartagees) == 6404);

// The one table of the process, valid while the library is loaded. The first
// call puts it in its initial state (see reinitialiseTableDesVariablesPartagees).
TTableDesVariablesPartagees* TQTableDesVariablesPartagees();

// Puts the table in the state it has when the sibling library is loaded:
// every byte 0, applied and requested language 1 (French). Tests call it to
// start from a known table.
void reinitialiseTableDesVariablesPartagees();

} // namespace km32
