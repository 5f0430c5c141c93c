// The thirteen built-in objects of a new figure.
#include <array>
#include <cmath>
#include <string>

#include "banc_registre.h"
#include "model/couleurs.h"
#include "model/objets_figure.h"
#include "model/style.h"

namespace km32::essai {
namespace {

using Vecteur3 = std::array<double, 3>;
double produitScalaire(const Vecteur3& u, const Vecteur3& v) {
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}
double norme(const Vecteur3& u) {
    return std::sqrt(produitScalaire(u, u));
}
Vecteur3 produitVectoriel(const Vecteur3& u, const Vecteur3& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

struct Attendu {
    int numero;
    const char* nom;
    uint8_t nature;
    uint8_t code;
    int premiereValeur;
    int nombreValeurs;
    uint16_t drapeaux;
    uint16_t drapeauxStyle;
    bool couleurAxes;
};

const Attendu kAttendus[] = {
    {1, "Rxyz", 7, 55, 1, 12, 2, 0x4000, false}, {2, "Uxyz", 10, 56, 4, 1, 2, 0, false},
    {3, "time", 8, 74, 13, 1, 2, 0, false},      {4, "i", 14, 57, 4, 3, 2, 0, false},
    {5, "j", 14, 57, 7, 3, 2, 0, false},         {6, "k", 14, 57, 10, 3, 2, 0, false},
    {7, "o", 1, 133, 1, 3, 0, 0x0400, true},     {8, "ox", 3, 71, 14, 12, 0, 0, true},
    {9, "oy", 3, 71, 26, 12, 0, 0, true},        {10, "oz", 3, 71, 38, 12, 0, 0, true},
    {11, "oxy", 28, 166, 50, 13, 2, 0, false},   {12, "oyz", 28, 166, 63, 13, 2, 0, false},
    {13, "ozx", 28, 166, 76, 13, 2, 0, false},
};

class ObjetsIntegres : public BancRegistre {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = figureNeuve();
    TfigureKalmetra& f = *figure;

    // Values k, k + 1, k + 2 of the object, counted from 1.
    Vecteur3 point(int objet, int k) const {
        return {valeurObjet(f, objet, k), valeurObjet(f, objet, k + 1), valeurObjet(f, objet, k + 2)};
    }
};

TEST_F(ObjetsIntegres, RecordsOfTheThirteenObjects) {
    CouleurRVB axes{};
    ASSERT_TRUE(rvbDeCode(4, axes));
    for (const Attendu& a : kAttendus) {
        SCOPED_TRACE(a.nom);
        const TObjetFigure& o = objet(f, a.numero);
        EXPECT_EQ(nomObjet(f, a.numero), a.nom);
        EXPECT_EQ(numeroObjetDeNomEtType(f, a.nom, a.nature), a.numero);
        EXPECT_EQ(o.nature, a.nature);
        EXPECT_EQ(o.codeConstruction, a.code);
        EXPECT_EQ(o.premiereValeur, a.premiereValeur);
        EXPECT_EQ(o.nombreValeurs, a.nombreValeurs);
        EXPECT_EQ(o.drapeaux, a.drapeaux);
        EXPECT_EQ(o.style.drapeaux, a.drapeauxStyle);
        const CouleurRVB c = a.couleurAxes ? axes : CouleurRVB{0, 0, 0};
        EXPECT_EQ(o.style.rouge, c.rouge);
        EXPECT_EQ(o.style.vert, c.vert);
        EXPECT_EQ(o.style.bleu, c.bleu);
        // Nothing else: no parents, expressions, samples, unit, limit, slot; defined.
        EXPECT_EQ(o.nombreParents, 0);
        EXPECT_EQ(o.nombreExpressions, 0);
        EXPECT_EQ(o.nombreEchantillons, 0);
        EXPECT_EQ(o.uniteLongueur, 0);
        EXPECT_EQ(o.objetLimite, 0);
        EXPECT_EQ(o.emplacementSolide, 0);
        EXPECT_EQ(o.emplacementFonction, 0);
        EXPECT_EQ(o.numeroPrototype, 0);
        EXPECT_EQ(o.nonDefini, 0);
        EXPECT_TRUE(o.premiereValeur + o.nombreValeurs - 1 <= 88);
    }
    EXPECT_EQ(f.nombreObjets, 13);
    EXPECT_EQ(f.valeursUtilisees, 88);
    EXPECT_EQ(f.parentsUtilises, 0);
    EXPECT_EQ(f.expressionsUtilisees, 0);
    EXPECT_EQ(f.echantillonsUtilises, 0);
    EXPECT_EQ(f.octetsOperandesUtilises, 0);
    EXPECT_EQ(f.texteDesNoms, "RxyzUxyztimeijkoxoyozoxyoyzozx");
    EXPECT_EQ(nomObjet(f, 14), "");
}

TEST_F(ObjetsIntegres, OAndOxShareOneCharacterOfTheNameText) {
    EXPECT_EQ(objet(f, 7).debutNom, objet(f, 8).debutNom);
    EXPECT_EQ(nomObjetOuVecteur(f, 4), "vec(i)");
}

TEST_F(ObjetsIntegres, SharedValues) {
    // Uxyz reads the x of i; o reads the origin of Rxyz.
    EXPECT_EQ(uniteDeLongueurObjet(f, 14), 1.0);
    valeurObjet(f, 4, 1) = 2.5;
    EXPECT_EQ(valeurObjet(f, 2, 1), 2.5);
    valeurObjet(f, 1, 2) = -3;
    EXPECT_EQ(valeurObjet(f, 7, 2), -3);
    EXPECT_EQ(valeurObjet(f, 3, 1), 0.0); // time
}

TEST_F(ObjetsIntegres, FrameIsOrthonormalAndDirect) {
    const Vecteur3 o = point(1, 1), i = point(1, 4), j = point(1, 7), k = point(1, 10);
    EXPECT_EQ(norme(o), 0.0);
    for (const Vecteur3& v : {i, j, k})
        EXPECT_DOUBLE_EQ(norme(v), 1.0);
    EXPECT_EQ(produitScalaire(i, j), 0.0);
    EXPECT_EQ(produitScalaire(j, k), 0.0);
    EXPECT_EQ(produitScalaire(k, i), 0.0);
    const Vecteur3 ixj = produitVectoriel(i, j);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(ixj[c], k[c]);
    // The vectors i, j, k are the frame's axes.
    for (int n = 0; n < 3; ++n)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(valeurObjet(f, 4 + n, c + 1), valeurObjet(f, 1, 4 + 3 * n + c));
}

TEST_F(ObjetsIntegres, AxesThroughTheOriginAlongTheFrameVectors) {
    for (int n = 0; n < 3; ++n) {
        const int axe = 8 + n;
        SCOPED_TRACE(nomObjet(f, axe));
        bool nul = false;
        double x, y, z;
        directionUnitaire(f, axe, 0, nul, x, y, z);
        EXPECT_FALSE(nul);
        const Vecteur3 attendu = point(4 + n, 1);
        EXPECT_EQ(x, attendu[0]);
        EXPECT_EQ(y, attendu[1]);
        EXPECT_EQ(z, attendu[2]);
        EXPECT_EQ(norme(point(axe, 1)), 0.0);
        const Vecteur3 seconde = point(axe, 7);
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(seconde[c], attendu[c]);
        EXPECT_EQ(valeurObjet(f, axe, 10), 1.0);
        EXPECT_EQ(valeurObjet(f, axe, 11), -7.0);
        EXPECT_EQ(valeurObjet(f, axe, 12), 7.0);
    }
}

TEST_F(ObjetsIntegres, PlanesContainTheirAxesAndTheOrigin) {
    // oxy holds x and y, oyz y and z, ozx z and x, in that order.
    const int axes[3][2] = {{4, 5}, {5, 6}, {6, 4}};
    for (int n = 0; n < 3; ++n) {
        const int plan = 11 + n;
        SCOPED_TRACE(nomObjet(f, plan));
        const Vecteur3 normale{valeurObjet(f, plan, 1), valeurObjet(f, plan, 2), valeurObjet(f, plan, 3)};
        const double d = valeurObjet(f, plan, 4);
        const Vecteur3 u = point(plan, 5), v = point(plan, 8), p = point(plan, 11);
        EXPECT_DOUBLE_EQ(norme(normale), 1.0);
        EXPECT_EQ(produitScalaire(normale, p) + d, 0.0);
        const Vecteur3 uxv = produitVectoriel(u, v);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(uxv[c], normale[c]);
            EXPECT_EQ(u[c], valeurObjet(f, axes[n][0], c + 1));
            EXPECT_EQ(v[c], valeurObjet(f, axes[n][1], c + 1));
        }
    }
}

} // namespace
} // namespace km32::essai
