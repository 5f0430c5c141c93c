// Mathematical text of expressions, of stored parameter expressions, of the
// value items of labels and of the operand lists of dialogs: checked against
// encodings written by hand, then read back by the sibling library's reader
// into the plain reading a user sees.
#include <gtest/gtest.h>

#include <memory>

#include "../expressions/petite_figure.h"
#include "model/texte_math.h"
#include "sibling/texte_math.h"
#include "text/ligne_creation.h"
#include "text/operandes_expressions.h"
#include "text/rangement_lignes.h"

namespace km32::essais {
namespace {

const std::string k255(1, char(255));

class TexteMath : public ::testing::Test {
  protected:
    PetiteFigure pf;
    TfigureKalmetra& f = pf.f;

    void SetUp() override {
        pf.point("A", 0, 0, 0);
        pf.point("B", 1, 1, 0);
        pf.nombre("a", 2);
        pf.nombre("k", 0.5);
        pf.vecteur("v", 1, 2, 3);
        pf.ajoute(kNatureFonction, "F", {});
        pf.ajoute(kNatureFonction2Variables, "G", {});
        pf.ajoute(kNatureSuite, "u", {});
    }

    // The figure's parameter-expression record 1 holding the text compiled
    // as the creation of an object stores it.
    void range(const std::string& texte) {
        auto ligne = std::make_unique<TLigneAnalysee>();
        ASSERT_EQ(pf.compile(expressionLigne(*ligne, 1), texte), 0) << texte;
        f.expressionsUtilisees = 1;
        rangeLigneCompilee(f, 1, *ligne, 1);
    }
};

TEST_F(TexteMath, ExpressionsAgainstHandEncodingsAndTheirReading) {
    struct Cas {
        const char* texte;
        std::string math;
        const char* lecture;
    };
    const Cas cas[] = {
        {"x;x^2+a", "\\x^2+a;s:x,a\\", "x^2+a"},
        {"xy;x*y-k", "\\x*y-k;s:x,y,k\\", "x*y-k"},
        {"2*AB+a", "\\2*dist(A,B)+a;s:a\\", "2*dist(A,B)+a"},
        {"a\xB2+1", "\\a^2+1;s:a\\", "a^2+1"},
        {"sqrt(a)/cos(pi*k)", "\\sqrt(a)/cos(pi*k);s:a,k\\", "sqrt(a)/cos(pi*k)"},
        {"u(3)^2", "\\(u_(3))^2;s:u\\", "(u_3)^2"},
        {"u(a+1)!", "\\(u_(a+1))!;s:u,a\\", "(u_(a+1))!"},
        {"F(a)+G(1,k)", "\\F(a)+G(1,k);s:a,k;f:F,G\\", "F(a)+G(1,k)"},
        {"vec(v)&vec(A,B)", "\\vec(v)&vec(A,B)\\", "vec(v)&vec(A,B)"},
        {"a<=k ou k<>1", "\\a<=k ou k<>1;s:a,k\\", "a<=k ou k<>1"},
        {"7", "\\7\\", "7"},
        // The definition of the sequence u from n and its previous terms.
        {";u2*u(n-1)+n", "\\2*u_(n-1)+n;s:u,n\\", "2*u_(n-1)+n"},
        {";uu(n-1)^2-u(n-2)", "\\(u_(n-1))^2-u_(n-2);s:u,n\\", "(u_(n-1))^2-u_(n-2)"},
        {";uu(n-1)+u(0)*a", "\\u_(n-1)+u_(0)*a;s:u,n,a\\", "u_(n-1)+u_0*a"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        std::string t = c.texte;
        uint16_t erreur = 99;
        ecritExpressionEnTexteMath(f, t, 255, erreur);
        EXPECT_EQ(erreur, 0);
        EXPECT_EQ(t, c.math);
        EXPECT_EQ(syntaxeTexteMath(t), 0);
        EXPECT_EQ(lectureTexteMath(t), c.lecture);
    }
}

TEST_F(TexteMath, AFailedCompileLeavesTheText) {
    const struct {
        const char* texte;
        uint16_t erreur;
    } cas[] = {{"a+zz", 537}, {"2*(a", 665}, {"abcd;a", 561}};
    for (const auto& c : cas) {
        std::string t = c.texte;
        uint16_t erreur = 0;
        ecritExpressionEnTexteMath(f, t, 255, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        EXPECT_EQ(t, c.texte);
    }
    // The capacity cuts the result.
    std::string t = "x;x^2+a";
    uint16_t erreur = 0;
    ecritExpressionEnTexteMath(f, t, 5, erreur);
    EXPECT_EQ(t, "\\x^2+");
}

TEST_F(TexteMath, StoredExpressionsPlainAndMath) {
    const struct {
        const char* texte;
        const char* plain;
        std::string math;
        const char* lecture;
    } cas[] = {
        {"2*AB+a", "2*AB+a", "\\2*dist(A,B)+a" + k255 + "s:a\\", "2*dist(A,B)+a"},
        {"u(3)\xB2+a", "u(3)\xB2+a", "\\(u_(3))^2+a" + k255 + "s:u,a\\", "(u_3)^2+a"},
        {"F(k)*G(a,1)", "F(k)*G(a,1)", "\\F(k)*G(a,1)" + k255 + "s:k,a" + k255 + "f:F,G\\", "F(k)*G(a,1)"},
        {"2+3", "2+3", "\\2+3\\", "2+3"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        range(c.texte);
        std::string r;
        ligneEnTexteMath(f, 1, false, r);
        EXPECT_EQ(r, c.plain);
        ligneEnTexteMath(f, 1, true, r);
        EXPECT_EQ(r, c.math);
        EXPECT_EQ(lectureTexteMath(r), c.lecture);
    }
}

TEST_F(TexteMath, SubscriptedTermsGetParentheses) {
    const struct {
        const char* avant;
        const char* apres;
    } cas[] = {
        {"u_(n)^2", "(u_(n))^2"},
        {"1+u_(n-1)!", "1+(u_(n-1))!"},
        {"u_(n)+(a)^2", "u_(n)+(a)^2"},
        {"u_((n))^2", "(u_((n)))^2"},
        {"(a)^2", "(a)^2"},
        {"u_(n)^v_(n)^2", "(u_(n))^(v_(n))^2"},
    };
    for (const auto& c : cas) {
        std::string t = c.avant;
        parentheseTermesIndices(t, 255);
        EXPECT_EQ(t, c.apres) << c.avant;
    }
}

TEST_F(TexteMath, ValueItemsOfLabelsInMathForm) {
    const struct {
        const char* avant;
        std::string apres;
    } cas[] = {
        {"m = val(a*k,1) cm", "m = val(\\a*k" + k255 + "s:a,k\\,\\1\\) cm"},
        {"val(AB) et val(k)", "val(\\dist(A,B)\\) et val(\\k" + k255 + "s:k\\)"},
        // Inside a math zone the item is only marked.
        {"\\x+val(a)\\ val(k)", "\\x+\xABval(a)\xBB\\ val(\\k" + k255 + "s:k\\)"},
        // A part that does not compile is left as written.
        {"val(zz,2)", "val(zz,\\2\\)"},
        // A malformed item ends the work.
        {"val(a) val(b", "val(\\a" + k255 + "s:a\\) val(b"},
        {"val(,2) val(a)", "val(,2) val(a)"},
        {"val() val(a)", "val() val(a)"},
    };
    for (const auto& c : cas) {
        std::string t = c.avant;
        texteAvecValeursEnTexteMath(f, t, 255);
        EXPECT_EQ(t, c.apres) << c.avant;
    }
    std::string t = "m = val(a*k,1)";
    texteAfficheEnTexteMath(f, t, 255);
    EXPECT_EQ(t, "m = val(\\a*k;s:a,k\\,\\1\\)");
    EXPECT_EQ(lectureTexteMath(t), "m = val(a*k,1)");
}

TEST_F(TexteMath, ValueItemsOfLabelsReplacedByTheirValues) {
    const struct {
        const char* avant;
        const char* apres;
        bool echoue;
    } cas[] = {
        // AB is the square root of 2.
        {"AB = val(AB,2)", "AB = 1.41", false},
        {"val(a) et val(k*a+1/4,3)!", "2 et 1.25!", false},
        {"val(a/(k-k)) val(a)", " * 2", true},
        {"val(a,11) val(k)", "val(a,11) val(k)", true},
        {"val(a,-1)", "val(a,-1)", true},
        {"val(zz)", "val(zz)", true},
        {"val(a", "val(a", false},
        {"val(a,)", "val(a,)", false},
    };
    for (const auto& c : cas) {
        std::string t = c.avant;
        bool echoue = !c.echoue;
        remplaceValeursDansTexte(f, t, 255, echoue);
        EXPECT_EQ(t, c.apres) << c.avant;
        EXPECT_EQ(echoue, c.echoue) << c.avant;
    }
}

TEST_F(TexteMath, OperandListsOfDialogs) {
    const std::string A = "\\A;s:A\\", B = "\\B;s:B\\";
    using Lecteur = void (*)(const TfigureKalmetra&, std::string&, std::size_t, uint16_t&);
    const struct {
        Lecteur lecteur;
        const char* avant;
        std::string apres;
        uint16_t erreur;
        const char* lecture;
    } cas[] = {
        {listePointsPonderesEnTexteMath, "(A,2) ,(B,a*k)", " (" + A + ",\\2\\) (" + B + ",\\a*k;s:a,k\\)", 0,
         " (A,2) (B,a*k)"},
        {listePointsPonderesEnTexteMath, "", "", 539, ""},
        {listePointsPonderesEnTexteMath, "(A 1)", "", 563, ""},
        {listePointsPonderesEnTexteMath, "()", "", 539, ""},
        {listePointsPonderesEnTexteMath, "(A,1) (B,zz) (A,2)", " (A,2)", 537, ""},
        {listePointsEnTexteMath, "A, 2*(a + 1)  B", " " + A + " \\2*(a + 1);s:a\\ " + B, 0, " A 2*(a + 1) B"},
        {listePointsEnTexteMath, " , ", "", 539, ""},
        {listePointsEnTexteMath, "A zz B", "zz B ", 537, ""},
        {listeExpressionsEnTexteMath, "1,a+k", " \\1\\ \\a+k;s:a,k\\", 0, " 1 a+k"},
        {listeExpressionsEnTexteMath, "A", " \\A\\", 0, " A"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.avant);
        std::string t = c.avant;
        uint16_t erreur = 0;
        c.lecteur(f, t, 255, erreur);
        EXPECT_EQ(erreur, c.erreur);
        EXPECT_EQ(t, c.apres);
        if (c.erreur == 0) {
            EXPECT_EQ(lectureTexteMath(t), c.lecture);
        }
    }
    std::string t = "(A,2) (B,1)";
    uint16_t erreur = 0;
    listePointsPonderesEnTexteMath(f, t, 12, erreur);
    EXPECT_EQ(t, " (\\A;s:A\\,\\2");
}

} // namespace
} // namespace km32::essais
