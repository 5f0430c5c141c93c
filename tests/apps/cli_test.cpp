// The command-line host, run as a program.
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "fichier_essai.h"
#include "lancement_cli.h"
#include "texte_noms_allonges.h"

namespace {

using km32::essais::lance;
using km32::essais::lanceCommande;
using km32::essais::Resultat;

// Runs with a small figure file of its own.
class Cli : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        exemple = "/tmp/km32-cli-" + std::to_string(::getpid()) + ".k3v";
        std::FILE* f = std::fopen(exemple.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("Figure Kalmetra\r\nA point libre dans l'espace\r\n", f);
        std::fclose(f);
    }
    static void TearDownTestSuite() { std::remove(exemple.c_str()); }
    static std::string exemple;
};
std::string Cli::exemple;

TEST_F(Cli, CommandsAndTheirStatus) {
    struct Cas {
        std::string arguments;
        int statut;
        std::string dansLaSortie;
    };
    const Cas cas[] = {
        {"--version", 0, "1.3.3.0"},
        {"--help", 0, "render FIGURE.k3v"},
        {"--help", 0, "--page-width MM"},
        {"", 2, "usage: km32"},
        {"frobnicate", 2, "unknown command 'frobnicate'"},
        {"render", 2, "a figure file is needed"},
        {"render /nonexistent/cube.k3v -o x.png", 1, "cannot read the figure file '/nonexistent/cube.k3v'"},
        {"values /", 1, "cannot read the figure file '/'"},
        {"text '" + exemple + "'", 0, "A point libre dans l'espace"},
        {"test '" + exemple + "' \"Les points A, B et C sont align\xC3\xA9s\"", 1,
         "50 pas une phrase de test"},
    };
    for (const Cas& c : cas) {
        Resultat r = lance(c.arguments);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(c.dansLaSortie), std::string::npos) << c.arguments << "\n" << r.sortie;
    }
}

// A wrong command line fails with 2 and the command's own usage, not the
// general one; a command other than render takes no option; a figure without
// its header line that fails says why it was read in French; show's help
// does not offer standard input.
TEST_F(Cli, WrongCommandLinesGetTheCommandsOwnUsage) {
    const std::string sansEntete = "/tmp/km32-cli-sans-entete-" + std::to_string(::getpid()) + ".k3v";
    {
        std::FILE* f = std::fopen(sansEntete.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("A point with coordinates (0,0,0) in coordinate system Rxyz\n", f);
        std::fclose(f);
    }
    const std::string e = "'" + exemple + "'";
    struct Cas {
        std::string arguments;
        int statut;
        std::string dansLaSortie, pasDansLaSortie;
    };
    const Cas cas[] = {
        {"values " + e + " -o a.png", 2, "unknown option '-o'", "no object named"},
        {"values " + e + " -o a.png", 2, "usage: km32 values FIGURE.k3v [NAME...]", "commands:"},
        {"text " + e + " --size 10x10", 2, "usage: km32 text FIGURE.k3v\n", "commands:"},
        {"test " + e + " --angles 1,2,3 \"Teste point A sur (AB)\"", 2, "usage: km32 test", "commands:"},
        {"show " + e + " -x", 2, "usage: km32 show FIGURE.k3v", "commands:"},
        {"test " + e, 2, "usage: km32 test FIGURE.k3v \"SENTENCE\"", "commands:"},
        {"render " + e + " --frob", 2, "usage: km32 render FIGURE.k3v -o PICTURE", "commands:"},
        {"render", 2, "usage: km32 render", "commands:"},
        {"values", 2, "usage: km32 values", "commands:"},
        {"values - < " + e, 0, "", "unknown option"}, // '-' alone is standard input
        {"values " + e + " --seed 3", 0, "", "unknown option"},
        {"values '" + sansEntete + "'", 1, "has no header line", ""},
        {"text " + e, 0, "", "has no header line"},
        {"help show", 0, "not standard input", "'-': standard input"},
        {"help values", 0, "'-': standard input", "not standard input"},
    };
    for (const Cas& c : cas) {
        const Resultat r = lance(c.arguments);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(c.dansLaSortie), std::string::npos) << c.arguments << "\n" << r.sortie;
        if (!c.pasDansLaSortie.empty()) {
            EXPECT_EQ(r.sortie.find(c.pasDansLaSortie), std::string::npos) << c.arguments << "\n" << r.sortie;
        }
    }
    std::remove(sansEntete.c_str());
}

