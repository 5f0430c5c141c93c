// km32: the command-line host. It uses only the public interface km32.h.
#include "km32.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <string_view>

#include "encodage.h"

namespace {

// How many message boxes of the library were printed so far.
int messagesAffiches = 0;

constexpr int kSucces = 0;
constexpr int kEchec = 1;       // the command ran and failed (a file, a figure)
constexpr int kErreurUsage = 2; // the command line itself is wrong

constexpr const char* kUsage =
    "usage: km32 COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  render FIGURE.k3v -o PICTURE [--size WxH] [--angles A,B,C]\n"
    "                                     draw a figure into a picture: PNG, SVG or PDF\n"
    "                                     by the extension of PICTURE (800x600 by default;\n"
    "                                     view angles in degrees)\n"
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

// "WxH": two whole numbers from 1 to 16384.
bool lisTaille(const char* texte, int32_t& largeur, int32_t& hauteur) {
    char* fin = nullptr;
    long l = std::strtol(texte, &fin, 10);
    if (fin == texte || (*fin != 'x' && *fin != 'X')) return false;
    const char* suite = fin + 1;
    long h = std::strtol(suite, &fin, 10);
    if (fin == suite || *fin != '\0' || l < 1 || h < 1 || l > 16384 || h > 16384) return false;
    largeur = int32_t(l);
    hauteur = int32_t(h);
    return true;
}

// "A,B,C": three numbers.
bool lisAngles(const char* texte, double angles[3]) {
    const char* p = texte;
    for (int k = 0; k < 3; ++k) {
        char* fin = nullptr;
        angles[k] = std::strtod(p, &fin);
        if (fin == p) return false;
        if (k < 2 && *fin != ',') return false;
        p = fin + (k < 2 ? 1 : 0);
    }
    return *p == '\0';
}

// Line k (from 1) of a text whose lines end with CR LF, CR or LF.
std::string ligneDuTexte(const std::string& texte, int k) {
    std::size_t debut = 0;
    for (int n = 1; debut <= texte.size(); ++n) {
        std::size_t fin = texte.find_first_of("\r\n", debut);
        if (fin == std::string::npos) fin = texte.size();
        if (n == k) return texte.substr(debut, fin - debut);
        if (fin < texte.size() && texte[fin] == '\r' && fin + 1 < texte.size() && texte[fin + 1] == '\n')
            ++fin;
        debut = fin + 1;
    }
    return {};
}

int rendu(const char* figure, const std::string& texte, int argc, char** argv) {
    const char* sortie = nullptr;
    int32_t largeur = 800, hauteur = 600;
    double angles[3] = {0, 0, 0};
    bool avecAngles = false;
    for (int i = 3; i < argc; ++i) {
        std::string_view option = argv[i];
        const bool valeur = i + 1 < argc;
        if ((option == "-o" || option == "--output") && valeur) {
            sortie = argv[++i];
        } else if (option == "--size" && valeur) {
            if (!lisTaille(argv[++i], largeur, hauteur)) {
                std::fprintf(stderr, "km32: render: --size wants WxH (1 to 16384 each), not '%s'\n", argv[i]);
                return kErreurUsage;
            }
        } else if (option == "--angles" && valeur) {
            if (!lisAngles(argv[++i], angles)) {
                std::fprintf(stderr, "km32: render: --angles wants three numbers A,B,C, not '%s'\n", argv[i]);
                return kErreurUsage;
            }
            avecAngles = true;
        } else {
            std::fprintf(stderr, "km32: render: unexpected argument '%s'\n\n%s", argv[i], kUsage);
            return kErreurUsage;
        }
    }
    if (!sortie) {
        std::fprintf(stderr, "km32: render: the picture file is needed (-o PICTURE)\n");
        return kErreurUsage;
    }
    const std::string nomSortie = km32cli::windows1252DeUtf8(sortie);
    const int32_t r = KMRendFigureDansFichier(texte.c_str(), nomSortie.c_str(), largeur, hauteur,
                                              avecAngles ? angles : nullptr);
    if (r == 0) return kSucces;
    if (r > 0) {
        std::fprintf(stderr, "km32: %s: line %d cannot be run: %s\n", figure, int(r),
                     km32cli::utf8DeWindows1252(ligneDuTexte(texte, r)).c_str());
    } else if (r == -3) {
        std::fprintf(stderr, "km32: render: '%s': the picture must end with .png, .svg or .pdf\n", sortie);
        return kErreurUsage;
    } else if (r == -2) {
        std::fprintf(stderr, "km32: render: cannot write the picture '%s'\n", sortie);
    } else {
        std::fprintf(stderr, "km32: render: the library refused to draw the figure (%d)\n", int(r));
    }
    return kEchec;
}

// The figure read into a figure of its own, then written back as text by
// the library and printed in UTF-8 with the terminal's line ends.
int texteEcrit(const std::string& texte) {
    const int messagesAvant = messagesAffiches;
    const int16_t numero = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), "");
    if (numero <= 0) {
        std::fputs("km32: text: no figure could be created\n", stderr);
        return kEchec;
    }
    // A line of the file that failed was reported: what ran is still written.
    const bool enErreur = messagesAffiches != messagesAvant;
    const uint32_t bloc = KMTexteFigure(numero);
    const char* contenu = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string ecrit = contenu ? contenu : "";
    if (bloc) KMLibereBloc(bloc);
    KMdetruitFigureMeme(numero);
    if (ecrit.empty()) {
        std::fputs("km32: text: the library wrote no text\n", stderr);
        return kEchec;
    }
    std::string sortie;
    sortie.reserve(ecrit.size() + 1);
    for (std::size_t i = 0; i < ecrit.size(); ++i)
        if (!(ecrit[i] == '\r' && i + 1 < ecrit.size() && ecrit[i + 1] == '\n')) sortie += ecrit[i];
    sortie += '\n';
    std::fputs(km32cli::utf8DeWindows1252(sortie).c_str(), stdout);
    return enErreur ? kEchec : kSucces;
}

