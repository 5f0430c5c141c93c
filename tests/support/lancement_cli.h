#pragma once
// The command-line host run as a program with the arguments given: its exit
// status (-1 when it did not exit normally) and its standard output and
// error together.
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace km32::essais {

struct Resultat {
    int statut;
    std::string sortie; // standard output and error together
};

// Runs a shell command line: its status and what it printed on its
// standard output.
inline Resultat lanceCommande(const std::string& commande) {
    Resultat r{-1, {}};
    std::FILE* p = ::popen(commande.c_str(), "r");
    if (!p) return r;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0)
        r.sortie.append(tampon, n);
    const int s = ::pclose(p);
    r.statut = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

inline Resultat lance(const std::string& arguments) {
    return lanceCommande(std::string("'") + KM32_CLI + "' " + arguments + " 2>&1");
}

} // namespace km32::essais
