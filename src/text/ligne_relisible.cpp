#include "text/ligne_relisible.h"

#include <algorithm>

#include "phrases/phrase.h"
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

std::string ligneRelisible(uint16_t phrase, std::string_view parametres, uint8_t indentation) {
    if (formeLignes() == FormeLignes::Codee) return ligneCodee(phrase, parametres);
    std::string ligne = ligneDePhraseAvecParametres(phrase, parametres, indentation);
    if (formeLignes() == FormeLignes::Phrase || ligne.size() <= kLongueurMaxLigneLue + 2) return ligne;
    std::string codee = ligneCodee(phrase, parametres);
    return codee.size() < ligne.size() ? codee : ligne;
}

} // namespace km32
