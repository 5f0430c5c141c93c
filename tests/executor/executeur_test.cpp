// The construction executor with the installation of the object it built:
// objects created from argument texts, computed and compared with geometry
// worked out by hand, and the refusals that leave the figure unchanged.
#include <set>

#include "banc_executeur.h"
#include "model/parametres_expression.h"
#include "text/etapes_construction.h"
#include "text/listes_points.h"
#include "text/rangement_lignes.h"

namespace km32::essai {
namespace {

namespace c = construction;

class Executeur : public BancExecuteur {};

TEST_F(Executeur, CreatesObjectsWithTheirKindParentsAndValues) {
    const int D = point("D", 0, 0, 5), E = point("E", 1, 0, 5), F = point("F", 0, 1, 5);
    struct Cas {
        uint8_t code;
        const char* arguments;
        const char* nom;
        uint8_t nature;
        std::vector<int> parents;
        bool pointAttendu;
        P3 attendu;
    };
    const Cas cas[] = {
        {c::kMilieuSegment, "AB;M;", "M", kNaturePoint, {A, B}, true, {3, 1, 1}},
        {c::kCentreDeGravite, "ABC;G;", "G", kNaturePoint, {A, B, C}, true, {2, 2, 4.0 / 3}},
        {c::kDroiteNommee, "(AB);d;", "d", kNatureDroite, {A, B}, false, {}},
        {c::kPlanNomme, "DEF;p;", "p", kNaturePlan, {D, E, F}, false, {}},
        // Line AB meets the plane z = 5 at A - (B - A) / 2.
        {c::kIntersectionDroitePlan, "AB;DEF;I;", "I", kNaturePoint, {A, B, D, E, F}, true, {-1, 3, 5}},
        {c::kSphere, "Uxyz;A;3;S;", "S", kNatureSphere, {A}, false, {}},
        // C moved by the vector from A to B.
        {c::kImageParTranslation, "vec(A,B);C;K;", "K", kNaturePoint, {C}, true, {4, 2, -2}},
        // The image of B in the symmetry of centre A is 2A - B.
        {c::kImageParSymetrieCentrale, "A;B;N;", "N", kNaturePoint, {B, A}, true, {-3, 4, 7}},
        {c::kPolyedreConvexe, "ABCD;Q;", "Q", kNaturePolyedreConvexe, {A, B, C, D}, false, {}},
        {c::kReelEgal, "2+3;n;", "n", kNatureNombreReel, {}, false, {}},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.arguments);
        const int avant = f.nombreObjets;
        ASSERT_EQ(cree(k.code, k.arguments), 0);
        ASSERT_EQ(f.nombreObjets, avant + 1);
        const int n = f.nombreObjets;
        EXPECT_EQ(numero(k.nom), n);
        EXPECT_EQ(objet(f, n).nature, k.nature);
        EXPECT_EQ(objet(f, n).codeConstruction, k.code);
        EXPECT_EQ(parents(n), k.parents);
        if (k.pointAttendu) {
            EXPECT_EQ(objet(f, n).nonDefini, 0);
            attendPoint(pt(n), k.attendu.x, k.attendu.y, k.attendu.z);
        }
    }
    const int S = numero("S");
    EXPECT_EQ(objet(f, S).uniteLongueur, 2);
    EXPECT_DOUBLE_EQ(valeurObjet(f, S, 5), 3);
    EXPECT_NE(objet(f, S).emplacementSolide, 0);
    EXPECT_NE(objet(f, numero("Q")).emplacementSolide, 0);
    EXPECT_DOUBLE_EQ(valeurObjet(f, numero("n"), 1), 5);
}

TEST_F(Executeur, ExpressionsAreStoredAndRunFromTheFigure) {
    // |AB| = 6; the length asks for a unit, and with no user unit it is Uxyz.
    ASSERT_EQ(cree(c::kReelEgal, "2*AB+1;n;"), 0);
    const int n = numero("n");
    EXPECT_EQ(objet(f, n).uniteLongueur, 2);
    ASSERT_EQ(objet(f, n).nombreExpressions, 1);
    const TExpressionParametre& e = expressionParametre(f, objet(f, n).premiereExpression);
    EXPECT_EQ(e.constante, 0);
    EXPECT_GT(e.nombreOctets, 0);
    EXPECT_NEAR(valeurParametreObjet(f, n, 1, 1), 13, 1e-9);
    EXPECT_TRUE(ensembleDesAntecedents(f, n).test(std::size_t(A)));

    // A number line whose name is vec(...) makes a vector.
    ASSERT_EQ(cree(c::kReelEgal, "vec(A,B);vec(u);"), 0);
    const int u = numeroObjetDeNomEtType(f, "u", kNatureVecteur);
    ASSERT_NE(u, 0);
    EXPECT_EQ(objet(f, u).codeConstruction, c::kVecteurEgal);
    EXPECT_EQ(objet(f, u).nombreValeurs, 3);
}

TEST_F(Executeur, FreeObjectsGetStartingValuesAndTheirKeyboardStep) {
    ASSERT_EQ(cree(c::kPointLibreDansEspace, "P;"), 0);
    const int P = numero("P");
    for (int k = 1; k <= 3; ++k)
        EXPECT_LE(std::fabs(valeurObjet(f, P, k)), 0.4 / f.uniteSurPetiteDimension);
    EXPECT_DOUBLE_EQ(valeurObjet(f, P, 4), 0.1);

    ASSERT_EQ(cree(c::kPointLibreSurSegment, "[AB];N;"), 0);
    // Two typed arguments: the inserted step is not counted.
    EXPECT_EQ(etatExecuteur().argumentCourant, 3);
    const int N = numero("N");
    EXPECT_DOUBLE_EQ(valeurObjet(f, N, 5), 0.01);
    const double t = valeurObjet(f, N, 4);
    EXPECT_GE(t, 0);
    EXPECT_LT(t, 1);
    attendPoint(pt(N), 1 + 4 * t, 2 - 2 * t, 3 - 4 * t);
}

TEST_F(Executeur, RefusalsLeaveTheFigureAsItWas) {
    ASSERT_EQ(cree(c::kDroiteNommee, "AB;d;"), 0);
    struct Cas {
        uint8_t code;
        const char* arguments;
        uint16_t erreur;
        uint8_t argument; // the argument a dialog marks (0: not checked)
    };
    const Cas cas[] = {
        {c::kMilieuSegment, "AX;M;", kErreurNomInconnu, 1},
        {c::kSphere, "Uxyz;d;3;S;", kErreurNeConvientPas, 0},
        {c::kMilieuSegment, "AB;d;", kErreurObjetExisteDeja, 2},
        {c::kMilieuSegment, "AB;", kErreurDonneeManquante, 2},
        {c::kSphere, "Uxyz;A;-2;S;", kErreurDistanceNegative, 0},
        {c::kPolygoneRegulier, "d;A;2;R;", kErreurNombreSommets, 3},
        {c::kPolygoneRegulier, "d;A;3.5;R;", kErreurNombreSommets, 3},
        {c::kImageParHomothetieRapport, "A;0;B;H;", kErreurRapportNul, 2},
        {c::kHomothetieTransformant, "A;A;B;h;", kErreurAntecedentCentre, 2},
        {c::kMesureAngle, "grade;ABC;a;", 625, 0},
        {c::kMilieuSegment, "AB;1M;", kErreurPremiereLettre, 2},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.arguments);
        const int objets = f.nombreObjets, valeurs = f.valeursUtilisees, parentsUtilises = f.parentsUtilises;
        const std::string noms = f.texteDesNoms;
        EXPECT_EQ(cree(k.code, k.arguments), k.erreur);
        if (k.argument) {
            EXPECT_EQ(etatExecuteur().argumentEnErreur, k.argument);
        }
        EXPECT_EQ(f.nombreObjets, objets);
        EXPECT_EQ(f.valeursUtilisees, valeurs);
        EXPECT_EQ(f.parentsUtilises, parentsUtilises);
        EXPECT_EQ(f.texteDesNoms, noms);
    }
    // A regular polygon with a number of vertices not known yet is not checked.
    ASSERT_EQ(cree(c::kReelEgal, "4;q;"), 0);
    EXPECT_LT(cree(c::kPolygoneRegulier, "d;A;q+3;R;"), kPasDeCetteForme);
}

