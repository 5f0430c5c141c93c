#include "model/style.h"

#include "model/couleurs.h"

namespace km32 {

namespace {

void poseBits(TstyleObjet& s, uint16_t bits) {
    s.drapeaux = uint16_t(s.drapeaux | bits);
}
void oteBits(TstyleObjet& s, uint16_t bits) {
    s.drapeaux = uint16_t(s.drapeaux & ~bits);
}

// Bits 4-6 := the fill pattern; bit 7 is kept.
void fixeRemplissage(TstyleObjet& s, uint8_t motif) {
    oteBits(s, kStyleMasqueRemplissage);
    poseBits(s, uint16_t((motif & 7u) << 4));
}

// Bits 9-11 := a mark size and whether the name is drawn.
void fixeMarque(TstyleObjet& s, uint8_t taille, bool nomCache) {
    oteBits(s, kStyleMasqueMarque | kStyleBit11);
    poseBits(s, uint16_t((taille & 3u) << 9));
    if (nomCache) poseBits(s, kStyleBit11);
}

// One turn of the name position of a point, clockwise from the left:
// left, left and above, above, above and right, right, right and below,
// below, below and left, then left again. No position, and any position
// outside the cycle, turn to the left.
void tourneNom(TstyleObjet& s) {
    constexpr uint8_t D = 1, B = 2, G = 4, R = 8; // above, below, left, right in bits 4-7
    constexpr uint8_t kCycle[] = {G, G | D, D, D | R, R, R | B, B, B | G};
    const uint8_t position = uint8_t((s.drapeaux & kStyleMasquePosition) >> 4);
    uint8_t suivante = G;
    for (int i = 0; i < 8; ++i)
        if (kCycle[i] == position) suivante = kCycle[(i + 1) % 8];
    oteBits(s, kStyleMasquePosition);
    poseBits(s, uint16_t(suivante << 4));
}

} // namespace

uint16_t commandeRemplissage(const TstyleObjet& s) {
    static constexpr uint16_t kCommandes[6] = {31, 32, 35, 36, 33, 34};
    const uint8_t motif = motifRemplissage(s);
    return motif < 6 ? kCommandes[motif] : 0;
}

void couleurDeNumero(TstyleObjet& s, TsourcesCouleur& sources, uint16_t code) {
    oteBits(s, kStyleCouleurNonValide | kStyleCouleurStandard);
    CouleurRVB rvb{};
    if (!rvbDeCode(code, rvb)) return;
    s.rouge = rvb.rouge;
    s.vert = rvb.vert;
    s.bleu = rvb.bleu;
    sources = {0, 0, 0};
}

void fixeCouleurStyle(TstyleObjet& s, TsourcesCouleur& sources, uint8_t rouge, uint8_t vert, uint8_t bleu,
                      uint8_t source1, uint8_t source2, uint8_t source3) {
    s.rouge = rouge;
    s.vert = vert;
    s.bleu = bleu;
    sources = {source1, source2, source3};
    oteBits(s, kStyleCouleurStandard);
}

bool estCouleurStandard(const TstyleObjet& s, const TsourcesCouleur& sources) {
    if (aBits(s, kStyleCouleurStandard)) return true;
    if (sources[0] != 0 || sources[1] != 0 || sources[2] != 0) return false;
    const uint32_t couleur = couleurDuStyle(s);
    for (uint16_t code = 0; code <= 15; ++code)
        if (couleurDeCode(code) == couleur) return true;
    return codeDeCouleur(s.rouge, s.vert, s.bleu) != -1;
}

void appliqueCommandeStyle(TstyleObjet& s, TsourcesCouleur& sources, uint16_t commande) {
    if (estCodeDeCouleur(commande)) {
        couleurDeNumero(s, sources, commande);
        return;
    }
    const bool courbe = s.courbe != 0;
    switch (commande) {
    case 16:
        fixeMarque(s, 0, false);
        break;
    case 17:
        fixeMarque(s, 2, false);
        break;
    case 18:
        fixeMarque(s, 3, false);
        break;
    case 19:
        fixeMarque(s, 1, true);
        break;
    case 20:
        fixeMarque(s, 2, true);
        break;
    case 21:
        fixeMarque(s, 3, true);
        break;
    case 22:
        tourneNom(s);
        break;
    case 23: // solid, thin
        oteBits(s, kStyleTirete | kStyleEpais);
        if (courbe) poseBits(s, kStyleBit11);
        break;
    case 24: // solid, thick
        oteBits(s, kStyleTirete);
        poseBits(s, kStyleEpais);
        if (courbe) poseBits(s, kStyleBit11);
        break;
    case 25: // dashed, thin
        if (courbe) {
            oteBits(s, kStyleTirete | kStyleEpais | kStyleBit11);
        } else {
            poseBits(s, kStyleTirete);
            oteBits(s, kStyleEpais);
        }
        break;
    case 26: // dashed, thick
        if (courbe) {
            oteBits(s, kStyleTirete | kStyleBit11);
            poseBits(s, kStyleEpais);
        } else {
            poseBits(s, kStyleTirete | kStyleEpais);
        }
        break;
    case 27:
        oteBits(s, kStyleBit11 | kStyleMarquesNumeriques);
        poseBits(s, kStyleNonGradue);
        break;
    case 28:
        oteBits(s, kStyleNonGradue | kStyleBit11 | kStyleMarquesNumeriques);
        break;
    case 29:
        poseBits(s, kStyleMarquesNumeriques);
        if (!aBits(s, kStyleBit11)) oteBits(s, kStyleNonGradue);
        break;
    case 30:
        poseBits(s, kStyleNonGradue | kStyleBit11);
        break;
    case 31:
        fixeRemplissage(s, 0);
        break;
    case 32:
        fixeRemplissage(s, 1);
        break;
    case 33:
        fixeRemplissage(s, 4);
        break;
    case 34:
        fixeRemplissage(s, 5);
        break;
    case 35:
        oteBits(s, kStyleMasquePosition);
        fixeRemplissage(s, 2);
        break;
    case 36:
        fixeRemplissage(s, 3);
        break;
    case 37:
        poseBits(s, kStyleNonDessine);
        break;
    case 38:
        oteBits(s, kStyleNonDessine);
        break;
    default:
        break;
    }
}

} // namespace km32
