#pragma once
// The figure of a host (see souris_banc.h) and the opening of an annex
// window by a menu command, sent as a host sends it.
#include "../drawing/souris_banc.h"

namespace km32::essais {

class BancFenetres : public BancSouris {
  protected:
    // Sends command k to the figure's dispatcher; the window model it opened.
    template <class Modele> Modele& ouvreParCommande(uint32_t k, Modele* (*modele)()) {
        KMMessage m{platform::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        EXPECT_NE(m.resultat, KM_REFUSE);
        Modele* ouvert = modele();
        EXPECT_NE(ouvert, nullptr);
        return *ouvert;
    }
};

} // namespace km32::essais
