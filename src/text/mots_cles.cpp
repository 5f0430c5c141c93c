#include "text/mots_cles.h"

#include <memory>

#include "base/texte.h"
#include "text/source_phrases.h"

namespace km32 {

namespace {

std::unique_ptr<TTableMotsCles>& table() {
    static std::unique_ptr<TTableMotsCles> t;
    return t;
}

std::string formeLache(std::string_view texte, std::size_t maximum) {
    std::string r;
    r.reserve(texte.size());
    for (char c : texte) {
        if (c == ' ' || static_cast<unsigned char>(c) >= 128) continue;
        r += majuscule(c);
    }
    if (r.size() > maximum) r.resize(maximum);
    return r;
}

} // namespace

void normaliseMotCle(std::string& texte) {
    texte = formeLache(texte, 255);
}
void normaliseMotCle80(std::string& texte) {
    texte = formeLache(texte, 80);
}

void construitTableMotsCles() {
    auto t = std::make_unique<TTableMotsCles>();
    for (std::size_t i = 0; i < kNombreMotsCles; ++i) {
        std::string phrase = phraseDeSource(static_cast<uint16_t>(kPremierMotCle + i));
        // A placeholder keeps only its "#".
        for (std::size_t p = 0; p < phrase.size(); ++p)
            if (phrase[p] == '#' && p + 1 < phrase.size()) phrase.erase(p + 1, 1);
        t->formes[i] = formeLache(phrase, 255);
        // An empty form names nothing: an empty word is no keyword.
        if (!t->formes[i].empty()) t->numeros.try_emplace(t->formes[i], uint16_t(kPremierMotCle + i));
    }
    table() = std::move(t);
}

void libereTableMotsCles() {
    table().reset();
}

const TTableMotsCles* tableDesMotsCles() {
    return table().get();
}

uint16_t numeroMotCle(const TTableMotsCles* t, std::string_view mot) {
    if (!t || mot.empty()) return 0;
    std::string cle = enMajuscules(mot.substr(0, 80));
    auto it = t->numeros.find(cle);
    return it == t->numeros.end() ? 0 : it->second;
}

void litMotCle(std::string& liste, uint8_t longueurMax, std::string& mot, uint16_t& numero) {
    const std::size_t virgule = liste.find(',');
    if (virgule != std::string::npos) {
        mot = coupe(std::string_view(liste).substr(0, virgule), 80);
        liste.erase(0, virgule + 1);
    } else {
        mot = coupe(liste, 80);
        liste.clear();
    }
    if (liste.size() > longueurMax) liste.resize(longueurMax);
    mot = std::string(sansBlancsAuxBouts(mot));
    if (!tableDesMotsCles()) construitTableMotsCles();
    numero = numeroMotCle(tableDesMotsCles(), formeLache(mot, 80));
}

} // namespace km32
