#pragma once
// The snapshot stack: an operation that may fail half-way (a line of a
// text, a rename, a command of the dialog, a property test) pushes a copy of
// the whole figure, and on failure puts the figure back as it was; on
// success it drops the copy. One stack for the process; it has no fixed
// depth: operations nest (a line inside a text inside a dialog's command,
// a property test that builds objects), and a line must never be refused
// for want of a slot while nothing of the figure is full.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/figure.h"

namespace km32 {

// One snapshot: a deep copy of the figure (copieFigure), and the comment
// and deferred-lines texts that such a copy leaves out.
struct TInstantane {
    std::unique_ptr<TfigureKalmetra> copie;
    std::unique_ptr<std::string> commentaire;
    std::unique_ptr<std::string> lignesDifferees;
    const TfigureKalmetra* origine = nullptr; // the figure it was taken of
};

struct EtatInstantanes {
    std::vector<TInstantane> pile = std::vector<TInstantane>(1); // slots 1 to the top (slot 0 unused)
    // How many snapshots are held; the top is this slot.
    int nombreInstantanes() const { return int(pile.size()) - 1; }
    // The record of the last snapshot dropped, kept to take the next one
    // into: a text takes and drops one at every line.
    std::unique_ptr<TfigureKalmetra> reserve;
};
EtatInstantanes& etatInstantanes();
void reinitialiseInstantanes();

// Pushes a snapshot of f; true once it is pushed (a copy that cannot be
// made throws and pushes nothing, and the caller must then not run its
// operation: a drop or restore of its own would reach a snapshot of another
// operation). The figure's shared
// variables are not part of a snapshot: they are unregistered, and the
// caller registers them again when it keeps the figure
// (reinscritVariablesPartagees).
bool empileInstantane(TfigureKalmetra& f);
// Drops the top snapshot; nothing when the stack is empty.
void depileInstantane();
// Puts f back as it was at the top snapshot and drops it; nothing when the
// stack is empty. f keeps its window, drawing data and other live parts; its
// shared variables are registered again when it imports them.
void restaureInstantane(TfigureKalmetra& f);
// Registers the figure's shared variables again when it imports them.
void reinscritVariablesPartagees(TfigureKalmetra& f);

// Pairs one push with exactly one drop or restore: the snapshot is restored
// when the guard goes away without valide(), also when an exception leaves
// the operation.
class GardeInstantane {
  public:
    explicit GardeInstantane(TfigureKalmetra& f) : figure_(f), actif_(empileInstantane(f)) {}
    ~GardeInstantane() {
        if (actif_) restaureInstantane(figure_);
    }
    GardeInstantane(const GardeInstantane&) = delete;
    GardeInstantane& operator=(const GardeInstantane&) = delete;
    // False when no snapshot was taken.
    bool pris() const { return actif_; }
    // The operation succeeded: the snapshot is dropped.
    void valide() {
        if (actif_) {
            depileInstantane();
            reinscritVariablesPartagees(figure_);
        }
        actif_ = false;
    }
    // The figure is gone (freed by the operation): the snapshot is dropped
    // without touching it.
    void abandonne() {
        if (actif_) depileInstantane();
        actif_ = false;
    }
    // The operation failed: the figure is put back now.
    void annule() {
        if (actif_) restaureInstantane(figure_);
        actif_ = false;
    }

  private:
    TfigureKalmetra& figure_;
    bool actif_;
};

} // namespace km32
