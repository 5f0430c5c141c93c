#pragma once
// The host's function told when a figure's modified flag changes under an
// input of the figure: a drag, a turn of the view, a key, a command of its
// menu, an undo or a redo, and a change made in one of its windows (a
// dialog applied, a text applied by the editor, a style given). The notices
// of the host window (WM_KEYUP 1025) tell of some changes only; a host that
// shows the flag (a mark in its caption) installs this function to follow
// it on every path.
//
// An input of a figure is watched, and the function told at its end when
// the flag differs; a change marked inside a watched input
// (signaleFigureModifiee) leaves the telling to the watch, so the host
// hears of one change once.
#include <array>
#include <cstdint>

namespace km32 {

using AvisModification = void (*)(int16_t numero, int32_t modifiee);

struct EtatAvisModification {
    AvisModification avis = nullptr; // the host's function, nullptr: nobody is told
    // Per figure number (0..64): how many inputs of it are being watched
    // (nested ones count each), and the flag as the host knows it while
    // they are (the flag when the outermost began, or the last one told).
    std::array<uint8_t, 65> surveillances{};
    std::array<bool, 65> connue{};
};
EtatAvisModification& etatAvisModification();
// No function installed, no message watched.
void reinitialiseAvisModification();

// nullptr: nobody is told.
void installeAvisModification(AvisModification avis);
// Tells the installed function that figure numero's flag is now modifiee.
void avisModificationHote(int16_t numero, bool modifiee);

// The watch over one input of figure numero (a message of the dispatcher,
// a dialog validated, a text applied, a pick ended): when it ends, the
// function is told when the flag of the figure, if it still exists, differs
// from what the host knows.
class SurveillanceModification {
  public:
    explicit SurveillanceModification(int16_t numero);
    ~SurveillanceModification();
    SurveillanceModification(const SurveillanceModification&) = delete;
    SurveillanceModification& operator=(const SurveillanceModification&) = delete;

  private:
    int16_t numero_;
};
// True while an input of figure numero is watched: a change marked now is
// told at the end of that input.
bool modificationSurveillee(int16_t numero);

} // namespace km32
