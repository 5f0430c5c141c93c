// Sequences read from figure texts: explicit, recurrent of order 1 and 2,
// their values against the same recurrences in C++, their domain, the
// cache of the recurrent ones, failing terms and the first zero term.
#include <array>
#include <cmath>

#include "banc_fonctions.h"

namespace km32::essai {
namespace {

class Suites : public BancFonctions {};

constexpr int kDernier = 20;

TEST_F(Suites, ExplicitArithmeticAndTwoTermSequencesMatchTheirRecurrences) {
    ASSERT_EQ(
        litFigure(
            {"u suite définie à partir de 0 par u(n)=2n+1",
             "v suite définie à partir de 0 par v(n)=v(n-1)+3 et le premier terme -4",
             "w suite définie à partir de 0 par w(n)=w(n-1)+w(n-2) et les premiers termes 1 et 1",
             "q suite définie à partir de 0 par q(n)=0.5*q(n-1)-q(n-2)/n et les premiers termes 2 et -1"}),
        0);
    std::array<double, kDernier + 1> v{}, w{}, q{};
    v[0] = -4;
    w[0] = w[1] = 1;
    q[0] = 2;
    q[1] = -1;
    for (int n = 1; n <= kDernier; ++n)
        v[n] = v[n - 1] + 3;
    for (int n = 2; n <= kDernier; ++n) {
        w[n] = w[n - 1] + w[n - 2];
        q[n] = 0.5 * q[n - 1] - q[n - 2] / n;
    }
    EXPECT_EQ(w[kDernier], 10946); // the 21st Fibonacci number
    for (int n = 0; n <= kDernier; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(en("u", n), 2.0 * n + 1);
        EXPECT_EQ(en("v", n), v[n]);
        EXPECT_EQ(en("w", n), w[n]);
        EXPECT_NEAR(en("q", n).value_or(NAN), q[n], 1e-12);
    }
    // Downwards: every request below the cache starts again from the
    // initial terms.
    for (int n = kDernier; n >= 0; --n) {
        EXPECT_EQ(en("w", n), w[n]) << n;
        EXPECT_NEAR(en("q", n).value_or(NAN), q[n], 1e-12) << n;
    }
}

TEST_F(Suites, ARecurrentSequenceGoesOnFromItsLastTerm) {
    ASSERT_EQ(
        litFigure({"w suite définie à partir de 0 par w(n)=w(n-1)+w(n-2) et les premiers termes 1 et 1"}), 0);
    const TFonctionCompilee& c = *fonctionDeObjet(f, numero("w"))->compilee;
    struct Pas {
        int n;
        double attendu;
        int32_t cache;
    };
    // The cache holds the last index asked for; asking for the term just
    // before it needs no step.
    const Pas pas[] = {{10, 89, 10}, {11, 144, 11}, {10, 89, 11}, {5, 8, 5},
                       {1, 1, 5},    {0, 1, 5},     {6, 13, 6}};
    for (const Pas& p : pas) {
        EXPECT_EQ(en("w", p.n), p.attendu) << p.n;
        EXPECT_EQ(c.dernierIndice, p.cache) << p.n;
    }
}

TEST_F(Suites, IndicesMustBeIntegersFromTheFirstIndexOn) {
    ASSERT_EQ(
        litFigure({"u suite définie à partir de 3 par u(n)=n^2",
                   "w suite définie à partir de 2 par w(n)=w(n-1)-w(n-2) et les premiers termes 5 et 7"}),
        0);
    struct Cas {
        double x;
        std::optional<double> u, w;
    };
    const Cas cas[] = {
        {2.0000005, std::nullopt, 5}, // within 1e-6 of 2: index 2, below u's first index
        {3, 9, 7},
        {4.0000009, 16, 2},
        {4.1, std::nullopt, std::nullopt},
        {1, std::nullopt, std::nullopt},
        {-1, std::nullopt, std::nullopt},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(en("u", c.x), c.u) << c.x;
        EXPECT_EQ(en("w", c.x), c.w) << c.x;
    }
}

TEST_F(Suites, AFirstIndexOutsideZeroToThirtyThousandIsRefused) {
    ASSERT_EQ(litFigure({"a = 2.5", "u suite définie à partir de a par u(n)=n", "b = 40000",
                         "v suite définie à partir de b par v(n)=n"}),
              0);
    EXPECT_FALSE(defini("u"));
    EXPECT_EQ(objet(f, numero("u")).raison, 469);
    EXPECT_EQ(objet(f, numero("v")).raison, 469);
    ASSERT_EQ(ligne("a = 4"), 0);
    EXPECT_TRUE(defini("u"));
    EXPECT_EQ(en("u", 4), 4.0);
    EXPECT_FALSE(en("u", 3).has_value());
}

TEST_F(Suites, SequencesInNumberExpressions) {
    ASSERT_EQ(litFigure({"w suite définie à partir de 0 par w(n)=w(n-1)+w(n-2) et les premiers termes 0 et 1",
                         "u suite définie à partir de 1 par u(n)=1/n", "a = w(10)+u(4)", "b = w(u(1))"}),
              0);
    EXPECT_DOUBLE_EQ(val("a"), 55 + 0.25);
    EXPECT_DOUBLE_EQ(val("b"), 1);
}

TEST_F(Suites, ShortFormsOfRecurrences) {
    ASSERT_EQ(litFigure({"p suite définie à partir de 1 par p(n)=p(n-2) et les premiers termes 4 et -3",
                         "c suite définie à partir de 0 par c(n)=c(n-1) et le premier terme 6",
                         "d suite définie à partir de 0 par d(n)=d(n-1) et les premiers termes 6 et 8",
                         "r suite définie à partir de 0 par r(n)=n et le premier terme 10"}),
              0)
        << dernierMessage();
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(en("p", n), (n - 1) % 2 == 0 ? 4.0 : -3.0) << n;
    EXPECT_EQ(en("c", 0), 6.0);
    EXPECT_EQ(en("c", 12), 6.0);
    EXPECT_EQ(en("d", 0), 6.0);
    EXPECT_EQ(en("d", 1), 8.0);
    EXPECT_EQ(en("d", 12), 8.0);
    EXPECT_EQ(en("r", 0), 10.0);
    EXPECT_EQ(en("r", 5), 5.0);
}

TEST_F(Suites, AFailingTermMakesItAndEveryLaterTermUndefined) {
    // The term of index 7 divides by zero.
    ASSERT_EQ(litFigure({"u suite définie à partir de 0 par u(n)=u(n-1)+1/(7-n) et le premier terme 0"}), 0);
    double attendu = 0;
    for (int n = 1; n <= 6; ++n)
        attendu += 1.0 / (7 - n);
    // Asked first for a far index: the run stops at 7 and remembers it.
    EXPECT_FALSE(en("u", 20).has_value());
    EXPECT_FALSE(en("u", 7).has_value());
    EXPECT_FALSE(en("u", 8).has_value());
    EXPECT_NEAR(en("u", 6).value_or(NAN), attendu, 1e-12);
    EXPECT_FALSE(en("u", 20).has_value());
}

TEST_F(Suites, FirstZeroTerm) {
    ASSERT_EQ(
        litFigure({// n^2 - 10n + 21 = (n - 3)(n - 7): first zero at 3, none from 8 on.
                   "u suite définie à partir de 0 par u(n)=n^2-10n+21",
                   "a indice du premier terme nul de la suite u",
                   "v suite définie à partir de 8 par v(n)=n^2-10n+21",
                   "b indice du premier terme nul de la suite v",
                   // 30 - 3n: zero at n = 10.
                   "w suite définie à partir de 0 par w(n)=w(n-1)-3 et le premier terme 30",
                   "c indice du premier terme nul de la suite w",
                   // Fibonacci from 0: its first term is the zero.
                   "x suite définie à partir de 2 par x(n)=x(n-1)+x(n-2) et les premiers termes 0 et 1",
                   "d indice du premier terme nul de la suite x",
                   // 1, 1/2, 1/4 ...: the first term below 1e-10 counts as zero.
                   "y suite définie à partir de 0 par y(n)=y(n-1)/2 et le premier terme 1",
                   "e indice du premier terme nul de la suite y",
                   // An alternating recurrence of order 2 reaching 0 at its third term.
                   "z suite définie à partir de 5 par z(n)=z(n-1)+z(n-2) et les premiers termes 2 et -2",
                   "g indice du premier terme nul de la suite z"}),
        0);
    EXPECT_DOUBLE_EQ(val("a"), 3);
    EXPECT_FALSE(defini("b"));
    EXPECT_EQ(objet(f, numero("b")).raison, 510);
    EXPECT_DOUBLE_EQ(val("c"), 10);
    EXPECT_DOUBLE_EQ(val("d"), 2);
    // 2^-34 is the first power of 1/2 below 1e-10.
    EXPECT_DOUBLE_EQ(val("e"), std::ceil(std::log2(1e10)));
    EXPECT_DOUBLE_EQ(val("g"), 7);
}

TEST_F(Suites, SequenceNamesAndDefinitionsAreChecked) {
    ASSERT_EQ(litFigure({}), 0);
    struct Cas {
        const char* ligne;
        const char* message;
    };
    const Cas cas[] = {
        {"n suite définie à partir de 0 par n(n)=n", "Le nom d'une suite est limité à un caractère"},
        {"u suite définie à partir de 0 par v(n)=n", "l'expression doit commencer par u(n)= ."},
        {"u suite définie à partir de 0 par u(n)=u(n)+1 et le premier terme 1", "utiliser seulement u(n-1)."},
        {"u suite définie à partir de 0 par u(n)=u(n+1) et le premier terme 1", "utiliser seulement u(n-1)."},
        {"u suite définie à partir de 0 par u(n)=u(n-3) et les premiers termes 1 et 2",
         "utiliser seulement u(n-1) ou u(n-2)."},
        {"u suite définie à partir de 0.5 par u(n)=n", "des entiers de 0 à 30000."},
    };
    for (const Cas& c : cas) {
        EXPECT_NE(ligne(c.ligne), 0) << c.ligne;
        EXPECT_NE(dernierMessage().find(windows1252DeUtf8(c.message)), std::string::npos) << c.ligne;
        EXPECT_EQ(numero("u"), 0) << c.ligne;
    }
}

} // namespace
} // namespace km32::essai