TEST_F(Executeur, FullTablesRefuseWithStructureSaturee) {
    const int objets = f.nombreObjets;
    f.valeursUtilisees = kMaxValeurs - 1;
    EXPECT_EQ(cree(c::kMilieuSegment, "AB;M;"), kErreurStructureSaturee);
    EXPECT_EQ(f.nombreObjets, objets);
    EXPECT_EQ(f.valeursUtilisees, kMaxValeurs - 1);
    EXPECT_EQ(f.parentsUtilises, 0 + objet(f, C).premierParent + objet(f, C).nombreParents - 1);

    // No place for a 251st object: nothing is placed.
    f.valeursUtilisees = uint16_t(objet(f, C).premiereValeur + objet(f, C).nombreValeurs - 1);
    const int valeurs = f.valeursUtilisees;
    f.nombreObjets = kMaxListeObjets;
    EXPECT_EQ(cree(c::kMilieuSegment, "AB;M;"), kErreurStructureSaturee);
    EXPECT_EQ(f.valeursUtilisees, valeurs);
    f.nombreObjets = kMaxObjets;
    EXPECT_EQ(cree(c::kMilieuSegment, "AB;M;"), kErreurStructureSaturee);
    EXPECT_EQ(f.nombreObjets, kMaxObjets);
}

