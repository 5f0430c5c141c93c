#include "platform/image_fichier.h"

#include "base/texte.h"

#include <fstream>

namespace km32::platform {

namespace {

std::string extensionEnMinuscules(const std::string& fichier) {
    std::size_t point = fichier.find_last_of('.');
    std::size_t barre = fichier.find_last_of("/\\");
    if (point == std::string::npos || (barre != std::string::npos && barre > point)) return "";
    std::string e = fichier.substr(point + 1);
    for (char& c : e)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return e;
}

std::optional<std::vector<uint8_t>> litFichier(const std::string& nomUtf8) {
    std::ifstream f(nomUtf8, std::ios::binary | std::ios::ate);
    if (!f) return std::nullopt;
    std::streamoff taille = f.tellg();
    if (taille < 0 || std::size_t(taille) > kTailleMaximaleFichierImage) return std::nullopt;
    std::vector<uint8_t> octets(static_cast<std::size_t>(taille));
    f.seekg(0);
    if (taille > 0 && !f.read(reinterpret_cast<char*>(octets.data()), taille)) return std::nullopt;
    return octets;
}

} // namespace

std::optional<Image> chargeImage(const std::string& fichier) {
    std::string extension = extensionEnMinuscules(fichier);
    bool jpeg = extension == "jpg" || extension == "jpeg";
    bool bmp = extension == "bmp";
    if (!jpeg && !bmp) return std::nullopt;
    auto octets = litFichier(utf8DeWindows1252(fichier));
    if (!octets) return std::nullopt;
    return jpeg ? decodeJpeg(*octets) : decodeBmp(*octets);
}

} // namespace km32::platform
