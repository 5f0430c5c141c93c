#include "phrases/phrase.h"

#include <algorithm>
#include <cstring>

#include "base/texte.h"
#include "phrases/table_phrases.h"
#include "sibling/phrases_tq.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

constexpr std::size_t kLongueurMax = 255;
constexpr char kDiese = '#';
constexpr char kOctet255 = '\xFF';

const TablePhrases& tableDeLangue(uint16_t langue) {
    switch (langue) {
    case kLangueAnglaise:
        return tablePhrasesAnglaises;
    case kLangueAllemande:
        return tablePhrasesAllemandes;
    default:
        return tablePhrasesFrancaises;
    }
}

// The entry of numero in the table, or null.
const EntreePhrase* cherche(const TablePhrases& table, uint16_t numero) {
    if (table.nombre == 0) return nullptr;
    const EntreePhrase* fin = table.entrees + table.nombre;
    const EntreePhrase* e = std::lower_bound(table.entrees, fin, numero,
                                             [](const EntreePhrase& a, uint16_t n) { return a.numero < n; });
    return (e != fin && e->numero == numero) ? e : nullptr;
}

bool langueConnue(uint16_t langue) {
    return langue == kLangueFrancaise || langue == kLangueAnglaise || langue == kLangueAllemande;
}

} // namespace

std::string_view texteParDefaut(uint16_t langue) {
    switch (langue) {
    case kLangueAnglaise:
        return "phrase number not in the list";
    case kLangueAllemande:
        return "Satznummer nicht in der Liste";
    default:
        return "numero de phrase non pr\xE9sent sur la liste";
    }
}

std::string phraseDeNumeroEnLangue(uint16_t numero, uint16_t langue) {
    if (const EntreePhrase* e = cherche(tableDeLangue(langue), numero))
        return std::string(e->texte, e->longueur);
    return std::string(texteParDefaut(langue));
}

std::string phraseDeNumero(uint16_t numero) {
    if (numero > 10000) return coupe(TQphraseDeNumero(numero), kLongueurMax);
    return phraseDeNumeroEnLangue(numero, TQTableDesVariablesPartagees()->langueAppliquee);
}

bool phraseDansTable(uint16_t numero, uint16_t langue) {
    return langueConnue(langue) && cherche(tableDeLangue(langue), numero) != nullptr;
}

std::size_t nombreDePhrases(uint16_t langue) {
    return langueConnue(langue) ? tableDeLangue(langue).nombre : 0;
}

void phraseEnPChar(uint16_t numero, char* tampon) {
    std::string texte = coupe(phraseDeNumero(numero), kLongueurMax);
    std::memcpy(tampon, texte.data(), texte.size());
    tampon[texte.size()] = '\0';
}

std::string phraseMultiLigne(uint16_t numero) {
    return texteMultiLigne(phraseDeNumero(numero));
}

std::string texteMultiLigne(std::string_view texte) {
    std::string r;
    for (char c : texte.substr(0, std::min(texte.size(), kLongueurMax))) {
        if (c == '$')
            r += "\r\n";
        else
            r += c;
    }
    // Replacing one byte by two pushes the end out: what passes 255 is lost.
    return coupe(r, kLongueurMax);
}

std::string texteAvecParametres(std::string texte, std::string_view parametres) {
    std::string_view reste = parametres.substr(0, std::min(parametres.size(), kLongueurMax));
    for (int k = 1; !reste.empty(); ++k) {
        const std::string cle = kDiese + std::to_string(k);
        // The last placeholder left in the text takes all that remains.
        std::string_view debut(texte.data(), std::min(texte.size(), kLongueurMax));
        std::string_view brut;
        if (std::count(debut.begin(), debut.end(), kDiese) == 1) {
            brut = reste;
            reste = {};
        } else {
            std::size_t pv = reste.find(';');
            brut = reste.substr(0, pv);
            reste = pv == std::string_view::npos ? std::string_view{} : reste.substr(pv + 1);
        }
        // Byte 255 in a parameter is a ";"; a "#" of a parameter is hidden as
        // two bytes 255 until the end so that it is never taken for a placeholder.
        std::string valeur;
        for (char c : brut) {
            if (c == kOctet255)
                valeur += ';';
            else if (c == kDiese)
                valeur += "\xFF\xFF";
            else
                valeur += c;
        }
        for (std::size_t p = texte.find(cle); p != std::string::npos; p = texte.find(cle))
            texte.replace(p, cle.size(), valeur);
    }
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == kOctet255 && i + 1 < texte.size() && texte[i + 1] == kOctet255) {
            r += kDiese;
            ++i;
        } else {
            r += texte[i];
        }
    }
    return r;
}

std::string phraseAvecParametres(uint16_t numero, std::string_view parametres) {
    return texteAvecParametres(phraseDeNumero(numero), parametres);
}

std::string ligneDePhraseAvecParametres(uint16_t numero, std::string_view parametres, uint8_t indentation) {
    std::string ligne = coupe(phraseAvecParametres(numero, parametres), kLongueurMax);
    ligne = coupe(std::string(indentation, ' ') + ligne, kLongueurMax);
    return coupe("\r\n" + ligne, kLongueurMax);
}

} // namespace km32
