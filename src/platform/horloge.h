#pragma once
// The clock of the timers and the time of day. It is real by default (the
// machine's clock); tests switch it to virtual time, which moves only when
// asked (avanceHorloge, attendsMillisecondes, avance in messages.h), so
// nothing ever busy-waits in a test.
#include <cstdint>

namespace km32::platform {

// Milliseconds on the clock: virtual time, or real time since the library loaded.
int64_t maintenantMs();

// Time of day in seconds since midnight, the milliseconds as the fraction.
// On the virtual clock: the virtual time of day (midnight at virtual time 0
// unless fixeHeureVirtuelle said otherwise), wrapping at midnight.
double heureDuJourEnSecondes();

void utiliseHorlogeVirtuelle(bool virtuelle);
bool horlogeVirtuelle();
// Virtual clock: the time of day is now secondes (0 to 86400).
void fixeHeureVirtuelle(double secondes);
// Virtual clock: moves virtual time forward by ms without delivering
// anything (a negative ms does nothing). Does nothing on the real clock.
void avanceHorloge(int64_t ms);
// Waits ms milliseconds without delivering messages: sleeps on the real
// clock, moves virtual time on the virtual clock.
void attendsMillisecondes(int64_t ms);

// Virtual clock at time 0, midnight.
void reinitialiseHorloge();

} // namespace km32::platform
