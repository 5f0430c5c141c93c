#pragma once
// A plain-text edit control as the host's windows keep it: the text with
// CR LF line breaks, the caret and the selection, a maximum length, undo and
// redo by whole edits, and the clipboard operations. The owner is told of
// every change of the text through its flag.
//
// Undo takes back one edit at a time, as a text field does: a run of typed
// characters (the caret going on from where the last one left it), a run of
// deleted characters (Backspace or Delete, one after the other), and each
// paste, cut, clear, replaced selection or inserted phrase on its own. Any
// new edit drops what undo took back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace km32 {

// The text and its selection as an undo or a redo gives them back.
struct EtatZone {
    std::string texte;
    std::size_t debutSelection = 0, longueurSelection = 0;
};

// The kind of edit the last one was, for the runs that undo takes back whole.
enum class SaisieZone : uint8_t { Aucune, Frappe, Effacement };

// The edits undo keeps, the oldest dropped past this many.
constexpr std::size_t kAnnulationsZone = 100;

struct TZoneTexte {
    std::string texte;
    std::size_t debutSelection = 0, longueurSelection = 0;
    std::size_t longueurMax = 65000;
    std::vector<EtatZone> annulations;      // the states before each edit, the latest last
    std::vector<EtatZone> retablissements;  // the states undo left, the latest last
    SaisieZone saisie = SaisieZone::Aucune; // the run the last edit belongs to
    std::size_t finSaisie = 0;              // where that run goes on (bytes of texte)
    uint8_t* modifie = nullptr;             // set on every change of the text
};


// Replaces the whole text (an edit undo takes back); caret at the start.
void fixeTexteZone(TZoneTexte& z, std::string_view texte);
// Forgets every edit: undo and redo have nothing to take back.
void oublieAnnulationsZone(TZoneTexte& z);
void selectionneZone(TZoneTexte& z, std::size_t debut, std::size_t longueur);
std::string texteSelectionne(const TZoneTexte& z);
// The selection replaced by the text; false (nothing done) when the result
// would pass the maximum length. The caret goes after the inserted text.
bool remplaceSelection(TZoneTexte& z, std::string_view texte);
// The whole text as the user left it in a toolkit's entry (line breaks made
// CR LF): an edit that undo takes back, the caret after the part that
// differs from the text before. One character typed or deleted where the
// last one was goes on the run of typing or deleting. False (nothing done)
// when it would pass the maximum length or equals the text.
bool changeTexteZone(TZoneTexte& z, std::string_view texte);

// The lines of the text, without their breaks.
std::size_t nombreLignesZone(const TZoneTexte& z);
std::string ligneZone(const TZoneTexte& z, std::size_t ligne); // from 0
// Start of line ligne (from 0) counted as the sum of the lengths + 2 of
// the lines before it.
std::size_t debutLigneZone(const TZoneTexte& z, std::size_t ligne);
// The line (from 0) that holds the caret position.
std::size_t ligneDePosition(const TZoneTexte& z, std::size_t position);

// The standard operations; the clipboard ones go through the window's
// ownership of the clipboard. Undo takes back the last edit and redo makes
// it again; each does nothing when there is nothing to take back or make
// again.
void annuleZone(TZoneTexte& z);
void retablisZone(TZoneTexte& z);
bool peutAnnulerZone(const TZoneTexte& z);
bool peutRetablirZone(const TZoneTexte& z);
void copieZone(const TZoneTexte& z, uint32_t fenetre);
void coupeZone(TZoneTexte& z, uint32_t fenetre);
void colleZone(TZoneTexte& z);
void effaceSelectionZone(TZoneTexte& z);
void toutSelectionnerZone(TZoneTexte& z);
// A typed character: 1 (Ctrl+A) selects all, 8 deletes the selection or the
// character before the caret, 13 breaks the line, a control character
// otherwise does nothing, any other replaces the selection.
void caractereZone(TZoneTexte& z, uint32_t caractere);

} // namespace km32
