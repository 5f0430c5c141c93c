#include "aides_solides.h"

#include "base/erreur.h"
#include "model/solides/mesures_solides.h"

using namespace km32;
using namespace km32::essais;

namespace {

TEST(TableDesPolyedres, GenreDuRecordSelonLaNature) {
    struct Cas {
        uint8_t nature, genre;
    } cas[] = {{kNatureCercle, kGenreCercle},
               {kNaturePolyedreConvexe, kGenrePolyedre},
               {kNaturePolygoneConvexe, kGenrePolyedre},
               {kNatureSphere, kGenreSphere},
               {kNatureCalotteSpherique, kGenreCalotte},
               {kNaturePatronPolyedre, kGenrePatron},
               {kNatureCylindre, kGenreSolideRond},
               {kNatureCone, kGenreSolideRond},
               {kNatureTroncDeCone, kGenreSolideRond}};
    TfigureKalmetra f;
    for (const auto& k : cas) {
        const uint8_t slot = ajouteDonneesPolyedre(f, k.nature);
        ASSERT_NE(slot, 0);
        const TDonneesPolyedre& d = *f.tableDesPolyedres->donnees[slot];
        EXPECT_EQ(d.genre, k.genre);
        if (k.genre == kGenrePolyedre) {
            EXPECT_EQ(polyedreDe(d).polygone, k.nature == kNaturePolygoneConvexe ? 1 : 0);
        }
    }
    // Kinds without a record get none.
    EXPECT_EQ(ajouteDonneesPolyedre(f, kNaturePoint), 0);
    EXPECT_EQ(placesLibresPolyedres(*f.tableDesPolyedres), 100 - 9);
}

TEST(TableDesPolyedres, CapaciteEtPlacesLibres) {
    TfigureKalmetra f;
    creeTableDesPolyedres(f.tableDesPolyedres);
    EXPECT_EQ(placesLibresPolyedres(*f.tableDesPolyedres), 100);
    for (int k = 1; k <= 100; ++k)
        ASSERT_EQ(ajouteDonneesPolyedre(f, kNatureSphere), k);
    EXPECT_EQ(ajouteDonneesPolyedre(f, kNatureSphere), 0);
    EXPECT_EQ(premierePlaceLibrePolyedre(*f.tableDesPolyedres), 0);
    oteDonneesPolyedre(f, 37);
    oteDonneesPolyedre(f, 0); // nothing
    EXPECT_EQ(placesLibresPolyedres(*f.tableDesPolyedres), 1);
    EXPECT_EQ(ajouteDonneesPolyedre(f, kNatureCone), 37);
    EXPECT_THROW(oteDonneesPolyedre(f, 101), ErreurInterne);
}

TEST(TableDesPolyedres, AccesControles) {
    FigureSolides s;
    const int q = s.ajoute(kNaturePolyedreConvexe, 181, "Q");
    const int p = s.point("A", 0, 0, 0);
    TPolyedre& r = s.polyedre(q);
    EXPECT_THROW(sommet(r, 161), ErreurInterne);
    EXPECT_THROW(sommet(r, 0), ErreurInterne);
    EXPECT_THROW(arete(r, 161), ErreurInterne);
    EXPECT_THROW(face(r, 81), ErreurInterne);
    EXPECT_THROW(sommetCycle(face(r, 1), 42), ErreurInterne);
    EXPECT_THROW(sphereDe(donneesPolyedreObjet(s.f, q)), ErreurInterne);
    EXPECT_THROW(donneesPolyedreObjet(s.f, p), ErreurInterne); // a point has no record
    EXPECT_THROW(creeDonneesPolyedre(2, s.f.tableDesPolyedres->donnees[50]), ErreurInterne);
}

TEST(TableDesPolyedres, CopieProfonde) {
    FigureSolides s;
    std::vector<int> objets;
    for (int k = 0; k < 7; ++k)
        objets.push_back(s.ajoute(k == 2 ? kNaturePolyedreConvexe : kNatureSphere, 1, "x"));
    oteDonneesPolyedre(s.f, 1);
    oteDonneesPolyedre(s.f, 2);
    TPolyedre& source = s.polyedre(objets[2]);
    remplit(source, cube(1));
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    enveloppeConvexe3D(source, nonDefini, raison);
    s.f.tableDesPolyedres->listeVisibles[1] = 3;

    TfigureKalmetra copie;
    creeTableDesPolyedres(copie.tableDesPolyedres);
    ajouteDonneesPolyedre(copie, kNatureCone); // freed by the copy
    copieTableDesPolyedres(s.f.tableDesPolyedres.get(), *copie.tableDesPolyedres);
    const auto& src = s.f.tableDesPolyedres->donnees;
    const auto& dst = copie.tableDesPolyedres->donnees;
    EXPECT_EQ(copie.tableDesPolyedres->listeVisibles[1], 3);
    for (int k = 1; k <= 100; ++k) {
        ASSERT_EQ(bool(src[k]), bool(dst[k])) << k;
        if (!src[k]) continue;
        EXPECT_NE(src[k].get(), dst[k].get());
        EXPECT_EQ(src[k]->genre, dst[k]->genre);
    }
    const TPolyedre& c = polyedreDe(*dst[3]);
    EXPECT_EQ(c.nombreFaces, 6);
    // Changing the source leaves the copy as it was.
    source.sommets[1].x = 42;
    source.nombreFaces = 1;
    EXPECT_EQ(c.sommets[1].x, 0);
    EXPECT_EQ(c.nombreFaces, 6);
    // A null source changes nothing.
    copieTableDesPolyedres(nullptr, *copie.tableDesPolyedres);
    EXPECT_TRUE(dst[3]);
    libereTableDesPolyedres(copie.tableDesPolyedres);
    EXPECT_FALSE(copie.tableDesPolyedres);
}

TEST(MesuresPolyedres, TetraedreRegulierEtPolygone) {
    for (double a : {1.0, 2.5}) {
        const double h = a * std::sqrt(3.0) / 2;
        auto p = std::make_unique<TPolyedre>();
        remplit(*p, {{0, 0, 0}, {a, 0, 0}, {a / 2, h, 0}, {a / 2, h / 3, a * std::sqrt(2.0 / 3)}});
        uint8_t nonDefini = 0;
        uint16_t raison = 0;
        enveloppeConvexe3D(*p, nonDefini, raison);
        ASSERT_EQ(nonDefini, 0);
        FigureSolides s;
        const int q = s.ajoute(kNaturePolyedreConvexe, 181, "T");
        s.polyedre(q) = *p;
        EXPECT_NEAR(volumeSolide(s.f, q), a * a * a / (6 * std::sqrt(2.0)), 1e-12);
        EXPECT_NEAR(aireSolide(s.f, q), std::sqrt(3.0) * a * a, 1e-12);
    }
    // A 3 by 4 rectangle as a polygon: area of one face only, perimeter 14.
    FigureSolides s;
    const int r = s.ajoute(kNaturePolygoneConvexe, 155, "R");
    TPolyedre& p = s.polyedre(r);
    remplit(p, {{0, 0, 0}, {3, 0, 0}, {3, 4, 0}, {0, 4, 0}});
    uint8_t nonDefini = 0;
    uint16_t raison = 0;
    enveloppeConvexePlane(p, nonDefini, raison);
    ASSERT_EQ(nonDefini, 0);
    EXPECT_NEAR(aireSolide(s.f, r), 12, 1e-12);
    EXPECT_NEAR(perimetrePolygone(p), 14, 1e-12);
    EXPECT_NEAR(volumeSolide(s.f, r), 0, 1e-12);
    EXPECT_TRUE(pointDansSolide(s.f, r, 1, 1, 0));
    EXPECT_FALSE(pointDansSolide(s.f, r, 1, 5, 0));
    EXPECT_FALSE(pointDansSolide(s.f, r, 1, 1, 0.01));
}

TEST(MesuresPolyedres, PointsAlignes) {
    FigureSolides s;
    const int a = s.point("A", 0, 0, 0), b = s.point("B", 1, 1, 1), c = s.point("C", 3, 3, 3);
    const int d = s.point("D", 1, 0, 0);
    const int u = s.ajoute(kNatureVecteur, 1, "u", {2, 2, 2});
    EXPECT_TRUE(pointsAlignes(s.f, a, b, c));
    EXPECT_FALSE(pointsAlignes(s.f, a, b, d));
    EXPECT_TRUE(pointsAlignes(s.f, u, 0, 0));
    EXPECT_TRUE(pointsAlignes(s.f, u, 0, a)); // (2,2,2) and the vector from A to u's values
}

} // namespace
