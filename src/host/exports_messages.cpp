// Exported function: the host shows the library's message boxes.
#include "km32.h"

#include "host/exports_commun.h"
#include "platform/boites.h"

namespace km32 {
namespace {

KMAfficheurMessage afficheurHote = nullptr;

// Hands a box to the host's function. An input box is answered as cancelled:
// the host interface has no way to type a text back.
platform::ReponseSaisie montreParLHote(const platform::DemandeBoite& d) {
    if (d.saisie || afficheurHote == nullptr) return {platform::kReponseAnnuler, {}};
    return {int(afficheurHote(d.texte.c_str(), d.titre.c_str(), d.style)), {}};
}

} // namespace
} // namespace km32

extern "C" {

KM32_EXPORT void KMInstalleAfficheurMessages(KMAfficheurMessage afficheur) {
    km32::appelProtegeSansResultat([&] {
        km32::afficheurHote = afficheur;
        km32::platform::installeAfficheurBoite(afficheur ? km32::montreParLHote : nullptr);
    });
}
}
