// Exported functions: saving a figure, why a save failed, and whether a
// figure has unsaved changes.
#include "km32.h"

#include <cstring>
#include <string_view>

#include "host/exports_commun.h"
#include "host/juge_modification.h"
#include "platform/memoire.h"
#include "text/sauvegarde_figure.h"

extern "C" {

KM32_EXPORT int32_t KMsauveFigure(int16_t numero, const char* fichier) {
    return km32::appelFigure(numero, int32_t(1), [&]() -> int32_t {
        // No name is a missing file, as an empty one.
        if (!fichier) return km32::sauveFigure(numero, std::string_view());
        // A name longer than the library keeps is refused, never cut (a cut
        // name is another file): one byte more than it keeps is enough to say so.
        const std::size_t n = strnlen(fichier, km32::kLongueurMaxNomFichier + 1);
        const int32_t r = km32::sauveFigure(numero, std::string_view(fichier, n));
        if (r == 0) km32::noteFigureEnregistree(numero);
        return r;
    });
}

KM32_EXPORT int32_t KMErreurSauvegarde(void) {
    return km32::appelProtege(int32_t(0), [] { return int32_t(km32::erreurDerniereSauvegarde()); });
}

KM32_EXPORT uint32_t KMTexteErreurSauvegarde(void) {
    return km32::appelProtege(uint32_t(0), []() -> uint32_t {
        const std::string texte = km32::texteErreurSauvegarde();
        return texte.empty() ? 0 : km32::platform::alloueBloc(texte);
    });
}

KM32_EXPORT int32_t KMfigureModifiee(int16_t numero) {
    return km32::appelFigure(numero, int32_t(0), [&]() -> int32_t { return km32::figureModifiee(numero); });
}
}
