#include "model/fichiers_texte.h"

#include <optional>

#include "base/texte.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "platform/horloge.h"

namespace km32 {

bool litFichierDansTampon(const std::string& nomFichier, std::string& tampon, std::size_t n) {
    platform::ResultatLecture r = platform::litFichier(nomFichier, n);
    if (r.etat == platform::EtatLecture::Absent || r.etat == platform::EtatLecture::Illisible) return true;
    tampon = std::move(r.octets); // at most n characters
    // A file of n characters or more has not been read whole: that is a failure.
    return tampon.size() >= n;
}

std::string demandeNomFichier(const std::string& titre, const std::string& filtre) {
    const std::optional<std::string> nom =
        platform::dialogueOuvrirFichier(titre, filtre, platform::repertoireCourant());
    return nom ? coupe(*nom, 255) : std::string();
}

double heureEnSecondes() {
    return platform::heureDuJourEnSecondes();
}

} // namespace km32