// Every wrong command line, whatever is wrong in it (an unknown command or
// option, a bad value of an option, a missing or extra argument), fails with
// 2, says what is wrong, and ends with the usage line that applies: the
// command's own, or the program's for what belongs to no command. Nothing is
// printed on the standard output and no picture is written.
TEST_F(Cli, EveryWrongCommandLineSaysWhatAndEndsWithItsUsage) {
    const std::string e = "'" + exemple + "'";
    const std::string image = "/tmp/km32-cli-usage-" + std::to_string(::getpid()) + ".png";
    const std::string svg = "/tmp/km32-cli-usage-" + std::to_string(::getpid()) + ".svg";
    const std::string rendu = "render " + e + " -o '" + image + "' ";
    const std::string renduSvg = "render " + e + " -o '" + svg + "' ";
    const std::string general =
        "usage: km32 COMMAND [ARGUMENTS] [--seed N]\n(km32 --help lists the commands)\n";
    const auto usage = [](const std::string& commande, const std::string& ligne) {
        return "usage: km32 " + ligne + "\n(km32 help " + commande + " tells more)\n";
    };
    const std::string uRendu =
        usage("render", "render FIGURE.k3v -o PICTURE [--size WxH] [--page-width MM] [--angles A,B,C]");
    const std::string uValeurs = usage("values", "values FIGURE.k3v [NAME...]");
    const std::string uTexte = usage("text", "text FIGURE.k3v");
    const std::string uTest = usage("test", "test FIGURE.k3v \"SENTENCE\"");
    const std::string uMontre = usage("show", "show FIGURE.k3v");
    const std::string uAide = usage("help", "help COMMAND");
    struct Cas {
        std::string arguments;
        std::string message; // what is wrong, in the first line
        std::string usage;   // the end of the output
    };
    const Cas cas[] = {
        // The program's own command line.
        {"frobnicate", "unknown command 'frobnicate'", general},
        {"frobnicate " + e, "unknown command 'frobnicate'", general},
        {"--version extra", "--version takes no argument, not 'extra'", "usage: km32 --version\n"},
        {"-V " + e, "-V takes no argument", "usage: km32 --version\n"},
        {"--seed", "--seed wants a value", general},
        {"--seed x values " + e, "--seed wants a whole number from 0 to 18446744073709551615, not 'x'",
         general},
        {"values " + e + " --seed -1", "not '-1'", general},
        {"text " + e + " --seed 18446744073709551616", "not '18446744073709551616'", general},
        {"help frobnicate", "help: unknown command 'frobnicate'", uAide},
        {"help --version", "help: unknown command '--version'", uAide},
        {"help render values", "help: one command at a time, not 'values'", uAide},
        {"--help render values", "help: one command at a time", uAide},
        {"--help frobnicate", "help: unknown command 'frobnicate'", uAide},
        // render: its options, their values, its files.
        {"render", "render: a figure file is needed", uRendu},
        {"render -o '" + image + "'", "render: a figure file is needed", uRendu},
        {"render " + e, "render: the picture file is needed (-o PICTURE)", uRendu},
        {"render " + e + " -o", "render: -o wants a value", uRendu},
        {"render " + e + " --output", "render: --output wants a value", uRendu},
        {rendu + "--size", "render: --size wants a value", uRendu},
        {rendu + "--angles", "render: --angles wants a value", uRendu},
        {renduSvg + "--page-width", "render: --page-width wants a value", uRendu},
        {rendu + "--frob", "render: unknown option '--frob'", uRendu},
        {rendu + e, "render: unexpected argument '" + exemple + "'", uRendu},
        {"render " + e + " -o /tmp/x.gif",
         "render: '/tmp/x.gif': the picture must end with .png, .svg or .pdf", uRendu},
        {"render " + e + " -o ''", "render: '': the picture must end with", uRendu},
        {rendu + "--page-width 50", "render: --page-width is the printed width of an SVG or PDF page",
         uRendu},
        {rendu + "--size 0x5", "render: --size wants WxH (1 to 16384 each), not '0x5'", uRendu},
        {rendu + "--size 5x0", "not '5x0'", uRendu},
        {rendu + "--size 16385x10", "not '16385x10'", uRendu},
        {rendu + "--size 10x16385", "not '10x16385'", uRendu},
        {rendu + "--size 800", "not '800'", uRendu},
        {rendu + "--size 800x", "not '800x'", uRendu},
        {rendu + "--size x600", "not 'x600'", uRendu},
        {rendu + "--size 800x600x2", "not '800x600x2'", uRendu},
        {rendu + "--size -800x600", "not '-800x600'", uRendu},
        {rendu + "--angles 1,2", "render: --angles wants three finite numbers A,B,C, not '1,2'", uRendu},
        {rendu + "--angles 1,2,3,4", "not '1,2,3,4'", uRendu},
        {rendu + "--angles 1,,3", "not '1,,3'", uRendu},
        {rendu + "--angles '1;2;3'", "not '1;2;3'", uRendu},
        {rendu + "--angles nan,0,0", "not 'nan,0,0'", uRendu},
        {rendu + "--angles 0,inf,0", "not '0,inf,0'", uRendu},
        {rendu + "--angles 0,0,1e999", "not '0,0,1e999'", uRendu},
        {rendu + "--angles ''", "not ''", uRendu},
        {renduSvg + "--page-width 0", "render: --page-width wants millimetres, 0.1 to 10000, not '0'",
         uRendu},
        {renduSvg + "--page-width 0.09", "not '0.09'", uRendu},
        {renduSvg + "--page-width 10000.5", "not '10000.5'", uRendu},
        {renduSvg + "--page-width -5", "not '-5'", uRendu},
        {renduSvg + "--page-width nan", "not 'nan'", uRendu},
        {renduSvg + "--page-width 50mm", "not '50mm'", uRendu},
        // The other commands: no option of their own, a fixed number of arguments.
        {"values", "values: a figure file is needed", uValeurs},
        {"values " + e + " -x", "values: unknown option '-x' (values takes none)", uValeurs},
        {"values " + e + " --size 10x10", "values: unknown option '--size'", uValeurs},
        {"text", "text: a figure file is needed", uTexte},
        {"text " + e + " extra", "text: unexpected argument 'extra'", uTexte},
        {"text " + e + " -o x.png", "text: unknown option '-o'", uTexte},
        {"test", "test: a figure file is needed", uTest},
        {"test " + e, "test: one sentence is needed after the figure file", uTest},
        {"test " + e + " \"Point A sur (AB)\" \"Point A sur (AB)\"", "test: one sentence is needed", uTest},
        {"test " + e + " --angles 1,2,3 \"Point A sur (AB)\"", "test: unknown option '--angles'", uTest},
        {"show", "show: a figure file is needed", uMontre},
        {"show -", "show: one figure file is needed (not standard input)", uMontre},
        {"show " + e + " " + e, "show: one figure file is needed", uMontre},
        {"show " + e + " -x", "show: unknown option '-x'", uMontre},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.arguments);
        const Resultat r = lance(c.arguments);
        EXPECT_EQ(r.statut, 2) << r.sortie;
        EXPECT_EQ(r.sortie.rfind("km32: ", 0), 0u) << r.sortie;
        EXPECT_NE(r.sortie.find(c.message), std::string::npos) << r.sortie;
        ASSERT_GE(r.sortie.size(), c.usage.size()) << r.sortie;
        EXPECT_EQ(r.sortie.substr(r.sortie.size() - c.usage.size()), c.usage) << r.sortie;
        const Resultat sortie =
            lanceCommande(std::string("'") + KM32_CLI + "' " + c.arguments + " 2>/dev/null");
        EXPECT_EQ(sortie.sortie, "");
        EXPECT_FALSE(std::filesystem::exists(image));
        EXPECT_FALSE(std::filesystem::exists(svg));
    }
}

