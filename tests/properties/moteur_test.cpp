// The engine below the sentences: predicates and their tolerance, the
// reading of requests, the driver's counter-example, the sampling plan and
// the trial moves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "banc_proprietes.h"
#include "model/objets_figure.h"
#include "properties/essais_libres.h"
#include "properties/moteur_test.h"
#include "properties/plan_tirages.h"
#include "properties/predicats_test.h"

namespace km32::essais {
namespace {

class Moteur : public BancProprietes {
  protected:
    int num(int16_t n, const char* nom) { return numeroObjetDeNotation(f(n), nom); }
    TResultatTest valeurs(int16_t n, uint8_t code, const std::string& arguments, uint8_t tolerance = 0) {
        TRequeteTest q{&f(n), code, tolerance, windows1252DeUtf8(arguments)};
        TResultatTest r;
        evalueTestValeursActuelles(q, r);
        return r;
    }
};

// Points at known places (d = 2 and e = 5 are their distances AB, AE): D is 0.001 from (AB) (a line along x),
// E on the ray [AB) behind B, F behind A; U, V, W give lines in x, y and a direction that differs from x by
// 0.04 in y.
const char* const kPoints = "Figure Kalmetra\n"
                            "A point de coordonnées (0,0,0) dans le repère Rxyz\n"
                            "B point de coordonnées (2,0,0) dans le repère Rxyz\n"
                            "D point de coordonnées (1,0.001,0) dans le repère Rxyz\n"
                            "E point de coordonnées (5,0,0) dans le repère Rxyz\n"
                            "F point de coordonnées (-1,0,0) dans le repère Rxyz\n"
                            "U point de coordonnées (0,1,0) dans le repère Rxyz\n"
                            "V point de coordonnées (1,1.04,0) dans le repère Rxyz\n"
                            "W point de coordonnées (0,0,3) dans le repère Rxyz\n"
                            "d = AB\n"
                            "e = AE\n"
                            "Fin de la figure";

TEST_F(Moteur, PredicatesOnKnownPlaces) {
    struct Cas {
        uint8_t code;
        const char* arguments;
        uint8_t tolerance;
        bool vrai;
    };
    const Cas cas[] = {
        {1, "D;(AB)", 0, false},                              // 0.001 away, bound 0.0001
        {1, "E;F;(AB)", 0, true},    {13, "D;(AB)", 0, true}, // the negation
        {3, "E;[AB)", 0, true},      {3, "F;[AB)", 0, false},
        {3, "A;[AB)", 0, true}, // the origin lies on its ray
        {2, "A;[AB]", 0, true}, // so do the ends of a segment
        {2, "B;[AB]", 0, true},      {2, "E;[AB]", 0, false},
        {3, "W;[AW)", 0, true}, // a ray along z
        {6, "A;B;E;F", 0, true},     {6, "A;B;D", 0, false},
        {9, "A;F;B", 0, false},      {22, "(AB);(UV)", 0, false},
        {22, "(AB);(UV)", 5, true},                         // every component of u x v below 0.05
        {22, "(AB);(UV)", 3, false}, {22, "(AB)", 0, true}, // one valid line: nothing to compare
        {32, "(AB)", 0, false},      {23, "(AB);(AU)", 0, true},
        {23, "(AB);(AV)", 0, false}, {31, "(AB);(UV)", 0, true}, // both in z = 0
        {31, "(AB);(UW)", 0, false}, {11, "A;B;U;xoy", 0, true},
        {11, "W;xoy", 0, false},     {29, "(AW);xoy", 0, true},
        {28, "(AB);xoy", 0, true},   {42, "ABU;xoy", 0, true},
        {62, "d;3", 0, true},  // 2 <= 3
        {63, "d;3", 0, false}, // 2 >= 3
        {61, "e;5", 0, true},        {61, "e;d", 0, false},
        {64, "1;d;3", 0, true},      {64, "1;e;3", 0, false},
    };
    const int16_t n = figure(kPoints);
    for (const Cas& c : cas) {
        const TResultatTest r = valeurs(n, c.code, c.arguments, c.tolerance);
        EXPECT_TRUE(r.argumentsLus) << int(c.code) << " " << c.arguments;
        EXPECT_EQ(r.vrai, c.vrai) << int(c.code) << " " << c.arguments << " t=" << int(c.tolerance);
    }
}

TEST_F(Moteur, ToleranceInPixelsFollowsTheZoom) {
    const int16_t n = figure(kPoints);
    // D is 0.001 model units from (AB): on it within t pixels when t / P > 0.001.
    TfigureKalmetra& g = f(n);
    g.longueurUnitePixels = 4000; // 5 pixels = 0.00125 units
    EXPECT_TRUE(valeurs(n, 1, "D;(AB)", 5).vrai);
    g.longueurUnitePixels = 8000; // zoomed twice: 5 pixels = 0.000625 units
    EXPECT_FALSE(valeurs(n, 1, "D;(AB)", 5).vrai);
}

TEST_F(Moteur, ArgumentReading) {
    const int16_t n = figure(kPoints);
    TArgumentsTest a;
    EXPECT_TRUE(lisArgumentsDuTest(f(n), 22, "(AB);(UV)", a));
    EXPECT_EQ(a.nombre, 4);
    EXPECT_EQ(a.objets[1], num(n, "A"));
    EXPECT_EQ(a.objets[4], num(n, "V"));
    EXPECT_TRUE(lisArgumentsDuTest(f(n), 11, "A;xoy", a));
    EXPECT_EQ(a.nombre, 4);
    EXPECT_TRUE(lisArgumentsDuTest(f(n), 62, "d; 2.5", a));
    EXPECT_EQ(a.objets[2], kAucunObjet);
    EXPECT_DOUBLE_EQ(a.reels[2], 2.5);
    EXPECT_FALSE(lisArgumentsDuTest(f(n), 6, "A;B;D;E;F;U;V;W;A;B;D", a)); // 11 items
    EXPECT_FALSE(lisArgumentsDuTest(f(n), 9, "A;B", a));                   // exactly three
    EXPECT_FALSE(lisArgumentsDuTest(f(n), 6, "A;Q", a));                   // no such point
    EXPECT_FALSE(valeurs(n, 6, "A;B;D;E;F;U;V;W;A;B;D").argumentsLus);
}

const char* const kLibres = "Figure Kalmetra\n"
                            "A point libre dans l'espace\n"
                            "B point libre dans l'espace\n"
                            "Objet libre A, paramètres: 0, 0, 0\n"
                            "Objet libre B, paramètres: 4, 0, 0\n"
                            "C point libre sur le segment [AB]\n"
                            "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\n"
                            "S point libre sur la sphère s\n"
                            "Fin de la figure";

// The counter-example counts the free objects moved (each once) and, apart,
// their free values: A and B in space 3 each, C's parameter 1, S's
// longitude and latitude 2. One result record serves every row, so a run
// that holds must leave no counter-example of the run before it.
TEST_F(Moteur, CounterExampleHoldsTheFailingDrawing) {
    const int16_t n = figure(kLibres);
    struct Cas {
        const char* arguments;
        const char* aVarier;
        bool vrai;
        uint8_t objets, valeurs;
    };
    const Cas cas[] = {
        {"S;(AB)", "", false, 4, 3 + 3 + 1 + 2},
        {"C;(AB)", "", true, 0, 0}, // a point on a segment stays on its line
        {"S;(AB)", "S;C", false, 2, 2 + 1},
        {"S;(AB)", "S;S;C", false, 2, 2 + 1},
        {"S;(AB)", "A;B", false, 2, 3 + 3},
    };
    TResultatTest r;
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.arguments) + " moving " + c.aVarier);
        TRequeteTest q{&f(n), 1, 0, c.arguments};
        TDescriptionTest d;
        d.nomsAVarier = c.aVarier;
        evalueTest(q, d, r);
        ASSERT_EQ(r.vrai, c.vrai);
        EXPECT_EQ(r.nombreContreExemple, c.objets);
        EXPECT_EQ(r.ensembleContreExemple.count(), c.objets);
        EXPECT_EQ(r.nombreValeursContreExemple, c.valeurs);
    }
    // The values are those of the failing drawing, S's last.
    TRequeteTest q{&f(n), 1, 0, "S;(AB)"};
    TDescriptionTest d;
    evalueTest(q, d, r);
    ASSERT_FALSE(r.vrai);
    const double longitude = r.valeursContreExemple[7], latitude = r.valeursContreExemple[8];
    EXPECT_TRUE(longitude >= -180 && longitude < 180) << longitude;
    EXPECT_TRUE(latitude >= -90 && latitude < 90) << latitude;
}