TEST_F(Executeur, LengthUnitIsReadAfterTheNameWhenTheFigureHasOne) {
    ASSERT_EQ(cree(c::kUniteDeLongueur, "vec(A,B);U;"), 0);
    const int U = numero("U");
    // 2AB needs a unit: the argument after the name gives it.
    ASSERT_EQ(cree(c::kReelEgal, "2*AB;n;U;"), 0);
    EXPECT_EQ(objet(f, numero("n")).uniteLongueur, U);
    EXPECT_EQ(cree(c::kReelEgal, "2*AB;m;"), kErreurUniteNecessaire);
}

TEST_F(Executeur, SequencesThatNeedALengthUnitAreRefused) {
    // A sequence line has no written form with a unit that reads back.
    EXPECT_EQ(cree(c::kSuitePremiersTermes, "2;8;AB/2;q(n)=q(n-1)+q(n-2);q"), kErreurSuiteAvecLongueur);
    EXPECT_EQ(cree(c::kSuitePremierTerme, "1;AB;q(n)=2*q(n-1);q"), kErreurSuiteAvecLongueur);
    EXPECT_EQ(cree(c::kSuitePremiersTermes, "2;8;3;q(n)=q(n-1)+q(n-2);q"), 0);
}

TEST_F(Executeur, AFirstLengthUnitIsRefusedWhenALineWithoutUnitFormNeedsOne) {
    // The key command's expression took the built-in unit silently; its line
    // cannot name one once a second unit exists.
    ASSERT_EQ(cree(constructionDePhrase(2178), "-3,3;a;"), 0);
    ASSERT_EQ(cree(constructionDePhrase(2136), "a;AB/2;A;K;"), 0);
    EXPECT_EQ(cree(c::kUniteDeLongueur, "vec(A,B);U;"), kErreurUniteRendIlisible);
    EXPECT_EQ(nomErreur1(), "K");
}

