#include "model/messages.h"

#include "base/garde.h"
#include "model/nombres_texte.h"
#include "platform/boites.h"

namespace km32 {

EtatMessages& etatMessages() {
    static EtatMessages e;
    return e;
}

void reinitialiseMessages() {
    etatMessages() = EtatMessages{};
}

namespace {
int montreBoite(const std::string& texte, const std::string& titre, uint32_t style) {
    GardeValeur<uint8_t> ouverte(etatMessages().boiteMessageOuverte, 1);
    return platform::boiteMessage(texte, titre, style | platform::kModalTache);
}
} // namespace

void afficheMessage(const std::string& texte, const std::string& titre) {
    afficheMessageType(texte, titre, platform::kBoutonOk);
}

void afficheMessageType(const std::string& texte, const std::string& titre, uint32_t drapeaux) {
    if (etatMessages().messagesMuets) return;
    montreBoite(texte, titre, drapeaux);
}

int questionOuiNonAnnuler(const std::string& texte, const std::string& titre, int bouton) {
    uint32_t style = platform::kBoutonsOuiNonAnnuler | platform::kIconeExclamation;
    if (bouton == 2) style |= platform::kDeuxiemeBoutonParDefaut;
    return montreBoite(texte, titre, style);
}

void afficheMessageZ(const char* texte, const char* titre) {
    if (etatMessages().messagesMuets) return;
    montreBoite(texte ? texte : "", titre ? titre : "", platform::kBoutonOk);
}

void afficheMessageReel(const std::string& titre, double x) {
    const std::string texte = texteDeReel(x);
    afficheMessageZ(texte.c_str(), titre.c_str());
}

} // namespace km32
