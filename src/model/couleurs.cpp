#include "model/couleurs.h"

namespace km32 {

namespace {

constexpr CouleurRVB kBasiques[16] = {
    {1, 0, 0},       {0, 0, 255},     {0, 255, 0},   {0, 255, 255},   {255, 0, 0}, {255, 0, 255},
    {192, 192, 192}, {128, 128, 128}, {128, 128, 0}, {0, 128, 0},     {128, 0, 0}, {0, 0, 128},
    {0, 128, 128},   {128, 0, 128},   {255, 255, 0}, {255, 255, 255},
};

constexpr CouleurRVB kSupplementaires[20] = {
    {255, 255, 192}, {192, 64, 64},   {128, 128, 255}, {64, 128, 255},  {128, 192, 192},
    {192, 128, 255}, {255, 128, 255}, {192, 0, 192},   {192, 255, 192}, {0, 255, 192},
    {192, 255, 128}, {192, 192, 128}, {192, 192, 0},   {64, 192, 128},  {255, 128, 0},
    {255, 128, 192}, {255, 0, 128},   {255, 128, 128}, {128, 0, 255},   {255, 255, 128},
};

constexpr uint16_t kPremierSupplementaire = 101;

} // namespace

bool estCodeDeCouleur(uint16_t code) {
    return code <= 15 || (code >= 101 && code <= 120);
}

bool rvbDeCode(uint16_t code, CouleurRVB& rvb) {
    if (code <= 15) {
        rvb = kBasiques[code];
        return true;
    }
    if (code >= kPremierSupplementaire && code <= 120) {
        rvb = kSupplementaires[code - kPremierSupplementaire];
        return true;
    }
    return false;
}

uint32_t couleurDeCode(uint16_t code) {
    CouleurRVB rvb{};
    if (!rvbDeCode(code, rvb)) return 1;
    return uint32_t(rvb.rouge) + 256u * rvb.vert + 65536u * rvb.bleu;
}

int8_t codeDeCouleur(uint8_t rouge, uint8_t vert, uint8_t bleu) {
    for (int i = 0; i < 20; ++i) {
        const CouleurRVB& c = kSupplementaires[i];
        if (c.rouge == rouge && c.vert == vert && c.bleu == bleu) return int8_t(kPremierSupplementaire + i);
    }
    return -1;
}

std::string texteDeCouleur(uint32_t couleur) {
    return std::to_string(couleur & 255) + "," + std::to_string((couleur >> 8) & 255) + "," +
           std::to_string((couleur >> 16) & 255);
}

} // namespace km32
