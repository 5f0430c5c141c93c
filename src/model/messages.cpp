#include "model/messages.h"

#include "base/garde.h"
#include "model/nombres_texte.h"
#include "platform/boites.h"
#include "platform/fenetres.h"

namespace km32 {

EtatMessages& etatMessages() {
    static EtatMessages e;
    return e;
}

void reinitialiseMessages() {
    etatMessages() = EtatMessages{};
}

namespace {
// Shows a task-modal box. The keyboard focus of before the box is given back
// after it, unless gardeFocus is false.
int montreBoite(const std::string& texte, const std::string& titre, uint32_t style, bool gardeFocus = true) {
    const platform::Fenetre focus = gardeFocus ? platform::fenetreFocus() : 0;
    int reponse = 0;
    {
        GardeValeur<uint8_t> ouverte(etatMessages().boiteMessageOuverte, 1);
        reponse = platform::boiteMessage(texte, titre, style | platform::kModalTache);
    }
    if (gardeFocus && focus != 0 && platform::estFenetre(focus) && platform::fenetreFocus() != focus)
        platform::donneFocus(focus);
    return reponse;
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

int questionOuiNon(const std::string& texte, const std::string& titre) {
    return montreBoite(texte, titre, platform::kBoutonsOuiNon);
}

void afficheMessageZ(const char* texte, const char* titre) {
    if (etatMessages().messagesMuets) return;
    montreBoite(texte ? texte : "", titre ? titre : "", platform::kBoutonOk, false);
}

void afficheMessageReel(const std::string& titre, double x) {
    const std::string texte = texteDeReel(x);
    afficheMessageZ(texte.c_str(), titre.c_str());
}

} // namespace km32
