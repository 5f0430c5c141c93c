// Edits refused or accepted through the roads of a host (a typed line, a
// whole text, undo and redo), each checked against the written text of the
// figure: a refused edit leaves exactly the text it found, undo gives back
// exactly the text before an accepted edit and redo the text after it.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../host/banc_hote.h"
#include "model/objets_figure.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/horloge.h"
#include "platform/messages.h"
#include "text/annulation.h"
#include "text/execution_texte.h"

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

// A figure whose start line runs the commands K nb times, and whose command
// Z (key z) sets nb to 0, and R (key r) runs Z on a timer.
const std::string kDemarrage = "D\xE9marrer en ex\xE9"
                               "cutant  nb fois les commandes K";
const std::string kFigureDemarrage =
    "nb r\xE9"
    "el libre\r\nObjet libre nb, valeur: 1\r\nP point libre dans l'espace\r\n"
    "K (touche k) position m\xE9moris\xE9"
    "e de P\r\nZ (touche z) valeur(s) de 0 affect\xE9"
    "e(s) \xE0 nb\r\nW (touche w) r\xE9p\xE9ter 3 fois: Z (d\xE9lai 100 ms)\r\n" +
    kDemarrage + "\r\n";

// How many boxes asked for so far say that a change would stop the start
// line, naming it and the object changed.
int refusDeDemarrage(const std::string& objet = "nb") {
    int n = 0;
    for (const auto& b : platform::boitesDemandees())
        if (b.texte.find("\"" + kDemarrage + "\"") != std::string::npos &&
            b.texte.find("modification de " + objet + " ") != std::string::npos)
            ++n;
    return n;
}

// Every road by which a host or a user changes the figure's values, on a
// figure whose start line counts its runs by nb: a change that would make
// nb 0 is refused, shown once (also while the same input repeats: a held
// key, a value set again, a timer's ticks), the figure keeps exactly the
// text it had, still checks, and undo gives back the step before.
TEST_F(EditionsRefusees, EveryRoadRefusesAChangeThatWouldStopAStartLine) {
    struct Route {
        const char* quoi;
        std::function<void(int16_t)> avant; // accepted, before the undo step
        std::function<void(int16_t)> change;
    };
    const std::vector<Route> routes = {
        {"arrow key held down", [](int16_t n) { KMExecuteLigneFig(n, "Objet libre actif au clavier: nb"); },
         [](int16_t n) {
             for (int k = 0; k < 3; ++k)
                 KMKeyDown(n, platform::VK_DOWN);
         }},
        {"key of a command", nullptr, [](int16_t n) { KMKeyPress(n, 'z'); }},
        {"command run by the host", nullptr,
         [](int16_t n) {
             KMExecuteCommande(n, "Z");
             KMExecuteCommande(n, "Z");
         }},
        {"value set by the host", nullptr,
         [](int16_t n) {
             KMAffecteScalaire(n, "nb", 0);
             KMAffecteScalaire(n, "nb", 0);
         }},
        {"assignment line of the host", nullptr,
         [](int16_t n) { KMExecuteLigneFig(n, "Affecter la variable num\xE9rique nb, valeur: 0"); }},
        {"line that runs commands", nullptr,
         [](int16_t n) {
             KMExecuteLigneFigEtRedessine(n, "Ex\xE9"
                                             "cuter 1 fois les commandes Z");
         }},
        {"timer of a repetition", nullptr,
         [](int16_t n) {
             KMKeyPress(n, 'w');
             platform::avance(400);
         }},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.quoi);
        const int16_t n = lis(kFigureDemarrage);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0);
        if (r.avant) r.avant(n);
        const std::string debut = texte(n);
        // The step before: a point added, undone at the end.
        tape(n, "Q point de coordonn\xE9"
                "es (1,1,1) dans le rep\xE8re Rxyz");
        const std::string avant = texte(n);
        ASSERT_NE(avant, debut);
        platform::boitesDemandees().clear();
        r.change(n);
        EXPECT_EQ(refusDeDemarrage(), 1);
        EXPECT_EQ(texte(n), avant);
        EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 1);
        EXPECT_EQ(KMVerifieTexteFigure(n), 0);
        annule(n);
        EXPECT_EQ(texte(n), debut);
        KMDetruitFigure(n);
    }
}

// A held arrow key shows the refusal once; released and pressed again, it
// is shown again.
TEST_F(EditionsRefusees, ARefusalIsShownAgainOnceTheKeyIsReleased) {
    const int16_t n = lis(kFigureDemarrage);
    ASSERT_GT(n, 0);
    KMExecuteLigneFig(n, "Objet libre actif au clavier: nb");
    platform::boitesDemandees().clear();
    KMKeyDown(n, platform::VK_DOWN);
    KMKeyDown(n, platform::VK_DOWN);
    EXPECT_EQ(refusDeDemarrage(), 1);
    KMMessage haut{platform::WM_KEYUP, platform::VK_DOWN, 0, 0};
    traiteMessageKMParNumero(n, &haut);
    KMKeyDown(n, platform::VK_DOWN);
    EXPECT_EQ(refusDeDemarrage(), 2);
    // A change that keeps the line running is made, and after it the same
    // refusal is shown again.
    KMAffecteScalaire(n, "nb", 2);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 2);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
    EXPECT_EQ(refusDeDemarrage(), 2);
    KMAffecteScalaire(n, "nb", 0);
    EXPECT_EQ(refusDeDemarrage(), 3);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 2);
}

