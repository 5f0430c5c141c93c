#pragma once
// The style of an object: how it is drawn (line style, point mark, name
// position, fill, graduations, visibility, trace selection) and its colour.
//
// The colour may come from the values of up to three colour-source objects
// (red, green, blue); those three object numbers sit in the object record
// right after the style and travel here as a TsourcesCouleur.
#include <array>
#include <cstdint>

namespace km32 {

#pragma pack(push, 1)
struct TstyleObjet {
    uint16_t drapeaux = 0; // flag bits (readers below)
    uint8_t courbe = 0;    // 1 for curved objects (circles, arcs, curves, spheres, meshes)
    uint8_t rouge = 0;
    uint8_t vert = 0;
    uint8_t bleu = 0;
};
#pragma pack(pop)
static_assert(sizeof(TstyleObjet) == 6);

// The red, green and blue colour-source objects of an object (0 = none).
using TsourcesCouleur = std::array<uint8_t, 3>;

// Flag bits. Some bits mean different things for different kinds of objects.
constexpr uint16_t kStyleCouleurNonValide = 1u << 0; // colour from sources could not be computed
constexpr uint16_t kStyleCouleurStandard = 1u << 1;  // colour marked standard
constexpr uint16_t kStyleNomAuDessus = 1u << 4;      // bits 4-6 are also a surface's fill pattern
constexpr uint16_t kStyleNomAuDessous = 1u << 5;
constexpr uint16_t kStyleNomAGauche = 1u << 6;
constexpr uint16_t kStyleNomADroite = 1u << 7;
constexpr uint16_t kStyleTirete = 1u << 8;
constexpr uint16_t kStyleEpais = 1u << 9; // bits 9-10 are also a point's mark size
constexpr uint16_t kStyleNonGradue = 1u << 10;
constexpr uint16_t kStyleBit11 = 1u << 11; // grid of a frame, name hidden, points joined
constexpr uint16_t kStyleTrace = 1u << 12; // selected for trace
constexpr uint16_t kStyleMarquesNumeriques = 1u << 13;
constexpr uint16_t kStyleNonDessine = 1u << 14;

constexpr uint16_t kStyleMasqueRemplissage = 0x0070; // bits 4-6
constexpr uint16_t kStyleMasquePosition = 0x00F0;    // bits 4-7
constexpr uint16_t kStyleMasqueMarque = 0x0600;      // bits 9-10

inline bool aBits(const TstyleObjet& s, uint16_t bits) {
    return (s.drapeaux & bits) != 0;
}

// The curved byte an object of this kind gets when it is created: 1 for
// circles, arcs, curves, spheres and meshes.
inline uint8_t octetCourbeDeNature(uint8_t nature) {
    return (nature == 5 || nature == 6 || nature == 16 || nature == 27 || nature == 34) ? 1 : 0;
}

// Colour validity.
inline bool couleurNonValide(const TstyleObjet& s) {
    return aBits(s, kStyleCouleurNonValide);
}
inline void fixeCouleurNonValide(TstyleObjet& s, bool nonValide) {
    s.drapeaux = nonValide ? uint16_t(s.drapeaux | kStyleCouleurNonValide)
                           : uint16_t(s.drapeaux & ~kStyleCouleurNonValide);
}

// Fill pattern of a surface (bits 4-6): 0 none, 1 opaque, 2 to 5 hatchings.
inline uint8_t motifRemplissage(const TstyleObjet& s) {
    return uint8_t((s.drapeaux & kStyleMasqueRemplissage) >> 4);
}
inline bool styleRempli(const TstyleObjet& s) {
    return motifRemplissage(s) != 0;
}
inline bool styleHachure(const TstyleObjet& s) {
    return motifRemplissage(s) > 1;
}
// The style command that gives the current fill pattern (0 when none does).
uint16_t commandeRemplissage(const TstyleObjet& s);

// Name position of a point (bits 4-7); combinations give the corners.
inline bool nomAuDessus(const TstyleObjet& s) {
    return aBits(s, kStyleNomAuDessus);
}
inline bool nomAuDessous(const TstyleObjet& s) {
    return aBits(s, kStyleNomAuDessous);
}
inline bool nomAGauche(const TstyleObjet& s) {
    return aBits(s, kStyleNomAGauche);
}
inline bool nomADroite(const TstyleObjet& s) {
    return aBits(s, kStyleNomADroite);
}

// Lines: a curved object is never dashed, and dashed curved objects are thin.
inline bool traitTirete(const TstyleObjet& s) {
    return aBits(s, kStyleTirete) && s.courbe == 0;
}
inline uint8_t epaisseurTrait(const TstyleObjet& s) {
    if (!aBits(s, kStyleEpais)) return 1;
    return (s.courbe == 0 || !aBits(s, kStyleTirete)) ? 2 : 1;
}

// Point marks (bits 9-10): 0 none, 1 fine, 2 normal, 3 thick.
inline uint8_t tailleMarque(const TstyleObjet& s) {
    return uint8_t((s.drapeaux & kStyleMasqueMarque) >> 9);
}
inline bool marqueDessinee(const TstyleObjet& s) {
    return tailleMarque(s) != 0;
}
inline bool marqueFine(const TstyleObjet& s) {
    return tailleMarque(s) == 1;
}
inline bool marqueEpaisse(const TstyleObjet& s) {
    return tailleMarque(s) == 3;
}

inline bool estGradue(const TstyleObjet& s) {
    return !aBits(s, kStyleNonGradue);
}
inline bool avecQuadrillage(const TstyleObjet& s) {
    return aBits(s, kStyleBit11);
}
inline bool nomDessine(const TstyleObjet& s) {
    return !aBits(s, kStyleBit11);
}
inline bool pointsNonLies(const TstyleObjet& s) {
    return !aBits(s, kStyleBit11);
}
inline bool selectionnePourTrace(const TstyleObjet& s) {
    return aBits(s, kStyleTrace);
}
inline void fixeSelectionnePourTrace(TstyleObjet& s, bool selectionne) {
    s.drapeaux = selectionne ? uint16_t(s.drapeaux | kStyleTrace) : uint16_t(s.drapeaux & ~kStyleTrace);
}
inline bool avecMarquesNumeriques(const TstyleObjet& s) {
    return aBits(s, kStyleMarquesNumeriques);
}
inline bool estDessine(const TstyleObjet& s) {
    return !aBits(s, kStyleNonDessine);
}

// Colour of a style.
// Clears bits 0 and 1; for a colour code 0-15 or 101-120 sets the colour from
// the fixed table and clears the colour sources; other codes change nothing more.
void couleurDeNumero(TstyleObjet& s, TsourcesCouleur& sources, uint16_t code);
// Sets the colour and its sources and clears the standard mark.
void fixeCouleurStyle(TstyleObjet& s, TsourcesCouleur& sources, uint8_t rouge, uint8_t vert, uint8_t bleu,
                      uint8_t source1, uint8_t source2, uint8_t source3);
// red + 256 green + 65536 blue.
inline uint32_t couleurDuStyle(const TstyleObjet& s) {
    return uint32_t(s.rouge) + 256u * s.vert + 65536u * s.bleu;
}
// Marked standard, or with no colour source and one of the fixed colours.
bool estCouleurStandard(const TstyleObjet& s, const TsourcesCouleur& sources);

// Style commands 0-38 and 101-120 (colours, marks, name position, lines,
// graduations, fills, visibility); other numbers change nothing.
void appliqueCommandeStyle(TstyleObjet& s, TsourcesCouleur& sources, uint16_t commande);

} // namespace km32