TEST_F(Moteur, SamplingPlan) {
    const int16_t n = figure(kLibres);
    TPlanTirages plan;
    TNomsObjets noms;
    prepareTiragesAleatoires(f(n), noms, 255, plan);
    ASSERT_EQ(plan.nombre, 4);
    EXPECT_EQ(plan.entrees[0].objet, num(n, "A"));
    EXPECT_EQ(plan.entrees[2].typesTirage[0], 2); // the parameter on a segment
    EXPECT_EQ(plan.entrees[3].nombreComposantes, 2);
    EXPECT_EQ(plan.entrees[3].typesTirage[0], 6);
    EXPECT_EQ(plan.entrees[3].typesTirage[1], 7);
    noms[1] = "C";
    prepareTiragesAleatoires(f(n), noms, 1, plan);
    ASSERT_EQ(plan.nombre, 1);
    const double ax = valeurObjet(f(n), num(n, "A"), 1);
    for (int k = 0; k < 20; ++k) {
        retireValeursDuPlan(plan, f(n));
        const double t = valeurObjet(f(n), num(n, "C"), 4);
        EXPECT_TRUE(t >= 0 && t < 1) << t;
    }
    EXPECT_EQ(valeurObjet(f(n), num(n, "A"), 1), ax); // not in the plan: left alone
    for (uint8_t type : {4}) {
        for (int k = 0; k < 50; ++k) {
            const double v = tirageDeType(type);
            EXPECT_EQ(v, std::floor(v));
            EXPECT_TRUE(v >= -50 && v <= 49);
        }
    }
}

