// The undo store: undo and redo of a change, the eviction of old snapshots
// when the store is full or memory runs out, and the snapshots of a figure
// that goes away.
#include <gtest/gtest.h>

#include <vector>

#include "banc_annulation.h"

namespace km32::annulation {
namespace {

const char* const kTriangle = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                              "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                              "C point de coordonnées (0,2,6) dans le repère Rxyz\r\n";

using Annulation = BancAnnulation;

TEST_F(Annulation, UndoGivesBackTheFigureBeforeACreationAndRedoGivesTheCreationAgain) {
    TfigureKalmetra& f = figure(1, kTriangle);
    const auto avant = copie(f);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "M milieu du segment [BC]"), 0);
    const auto apres = copie(f);

    ASSERT_TRUE(defaitFigure(f));
    attendMemeConstruction(f, *avant);
    EXPECT_EQ(numero(f, "M"), 0);
    EXPECT_FALSE(f.annulationPossible); // no older snapshot
    EXPECT_TRUE(f.retablissementPossible);
    EXPECT_TRUE(f.modifiee);

    ASSERT_TRUE(refaitFigure(f));
    attendMemeConstruction(f, *apres);
    const int m = numero(f, "M");
    ASSERT_NE(m, 0);
    // The midpoint of B (4,0,0) and C (0,2,6).
    EXPECT_DOUBLE_EQ(valeurObjet(f, m, 1), 2);
    EXPECT_DOUBLE_EQ(valeurObjet(f, m, 2), 1);
    EXPECT_DOUBLE_EQ(valeurObjet(f, m, 3), 3);
    EXPECT_TRUE(f.annulationPossible);
    EXPECT_FALSE(f.retablissementPossible);
    EXPECT_FALSE(refaitFigure(f));

    // The redo left an undo snapshot: undo goes back once more.
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C");
}

// The view switches a figure text does not hold stay as the user left
// them through an undo and a redo.
// The joined pairs of samples of locus n that join a point with x < 0 to
// a point with x > 0.
int jointsAuTraversDeXNul(const TfigureKalmetra& f, int n) {
    int traversees = 0;
    const int compte = int(valeurObjet(f, n, 2));
    for (int k = 1; k < compte; ++k) {
        const Techantillon& a = (*f.echantillons)[std::size_t(objet(f, n).premierEchantillon + k - 1)];
        const Techantillon& b = (*f.echantillons)[std::size_t(objet(f, n).premierEchantillon + k)];
        if (!b.rupture && (a.x > 0) != (b.x > 0)) ++traversees;
    }
    return traversees;
}

// A figure read back by an undo or a redo samples its loci once its drawing
// lines are read: the locus of (a, 1/a, 0), joined, keeps its break at a = 0.
TEST_F(Annulation, UndoAndRedoGiveBackAJoinedLocusBrokenAtItsGap) {
    TfigureKalmetra& f = figure(1, "a réel libre de [-1,1]\r\n"
                                   "Q point de coordonnées (a,1/a,0) dans le repère Rxyz\r\n"
                                   "L lieu du point Q, pilote a (21 points)\r\n"
                                   "Dessin de L: points liés\r\n");
    ASSERT_TRUE(f.echantillons);
    ASSERT_EQ(valeurObjet(f, numero(f, "L"), 2), 20);
    EXPECT_EQ(jointsAuTraversDeXNul(f, numero(f, "L")), 0);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "b = 1"), 0);
    for (bool defait : {true, false}) {
        ASSERT_TRUE(defait ? defaitFigure(f) : refaitFigure(f));
        const int l = numero(f, "L");
        ASSERT_NE(l, 0);
        ASSERT_EQ(valeurObjet(f, l, 2), 20);
        EXPECT_EQ(jointsAuTraversDeXNul(f, l), 0) << (defait ? "undo" : "redo");
        EXPECT_EQ(numero(f, "b") != 0, !defait);
    }
}

TEST_F(Annulation, UndoAndRedoKeepThePictureLimitAndThickLines) {
    TfigureKalmetra& f = figure(1, kTriangle);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "M milieu du segment [BC]"), 0);
    f.imageLimitee = 1;
    f.traitsEpais = 1;
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(f.imageLimitee, 1);
    EXPECT_EQ(f.traitsEpais, 1);
    ASSERT_TRUE(refaitFigure(f));
    EXPECT_EQ(f.imageLimitee, 1);
    EXPECT_EQ(f.traitsEpais, 1);
}

TEST_F(Annulation, UndoUndoRedoComesBackToTheStateBeforeTheSecondUndo) {
    TfigureKalmetra& f = figure(1, kTriangle);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "M milieu du segment [AB]"), 0);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "N milieu du segment [AC]"), 0);
    ASSERT_EQ(noms(f), "A B C M N");

    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M");
    EXPECT_TRUE(f.annulationPossible); // the snapshot before M remains
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C");
    EXPECT_FALSE(f.annulationPossible);
    EXPECT_FALSE(defaitFigure(f));

    ASSERT_TRUE(refaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M");
    EXPECT_FALSE(refaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M");
}

TEST_F(Annulation, ANewChangeDropsThePendingRedo) {
    TfigureKalmetra& f = figure(1, kTriangle);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "M milieu du segment [AB]"), 0);
    ASSERT_TRUE(defaitFigure(f));
    ASSERT_EQ(nombreInstantanesDeFigure(&f), 1); // the state the undo left
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    EXPECT_FALSE(f.retablissementPossible);
    EXPECT_EQ(nombreInstantanesDeFigure(&f), 1);
    EXPECT_FALSE(refaitFigure(f));
}

