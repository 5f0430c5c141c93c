// km32: the command-line host. It uses only the public interface km32.h.
//
// Every figure command reads a figure file (or standard input for "-"),
// refuses what is not a figure text (UTF-16, an empty file, a NUL byte),
// applies the figure's language so that the library's messages and ours are
// in one language, creates the figure, and prints the one report of a line
// that failed (rapport_ligne.h). Each command has its help (aide_commandes.h).
// Exit status: 0 success, 1 the command ran and failed (a file, a line of
// the figure, an unknown test sentence), 2 the command line is wrong.
#include "km32.h"

#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "affichage_figure.h"
#include "aide_commandes.h"
#include "encodage.h"
#include "encodage_utf16.h"
#include "rapport_ligne.h"
#include "textes_cli.h"

namespace {

using km32cli::TexteCli;

constexpr int kSucces = 0;
constexpr int kEchec = 1;       // the command ran and failed (a file, a figure)
constexpr int kErreurUsage = 2; // the command line itself is wrong
// The longest line the library reads in a figure text, in Windows-1252 bytes.
constexpr std::size_t kLongueurMaxLigne = 250;

constexpr const char* kUsage =
    "usage: km32 COMMAND [ARGUMENTS] [--seed N]\n"
    "\n"
    "commands:\n"
    "  render FIGURE.k3v -o PICTURE [--size WxH] [--page-width MM] [--angles A,B,C]\n"
    "                                     draw a figure into a picture: PNG, SVG or PDF\n"
    "                                     by the extension of PICTURE; --size: the drawing\n"
    "                                     in pixels (800x600 by default); --page-width: the\n"
    "                                     printed width of an SVG or PDF page in millimetres\n"
    "                                     (0.1 to 10000; one point per pixel by default),\n"
    "                                     its height in proportion; --angles: the view in\n"
    "                                     degrees, A about the vertical axis, B tilted,\n"
    "                                     C in the picture's plane (km32 help render);\n"
    "                                     the options before or after the figure\n"
    "  values FIGURE.k3v [NAME...]        values of the number objects, undefined objects\n"
    "  text FIGURE.k3v                    the figure written back as text\n"
    "  test FIGURE.k3v \"SENTENCE\"         a property test and its answer\n"
    "  show FIGURE.k3v                    the figure in a window (needs a display and a\n"
    "                                     build with GTK 3): drag its free points, turn\n"
    "                                     the view with the right button, double-click\n"
    "                                     for its menu; Ctrl+S saves into FIGURE.k3v,\n"
    "                                     Ctrl+Z undoes, Ctrl+Y or Ctrl+Shift+Z redoes,\n"
    "                                     F1 shows help, Ctrl+Q quits\n"
    "  help COMMAND                       the help of one command, its options and\n"
    "                                     its exit status (also: km32 COMMAND --help,\n"
    "                                     km32 --help COMMAND; km32 help help)\n"
    "  --version                          the version of the library\n"
    "  --help                             this help\n"
    "\n"
    "FIGURE.k3v may be '-' for standard input. --seed N places the free objects a\n"
    "figure creates at random (and the trials of property tests) the same way on\n"
    "every run. A figure file is read in Windows-1252 or in UTF-8; output is UTF-8.\n";

using km32cli::MessageBibliotheque;

// The library's message boxes, kept until the command knows which line of
// the figure they belong to.
std::vector<MessageBibliotheque> messagesEnAttente;

// The figure a command works on: its file name as given, its text in the
// library's characters, its language.
struct Figure {
    std::string nom;
    std::string texte;
    int langue = 1;
    bool sansEntete = false; // no header line: read in French
};

// The usage line of one command, for its errors: the first line of its
// help, and where the rest is.
std::string usageDe(std::string_view commande) {
    const std::string aide = km32cli::aideCommande(commande);
    return aide.substr(0, aide.find('\n') + 1) + "(km32 help " + std::string(commande) + " tells more)\n";
}

const char* tr(TexteCli t, const Figure& figure) {
    return km32cli::texteCli(t, figure.langue);
}

// The first failure to write the standard output (errno), 0 while none:
// checked once more when the output is flushed at the end, so that a
// command whose result was not written fails.
int erreurSortie = 0;
// The language of the figure read, for the words printed after the command
// (English until a figure is read).
int langueCommande = 2;

// Prints a UTF-8 text made safe for the terminal.
void ecris(std::FILE* flux, const std::string& texte) {
    if (std::fputs(km32cli::afficheable(texte).c_str(), flux) == EOF && flux == stdout && erreurSortie == 0)
        erreurSortie = errno != 0 ? errno : EIO;
}

// The usage line of the program, for a wrong command line that belongs to
// no command (an unknown command, a wrong --seed).
std::string usageGeneral() {
    const std::string usage = kUsage;
    return usage.substr(0, usage.find('\n') + 1) + "(km32 --help lists the commands)\n";
}

// Prints a wrong command line: what is wrong, then the usage that applies.
int erreurUsage(const std::string& message, const std::string& usage) {
    ecris(stderr, "km32: " + message + "\n\n" + usage);
    return kErreurUsage;
}

std::string depuisBibliotheque(const char* texte) {
    return km32cli::utf8DeWindows1252(texte ? texte : "");
}

// The library's version text, read from the block it hands over.
std::string versionBibliotheque() {
    uint32_t bloc = KM32NumeroVersion();
    const char* texte = KMContenuBloc(bloc);
    std::string version = texte ? texte : "";
    KMLibereBloc(bloc);
    return version;
}

// The library's text of a memory block (empty for none), then the block freed.
std::string texteDeBloc(uint32_t bloc) {
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
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

// The report of the failing line (rapport_ligne.h) made of the library's
// pending messages, which it takes; printed on the error output.
std::vector<std::string> signaleLigneFautive(const Figure& figure, int ligne) {
    const std::vector<std::string> rapport = km32cli::rapportLigneFautive(
        figure.nom, ligne, messagesEnAttente, km32cli::utf8DeWindows1252(ligneDuTexte(figure.texte, ligne)),
        figure.langue);
    messagesEnAttente.clear();
    for (const std::string& l : rapport)
        ecris(stderr, "km32: " + l + "\n");
    // A text in English or German without its header line fails on its
    // first line in French words: say why it was read in French.
    if (figure.sansEntete)
        ecris(stderr,
              "km32: " + figure.nom +
                  ": hint: the file has no header line (Figure Kalmetra, Kalmetra figure (English) or "
                  "Kalmetra Figur (Deutsch)), so it is read as French\n");
    return rapport;
}

// Prints the library's pending messages: the report of the line that failed,
// or (0: no line failed) each message with the figure file. True when
// anything went wrong.
bool signaleMessages(const Figure& figure, int ligne) {
    if (ligne > 0) {
        signaleLigneFautive(figure, ligne);
        return true;
    }
    const std::string prefixe = "km32: " + figure.nom + ": ";
    const bool echec = !messagesEnAttente.empty();
    for (const MessageBibliotheque& m : messagesEnAttente) {
        std::string texte = m.texte;
        // A line break of a box goes on an indented line of its own.
        for (std::size_t p = texte.find('\r'); p != std::string::npos; p = texte.find('\r', p))
            texte.replace(p, 1, "\n    ");
        ecris(stderr, prefixe + km32cli::titreDevantTexte(m.titre) + texte + "\n");
    }
    messagesEnAttente.clear();
    return echec;
}

// Reads a whole file ("-": standard input); false with errno's message when
// it cannot be read.
bool lisFichier(const char* chemin, std::string& octets, std::string& erreur) {
    const bool entree = std::strcmp(chemin, "-") == 0;
    std::FILE* f = entree ? stdin : std::fopen(chemin, "rb");
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
    if (!entree) std::fclose(f);
    return ok;
}

// Reads the figure file and checks that it can be a figure text: not in
// UTF-16 (named as such), not empty (blanks and line breaks alone count as
// empty) and without a NUL byte, which would end the text there and lose
// every line after it.
bool lisFigure(const char* chemin, Figure& figure) {
    figure.nom = std::strcmp(chemin, "-") == 0 ? "<stdin>" : chemin;
    std::string octets, erreur;
    if (!lisFichier(chemin, octets, erreur)) {
        ecris(stderr, "km32: cannot read the figure file '" + figure.nom + "': " + erreur + "\n");
        return false;
    }
    if (const km32cli::Utf16 utf16 = km32cli::detecteUtf16(octets);
        utf16.ordre != km32cli::OrdreUtf16::Aucun) {
        ecris(stderr, "km32: " + figure.nom + ": the file is written in " + km32cli::nomUtf16(utf16) +
                          ", so it is not a figure text: a figure file is read in UTF-8 or Windows-1252\n");
        return false;
    }
    const std::size_t nul = octets.find('\0');
    if (nul != std::string::npos) {
        int ligne = 1;
        for (std::size_t i = 0; i < nul; ++i)
            if (octets[i] == '\n') ++ligne;
        ecris(stderr, "km32: " + figure.nom + ": the file holds a NUL byte (line " + std::to_string(ligne) +
                          "), so it is not a figure text\n");
        return false;
    }
    // The library reads Windows-1252: a character it cannot hold would reach
    // it as '?', and the figure written back would lose it. Such a file is
    // refused, with the line and the character named.
    const km32cli::CaracterePerdu perdu = km32cli::premierCaracterePerdu(octets);
    if (perdu.ligne != 0) {
        ecris(stderr, "km32: " + figure.nom + ": line " + std::to_string(perdu.ligne) + ": the character '" +
                          perdu.caractere +
                          "' has no Windows-1252 form, so the file is not read (the figure would lose it)\n");
        return false;
    }
    figure.texte = km32cli::texteFigureDeFichier(octets);
    // The library opens no figure file of 65,536 characters or more (a host
    // that opens this file by its name would get an empty figure): refused
    // here too, so that a command never reads a file that no host could.
    if (figure.texte.size() >= 65536) {
        ecris(stderr, "km32: " + figure.nom +
                          ": the figure text holds 65,536 characters or more, which a figure file may not, "
                          "so it is not read\n");
        return false;
    }
    if (figure.texte.find_first_not_of(" \t\r\n") == std::string::npos) {
        ecris(stderr, "km32: " + figure.nom + ": the file is empty, so it is not a figure\n");
        return false;
    }
    // The language of the header line, or the library's own (French) for a
    // text without one: the library reads the text and speaks in it.
    const int16_t langue = KMLangueDuTexte(figure.texte.c_str());
    figure.langue = langue >= 1 && langue <= 3 ? langue : 1;
    figure.sansEntete = langue == 0;
    langueCommande = figure.langue;
    KMappliqueLangue(int16_t(figure.langue));
    return true;
}

// Creates the figure and prints what went wrong; 0 when no figure could be
// made. echec tells whether a line failed or a message came.
int16_t creeFigure(const Figure& figure, bool& echec) {
    const int16_t numero = KMCreeFigEtRenvoieNumero(0, nullptr, figure.texte.c_str(), nullptr);
    echec = signaleMessages(figure, numero > 0 ? KMLigneEnErreur(numero) : 0);
    if (numero <= 0) {
        ecris(stderr, "km32: " + figure.nom + ": " + tr(TexteCli::FigureNonCreee, figure) + "\n");
        echec = true;
    }
    return numero;
}

void detruitFigure(int16_t numero) {
    if (numero > 0) KMDetruitFigure(numero);
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

// "A,B,C": three finite numbers.
bool lisAngles(const char* texte, double angles[3]) {
    const char* p = texte;
    for (int k = 0; k < 3; ++k) {
        char* fin = nullptr;
        angles[k] = std::strtod(p, &fin);
        if (fin == p || !std::isfinite(angles[k])) return false;
        if (k < 2 && *fin != ',') return false;
        p = fin + (k < 2 ? 1 : 0);
    }
    return *p == '\0';
}

// A width in millimetres: a number 0.1 to 10000.
bool lisLargeurMm(const char* texte, double& largeur) {
    char* fin = nullptr;
    const double v = std::strtod(texte, &fin);
    if (fin == texte || *fin != '\0' || !(v >= 0.1 && v <= 10000)) return false;
    largeur = v;
    return true;
}

// A whole number 0 to 2^64 - 1, digits only.
bool lisGraine(const char* texte, uint64_t& graine) {
    if (*texte < '0' || *texte > '9') return false;
    errno = 0;
    char* fin = nullptr;
    const unsigned long long n = std::strtoull(texte, &fin, 10);
    if (*fin != '\0' || errno == ERANGE) return false;
    graine = n;
    return true;
}

// What `render` is asked for, its options given before or after the figure.
struct DemandeRendu {
    const char* figure = nullptr; // the figure file ("-": standard input)
    const char* sortie = nullptr; // the picture file, UTF-8 as given
    int32_t largeur = 800, hauteur = 600;
    double angles[3] = {0, 0, 0};
    bool avecAngles = false;
    double largeurMm = 0; // 0: one point per pixel
};

// True when the name ends with the extension (ASCII letters in any case).
bool finitPar(std::string_view nom, std::string_view extension) {
    if (nom.size() < extension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char c = nom[nom.size() - extension.size() + i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != extension[i]) return false;
    }
    return true;
}

// Reads render's command line: the figure and the options in any order. A
// usage error (a wrong option or value, a missing file) is printed with
// render's usage; false then.
bool lisDemandeRendu(const std::vector<const char*>& arguments, DemandeRendu& d) {
    const auto refuse = [](const std::string& message) {
        erreurUsage("render: " + message, usageDe("render"));
        return false;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        const bool prendValeur = option == "-o" || option == "--output" || option == "--size" ||
                                 option == "--page-width" || option == "--angles";
        if (prendValeur && i + 1 >= arguments.size())
            return refuse(std::string(arguments[i]) + " wants a value");
        if (option == "-o" || option == "--output") {
            d.sortie = arguments[++i];
        } else if (option == "--size") {
            if (!lisTaille(arguments[++i], d.largeur, d.hauteur))
                return refuse(std::string("--size wants WxH (1 to 16384 each), not '") + arguments[i] + "'");
        } else if (option == "--page-width") {
            if (!lisLargeurMm(arguments[++i], d.largeurMm))
                return refuse(std::string("--page-width wants millimetres, 0.1 to 10000, not '") +
                              arguments[i] + "'");
        } else if (option == "--angles") {
            if (!lisAngles(arguments[++i], d.angles))
                return refuse(std::string("--angles wants three finite numbers A,B,C, not '") + arguments[i] +
                              "'");
            d.avecAngles = true;
        } else if (option.size() > 1 && option[0] == '-') {
            return refuse(std::string("unknown option '") + arguments[i] + "'");
        } else if (!d.figure) {
            d.figure = arguments[i];
        } else {
            return refuse(std::string("unexpected argument '") + arguments[i] + "'");
        }
    }
    if (!d.figure) return refuse("a figure file is needed");
    if (!d.sortie) return refuse("the picture file is needed (-o PICTURE)");
    if (!finitPar(d.sortie, ".png") && !finitPar(d.sortie, ".svg") && !finitPar(d.sortie, ".pdf"))
        return refuse(std::string("'") + d.sortie + "': the picture must end with .png, .svg or .pdf");
    // A PNG image keeps the screen's pixels: a printed width means nothing there.
    if (d.largeurMm != 0 && finitPar(d.sortie, ".png"))
        return refuse(std::string("--page-width is the printed width of an SVG or PDF page; "
                                  "it does not apply to a PNG image ('") +
                      d.sortie + "')");
    return true;
}

int rendu(const Figure& figure, const DemandeRendu& d) {
    const std::string nomSortie = km32cli::windows1252DeUtf8(d.sortie);
    const int32_t r = KMRendFigureDansFichierMm(figure.texte.c_str(), nomSortie.c_str(), d.largeur, d.hauteur,
                                                d.avecAngles ? d.angles : nullptr, d.largeurMm);
    const bool echec = signaleMessages(figure, r > 0 ? int(r) : 0);
    if (r == 0) return echec ? kEchec : kSucces;
    if (r < 0) {
        char texte[512];
        if (r == -2)
            std::snprintf(texte, sizeof texte, tr(TexteCli::ImageNonEcrite, figure), d.sortie);
        else
            std::snprintf(texte, sizeof texte, tr(TexteCli::RenduRefuse, figure), int(r));
        std::string message = "km32: render: " + std::string(texte);
        // The system's reason, as a save gives it.
        if (r == -2) message += ": " + km32cli::raisonErreurSysteme(KMErreurRendu(), figure.langue);
        ecris(stderr, message + "\n");
    }
    return kEchec;
}

// The figure written back as text by the library, printed in UTF-8 with the
// terminal's line ends. A text with a failing line is not applied at all
// (the library leaves the figure as it was), so nothing is written then.
int texteEcrit(const Figure& figure) {
    bool echec = false;
    const int16_t numero = creeFigure(figure, echec);
    if (numero <= 0) return kEchec;
    if (echec) {
        detruitFigure(numero);
        signaleMessages(figure, 0);
        return kEchec;
    }
    const std::string ecrit = texteDeBloc(KMTexteFigure(numero));
    // The text read back by the library before it is printed.
    const int32_t nonRelue = ecrit.empty() ? 0 : KMVerifieTexteFigure(numero);
    detruitFigure(numero);
    echec = signaleMessages(figure, 0) || echec;
    if (ecrit.empty()) {
        ecris(stderr, "km32: " + figure.nom + ": " + tr(TexteCli::AucunTexteEcrit, figure) + "\n");
        return kEchec;
    }
    // A line the reader would refuse (over 250 characters, as the library
    // counts them) makes a text that does not read back: say so and write
    // nothing rather than print a figure that would be lost.
    std::size_t debut = 0;
    for (int k = 1; debut <= ecrit.size(); ++k) {
        std::size_t fin = ecrit.find("\r\n", debut);
        if (fin == std::string::npos) fin = ecrit.size();
        if (fin - debut > kLongueurMaxLigne) {
            char texte[256];
            std::snprintf(texte, sizeof texte, tr(TexteCli::LigneIllisible, figure), k);
            ecris(stderr, "km32: " + figure.nom + ": " + texte + "\n");
            return kEchec;
        }
        debut = fin + 2;
    }
    if (nonRelue != 0) {
        char texte[256];
        std::snprintf(texte, sizeof texte, tr(TexteCli::TexteNonRelu, figure), int(nonRelue));
        ecris(stderr, "km32: " + figure.nom + ": " + texte + "\n");
        return kEchec;
    }
    std::string sortie;
    sortie.reserve(ecrit.size() + 1);
    for (std::size_t i = 0; i < ecrit.size(); ++i)
        if (!(ecrit[i] == '\r' && i + 1 < ecrit.size() && ecrit[i + 1] == '\n')) sortie += ecrit[i];
    sortie += '\n';
    ecris(stdout, km32cli::utf8DeWindows1252(sortie));
    return echec ? kEchec : kSucces;
}

// A property test on the figure: the answer's code and its meaning. A
// sentence that is not a test, or names an object the figure lacks, fails.
int test(const Figure& figure, const std::vector<const char*>& arguments) {
    if (arguments.size() != 1) {
        ecris(stderr, "km32: test: one sentence is needed after the figure file\n\n" + usageDe("test"));
        return kErreurUsage;
    }
    bool echec = false;
    const int16_t numero = creeFigure(figure, echec);
    if (echec) {
        detruitFigure(numero);
        return kEchec;
    }
    const std::string phrase = km32cli::windows1252DeUtf8(arguments[0]);
    const int16_t r = KMTestParTexte(numero, phrase.c_str());
    detruitFigure(numero);
    echec = signaleMessages(figure, 0);
    ecris(stdout, std::to_string(r) + " " + km32cli::sensDuResultat(r, figure.langue) + "\n");
    constexpr int16_t kPasUnTest = 50, kObjetAbsent = 51;
    return (echec || r == kPasUnTest || r == kObjetAbsent) ? kEchec : kSucces;
}

// The value of each number object ("a = 2.5"), and each undefined object with
// the reason the library gives; with names, only the objects named, and a
// named object that is defined but not a number says so.
int valeurs(const Figure& figure, const std::vector<const char*>& noms) {
    bool echec = false;
    const int16_t numero = creeFigure(figure, echec);
    if (numero <= 0) return kEchec;
    std::vector<std::string> demandes;
    for (const char* nom : noms)
        demandes.push_back(km32cli::windows1252DeUtf8(nom));
    std::vector<bool> trouves(demandes.size(), false);
    constexpr int32_t kPremierObjetUtilisateur = 14, kNatureNombre = 8;
    const int32_t nombre = KMNombreObjets(numero);
    std::string sortie;
    for (int32_t i = kPremierObjetUtilisateur; i <= nombre; ++i) {
        const std::string nom = texteDeBloc(KMNomObjetDeNumero(numero, i));
        bool demande = demandes.empty();
        for (std::size_t k = 0; k < demandes.size(); ++k)
            if (demandes[k] == nom) demande = trouves[k] = true;
        if (!demande) continue;
        const int32_t raison = KMRaisonObjetNonDefini(numero, i);
        const std::string nomUtf8 = km32cli::utf8DeWindows1252(nom);
        if (raison > 0) {
            std::string motif =
                km32cli::utf8DeWindows1252(texteDeBloc(KMTexteRaisonObjetNonDefini(numero, i)));
            for (char& c : motif)
                if (c == '\r') c = ' ';
            sortie += nomUtf8 + ": " + tr(TexteCli::NonDefini, figure) + ": " + motif + "\n";
        } else if (KMNatureObjet(numero, i) == kNatureNombre) {
            char valeur[64];
            std::snprintf(valeur, sizeof valeur, "%.15g", KMValeurScalaireDouble(numero, nom.c_str()));
            sortie += nomUtf8 + " = " + valeur + "\n";
        } else if (!demandes.empty()) {
            // An object asked for by name is never passed over in silence.
            sortie += nomUtf8 + ": " + tr(TexteCli::PasUnNombre, figure) + "\n";
        }
    }
    detruitFigure(numero);
    echec = signaleMessages(figure, 0) || echec;
    ecris(stdout, sortie);
    for (std::size_t k = 0; k < demandes.size(); ++k)
        if (!trouves[k]) {
            char texte[512];
            std::snprintf(texte, sizeof texte, tr(TexteCli::AucunObjetNomme, figure), noms[k]);
            ecris(stderr, "km32: " + figure.nom + ": " + texte + "\n");
            echec = true;
        }
    return echec ? kEchec : kSucces;
}

// km32 show runs the figure once without a window first: a line that fails
// gets the report every command prints, on the error output and in a box,
// and no window opens. Messages of a figure that runs are left to the
// window's figure, which shows them itself.
int montre(const Figure& figure, const char* chemin) {
    const int16_t numero = KMCreeFigEtRenvoieNumero(0, nullptr, figure.texte.c_str(), nullptr);
    const int ligne = numero > 0 ? int(KMLigneEnErreur(numero)) : 0;
    detruitFigure(numero);
    if (ligne > 0) {
        km32cli::montreRapportDansUneBoite(signaleLigneFautive(figure, ligne), figure.langue);
        return kEchec;
    }
    messagesEnAttente.clear();
    return km32cli::afficheFigure(chemin, figure.texte, figure.langue);
}

// Prints the help of one command on the standard output; a name that is no
// command is a usage error. "help --help" is the help of help itself, as
// "COMMAND --help" is for every other command.
int aide(std::string_view commande) {
    if (commande == "--help" || commande == "-h") commande = "help";
    const std::string texte = km32cli::aideCommande(commande);
    if (texte.empty())
        return erreurUsage("help: unknown command '" + std::string(commande) +
                               "' (km32 --help lists the commands)",
                           usageDe("help"));
    ecris(stdout, texte);
    return kSucces;
}

// True when the command's arguments ask for its help.
bool demandeAide(const std::vector<const char*>& arguments) {
    for (const char* a : arguments)
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) return true;
    return false;
}

int commandeDeFigure(std::string_view commande, const std::vector<const char*>& arguments) {
    if (demandeAide(arguments)) return aide(commande);
    const std::string nomCommande(commande);
    if (arguments.empty()) {
        ecris(stderr, "km32: " + nomCommande + ": a figure file is needed\n\n" + usageDe(commande));
        return kErreurUsage;
    }
    // Only render takes options: anything else that looks like one (an
    // object name and a sentence start with a letter) is a wrong command line.
    if (commande != "render")
        for (const char* a : arguments)
            if (a[0] == '-' && a[1] != '\0') {
                ecris(stderr, "km32: " + nomCommande + ": unknown option '" + a + "' (" + nomCommande +
                                  " takes none)\n\n" + usageDe(commande));
                return kErreurUsage;
            }
    if (commande == "render") {
        DemandeRendu demande;
        if (!lisDemandeRendu(arguments, demande)) return kErreurUsage;
        Figure figure;
        if (!lisFigure(demande.figure, figure)) return kEchec;
        return rendu(figure, demande);
    }
    const std::vector<const char*> suite(arguments.begin() + 1, arguments.end());
    if (commande == "text" && !suite.empty()) {
        ecris(stderr,
              std::string("km32: text: unexpected argument '") + suite[0] + "'\n\n" + usageDe("text"));
        return kErreurUsage;
    }
    if (commande == "test" && suite.size() != 1) return test(Figure{}, suite);
    if (commande == "show" && (!suite.empty() || std::strcmp(arguments[0], "-") == 0)) {
        ecris(stderr, "km32: show: one figure file is needed (not standard input)\n\n" + usageDe("show"));
        return kErreurUsage;
    }
    Figure figure;
    if (!lisFigure(arguments[0], figure)) return kEchec;
    if (commande == "show") return montre(figure, arguments[0]);
    if (commande == "text") return texteEcrit(figure);
    if (commande == "test") return test(figure, suite);
    return valeurs(figure, suite);
}

int execute(int argc, char** argv) {
    // "--seed N" may stand anywhere after the program's name.
    std::vector<const char*> arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") != 0) {
            arguments.push_back(argv[i]);
            continue;
        }
        uint64_t graine = 0;
        if (i + 1 >= argc)
            return erreurUsage("--seed wants a value (a whole number from 0 to 18446744073709551615)",
                               usageGeneral());
        if (!lisGraine(argv[i + 1], graine))
            return erreurUsage(
                std::string("--seed wants a whole number from 0 to 18446744073709551615, not '") +
                    argv[i + 1] + "'",
                usageGeneral());
        KMImposeGraineHasard(graine);
        ++i;
    }
    if (arguments.empty()) {
        std::fputs(kUsage, stderr);
        return kErreurUsage;
    }
    std::string_view commande = arguments[0];
    if (commande == "--version" || commande == "-V") {
        if (arguments.size() > 1)
            return erreurUsage(std::string(commande) + " takes no argument, not '" + arguments[1] + "'",
                               "usage: km32 --version\n");
        std::string version = versionBibliotheque();
        if (version.empty()) {
            std::fputs("km32: the library gave no version\n", stderr);
            return kEchec;
        }
        ecris(stdout, "km32 " + km32cli::utf8DeWindows1252(version) + "\n");
        return kSucces;
    }
    // "help COMMAND", and "--help COMMAND" the same: the help of one command;
    // alone, the help of the program.
    if (commande == "help" || commande == "--help" || commande == "-h") {
        if (arguments.size() > 2)
            return erreurUsage("help: one command at a time, not '" + std::string(arguments[2]) + "'",
                               usageDe("help"));
        if (arguments.size() == 2) return aide(arguments[1]);
        ecris(stdout, kUsage);
        return kSucces;
    }
    if (commande == "render" || commande == "values" || commande == "text" || commande == "test" ||
        commande == "show")
        return commandeDeFigure(commande, std::vector<const char*>(arguments.begin() + 1, arguments.end()));
    return erreurUsage(std::string("unknown command '") + arguments[0] + "'", usageGeneral());
}

} // namespace

