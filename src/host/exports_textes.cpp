// Exported functions: texts and lines sent by the host, queries, and the
// figure written as text.
#include "km32.h"

#include "base/texte.h"
#include "host/exports_commun.h"
#include "host/services_attendus.h"
#include "host/textes_hote.h"
#include "model/table_figures.h"
#include "platform/memoire.h"
#include "text/execution_texte.h"
#include "text/relecture_texte.h"

namespace km32 {
namespace {

uint32_t reponseARequete(int16_t n, const char* ligne) {
    TfigureKalmetra* f = figureOuRien(n);
    if (!f || !ligne) return 0;
    f->listeReponses.clear();
    f->modeRequete = 1;
    uint16_t r = 0;
    try {
        r = executeLigneEtSignaleErreur(*f, coupe(ligne, 255), 1);
    } catch (...) {
        if ((f = figureOuRien(n))) f->modeRequete = 0;
        throw;
    }
    f = figureOuRien(n);
    if (!f) return 0;
    f->modeRequete = 0;
    if (r != 0) return 0;
    // Whole: an answer may be the figure's whole text.
    return platform::alloueBlocDeTaille(f->listeReponses, kTailleBlocTexte);
}

} // namespace
} // namespace km32

using km32::appelFigure;
using km32::appelFigureSansResultat;

extern "C" {

KM32_EXPORT int32_t KMInstalleTexteFigureNouvelle(const char* fichier) {
    return km32::appelProtege(int32_t(0), [&] {
        return fichier && km32::KMInstalleTexteFigureNouvelle(km32::coupe(fichier, 255)) ? int32_t(1)
                                                                                         : int32_t(0);
    });
}

KM32_EXPORT void KMExecuterTexte(int16_t numero, const char* texte) {
    appelFigureSansResultat(numero, [&] {
        if (texte) km32::executerTexte(numero, texte);
    });
}

KM32_EXPORT void KMExecuteLigneFig(int16_t numero, const char* ligne) {
    appelFigureSansResultat(numero, [&] {
        if (ligne) km32::executeLignesDuTexte(numero, ligne, false);
    });
}

KM32_EXPORT void KMExecuteLigneFigEtRedessine(int16_t numero, const char* ligne) {
    appelFigureSansResultat(numero, [&] {
        if (ligne) km32::executeLigneFigEtRedessine(numero, ligne);
    });
}

KM32_EXPORT int32_t KMLigneEnErreur(int16_t numero) {
    return appelFigure(numero, int32_t(0), [&]() -> int32_t {
        if (!km32::figureOuRien(numero)) return 0;
        return km32::fichierNonLu(numero) ? -1 : int32_t(km32::ligneEnErreur(numero));
    });
}

KM32_EXPORT uint32_t KMfournitHandleSurTexte(int16_t numero, const char* ligne) {
    return appelFigure(numero, uint32_t(0), [&] { return km32::reponseARequete(numero, ligne); });
}

KM32_EXPORT uint32_t KMTexteFigure(int16_t numero) {
    return appelFigure(numero, uint32_t(0), [&]() -> uint32_t {
        const km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        if (!f) return 0;
        // Whole, however long: a host that saves or reads again what it gets
        // must never receive a figure cut in the middle of a line.
        return km32::platform::alloueBlocDeTaille(km32::ecritTexteFigure(*f), km32::kTailleBlocTexte);
    });
}

KM32_EXPORT int32_t KMVerifieTexteFigure(int16_t numero) {
    return appelFigure(numero, int32_t(-1), [&]() -> int32_t {
        const km32::TfigureKalmetra* f = km32::figureOuRien(numero);
        if (!f) return -1;
        return int32_t(km32::ligneNonRelue(km32::ecritTexteFigure(*f)));
    });
}
}
