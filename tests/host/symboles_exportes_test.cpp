// The symbols the shared library exports, read with nm from the built
// library, against the version map and the public header: every function
// the header declares is defined, every name the map lists is defined, and
// the library exports nothing the header does not declare.
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "fichier_essai.h"

namespace {

std::set<std::string> symbolesDefinis() {
    std::set<std::string> noms;
    const std::string commande = std::string("nm -D --defined-only '") + KM32_BIBLIOTHEQUE + "'";
    FILE* tube = popen(commande.c_str(), "r");
    if (!tube) return noms;
    char ligne[512];
    while (std::fgets(ligne, sizeof ligne, tube)) {
        std::istringstream l(ligne);
        std::string adresse, type, nom;
        if (l >> adresse >> type >> nom && (type == "T" || type == "W")) noms.insert(nom);
    }
    pclose(tube);
    return noms;
}

std::set<std::string> fonctionsDeLEntete() {
    std::set<std::string> noms;
    const std::string entete = km32::essais::contenuFichier(KM32_ENTETE);
    const std::regex declaration(R"(^KM32_EXPORT[ \t]+[^;(\n]*?\b([A-Za-z_][A-Za-z0-9_]*)\s*\()",
                                 std::regex::multiline);
    for (std::sregex_iterator i(entete.begin(), entete.end(), declaration), fin; i != fin; ++i)
        noms.insert((*i)[1]);
    return noms;
}

// The names the map lists by name (not by pattern) in its global part.
std::set<std::string> nomsDeLaCarte() {
    std::set<std::string> noms;
    const std::string carte = km32::essais::contenuFichier(KM32_CARTE);
    const std::string globaux =
        carte.substr(carte.find("global:"), carte.find("local:") - carte.find("global:"));
    const std::regex nom(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*;)", std::regex::multiline);
    for (std::sregex_iterator i(globaux.begin(), globaux.end(), nom), fin; i != fin; ++i)
        noms.insert((*i)[1]);
    return noms;
}

TEST(SymbolesExportes, TheLibraryExportsExactlyTheHeadersFunctionsAndEveryNameOfTheMap) {
    const std::set<std::string> definis = symbolesDefinis();
    ASSERT_FALSE(definis.empty()) << "nm read nothing from " << KM32_BIBLIOTHEQUE;
    const std::set<std::string> entete = fonctionsDeLEntete();
    ASSERT_TRUE(entete.count("KMExecuterTexte"));
    for (const std::string& n : entete)
        EXPECT_TRUE(definis.count(n)) << n << " is declared in km32.h but not exported";
    for (const std::string& n : definis)
        EXPECT_TRUE(entete.count(n)) << n << " is exported but not declared in km32.h";
    const std::set<std::string> carte = nomsDeLaCarte();
    ASSERT_TRUE(carte.count("AppelAideKM32"));
    for (const std::string& n : carte)
        EXPECT_TRUE(definis.count(n)) << n << " is listed in the version map but not defined";
    for (const char* n : {"KMInstalleTexteFigureNouvelle", "AppelAideKM32", "KMInstalleAfficheurAide"})
        EXPECT_TRUE(definis.count(n)) << n;
}

} // namespace