// The figure clock: a tick after which the count read from the time would
// fall to 0 is refused, shown once while the clock runs on, and the figure
// keeps the last time that let the line run.
TEST_F(EditionsRefusees, AClockTickThatWouldStopAStartLineIsRefusedOnce) {
    platform::fixeHeureVirtuelle(0.0);
    const int16_t n =
        lis("nb = int(2-time)\r\nP point libre dans l'espace\r\nK (touche k) position m\xE9moris\xE9"
            "e de P\r\n" +
            kDemarrage + "\r\n");
    ASSERT_GT(n, 0);
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    ASSERT_EQ(KMValeurScalaireDouble(n, "nb"), 2);
    platform::boitesDemandees().clear();
    KMExecuteLigneFig(n, "Temps actif");
    platform::avance(4000);
    EXPECT_EQ(refusDeDemarrage("time"), 1);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 1);
    EXPECT_GT(KMValeurScalaireDouble(n, "time"), 0);
    EXPECT_LE(KMValeurScalaireDouble(n, "time"), 1);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
}

// Values imported from another figure's shared values: a value after which
// the count would be 0 is not taken, the figure keeps its own and says why;
// the next value that keeps the line running is taken.
TEST_F(EditionsRefusees, AnImportedValueThatWouldStopAStartLineIsNotTaken) {
    const uint32_t autre = KMCreeFenetreHote("emetteur", 300, 200, nullptr);
    ASSERT_NE(autre, 0u);
    const std::string partage = "Figure Kalmetra\r\nnb r\xE9"
                                "el libre\r\nImportation active\r\nFin de la figure";
    const int16_t emetteur = KMCreeFigEtRenvoieNumero(autre, nullptr, partage.c_str(), nullptr);
    const int16_t n = lis(kFigureDemarrage + "Importation active\r\n");
    ASSERT_GT(emetteur, 0);
    ASSERT_GT(n, 0);
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    const std::string avant = texte(n);
    platform::boitesDemandees().clear();
    KMExecuteLigneFig(emetteur, "Affecter la variable num\xE9rique nb, valeur: 0");
    KMBoucleFenetres();
    EXPECT_EQ(KMValeurScalaireDouble(emetteur, "nb"), 0);
    EXPECT_EQ(refusDeDemarrage(), 1);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 1);
    EXPECT_EQ(texte(n), avant);
    KMExecuteLigneFig(emetteur, "Affecter la variable num\xE9rique nb, valeur: 3");
    KMBoucleFenetres();
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 3);
    EXPECT_EQ(refusDeDemarrage(), 1);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
    KMDetruitFigure(emetteur);
    KMDetruitFenetreHote(autre);
}

// A text in which a line after a start line changes its count so that it
// would no longer run does not read, and stops at that start line: the
// same line whether it is given as a text or read back from a figure.
TEST_F(EditionsRefusees, ATextWhoseStartLineALaterLineStopsDoesNotRead) {
    struct Cas {
        std::string texte;
        int32_t ligne; // the start line's number, 0: the text reads
    };
    const std::string debut = "nb = 3\r\nP point libre dans l'espace\r\nK (touche k) position m\xE9moris\xE9"
                              "e de P\r\n" +
                              kDemarrage + "\r\n";
    const std::vector<Cas> cas = {
        {debut + "nb = 0\r\n", 5},
        {debut + "nb = 2.5\r\n", 5},
        {debut + "nb = 2\r\n", 0},
        {debut + "nb = 0\r\nnb = 1\r\n", 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        platform::boitesDemandees().clear();
        const int16_t n = lis(c.texte);
        ASSERT_GT(n, 0);
        EXPECT_EQ(KMLigneEnErreur(n), c.ligne);
        if (c.ligne != 0) {
            ASSERT_FALSE(platform::boitesDemandees().empty());
            bool nommee = false;
            for (const auto& b : platform::boitesDemandees()) {
                nommee = nommee || b.texte.find(kDemarrage) != std::string::npos;
            }
            EXPECT_TRUE(nommee);
        } else {
            EXPECT_EQ(KMVerifieTexteFigure(n), 0);
        }
        KMDetruitFigure(n);
    }
}

// The start lines run as the figure opens: a run after which one of them
// would no longer run (a command that sets its count to 0) is refused, the
// figure stays as it was read, the message names the line.
TEST_F(EditionsRefusees, StartLinesThatWouldStopOneAnotherAreNotKept) {
    const int16_t n = lis(kFigureDemarrage + "D\xE9marrer en ex\xE9"
                                             "cutant  1 fois les commandes Z\r\n");
    ASSERT_GT(n, 0);
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    const std::string lu = texte(n);
    platform::boitesDemandees().clear();
    executeTexteFigureParNumero(n);
    EXPECT_EQ(refusDeDemarrage(), 1);
    EXPECT_EQ(texte(n), lu);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 1);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
}

