// Functions defined by values: the table itself (interpolation, points kept
// sorted and replaced within 1e-6, removal of intervals, the 500-point
// limit) and the figure lines that fill and empty it.
#include <cmath>

#include "banc_fonctions.h"
#include "model/fonctions/fonction_valeurs.h"

namespace km32::essai {
namespace {

std::optional<double> evalue(const TFonctionTable& t, double x) {
    uint8_t nonDefini = 0;
    double r = -1;
    evalueFonctionTable(t, nonDefini, r, x);
    if (nonDefini) return std::nullopt;
    return r;
}

TFonctionTable table(std::initializer_list<std::pair<double, double>> points, bool interpolation) {
    TFonctionTable t;
    t.interpolation = interpolation ? 1 : 0;
    for (auto [x, y] : points)
        EXPECT_TRUE(ajoutePointFonctionTable(t, x, y));
    return t;
}

TEST(TableDeValeurs, InterpolationBetweenPointsAndValuesAtPoints) {
    // Points given out of order; the line through (2,4) and (5,-2) has
    // slope -2.
    const TFonctionTable avec = table({{2, 4}, {0, 0}, {5, -2}}, true);
    const TFonctionTable sans = table({{2, 4}, {0, 0}, {5, -2}}, false);
    struct Cas {
        double x;
        std::optional<double> avec, sans;
    };
    const Cas cas[] = {
        {0, 0, 0},
        {0.0000005, 0.000001, 0},
        {1, 2, std::nullopt},
        {2, 4, 4},
        {1.9999995, 4 - 0.000001, 4},
        {3.5, 1, std::nullopt},
        {5, -2, -2},
        {5.0000005, -2, -2},
        {5.1, std::nullopt, std::nullopt},
        {-0.1, std::nullopt, std::nullopt},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.x);
        const auto a = evalue(avec, c.x), s = evalue(sans, c.x);
        ASSERT_EQ(a.has_value(), c.avec.has_value());
        if (a) {
            EXPECT_NEAR(*a, *c.avec, 1e-12);
        }
        EXPECT_EQ(s, c.sans);
    }
    EXPECT_EQ(evalue(TFonctionTable{}, 0), std::nullopt);
}

TEST(TableDeValeurs, PointsStaySortedAndCloseOnesAreReplaced) {
    TFonctionTable t = table({{3, 30}, {1.0000001, 10}, {2, 20}, {-1, -10}}, true);
    EXPECT_TRUE(ajoutePointFonctionTable(t, 1, 5));         // replaces x = 1.0000001
    EXPECT_TRUE(ajoutePointFonctionTable(t, 3.0000004, 7)); // replaces the last point
    EXPECT_TRUE(ajoutePointFonctionTable(t, 1.5, 15));      // inserted between 1 and 2
    ASSERT_EQ(t.nombrePoints, 5);
    const double x[] = {-1, 1.0000001, 1.5, 2, 3}, y[] = {-10, 5, 15, 20, 7};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(t.x[std::size_t(k + 1)], x[k]);
        EXPECT_EQ(t.y[std::size_t(k + 1)], y[k]);
    }
    EXPECT_EQ(t.xmin, -1);
    EXPECT_EQ(t.xmax, 3);
}

TEST(TableDeValeurs, AFullTableRefusesNewPointsButStillReplaces) {
    TFonctionTable t;
    for (int k = 1; k <= kMaxPointsFonctionTable; ++k)
        ASSERT_TRUE(ajoutePointFonctionTable(t, k, k));
    EXPECT_FALSE(ajoutePointFonctionTable(t, 0, 0));
    EXPECT_FALSE(ajoutePointFonctionTable(t, 1000, 0));
    EXPECT_FALSE(ajoutePointFonctionTable(t, 2.5, 0));
    EXPECT_TRUE(ajoutePointFonctionTable(t, 3, -3));
    EXPECT_EQ(t.nombrePoints, kMaxPointsFonctionTable);
    EXPECT_EQ(t.y[3], -3);
}

