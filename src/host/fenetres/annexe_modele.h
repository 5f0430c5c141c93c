#pragma once
// What every annex window model does the same way: the one instance of the
// process (a unique_ptr held by its module), brought forward by the annex
// protocol's show operation and freed with its window by the close one.
// The model is freed before its window is destroyed, so that the window
// procedure finds no model while the window goes.
#include <cstdint>
#include <memory>

#include "platform/fenetres.h"

namespace km32 {

template <class Modele> void montreAnnexeModele(const std::unique_ptr<Modele>& modele) {
    if (!modele) return;
    platform::afficheFenetre(modele->fenetre, true);
    platform::activeFenetre(modele->fenetre);
}

template <class Modele> void fermeAnnexeModele(std::unique_ptr<Modele>& modele) {
    if (!modele) return;
    const uint32_t fenetre = modele->fenetre;
    modele.reset();
    platform::changeParent(fenetre, platform::kAucuneFenetre);
    platform::detruitFenetre(fenetre);
}

} // namespace km32
