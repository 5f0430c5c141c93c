// Build-time generator of the construction catalogue.
//
// Reads data/constructions.tsv (one row per construction code) and writes:
//   - a header with the enum of construction codes (km32::construction::Code)
//     and the list of every code of the catalogue;
//   - a source with the catalogue table indexed by code and the reverse table
//     from pattern phrase to construction code.
//
// Columns of the data file, separated by TAB, after one header line:
//   code         construction code, 1 to 255, each once
//   identifiant  C++ name of the code in the enum (k followed by letters/digits)
//   phrase       number of the sentence pattern, 2000 to 2442
//   nature       kind of the object made, 1 to 34
//   valeurs      number of values the object reserves
//   parents      number of parents
//   expressions  number of parameter expressions
//   ensembles    blank-separated words, or "-":
//                  dessinable   the object is drawn
//                  libre        the object is free (with no prototype)
//                  variante     a second pattern sits at the phrase one below
//                  convexe      the object is a convex solid or polygon: it has
//                               a solid slot, hides what lies behind it when
//                               filled, and can limit the drawing of others
//                  sans_retour  the row's phrases belong to another row, which
//                               the reverse lookup gives instead
//   autres_phrases  comma-separated phrases that also lead to this code, or "-"
//   motif        the French pattern, for the reader and the enum's comments
//
// Any inconsistency (a code or name twice, a phrase claimed by two rows, a
// value out of range) stops the build with a message naming the line.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../commun/lecture_tsv.h"