// A line of the figure that fails is printed with the library's message and
// the command fails; the text is not applied, so no figure is written back.
TEST_F(Cli, AFailingLineIsReportedAndTheCommandFails) {
    const std::string fautif = "/tmp/km32-cli-fautif-" + std::to_string(::getpid()) + ".k3v";
    std::FILE* f = std::fopen(fautif.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("Figure Kalmetra\r\nA point libre dans l'espace\r\nM milieu du segment [AZ]\r\n", f);
    std::fclose(f);
    const Resultat texte = lance("text '" + fautif + "'");
    EXPECT_EQ(texte.statut, 1);
    EXPECT_NE(texte.sortie.find("M milieu du segment [AZ]"), std::string::npos) << texte.sortie;
    // A text that fails is not applied: the figure stays as it was (empty),
    // the lines before the failing one included.
    EXPECT_EQ(texte.sortie.find("A point libre dans l'espace"), std::string::npos) << texte.sortie;
    EXPECT_NE(texte.sortie.find("texte incorrect non appliqu"), std::string::npos) << texte.sortie;
    EXPECT_EQ(texte.sortie.find("Fin de la figure"), std::string::npos) << texte.sortie;
    const Resultat rendu = lance("render '" + fautif + "' -o /tmp/km32-cli-fautif.png");
    EXPECT_EQ(rendu.statut, 1);
    EXPECT_NE(rendu.sortie.find("ligne 3"), std::string::npos) << rendu.sortie;
    EXPECT_EQ(lance("test '" + fautif + "' \"Point A sur (AB)\"").statut, 1);
    std::remove(fautif.c_str());
    std::remove("/tmp/km32-cli-fautif.png");
}

// Values of numbers against the geometry (|AB| = 5 for A(0,0,0), B(3,4,0)),
// an undefined plane through three aligned points with its reason, and a name
// the figure does not hold.
TEST_F(Cli, ValuesOfNumbersAndUndefinedObjects) {
    const std::string fichier = "/tmp/km32-cli-valeurs-" + std::to_string(::getpid()) + ".k3v";
    std::FILE* f = std::fopen(fichier.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("Figure Kalmetra\r\n"
               "A point de coordonn\xE9"
               "es (0,0,0) dans le rep\xE8"
               "re Rxyz\r\n"
               "B point de coordonn\xE9"
               "es (3,4,0) dans le rep\xE8"
               "re Rxyz\r\n"
               "C point de coordonn\xE9"
               "es (6,8,0) dans le rep\xE8"
               "re Rxyz\r\n"
               "d = AB\r\n"
               "P plan (ABC)\r\n",
               f);
    std::fclose(f);
    const Resultat tous = lance("values '" + fichier + "'");
    EXPECT_EQ(tous.statut, 0) << tous.sortie;
    EXPECT_NE(tous.sortie.find("d = 5\n"), std::string::npos) << tous.sortie;
    EXPECT_NE(tous.sortie.find("P: non d\xC3\xA9"
                               "fini: Le plan est non valide"),
              std::string::npos)
        << tous.sortie;
    const Resultat un = lance("values '" + fichier + "' d");
    EXPECT_EQ(un.sortie, "d = 5\n");
    const Resultat absent = lance("values '" + fichier + "' Q");
    EXPECT_EQ(absent.statut, 1);
    EXPECT_NE(absent.sortie.find("aucun objet nomm\xC3\xA9 'Q'"), std::string::npos) << absent.sortie;
    std::remove(fichier.c_str());
}

// The example figures, one per language, run whole; the tetrahedron's
// measures against closed forms for the edge a = 4: volume a^3 / (6 sqrt 2),
// area sqrt(3) a^2, distance of the midpoints of opposite edges a / sqrt 2.
TEST_F(Cli, TheExamplesRunInTheirLanguages) {
    const std::string dossier = std::string(KM32_EXAMPLES) + "/";
    for (const char* nom : {"cube.k3v", "tetrahedron.k3v", "kugel.k3v", "cube_prime.k3v"}) {
        const Resultat r = lance("values '" + dossier + nom + "'");
        EXPECT_EQ(r.statut, 0) << nom << "\n" << r.sortie;
    }
    const Resultat t = lance("values '" + dossier + "tetrahedron.k3v' v s d");
    double v = 0, aire = 0, d = 0;
    ASSERT_EQ(std::sscanf(t.sortie.c_str(), "v = %lf\ns = %lf\nd = %lf", &v, &aire, &d), 3) << t.sortie;
    EXPECT_NEAR(v, 64 / (6 * std::sqrt(2.0)), 1e-8);
    EXPECT_NEAR(aire, std::sqrt(3.0) * 16, 1e-8);
    EXPECT_NEAR(d, 4 / std::sqrt(2.0), 1e-8);
}

// An object asked for by name that is neither a number nor undefined is
// not passed over in silence: it is said to be no number, in the figure's
// language, in the order of the figure.
TEST_F(Cli, ANamedObjectThatIsNoNumberSaysSo) {
    const std::string dossier = std::string(KM32_EXAMPLES) + "/";
    const Resultat anglais = lance("values '" + dossier + "tetrahedron.k3v' d I");
    EXPECT_EQ(anglais.statut, 0) << anglais.sortie;
    EXPECT_EQ(anglais.sortie.substr(0, anglais.sortie.find('\n') + 1), "I: defined, not a number\n");
    EXPECT_NE(anglais.sortie.find("\nd = 2.828"), std::string::npos) << anglais.sortie;
    const Resultat francais = lance("values '" + dossier + "cube.k3v' M");
    EXPECT_EQ(francais.statut, 0) << francais.sortie;
    EXPECT_EQ(francais.sortie, "M: d\xC3\xA9"
                               "fini, pas un nombre\n");
}

TEST_F(Cli, VersionIsTheOnlyLine) {
    EXPECT_EQ(lance("--version").sortie, "km32 1.3.3.0\n");
}

// Writes bytes into a file of its own for one test; removed with the object.
struct FichierEssai {
    std::string nom;
    FichierEssai(const std::string& suffixe, const std::string& octets)
        : nom("/tmp/km32-cli-" + suffixe + "-" + std::to_string(::getpid()) + ".k3v") {
        std::FILE* f = std::fopen(nom.c_str(), "wb");
        if (f) {
            std::fwrite(octets.data(), 1, octets.size(), f);
            std::fclose(f);
        }
    }
    ~FichierEssai() { std::remove(nom.c_str()); }
    std::string arg() const { return "'" + nom + "'"; }
};

bool contient(const std::string& texte, const std::string& mot) {
    return texte.find(mot) != std::string::npos;
}

// A line of more than 250 characters (a long remark is enough) stops the
// figure: every command says which line and why, and fails, instead of
// quietly dropping the lines after it.
TEST_F(Cli, ALineTooLongFailsEveryCommandWithItsNumber) {
    const FichierEssai longue("longue", "Figure Kalmetra\r\n"
                                        "a = 1\r\n"
                                        "% " +
                                            std::string(300, 'x') +
                                            "\r\n"
                                            "b = 2\r\n");
    for (const std::string commande : {"values", "text", "test", "render"}) {
        std::string arguments = commande + " " + longue.arg();
        if (commande == "test") arguments += " \"Teste point A sur (AB)\"";
        if (commande == "render") arguments += " -o /tmp/km32-cli-longue.png";
        const Resultat r = lance(arguments);
        EXPECT_EQ(r.statut, 1) << arguments << "\n" << r.sortie;
        EXPECT_TRUE(contient(r.sortie, "ligne 3")) << arguments << "\n" << r.sortie;
        EXPECT_TRUE(contient(r.sortie, "250 caract")) << arguments << "\n" << r.sortie;
    }
    std::remove("/tmp/km32-cli-longue.png");
}

// Files that are not figure texts are refused with a message, not run as
// far as they go: a NUL byte, an empty file, a file of blank lines.
TEST_F(Cli, FilesThatAreNotFigureTextsAreRefused) {
    struct Cas {
        std::string octets;
        std::string message;
    };
    const Cas cas[] = {
        {std::string("Figure Kalmetra\r\na = 1\r\n\0b = 2\r\n", 29), "NUL byte (line 3)"},
        {"", "empty"},
        {" \r\n\r\n\t\n", "empty"},
    };
    for (const Cas& c : cas) {
        const FichierEssai f("refus", c.octets);
        for (const char* commande : {"values", "text"}) {
            const Resultat r = lance(std::string(commande) + " " + f.arg());
            EXPECT_EQ(r.statut, 1) << commande << "\n" << r.sortie;
            EXPECT_TRUE(contient(r.sortie, c.message)) << commande << "\n" << r.sortie;
        }
    }
}

// A figure saved in UTF-16 is refused by the name of its encoding, with or
// without a byte-order mark, in either byte order, not as a file holding NUL
// bytes.
TEST_F(Cli, AFigureInUtf16IsRefusedByItsName) {
    const std::string texte = "Figure Kalmetra\r\na = 1\r\n";
    const auto utf16 = [&](bool grand, bool marque) {
        std::string octets = marque ? (grand ? "\xFE\xFF" : "\xFF\xFE") : "";
        for (char c : texte)
            octets += grand ? std::string{'\0', c} : std::string{c, '\0'};
        return octets;
    };
    struct Cas {
        std::string octets;
        std::string nom;
    };
    const Cas cas[] = {
        {utf16(false, true), "UTF-16 (little-endian, with a byte-order mark)"},
        {utf16(true, true), "UTF-16 (big-endian, with a byte-order mark)"},
        {utf16(false, false), "UTF-16 (little-endian, without a byte-order mark)"},
        {utf16(true, false), "UTF-16 (big-endian, without a byte-order mark)"},
    };
    for (const Cas& c : cas) {
        const FichierEssai f("utf16", c.octets);
        for (const char* commande : {"values", "render -o /tmp/km32-cli-utf16.png"}) {
            const Resultat r = lance(std::string(commande) + " " + f.arg());
            EXPECT_EQ(r.statut, 1) << c.nom << "\n" << r.sortie;
            EXPECT_TRUE(contient(r.sortie, "the file is written in " + c.nom)) << c.nom << "\n" << r.sortie;
            EXPECT_FALSE(contient(r.sortie, "NUL")) << c.nom << "\n" << r.sortie;
        }
    }
    EXPECT_FALSE(std::filesystem::exists("/tmp/km32-cli-utf16.png"));
}

// A failing line gets one report, the same on every command, km32 show
// included (here without a display, so on the error output alone): the
// file, the line, each message of the library, and last its own "incorrect
// text not applied.", all in the figure's language.
TEST_F(Cli, EveryCommandReportsAFailingLineInTheSameWords) {
    struct Cas {
        std::string figure;
        std::string fin; // the report's last line, after the file's name
    };
    const Cas cas[] = {
        {"Figure Kalmetra\r\na = 1\r\nM milieu du segment [AZ]\r\n",
         "ligne 3: texte incorrect non appliqu\xC3\xA9.\n"},
        {"Kalmetra figure (English)\r\na = 1\r\nM midpoint of segment [AZ]\r\n",
         "line 3: incorrect text not applied.\n"},
        {"Kalmetra Figur (Deutsch)\r\na = 1\r\nM Mittelpunkt der Strecke [AZ]\r\n",
         "Zeile 3: fehlerhafter Text nicht angewandt.\n"},
    };
    const std::string image = "/tmp/km32-cli-rapport-" + std::to_string(::getpid()) + ".png";
    for (const Cas& c : cas) {
        const FichierEssai f("rapport", c.figure);
        const Resultat valeurs = lance("values " + f.arg());
        EXPECT_EQ(valeurs.statut, 1) << valeurs.sortie;
        // Two messages of the library, then the closing line, each naming the file and the line.
        const std::string fin = "km32: " + f.nom + ": " + c.fin;
        ASSERT_GE(valeurs.sortie.size(), fin.size()) << valeurs.sortie;
        EXPECT_EQ(valeurs.sortie.substr(valeurs.sortie.size() - fin.size()), fin) << valeurs.sortie;
        EXPECT_EQ(std::count(valeurs.sortie.begin(), valeurs.sortie.end(), '\n'), 3) << valeurs.sortie;
        const std::string autres[] = {
            "text " + f.arg(),
            "test " + f.arg() + " \"Test: point A on (AB)\"",
            "render " + f.arg() + " -o '" + image + "'",
            "show " + f.arg(),
        };
        for (const std::string& arguments : autres) {
            const Resultat r = lanceCommande(std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + KM32_CLI +
                                             "' " + arguments + " 2>&1");
            EXPECT_EQ(r.statut, 1) << arguments << "\n" << r.sortie;
            EXPECT_EQ(r.sortie, valeurs.sortie) << arguments;
        }
        EXPECT_FALSE(std::filesystem::exists(image));
    }
}

// Each command has its help, asked in three ways that give the same text on
// the standard output: its usage first; render's says which angle is which.
TEST_F(Cli, EachCommandHasItsHelp) {
    const auto sortieSeule = [](const std::string& arguments) {
        return lanceCommande(std::string("'") + KM32_CLI + "' " + arguments + " 2>/dev/null");
    };
    for (const std::string commande : {"render", "values", "text", "test", "show"}) {
        const Resultat aide = sortieSeule("help " + commande);
        EXPECT_EQ(aide.statut, 0) << commande << "\n" << aide.sortie;
        EXPECT_EQ(aide.sortie.rfind("usage: km32 " + commande + " FIGURE.k3v", 0), 0u) << aide.sortie;
        for (const std::string& autre :
             {commande + " --help", commande + " -h", commande + " cube.k3v --help", "--help " + commande,
              "-h " + commande}) {
            const Resultat r = sortieSeule(autre);
            EXPECT_EQ(r.statut, 0) << autre << "\n" << r.sortie;
            EXPECT_EQ(r.sortie, aide.sortie) << autre;
        }
    }
    const std::string angles = lance("help render").sortie;
    EXPECT_TRUE(contient(angles, "A turns the figure about its vertical axis (z)")) << angles;
    EXPECT_TRUE(contient(angles, "B then tilts it about the picture's horizontal axis")) << angles;
    EXPECT_TRUE(contient(angles, "C then turns the picture in its own plane")) << angles;
    const Resultat inconnue = lance("help frobnicate");
    EXPECT_EQ(inconnue.statut, 2);
    EXPECT_TRUE(contient(inconnue.sortie, "unknown command 'frobnicate'")) << inconnue.sortie;
    EXPECT_EQ(lance("help render values").statut, 2);

    // The general help lists "help COMMAND": help is a command with its own
    // help, asked in the same ways; it reads no figure, so it says nothing
    // of one.
    EXPECT_TRUE(contient(sortieSeule("--help").sortie, "\n  help COMMAND ")) << sortieSeule("--help").sortie;
    const Resultat aideAide = sortieSeule("help help");
    EXPECT_EQ(aideAide.statut, 0) << aideAide.sortie;
    EXPECT_EQ(aideAide.sortie.rfind("usage: km32 help COMMAND\n", 0), 0u) << aideAide.sortie;
    EXPECT_FALSE(contient(aideAide.sortie, "FIGURE.k3v")) << aideAide.sortie;
    for (const char* autre : {"help --help", "help -h", "--help help", "-h help"}) {
        const Resultat r = sortieSeule(autre);
        EXPECT_EQ(r.statut, 0) << autre << "\n" << r.sortie;
        EXPECT_EQ(r.sortie, aideAide.sortie) << autre;
    }
    // Alone, help and --help give the general help.
    for (const char* seule : {"help", "--help", "-h"}) {
        const Resultat r = sortieSeule(seule);
        EXPECT_EQ(r.statut, 0) << seule;
        EXPECT_EQ(r.sortie.rfind("usage: km32 COMMAND", 0), 0u) << seule << "\n" << r.sortie;
    }
}

// The patterns that state a property (2318-2341) are French in the tables
// of all three languages, so they are written in French in every figure;
// the patterns that ask are in the figure's language. Three aligned points.
TEST_F(Cli, StatedPropertiesAreWrittenInFrenchInEveryLanguage) {
    struct Cas {
        std::string figure;
        std::string question; // a pattern that asks, in the figure's language
    };
    const Cas cas[] = {
        {"Figure Kalmetra\r\nA point de coordonn\xE9"
         "es (0,0,0) dans le rep\xE8"
         "re Rxyz\r\nB point de coordonn\xE9"
         "es (1,0,0) dans le rep\xE8"
         "re Rxyz\r\nC point de coordonn\xE9"
         "es (2,0,0) dans le rep\xE8"
         "re Rxyz\r\n",
         "Teste point C sur (AB)"},
        {"Kalmetra figure (English)\r\nA point with coordinates (0,0,0) in coordinate system Rxyz\r\n"
         "B point with coordinates (1,0,0) in coordinate system Rxyz\r\n"
         "C point with coordinates (2,0,0) in coordinate system Rxyz\r\n",
         "Test: point C on (AB)"},
        {"Kalmetra Figur (Deutsch)\r\nA Punkt mit den Koordinaten (0,0,0) im Koordinatensystem Rxyz\r\n"
         "B Punkt mit den Koordinaten (1,0,0) im Koordinatensystem Rxyz\r\n"
         "C Punkt mit den Koordinaten (2,0,0) im Koordinatensystem Rxyz\r\n",
         "Test: Punkt C auf (AB)"},
    };
    for (const Cas& c : cas) {
        const FichierEssai f("enonce", c.figure);
        for (const std::string& phrase : {c.question, std::string("Point C sur (AB)")}) {
            const Resultat r = lance("test " + f.arg() + " \"" + phrase + "\"");
            EXPECT_EQ(r.statut, 0) << phrase << "\n" << r.sortie;
            EXPECT_EQ(r.sortie.rfind("0 ", 0), 0u) << phrase << "\n" << r.sortie;
        }
    }
    // The same statement in English is no test sentence, even in an English figure.
    const FichierEssai anglais("enonce-en", cas[1].figure);
    const Resultat r = lance("test " + anglais.arg() + " \"Point C on (AB)\"");
    EXPECT_EQ(r.statut, 1) << r.sortie;
    EXPECT_TRUE(contient(r.sortie, "50 not a test sentence")) << r.sortie;
}

// A UTF-8 file holding a character that Windows-1252 lacks is refused by
// every command that reads a figure, with the line and the character named;
// before, the character reached the library as '?' with no word, and the
// text written back had lost it. A file whose characters all have a
// Windows-1252 form still runs.
TEST_F(Cli, AFileWithACharacterTheLibraryCannotHoldIsRefusedWithItsLine) {
    const FichierEssai perdu(
        "perdu", "Figure Kalmetra\r\nA point de coordonn\xC3\xA9"
                 "es (0,0,0) dans le rep\xC3\xA8re Rxyz\r\nB point de coordonn\xC3\xA9"
                 "es (1,0,0) dans le rep\xC3\xA8re Rxyz\r\nt affichage du texte: \xCF\x80 \xE2\x88\x9A"
                 "2\r\n");
    const FichierEssai garde(
        "garde", "Figure Kalmetra\r\nA point de coordonn\xC3\xA9"
                 "es (0,0,0) dans le rep\xC3\xA8re Rxyz\r\nB point de coordonn\xC3\xA9"
                 "es (1,0,0) dans le rep\xC3\xA8re Rxyz\r\nt affichage du texte: \xE2\x82\xAC \xC3\xA9\r\n");
    const std::string image = "/tmp/km32-cli-perdu.png";
    for (const std::string& commande : {std::string("values"), std::string("text"), "render -o " + image,
                                        std::string("show"), std::string("test")}) {
        SCOPED_TRACE(commande);
        const std::string suite = commande == "test" ? " \"Point A sur (AB)\"" : "";
        const Resultat r = lance(commande + " " + perdu.arg() + suite);
        EXPECT_EQ(r.statut, 1) << r.sortie;
        EXPECT_TRUE(contient(r.sortie, "line 4: the character '\xCF\x80' has no Windows-1252 form"))
            << r.sortie;
        if (commande == "show") continue; // needs a display to run at all
        const Resultat bon = lance(commande + " " + garde.arg() + suite);
        EXPECT_EQ(bon.statut, 0) << bon.sortie;
    }
}

// "-" reads the figure from standard input.
TEST_F(Cli, AFigureFromStandardInput) {
    const Resultat r =
        lance("values - < " + FichierEssai("entree", "Figure Kalmetra\r\na = 2\r\nb = a*a\r\n").arg());
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_EQ(r.sortie, "a = 2\nb = 4\n");
}

// The library's messages and the host's own words are in the figure's
// language, each message with the number of its line; a caption that ends
// with a full stop leads its text without it ("Phrase incorrecte: ...").
TEST_F(Cli, OneCommandSpeaksTheFiguresLanguage) {
    struct Cas {
        std::string figure;
        std::string dansLaSortie;
        std::string pasDansLaSortie;
    };
    const Cas cas[] = {
        {"Kalmetra figure (English)\r\na = 1\r\nM midpoint of segment [AZ]\r\n",
         "line 3: Wrong phrase: M midpoint of segment [AZ]", "ligne"},
        {"Kalmetra Figur (Deutsch)\r\na = 1\r\nM Mittelpunkt der Strecke [AZ]\r\n",
         "Zeile 3: Ung\xC3\xBCltiger Satz: M Mittelpunkt der Strecke [AZ]", "line"},
        {"Figure Kalmetra\r\na = 1\r\nM milieu du segment [AZ]\r\n",
         "ligne 3: Phrase incorrecte: M milieu du segment [AZ]", "line"},
    };
    for (const Cas& c : cas) {
        const FichierEssai f("langue", c.figure);
        for (const char* commande : {"values ", "text "}) {
            const Resultat r = lance(commande + f.arg() + (commande[0] == 'v' ? " a Q" : ""));
            EXPECT_EQ(r.statut, 1) << r.sortie;
            EXPECT_TRUE(contient(r.sortie, c.dansLaSortie)) << r.sortie;
            EXPECT_FALSE(contient(r.sortie, c.pasDansLaSortie)) << r.sortie;
            EXPECT_FALSE(contient(r.sortie, ".:")) << r.sortie;
        }
    }
}

// Control characters of a figure reach the terminal written out, never raw:
// in the text written back and in the messages.
TEST_F(Cli, ControlCharactersNeverReachTheTerminalRaw) {
    const FichierEssai bon("controle", "Figure Kalmetra\r\n% \x1B[2J un \x81"
                                       "remarque\r\na = 1\r\n");
    const Resultat r = lance("text " + bon.arg());
    EXPECT_EQ(r.statut, 0) << r.sortie;
    const FichierEssai fautif("controle2", "Figure Kalmetra\r\nM milieu du segment [A\x1B]\r\n");
    const Resultat m = lance("text " + fautif.arg());
    EXPECT_EQ(m.statut, 1) << m.sortie;
    for (const std::string& sortie : {r.sortie, m.sortie}) {
        EXPECT_FALSE(contient(sortie, "\x1B")) << sortie;
        EXPECT_FALSE(contient(sortie, "\xC2\x81")) << sortie;
    }
    EXPECT_TRUE(contient(r.sortie, "\\x1B[2J")) << r.sortie;
    EXPECT_TRUE(contient(r.sortie, "\\u0081")) << r.sortie;
    EXPECT_TRUE(contient(m.sortie, "[A\\x1B]")) << m.sortie;
}

// With --seed, free objects land in the same place on every run; the seed
// decides where.
TEST_F(Cli, ASeedMakesTheFreeObjectsReproducible) {
    const FichierEssai f("graine", "Figure Kalmetra\r\nA point libre dans l'espace\r\n"
                                   "x abscisse du point A (rep\xE8re Rxyz)\r\n");
    const Resultat a = lance("values " + f.arg() + " --seed 7");
    const Resultat b = lance("--seed 7 values " + f.arg());
    const Resultat c = lance("values " + f.arg() + " --seed 8");
    EXPECT_EQ(a.statut, 0) << a.sortie;
    EXPECT_TRUE(contient(a.sortie, "x = ")) << a.sortie;
    EXPECT_EQ(a.sortie, b.sortie);
    EXPECT_NE(a.sortie, c.sortie);
    const Resultat t1 = lance("text " + f.arg() + " --seed 7");
    EXPECT_EQ(t1.sortie, lance("text " + f.arg() + " --seed 7").sortie);
    for (const char* faux : {"--seed", "--seed -1", "--seed 12x", "--seed 99999999999999999999"}) {
        const Resultat r = lance("values " + f.arg() + " " + faux);
        EXPECT_EQ(r.statut, 2) << faux << "\n" << r.sortie;
    }
}

std::string litFichierEntier(const std::string& chemin) {
    std::FILE* f = std::fopen(chemin.c_str(), "rb");
    std::string texte;
    if (!f) return texte;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        texte.append(tampon, n);
    std::fclose(f);
    return texte;
}

std::string litFichierDuDepot(const std::string& chemin) {
    return litFichierEntier(std::string(KM32_EXAMPLES) + "/../" + chemin);
}

// Width and height of a PNG image, from its header.
std::pair<uint32_t, uint32_t> taillePng(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    auto mot = [&](std::size_t i) {
        return uint32_t(uint8_t(png[i])) << 24 | uint32_t(uint8_t(png[i + 1])) << 16 |
               uint32_t(uint8_t(png[i + 2])) << 8 | uint32_t(uint8_t(png[i + 3]));
    };
    return {mot(16), mot(20)};
}

// The README's picture is there, and its command, run from the repository
// with the binary, makes a picture of the same size.
TEST_F(Cli, TheReadmePictureComesFromItsCommand) {
    const std::string readme = litFichierDuDepot("README.md");
    const std::string commande =
        "scripts/km32 render examples/cube_prime.k3v -o docs/cube_prime.png --size 640x480";
    ASSERT_NE(readme.find(commande), std::string::npos);
    ASSERT_NE(readme.find("](docs/cube_prime.png)"), std::string::npos);
    EXPECT_EQ(taillePng(litFichierDuDepot("docs/cube_prime.png")), (std::pair<uint32_t, uint32_t>{640, 480}));
    const std::string sortie = "/tmp/km32-cli-readme-" + std::to_string(::getpid()) + ".png";
    const Resultat r =
        lance("render '" + std::string(KM32_EXAMPLES) + "/cube_prime.k3v' -o " + sortie + " --size 640x480");
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_EQ(taillePng(litFichierEntier(sortie)), (std::pair<uint32_t, uint32_t>{640, 480}));
    std::remove(sortie.c_str());
}

// The figure the README shows as its example of writing a figure runs, and
// gives the length of its segment.
TEST_F(Cli, TheReadmeFigureRuns) {
    const std::string readme = litFichierDuDepot("README.md");
    ASSERT_FALSE(readme.empty());
    const std::size_t debut = readme.find("```\nKalmetra figure (English)\n");
    ASSERT_NE(debut, std::string::npos);
    const std::size_t fin = readme.find("```", debut + 4);
    ASSERT_NE(fin, std::string::npos);
    const FichierEssai figure("readme", readme.substr(debut + 4, fin - debut - 4));
    const Resultat r = lance("values " + figure.arg() + " d");
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_EQ(r.sortie, "d = 4\n");
}

// The free point the README proposes to add to a copy of the tetrahedron,
// to have something to drag, is a line the figure runs: the point stays on
// the edge [CD] wherever the seed puts it.
TEST_F(Cli, TheReadmeFreePointRunsOnTheTetrahedron) {
    const std::string readme = litFichierDuDepot("README.md");
    const std::string ligne = "P free point on segment [CD]";
    ASSERT_NE(readme.find("`" + ligne + "` at the end of a copy of `examples/tetrahedron.k3v`"),
              std::string::npos);
    const FichierEssai figure("libre", litFichierDuDepot("examples/tetrahedron.k3v") + ligne + "\r\n");
    for (const char* graine : {"1", "2"}) {
        const Resultat r = lance("test " + figure.arg() + " \"Test: point P on [CD]\" --seed " + graine);
        EXPECT_EQ(r.statut, 0) << r.sortie;
        EXPECT_EQ(r.sortie, "0 true\n");
    }
}

// Each property test the README shows on an example ("km32 test
// examples/F.k3v "SENTENCE"   # ANSWER") gives the answer it shows: the
// orthogonal opposite edges of the regular tetrahedron, and a midpoint of
// one edge that is not on the opposite one.
TEST_F(Cli, TheReadmeTestSentencesGiveTheirAnswers) {
    const std::string readme = litFichierDuDepot("README.md");
    const std::string debut = "km32 test examples/";
    int vues = 0;
    for (std::size_t p = readme.find(debut); p != std::string::npos; p = readme.find(debut, p + 1)) {
        const std::string ligne = readme.substr(p, readme.find('\n', p) - p);
        const std::size_t diese = ligne.rfind("# ");
        ASSERT_NE(diese, std::string::npos) << ligne;
        std::string commande = ligne.substr(0, diese);
        commande.erase(commande.find_last_not_of(' ') + 1);
        const std::string reponse = ligne.substr(diese + 2);
        const std::string arguments = commande.substr(debut.size());
        const Resultat r =
            lance("test '" + std::string(KM32_EXAMPLES) + "/" + arguments.substr(0, arguments.find(' ')) +
                  "'" + arguments.substr(arguments.find(' ')));
        EXPECT_EQ(r.sortie, reponse + "\n") << ligne;
        ++vues;
    }
    EXPECT_GE(vues, 2);
}

// Runs the host with its standard output sent to a file (a full device) and
// its error output read: status and messages.
Resultat lanceSortieVers(const std::string& arguments, const std::string& sortie) {
    return lanceCommande(std::string("'") + KM32_CLI + "' " + arguments + " 2>&1 >'" + sortie + "'");
}

// km32 show without a display says so in the figure's language and fails.
TEST(CliSansAffichage, ShowWithoutADisplaySaysSoInTheFiguresLanguage) {
    struct Cas {
        const char* exemple;
        const char* message;
    };
    for (const Cas& c :
         {Cas{"cube.k3v", "aucune fen\xC3\xAAtre ne peut"}, Cas{"tetrahedron.k3v", "no window can be shown"},
          Cas{"kugel.k3v", "kein Fenster kann gezeigt werden"}}) {
        const Resultat r = lanceCommande(std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + KM32_CLI +
                                         "' show '" + KM32_EXAMPLES + "/" + c.exemple + "' 2>&1");
        EXPECT_EQ(r.statut, 1) << c.exemple << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(std::string("km32: show: ") + c.message), std::string::npos) << r.sortie;
    }
}

// A figure in English, so that the host's words and the reasons are English.
class CliEcritures : public ::testing::Test {
  protected:
    void SetUp() override {
        dossier = "/tmp/km32-cli-ecritures-" + std::to_string(::getpid());
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
        figure = dossier + "/tetra.k3v";
        std::FILE* f = std::fopen(figure.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("Kalmetra figure (English)\r\n"
                   "A point with coordinates (0,0,0) in coordinate system Rxyz\r\n"
                   "B point with coordinates (4,0,0) in coordinate system Rxyz\r\n"
                   "d = AB\r\n",
                   f);
        std::fclose(f);
    }
    void TearDown() override { std::filesystem::remove_all(dossier); }
    std::string dossier, figure;
};

// A picture that cannot be written fails in every format, with the system's
// reason: a full disk (a link to the full device), a missing folder.
TEST_F(CliEcritures, APictureThatCannotBeWrittenFailsWithTheSystemsReason) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    struct Cas {
        std::string sortie;
        std::string raison;
    };
    std::vector<Cas> cas;
    for (const char* extension : {".png", ".svg", ".pdf", ".PDF"}) {
        const std::string lien = dossier + "/plein" + extension;
        std::filesystem::create_symlink("/dev/full", lien);
        cas.push_back({lien, "no space left on the disk"});
        cas.push_back({dossier + "/absent/x" + extension, "the folder does not exist"});
    }
    for (const Cas& c : cas) {
        const Resultat r = lance("render '" + figure + "' -o '" + c.sortie + "'");
        EXPECT_EQ(r.statut, 1) << c.sortie << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find("cannot write the picture '" + c.sortie + "': " + c.raison),
                  std::string::npos)
            << c.sortie << "\n"
            << r.sortie;
    }
}