TEST_F(Moteur, TrialMoves) {
    const int16_t n = figure("Figure Kalmetra\n"
                             "A point de coordonnées (0,0,0) dans le repère Rxyz\n"
                             "B point de coordonnées (4,0,0) dans le repère Rxyz\n"
                             "C point libre sur le segment [AB]\n"
                             "n entier libre\n"
                             "x réel libre\n"
                             "Fin de la figure");
    TfigureKalmetra& g = f(n);
    const int c = num(n, "C"), k = num(n, "n"), r = num(n, "x");
    struct Cas {
        const char* nom;
        int objet;
        int valeur; // value index moved
        double avant;
        int32_t niveau;
        int8_t direction;
        double apres;
        int8_t directionApres;
    };
    const Cas cas[] = {
        {"C", c, 4, 0.5, 1, 1, 0.52, 1},             // level 1: 1/50
        {"C", c, 4, 0.5, 10, -1, 0.5 - 1.0 / 3, -1}, // level 10: 1/3
        {"C", c, 4, 0.5, 0, 1, 1.0, 1},              // level 0: 1/2
        {"C", c, 4, 0.99, 1, 1, 0.97, -1},           // bounces
        {"n", k, 1, 3, 2, -1, 1, -1},
        {"x", r, 1, 0.05, 1, 1, 0.35, 1},
        {"x", r, 1, 10, 1, 1, 10.2, 1},
    };
    for (const Cas& e : cas) {
        valeurObjet(g, e.objet, e.valeur) = e.avant;
        TEntreesEssai entrees;
        entrees.noms[1] = e.nom;
        entrees.niveaux[1] = e.niveau;
        entrees.directions[1][0] = e.direction;
        TEnsembleObjets deplaces;
        testeParTiragesAleatoires(g, entrees, 1, deplaces);
        EXPECT_NEAR(valeurObjet(g, e.objet, e.valeur), e.apres, 1e-12) << e.nom << " " << e.avant;
        EXPECT_EQ(entrees.directions[1][0], e.directionApres) << e.nom << " " << e.avant;
        EXPECT_TRUE(deplaces.test(std::size_t(e.objet)));
        EXPECT_EQ(deplaces.count(), 1u);
    }
}

