#include <gtest/gtest.h>

#include <string>

#include "figure_operandes.h"
#include "text/listes_points.h"
#include "text/noms_objets.h"

using namespace km32;
using essai::FigureOperandes;

namespace {

using LecteurPoints = void (*)(const TfigureKalmetra&, std::string_view, uint8_t, uint8_t&, TListePoints&,
                               uint16_t&);

// The names P1, P2... written one after another.
std::string nomsPoints(int combien) {
    std::string t;
    for (int i = 1; i <= combien; ++i)
        t += "P" + std::to_string(i);
    return t;
}

class ListesPoints : public FigureOperandes {
  protected:
    void SetUp() override {
        FigureOperandes::SetUp();
        for (int i = 1; i <= 41; ++i)
            point("P" + std::to_string(i), i, i * i, 0);
    }
};

TEST_F(ListesPoints, PointListsAndVertices) {
    const std::string quarante = nomsPoints(40);
    const std::string quaranteEtUn = nomsPoints(41);
    const struct {
        LecteurPoints lecteur;
        std::string texte;
        const char* lus; // the points read, or "#" and their count
        uint16_t erreur;
        std::string nom1;
    } cas[] = {
        {litListePoints, "A1B'C2", "A1 B' C2", 0, ""},
        {litListePoints, "AB1C", "A -", 537, "B1"},
        {litListePoints, "ABCD", "A B C D", 0, ""},
        {litListePoints, "A B C", "A B C", 0, ""},
        {litListePoints, "(A,B,C)", "A B C", 0, ""},
        {litListePoints, "[ABC]", "A B C", 0, ""},
        {litListePoints, "A+B", "A -", 533, "+B"},
        {litListePoints, "", "", 539, ""},
        {litListePoints, " ( ) ", "", 539, ""},
        {litListePoints, "AXB", "A -", 537, "X"},
        {litListePoints, "Ak1", "A k1", 596, "k1 (nombre)"},
        {litListePoints, quarante, "#40", 0, ""},
        {litListePoints, quaranteEtUn, "#40", 533, "P41"},
        {litSommetsPolygone, "AB", "A B", 555, ""},
        {litSommetsPolygone, "ABC", "A B C", 0, ""},
        {litSommetsPolygone, "ABCA", "A B C A", 599, "A"},
        {litSommetsPolygone, "ABCB'B", "A B C B' B", 599, "B"},
        {litSommetsPolygone, quarante, "#40", 0, ""},
        {litSommetsPolyedre, "ABC", "A B C", 555, ""},
        {litSommetsPolyedre, "ABCD", "A B C D", 0, ""},
        {litSommetsPolyedre, "ABCDA", "A B C D A", 599, "A"},
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        uint8_t nombre = 0;
        TListePoints points{};
        uint16_t erreur = 0;
        c.lecteur(f, c.texte, 1, nombre, points, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        std::string lus;
        if (c.lus[0] == '#') {
            lus = "#" + std::to_string(nombre);
        } else {
            for (int i = 1; i <= nombre; ++i)
                lus += (i > 1 ? " " : "") + notation(points[i]);
        }
        EXPECT_EQ(lus, c.lus) << c.texte;
        if (!c.nom1.empty()) {
            EXPECT_EQ(nomErreur1(), c.nom1) << c.texte;
        }
    }
}

TEST_F(ListesPoints, PointsAndSolidsOfAConvexHull) {
    ajoute(kNaturePolygoneConvexe, 155, "p1");
    ajoute(kNaturePolyedreConvexe, 181, "S");
    const struct {
        const char* texte;
        bool enveloppePolygone;
        const char* lus;
        uint16_t erreur;
        const char* nom1;
    } cas[] = {
        {"p1 ABCD S", false, "p1 A B C D S", 0, ""},
        {"p1,ABCD", true, "p1 A B C D", 0, ""},
        {"p1 ABCD S", true, "p1 A B C D S", 449, "S"}, // a polyhedron in a polygon's hull
        {"A A", true, "A A", 655, "A"},
        {"BA A", true, "B A A", 655, "A"},
        {"AB A", true, "[AB] A", 449, "[AB]"}, // AB is the segment's name
        {"s", true, "s", 449, "s"},
        {"[AB]", false, "[AB]", 453, "[AB]"},
        {"ABX", true, "", 537, "ABX"}, // an unknown name is reported for the whole item
        {"A H", true, "A H", 0, ""},   // mode 1: access is not checked
        {"", true, "", 0, ""},
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        uint8_t nombre = 99;
        TListeObjets objets{};
        uint16_t erreur = 0;
        litPointsEtSolides(f, c.texte, c.enveloppePolygone, 1, nombre, objets, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte;
        if (c.erreur == 0 || c.erreur == 655 || c.erreur == 449 || c.erreur == 453) {
            EXPECT_EQ(notations(objets.data(), nombre), c.lus) << c.texte;
        }
        if (*c.nom1) {
            EXPECT_EQ(nomErreur1(), c.nom1) << c.texte;
        }
    }

    uint8_t nombre = 0;
    TListeObjets objets{};
    uint16_t erreur = 0;
    litPointsEtSolides(f, "A H", true, 2, nombre, objets, erreur);
    EXPECT_EQ(erreur, 600);
    EXPECT_EQ(nomErreur1(), "H");
}

TEST_F(ListesPoints, PairsOfPointsForNewLines) {
    const struct {
        uint8_t code;
        const char* texte;
        int paires;
        uint16_t erreur;
        const char* nom1;
    } cas[] = {
        {34, "AD BC", 2, 0, ""},       {34, "[AD],[BC]", 2, 0, ""}, // brackets and commas do not count
        {34, "ABC", 3, 558, ""},       {34, "BA", 1, 559, "[AB]"},  // [AB] exists, in either order
        {34, "AC BA", 2, 559, "[AB]"}, {30, "DC", 1, 559, "(CD)"},
        {33, "CA", 1, 0, ""}, // [AC) exists, but a half-line has a direction
        {33, "AC", 1, 559, "[AC)"},    {34, "AA", 1, 541, ""},
        {34, "CC", 1, 541, ""},        {30, "BE", 1, 434, ""}, // distinct points at one place
        {33, "BE", 1, 434, ""},        {34, "BE", 1, 0, ""},
        {30, "AI", 1, 0, ""}, // an undefined point is not compared
        {34, "AX", 0, 537, "X"},
    };
    for (const auto& c : cas) {
        reinitialiseErreurs();
        uint8_t nombre = 0;
        TListePoints points{};
        uint16_t erreur = 0;
        litPairesDePoints(f, c.code, c.texte, 1, nombre, points, erreur);
        EXPECT_EQ(erreur, c.erreur) << c.texte << " code " << int(c.code);
        if (c.erreur != 537) {
            EXPECT_EQ(nombre, c.paires) << c.texte;
        }
        if (*c.nom1) {
            EXPECT_EQ(nomErreur1(), c.nom1) << c.texte;
        }
    }

    // No more than 250 objects in all.
    const uint8_t compte = f.nombreObjets;
    f.nombreObjets = 250;
    uint8_t nombre = 0;
    TListePoints points{};
    uint16_t erreur = 0;
    litPairesDePoints(f, 34, "CD", 1, nombre, points, erreur);
    EXPECT_EQ(erreur, 569);
    f.nombreObjets = compte;
}

TEST(CodesEnveloppe, PointsPolygonsAndPolyhedra) {
    int polygone = 0, polyedre = 0;
    for (int c = 0; c < 256; ++c) {
        polygone += estConstructionDEnveloppe(uint8_t(c), true);
        polyedre += estConstructionDEnveloppe(uint8_t(c), false);
    }
    EXPECT_EQ(polygone, 48);
    EXPECT_EQ(polyedre, 56);
}

} // namespace
