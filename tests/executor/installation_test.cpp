// Installation of objects: lines named by their points, redefinitions and
// what they keep, the checks of a redefinition, the names check.
#include "banc_executeur.h"
#include "text/listes_points.h"

namespace km32::essai {
namespace {

namespace c = construction;

class Installation : public BancExecuteur {};

TEST_F(Installation, SegmentsByPairsAreCreatedOnce) {
    const int objets = f.nombreObjets;
    ASSERT_EQ(cree(c::kSegment, "AB AC;"), 0);
    ASSERT_EQ(f.nombreObjets, objets + 2);
    EXPECT_EQ(numeroObjetDeNotation(f, "[AB]"), objets + 1);
    EXPECT_EQ(parents(objets + 2), (std::vector<int>{A, C}));
    EXPECT_EQ(objet(f, objets + 1).longueurNom, 0);
    const int valeurs = f.valeursUtilisees;
    EXPECT_EQ(cree(c::kSegment, "BA;"), kErreurCreeDeuxFois);
    EXPECT_EQ(f.nombreObjets, objets + 2);
    EXPECT_EQ(f.valeursUtilisees, valeurs);
}

TEST_F(Installation, RedefinitionKeepsFlagsAndStyleOfTheOldObject) {
    ASSERT_EQ(cree(c::kPointLibreSurSegment, "AB;P;"), 0);
    const int P = numero("P");
    changeDrapeauObjet(objet(f, P), kDrapeauBloque, true);
    objet(f, P).style.rouge = 200;
    ASSERT_EQ(cree(c::kPointLibreSurSegment, "AC;P;"), 0);
    EXPECT_EQ(numero("P"), P);
    EXPECT_TRUE(estBloque(objet(f, P)));
    EXPECT_EQ(objet(f, P).style.rouge, 200);
    EXPECT_EQ(parents(P), (std::vector<int>{A, C}));
    // Another construction keeps the style, not the blocked flag.
    ASSERT_EQ(cree(c::kMilieuSegment, "AC;P;"), 0);
    EXPECT_FALSE(estBloque(objet(f, P)));
    EXPECT_EQ(objet(f, P).style.rouge, 200);
    attendPoint(pt(P), 0.5, 3, 2.5);
}

TEST_F(Installation, PilotOfALocusMustStayVariable) {
    ASSERT_EQ(cree(c::kPointLibreSurSegment, "AB;P;"), 0);
    ASSERT_EQ(cree(c::kMilieuSegment, "PC;M;"), 0);
    ASSERT_EQ(cree(c::kLieuPoint, "P;M;100;L;"), 0);
    EXPECT_EQ(objet(f, numero("L")).nombreEchantillons, 100);
    EXPECT_EQ(cree(c::kPointLibreSurSegment, "AC;P;"), 0);
    EXPECT_EQ(cree(c::kMilieuSegment, "AB;P;"), kErreurPiloteVariable);
    EXPECT_EQ(nomErreur1(), "P");
}

TEST_F(Installation, NamesCheckFindsTwoObjectsOfOneName) {
    EXPECT_EQ(verifieNomsFigure(f), 0);
    ASSERT_EQ(cree(c::kMilieuSegment, "AB;M;"), 0);
    // B renamed M by hand: the later M is the one reported.
    f.texteDesNoms[std::size_t(objet(f, B).debutNom - 1)] = 'M';
    platform::reinitialiseBoites();
    EXPECT_EQ(verifieNomsFigure(f), kErreurObjetExisteDeja);
    EXPECT_EQ(nomErreur1(), "M");
}

TEST_F(Installation, NewRecordFollowsItsConstruction) {
    TObjetFigure o;
    o.codeConstruction = c::kCercleCentreRayon;
    o.drapeaux = 0xFFFF;
    initialiseObjetFigure(f, 3, o);
    EXPECT_EQ(o.nature, kNatureCercle);
    EXPECT_EQ(o.nombreValeurs, 11);
    EXPECT_EQ(o.nombreParents, 4);
    EXPECT_EQ(o.nombreExpressions, 1);
    EXPECT_EQ(o.drapeaux, 0);
    EXPECT_EQ(o.style.courbe, 1);
    EXPECT_TRUE(o.style.drapeaux & 2048);
}

} // namespace
} // namespace km32::essai
