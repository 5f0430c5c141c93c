#pragma once
// Window timers: one per (window, id), ticking every interval milliseconds on
// the clock of horloge.h, counted from the time it was started. A timer is
// due when its next tick time is reached; the message loop then delivers
// WM_TIMER (wParam the id, lParam 0). However late the loop is, a timer has
// at most one pending tick: the ticks missed meanwhile are dropped and the
// next one keeps the timer's rhythm.
#include <cstdint>
#include <span>
#include <utility>

#include "platform/fenetres.h"

namespace km32::platform {

// Shortest interval: shorter ones (0 included) tick every 10 ms.
constexpr uint32_t kIntervalleMinimal = 10;

// Starts the timer (window, id), or starts it again when it runs: its next
// tick comes interval ms from now and a pending tick is dropped. False for an
// unknown window.
bool lanceMinuterie(Fenetre f, uint32_t id, uint32_t intervalleMs);
// Stops the timer and drops its pending tick; false when it did not run.
bool arreteMinuterie(Fenetre f, uint32_t id);
bool minuterieExiste(Fenetre f, uint32_t id);
// How many timers of window f run with an id in premier..dernier.
int nombreMinuteriesDe(Fenetre f, uint32_t premier, uint32_t dernier);
// Interval of a running timer, 0 when it does not run.
uint32_t intervalleMinuterie(Fenetre f, uint32_t id);
// Stops every timer of the window (on destruction); how many.
int arreteMinuteriesDe(Fenetre f);
// The timers of window f whose ids lie in premier..dernier take new ids
// together: for each pair (old id, new id) of suites, the timer of the old id
// goes on under the new one with its interval and its next tick; a timer of
// that range that no pair names stops. Pairs may shift or exchange ids.
void renommeMinuteries(Fenetre f, uint32_t premier, uint32_t dernier,
                       std::span<const std::pair<uint32_t, uint32_t>> suites);

// Milliseconds until the next tick of any timer (0 when one is due now), -1
// when no timer runs.
int64_t delaiProchaineMinuterie();

// Used by the message loop. The due timer that has waited longest, among those
// of filtre (0: any window): false when none. prendTick delivers nothing: it
// drops the pending tick and keeps the next one of the timer's rhythm.
struct TickEnAttente {
    Fenetre fenetre = kAucuneFenetre;
    uint32_t id = 0;
};
bool prochainTick(Fenetre filtre, TickEnAttente& tick);
void prendTick(const TickEnAttente& tick);
// Drops the due ticks of the timers of window f whose ids lie in
// premier..dernier, as prendTick does; how many.
int prendTicksDe(Fenetre f, uint32_t premier, uint32_t dernier);

void reinitialiseMinuteries();

} // namespace km32::platform
