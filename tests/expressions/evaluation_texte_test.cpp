// Expression texts evaluated in a small figure, against values computed
// directly, and the phrase numbers of the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "petite_figure.h"

using namespace km32;
using namespace km32::essais;

namespace {

constexpr double kPi = 3.141592653589793;

class EvaluationTexte : public ::testing::Test {
  protected:
    PetiteFigure pf;
    TfigureKalmetra& f = pf.f;
    void SetUp() override {
        pf.nombre("a", 2);
        pf.nombre("b", 3);
        pf.nombre("k", 0);
        pf.point("A", 1, 2, 2);
        pf.point("B", 4, 6, 2);   // AB = 5
        pf.vecteur("u", 2, 3, 6); // length 7
        pf.vecteur("v", 1, 0, 0);
        const int d = pf.nombre("d", 5);
        f.objets[std::size_t(d)].nonDefini = 1;
        const int h = pf.nombre("h", 4);
        f.objets[std::size_t(h)].drapeaux = kDrapeauAccesInterdit;
        pf.nombre("ab2", 10); // a name longer than one letter
    }
    uint16_t evalue(const std::string& texte, double& valeur, uint8_t modeAcces = 1) {
        uint16_t erreur = 0;
        evalueExpressionTexte(f, texte, modeAcces, erreur, valeur);
        return erreur;
    }
};

TEST_F(EvaluationTexte, ValuesMatchDirectComputation) {
    const struct {
        const char* texte;
        double attendu;
    } cas[] = {
        {"2+3", 5},
        {"a*b+1", 7},
        {"10-2+3", 11},
        {"a-b-1", -2},
        {"a-(b-1)", 0},
        {"2a", 4},
        {"2(a+1)", 6},
        {"3sin(a)", 3 * std::sin(2.0)},
        {"2pi", 2 * kPi},
        {"a(b+1)", 8},
        {"(a)(b)", 6},
        {"(a/b)*2", 4.0 / 3},
        {"a/(b*2)", 1.0 / 3},
        {"a*b/2", 3},
        {"2^(3^2)", 512},
        {"-a^2", -4},
        {"a^-1", 0.5},
        {"a^0.5", std::sqrt(2.0)},
        {"a^5", 32},
        {"a*-b", -6},
        {"ab2+1", 11},
        {"AB", 5},
        {"AB*2", 10},
        {"AB\xB2", 25},
        {"dist(A,B)", 5},
        {"norm(vec(u))", 7},
        {"vec(u)&vec(v)", 2},
        {"vec(A,B)&vec(u)", 3 * 2 + 4 * 3},
        {"vec(u)\xB2", 49},
        {"vec(u)^2", 49},
        {"norm(vec(u)\xA7vec(v))", std::sqrt(45.0)},
        {"norm(2vec(u)-vec(v))", std::sqrt(9.0 + 36 + 144)},
        {"norm(vec(u)/7)", 1},
        {"\xB5(a<b)", 1},
        {"\xB5(0<a<1)", 0},
        {"\xB5(0<a<=2)", 1},
        {"\xB5(4>b>=3)", 1},
        {"\xB5(a=2)", 1},
        {"\xB5(a<>2)", 0},
        {"\xB5(vec(u)=vec(u))", 1},
        {"\xB5(vec(u)<>vec(v))", 1},
        {"\xB5(a<b et b<a)", 0},
        {"\xB5(a<b ou b<a)", 1},
        {"\xB5(non a>b)", 1},
        {"5!", 120},
        {"cnp(5,2)", 10},
        {"anp(5,2)", 20},
        {"min(a,b)+max(a,b)", 5},
        {"sqrt(b)", std::sqrt(3.0)},
        {"rac(b)", std::sqrt(3.0)},
        {"abs(-a)", 2},
        {"int(2.5)", 2},
        {"ln(a)+exp(1)", std::log(2.0) + std::exp(1.0)},
        {"ARCCOS(0)", kPi / 2},
        {"arctan(1)+arcsin(1)", kPi / 4 + kPi / 2},
        {"tan(1)*cos(1)", std::sin(1.0)},
        {"xy;x+y+1", 1},
        {"h", 4},
    };
    for (const auto& c : cas) {
        double valeur = -1;
        EXPECT_EQ(evalue(c.texte, valeur), 0) << c.texte;
        EXPECT_NEAR(valeur, c.attendu, 1e-12) << c.texte;
    }
}

TEST_F(EvaluationTexte, RefusalsGiveTheirPhrase) {
    const struct {
        const char* texte;
        uint16_t erreur;
        uint8_t modeAcces;
    } cas[] = {
        {"a/b*2", 587, 1},    {"a/b/2", 588, 1},     {"a^b^2", 589, 1},    {"1/0", 566, 1},
        {"1/k", 566, 1},      {"1/(a-a)", 566, 1},   {"d", 566, 1},        {"d+1", 566, 1},
        {"zz", 537, 1},       {"(a", 665, 1},        {"a)", 665, 1},       {"vec(u)+a", 586, 1},
        {"u+1", 584, 1},      {"sin a", 580, 1},     {"a+sin", 537, 1},    {"\xB5(a)", 591, 1},
        {"sin(a<b)", 590, 1}, {"vec(a)", 592, 1},    {"min(a)", 593, 1},   {"a,b", 594, 1},
        {"a<b", 571, 1},      {"h+1", 600, 2},       {"d+1", 437, 2},      {"2+", 563, 1},
        {"2..3", 563, 1},     {"a=non b", 563, 1},   {"vec(u)^3", 563, 1}, {"0<a>1", 586, 1},
        {"norm(a)", 563, 1},  {"dist(a,b)", 563, 1}, {"abcd;a", 561, 1},   {"\xB5(0<vec(u)<1)", 586, 1},
    };
    for (const auto& c : cas) {
        double valeur = -1;
        EXPECT_EQ(evalue(c.texte, valeur, c.modeAcces), c.erreur) << c.texte;
        EXPECT_EQ(valeur, 0) << c.texte;
    }
}

TEST_F(EvaluationTexte, ConstantsAreCountedAndShared) {
    std::string texte = "x;x";
    for (int i = 1; i <= 28; ++i)
        texte += "+" + std::to_string(i);
    double valeur = 0;
    EXPECT_EQ(evalue(texte, valeur), 0);
    EXPECT_EQ(valeur, 28 * 29 / 2);
    EXPECT_EQ(evalue(texte + "+29", valeur), 565);

    TAnalyseExpression a;
    ASSERT_EQ(pf.compile(a, "x+1+1+1", "x"), 0);
    EXPECT_EQ(a.derniereCaseConstante, kCasePremiereConstante);
}

TEST_F(EvaluationTexte, ErrorNameIsTheOffendingText) {
    double valeur = 0;
    EXPECT_EQ(evalue("2*zork'+1", valeur), 537);
    EXPECT_EQ(nomErreur1(), "zork'");
    EXPECT_EQ(evalue("vec(v)+u", valeur), 584);
    EXPECT_EQ(nomErreur1(), "u");
    EXPECT_EQ(evalue("h", valeur, 2), 600);
    EXPECT_EQ(nomErreur1(), "h");
}

TEST_F(EvaluationTexte, UnitOfLengthScalesLengthsOnly) {
    f.valeurs[std::size_t(f.objets[2].premiereValeur)] = 2.0;
    const struct {
        const char* texte;
        double attendu;
    } cas[] = {
        {"norm(vec(u))", 3.5}, {"AB", 2.5}, {"vec(u)&vec(u)", 49.0 / 4}, {"vec(u)\xB2", 49.0 / 4}, {"a*b", 6},
    };
    for (const auto& c : cas) {
        double valeur = 0;
        EXPECT_EQ(evalue(c.texte, valeur), 0) << c.texte;
        EXPECT_NEAR(valeur, c.attendu, 1e-12) << c.texte;
    }
}

TEST_F(EvaluationTexte, FunctionObjectsAreCalledThroughTheInstalledEvaluator) {
    const int F = pf.ajoute(kNatureFonction, "F", {0});
    const int G = pf.ajoute(kNatureFonction2Variables, "G", {0});
    static int appels = 0;
    fixeEvaluateurFonctionObjet([](const TfigureKalmetra& fig, int n, double x, double y, double, double& r) {
        ++appels;
        if (nomObjet(fig, n) == "F") r = x * x;
        if (nomObjet(fig, n) == "G") r = x - y;
        return x >= 0;
    });
    double valeur = 0;
    EXPECT_EQ(evalue("F(b)+G(a,b)", valeur), 0);
    EXPECT_EQ(valeur, 9 - 1);
    EXPECT_EQ(evalue("F(-1)", valeur), 566);
    EXPECT_EQ(evalue("F", valeur), 580);
    EXPECT_EQ(evalue("G(a)", valeur), 593);
    fixeEvaluateurFonctionObjet(nullptr);
    EXPECT_EQ(evalue("F(b)", valeur), 566);
    (void)F;
    (void)G;
}

} // namespace
