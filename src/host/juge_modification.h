#pragma once
// One input of the user on a figure, judged by what a save writes. The roads
// of a menu command, a key, a click, a drag or an annex window's Apply change
// many parts of a figure, and not all of them are written: a view turned is,
// the trace mode or the thick lines are not. A judge built when such an input
// begins keeps the text written then; when the input ends:
// - a written change that took no snapshot of its own becomes the figure's
//   newest undo step, so that one undo takes back this input and nothing
//   before it (a drag is one input from the press to the release);
// - the modified flag is set exactly when the text differs from the text the
//   figure had when it was last seen unmodified (opened or saved), so that
//   the mark in the host's caption and the question on closing follow what a
//   save would change, and an undo back to the saved state clears them.
// Judges nest: only the outermost of one figure acts.
//
// A key step of the active free object (an arrow, Page Up or Down, '+' or
// '-') and the commands a key runs take no undo step: a held key repeats
// some thirty times a second and would push the whole history out of the
// store. An undo after them goes back to the last snapshot taken.
#include <cstdint>
#include <string>

#include "model/figure.h"
#include "text/annulation.h"

namespace km32 {

class JugeModification {
  public:
    explicit JugeModification(const TfigureKalmetra& f);
    ~JugeModification();
    JugeModification(const JugeModification&) = delete;
    JugeModification& operator=(const JugeModification&) = delete;

  private:
    int16_t numero_;
    bool actif_ = false;      // the outermost judge of a figure that has a number
    std::string avant_;       // the text when the input (or the drag) began
    TCopieAnnulation copie_;  // and the figure then, for a text that cannot hold it
    uint64_t placements_ = 0; // the undo store's count of snapshots then
};

// The input under way on f takes no undo step of its own (a key step, a
// command run by its key); its change is still judged for the modified flag.
// Nothing outside an input of the user.
void entreeSansPasAnnulation(const TfigureKalmetra& f);

// The figure was just saved: its text now is the one the flag compares with.
void noteFigureEnregistree(int16_t numero);
// Forgets what a figure's judges kept (the figure is freed or made anew).
void oublieJugementsFigure(int16_t numero);
// Forgets them for every figure (the library starts again).
void reinitialiseJugesModification();

} // namespace km32
