// Deleting objects: the set goes with its dependants, the rest is
// renumbered as if it had been created alone; protected dependants and
// built-in objects refuse the deletion.
#include <gtest/gtest.h>

#include <cmath>

#include "banc_annulation.h"
#include "model/calcul/calcul_objet.h"
#include "text/suppression.h"

namespace km32::annulation {
namespace {

const char* const kPointA = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n";
const char* const kReste = "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                           "C point de coordonnées (0,2,6) dans le repère Rxyz\r\n";
const char* const kDependantsDeA = "M milieu du segment [AB]\r\n"
                                   "d droite (MC)\r\n";
const char* const kAutres = "N milieu du segment [BC]\r\n"
                            "r = BC+1\r\n";

std::string figureComplete() {
    return std::string(kPointA) + kReste + kDependantsDeA + kAutres;
}

using Suppression = BancAnnulation;

TEnsembleObjets ensembleDe(std::initializer_list<int> objets) {
    TEnsembleObjets e;
    for (int i : objets)
        e.set(std::size_t(i));
    return e;
}

// The survivors of deleting A: as if B, C, N and r had been created alone,
// with their values unchanged and computed again from their renumbered
// parents and operands.
void attendSurvivantsDeA(const TfigureKalmetra& f) {
    ASSERT_EQ(BancAnnulation::noms(f), "B C N r");
    const auto seule = BancAnnulation::figureSeule(std::string(kReste) + kAutres);
    BancAnnulation::attendMemeConstruction(f, *seule);
    const int n = BancAnnulation::numero(f, "N");
    EXPECT_EQ(nomObjet(f, parentObjet(f, n, 1)), "B");
    EXPECT_EQ(nomObjet(f, parentObjet(f, n, 2)), "C");
}

void recalculeTout(TfigureKalmetra& f) {
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        calculeObjet(f, i);
}

TEST_F(Suppression, DeletingAPointDeletesItsDependantsAndRenumbersTheRest) {
    TfigureKalmetra& f = figure(1, figureComplete());
    ASSERT_EQ(noms(f), "A B C M d N r");
    ASSERT_TRUE(detruitEnsembleObjets(f, ensembleDe({numero(f, "A")})));
    attendSurvivantsDeA(f);
    EXPECT_TRUE(f.modifiee);

    recalculeTout(f);
    const int n = numero(f, "N"), r = numero(f, "r");
    // N midpoint of B (4,0,0) and C (0,2,6); r = |BC| + 1.
    EXPECT_DOUBLE_EQ(valeurObjet(f, n, 1), 2);
    EXPECT_DOUBLE_EQ(valeurObjet(f, n, 2), 1);
    EXPECT_DOUBLE_EQ(valeurObjet(f, n, 3), 3);
    EXPECT_NEAR(valeurObjet(f, r, 1), std::sqrt(56.0) + 1, 1e-12);
    EXPECT_FALSE(objet(f, r).nonDefini);

    // The deletion can be undone.
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M d N r");
}

TEST_F(Suppression, TheDeletionLineDeletesWithoutSnapshot) {
    TfigureKalmetra& f = figure(1, figureComplete());
    EXPECT_EQ(ligne(f, "Supprimer A"), 0);
    attendSurvivantsDeA(f);
    EXPECT_EQ(etatAnnulation().nombre, 0);

    // Names that are no user object: nothing happens.
    TfigureKalmetra& g = figure(2, figureComplete());
    EXPECT_EQ(ligne(g, "Supprimer Rxyz Z"), 0);
    EXPECT_EQ(noms(g), "A B C M d N r");
}

TEST_F(Suppression, ASetOfSeveralObjectsRenumbersEveryStoredIndex) {
    // Delete M and N (with d): B, C, r stay; stored indices above them drop.
    TfigureKalmetra& f = figure(1, figureComplete() + "Sélection pour trace: C, r\r\n");
    const int c = numero(f, "C"), m = numero(f, "M"), n = numero(f, "N"), r = numero(f, "r");
    f.objetLibreActif = uint8_t(c);
    f.ensembleTrace = ensembleDe({c, n});
    objet(f, r).sourcesCouleur[0] = uint8_t(c);
    objet(f, r).sourcesCouleur[1] = uint8_t(n);
    objet(f, r).sourcesCouleur[2] = uint8_t(numero(f, "B"));
    ASSERT_TRUE(detruitEnsembleObjets(f, ensembleDe({m, n})));
    ASSERT_EQ(noms(f), "A B C r");
    const int r2 = numero(f, "r");
    EXPECT_EQ(f.objetLibreActif, numero(f, "C"));
    EXPECT_EQ(f.ensembleTrace, ensembleDe({numero(f, "C")}));
    EXPECT_EQ(objet(f, r2).sourcesCouleur[0], numero(f, "C"));
    EXPECT_EQ(objet(f, r2).sourcesCouleur[1], 0); // N is gone
    EXPECT_EQ(objet(f, r2).sourcesCouleur[2], numero(f, "B"));
}

TEST_F(Suppression, DeletingAPointOfTheIsolatedPlaneTurnsTheIsolatedViewOff) {
    TfigureKalmetra& f = figure(1, figureComplete() + "Plan (ABC) isolé\r\n");
    ASSERT_TRUE(f.reglagePlanIsole);
    f.objetLibreActif = uint8_t(numero(f, "A"));
    ASSERT_TRUE(detruitEnsembleObjets(f, ensembleDe({numero(f, "A")})));
    EXPECT_FALSE(f.reglagePlanIsole);
    EXPECT_EQ(f.plansEnregistres[kPlanIsole].objets[0], 0);
    EXPECT_EQ(f.objetLibreActif, 0);
}

TEST_F(Suppression, AProtectedDependantRefusesTheDeletion) {
    TfigureKalmetra& f = figure(1, figureComplete());
    changeDrapeauObjet(objet(f, numero(f, "N")), kDrapeauProtege, true);
    const auto avant = copie(f);
    EXPECT_FALSE(detruitEnsembleObjets(f, ensembleDe({numero(f, "B"), numero(f, "C")})));
    attendMemeConstruction(f, *avant);
    EXPECT_EQ(etatAnnulation().nombre, 0);
    ASSERT_EQ(platform::boitesDemandees().size(), 1u);
    // Named after the lowest deleted object N is built from.
    EXPECT_EQ(utf8DeWindows1252(platform::boitesDemandees()[0].texte).rfind("La suppression de B ", 0), 0u);

    // An object of the set itself may be protected.
    EXPECT_TRUE(detruitEnsembleObjets(f, ensembleDe({numero(f, "N")})));
    EXPECT_EQ(noms(f), "A B C M d r");
}

TEST_F(Suppression, BuiltInObjectsAreNotDeletedNorTakeTheirDependants) {
    TfigureKalmetra& f = figure(1, figureComplete());
    for (int integre : {1, 2, 7, 13}) {
        SCOPED_TRACE(integre);
        EXPECT_FALSE(detruitEnsembleObjets(f, ensembleDe({integre})));
        EXPECT_EQ(noms(f), "A B C M d N r");
        EXPECT_EQ(etatAnnulation().nombre, 0);
    }
    EXPECT_THROW(renumeroteApresDestruction(f, 1), ErreurInterne);
    // With a user object beside it, only that object's closure goes.
    EXPECT_TRUE(detruitEnsembleObjets(f, ensembleDe({1, numero(f, "r")})));
    EXPECT_EQ(noms(f), "A B C M d N");
    EXPECT_FALSE(detruitEnsembleObjets(f, TEnsembleObjets{}));
}

TEST_F(Suppression, NoSnapshotMeansNoDeletion) {
    TfigureKalmetra& f = figure(1, figureComplete());
    etatAnnulation().blocsMax = 0;
    EXPECT_FALSE(detruitEnsembleObjets(f, ensembleDe({numero(f, "A")})));
    EXPECT_EQ(noms(f), "A B C M d N r");
}

TEST_F(Suppression, ProtectionOfASetTakesASnapshot) {
    TfigureKalmetra& f = figure(1, figureComplete());
    EXPECT_FALSE(protegeObjets(f, TEnsembleObjets{}, true));
    const int m = numero(f, "M");
    changeDrapeauObjet(objet(f, m), kDrapeauProtegeSaufRedefinition, true);
    ASSERT_TRUE(protegeObjets(f, ensembleDe({m}), true));
    EXPECT_TRUE(estProtege(objet(f, m)));
    EXPECT_FALSE(protegeSaufRedefinition(objet(f, m)));
    EXPECT_EQ(nombreInstantanesDeFigure(&f), 1);
    ASSERT_TRUE(protegeObjets(f, ensembleDe({m}), false));
    EXPECT_FALSE(estProtege(objet(f, m)));
}

} // namespace
} // namespace km32::annulation
