// Prototypes defined by blocks and used by later lines: the results against
// geometry computed independently.
#include "banc_prototypes.h"

namespace km32::essai {
namespace {

class Utilisation : public BancPrototypes {};

TEST_F(Utilisation, MilieuDefiniParUnBlocEtUtiliseDeuxFois) {
    const auto lignes = joint(kBlocMilieu, {
                                               "C point de coordonnées (1,2,3) dans le repère Rxyz",
                                               "D point de coordonnées (5,-2,7) dans le repère Rxyz",
                                               "E point de coordonnées (-3,0,1) dans le repère Rxyz",
                                               "I milieu de CD",
                                               "J milieu de IE",
                                           });
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    ASSERT_EQ(nombrePrototypes(), 1);
    EXPECT_EQ(noms(), "C D E I J");
    attendPoint(pt("I"), 3, 0, 5);
    attendPoint(pt("J"), 0, 0, 3);
    EXPECT_TRUE(defini("J"));
}

} // namespace
} // namespace km32::essai

namespace km32::essai {
namespace {

class UtilisationSuite : public BancPrototypes {};

// Names separated by words and commas, a comment after the prompts.
TEST_F(UtilisationSuite, CentreDeGraviteDeTroisPointsNommesSeparement) {
    const auto lignes = joint(kBlocGravite, {
                                                "C point de coordonnées (1,2,3) dans le repère Rxyz",
                                                "D point de coordonnées (4,-2,0) dans le repère Rxyz",
                                                "E point de coordonnées (1,3,6) dans le repère Rxyz",
                                                "K isobarycentre de C, D et E",
                                            });
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    attendPoint(pt("K"), 2, 1, 3);
    const TPrototype* p = prototypeDe(f, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ligneTravail, "#1 isobarycentre de #2, #3 et #4");
    EXPECT_EQ(p->nombreDonnes, 3);
    EXPECT_EQ(p->invites[4], "Centre:");
    EXPECT_EQ(utf8DeWindows1252(p->commentaire), "Un commentaire sur deux lignes,\r\nla seconde.");
}

// A given number is an expression of the line; the result follows it when
// the number it reads changes.
TEST_F(UtilisationSuite, NombreDonneLuCommeExpression) {
    const std::vector<std::string> lignes = {
        "Début de [Abscisse]",
        "m réel donné",
        "P point de coordonnées (m,2*m,1) dans le repère Rxyz",
        "Description de l'interface",
        "P point d'abscisse m",
        "Abscisse:",
        "Point:",
        "Fin de [Abscisse]",
        "a = 2",
        "Q point d'abscisse 3",
        "R point d'abscisse a+1",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    attendPoint(pt("Q"), 3, 6, 1);
    attendPoint(pt("R"), 3, 6, 1);
    ASSERT_EQ(ligne("a = -4"), 0);
    attendPoint(pt("R"), -3, -6, 1);
    attendPoint(pt("Q"), 3, 6, 1);
}

// An instance takes the undefined flag of the inner result with its reason.
TEST_F(UtilisationSuite, ResultatIndefiniTransmisAvecSaRaison) {
    const std::vector<std::string> lignes = {
        "Début de [Inverse]",
        "m réel donné",
        "r = 1/m",
        "Description de l'interface",
        "r inverse de m",
        "Nombre:",
        "Inverse:",
        "Fin de [Inverse]",
        "a = 4",
        "b inverse de a",
        "c inverse de a-4",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    EXPECT_NEAR(val("b"), 0.25, 1e-12);
    ASSERT_NE(numero("c"), 0);
    const TObjetFigure& c = objet(f, numero("c"));
    EXPECT_TRUE(c.nonDefini);
    const TfigureKalmetra& g = *prototypeDe(f, 1)->figureInterne;
    EXPECT_EQ(c.raison, objet(g, g.nombreObjets).raison);
    EXPECT_NE(c.raison, 0);
}

// With a dummy variable the result is a function of that variable.
TEST_F(UtilisationSuite, VariableMuetteDonneUneFonction) {
    const std::vector<std::string> lignes = {
        "Début de [Parabole]",
        "a réel donné",
        "x variable muette",
        "y = a*x^2+1",
        "Description de l'interface",
        "f parabole de coefficient a",
        "Coefficient:",
        "Fonction:",
        "Fin de [Parabole]",
        "g parabole de coefficient 3",
        "h parabole de coefficient -1",
        "v = g(2)+h(3)",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    const TPrototype* p = prototypeDe(f, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->codeResultat, 245);
    EXPECT_EQ(p->natureResultat, kNatureFonction);
    EXPECT_EQ(objet(f, numero("g")).nature, kNatureFonction);
    EXPECT_NEAR(val("v"), (3 * 4 + 1) + (-9 + 1), 1e-12);
}

// A prototype used inside the block of a later one.
TEST_F(UtilisationSuite, PrototypeUtiliseDansUnAutreBloc) {
    std::vector<std::string> lignes = kBlocMilieu;
    const std::vector<std::string> quart = {
        "Début de [Quart]",
        "U point donné",
        "V point donné",
        "W milieu de UV",
        "X milieu de UW",
        "Description de l'interface",
        "X quart de UV",
        "Origine:",
        "Extrémité:",
        "Point:",
        "Fin de [Quart]",
        "C point de coordonnées (0,0,0) dans le repère Rxyz",
        "D point de coordonnées (8,4,-4) dans le repère Rxyz",
        "Y quart de CD",
    };
    lignes.insert(lignes.end(), quart.begin(), quart.end());
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    attendPoint(pt("Y"), 2, 1, -1);
}

} // namespace
} // namespace km32::essai
