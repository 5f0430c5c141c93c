#pragma once
// The platform layer as a whole: one reset for tests.
namespace km32::platform {

// Forgets every window (without messages), posted message, timer and
// message-box request; the clock becomes virtual at time 0 (midnight); no
// key held, the cursor at (0, 0), no capture, the arrow cursor; default
// screen metrics; the random generator seeded with 0.
void reinitialisePlateforme();

} // namespace km32::platform
