#pragma once
// The library's one pseudo-random generator. Its algorithm is our own
// (splitmix64: a 64-bit counter stepped by a fixed odd constant and mixed),
// so a given seed gives the same sequence on every machine and with every
// compiler. It is seeded from the clock when the library loads; tests seed it.
#include <cstdint>

namespace km32::platform {

void initialiseHasard(uint64_t graine);
// Where the generator stands: initialiseHasard with it takes the sequence
// up again from there (a check that draws numbers leaves the sequence as
// it found it).
uint64_t etatHasard();
// Seeds from the machine's clock (the real one, whatever the timers use),
// or from the imposed seed when one is set.
void initialiseHasardParHorloge();
// Imposes a seed: the generator restarts from it now, and every later
// seeding "from the clock" (a library start) uses it instead of the clock, so
// a run of tests or a command line is reproducible.
void imposeGraineHasard(uint64_t graine);

// The next 64 raw bits.
uint64_t suivantHasard();
// An integer 0 to n - 1, each as likely (0 when n is below 1).
int32_t entierAuHasard(int32_t n);
// A real in [0, 1): 53 random bits.
double reelAuHasard();

} // namespace km32::platform
