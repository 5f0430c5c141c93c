// The host interface driven as a host drives it, through the functions of
// km32.h: texts applied whole or not at all, with undo; host lines that
// change a function given by values; the prototypes of the pop-up menu; the
// step-by-step replay; help through the host's function.
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "banc_hote.h"
#include "host/application_texte.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/repartiteur.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/menus.h"
#include "platform/messages.h"
#include "phrases/phrase.h"
#include "sibling/phrases_tq.h"
#include "sibling/textes_tq.h"
#include "text/operandes_objets.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::string kTroisPoints = texteDeLignes({
    "Figure Kalmetra",
    "A point de coordonn\xE9"
    "es (1,0,0) dans le rep\xE8re Rxyz",
    "B point de coordonn\xE9"
    "es (0,2,0) dans le rep\xE8re Rxyz",
    "C point de coordonn\xE9"
    "es (0,0,3) dans le rep\xE8re Rxyz",
});

class InterfaceHote : public BancHote {
  protected:
    std::string texteDe(int16_t n) {
        const uint32_t bloc = KMTexteFigure(n);
        std::string t = bloc ? KMContenuBloc(bloc) : "";
        if (bloc) KMLibereBloc(bloc);
        return t;
    }
    int32_t commande(int16_t n, uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        return m.resultat;
    }
    int32_t caractere(int16_t n, uint32_t c) {
        KMMessage m{p::WM_CHAR, c, 0, 0};
        traiteMessageKMParNumero(n, &m);
        return m.resultat;
    }
    bool boiteDemandee(const std::string& texteBoite) {
        for (const p::DemandeBoite& d : p::boitesDemandees())
            if (d.texte == texteBoite) return true;
        return false;
    }
};

// A text that fails at one line leaves the figure exactly as it was and
// tells the host in a box titled with the figure's title; a text that runs
// replaces the figure, and undo and redo go between the two.
TEST_F(InterfaceHote, AFailedTextLeavesTheFigureAsItWasAndUndoGivesBackTheFormerOne) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTroisPoints.c_str(), "Nom=Essai");
    ASSERT_EQ(n, 1);
    const std::string avant = texteDe(n);
    ASSERT_NE(avant.find("C point"), std::string::npos) << avant;
    ASSERT_EQ(KMNombreObjets(n), figure(n).nombreObjets);
    const int objetsAvant = KMNombreObjets(n);

    p::boitesDemandees().clear();
    const std::string fautif = texteDeLignes({"Figure Kalmetra",
                                              "P point de coordonn\xE9"
                                              "es (5,5,5) dans le rep\xE8re Rxyz",
                                              "M milieu du segment [PZ]",
                                              "Q point de coordonn\xE9"
                                              "es (1,1,1) dans le rep\xE8re Rxyz"});
    KMExecuterTexte(n, fautif.c_str());
    EXPECT_EQ(texteDe(n), avant);
    EXPECT_EQ(KMNombreObjets(n), objetsAvant);
    EXPECT_EQ(KMObjetValide(n, "P"), 0);
    EXPECT_EQ(KMObjetValide(n, "C"), 1);
    bool signale = false;
    for (const p::DemandeBoite& d : p::boitesDemandees())
        if (d.texte == "texte incorrect non appliqu\xE9." && d.titre == figure(n).titreFenetre)
            signale = true;
    EXPECT_TRUE(signale);
    // A host line that starts with a figure header is a whole text too.
    KMExecuteLigneFigEtRedessine(n, fautif.c_str());
    EXPECT_EQ(texteDe(n), avant);

    const std::string nouveau = texteDeLignes({"Figure Kalmetra", "P point de coordonn\xE9"
                                                                  "es (5,5,5) dans le rep\xE8re Rxyz"});
    avis.clear();
    KMExecuterTexte(n, nouveau.c_str());
    const std::string apres = texteDe(n);
    EXPECT_NE(apres.find("P point"), std::string::npos) << apres;
    EXPECT_EQ(apres.find("C point"), std::string::npos) << apres;
    EXPECT_EQ(KMfigureModifiee(n), 1);
    EXPECT_FALSE(avis.empty()); // the host was told the figure changed

    commande(n, 93);
    EXPECT_EQ(texteDe(n), avant);
    commande(n, 122);
    EXPECT_EQ(texteDe(n), apres);
}

