// The command-line host, run as a program.
#include <cmath>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct Resultat {
    int statut;
    std::string sortie; // standard output and error together
};

Resultat lance(const std::string& arguments) {
    std::string commande = std::string("'") + KM32_CLI + "' " + arguments + " 2>&1";
    Resultat r{-1, {}};
    std::FILE* p = ::popen(commande.c_str(), "r");
    if (!p) return r;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0)
        r.sortie.append(tampon, n);
    int s = ::pclose(p);
    r.statut = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

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
        {"", 2, "usage: km32"},
        {"frobnicate", 2, "unknown command 'frobnicate'"},
        {"render", 2, "a figure file is needed"},
        {"render /nonexistent/cube.k3v -o x.png", 1, "cannot read the figure file '/nonexistent/cube.k3v'"},
        {"values /", 1, "cannot read the figure file '/'"},
        {"text '" + exemple + "'", 0, "A point libre dans l'espace"},
        {"test '" + exemple + "' \"Les points A, B et C sont align\xC3\xA9s\"", 0, "50 not a test sentence"},
    };
    for (const Cas& c : cas) {
        Resultat r = lance(c.arguments);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(c.dansLaSortie), std::string::npos) << c.arguments << "\n" << r.sortie;
    }
}

// A line of the figure that fails is printed with the library's message and
// the command fails; what ran before it is still written back.
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
    const Resultat rendu = lance("render '" + fautif + "' -o /tmp/km32-cli-fautif.png");
    EXPECT_EQ(rendu.statut, 1);
    EXPECT_NE(rendu.sortie.find("line 3"), std::string::npos) << rendu.sortie;
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
    EXPECT_NE(tous.sortie.find("P: undefined: Le plan est non valide"), std::string::npos) << tous.sortie;
    const Resultat un = lance("values '" + fichier + "' d");
    EXPECT_EQ(un.sortie, "d = 5\n");
    const Resultat absent = lance("values '" + fichier + "' Q");
    EXPECT_EQ(absent.statut, 1);
    EXPECT_NE(absent.sortie.find("no object named 'Q'"), std::string::npos) << absent.sortie;
    std::remove(fichier.c_str());
}

// The example figures, one per language, run whole; the tetrahedron's
// measures against closed forms for the edge a = 4: volume a^3 / (6 sqrt 2),
// area sqrt(3) a^2, distance of the midpoints of opposite edges a / sqrt 2.
TEST_F(Cli, TheExamplesRunInTheirLanguages) {
    const std::string dossier = std::string(KM32_EXAMPLES) + "/";
    for (const char* nom : {"cube.k3v", "tetrahedron.k3v", "kugel.k3v"}) {
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

TEST_F(Cli, VersionIsTheOnlyLine) {
    EXPECT_EQ(lance("--version").sortie, "km32 1.3.3.0\n");
}

} // namespace
