#pragma once
// Animated rotation of the view: the view turns in n equal steps until the
// viewer looks along a given direction. The first step is taken at once; the
// next ones on the ticks of a window timer of the figure's command window,
// one per timer interval of the figure (its clock interval), so the user
// interface keeps running between steps and nothing waits on the clock. The
// figure window hands every WM_TIMER of id kMinuterieRotationAnimee to
// topRotationAnimee. A figure that is not in the table of figures or has no
// command window takes all its steps at once.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

constexpr uint32_t kMinuterieRotationAnimee = 273;

// Turns the view towards the axis (figure coordinates; the opposite axis
// gives the same turn) in n steps (0 is taken as 1). When the viewer already
// looks along it, the view is only repainted. With memoriser the final view
// is pushed on the history when the last step is done. A rotation already
// running for the figure is replaced. False when refused (an axis of length 0
// or not finite).
bool animeRotationVue(TfigureKalmetra& f, uint8_t n, double ax, double ay, double az, bool memoriser = false);
// One step on a timer tick: true when the id is the animation's timer (the
// tick is then used, or ignored when no rotation runs for the figure).
bool topRotationAnimee(TfigureKalmetra& f, uint32_t idMinuterie);
bool rotationAnimeeEnCours(const TfigureKalmetra& f);
// Stops the figure's rotation where it is (no history push).
void arreteRotationAnimee(TfigureKalmetra& f);
// Forgets every rotation (tests, unload); the timers are not touched.
void reinitialiseRotationsAnimees();

} // namespace km32
