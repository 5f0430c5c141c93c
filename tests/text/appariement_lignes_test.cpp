#include "text/appariement_lignes.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "phrases_essai.h"
#include "text/ligne_figure.h"

namespace km32 {
namespace {

using essai::w;

TEST(Normalisation, BlanksAroundSeparatorsAndUpperCase) {
    struct Cas {
        const char* texte;
        const char* attendu;
    };
    const Cas cas[] = {
        {"  m  milieu  du  SEGMENT  ", "M MILIEU DU SEGMENT"},
        {"x : y", "X:Y"},
        {"a , b ,c", "A,B,C"},
        {"# 2 milieu #1", "#2 MILIEU#1"},
        {"a = 3 * x", "A=3 * X"},
        {"a  :  ,  b", "A:,B"},
        {"a\tb", "A\tB"},           // a tab is an ordinary character
        {"\xE9t\xE9", "\xE9T\xE9"}, // accented letters keep their case
        {";\\;2010;\\;R", ";\\;2010;\\;R"},
        {"   ", ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(normaliseLigne(c.texte), c.attendu) << c.texte;
}

TEST(Parentheses, OneCounterForBothKinds) {
    struct Cas {
        const char* texte;
        bool equilibre;
    };
    const Cas cas[] = {{"", true},     {"f(2)", true}, {"(]", true},  {"[a(b)]", true},
                       {"f(2", false}, {")(", false},  {"a]", false}, {"((a)", false}};
    for (const Cas& c : cas)
        EXPECT_EQ(parenthesesEquilibrees(c.texte), c.equilibre) << c.texte;
}

TEST(PosDepuis, FromAPositionAndNeverAnEmptyPiece) {
    EXPECT_EQ(posDepuis(1, "ET", "A ET B ET C"), 3u);
    EXPECT_EQ(posDepuis(4, "ET", "A ET B ET C"), 8u);
    EXPECT_EQ(posDepuis(9, "ET", "A ET B ET C"), 0u);
    EXPECT_EQ(posDepuis(20, "ET", "A ET B ET C"), 0u);
    EXPECT_EQ(posDepuis(1, "", "A ET B"), 0u);
}

struct Morceau {
    int debut;
    int longueur;
    std::string texte;
};

TModeleLigne analyse(const std::string& texteUtf8) {
    TModeleLigne m;
    m.modele = w(texteUtf8);
    analyseModeleLigne(m);
    return m;
}

void verifieAnalyse(const TModeleLigne& m, const std::string& modele, std::vector<int> ordre,
                    std::vector<Morceau> morceaux, int plusLong) {
    EXPECT_TRUE(m.utilisable);
    EXPECT_EQ(m.modele, w(modele));
    ASSERT_EQ(m.nombreParametres, ordre.size());
    for (std::size_t i = 0; i < ordre.size(); ++i)
        EXPECT_EQ(m.ordreParametres[i + 1], ordre[i]) << i;
    ASSERT_EQ(m.nombreMorceaux, morceaux.size());
    for (std::size_t k = 0; k < morceaux.size(); ++k) {
        EXPECT_EQ(m.debutMorceau[k + 1], morceaux[k].debut) << k;
        EXPECT_EQ(m.longueurMorceau[k + 1], morceaux[k].longueur) << k;
        EXPECT_EQ(m.morceau(int(k) + 1), w(morceaux[k].texte)) << k;
    }
    EXPECT_EQ(m.morceauLePlusLong, plusLong);
}

TEST(AnalyseModele, RealPatternsFieldByField) {
    verifieAnalyse(analyse("#2 milieu du segment #1"), "\\MILIEU DU SEGMENT\\", {2, 1},
                   {{2, 17, "MILIEU DU SEGMENT"}}, 1);
    verifieAnalyse(analyse("#4 point d'intersection #1 de la droite #2 et du cercle #3"),
                   "\\POINT D'INTERSECTION\\DE LA DROITE\\ET DU CERCLE\\", {4, 1, 2, 3},
                   {{2, 20, "POINT D'INTERSECTION"}, {23, 12, "DE LA DROITE"}, {36, 12, "ET DU CERCLE"}}, 1);
    // Of equally long pieces the last is the longest; here the middle one wins.
    verifieAnalyse(analyse("#2 = #1 (unité de longueur #3)"), "\\=\\(UNITé DE LONGUEUR\\)", {2, 1, 3},
                   {{2, 1, "="}, {4, 18, "(UNITé DE LONGUEUR"}, {23, 1, ")"}}, 2);
    verifieAnalyse(analyse("A la place de #1, afficher: #2"), "A LA PLACE DE\\,AFFICHER:\\", {1, 2},
                   {{1, 13, "A LA PLACE DE"}, {15, 10, ",AFFICHER:"}}, 1);
    verifieAnalyse(analyse("Fin de la figure"), "FIN DE LA FIGURE", {}, {{1, 16, "FIN DE LA FIGURE"}}, 1);
    verifieAnalyse(analyse("#1 x #2 y"), "\\X\\Y", {1, 2}, {{2, 1, "X"}, {4, 1, "Y"}}, 2);
}

TEST(AnalyseModele, PlaceholdersThatMeetLeaveAnEmptyPiece) {
    TModeleLigne m = analyse("#1 #2");
    EXPECT_EQ(m.modele, "\\\\");
    EXPECT_EQ(m.nombreMorceaux, 1);
    EXPECT_EQ(m.longueurMorceau[1], 0);
}

TEST(AnalyseModele, TextsThatAreNoPatternMatchNothing) {
    for (const char* texte :
         {"#1 et #0", "#a et b", "fin #", "#1 a #2 b #3 c #4 d #5 e #6 f #7 g #8 h #9 i #1"}) {
        TModeleLigne m = analyse(texte);
        EXPECT_FALSE(m.utilisable) << texte;
        TLigneFigure l;
        l.ligne = "a et b";
        prepareLigneFigure(l);
        EXPECT_FALSE(apparieModeleLigne(l, m)) << texte;
    }
}

struct CasAppariement {
    const char* modele;
    const char* ligne;
    bool controle;
    bool correspond;
    std::map<int, std::string> arguments; // expected, by slot
};

TEST(Appariement, TableOfLines) {
    const CasAppariement cas[] = {
        {"#2 milieu du segment #1", "M milieu du segment [AB]", true, true, {{2, "M"}, {1, "[AB]"}}},
        {"#2 milieu du segment #1", "m  milieu du SEGMENT  [AB]", true, true, {{2, "m"}, {1, "[AB]"}}},
        {"#2 milieu du segment #1", "M milieu du segment   ", true, false, {}}, // final argument empty
        {"#2 milieu du segment #1", "abcdefghi milieu du segment [AB]", true, true, {{2, "abcdefghi"}}},
        {"#2 milieu du segment #1",
         "abcdefghij milieu du segment [AB]",
         true,
         false,
         {}}, // leading text > 10
        {"#2 = #1", "a = 3*x+1", true, true, {{2, "a"}, {1, "3*x+1"}}},
        {"#2 = #1", "abcdefghi = 2", true, true, {{2, "abcdefghi"}, {1, "2"}}},
        {"#2 = #1", "abcdefghij = 2", true, false, {}},
        {"#2 = #1", "x = f(2", true, false, {}},
        {"#2 = #1", "x = f(2", false, true, {{1, "f(2"}}},
        {"#3 point d'intersection des droites #1 et #2",
         "P point d'intersection des droites et Q",
         true,
         true,
         {{3, "P"}, {1, ""}, {2, "Q"}}},
        {"#2 affichage du texte: #1",
         "T affichage du texte: bonjour (a",
         false,
         true,
         {{2, "T"}, {1, "bonjour (a"}}},
        {"#2 affichage du texte: #1", "T affichage du texte: bonjour (a", true, false, {}},
        {"#3 point d'abscisse #2 dans le repère #1 (unité de longueur #4)",
         "A point d'abscisse 2 dans le repère R (unite de longueur u)",
         true,
         false,
         {}},
        {"#5 point de coordonnées (#2,#3,#4) dans le repère #1",
         "P point de coordonnées (1,2,3) dans le repère Rxyz",
         true,
         true,
         {{5, "P"}, {2, "1"}, {3, "2"}, {4, "3"}, {1, "Rxyz"}}},
        // An unbalanced argument sends the piece on to its next occurrence.
        {"#1 et #2", "f(a et b) et c", true, true, {{1, "f(a et b)"}, {2, "c"}}},
        // When a later piece fails, the earlier one moves right: the first
        // "de" leaves more than 9 characters before "=", the second does not.
        {"#1 de #2 = #3", "a de b de cdefgh = 5", true, true, {{1, "a de b"}, {2, "cdefgh"}, {3, "5"}}},
        // A pattern that ends with a piece: its last piece must end the line.
        {"#1 sur #2 fin", "A sur B fin sur C fin", true, true, {{1, "A"}, {2, "B fin sur C"}}},
        {"#1 point libre dans l'espace", "A point libre dans l'espace", true, true, {{1, "A"}}},
        {"#1 point libre dans l'espace", "A point libre dans l'espace bis", true, false, {}},
        {"Fin de la figure", "fin  de la FIGURE", true, true, {}},
        {"Fin de la figure", "Fin de la figure x", true, false, {}},
        {"A la place de #1, afficher: #2",
         "A la place de M , afficher : x",
         true,
         true,
         {{1, "M"}, {2, "x"}}},
        {"A la place de #1, afficher: #2", "Et a la place de M, afficher: x", true, false, {}},
        {"#1 #2", "a b", true, false, {}},
    };
    for (const CasAppariement& c : cas) {
        TModeleLigne m = analyse(c.modele);
        TLigneFigure l;
        l.ligne = w(c.ligne);
        prepareLigneFigure(l);
        l.controleParentheses = c.controle ? 1 : 0;
        EXPECT_EQ(apparieModeleLigne(l, m), c.correspond) << c.modele << " / " << c.ligne;
        if (!c.correspond) continue;
        EXPECT_EQ(l.nombreArguments, m.nombreParametres) << c.ligne;
        for (const auto& [slot, texte] : c.arguments)
            EXPECT_EQ(l.arguments[slot], w(texte)) << c.ligne << " #" << slot;
    }
}

} // namespace
} // namespace km32