// The signal a write past the limit on a file's size sends (SIGXFSZ) at its
// default disposition, which ends the program, while the object lives: the
// programs this test starts inherit it, whatever the test runner set.
struct SignalTailleParDefaut {
    struct sigaction avant {};
    SignalTailleParDefaut() {
        struct sigaction defaut {};
        defaut.sa_handler = SIG_DFL;
        sigemptyset(&defaut.sa_mask);
        ::sigaction(SIGXFSZ, &defaut, &avant);
    }
    ~SignalTailleParDefaut() { ::sigaction(SIGXFSZ, &avant, nullptr); }
};

// Runs a shell command line under a plain limit on a file's size (ulimit -f,
// in blocks of 1024 bytes), as a user would: nothing but the limit is set.
Resultat lanceSousLimite(int blocs, const std::string& commande) {
    return lanceCommande("bash -c \"ulimit -f " + std::to_string(blocs) + "; exec " + commande + "\"");
}

// A program that writes past the limit is ended by the signal (the shell
// tells 128 + its number, or the end by a signal): the runs of km32 below
// are under the same conditions, so they show that km32 itself does not let
// the signal end it.
void verifieQueLeSignalTermine(const std::string& dossier) {
    // (The shell's own word on the end by a signal goes to /dev/null.)
    const Resultat temoin = lanceCommande("bash -c \"ulimit -f 4; exec head -c 100000 /dev/zero > '" +
                                          dossier + "/temoin'\" 2>/dev/null");
    EXPECT_TRUE(temoin.statut == -1 || temoin.statut == 128 + SIGXFSZ) << temoin.statut;
    std::filesystem::remove(dossier + "/temoin");
}

