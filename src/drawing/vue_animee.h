#pragma once
// Animated rotation of the view: the view turns in n equal steps until the
// viewer looks along a given direction. The call takes every step itself:
// each step turns the view and repaints the figure at once, then waits one
// timer interval of the figure (its clock interval) on the time of day
// before the next. Nothing else runs meanwhile, and a host with no message
// loop gets the whole turn. On the virtual clock of tests the wait moves
// virtual time, so nothing busy-waits.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Turns the view towards the axis (figure coordinates; the opposite axis
// gives the same turn) in n steps; in 0 steps the view does not turn. When
// the viewer already looks along it, the view is only repainted. With
// memoriser the final view is pushed on the history. False when refused (an
// axis of length 0 or not finite).
bool animeRotationVue(TfigureKalmetra& f, uint8_t n, double ax, double ay, double az, bool memoriser = false);

// Waits until the time of day is past precedent + the figure's clock
// interval, or before precedent (midnight passed); that time becomes
// precedent.
void attendIntervalleTimer(const TfigureKalmetra& f, double& precedent);

} // namespace km32
