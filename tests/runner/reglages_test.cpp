// Setting and view lines, free-object parameters and assignments, and
// drawing-attribute lists, run as lines of a figure.
#include <gtest/gtest.h>

#include <cmath>

#include "banc_texte.h"
#include "drawing/commandes_touches.h"
#include "model/fonctions/fonctions.h"
#include "model/tables_annexes.h"
#include "text/affectation_libres.h"
#include "text/ecriture_figure.h"
#include "text/noms_objets.h"

namespace km32::essai {
namespace {

constexpr double kPi = 3.141592653589793;

class Reglages : public BancTexte {
  protected:
    void SetUp() override {
        BancTexte::SetUp();
        ASSERT_EQ(lis("Figure Kalmetra\r\n"
                      "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                      "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                      "C point de coordonnées (0,0,3) dans le repère Rxyz\r\n"
                      "P point libre sur le segment [AB]\r\n"
                      "Q point libre dans l'espace\r\n"
                      "M milieu du segment [AQ]\r\n"
                      "n entier libre de [1,5]\r\n"
                      "x réel libre de [0,10]\r\n"
                      "y = 2*x\r\n"
                      "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                      "S point libre sur la sphère s\r\n"),
                  0);
        platform::reinitialiseBoites();
    }
};

TEST_F(Reglages, ViewLinesSetTheViewFields) {
    EXPECT_EQ(ligne("Uxyz par rapport à la petite dimension de la fenêtre: 0.25"), 0);
    EXPECT_DOUBLE_EQ(f.uniteSurPetiteDimension, 0.25);
    EXPECT_EQ(ligne("Rotations de Rxyz: verticale: 30 horizontale: -45 frontale: 90"), 0);
    EXPECT_NEAR(f.anglesVue[0], kPi / 6, 1e-15);
    EXPECT_NEAR(f.anglesVue[1], -kPi / 4, 1e-15);
    EXPECT_NEAR(f.anglesVue[2], kPi / 2, 1e-15);
    EXPECT_EQ(ligne("Paramètres de position de Rxyz: 0.25, 1"), 0);
    EXPECT_EQ(f.fractionsCentre[0], 0.25);
    EXPECT_EQ(f.fractionsCentre[1], 1);
    EXPECT_EQ(ligne("Projection oblique"), 0);
    EXPECT_EQ(f.projectionOblique, 1);
    EXPECT_EQ(ligne("Paramètres de projection: 2, -2"), 0);
    EXPECT_EQ(f.parametresOblique[0], 2);
    EXPECT_EQ(f.parametresOblique[1], -2);
    EXPECT_EQ(ligne("Paramètres de projection: 2.01, 0"), 624);
    EXPECT_EQ(f.parametresOblique[0], 2);
    EXPECT_EQ(ligne("Noms des points non affichés"), 0);
    EXPECT_EQ(f.nomsPointsAffiches, 0);
    EXPECT_EQ(ligne("Autoriser la création des objets non valides"), 0);
    EXPECT_EQ(f.defautObjetsNonValides, 1);
    EXPECT_EQ(f.reglageNonValidesEcrit, 1);
    EXPECT_EQ(ligne("Angles en degrés par défaut"), 0);
    EXPECT_EQ(f.anglesEnDegresParDefaut, 1);
}

TEST_F(Reglages, DefaultFrontPlaneStepsAreKeptWithin1And50) {
    const struct {
        const char* etapes;
        int attendu;
    } cas[] = {{"80", 50}, {"0", 1}, {"12", 12}};
    for (const auto& c : cas) {
        ASSERT_EQ(ligne(std::string("Plan de face par défaut: ABC en ") + c.etapes + " étapes"), 0)
            << c.etapes;
        EXPECT_EQ(f.entiersVue[0], c.attendu) << c.etapes;
        EXPECT_EQ(f.plansEnregistres[kPlanDeFace].objets[0], numero("A"));
    }
}

TEST_F(Reglages, IsolatedPlaneStoresItsEquation) {
    ASSERT_EQ(ligne("Plan ABC isolé"), 0);
    EXPECT_EQ(f.reglagePlanIsole, 1);
    // Plane (ABC) is y = 0: its normal is along y.
    EXPECT_NEAR(std::fabs(f.planIsole[1]), std::hypot(f.planIsole[0], f.planIsole[1], f.planIsole[2]), 1e-12);
}

TEST_F(Reglages, FreeParametersMoveTheObjectAndItsDependants) {
    ASSERT_EQ(ligne("Objet libre Q, paramètres: 2, 4, 6"), 0);
    attendPoint(pt("Q"), 2, 4, 6);
    attendPoint(pt("M"), 1, 2, 3);
    EXPECT_TRUE(f.ensembleParametresLibres.test(std::size_t(numero("Q"))));
    // A point on a segment: within a millionth of an end it takes that end.
    ASSERT_EQ(ligne("Objet libre P, paramètre: 1.0000005"), 0);
    attendPoint(pt("P"), 4, 0, 0);
    EXPECT_EQ(ligne("Objet libre P, paramètre: 1.1"), 605);
    attendPoint(pt("P"), 4, 0, 0);
    EXPECT_EQ(ligne("Objet libre M, paramètre: 0.5"), 604);
}

TEST_F(Reglages, AssignmentLinesMoveFreeObjects) {
    ASSERT_EQ(ligne("Affecter le point libre Q, valeur: B"), 0);
    attendPoint(pt("Q"), 4, 0, 0);
    attendPoint(pt("M"), 2, 0, 0);
    ASSERT_EQ(ligne("Affecter la variable numérique x, valeur: 2.5"), 0);
    EXPECT_NEAR(val("x"), 2.5, 1e-12);
    EXPECT_NEAR(val("y"), 5, 1e-12);
    EXPECT_EQ(ligne("Affecter la variable numérique x, valeur: 11"), 605);
    EXPECT_NEAR(val("x"), 2.5, 1e-12);
    EXPECT_EQ(ligne("Affecter le point libre M, valeur: B"), 604);
    ASSERT_EQ(ligne("Affecter le point libre Q, coordonnées: (1,2,3) dans le repère Rxyz"), 0);
    attendPoint(pt("Q"), 1, 2, 3);
}

// A memorised position keeps each object's free parameters in its values:
// the coordinates of a point in space, the fraction of an interval variable,
// the two angles of a point on a sphere, the place on a segment. A point
// with an integer abscissa on a line is refused as not free.
TEST_F(Reglages, MemorisedPositionsKeepTheFreeParametersOfEachObject) {
    ASSERT_EQ(ligne("Affecter le point libre Q, coordonnées: (1,2,3) dans le repère Rxyz"), 0);
    ASSERT_EQ(ligne("Affecter la variable numérique x, valeur: 2.5"), 0);
    ASSERT_EQ(ligne("m (touche M) position mémorisée de Q,x,S,P"), 0);
    const int m = numero("m"), S = numero("S"), P = numero("P");
    const double attendu[] = {
        1, 2, 3, 0.25, valeurObjet(f, S, 4), valeurObjet(f, S, 5), valeurObjet(f, P, 4)};
    ASSERT_GE(f.objets[std::size_t(m)].nombreValeurs, 7);
    for (int k = 0; k < 7; ++k)
        EXPECT_DOUBLE_EQ(valeurObjet(f, m, k + 1), attendu[k]) << k;
    // Moved away, the objects come back when the command runs.
    ASSERT_EQ(ligne("Affecter le point libre Q, coordonnées: (5,5,5) dans le repère Rxyz"), 0);
    ASSERT_EQ(ligne("Affecter la variable numérique x, valeur: 9"), 0);
    ASSERT_EQ(ligne("Affecter le point libre P, valeur: B"), 0);
    executeCommandeDeTouche(f, m);
    attendPoint(pt("Q"), 1, 2, 3);
    EXPECT_NEAR(val("x"), 2.5, 1e-12);
    EXPECT_DOUBLE_EQ(valeurObjet(f, P, 4), attendu[6]);
    ASSERT_EQ(ligne("E point libre d'abscisse entière dans le repère de la droite (AB)"), 0);
    // The creation fails and its box says which object is not free.
    for (const char* nom : {"E", "M"}) {
        platform::reinitialiseBoites();
        EXPECT_EQ(ligne(std::string("g (touche N) position mémorisée de ") + nom), kErreurCreation);
        ASSERT_FALSE(platform::boitesDemandees().empty());
        EXPECT_NE(platform::boitesDemandees().front().texte.find(std::string(nom) + " n'est pas libre"),
                  std::string::npos)
            << platform::boitesDemandees().front().texte;
    }
}

TEST_F(Reglages, AssignmentTargetsBecomeParametersByConstruction) {
    struct Cas {
        const char* objet;
        double x, y, z;
        uint16_t erreur;
        double p1, p2;
    };
    const Cas cas[] = {
        {"P", 1, 0, 0, 0, 0.25, 0},     // a quarter along [AB]
        {"P", 4.000001, 0, 0, 0, 1, 0}, // just past B: B
        {"P", 4.04, 0, 0, 605, 0, 0},   // 1.01 of the segment
        {"P", 1, 1, 0, 605, 0, 0},      // off the segment
        {"n", 3, 0, 0, 0, 0.5, 0},      // integer 3 on [1,5]
        {"n", 3.4, 0, 0, 0, 0.5, 0},    // rounded first
        {"n", 7, 0, 0, 605, 0, 0},      // outside, not looping
        {"x", 2.5, 0, 0, 0, 0.25, 0},   // real on [0,10]
        {"S", 0, 0, 2, 0, 0, 90},       // the pole: longitude 0
        {"S", 0, -2, 0, 0, -90, 0},     // on the equator, y < 0
        {"S", 0, 0, 3, 605, 0, 0},      // off the sphere
        {"M", 0, 0, 0, 604, 0, 0},      // a midpoint is not free
    };
    for (const Cas& c : cas) {
        double p1 = 0, p2 = 0, p3 = 0;
        uint16_t erreur = 0;
        affecteObjetLibre(f, numero(c.objet), c.x, c.y, c.z, p1, p2, p3, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.objet << " " << c.x;
        if (erreur != 0 || c.erreur != 0) continue;
        EXPECT_NEAR(p1, c.p1, 1e-9) << c.objet << " " << c.x;
        if (c.objet[0] == 'S') {
            EXPECT_NEAR(p2, c.p2, 1e-9) << c.x;
        }
    }
}

TEST_F(Reglages, LoopingIntegerVariableWrapsRound) {
    changeDrapeauObjet(objet(f, numero("n")), kDrapeauOption, true);
    double p1 = 0, p2 = 0, p3 = 0;
    uint16_t erreur = 0;
    affecteObjetLibre(f, numero("n"), 7, 0, 0, p1, p2, p3, erreur);
    ASSERT_EQ(erreur, 0);
    // 7 wraps by the five integers 1..5 to 2: (2 - 1) / (5 - 1).
    EXPECT_NEAR(p1, 0.25, 1e-12);
}

TEST_F(Reglages, StyleLinesSetColoursAndFlags) {
    ASSERT_EQ(ligne("Dessin de M: couleur RVB(10, 20, 30)"), 0);
    const TObjetFigure& m = objet(f, numero("M"));
    EXPECT_EQ(m.style.rouge, 10);
    EXPECT_EQ(m.style.vert, 20);
    EXPECT_EQ(m.style.bleu, 30);
    EXPECT_EQ(m.style.drapeaux, 0x0400); // afresh for a point, nothing else
    EXPECT_EQ(ligne("Dessin de M: couleur RVB(10, 256, 30)"), 676);
    EXPECT_EQ(m.style.vert, 20);
    // A component given by a number object becomes its colour source.
    ASSERT_EQ(ligne("Dessin de M: couleur RVB(y, 0, 0), noir"), 0);
    EXPECT_EQ(m.sourcesCouleur[0], numero("y"));
    // One list for several objects, without starting afresh.
    ASSERT_EQ(ligne("Changer le dessin de A B M, particularités: bleu, nom à gauche"), 0);
    for (const char* n : {"A", "B", "M"}) {
        const TObjetFigure& o = objet(f, numero(n));
        EXPECT_EQ(o.style.bleu, 255) << n;
        EXPECT_EQ(o.style.rouge, 0) << n;
        EXPECT_TRUE(nomAGauche(o.style)) << n;
    }
    EXPECT_EQ(ligne("Dessin de y: rouge"), 619);
}

TEST_F(Reglages, ProtectionAndTraceSelection) {
    ASSERT_EQ(ligne("Protéger A M sauf d'une redéfinition"), 0);
    for (const char* n : {"A", "M"}) {
        EXPECT_TRUE(estProtege(objet(f, numero(n)))) << n;
        EXPECT_TRUE(protegeSaufRedefinition(objet(f, numero(n)))) << n;
    }
    ASSERT_EQ(ligne("Déprotéger A"), 0);
    EXPECT_FALSE(estProtege(objet(f, numero("A"))));
    ASSERT_EQ(ligne("Sélection pour trace: M, y"), 0);
    EXPECT_TRUE(f.ensembleTrace.test(std::size_t(numero("M"))));
    EXPECT_FALSE(f.ensembleTrace.test(std::size_t(numero("y")))); // a number is not drawn
    ASSERT_EQ(ligne("Suite de la sélection pour trace: Q"), 0);
    EXPECT_EQ(f.ensembleTrace.count(), 2u);
}

TEST_F(Reglages, LabelAndRename) {
    ASSERT_EQ(ligne("A la place de A, afficher: le sommet"), 0);
    EXPECT_EQ(texteEtiquetteObjet(f, numero("A")), "le sommet");
    EXPECT_EQ(nomObjet(f, numero("B")), "B");
    EXPECT_EQ(ligne("A la place de o, afficher: origine"), 533);
    ASSERT_EQ(ligne("Renommer B M: E F"), 0);
    EXPECT_NE(numero("E"), 0);
    EXPECT_EQ(numero("B"), 0);
    attendPoint(pt("F"), 0.5 * valeurObjet(f, numero("Q"), 1), 0.5 * valeurObjet(f, numero("Q"), 2),
                0.5 * valeurObjet(f, numero("Q"), 3));
    EXPECT_EQ(ligne("Renommer E F: G H K"), 602);
    EXPECT_NE(numero("E"), 0);
}

// A rename may not give an antecedent the letter of a dummy variable of a
// definition that reads it: the definition would then mean something else.
// The rename is refused and the figure keeps its names and values.
TEST_F(Reglages, RenameThatWouldChangeADefinitionIsRefused) {
    ASSERT_EQ(ligne("h fonction: t|->t*x"), 0);
    ASSERT_EQ(ligne("v = h(3)"), 0);
    ASSERT_EQ(ligne("g fonction: (u,w)|->u*w+n"), 0);
    ASSERT_EQ(ligne("m fonction: (p,q,r)|->p+q+r*x"), 0);
    ASSERT_EQ(ligne("E plan d'équation X+Y+Z=n dans le repère Rxyz"), 0);
    const double x = val("x");
    struct Cas {
        const char* ligne;
        uint16_t resultat;
        const char* nomGarde;
    };
    const Cas cas[] = {
        {"Renommer x: t", 647, "x"}, // h reads x under the letter t
        {"Renommer n: w", 647, "n"}, // g's second variable
        {"Renommer x: r", 647, "x"}, // m's third variable
        {"Renommer n: z", 647, "n"}, // the plane's equation is in x, y and z
        {"Renommer n: b", 0, "b"},   // no definition uses b
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(ligne(c.ligne), c.resultat);
        EXPECT_NE(numero(c.nomGarde), 0);
        EXPECT_DOUBLE_EQ(val("v"), 3 * x);
    }
    // X, Y and Z name the coordinates of a parametric curve: none of them
    // can be its variable.
    platform::reinitialiseBoites();
    EXPECT_EQ(
        ligne(
            "cu courbe paramétrée par X=cos(Y), Y=sin(Y), Z=Y/5, Y décrivant [0,6] (40 points, repère Rxyz)"),
        563);
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_NE(platform::boitesDemandees().front().texte.find("Le nom Y serait"), std::string::npos);
    EXPECT_EQ(numero("cu"), 0);
}

// A frame, a unit or an angle unit given for one object leaves the
// figure's defaults alone; the object dialog remembers them for itself.
TEST_F(Reglages, UnitsGivenInALineAreNotDefaults) {
    ASSERT_EQ(ligne("R repère (A,vec(i),vec(j),vec(k))"), 0);
    ASSERT_EQ(ligne("u unité de longueur (vecteur unitaire vec(i))"), 0);
    ASSERT_EQ(ligne("F image de C par la rotation d'axe (AB) et d'angle 90 (degré)"), 0);
    EXPECT_EQ(f.anglesEnDegresParDefaut, 0);
    ASSERT_EQ(ligne("t sphère de centre A et de rayon 2 (unité de longueur u)"), 0);
    EXPECT_EQ(f.uniteLongueurParDefaut, 2);
    ASSERT_EQ(ligne("K point de coordonnées (1,2,3) dans le repère R"), 0);
    EXPECT_EQ(f.repereParDefaut, 1);
    ASSERT_EQ(ligne("Angles en degrés par défaut"), 0);
    ASSERT_EQ(ligne("G image de C par la rotation d'axe (AB) et d'angle 1 (radian)"), 0);
    EXPECT_EQ(f.anglesEnDegresParDefaut, 1);
    EXPECT_EQ(f.uniteAngleDialogue, 0);
    // With a dialog driving the creation, the dialog keeps what was given.
    f.dialogue = std::make_unique<TDialogueObjet>();
    ASSERT_EQ(ligne("L point de coordonnées (1,1,1) dans le repère R"), 0);
    ASSERT_EQ(ligne("w sphère de centre B et de rayon 1 (unité de longueur u)"), 0);
    f.dialogue.reset();
    EXPECT_EQ(f.dernierRepereDialogue, numero("R"));
    EXPECT_EQ(f.derniereUniteDialogue, numero("u"));
    EXPECT_EQ(f.repereParDefaut, 1);
    EXPECT_EQ(f.uniteLongueurParDefaut, 2);
    // Written back, the figure says only what its defaults are.
    const std::string texte = utf8DeWindows1252(ecritTexteFigure(f));
    EXPECT_EQ(texte.find("Repère par défaut"), std::string::npos);
    EXPECT_EQ(texte.find("Unité de longueur par défaut"), std::string::npos);
    EXPECT_NE(texte.find("Angles en degrés par défaut"), std::string::npos);
}

// Menu option lines change the figure's authorised commands item by item;
// a code that names no menu ends the line and the items before it stay.
TEST_F(Reglages, OptionLinesChangeTheMenuFilter) {
    EXPECT_EQ(ligne("Options interdites: 2-1-1-9, 9-9, 5-7"), 627);
    EXPECT_FALSE(f.commandesAutorisees.test(1)); // 2-1-1-9
    EXPECT_TRUE(f.commandesAutorisees.test(90)); // 5-7, after the wrong item
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_NE(platform::boitesDemandees().back().texte.find("9-9"), std::string::npos);
    EXPECT_EQ(ligne("Options interdites: 2-10"), 0);
    for (int commande : {59, 60, 113, 126, 170}) // the commands under 2-10
        EXPECT_FALSE(f.commandesAutorisees.test(std::size_t(commande))) << commande;
    EXPECT_EQ(ligne("Autoriser les options : 2-1-1-9, 2-10-1"), 0);
    EXPECT_TRUE(f.commandesAutorisees.test(1));
    EXPECT_TRUE(f.commandesAutorisees.test(59));
    EXPECT_FALSE(f.commandesAutorisees.test(60));
}

// An unclosed point makes the line no sentence (616): none of its points is
// added, not even those before it.
TEST_F(Reglages, ValueLineWithAnUnclosedPoint) {
    ASSERT_EQ(ligne("g fonction définie par valeurs (avec interpolation)"), 0);
    EXPECT_EQ(ligne("Valeurs pour g: (0,0) (1,2"), 616);
    const TFonction* g = fonctionDeObjet(f, numero("g"));
    ASSERT_TRUE(g && g->table);
    EXPECT_EQ(g->table->nombrePoints, 0);
    ASSERT_EQ(ligne("Valeurs pour g: (0,0)"), 0);
    ASSERT_EQ(g->table->nombrePoints, 1);
    EXPECT_EQ(g->table->x[1], 0);
    // A table changed while its function is the last object is not noted
    // among the tables given by lines; once an object follows, it is.
    EXPECT_FALSE(f.ensembleTablesValeurs.test(std::size_t(numero("g"))));
    ASSERT_EQ(ligne("h = g(0)"), 0);
    EXPECT_EQ(ligne("Supprimer pour g les images de: 5"), 0);
    EXPECT_TRUE(f.ensembleTablesValeurs.test(std::size_t(numero("g"))));
}

// A table line names a function defined by values: any other object, a
// number or a point as well as a function given by a formula, is refused
// with 673 and its name, and nothing changes; an unknown name stays 537.
TEST_F(Reglages, ValueLinesRefuseWhatIsNoFunctionDefinedByValues) {
    ASSERT_EQ(ligne("h fonction: x|->x^2"), 0);
    ASSERT_EQ(ligne("g fonction définie par valeurs (avec interpolation)"), 0);
    struct Cas {
        const char* nom;
        uint16_t erreur;
    };
    const Cas cas[] = {{"x", 673}, {"y", 673}, {"A", 673}, {"s", 673}, {"h", 673}, {"z", 537}, {"g", 0}};
    for (const char* debut : {"Valeurs pour ", "Supprimer pour "}) {
        const bool ajout = debut[0] == 'V';
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(debut) + c.nom);
            const std::string texteAvant = ecritTexteFigure(f);
            platform::reinitialiseBoites();
            EXPECT_EQ(ligne(debut + std::string(c.nom) + (ajout ? ": (1,2)" : " les images de: 1")),
                      c.erreur);
            if (c.erreur == 0) continue;
            EXPECT_EQ(ecritTexteFigure(f), texteAvant);
            ASSERT_EQ(platform::boitesDemandees().size(), 1u);
            if (c.erreur == 673) {
                EXPECT_EQ(utf8DeWindows1252(platform::boitesDemandees().front().texte),
                          std::string(c.nom) + " n'est pas définie par valeurs.");
            }
        }
    }
}

// Lines that set a switch of their own, and the free-object value line.
TEST_F(Reglages, SwitchLinesAndTheFreeValueLine) {
    EXPECT_EQ(ligne("Exportation interdite"), 0);
    EXPECT_EQ(f.exportationPermise, 0);
    EXPECT_NE(utf8DeWindows1252(ecritTexteFigure(f)).find("\r\nExportation interdite"), std::string::npos);
    EXPECT_EQ(ligne("Exportation autorisée"), 0);
    EXPECT_EQ(f.exportationPermise, 1);
    EXPECT_EQ(ligne("Prototype non accessible par le menu"), 0);
    EXPECT_EQ(f.prototypeHorsMenu, 1);
    // No comment window can be shown: the line changes nothing.
    EXPECT_EQ(ligne("Démarrer en affichant le commentaire"), 0);
    ASSERT_EQ(ligne("a réel libre"), 0);
    EXPECT_EQ(ligne("Importation active"), 0);
    EXPECT_TRUE(f.variablesPartagees != nullptr);
    // A line that fails leaves the registration as it was.
    EXPECT_NE(ligne("Renommer a: t t"), 0);
    EXPECT_TRUE(f.variablesPartagees != nullptr);
    EXPECT_EQ(ligne("Objet libre a, valeur: 7"), 0);
    EXPECT_EQ(val("a"), 7);
    EXPECT_EQ(ligne("Objet libre y, valeur: 7"), 604);
}

// An undefined object cannot be placed, free or not.
TEST_F(Reglages, UndefinedObjectIsRefusedBeforeItsFreedom) {
    // y = 2*x is not free; undefined, it is refused as undefined first.
    objet(f, numero("y")).nonDefini = 1;
    double p1 = 0, p2 = 0, p3 = 0;
    uint16_t erreur = 0;
    affecteObjetLibre(f, numero("y"), 1, 0, 0, p1, p2, p3, erreur);
    EXPECT_EQ(erreur, kErreurAffectationImpossible);
    objet(f, numero("y")).nonDefini = 0;
    erreur = 0;
    affecteObjetLibre(f, numero("y"), 1, 0, 0, p1, p2, p3, erreur);
    EXPECT_EQ(erreur, kErreurPasLibre);
}

} // namespace
} // namespace km32::essai
