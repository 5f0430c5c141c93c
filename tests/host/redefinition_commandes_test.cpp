// A free object redefined while a key command lists it, through km32.h: a
// host's line and the construction dialog. A redefinition as an object that
// is not free is refused with the "must stay free" message; as another free
// construction it is accepted, a memorised position then holding the
// object's present free parameters (as many as the new construction has),
// unless the command's line could not read it back: a random assignment
// refuses with its own message an object it cannot draw, a memorised
// position an object without free parameters. A refusal changes nothing;
// every redefinition accepted gives a text that reads back into itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../drawing/souris_banc.h"
#include "banc_hote.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "model/catalogue.h"
#include "model/objets_figure.h"
#include "phrases/phrase.h"

namespace km32::essais {
namespace {

namespace p = platform;

const std::vector<std::string> kFigureDeBase = {
    "A point de coordonnées (0,0,0) dans le repère Rxyz",
    "B point de coordonnées (4,0,0) dans le repère Rxyz",
    "C point de coordonnées (0,4,0) dans le repère Rxyz",
    "D image de C par la rotation d'axe (AB) et d'angle 90 (degré)",
    "c cercle d'axe (AB) passant par C",
    "ar arc de cercle d'axe (AB), d'origine C et d'extrémité D",
    "s sphère de centre A et de rayon 3 (unité de longueur Uxyz)",
    "Y polygone convexe de sommets A,B,C",
    "Q point libre sur le cercle c",
};

// A definition of the object, with what the key commands need to know of
// it: how many values a memorised position keeps for it (0: the command
// does not take it), whether it can be drawn at random, whether it is free.
struct Definition {
    const char* ligne;
    int valeurs;
    bool auHasard;
    bool libre = true;
};

// Every free construction of a point, and a point that is not free.
const Definition kPoints[] = {
    {"P point libre d'abscisse entière dans le repère de la droite (AB)", 0, false},
    {"P point libre à coordonnées entières (repère Rxyz)", 3, false},
    {"P point libre sur le segment [AB]", 1, true},
    {"P point libre sur la demi-droite [AB)", 1, false},
    {"P point libre sur la droite (AB)", 1, false},
    {"P point libre sur le cercle c", 1, true},
    {"P point libre sur l'arc ar", 1, true},
    {"P point libre dans l'espace", 3, false},
    {"P point libre dans le plan ABC", 2, false},
    {"P point libre dans le polygone Y", 2, true},
    {"P point libre sur la sphère s", 2, true},
    {"P milieu du segment [AB]", 0, false, false},
};

// Every free construction of a number, and a number that is not free.
const Definition kNombres[] = {
    {"P entier libre de [0,10]", 1, true}, {"P réel libre de [0,5]", 1, true}, {"P réel libre", 1, false},
    {"P entier libre", 1, false},          {"P = 2", 0, false, false},
};

enum class Commande { PositionMemorisee, AffectationAleatoire, Affectation, Pilotage };

struct CasCommande {
    Commande commande;
    const char* ligne;
    const char* lignePourNombre;
};

const CasCommande kCommandes[] = {
    {Commande::PositionMemorisee, "Km (touche k) position mémorisée de Q, P",
     "Km (touche k) position mémorisée de Q, P"},
    {Commande::AffectationAleatoire, "Km (touche k) affectation aléatoire de Q, P",
     "Km (touche k) affectation aléatoire de Q, P"},
    {Commande::Affectation, "Km (touche k) valeur(s) de B affectée(s) à P",
     "Km (touche k) valeur(s) de 2 affectée(s) à P"},
    {Commande::Pilotage, "Km (touche k) sélection de P pour pilotage au clavier",
     "Km (touche k) sélection de P pour pilotage au clavier"},
};

// Whether the command's line, as the writer writes it, reads once P has
// the new definition.
bool commandeRelisible(Commande c, const Definition& apres) {
    if (!apres.libre) return false;
    switch (c) {
    case Commande::PositionMemorisee:
        return apres.valeurs != 0;
    case Commande::AffectationAleatoire:
        return apres.auHasard;
    case Commande::Affectation:
    case Commande::Pilotage:
        return true;
    }
    return false;
}

bool commandeAcceptee(Commande c, const Definition& d) {
    if (!d.libre) return false;
    return c == Commande::PositionMemorisee      ? d.valeurs != 0
           : c == Commande::AffectationAleatoire ? d.auHasard
                                                 : true;
}

// Whether one of the boxes shown since they were cleared says that P must
// stay free.
bool montre(uint16_t phrase) {
    std::string m = phraseDeNumero(phrase);
    m.replace(m.find("#1"), 2, "P");
    for (const p::DemandeBoite& b : p::boitesDemandees())
        if (b.texte == m) return true;
    return false;
}

class RedefinitionCommandes : public BancHote {
  protected:
    static std::string texteDe(int16_t n) { return texteDeBloc(KMTexteFigure(n)); }

