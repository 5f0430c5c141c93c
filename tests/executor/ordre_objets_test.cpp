// Object order and the line store: moves renumber every stored object
// number, a redefinition that breaks the order is mended, circular
// definitions are refused, and removing an object's data closes the gaps.
#include "banc_executeur.h"
#include "drawing/traces.h"
#include "model/parametres_expression.h"
#include "text/rangement_lignes.h"

namespace km32::essai {
namespace {

namespace c = construction;

class OrdreObjets : public BancExecuteur {
  protected:
    // Every user object comes after its antecedents.
    void attendOrdre() {
        for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
            for (uint8_t a : listeDesAntecedents(f, i))
                EXPECT_LT(a, i) << nomObjet(f, i);
        for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i) {
            const TEnsembleObjets s = ensembleDesAntecedents(f, i);
            for (int j = i; j <= f.nombreObjets; ++j)
                EXPECT_FALSE(s.test(std::size_t(j))) << nomObjet(f, i) << " uses " << nomObjet(f, j);
        }
    }
    std::vector<int> objetsExpression(int n, int k) {
        const TExpressionParametre& e = expressionParametre(f, objet(f, n).premiereExpression + k - 1);
        std::vector<int> v;
        const int m = octetOperande(f, e.debutOctets + 1);
        for (int j = 1; j <= m; ++j)
            v.push_back(octetOperande(f, e.debutOctets + 2 + j));
        return v;
    }
};

TEST(NumerotationApresDeplacement, ShiftsTheObjectsBetween) {
    struct Cas {
        int a, b, x, attendu;
    };
    const Cas cas[] = {
        {20, 25, 20, 25}, {20, 25, 21, 20}, {20, 25, 25, 24}, {20, 25, 19, 19}, {20, 25, 26, 26},
        {25, 20, 25, 20}, {25, 20, 20, 21}, {25, 20, 24, 25}, {25, 20, 26, 26}, {25, 20, 19, 19},
    };
    for (const Cas& k : cas)
        EXPECT_EQ(numeroApresDeplacement(uint8_t(k.x), k.a, k.b), k.attendu)
            << k.a << "->" << k.b << ": " << k.x;
}

TEST_F(OrdreObjets, MoveRenumbersParentsOperandRunsAndSets) {
    ASSERT_EQ(cree(c::kMilieuSegment, "AB;M;"), 0);
    ASSERT_EQ(cree(c::kImageParTranslation, "vec(A,B);C;K;"), 0);
    const int M = numero("M"), K = numero("K");
    f.ensembleTrace.set(std::size_t(A));
    f.ensembleTrace.set(std::size_t(M));
    f.objetLibreActif = uint8_t(A);
    objet(f, K).uniteLongueur = uint8_t(B);

    deplaceObjet(f, A, C); // A goes to C's place; B and C move down one
    const int a = C, b = A, cc = B;
    EXPECT_EQ(numero("A"), a);
    EXPECT_EQ(numero("B"), b);
    EXPECT_EQ(numero("C"), cc);
    EXPECT_EQ(parents(M), (std::vector<int>{a, b}));
    EXPECT_EQ(parents(K), (std::vector<int>{cc}));
    EXPECT_EQ(objetsExpression(K, 1), (std::vector<int>{a, b}));
    EXPECT_TRUE(f.ensembleTrace.test(std::size_t(a)));
    EXPECT_TRUE(f.ensembleTrace.test(std::size_t(M)));
    EXPECT_EQ(f.ensembleTrace.count(), 2u);
    EXPECT_EQ(f.objetLibreActif, a);
    EXPECT_EQ(objet(f, K).uniteLongueur, b);
    // The moved figure computes as before.
    calculeObjet(f, M);
    calculeObjet(f, K);
    attendPoint(pt(M), 3, 1, 1);
    attendPoint(pt(K), 4, 2, -2);
}

// Each object's trail goes with it, in both directions of a move.
TEST_F(OrdreObjets, AMoveTakesEachObjectsTrailAlong) {
    creeTableTraces(f.tableTraces);
    const std::string noms[3] = {"A", "B", "C"};
    const TTraceObjet* traces[3] = {};
    for (int k = 0; k < 3; ++k) {
        PTraceObjet& t = f.tableTraces->traces[std::size_t(numero(noms[k]))];
        creeTraceObjet(kNaturePoint, t);
        traces[k] = t.get();
    }
    const int a = A;
    deplaceObjet(f, A, C);
    ASSERT_EQ(numero("A"), C);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(traceObjet(f, numero(noms[k])), traces[k]) << noms[k];
    deplaceObjet(f, C, a);
    ASSERT_EQ(numero("A"), a);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(traceObjet(f, numero(noms[k])), traces[k]) << noms[k];
}

TEST_F(OrdreObjets, RedefinitionOnLaterObjectsIsPutBackInOrder) {
    ASSERT_EQ(cree(c::kMilieuSegment, "AB;M;"), 0);
    ASSERT_EQ(cree(c::kReelEgal, "2*AM;n;"), 0);
    point("D", 0, 0, 5);
    point("E", 1, 0, 5);
    // A now depends on D and E, created after it.
    ASSERT_EQ(cree(c::kMilieuSegment, "DE;A;"), 0);
    attendOrdre();
    const int a = numero("A"), m = numero("M"), n = numero("n");
    EXPECT_EQ(parents(a), (std::vector<int>{numero("D"), numero("E")}));
    EXPECT_EQ(parents(m), (std::vector<int>{a, numero("B")}));
    std::vector<int> lus = objetsExpression(n, 1);
    std::sort(lus.begin(), lus.end());
    std::vector<int> attendus = {a, m};
    std::sort(attendus.begin(), attendus.end());
    EXPECT_EQ(lus, attendus);
    attendPoint(pt(a), 0.5, 0, 5);
    attendPoint(pt(m), 2.75, 0, 2); // the middle of (0.5, 0, 5) and (5, 0, -1)
    const double am = std::sqrt(2.25 * 2.25 + 9);
    EXPECT_NEAR(valeurParametreObjet(f, n, 1, 1), 2 * am, 1e-9);
}

TEST_F(OrdreObjets, CircularDefinitionsAreRefused) {
    ASSERT_EQ(cree(c::kMilieuSegment, "AB;M;"), 0);
    ASSERT_EQ(cree(c::kMilieuSegment, "MC;N;"), 0);
    EXPECT_EQ(cree(c::kMilieuSegment, "NA;M;"), kErreurDefinitionMutuelle);
    EXPECT_EQ(nomErreur1(), "N");
    EXPECT_EQ(nomErreur2(), "M");

    EXPECT_EQ(cree(c::kMilieuSegment, "AB;A;"), kErreurDefiniParLuiMeme);
    EXPECT_EQ(nomErreur1(), "A");
}

TEST_F(OrdreObjets, RemovingAnObjectsDataClosesTheGaps) {
    ASSERT_EQ(cree(c::kReelEgal, "2*AB+1;n;"), 0);
    ASSERT_EQ(cree(c::kMilieuSegment, "AB;M;"), 0);
    ASSERT_EQ(cree(c::kReelEgal, "3*AC+2;p;"), 0);
    const int n = numero("n"), M = numero("M"), p = numero("p");
    const TObjetFigure avantA = objet(f, A), avantM = objet(f, M), avantP = objet(f, p);
    const int valeurs = f.valeursUtilisees, constantes = f.constantesUtilisees,
              octets = f.octetsOperandesUtilises;
    const TExpressionParametre en = expressionParametre(f, objet(f, n).premiereExpression);
    const std::string texteP =
        f.texteDesFormules.substr(expressionParametre(f, avantP.premiereExpression).debutTexte - 1,
                                  expressionParametre(f, avantP.premiereExpression).longueurTexte);

    oteDonneesObjet(f, n);
    EXPECT_EQ(f.valeursUtilisees, valeurs - 1);
    EXPECT_EQ(f.constantesUtilisees, constantes - en.nombreConstantes);
    EXPECT_EQ(f.octetsOperandesUtilises, octets - en.nombreOctets);
    EXPECT_EQ(objet(f, A).premiereValeur, avantA.premiereValeur); // earlier owners stay
    EXPECT_EQ(objet(f, M).premiereValeur, avantM.premiereValeur - 1);
    EXPECT_EQ(objet(f, p).premiereValeur, avantP.premiereValeur - 1);
    EXPECT_EQ(objet(f, p).premiereExpression, avantP.premiereExpression - 1);
    EXPECT_EQ(objet(f, M).debutNom, avantM.debutNom - 1);
    EXPECT_EQ(nomObjet(f, p), "p");
    const TExpressionParametre& ep = expressionParametre(f, objet(f, p).premiereExpression);
    EXPECT_EQ(f.texteDesFormules.substr(ep.debutTexte - 1, ep.longueurTexte), texteP);
    // p still runs from its moved record: 3|AC| + 2 with |AC| = sqrt(6).
    EXPECT_NEAR(valeurParametreObjet(f, p, 1, 1), 3 * std::sqrt(6.0) + 2, 1e-9);
}

TEST_F(OrdreObjets, StoredValueRecordKeepsNoConstants) {
    L = TLigneAnalysee{};
    TAnalyseExpression& a = expressionLigne(L, 1);
    a.texte = "x";
    a.drapeauConstante = 1;
    a.derniereCaseConstante = kCasePremiereConstante + 1;
    const int r = ++f.expressionsUtilisees;
    const int constantes = f.constantesUtilisees;
    rangeLigneCompilee(f, r, L);
    EXPECT_EQ(L.erreur, 0);
    EXPECT_EQ(expressionParametre(f, r).nombreConstantes, 0);
    EXPECT_EQ(expressionParametre(f, r).nombreOctets, 0);
    EXPECT_EQ(expressionParametre(f, r).constante, 1);
    EXPECT_EQ(f.constantesUtilisees, constantes);
    EXPECT_EQ(f.texteDesFormules.substr(expressionParametre(f, r).debutTexte - 1), "x");

    // A full operand table refuses with 535.
    a.drapeauConstante = 0;
    a.longueurListe = 10;
    f.octetsOperandesUtilises = kMaxOctetsOperandes - 5;
    rangeLigneCompilee(f, r, L);
    EXPECT_EQ(L.erreur, kErreurStructureSaturee);
    EXPECT_EQ(f.octetsOperandesUtilises, kMaxOctetsOperandes - 5);
}

} // namespace
} // namespace km32::essai
