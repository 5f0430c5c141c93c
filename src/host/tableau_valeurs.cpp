#include "host/tableau_valeurs.h"

#include "host/repartiteur.h"
#include "model/table_figures.h"

namespace km32 {

namespace {
constexpr uint32_t kCommandeTableau = 127;
}

bool afficheTableauDeValeurs(int16_t numero, int) {
    if (!figureExiste(numero)) return false;
    commandeNonDisponible(*figureDeNumero(numero), kCommandeTableau);
    return false;
}

} // namespace km32
