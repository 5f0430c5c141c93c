// Exported functions: the real window backend and the host's own windows.
#include "km32.h"

#include <cstring>
#include <set>
#include <string>

#include "base/texte.h"
#include "host/bibliotheque.h"
#include "host/exports_commun.h"
#include "platform/affichage.h"
#include "platform/boites.h"
#include "platform/fenetres.h"
#include "platform/messages.h"

static_assert(KM_TOUCHE_HOTE == km32::platform::WM_TOUCHE_HOTE);

namespace {
// The windows the host made through KMCreeFenetreHote: the only ones it may destroy.
std::set<uint32_t>& fenetresDeLHote() {
    static std::set<uint32_t> f;
    return f;
}
} // namespace

namespace {

// The save dialog of both exports: the folder and the name of the initial
// file split at the last separator, the path chosen written when it fits.
int32_t dialogueEnregistrerHote(const char* titre, const char* filtre, const char* nomInitial, char* chemin,
                                int32_t taille, bool utf8) {
    if (!chemin || taille < 1) return 0;
    chemin[0] = 0;
    const std::string initial = nomInitial ? nomInitial : "";
    const std::size_t barre = initial.find_last_of('/');
    const std::string repertoire = barre == std::string::npos ? std::string() : initial.substr(0, barre);
    const std::string nom = barre == std::string::npos ? initial : initial.substr(barre + 1);
    namespace p = km32::platform;
    const std::optional<std::string> choisi =
        utf8 ? p::dialogueEnregistrerFichierUtf8(titre ? titre : "", filtre ? filtre : "", repertoire, nom)
             : p::dialogueEnregistrerFichier(titre ? titre : "", filtre ? filtre : "", repertoire, nom);
    if (!choisi || choisi->size() + 1 > std::size_t(taille)) return 0;
    std::memcpy(chemin, choisi->c_str(), choisi->size() + 1);
    return 1;
}

} // namespace

extern "C" {

KM32_EXPORT int32_t KMDemarreAffichageReel(void) {
    try {
        // The backend is chosen when the library starts: a library already
        // started ends first and starts again on the real backend.
        if (km32::bibliothequeInitialisee()) km32::termineBibliotheque();
        const bool reel = km32::platform::demarreAffichageReel();
        km32::initialiseBibliotheque();
        return reel ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

KM32_EXPORT uint32_t KMCreeFenetreHote(const char* titre, int32_t largeur, int32_t hauteur,
                                       KMProcedureFenetre procedure) {
    return km32::appelProtege(uint32_t(0), [&]() -> uint32_t {
        if (largeur < 1 || hauteur < 1 || largeur > 16384 || hauteur > 16384) return 0;
        namespace p = km32::platform;
        p::DescriptionFenetre d;
        d.cadre = {0, 0, largeur, hauteur};
        d.titre = km32::coupe(titre ? titre : "", 255);
        d.visible = true;
        if (procedure)
            d.procedure = [procedure](uint32_t f, uint32_t message, uint32_t wParam, int32_t lParam) {
                return procedure(f, message, wParam, lParam);
            };
        const uint32_t f = p::creeFenetre(d);
        if (f) fenetresDeLHote().insert(f);
        return f;
    });
}

KM32_EXPORT void KMDetruitFenetreHote(uint32_t fenetre) {
    km32::appelProtegeSansResultat([&] {
        if (fenetresDeLHote().erase(fenetre) > 0) km32::platform::detruitFenetre(fenetre);
    });
}

KM32_EXPORT void KMChangeTitreFenetreHote(uint32_t fenetre, const char* titre) {
    km32::appelProtegeSansResultat([&] {
        if (fenetresDeLHote().count(fenetre) > 0)
            km32::platform::changeTitreFenetre(fenetre, km32::coupe(titre ? titre : "", 255));
    });
}

KM32_EXPORT void KMChangeTitreFenetreHoteUtf8(uint32_t fenetre, const char* titre) {
    km32::appelProtegeSansResultat([&] {
        if (fenetresDeLHote().count(fenetre) > 0)
            km32::platform::changeTitreFenetreUtf8(fenetre, titre ? titre : "");
    });
}

KM32_EXPORT void KMBoucleFenetres(void) {
    km32::appelProtegeSansResultat([] { km32::platform::boucleAffichage(); });
}

KM32_EXPORT void KMQuitteBoucleFenetres(void) {
    km32::appelProtegeSansResultat([] { km32::platform::quitteBoucleAffichage(); });
}

KM32_EXPORT int32_t KMBoiteMessageHote(const char* texte, const char* titre, uint32_t style) {
    return km32::appelProtege(int32_t(km32::platform::kReponseAnnuler), [&]() -> int32_t {
        return km32::platform::boiteMessage(texte ? texte : "", titre ? titre : "", style);
    });
}

KM32_EXPORT int16_t KMQuestionHoteUtf8(const char* texte, const char* titre, uint32_t icone,
                                       const char* bouton1, const char* bouton2, const char* bouton3) {
    return km32::appelProtege(int16_t(0), [&]() -> int16_t {
        namespace p = km32::platform;
        std::vector<std::string> boutons;
        for (const char* b : {bouton1, bouton2, bouton3})
            if (b && *b) boutons.emplace_back(b);
        if (boutons.empty()) boutons.emplace_back("OK");
        const int16_t n = int16_t(boutons.size());
        const uint32_t style = (n == 1   ? p::kBoutonOk
                                : n == 2 ? p::kBoutonsOkAnnuler
                                         : p::kBoutonsOuiNonAnnuler) |
                               (icone & p::kMasqueIcone) | p::kModalTache;
        switch (p::boiteMessageUtf8(texte ? texte : "", titre ? titre : "", style, boutons)) {
        case p::kReponseOk:
        case p::kReponseOui:
            return 1;
        case p::kReponseNon:
            return n == 3 ? 2 : n;
        default:
            return n; // Cancel, or a box closed: the last button
        }
    });
}

KM32_EXPORT int32_t KMDialogueEnregistrerHote(const char* titre, const char* filtre, const char* nomInitial,
                                              char* chemin, int32_t taille) {
    return km32::appelProtege(int32_t(0), [&] {
        return dialogueEnregistrerHote(titre, filtre, nomInitial, chemin, taille, false);
    });
}

KM32_EXPORT int32_t KMDialogueEnregistrerHoteUtf8(const char* titre, const char* filtre,
                                                  const char* nomInitial, char* chemin, int32_t taille) {
    return km32::appelProtege(
        int32_t(0), [&] { return dialogueEnregistrerHote(titre, filtre, nomInitial, chemin, taille, true); });
}
}
