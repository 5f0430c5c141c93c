// A cube and points set near its faces and edges (and a square and points
// near its sides), within the tolerance of 1e-6 or just beyond it, given as
// a hull of points and as a user's vertex list in figure text lines: a point within the tolerance of a face
// is no corner (the hull drops it and keeps the cube's volume; the vertex list is refused), a point beyond it
// is a corner on both roads, and the faces never bend inwards.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "banc_texte.h"
#include "model/solides/constructions_polyedres.h"
#include "model/solides/enveloppes.h"
#include "model/solides/polyedres.h"

namespace km32::essai {
namespace {

struct Cas {
    const char* nom;
    double cote;            // the cube [0, cote]^3, corners A to H
    const char* points;     // the points added: name and coordinates
    int coins;              // the hull's corners
    uint16_t raisonSommets; // the vertex list's reason, 0 when it is defined
    double volume, aire, tolerance;
};

const Cas kCas[] = {
    {"J 1e-9 above the top face", 2, "J:1,1,2.000000001", 8, kRaisonInterieurFace, 8, 24, 1e-9},
    {"J 3e-7 above the top face", 2, "J:1,1,2.0000003", 8, kRaisonInterieurFace, 8, 24, 1e-9},
    {"J 9e-7 above the top face", 2, "J:1,1,2.0000009", 8, kRaisonInterieurFace, 8, 24, 1e-9},
    // A corner: its faces fit planes within the tolerance, the measures are
    // those of the exact hull within the tolerance times its area.
    {"J 2e-6 above the top face: a corner", 2, "J:1,1,2.000002", 9, 0, 8 + 4 * 2e-6 / 3, 24, 24e-6},
    {"J 3e-7 outside a side face", 2, "J:2.0000003,1,1", 8, kRaisonInterieurFace, 8, 24, 1e-9},
    {"J 1.4e-7 off an edge", 2, "J:1,-0.0000001,2.0000001", 8, kRaisonSurArete, 8, 24, 1e-6},
    // Two points 1.5e-6 above the top face of a cube of side 10: the exact
    // hull has volume 1000.0000575 and area 600 to within 1e-5. I is a
    // corner; J lies within 2.2e-7 of the hull of the others, in the face
    // that I tilts.
    {"I and J 1.5e-6 above the top face", 10, "I:9.9,0.3,10.0000015 J:8.1,1.5,10.0000015", 9,
     kRaisonInterieurFace, 1000.0000575, 600, 0.0006},
};

std::string texteDuCas(const Cas& c, std::string& enveloppe, std::string& sommets) {
    std::ostringstream t;
    t << "Figure Kalmetra\r\n";
    const char* noms = "ABCDEFGH";
    enveloppe = "ABCDEFGH";
    sommets = "A,B,C,D,E,F,G,H";
    // ABCD the floor, EFGH the top, E above A.
    const int ordre[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                             {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
    for (int k = 0; k < 8; ++k)
        t << noms[k] << " point de coordonnées (" << ordre[k][0] * c.cote << "," << ordre[k][1] * c.cote
          << "," << ordre[k][2] * c.cote << ") dans le repère Rxyz\r\n";
    std::istringstream points(c.points);
    std::string p;
    while (points >> p) {
        const std::string nom = p.substr(0, p.find(':'));
        t << nom << " point de coordonnées (" << p.substr(p.find(':') + 1) << ") dans le repère Rxyz\r\n";
        enveloppe += nom;
        sommets += "," + nom;
    }
    t << "P polyèdre enveloppe convexe de " << enveloppe << "\r\n"
      << "Q polyèdre convexe de sommets " << sommets << "\r\n"
      << "v volume du solide P (unité de longueur Uxyz)\r\n"
      << "s aire du convexe P (unité de longueur Uxyz)\r\n";
    return t.str();
}

class EnveloppesTolerance : public BancTexte, public ::testing::WithParamInterface<Cas> {};

TEST_P(EnveloppesTolerance, PointsNearTheCubeAreCornersOnlyBeyondTheToleranceOnBothRoads) {
    {
        const Cas& c = GetParam();
        SCOPED_TRACE(c.nom);
        std::string enveloppe, sommets;
        const std::string texte = texteDuCas(c, enveloppe, sommets);
        ASSERT_EQ(lis(texte), 0) << texte;
        ASSERT_TRUE(defini("P"));
        EXPECT_NEAR(val("v"), c.volume, c.tolerance);
        EXPECT_NEAR(val("s"), c.aire, c.tolerance);
        const TPolyedre& P = polyedreDe(donneesPolyedreObjet(f, numero("P")));
        EXPECT_EQ(P.nombreSommets, c.coins);
        if (c.raisonSommets == 0) {
            // The vertex list gives the same solid.
            ASSERT_TRUE(defini("Q"));
            const TPolyedre& Q = polyedreDe(donneesPolyedreObjet(f, numero("Q")));
            EXPECT_EQ(Q.nombreFaces, P.nombreFaces);
            EXPECT_EQ(Q.nombreAretes, P.nombreAretes);
        } else {
            EXPECT_FALSE(defini("Q"));
            EXPECT_EQ(objet(f, numero("Q")).raison, c.raisonSommets);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cube, EnveloppesTolerance, ::testing::ValuesIn(kCas));

// The square ABCD of side 2 in the plane z = 0 and a point J near it: a
// polygon drops a point within the tolerance of a side on both roads,
// refuses a point inside in a user's vertex list, and takes a point beyond
// the tolerance as a corner.
struct CasPolygone {
    const char* nom;
    const char* j;          // J's coordinates
    int coins;              // the hull's corners
    uint16_t raisonSommets; // the vertex list's reason, 0 when it is defined
    double aire;
};

const CasPolygone kCasPolygone[] = {
    {"J 3e-7 outside a side", "1,-0.0000003,0", 4, 0, 4},
    {"J 9e-7 outside a side and 5e-7 off the plane", "1,-0.0000009,0.0000005", 4, 0, 4},
    {"J 9e-7 outside a corner", "2.0000006,-0.0000006,0", 4, 0, 4},
    {"J inside", "1,1,0", 4, kRaisonInterieurPolygone, 4},
    {"J 2e-6 outside a side: a corner", "1,-0.000002,0", 5, 0, 4 + 2e-6},
};

class PolygonesTolerance : public BancTexte, public ::testing::WithParamInterface<CasPolygone> {};

TEST_P(PolygonesTolerance, PointsNearTheSquareAreCornersOnlyBeyondTheToleranceOnBothRoads) {
    const CasPolygone& c = GetParam();
    SCOPED_TRACE(c.nom);
    const std::string texte = std::string("Figure Kalmetra\r\n"
                                          "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                          "B point de coordonnées (2,0,0) dans le repère Rxyz\r\n"
                                          "C point de coordonnées (2,2,0) dans le repère Rxyz\r\n"
                                          "D point de coordonnées (0,2,0) dans le repère Rxyz\r\n"
                                          "J point de coordonnées (") +
                              c.j +
                              ") dans le repère Rxyz\r\n"
                              "P polygone enveloppe convexe de ABCDJ\r\n"
                              "Q polygone convexe de sommets A,B,C,D,J\r\n"
                              "s aire du convexe P (unité de longueur Uxyz)\r\n";
    ASSERT_EQ(lis(texte), 0) << texte;
    ASSERT_TRUE(defini("P"));
    EXPECT_NEAR(val("s"), c.aire, 1e-9);
    const TPolyedre& P = polyedreDe(donneesPolyedreObjet(f, numero("P")));
    EXPECT_EQ(P.nombreSommets, c.coins);
    if (c.raisonSommets == 0) {
        ASSERT_TRUE(defini("Q"));
        EXPECT_EQ(polyedreDe(donneesPolyedreObjet(f, numero("Q"))).nombreSommets, c.coins);
    } else {
        EXPECT_FALSE(defini("Q"));
        EXPECT_EQ(objet(f, numero("Q")).raison, c.raisonSommets);
    }
}

INSTANTIATE_TEST_SUITE_P(Carre, PolygonesTolerance, ::testing::ValuesIn(kCasPolygone));

} // namespace
} // namespace km32::essai
