#include "text/renommage_lignes.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/objets_figure.h"
#include "text/ligne_figure.h"
#include "text/ligne_relisible.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

const std::string kFinDeLigne = "\r\n";
// The reader looks a name up by its first 10 characters.
constexpr std::size_t kLongueurNomLu = 10;

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

// The arguments of a stored coded line that names objects: its phrase
// number first, then its arguments; empty for any other line.
std::vector<std::string_view> champsDeLigneNommant(std::string_view ligne) {
    const std::string_view code = kSeparateurCode;
    if (ligne.compare(0, code.size(), code) != 0) return {};
    std::vector<std::string_view> champs;
    for (std::size_t debut = code.size();;) {
        const std::size_t fin = ligne.find(code, debut);
        champs.push_back(ligne.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
        if (fin == std::string_view::npos) break;
        debut = fin + code.size();
    }
    if (argumentsNommant(champs.front()) == 0) return {};
    return champs;
}

// Whether a name of the text (a count) designates an object of the set.
bool nommeUnObjetDe(const TfigureKalmetra& f, std::string_view texte, const TEnsembleObjets& ensemble) {
    for (std::size_t p = 0; p < texte.size();) {
        if (!estCaractereDeNom(texte[p])) {
            ++p;
            continue;
        }
        std::size_t q = p;
        while (q < texte.size() && estCaractereDeNom(texte[q]))
            ++q;
        const int n = numeroObjetDeNotation(f, texte.substr(p, std::min<std::size_t>(q - p, kLongueurNomLu)));
        if (n > 0 && ensemble.test(std::size_t(n))) return true;
        p = q;
    }
    return false;
}

// A stored coded line once the objects of the set are deleted: the
// commands of the set leave its list, read as the reader reads it (blanks
// or commas between the names) and written as the reader stores it (commas
// alone); nothing when no command is left, or when
// its count names an object of the set (it could not be worked out any
// more). Any other line unchanged.
std::optional<std::string> oteDeLaLigne(const TfigureKalmetra& f, std::string_view ligne,
                                        const TEnsembleObjets& ensemble) {
    const std::vector<std::string_view> champs = champsDeLigneNommant(ligne);
    if (champs.size() < 2) return std::string(ligne);
    if (nommeUnObjetDe(f, champs[1], ensemble)) return std::nullopt;
    if (argumentsNommant(champs[0]) < 2 || champs.size() < 3) return std::string(ligne);
    const std::string normal = normaliseListe(champs[2]);
    Elements elements{normal};
    std::string_view element;
    std::string liste;
    bool ote = false;
    while (elements.suivant(element)) {
        if (element.empty()) continue;
        const int n = numeroObjetDeNotation(f, element.substr(0, kLongueurNomLu));
        if (n > 0 && ensemble.test(std::size_t(n))) {
            ote = true;
            continue;
        }
        liste += (liste.empty() ? "" : ",") + std::string(element);
    }
    if (!ote) return std::string(ligne);
    if (liste.empty()) return std::nullopt;
    const std::string code = kSeparateurCode;
    std::string r = code + std::string(champs[0]) + code + std::string(champs[1]) + code + liste;
    for (std::size_t k = 3; k < champs.size(); ++k)
        r += code + std::string(champs[k]);
    return r;
}

// Each stored line (CR LF between them) through change; a line that change
// gives as nothing goes with its line break.
template <class Change> void changeLignes(std::string& lignes, Change change) {
    std::string r;
    bool premiere = true;
    std::size_t p = 0;
    while (p <= lignes.size()) {
        std::size_t fin = lignes.find(kFinDeLigne, p);
        if (fin == std::string::npos) fin = lignes.size();
        const std::optional<std::string> ligne = change(std::string_view(lignes).substr(p, fin - p));
        if (ligne) {
            if (!premiere) r += kFinDeLigne;
            r += *ligne;
            premiere = false;
        }
        if (fin == lignes.size()) break;
        p = fin + kFinDeLigne.size();
    }
    lignes = r;
}

// The lines of the figure and those gathered while a text is read into it
// through change; a figure left with no line has none stored.
template <class Change> void changeLignesDifferees(TfigureKalmetra& f, Change change) {
    if (f.lignesDifferees) {
        changeLignes(*f.lignesDifferees, change);
        if (f.lignesDifferees->empty()) f.lignesDifferees.reset();
    }
    const LignesEnLecture& enLecture = lignesDiffereesEnLecture();
    if (enLecture.figure == &f && enLecture.lignes) changeLignes(*enLecture.lignes, change);
}

} // namespace

LignesEnLecture& lignesDiffereesEnLecture() {
    static LignesEnLecture l;
    return l;
}

void renommeDansLignesDifferees(TfigureKalmetra& f, const Renommages& renommages) {
    if (renommages.empty()) return;
    changeLignesDifferees(f, [&](std::string_view ligne) -> std::optional<std::string> {
        return renommeLigne(ligne, renommages);
    });
}

void oteDesLignesDifferees(TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    if (ensemble.none()) return;
    changeLignesDifferees(f, [&](std::string_view ligne) { return oteDeLaLigne(f, ligne, ensemble); });
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
