#include "text/execution_ligne.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "base/erreur.h"
#include "phrases_essai.h"
#include "text/reconnaissance.h"

namespace km32 {
namespace {

using essai::fixe;
using essai::w;

// Records what the executor asks of the figure side.
struct ExecutantEssai : ExecutantLigne {
    std::vector<std::string> appels;
    bool prototype = false;
    bool requete = false;
    uint16_t erreurHandler = 0;
    bool leveErreur = false;

    void note(const std::string& quoi, const TLigneFigure& l) {
        appels.push_back(quoi + " " + std::to_string(l.codeLigne));
    }
    bool prototypePrendLigne(TLigneFigure& l) override {
        if (prototype) l.erreur = 555;
        return prototype;
    }
    bool modeRequete() override { return requete; }
    void executeRequete(TLigneFigure& l) override { note("requete", l); }
    void creeObjet(TLigneFigure& l) override {
        note("creation", l);
        if (leveErreur) verifieCapacite(256, 255, "objects");
        l.erreur = erreurHandler;
    }
    void executeCommande(RouteLigne, TLigneFigure& l) override {
        note("commande", l);
        l.erreur = erreurHandler;
    }
    void testePropriete(const std::string& ligne) override { appels.push_back("test " + ligne); }
    void executeDirecte(TLigneFigure& l) override { note("directe", l); }
};

TEST(NettoieLigne, QuotesAndDoubledApostrophes) {
    struct Cas {
        const char* ligne;
        const char* attendu;
    };
    const Cas cas[] = {
        {"\"M milieu du segment [AB]\"", "M milieu du segment [AB]"},
        {"'M milieu", "M milieu"},
        {"\"x'", "x"},
        {"M milieu'", "M milieu'"}, // the end only goes when the start did
        {"A'' = 2", "A\" = 2"},
        {"''''", "\""},
        {"\"", ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(nettoieLigne(c.ligne), c.attendu) << c.ligne;
    EXPECT_EQ(nettoieLigne(std::string(300, 'a')).size(), 255u);
}

TEST(RouteDesCodes, EveryPatternHasOneRoute) {
    std::map<RouteLigne, int> compte;
    for (uint16_t c = kPremierModele; c <= kDernierModele; ++c)
        ++compte[routeDeCodeLigne(c)];
    // Sizes of the groups of codes, counted from their lists.
    const std::map<RouteLigne, int> attendu = {
        {RouteLigne::Creation, 1 + 199 + 23},
        {RouteLigne::CreationSphereUnite, 1},
        {RouteLigne::AffichageTexte, 2},
        {RouteLigne::ObjetLibre, 3},
        {RouteLigne::Dessin, 4},
        {RouteLigne::Reglage, 25}, // with "Objet libre #1, valeur: #2", carried out
        {RouteLigne::Commande, 26},
        {RouteLigne::Options, 1},
        {RouteLigne::Acceptee, 12 + 5 + 1},
        {RouteLigne::Test, 99},
        {RouteLigne::Directe, 38},
        {RouteLigne::DescriptionInterface, 1},
        {RouteLigne::Commentaire, 1},
        {RouteLigne::DebutPrototype, 1},
    };
    EXPECT_EQ(compte, attendu);
    EXPECT_EQ(routeDeCodeLigne(1999), RouteLigne::Aucune);
    EXPECT_EQ(routeDeCodeLigne(2443), RouteLigne::Aucune);
}

class ExecutionLigne : public essai::AvecPhrases {
  protected:
    void SetUp() override {
        AvecPhrases::SetUp();
        fixe(1, 2016, "#2 milieu du segment #1");
        fixe(1, 2118, "#4 sphère de centre #2 et de rayon #3 (unité de longueur #1)");
        fixe(1, 2208, "Titre: #1");
        fixe(1, 2245, "Fin de la figure");
        fixe(1, 2250, "Description de l'interface");
        fixe(1, 2251, "Commentaire");
        fixe(1, 2252, "Début de #1");
        fixe(1, 2264, "Démarrer en mode trace");
        fixe(1, 2266, "Démarrer l'animation de #1");
        fixe(1, 2285, "Temps actif");
        fixe(1, 2292, "Autoriser les options : #1");
        fixe(1, 2313, "Texte de la figure");
        fixe(1, 2368, "Teste point #1 sur #2");
        fixe(1, 2418, "#4 sphère de centre #2 et de rayon #3 (unité #1)");
        tableDesModelesDeLangue(1);
    }
    uint16_t execute(const std::string& ligne) { return executeLigne(x, w(ligne), 0, 1); }
    ExecutantEssai x;
};

TEST_F(ExecutionLigne, ResultsAndRoutes) {
    struct Cas {
        const char* ligne;
        uint8_t executionReelle;
        uint16_t resultat;
        std::vector<std::string> appels;
    };
    const Cas cas[] = {
        {"\"M milieu du segment [AB]\"", 1, 0, {"creation 2016"}},
        {"S sphère de centre O et de rayon 2 (unité u)", 1, 0, {"creation 2118"}},
        {"bonjour", 1, 616, {}},
        {"Fin de la figure", 1, 0, {}},
        {"Titre: essai", 1, 0, {}},
        {"Commentaire", 1, 99, {}},
        {"Début de [proto]", 1, 97, {}},
        {"Description de l'interface", 1, 670, {}},
        {"Démarrer en mode trace", 1, 0, {"directe 2264"}},
        {"Démarrer en mode trace", 0, 98, {}},
        {"Temps actif", 1, 0, {"directe 2285"}},
        {"Temps actif", 0, 0, {}},
        {"Autoriser les options : 1-2", 1, 0, {"commande 2292"}},
        {"Autoriser les options : 1-2", 0, 0, {}},
        {"Teste point M sur d", 1, 0, {"test Teste point M sur d"}},
    };
    for (const Cas& c : cas) {
        x.appels.clear();
        etatExecutionLigne().executionReelle = c.executionReelle;
        EXPECT_EQ(execute(c.ligne), c.resultat) << c.ligne;
        EXPECT_EQ(x.appels, c.appels) << c.ligne;
    }
}

TEST_F(ExecutionLigne, DeferredLinesKeepTheirCodedForm) {
    etatExecutionLigne().executionReelle = 0;
    EXPECT_EQ(execute("Démarrer en mode trace"), kLigneDifferee);
    EXPECT_EQ(etatExecutionLigne().lignesNonExecutees, ";\\;2264");
    // A handler that defers its line: the arguments go with the code.
    x.erreurHandler = kLigneDifferee;
    EXPECT_EQ(execute("Démarrer l'animation de  a"), kLigneDifferee);
    EXPECT_EQ(etatExecutionLigne().lignesNonExecutees, ";\\;2266;\\;a");
    // "Temps actif" while a text is read in leaves no line behind.
    etatExecutionLigne().lignesNonExecutees.clear();
    x.erreurHandler = 0;
    EXPECT_EQ(execute("Temps actif"), 0);
    EXPECT_TRUE(etatExecutionLigne().lignesNonExecutees.empty());
}

TEST_F(ExecutionLigne, ErrorsOfHandlersAndInternalErrors) {
    etatExecutionLigne().executionReelle = 1;
    x.erreurHandler = kErreurCreation;
    EXPECT_EQ(execute("M milieu du segment [AB]"), kErreurCreation);
    x.leveErreur = true;
    EXPECT_EQ(execute("M milieu du segment [AB]"), kStructureSaturee);
}

TEST_F(ExecutionLigne, QueryModeAndPrototypes) {
    x.requete = true;
    EXPECT_EQ(execute("Titre: essai"), kResultatHorsRequete);
    EXPECT_EQ(execute("Texte de la figure"), 0);
    EXPECT_EQ(x.appels, std::vector<std::string>{"requete 2313"});
    x.requete = false;
    x.appels.clear();
    x.prototype = true;
    EXPECT_EQ(execute("M milieu du segment [AB]"), 555);
    EXPECT_TRUE(x.appels.empty());
}

TEST(CreationDeLigne, TextDisplayTakesTheRestOfTheLine) {
    struct Cas {
        const char* ligne;
        const char* argument1;
    };
    const Cas cas[] = {
        {"T affichage du texte: a: b;c", "a: b;c"},
        {"T affichage du texte:bonjour", "bonjour"}, // no blank: no character is lost
    };
    for (const Cas& c : cas) {
        TLigneFigure l;
        l.ligne = c.ligne;
        l.nombreArguments = 2;
        l.arguments[1] = "autre";
        l.arguments[2] = "T";
        prepareCreationDeLigne(l, 126);
        EXPECT_EQ(l.codeConstruction, 126);
        EXPECT_EQ(l.arguments[1], c.argument1);
    }
    TLigneFigure l;
    l.ligne = "T affichage du texte: a;b";
    l.nombreArguments = 2;
    l.arguments[2] = "T";
    prepareCreationDeLigne(l, 126);
    EXPECT_EQ(l.texteArguments, "a\xFF"
                                "b;T");
}

} // namespace
} // namespace km32
