// BMP pictures, read by our own code: uncompressed 8-bit paletted, 24-bit and
// 32-bit images, bottom-up or top-down. Every header field is checked against
// the size of the file before a byte of the pixels is read.
#include "platform/image_fichier.h"

#include <cstdlib>

namespace km32::platform {

namespace {

uint32_t lu32(const std::vector<uint8_t>& o, std::size_t i) {
    return uint32_t(o[i]) | (uint32_t(o[i + 1]) << 8) | (uint32_t(o[i + 2]) << 16) |
           (uint32_t(o[i + 3]) << 24);
}
uint16_t lu16(const std::vector<uint8_t>& o, std::size_t i) {
    return uint16_t(o[i] | (o[i + 1] << 8));
}

constexpr std::size_t kEnTeteFichier = 14;
constexpr std::size_t kEnTeteInfoMinimal = 40;

} // namespace

std::optional<Image> decodeBmp(const std::vector<uint8_t>& o) {
    const uint64_t tailleFichier = o.size();
    if (tailleFichier < kEnTeteFichier + kEnTeteInfoMinimal) return std::nullopt;
    if (o[0] != 'B' || o[1] != 'M') return std::nullopt;
    uint32_t tailleDeclaree = lu32(o, 2);
    uint32_t debutPixels = lu32(o, 10);
    uint32_t tailleEnTete = lu32(o, 14);
    // A declared size larger than the file means the file was cut short.
    if (tailleDeclaree != 0 && tailleDeclaree > tailleFichier) return std::nullopt;
    if (tailleEnTete < kEnTeteInfoMinimal || kEnTeteFichier + uint64_t(tailleEnTete) > tailleFichier)
        return std::nullopt;
    int64_t largeur = int32_t(lu32(o, 18));
    int64_t hauteurSignee = int32_t(lu32(o, 22));
    uint16_t plans = lu16(o, 26);
    uint16_t bits = lu16(o, 28);
    uint32_t compression = lu32(o, 30);
    uint32_t tailleImage = lu32(o, 34);
    uint32_t couleursUtilisees = lu32(o, 46);
    uint32_t couleursImportantes = lu32(o, 50);
    if (plans != 1 || compression != 0) return std::nullopt;
    if (bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    bool basEnHaut = hauteurSignee > 0;
    int64_t hauteur = std::llabs(hauteurSignee);
    if (largeur < 1 || hauteur < 1 || largeur > kCoteMaximalImage || hauteur > kCoteMaximalImage ||
        largeur * hauteur > kPixelsMaximalImage)
        return std::nullopt;

    const uint64_t debutPalette = kEnTeteFichier + uint64_t(tailleEnTete);
    uint64_t couleurs = 0;
    if (couleursUtilisees > 256 || couleursImportantes > 256) return std::nullopt;
    if (bits == 8)
        couleurs = couleursUtilisees ? couleursUtilisees : 256;
    else
        couleurs = couleursUtilisees; // an optional palette, unused here but it must fit
    const uint64_t finPalette = debutPalette + 4 * couleurs;
    if (finPalette > tailleFichier || debutPixels < finPalette) return std::nullopt;

    const uint64_t pas = ((uint64_t(largeur) * bits + 31) / 32) * 4;
    const uint64_t taillePixels = pas * uint64_t(hauteur);
    if (uint64_t(debutPixels) + taillePixels > tailleFichier) return std::nullopt;
    if (tailleImage != 0 && uint64_t(debutPixels) + tailleImage > tailleFichier) return std::nullopt;

    Image image;
    image.largeur = int32_t(largeur);
    image.hauteur = int32_t(hauteur);
    image.pixels.assign(std::size_t(largeur * hauteur), 0xFF000000u);
    for (int64_t y = 0; y < hauteur; ++y) {
        int64_t ligneFichier = basEnHaut ? hauteur - 1 - y : y;
        std::size_t debut = std::size_t(debutPixels + uint64_t(ligneFichier) * pas);
        uint32_t* sortie = image.pixels.data() + std::size_t(y * largeur);
        for (int64_t x = 0; x < largeur; ++x) {
            uint8_t b, g, r;
            if (bits == 8) {
                uint8_t indice = o[debut + std::size_t(x)];
                // An index past the palette shows black.
                if (indice >= couleurs) continue;
                std::size_t e = std::size_t(debutPalette) + 4 * std::size_t(indice);
                b = o[e], g = o[e + 1], r = o[e + 2];
            } else {
                std::size_t e = debut + std::size_t(x) * (bits / 8);
                b = o[e], g = o[e + 1], r = o[e + 2];
            }
            sortie[x] = 0xFF000000u | (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
        }
    }
    return image;
}

} // namespace km32::platform