// What a result of KMTestParTexte means.
const char* sensDuResultat(int16_t r) {
    switch (r) {
    case 0:
        return "true";
    case 50:
        return "not a test sentence, or an argument of the wrong kind";
    case 51:
        return "a named object does not exist";
    case 52:
        return "false";
    case 53:
        return "true for the current values only, not in general";
    case 54:
        return "undecidable: a value is undefined";
    case 55:
        return "not a direct antecedent";
    case 56:
        return "not of that kind or construction";
    case 57:
        return "not variable";
    case 61:
        return "the first object is undefined";
    case 62:
        return "the second object is undefined";
    case 63:
        return "the interval cannot be compared";
    default:
        return "unknown answer";
    }
}

// A property test on the figure: the answer's code and its meaning.
int test(const char* figure, const std::string& texte, int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "km32: test: one sentence is needed after the figure file\n\n%s", kUsage);
        return kErreurUsage;
    }
    const int messagesAvant = messagesAffiches;
    const int16_t numero = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), nullptr);
    if (numero == 0 || messagesAffiches != messagesAvant) {
        std::fprintf(stderr, "km32: %s: the library could not make the figure\n", figure);
        if (numero != 0) KMdetruitFigureMeme(numero);
        return kEchec;
    }
    const std::string phrase = km32cli::windows1252DeUtf8(argv[3]);
    const int16_t r = KMTestParTexte(numero, phrase.c_str());
    KMdetruitFigureMeme(numero);
    std::printf("%d %s\n", int(r), sensDuResultat(r));
    return kSucces;
}

// The library's text of a memory block (empty for none), then the block freed.
std::string texteDeBloc(uint32_t bloc) {
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
}

// The value of each number object ("a = 2.5"), and each undefined object with
// the reason the library gives; with names, only the objects named.
int valeurs(const char* figure, const std::string& texte, int argc, char** argv) {
    const int messagesAvant = messagesAffiches;
    const int16_t numero = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), nullptr);
    if (numero == 0) {
        std::fprintf(stderr, "km32: %s: the library could not make the figure\n", figure);
        return kEchec;
    }
    std::vector<std::string> demandes;
    for (int k = 3; k < argc; ++k)
        demandes.push_back(km32cli::windows1252DeUtf8(argv[k]));
    std::vector<bool> trouves(demandes.size(), false);
    constexpr int32_t kPremierObjetUtilisateur = 14, kNatureNombre = 8;
    const int32_t nombre = KMNombreObjets(numero);
    for (int32_t i = kPremierObjetUtilisateur; i <= nombre; ++i) {
        const std::string nom = texteDeBloc(KMNomObjetDeNumero(numero, i));
        bool demande = demandes.empty();
        for (std::size_t k = 0; k < demandes.size(); ++k)
            if (demandes[k] == nom) demande = trouves[k] = true;
        if (!demande) continue;
        const int32_t raison = KMRaisonObjetNonDefini(numero, i);
        const std::string nomUtf8 = km32cli::utf8DeWindows1252(nom);
        if (raison > 0) {
            char phrase[256] = {};
            KMPhraseDeNumero(uint16_t(raison), phrase);
            std::string motif = km32cli::utf8DeWindows1252(phrase);
            for (char& c : motif)
                if (c == '\r') c = ' ';
            std::printf("%s: undefined: %s\n", nomUtf8.c_str(), motif.c_str());
        } else if (KMNatureObjet(numero, i) == kNatureNombre) {
            std::printf("%s = %.15g\n", nomUtf8.c_str(), KMValeurScalaireDouble(numero, nom.c_str()));
        }
    }
    KMdetruitFigureMeme(numero);
    bool tousTrouves = true;
    for (std::size_t k = 0; k < demandes.size(); ++k)
        if (!trouves[k]) {
            std::fprintf(stderr, "km32: %s: no object named '%s'\n", figure, argv[3 + k]);
            tousTrouves = false;
        }
    return (tousTrouves && messagesAffiches == messagesAvant) ? kSucces : kEchec;
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
    // The text in the library's own characters.
    const std::string texte = km32cli::texteFigureDeFichier(octets);
    if (commande == "render") return rendu(argv[2], texte, argc, argv);
    if (commande == "text") {
        if (argc > 3) {
            std::fprintf(stderr, "km32: text: unexpected argument '%s'\n\n%s", argv[3], kUsage);
            return kErreurUsage;
        }
        return texteEcrit(texte);
    }
    if (commande == "test") return test(argv[2], texte, argc, argv);
    if (commande == "values") return valeurs(argv[2], texte, argc, argv);
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

// The library's message boxes (a wrong line, a file it cannot read) are
// printed on the error output; a question gets Yes, a box OK.
int32_t afficheMessage(const char* texte, const char* titre, uint32_t style) {
    ++messagesAffiches;
    std::string message = km32cli::utf8DeWindows1252(texte ? texte : "");
    for (char& c : message)
        if (c == '\r') c = '\n';
    const std::string entete = km32cli::utf8DeWindows1252(titre ? titre : "");
    std::fprintf(stderr, "km32: %s%s%s\n", entete.c_str(), entete.empty() ? "" : ": ", message.c_str());
    const uint32_t boutons = KM32_BOUTONS(style);
    return (boutons == 3 || boutons == 4) ? 6 : 1;
}

int main(int argc, char** argv) {
    KMInitialise();
    KMInstalleAfficheurMessages(afficheMessage);
    int statut = execute(argc, argv);
    KMTermine();
    return statut;
}