// The library's message boxes (a wrong line, a file it cannot read) wait
// until the command knows the line they belong to; a question gets Yes, a
// box OK.
int32_t afficheMessage(const char* texte, const char* titre, uint32_t style) {
    messagesEnAttente.push_back({depuisBibliotheque(titre), depuisBibliotheque(texte)});
    const uint32_t boutons = KM32_BOUTONS(style);
    return (boutons == 3 || boutons == 4) ? 6 : 1;
}

int main(int argc, char** argv) {
    // A file written past the system's limit on a file's size (ulimit -f)
    // would end the program by SIGXFSZ, with no word and a temporary file
    // left beside the picture or the figure. Ignored, the write fails with
    // EFBIG instead, and the failure is told as any other: the reason, exit
    // 1, the temporary removed, an existing file kept.
    std::signal(SIGXFSZ, SIG_IGN);
    KMInitialise();
    KMInstalleAfficheurMessages(afficheMessage);
    int statut = execute(argc, argv);
    // A message no command printed yet (there should be none) is not lost.
    for (const MessageBibliotheque& m : messagesEnAttente)
        ecris(stderr, "km32: " + km32cli::titreDevantTexte(m.titre) + m.texte + "\n");
    KMTermine();
    // What was printed is written out only now: a full disk or a closed pipe
    // shows here, and a result that did not reach its reader is a failure.
    if (std::fflush(stdout) != 0 && erreurSortie == 0) erreurSortie = errno != 0 ? errno : EIO;
    if (std::fclose(stdout) != 0 && erreurSortie == 0) erreurSortie = errno != 0 ? errno : EIO;
    if (erreurSortie != 0) {
        ecris(stderr, std::string("km32: ") + km32cli::texteCli(TexteCli::SortieNonEcrite, langueCommande) +
                          ": " + km32cli::raisonErreurSysteme(erreurSortie, langueCommande) + "\n");
        if (statut == kSucces) statut = kEchec;
    }
    return statut;
}