TEST_F(Annulation, NothingToUndoOrRedoChangesNothing) {
    TfigureKalmetra& f = figure(1, kTriangle);
    EXPECT_FALSE(defaitFigure(f));
    EXPECT_FALSE(refaitFigure(f));
    // A flag left on without a snapshot is cleared by the attempt.
    f.annulationPossible = 1;
    EXPECT_FALSE(defaitFigure(f));
    EXPECT_FALSE(f.annulationPossible);
    EXPECT_EQ(noms(f), "A B C");
}

// Fills the store with snapshots of figures 1 and 2, in turns, then asks one
// more for figure 1: whose oldest slot goes.
struct CasEviction {
    int deLaFigure1, deLaFigure2;
    int attendus1, attendus2; // after the new snapshot of figure 1
    int perdante;             // the figure that lost its oldest slot
};

TEST_F(Annulation, TheEvictionRuleFreesTheOldestSlotOfTheFigureItChooses) {
    const CasEviction cas[] = {
        {20, 10, 21, 9, 2}, // figure 2 holds more than 6
        {25, 5, 25, 5, 1},  // figure 2 holds 6 or fewer, figure 1 at least 9
        {30, 0, 30, 0, 1},  // everything is figure 1's
        {5, 25, 6, 24, 2},
    };
    for (const CasEviction& c : cas) {
        SCOPED_TRACE(c.deLaFigure1 * 100 + c.deLaFigure2);
        reinitialiseAnnulation();
        TfigureKalmetra& f1 = figure(1, kTriangle);
        TfigureKalmetra& f2 = figure(2, kTriangle);
        for (int k = 0; k < std::max(c.deLaFigure1, c.deLaFigure2); ++k) {
            if (k < c.deLaFigure1) {
                ASSERT_TRUE(prendInstantanePourAnnuler(f1, f1));
            }
            if (k < c.deLaFigure2) {
                ASSERT_TRUE(prendInstantanePourAnnuler(f2, f2));
            }
        }
        ASSERT_EQ(etatAnnulation().nombre, kMaxInstantanesAnnulation);
        // The texts of the loser's two oldest slots.
        TfigureKalmetra& perdante = c.perdante == 1 ? f1 : f2;
        std::vector<const std::string*> siens;
        for (int i = 1; i <= etatAnnulation().nombre; ++i)
            if (etatAnnulation().instantanes[std::size_t(i)].figure == &perdante)
                siens.push_back(etatAnnulation().instantanes[std::size_t(i)].texte.get());

        ASSERT_TRUE(prendInstantanePourAnnuler(f1, f1));
        EXPECT_EQ(etatAnnulation().nombre, kMaxInstantanesAnnulation);
        EXPECT_EQ(nombreInstantanesDeFigure(&f1), c.attendus1);
        EXPECT_EQ(nombreInstantanesDeFigure(&f2), c.attendus2);
        // Its second oldest is now its oldest.
        for (int i = 1; i <= etatAnnulation().nombre; ++i)
            if (etatAnnulation().instantanes[std::size_t(i)].figure == &perdante) {
                EXPECT_EQ(etatAnnulation().instantanes[std::size_t(i)].texte.get(), siens[1]);
                break;
            }
        // Slots stay in the order they were taken: figure 1's newest is last.
        EXPECT_EQ(dernierInstantaneDeFigure(&f1), kMaxInstantanesAnnulation);
    }
}

TEST_F(Annulation, WhenMemoryRunsOutAnOldSlotMakesRoomAndWithNoSlotNothingIsTaken) {
    TfigureKalmetra& f = figure(1, kTriangle);
    etatAnnulation().blocsMax = 0;
    EXPECT_FALSE(prendInstantanePourAnnuler(f, f));
    EXPECT_EQ(etatAnnulation().nombre, 0);
    EXPECT_FALSE(f.annulationPossible);

    etatAnnulation().blocsMax = 2;
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "M milieu du segment [AB]"), 0);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f));
    ASSERT_EQ(ligne(f, "N milieu du segment [AC]"), 0);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, f)); // the one before M goes
    EXPECT_EQ(etatAnnulation().nombre, 2);

    // Undo needs a block for the state it leaves: it frees the oldest.
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M N");
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M");
    ASSERT_TRUE(refaitFigure(f));
    EXPECT_EQ(noms(f), "A B C M N");
}

TEST_F(Annulation, TheSnapshotsOfADestroyedFigureAreDropped) {
    TfigureKalmetra& f1 = figure(1, kTriangle);
    TfigureKalmetra& f2 = figure(2, kTriangle);
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(prendInstantanePourAnnuler(f1, f1));
        ASSERT_TRUE(prendInstantanePourAnnuler(f2, f2));
    }
    KMdetruitFigureMeme(1);
    ASSERT_EQ(etatAnnulation().nombre, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(etatAnnulation().instantanes[std::size_t(i)].figure, &f2);

    // A figure freed outside the table drops its own too.
    auto seule = figureSeule(kTriangle);
    ASSERT_TRUE(prendInstantanePourAnnuler(*seule, *seule));
    libereFigure(seule);
    EXPECT_EQ(etatAnnulation().nombre, 3);
}

TEST_F(Annulation, TheSnapshotOfAFormerStateIsWhatUndoRestores) {
    TfigureKalmetra& f = figure(1, kTriangle);
    const auto avant = copie(f);
    ASSERT_EQ(ligne(f, "M milieu du segment [AB]"), 0);
    ASSERT_TRUE(prendInstantanePourAnnuler(f, *avant));
    ASSERT_TRUE(defaitFigure(f));
    EXPECT_EQ(noms(f), "A B C");
}

} // namespace
} // namespace km32::annulation