// A name listed twice among the objects to vary keeps an entry for each
// time it is listed, so that the entries after it keep the places of their
// own settings: in "M;M;N", N is the third entry and moves by the third
// level, M by the first (a level-k walk on [0, 1] steps by 1/50, 1/40, ...,
// 1/3 at level 10).
TEST_F(Moteur, ANameListedTwiceKeepsTheEntriesAfterItInPlace) {
    const int16_t n = figure("Figure Kalmetra\n"
                             "A point de coordonnées (0,0,0) dans le repère Rxyz\n"
                             "B point de coordonnées (4,0,0) dans le repère Rxyz\n"
                             "M point libre sur le segment [AB]\n"
                             "N point libre sur le segment [AB]\n"
                             "Fin de la figure");
    TfigureKalmetra& g = f(n);
    const int m = num(n, "M"), k = num(n, "N");
    TNomsObjets noms;
    uint8_t nombre = 0;
    const struct {
        const char* liste;
        std::vector<std::string> attendus;
    } listes[] = {
        {"M;M;N", {"M", "M", "N"}},
        {"N;M;M", {"M", "M", "N"}}, // in the figure's order
        {"N;N", {"N", "N"}},
        {"N;A;M", {"M", "N"}}, // A is no free object
    };
    for (const auto& l : listes) {
        listeObjetsLibresNommes(g, l.liste, noms, nombre);
        ASSERT_EQ(nombre, l.attendus.size()) << l.liste;
        for (std::size_t i = 0; i < l.attendus.size(); ++i)
            EXPECT_EQ(noms[i + 1], l.attendus[i]) << l.liste << " " << i + 1;
    }

    listeObjetsLibresNommes(g, "M;M;N", noms, nombre);
    ASSERT_EQ(nombre, 3);
    TEntreesEssai entrees;
    const int32_t niveaux[] = {1, 2, 10};
    for (int e = 1; e <= 3; ++e) {
        entrees.noms[std::size_t(e)] = noms[std::size_t(e)];
        entrees.niveaux[std::size_t(e)] = niveaux[e - 1];
        entrees.directions[std::size_t(e)][0] = 1;
    }
    valeurObjet(g, m, 4) = 0.5;
    valeurObjet(g, k, 4) = 0.5;
    TEnsembleObjets deplaces;
    testeParTiragesAleatoires(g, entrees, nombre, deplaces);
    EXPECT_NEAR(valeurObjet(g, m, 4), 0.5 + 1.0 / 50, 1e-12); // once, by its first entry
    EXPECT_NEAR(valeurObjet(g, k, 4), 0.5 + 1.0 / 3, 1e-12);  // by the third entry
    EXPECT_EQ(deplaces.count(), 2u);

    // The driver moves a name listed twice as any other, and its
    // counter-example holds each moved object once: S off (AB), C on it.
    const int16_t l = figure(kLibres);
    TRequeteTest q{&f(l), 1, 0, "S;(AB)"};
    TDescriptionTest d;
    d.nomsAVarier = "S;S;C";
    d.genreEssais = 1;
    TResultatTest r;
    evalueTest(q, d, r);
    ASSERT_FALSE(r.vrai);
    EXPECT_EQ(r.ensembleContreExemple.count(), 2u);
    EXPECT_EQ(r.nombreContreExemple, 2);
    EXPECT_EQ(r.nombreValeursContreExemple, 1 + 2); // C's parameter, S's longitude and latitude
}

TEST_F(Moteur, ListsOfFreeObjects) {
    const int16_t n = figure(kLibres);
    TNomsObjets noms;
    uint8_t nombre = 0;
    listeObjetsLibresNommes(f(n), "", noms, nombre);
    EXPECT_EQ(nombre, 255);
    listeObjetsLibresNommes(f(n), "A;;B", noms, nombre);
    EXPECT_EQ(nombre, 255);
    listeObjetsLibresNommes(f(n), "S;s;A", noms, nombre); // s is no free object; object order
    ASSERT_EQ(nombre, 2);
    EXPECT_EQ(noms[1], "A");
    EXPECT_EQ(noms[2], "S");
    listeObjetsLibresSauf(f(n), "B;C", noms, nombre);
    ASSERT_EQ(nombre, 2);
    EXPECT_EQ(noms[2], "S");
}

} // namespace
} // namespace km32::essais
