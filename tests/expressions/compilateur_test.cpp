// The byte lists the compiler writes, its folding and sharing, its modes,
// and the texts it keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "petite_figure.h"

using namespace km32;
using namespace km32::essais;

namespace {

std::vector<int> octets(const TAnalyseExpression& a) {
    return std::vector<int>(a.listeOctets.begin() + 1, a.listeOctets.begin() + 1 + a.longueurListe);
}

class Compilateur : public ::testing::Test {
  protected:
    PetiteFigure pf;
    int a = pf.nombre("a", 2);
    int A = pf.point("A", 0, 0, 0);
    int B = pf.point("B", 3, 4, 0);
    int u = pf.vecteur("u", 1, 2, 3);
    TAnalyseExpression w;
};

TEST_F(Compilateur, ByteListsFollowTheFormat) {
    const struct {
        const char* texte;
        const char* variables;
        std::vector<int> attendu;
    } cas[] = {
        // kind, objects, variables, [objects], [variable kinds], instructions
        {"x^2", "x", {8, 0, 1, 8, 3, 1, 4}},
        {"x^-1", "x", {8, 0, 1, 8, 2, 1, 4}},
        {"x^3", "x", {8, 0, 1, 8, 4, 1, 4}},
        {"x^5", "x", {8, 0, 1, 8, 41, 1, 4, 13}},
        {"x^0.5", "x", {8, 0, 1, 8, 42, 1, 4, 13}},
        {"x^a", "x", {8, 1, 1, 0, 8, 42, 1, 4, 41}},
        {"x+2*3", "x", {8, 0, 1, 8, 31, 1, 4, 13}}, // 2*3 folds into the constant 6
        {"sin(x)+sin(x)", "x", {8, 0, 1, 8, 13, 81, 4, 31, 1, 81, 81}},
        {"y-x", "xy", {8, 0, 2, 8, 8, 32, 1, 5, 4}},
        {"a", "", {8, 1, 0, 0}},
        {"y", "xy", {8, 0, 2, 2}},
        {"vec(u)", "", {14, 1, 0, 0}},
        {"vec(A,B)", "", {14, 2, 0, 0, 0, 133, 1, 41, 44}},
        {"0<x<1", "x", {18, 0, 1, 8, 38, 81, 13, 4, 38, 82, 4, 14, 47, 1, 81, 82}},
        {"x!", "x", {8, 0, 1, 8, 5, 1, 4}},
        {"-x", "x", {8, 0, 1, 8, 1, 1, 4}},
    };
    for (const auto& c : cas) {
        ASSERT_EQ(pf.compile(w, c.texte, c.variables), 0) << c.texte;
        std::vector<int> attendu = c.attendu;
        // Object numbers of the figure in place of the 0 markers of the table.
        const std::vector<int> objets = {w.nombreObjets > 0 ? w.objets[0] : 0,
                                         w.nombreObjets > 1 ? w.objets[1] : 0};
        int k = 0;
        for (int p = 3; p < 3 + attendu[1] && p < int(attendu.size()); ++p)
            attendu[std::size_t(p)] = objets[std::size_t(k++)];
        if (attendu.size() == 4 && attendu[1] == 1) attendu[3] = objets[0];
        EXPECT_EQ(octets(w), attendu) << c.texte;
        EXPECT_EQ(w.drapeauConstante, 0) << c.texte;
    }
    ASSERT_EQ(pf.compile(w, "a+AB", ""), 0);
    EXPECT_EQ(w.objets[0], a);
    EXPECT_EQ(w.objets[1], A);
    EXPECT_EQ(w.objets[2], B);
    EXPECT_EQ(w.drapeauUnite, 1);
}

TEST_F(Compilateur, ConstantExpressionsFold) {
    const struct {
        const char* texte;
        double attendu;
    } cas[] = {
        {"2*pi+1", 2 * 3.141592653589793 + 1},
        {"2^10-cnp(5,2)", 1014},
        {"-(3)", -3},
        {"\xB5(1<2)", 1},
        {"sqrt(16)/2", 2},
    };
    for (const auto& c : cas) {
        ASSERT_EQ(pf.compile(w, c.texte), 0) << c.texte;
        EXPECT_EQ(w.drapeauConstante, 1) << c.texte;
        EXPECT_EQ(w.derniereCaseConstante, kCasePremiereConstante) << c.texte;
        EXPECT_DOUBLE_EQ(w.constantes[0], c.attendu) << c.texte;
        EXPECT_EQ(w.longueurListe, 0) << c.texte;
    }
    EXPECT_EQ(pf.compile(w, "sqrt(0-1)"), 566);
}

TEST_F(Compilateur, RequiredKindIsChecked) {
    EXPECT_EQ(pf.compile(w, "a", "", kGenreVecteur), 570);
    EXPECT_EQ(pf.compile(w, "vec(u)", "", kGenreNombre), 571);
    EXPECT_EQ(pf.compile(w, "a+1", "", kGenreRelation), 622);
    EXPECT_EQ(nomErreur1(), "a+1");
    etatCompilateur().controleDuGenre = 0;
    EXPECT_EQ(pf.compile(w, "a+1", "", kGenreRelation), 0);
    EXPECT_EQ(w.genreResultat, kGenreNombre);
}

TEST_F(Compilateur, KeywordsAreCodedInAnyCaseExceptAFunctionNameAtTheEnd) {
    std::string t = "ARCCOS(x)+Cos(x)+2pi";
    codeMotsCles(t, 255);
    EXPECT_EQ(t, std::string("\x0B(x)+\x13(x)+2\xE3"));
    decodeMotsCles(t, 255);
    EXPECT_EQ(t, "arccos(x)+cos(x)+2pi");
    t = "a+sin";
    codeMotsCles(t, 255);
    EXPECT_EQ(t, "a+sin");
    t = "a<=b et non c";
    codeMotsCles(t, 255);
    EXPECT_EQ(t, std::string("a\xF3") + "b \xF4 \xF6 c");
}

TEST_F(Compilateur, StoredTextHasLettersKeywordsAndVariableNames) {
    ASSERT_EQ(pf.compile(w, "sin(x)+a*AB", "x"), 0);
    EXPECT_EQ(w.texte, "xsin(A)+B*CD");
    ASSERT_EQ(pf.compile(w, "sin(x)+a*AB", "x", 0, 1, true), 0);
    EXPECT_EQ(w.texte, "xsin(A)+B*dist(C,D)");
    EXPECT_EQ(w.operateurSommet, '+');
}

TEST_F(Compilateur, VariableCaseHints) {
    EXPECT_EQ(pf.compile(w, "x+1", "XYZ"), 631);
    EXPECT_EQ(pf.compile(w, "y+1", "XYZ"), 568);
    EXPECT_EQ(pf.compile(w, "z+1", "XYZ"), 668);
    EXPECT_EQ(pf.compile(w, "x+1", "Xab"), 631);
    EXPECT_EQ(pf.compile(w, "y+1", "Xab"), 537);
}

TEST_F(Compilateur, PlaneEquationModeAcceptsOnlyLinearUses) {
    etatCompilateur().modeEquationPlan = 1;
    const struct {
        const char* texte;
        uint16_t erreur;
    } cas[] = {
        {"2*X-Y/3+a*Z-(1)", 0}, {"-X+Y-Z", 0},   {"X*Y", 658}, {"X/Y", 658},
        {"X^2", 658},           {"sin(X)", 658}, {"a/X", 658},
    };
    for (const auto& c : cas)
        EXPECT_EQ(pf.compile(w, c.texte, "XYZ", kGenreNombre), c.erreur) << c.texte;
    etatCompilateur().modeEquationPlan = 0;
    EXPECT_EQ(pf.compile(w, "X*Y", "XYZ", kGenreNombre), 0);
}

TEST_F(Compilateur, SequenceModeStopsAtTheSequenceName) {
    // The call of the sequence being defined is handed back in nomErreur1,
    // its previous terms coded.
    etatCompilateur().modeSuite = 'g';
    etatCompilateur().nomSuite = 's';
    EXPECT_EQ(pf.compile(w, "2*s(n-1)+s(n-2)", "n"), 583);
    EXPECT_EQ(nomErreur1(), "\xFB");
    etatCompilateur().modeSuite = 'f';
    EXPECT_EQ(pf.compile(w, "s(n-2)+1", "n"), 582);
    EXPECT_EQ(nomErreur1(), "\xFC");
    EXPECT_EQ(pf.compile(w, "s+1", "n"), 580);
    EXPECT_EQ(pf.compile(w, "s(n-1", "n"), 563);
    const int suite = pf.ajoute(kNatureSuite, "s", {0});
    EXPECT_EQ(pf.compile(w, "s(n)", "n"), 582);
    EXPECT_EQ(nomErreur1(), "s");
    (void)suite;
}

} // namespace
