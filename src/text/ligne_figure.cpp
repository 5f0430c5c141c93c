#include "text/ligne_figure.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "base/texte.h"
#include "model/expression_erreurs.h"
#include "text/appariement_lignes.h"
#include "text/noms_objets.h"

namespace km32 {

const char kSeparateurCode[] = ";\\;";

namespace {
constexpr std::string_view kSeparateur = ";\\;";

// The field at the front of reste, up to the next ";\;" or the end; reste
// keeps what follows, starting with that ";\;".
std::string_view prendsChamp(std::string_view& reste) {
    std::size_t f = reste.find(kSeparateur);
    std::string_view champ = reste.substr(0, f);
    reste = f == std::string_view::npos ? std::string_view() : reste.substr(f);
    return champ;
}

// A decimal number rounded to a whole number from 0 to 65535.
bool litCode(std::string_view champ, uint16_t& code) {
    double v = 0;
    const char* fin = champ.data() + champ.size();
    auto [ptr, ec] = std::from_chars(champ.data(), fin, v);
    if (champ.empty() || ec != std::errc() || ptr != fin || !std::isfinite(v)) return false;
    v = std::nearbyint(v);
    if (v < 0 || v > 65535) return false;
    code = static_cast<uint16_t>(v);
    return true;
}
} // namespace

void signaleErreurLigne(TLigneFigure& l, uint16_t erreur) {
    l.erreur = erreur;
    afficheErreurDeNumero(erreur);
}

void signaleErreurLigne(TLigneFigure& l, uint16_t erreur, const std::string& nom) {
    l.erreur = erreur;
    nomErreur1() = nom;
    afficheErreurDeNumero(erreur);
}

bool refusDansLigne(TLigneFigure& l, const std::string& nom, bool nomme) {
    if (!estRefus(l.erreur)) return false;
    if (nomme) nomErreur1() = nom;
    afficheErreurDeNumero(l.erreur);
    return true;
}

void prepareLigneFigure(TLigneFigure& l) {
    l.erreur = 0;
    l.nombreArguments = 0;
    if (l.ligne.size() > kLongueurLigne) l.ligne.resize(kLongueurLigne);
    l.copieTravail = l.ligne;
    oteBlancsAutourSeparateurs(l.copieTravail);
    l.copieNormalisee = enMajuscules(l.copieTravail);
    for (std::string& a : l.arguments)
        a.clear();
    l.texteArguments.clear();
}

void assembleArgumentsLigne(TLigneFigure& l) {
    if (l.nombreArguments == 0) return;
    std::string& t = l.texteArguments;
    t = l.arguments[1];
    for (char& c : t)
        if (c == ';') c = '\xFF';
    const int n = l.nombreArguments < kArgumentsMax ? l.nombreArguments : kArgumentsMax;
    for (int i = 2; i <= n; ++i) {
        if (l.arguments[i].empty()) continue;
        t += ';';
        for (char c : l.arguments[i])
            t += c == ';' ? ',' : c;
    }
    if (t.size() > kLongueurLigne) t.resize(kLongueurLigne);
}

void ecritLigneCodee(TLigneFigure& l, std::string& texte) {
    std::string& t = l.copieNormalisee;
    t = kSeparateur;
    t += std::to_string(l.codeLigne);
    const int n = l.nombreArguments < kArgumentsMax ? l.nombreArguments : kArgumentsMax;
    for (int i = 1; i <= n; ++i) {
        t += kSeparateur;
        t += l.arguments[i];
    }
    if (t.size() > kLongueurLigne) t.resize(kLongueurLigne);
    texte = t;
}

bool estLigneCodee(const TLigneFigure& l) {
    return l.copieTravail.starts_with(kSeparateur);
}

void lisLigneCodee(TLigneFigure& l) {
    std::string_view reste = l.copieTravail;
    reste.remove_prefix(kSeparateur.size());
    std::string_view dernier = prendsChamp(reste);
    uint16_t code = 0;
    if (!litCode(dernier, code)) {
        l.erreur = kPhraseIncorrecte;
        return;
    }
    int n = 0;
    std::array<std::string_view, kArgumentsMax + 1> champs;
    while (!reste.empty()) {
        reste.remove_prefix(kSeparateur.size());
        if (n == kArgumentsMax) { // more fields than the record has slots
            l.erreur = kPhraseIncorrecte;
            return;
        }
        champs[++n] = dernier = prendsChamp(reste);
    }
    l.codeLigne = code;
    for (int i = 1; i <= n; ++i)
        l.arguments[i].assign(champs[i]);
    l.nombreArguments = static_cast<uint8_t>(n);
    l.copieNormalisee.assign(dernier);
    l.copieTravail.clear();
    assembleArgumentsLigne(l);
}

} // namespace km32