// The reason of an undefined polyhedron names the vertices it is about,
// in the host's text as in the phrase's "#1" and "#2"; a defined object and
// an object that does not exist have no reason text.
TEST_F(InterfaceHote, TheReasonTextOfARefusedVertexListNamesItsVertices) {
    const std::string t = kTroisPoints + texteDeLignes({"D point de coordonn\xE9"
                                                        "es (1,0,0) dans le rep\xE8re Rxyz",
                                                        "E point de coordonn\xE9"
                                                        "es (1,1,1) dans le rep\xE8re Rxyz",
                                                        "T poly\xE8"
                                                        "dre convexe de sommets A,B,C,D,E"});
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, t.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    int poly = 0, a = 0;
    for (int32_t i = 1; i <= KMNombreObjets(n); ++i) {
        const uint32_t bloc = KMNomObjetDeNumero(n, i);
        const std::string nom = bloc ? KMContenuBloc(bloc) : "";
        if (bloc) KMLibereBloc(bloc);
        if (nom == "T") poly = i;
        if (nom == "A") a = i;
    }
    ASSERT_NE(poly, 0);
    ASSERT_EQ(KMRaisonObjetNonDefini(n, poly), 509);
    const uint32_t bloc = KMTexteRaisonObjetNonDefini(n, poly);
    ASSERT_NE(bloc, 0u);
    EXPECT_STREQ(KMContenuBloc(bloc), "Les sommets A et D seraient confondus.");
    KMLibereBloc(bloc);
    EXPECT_EQ(KMTexteRaisonObjetNonDefini(n, a), 0u);
    EXPECT_EQ(KMTexteRaisonObjetNonDefini(n, 250), 0u);
    EXPECT_EQ(KMTexteRaisonObjetNonDefini(7, 1), 0u);
}

// With confirmation (the text editor's Apply) a text that runs is put to
// the user: No leaves the figure as it was, without the failure box; Yes
// applies it.
TEST_F(InterfaceHote, AConfirmedTextIsAppliedOnlyOnYes) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTroisPoints.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    const std::string avant = texteDe(n);
    const std::string nouveau = texteDeLignes({"Figure Kalmetra", "P point de coordonn\xE9"
                                                                  "es (5,5,5) dans le rep\xE8re Rxyz"});
    struct Cas {
        int reponse;
        bool applique;
    };
    for (const Cas c : {Cas{p::kReponseNon, false}, Cas{p::kReponseOui, true}}) {
        p::boitesDemandees().clear();
        p::reponsesPrevues().push_back({c.reponse, {}});
        uint16_t ligne = 99;
        EXPECT_EQ(appliqueTexteAFigure(figure(n), nouveau, true, &ligne), c.applique);
        EXPECT_EQ(ligne, 0);
        ASSERT_EQ(p::boitesDemandees().size(), 1u);
        EXPECT_EQ(p::boitesDemandees()[0].texte, phraseDeNumero(kPhraseTexteExecutable));
        EXPECT_EQ(texteDe(n) == avant, !c.applique);
    }
    // A failing text asks nothing and tells its line.
    p::boitesDemandees().clear();
    uint16_t ligne = 0;
    EXPECT_FALSE(appliqueTexteAFigure(
        figure(n), texteDeLignes({"Figure Kalmetra", "x", "M milieu du segment [AZ]"}), true, &ligne));
    EXPECT_EQ(ligne, 2);
    EXPECT_FALSE(boiteDemandee(phraseDeNumero(kPhraseTexteExecutable)));
    EXPECT_FALSE(boiteDemandee(phraseDeNumero(kPhraseTexteNonApplique)));
}

// The view a text sets becomes the figure's initial view, the one the
// initial-view command goes back to.
TEST_F(InterfaceHote, TheViewOfAnAppliedTextIsTheInitialView) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr);
    ASSERT_EQ(n, 1);
    const std::string rotations = "Rotations de Rxyz: verticale: 10 horizontale: 20 frontale: 30";
    KMExecuterTexte(n, (kTroisPoints + rotations + "\r\n").c_str());
    ASSERT_NE(texteDe(n).find(rotations), std::string::npos) << texteDe(n);
    commande(n, 179); // the view (0, 0, 0)
    EXPECT_EQ(texteDe(n).find(rotations), std::string::npos);
    commande(n, 177);
    EXPECT_NE(texteDe(n).find(rotations), std::string::npos) << texteDe(n);
}

