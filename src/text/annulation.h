#pragma once
// Undo and redo on whole figure texts. Before a change, the figure's text as
// the writer writes it is kept as a snapshot; undo wipes the figure and runs
// the kept text again. One store of 30 snapshots serves every figure of the
// process, in the order they were taken (slot 1 the oldest, no gaps); when
// it is full, or when no memory is left for a new block, an eviction rule
// chooses whose oldest snapshot goes.
//
// While a figure's redo flag is set, its newest snapshot is the state the
// last undo left: the text a redo puts back.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "model/figure.h"

namespace km32 {

constexpr int kMaxInstantanesAnnulation = 30;
// "The state kept to undo or redo could not be read back (line #1): the
// figure stays as it was."
constexpr uint16_t kErreurInstantaneIllisible = 9985;

// The state kept beside the text: a copy of the figure, with the comment
// and the stored extra lines that a copy leaves out. Restored when the text
// does not read back whole (a line that renames lengthened past what any
// line holds, a start line that no longer runs), so that an undo never
// loses the figure a text cannot hold.
struct TCopieAnnulation {
    std::unique_ptr<TfigureKalmetra> figure;
    std::unique_ptr<std::string> commentaire;
    std::unique_ptr<std::string> lignesDifferees;
};

struct TInstantaneAnnulation {
    std::unique_ptr<std::string> texte; // the figure text (a block of global memory)
    const TfigureKalmetra* figure = nullptr;
    TCopieAnnulation copie;
    // For the state an undo left (the text a redo puts back): the figure's
    // text once the undo was done. A figure that no longer writes it was
    // changed since without a snapshot, and has nothing left to redo.
    std::string texteApresDefaire;
    uint16_t langueApresDefaire = 0; // the language that text is written in
};

struct EtatAnnulation {
    std::array<TInstantaneAnnulation, kMaxInstantanesAnnulation + 1> instantanes; // slots 1 to 30
    uint8_t nombre = 0;
    // How many snapshot blocks the memory can hold at once; a new block
    // cannot be had when this many are in use (tests lower it to run out).
    std::size_t blocsMax = std::size_t(-1);
    // How many snapshots have been placed since the start: an input that
    // sees it unchanged took no undo step of its own.
    uint64_t placements = 0;
};
EtatAnnulation& etatAnnulation();
// Drops every snapshot and gives the memory back its default size.
void reinitialiseAnnulation();

// A snapshot of f's current text as f's newest (the state an undo or a redo
// leaves). False when no block could be had.
bool prendInstantane(TfigureKalmetra& f);
// Before a change of f: keeps the text of g (f itself, or a copy of f's
// former state) as f's newest snapshot, drops a pending redo and makes undo
// possible. False when no block could be had.
bool prendInstantanePourAnnuler(TfigureKalmetra& f, const TfigureKalmetra& g);
// The same with the state at the top of the snapshot stack (f as it was
// before an operation that pushed it), its comment and stored extra lines
// included; nothing when the stack is empty, nor when that state writes the
// same text as f now (the operation changed nothing a save would write).
bool prendInstantanePourAnnulerDuHautDeLaPile(TfigureKalmetra& f);
// The text a snapshot of f keeps, as the writer writes it for the store.
std::string texteDeFigurePourAnnuler(const TfigureKalmetra& f);
// The copy a snapshot of f keeps beside its text.
TCopieAnnulation copieDeFigurePourAnnuler(const TfigureKalmetra& f);
// Makes texte and copie (f's text and copy before a change) f's newest undo
// step, as prendInstantanePourAnnuler does with a figure record.
bool prendInstantanePourAnnulerDuTexte(TfigureKalmetra& f, std::string texte, TCopieAnnulation copie);
// Undo and redo: true when done. A change made after an undo without a
// snapshot of its own (a line or a value from the host, a key step) ends the
// pending redo, which would otherwise put back the state from before it. A snapshot is read back as the
// library's own text, whatever the limits of a file; one that still does not run to its end gives back the
// copy of the figure kept beside it. Without that copy, the figure stays as it is, the snapshot stays in its
// slot, the message names the text's failing line and the answer is false.
bool defaitFigure(TfigureKalmetra& f);
bool refaitFigure(TfigureKalmetra& f);
// libereInstantanes (model/services_texte.h) drops every snapshot of f.

// Frees slot i (1 to the count) and moves the later ones down; nothing
// for another i.
void libereInstantane(int i);
// How many slots f owns (0 for null), and the highest of them (0 when none).
int nombreInstantanesDeFigure(const TfigureKalmetra* f);
int dernierInstantaneDeFigure(const TfigureKalmetra* f);
// Frees g's oldest slot; when g has none left, neither undo nor redo stays
// possible for it.
void libereAncienInstantane(TfigureKalmetra& g);
// The eviction rule, for a snapshot wanted by f: frees one slot.
void choisitInstantaneALiberer(TfigureKalmetra& f);

} // namespace km32
