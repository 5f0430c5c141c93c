#include "platform/fichiers.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <utility>
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

// Reads a whole file by its system path, at most limite bytes.
ResultatLecture litChemin(const std::filesystem::path& p, std::size_t limite) {
    ResultatLecture r;
    std::error_code erreur;
    std::filesystem::file_status statut = std::filesystem::status(p, erreur);
    if (statut.type() == std::filesystem::file_type::not_found) return r;
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

} // namespace

ResultatLecture litFichier(std::string_view nom, std::size_t limite) {
    if (nom.empty()) return ResultatLecture{};
    return litChemin(chemin(nom), limite);
}

namespace {

struct EtatEcriture {
    std::optional<PanneEcriture> panne; // a failure armed by a test
    int erreur = 0;                     // errno of the last failed write
};

EtatEcriture& etatEcriture() {
    static EtatEcriture e;
    return e;
}

// The failure armed for that step, taken off once it is used.
std::optional<PanneEcriture> panneA(EtapeEcriture etape) {
    std::optional<PanneEcriture>& p = etatEcriture().panne;
    if (!p || p->etape != etape) return std::nullopt;
    return std::exchange(p, std::nullopt);
}

// Runs one step: its system call, or the failure armed for it. False with
// errno set when it fails.
template <typename Appel> bool etape(EtapeEcriture e, Appel appel) {
    if (std::optional<PanneEcriture> p = panneA(e)) {
        errno = p->erreur;
        return false;
    }
    return appel();
}

// Writes every byte to fd, going on after short writes and interruptions;
// false with errno set when a write fails.
bool ecritDescripteur(int fd, std::string_view octets) {
    std::size_t fait = 0;
    while (fait < octets.size()) {
        ssize_t n = ::write(fd, octets.data() + fait, octets.size() - fait);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        fait += std::size_t(n);
    }
    return true;
}

// The same, or the failure armed for that step.
bool ecritTout(int fd, std::string_view octets, EtapeEcriture e) {
    if (std::optional<PanneEcriture> p = panneA(e)) {
        ecritDescripteur(fd, octets.substr(0, std::min(p->octetsAvant, octets.size())));
        errno = p->erreur;
        return false;
    }
    return ecritDescripteur(fd, octets);
}

// Closes fd; false with errno set when the close reports an error.
bool ferme(int fd) {
    return ::close(fd) == 0;
}

// Writes the bytes into a new file beside cible with the given permissions,
// flushed to the disk. Its name in provisoire; false (no file left) on failure.
bool ecritCopie(const std::string& cible, std::string_view octets, mode_t mode, std::string& provisoire) {
    // A unique name, so that nothing that already exists there is touched,
    // and a short one of fixed length, in the same folder (the rename stays
    // on one file system): any name the target may have, up to the system's
    // longest, leaves room for it.
    const std::size_t barre = cible.find_last_of('/');
    provisoire = (barre == std::string::npos ? std::string() : cible.substr(0, barre + 1)) + ".km32-XXXXXX";
    int fd = -1;
    if (!etape(EtapeEcriture::CreationCopie, [&] { return (fd = ::mkstemp(provisoire.data())) >= 0; }))
        return false;
    bool ok = ecritTout(fd, octets, EtapeEcriture::EcritureCopie) && ::fchmod(fd, mode) == 0 &&
              etape(EtapeEcriture::SynchronisationCopie, [&] { return ::fsync(fd) == 0; });
    const int erreur = errno;
    ok = ferme(fd) && ok;
    if (!ok) {
        ::unlink(provisoire.c_str());
        if (erreur != 0) errno = erreur;
    }
    return ok;
}

// The file a name leads to: the name itself or, for a symbolic link, the
// end of its chain (a relative link read from the link's folder). False,
// errno set, for a link that cannot be read or a chain that loops.
bool suitLiens(std::string& cible) {
    for (int k = 0; k < 40; ++k) {
        struct stat s;
        if (::lstat(cible.c_str(), &s) != 0 || !S_ISLNK(s.st_mode)) return true;
        std::error_code erreur;
        std::filesystem::path lien = std::filesystem::read_symlink(cible, erreur);
        if (erreur) {
            errno = erreur.value();
            return false;
        }
        if (lien.is_relative()) lien = std::filesystem::path(cible).parent_path() / lien;
        cible = lien.string();
    }
    errno = ELOOP;
    return false;
}

// Whether the file may be written: its permissions for this process, and
// for a process that may write anything (the superuser) at least one write
// bit, so that a file made read-only stays so.
bool ecrivable(const std::string& cible, const struct stat& s) {
    if (::geteuid() == 0) return (s.st_mode & 0222) != 0;
    return ::access(cible.c_str(), W_OK) == 0;
}

// Permissions of a new file: the usual ones under the process's mask.
mode_t modeNeuf() {
    mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

// A file of one name (or none yet): a new file beside it renamed over it.
bool remplace(const std::string& cible, std::string_view octets, mode_t mode) {
    std::string provisoire;
    if (!ecritCopie(cible, octets, mode, provisoire)) return false;
    if (etape(EtapeEcriture::Renommage, [&] { return std::rename(provisoire.c_str(), cible.c_str()) == 0; }))
        return true;
    const int erreur = errno;
    ::unlink(provisoire.c_str());
    errno = erreur;
    return false;
}

// Writes the bytes as the content of the open file fd, flushed; closes it.
bool ecritEnPlace(const std::string& cible, std::string_view octets) {
    int fd = -1;
    if (!etape(EtapeEcriture::OuvertureCible,
               [&] { return (fd = ::open(cible.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC)) >= 0; }))
        return false;
    bool ok = ecritTout(fd, octets, EtapeEcriture::EcritureCible) &&
              etape(EtapeEcriture::SynchronisationCible, [&] { return ::fsync(fd) == 0; });
    const int erreur = errno;
    ok = ferme(fd) && ok;
    if (!ok && erreur != 0) errno = erreur;
    return ok;
}

// A file with several hard links: written in place after a safe copy of its
// old content beside it, which goes once the file is whole again.
bool remplaceEnPlace(const std::string& cible, std::string_view octets, mode_t mode) {
    ResultatLecture ancien = litChemin(cible, std::string::npos);
    if (!ancien.lu()) {
        errno = EACCES;
        return false;
    }
    std::string copie;
    if (!ecritCopie(cible, ancien.octets, mode, copie)) return false;
    if (ecritEnPlace(cible, octets)) {
        ::unlink(copie.c_str());
        return true;
    }
    const int erreur = errno;
    // The old content back in place; the copy stays should that fail too.
    if (ecritEnPlace(cible, ancien.octets)) ::unlink(copie.c_str());
    errno = erreur;
    return false;
}

// What becomes of a target that is neither a plain file nor a folder (a
// device, a pipe): a figure is not saved there; a picture goes into it.
enum class CibleSpeciale { Refusee, EcriteDirectement };

// Writes the bytes into such a target as it is opened: it has no content to
// keep and cannot be replaced.
bool ecritDirectement(const std::string& cible, std::string_view octets) {
    const int fd = ::open(cible.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ecritDescripteur(fd, octets);
    const int erreur = errno;
    if (!ferme(fd)) return false;
    errno = erreur;
    return ok;
}

bool ecrit(std::string cible, std::string_view octets, CibleSpeciale speciale) {
    if (!suitLiens(cible)) return false;
    struct stat s;
    if (::stat(cible.c_str(), &s) != 0) return errno == ENOENT && remplace(cible, octets, modeNeuf());
    if (S_ISDIR(s.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (!S_ISREG(s.st_mode)) {
        if (speciale == CibleSpeciale::EcriteDirectement) return ecritDirectement(cible, octets);
        errno = EINVAL;
        return false;
    }
    if (!ecrivable(cible, s)) {
        errno = EACCES;
        return false;
    }
    if (s.st_nlink > 1) return remplaceEnPlace(cible, octets, s.st_mode & 07777);
    return remplace(cible, octets, s.st_mode & 07777);
}

} // namespace

bool ecritFichier(std::string_view nom, std::string_view octets) {
    errno = 0;
    const bool ok = !nom.empty() && ecrit(chemin(nom).string(), octets, CibleSpeciale::Refusee);
    etatEcriture().erreur = ok ? 0 : (nom.empty() ? ENOENT : (errno != 0 ? errno : EIO));
    return ok;
}

int erreurDerniereEcriture() {
    return etatEcriture().erreur;
}

void simulePanneEcriture(const PanneEcriture& panne) {
    etatEcriture().panne = panne;
}

void retirePanneEcriture() {
    etatEcriture().panne.reset();
}

void reinitialiseFichiers() {
    etatEcriture() = EtatEcriture{};
}

int ecritImage(const std::string& chemin, std::string_view octets) {
    if (chemin.empty()) return ENOENT;
    errno = 0;
    if (ecrit(chemin, octets, CibleSpeciale::EcriteDirectement)) return 0;
    return errno != 0 ? errno : EIO;
}

namespace {

// Why no file can be made at the path: its folder does not exist (ENOENT)
// or is not a folder (ENOTDIR); 0 otherwise.
int erreurDossier(const std::string& chemin) {
    const std::size_t barre = chemin.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : chemin.substr(0, barre);
    struct stat s;
    if (::stat(dossier.c_str(), &s) != 0) return errno != 0 ? errno : ENOENT;
    return S_ISDIR(s.st_mode) ? 0 : ENOTDIR;
}

} // namespace

FichierImage::FichierImage(std::string chemin)
    : chemin_(std::move(chemin)), erreur_(erreurDossier(chemin_)) {}

bool FichierImage::ecrit(std::string_view octets) {
    if (erreur_ != 0 || ferme_) return false;
    try {
        octets_.append(octets);
    } catch (const std::bad_alloc&) {
        erreur_ = ENOMEM;
        return false;
    }
    return true;
}

bool FichierImage::ferme() {
    if (!ferme_) {
        ferme_ = true;
        if (erreur_ == 0) erreur_ = ecritImage(chemin_, octets_);
        std::string().swap(octets_);
    }
    return erreur_ == 0;
}

void FichierImage::abandonne() {
    if (erreur_ == 0) erreur_ = EIO;
    ferme_ = true;
    std::string().swap(octets_);
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
