// The thirteen built-in objects of every figure: the frame Rxyz and its unit,
// the time, the vectors i, j, k, the origin, the three axes and the three
// coordinate planes. They occupy values 1 to 88; Uxyz reads the x of i and o
// reads the origin of Rxyz.
#include <array>

#include "model/registre_figures.h"
#include "model/style.h"

namespace km32 {

namespace {

struct ObjetIntegre {
    uint8_t nature;
    uint8_t code;
    uint16_t premiereValeur;
    uint8_t nombreValeurs;
    uint16_t debutNom; // in kNomsObjetsIntegres, from 1
    uint8_t longueurNom;
    uint16_t drapeaux;      // object flag word
    uint16_t drapeauxStyle; // style flag word
    bool couleur4;          // colour code 4 (the origin and the axes)
};

constexpr uint16_t kProtege = kDrapeauProtege;

constexpr std::array<ObjetIntegre, kObjetsPredefinis> kObjets{{
    {kNatureRepere, 55, 1, 12, 1, 4, kProtege, kStyleNonDessine, false}, // Rxyz
    {kNatureUniteDeLongueur, 56, 4, 1, 5, 4, kProtege, 0, false},        // Uxyz
    {kNatureNombreReel, 74, 13, 1, 9, 4, kProtege, 0, false},            // time
    {kNatureVecteur, 57, 4, 3, 13, 1, kProtege, 0, false},               // i
    {kNatureVecteur, 57, 7, 3, 14, 1, kProtege, 0, false},               // j
    {kNatureVecteur, 57, 10, 3, 15, 1, kProtege, 0, false},              // k
    {kNaturePoint, 133, 1, 3, 16, 1, 0, 0x0400, true},                   // o (normal mark)
    {kNatureDroite, 71, 14, 12, 16, 2, 0, 0, true},                      // ox
    {kNatureDroite, 71, 26, 12, 18, 2, 0, 0, true},                      // oy
    {kNatureDroite, 71, 38, 12, 20, 2, 0, 0, true},                      // oz
    {kNaturePlan, 166, 50, 13, 22, 3, kProtege, 0, false},               // oxy
    {kNaturePlan, 166, 63, 13, 25, 3, kProtege, 0, false},               // oyz
    {kNaturePlan, 166, 76, 13, 28, 3, kProtege, 0, false},               // ozx
}};

// Values 1 to 88.
constexpr std::array<double, kValeursObjetsIntegres> kValeurs{{
    // Rxyz: origin, i, j, k (Uxyz is value 4, i values 4-6, j 7-9, k 10-12)
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    1,
    // time
    0,
    // ox, oy, oz: point, direction, direction again, then 1, -7, 7
    0,
    0,
    0,
    1,
    0,
    0,
    1,
    0,
    0,
    1,
    -7,
    7,
    0,
    0,
    0,
    0,
    1,
    0,
    0,
    1,
    0,
    1,
    -7,
    7,
    0,
    0,
    0,
    0,
    0,
    1,
    0,
    0,
    1,
    1,
    -7,
    7,
    // oxy, oyz, ozx: a, b, c, d, two axes, a point
    0,
    0,
    1,
    0,
    1,
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    0,
    1,
    0,
    0,
    0,
    0,
    1,
    1,
    0,
    0,
    0,
    0,
    0,
}};

constexpr uint16_t kCouleurAxes = 4;

} // namespace

void installeObjetsIntegres(TfigureKalmetra& f) {
    for (int k = 1; k <= kValeursObjetsIntegres; ++k)
        valeur(f, k) = kValeurs[k - 1];
    f.valeursUtilisees = kValeursObjetsIntegres;

    // Objects 0 to 13 start cleared (no parents, expressions, samples, unit,
    // limit, solid or function slot, colour source; defined), protected.
    for (int i = 0; i <= kObjetsPredefinis; ++i) {
        TObjetFigure& o = objet(f, i);
        o = TObjetFigure{};
        o.drapeaux = kDrapeauProtege;
    }
    for (int i = 1; i <= kObjetsPredefinis; ++i) {
        const ObjetIntegre& d = kObjets[i - 1];
        TObjetFigure& o = objet(f, i);
        o.nature = d.nature;
        o.codeConstruction = d.code;
        o.premiereValeur = d.premiereValeur;
        o.nombreValeurs = d.nombreValeurs;
        o.debutNom = d.debutNom;
        o.longueurNom = d.longueurNom;
        o.drapeaux = d.drapeaux;
        o.style.drapeaux = d.drapeauxStyle;
        if (d.couleur4) {
            TsourcesCouleur sources{};
            couleurDeNumero(o.style, sources, kCouleurAxes);
        }
    }
    f.texteDesNoms = kNomsObjetsIntegres;
    f.nombreObjets = kObjetsPredefinis;
}

std::string nomObjetIntegreParDefaut(int i) {
    if (i < 1 || i > kObjetsPredefinis) return {};
    const ObjetIntegre& o = kObjets[std::size_t(i - 1)];
    return std::string(kNomsObjetsIntegres + o.debutNom - 1, o.longueurNom);
}

} // namespace km32
