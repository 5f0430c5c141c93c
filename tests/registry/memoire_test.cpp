// What a figure holds in memory. Sixty-four hosted figures of a couple of
// hundred objects must fit in 64 MB: the large side tables (samples, solid
// bodies) are made only for the figures that use them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "drawing/bloc_dessin.h"
#include "drawing/donnees_dessin.h"
#include "drawing/element_solide.h"
#include "figure_dessinee.h"
#include "figure_texte_essai.h"
#include "host/bibliotheque.h"
#include "model/messages.h"
#include "model/services_texte.h"
#include "model/solides/polyedres.h"
#include "octets_alloues.h"
#include "platform/hasard.h"

namespace km32::essai {
namespace {

class Memoire : public ::testing::Test {
  protected:
    void SetUp() override {
        initialiseBibliotheque();
        platform::initialiseHasard(1);
        etatMessages().messagesMuets = 1;
    }
    void TearDown() override { etatMessages().messagesMuets = 0; }
};

TEST_F(Memoire, SixtyFourDrawnFiguresOf237ObjectsFitIn64MB) {
    const std::string texte = essais::texteFigureDe250Lignes();
    // The first figure fills the library's lazy tables (patterns, phrases):
    // it is kept out of the measure.
    uint16_t ligne = 0;
    auto premiere = essais::figureDessinee(texte, ligne);
    ASSERT_EQ(ligne, 0);
    constexpr int kFigures = 16;
    std::vector<std::unique_ptr<TfigureKalmetra>> figures;
    const std::size_t avant = essais::octetsAlloues();
    for (int k = 0; k < kFigures; ++k) {
        figures.push_back(essais::figureDessinee(texte, ligne));
        ASSERT_EQ(ligne, 0);
    }
    const std::size_t parFigure = (essais::octetsAlloues() - avant) / kFigures;
    RecordProperty("octetsParFigure", std::to_string(parFigure));
    EXPECT_LT(parFigure, std::size_t(64) * 1000 * 1000 / kMaxFigures);
    // With the library's own 13 MB (code, fonts, tables) the 64 figures must
    // stay under 32 MB resident: about 300 kB each, of which the allocator's
    // bytes are the most. Tables sized for the largest case (a polyhedron
    // of 160 vertices, 2000 values) would pass this again.
    EXPECT_LT(parFigure, std::size_t(300) * 1000);
    // About 190 kB here once the fields of spheres, polyhedra and the other
    // kinds are made only for them and the projected lines are not held
    // twice (290 kB before): drawing records that carry every kind's fields
    // again for every point would pass this.
    EXPECT_LT(parFigure, std::size_t(210) * 1000);
}

TEST_F(Memoire, PointsAndSegmentsCarryNoRoomForTheFieldsOfOtherKinds) {
    // Most objects of a figure are points and straight lines: their drawing
    // data and display elements must stay small, the fields of spheres,
    // polyhedra, graduated lines or meshes held apart for those kinds only.
    uint16_t ligne = 0;
    auto f = essais::figureDessinee(essais::texteFigureDe250Lignes(), ligne);
    ASSERT_EQ(ligne, 0);
    int points = 0, segments = 0, spheres = 0, polyedres = 0;
    for (int n = kPremierElement; n <= f->nombreObjets; ++n) {
        const TElementSolide* s = elementSolide(*f, n);
        const TelementDessin* e = elementDessin(*f, n);
        if (!s) continue;
        SCOPED_TRACE(n);
        EXPECT_EQ(s->complement != nullptr, genreAComplement(s->genre));
        if (s->genre == kElementPoint || s->genre == kElementSegment) {
            EXPECT_FALSE(s->complement);
        }
        if (s->genre == kElementSphere) {
            EXPECT_TRUE(s->complement);
        }
        if (!e) continue;
        switch (e->type) {
        case kDessinPoint:
            ++points;
            EXPECT_FALSE(e->complement.presente());
            break;
        case kDessinSegment:
            ++segments;
            EXPECT_FALSE(e->complement.presente());
            break;
        case kDessinSphere:
            ++spheres;
            // The outline, projected: 100 steps for a radius of 2.
            ASSERT_EQ(complementDe(*e).lignes.size(), 1u);
            EXPECT_EQ(complementDe(*e).lignes[0].size(), 101u);
            // The drawing data no longer holds the projected outline.
            ASSERT_TRUE(s->vue);
            ASSERT_EQ(s->vue->lignes.size(), 1u);
            EXPECT_TRUE(s->vue->lignes[0].ecran.empty());
            // Nor room for edges.
            EXPECT_TRUE(s->vue->partiesAretes.empty());
            break;
        case kDessinPolyedre:
            ++polyedres;
            // Edges 1 to n (entry 0 unused) in the element; the drawing data
            // keeps their ends, not a second copy of their parts.
            EXPECT_GT(complementDe(*e).nombreAretes, 0);
            EXPECT_EQ(complementDe(*e).aretes.size(), std::size_t(complementDe(*e).nombreAretes) + 1);
            ASSERT_TRUE(s->vue);
            EXPECT_EQ(s->vue->debutsAretes.size(), complementDe(*e).aretes.size());
            EXPECT_TRUE(s->vue->partiesAretes.empty());
            break;
        default:
            break;
        }
    }
    // The text's 30 lines and 30 segments, its 10 spheres, and some of its
    // points and polyhedra (those the view and the opaque solids leave).
    EXPECT_EQ(segments, 60);
    EXPECT_EQ(spheres, 10);
    EXPECT_GT(points, 0);
    EXPECT_GT(polyedres, 0);
    // The records themselves: a point's drawing data is its kind, colour,
    // two ends, a polyline and two pointers; a segment's display element its
    // style, its label and the pieces of the segment.
    EXPECT_LE(sizeof(TElementSolide), std::size_t(80));
    EXPECT_LE(sizeof(TelementDessin), std::size_t(256));
}

TEST_F(Memoire, SpheresSampledWithTheSameStepsShareOneTableOfThem) {
    uint16_t ligne = 0;
    auto f = essais::figureDessinee(essais::texteFigureDe250Lignes(), ligne);
    ASSERT_EQ(ligne, 0);
    const TcercleUnite* table = nullptr;
    int spheres = 0;
    for (int n = kPremierElement; n <= f->nombreObjets; ++n) {
        const TElementSolide* s = elementSolide(*f, n);
        if (!s || s->genre != kElementSphere) continue;
        ++spheres;
        const TcomplementSolide& c = complementDe(*s);
        ASSERT_TRUE(c.cercle);
        if (!table) table = c.cercle.get();
        EXPECT_EQ(c.cercle.get(), table);
        EXPECT_EQ(c.cercle->nombre, c.nombreEchantillons);
        EXPECT_DOUBLE_EQ(c.rayon, 2.0);
    }
    // Ten spheres of radius 2 in one view: one table of N steps, of the
    // cosines and sines of 2 pi k / N.
    ASSERT_EQ(spheres, 10);
    ASSERT_NE(table, nullptr);
    const int N = table->nombre;
    ASSERT_EQ(table->cosinus.size(), std::size_t(N) + 1);
    for (int k : {0, 1, N / 4, N / 3, N}) {
        EXPECT_NEAR(table->cosinus[std::size_t(k)], std::cos(2 * M_PI * k / N), 1e-15) << k;
        EXPECT_NEAR(table->sinus[std::size_t(k)], std::sin(2 * M_PI * k / N), 1e-15) << k;
    }
    // A copy of the drawing data holds the same table; asked again while
    // records hold it, the table is not made twice.
    std::unique_ptr<TtableElementsSolides> copie;
    copieTableElementsSolides(*f->tableElementsSolides, copie);
    const auto B1 = std::size_t(numeroObjetDeNotation(*f, "B1"));
    ASSERT_TRUE(copie->elements[B1]);
    EXPECT_EQ(complementDe(*copie->elements[B1]).cercle.get(), table);
    EXPECT_EQ(cercleUnite(N).get(), table);
    // Once no record holds it, it is freed: a table of another number of
    // steps lives only while it is held.
    std::weak_ptr<const TcercleUnite> seule = cercleUnite(N == 37 ? 38 : 37);
    EXPECT_TRUE(seule.expired());
}

TEST_F(Memoire, OnlyFiguresWithALocusHaveASampleBlock) {
    uint16_t ligne = 0;
    auto f = essais::figureDessinee("Figure Kalmetra\r\nE point libre dans l'espace\r\n", ligne);
    ASSERT_EQ(ligne, 0);
    EXPECT_FALSE(f->echantillons);
    // A locus of 21 samples makes the block and fills it: sample k is the
    // midpoint of A and the point at k / 20 of [BC].
    ligne = executeTexteDeFigure(*f,
                                 "Figure Kalmetra\r\n"
                                 "A point de coordonn\xE9"
                                 "es (1,-2,3) dans le rep\xE8re Rxyz\r\n"
                                 "B point de coordonn\xE9"
                                 "es (-3,1,0) dans le rep\xE8re Rxyz\r\n"
                                 "C point de coordonn\xE9"
                                 "es (5,4,-2) dans le rep\xE8re Rxyz\r\n"
                                 "P point libre sur le segment [BC]\r\n"
                                 "M milieu du segment [AP]\r\n"
                                 "L lieu du point M, pilote P (21 points)\r\n",
                                 1);
    ASSERT_EQ(ligne, 0);
    ASSERT_TRUE(f->echantillons);
    const TObjetFigure& L = objet(*f, f->nombreObjets);
    ASSERT_EQ(L.nombreEchantillons, 21);
    const Techantillon& dernier = echantillon(*f, L.premierEchantillon + 20);
    EXPECT_NEAR(dernier.x / f->echelle, (1 + 5) / 2.0, 1e-3);
    EXPECT_NEAR(dernier.y / f->echelle, (-2 + 4) / 2.0, 1e-3);
    EXPECT_NEAR(dernier.z / f->echelle, (3 - 2) / 2.0, 1e-3);
}

TEST_F(Memoire, APolyhedronOfFiveVerticesHoldsOnlyTheFirstPageOfEachTable) {
    uint16_t ligne = 0;
    auto f = essais::figureDessinee("Figure Kalmetra\r\n"
                                    "A point de coordonn\xE9"
                                    "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                                    "B point de coordonn\xE9"
                                    "es (3,0,0) dans le rep\xE8re Rxyz\r\n"
                                    "C point de coordonn\xE9"
                                    "es (0,3,0) dans le rep\xE8re Rxyz\r\n"
                                    "D point de coordonn\xE9"
                                    "es (0,0,3) dans le rep\xE8re Rxyz\r\n"
                                    "E point de coordonn\xE9"
                                    "es (2,2,2) dans le rep\xE8re Rxyz\r\n"
                                    "T poly\xE8"
                                    "dre convexe de sommets A,B,C,D,E\r\n"
                                    "Dessin de T: opaque\r\n",
                                    ligne);
    ASSERT_EQ(ligne, 0);
    const TPolyedre& p = polyedreDe(donneesPolyedreObjet(*f, f->nombreObjets));
    // 5 vertices, 9 edges, 6 faces (independent of the hull: Euler's
    // relation for a triangular bipyramid).
    ASSERT_EQ(p.nombreSommets, 5);
    ASSERT_EQ(p.nombreAretes, 9);
    ASSERT_EQ(p.nombreFaces, 6);
    EXPECT_EQ(p.sommets.pagesFaites(), 1);
    EXPECT_EQ(p.aretes.pagesFaites(), 1);
    EXPECT_EQ(p.faces.pagesFaites(), 1);
    EXPECT_EQ(p.voisins.pagesFaites(), 1);
    EXPECT_LE(p.plansCachants.pagesFaites(), 1);
    // The copy of a figure (undo, rollback) copies those pages only, and
    // owns them.
    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(*f, copie);
    const TPolyedre& q = polyedreDe(donneesPolyedreObjet(*copie, copie->nombreObjets));
    EXPECT_EQ(q.faces.pagesFaites(), 1);
    EXPECT_NE(&q.sommets[1], &p.sommets[1]);
    EXPECT_EQ(q.sommets[4].z, p.sommets[4].z);
}

TEST_F(Memoire, SolidRecordsOtherThanPolyhedraStaySmall) {
    // A sphere's or a circle's record must not carry a polyhedron's body.
    PDonneesPolyedre sphere, polyedre;
    creeDonneesPolyedre(kGenreSphere, sphere);
    creeDonneesPolyedre(kGenrePolyedre, polyedre);
    EXPECT_LT(sizeof(TDonneesPolyedre), std::size_t(2048));
    polyedreDe(*polyedre).nombreSommets = 4;
    sommet(polyedreDe(*polyedre), 4) = {1, 2, 3};
    // A copy owns its own body.
    PDonneesPolyedre copie;
    creeDonneesPolyedre(kGenrePolyedre, copie);
    copieDonneesPolyedre(*polyedre, *copie);
    sommet(polyedreDe(*polyedre), 4) = {0, 0, 0};
    EXPECT_EQ(polyedreDe(*copie).nombreSommets, 4);
    EXPECT_EQ(sommet(polyedreDe(*copie), 4).z, 3);
    // The kinds stay apart.
    EXPECT_THROW(polyedreDe(*sphere), ErreurInterne);
    EXPECT_NO_THROW(sphereDe(*sphere));
    copieDonneesPolyedre(*polyedre, *sphere);
    EXPECT_NO_THROW(polyedreDe(*sphere));
}

} // namespace
} // namespace km32::essai
