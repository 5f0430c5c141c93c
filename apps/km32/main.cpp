// km32: the command-line host. It uses only the public interface km32.h.
#include "km32.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "encodage.h"

namespace {

constexpr int kSucces = 0;
constexpr int kEchec = 1;       // the command ran and failed (a file, a figure)
constexpr int kErreurUsage = 2; // the command line itself is wrong

constexpr const char* kUsage =
    "usage: km32 COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  render FIGURE.k3v -o PICTURE [--size WxH] [--svg|--pdf]   draw a figure into a picture\n"
    "  values FIGURE.k3v [NAME...]        values of the number objects, undefined objects\n"
    "  text FIGURE.k3v                    the figure written back as text\n"
    "  test FIGURE.k3v \"SENTENCE\"         a property test and its answer\n"
    "  --version                          the version of the library\n"
    "  --help                             this help\n"
    "\n"
    "A figure file is read in Windows-1252 or in UTF-8; output is UTF-8.\n";

// The library's version text, read from the block it hands over.
std::string versionBibliotheque() {
    uint32_t bloc = KM32NumeroVersion();
    const char* texte = KMContenuBloc(bloc);
    std::string version = texte ? texte : "";
    KMLibereBloc(bloc);
    return version;
}

// Reads a whole file; false with errno's message when it cannot be read.
bool lisFichier(const char* chemin, std::string& octets, std::string& erreur) {
    std::FILE* f = std::fopen(chemin, "rb");
    if (!f) {
        erreur = std::strerror(errno);
        return false;
    }
    char tampon[8192];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        octets.append(tampon, n);
    bool ok = !std::ferror(f);
    if (!ok) erreur = errno ? std::strerror(errno) : "read error";
    std::fclose(f);
    return ok;
}

bool estCommandeDeFigure(std::string_view commande) {
    return commande == "render" || commande == "values" || commande == "text" || commande == "test";
}

int commandeDeFigure(std::string_view commande, int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "km32: %s: a figure file is needed\n\n%s", argv[1], kUsage);
        return kErreurUsage;
    }
    std::string octets, erreur;
    if (!lisFichier(argv[2], octets, erreur)) {
        std::fprintf(stderr, "km32: cannot read the figure file '%s': %s\n", argv[2], erreur.c_str());
        return kEchec;
    }
    // The text in the library's own characters, ready for the commands to come.
    const std::string texte = km32cli::texteFigureDeFichier(octets);
    static_cast<void>(texte);
    std::fprintf(stderr, "km32: the command '%.*s' is not available yet\n", int(commande.size()),
                 commande.data());
    return kEchec;
}

int execute(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kErreurUsage;
    }
    std::string_view commande = argv[1];
    if (commande == "--version" || commande == "-V") {
        std::string version = versionBibliotheque();
        if (version.empty()) {
            std::fputs("km32: the library gave no version\n", stderr);
            return kEchec;
        }
        std::printf("km32 %s\n", km32cli::utf8DeWindows1252(version).c_str());
        return kSucces;
    }
    if (commande == "--help" || commande == "-h" || commande == "help") {
        std::fputs(kUsage, stdout);
        return kSucces;
    }
    if (estCommandeDeFigure(commande)) return commandeDeFigure(commande, argc, argv);
    std::fprintf(stderr, "km32: unknown command '%s' (km32 --help lists the commands)\n", argv[1]);
    return kErreurUsage;
}

} // namespace

int main(int argc, char** argv) {
    KMInitialise();
    int statut = execute(argc, argv);
    KMTermine();
    return statut;
}
