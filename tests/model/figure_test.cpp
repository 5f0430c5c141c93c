#include "model/couleur_par_scalaires.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "figure_essai.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>

using namespace km32;

namespace {

// A small figure built by hand: objects 1 to 13 are left blank, user objects
// follow from 14 with their names, values and parents.
class PetiteFigure : public ::testing::Test {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;

    int ajoute(uint8_t nature, uint8_t code, const std::string& nom,
               std::initializer_list<double> valeurs = {}, std::initializer_list<int> parents = {}) {
        return essais::ajouteObjetNomme(f, nature, code, nom, valeurs, parents);
    }
    int point(const std::string& nom, double x, double y, double z) {
        return ajoute(kNaturePoint, 133, nom, {x, y, z});
    }
    // A segment, half-line or line through two points: values are the two points.
    int ligne(uint8_t nature, uint8_t code, int a, int b) {
        return ajoute(nature, code, "",
                      {valeurObjet(f, a, 1), valeurObjet(f, a, 2), valeurObjet(f, a, 3), valeurObjet(f, b, 1),
                       valeurObjet(f, b, 2), valeurObjet(f, b, 3)},
                      {a, b});
    }
};

TEST_F(PetiteFigure, NamesAndNotations) {
    const int A = point("A", 0, 0, 0), B = point("B", 1, 0, 0);
    const int seg = ligne(kNatureSegment, 34, A, B);
    const int demi = ligne(kNatureDemiDroite, 33, A, B);
    const int dr = ligne(kNatureDroite, 30, A, B);
    const int u = ajoute(kNatureVecteur, 135, "u", {1, 2, 3});
    const int C = ajoute(kNaturePoint, 133, "C'2 centre du cercle", {0, 1, 0});

    const struct {
        int objet;
        const char *nom, *notation, *inverse;
    } cas[] = {{seg, "AB", "[AB]", "BA"},
               {demi, "AB", "[AB)", "BA"},
               {dr, "AB", "(AB)", "BA"},
               {u, "u", "vec(u)", nullptr},
               {C, "C'2", "C'2", nullptr}};
    for (const auto& c : cas) {
        EXPECT_EQ(nomObjet(f, c.objet), c.nom);
        EXPECT_EQ(nomObjetNotation(f, c.objet), c.notation);
        if (c.inverse) {
            EXPECT_EQ(nomObjetInverse(f, c.objet), c.inverse);
        }
    }
    EXPECT_EQ(texteEtiquetteObjet(f, C), "centre du cercle");
    EXPECT_EQ(texteEtiquetteObjet(f, A), "");
    EXPECT_EQ(nomObjet(f, 0), "");
    EXPECT_EQ(nomObjet(f, f.nombreObjets + 1), "");
}

TEST_F(PetiteFigure, LookupsByNotation) {
    const int A = point("A", 0, 0, 0), B = point("B", 1, 0, 0);
    const int seg = ligne(kNatureSegment, 34, A, B);
    const int demi = ligne(kNatureDemiDroite, 33, A, B);
    const int dr = ligne(kNatureDroite, 30, A, B);
    const int u = ajoute(kNatureVecteur, 135, "u", {1, 2, 3});

    const struct {
        const char* nom;
        int attendu;
    } cas[] = {{"[AB]", seg}, {"[BA]", seg}, {"[AB)", demi}, {"(BA]", demi}, {"[BA)", 0},
               {"(AB]", 0},   {"(AB)", dr},  {"(BA)", dr},   {"AB", dr},     {"vec(u)", u},
               {"u", 0},      {"A", A},      {"[]", 0},      {"[AB", 0},     {"Z", 0}};
    for (const auto& c : cas)
        EXPECT_EQ(numeroObjetDeNotation(f, c.nom), c.attendu) << c.nom;

    // A point named AB wins over the lines of the same name, and the latest of equals wins.
    const int pointAB = point("AB", 5, 5, 5);
    EXPECT_EQ(numeroObjetDeNotation(f, "AB"), pointAB);
    const int autreA = point("A", 7, 7, 7);
    EXPECT_EQ(numeroObjetDeNotation(f, "A"), autreA);
    // By kind, counting up: the first segment named AB, the first point named A.
    EXPECT_EQ(numeroObjetDeNomEtType(f, "AB", kNatureSegment), seg);
    EXPECT_EQ(numeroObjetDeNomEtType(f, "A", kNaturePoint), A);
    EXPECT_EQ(numeroObjetDeNomEtType(f, "A", kNatureDroite), 0);
    // Only the first 10 characters of a name count.
    const int long10 = point("P123456789", 0, 0, 0);
    EXPECT_EQ(numeroObjetDeNotation(f, "P123456789XYZ"), long10);
    EXPECT_EQ(numeroObjetDeNomEtType(f, "P123456789XYZ", kNaturePoint), long10);
}

TEST_F(PetiteFigure, UnitsAndUserObjectQueries) {
    const int A = point("A", 0, 0, 0);
    EXPECT_EQ(uniteDeLongueurObjet(f, A), 1.0);
    EXPECT_TRUE(sansRepereUtilisateur(f));
    EXPECT_TRUE(sansUniteDeLongueurAccessible(f));
    const int U = ajoute(kNatureUniteDeLongueur, 56, "U", {2.5});
    f.objets[A].uniteLongueur = uint8_t(U);
    EXPECT_EQ(uniteDeLongueurObjet(f, A), 2.5);
    EXPECT_FALSE(sansUniteDeLongueurAccessible(f));
    changeDrapeauObjet(f.objets[U], kDrapeauAccesInterdit, true);
    EXPECT_TRUE(sansUniteDeLongueurAccessible(f));
    ajoute(kNatureRepere, 55, "R", {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1});
    EXPECT_FALSE(sansRepereUtilisateur(f));
}

TEST_F(PetiteFigure, DirectionsAndTheirZeroRule) {
    const int A = point("A", 1, 2, 3), B = point("B", 4, 6, 3);
    const int seg = ligne(kNatureSegment, 34, A, B);
    double x = 0, y = 0, z = 0;
    bool nul = true;
    directionObjet(f, seg, 0, x, y, z);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    EXPECT_EQ(z, 0);
    EXPECT_DOUBLE_EQ(normeDirectionObjet(f, A, B), 5);
    directionUnitaire(f, seg, 0, nul, x, y, z);
    EXPECT_FALSE(nul);
    EXPECT_DOUBLE_EQ(x, 0.6);
    EXPECT_DOUBLE_EQ(y, 0.8);

    // Points 1e-11 apart give a zero direction left as it is; 1e-10 apart do not.
    const int P = point("P", 0, 0, 0), Q = point("Q", 1e-11, 0, 0), R = point("R", 1e-10, 0, 0);
    directionUnitaire(f, P, Q, nul, x, y, z);
    EXPECT_TRUE(nul);
    EXPECT_EQ(x, 1e-11);
    directionUnitaire(f, P, R, nul, x, y, z);
    EXPECT_FALSE(nul);
    EXPECT_DOUBLE_EQ(x, 1);
    directionUnitaire(f, P, P, nul, x, y, z);
    EXPECT_TRUE(nul);
    EXPECT_EQ(x, 0);

    // A point has no direction: the outputs stay as they were.
    x = 7;
    directionObjet(f, A, 0, x, y, z);
    EXPECT_EQ(x, 7);
}

TEST_F(PetiteFigure, LinesUsingTheirSecondDirection) {
    // Values: point, first direction, second direction.
    const std::initializer_list<double> v = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    const int axe = ajoute(kNatureDroite, 71, "d", v);
    const int seconde = ajoute(kNatureDroite, 247, "e", v);
    const int premiere = ajoute(kNatureDroite, 247, "g", v);
    f.ensembleSecondeDirection.set(seconde);
    const struct {
        int objet;
        double y;
    } cas[] = {{axe, 1}, {seconde, 1}, {premiere, 0}};
    for (const auto& c : cas) {
        double x = 9, y = 9, z = 9;
        directionObjet(f, c.objet, 0, x, y, z);
        EXPECT_EQ(y, c.y) << c.objet;
    }
}

TEST_F(PetiteFigure, NormalsOfPlanes) {
    const int A = point("A", 1, 0, 0), B = point("B", 0, 2, 0), C = point("C", 0, 0, 3);
    // The plane x + y/2 + z/3 = 1, i.e. 6x + 3y + 2z - 6 = 0, unit normal (6, 3, 2)/7.
    bool nul = true;
    double a, b, c, d;
    normalePlan(f, A, B, nul, d, a, b, c, C);
    EXPECT_FALSE(nul);
    EXPECT_NEAR(a, 6.0 / 7, 1e-15);
    EXPECT_NEAR(b, 3.0 / 7, 1e-15);
    EXPECT_NEAR(c, 2.0 / 7, 1e-15);
    EXPECT_NEAR(d, -6.0 / 7, 1e-15);
    // Aligned points: a zero normal, flagged.
    const int D = point("D", 2, -2, 0);
    normaleUnitaire(f, A, B, nul, a, b, c, D);
    EXPECT_TRUE(nul);
    // A plane object stores a, b, c, d first.
    const int plan = ajoute(kNaturePlan, 166, "p", {0, 0, 1, -4});
    normalePlan(f, plan, 0, nul, d, a, b, c, 0);
    EXPECT_FALSE(nul);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(d, -4);
    double x1, y1, z1, x2, y2, z2;
    deuxPointsObjet(f, A, C, x1, y1, z1, x2, y2, z2);
    EXPECT_EQ(x1, 1);
    EXPECT_EQ(z2, 3);
}

TEST_F(PetiteFigure, AntecedentsInAscendingOrder) {
    const int A = point("A", 0, 0, 0), B = point("B", 1, 0, 0), K = point("K", 0, 1, 0);
    const int U = ajoute(kNatureUniteDeLongueur, 56, "U", {2});
    // A number with parents B, A, unit U and one expression reading K and object 3.
    const int n = ajoute(kNatureNombreReel, 44, "a", {0}, {B, A, 0});
    f.objets[n].uniteLongueur = uint8_t(U);
    f.objets[n].nombreExpressions = 1;
    f.objets[n].premiereExpression = 1;
    f.expressions[1].debutOctets = 10;
    f.expressions[1].nombreOctets = 8;
    const uint8_t octets[] = {8, 2, 0, uint8_t(K), 3};
    for (int k = 0; k < 5; ++k)
        f.octetsOperandes[10 + k] = octets[k];

    const std::vector<uint8_t> attendu = {3, uint8_t(A), uint8_t(B), uint8_t(K), uint8_t(U)};
    EXPECT_EQ(listeDesAntecedents(f, n), attendu);
    EXPECT_FALSE(ensembleDesAntecedents(f, n).test(0));
    EXPECT_TRUE(listeDesAntecedents(f, A).empty());
}

TEST_F(PetiteFigure, AntecedentsOfAPolyhedronWithManyVertices) {
    std::vector<int> sommets;
    for (int k = 0; k < 60; ++k)
        sommets.push_back(point("P" + std::to_string(k), k, 0, 0));
    const int poly = ++f.nombreObjets;
    f.objets[poly].nature = kNaturePolyedreConvexe;
    f.objets[poly].premierParent = uint16_t(f.parentsUtilises + 1);
    f.objets[poly].nombreParents = 60;
    for (auto it = sommets.rbegin(); it != sommets.rend(); ++it)
        f.parents[++f.parentsUtilises] = uint8_t(*it);
    const std::vector<uint8_t> liste = listeDesAntecedents(f, poly);
    ASSERT_EQ(liste.size(), 60u);
    for (int k = 0; k < 60; ++k)
        EXPECT_EQ(liste[k], sommets[k]);
}

TEST_F(PetiteFigure, IndicesOutOfRangeThrow) {
    const int A = point("A", 0, 0, 0);
    f.objets[A].premiereValeur = 1999;
    EXPECT_NO_THROW(valeurObjet(f, A, 2));
    EXPECT_THROW(valeurObjet(f, A, 3), ErreurInterne);
    f.objets[A].premierParent = 2000;
    EXPECT_THROW(parentObjet(f, A, 2), ErreurInterne);
    f.objets[A].premiereValeur = 0;
    EXPECT_THROW(valeurObjet(f, A, 1), ErreurInterne);
    EXPECT_THROW(objet(f, 256), ErreurInterne);
    EXPECT_THROW(expressionParametre(f, 501), ErreurInterne);
    EXPECT_THROW(octetOperande(f, 4001), ErreurInterne);
    // No sample block yet: a refused index does not make one, the first
    // sample written does, with every sample zero.
    f.echantillons.reset();
    EXPECT_THROW(echantillon(f, 0), ErreurInterne);
    EXPECT_THROW(echantillon(f, 9001), ErreurInterne);
    EXPECT_FALSE(f.echantillons);
    echantillon(f, 9000).x = 4;
    ASSERT_TRUE(f.echantillons);
    EXPECT_EQ((*f.echantillons)[1].x, 0);
    EXPECT_EQ(echantillon(f, 9000).x, 4);
}

// The from-0 accessors read and write the figure's arrays at the object's
// first index plus k, and refuse what falls outside 1 to 2000 as the from-1
// ones do.
TEST_F(PetiteFigure, FromZeroAccessorsReadAndWriteTheArraysAtFirstPlusK) {
    const int A = point("A", 1.5, -2, 7);
    const int B = point("B", 4, 5, 6);
    const int S = ligne(kNatureSegment, 34, A, B);
    const TObjetFigure& s = objet(f, S);
    for (int k = 0; k < s.nombreValeurs; ++k) {
        EXPECT_EQ(valeurDepuisZero(f, S, k), f.valeurs[std::size_t(s.premiereValeur + k)]) << k;
        EXPECT_EQ(valeurDepuisZero(f, S, k), valeurObjet(f, S, k + 1)) << k;
    }
    EXPECT_EQ(parentDepuisZero(f, S, 0), A);
    EXPECT_EQ(parentDepuisZero(f, S, 1), B);
    valeurDepuisZero(f, S, 5) = 9.25;
    EXPECT_EQ(f.valeurs[std::size_t(s.premiereValeur + 5)], 9.25);
    parentDepuisZero(f, S, 1) = uint8_t(A);
    EXPECT_EQ(f.parents[std::size_t(s.premierParent + 1)], A);

    f.objets[A].premiereValeur = 1999;
    EXPECT_NO_THROW(valeurDepuisZero(f, A, 1));
    EXPECT_THROW(valeurDepuisZero(f, A, 2), ErreurInterne);
    f.objets[A].premiereValeur = 1;
    EXPECT_THROW(valeurDepuisZero(f, A, -1), ErreurInterne);
    f.objets[S].premierParent = 2000;
    EXPECT_NO_THROW(parentDepuisZero(f, S, 0));
    EXPECT_THROW(parentDepuisZero(f, S, 1), ErreurInterne);
}

TEST_F(PetiteFigure, ProjectionHelpersSaturate) {
    f.echelle = 1e6;
    EXPECT_EQ(coordonneeEntiere(f, 1.5), 1500000);
    EXPECT_EQ(coordonneeEntiere(f, 1e10), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(coordonneeEntiere(f, -1e10), std::numeric_limits<int32_t>::min());
    const double c[6] = {2, 0.5, -1, 0, 3, 1};
    std::copy(c, c + 6, f.coefficientsProjection);
    f.centreEcranX = 100;
    f.centreEcranY = -50;
    EXPECT_EQ(projetteX(f, 10, 4, 6), 10 * 2 + 100 + 4 * 0.5 - 6);
    EXPECT_EQ(projetteY(f, 10, 4, 6), -50 + 4 * 3 + 6);
    EXPECT_EQ(projetteX(f, 2000000000, 0, 0), std::numeric_limits<int32_t>::max());
    f.largeurZoneDessin = 100;
    f.hauteurZoneDessin = 50;
    EXPECT_FALSE(horsDeLImage(f, 100, 50));
    EXPECT_TRUE(horsDeLImage(f, 101, 0));
    EXPECT_TRUE(horsDeLImage(f, 0, -1));
    f.aucunPlanIsole = 1;
    EXPECT_FALSE(pointSurPlanIsole(f, 0, 0, 0));
    f.aucunPlanIsole = 0;
    f.planIsole[2] = 1;
    f.planIsole[3] = -100;
    EXPECT_TRUE(pointSurPlanIsole(f, 5, 5, 91));
    EXPECT_FALSE(pointSurPlanIsole(f, 5, 5, 90));
}

TEST_F(PetiteFigure, ColourFromSourceObjects) {
    const int r = ajoute(kNatureNombreReel, 44, "r", {12.5});
    const int g = ajoute(kNatureNombreReel, 44, "g", {200.4});
    const int hors = ajoute(kNatureNombreReel, 44, "h", {255.2});
    const int A = point("A", 0, 0, 0);
    TObjetFigure& o = f.objets[A];
    o.style.drapeaux = 1; // not valid from an earlier computation
    o.style.bleu = 9;
    couleurParScalaires(f, uint8_t(A));
    EXPECT_EQ(o.style.drapeaux & 1, 0); // no source: only the mark is cleared
    EXPECT_EQ(o.style.bleu, 9);
    o.sourcesCouleur[0] = uint8_t(r);
    o.sourcesCouleur[1] = uint8_t(g);
    couleurParScalaires(f, uint8_t(A));
    EXPECT_EQ(o.style.rouge, 12); // halves to even
    EXPECT_EQ(o.style.vert, 200);
    EXPECT_EQ(o.style.bleu, 9);
    EXPECT_EQ(o.style.drapeaux & 1, 0);
    o.sourcesCouleur[2] = uint8_t(hors);
    couleurParScalaires(f, uint8_t(A));
    EXPECT_EQ(o.style.drapeaux & 1, 1);
    o.sourcesCouleur[2] = 0;
    f.objets[g].nonDefini = 1;
    o.style.rouge = 0;
    couleurParScalaires(f, uint8_t(A));
    EXPECT_EQ(o.style.drapeaux & 1, 1);
    EXPECT_EQ(o.style.rouge, 12); // red came before the undefined green
}

TEST(ObjetFigure, FlagsKeysAndPredicates) {
    TObjetFigure o;
    o.drapeaux = kDrapeauProtegeSaufRedefinition;
    changeDrapeauObjet(o, kDrapeauProtege, true);
    EXPECT_EQ(o.drapeaux, kDrapeauProtege);
    o.drapeaux |= kDrapeauProtegeSaufRedefinition;
    changeDrapeauObjet(o, kDrapeauProtege, false);
    EXPECT_EQ(o.drapeaux, 0);
    o.drapeaux = kDrapeauProtegeSaufRedefinition;
    changeDrapeauObjet(o, kDrapeauProtege | kDrapeauBloque, true);
    EXPECT_TRUE(protegeSaufRedefinition(o)); // only the protected bit alone clears it
    EXPECT_TRUE(estBloque(o));

    const struct {
        uint8_t touche;
        const char* nom;
    } touches[] = {{0x81, "CTRL-A"}, {0x9A, "CTRL-Z"}, {'K', "K"}, {'7', "7"}};
    for (const auto& t : touches) {
        o.style.drapeaux = 0xAB00;
        fixeToucheObjet(o, t.touche);
        EXPECT_EQ(toucheObjet(o), t.touche);
        EXPECT_EQ(o.style.drapeaux & 0xFF00, 0xAB00);
        EXPECT_EQ(nomToucheObjet(o), t.nom);
    }

    const struct {
        uint8_t code, prototype;
        bool libre, variable, dessinable;
    } cas[] = {{1, 0, true, false, true},     {1, 3, false, false, true},   {44, 0, true, true, false},
               {45, 2, false, false, false},  {148, 0, true, false, true},  {206, 0, true, false, true},
               {208, 0, false, false, false}, {22, 0, false, false, false}, {254, 0, false, false, true}};
    for (const auto& c : cas) {
        o.codeConstruction = c.code;
        o.numeroPrototype = c.prototype;
        EXPECT_EQ(estObjetLibre(o), c.libre) << int(c.code);
        EXPECT_EQ(estVariableLibre(o), c.variable) << int(c.code);
        EXPECT_EQ(estObjetDessinable(o), c.dessinable) << int(c.code);
    }
}

TEST(TableFigures, SlotsOneTo64) {
    videTableDesFigures();
    EXPECT_FALSE(figureExiste(0));
    EXPECT_FALSE(figureExiste(65));
    EXPECT_FALSE(figureExiste(-1));
    placeFigure(64, std::make_unique<TfigureKalmetra>());
    EXPECT_TRUE(figureExiste(64));
    EXPECT_NE(figureDeNumero(64), nullptr);
    EXPECT_EQ(figureDeNumero(0), nullptr);
    EXPECT_THROW(figureDeNumero(65), ErreurInterne);
    EXPECT_THROW(placeFigure(0, nullptr), ErreurInterne);
    videTableDesFigures();
    EXPECT_FALSE(figureExiste(64));
}

} // namespace