// A picture is written whole or not at all. With the size of a file limited
// below the picture's by a plain ulimit -f, each format fails with status 1
// and the system's reason, as any other write that fails: an existing
// picture keeps its bytes, a new name leaves no file, and no temporary file
// (hidden or not) stays in the folder. Without the limit the same pictures
// are written, larger than it.
TEST_F(CliEcritures, APictureThatCannotBeWrittenWholeLeavesTheOldOneAndNoNewFile) {
    const SignalTailleParDefaut signal;
    verifieQueLeSignalTermine(dossier);
    const std::string cube = std::string(KM32_EXAMPLES) + "/cube_prime.k3v";
    const std::string ancien = "the old picture, kept byte for byte";
    for (const char* extension : {".png", ".svg", ".pdf"}) {
        const std::string image = dossier + "/image" + extension;
        const std::string commande =
            "'" + std::string(KM32_CLI) + "' render '" + cube + "' -o '" + image + "' --size 1600x1200 2>&1";
        ASSERT_EQ(lanceCommande(commande).statut, 0) << image;
        ASSERT_GT(std::filesystem::file_size(image), 8192u) << image << ": smaller than the limit";
        for (const bool existe : {true, false}) {
            std::filesystem::remove(image);
            if (existe) {
                std::FILE* f = std::fopen(image.c_str(), "wb");
                ASSERT_NE(f, nullptr);
                std::fputs(ancien.c_str(), f);
                std::fclose(f);
            }
            const Resultat r = lanceSousLimite(4, commande);
            EXPECT_EQ(r.statut, 1) << image << "\n" << r.sortie;
            // The figure is in French: the host's words and the reason are too.
            EXPECT_TRUE(contient(r.sortie, "km32: render: impossible d'\xC3\xA9"
                                           "crire l'image '" +
                                               image +
                                               "': le fichier d\xC3\xA9passerait la taille maximale que le "
                                               "syst\xC3\xA8me permet\n"))
                << r.sortie;
            std::vector<std::string> restes;
            for (const auto& e : std::filesystem::directory_iterator(dossier))
                restes.push_back(e.path().filename().string());
            std::sort(restes.begin(), restes.end());
            if (existe) {
                EXPECT_EQ(km32::essais::contenuFichier(image), ancien) << image;
                EXPECT_EQ(restes, (std::vector<std::string>{std::string("image") + extension, "tetra.k3v"}))
                    << image;
            } else {
                EXPECT_EQ(restes, std::vector<std::string>{"tetra.k3v"}) << image;
            }
        }
        std::filesystem::remove(image);
    }
}

