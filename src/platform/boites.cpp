#include "platform/boites.h"

namespace km32::platform {

namespace {
struct EtatBoites {
    AfficheurBoite afficheur = nullptr;
    std::vector<DemandeBoite> demandees;
    std::deque<ReponseSaisie> prevues;
};
EtatBoites& etat() {
    static EtatBoites e;
    return e;
}

int reponseParDefaut(uint32_t style) {
    switch (style & kMasqueBoutons) {
    case kBoutonsOuiNon:
    case kBoutonsOuiNonAnnuler:
        return kReponseOui;
    default:
        return kReponseOk;
    }
}

ReponseSaisie demande(const DemandeBoite& d) {
    EtatBoites& e = etat();
    e.demandees.push_back(d);
    if (e.afficheur) return e.afficheur(d);
    if (!e.prevues.empty()) {
        ReponseSaisie r = e.prevues.front();
        e.prevues.pop_front();
        return r;
    }
    return {reponseParDefaut(d.style), d.valeurInitiale};
}
} // namespace

void installeAfficheurBoite(AfficheurBoite afficheur) {
    etat().afficheur = afficheur;
}

int boiteMessage(const std::string& texte, const std::string& titre, uint32_t style) {
    return demande({texte, titre, style, false, {}}).reponse;
}

std::optional<std::string> boiteSaisie(const std::string& titre, const std::string& invite,
                                       const std::string& valeurInitiale) {
    ReponseSaisie r = demande({invite, titre, kBoutonsOkAnnuler, true, valeurInitiale});
    if (r.reponse != kReponseOk) return std::nullopt;
    return r.texte;
}

std::vector<DemandeBoite>& boitesDemandees() {
    return etat().demandees;
}
std::deque<ReponseSaisie>& reponsesPrevues() {
    return etat().prevues;
}

void reinitialiseBoites() {
    EtatBoites& e = etat();
    e.demandees.clear();
    e.prevues.clear();
    e.afficheur = nullptr;
}

} // namespace km32::platform
