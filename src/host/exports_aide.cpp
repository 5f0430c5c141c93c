// Exported functions: help, shown by the host.
#include "km32.h"

#include "host/exports_commun.h"
#include "platform/aide.h"
#include "text/langue_texte.h"

namespace km32 {
namespace {

KMAfficheurAide afficheurAideHote = nullptr;

bool montreAideParLHote(const platform::DemandeAide& d) {
    return afficheurAideHote != nullptr &&
           afficheurAideHote(d.fenetre, d.fichier.c_str(), d.commande, d.donnee) != 0;
}

} // namespace
} // namespace km32

extern "C" {

KM32_EXPORT void KMInstalleAfficheurAide(KMAfficheurAide afficheur) {
    km32::appelProtegeSansResultat([&] {
        km32::afficheurAideHote = afficheur;
        km32::platform::installeAfficheurAide(afficheur ? km32::montreAideParLHote : nullptr);
    });
}

KM32_EXPORT int32_t AppelAideKM32(uint32_t fenetre, uint16_t commande, uint16_t donnee) {
    return km32::appelProtege(int32_t(0), [&] {
        return km32::appelleAideKM32(fenetre, commande, donnee) ? int32_t(1) : int32_t(0);
    });
}
}
