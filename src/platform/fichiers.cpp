#include "platform/fichiers.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>
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

namespace {
// Writes every byte to fd, going on after interruptions.
bool ecritTout(int fd, std::string_view octets) {
    std::size_t fait = 0;
    while (fait < octets.size()) {
        ssize_t n = ::write(fd, octets.data() + fait, octets.size() - fait);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        fait += std::size_t(n);
    }
    return true;
}

// Permissions of the new file: those of the file it replaces, else the usual
// ones for a new file under the process's mask.
mode_t modeDuFichier(const std::string& cible) {
    struct stat s;
    if (::stat(cible.c_str(), &s) == 0 && S_ISREG(s.st_mode)) return s.st_mode & 07777;
    mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}
} // namespace

bool ecritFichier(std::string_view nom, std::string_view octets) {
    if (nom.empty()) return false;
    const std::string cible = chemin(nom).string();
    // A new file with a unique name beside the target, so that nothing that
    // already exists there is touched before the rename.
    std::string provisoire = cible + ".km32-XXXXXX";
    int fd = ::mkstemp(provisoire.data());
    if (fd < 0) return false;
    bool ok = ecritTout(fd, octets) && ::fchmod(fd, modeDuFichier(cible)) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(provisoire.c_str(), cible.c_str()) == 0;
    if (!ok) ::unlink(provisoire.c_str());
    return ok;
}

bool fichierExiste(std::string_view nom) {
    std::error_code erreur;
    return !nom.empty() && std::filesystem::is_regular_file(chemin(nom), erreur);
}

std::string repertoireCourant() {
    std::error_code erreur;
    const std::filesystem::path p = std::filesystem::current_path(erreur);
    if (erreur) return {};
    return windows1252DeUtf8(p.string());
}

} // namespace km32::platform