// A result that does not reach standard output is a failure, said on the
// error output; the same commands succeed on a writable output.
TEST_F(CliEcritures, AResultThatCannotBeWrittenFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    const std::string commandes[] = {"text '" + figure + "'",
                                     "values '" + figure + "'",
                                     "values '" + figure + "' d",
                                     "test '" + figure + "' \"Test: point A on (AB)\"",
                                     "--version",
                                     "--help"};
    for (const std::string& c : commandes) {
        const Resultat plein = lanceSortieVers(c, "/dev/full");
        EXPECT_EQ(plein.statut, 1) << c << "\n" << plein.sortie;
        EXPECT_NE(plein.sortie.find("km32: cannot write the standard output: no space left on the disk"),
                  std::string::npos)
            << c << "\n"
            << plein.sortie;
        const Resultat normal = lanceSortieVers(c, "/dev/null");
        EXPECT_EQ(normal.statut, 0) << c << "\n" << normal.sortie;
        EXPECT_EQ(normal.sortie, "") << c;
    }
}

// A result sent to a file past the limit on a file's size (a plain ulimit -f)
// fails as on a full disk: the reason on the error output, status 1; the
// helps, printed before any figure is read, in English too. Under a limit
// above it the same result is written whole.
TEST_F(CliEcritures, AResultPastTheFileSizeLimitFails) {
    const SignalTailleParDefaut signal;
    verifieQueLeSignalTermine(dossier);
    std::string texte = "Kalmetra figure (English)\r\n";
    for (int k = 0; k < 200; ++k)
        texte += "a" + std::to_string(k) + " = " + std::to_string(1000 + k) + "\r\n";
    const std::string grande = dossier + "/grande.k3v", sortie = dossier + "/sortie.txt";
    {
        std::FILE* f = std::fopen(grande.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs(texte.c_str(), f);
        std::fclose(f);
    }
    for (const std::string& c : {"text '" + grande + "'", "values '" + grande + "'", std::string("--help"),
                                 std::string("help render")}) {
        SCOPED_TRACE(c);
        const std::string commande = "'" + std::string(KM32_CLI) + "' " + c + " 2>&1 >'" + sortie + "'";
        const Resultat r = lanceSousLimite(1, commande);
        EXPECT_EQ(r.statut, 1) << r.sortie;
        EXPECT_EQ(r.sortie, "km32: cannot write the standard output: the file would pass the largest size "
                            "the system allows\n");
        const Resultat entier = lanceSousLimite(64, commande);
        EXPECT_EQ(entier.statut, 0) << entier.sortie;
        EXPECT_EQ(entier.sortie, "");
        EXPECT_GT(std::filesystem::file_size(sortie), 1024u);
    }
}

// The options of render stand before or after the figure; anything else
// that is not the figure is a usage error (status 2 and the usage), and so
// is a printed width for a PNG image, whose pixels it cannot change.
TEST_F(CliEcritures, RenderTakesItsOptionsAnywhere) {
    const std::string png = dossier + "/a.png", svg = dossier + "/a.svg";
    struct Cas {
        std::string arguments;
        std::string fichier; // written on success
        int statut;
        std::string message;
        bool usage = false; // the usage follows the message
    };
    const Cas cas[] = {
        {"render -o '" + png + "' '" + figure + "'", png, 0, ""},
        {"render --size 200x100 -o '" + svg + "' '" + figure + "' --page-width 50", svg, 0, ""},
        {"render -o '" + png + "' '" + figure + "' autre.k3v", "", 2, "unexpected argument 'autre.k3v'",
         true},
        {"render --bogus '" + figure + "' -o '" + png + "'", "", 2, "unknown option '--bogus'", true},
        {"render '" + figure + "' -o", "", 2, "-o wants a value", true},
        {"render -o '" + png + "'", "", 2, "a figure file is needed", true},
        {"render '" + figure + "' -o '" + png + "' --page-width 100", "", 2, "does not apply to a PNG image",
         true},
        {"render --page-width 100 -o '" + dossier + "/a.PNG' '" + figure + "'", "", 2,
         "does not apply to a PNG image", true},
    };
    for (const Cas& c : cas) {
        std::filesystem::remove(png);
        std::filesystem::remove(svg);
        const Resultat r = lance(c.arguments);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        if (c.statut == 0) {
            EXPECT_EQ(r.sortie, "") << c.arguments;
            EXPECT_GT(std::filesystem::file_size(c.fichier), 100u) << c.arguments;
        } else {
            EXPECT_NE(r.sortie.find(c.message), std::string::npos) << c.arguments << "\n" << r.sortie;
            EXPECT_FALSE(std::filesystem::exists(png)) << c.arguments;
        }
        EXPECT_EQ(r.sortie.find("usage: km32") != std::string::npos, c.usage) << c.arguments << "\n"
                                                                              << r.sortie;
    }
}

// The figure text of texte_noms_allonges.h: every line reads, but with
// names of four letters the line of r0 would pass the reader's 250
// characters in any form, so `text` prints nothing and fails naming the
// line. With three letters the line fits, and the text printed reads back
// to itself.
TEST_F(Cli, TextPrintsNoLineItsReaderWouldRefuse) {
    const std::string sortie = "/tmp/km32-cli-texte-" + std::to_string(::getpid()) + ".txt";
    const FichierEssai longs("noms-longs", km32::essais::texteAuxNomsAllonges(4));
    const Resultat refuse = lanceSortieVers("text " + longs.arg(), sortie);
    EXPECT_EQ(refuse.statut, 1) << refuse.sortie;
    EXPECT_TRUE(contient(refuse.sortie, "plus de 250 caract")) << refuse.sortie;
    EXPECT_TRUE(contient(refuse.sortie, "rien n'est")) << refuse.sortie;
    std::FILE* f = std::fopen(sortie.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), EOF) << "something was printed";
    std::fclose(f);
    std::remove(sortie.c_str());

    const FichierEssai courts("noms-courts", km32::essais::texteAuxNomsAllonges(3));
    const Resultat ecrit = lance("text " + courts.arg());
    ASSERT_EQ(ecrit.statut, 0) << ecrit.sortie;
    const FichierEssai relu("noms-courts-relu", ecrit.sortie);
    const Resultat encore = lance("text " + relu.arg());
    EXPECT_EQ(encore.statut, 0) << encore.sortie;
    EXPECT_EQ(encore.sortie, ecrit.sortie);
}

