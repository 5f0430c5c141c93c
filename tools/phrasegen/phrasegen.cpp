// Build-time compiler of the phrase tables.
//
//   phrasegen DATA_DIR OUTPUT.cpp
//
// Reads DATA_DIR/{fr,en,de}.tsv and DATA_DIR/{fr,en,de}_ours.tsv (a missing
// file has no rows). Each line is "number<TAB>text" in UTF-8; blank lines and
// lines starting with '#' are skipped. In a text, "\r" stands for a line break
// (character 13) and "\\" for one backslash; any other backslash is an error.
// Texts are converted to Windows-1252; a character without a Windows-1252 form,
// a number outside 1..10000, a number given twice in one language and a text
// longer than 255 bytes stop the build with a message naming file and line.
// The output defines the three sorted tables declared in phrases/table_phrases.h.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Erreur : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Unicode code points of Windows-1252 bytes 0x80..0x9F (0: byte unassigned).
constexpr uint32_t kHaut[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point; false when it has none.
bool octetWindows1252(uint32_t cp, unsigned char& octet) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        octet = static_cast<unsigned char>(cp);
        return true;
    }
    for (unsigned i = 0; i < 32; ++i)
        if (kHaut[i] != 0 && kHaut[i] == cp) {
            octet = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

std::string windows1252(const std::string& utf8) {
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > utf8.size()) throw Erreur("invalid UTF-8");
        uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (std::size_t k = 1; k < n; ++k) {
            unsigned char d = utf8[i + k];
            if ((d >> 6) != 2) throw Erreur("invalid UTF-8");
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) throw Erreur("invalid UTF-8");
        unsigned char octet = 0;
        if (!octetWindows1252(cp, octet)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            throw Erreur(std::string("character ") + code + " has no Windows-1252 form");
        }
        if (octet < 32 && octet != '\t')
            throw Erreur("control character in a text (write a line break as \\r)");
        r += static_cast<char>(octet);
        i += n;
    }
    return r;
}

std::string desechappe(const std::string& texte) {
    std::string r;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\\') {
            r += texte[i];
            continue;
        }
        if (i + 1 >= texte.size()) throw Erreur("lone backslash at the end of a text");
        char suivant = texte[++i];
        if (suivant == 'r')
            r += '\r';
        else if (suivant == '\\')
            r += '\\';
        else
            throw Erreur(std::string("unknown escape \\") + suivant);
    }
    return r;
}

using Table = std::map<uint16_t, std::string>;

void litFichier(const std::string& chemin, Table& table) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return; // a missing file has no rows
    std::string ligne;
    int numeroLigne = 0;
    while (std::getline(f, ligne)) {
        ++numeroLigne;
        try {
            if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
            if (ligne.empty() || ligne[0] == '#') continue;
            std::size_t tab = ligne.find('\t');
            if (tab == std::string::npos) throw Erreur("no tab between number and text");
            std::string chiffres = ligne.substr(0, tab);
            if (chiffres.empty() || chiffres.size() > 5 ||
                chiffres.find_first_not_of("0123456789") != std::string::npos)
                throw Erreur("bad phrase number '" + chiffres + "'");
            unsigned long numero = std::stoul(chiffres);
            if (numero < 1 || numero > 10000) throw Erreur("phrase number outside 1..10000");
            std::string texte = desechappe(windows1252(ligne.substr(tab + 1)));
            if (texte.size() > 255) throw Erreur("text longer than 255 bytes");
            if (!table.emplace(static_cast<uint16_t>(numero), texte).second)
                throw Erreur("phrase " + std::to_string(numero) + " given twice");
        } catch (const Erreur& e) {
            throw Erreur(chemin + ":" + std::to_string(numeroLigne) + ": " + e.what());
        }
    }
}

// The text as a C++ string literal: printable ASCII as it is, every other
// byte as a three-digit octal escape (which no following digit can extend).
std::string litteral(const std::string& texte) {
    std::string r = "\"";
    for (unsigned char c : texte) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += static_cast<char>(c);
        } else if (c >= 32 && c < 127 && c != '?') {
            r += static_cast<char>(c);
        } else {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\%03o", c);
            r += esc;
        }
    }
    return r + "\"";
}

void ecritTable(std::ostream& out, const std::string& nomTableau, const std::string& nomTable,
                const Table& table) {
    if (table.empty()) {
        out << "const TablePhrases " << nomTable << "{nullptr, 0};\n\n";
        return;
    }
    out << "const EntreePhrase " << nomTableau << "[] = {\n";
    for (const auto& [numero, texte] : table)
        out << "    {" << numero << ", " << texte.size() << ", " << litteral(texte) << "},\n";
    out << "};\n";
    out << "const TablePhrases " << nomTable << "{" << nomTableau << ", " << table.size() << "};\n\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: phrasegen DATA_DIR OUTPUT.cpp\n";
        return 2;
    }
    const std::string dossier = argv[1];
    struct Langue {
        const char* code;
        const char* tableau;
        const char* table;
    };
    const Langue langues[] = {{"fr", "kPhrasesFrancaises", "tablePhrasesFrancaises"},
                              {"en", "kPhrasesAnglaises", "tablePhrasesAnglaises"},
                              {"de", "kPhrasesAllemandes", "tablePhrasesAllemandes"}};
    std::ostringstream out;
    out << "// Generated by phrasegen from data/phrases/: do not edit.\n"
        << "#include \"phrases/table_phrases.h\"\n\n"
        << "namespace km32 {\n\n";
    try {
        for (const Langue& l : langues) {
            Table table;
            litFichier(dossier + "/" + l.code + ".tsv", table);
            litFichier(dossier + "/" + l.code + "_ours.tsv", table);
            ecritTable(out, l.tableau, l.table, table);
        }
    } catch (const Erreur& e) {
        std::cerr << "phrasegen: " << e.what() << "\n";
        return 1;
    }
    out << "} // namespace km32\n";
    std::ofstream f(argv[2], std::ios::binary | std::ios::trunc);
    f << out.str();
    if (!f) {
        std::cerr << "phrasegen: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
