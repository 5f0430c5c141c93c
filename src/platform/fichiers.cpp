#include "platform/fichiers.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "base/texte.h"

namespace km32::platform {

namespace {

std::filesystem::path chemin(std::string_view nom) {
    return std::filesystem::path(utf8DeWindows1252(nom));
}

struct Fichier {
    std::FILE* f = nullptr;
    ~Fichier() {
        if (f) std::fclose(f);
    }
};

} // namespace

ResultatLecture litFichier(std::string_view nom, std::size_t limite) {
    ResultatLecture r;
    std::error_code erreur;
    std::filesystem::path p = chemin(nom);
    std::filesystem::file_status statut = std::filesystem::status(p, erreur);
    if (nom.empty() || statut.type() == std::filesystem::file_type::not_found) return r;
    r.etat = EtatLecture::Illisible;
    if (erreur || std::filesystem::is_directory(statut)) return r;
    Fichier fichier{std::fopen(p.c_str(), "rb")};
    if (!fichier.f) return r;
    char tampon[65536];
    for (;;) {
        std::size_t n = std::fread(tampon, 1, sizeof tampon, fichier.f);
        if (n == 0) break;
        std::size_t place = limite - r.octets.size();
        if (n > place) {
            r.octets.append(tampon, place);
            r.etat = EtatLecture::TropGrand;
            return r;
        }
        r.octets.append(tampon, n);
    }
    if (std::ferror(fichier.f)) {
        r.octets.clear();
        return r;
    }
    r.etat = EtatLecture::Lu;
    return r;
}

bool ecritFichier(std::string_view nom, std::string_view octets) {
    if (nom.empty()) return false;
    std::filesystem::path p = chemin(nom);
    std::filesystem::path provisoire = p;
    provisoire += ".~km32";
    std::error_code erreur;
    bool ok = false;
    {
        Fichier fichier{std::fopen(provisoire.c_str(), "wb")};
        if (!fichier.f) return false;
        ok = std::fwrite(octets.data(), 1, octets.size(), fichier.f) == octets.size() &&
             std::fflush(fichier.f) == 0 && ::fsync(::fileno(fichier.f)) == 0;
        ok = std::fclose(fichier.f) == 0 && ok;
        fichier.f = nullptr;
    }
    if (ok) {
        std::filesystem::rename(provisoire, p, erreur);
        ok = !erreur;
    }
    if (!ok) std::filesystem::remove(provisoire, erreur);
    return ok;
}

bool fichierExiste(std::string_view nom) {
    std::error_code erreur;
    return !nom.empty() && std::filesystem::is_regular_file(chemin(nom), erreur);
}

} // namespace km32::platform
