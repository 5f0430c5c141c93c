// Pictures read for a figure's background: any bytes decoded as a BMP file by
// our own reader and as a JPEG file through libjpeg, and read from a file of
// the private folder by the picture's extension. A broken, truncated or
// oversized picture gives no picture; any crash, hang, leak or sanitizer
// report is a finding. A picture that is given must have the size it says.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "hote_fuzz.h"
#include "platform/image_fichier.h"

namespace {

void verifie(const std::optional<km32::platform::Image>& image) {
    if (!image) return;
    if (image->largeur < 1 || image->hauteur < 1 || image->largeur > km32::platform::kCoteMaximalImage ||
        image->hauteur > km32::platform::kCoteMaximalImage ||
        image->pixels.size() != std::size_t(image->largeur) * std::size_t(image->hauteur)) {
        std::fprintf(stderr, "a picture of %d x %d holds %zu pixels\n", int(image->largeur),
                     int(image->hauteur), image->pixels.size());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    const std::vector<uint8_t> octets(donnees, donnees + taille);
    verifie(km32::platform::decodeBmp(octets));
    verifie(km32::platform::decodeJpeg(octets));
    // The same bytes as a file, named by the last byte's choice of extension.
    static const char* const kExtensions[] = {".bmp", ".jpg", ".JPEG", ".png"};
    const std::string nom = "image" + std::string(kExtensions[taille ? donnees[taille - 1] % 4 : 0]);
    km32::fuzz::ecritFichierPrive(nom, std::string(octets.begin(), octets.end()));
    verifie(km32::platform::chargeImage(km32::fuzz::repertoirePrive() + "/" + nom));
    return 0;
}
