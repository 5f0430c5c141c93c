// Object styles: the readers of the flag word, every style command, the
// name-position cycle and the colour of a style.
#include "model/couleurs.h"
#include "model/style.h"

#include <gtest/gtest.h>

namespace km32 {
namespace {

TstyleObjet style(uint16_t drapeaux, uint8_t courbe = 0) {
    TstyleObjet s;
    s.drapeaux = drapeaux;
    s.courbe = courbe;
    return s;
}

#define LECTEUR(f) #f, +[](const TstyleObjet& s) { return int(f(s)); }

TEST(Style, ReadersOfTheFlagWord) {
    struct Cas {
        const char* nom;
        int (*lit)(const TstyleObjet&);
        uint16_t drapeaux;
        uint8_t courbe;
        int attendu;
    };
    const Cas cas[] = {
        {LECTEUR(couleurNonValide), 0x0001, 0, 1},
        {LECTEUR(couleurNonValide), 0x0002, 0, 0},
        {LECTEUR(styleRempli), 0x0000, 0, 0},
        {LECTEUR(styleRempli), 0x0010, 0, 1},
        {LECTEUR(styleRempli), 0x0080, 0, 0}, // bit 7 is no fill
        {LECTEUR(styleHachure), 0x0010, 0, 0},
        {LECTEUR(styleHachure), 0x0020, 0, 1},
        {LECTEUR(styleHachure), 0x0050, 0, 1},
        {LECTEUR(commandeRemplissage), 0x0000, 0, 31},
        {LECTEUR(commandeRemplissage), 0x0010, 0, 32},
        {LECTEUR(commandeRemplissage), 0x0020, 0, 35},
        {LECTEUR(commandeRemplissage), 0x0030, 0, 36},
        {LECTEUR(commandeRemplissage), 0x0040, 0, 33},
        {LECTEUR(commandeRemplissage), 0x0050, 0, 34},
        {LECTEUR(commandeRemplissage), 0x0060, 0, 0},
        {LECTEUR(commandeRemplissage), 0x00F0, 0, 0},
        {LECTEUR(nomAuDessus), 0x0010, 0, 1},
        {LECTEUR(nomAuDessus), 0x00E0, 0, 0},
        {LECTEUR(nomAuDessous), 0x0020, 0, 1},
        {LECTEUR(nomAGauche), 0x0040, 0, 1},
        {LECTEUR(nomADroite), 0x0080, 0, 1},
        {LECTEUR(nomADroite), 0x0070, 0, 0},
        {LECTEUR(traitTirete), 0x0100, 0, 1},
        {LECTEUR(traitTirete), 0x0100, 1, 0},
        {LECTEUR(traitTirete), 0x0200, 0, 0},
        {LECTEUR(epaisseurTrait), 0x0000, 0, 1},
        {LECTEUR(epaisseurTrait), 0x0100, 1, 1},
        {LECTEUR(epaisseurTrait), 0x0200, 0, 2},
        {LECTEUR(epaisseurTrait), 0x0300, 0, 2}, // dashed and thick segment
        {LECTEUR(epaisseurTrait), 0x0200, 1, 2},
        {LECTEUR(epaisseurTrait), 0x0300, 1, 1}, // a circle with both bits is thin
        {LECTEUR(tailleMarque), 0x0000, 0, 0},
        {LECTEUR(tailleMarque), 0x0200, 0, 1},
        {LECTEUR(tailleMarque), 0x0400, 0, 2},
        {LECTEUR(tailleMarque), 0x0E00, 0, 3},
        {LECTEUR(marqueDessinee), 0x0000, 0, 0},
        {LECTEUR(marqueDessinee), 0x0400, 0, 1},
        {LECTEUR(marqueFine), 0x0200, 0, 1},
        {LECTEUR(marqueFine), 0x0600, 0, 0},
        {LECTEUR(marqueEpaisse), 0x0600, 0, 1},
        {LECTEUR(marqueEpaisse), 0x0400, 0, 0},
        {LECTEUR(estGradue), 0x0000, 0, 1},
        {LECTEUR(estGradue), 0x0400, 0, 0},
        {LECTEUR(avecQuadrillage), 0x0800, 0, 1},
        {LECTEUR(avecQuadrillage), 0x0000, 0, 0},
        {LECTEUR(nomDessine), 0x0800, 0, 0},
        {LECTEUR(nomDessine), 0x0000, 0, 1},
        {LECTEUR(pointsNonLies), 0x0800, 1, 0},
        {LECTEUR(pointsNonLies), 0x0000, 1, 1},
        {LECTEUR(selectionnePourTrace), 0x1000, 0, 1},
        {LECTEUR(selectionnePourTrace), 0x2000, 0, 0},
        {LECTEUR(avecMarquesNumeriques), 0x2000, 0, 1},
        {LECTEUR(avecMarquesNumeriques), 0x1000, 0, 0},
        {LECTEUR(estDessine), 0x0000, 0, 1},
        {LECTEUR(estDessine), 0x4000, 0, 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(c.lit(style(c.drapeaux, c.courbe)), c.attendu)
            << c.nom << " flags " << std::hex << c.drapeaux << " curved " << int(c.courbe);
}

TEST(Style, SettersTouchOnlyTheirBit) {
    TstyleObjet s = style(0x7FF0);
    fixeCouleurNonValide(s, true);
    EXPECT_EQ(s.drapeaux, 0x7FF1);
    fixeCouleurNonValide(s, false);
    EXPECT_EQ(s.drapeaux, 0x7FF0);
    fixeSelectionnePourTrace(s, false);
    EXPECT_EQ(s.drapeaux, 0x6FF0);
    fixeSelectionnePourTrace(s, true);
    EXPECT_EQ(s.drapeaux, 0x7FF0);
}

TEST(Style, CommandsOnTheFlagWord) {
    struct Cas {
        uint16_t commande;
        uint8_t courbe;
        uint16_t avant, apres;
    };
    const Cas cas[] = {
        {16, 0, 0x4E10, 0x4010},   {17, 0, 0x0800, 0x0400},  {18, 0, 0x0000, 0x0600},
        {19, 0, 0x0000, 0x0A00},   {20, 0, 0x0200, 0x0C00},  {21, 0, 0x0000, 0x0E00},
        {23, 0, 0x0300, 0x0000},   {23, 1, 0x0300, 0x0800},  {24, 0, 0x0100, 0x0200},
        {24, 1, 0x0000, 0x0A00},   {25, 0, 0x0200, 0x0100},  {25, 1, 0x0B00, 0x0000},
        {26, 0, 0x0000, 0x0300},   {26, 1, 0x0900, 0x0200},  {27, 0, 0x2800, 0x0400},
        {28, 0, 0x2C00, 0x0000},   {29, 0, 0x0400, 0x2000},  {29, 0, 0x0C00, 0x2C00},
        {30, 0, 0x0000, 0x0C00},   {31, 0, 0x00F0, 0x0080},  {32, 0, 0x0080, 0x0090},
        {33, 0, 0x0010, 0x0040},   {34, 0, 0x0000, 0x0050},  {35, 0, 0x00F0, 0x0020},
        {36, 0, 0x0080, 0x00B0},   {37, 0, 0x0003, 0x4003},  {38, 0, 0x4001, 0x0001},
        {39, 0, 0x7FFF, 0x7FFF},   {100, 0, 0x7FFF, 0x7FFF}, {121, 0, 0x7FFF, 0x7FFF},
        {1000, 0, 0x7FFF, 0x7FFF},
    };
    for (const Cas& c : cas) {
        TstyleObjet s = style(c.avant, c.courbe);
        s.rouge = 10, s.vert = 20, s.bleu = 30;
        TsourcesCouleur sources{14, 15, 16};
        appliqueCommandeStyle(s, sources, c.commande);
        EXPECT_EQ(s.drapeaux, c.apres) << "command " << c.commande << " curved " << int(c.courbe);
        EXPECT_EQ(couleurDuStyle(s), 10u + 256u * 20 + 65536u * 30) << c.commande;
        EXPECT_EQ(sources, (TsourcesCouleur{14, 15, 16})) << c.commande;
    }
}

TEST(Style, DashedCommandsOnASegmentAndOnACircle) {
    TsourcesCouleur sources{};
    TstyleObjet segment = style(0, 0), cercle = style(0x0800, 1);
    appliqueCommandeStyle(segment, sources, 26);
    appliqueCommandeStyle(cercle, sources, 26);
    EXPECT_TRUE(traitTirete(segment));
    EXPECT_EQ(epaisseurTrait(segment), 2);
    EXPECT_FALSE(traitTirete(cercle));
    EXPECT_EQ(epaisseurTrait(cercle), 2);
    appliqueCommandeStyle(cercle, sources, 25);
    EXPECT_EQ(cercle.drapeaux, 0);
}

TEST(Style, NamePositionTurnsClockwiseFromTheLeft) {
    struct Position {
        bool dessus, dessous, gauche, droite;
    };
    const Position tours[] = {
        {false, false, true, false}, {true, false, true, false},  {true, false, false, false},
        {true, false, false, true},  {false, false, false, true}, {false, true, false, true},
        {false, true, false, false}, {false, true, true, false},  {false, false, true, false},
    };
    TsourcesCouleur sources{};
    TstyleObjet s = style(0x4100); // dashed and hidden: kept through the turns
    for (int i = 0; i < 9; ++i) {
        appliqueCommandeStyle(s, sources, 22);
        const Position& p = tours[i];
        EXPECT_EQ(nomAuDessus(s), p.dessus) << "turn " << i + 1;
        EXPECT_EQ(nomAuDessous(s), p.dessous) << "turn " << i + 1;
        EXPECT_EQ(nomAGauche(s), p.gauche) << "turn " << i + 1;
        EXPECT_EQ(nomADroite(s), p.droite) << "turn " << i + 1;
        EXPECT_EQ(s.drapeaux & 0xFF0F, 0x4100);
    }
    TstyleObjet horsCycle = style(0x0030); // above and below
    appliqueCommandeStyle(horsCycle, sources, 22);
    EXPECT_EQ(horsCycle.drapeaux, 0x0040);
}

// Fixed colours as listed: code, colour value, red, green, blue.
struct CouleurListee {
    uint16_t code;
    uint32_t valeur;
    uint8_t r, v, b;
};
constexpr CouleurListee kCouleurs[] = {
    {0, 0x000001, 1, 0, 0},         {1, 0xFF0000, 0, 0, 255},       {2, 0x00FF00, 0, 255, 0},
    {3, 0xFFFF00, 0, 255, 255},     {4, 0x0000FF, 255, 0, 0},       {5, 0xFF00FF, 255, 0, 255},
    {6, 0xC0C0C0, 192, 192, 192},   {7, 0x808080, 128, 128, 128},   {8, 0x008080, 128, 128, 0},
    {9, 0x008000, 0, 128, 0},       {10, 0x000080, 128, 0, 0},      {11, 0x800000, 0, 0, 128},
    {12, 0x808000, 0, 128, 128},    {13, 0x800080, 128, 0, 128},    {14, 0x00FFFF, 255, 255, 0},
    {15, 0xFFFFFF, 255, 255, 255},  {101, 0xC0FFFF, 255, 255, 192}, {102, 0x4040C0, 192, 64, 64},
    {103, 0xFF8080, 128, 128, 255}, {104, 0xFF8040, 64, 128, 255},  {105, 0xC0C080, 128, 192, 192},
    {106, 0xFF80C0, 192, 128, 255}, {107, 0xFF80FF, 255, 128, 255}, {108, 0xC000C0, 192, 0, 192},
    {109, 0xC0FFC0, 192, 255, 192}, {110, 0xC0FF00, 0, 255, 192},   {111, 0x80FFC0, 192, 255, 128},
    {112, 0x80C0C0, 192, 192, 128}, {113, 0x00C0C0, 192, 192, 0},   {114, 0x80C040, 64, 192, 128},
    {115, 0x0080FF, 255, 128, 0},   {116, 0xC080FF, 255, 128, 192}, {117, 0x8000FF, 255, 0, 128},
    {118, 0x8080FF, 255, 128, 128}, {119, 0xFF0080, 128, 0, 255},   {120, 0x80FFFF, 255, 255, 128},
};

TEST(Couleurs, FixedColoursMatchTheirValues) {
    for (const CouleurListee& c : kCouleurs) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.valeur, uint32_t(c.r) + 256u * c.v + 65536u * c.b); // the listing is consistent
        EXPECT_EQ(couleurDeCode(c.code), c.valeur);
        EXPECT_EQ(codeDeCouleur(c.r, c.v, c.b), c.code >= 101 ? int(c.code) : -1);

        TstyleObjet s = style(0x0403);
        TsourcesCouleur sources{20, 21, 22};
        appliqueCommandeStyle(s, sources, c.code);
        EXPECT_EQ(s.drapeaux, 0x0400);
        EXPECT_EQ(s.rouge, c.r);
        EXPECT_EQ(s.vert, c.v);
        EXPECT_EQ(s.bleu, c.b);
        EXPECT_EQ(sources, (TsourcesCouleur{0, 0, 0}));
        EXPECT_TRUE(estCouleurStandard(s, sources));
    }
}

TEST(Couleurs, CodesOutsideTheTables) {
    for (uint16_t code : {16, 50, 100, 121, 255, 1000})
        EXPECT_EQ(couleurDeCode(code), 1u) << code;
    EXPECT_EQ(codeDeCouleur(0, 0, 0), -1);
    EXPECT_EQ(codeDeCouleur(255, 255, 190), -1);

    TstyleObjet s = style(0x0003);
    s.rouge = 7;
    TsourcesCouleur sources{20, 0, 0};
    couleurDeNumero(s, sources, 50); // only the two colour flags are cleared
    EXPECT_EQ(s.drapeaux, 0);
    EXPECT_EQ(s.rouge, 7);
    EXPECT_EQ(sources, (TsourcesCouleur{20, 0, 0}));
}

TEST(Couleurs, StandardColour) {
    struct Cas {
        uint16_t drapeaux;
        uint8_t r, v, b;
        TsourcesCouleur sources;
        bool attendu;
    };
    const Cas cas[] = {
        {0x0002, 10, 20, 30, {14, 0, 0}, true}, // marked standard
        {0x0000, 255, 0, 0, {0, 0, 14}, false}, // from sources
        {0x0000, 255, 0, 0, {0, 0, 0}, true},   // basic colour 4
        {0x0000, 192, 64, 64, {0, 0, 0}, true}, // further colour 102
        {0x0000, 0, 0, 0, {0, 0, 0}, false},    // black is stored as 1, 0, 0
        {0x0000, 10, 20, 30, {0, 0, 0}, false},
    };
    for (const Cas& c : cas) {
        TstyleObjet s = style(c.drapeaux);
        s.rouge = c.r, s.vert = c.v, s.bleu = c.b;
        EXPECT_EQ(estCouleurStandard(s, c.sources), c.attendu)
            << int(c.r) << "," << int(c.v) << "," << int(c.b);
    }
}

TEST(Couleurs, ColourFromValuesClearsTheStandardMark) {
    TstyleObjet s = style(0x0003);
    TsourcesCouleur sources{};
    fixeCouleurStyle(s, sources, 255, 128, 0, 20, 21, 22);
    EXPECT_EQ(s.drapeaux, 0x0001);
    EXPECT_EQ(couleurDuStyle(s), 0x0080FFu);
    EXPECT_EQ(sources, (TsourcesCouleur{20, 21, 22}));
    EXPECT_FALSE(estCouleurStandard(s, sources));
    EXPECT_EQ(texteDeCouleur(couleurDuStyle(s)), "255,128,0");
    EXPECT_EQ(texteDeCouleur(0xFF000001), "1,0,0");
}

TEST(Style, CurvedKinds) {
    for (int nature = 0; nature < 256; ++nature) {
        bool courbe = nature == 5 || nature == 6 || nature == 16 || nature == 27 || nature == 34;
        EXPECT_EQ(octetCourbeDeNature(uint8_t(nature)), courbe ? 1 : 0) << nature;
    }
}

} // namespace
} // namespace km32