    // The text read into a new figure of the host: the figure number, or 0
    // when a line failed.
    int16_t lit(const std::string& texte) {
        const int16_t m = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        if (m > 0 && KMLigneEnErreur(m) != 0) {
            KMDetruitFigure(m);
            return 0;
        }
        return m;
    }

    // The written text reads back into a figure whose text is the same.
    void relisible(const std::string& texte) {
        p::boitesDemandees().clear();
        const int16_t m = lit(texte);
        ASSERT_GT(m, 0) << texte << (p::boitesDemandees().empty() ? "" : p::boitesDemandees().back().texte);
        EXPECT_EQ(texteDe(m), texte);
        KMDetruitFigure(m);
    }

    // The memorised position Km holds Q's one value, then P's present free
    // parameters, as many as P's new construction has.
    void memorise(int16_t n, int valeursDeP) {
        const TfigureKalmetra& f = figure(n);
        const int km = numeroObjetDeNotation(f, "Km"), q = numeroObjetDeNotation(f, "Q"),
                  pt = numeroObjetDeNotation(f, "P");
        ASSERT_GT(km, 0);
        const TObjetFigure& k = objet(f, km);
        ASSERT_EQ(k.nombreValeurs, 1 + valeursDeP);
        const TplaceValeursLibres lq = placeValeursLibres(objet(f, q).codeConstruction);
        const TplaceValeursLibres lp = placeValeursLibres(objet(f, pt).codeConstruction);
        EXPECT_EQ(valeurObjet(f, km, 1), valeurDepuisZero(f, q, lq.decalages[0]));
        for (int r = 0; r < valeursDeP; ++r)
            EXPECT_EQ(valeurObjet(f, km, 2 + r), valeurDepuisZero(f, pt, lp.decalages[r])) << r;
    }

