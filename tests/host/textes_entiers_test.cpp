// Texts through the C interface, as a host sends and receives them: the line
// that stops a run is told (by number and by a message), and a figure text is
// never cut, neither when handed to the host nor when saved.
#include <cstdio>
#include <string>

#include "banc_hote.h"
#include "platform/boites.h"

namespace km32::essais {
namespace {

namespace p = platform;

using TextesEntiers = BancHote;

const std::string kEntete = "Figure Kalmetra\r\n";
const std::string kPointA = "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8"
                            "re Rxyz\r\n";

// The text of a figure with a comment section of n characters at its end.
std::string figureAvecLongCommentaire(std::size_t n) {
    std::string commentaire;
    while (commentaire.size() < n)
        commentaire += "Une remarque de plus sur la figure, pour la classe.\r\n";
    return kEntete + kPointA + "a = 2\r\nCommentaire\r\n" + commentaire + "Fin de la figure\r\n";
}

TEST_F(TextesEntiers, TheLineThatStopsATextIsToldByNumberAndByAMessage) {
    const std::string longue = "% " + std::string(300, 'x') + "\r\n";
    const std::string longueFin = "a = 2 % " + std::string(300, 'y') + "\r\n";
    struct Cas {
        std::string texte;
        int32_t ligne;   // the failing line, 0 for none
        bool objetApres; // the object b of the line after it exists
    };
    const Cas cas[] = {
        {kEntete + kPointA + "b = 3\r\n", 0, true},
        // A comment of more than 250 characters stops the text: the lines
        // after it are not run, and it is said.
        {kEntete + kPointA + longue + "b = 3\r\n", 3, false},
        {kEntete + longueFin + "b = 3\r\n", 2, false},
        // Lines ended by LF alone are counted the same.
        {"Figure Kalmetra\nA point de coordonn\xE9"
         "es (0,0,0) dans le rep\xE8"
         "re Rxyz\nM milieu du segment [AZ]\nb = 3\n",
         3, false},
    };
    for (const Cas& c : cas) {
        p::boitesDemandees().clear();
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, c.texte.c_str(), nullptr);
        ASSERT_GT(n, 0);
        EXPECT_EQ(KMLigneEnErreur(n), c.ligne) << c.texte.substr(0, 120);
        EXPECT_EQ(KMValeurScalaireDouble(n, "b") == 3.0, c.objetApres) << c.texte.substr(0, 120);
        EXPECT_EQ(p::boitesDemandees().empty(), c.ligne == 0) << c.texte.substr(0, 120);
        if (c.ligne == 3 && c.texte.find("xxx") != std::string::npos) {
            ASSERT_FALSE(p::boitesDemandees().empty());
            EXPECT_NE(p::boitesDemandees().front().texte.find("250"), std::string::npos);
        }
        KMDetruitFigure(n);
    }
}

TEST_F(TextesEntiers, HostLinesAndWholeTextsTellTheirFailingLineToo) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, (kEntete + kPointA).c_str(), nullptr);
    ASSERT_GT(n, 0);
    EXPECT_EQ(KMLigneEnErreur(n), 0);
    KMExecuteLigneFig(n, "b = 1\r\n% une remarque\r\nc = b +\r\nd = 4");
    EXPECT_EQ(KMLigneEnErreur(n), 3);
    KMExecuteLigneFig(n, "e = 5");
    EXPECT_EQ(KMLigneEnErreur(n), 0);
    KMExecuterTexte(n, (kEntete + "f = 1\r\ng = f +\r\n").c_str());
    EXPECT_EQ(KMLigneEnErreur(n), 3);
    // No figure, no line.
    EXPECT_EQ(KMLigneEnErreur(0), 0);
    EXPECT_EQ(KMLigneEnErreur(64), 0);
    EXPECT_EQ(KMLigneEnErreur(-3), 0);
}

TEST_F(TextesEntiers, AFigureTextPast64KilobytesIsHandedOverWholeAndNotSavedCut) {
    const std::string texte = figureAvecLongCommentaire(70000);
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
    ASSERT_GT(n, 0);
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    const std::string ecrit = texteDeBloc(KMTexteFigure(n));
    ASSERT_GT(ecrit.size(), 70000u);
    // Whole: it ends with the end line, and it reads back to the same text.
    EXPECT_EQ(ecrit.substr(ecrit.size() - 16), "Fin de la figure");
    const int16_t m = KMCreeFigEtRenvoieNumero(hote, nullptr, ecrit.c_str(), nullptr);
    ASSERT_GT(m, 0);
    EXPECT_EQ(texteDeBloc(KMTexteFigure(m)), ecrit);
    EXPECT_EQ(KMValeurScalaireDouble(m, "a"), 2.0);

    // A file that long could not be read again: it is not written, and the
    // user is told; a file already there keeps its text.
    const std::string fichier = "/tmp/km32-long-" + std::to_string(::getpid()) + ".k3v";
    {
        std::FILE* f = std::fopen(fichier.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("ancien", f);
        std::fclose(f);
    }
    p::boitesDemandees().clear();
    EXPECT_EQ(KMsauveFigure(n, fichier.c_str()), 1);
    ASSERT_EQ(p::boitesDemandees().size(), 1u);
    EXPECT_NE(p::boitesDemandees().front().texte.find("65 535"), std::string::npos);
    // Its reason is the library's own, never a system error a write could give.
    EXPECT_EQ(KMErreurSauvegarde(), EMSGSIZE);
    char lu[16] = {};
    std::FILE* f = std::fopen(fichier.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fread(lu, 1, sizeof lu - 1, f), 6u);
    std::fclose(f);
    EXPECT_STREQ(lu, "ancien");
    std::remove(fichier.c_str());

    // A figure that fits is saved and read back as it was written.
    const int16_t court =
        KMCreeFigEtRenvoieNumero(hote, nullptr, figureAvecLongCommentaire(1000).c_str(), nullptr);
    EXPECT_EQ(KMsauveFigure(court, fichier.c_str()), 0);
    std::remove(fichier.c_str());
}

} // namespace
} // namespace km32::essais
