#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "figure_operandes.h"
#include "model/analyse_expression.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"
#include "text/operandes_expressions.h"

using namespace km32;
using essai::FigureOperandes;

namespace {

TEST(OperandesExpressions, ParenthesisHelpers) {
    const struct {
        const char* texte;
        std::size_t finGroupe, blanc;
    } cas[] = {{"(A,2) (B,1)", 6, 6}, {"((a)) b", 6, 6},  {") (x) y", 0, 0},
               {"(A,2", 0, 0},        {"f(x y) z", 7, 7}, {"", 0, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(finPremierGroupeParentheses(c.texte), c.finGroupe) << c.texte;
        EXPECT_EQ(premierBlancHorsParentheses(c.texte), c.blanc) << c.texte;
    }
}

class Expressions : public FigureOperandes {
  protected:
    std::unique_ptr<TLigneAnalysee> ligne;
    void SetUp() override {
        FigureOperandes::SetUp();
        reinitialiseCompilateur();
        nouvelleLigne("");
    }
    TLigneAnalysee& nouvelleLigne(const std::string& arguments) {
        ligne = std::make_unique<TLigneAnalysee>();
        ligne->arguments = arguments;
        ligne->depuisTexte = 1;
        return *ligne;
    }
    std::string parents() const { return notations(ligne->parents.data(), ligne->nombreParents); }
};

TEST_F(Expressions, WeightedPoints) {
    const struct {
        const char* texte;
        uint16_t erreur;
        const char* lus;
        int cases;
    } cas[] = {
        {"(A,2) (B,1)", 0, "A B", 2},
        {"(A,1),(B,2)", 0, "A B", 2},
        {"(A,1) (B,-1)", 544, "A B", 2},
        // A reading that stops before its first point has no point: 539,
        // whatever stopped it.
        {"(A 1)", 539, "", 0},
        {"()", 539, "", 0},
        {"(A,2", 539, "", 0},
        {"A,2", 539, "", 0},
        {"(A,k1) (B,-k1)", 0, "A B", 2}, // not constant: no sum check
        {"(X,1)", 539, "", 0},
        {"(A,1+) (B,1)", 563, "A", 0},
        {"(A,max(1,2)) (B,1)", 0, "A B", 2}, // a comma inside parentheses stays in the expression
    };
    for (const auto& c : cas) {
        nouvelleLigne(std::string(c.texte) + ";P");
        litPointsPonderes(f, *ligne);
        EXPECT_EQ(ligne->erreur, c.erreur) << c.texte;
        EXPECT_EQ(parents(), c.lus) << c.texte;
        if (c.erreur < 532) {
            EXPECT_EQ(ligne->nombreExpressions, c.cases) << c.texte;
            EXPECT_EQ(ligne->nouvelObjet.nombreValeurs, c.cases + 3) << c.texte;
            EXPECT_EQ(ligne->arguments, "P") << c.texte; // the rest stays for the next reader
        }
    }
    nouvelleLigne("(A,2) (B,1)");
    litPointsPonderes(f, *ligne);
    EXPECT_EQ(ligne->valeurs[4], 2);
    EXPECT_EQ(ligne->valeurs[5], 1);
    EXPECT_EQ(ligne->nouvelObjet.nombreParents, 2);
    EXPECT_EQ(ligne->nouvelObjet.nombreExpressions, 2);

    std::string onze;
    for (int i = 0; i < 11; ++i)
        onze += "(A,1) ";
    nouvelleLigne(onze);
    litPointsPonderes(f, *ligne);
    EXPECT_EQ(ligne->erreur, 635);
    EXPECT_EQ(ligne->nombreParents, 11);
}

// With a construction dialog open, each reader counts the fields it
// accepted and notes the one it refused.
TEST_F(Expressions, TheDialogCountsAcceptedFieldsAndNotesTheRefusedOne) {
    f.dialogue = std::make_unique<TDialogueObjet>();
    nouvelleLigne("(A,2) (B,1)");
    litPointsPonderes(f, *ligne);
    nouvelleLigne("(A,2) (B,1)");
    litPointsPonderes(f, *ligne);
    EXPECT_EQ(f.dialogue->champsAcceptes, 2);
    std::string onze;
    for (int i = 0; i < 11; ++i)
        onze += "(A,1) ";
    nouvelleLigne(onze);
    litPointsPonderes(f, *ligne);
    EXPECT_EQ(ligne->erreur, 635);
    EXPECT_EQ(f.dialogue->champsAcceptes, 2);
    EXPECT_EQ(f.dialogue->champRefuse, 2);
    f.dialogue.reset();
}

TEST_F(Expressions, VariablesOfATableOfValues) {
    const struct {
        const char* texte;
        uint16_t erreur;
        const char* nom1;
    } cas[] = {
        {"(k1,2) (m,0)", 0, ""},      {"(k1,2.5) (m,0)", 624, "2.5"}, {"(k1,7) (m,0)", 624, "7"},
        {"(k1,2)", 539, ""},          {"(m,2) (k1,0)", 671, "m"},     {"(A,2) (m,1)", 596, "A (point)"},
        {"(k1,-1) (m,1)", 624, "-1"},
    };
    for (const auto& c : cas) {
        nouvelleLigne(c.texte);
        litVariablesDuTableau(f, *ligne);
        EXPECT_EQ(ligne->erreur, c.erreur) << c.texte;
        if (*c.nom1) {
            EXPECT_EQ(nomErreur1(), c.nom1) << c.texte;
        }
    }
    nouvelleLigne("(k1,2) (m,0)");
    litVariablesDuTableau(f, *ligne);
    EXPECT_EQ(ligne->nombreExpressions, 5); // slots 4 and 5
    EXPECT_EQ(ligne->expressions[4].texte, "2");
    EXPECT_EQ(ligne->valeurs[4], 2);
    EXPECT_EQ(ligne->valeurs[5], 0);
    EXPECT_EQ(ligne->nouvelObjet.nombreValeurs, 5);
}

TEST_F(Expressions, DirectAssignments) {
    nouvelleLigne("B 3,k1");
    ligne->parents[1] = uint8_t(A);
    ligne->parents[2] = uint8_t(m);
    ligne->nombreParents = 2;
    litValeursAffectations(f, *ligne);
    EXPECT_EQ(ligne->erreur, 0);
    EXPECT_EQ(parents(), "A m B"); // the point's value joins the parents
    EXPECT_EQ(ligne->nombreExpressions, 1);
    EXPECT_EQ(ligne->valeurs[1], 3);

    nouvelleLigne("B");
    ligne->parents[1] = uint8_t(A);
    ligne->parents[2] = uint8_t(m);
    ligne->nombreParents = 2;
    litValeursAffectations(f, *ligne);
    EXPECT_EQ(ligne->erreur, 539);

    nouvelleLigne(" , ");
    ligne->parents[1] = uint8_t(m);
    ligne->nombreParents = 1;
    litValeursAffectations(f, *ligne);
    EXPECT_EQ(ligne->erreur, 539);

    nouvelleLigne("max(1,2) 4");
    ligne->parents[1] = uint8_t(m);
    ligne->nombreParents = 1;
    litValeursAffectations(f, *ligne);
    EXPECT_EQ(ligne->erreur, 0);
    EXPECT_EQ(ligne->valeurs[1], 2);
}

TEST_F(Expressions, Bounds) {
    const struct {
        const char* texte;
        uint16_t erreur;
        double bas, haut;
        const char *texteBas, *texteHaut;
    } cas[] = {
        {"1,5", 0, 1, 5, "1", "5"}, {"5,1", 0, 1, 5, "1", "5"}, {"2 2", 0, 2, 2, "2", "2"},
        {"k1,1", 0, 0, 1, "", ""}, // not constant: kept in the written order
        {"1", 572, 1, 0, "1", ""},  {"", 539, 0, 0, "", ""},    {"max(4,3), 1", 0, 1, 4, "1", "max(4,3)"},
    };
    for (const auto& c : cas) {
        nouvelleLigne("");
        litBornes(f, *ligne, c.texte, 3, 7);
        EXPECT_EQ(ligne->erreur, c.erreur) << c.texte;
        if (c.erreur == 0) {
            if (ligne->expressions[3].drapeauConstante) {
                EXPECT_EQ(ligne->expressions[3].texte, c.texteBas) << c.texte;
                EXPECT_EQ(ligne->expressions[4].texte, c.texteHaut) << c.texte;
                EXPECT_EQ(ligne->valeurs[7], c.bas) << c.texte;
            }
            EXPECT_EQ(ligne->valeurs[8], c.haut) << c.texte;
            EXPECT_EQ(ligne->expressions[3].drapeauConstante, *c.texteBas != 0) << c.texte;
        }
    }
}

TEST_F(Expressions, ListsOfNumbers) {
    std::array<double, 41> valeurs{};
    uint8_t nombre = 0;
    uint16_t erreur = 0;
    evalueListeExpressions(f, "1, 2*k1 m+1", 1, valeurs, nombre, erreur);
    EXPECT_EQ(erreur, 0);
    ASSERT_EQ(nombre, 3);
    EXPECT_EQ(valeurs[1], 1);
    EXPECT_EQ(valeurs[2], 4);
    EXPECT_EQ(valeurs[3], 4);

    std::string quarante, quaranteEtUn;
    for (int i = 1; i <= 41; ++i)
        (i <= 40 ? quarante : quaranteEtUn) += std::to_string(i) + " ";
    evalueListeExpressions(f, quarante, 1, valeurs, nombre, erreur);
    EXPECT_EQ(erreur, 0);
    EXPECT_EQ(nombre, 40);
    EXPECT_EQ(valeurs[40], 40);
    evalueListeExpressions(f, quarante + quaranteEtUn, 1, valeurs, nombre, erreur);
    EXPECT_EQ(erreur, 635);
    EXPECT_EQ(nombre, 41);

    // Every comma separates, inside parentheses too.
    erreur = 0;
    evalueListeExpressions(f, "max(1,2)", 1, valeurs, nombre, erreur);
    EXPECT_GT(erreur, 532);
}

TEST_F(Expressions, SequenceDefinitions) {
    const struct {
        uint16_t code;
        const char* arguments;
        uint16_t erreur;
        int variables;
    } cas[] = {
        {101, "u(n)=2*n+1;u", 0, 1},
        {102, "v(n)=u(n-1)+1;u", 575, 0},
        {102, "u(n)=u(n-1);n", 595, 0},
        {102, "u(n)=u(n-1);uv", 595, 0},
        {102, "u(n)=u(n-1)", 595, 0},
        {101, "u(n)=u(n-1);u", 0, 1}, // left to the compiler, which refuses it
    };
    for (const auto& c : cas) {
        nouvelleLigne(c.arguments);
        ligne->codeConstruction = c.code;
        analyseDefinitionDeSuite(f, *ligne);
        if (std::string(c.arguments) == "u(n)=u(n-1);u") {
            EXPECT_GT(ligne->erreur, 532) << c.arguments;
            continue;
        }
        EXPECT_EQ(ligne->erreur, c.erreur) << c.arguments;
        if (c.erreur == 0) {
            EXPECT_EQ(ligne->expressions[2].nombreVariables, c.variables) << c.arguments;
            EXPECT_FALSE(ligne->expressions[2].drapeauConstante) << c.arguments;
        }
        if (c.erreur == 575) {
            EXPECT_EQ(nomErreur1(), "u");
        }
    }

    // The previous terms become variables of their own.
    nouvelleLigne("w(n)=w(n-1)+w(n-2);w");
    ligne->codeConstruction = 103;
    analyseDefinitionDeSuite(f, *ligne);
    const TAnalyseExpression& a = ligne->expressions[2];
    EXPECT_EQ(a.nombreVariables, 3);
    EXPECT_EQ(a.nomsVariables[0], 'n');
    EXPECT_EQ(a.nomsVariables[1], char(251));
    EXPECT_EQ(a.nomsVariables[2], char(252));
    EXPECT_EQ(etatCompilateur().modeSuite, 0);
    EXPECT_EQ(etatCompilateur().nomSuite, 0);

    // From the command dialog the definition is written without "u(n)=".
    nouvelleLigne("3;u");
    ligne->codeConstruction = 101;
    ligne->depuisTexte = 0;
    analyseDefinitionDeSuite(f, *ligne);
    EXPECT_EQ(ligne->erreur, 0);
    EXPECT_EQ(ligne->valeurs[2], 3);
    EXPECT_EQ(ligne->arguments, "u");
}

// The previous terms reach the compiler as the variables coded 251 and 252.
TEST_F(Expressions, RecurrentSequencesCompile) {
    for (const char* t : {"u(n)=u(n-1)+1;u", "u(n)=u(n-1)+u(n-2);u"}) {
        nouvelleLigne(t);
        ligne->codeConstruction = std::string(t).find("n-2") != std::string::npos ? 103 : 102;
        analyseDefinitionDeSuite(f, *ligne);
        EXPECT_EQ(ligne->erreur, 0) << t;
    }
}

// A misused previous term is reported under the sequence's name.
TEST_F(Expressions, MisusedPreviousTermNamesTheSequence) {
    nouvelleLigne("w(n)=w(n-2)+1;w");
    ligne->codeConstruction = 102;
    analyseDefinitionDeSuite(f, *ligne);
    EXPECT_TRUE(ligne->erreur == 582 || ligne->erreur == 583) << ligne->erreur;
    EXPECT_EQ(nomErreur1(), "w");
}

} // namespace
