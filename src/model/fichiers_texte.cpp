#include "model/fichiers_texte.h"

#include <chrono>
#include <ctime>
#include <fstream>

#include "base/texte.h"

namespace km32 {

bool litFichierDansTampon(const std::string& nomFichier, std::string& tampon, std::size_t n) {
    std::ifstream fichier(utf8DeWindows1252(nomFichier), std::ios::binary);
    if (!fichier) return true;
    tampon.assign(n, '\0');
    fichier.read(tampon.data(), std::streamsize(n));
    const std::size_t lus = std::size_t(fichier.gcount());
    tampon.resize(lus);
    // n characters read: the end of the file has not been seen (or falls just there).
    return lus == n;
}

double heureEnSecondes() {
    using namespace std::chrono;
    const auto maintenant = system_clock::now();
    const std::time_t t = system_clock::to_time_t(maintenant);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(maintenant.time_since_epoch()).count() % 1000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
}

} // namespace km32
