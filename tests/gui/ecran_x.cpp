#include "ecran_x.h"

#include <cairo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef KM32_AVEC_XFIXES
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

namespace km32::tests {

bool programmePresent(const std::string& nom) {
    return std::system(("command -v " + nom + " >/dev/null 2>&1").c_str()) == 0;
}

std::string empecheEssaisGraphiques() {
#ifndef KM32_AVEC_AFFICHAGE
    return "this build has no window backend (GTK 3)";
#else
    for (const char* outil : {"Xvfb", "xdotool", "xwd", "xwininfo"})
        if (!programmePresent(outil)) return std::string(outil) + " is not installed";
    return {};
#endif
}

namespace {

uint32_t mot(const std::string& o, std::size_t i) {
    return (uint32_t(uint8_t(o[i])) << 24) | (uint32_t(uint8_t(o[i + 1])) << 16) |
           (uint32_t(uint8_t(o[i + 2])) << 8) | uint32_t(uint8_t(o[i + 3]));
}

std::string lisTout(FILE* f) {
    std::string s;
    char tampon[65536];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        s.append(tampon, n);
    return s;
}

} // namespace

std::optional<Capture> litXwd(const std::string& o) {
    if (o.size() < 100) return std::nullopt;
    const uint32_t entete = mot(o, 0), format = mot(o, 8), largeur = mot(o, 16), hauteur = mot(o, 20);
    const uint32_t ordre = mot(o, 28), bitsParPixel = mot(o, 44), octetsParLigne = mot(o, 48);
    const uint32_t couleurs = mot(o, 76);
    constexpr uint32_t kZPixmap = 2;
    if (format != kZPixmap || (bitsParPixel != 24 && bitsParPixel != 32) || largeur == 0 || hauteur == 0)
        return std::nullopt;
    const std::size_t debut = std::size_t(entete) + std::size_t(couleurs) * 12;
    const std::size_t octets = bitsParPixel / 8;
    if (debut + std::size_t(octetsParLigne) * hauteur > o.size()) return std::nullopt;
    Capture c;
    c.largeur = int(largeur);
    c.hauteur = int(hauteur);
    c.pixels.resize(std::size_t(largeur) * hauteur);
    for (uint32_t y = 0; y < hauteur; ++y)
        for (uint32_t x = 0; x < largeur; ++x) {
            const std::size_t i = debut + std::size_t(y) * octetsParLigne + std::size_t(x) * octets;
            const uint8_t a = uint8_t(o[i]), b = uint8_t(o[i + 1]), d = uint8_t(o[i + 2]);
            // Least significant byte first: blue, green, red.
            const uint32_t rgb = ordre == 0 ? (uint32_t(d) << 16 | uint32_t(b) << 8 | a)
                                            : (uint32_t(a) << 16 | uint32_t(b) << 8 | d);
            c.pixels[std::size_t(y) * largeur + x] = rgb;
        }
    return c;
}

bool ecritCapturePng(const Capture& c, const std::string& fichier) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, c.largeur, c.hauteur);
    unsigned char* donnees = cairo_image_surface_get_data(s);
    const int pas = cairo_image_surface_get_stride(s);
    for (int y = 0; y < c.hauteur; ++y)
        std::memcpy(donnees + std::size_t(y) * std::size_t(pas),
                    &c.pixels[std::size_t(y) * std::size_t(c.largeur)], std::size_t(c.largeur) * 4);
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, fichier.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

namespace {

// The pixels of the rectangle that the test picks out, counted, with their centre.
template <typename Choix>
PixelsSombres pixelsChoisis(const Capture& c, int gauche, int haut, int droite, int bas, Choix choisi) {
    PixelsSombres p;
    for (int y = std::max(0, haut); y < std::min(bas, c.hauteur); ++y)
        for (int x = std::max(0, gauche); x < std::min(droite, c.largeur); ++x) {
            const uint32_t v = c.pixel(x, y);
            if (choisi(int(v >> 16), int((v >> 8) & 0xFF), int(v & 0xFF))) {
                ++p.nombre;
                p.x += x;
                p.y += y;
            }
        }
    if (p.nombre > 0) {
        p.x /= p.nombre;
        p.y /= p.nombre;
    }
    return p;
}

} // namespace

