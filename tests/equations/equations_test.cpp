// Planes defined by an equation in X, Y, Z: the text read into the plane's
// coefficients, then the plane built from a creation line and compared with
// the plane worked out by hand, and the refusals with their phrase numbers.
#include <array>
#include <cmath>

#include "../executor/banc_executeur.h"
#include "text/equation_plan_analyse.h"
#include "model/parametres_expression.h"

namespace km32::essai {
namespace {

namespace c = construction;

class Equations : public BancExecuteur {
  protected:
    // The equation read alone, as the plane-by-equation line reads it.
    uint16_t analyse(const std::string& equation, uint8_t code = c::kPlanEquation) {
        L = TLigneAnalysee{};
        L.modeLecture = 1;
        L.codeConstruction = code;
        L.arguments = equation + ";P;";
        analyseEquation(f, L);
        return L.erreur;
    }
    // The stored plane A x + B y + C z + D = 0 against the hand one, up to a
    // common factor: both made of unit normal, and the sign of the first
    // nonzero coefficient made positive.
    static std::array<double, 4> normalise(std::array<double, 4> p) {
        const double n = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        for (double& x : p)
            x /= n;
        const double s = std::fabs(p[0]) > 1e-9 ? p[0] : std::fabs(p[1]) > 1e-9 ? p[1] : p[2];
        if (s < 0)
            for (double& x : p)
                x = -x;
        return p;
    }
    void attendPlan(int plan, std::array<double, 4> attendu) {
        ASSERT_EQ(objet(f, plan).nonDefini, 0);
        std::array<double, 4> obtenu{};
        for (int k = 0; k < 4; ++k)
            obtenu[std::size_t(k)] = valeurObjet(f, plan, k + 1);
        obtenu = normalise(obtenu);
        attendu = normalise(attendu);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(obtenu[k], attendu[k], 1e-9) << "coefficient " << k;
    }
};

TEST_F(Equations, ProbesOfXPlusYPlusZEqualOne) {
    // Compiled as X+Y+Z-(1): zero at the three unit points, -1 at the origin.
    ASSERT_EQ(analyse("X+Y+Z=1"), 0);
    EXPECT_EQ(L.nombreExpressions, 5);
    for (int k = 2; k <= 5; ++k)
        EXPECT_TRUE(expressionLigne(L, k).drapeauConstante) << k;
    EXPECT_EQ(L.valeurs[5], 0);
    EXPECT_EQ(L.valeurs[6], 0);
    EXPECT_EQ(L.valeurs[7], 0);
    EXPECT_EQ(L.valeurs[8], -1);
    // The equation is kept in slot 1 with A, B, C for X, Y, Z.
    EXPECT_EQ(expressionLigne(L, 1).texte, "A+B+C=1");
    EXPECT_EQ(expressionLigne(L, 1).genreResultat, kGenreRelation);
    EXPECT_EQ(L.arguments, "P;");
}

TEST_F(Equations, PlanesFromEquationLinesMatchTheHandPlanes) {
    ASSERT_EQ(cree(c::kReelEgal, "2;a;"), 0);
    ASSERT_EQ(cree(c::kReelEgal, "3;b;"), 0);
    ASSERT_EQ(cree(c::kReelEgal, "6;h;"), 0);
    struct Cas {
        const char* equation;
        std::array<double, 4> plan; // a, b, c, d of a X + b Y + c Z + d = 0
    };
    const Cas cas[] = {
        {"X+Y+Z=1", {1, 1, 1, -1}},
        {"2X-Y+3=Z", {2, -1, -1, 3}},
        {"X=0", {1, 0, 0, 0}},
        {"  Z = 0  ", {0, 0, 1, 0}},
        {"2*X=Y/3", {2, -1.0 / 3, 0, 0}},
        {"aX+bY=h", {2, 3, 0, -6}},
        {"-(X-2*Y)+sqrt(4)*Z=3*(1-X)", {2, 2, 2, -3}},
        {"(X+Y)/a=Z-h", {0.5, 0.5, -1, 6}},
        {"X-Y=X+Z-a*Y", {0, 1, -1, 0}},
        // A length: AB = 6 for A(1, 2, 3) and B(5, 0, -1).
        {"Y=AB", {0, 1, 0, -6}},
        {"2Y=a^2-1", {0, 2, 0, -3}},
    };
    int n = 0;
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.equation);
        const std::string nom = "P" + std::to_string(++n);
        ASSERT_EQ(cree(c::kPlanEquation, std::string("Rxyz;") + k.equation + ";" + nom + ";"), 0);
        const int plan = numero(nom);
        EXPECT_EQ(objet(f, plan).nature, kNaturePlan);
        attendPlan(plan, k.plan);
    }
}

TEST_F(Equations, CoefficientsThatReadObjectsFollowThem) {
    ASSERT_EQ(cree(c::kReelEgal, "2;a;"), 0);
    const int a = numero("a");
    ASSERT_EQ(cree(c::kPlanEquation, "Rxyz;aX+Y=a+1;P;"), 0);
    const int P = numero("P");
    attendPlan(P, {2, 1, 0, -3});
    // The figure keeps the equation as written, X, Y, Z as A, B, C and a as
    // the first object it reads, for the text of the figure.
    const TExpressionParametre& equation = expressionParametre(f, objet(f, P).premiereExpression);
    EXPECT_EQ(f.texteDesFormules.substr(equation.debutTexte - 1, equation.longueurTexte), "DA+B=D+1");
    EXPECT_EQ(octetOperande(f, equation.debutOctets + 3), a);
    valeurObjet(f, a, 1) = -1;
    calculeObjet(f, P);
    attendPlan(P, {-1, 1, 0, 0});
    // With a = 0 and Y gone the coefficients vanish: the plane is undefined.
    ASSERT_EQ(cree(c::kPlanEquation, "Rxyz;aX+0*Y+a*Z=1;Q;"), 0);
    const int Q = numero("Q");
    valeurObjet(f, a, 1) = 0;
    calculeObjet(f, Q);
    EXPECT_EQ(objet(f, Q).nonDefini, 1);
}

TEST_F(Equations, RefusalsAndTheirPhrases) {
    struct Cas {
        const char* equation;
        uint16_t erreur;
    };
    const Cas cas[] = {
        {"X*Y=1", 658},     {"X/Y=1", 658}, {"X^2=1", 658},  {"sin(X)=0", 658},   {"1/X=2", 658},
        {"X+Y", 633},       {"X<1", 633},   {"X+Y>=2", 633}, {"X=1 et Y=2", 633}, {"0*X=1", 659},
        {"X+Y=X+Y+1", 659}, {"X+W=1", 537}, {"x+Y=1", 631},  {"X+y=1", 568},      {"Z+z=1", 668},
        {"X+(Y=1", 665},    {"", 563},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.equation);
        const int avant = f.nombreObjets;
        EXPECT_EQ(cree(c::kPlanEquation, std::string("Rxyz;") + k.equation + ";P;"), k.erreur);
        EXPECT_EQ(f.nombreObjets, avant);
    }
    // The equation itself names the refused text.
    EXPECT_EQ(analyse("X+Y"), 633);
    EXPECT_EQ(nomErreur1(), "X+Y");
    // Outside the plane-by-equation line a text that is not a relation keeps
    // the compiler's own phrase.
    EXPECT_EQ(analyse("X+Y", c::kReelEgal), 622);
    EXPECT_EQ(analyse("X<1", c::kReelEgal), 633);
}

} // namespace
} // namespace km32::essai
