#include "text/ligne_relisible.h"

#include <algorithm>

#include "base/texte.h"
#include "model/modele_ligne_analyse.h"
#include "phrases/phrase.h"
#include "text/appariement_lignes.h"
#include "text/ecriture_figure.h"
#include "text/ligne_figure.h"

namespace km32 {

namespace {

constexpr char kOctet255 = '\xFF';

// How many times cle stands in texte; each is taken out.
int retireOccurrences(std::string& texte, const std::string& cle) {
    int n = 0;
    for (std::size_t p = texte.find(cle); p != std::string::npos; p = texte.find(cle, p)) {
        texte.erase(p, cle.size());
        ++n;
    }
    return n;
}

} // namespace

FormeLignes& formeLignes() {
    static FormeLignes forme = FormeLignes::Relisible;
    return forme;
}

std::string ligneCodee(uint16_t phrase, std::string_view parametres) {
    // The same walk as the filling of the phrase: placeholder k takes the
    // next parameter, or all that remains when it is the last one left.
    std::string texte = phraseDeNumero(phrase);
    int restants = int(std::count(texte.begin(), texte.end(), '#'));
    std::string r = "\r\n" + std::string(kSeparateurCode) + std::to_string(phrase);
    std::string_view reste = parametres;
    for (int k = 1; !reste.empty(); ++k) {
        std::string_view brut;
        if (restants <= 1) {
            brut = reste;
            reste = {};
        } else {
            const std::size_t pv = reste.find(';');
            brut = reste.substr(0, pv);
            reste = pv == std::string_view::npos ? std::string_view{} : reste.substr(pv + 1);
        }
        const int places = retireOccurrences(texte, "#" + std::to_string(k));
        restants -= places;
        r += kSeparateurCode;
        // A parameter that fills no placeholder gives no argument: its
        // field stays empty, as the reader of the phrase would leave it.
        if (places == 0) continue;
        for (const char c : brut)
            r += c == kOctet255 ? ';' : c;
    }
    return r;
}

namespace {

// The parameter that fills placeholder k of a ";"-separated list (the last
// placeholder takes what remains: only the length of a leading one matters).
std::string_view parametreNumero(std::string_view parametres, int k) {
    for (int n = 1; n < k; ++n) {
        const std::size_t pv = parametres.find(';');
        if (pv == std::string_view::npos) return {};
        parametres.remove_prefix(pv + 1);
    }
    return parametres.substr(0, parametres.find(';'));
}

// Whether the reader finds the phrase's arguments in the filled line. Only
// a pattern that begins with a placeholder can fail so (its leading argument
// is at most 10 characters, 9 before "="), and only with a leading
// parameter of more than 9 characters; the matcher decides then, on the
// pattern of the language applied.
bool argumentsRetrouves(uint16_t phrase, std::string_view parametres, std::string_view ligne) {
    const std::string texte = phraseDeNumero(phrase);
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos || texte[debut] != '#' || debut + 1 >= texte.size()) return true;
    const int k = texte[debut + 1] - '0';
    if (k < 1 || k > 9 || parametreNumero(parametres, k).size() <= 9) return true;
    TModeleLigne modele;
    modele.modele = coupe(texte, kLongueurModele);
    analyseModeleLigne(modele);
    TLigneFigure l;
    const std::size_t texteLigne = ligne.find_first_not_of("\r\n ");
    if (texteLigne == std::string_view::npos) return true;
    l.ligne = std::string(ligne.substr(texteLigne));
    prepareLigneFigure(l);
    return apparieModeleLigne(l, modele);
}

} // namespace

std::string ligneRelisible(uint16_t phrase, std::string_view parametres, uint8_t indentation) {
    std::string ligne = ligneDePhraseAvecParametres(phrase, parametres, indentation);
    const bool lue = ligneDansLaLimite(ligne) && argumentsRetrouves(phrase, parametres, ligne);
    if (lue && formeLignes() == FormeLignes::Relisible) return ligne;
    std::string codee = ligneCodee(phrase, parametres);
    if (!lue && ligneDansLaLimite(codee)) return codee;
    // The shorter form, read or not: where neither is read, the judges
    // measure it and refuse the figure.
    return codee.size() < ligne.size() ? codee : ligne;
}

bool ligneDansLaLimite(std::string_view ligneEcrite) {
    if (ligneEcrite.compare(0, 2, "\r\n") == 0) ligneEcrite.remove_prefix(2);
    return ligneEcrite.size() <= kLongueurMaxLigneLue;
}

bool estFormeCodee(std::string_view ligneEcrite) {
    if (ligneEcrite.compare(0, 2, "\r\n") == 0) ligneEcrite.remove_prefix(2);
    return ligneEcrite.compare(0, 3, kSeparateurCode) == 0;
}

} // namespace km32