PixelsSombres pixelsSombres(const Capture& c, int gauche, int haut, int droite, int bas) {
    // Dark in every channel: black or grey, not a coloured frame.
    return pixelsChoisis(c, gauche, haut, droite, bas, [](int r, int g, int b) {
        return std::max({r, g, b}) < 110;
    });
}

bool encreSurLaRangee(const Capture& c, int gauche, int droite, int y) {
    for (int x = std::max(0, gauche); x < std::min(droite, c.largeur); ++x) {
        const uint32_t v = c.pixel(x, y);
        if (std::min({(v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF}) < 150) return true;
    }
    return false;
}

std::vector<Bande> bandesDeTexte(const Capture& c, int gauche, int haut, int droite, int bas) {
    std::vector<Bande> bandes;
    bool dedans = false;
    for (int y = std::max(0, haut); y < std::min(bas, c.hauteur); ++y) {
        const bool encre = encreSurLaRangee(c, gauche, droite, y);
        if (encre && !dedans) bandes.push_back({y, y + 1});
        if (encre) bandes.back().bas = y + 1;
        dedans = encre;
    }
    return bandes;
}

PixelsSombres pixelsSelection(const Capture& c, int gauche, int haut, int droite, int bas) {
    return pixelsChoisis(c, gauche, haut, droite, bas,
                         [](int r, int g, int b) { return b > 150 && b > r + 80 && b > g + 40; });
}

bool attends(const std::function<bool()>& condition, int secondes) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(secondes);
    while (std::chrono::steady_clock::now() < fin) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

EcranX::EcranX() {
    int tube[2];
    if (pipe(tube) != 0) return;
    const pid_t pid = fork();
    if (pid == 0) {
        close(tube[0]);
        const int sortie = open("/dev/null", O_WRONLY);
        dup2(sortie, 1);
        dup2(sortie, 2);
        const std::string fd = std::to_string(tube[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[1]);
    if (pid < 0) {
        close(tube[0]);
        return;
    }
    serveur_ = pid;
    // Xvfb writes its display number once it accepts clients.
    std::string numero;
    char c;
    while (read(tube[0], &c, 1) == 1 && c != '\n')
        numero += c;
    close(tube[0]);
    if (!numero.empty()) affichage_ = ":" + numero;
}

EcranX::~EcranX() {
    for (pid_t p : lances_)
        if (enCours(p)) {
            kill(p, SIGTERM);
            int statut = 0;
            if (!attendsFin(p, statut)) kill(p, SIGKILL);
            waitpid(p, &statut, 0);
        }
    if (serveur_ > 0) {
        kill(serveur_, SIGTERM);
        int statut = 0;
        waitpid(serveur_, &statut, 0);
    }
}

pid_t EcranX::lance(const std::vector<std::string>& arguments, const std::string& journal,
                    const std::vector<std::string>& environnement) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int sortie = open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(sortie, 1);
        dup2(sortie, 2);
        setenv("DISPLAY", affichage_.c_str(), 1);
        for (const std::string& variable : environnement) {
            const std::size_t egal = variable.find('=');
            if (egal != std::string::npos)
                setenv(variable.substr(0, egal).c_str(), variable.substr(egal + 1).c_str(), 1);
        }
        std::vector<char*> argv;
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid > 0) lances_.push_back(pid);
    return pid;
}

bool EcranX::enCours(pid_t pid) {
    int statut = 0;
    return waitpid(pid, &statut, WNOHANG) == 0;
}

bool EcranX::attendsFin(pid_t pid, int& statut, int secondes) {
    bool fini = false;
    attends(
        [&] {
            const pid_t r = waitpid(pid, &statut, WNOHANG);
            fini = r == pid || r < 0;
            return fini;
        },
        secondes);
    return fini;
}

std::string EcranX::commande(const std::string& ligne) {
    FILE* f = popen(("DISPLAY=" + affichage_ + " " + ligne).c_str(), "r");
    if (!f) return {};
    std::string s = lisTout(f);
    pclose(f);
    return s;
}

void EcranX::xdotool(const std::string& arguments) {
    commande("xdotool " + arguments + " 2>/dev/null");
}

std::optional<Capture> EcranX::capture() {
    // xwd now and then gives a short dump while windows come and go: ask again.
    std::optional<Capture> c;
    for (int essai = 0; essai < 5 && !c; ++essai)
        c = litXwd(commande("xwd -root -silent"));
    return c;
}

std::optional<Capture> EcranX::captureFenetre(const std::string& id) {
    return litXwd(commande("xwd -silent -id " + id));
}

std::vector<EcranX::FenetreX> EcranX::fenetres() {
    std::vector<FenetreX> liste;
    std::istringstream lignes(commande("xwininfo -root -children"));
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        const std::size_t id = ligne.find("0x");
        const std::size_t nom = ligne.find('"');
        if (id == std::string::npos || nom == std::string::npos || id > nom) continue;
        FenetreX f;
        f.id = ligne.substr(id, ligne.find(' ', id) - id);
        f.nom = ligne.substr(nom + 1, ligne.find('"', nom + 1) - nom - 1);
        const std::size_t cadre = ligne.find(")  ");
        if (cadre == std::string::npos ||
            std::sscanf(ligne.c_str() + cadre + 3, "%dx%d+%d+%d", &f.largeur, &f.hauteur, &f.x, &f.y) != 4)
            continue;
        if (commande("xwininfo -id " + f.id + " | grep -c IsViewable").rfind("1", 0) != 0) continue;
        liste.push_back(f);
    }
    return liste;
}

