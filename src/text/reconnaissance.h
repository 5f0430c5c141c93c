#pragma once
// Recognition of figure-text lines: one table of analysed sentence patterns
// (phrases 2000 to 2442) per language, built on first use; the recogniser
// that tries the patterns in order and gives the line its code and
// arguments; the self-check that no pattern hides a later one.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "text/ligne_figure.h"
#include "text/appariement_lignes.h"

namespace km32 {

constexpr uint16_t kPremierModele = 2000;
constexpr uint16_t kDernierModele = 2442;
constexpr std::size_t kNombreModeles = kDernierModele - kPremierModele + 1;
constexpr uint16_t kPremierTest = 2318;
constexpr uint16_t kDernierTest = 2416;

using TTableDesModeles = std::array<TModeleLigne, kNombreModeles>; // index: number - 2000

// The table of a language (2 English, 3 German, any other value French),
// made current. A table that does not exist yet is built from the phrases of
// the language applied at the moment of the call, so apply the language first.
const TTableDesModeles& tableDesModelesDeLangue(uint16_t langue);
// The current table; nullptr before any was made.
const TTableDesModeles* tableDesModeles();
// Frees the three tables (library unload, tests).
void libereTablesDesModeles();

// Whether the arguments of pattern numero must have balanced brackets.
bool controleParenthesesDuModele(uint16_t numero);
// Matches the line against pattern numero (2000..2442) of the current table.
bool ligneCorrespondAuModele(TLigneFigure& ligne, uint16_t numero);
// Sets the line code and arguments of a prepared line, or the error 616. A
// coded line is read as such; a line holding "TESTE" or "TEST:" is only tried
// against the test patterns 2318..2416.
void reconnaitLigne(TLigneFigure& ligne);

// True when pattern avant would capture the text of pattern apres.
bool compareModelesLigne(const TModeleLigne& avant, const TModeleLigne& apres);

struct PaireModeles {
    uint16_t avant;
    uint16_t apres;
    bool operator==(const PaireModeles&) const = default;
};
// Checks every pair of patterns of the current table in order; each pair found
// is shown (caption "Ordre incorrect i j", text phrase i and phrase j) and
// returned. Nothing else changes.
std::vector<PaireModeles> verifieOrdreModeles();
// The same check of the current table, made only the first time after the
// table was built: the order of a table's patterns does not change while it
// lives, so a language applied again (each figure whose text names its
// language) does not compare the patterns again.
void verifieOrdreModelesUneFois();

// How the self-check shows a pair: by default the message-box service.
using AfficheurMessage = void (*)(const std::string& texte, const std::string& titre);
void fixeAfficheurOrdre(AfficheurMessage afficheur);

} // namespace km32
