#include "host/fenetres/dialogue/expression_champ.h"

#include "model/procedures_texte.h"
#include "model/texte_math.h"
#include "text/noms_objets.h"

namespace km32 {

namespace {

constexpr std::size_t kCapacite = 255;
constexpr uint16_t kErreurVirgule = 594, kPremierRefus = 533;

std::string enMath(const TfigureKalmetra& f, std::string texte, uint16_t& erreur) {
    uint16_t e = 0;
    ecritExpressionEnTexteMath(f, texte, kCapacite, e);
    if (e >= kPremierRefus && erreur < kPremierRefus) erreur = e;
    return texte;
}

// The variables named by answers a..b (one letter each), written before
// the ";" that declares them; empty when an answer is no single letter.
std::string variables(const TDialogueObjet& d, int a, int b) {
    std::string v;
    for (int k = a; k <= b; ++k) {
        std::string r = d.lignes[std::size_t(k)].reponse;
        oteEspacesBouts(r);
        if (r.size() != 1) return {};
        v += r;
    }
    return v;
}

// "(A,1) (B,2)": each pair keeps its object name, its coefficient in math
// form.
std::string couples(const TfigureKalmetra& f, const std::string& texte, uint16_t& erreur) {
    std::string r;
    std::size_t i = 0;
    while (i < texte.size()) {
        if (texte[i] == ' ') {
            ++i;
            continue;
        }
        int profondeur = 0;
        std::size_t virgule = std::string::npos, fin = i;
        if (texte[i] != '(') break;
        for (; fin < texte.size(); ++fin) {
            const char c = texte[fin];
            if (c == '(') ++profondeur;
            if (c == ')' && --profondeur == 0) break;
            if (c == ',' && profondeur == 1 && virgule == std::string::npos) virgule = fin;
        }
        if (fin >= texte.size() || virgule == std::string::npos) break;
        std::string nom = texte.substr(i + 1, virgule - i - 1);
        oteEspacesBouts(nom);
        if (!r.empty()) r += ' ';
        r += "(" + nom + "," + enMath(f, texte.substr(virgule + 1, fin - virgule - 1), erreur) + ")";
        i = fin + 1;
    }
    if (i < texte.size()) erreur = kErreurVirgule;
    return r;
}

// "u(n)=..." of a sequence: the left side as typed, the term in math form.
std::string terme(const TfigureKalmetra& f, const std::string& texte, uint16_t& erreur) {
    const std::size_t egal = texte.find('=');
    if (egal == std::string::npos || egal < 1 || !estLettre(texte[0])) return enMath(f, texte, erreur);
    return texte.substr(0, egal + 1) + enMath(f, ";" + texte.substr(0, 1) + texte.substr(egal + 1), erreur);
}

} // namespace

std::string expressionDuChampCourant(const TfigureKalmetra& f, const TDialogueObjet& d, int k,
                                     uint16_t& erreur) {
    erreur = 0;
    if (k < 1 || k > d.nombreLignes) return {};
    const std::string& texte = d.lignes[std::size_t(k)].reponse;
    std::string vars;
    switch (d.commande) {
    case 21:  // barycentre of weighted points
    case 127: // table of values of variables with their decimals
        if (k == 1) return couples(f, texte, erreur);
        break;
    case 23: // curve X, Y, Z in the variable of line 1
        if (k >= 2 && k <= 4) vars = variables(d, 1, 1);
        break;
    case 54: // function of one, two or three variables
    case 216:
    case 217: {
        const int n = d.commande == 54 ? 1 : d.commande == 216 ? 2 : 3;
        if (k == n + 1) vars = variables(d, 1, n);
        break;
    }
    case 131: // curve Y = f(X)
        vars = "X";
        break;
    case 214: // plane equation: read as a relation in X, Y and Z while the dialog edits it
        break;
    case 101:
    case 102:
    case 103: // term of a sequence
        if (k == d.nombreLignes - 1) return terme(f, texte, erreur);
        break;
    default:
        break;
    }
    return vars.empty() ? enMath(f, texte, erreur) : enMath(f, vars + ";" + texte, erreur);
}

} // namespace km32