TEST(TableDeValeurs, RemovalOfIntervals) {
    struct Cas {
        double a, b;
        std::vector<double> restent;
    };
    const Cas cas[] = {
        {3, 1, {0, 4}},           {1.0000005, 2.9999995, {0, 4}},
        {1.1, 2.9, {0, 1, 3, 4}}, {-10, 0, {1, 2, 3, 4}},
        {4, 9, {0, 1, 2, 3}},     {5, 9, {0, 1, 2, 3, 4}},
        {2, 2, {0, 1, 3, 4}},     {-1, 5, {}},
    };
    for (const Cas& c : cas) {
        TFonctionTable t = table({{0, 0}, {1, 1}, {2, 4}, {3, 9}, {4, 16}}, true);
        otePointsFonctionTable(t, c.a, c.b);
        ASSERT_EQ(t.nombrePoints, c.restent.size()) << c.a << ".." << c.b;
        for (std::size_t k = 0; k < c.restent.size(); ++k)
            EXPECT_EQ(t.x[k + 1], c.restent[k]);
        if (!c.restent.empty()) {
            EXPECT_EQ(t.xmin, c.restent.front());
            EXPECT_EQ(t.xmax, c.restent.back());
        } else {
            // The ends stay; the empty table is undefined everywhere.
            EXPECT_EQ(t.xmin, 0);
            EXPECT_EQ(t.xmax, 4);
            EXPECT_EQ(evalue(t, 2), std::nullopt);
        }
    }
}

class ValeursDeFigure : public BancFonctions {};

TEST_F(ValeursDeFigure, ValueLinesFillTheTableAndTheDependantsFollow) {
    ASSERT_EQ(litFigure({"g fonction définie par valeurs (avec interpolation)",
                         "h fonction définie par valeurs (sans interpolation)", "a = g(1)+g(3.5)",
                         "Valeurs pour g: (0,0) (2,4),(5,-2)  ,(6,1)", "Valeurs pour h: (1,2) (3,4)"}),
              0);
    EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->nombrePoints, 4);
    EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->interpolation, 1);
    EXPECT_EQ(tableDeValeursDeObjet(f, numero("h"))->interpolation, 0);
    EXPECT_TRUE(defini("a"));
    EXPECT_DOUBLE_EQ(val("a"), 2 + 1);
    EXPECT_EQ(en("g", 5.5), -0.5);
    EXPECT_EQ(en("h", 3), 4.0);
    EXPECT_FALSE(en("h", 2).has_value());

    ASSERT_EQ(ligne("Supprimer pour g les images de: 3...1, 6"), 0);
    EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->nombrePoints, 2);
    // Now g joins (0,0) to (5,-2).
    EXPECT_DOUBLE_EQ(val("a"), -0.4 - 1.4);
    ASSERT_EQ(ligne("Supprimer pour g les images de: -inf..0"), 0);
    EXPECT_EQ(en("g", 5), -2.0);
    EXPECT_FALSE(en("g", 4).has_value());
}

TEST_F(ValeursDeFigure, TextsOfPointsAndTheirErrors) {
    ASSERT_EQ(litFigure({"g fonction définie par valeurs (avec interpolation)"}), 0);
    const uint8_t emplacement = objet(f, numero("g")).emplacementFonction;
    struct Cas {
        const char* texte;
        uint16_t erreur;
        int points; // added before the error
        const char* nom = "";
    };
    const Cas cas[] = {
        {"(1,2) (3,4),(5,6)", 0, 3},
        {" ,, (1,2)  ", 0, 1},
        {"(1,2) (3,4", 563, 1},
        {"(5,6) ()", 539, 1},
        {"(1;2)", 563, 0},
        {"7,(8,9)", 563, 0},
        {"(a,2)", 624, 0, "a,2"},
        {"(0,1) (1e3,-2.5e-1)", 0, 2},
        // Too large for a double: no abscissa or ordinate of a table.
        {"(1e999,2)", 624, 0, "1e999,2"},
        {"(0,1) (2,-1e400)", 624, 1, "2,-1e400"},
        // Expressions are for the host's lines only.
        {"(max(1,2),3)", 624, 0, "max(1,2),3"},
    };
    for (const Cas& c : cas) {
        tableDeValeursDeObjet(f, numero("g"))->nombrePoints = 0;
        nomErreur1().clear();
        uint16_t erreur = 0;
        ajoutePointsDeTexte(f, emplacement, c.texte, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->nombrePoints, c.points) << c.texte;
        EXPECT_EQ(nomErreur1(), c.nom) << c.texte;
    }
}

TEST_F(ValeursDeFigure, TheHostsLinesMayWriteExpressions) {
    ASSERT_EQ(litFigure({"g fonction définie par valeurs (avec interpolation)", "b = 4"}), 0);
    const uint8_t emplacement = objet(f, numero("g")).emplacementFonction;
    GardeValeur<uint8_t> hote(f.lignesHoteEnCours, 1);
    uint16_t erreur = 0;
    ajoutePointsDeTexte(f, emplacement, "(max(1,2),b*3) (b, sqrt(b))", erreur);
    EXPECT_EQ(erreur, 0);
    EXPECT_EQ(en("g", 2), 12.0);
    EXPECT_EQ(en("g", 4), 2.0);
    ajoutePointsDeTexte(f, emplacement, "(1/0,1)", erreur);
    EXPECT_EQ(erreur, 624);
    erreur = 0;
    ajoutePointsDeTexte(f, emplacement, "(5,10^400)", erreur);
    EXPECT_EQ(erreur, 624);
    EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->nombrePoints, 2);
}

