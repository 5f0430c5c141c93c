#include "text/renommage_lignes.h"

#include <string_view>

#include "text/ligne_figure.h"
#include "text/ligne_relisible.h"

namespace km32 {

namespace {

const std::string kFinDeLigne = "\r\n";

// The start lines whose arguments name objects, and which arguments: "Run
// n times the commands associated with key k" names objects in its count
// only (the key is a key), "Run n times the commands K, L" in both.
struct LigneNommant {
    uint16_t phrase;
    int dernierArgumentNommant;
};
constexpr LigneNommant kLignesNommant[] = {{2266, 1}, {2267, 2}};

int argumentsNommant(std::string_view numero) {
    for (const LigneNommant& l : kLignesNommant)
        if (numero == std::to_string(l.phrase)) return l.dernierArgumentNommant;
    return 0;
}

// A character of a name: names are cut at blanks, separators, operators
// and brackets.
bool estCaractereDeNom(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || c == '\'' ||
           c == '_' || u >= 0x80;
}

std::string renommeMots(std::string_view texte, const Renommages& renommages) {
    std::string r;
    for (std::size_t p = 0; p < texte.size();) {
        if (!estCaractereDeNom(texte[p])) {
            r += texte[p++];
            continue;
        }
        std::size_t q = p;
        while (q < texte.size() && estCaractereDeNom(texte[q]))
            ++q;
        const std::string_view mot = texte.substr(p, q - p);
        std::string_view remplace = mot;
        for (const auto& [ancien, nouveau] : renommages)
            if (mot == ancien) {
                remplace = nouveau;
                break;
            }
        r += remplace;
        p = q;
    }
    return r;
}

// A stored coded line with the names of its naming arguments renamed; any
// other line unchanged.
std::string renommeLigne(std::string_view ligne, const Renommages& renommages) {
    const std::string_view code = kSeparateurCode;
    if (ligne.compare(0, code.size(), code) != 0) return std::string(ligne);
    std::size_t debut = code.size();
    std::size_t fin = ligne.find(code, debut);
    const int nommant =
        argumentsNommant(ligne.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
    if (nommant == 0) return std::string(ligne);
    std::string r(ligne.substr(0, fin == std::string_view::npos ? ligne.size() : fin));
    for (int k = 1; fin != std::string_view::npos; ++k) {
        debut = fin + code.size();
        fin = ligne.find(code, debut);
        const std::string_view argument =
            ligne.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut);
        r += code;
        r += k <= nommant ? renommeMots(argument, renommages) : std::string(argument);
    }
    return r;
}

} // namespace

namespace {

void renommeDansLignes(std::string& lignes, const Renommages& renommages) {
    std::string r;
    std::size_t p = 0;
    while (p <= lignes.size()) {
        std::size_t fin = lignes.find(kFinDeLigne, p);
        if (fin == std::string::npos) fin = lignes.size();
        r += renommeLigne(std::string_view(lignes).substr(p, fin - p), renommages);
        if (fin == lignes.size()) break;
        r += kFinDeLigne;
        p = fin + kFinDeLigne.size();
    }
    lignes = r;
}

} // namespace

LignesEnLecture& lignesDiffereesEnLecture() {
    static LignesEnLecture l;
    return l;
}

void renommeDansLignesDifferees(TfigureKalmetra& f, const Renommages& renommages) {
    if (renommages.empty()) return;
    if (f.lignesDifferees) renommeDansLignes(*f.lignesDifferees, renommages);
    const LignesEnLecture& enLecture = lignesDiffereesEnLecture();
    if (enLecture.figure == &f && enLecture.lignes) renommeDansLignes(*enLecture.lignes, renommages);
}

bool lignesDiffereesDansLaLimite(const TfigureKalmetra& f) {
    if (!f.lignesDifferees) return true;
    const std::string& lignes = *f.lignesDifferees;
    for (std::size_t p = 0; p <= lignes.size();) {
        std::size_t fin = lignes.find(kFinDeLigne, p);
        if (fin == std::string::npos) fin = lignes.size();
        if (!ligneDansLaLimite(std::string_view(lignes).substr(p, fin - p))) return false;
        p = fin + kFinDeLigne.size();
    }
    return true;
}

} // namespace km32