// The lines a text keeps for later ("start with the time active") run on
// the mother window's countdown, about a second after the text was applied.
TEST_F(InterfaceHote, DeferredLinesOfAnAppliedTextRunAboutASecondLater) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr);
    ASSERT_EQ(n, 1);
    const std::string t = texteDeLignes({"Figure Kalmetra", "D\xE9marrer avec le temps actif"});
    KMExecuterTexte(n, t.c_str());
    EXPECT_EQ(figure(n).horlogeEnMarche, 0);
    p::avance(800);
    EXPECT_EQ(figure(n).horlogeEnMarche, 0);
    p::avance(400);
    EXPECT_EQ(figure(n).horlogeEnMarche, 1);
}

// A host line that gives new values to a function given by values: the
// objects computed from the function follow. g interpolates linearly
// between (0,0), (1,10) and (2,4), so g(1) = 10 and g(1.5) = 7.
TEST_F(InterfaceHote, NewValuesOfAFunctionReachItsDependants) {
    const std::string t = texteDeLignes({"Figure Kalmetra",
                                         "g fonction d\xE9"
                                         "finie par valeurs (avec interpolation)",
                                         "Valeurs pour g: (0,0) (2,4)", "a = g(1)", "b = g(1.5)"});
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, t.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "a"), 2.0);
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "b"), 3.0);
    KMExecuteLigneFig(n, "Valeurs pour g: (1,10)");
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "a"), 10.0);
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "b"), 7.0);
}

// While the host runs a text, a list that names an object the figure lacks
// is read without it: "A X B" protects A and B with no error, by each road
// of a host's text. What the list still holds is checked: a name twice is
// refused and protects nothing. (Read from a file, X is refused: the text
// runner's tests.)
TEST_F(InterfaceHote, AHostsTextReadsAListWithoutTheNamesItLacks) {
    const std::function<void(int16_t, const std::string&)> routes[] = {
        [](int16_t n, const std::string& ligne) { KMExecuterTexte(n, (kTroisPoints + ligne).c_str()); },
        [](int16_t n, const std::string& ligne) { KMExecuteLigneFig(n, ligne.c_str()); },
        [](int16_t n, const std::string& ligne) { KMExecuteLigneFigEtRedessine(n, ligne.c_str()); },
    };
    const struct {
        const char* liste;
        bool lue;
    } listes[] = {{"A X B", true}, {"X A B Y", true}, {"A X A", false}};
    const auto protege = [](int16_t n, const char* nom) {
        const TfigureKalmetra& f = *figureDeNumero(n);
        return estProtege(objet(f, numeroObjetDeNotation(f, nom)));
    };
    for (std::size_t r = 0; r < std::size(routes); ++r)
        for (const auto& l : listes) {
            SCOPED_TRACE(std::to_string(r) + ": " + l.liste);
            const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTroisPoints.c_str(), nullptr);
            ASSERT_GT(n, 0);
            p::boitesDemandees().clear();
            routes[r](n, std::string("Objets prot\xE9g\xE9s: ") + l.liste);
            EXPECT_EQ(KMLigneEnErreur(n) == 0, l.lue);
            EXPECT_EQ(p::boitesDemandees().empty(), l.lue);
            EXPECT_EQ(protege(n, "A"), l.lue);
            EXPECT_EQ(protege(n, "B"), l.lue);
            EXPECT_FALSE(protege(n, "C"));
            EXPECT_EQ(KMVerifieTexteFigure(n), 0);
            KMDetruitFigure(n);
        }
    // Once the text has run, a list is read strictly again.
    EXPECT_EQ(etatOperandes().texteHote, 0);
}

const std::string kDeuxPrototypes = texteDeLignes({
    "Figure Kalmetra",
    "D\xE9"
    "but de [Milieu de deux points]",
    "A point donn\xE9",
    "B point donn\xE9",
    "M milieu du segment [AB]",
    "Description de l'interface",
    "M milieu de A et B",
    "Premier:",
    "Second:",
    "Milieu:",
    "Fin de [Milieu de deux points]",
    "D\xE9"
    "but de [Centre]",
    "A point donn\xE9",
    "B point donn\xE9",
    "M milieu du segment [AB]",
    "Prototype non accessible par le menu",
    "Description de l'interface",
    "M centre de A et B",
    "Premier:",
    "Second:",
    "Centre:",
    "Fin de [Centre]",
});