// A start line whose count reads a number set to 0 by a later line of the
// file stops the reading at that start line: nothing is printed and the
// line is named with its number; the same figure whose command
// was only renamed, or deleted (the start line goes with it), is printed,
// and its text reads back.
TEST_F(Cli, TextPrintsNothingThatWouldNotReadBack) {
    const std::string debut = "Figure Kalmetra\r\nP point libre dans l'espace\r\n"
                              "K (touche k) position m\xE9moris\xE9"
                              "e de P\r\n"
                              "nb = 3\r\n"
                              "D\xE9marrer en ex\xE9"
                              "cutant  nb fois les commandes K\r\n";
    const std::string sortie = "/tmp/km32-cli-relu-" + std::to_string(::getpid()) + ".txt";
    const FichierEssai zero("compte-nul", debut + "nb = 0\r\n");
    const Resultat refuse = lanceSortieVers("text " + zero.arg(), sortie);
    EXPECT_EQ(refuse.statut, 1) << refuse.sortie;
    EXPECT_TRUE(contient(refuse.sortie, "ligne 5:")) << refuse.sortie;
    EXPECT_TRUE(contient(refuse.sortie, "nb fois les commandes K")) << refuse.sortie;
    std::FILE* f = std::fopen(sortie.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), EOF) << "something was printed";
    std::fclose(f);
    std::remove(sortie.c_str());

    const FichierEssai supprime("commande-supprimee", debut + "Supprimer K\r\n");
    const Resultat sans = lance("text " + supprime.arg());
    ASSERT_EQ(sans.statut, 0) << sans.sortie;
    EXPECT_FALSE(contient(sans.sortie, "fois les commandes")) << sans.sortie;
    EXPECT_TRUE(contient(sans.sortie, "nb = 3")) << sans.sortie;
    const FichierEssai sansRelu("commande-supprimee-relu", sans.sortie);
    const Resultat sansEncore = lance("text " + sansRelu.arg());
    EXPECT_EQ(sansEncore.statut, 0) << sansEncore.sortie;
    EXPECT_EQ(sansEncore.sortie, sans.sortie);

    const FichierEssai renomme("commande-renommee", debut + "Renommer K: K123\r\n");
    const Resultat ecrit = lance("text " + renomme.arg());
    ASSERT_EQ(ecrit.statut, 0) << ecrit.sortie;
    EXPECT_TRUE(contient(ecrit.sortie, "nb fois les commandes K123")) << ecrit.sortie;
    const FichierEssai relu("commande-renommee-relu", ecrit.sortie);
    const Resultat encore = lance("text " + relu.arg());
    EXPECT_EQ(encore.statut, 0) << encore.sortie;
    EXPECT_EQ(encore.sortie, ecrit.sortie);
}

