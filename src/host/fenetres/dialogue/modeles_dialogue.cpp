#include "host/fenetres/dialogue/modeles_dialogue.h"

#include <algorithm>

namespace km32 {

const TModeleDialogue* modeleDialogue(uint16_t commande) {
    const std::span<const TModeleDialogue> m = modelesDialogue();
    const auto p = std::lower_bound(m.begin(), m.end(), commande,
                                    [](const TModeleDialogue& a, uint16_t c) { return a.commande < c; });
    return p != m.end() && p->commande == commande ? &*p : nullptr;
}

} // namespace km32
