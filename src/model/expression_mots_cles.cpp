// Keywords of expressions and their one-byte codes, and the small text
// rewritings the compiler applies before its analysis.
#include "base/erreur.h"
#include "base/texte.h"
#include "model/analyse_expression.h"

namespace km32 {

namespace {

struct MotCle {
    const char* mot;
    uint8_t code;
    bool sauteEnFin; // a function name that ends the text is not a keyword
};

// In this order: longer keywords before the ones they contain.
constexpr MotCle kMotsCles[] = {
    {"arccos", kJetonArccos, true},
    {"arcsin", kJetonArcsin, true},
    {"arctan", kJetonArctan, true},
    {"min", kJetonMin, true},
    {"max", kJetonMax, true},
    {"norm", kJetonNorm, true},
    {"dist", kJetonDist, true},
    {"anp", kJetonAnp, true},
    {"cnp", kJetonCnp, true},
    {"abs", kJetonAbs, true},
    {"cos", kJetonCos, true},
    {"sin", kJetonSin, true},
    {"tan", kJetonTan, true},
    {"exp", kJetonExp, true},
    {"int", kJetonInt, true},
    {"ln", kJetonLn, true},
    {"pi", kJetonPi, false},
    {"sqrt", kJetonSqrt, true},
    {"vec", kJetonVec, true},
    {"et", kJetonEt, false},
    {"ou", kJetonOu, false},
    {"non", kJetonNon, false},
    {"<=", kJetonInferieurOuEgal, false},
    {">=", kJetonSuperieurOuEgal, false},
    {"<>", kJetonDifferent, false},
    {"rac", kJetonRac, false},
};

// Only the first 80 characters are lowered before keywords are looked for.
constexpr std::size_t kLongueurMinuscules = 80;

char minuscule(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

const char* motDuCode(uint8_t code) {
    if (code == kJetonVecAB) return "vec";
    for (const MotCle& m : kMotsCles)
        if (m.code == code) return m.mot;
    return nullptr;
}

} // namespace

int nombreDeComposantesDuGenre(uint8_t genre) {
    switch (genre) {
    case kGenrePoint:
    case kGenreVecteur:
        return 3;
    case kGenreNombre:
    case kGenreRelation:
        return 1;
    default:
        return 0;
    }
}

double constanteAnalyse(const TAnalyseExpression& a, int casee) {
    verifieIndice(casee, kCasePremiereConstante, kCaseDerniereConstante, "constant slot");
    return a.constantes[std::size_t(casee - kCasePremiereConstante)];
}

EtatCompilateur& etatCompilateur() {
    static EtatCompilateur etat;
    return etat;
}

void reinitialiseCompilateur() {
    etatCompilateur() = EtatCompilateur{};
}

void codeMotsCles(std::string& texte, std::size_t capacite) {
    std::string copie = texte;
    for (std::size_t i = 0; i < copie.size() && i < kLongueurMinuscules; ++i)
        copie[i] = minuscule(copie[i]);
    for (const MotCle& m : kMotsCles) {
        const std::string_view mot(m.mot);
        std::size_t p = copie.find(mot);
        while (p != std::string::npos) {
            if (m.sauteEnFin && p + mot.size() == copie.size()) break;
            copie.replace(p, mot.size(), 1, char(m.code));
            texte.replace(p, mot.size(), 1, char(m.code));
            p = copie.find(mot, p + 1);
        }
    }
    texte = coupe(texte, capacite);
}

void decodeMotsCles(std::string& texte, std::size_t capacite) {
    std::string resultat;
    resultat.reserve(texte.size() + 16);
    for (char c : texte) {
        const char* mot = motDuCode(uint8_t(c));
        if (mot)
            resultat += mot;
        else
            resultat += c;
    }
    texte = coupe(resultat, capacite);
}

void remplaceCarreParPuissance(std::string& texte, std::size_t capacite) {
    std::string resultat;
    resultat.reserve(texte.size() + 4);
    for (char c : texte) {
        if (uint8_t(c) == kJetonCarre)
            resultat += "^2";
        else
            resultat += c;
    }
    texte = coupe(resultat, capacite);
}

} // namespace km32
