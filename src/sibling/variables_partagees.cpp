#include "sibling/variables_partagees.h"

#include <array>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sibling/table_partagee.h"

namespace km32 {

namespace {
// A registered record and the common values it took (kept here, so that a
// record changed after its registration still gives back what it took).
struct Client {
    TVariablesPartagees* variables = nullptr;
    std::vector<int> indices;
};

struct EtatVariablesPartagees {
    std::unordered_map<uint32_t, Client> clients; // by id
    uint32_t prochainId = 1;
    // Common values in use: their name and the number of registered entries using them.
    std::array<std::string, kNombreValeursCommunes + 1> nomsCommuns;
    std::array<int, kNombreValeursCommunes + 1> usages{};
};

EtatVariablesPartagees& etat() {
    static EtatVariablesPartagees e;
    return e;
}

// The name of entry i, at most 4 characters whatever its length byte says.
std::string nomEntree(const TVariablesPartagees& v, int i) {
    std::size_t n = v.noms[i][0] < 4 ? v.noms[i][0] : 4;
    return std::string(reinterpret_cast<const char*>(&v.noms[i][1]), n);
}

int indiceDuNom(const std::string& nom) {
    const EtatVariablesPartagees& e = etat();
    for (int s = 1; s <= kNombreValeursCommunes; ++s)
        if (e.usages[s] > 0 && e.nomsCommuns[s] == nom) return s;
    return 0;
}

uint32_t idDe(const TVariablesPartagees* v) {
    for (const auto& [id, client] : etat().clients)
        if (client.variables == v) return id;
    return 0;
}

uint32_t nouvelId() {
    EtatVariablesPartagees& e = etat();
    while (e.prochainId == 0 || e.clients.count(e.prochainId))
        ++e.prochainId;
    return e.prochainId++;
}
} // namespace

bool inscription(TVariablesPartagees* v) {
    if (!v || v->nombre < 1 || v->nombre > kEntreesVariablesPartagees) return false;
    if (idDe(v)) desinscription(v);
    EtatVariablesPartagees& e = etat();
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();

    int slot = -1;
    for (int k = 0; k < kNombreClientsTQ && slot < 0; ++k)
        if (t->clients[k] == 0) slot = k;
    if (slot < 0) return false;

    // Count the names new to the table (each once) before changing anything.
    int libres = 0;
    for (int s = 1; s <= kNombreValeursCommunes; ++s)
        libres += e.usages[s] == 0;
    int nouveaux = 0;
    for (int i = 0; i < v->nombre; ++i) {
        std::string nom = nomEntree(*v, i);
        bool vu = indiceDuNom(nom) != 0;
        for (int j = 0; j < i && !vu; ++j)
            vu = nomEntree(*v, j) == nom;
        nouveaux += !vu;
    }
    if (nouveaux > libres) return false;

    Client client{v, {}};
    for (int i = 0; i < v->nombre; ++i) {
        std::string nom = nomEntree(*v, i);
        int s = indiceDuNom(nom);
        if (s == 0) {
            for (s = 1; e.usages[s] != 0; ++s) {
            }
            e.nomsCommuns[s] = nom;
            t->valeursCommunes[s - 1] = v->valeurs[i];
            t->indefinisCommuns[s - 1] = v->indefinis[i];
        }
        ++e.usages[s];
        client.indices.push_back(s);
        v->indicesPartages[i] = uint8_t(s);
    }
    uint32_t id = nouvelId();
    e.clients[id] = std::move(client);
    t->clients[slot] = id;
    v->inscrit = 1;
    return true;
}

void desinscription(TVariablesPartagees* v) {
    uint32_t id = idDe(v);
    if (id == 0) return;
    EtatVariablesPartagees& e = etat();
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    for (int k = 0; k < kNombreClientsTQ; ++k)
        if (t->clients[k] == id) t->clients[k] = 0;
    for (int s : e.clients[id].indices)
        if (--e.usages[s] == 0) e.nomsCommuns[s].clear();
    e.clients.erase(id);
    v->inscrit = 0;
}

TVariablesPartagees* TQVariablesDuClient(uint32_t id) {
    auto it = etat().clients.find(id);
    return it == etat().clients.end() ? nullptr : it->second.variables;
}

int TQIndiceCommunDeNom(std::string_view nom) {
    return indiceDuNom(std::string(nom));
}

std::vector<std::string> TQNomsCommuns() {
    std::vector<std::string> noms;
    const EtatVariablesPartagees& e = etat();
    for (int s = 1; s <= kNombreValeursCommunes; ++s)
        if (e.usages[s] > 0) noms.push_back(e.nomsCommuns[s]);
    return noms;
}

void reinitialiseVariablesPartageesTQ() {
    etat() = EtatVariablesPartagees{};
}

} // namespace km32
