#include "phrases/phrase_messages.h"

#include "base/texte.h"
#include "model/couleurs.h"
#include "model/messages.h"
#include "phrases/phrase.h"

namespace km32 {

std::string texteCouleurRVB(uint32_t couleur) {
    return coupe(phraseDeNumero(11162) + texteDeCouleur(couleur) + ")", 80);
}

void afficheMessageDeNumeros(uint16_t texte, uint16_t titre, uint32_t drapeaux) {
    afficheMessageType(phraseDeNumero(texte), phraseDeNumero(titre), drapeaux);
}

} // namespace km32