namespace {

constexpr int kPremierePhrase = 2000;
constexpr int kDernierePhrase = 2442;

struct Ligne {
    int code = 0;
    std::string identifiant;
    int phrase = 0;
    int nature = 0;
    int valeurs = 0;
    int parents = 0;
    int expressions = 0;
    bool dessinable = false;
    bool libre = false;
    bool variante = false;
    bool sansRetour = false;
    bool convexe = false;
    std::vector<int> autresPhrases;
    std::string motif;
    int numeroLigne = 0;
};

int entier(const std::string& texte, int bas, int haut, const std::string& quoi, const std::string& fichier,
           int ligne) {
    if (texte.empty() || texte.find_first_not_of("0123456789") != std::string::npos)
        echec(fichier, ligne, quoi + " is not a number: '" + texte + "'");
    int n = std::stoi(texte);
    if (n < bas || n > haut)
        echec(fichier, ligne,
              quoi + " " + texte + " outside " + std::to_string(bas) + ".." + std::to_string(haut));
    return n;
}

bool identifiantValide(const std::string& nom) {
    if (nom.size() < 2 || nom[0] != 'k') return false;
    for (char c : nom)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

std::vector<Ligne> litCatalogue(const std::string& fichier) {
    std::ifstream entree(fichier);
    if (!entree) echec(fichier, 0, "cannot read");
    std::vector<Ligne> lignes;
    std::set<int> codes;
    std::set<std::string> noms;
    std::string texte;
    int numero = 0;
    while (std::getline(entree, texte)) {
        ++numero;
        if (!texte.empty() && texte.back() == '\r') texte.pop_back();
        if (numero == 1 || texte.empty()) continue; // header line, blank lines
        auto champs = decoupe(texte, '\t');
        if (champs.size() != 10)
            echec(fichier, numero, "expected 10 columns, found " + std::to_string(champs.size()));
        Ligne l;
        l.numeroLigne = numero;
        l.code = entier(champs[0], 1, 255, "code", fichier, numero);
        l.identifiant = champs[1];
        l.phrase = entier(champs[2], kPremierePhrase, kDernierePhrase, "phrase", fichier, numero);
        l.nature = entier(champs[3], 1, 34, "kind", fichier, numero);
        l.valeurs = entier(champs[4], 0, 255, "values", fichier, numero);
        l.parents = entier(champs[5], 0, 255, "parents", fichier, numero);
        l.expressions = entier(champs[6], 0, 255, "expressions", fichier, numero);
        if (champs[7] != "-") {
            for (const auto& mot : decoupe(champs[7], ' ')) {
                if (mot == "dessinable")
                    l.dessinable = true;
                else if (mot == "libre")
                    l.libre = true;
                else if (mot == "variante")
                    l.variante = true;
                else if (mot == "sans_retour")
                    l.sansRetour = true;
                else if (mot == "convexe")
                    l.convexe = true;
                else
                    echec(fichier, numero, "unknown set '" + mot + "'");
            }
        }
        if (champs[8] != "-")
            for (const auto& p : decoupe(champs[8], ','))
                l.autresPhrases.push_back(
                    entier(p, kPremierePhrase, kDernierePhrase, "further phrase", fichier, numero));
        l.motif = champs[9];
        if (!identifiantValide(l.identifiant))
            echec(fichier, numero, "bad identifier '" + l.identifiant + "'");
        if (!codes.insert(l.code).second) echec(fichier, numero, "code " + champs[0] + " given twice");
        if (!noms.insert(l.identifiant).second)
            echec(fichier, numero, "identifier " + l.identifiant + " given twice");
        if (l.variante && l.phrase - 1 < kPremierePhrase) echec(fichier, numero, "variant phrase below 2000");
        if (l.libre && l.code >= 208) echec(fichier, numero, "codes from 208 up are never free");
        lignes.push_back(l);
    }
    return lignes;
}

// phrase -> code, built from the rows; a phrase claimed twice is an error.
std::map<int, int> tableInverse(const std::vector<Ligne>& lignes, const std::string& fichier) {
    std::map<int, int> inverse;
    auto reclame = [&](int phrase, const Ligne& l) {
        auto [it, nouveau] = inverse.emplace(phrase, l.code);
        if (!nouveau)
            echec(fichier, l.numeroLigne,
                  "phrase " + std::to_string(phrase) + " already leads to code " +
                      std::to_string(it->second));
    };
    for (const auto& l : lignes) {
        if (l.sansRetour) continue;
        reclame(l.phrase, l);
        if (l.variante) reclame(l.phrase - 1, l);
        for (int p : l.autresPhrases)
            reclame(p, l);
    }
    for (const auto& l : lignes)
        if (l.sansRetour && (!inverse.count(l.phrase) || (l.variante && !inverse.count(l.phrase - 1))))
            echec(fichier, l.numeroLigne, "a row marked sans_retour must share its phrases with another row");
    return inverse;
}

void ecrisSiChange(const std::string& chemin, const std::string& contenu) {
    std::ifstream ancien(chemin, std::ios::binary);
    if (ancien) {
        std::stringstream lu;
        lu << ancien.rdbuf();
        if (lu.str() == contenu) return; // keep the time stamp: nothing to rebuild
    }
    std::ofstream sortie(chemin, std::ios::binary);
    sortie << contenu;
    if (!sortie) echec(chemin, 0, "cannot write");
}

std::string enTete(const std::vector<Ligne>& lignes) {
    std::ostringstream s;
    s << "#pragma once\n"
         "// Construction codes: generated by constructiongen from data/constructions.tsv.\n"
         "// Do not edit; change the data file instead.\n"
         "#include <cstdint>\n\n"
         "namespace km32::construction {\n\n"
         "enum Code : uint8_t {\n";
    for (const auto& l : lignes)
        s << "    " << l.identifiant << " = " << l.code << ", // " << l.motif << "\n";
    s << "};\n\n"
         "// Every code of the catalogue, in increasing order.\n"
         "inline constexpr int kNombreDeCodes = "
      << lignes.size() << ";\ninline constexpr uint8_t kCodes[kNombreDeCodes] = {";
    for (std::size_t i = 0; i < lignes.size(); ++i)
        s << (i % 16 == 0 ? "\n    " : " ") << lignes[i].code << ",";
    s << "\n};\n\n} // namespace km32::construction\n";
    return s.str();
}

std::string source(const std::vector<Ligne>& lignes, const std::map<int, int>& inverse) {
    std::ostringstream s;
    s << "// Catalogue tables: generated by constructiongen from data/constructions.tsv.\n"
         "// Do not edit; change the data file instead.\n"
         "#include \"model/constructions_table.h\"\n\n"
         "namespace km32 {\n\n"
         "const LigneCatalogue tableDesConstructions[256] = {\n";
    std::map<int, const Ligne*> parCode;
    for (const auto& l : lignes)
        parCode[l.code] = &l;
    for (int code = 0; code < 256; ++code) {
        auto it = parCode.find(code);
        if (it == parCode.end()) {
            s << "    {},\n";
            continue;
        }
        const Ligne& l = *it->second;
        s << "    {" << l.phrase << ", " << l.nature << ", " << l.valeurs << ", " << l.parents << ", "
          << l.expressions << ", kLignePresente";
        if (l.dessinable) s << " | kLigneDessinable";
        if (l.libre) s << " | kLigneLibre";
        if (l.variante) s << " | kLigneAVariante";
        if (l.convexe) s << " | kLigneConvexe";
        s << "}, // " << l.code << " " << l.identifiant << "\n";
    }
    s << "};\n\n"
         "const uint8_t constructionsDesPhrases[kNombreDePhrasesDeConstruction] = {";
    for (int p = kPremierePhrase; p <= kDernierePhrase; ++p) {
        auto it = inverse.find(p);
        s << ((p - kPremierePhrase) % 16 == 0 ? "\n    " : " ") << (it == inverse.end() ? 0 : it->second)
          << ",";
    }
    s << "\n};\n\n} // namespace km32\n";
    return s.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: constructiongen constructions.tsv codes.h table.cpp\n";
        return 2;
    }
    auto lignes = litCatalogue(argv[1]);
    auto inverse = tableInverse(lignes, argv[1]);
    // Rows come out in code order whatever the order of the file.
    std::sort(lignes.begin(), lignes.end(), [](const Ligne& a, const Ligne& b) { return a.code < b.code; });
    ecrisSiChange(argv[2], enTete(lignes));
    ecrisSiChange(argv[3], source(lignes, inverse));
    return 0;
}
