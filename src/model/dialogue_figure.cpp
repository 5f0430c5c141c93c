#include "model/dialogue_figure.h"

#include "base/erreur.h"

namespace km32 {

namespace {
constexpr uint16_t kGenreExpression = 98;
} // namespace

void ajouteLigneDialogue(TDialogueObjet& dialogue, uint16_t phraseInvite, uint8_t longueurReponse,
                         uint16_t genreReponse) {
    verifieIndice(dialogue.nombreLignes + 1, 1, kMaxLignesDialogue, "dialog line");
    TLigneDialogue& ligne = dialogue.lignes[++dialogue.nombreLignes];
    ligne.phraseInvite = phraseInvite;
    ligne.longueurReponse = longueurReponse;
    ligne.genreReponse = genreReponse;
    if (genreReponse == kGenreExpression) ligne.champExpression = 1;
}

void reponseSousInvite(TDialogueObjet& dialogue) {
    if (dialogue.nombreLignes >= 1 && dialogue.nombreLignes <= kMaxLignesDialogue)
        dialogue.lignes[dialogue.nombreLignes].reponseACote = 0;
}

} // namespace km32