TEST_F(Executeur, IterativeCreationChecksItsThreeLists) {
    ASSERT_EQ(cree(c::kMilieuSegment, "AB;M;"), 0);
    const int M = numero("M");
    EXPECT_EQ(cree(c::kToucheIteration, "M;A;M C;aucune;T;"), kErreurListesInegales);
    EXPECT_EQ(cree(c::kToucheIteration, "M;C;M;aucune;T;"), kErreurNonUtiliseReproduit);
    EXPECT_EQ(cree(c::kToucheIteration, "M;A C;M M;aucune;T;"), kErreurRemplaceInutilise);
    EXPECT_EQ(cree(c::kToucheIteration, "M;M;M;aucune;T;"), kErreurReproduitEtRemplace);
    ASSERT_EQ(cree(c::kToucheIteration, "M;A;M;aucune;T;"), 0);
    const int T = numero("T");
    EXPECT_EQ(parents(T), (std::vector<int>{M, A, M}));
    EXPECT_EQ(objet(f, T).premierEchantillon, 1);
}

TEST_F(Executeur, PrototypeLineReadsTheGivenObjectsInTheirOrder) {
    static TInterfacePrototype proto;
    proto = TInterfacePrototype{};
    proto.nombreDonnes = 3;
    proto.naturesDonnes[1] = kNaturePoint;
    proto.naturesDonnes[2] = kNatureDroite;
    proto.naturesDonnes[3] = kNatureNombreReel;
    proto.nombreValeursResultat = 3;
    etatExecuteur().trouvePrototype = [](TfigureKalmetra&, uint8_t p) { return p == 1 ? &proto : nullptr; };
    L = TLigneAnalysee{};
    L.codeConstruction = c::kMilieuSegment;
    L.nouvelObjet.codeConstruction = c::kMilieuSegment;
    initialiseObjetFigure(f, 0, L.nouvelObjet);
    L.nouvelObjet.numeroPrototype = 1;
    L.arguments = "C;AB;4;R;";
    executeConstructionDeLigne(f, L);
    EXPECT_EQ(L.erreur, 0);
    EXPECT_EQ(proto.operandesDonnes[1], 1);
    EXPECT_EQ(proto.operandesDonnes[2], 2);
    EXPECT_EQ(proto.operandesDonnes[3], 1); // the expression slot of the number
    EXPECT_EQ(L.nouvelObjet.nombreParents, 3);
    EXPECT_EQ(L.parents[1], C);
    EXPECT_EQ(L.parents[2], A);
    EXPECT_EQ(L.parents[3], B);
    EXPECT_DOUBLE_EQ(L.valeurs[4], 4);
    EXPECT_EQ(L.nomNouvelObjet, "R");
}

// Every code of the catalogue is handled, by steps or by the common end
// alone: none is left unknown.
TEST(ScriptsDeConstruction, EveryCodeOfTheCatalogueHasAScript) {
    for (uint8_t code : construction::kCodes) {
        const GenreScript g = genreScript(code);
        EXPECT_TRUE(g == GenreScript::Script || g == GenreScript::SansScript) << int(code);
    }
    EXPECT_EQ(genreScript(115), GenreScript::Script); // the keyboard step of a free object
}

// The expression steps hand the compiler their own number as the type
// letter: a step renumbered by mistake would ask for another kind of result.
TEST(EtapesDeConstruction, ExpressionStepsGiveTheCompilerItsTypeLetters) {
    const struct {
        Etape etape;
        char lettre;
    } cas[] = {
        {Etape::Expression, '?'},
        {Etape::ExpressionConstante, 'J'},
        {Etape::ExpressionVecteur, 'L'},
        {Etape::ExpressionDistance, 'N'},
        {Etape::ExpressionFonction, 'P'},
        {Etape::ExpressionRelation, 'T'},
        {Etape::ExpressionNombre, '^'},
        {Etape::ExpressionFonction2Variables, 'm'},
        {Etape::ExpressionFonction3Variables, 'n'},
    };
    for (const auto& c : cas)
        EXPECT_EQ(typeExpressionDeEtape(c.etape), c.lettre) << int(c.etape);
}

} // namespace
} // namespace km32::essai