TEST_F(ValeursDeFigure, TextsOfRemovals) {
    ASSERT_EQ(litFigure({"g fonction définie par valeurs (avec interpolation)"}), 0);
    const uint8_t emplacement = objet(f, numero("g")).emplacementFonction;
    struct Cas {
        const char* texte;
        std::vector<double> restent;
        uint16_t erreur = 0;
    };
    const Cas cas[] = {
        {"1", {-2, 0, 2, 3}},    {"3..1", {-2, 0}},    {"1 ... 3, -2", {0}},   {"-inf..0", {1, 2, 3}},
        {"2..+inf", {-2, 0, 1}}, {"-inf .. +inf", {}}, {"", {-2, 0, 1, 2, 3}}, {"0..q", {-2, 0, 1, 2, 3}, 1},
    };
    for (const Cas& c : cas) {
        TFonctionTable& t = *tableDeValeursDeObjet(f, numero("g"));
        t.nombrePoints = 0;
        for (double x : {3.0, -2.0, 0.0, 1.0, 2.0})
            ajoutePointFonctionTable(t, x, x * x);
        uint16_t erreur = 0;
        otePointsDeTexte(f, emplacement, c.texte, erreur);
        EXPECT_EQ(erreur != 0, c.erreur != 0) << c.texte;
        ASSERT_EQ(t.nombrePoints, c.restent.size()) << c.texte;
        for (std::size_t k = 0; k < c.restent.size(); ++k)
            EXPECT_EQ(t.x[k + 1], c.restent[k]) << c.texte;
    }
}

// A value line that fails on a point adds none of its points (the line is
// refused whole, its reason named); a line about a function not given by
// values changes no table; an unclosed point is no sentence.
TEST_F(ValeursDeFigure, AFailingValueLineAddsNoneOfItsPoints) {
    ASSERT_EQ(litFigure({"g fonction définie par valeurs (avec interpolation)", "f fonction: x|->x",
                         "Valeurs pour g: (0,1)"}),
              0);
    struct Cas {
        const char* ligne;
        const char* message; // "" when the line is no sentence (616, no box of its own)
    };
    const Cas cas[] = {
        {"Valeurs pour f: (1,2)", "f n'est pas définie par valeurs."},
        {"Supprimer pour f les images de: 1", "f n'est pas définie par valeurs."},
        {"Valeurs pour g: (5,6) (a,2)", "Valeur incorrecte: a,2"},
        {"Valeurs pour g: (5,7) ()", "Il manque une donnée."},
        {"Valeurs pour g: (8,9) (3,4", ""},
    };
    for (const Cas& c : cas) {
        platform::boitesDemandees().clear();
        const uint16_t r = ligne(c.ligne);
        EXPECT_NE(r, 0) << c.ligne;
        if (*c.message)
            EXPECT_NE(dernierMessage().find(windows1252DeUtf8(c.message)), std::string::npos)
                << c.ligne << dernierMessage();
        else
            EXPECT_EQ(r, 616) << c.ligne;
        EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->nombrePoints, 1) << c.ligne;
    }
    EXPECT_EQ(tableDeValeursDeObjet(f, numero("g"))->y[1], 1);
}

TEST_F(ValeursDeFigure, ThePointAfterAFullTableIsRefused) {
    std::vector<std::string> lignes = {"g fonction définie par valeurs (sans interpolation)"};
    for (int k = 1; k <= kMaxPointsFonctionTable; k += 20) {
        std::string points;
        for (int j = k; j < k + 20; ++j)
            points += "(" + std::to_string(j) + "," + std::to_string(2 * j) + ") ";
        lignes.push_back("Valeurs pour g: " + points);
    }
    ASSERT_EQ(litFigure(lignes), 0);
    ASSERT_EQ(tableDeValeursDeObjet(f, numero("g"))->nombrePoints, kMaxPointsFonctionTable);
    EXPECT_NE(ligne("Valeurs pour g: (0.5,1)"), 0);
    EXPECT_NE(dernierMessage().find(windows1252DeUtf8("Structure saturée")), std::string::npos);
    EXPECT_EQ(en("g", 500), 1000.0);
}

} // namespace
} // namespace km32::essai
