#include "platform/horloge.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>

namespace km32::platform {

namespace {

constexpr int64_t kMsParJour = 86400000;

struct EtatHorloge {
    bool virtuelle = false;
    int64_t tempsVirtuel = 0;
    int64_t heureOrigineMs = 0; // time of day, in ms, at virtual time 0
    std::chrono::steady_clock::time_point depart = std::chrono::steady_clock::now();
};

EtatHorloge& etat() {
    static EtatHorloge e;
    return e;
}

} // namespace

int64_t maintenantMs() {
    EtatHorloge& e = etat();
    if (e.virtuelle) return e.tempsVirtuel;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - e.depart)
        .count();
}

double heureDuJourEnSecondes() {
    EtatHorloge& e = etat();
    if (e.virtuelle) {
        int64_t ms = ((e.heureOrigineMs + e.tempsVirtuel) % kMsParJour + kMsParJour) % kMsParJour;
        return double(ms) / 1000.0;
    }
    auto maintenant = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(maintenant);
    std::tm local{};
    localtime_r(&t, &local);
    auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(maintenant.time_since_epoch()).count() % 1000;
    if (ms < 0) ms += 1000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + double(ms) / 1000.0;
}

void utiliseHorlogeVirtuelle(bool virtuelle) {
    etat().virtuelle = virtuelle;
}

bool horlogeVirtuelle() {
    return etat().virtuelle;
}

void fixeHeureVirtuelle(double secondes) {
    EtatHorloge& e = etat();
    e.heureOrigineMs = std::llround(secondes * 1000.0) - e.tempsVirtuel;
}

void avanceHorloge(int64_t ms) {
    EtatHorloge& e = etat();
    if (e.virtuelle && ms > 0) e.tempsVirtuel += ms;
}

void attendsMillisecondes(int64_t ms) {
    if (ms <= 0) return;
    if (etat().virtuelle)
        avanceHorloge(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void reinitialiseHorloge() {
    EtatHorloge& e = etat();
    e.virtuelle = true;
    e.tempsVirtuel = 0;
    e.heureOrigineMs = 0;
}

} // namespace km32::platform