    void redefinit(const std::vector<Definition>& definitions, const CasCommande& cas, bool nombre) {
        for (const Definition& avant : definitions) {
            if (!commandeAcceptee(cas.commande, avant)) continue;
            for (const Definition& apres : definitions) {
                SCOPED_TRACE(std::string(avant.ligne) + " -> " + apres.ligne + " / " + cas.ligne);
                KMImposeGraineHasard(20261211);
                std::vector<std::string> lignes = kFigureDeBase;
                lignes.push_back(avant.ligne);
                lignes.push_back(nombre ? cas.lignePourNombre : cas.ligne);
                const std::string texte = windows1252DeUtf8(texteDeLignes(lignes));
                const int16_t n = lit(texte);
                ASSERT_GT(n, 0);
                const std::string ecritAvant = texteDe(n);
                p::boitesDemandees().clear();
                KMExecuteLigneFig(n, windows1252DeUtf8(apres.ligne).c_str());
                const std::string ecritApres = texteDe(n);
                if (commandeRelisible(cas.commande, apres)) {
                    EXPECT_EQ(KMLigneEnErreur(n), 0);
                    EXPECT_NE(ecritApres.find(windows1252DeUtf8(apres.ligne)), std::string::npos);
                    relisible(ecritApres);
                    if (cas.commande == Commande::PositionMemorisee && &avant != &apres)
                        memorise(n, apres.valeurs);
                } else {
                    EXPECT_EQ(ecritApres, ecritAvant);
                    EXPECT_EQ(KMLigneEnErreur(n), 1);
                    const bool aleatoire = cas.commande == Commande::AffectationAleatoire && apres.libre;
                    EXPECT_TRUE(montre(aleatoire ? 579 : 546));
                }
                KMDetruitFigure(n);
            }
        }
    }
};

// The bug this guards: a point free on a segment listed by a memorised
// position, made free in space, was accepted; the command kept one value
// and its written values line read as "Ligne non exécutable", so the whole
// saved figure did not open.
TEST_F(RedefinitionCommandes, EveryFreePointRedefinedUnderEachCommandKindLeavesATextThatReads) {
    for (const CasCommande& cas : kCommandes)
        redefinit({std::begin(kPoints), std::end(kPoints)}, cas, false);
}

TEST_F(RedefinitionCommandes, EveryFreeNumberRedefinedUnderEachCommandKindLeavesATextThatReads) {
    for (const CasCommande& cas : kCommandes)
        redefinit({std::begin(kNombres), std::end(kNombres)}, cas, true);
}

// A point on a segment listed by a memorised position, made free in space:
// the command holds P's place in space just after, and takes P back there
// after P moved; a redefinition as a point that is not free leaves it as it was.
TEST_F(RedefinitionCommandes, AMemorisedPositionFollowsAFreeToFreeRedefinition) {
    const std::string texte = windows1252DeUtf8(texteDeLignes(
        {"A point de coordonnées (0,0,0) dans le repère Rxyz",
         "B point de coordonnées (4,0,0) dans le repère Rxyz", "P point libre sur le segment [AB]",
         "Objet libre P, paramètre: 0.25", "K (touche k) position mémorisée de P", "d = AP"}));
    const int16_t n = lit(texte);
    ASSERT_GT(n, 0);
    KMExecuteLigneFig(n, windows1252DeUtf8("P point libre dans l'espace").c_str());
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    const double ici = KMValeurScalaireDouble(n, "d");
    const int16_t relu = lit(texteDe(n));
    ASSERT_GT(relu, 0);
    KMDetruitFigure(relu);
    KMExecuteLigneFig(n, windows1252DeUtf8("Objet libre P, paramètres: 0, 3, 4").c_str());
    EXPECT_NEAR(KMValeurScalaireDouble(n, "d"), 5, 1e-12);
    KMExecuteLigneFig(n, windows1252DeUtf8("Exécuter 1 fois les commandes K").c_str());
    EXPECT_NEAR(KMValeurScalaireDouble(n, "d"), ici, 1e-12);
    const std::string avant = texteDe(n);
    KMExecuteLigneFig(n, windows1252DeUtf8("P milieu du segment [AB]").c_str());
    EXPECT_EQ(KMLigneEnErreur(n), 1);
    EXPECT_EQ(texteDe(n), avant);
}

// The same checks on the dialog's road, P listed by a random assignment and
// by a memorised position: the dialog of a free point in space named P asks
// whether to redefine P (Yes), then refuses with the random assignment's
// message and leaves the figure as it was; the dialog of a point on a
// circle named P redefines it, the memorised position holds its one
// parameter, and the text reads back.
class RedefinitionDialogue : public BancSouris {
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
    std::string texte() { return texteDeBloc(KMTexteFigure(n)); }
};

TEST_F(RedefinitionDialogue, TheDialogRefusesWhatTheLineRefusesAndWritesWhatReads) {
    std::vector<std::string> lignes = kFigureDeBase;
    lignes.push_back("P point libre dans le polygone Y");
    lignes.push_back("Km (touche k) position mémorisée de Q, P");
    lignes.push_back("Ka (touche a) affectation aléatoire de P");
    figureDeTexte(texteDeLignes(lignes));
    const std::string avant = texte();

    KMExecuteLigneFigEtRedessine(n, "Dialog: 2-1-1-1"); // a free point in space
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    tape("P");
    p::boitesDemandees().clear();
    touche(p::VK_RETURN);
    EXPECT_TRUE(montre(579));
    EXPECT_EQ(texte(), avant);
    if (fenetreDialogue()) touche(p::VK_ESCAPE);

    KMExecuteLigneFigEtRedessine(n, "Dialog: 2-1-1-6"); // a free point on a circle
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    tape("c");
    touche(p::VK_DOWN);
    tape("P");
    touche(p::VK_RETURN);
    EXPECT_EQ(fenetreDialogue(), nullptr);
    const std::string apres = texte();
    ASSERT_NE(apres.find("P point libre sur le cercle c"), std::string::npos);
    const TfigureKalmetra& f = *figureDeNumero(n);
    EXPECT_EQ(objet(f, numeroObjetDeNotation(f, "Km")).nombreValeurs, 2);
    const int16_t m = KMCreeFigEtRenvoieNumero(hote, nullptr, apres.c_str(), nullptr);
    ASSERT_GT(m, 0);
    EXPECT_EQ(KMLigneEnErreur(m), 0);
    EXPECT_EQ(texteDeBloc(KMTexteFigure(m)), apres);
    KMDetruitFigure(m);
}

} // namespace
} // namespace km32::essais
