// Which inputs of a figure's host take an undo step, and what a change that
// takes none does to the undo and the redo. The text editor's Apply and a
// drag are undo steps; a key step of the active free object, '+' and '-',
// the commands a key runs are not: held down they repeat some thirty times
// a second, and the store of 30 snapshots would lose the whole history to
// them. An undo after them goes back to the last snapshot. A change that
// takes no snapshot, made after an undo, ends the pending redo: the redo
// would otherwise put back the state from before it and lose it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../drawing/souris_banc.h"
#include "../host/banc_hote.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/editeur_figure.h"
#include "platform/boites.h"
#include "host/fenetres/zone_texte.h"
#include "host/repartiteur.h"
#include "platform/entrees.h"
#include "text/annulation.h"

namespace km32::essais {
namespace {

namespace p = platform;

// x a free real moved by the key H at random, nb a free real; the key K makes P the
// keyboard's free object.
const std::string kFigure = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "x réel libre de [0,1]\r\n"
                            "nb réel libre\r\n"
                            "h (touche H) affectation aléatoire de x\r\n"
                            "s (touche K) sélection de P pour pilotage au clavier\r\n";

// The line the editor's Apply adds to the figure.
const std::string kLigneAppliquee = "C point de coordonnées (1,1,1) dans le repère Rxyz";

constexpr uint32_t kDefaire = 93, kRefaire = 122;

class EntreesSansInstantane : public BancSouris {
  protected:
    void SetUp() override {
        BancSouris::SetUp();
        figureDeTexte(kFigure);
    }
    void TearDown() override {
        p::fixeModificateurs(false, false, false);
        BancSouris::TearDown();
    }
    // The figure made again from its text, the undo store emptied.
    void depart(const std::string& figure = kFigure) {
        reinitialiseAnnulation();
        refaitFigure(figure);
        fig().annulationPossible = 0;
        fig().retablissementPossible = 0;
        fig().modifiee = 0;
    }
    std::string texte() { return texteDeBloc(KMTexteFigure(n)); }
    void commande(uint32_t k) {
        KMMessage m{p::WM_COMMAND, k, 0, 0};
        traiteMessageKMParNumero(n, &m);
        p::distribueJusquAuRepos();
    }
    uint8_t touche(uint32_t vk) {
        const uint8_t r = KMKeyDown(n, uint16_t(vk));
        p::distribueJusquAuRepos();
        return r;
    }
    uint8_t caractere(char c) {
        const uint8_t r = KMKeyPress(n, uint8_t(c));
        p::distribueJusquAuRepos();
        return r;
    }
    // The figure's text with one more line applied by the editor.
    void appliqueTexte() {
        KMAfficheEditeurFigure(n);
        TFenetreEditeur* e = fenetreEditeur();
        ASSERT_NE(e, nullptr);
        fixeTexteZone(e->memo, windows1252DeUtf8("Figure Kalmetra\r\n" + kFigure + kLigneAppliquee + "\r\n"));
        p::envoieMessage(e->fenetre, p::WM_COMMAND, kEdAppliquer, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(fenetreEditeur(), nullptr);
        ASSERT_GT(numero("C"), 0);
    }
    void glissePoint(const std::string& nom) {
        const p::Point e = ecran(pt(nom));
        enfonce(e.x, e.y);
        for (int k = 1; k <= 3; ++k)
            deplace(e.x + 5 * k, e.y + 4 * k);
        relache(e.x + 15, e.y + 12);
        p::distribueJusquAuRepos();
    }
};

struct Cas {
    const char* quoi;
    std::function<void()> agit;
};

// A text applied, then forty repeats of a key (the time a held key takes to
// repeat past the store's size): one undo gives the text from before the
// apply back, whatever the key did.
TEST_F(EntreesSansInstantane, KeyStepsTakeNoUndoStepAndAnUndoGoesBackToTheLastSnapshot) {
    const Cas cas[] = {
        {"Right", [&] { touche(p::VK_RIGHT); }},
        {"Up", [&] { touche(p::VK_UP); }},
        {"Page Up", [&] { touche(p::VK_PRIOR); }},
        {"Page Down", [&] { touche(p::VK_NEXT); }},
        {"'+' then Left",
         [&] {
             caractere('+');
             touche(p::VK_LEFT);
         }},
        {"the key H of a random assignment", [&] { caractere('H'); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        depart();
        const std::string avant = texte();
        appliqueTexte();
        const std::string applique = texte();
        ASSERT_NE(applique, avant);
        caractere('K');
        ASSERT_EQ(fig().objetLibreActif, numero("P"));
        for (int k = 0; k < 40; ++k)
            c.agit();
        const std::string presse = texte();
        ASSERT_NE(presse, applique);
        EXPECT_EQ(KMfigureModifiee(n), 1);
        // The apply's snapshot alone is in the store.
        EXPECT_EQ(nombreInstantanesDeFigure(&fig()), 1);
        commande(kDefaire);
        EXPECT_EQ(texte(), avant);
        EXPECT_EQ(numero("C"), 0);
        // The redo gives back the state the undo left, keys included.
        commande(kRefaire);
        EXPECT_EQ(texte(), presse);
    }
}

// Beside the keys, the inputs that stay one undo step each: a drag from its
// press to its release, and the editor's Apply.
TEST_F(EntreesSansInstantane, ADragAfterKeyStepsIsOneUndoStep) {
    depart();
    const std::string avant = texte();
    appliqueTexte();
    caractere('K');
    for (int k = 0; k < 40; ++k)
        touche(p::VK_RIGHT);
    const std::string presse = texte();
    glissePoint("P");
    ASSERT_NE(texte(), presse);
    EXPECT_EQ(nombreInstantanesDeFigure(&fig()), 2);
    commande(kDefaire);
    EXPECT_EQ(texte(), presse);
    commande(kDefaire);
    EXPECT_EQ(texte(), avant);
}

// A change with no snapshot of its own, made after an undo, ends the
// pending redo: the redo changes nothing and the change stays. A road that
// changes nothing a save writes leaves the redo as it was.
TEST_F(EntreesSansInstantane, AChangeWithoutSnapshotEndsThePendingRedo) {
    struct CasRedo {
        const char* quoi;
        std::function<void()> agit;
        bool change;
    };
    const CasRedo cas[] = {
        {"a host line creates D",
         [&] {
             KMExecuteLigneFig(
                 n, windows1252DeUtf8("D point de coordonnées (1,2,3) dans le repère Rxyz").c_str());
             EXPECT_GT(numero("D"), 0);
         },
         true},
        {"a value assigned by the host", [&] { KMAffecteScalaire(n, "nb", 0.25); }, true},
        {"a key command run by the host", [&] { KMExecuteCommande(n, "h"); }, true},
        {"a key step",
         [&] {
             caractere('K');
             EXPECT_EQ(touche(p::VK_RIGHT), 1);
         },
         true},
        {"a key bound to nothing", [&] { caractere('Z'); }, false},
        {"a host line that creates nothing", [&] { KMExecuteLigneFig(n, "% a remark"); }, false},
    };
    for (const CasRedo& c : cas) {
        SCOPED_TRACE(c.quoi);
        depart();
        appliqueTexte();
        const std::string applique = texte();
        commande(kDefaire);
        const std::string defait = texte();
        ASSERT_NE(defait, applique);
        c.agit();
        const std::string change = texte();
        ASSERT_EQ(change != defait, c.change);
        commande(kRefaire);
        if (c.change) {
            EXPECT_EQ(texte(), change);
            EXPECT_EQ(numero("C"), 0);
            EXPECT_EQ(fig().retablissementPossible, 0);
            // A second redo has nothing either.
            commande(kRefaire);
            EXPECT_EQ(texte(), change);
        } else {
            EXPECT_EQ(texte(), applique);
        }
    }
}

} // namespace
} // namespace km32::essais

namespace km32::essais {
namespace {

// The figure of the redefinitions: one object of every free construction
// of the catalogue, beside a point, a key command and what they are built on.
// It ends with a free variable, which a new object would make the keyboard's
// free object: a redefined one must not.
const std::string kFigureLibres = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                  "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n"
                                  "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                  "D image de C par la rotation d'axe (AB) et d'angle 90 (degré)\r\n"
                                  "c cercle d'axe (AB) passant par C\r\n"
                                  "c' cercle d'axe (AC) passant par B\r\n"
                                  "ar arc de cercle d'axe (AB), d'origine C et d'extrémité D\r\n"
                                  "sp sphère de centre A et de rayon 3 (unité de longueur Uxyz)\r\n"
                                  "Y polygone convexe de sommets A,B,C\r\n"
                                  "g droite munie du repère (A,vec(A,B)) graduation 1 sur [-5,5]\r\n"
                                  "E1 point libre d'abscisse entière dans le repère de la droite g\r\n"
                                  "E2 point libre à coordonnées entières (repère Rxyz)\r\n"
                                  "E3 point libre sur le segment [AB]\r\n"
                                  "E4 point libre sur la demi-droite [AB)\r\n"
                                  "E5 point libre sur la droite (AB)\r\n"
                                  "E6 point libre sur le cercle c\r\n"
                                  "E7 point libre sur l'arc ar\r\n"
                                  "P point libre dans l'espace\r\n"
                                  "s (touche K) sélection de P pour pilotage au clavier\r\n"
                                  "E8 point libre dans le plan ABC\r\n"
                                  "E9 point libre dans le polygone Y\r\n"
                                  "E10 point libre sur la sphère sp\r\n"
                                  "n entier libre de [0,10]\r\n"
                                  "x réel libre de [0,1]\r\n"
                                  "nb réel libre\r\n"
                                  "m entier libre\r\n";

// Every object of the catalogue's free constructions, by its name in the
// figure above, with a point and a key command that are not free.
const char* const kRedefinis[] = {"A",  "sp", "s",  "E1", "E2",  "E3", "E4", "E5", "E6",
                                  "E7", "P",  "E8", "E9", "E10", "n",  "x",  "nb", "m"};

// Ctrl+M, the object's name, Return, Return on the object's own answers as
// they stand, Yes to the question: the figure writes the same text and
// is not marked, and the host hears of no change.
TEST_F(EntreesSansInstantane, AnObjectRedefinedWithItsOwnAnswersLeavesNoMark) {
    KMInstalleAvisModification(recoitAvis);
    for (const char* nom : kRedefinis) {
        SCOPED_TRACE(nom);
        depart(kFigureLibres);
        avisRecus.clear();
        const std::string avant = texte();
        caractere(13); // Ctrl+M
        ASSERT_NE(fenetreDialogue(), nullptr);
        fenetreDialogue()->champs[1].texte = nom;
        p::boitesDemandees().clear();
        p::reponsesPrevues().push_back({p::kReponseOui, {}});
        p::envoieMessage(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        ASSERT_NE(fenetreDialogue(), nullptr);
        p::envoieMessage(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreDialogue(), nullptr);
        EXPECT_EQ(p::boitesDemandees().size(), 1u); // the question, answered Yes
        EXPECT_EQ(texte(), avant);
        EXPECT_EQ(KMfigureModifiee(n), 0);
        EXPECT_TRUE(avisRecus.empty()) << avisRecus.size();
        // An undo after it takes nothing back that a save would write.
        EXPECT_LE(nombreInstantanesDeFigure(&fig()), 1);
        commande(kDefaire);
        EXPECT_EQ(texte(), avant);
        EXPECT_EQ(KMfigureModifiee(n), 0);
    }
    KMInstalleAvisModification(nullptr);
}

// The lines of kFigureLibres that make a free object.
std::vector<std::string> lignesLibres() {
    std::vector<std::string> r;
    std::size_t p = 0;
    for (std::size_t q = kFigureLibres.find("\r\n"); q != std::string::npos;
         p = q + 2, q = kFigureLibres.find("\r\n", p)) {
        const std::string ligne = kFigureLibres.substr(p, q - p);
        if (ligne.find(" libre") != std::string::npos) r.push_back(ligne);
    }
    return r;
}

// The same free object made again by the other roads: a host's line, and
// the line once more in a text that placed the object before. The figure
// keeps one object at its place and writes the same text. (A host's line
// tells the host of a change whatever it did: the host asked for it.)
TEST_F(EntreesSansInstantane, AFreeObjectMadeAgainByAHostLineOrATextStaysWhereItWas) {
    const std::vector<std::string> lignes = lignesLibres();
    ASSERT_EQ(lignes.size(), 15u); // every free construction of the catalogue
    for (const std::string& ligne : lignes) {
        SCOPED_TRACE(ligne);
        depart(kFigureLibres);
        const std::string avant = texte();
        const int objets = fig().nombreObjets;
        KMExecuteLigneFig(n, windows1252DeUtf8(ligne).c_str());
        p::distribueJusquAuRepos();
        EXPECT_EQ(KMLigneEnErreur(n), 0);
        EXPECT_EQ(fig().nombreObjets, objets);
        EXPECT_EQ(texte(), avant);

        // The saved text with the line run again before its end, read into
        // an empty figure: the object's written place holds.
        const std::string fin = "\r\nFin de la figure";
        std::string relu = avant;
        ASSERT_NE(relu.rfind(fin), std::string::npos);
        relu.insert(relu.rfind(fin), "\r\n" + windows1252DeUtf8(ligne));
        reinitialiseFigure(fig());
        {
            GardeValeur<uint8_t> lecture(executionReelle(), 0);
            EXPECT_EQ(executeTexteDeFigure(fig(), relu, kModeLectureFichier), 0);
        }
        EXPECT_EQ(fig().nombreObjets, objets);
        EXPECT_EQ(texte(), avant);
    }
}

// A redefinition through Ctrl+M that changes an answer changes the figure:
// it is marked, takes one undo step, and the undo gives the figure back. A
// variable keeps its value while its new interval holds it.
TEST_F(EntreesSansInstantane, ARedefinitionThatChangesAnAnswerMarksTheFigureAndTakesAnUndoStep) {
    struct CasChange {
        const char* nom;
        const char* avant; // the answer as the dialog shows it
        const char* apres; // the answer typed in its place
        bool valeurGardee; // the object's first value stays
    };
    const CasChange cas[] = {
        {"x", "0  1", "-1  2", true}, {"x", "0  1", "2  3", false}, {"n", "0  10", "0  20", true},
        {"E3", "AB", "AC", false},    {"E6", "c", "c'", false},
    };
    for (const CasChange& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " " + c.apres);
        depart(kFigureLibres);
        const std::string avant = texte();
        const double valeur = valeurObjet(fig(), numero(c.nom), 1);
        caractere(13); // Ctrl+M
        ASSERT_NE(fenetreDialogue(), nullptr);
        fenetreDialogue()->champs[1].texte = c.nom;
        p::reponsesPrevues().push_back({p::kReponseOui, {}});
        p::envoieMessage(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        ASSERT_NE(fenetreDialogue(), nullptr);
        bool trouve = false;
        for (TChampDialogue& champ : fenetreDialogue()->champs)
            if (champ.visible && champ.texte == c.avant) {
                champ.texte = c.apres;
                trouve = true;
                break;
            }
        ASSERT_TRUE(trouve);
        p::envoieMessage(fenetreDialogue()->fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(fenetreDialogue(), nullptr);
        const std::string change = texte();
        EXPECT_NE(change, avant);
        EXPECT_EQ(KMfigureModifiee(n), 1);
        EXPECT_EQ(nombreInstantanesDeFigure(&fig()), 1);
        if (c.valeurGardee) {
            EXPECT_NEAR(valeurObjet(fig(), numero(c.nom), 1), valeur, 1e-9);
        }
        commande(kDefaire);
        EXPECT_EQ(texte(), avant);
        EXPECT_EQ(KMfigureModifiee(n), 0);
        commande(kRefaire);
        EXPECT_EQ(texte(), change);
    }
}

} // namespace
} // namespace km32::essais
