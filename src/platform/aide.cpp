#include "platform/aide.h"

namespace km32::platform {

namespace {

struct EtatAide {
    AfficheurAide afficheur = nullptr;
    std::vector<DemandeAide> demandes;
};

EtatAide& etat() {
    static EtatAide e;
    return e;
}

} // namespace

void installeAfficheurAide(AfficheurAide afficheur) {
    etat().afficheur = afficheur;
}

bool demandeAide(const DemandeAide& demande) {
    EtatAide& e = etat();
    e.demandes.push_back(demande);
    return e.afficheur != nullptr && e.afficheur(demande);
}

std::vector<DemandeAide>& aidesDemandees() {
    return etat().demandes;
}

void reinitialiseAide() {
    etat() = EtatAide{};
}

} // namespace km32::platform