std::string EcranX::pressePapiers(const std::string& cible) {
    return commande("xclip -selection clipboard -t '" + cible + "' -o 2>/dev/null");
}

void EcranX::metDansPressePapiers(const std::string& texte, const std::string& dossier) {
    const std::string fichier = dossier + "/presse_papiers.txt";
    if (FILE* f = std::fopen(fichier.c_str(), "wb")) {
        std::fwrite(texte.data(), 1, texte.size(), f);
        std::fclose(f);
    }
    // xclip stays behind to serve the text: its output must not hold the pipe open.
    commande("xclip -selection clipboard -i '" + fichier + "' >/dev/null 2>&1");
}

std::optional<EcranX::CurseurX> EcranX::curseur() {
#ifdef KM32_AVEC_XFIXES
    Display* d = XOpenDisplay(affichage_.c_str());
    if (!d) return std::nullopt;
    std::optional<CurseurX> resultat;
    int evenement = 0, erreur = 0;
    if (XFixesQueryExtension(d, &evenement, &erreur))
        if (XFixesCursorImage* image = XFixesGetCursorImage(d)) {
            CurseurX c;
            c.nom = image->name ? image->name : "";
            c.largeur = image->width;
            c.hauteur = image->height;
            c.xChaud = image->xhot;
            c.yChaud = image->yhot;
            // FNV-1a over the ARGB pixels (held in unsigned longs).
            uint64_t h = 1469598103934665603ULL;
            for (int i = 0; i < int(image->width) * int(image->height); ++i) {
                h ^= uint64_t(uint32_t(image->pixels[i]));
                h *= 1099511628211ULL;
            }
            c.empreinte = h;
            resultat = c;
            XFree(image);
        }
    XCloseDisplay(d);
    return resultat;
#else
    return std::nullopt;
#endif
}

} // namespace km32::tests
