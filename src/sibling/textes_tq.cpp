#include "sibling/textes_tq.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <unordered_map>

#include "base/texte.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {
struct EtatTextes {
    std::vector<std::string> installes;
    std::unordered_map<uint32_t, std::string> conserves; // kept texts by id
    uint32_t prochainId = 1;
};

EtatTextes& etat() {
    static EtatTextes e;
    return e;
}

// The text up to its NUL, or false when it is longer than the limit.
bool texteBorne(const char* texte, std::string& sortie) {
    if (!texte) return false;
    std::size_t n = strnlen(texte, kTailleMaxTexteTQ + 1);
    if (n > kTailleMaxTexteTQ) return false;
    sortie.assign(texte, n);
    return true;
}

bool ecritTout(int fd, const std::string& octets) {
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
mode_t modeDuFichier(const std::string& chemin) {
    struct stat s;
    if (::stat(chemin.c_str(), &s) == 0 && S_ISREG(s.st_mode)) return s.st_mode & 07777;
    mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}
} // namespace

bool TQEnregistreTexte(const char* texte, std::string_view nomFichier) {
    std::string octets;
    if (!texteBorne(texte, octets) || nomFichier.empty() || nomFichier.size() > 255) return false;
    // Names inside the library are Windows-1252; the file system takes UTF-8.
    std::string chemin = utf8DeWindows1252(nomFichier);
    std::string provisoire = chemin + ".km32-XXXXXX";
    int fd = ::mkstemp(provisoire.data());
    if (fd < 0) return false;
    bool ok = ecritTout(fd, octets) && ::fchmod(fd, modeDuFichier(chemin)) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(provisoire.c_str(), chemin.c_str()) == 0;
    if (!ok) ::unlink(provisoire.c_str());
    return ok;
}

void TQInstalleTexteFigureNouvelleEspace(const char* texte) {
    std::string copie;
    if (texteBorne(texte, copie)) etat().installes.push_back(std::move(copie));
}

const std::vector<std::string>& TQTextesInstalles() {
    return etat().installes;
}

void TQDefinitTexteFigureDefaut(std::string_view texte) {
    EtatTextes& e = etat();
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    e.conserves.erase(t->texteFigureDefaut);
    t->texteFigureDefaut = 0;
    if (texte.empty()) return;
    while (e.prochainId == 0 || e.conserves.count(e.prochainId))
        ++e.prochainId;
    uint32_t id = e.prochainId++;
    e.conserves[id] = std::string(texte);
    t->texteFigureDefaut = id;
}

const char* TQTexteFigureDefaut() {
    uint32_t id = TQTableDesVariablesPartagees()->texteFigureDefaut;
    if (id == 0) return nullptr;
    auto it = etat().conserves.find(id);
    return it == etat().conserves.end() ? nullptr : it->second.c_str();
}

void reinitialiseTextesTQ() {
    etat() = EtatTextes{};
}

} // namespace km32