// A stored file whose axes bear the names French textbooks give them opens
// and prints: the rename line, and the line that names a renamed axis, read
// back the same.
TEST_F(Cli, TextReadsAFileWhoseAxesBearTheirTextbookNames) {
    const FichierEssai axes("axes-renommes", "Figure Kalmetra\r\nRenommer ox oy oz: Ox Oy Oz\r\n"
                                             "A point de coordonn\xE9"
                                             "es (1,2,3) dans le rep\xE8re Rxyz\r\n"
                                             "P projet\xE9 orthogonal de A sur la droite Oy\r\n");
    const Resultat ecrit = lance("text " + axes.arg());
    ASSERT_EQ(ecrit.statut, 0) << ecrit.sortie;
    EXPECT_TRUE(contient(ecrit.sortie, "Renommer ox oy oz: Ox Oy Oz")) << ecrit.sortie;
    EXPECT_TRUE(contient(ecrit.sortie, "sur la droite Oy")) << ecrit.sortie;
    const FichierEssai relu("axes-renommes-relu", ecrit.sortie);
    const Resultat encore = lance("text " + relu.arg());
    EXPECT_EQ(encore.statut, 0) << encore.sortie;
    EXPECT_EQ(encore.sortie, ecrit.sortie);
}

} // namespace