// nb read from a function given by values. The host's lines of values
// change nb as the same lines read from a file do (the file gives the
// expected values), and a table after which nb is no count is refused
// naming g, whichever road of the host's lines sends it; two lines in one
// text of the host read their points as expressions, also after the start
// line was judged between them.
const std::string kFigureTable = "g fonction d\xE9"
                                 "finie par valeurs (avec interpolation)\r\n"
                                 "Valeurs pour g: (1,2) (3,2)\r\nnb = g(1)\r\nh = g(2)\r\n"
                                 "P point libre dans l'espace\r\nObjet libre P, param\xE8tres: 1, 2, 3\r\n"
                                 "K (touche k) position m\xE9moris\xE9"
                                 "e de P\r\n" +
                                 kDemarrage + "\r\n";

TEST_F(EditionsRefusees, AHostsLineOfValuesIsJudgedOnWhatDependsOnTheTable) {
    using Route = void (*)(int16_t, const char*);
    const struct {
        const char* quoi;
        Route route;
    } routes[] = {{"line", [](int16_t n, const char* l) { KMExecuteLigneFig(n, l); }},
                  {"line and redraw", [](int16_t n, const char* l) { KMExecuteLigneFigEtRedessine(n, l); }}};
    const struct {
        const char* lignes;
        const char* commeFichier; // the lines kept, as a file holds them
        bool refus;
    } cas[] = {
        {"Valeurs pour g: (1,5)", "Valeurs pour g: (1,5)\r\n", false},
        {"Valeurs pour g: (1,4)\r\nValeurs pour g: (max(1,2),3)", "Valeurs pour g: (1,4) (2,3)\r\n", false},
        {"Valeurs pour g: (1,0)", "", true},
        // The line before the refused one stays, and its dependants follow it.
        {"Valeurs pour g: (1,6)\r\nSupprimer pour g les images de: -inf..+inf", "Valeurs pour g: (1,6)\r\n",
         true},
    };
    for (const auto& r : routes)
        for (const auto& c : cas) {
            SCOPED_TRACE(std::string(r.quoi) + ": " + c.lignes);
            const int16_t n = lis(kFigureTable);
            ASSERT_GT(n, 0);
            ASSERT_EQ(KMLigneEnErreur(n), 0);
            ASSERT_EQ(KMValeurScalaireDouble(n, "nb"), 2);
            platform::boitesDemandees().clear();
            r.route(n, c.lignes);
            EXPECT_EQ(KMVerifieTexteFigure(n), 0);
            EXPECT_EQ(KMLigneEnErreur(n) != 0, c.refus);
            EXPECT_EQ(refusDeDemarrage("g"), c.refus ? 1 : 0)
                << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().front().texte);
            const int16_t m = lis(kFigureTable + c.commeFichier);
            ASSERT_GT(m, 0);
            ASSERT_EQ(KMLigneEnErreur(m), 0);
            EXPECT_EQ(texte(n), texte(m));
            EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), KMValeurScalaireDouble(m, "nb"));
            EXPECT_EQ(KMValeurScalaireDouble(n, "h"), KMValeurScalaireDouble(m, "h"));
            KMDetruitFigure(m);
            KMDetruitFigure(n);
        }
}

// A free point glued to G, nb read from its distance to G: a keyboard step
// puts the point on G, so nb would be 0. The step is refused before the
// host hears of it: no notice of a move reaches the host window.
TEST_F(EditionsRefusees, AGluedPointsRefusedStepIsNotToldToTheHost) {
    const int16_t n = lis("G point de coordonn\xE9"
                          "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                          "P point libre dans l'espace\r\n"
                          "Affecter le point libre P, coordonn\xE9"
                          "es: (3,0,0) dans le rep\xE8re Rxyz\r\n"
                          "Le point P doit coller au point G\r\n"
                          "nb = int(dist(G,P))\r\n"
                          "K (touche k) position m\xE9moris\xE9"
                          "e de P\r\n" +
                          kDemarrage + "\r\n");
    ASSERT_GT(n, 0);
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    ASSERT_EQ(KMValeurScalaireDouble(n, "nb"), 3);
    KMExecuteLigneFig(n, "Objet libre actif au clavier: P");
    const std::string avant = texte(n);
    platform::boitesDemandees().clear();
    avis.clear();
    KMKeyDown(n, platform::VK_RIGHT);
    EXPECT_EQ(refusDeDemarrage("P"), 1);
    EXPECT_EQ(texte(n), avant);
    EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 3);
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
    for (const auto& a : avis)
        EXPECT_NE(a.code, 1033u);
}

} // namespace
} // namespace km32::essais
