#include "platform/hasard.h"

#include <chrono>

namespace km32::platform {

namespace {

struct EtatHasard {
    uint64_t etat = uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) ^
                    uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
};

EtatHasard& etat() {
    static EtatHasard e;
    return e;
}

// The seed that replaces the clock, when a test or a host imposed one.
struct GraineImposee {
    bool imposee = false;
    uint64_t graine = 0;
};

GraineImposee& graineImposee() {
    static GraineImposee g;
    return g;
}

} // namespace

void initialiseHasard(uint64_t graine) {
    etat().etat = graine;
}

uint64_t etatHasard() {
    return etat().etat;
}

void initialiseHasardParHorloge() {
    if (graineImposee().imposee)
        etat().etat = graineImposee().graine;
    else
        etat() = EtatHasard{};
}

void imposeGraineHasard(uint64_t graine) {
    graineImposee() = GraineImposee{true, graine};
    etat().etat = graine;
}

uint64_t suivantHasard() {
    uint64_t z = (etat().etat += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int32_t entierAuHasard(int32_t n) {
    if (n < 1) return 0;
    // The high 32 bits scaled to n: the bias is below n / 2^32.
    return int32_t(((suivantHasard() >> 32) * uint64_t(n)) >> 32);
}

double reelAuHasard() {
    return double(suivantHasard() >> 11) * 0x1.0p-53;
}

} // namespace km32::platform
