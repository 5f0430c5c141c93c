// The writer puts text displays and key commands in blocks of their own
// after the other objects, so a figure read back holds them after the
// others. Every line that lists objects is written in that order: the text
// read back writes the same text again, the host's check accepts it, and
// the save writes a file that opens by its name into the same figure, in
// each of the three languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banc_sauvegarde.h"
#include "base/texte.h"
#include "fichier_essai.h"
#include "km32.h"

namespace km32 {
namespace {

// T (a display) and K, M (key commands) are made before B, C, S, P, b and
// Q: they come back after them.
const char* const kBase = "Figure Kalmetra\r\n"
                          "A point de coordonnées (1,2,3) dans le repère Rxyz\r\n"
                          "T affichage du texte: abc\r\n"
                          "a réel libre de [0,10]\r\n"
                          "K (touche K) valeur(s) de 2 affectée(s) à a\r\n"
                          "B point de coordonnées (0,1,0) dans le repère Rxyz\r\n"
                          "C point de coordonnées (0,0,1) dans le repère Rxyz\r\n"
                          "P point libre sur le segment [BC]\r\n"
                          "M (touche M) position mémorisée de P\r\n"
                          "S segment [AB]\r\n"
                          "b réel libre de [0,10]\r\n"
                          "Q polygone convexe de sommets ABC\r\n";

struct CasListe {
    const char* ligne;  // the list as a user types it, in figure order
    const char* ecrite; // the line written, in the order read back
};

// Every line of the figure text that names a list of objects (or an
// object whose list is its own line).
const CasListe kCas[] = {
    {"Objets protégés: T, K, B", "Objets protégés: B, T, K"},
    {"Objets protégés à rappel limité: T, M, B", "Objets protégés à rappel limité: B, T, M"},
    {"Protéger T, K, S sauf d'une redéfinition", "Protéger S, T, K sauf d'une redéfinition"},
    {"Objets d'accès interdit: A, T, K, B", "Objets d'accès interdit: A, B, T, K"},
    {"Sélection pour trace: T, B, P", "Sélection pour trace: B, P, T"},
    {"Objets libres bloqués: a, P, b", "Objets libres bloqués: a, P, b"},
    {"Pilotage en boucle pour: a, b", "Pilotage en boucle pour: a, b"},
    {"Objet libre actif au clavier: b", "Objet libre actif au clavier: b"},
    {"Dessins limités au convexe Q: S, P", "Dessins limités au convexe Q: P, S"},
    {"Dessin de T: rouge", "   Dessin de T: rouge"},
    {"A la place de B, afficher: bb", "A la place de B, afficher: bb"},
    {"Objets protégés: M, Q", "Objets protégés: Q, M"},
};

// The text of a block the library handed over, the block freed.
std::string texteDeBloc(uint32_t bloc) {
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
}

using OrdreDesListes = essais::BancSauvegarde;

TEST_F(OrdreDesListes, EveryListLineIsWrittenInTheOrderReadBack) {
    for (const CasListe& c : kCas) {
        SCOPED_TRACE(c.ligne);
        const std::string texte = windows1252DeUtf8(std::string(kBase) + c.ligne + "\r\nFin de la figure");
        const int16_t n = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        for (const int16_t langue : {int16_t(1), int16_t(2), int16_t(3)}) {
            SCOPED_TRACE(langue);
            KMappliqueLangue(langue);
            const std::string ecrit = texteDeBloc(KMTexteFigure(n));
            if (langue == 1) {
                EXPECT_NE(ecrit.find("\r\n" + windows1252DeUtf8(c.ecrite) + "\r\n"), std::string::npos)
                    << utf8DeWindows1252(ecrit);
            }
            EXPECT_EQ(KMVerifieTexteFigure(n), 0);
            // The text read back writes itself again.
            const int16_t relu = KMCreeFigEtRenvoieNumero(0, nullptr, ecrit.c_str(), nullptr);
            ASSERT_GT(relu, 0);
            EXPECT_EQ(KMLigneEnErreur(relu), 0);
            EXPECT_EQ(texteDeBloc(KMTexteFigure(relu)), ecrit);
            KMDetruitFigure(relu);
            // The save is accepted, and the file opens by its name.
            const std::string fichier = (dossier / ("liste" + std::to_string(langue) + ".k3v")).string();
            ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0) << KMErreurSauvegarde();
            const int16_t ouvert = KMCreeFigEtRenvoieNumero(0, fichier.c_str(), nullptr, nullptr);
            ASSERT_GT(ouvert, 0);
            EXPECT_EQ(KMLigneEnErreur(ouvert), 0);
            EXPECT_EQ(texteDeBloc(KMTexteFigure(ouvert)), ecrit);
            KMDetruitFigure(ouvert);
        }
        KMappliqueLangue(1);
        KMDetruitFigure(n);
    }
}

} // namespace
} // namespace km32
