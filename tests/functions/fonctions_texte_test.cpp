// Functions of one to three variables read from figure texts: their values
// against the same formulas in C++, their use in number expressions, the
// shortcuts of bare variables and constants, and what happens when a
// function another one calls is redefined.
#include <cmath>

#include "banc_fonctions.h"
#include "model/evaluation_expression.h"

namespace km32::essai {
namespace {

class Fonctions : public BancFonctions {};

TEST_F(Fonctions, ValuesOfFunctionsOfOneTwoAndThreeVariablesMatchTheirFormulas) {
    ASSERT_EQ(litFigure({"f fonction: x|->x^2+1", "h fonction: (x,y)|->x*y-y/2",
                         "t fonction: (x,y,z)|->sqrt(x^2+y^2+z^2)", "s fonction: x|->sin(x)/(1+x^2)"}),
              0);
    const double points[] = {-3, -0.5, 0, 1.25, 7, 1e3};
    for (double x : points) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(en("f", x).value_or(NAN), x * x + 1, 1e-9 * (1 + x * x));
        EXPECT_NEAR(en("s", x).value_or(NAN), std::sin(x) / (1 + x * x), 1e-12);
        const double y = 2 - x, z = 0.5 * x;
        EXPECT_NEAR(en("h", x, y).value_or(NAN), x * y - y / 2, 1e-9);
        EXPECT_NEAR(en("t", x, y, z).value_or(NAN), std::sqrt(x * x + y * y + z * z), 1e-9);
    }
}

TEST_F(Fonctions, FunctionsInNumberExpressions) {
    ASSERT_EQ(litFigure({"f fonction: x|->x^2+1", "b = 3", "g fonction: x|->f(x)+f(2*x)-b",
                         "h fonction: (x,y)|->f(x)*y", "a = f(3)+f(-1)/2", "c = g(b)", "d = h(2,f(1))"}),
              0);
    EXPECT_DOUBLE_EQ(val("a"), 10 + 2.0 / 2);
    EXPECT_DOUBLE_EQ(val("c"), 10 + 37 - 3);
    EXPECT_DOUBLE_EQ(val("d"), 5 * 2);
    // A number expression evaluated on its own calls the figure's functions.
    uint16_t erreur = 0;
    double v = 0;
    evalueExpressionTexte(f, "g(1)*2", 1, erreur, v);
    EXPECT_EQ(erreur, 0);
    EXPECT_DOUBLE_EQ(v, 2 * (2 + 5 - 3));
}

TEST_F(Fonctions, AnImpossibleValueMakesTheNumberUndefined) {
    ASSERT_EQ(litFigure({"f fonction: x|->sqrt(x-1)", "a = f(5)", "b = f(0)"}), 0);
    EXPECT_DOUBLE_EQ(val("a"), 2);
    EXPECT_TRUE(defini("f"));
    EXPECT_FALSE(defini("b"));
    EXPECT_FALSE(en("f", 0).has_value());
}

TEST_F(Fonctions, BareVariablesAndConstantsNeedNoCode) {
    ASSERT_EQ(litFigure({"c fonction: x|->3", "p fonction: (x,y)|->y", "q fonction: (x,y,z)|->z",
                         "r fonction: x|->x", "b = 4", "m fonction: x|->b"}),
              0);
    const double points[] = {-2, 0, 0.75, 9};
    for (double x : points) {
        EXPECT_EQ(en("c", x), 3.0);
        EXPECT_EQ(en("p", x, x + 1), x + 1);
        EXPECT_EQ(en("q", x, 1, x - 5), x - 5);
        EXPECT_EQ(en("r", x), x);
        EXPECT_EQ(en("m", x), 4.0);
    }
}

TEST_F(Fonctions, ChangingANumberTheFunctionReadsChangesTheFunction) {
    ASSERT_EQ(litFigure({"b = 2", "f fonction: x|->b*x", "a = f(5)"}), 0);
    EXPECT_DOUBLE_EQ(val("a"), 10);
    ASSERT_EQ(ligne("b = 7"), 0);
    EXPECT_EQ(en("f", 5), 35.0);
    EXPECT_DOUBLE_EQ(val("a"), 35);
}

TEST_F(Fonctions, RedefiningACalledFunctionReachesItsCallers) {
    ASSERT_EQ(litFigure({"f fonction: x|->x+1", "g fonction: x|->2*f(x)", "a = g(3)"}), 0);
    EXPECT_DOUBLE_EQ(val("a"), 8);
    ASSERT_EQ(ligne("f fonction: x|->x^3"), 0);
    EXPECT_EQ(en("g", 2), 16.0);
    EXPECT_DOUBLE_EQ(val("a"), 54);
}

TEST_F(Fonctions, ACallerOfAFreedFunctionIsUndefined) {
    ASSERT_EQ(litFigure({"f fonction: x|->x+1", "g fonction: x|->2*f(x)"}), 0);
    EXPECT_EQ(en("g", 1), 4.0);
    // Releasing f's record leaves g without its sub-function, never with a
    // pointer to freed memory.
    libereFonctionDeObjet(f, numero("f"));
    EXPECT_FALSE(en("g", 1).has_value());
}

TEST_F(Fonctions, EveryFunctionObjectHasItsOwnSlot) {
    ASSERT_EQ(litFigure({"f fonction: x|->x", "u suite définie à partir de 0 par u(n)=n+1",
                         "g fonction définie par valeurs (avec interpolation)", "h fonction: (x,y)|->x"}),
              0);
    std::vector<int> emplacements;
    for (const char* nom : {"f", "u", "g", "h"}) {
        const int e = objet(f, numero(nom)).emplacementFonction;
        EXPECT_GE(e, 1) << nom;
        EXPECT_EQ(fonctionDeEmplacement(f, e), fonctionDeObjet(f, numero(nom)));
        for (int autre : emplacements)
            EXPECT_NE(autre, e) << nom;
        emplacements.push_back(e);
    }
    EXPECT_EQ(fonctionDeObjet(f, numero("g"))->genre, kFonctionTableValeurs);
    EXPECT_EQ(fonctionDeObjet(f, numero("u"))->genre, kSuiteExplicite);
}

} // namespace
} // namespace km32::essai
