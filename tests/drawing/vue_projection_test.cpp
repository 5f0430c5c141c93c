// The projection against rotation matrices written out here, and the view of
// a reset figure.
#include <array>

#include "vue_banc.h"
#include "drawing/vue_projection.h"
#include "model/objets_figure.h"

namespace km32::essai {
namespace {

using Matrice = std::array<std::array<double, 3>, 3>;

Matrice produit(const Matrice& a, const Matrice& b) {
    Matrice r{};
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k)
                r[l][c] += a[l][k] * b[k][c];
    return r;
}

// The fixed-axis rotations z by t1, then y by t2, then x by t3: a model
// point P is seen at view coordinates M P (x towards the viewer, y to the
// right, z upwards).
Matrice matriceVue(double t1, double t2, double t3) {
    const double c1 = std::cos(t1), s1 = std::sin(t1), c2 = std::cos(t2), s2 = std::sin(t2);
    const double c3 = std::cos(t3), s3 = std::sin(t3);
    const Matrice rz{{{c1, -s1, 0}, {s1, c1, 0}, {0, 0, 1}}};
    const Matrice ry{{{c2, 0, s2}, {0, 1, 0}, {-s2, 0, c2}}};
    const Matrice rx{{{1, 0, 0}, {0, c3, -s3}, {0, s3, c3}}};
    return produit(rx, produit(ry, rz));
}

struct Ecran {
    double x, y;
};

// Where the view puts the integer point P: oblique correction (a, b) or none.
Ecran ecranAttendu(const TfigureKalmetra& f, const Matrice& m, const double p[3], bool oblique = false,
                   double a = 0, double b = 0) {
    const double s = f.longueurUnitePixels / f.echelle;
    double v[3] = {0, 0, 0};
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 3; ++c)
            v[l] += m[l][c] * p[c];
    const double droite = v[1] + (oblique ? a * v[0] : 0);
    const double haut = v[2] + (oblique ? b * v[0] : 0);
    return {f.centreEcranX + s * droite, f.centreEcranY - s * haut};
}

Ecran ecranCoefficients(const TfigureKalmetra& f, const double p[3]) {
    const double* c = f.coefficientsProjection;
    return {p[0] * c[0] + p[1] * c[1] + p[2] * c[2] + f.centreEcranX,
            p[0] * c[3] + p[1] * c[4] + p[2] * c[5] + f.centreEcranY};
}

class Projection : public BancVue {
  protected:
    // Turns the view to the three angles, projects again and gives the
    // rotation those angles stand for, computed here.
    Matrice tourneVue(const double (&t)[3]) {
        f->anglesVue[0] = t[0];
        f->anglesVue[1] = t[1];
        f->anglesVue[2] = t[2];
        calculeProjection(*f);
        return matriceVue(t[0], t[1], t[2]);
    }
};

TEST_F(Projection, AResetFigureShowsTenUnitsAcrossTheSmallerSideFromTheUsualAngles) {
    const TfigureKalmetra& g = *f;
    EXPECT_DOUBLE_EQ(g.anglesVue[0], degres(-20));
    EXPECT_DOUBLE_EQ(g.anglesVue[1], degres(25));
    EXPECT_EQ(g.anglesVue[2], 0);
    EXPECT_EQ(g.largeurImage, 491);
    EXPECT_EQ(g.hauteurImage, 263);
    EXPECT_DOUBLE_EQ(g.borneSuperieure, 50);
    EXPECT_DOUBLE_EQ(g.borneInferieure, -50);
    EXPECT_DOUBLE_EQ(g.echelle, 10240);
    EXPECT_DOUBLE_EQ(g.pasHachures, 0.35);
    EXPECT_DOUBLE_EQ(g.centreEcranX, 245.5);
    EXPECT_DOUBLE_EQ(g.centreEcranY, 131.5);
    EXPECT_DOUBLE_EQ(g.longueurUnitePixels, 26.3);
    EXPECT_EQ(g.largeurZoneDessin, 491);
    EXPECT_EQ(g.hauteurZoneDessin, 263);
    // The origin is at the centre of the window.
    EXPECT_EQ(projetteX(g, 0, 0, 0), 246); // 245.5, half to even
    EXPECT_EQ(projetteY(g, 0, 0, 0), 132);
}

TEST_F(Projection, KnownPointsForKnownAnglesMatchTheRotationMatrix) {
    const double angles[][3] = {{0, 0, 0},
                                {degres(90), 0, 0},
                                {0, degres(90), 0},
                                {0, 0, degres(90)},
                                {degres(-20), degres(25), 0},
                                {degres(30), degres(-40), degres(70)},
                                {degres(170), degres(-95), degres(-135)}};
    const double points[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1.5, -2, 0.75}, {-4.25, 3.5, -1}};
    for (const auto& t : angles) {
        const Matrice m = tourneVue(t);
        for (const auto& p : points) {
            SCOPED_TRACE(testing::Message() << t[0] << " " << t[1] << " " << t[2] << " / " << p[0] << " "
                                            << p[1] << " " << p[2]);
            const int32_t X = coordonneeEntiere(*f, p[0]), Y = coordonneeEntiere(*f, p[1]),
                          Z = coordonneeEntiere(*f, p[2]);
            const double pe[3] = {double(X), double(Y), double(Z)};
            const Ecran attendu = ecranAttendu(*f, m, pe);
            const Ecran calcule = ecranCoefficients(*f, pe);
            EXPECT_NEAR(calcule.x, attendu.x, 1e-6);
            EXPECT_NEAR(calcule.y, attendu.y, 1e-6);
            EXPECT_NEAR(projetteX(*f, X, Y, Z), attendu.x, 0.5 + 1e-6);
            EXPECT_NEAR(projetteY(*f, X, Y, Z), attendu.y, 0.5 + 1e-6);
        }
        // The viewer looks along M's first row taken as a model vector.
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(f->directionVue[c], m[0][c], 1e-12);
            EXPECT_NEAR(f->directionProjection[c], m[0][c], 1e-12);
        }
    }
}

