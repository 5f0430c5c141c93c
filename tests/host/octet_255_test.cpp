// Byte 255 ("ÿ" in Windows-1252) stands for ";" inside the library's lists
// of arguments and parameters. A user's own "ÿ" in a text shown or in a
// label must still come back from the figure text exactly: written as it
// was typed, read back into the same text.
#include <gtest/gtest.h>

#include <string>

#include "../drawing/souris_banc.h"
#include "banc_hote.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"

namespace km32::essais {
namespace {

namespace p = platform;

// Texts in Windows-1252 bytes, with "ÿ" where the library uses byte 255,
// next to ";", "#" and the byte the writer masks byte 255 with.
const char* const kTextes[] = {
    "a;b\xFF"
    "c",
    "\xFF\xFF",
    "\xFF",
    "a#1\xFF#2",
    ";\xFF;",
    "x\x1F"
    "y",
    "\x1F\xFF\x1F\x1F",
    "\xFF"
    "y caf\xE9 \x80",
};

class Octet255 : public BancHote {
  protected:
    static std::string texteDe(int16_t n) { return texteDeBloc(KMTexteFigure(n)); }
};

// Before, "a;bÿc" was written "a;b;c" and "ÿÿ" as ";;": the "ÿ" was lost
// for good on the next reading.
TEST_F(Octet255, TextsShownAndLabelsKeepTheirCharactersThroughWritingAndReading) {
    for (const char* t : kTextes) {
        SCOPED_TRACE(t);
        const std::string affichage = "t affichage du texte: " + std::string(t);
        const std::string etiquette = "A la place de A, afficher: " + std::string(t);
        const std::string texte = "A point de coordonn\xE9"
                                  "es (0,0,0) dans le rep\xE8re Rxyz\r\n" +
                                  affichage + "\r\n" + etiquette + "\r\n";
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        const std::string ecrit = texteDe(n);
        EXPECT_NE(ecrit.find("\r\n" + affichage + "\r\n"), std::string::npos) << ecrit;
        EXPECT_NE(ecrit.find("\r\n" + etiquette + "\r\n"), std::string::npos) << ecrit;
        const int16_t m = KMCreeFigEtRenvoieNumero(hote, nullptr, ecrit.c_str(), nullptr);
        ASSERT_GT(m, 0);
        EXPECT_EQ(KMLigneEnErreur(m), 0);
        EXPECT_EQ(texteDe(m), ecrit);
        // A host's line makes the same object.
        KMExecuteLigneFig(m, ("u affichage du texte: " + std::string(t)).c_str());
        EXPECT_NE(texteDe(m).find("\r\nu affichage du texte: " + std::string(t) + "\r\n"), std::string::npos);
        KMDetruitFigure(m);
        KMDetruitFigure(n);
    }
}

// The construction dialog of a text shown takes a "ÿ" typed in its text
// line as the character typed.
class Octet255Dialogue : public BancSouris {
  protected:
    uint32_t fenetreDuDialogue() { return fenetreDialogue() ? fenetreDialogue()->fenetre : 0; }
    void tape(const std::string& texte) {
        for (char c : texte)
            p::envoieMessage(fenetreDuDialogue(), p::WM_CHAR, uint8_t(c), 0);
    }
    void touche(uint32_t vk) {
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, vk, 0);
        p::distribueJusquAuRepos();
    }
};

TEST_F(Octet255Dialogue, TheTextTypedInTheDialogKeepsItsCharacters) {
    figureDeTexte("A point de coordonnées (0,0,0) dans le repère Rxyz\r\n");
    KMExecuteLigneFigEtRedessine(n, "Dialog: 2-10-5"); // a text shown
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    tape("a;b\xFF"
         "c");
    touche(p::VK_DOWN);
    tape("t");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    const std::string ecrit = texteDeBloc(KMTexteFigure(n));
    EXPECT_NE(ecrit.find("\r\nt affichage du texte: a;b\xFF"
                         "c\r\n"),
              std::string::npos)
        << ecrit;
}

// Modifying the text shown offers its text as it is, and giving it back
// unchanged changes nothing.
TEST_F(Octet255Dialogue, ModifyingTheTextShownOffersItsTextAsItIs) {
    figureDeTexte("A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                  "t affichage du texte: a;b\xC3\xBF"
                  "c\r\n");
    const std::string avant = texteDeBloc(KMTexteFigure(n));
    p::envoieMessage(forme, p::WM_COMMAND, 91, 0); // modify an object
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    tape("t");
    touche(p::VK_RETURN);
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(fenetreDialogue()->champs[1].texte, "a;b\xFF"
                                                  "c");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    EXPECT_EQ(texteDeBloc(KMTexteFigure(n)), avant);
}

} // namespace
} // namespace km32::essais
