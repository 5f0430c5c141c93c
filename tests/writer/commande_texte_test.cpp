// The command-line host's text command: the figure written back, in UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string lanceTexte(const std::string& fichier, int& statut) {
    const std::string commande = std::string("'") + KM32_CLI + "' text '" + fichier + "' 2>&1";
    std::string sortie;
    std::FILE* p = ::popen(commande.c_str(), "r");
    if (!p) return sortie;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0)
        sortie.append(tampon, n);
    const int s = ::pclose(p);
    statut = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return sortie;
}

TEST(CommandeTexte, PrintsTheFigureWrittenBackInUtf8) {
    const std::string fichier = "/tmp/km32-texte-" + std::to_string(::getpid()) + ".k3v";
    std::FILE* f = std::fopen(fichier.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    // A Windows-1252 file; the text comes back in UTF-8 with LF line ends.
    std::fputs("Figure Kalmetra\r\n"
               "A point de coordonn\xE9"
               "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
               "B point de coordonn\xE9"
               "es (4,0,0) dans le rep\xE8re Rxyz\r\n"
               "M milieu du segment [AB]\r\n"
               "Fin de la figure",
               f);
    std::fclose(f);
    int statut = -1;
    const std::string sortie = lanceTexte(fichier, statut);
    std::remove(fichier.c_str());
    EXPECT_EQ(statut, 0) << sortie;
    EXPECT_EQ(sortie.rfind("Figure Kalmetra\n", 0), 0u) << sortie;
    EXPECT_NE(sortie.find("\nA point de coordonn\xC3\xA9"
                          "es (0,0,0) dans le rep\xC3\xA8re Rxyz\n"),
              std::string::npos)
        << sortie;
    EXPECT_NE(sortie.find("\nM milieu du segment [AB]\n"), std::string::npos) << sortie;
    EXPECT_EQ(sortie.find('\r'), std::string::npos);
    EXPECT_NE(sortie.find("\nFin de la figure\n"), std::string::npos) << sortie;
}

} // namespace