TEST_F(Projection, WithNoTurnTheModelYAxisGoesRightAndZUp) {
    f->anglesVue[0] = f->anglesVue[1] = f->anglesVue[2] = 0;
    calculeProjection(*f);
    const int32_t u = coordonneeEntiere(*f, 1);
    EXPECT_EQ(projetteX(*f, 0, u, 0), 272); // 245.5 + 26.3
    EXPECT_EQ(projetteY(*f, 0, u, 0), 132);
    EXPECT_EQ(projetteX(*f, 0, 0, u), 246);
    EXPECT_EQ(projetteY(*f, 0, 0, u), 105); // 131.5 - 26.3
    EXPECT_EQ(projetteX(*f, u, 0, 0), 246); // along the line of sight
    EXPECT_EQ(projetteY(*f, u, 0, 0), 132);
    // A quarter turn about z brings the model x axis to the right.
    f->anglesVue[0] = degres(90);
    calculeProjection(*f);
    EXPECT_EQ(projetteX(*f, u, 0, 0), 272);
    EXPECT_EQ(projetteX(*f, 0, u, 0), 246); // now along the line of sight
}

TEST_F(Projection, ObliqueCorrectionShearsTheDepthIntoTheScreen) {
    const double a = f->parametresOblique[0], b = f->parametresOblique[1];
    ASSERT_EQ(a, -0.3);
    ASSERT_EQ(b, -0.3);
    f->projectionOblique = 1;
    const double angles[][3] = {
        {0, 0, 0}, {degres(-20), degres(25), 0}, {degres(30), degres(-40), degres(70)}};
    const double points[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1.5, -2, 0.75}};
    for (const auto& t : angles) {
        const Matrice m = tourneVue(t);
        for (const auto& p : points) {
            const double pe[3] = {double(coordonneeEntiere(*f, p[0])), double(coordonneeEntiere(*f, p[1])),
                                  double(coordonneeEntiere(*f, p[2]))};
            const Ecran attendu = ecranAttendu(*f, m, pe, true, a, b);
            const Ecran calcule = ecranCoefficients(*f, pe);
            EXPECT_NEAR(calcule.x, attendu.x, 1e-6);
            EXPECT_NEAR(calcule.y, attendu.y, 1e-6);
        }
        // The viewing direction ignores the correction.
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(f->directionVue[c], m[0][c], 1e-12);
    }
    // Unturned, the model x axis leaves the centre by 0.3 unit left and down,
    // and the screen's normal is (1, -a, -b) normalised.
    f->anglesVue[0] = f->anglesVue[1] = f->anglesVue[2] = 0;
    calculeProjection(*f);
    const int32_t u = coordonneeEntiere(*f, 1);
    EXPECT_EQ(projetteX(*f, u, 0, 0), 238); // 245.5 - 7.89
    EXPECT_EQ(projetteY(*f, u, 0, 0), 139); // 131.5 + 7.89
    const double n = std::sqrt(1 + a * a + b * b);
    EXPECT_NEAR(f->directionProjection[0], 1 / n, 1e-12);
    EXPECT_NEAR(f->directionProjection[1], -a / n, 1e-12);
    EXPECT_NEAR(f->directionProjection[2], -b / n, 1e-12);
}

TEST_F(Projection, TheBoxFillsTheIntegerUnitsWhateverTheZoomAndSize) {
    const struct {
        double zoom;
        int32_t largeur, hauteur;
    } cas[] = {{0.1, 491, 263}, {0.25, 800, 600}, {0.02, 300, 900}};
    for (const auto& c : cas) {
        f->uniteSurPetiteDimension = c.zoom;
        f->largeurImage = c.largeur;
        f->hauteurImage = c.hauteur;
        calculeProjection(*f);
        EXPECT_DOUBLE_EQ(f->borneSuperieure, 5 / c.zoom);
        EXPECT_EQ(coordonneeEntiere(*f, f->borneSuperieure), 512000);
        EXPECT_DOUBLE_EQ(f->longueurUnitePixels, std::min(c.largeur, c.hauteur) * c.zoom);
        EXPECT_DOUBLE_EQ(f->centreEcranX, c.largeur / 2.0);
        EXPECT_DOUBLE_EQ(f->centreEcranY, c.hauteur / 2.0);
    }
}

} // namespace
} // namespace km32::essai
