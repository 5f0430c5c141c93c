// Exported functions: values and names of a figure's objects, and phrases.
#include "km32.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "base/texte.h"
#include "host/exports_commun.h"
#include "host/services_attendus.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "text/garde_demarrage.h"
#include "phrases/phrase.h"
#include "platform/memoire.h"

namespace km32 {
namespace {

constexpr uint8_t kCodeNombreLibre = 74;
constexpr std::size_t kLongueurNomLibre = kTailleBlocNom - 1; // with its NUL

// The value of an undefined number for the host.
constexpr double kValeurIndefinie = std::bit_cast<double>(uint64_t(0x3FF6E1FF4D716277));

std::string texteOuVide(const char* texte) {
    return texte ? coupe(texte, 255) : std::string();
}

double valeurScalaire(int16_t n, const char* nom) {
    const TfigureKalmetra* f = figureOuRien(n);
    if (!f) return kValeurIndefinie;
    const std::string s = texteOuVide(nom);
    if (s == "rotVerticale") return f->anglesVue[0];
    if (s == "rotHorizontale") return f->anglesVue[1];
    if (s == "rotFrontale") return f->anglesVue[2];
    const int i = numeroObjetDeNomEtType(*f, s, kNatureNombreReel);
    if (i == 0 || objet(*f, i).nonDefini) return kValeurIndefinie;
    return valeurDepuisZero(*f, i, 0);
}

void affecteScalaire(int16_t n, const char* nom, double valeur) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f || !std::isfinite(valeur)) return;
    const int i = numeroObjetDeNomEtType(*f, texteOuVide(nom), kNatureNombreReel);
    if (i == 0 || objet(*f, i).codeConstruction != kCodeNombreLibre) return;
    // A value after which a stored start line would no longer run is
    // refused, the figure left as it was.
    GardeDemarrage demarrage(*f);
    valeurDepuisZero(*f, i, 0) = valeur;
    TEnsembleObjets changes;
    changes.set(std::size_t(i));
    recalculeDependants(*f, changes);
    if (!demarrage.accepte(i)) return;
    if (TfigureKalmetra* g = figureOuRien(n)) g->modifiee = 1;
}

uint32_t blocNomObjet(const TfigureKalmetra& f, int i) {
    return platform::alloueBlocDeTaille(i == 0 ? std::string() : coupe(nomObjet(f, i), kLongueurNomLibre),
                                        kTailleBlocNom);
}

} // namespace
} // namespace km32

using km32::appelFigure;
using km32::appelProtegeSansResultat;

extern "C" {

KM32_EXPORT double KMValeurScalaireDouble(int16_t numero, const char* nom) {
    return appelFigure(numero, km32::kValeurIndefinie, [&] { return km32::valeurScalaire(numero, nom); });
}

KM32_EXPORT int16_t KMAffecteScalaire(int16_t numero, const char* nom, double valeur) {
    return appelFigure(numero, int16_t(0), [&] {
        km32::affecteScalaire(numero, nom, valeur);
        return int16_t(0);
    });
}

KM32_EXPORT uint32_t KMNomLibreActif(int16_t numero) {
    return appelFigure(numero, uint32_t(0), [&]() -> uint32_t {
        const km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        if (!f || f->objetLibreActif == 0) return 0;
        return km32::blocNomObjet(*f, f->objetLibreActif);
    });
}

KM32_EXPORT uint32_t KMDernierLibreBouge(int16_t numero) {
    return appelFigure(numero, uint32_t(0), [&]() -> uint32_t {
        const km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        return f ? km32::blocNomObjet(*f, f->dernierLibreBouge) : 0;
    });
}

KM32_EXPORT int32_t KMObjetValide(int16_t numero, const char* nom) {
    return appelFigure(numero, int32_t(0), [&]() -> int32_t {
        const km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        if (!f) return 0;
        const int i = km32::numeroObjetDeNotation(*f, km32::texteOuVide(nom));
        return i != 0 && km32::objet(*f, i).nonDefini == 0 ? 1 : 0;
    });
}

KM32_EXPORT void KMPhraseDeNumero(uint16_t numero, char* texte) {
    appelProtegeSansResultat([&] {
        if (!texte) return;
        const std::string phrase = km32::coupe(km32::phraseDeNumero(numero), 255);
        std::memcpy(texte, phrase.c_str(), phrase.size() + 1);
    });
}
}