// The menu offers the prototypes the figure does not keep out of it, under
// their heading; choosing one goes to its construction, and a prototype the
// menu does not offer is refused.
TEST_F(InterfaceHote, ThePopUpMenuOffersThePrototypesOfTheFigure) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kDeuxPrototypes.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    ASSERT_NE(texteDe(n).find("Prototype non accessible par le menu"), std::string::npos);
    p::choisitDansMenuSuivant(0);
    KMAfficheMenu(n);
    const p::Menu menu = KMMenuDeLaFigure(n);
    ASSERT_NE(menu, p::kAucunMenu);
    p::Menu conteneur = p::kAucunMenu;
    int position = -1;
    ASSERT_TRUE(p::trouveElementMenu(menu, 1001, conteneur, position));
    EXPECT_EQ(p::libelleElementMenu(conteneur, position, 255), "Milieu de deux points");
    EXPECT_EQ(p::nombreElementsMenu(conteneur), 1);
    EXPECT_FALSE(p::trouveElementMenu(menu, 1002, conteneur, position));

    etatRepartiteur().derniereCommandeRefusee = 0;
    p::choisitDansMenuSuivant(1001);
    KMAfficheMenu(n);
    // The construction dialog of prototype 1 opens, asking its given objects.
    EXPECT_EQ(etatRepartiteur().derniereCommandeRefusee, 0u);
    ASSERT_NE(fenetreDialogue(), nullptr);
    EXPECT_EQ(figureDeNumero(n)->commandeDialogue, 1001);
    EXPECT_EQ(fenetreDialogue()->dialogue.lignes[1].texteInvite, "Premier:");
    EXPECT_EQ(commande(n, 1002), KM_REFUSE);
    EXPECT_EQ(commande(n, 1003), KM_REFUSE);
}

// Without prototypes in the menu, the heading is not there.
TEST_F(InterfaceHote, NoPrototypeHeadingWithoutAPrototypeToOffer) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTroisPoints.c_str(), nullptr);
    KMAfficheMenu(n);
    const p::Menu menu = KMMenuDeLaFigure(n);
    ASSERT_NE(menu, p::kAucunMenu);
    p::Menu conteneur = p::kAucunMenu;
    int position = -1;
    for (uint32_t k = 1001; k <= 1050; ++k)
        EXPECT_FALSE(p::trouveElementMenu(menu, k, conteneur, position)) << k;
}

// The replay of a figure of three points: on with command 94, '+' and
// command 303 forward, '-' and 304 back, no step past either end, Escape
// ends it; the buttons record tells whether it runs.
TEST_F(InterfaceHote, TheReplayStepsThroughAFigureOfThreeLines) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTroisPoints.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    uint8_t boutons[66] = {};
    EXPECT_EQ(commande(n, 94), 0);
    ASSERT_EQ(figure(n).modePasAPas, 1);
    KMmiseAjourBoutons(n, boutons);
    EXPECT_EQ(boutons[1], 1);
    ASSERT_EQ(figure(n).nombreEtapes, 3);
    struct Pas {
        bool parTouche;
        uint32_t code; // a character or a command
        int etape;
    };
    const Pas pas[] = {{true, '+', 2},  {true, '+', 3},  {false, 303, 3}, {true, '-', 2},
                       {false, 304, 1}, {false, 304, 1}, {false, 303, 2}};
    for (const Pas& s : pas) {
        if (s.parTouche)
            KMKeyPress(n, uint16_t(s.code));
        else
            commande(n, s.code);
        EXPECT_EQ(figure(n).etapeCourante, s.etape) << s.code;
    }
    KMKeyDown(n, p::VK_ESCAPE);
    EXPECT_EQ(figure(n).modePasAPas, 0);
    KMmiseAjourBoutons(n, boutons);
    EXPECT_EQ(boutons[1], 0);

    // The figure line "Historique" switches it on through the figure's window.
    KMExecuteLigneFigEtRedessine(n, "Historique");
    p::distribueJusquAuRepos();
    EXPECT_EQ(figure(n).modePasAPas, 1);
    commande(n, 94);
    EXPECT_EQ(figure(n).modePasAPas, 0);
}

