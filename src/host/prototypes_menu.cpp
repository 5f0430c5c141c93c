#include "host/prototypes_menu.h"

#include "model/prototypes/prototypes.h"

namespace km32 {

std::vector<std::pair<uint16_t, std::string>> prototypesDuMenu(const TfigureKalmetra& f) {
    std::vector<std::pair<uint16_t, std::string>> offerts;
    for (int s = 1; s <= kMaxPrototypes; ++s) {
        const TPrototype* p = prototypeDe(f, s);
        if (p == nullptr || p->nonUtilisable) continue;
        if (p->figureInterne && p->figureInterne->prototypeHorsMenu) continue;
        offerts.emplace_back(uint16_t(s), p->titre);
    }
    return offerts;
}

uint8_t choisitPrototypeDuMenu(TfigureKalmetra& f, uint32_t commande) {
    if (commande < kPremiereCommandePrototype || commande > kDerniereCommandePrototype) return 0;
    const uint16_t emplacement = uint16_t(commande - 1000);
    for (const auto& [s, titre] : prototypesDuMenu(f))
        if (s == emplacement) return ouvreConstructionPrototype(f, uint8_t(emplacement));
    return 0;
}

} // namespace km32
