// Picking on hand-made display elements (distances chosen in whole pixels),
// the designation rules, and the pick tolerance taken from the desktop.
#include <gtest/gtest.h>

#include <memory>

#include "drawing/bloc_dessin.h"
#include "drawing/designation.h"
#include "drawing/selection.h"
#include "host/bibliotheque.h"
#include "model/registre_figures.h"
#include "platform/ecran.h"
#include "platform/plateforme.h"
#include "sibling/table_partagee.h"

namespace km32::essais {
namespace {

class Selection : public ::testing::Test {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;

    Selection() {
        platform::reinitialisePlateforme();
        reinitialiseTableDesVariablesPartagees();
        initialiseFigureNeuve(f);
        creeBlocDessin(f.blocDessin);
        etatSelection().toleranceDesignation = 38; // a desktop 1280 pixels wide
    }
    ~Selection() override {
        reinitialiseSelection();
        platform::reinitialisePlateforme();
    }

    int objetNouveau(uint8_t nature, uint8_t code) {
        const int i = ++f.nombreObjets;
        objet(f, i).nature = nature;
        objet(f, i).codeConstruction = code;
        return i;
    }
    TelementDessin& element(int i) {
        f.blocDessin->elements[std::size_t(i)].reset(new TelementDessin);
        return *f.blocDessin->elements[std::size_t(i)];
    }
    int point(int x, int y) {
        const int i = objetNouveau(kNaturePoint, 133);
        TelementDessin& e = element(i);
        e.x = x, e.y = y;
        return i;
    }
    // A segment drawn from (x1, y) to (x2, y); the first half hidden when asked.
    int segment(int x1, int x2, int y, bool moitieCachee = false) {
        const int i = objetNouveau(kNatureSegment, 34);
        TpartiesVisibles& p = element(i).parties;
        p.x = {x1, (x1 + x2) / 2, x2};
        p.y = {y, y, y};
        p.nombre = 2;
        p.commenceCache = moitieCachee ? 1 : 0;
        return i;
    }
};

TEST_F(Selection, APointWinsUnlessALineIsClearlyNearer) {
    struct Cas {
        int distancePoint, distanceSegment;
        bool pointGagne;
    };
    // u = 38: b = 0.4 x the point's distance; a line must be below 0.95 b.
    for (const Cas c :
         {Cas{10, 4, true}, Cas{10, 3, false}, Cas{9, 1, true}, Cas{30, 11, false}, Cas{30, 12, true}}) {
        initialiseFigureNeuve(f);
        creeBlocDessin(f.blocDessin);
        const int P = point(200 + c.distancePoint, 100);
        const int S = segment(150, 250, 100 + c.distanceSegment);
        EXPECT_EQ(objetSousSouris(f, 200, 100), c.pointGagne ? P : S)
            << c.distancePoint << " " << c.distanceSegment;
    }
}

TEST_F(Selection, NearestPointWinsTiesKeepTheLowerNumberAndFarAwayFindsNothing) {
    const int A = point(100, 100);
    const int B = point(120, 100);
    point(80, 100); // at the same distance as B, but later
    EXPECT_EQ(objetSousSouris(f, 112, 100), B);
    EXPECT_EQ(objetSousSouris(f, 110, 100), A);
    EXPECT_EQ(objetSousSouris(f, 100, 138), 0); // exactly u away
    EXPECT_EQ(objetSousSouris(f, 100, 137), A);
}

TEST_F(Selection, HiddenPiecesCountOnlyWhenHiddenPartsAreDrawn) {
    const int S = segment(100, 300, 100, true); // hidden from 100 to 200
    EXPECT_EQ(objetSousSouris(f, 150, 102), 0);
    EXPECT_EQ(objetSousSouris(f, 250, 102), S);
    f.partiesCacheesPointillees = 1;
    EXPECT_EQ(objetSousSouris(f, 150, 102), S);
}

TEST_F(Selection, TheTopBandHoldsOnlyItsTexts) {
    f.hauteurZoneAffichages = 40;
    const int T = objetNouveau(kNatureAffichage, 0);
    objet(f, T).codeConstruction = 0;
    TelementDessin& e = element(T);
    e.x = 10, e.y = 20, e.decalage = 12, e.largeur = 60, e.hauteur = 16; // box 10..70 x 8..24
    const int P = point(30, 15);
    // The text has no drawable construction code: only a drawable one counts.
    EXPECT_EQ(objetSousSouris(f, 30, 15), 0);
    objet(f, T).codeConstruction = 60; // a display of coordinates
    EXPECT_EQ(objetSousSouris(f, 30, 15), T);
    EXPECT_EQ(objetSousSouris(f, 30, 30), 0);  // in the band, outside the box
    EXPECT_EQ(objetSousSouris(f, 30, 200), 0); // below the band: no text
    elementDessin(f, P)->y = 45;
    EXPECT_EQ(objetSousSouris(f, 30, 45), P);
}

TEST_F(Selection, SegmentDistance) {
    struct Cas {
        double px, py, ax, ay, bx, by, d;
    };
    for (const Cas c : {Cas{0, 5, -10, 0, 10, 0, 5}, Cas{-13, 4, -10, 0, 10, 0, 5},
                        Cas{14, -3, -10, 0, 10, 0, 5}, Cas{3, 4, 0, 0, 0, 0, 5}, Cas{1, 1, 0, 0, 2, 2, 0}})
        EXPECT_DOUBLE_EQ(distancePointSegmentEcran(c.px, c.py, c.ax, c.ay, c.bx, c.by), c.d);
}

TEST_F(Selection, DesignationRules) {
    const int A = point(0, 0);
    const int S = segment(0, 10, 0);
    const int L = objetNouveau(kNatureNombreReel, 74); // a free real number
    changeDrapeauObjet(objet(f, A), kDrapeauAccesInterdit, true);
    changeDrapeauObjet(objet(f, S), kDrapeauProtege, true);
    auto ensemble = [&](uint16_t regle) {
        TEnsembleObjets e;
        objetsDesignablesPourCommande(f, regle, e);
        return e;
    };
    // Rule 17: drawable objects from 7 on, forbidden ones kept; rule 81 drops them.
    EXPECT_TRUE(ensemble(17).test(std::size_t(A)));
    EXPECT_TRUE(ensemble(17).test(7)); // the origin o
    EXPECT_FALSE(ensemble(17).test(1));
    EXPECT_FALSE(ensemble(17).test(std::size_t(L)));
    EXPECT_FALSE(ensemble(81).test(std::size_t(A)));
    EXPECT_TRUE(ensemble(81).test(1));
    EXPECT_TRUE(ensemble(82) == TEnsembleObjets().set(std::size_t(A)));
    // Points: the origin and A, without the forbidden A.
    EXPECT_TRUE(ensemble(1) == TEnsembleObjets().set(7));
    // Protected: S and the three built-in planes oxy, oyz, ozx.
    EXPECT_TRUE(ensemble(77) == TEnsembleObjets().set(std::size_t(S)).set(11).set(12).set(13));
    EXPECT_TRUE(ensemble(75) == TEnsembleObjets().set(std::size_t(L)));
    EXPECT_TRUE(ensemble(97).none());
    EXPECT_TRUE(aucunObjetDesignable(f, 97));
    // A rule without a row: every object but the forbidden ones.
    EXPECT_EQ(ensemble(500).count(), 254u);
    EXPECT_EQ(ensemble(2).count(), 254u);

    struct Correspondance {
        uint16_t entree, regle;
    };
    for (const Correspondance c : {Correspondance{77, 75}, {92, 19}, {111, 77}, {116, 96}, {1, 81}})
        EXPECT_EQ(designationDeCommande(c.entree), c.regle) << c.entree;
    for (const Correspondance c : {Correspondance{16, 54},
                                   {22, 54},
                                   {24, 52},
                                   {26, 53},
                                   {29, 95},
                                   {30, 58},
                                   {36, 65},
                                   {37, 16},
                                   {38, 91},
                                   {15, 51},
                                   {39, 51}})
        EXPECT_EQ(designationDeStyle(uint8_t(c.entree)), c.regle) << c.entree;
}

TEST(ToleranceDesignation, ThreePercentOfTheDesktopWidthAtLoad) {
    for (const auto& [largeur, tolerance] : {std::pair{1280, 38}, {1024, 31}, {50, 2}}) {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        platform::configureEcran({largeur, 768, 96});
        initialiseBibliotheque();
        EXPECT_EQ(etatSelection().toleranceDesignation, tolerance) << largeur;
        platform::configureEcran({2000, 768, 96}); // a later change is not followed
        EXPECT_EQ(etatSelection().toleranceDesignation, tolerance);
    }
    reinitialiseBibliotheque();
    platform::reinitialisePlateforme();
    reinitialiseSelection();
}

} // namespace
} // namespace km32::essais
