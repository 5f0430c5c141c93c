#include "platform/contexte_dessin_table.h"

#include "base/erreur.h"

#include <unordered_map>

namespace km32::platform {

namespace {

struct TableContextes {
    std::unordered_map<uint32_t, ContexteDessin*> contextes;
    uint32_t suivant = 1;
};

TableContextes& table() {
    static TableContextes t;
    return t;
}

constexpr uint32_t kMasqueNumero = 0x00FFFFFFu;

} // namespace

uint32_t enregistreContexte(ContexteDessin* dc) {
    TableContextes& t = table();
    verifieCapacite((long long)t.contextes.size() + 1, kMasqueNumero, "device context handles");
    // Numbers wrap around within the low 24 bits, skipping those in use.
    uint32_t handle;
    do {
        handle = kMarqueHandleContexte | t.suivant;
        t.suivant = t.suivant == kMasqueNumero ? 1 : t.suivant + 1;
    } while (t.contextes.count(handle));
    t.contextes[handle] = dc;
    return handle;
}

ContexteDessin* contexteDeHandle(uint32_t handle) {
    auto it = table().contextes.find(handle);
    return it == table().contextes.end() ? nullptr : it->second;
}

bool oublieContexte(uint32_t handle) {
    return table().contextes.erase(handle) > 0;
}

void oublieHandlesDe(const ContexteDessin* dc) {
    std::erase_if(table().contextes, [dc](const auto& e) { return e.second == dc; });
}

void reinitialiseTableContextes() {
    table() = TableContextes{};
}

} // namespace km32::platform
