// The error report by phrase number and the yes/no confirmation.
#include "model/expression_erreurs.h"

#include "model/messages.h"
#include "phrases/phrase.h"
#include "platform/boites.h"

namespace km32 {

namespace {
constexpr uint16_t kPhraseTitreErreur = 617;
constexpr uint16_t kPhraseConfirmation = 4415;
constexpr uint16_t kPhraseTitreConfirmation = 11307;

// A phrase with its "$" marks turned into line breaks.
std::string phraseMultiLigneLocale(uint16_t n) {
    std::string resultat;
    for (char c : phraseDeNumero(n)) {
        if (c == '$')
            resultat += "\r\n";
        else
            resultat += c;
    }
    return resultat.substr(0, 255);
}
} // namespace

EtatErreurs& etatErreurs() {
    static EtatErreurs etat;
    return etat;
}

void reinitialiseErreurs() {
    etatErreurs() = EtatErreurs{};
}

std::string texteErreurDeNumero(uint16_t n) {
    return remplaceMarquesErreur(phraseMultiLigneLocale(n));
}

std::string remplaceMarquesErreur(const std::string& phrase) {
    return remplaceMarquesErreur(phrase, nomErreur1(), nomErreur2());
}

std::string remplaceMarquesErreur(const std::string& phrase, const std::string& nom1,
                                  const std::string& nom2) {
    std::string texte;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        if (phrase[i] != '#') {
            texte += phrase[i];
            continue;
        }
        if (i + 1 == phrase.size()) {
            texte += nom1;
            break;
        }
        texte += phrase[i + 1] == '2' ? nom2 : nom1;
        ++i;
    }
    return texte;
}

void afficheErreurDeNumero(uint16_t n) {
    EtatErreurs& etat = etatErreurs();
    if (!etat.affichageErreurs) {
        etat.affichageErreurs = true; // switching the display off swallows one report
        return;
    }
    afficheMessage(texteErreurDeNumero(n), phraseDeNumero(kPhraseTitreErreur));
}

bool demandeConfirmation() {
    // A task-modal box like the others: marked open while it is shown, the
    // keyboard focus given back afterwards.
    return questionOuiNon(phraseMultiLigneLocale(kPhraseConfirmation),
                          phraseDeNumero(kPhraseTitreConfirmation)) == platform::kReponseOui;
}

} // namespace km32
