// Definitions of sequences: the term of index n written from n and the
// previous terms u(n-1) and u(n-2), which the reader of the definition hands
// to the compiler as the variables coded 251 and 252.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "base/garde.h"
#include "petite_figure.h"

using namespace km32;
using namespace km32::essais;

namespace {

constexpr char kMoins1 = char(251);
constexpr char kMoins2 = char(252);

// What the reader of a definition does before compiling: the previous terms
// it declares become their codes ('f': u(n-1); 'g': u(n-1) and u(n-2)).
std::string coderTermes(std::string texte, char mode) {
    const auto remplace = [&](const std::string& terme, char code) {
        for (std::size_t p; (p = texte.find(terme)) != std::string::npos;)
            texte.replace(p, terme.size(), 1, code);
    };
    if (mode != 0) remplace("u(n-1)", kMoins1);
    if (mode == 'g') remplace("u(n-2)", kMoins2);
    return texte;
}

std::string variablesDuMode(char mode) {
    if (mode == 'f') return std::string("n") + kMoins1;
    if (mode == 'g') return std::string("n") + kMoins1 + kMoins2;
    return "n";
}

class Suites : public ::testing::Test {
  protected:
    PetiteFigure pf;
    int a = pf.nombre("a", 2);
    TAnalyseExpression w;

    uint16_t compileDefinition(const std::string& definition, char mode) {
        EtatCompilateur& etat = etatCompilateur();
        GardeValeur<char> garde(etat.modeSuite, mode);
        GardeValeur<char> nom(etat.nomSuite, mode ? 'u' : '\0');
        return pf.compile(w, coderTermes(definition, mode), variablesDuMode(mode), kGenreNombre);
    }

    // The term for n, u(n-1), u(n-2) in slots 4, 5, 6, as a sequence does;
    // the short forms (a constant, a variable alone) are read directly.
    double terme(double n, double u1, double u2) {
        const double variables[] = {n, u1, u2};
        if (w.drapeauConstante) return constanteAnalyse(w, kCasePremiereConstante);
        if (w.longueurListe == 4 && w.nombreObjets == 0) {
            const int v = w.listeOctets[4] - 1;
            EXPECT_TRUE(v >= 0 && v < w.nombreVariables);
            return v >= 0 && v < 3 ? variables[v] : NAN;
        }
        TExpressionCompilee e;
        creeExpressionCompilee(pf.f, w, e);
        for (int v = 0; v < 3; ++v)
            e.cases[std::size_t(kCasePremiereVariable + v)] = variables[v];
        evalueExpressionCompilee(pf.f, e);
        EXPECT_EQ(e.arret, 0);
        return e.cases[1];
    }
};

TEST_F(Suites, DefinitionsCompileAndGiveTheTermComputedDirectly) {
    const struct {
        char mode;
        const char* definition;
        std::function<double(double, double, double)> attendu;
    } cas[] = {
        {'f', "u(n-1)+1", [](double, double u1, double) { return u1 + 1; }},
        {'f', "3u(n-1)", [](double, double u1, double) { return 3 * u1; }},
        {'f', "a*u(n-1)", [](double, double u1, double) { return 2 * u1; }},
        {'f', "2*u(n-1)-n", [](double n, double u1, double) { return 2 * u1 - n; }},
        {'f', "u(n-1)^2+n/4", [](double n, double u1, double) { return u1 * u1 + n / 4; }},
        {'f', "sqrt(abs(u(n-1))+n)",
         [](double n, double u1, double) { return std::sqrt(std::fabs(u1) + n); }},
        {'f', "u(n-1)", [](double, double u1, double) { return u1; }},
        {'f', "5", [](double, double, double) { return 5.0; }},
        {'g', "u(n-1)+u(n-2)", [](double, double u1, double u2) { return u1 + u2; }},
        {'g', "u(n-1)*u(n-2)-n", [](double n, double u1, double u2) { return u1 * u2 - n; }},
        {'g', "(u(n-1)-u(n-2))/2", [](double, double u1, double u2) { return (u1 - u2) / 2; }},
        {'g', "2u(n-2)+u(n-1)u(n-2)", [](double, double u1, double u2) { return 2 * u2 + u1 * u2; }},
        {'g', "u(n-2)", [](double, double, double u2) { return u2; }},
        {'g', "n", [](double n, double, double) { return n; }},
        {0, "n^2+1", [](double n, double, double) { return n * n + 1; }},
    };
    const double valeurs[][3] = {{3, 2, 1}, {7, -1.5, 4}, {10, 0.25, 9}};
    for (const auto& c : cas) {
        ASSERT_EQ(compileDefinition(c.definition, c.mode), 0) << c.definition;
        EXPECT_EQ(w.genreResultat, kGenreNombre) << c.definition;
        for (const auto& v : valeurs)
            EXPECT_NEAR(terme(v[0], v[1], v[2]), c.attendu(v[0], v[1], v[2]), 1e-12)
                << c.definition << " at n = " << v[0];
    }
}

TEST_F(Suites, FibonacciStepsGiveTheSequence) {
    ASSERT_EQ(compileDefinition("u(n-1)+u(n-2)", 'g'), 0);
    double u2 = 0, u1 = 1;
    for (int n = 2; n <= 20; ++n) {
        const double u = terme(n, u1, u2);
        u2 = u1;
        u1 = u;
    }
    EXPECT_EQ(u1, 6765); // the 20th Fibonacci number
}

TEST_F(Suites, OtherUsesOfTheSequenceAreRefused) {
    const struct {
        char mode;
        const char* definition;
        uint16_t erreur;
    } cas[] = {
        {'f', "u(n-2)+1", 582}, // only the previous term in a definition of order 1
        {'f', "u(n)+1", 582},   // the term being defined
        {'g', "u(n+1)-u(n-1)", 583},
        {'g', "u(2n-1)", 583},    // a wrong form of index
        {'f', "u(n - 1)", 582},   // the previous term is written without blanks
        {'f', "2u", 580},         // a call without parentheses
        {'g', "u(n-1)+u(n", 563}, // a call left open
        {'f', "u(n-1)>1", 571},   // a relation is not a term
    };
    for (const auto& c : cas)
        EXPECT_EQ(compileDefinition(c.definition, c.mode), c.erreur) << c.definition;
}

TEST_F(Suites, APreviousTermTheDefinitionDoesNotDeclareIsAnUnknownName) {
    // In a definition of order 1 the byte of u(n-2) is no variable.
    EXPECT_EQ(pf.compile(w, std::string("n+") + kMoins2, variablesDuMode('f'), kGenreNombre), 537);
    EXPECT_EQ(nomErreur1(), std::string(1, kMoins2));
    EXPECT_EQ(pf.compile(w, std::string("1+") + kMoins1, "n", kGenreNombre), 537);
}

} // namespace
