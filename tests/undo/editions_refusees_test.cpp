// Edits refused or accepted through the roads of a host (a typed line, a
// whole text, undo and redo), each checked against the written text of the
// figure: a refused edit leaves exactly the text it found, undo gives back
// exactly the text before an accepted edit and redo the text after it.
#include <string>
#include <utility>
#include <vector>

#include "../host/banc_hote.h"
#include "model/objets_figure.h"
#include "platform/boites.h"
#include "text/annulation.h"

namespace km32::essais {
namespace {

void commande(int16_t n, uint32_t c) {
    KMMessage m{platform::WM_COMMAND, c, 0, 0};
    traiteMessageKMParNumero(n, &m);
}

const std::string kEntete = "Figure Kalmetra\r\n";
const std::string kFin = "Fin de la figure";

// A construction of one number: "y suivant de x" is x + 1.
const std::string kBlocSuivant = "D\xE9"
                                 "but de [S]\r\nx r\xE9"
                                 "el donn\xE9\r\ny = x+1\r\nDescription de l'interface\r\n"
                                 "y suivant de x\r\nNombre:\r\nNom:\r\nFin de [S]\r\n";
// A construction of one point: "M milieu de AB".
const std::string kBlocMilieu = "D\xE9"
                                "but de [Milieu]\r\nA point donn\xE9\r\nB point donn\xE9\r\n"
                                "M milieu du segment [AB]\r\nDescription de l'interface\r\nM milieu de AB\r\n"
                                "Premier point:\r\nSecond point:\r\nNom du milieu:\r\nFin de [Milieu]\r\n";
const std::string kPoints = "A point de coordonn\xE9"
                            "es (1,2,3) dans le rep\xE8re Rxyz\r\nB point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n";

class EditionsRefusees : public BancHote {
  protected:
    std::string texte(int16_t n) { return texteDeBloc(KMTexteFigure(n)); }
    int16_t lis(const std::string& lignes) {
        const std::string t = kEntete + lignes + kFin;
        return KMCreeFigEtRenvoieNumero(hote, nullptr, t.c_str(), nullptr);
    }
    // The line typed as a host types it, its undo snapshot taken first as
    // a host command takes it.
    void tape(int16_t n, const std::string& ligne) {
        ASSERT_TRUE(prendInstantanePourAnnuler(figure(n), figure(n)));
        KMExecuteLigneFig(n, ligne.c_str());
    }
    void annule(int16_t n) { commande(n, 93); }
    void refait(int16_t n) { commande(n, 122); }
    // The figure read from lignes (without a fault), its text kept in avant,
    // then ligne typed on it, the message boxes asked for cleared first.
    void litPuisTape(const std::string& lignes, const std::string& ligne, int16_t& n, std::string& avant) {
        n = lis(lignes);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        avant = texte(n);
        platform::boitesDemandees().clear();
        tape(n, ligne);
    }
    // Undo gives back exactly avant, then redo exactly apres.
    void annulePuisRefait(int16_t n, const std::string& avant, const std::string& apres) {
        annule(n);
        EXPECT_EQ(texte(n), avant);
        refait(n);
        EXPECT_EQ(texte(n), apres);
    }
    // The line typed was refused: marked in error, its reason shown in a
    // box, the text left as it was and the figure still checking.
    void verifieRefus(int16_t n, const std::string& avant) {
        EXPECT_EQ(KMLigneEnErreur(n), 1);
        EXPECT_EQ(texte(n), avant);
        EXPECT_EQ(KMVerifieTexteFigure(n), 0);
        ASSERT_FALSE(platform::boitesDemandees().empty());
    }
    // The line typed was made: no error and no box, a new text that checks,
    // which undo takes back and redo gives again.
    void verifieAcceptee(int16_t n, const std::string& avant) {
        EXPECT_EQ(KMLigneEnErreur(n), 0);
        EXPECT_TRUE(platform::boitesDemandees().empty());
        const std::string apres = texte(n);
        EXPECT_NE(apres, avant);
        EXPECT_EQ(KMVerifieTexteFigure(n), 0);
        annulePuisRefait(n, avant, apres);
    }
};

// A line that uses a construction and is refused (the object would be made
// from itself, directly or through an object that depends on it) changes
// nothing: typed, it leaves the text it found, with its reason shown, and
// the figure still checks; undo after it gives back the same text, and
// redo too.
TEST_F(EditionsRefusees, ARefusedLineThatUsesAConstructionChangesNothing) {
    struct Cas {
        std::string figure;
        std::string refusee;
    };
    const std::vector<Cas> cas = {
        {kBlocSuivant + "A = 7.6\r\n", "A suivant de A"},
        {kBlocSuivant + "A = 7.6\r\nC = A*2\r\n", "A suivant de C"},
        {kBlocSuivant + "A = 7.6\r\nC suivant de A\r\n", "A suivant de C"},
        {kBlocMilieu + kPoints +
             "C point de coordonn\xE9"
             "es (4,0,0) dans le rep\xE8re Rxyz\r\n",
         "C milieu de AC"},
        {kBlocMilieu + kPoints + "I milieu de AB\r\n", "A milieu de IB"},
        {kBlocMilieu + kPoints + "I milieu de AB\r\n", "I milieu de AI"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.refusee);
        int16_t n = 0;
        std::string avant;
        ASSERT_NO_FATAL_FAILURE(litPuisTape(c.figure, c.refusee, n, avant));
        verifieRefus(n, avant);
        // Undo of the snapshot taken for nothing, then redo: the same text.
        annulePuisRefait(n, avant, avant);
        KMDetruitFigure(n);
    }
}

// A figure whose start line counts its runs by nb: an edit after which that
// line would no longer run when the figure is read (a count below 1, above
// 32000 or not whole, directly or through an object nb depends on) is
// refused when made, naming the line and the object changed, and changes
// nothing; an edit that keeps it running is made, and undo then redo give
// back exactly the texts before and after.
TEST_F(EditionsRefusees, AnEditThatWouldStopAStartLineIsRefusedNamingIt) {
    const std::string figureTouche = "m = 2\r\nnb = m+1\r\nP point libre dans l'espace\r\n"
                                     "K (touche k) position m\xE9moris\xE9"
                                     "e de P\r\n";
    const std::string commandes = "D\xE9marrer en ex\xE9"
                                  "cutant  nb fois les commandes K";
    const std::string touche = "D\xE9marrer en ex\xE9"
                               "cutant nb fois la ou les commandes associ\xE9"
                               "es \xE0 la touche k";
    struct Cas {
        std::string demarrage;
        std::string edition;
        std::string objet; // named by the refusal; empty: accepted
    };
    const std::vector<Cas> cas = {
        {commandes, "nb = 0", "nb"}, {commandes, "nb = 2.5", "nb"}, {commandes, "nb = 40000", "nb"},
        {commandes, "m = -1", "m"},  {touche, "nb = -1", "nb"},     {touche, "m = 0.5", "m"},
        {commandes, "nb = 2", ""},   {touche, "m = 7", ""},         {commandes, "nb = 32000", ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.demarrage + " / " + c.edition);
        int16_t n = 0;
        std::string avant;
        ASSERT_NO_FATAL_FAILURE(litPuisTape(figureTouche + c.demarrage + "\r\n", c.edition, n, avant));
        if (!c.objet.empty()) {
            ASSERT_NO_FATAL_FAILURE(verifieRefus(n, avant));
            const std::string& message = platform::boitesDemandees()[0].texte;
            EXPECT_NE(message.find("\"" + c.demarrage + "\""), std::string::npos) << message;
            EXPECT_NE(message.find("modification de " + c.objet + " "), std::string::npos) << message;
        } else {
            verifieAcceptee(n, avant);
        }
        KMDetruitFigure(n);
    }
}

// The same through the line that sets a free number's value: a count the
// value makes 0 is refused naming the start line and the number.
TEST_F(EditionsRefusees, AFreeValueThatWouldStopAStartLineIsRefusedNamingIt) {
    const std::string figureLibre = "n entier libre de [0,10]\r\nObjet libre n, param\xE8tre: 3\r\n"
                                    "P point libre dans l'espace\r\nK (touche k) position m\xE9moris\xE9"
                                    "e de P\r\nD\xE9marrer en ex\xE9"
                                    "cutant  n fois les commandes K\r\n";
    for (const auto& [edition, refusee] : std::vector<std::pair<std::string, bool>>{
             {"Objet libre n, param\xE8tre: 0", true}, {"Objet libre n, param\xE8tre: 5", false}}) {
        SCOPED_TRACE(edition);
        int16_t n = 0;
        std::string avant;
        ASSERT_NO_FATAL_FAILURE(litPuisTape(figureLibre, edition, n, avant));
        if (refusee) {
            ASSERT_NO_FATAL_FAILURE(verifieRefus(n, avant));
            EXPECT_NE(platform::boitesDemandees()[0].texte.find("modification de n "), std::string::npos);
        } else {
            verifieAcceptee(n, avant);
        }
        KMDetruitFigure(n);
    }
}

} // namespace
} // namespace km32::essais