struct AideRecue {
    uint32_t fenetre;
    std::string fichier;
    uint32_t commande, donnee;
};
std::vector<AideRecue> aidesRecues;
int32_t reponseAide = 1;
int32_t afficheAide(uint32_t fenetre, const char* fichier, uint32_t commande, uint32_t donnee) {
    aidesRecues.push_back({fenetre, fichier, commande, donnee});
    return reponseAide;
}

// Help reaches the host's function with the file of the applied language
// and the topic; without a function the request is refused, and the command
// or key that asked for it carries the refusal in its result.
TEST_F(InterfaceHote, HelpGoesToTheHostsFunctionOrIsRefused) {
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, kTroisPoints.c_str(), nullptr);
    ASSERT_EQ(n, 1);
    KMInstalleAfficheurAide(nullptr);
    EXPECT_EQ(AppelAideKM32(7, 1, 42), 0);
    EXPECT_EQ(commande(n, 302), KM_REFUSE);
    EXPECT_EQ(caractere(n, '?'), KM_REFUSE);
    EXPECT_EQ(commande(n, 80), 0); // a command that ran: not refused

    aidesRecues.clear();
    reponseAide = 1;
    KMInstalleAfficheurAide(afficheAide);
    const uint32_t dessin = figure(n).fenetreDessin;
    EXPECT_EQ(AppelAideKM32(7, 1, 42), 1);
    EXPECT_EQ(commande(n, 302), 0);
    EXPECT_EQ(caractere(n, '?'), 0);
    commande(n, 94);
    EXPECT_EQ(commande(n, 305), 0); // F1 in replay mode: the replay's topic
    ASSERT_EQ(aidesRecues.size(), 4u);
    EXPECT_EQ(aidesRecues[0].fenetre, 7u);
    EXPECT_EQ(aidesRecues[0].fichier, "KM32.HLP");
    EXPECT_EQ(aidesRecues[0].commande, 1u);
    EXPECT_EQ(aidesRecues[0].donnee, 42u);
    for (int k : {1, 2}) {
        EXPECT_EQ(aidesRecues[std::size_t(k)].fenetre, dessin);
        EXPECT_EQ(aidesRecues[std::size_t(k)].commande, 3u);
    }
    EXPECT_EQ(aidesRecues[3].commande, 1u);
    EXPECT_EQ(aidesRecues[3].donnee, 94u);

    KMappliqueLangue(2);
    AppelAideKM32(7, 3, 0);
    EXPECT_EQ(aidesRecues.back().fichier, "KM32en.HLP");
    // A host that cannot show the help refuses it too.
    reponseAide = 0;
    EXPECT_EQ(AppelAideKM32(7, 3, 0), 0);
    KMInstalleAfficheurAide(nullptr);
}

// A figure file handed to the sibling library as a new figure: only a file
// that can be read and whose text runs whole.
TEST_F(InterfaceHote, AFigureFileIsInstalledOnlyWhenItsTextRuns) {
    const std::string dossier = "/tmp/km32-installe-" + std::to_string(::getpid());
    struct Cas {
        const char* nom;
        std::string contenu; // empty: no file
        int32_t attendu;
    };
    const Cas cas[] = {
        {"juste.k3v", kTroisPoints, 1},
        {"fautif.k3v", texteDeLignes({"Figure Kalmetra", "M milieu du segment [AZ]"}), 0},
        {"absent.k3v", "", 0},
    };
    for (const Cas& c : cas) {
        const std::string fichier = dossier + "-" + c.nom;
        if (!c.contenu.empty()) {
            std::FILE* f = std::fopen(fichier.c_str(), "wb");
            ASSERT_NE(f, nullptr);
            std::fputs(c.contenu.c_str(), f);
            std::fclose(f);
        }
        const std::size_t avant = TQTextesInstalles().size();
        EXPECT_EQ(KMInstalleTexteFigureNouvelle(fichier.c_str()), c.attendu) << c.nom;
        ASSERT_EQ(TQTextesInstalles().size(), avant + std::size_t(c.attendu)) << c.nom;
        if (c.attendu) {
            EXPECT_EQ(TQTextesInstalles().back(), c.contenu);
        }
        std::remove(fichier.c_str());
    }
    EXPECT_EQ(KMInstalleTexteFigureNouvelle(nullptr), 0);
}

} // namespace
} // namespace km32::essais
