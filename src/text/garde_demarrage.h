#pragma once
// The stored start lines of a figure ("Start by running nb times the
// commands K") count their runs with objects of the figure. A change of the
// figure's values by a road other than a typed creation line (a keyboard
// step, a key command, a drag step, a host's line or value, a timer, values
// imported from another window, the start lines run as a figure opens)
// must leave every one of them running when the figure is read; otherwise
// the figure could no longer be saved (its text would not read back).
//
// Each road holds the change in a GardeDemarrage: it takes a snapshot of
// the figure only when the figure stores start lines and no text is being
// read (the common figure pays nothing), and after the change it judges:
// a change after which a start line would no longer run is refused, the
// figure put back exactly as it was (values, positions; no undo step is
// taken since the text is unchanged) and drawn again, and 9986 names the
// line and the object changed.
//
// While the same input repeats (a held arrow key, a drag, a running timer,
// a host setting the same value again), the same refusal is shown once: it
// is shown again only after a change of that figure was kept, or after the
// input ended (oublieRefusDemarrage: a key or a mouse button released).
#include <cstdint>
#include <optional>
#include <string>

#include "model/figure.h"
#include "text/instantanes_figure.h"

namespace km32 {

// Left without accepte (an exception, or a road that changed nothing), the
// guard puts the figure back as it was.
class GardeDemarrage {
  public:
    explicit GardeDemarrage(TfigureKalmetra& f);
    GardeDemarrage(const GardeDemarrage&) = delete;
    GardeDemarrage& operator=(const GardeDemarrage&) = delete;
    // After the change of objet (its name is given by the message; 0: the
    // first free object whose values the change moved): true
    // when the change is kept. False when a start line would no longer
    // run: the figure is put back and drawn again, 9986 shown (once while
    // the same refusal repeats, unless toujoursMontrer). Without a
    // snapshot, always true. Judges once; the guard then does nothing.
    bool accepte(int objet, bool toujoursMontrer = false);
    // The figure was freed or replaced by the change: nothing to judge.
    void abandonne() {
        if (garde_) garde_->abandonne();
        garde_.reset();
    }

  private:
    TfigureKalmetra& f_;
    std::optional<GardeInstantane> garde_;
};

// The input that repeated a refusal on figure numero ended: the next one
// is shown again.
void oublieRefusDemarrage(int16_t numero);
// Forgets every refusal shown (the library starts again).
void reinitialiseGardeDemarrage();

} // namespace km32
