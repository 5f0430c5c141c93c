#include "platform/minuteries.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/horloge.h"

namespace km32::platform {

namespace {

struct Minuterie {
    uint32_t intervalle = kIntervalleMinimal;
    int64_t echeance = 0; // time of the next tick
    uint64_t ordre = 0;   // among timers due at the same time, the one served longest ago ticks first
};

struct EtatMinuteries {
    std::map<std::pair<Fenetre, uint32_t>, Minuterie> table;
    uint64_t prochainOrdre = 1;
};

EtatMinuteries& etat() {
    static EtatMinuteries e;
    return e;
}

void arme(Minuterie& m) {
    m.echeance = maintenantMs() + m.intervalle;
    m.ordre = etat().prochainOrdre++;
}

} // namespace

bool lanceMinuterie(Fenetre f, uint32_t id, uint32_t intervalleMs) {
    if (!estFenetre(f)) return false;
    Minuterie& m = etat().table[{f, id}];
    m.intervalle = std::max(intervalleMs, kIntervalleMinimal);
    arme(m);
    return true;
}

bool arreteMinuterie(Fenetre f, uint32_t id) {
    return etat().table.erase({f, id}) > 0;
}

bool minuterieExiste(Fenetre f, uint32_t id) {
    return etat().table.count({f, id}) > 0;
}

int nombreMinuteriesDe(Fenetre f, uint32_t premier, uint32_t dernier) {
    int n = 0;
    for (const auto& [cle, m] : etat().table)
        n += cle.first == f && cle.second >= premier && cle.second <= dernier;
    return n;
}

uint32_t intervalleMinuterie(Fenetre f, uint32_t id) {
    auto it = etat().table.find({f, id});
    return it == etat().table.end() ? 0 : it->second.intervalle;
}

int arreteMinuteriesDe(Fenetre f) {
    return int(std::erase_if(etat().table, [f](const auto& t) { return t.first.first == f; }));
}

void renommeMinuteries(Fenetre f, uint32_t premier, uint32_t dernier,
                       std::span<const std::pair<uint32_t, uint32_t>> suites) {
    auto& table = etat().table;
    std::vector<std::pair<uint32_t, Minuterie>> gardees;
    for (const auto& [ancien, nouveau] : suites)
        if (auto it = table.find({f, ancien}); it != table.end()) gardees.emplace_back(nouveau, it->second);
    std::erase_if(table, [&](const auto& t) {
        return t.first.first == f && t.first.second >= premier && t.first.second <= dernier;
    });
    for (const auto& [id, m] : gardees)
        table[{f, id}] = m;
}

int64_t delaiProchaineMinuterie() {
    const auto& table = etat().table;
    if (table.empty()) return -1;
    int64_t prochaine = table.begin()->second.echeance;
    for (const auto& [cle, m] : table)
        prochaine = std::min(prochaine, m.echeance);
    return std::max<int64_t>(prochaine - maintenantMs(), 0);
}

bool prochainTick(Fenetre filtre, TickEnAttente& tick) {
    const int64_t maintenant = maintenantMs();
    const Minuterie* choisie = nullptr;
    for (const auto& [cle, m] : etat().table) {
        if (m.echeance > maintenant || (filtre != kAucuneFenetre && cle.first != filtre)) continue;
        if (choisie && std::pair(m.echeance, m.ordre) >= std::pair(choisie->echeance, choisie->ordre))
            continue;
        choisie = &m;
        tick = {cle.first, cle.second};
    }
    return choisie != nullptr;
}

namespace {

// The timer keeps its rhythm: its next tick is the first one of its schedule
// still to come; the ones missed meanwhile are gone.
void sauteAuTickSuivant(Minuterie& m) {
    const int64_t maintenant = maintenantMs();
    if (m.echeance <= maintenant) m.echeance += ((maintenant - m.echeance) / m.intervalle + 1) * m.intervalle;
    m.ordre = etat().prochainOrdre++;
}

} // namespace

void prendTick(const TickEnAttente& tick) {
    auto it = etat().table.find({tick.fenetre, tick.id});
    if (it != etat().table.end()) sauteAuTickSuivant(it->second);
}

int prendTicksDe(Fenetre f, uint32_t premier, uint32_t dernier) {
    const int64_t maintenant = maintenantMs();
    int n = 0;
    for (auto& [cle, m] : etat().table) {
        if (cle.first != f || cle.second < premier || cle.second > dernier || m.echeance > maintenant)
            continue;
        sauteAuTickSuivant(m);
        ++n;
    }
    return n;
}

void reinitialiseMinuteries() {
    etat() = EtatMinuteries{};
}

} // namespace km32::platform
