// The command-line host's test command, run as a program.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sortie {
    int statut = -1;
    std::string texte; // standard output, and the error output when asked
};

Sortie lance(const std::string& arguments, bool avecErreurs = false) {
    const std::string commande =
        std::string("'") + KM32_CLI + "' " + arguments + (avecErreurs ? " 2>&1" : " 2>/dev/null");
    Sortie s;
    std::FILE* p = ::popen(commande.c_str(), "r");
    if (!p) return s;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0)
        s.texte.append(tampon, n);
    const int etat = ::pclose(p);
    s.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return s;
}

TEST(CommandeTest, AnswersTheSentenceOnTheFigureFile) {
    const std::string fichier = "/tmp/km32-test-" + std::to_string(::getpid()) + ".k3v";
    {
        // UTF-8 on disk, as a user would write it.
        std::FILE* f = std::fopen(fichier.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("Figure Kalmetra\r\n"
                   "A point libre dans l'espace\r\n"
                   "B point libre dans l'espace\r\n"
                   "M milieu du segment [AB]\r\n"
                   "C point de coordonn\xC3\xA9"
                   "es (1,2,3) dans le rep\xC3\xA8re Rxyz\r\n"
                   "Fin de la figure\r\n",
                   f);
        std::fclose(f);
    }
    struct Cas {
        std::string phrase;
        int statut;
        std::string sortie;
    };
    const Cas cas[] = {
        // The answers are in the figure's language, French here; a sentence
        // that is not a test, or names no object of the figure, fails.
        {"Teste point M sur (AB)", 0, "0 vrai\n"},
        {"Teste point C sur (AB)", 0, "52 faux\n"},
        {"Teste parall\xC3\xA9lisme des droites (AM) et (MB)", 0, "0 vrai\n"},
        {"Teste point Q sur (AB)", 1, "51 un objet nomm\xC3\xA9 n'existe pas\n"},
        {"Les points A, B et M sont align\xC3\xA9s", 1,
         "50 pas une phrase de test, ou un argument d'une autre nature\n"},
    };
    for (const Cas& c : cas) {
        const Sortie s = lance("test '" + fichier + "' \"" + c.phrase + "\"");
        EXPECT_EQ(s.statut, c.statut) << c.phrase << "\n" << s.texte;
        EXPECT_EQ(s.texte, c.sortie) << c.phrase;
    }
    // The library's message for a sentence it does not know goes to the error output.
    const Sortie inconnue =
        lance("test '" + fichier + "' \"Les points A, B et M sont align\xC3\xA9s\"", true);
    EXPECT_NE(inconnue.texte.find("Les points A, B et M"), std::string::npos) << inconnue.texte;
    const Sortie sansPhrase = lance("test '" + fichier + "'", true);
    EXPECT_EQ(sansPhrase.statut, 2);
    EXPECT_NE(sansPhrase.texte.find("one sentence is needed"), std::string::npos);
    std::remove(fichier.c_str());
}

} // namespace
