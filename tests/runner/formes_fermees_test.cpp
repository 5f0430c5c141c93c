// Whole figures on points drawn at random (a fixed seed), read as texts,
// whose points and measures are checked against closed forms computed here
// with plain vector algebra: the centres of a triangle in space, projections,
// an intersection, distances, area, volume, angle, images by a reflection,
// a homothety and a rotation, volumes of round solids and sections of a
// cube.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

#include "banc_texte.h"

namespace km32::essai {
namespace {

struct V {
    double x = 0, y = 0, z = 0;
};
V operator+(V a, V b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V operator-(V a, V b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V operator*(V a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double scalaire(V a, V b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V vectoriel(V a, V b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double norme(V a) {
    return std::sqrt(scalaire(a, a));
}

std::string point(const std::string& nom, V p) {
    std::ostringstream s;
    s << nom << " point de coordonnées (" << p.x << "," << p.y << "," << p.z << ") dans le repère Rxyz\r\n";
    return s.str();
}

class FormesFermees : public BancTexte {
  protected:
    void attendPointV(const std::string& nom, V attendu) {
        SCOPED_TRACE(nom);
        attendPoint(pt(nom), P3{attendu.x, attendu.y, attendu.z}, 1e-7);
    }
    void attendValeur(const std::string& nom, double attendue) {
        EXPECT_NEAR(val(nom), attendue, 1e-7 * std::max(1.0, std::abs(attendue))) << nom;
    }
};

TEST_F(FormesFermees, PointsAndMeasuresOfRandomTrianglesAndTetrahedraMatchTheirClosedForms) {
    std::mt19937 hasard(20261210);
    std::uniform_int_distribution<int> coordonnee(-6, 6);
    const auto tire = [&] {
        return V{double(coordonnee(hasard)), double(coordonnee(hasard)), double(coordonnee(hasard))};
    };
    int figures = 0;
    for (int essai = 0; figures < 40 && essai < 400; ++essai) {
        const V A = tire(), B = tire(), C = tire(), D = tire(), E = tire();
        const V ab = B - A, ac = C - A, n = vectoriel(ab, ac), de = E - D;
        // A true triangle, a true tetrahedron, a line (DE) that crosses the plane (ABC).
        if (norme(n) < 1e-6 || std::abs(scalaire(n, D - A)) < 1e-6 || std::abs(scalaire(de, n)) < 1e-3)
            continue;
        ++figures;
        SCOPED_TRACE("figure " + std::to_string(figures));
        reinitialiseFigure(f);
        const std::string texte = point("A", A) + point("B", B) + point("C", C) + point("D", D) +
                                  point("E", E) +
                                  "G centre de gravité du triangle ABC\r\n"
                                  "O centre du cercle circonscrit au triangle ABC\r\n"
                                  "H orthocentre du triangle ABC\r\n"
                                  "I centre du cercle inscrit dans le triangle ABC\r\n"
                                  "d1 droite (AB)\r\n"
                                  "p1 plan (ABC)\r\n"
                                  "K projeté orthogonal de D sur la droite d1\r\n"
                                  "J projeté orthogonal de D sur le plan p1\r\n"
                                  "d2 droite (DE)\r\n"
                                  "X point d'intersection de la droite d2 et du plan p1\r\n"
                                  "n1 distance du point D au plan p1 (unité de longueur Uxyz)\r\n"
                                  "n2 distance du point D à la droite d1 (unité de longueur Uxyz)\r\n"
                                  "s aire du triangle ABC (unité de longueur Uxyz)\r\n"
                                  "T polyèdre convexe de sommets A,B,C,D\r\n"
                                  "v volume du solide T (unité de longueur Uxyz)\r\n"
                                  "m mesure de l'angle géométrique BAC en degré\r\n"
                                  "R image de E dans la symétrie par rapport au plan p1\r\n"
                                  "Z image de E par l'homothétie de centre A et de rapport -2.5\r\n"
                                  "Q image de E par la rotation d'axe AB et d'angle 60 (degré)\r\n";
        ASSERT_EQ(lis(texte), 0) << texte;

        // The circumcentre solves (O-A).ab = |ab|²/2, (O-A).ac = |ac|²/2 in
        // the plane; the orthocentre follows from Euler's line (H = A+B+C-2O).
        const double d = scalaire(n, n);
        const V O =
            A +
            (vectoriel(ac, n) * (scalaire(ab, ab) / 2) + vectoriel(n, ab) * (scalaire(ac, ac) / 2)) * (1 / d);
        const double a = norme(C - B), b = norme(C - A), c = norme(B - A);
        const V u = n * (1 / norme(n)), axe = ab * (1 / c), w = E - A;
        const V K = A + ab * (scalaire(D - A, ab) / scalaire(ab, ab));
        const double angle = std::numbers::pi / 3;
        attendPointV("G", (A + B + C) * (1.0 / 3));
        attendPointV("O", O);
        attendPointV("H", A + B + C - O * 2);
        attendPointV("I", (A * a + B * b + C * c) * (1 / (a + b + c)));
        attendPointV("K", K);
        attendPointV("J", D - u * scalaire(D - A, u));
        attendPointV("X", D + de * (scalaire(A - D, n) / scalaire(de, n)));
        attendValeur("n1", std::abs(scalaire(D - A, u)));
        attendValeur("n2", norme(D - K));
        attendValeur("s", norme(n) / 2);
        attendValeur("v", std::abs(scalaire(n, D - A)) / 6);
        attendValeur("m", std::acos(scalaire(ab, ac) / (c * b)) * 180 / std::numbers::pi);
        attendPointV("R", E - u * (2 * scalaire(E - A, u)));
        attendPointV("Z", A + (E - A) * -2.5);
        // Rodrigues' formula, turning by the right hand about A towards B.
        attendPointV("Q", A + w * std::cos(angle) + vectoriel(axe, w) * std::sin(angle) +
                              axe * (scalaire(axe, w) * (1 - std::cos(angle))));
    }
    EXPECT_EQ(figures, 40);
}

TEST_F(FormesFermees, VolumesOfRoundSolidsAndSectionsOfACubeMatchTheirClosedForms) {
    std::mt19937 hasard(20261211);
    std::uniform_int_distribution<int> coordonnee(-5, 5), dixiemes(1, 30), arete(1, 6), niveau(1, 9);
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE("figure " + std::to_string(k));
        const V A{double(coordonnee(hasard)), double(coordonnee(hasard)), double(coordonnee(hasard))};
        V B{double(coordonnee(hasard)), double(coordonnee(hasard)), double(coordonnee(hasard))};
        if (norme(B - A) < 1) B = A + V{3, 1, 2};
        const double r1 = dixiemes(hasard) / 10.0, r2 = dixiemes(hasard) / 10.0, h = norme(B - A);
        const int e = arete(hasard);
        const double z = niveau(hasard) * e / 10.0;
        std::ostringstream s;
        s << point("A", A) << point("B", B) << "S1 sphère de centre A et de rayon " << r1
          << " (unité de longueur Uxyz)\r\n"
          << "v1 volume du solide S1 (unité de longueur Uxyz)\r\n"
          << "s1 segment [AB]\r\n"
          << "K1 cylindre de rayon " << r1 << " et d'axe le segment s1 (unité de longueur Uxyz)\r\n"
          << "v2 volume du solide K1 (unité de longueur Uxyz)\r\n"
          << "K2 cône de sommet A et de base de centre B et de rayon " << r2
          << " (unité de longueur Uxyz)\r\n"
          << "v3 volume du solide K2 (unité de longueur Uxyz)\r\n"
          << "K3 tronc de cône de bases (A, " << r1 << ") et (B, " << r2 << ") (unité de longueur Uxyz)\r\n"
          << "v4 volume du solide K3 (unité de longueur Uxyz)\r\n";
        const char* const sommets = "EFGHIJKL";
        const int cube[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
        for (int i = 0; i < 8; ++i)
            s << point(std::string(1, sommets[i]),
                       V{double(cube[i][0] * e), double(cube[i][1] * e), double(cube[i][2] * e)});
        s << "T1 polyèdre convexe de sommets E,F,G,H,I,J,K,L\r\n"
          << "v5 volume du solide T1 (unité de longueur Uxyz)\r\n"
          << "p1 plan d'équation Z=" << z << " dans le repère Rxyz\r\n"
          << "T2 section du polyèdre T1 par le plan p1\r\n"
          << "a1 aire du convexe T2 (unité de longueur Uxyz)\r\n"
          << "a2 périmètre du polygone T2 (unité de longueur Uxyz)\r\n"
          << "p2 plan d'équation X+Y+Z=" << 1.5 * e << " dans le repère Rxyz\r\n"
          << "T3 section du polyèdre T1 par le plan p2\r\n"
          << "a3 aire du convexe T3 (unité de longueur Uxyz)\r\n"
          << "a4 périmètre du polygone T3 (unité de longueur Uxyz)\r\n";
        reinitialiseFigure(f);
        ASSERT_EQ(lis(s.str()), 0) << s.str();
        const double pi = std::numbers::pi;
        attendValeur("v1", 4 * pi * r1 * r1 * r1 / 3);
        attendValeur("v2", pi * r1 * r1 * h);
        attendValeur("v3", pi * r2 * r2 * h / 3);
        attendValeur("v4", pi * h * (r1 * r1 + r1 * r2 + r2 * r2) / 3);
        attendValeur("v5", double(e) * e * e);
        // A level cut is the square of the cube's face; the cut through the
        // centre square to the diagonal is a regular hexagon of side e/√2.
        attendValeur("a1", double(e) * e);
        attendValeur("a2", 4.0 * e);
        const double cote = e / std::sqrt(2.0);
        attendValeur("a3", 3 * std::sqrt(3.0) / 2 * cote * cote);
        attendValeur("a4", 6 * cote);
    }
}

} // namespace
} // namespace km32::essai
