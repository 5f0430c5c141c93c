#include "model/dialogue_figure.h"

#include <gtest/gtest.h>

#include "base/erreur.h"

namespace km32 {
namespace {

TEST(DialogueFigure, LinesAreAppendedUpToElevenAndKeepTheirAnswers) {
    TDialogueObjet d;
    d.lignes[1].reponse = "A"; // pre-filled before the line is added
    ajouteLigneDialogue(d, 4023, 10, 0);
    EXPECT_EQ(d.nombreLignes, 1);
    EXPECT_EQ(d.lignes[1].phraseInvite, 4023);
    EXPECT_EQ(d.lignes[1].longueurReponse, 10);
    EXPECT_EQ(d.lignes[1].reponse, "A");
    EXPECT_EQ(d.lignes[1].champExpression, 0);
    EXPECT_EQ(d.lignes[1].reponseACote, 1);

    ajouteLigneDialogue(d, 4100, 40, 98); // an expression
    reponseSousInvite(d);
    EXPECT_EQ(d.lignes[2].champExpression, 1);
    EXPECT_EQ(d.lignes[2].reponseACote, 0);
    EXPECT_EQ(d.lignes[1].reponseACote, 1);

    for (int k = 3; k <= kMaxLignesDialogue; ++k)
        ajouteLigneDialogue(d, 4000, 5, 17);
    EXPECT_EQ(d.nombreLignes, kMaxLignesDialogue);
    // A twelfth line would pass the record's end: refused, nothing written.
    EXPECT_THROW(ajouteLigneDialogue(d, 4000, 5, 17), ErreurInterne);
    EXPECT_EQ(d.nombreLignes, kMaxLignesDialogue);
}

TEST(DialogueFigure, UnderThePromptWithoutLinesChangesNothing) {
    TDialogueObjet d;
    reponseSousInvite(d);
    for (const TLigneDialogue& l : d.lignes)
        EXPECT_EQ(l.reponseACote, 1);
}

} // namespace
} // namespace km32
